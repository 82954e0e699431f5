#include "channels/channel_rules.h"

#include "codeplug/value_lists.h"

#include <QtGlobal>

namespace zr40 {

namespace {

constexpr qint64 kHertzPerMegahertz = 1000000;
constexpr qint64 kMilliPerMegahertz = 1000000000; // frequencies are judged in milli-hertz
constexpr int kFrequencyTextLength = 9;
constexpr Long kGroupFlag = 0x800000;
constexpr Long kAllCall = 0xFFFFFF;

// A frequency text read exactly: digits with at most one separator, in milli-hertz. Texts that
// are not such a number give false.
bool ReadMegahertz(const QString& text, QChar separator, qint64& milli) {
    const qsizetype dot = text.indexOf(separator);
    const QString whole = dot < 0 ? text : text.left(dot);
    const QString fraction = dot < 0 ? QString() : text.mid(dot + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return false;
    qint64 megahertz = 0;
    for (QChar c : whole) {
        if (!c.isDigit())
            return false;
        // Anything past a million MHz is out of every band; stop growing there.
        megahertz = qMin<qint64>(megahertz * 10 + c.digitValue(), 1000000);
    }
    qint64 part = 0;
    for (int i = 0; i < 9; ++i) {
        const QChar c = i < fraction.size() ? fraction.at(i) : QLatin1Char('0');
        if (!c.isDigit())
            return false;
        part = part * 10 + c.digitValue();
    }
    for (qsizetype i = 9; i < fraction.size(); ++i) {
        if (!fraction.at(i).isDigit())
            return false;
    }
    milli = megahertz * kMilliPerMegahertz + part;
    return true;
}

Long RoundToHertz(qint64 milli) {
    return static_cast<Long>((milli + 500) / 1000);
}

QString PickItem(void (*fill)(QStringList&, const TextContext&), int index,
                 const TextContext& ctx) {
    QStringList items;
    fill(items, ctx);
    return items.value(index);
}

} // namespace

QString ChannelRules::FrequencyText(Long hertz, QChar separator) {
    const qint64 magnitude = qAbs(static_cast<qint64>(hertz));
    QString text = hertz < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / kHertzPerMegahertz);
    const qint64 fraction = magnitude % kHertzPerMegahertz;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 6, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += separator + digits;
    }
    return PadFrequencyText(text, separator);
}

QString ChannelRules::PadFrequencyText(const QString& text, QChar separator) {
    if (text.size() >= kFrequencyTextLength)
        return text;
    QString padded = text;
    if (!padded.contains(separator))
        padded += separator;
    return padded.leftJustified(kFrequencyTextLength, QLatin1Char('0'));
}

QString ChannelRules::LimitText(int megahertz, QChar separator) {
    return QString::number(megahertz) + separator + QStringLiteral("00000");
}

bool ChannelRules::FrequencyShown(Long hertz) {
    return hertz >= kShownLowerHz && hertz <= kShownUpperHz;
}

bool ChannelRules::IsEmptyChannel(const Codeplug& codeplug, int channel) {
    return !FrequencyShown(codeplug.RxFreq.at(channel));
}

bool ChannelRules::TxFrequencyShown(const Codeplug& codeplug, int channel) {
    return !IsEmptyChannel(codeplug, channel) && FrequencyShown(codeplug.TxFreq.at(channel));
}

bool ChannelRules::IsDigital(const Codeplug& codeplug, int channel) {
    return codeplug.ChannelType.at(channel) == 2;
}

FrequencyEntry ChannelRules::EnterFrequency(const QString& text, FrequencySide side,
                                            const Codeplug& codeplug, const TextContext& ctx) {
    FrequencyEntry entry;
    if (text.isEmpty()) {
        entry.cleared = true;
        return entry;
    }
    const QChar sep = ctx.DecimalSeparator;
    const int lower = codeplug.BandLower;
    const int upper = side == FrequencySide::Rx ? codeplug.BandUpper : codeplug.BandUpperTx;
    QString accepted = text;
    if (text == QString(sep)) {
        entry.outOfRange = true;
        accepted = LimitText(lower, sep);
    }
    qint64 milli = 0;
    // A text that is no number (only reachable by pasting) reads as 0 and so meets the lower edge.
    if (!ReadMegahertz(accepted, sep, milli))
        milli = 0;
    if (milli > upper * kMilliPerMegahertz || milli < lower * kMilliPerMegahertz) {
        entry.outOfRange = true;
        const int edge = milli > upper * kMilliPerMegahertz ? upper : lower;
        entry.text = LimitText(edge, sep);
        entry.hertz = static_cast<Long>(edge * kHertzPerMegahertz);
        return entry;
    }
    entry.text = PadFrequencyText(accepted, sep);
    entry.hertz = RoundToHertz(milli);
    return entry;
}

