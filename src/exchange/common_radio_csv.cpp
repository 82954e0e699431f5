#include "exchange/common_radio_csv.h"

#include "channels/channel_effects.h"
#include "channels/channel_rules.h"
#include "channels/tone_rules.h"
#include "codeplug/edit_step.h"
#include "exchange/csv_text.h"

#include <QHash>
#include <QRegularExpression>
#include <cstdlib>
#include <limits>
#include <optional>

namespace zr40 {

namespace {

const TextContext kEnglish{true, QLatin1Char('.')};
constexpr Long kWide = 25000;
constexpr Long kNarrow = 12500;
// Repeater shifts are written as + or -; a transmit frequency further away is a split.
constexpr Long kLargestShiftHz = 70000000;
// Columns this radio has no place for.
const char* const kNotKept[] = {"Name",   "Comment",  "TStep",    "Skip",
                                "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"};

// Hertz of a text in MHz ("146.52", "0.600000"), rounded to the hertz.
std::optional<Long> ParseMhz(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^(\\d{1,4})(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString fraction = (match.captured(2) + QStringLiteral("0000000")).left(7);
    const qint64 hertz = match.captured(1).toLongLong() * 1000000 + fraction.left(6).toLongLong() +
                         (fraction.at(6) >= QLatin1Char('5') ? 1 : 0);
    return Long(hertz);
}

QString MhzText(Long hertz) {
    return QStringLiteral("%1.%2")
        .arg(hertz / 1000000)
        .arg(hertz % 1000000, 6, 10, QLatin1Char('0'));
}

// Tenths of a hertz of a tone text ("88.5", "100"), rounded to the tenth.
std::optional<Long> ParseTenths(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^(\\d{1,3})(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString fraction = (match.captured(2) + QStringLiteral("00")).left(2);
    return Long(match.captured(1).toInt() * 10 + fraction.left(1).toInt() +
                (fraction.at(1) >= QLatin1Char('5') ? 1 : 0));
}

// One side's signalling as the format describes it.
struct Signal {
    enum class Kind { None, Tone, Dtcs } kind = Kind::None;
    Long tenths = 0;    // Tone
    int code = 0;       // Dtcs, the octal code as a number (023 -> 19)
    bool normal = true; // Dtcs polarity: N normal, R inverted (our "I")
    QString text;       // as the file wrote it, for messages

    TonePair Pair() const {
        switch (kind) {
        case Kind::Tone:
            return {tenths, -1};
        case Kind::Dtcs:
            return {-1, ToneRules::DcsValue(code, normal)};
        case Kind::None:
            break;
        }
        return {};
    }
    bool SameCode(const Signal& other) const {
        return kind == Kind::Dtcs && other.kind == Kind::Dtcs && code == other.code;
    }

    // A stored side: CTCSS, DCS or none, read back from the grid's tone text.
    static Signal Stored(Long ctcss, Long dcs) {
        Signal signal;
        const QString text = ToneRules::ToneText(ctcss, dcs, kEnglish);
        if (ToneRules::CtcssPresent(ctcss)) {
            signal.kind = Kind::Tone;
            signal.tenths = ctcss;
        } else if (text.startsWith(QLatin1Char('D')) && text.size() == 5) {
            signal.kind = Kind::Dtcs;
            signal.code = text.mid(1, 3).toInt(nullptr, 8);
            signal.normal = text.endsWith(QLatin1Char('N'));
        }
        return signal;
    }
};

QString TenthsText(Long tenths) {
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QString CodeText(int code) {
    return QStringLiteral("%1").arg(code, 3, 8, QLatin1Char('0'));
}

// A channel as a row describes it.
struct RowChannel {
    Long rx = 0;
    Long tx = 0; // 0: receive only
    Signal encode;
    Signal decode;
    Long spacing = kWide;
    Long power = 1;
};

// Reads one data row; says why when the row cannot be a channel of this radio.
class RowReader {
public:
    RowReader(const QHash<QString, QString>& cells, int row, const Codeplug& cp,
              ExchangeResult& result, const TextContext& ctx)
        : cells(cells), row(row), cp(cp), result(result), ctx(ctx) {}

    std::optional<RowChannel> Read();

private:
    QString Value(const char* column) const {
        return cells.value(QString::fromLatin1(column).toLower());
    }
    bool Has(const char* column) const {
        return cells.contains(QString::fromLatin1(column).toLower());
    }
    void Warn(const QString& text) {
        result.warnings << ctx.Tr("CommonRadioCsv", "row %1: ").arg(row) + text;
    }
    bool Skip(const QString& text) {
        //: A row's problem, then that the row was left out.
        Warn(ctx.Tr("CommonRadioCsv", "%1; skipped").arg(text));
        return false;
    }
    bool Frequencies(RowChannel& channel);
    bool InBand(Long hertz, int upper, bool transmit);
    bool Mode(RowChannel& channel);
    void Power(RowChannel& channel);
    void Tones(RowChannel& channel);
    Signal Tone(const char* column);
    Signal Dtcs(const char* column, int polarityLetter);
    void DropUnknown(Signal& signal);

    const QHash<QString, QString>& cells;
    int row;
    const Codeplug& cp;
    ExchangeResult& result;
    const TextContext& ctx;
};

std::optional<RowChannel> RowReader::Read() {
    RowChannel channel;
    if (!Mode(channel) || !Frequencies(channel))
        return std::nullopt;
    Power(channel);
    Tones(channel);
    return channel;
}

bool RowReader::Mode(RowChannel& channel) {
    const QString mode = Value("Mode").toUpper();
    if (mode.isEmpty() || mode == QLatin1String("FM"))
        channel.spacing = kWide;
    else if (mode == QLatin1String("NFM"))
        channel.spacing = kNarrow;
    else
        return Skip(
            ctx.Tr("CommonRadioCsv", "mode %1 cannot be used on this radio (FM and NFM only)")
                .arg(Value("Mode")));
    return true;
}

bool RowReader::InBand(Long hertz, int upper, bool transmit) {
    if (hertz >= Long(cp.BandLower) * 1000000 && hertz <= Long(upper) * 1000000)
        return true;
    const QString mhz = MhzText(hertz);
    const QString which = transmit ? ctx.Tr("CommonRadioCsv", "transmit frequency")
                                   : ctx.Tr("CommonRadioCsv", "frequency");
    //: The frequency's kind (the texts above), its value, then the band.
    return Skip(ctx.Tr("CommonRadioCsv", "%1 %2 MHz is outside the band %3-%4 MHz")
                    .arg(which, mhz)
                    .arg(cp.BandLower)
                    .arg(upper));
}

bool RowReader::Frequencies(RowChannel& channel) {
    const std::optional<Long> rx = ParseMhz(Value("Frequency"));
    if (!rx)
        return Skip(ctx.Tr("CommonRadioCsv", "Frequency '%1' is not a frequency in MHz")
                        .arg(Value("Frequency")));
    if (!InBand(*rx, cp.BandUpper, false))
        return false;
    channel.rx = *rx;
    const QString duplex = Value("Duplex").toLower();
    if (duplex == QLatin1String("off"))
        return true;
    std::optional<Long> offset = duplex.isEmpty() ? Long(0) : ParseMhz(Value("Offset"));
    if (!offset)
        return Skip(
            ctx.Tr("CommonRadioCsv", "Offset '%1' is not a frequency in MHz").arg(Value("Offset")));
    const qint64 shift = *offset;
    qint64 tx = 0;
    if (duplex.isEmpty())
        tx = *rx;
    else if (duplex == QLatin1String("+"))
        tx = *rx + shift;
    else if (duplex == QLatin1String("-"))
        tx = *rx - shift;
    else if (duplex == QLatin1String("split"))
        tx = shift;
    else
        return Skip(ctx.Tr("CommonRadioCsv", "Duplex '%1' is unknown").arg(Value("Duplex")));
    if (tx < 0 || tx > std::numeric_limits<Long>::max() || !InBand(Long(tx), cp.BandUpperTx, true))
        return false;
    channel.tx = Long(tx);
    return true;
}

void RowReader::Power(RowChannel& channel) {
    static const QRegularExpression watts(QStringLiteral("^(\\d+(?:\\.\\d*)?)\\s*W?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString power = Value("Power").trimmed();
    const QRegularExpressionMatch match = watts.match(power);
    const bool low = power.compare(QLatin1String("Low"), Qt::CaseInsensitive) == 0 ||
                     power.compare(QLatin1String("L"), Qt::CaseInsensitive) == 0 ||
                     (match.hasMatch() && match.captured(1).toDouble() < 2.0);
    channel.power = low ? 0 : 1;
}

Signal RowReader::Tone(const char* column) {
    Signal signal;
    signal.kind = Signal::Kind::Tone;
    signal.text = Value(column);
    signal.tenths = ParseTenths(signal.text).value_or(-1); // unreadable: dropped as unknown
    return signal;
}

Signal RowReader::Dtcs(const char* column, int polarityLetter) {
    static const QRegularExpression octal(QStringLiteral("^[0-7]{1,3}$"));
    Signal signal;
    signal.kind = Signal::Kind::Dtcs;
    const QString code = Value(column);
    const QString polarity = Value("DtcsPolarity").toUpper();
    signal.normal =
        polarityLetter >= polarity.size() || polarity.at(polarityLetter) != QLatin1Char('R');
    signal.code = octal.match(code).hasMatch() ? code.toInt(nullptr, 8) : -1;
    signal.text = QStringLiteral("D%1%2").arg(code, signal.normal ? QStringLiteral("N")
                                                                  : QStringLiteral("I"));
    return signal;
}

// A tone the radio does not have leaves the channel without that tone.
void RowReader::DropUnknown(Signal& signal) {
    if (signal.kind == Signal::Kind::None)
        return;
    const bool known =
        (signal.kind == Signal::Kind::Tone ? signal.tenths >= 0 : signal.code >= 0) &&
        ToneRules::ListItemOf(signal.Pair()) > 0;
    if (known)
        return;
    Warn(ctx.Tr("CommonRadioCsv", "tone %1 is not one the radio has; dropped").arg(signal.text));
    signal = {};
}

void RowReader::Tones(RowChannel& channel) {
    const QString mode = Value("Tone");
    const QString rxDtcs =
        Has("RxDtcsCode") ? QStringLiteral("RxDtcsCode") : QStringLiteral("DtcsCode");
    const QByteArray rxColumn = rxDtcs.toLatin1();
    if (mode.isEmpty()) {
    } else if (mode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0) {
        channel.encode = Tone("rToneFreq");
    } else if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        channel.encode = channel.decode = Tone("cToneFreq");
    } else if (mode.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0) {
        channel.encode = Dtcs("DtcsCode", 0);
        channel.decode = Dtcs("DtcsCode", 1);
    } else if (mode.compare(QLatin1String("Cross"), Qt::CaseInsensitive) == 0) {
        const QString cross = Value("CrossMode");
        const QStringList sides = cross.split(QStringLiteral("->"));
        const auto side = [&](const QString& kind, bool encode) -> std::optional<Signal> {
            if (kind.isEmpty())
                return Signal();
            if (kind.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0)
                return Tone(encode ? "rToneFreq" : "cToneFreq");
            if (kind.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0)
                return encode ? Dtcs("DtcsCode", 0) : Dtcs(rxColumn.constData(), 1);
            return std::nullopt;
        };
        const std::optional<Signal> encode =
            sides.size() == 2 ? side(sides[0], true) : std::nullopt;
        const std::optional<Signal> decode =
            sides.size() == 2 ? side(sides[1], false) : std::nullopt;
        if (!encode || !decode) {
            Warn(ctx.Tr("CommonRadioCsv", "CrossMode '%1' is unknown; no tones").arg(cross));
            return;
        }
        channel.encode = *encode;
        channel.decode = *decode;
    } else {
        Warn(ctx.Tr("CommonRadioCsv", "Tone '%1' is unknown; no tones").arg(mode));
        return;
    }
    const Signal encode = channel.encode;
    DropUnknown(channel.encode);
    const bool sameDropped =
        encode.kind != Signal::Kind::None && channel.encode.kind == Signal::Kind::None &&
        channel.decode.kind == encode.kind && channel.decode.text == encode.text;
    if (sameDropped)
        channel.decode = {}; // one tone on both sides (TSQL) is dropped with one warning
    else
        DropUnknown(channel.decode);
}

void Write(Codeplug& cp, int c, const RowChannel& channel) {
    // What the format does not carry (squelch, time-out, permission, denoise, keys, lists) a
    // channel in use keeps; a new one takes the defaults.
    if (ChannelRules::IsEmptyChannel(cp, c))
        cp.ResetChannel(c);
    cp.ChannelType[c] = 1;
    cp.RxFreq[c] = channel.rx;
    cp.RxColor[c] = ChannelRules::FrequencyColourCode(channel.rx);
    const TonePair decode = channel.decode.Pair();
    cp.RxCtcss[c] = decode.ctcss;
    cp.RxDcs[c] = decode.dcs;
    if (channel.tx != 0) {
        cp.TxFreq[c] = channel.tx;
        cp.TxColor[c] = ChannelRules::FrequencyColourCode(channel.tx);
        const TonePair encode = channel.encode.Pair();
        cp.TxCtcss[c] = encode.ctcss;
        cp.TxDcs[c] = encode.dcs;
    } else {
        // Receive only, as the channel csv's "-".
        ChannelEffects::GridTransmitEntry(cp, c, QString(), kEnglish);
    }
    cp.ChannelSpace[c] = channel.spacing;
    cp.TxPower[c] = channel.power;
}

bool AnyNotKept(const QHash<QString, QString>& cells) {
    for (const char* column : kNotKept)
        if (!cells.value(QString::fromLatin1(column).toLower()).isEmpty())
            return true;
    return false;
}

// The tone columns of one exported channel: Tone, rToneFreq, cToneFreq, DtcsCode,
// DtcsPolarity, RxDtcsCode, CrossMode.
QStringList ToneCells(const Signal& encode, const Signal& decode) {
    using K = Signal::Kind;
    QString mode, cross = QStringLiteral("Tone->Tone");
    Long rTone = 885, cTone = 885;
    int txCode = 023, rxCode = 023;
    const auto letter = [](const Signal& s) {
        return s.kind == K::Dtcs && !s.normal ? QLatin1Char('R') : QLatin1Char('N');
    };
    if (encode.kind == K::None && decode.kind == K::None) {
    } else if (encode.kind == K::Tone && decode.kind == K::None) {
        mode = QStringLiteral("Tone");
        rTone = encode.tenths;
    } else if (encode.kind == K::Tone && decode.kind == K::Tone && encode.tenths == decode.tenths) {
        mode = QStringLiteral("TSQL");
        rTone = cTone = encode.tenths;
    } else if (encode.SameCode(decode)) {
        mode = QStringLiteral("DTCS");
        txCode = rxCode = encode.code;
    } else {
        mode = QStringLiteral("Cross");
        const auto name = [](const Signal& s) {
            return s.kind == K::Tone   ? QStringLiteral("Tone")
                   : s.kind == K::Dtcs ? QStringLiteral("DTCS")
                                       : QString();
        };
        cross = name(encode) + QStringLiteral("->") + name(decode);
        if (encode.kind == K::Tone)
            rTone = encode.tenths;
        if (decode.kind == K::Tone)
            cTone = decode.tenths;
        if (decode.kind == K::Dtcs)
            txCode = rxCode = decode.code; // also for readers without RxDtcsCode
        if (encode.kind == K::Dtcs)
            txCode = encode.code;
    }
    return {mode,
            TenthsText(rTone),
            TenthsText(cTone),
            CodeText(txCode),
            QString(letter(encode)) + letter(decode),
            CodeText(rxCode),
            cross};
}

QStringList ExportRow(const Codeplug& cp, int c) {
    const bool tx = ChannelRules::TxFrequencyShown(cp, c);
    const Long rxHz = cp.RxFreq[c];
    const Long txHz = cp.TxFreq[c];
    QString duplex, offset = MhzText(0);
    if (!tx) {
        duplex = QStringLiteral("off");
    } else if (txHz != rxHz && std::abs(qint64(txHz) - rxHz) <= kLargestShiftHz) {
        duplex = txHz > rxHz ? QStringLiteral("+") : QStringLiteral("-");
        offset = MhzText(Long(std::abs(qint64(txHz) - rxHz)));
    } else if (txHz != rxHz) {
        duplex = QStringLiteral("split");
        offset = MhzText(txHz);
    }
    const Signal encode = tx ? Signal::Stored(cp.TxCtcss[c], cp.TxDcs[c]) : Signal();
    const Signal decode = Signal::Stored(cp.RxCtcss[c], cp.RxDcs[c]);
    const bool narrow = cp.ChannelSpace[c] == kNarrow;
    QStringList cells = {QString::number(c + 1), QStringLiteral("CH%1").arg(c + 1), MhzText(rxHz),
                         duplex, offset};
    cells << ToneCells(encode, decode);
    cells << (narrow ? QStringLiteral("NFM") : QStringLiteral("FM"))
          << (narrow ? QStringLiteral("12.50") : QStringLiteral("25.00")) << QString()
          << (cp.TxPower[c] == 0 ? QStringLiteral("Low") : QStringLiteral("High")) << QString()
          << QString() << QString() << QString() << QString();
    return cells;
}

} // namespace

QStringList CommonRadioCsv::Columns() {
    return {"Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
            "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
            "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
            "RPT1CALL",  "RPT2CALL",  "DVCODE"};
}

bool CommonRadioCsv::Recognises(const QString& text) {
    const QList<CsvText::Row> rows = CsvText::Rows(text.section(QLatin1Char('\n'), 0, 0));
    const QStringList header = rows.isEmpty() ? QStringList() : rows.first().cells;
    return header.contains(QStringLiteral("Location"), Qt::CaseInsensitive) &&
           header.contains(QStringLiteral("Frequency"), Qt::CaseInsensitive);
}

ExchangeResult CommonRadioCsv::Import(const QString& text, Codeplug& codeplug, int firstChannel,
                                      const TextContext& ctx) {
    ExchangeResult result;
    if (!Recognises(text)) {
        result.Fail(ctx.Tr("CommonRadioCsv",
                           "The first row does not name the columns Location and Frequency."));
        return result;
    }
    const QList<CsvText::Row> rows = CsvText::Rows(text);
    QStringList header;
    for (const QString& name : rows.first().cells)
        header << name.toLower();
    Codeplug cp = codeplug;
    int channel = qBound(0, firstChannel, Codeplug::kChannels);
    bool notKept = false;
    for (int i = 1; i < rows.size(); ++i) {
        if (channel >= Codeplug::kChannels) {
            result.leftOver << rows[i].number;
            continue;
        }
        QHash<QString, QString> cells;
        for (int k = 0; k < rows[i].cells.size() && k < header.size(); ++k)
            cells.insert(header[k], rows[i].cells[k]);
        const std::optional<RowChannel> read =
            RowReader(cells, rows[i].number, cp, result, ctx).Read();
        if (!read)
            continue;
        notKept = notKept || AnyNotKept(cells);
        Write(cp, channel, *read);
        result.channels << channel++;
    }
    if (!result.leftOver.isEmpty())
        result.warnings << ctx.Tr("CommonRadioCsv", "rows %1 left over: channel 32 is the last")
                               .arg(EditStep::NumberRuns(result.leftOver));
    if (notKept)
        result.warnings << ctx.Tr("CommonRadioCsv",
                                  "Names, comments, tuning steps, skip marks and the D-STAR "
                                  "columns are not kept: the radio has no place for them.");
    if (result.channels.isEmpty()) {
        result.Fail(ctx.Tr("CommonRadioCsv", "No row could be used as a channel of this radio."));
        return result;
    }
    codeplug = cp;
    return result;
}

QByteArray CommonRadioCsv::Export(const Codeplug& codeplug, ExchangeResult* report,
                                  const TextContext& ctx) {
    ExchangeResult local;
    ExchangeResult& result = report ? *report : local;
    QString text = CsvText::Line(Columns()) + QLatin1Char('\n');
    QList<int> digital;
    for (int c = 0; c < Codeplug::kChannels; ++c) {
        if (ChannelRules::IsEmptyChannel(codeplug, c))
            continue;
        if (ChannelRules::IsDigital(codeplug, c)) {
            digital << c + 1;
            continue;
        }
        text += CsvText::Line(ExportRow(codeplug, c)) + QLatin1Char('\n');
        result.channels << c;
    }
    if (!digital.isEmpty())
        result.warnings
            << ctx.Tr("CommonRadioCsv",
                      "digital channels %1 left out: the format has no digital channels")
                   .arg(EditStep::NumberRuns(digital));
    return text.toUtf8();
}

} // namespace zr40