bool ChannelRules::MilliHertzOf(const QString& text, QChar separator, qint64& milli) {
    return ReadMegahertz(text, separator, milli);
}

Long ChannelRules::FrequencyColourCode(Long hertz) {
    const Long below100k = ((hertz % 100000) + 100000) % 100000;
    const Long code = (below100k + 3125) / 6250;
    return code == 16 ? 0 : code;
}

CallTypeView ChannelRules::ShowCallType(Long value) {
    if (value == kAllCall)
        return CallTypeChange(CallType::All);
    const bool group = value >= kGroupFlag && value < kAllCall;
    CallTypeView view = CallTypeChange(group ? CallType::Group : CallType::Single);
    view.corrected = value < 0 || value > kAllCall;
    view.value = view.corrected ? 0 : value;
    view.idText = HexText(view.value);
    return view;
}

CallTypeView ChannelRules::CallTypeChange(CallType type) {
    CallTypeView view;
    view.type = type;
    view.rangeCaption = IdRangeCaption(type);
    view.idEnabled = type != CallType::All;
    switch (type) {
    case CallType::All:
        view.value = kAllCall;
        break;
    case CallType::Group:
        view.value = kGroupFlag;
        break;
    case CallType::Single:
        view.value = 0;
        break;
    }
    view.idText = HexText(view.value);
    return view;
}

QString ChannelRules::IdRangeCaption(CallType type) {
    switch (type) {
    case CallType::Single:
        return QStringLiteral("(0~7FFFFF)");
    case CallType::Group:
        return QStringLiteral("(800000~FFFFFE)");
    case CallType::All:
        break;
    }
    return {};
}

TxIdEntry ChannelRules::EnterTxId(const QString& text, CallType type) {
    TxIdEntry entry;
    if (type == CallType::All) {
        // The ID box is closed for all call; nothing typed may turn it into another call type.
        entry.value = kAllCall;
    } else {
        bool ok = false;
        // An ID is 24 bits; longer pasted text keeps its low 24 bits like the radio would.
        const Long value = static_cast<Long>(text.toUInt(&ok, 16) & 0xFFFFFFu);
        entry.value = ok ? value : 0;
        if (type == CallType::Group) {
            entry.value |= kGroupFlag;
            if (entry.value == kAllCall)
                entry.value = kGroupFlag;
        } else if (entry.value >= kGroupFlag) {
            entry.value &= 0x7FFFFF;
        }
    }
    entry.text = HexText(entry.value);
    return entry;
}

QString ChannelRules::HexText(Long value) {
    return QString::number(static_cast<quint32>(value), 16).toUpper();
}

KeyEntry ChannelRules::EnterKey(const QString& digits) {
    // A character that is no hexadecimal digit is dropped rather than zeroing a word.
    QString kept;
    for (QChar c : digits) {
        const QChar digit = c.toUpper();
        const bool hex = (digit >= QLatin1Char('0') && digit <= QLatin1Char('9')) ||
                         (digit >= QLatin1Char('A') && digit <= QLatin1Char('F'));
        if (hex && kept.size() < Codeplug::kKeyDigits)
            kept += digit;
    }
    return {Codeplug::PackKey(kept), static_cast<Long>(kept.size())};
}

QString ChannelRules::KeyDisplayText(const Codeplug::KeyWords& words, Long length) {
    return Codeplug::KeyText(words, qBound<Long>(0, length, Codeplug::kKeyDigits));
}

QString ChannelRules::OutOfRangeMessage(const TextContext& ctx) {
    return ctx.Tr("ChannelRules", "Frequency is out of range!");
}

QString ChannelRules::TypeText(bool digital, const TextContext& ctx) {
    return PickItem(&ValueLists::FillChannelTypeList, digital ? 1 : 0, ctx);
}

QString ChannelRules::PowerText(Long txPower, const TextContext& ctx) {
    return PickItem(&ValueLists::FillPowerList, txPower != 0 ? 1 : 0, ctx);
}

QString ChannelRules::NoneText(const TextContext& ctx) {
    return ValueLists::ToneItem(0, ctx);
}

} // namespace zr40
