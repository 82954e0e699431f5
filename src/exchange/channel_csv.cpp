#include "exchange/channel_csv.h"

#include "channels/channel_effects.h"
#include "channels/channel_list_coding.h"
#include "channels/channel_rules.h"
#include "channels/tone_rules.h"
#include "codeplug/value_lists.h"
#include "exchange/csv_text.h"

#include <QHash>
#include <QRegularExpression>
#include <functional>

namespace zr40 {

namespace {

const TextContext kEnglish{true, QLatin1Char('.')};
const TextContext kChinese{false, QLatin1Char('.')};
// A receive-only channel: written in TxMHz, since an empty cell means "follow the receive side".
const char kNoTx[] = "-";

using Filler = std::function<void(QStringList&, const TextContext&)>;

QStringList Items(const Filler& fill, const TextContext& ctx = kEnglish) {
    QStringList items;
    fill(items, ctx);
    return items;
}

// The list position of a cell text, in either language; -1 when it is no item of the list.
int ItemIndex(const Filler& fill, const QString& text) {
    for (const TextContext& ctx : {kEnglish, kChinese}) {
        const QStringList items = Items(fill, ctx);
        for (int i = 0; i < items.size(); ++i)
            if (items[i].compare(text, Qt::CaseInsensitive) == 0)
                return i;
    }
    return -1;
}

const Filler kSpace = ValueLists::FillSpaceList;
const Filler kAuthority = ValueLists::FillTxAuthorityList;
const Filler kTot = ValueLists::FillTotList;
const Filler kScramble = ValueLists::FillScrambleList;
const Filler kColor = ValueLists::FillColorCodeList;
const Filler kCallType = ValueLists::FillCallTypeList;
const Filler kPower = ValueLists::FillPowerList;
const Filler kType = ValueLists::FillChannelTypeList;
const Filler kLevel = [](QStringList& items, const TextContext& ctx) {
    ValueLists::FillOffNumberList(items, 10, ctx);
};
const Filler kSquelch = [](QStringList& items, const TextContext&) {
    ValueLists::FillNumberList(items, 10, true);
};
const Filler kOnOff = [](QStringList& items, const TextContext& ctx) {
    items << ctx.Tr("ChannelCsv", "Off") << ctx.Tr("ChannelCsv", "On");
};

QString Item(const Filler& fill, int index) {
    const QStringList items = Items(fill);
    return index >= 0 && index < items.size() ? items[index] : items.value(0);
}

QStringList ExportRow(const Codeplug& cp, int c) {
    const bool digital = ChannelRules::IsDigital(cp, c);
    const auto tone = [&](Long ctcss, Long dcs) {
        return digital ? QString() : ToneRules::ToneText(ctcss, dcs, kEnglish);
    };
    const CallTypeView call = ChannelRules::ShowCallType(cp.CallTypeTxID[c]);
    return {
        QString::number(c + 1),
        ChannelRules::FrequencyText(cp.RxFreq[c], QLatin1Char('.')),
        ChannelRules::TxFrequencyShown(cp, c)
            ? ChannelRules::FrequencyText(cp.TxFreq[c], QLatin1Char('.'))
            : QString::fromLatin1(kNoTx),
        ChannelRules::TypeText(digital, kEnglish),
        tone(cp.RxCtcss[c], cp.RxDcs[c]),
        tone(cp.TxCtcss[c], cp.TxDcs[c]),
        ChannelRules::PowerText(cp.TxPower[c], kEnglish),
        Item(kSpace, ChannelListCoding::SpaceIndex(cp.ChannelSpace[c])),
        Item(kSquelch, ChannelListCoding::SqlLevelIndex(cp.SqlLevel[c])),
        Item(kAuthority, ChannelListCoding::TxAuthorityIndex(cp.TxAuthority[c])),
        Item(kTot, ChannelListCoding::TotIndex(cp.ChannelTOT[c])),
        Item(kLevel, ChannelListCoding::DenoiseLevelIndex(cp.DenoiseLevel[c])),
        Item(kLevel, ChannelListCoding::QuiteLevelIndex(cp.QuiteLevel[c])),
        Item(kScramble, ChannelListCoding::ScrambleIndex(cp.ScrambleType[c])),
        Item(kOnOff, ChannelListCoding::CompandChecked(cp.Compand[c]) ? 1 : 0),
        Item(kColor, ChannelListCoding::ColorIndex(cp.RxColor[c])),
        Item(kColor, ChannelListCoding::ColorIndex(cp.TxColor[c])),
        QString::number(ChannelListCoding::RxListIndex(cp.ChannelRxList[c], cp.RxListCount) + 1),
        Item(kCallType, static_cast<int>(call.type)),
        call.idText};
}

// One data row being applied to one channel.
class RowImport {
public:
    RowImport(Codeplug& cp, const ChannelCsv::Cells& cells, int line,
              ChannelCsv::ImportResult& result, const TextContext& ctx)
        : cp(cp), cells(cells), line(line), result(result), ctx(ctx) {}

    bool Apply(int channel);

private:
    bool Fail(const QString& column, const QString& message) {
        return result.Fail(
            ctx.Tr("ChannelCsv", "line %1, column %2: %3").arg(line).arg(column, message));
    }
    void Warn(const QString& message) {
        result.warnings << ctx.Tr("ChannelCsv", "line %1 (channel %2): %3")
                               .arg(line)
                               .arg(channel + 1)
                               .arg(message);
    }
    QString Value(const char* column) const { return cells.value(QLatin1String(column)); }
    bool Frequencies();
    bool CheckFrequencyText(const char* column);
    // Applies a list cell; an item the stored value already shows changes nothing, so values
    // that only look alike (scramble 0 and -1 both "Off") survive a round trip.
    bool ListField(const char* column, const Filler& fill, int current,
                   const std::function<void(int)>& set);
    bool Tones();
    bool RxList();
    bool CallType();

    Codeplug& cp;
    const ChannelCsv::Cells& cells;
    int line;
    ChannelCsv::ImportResult& result;
    const TextContext& ctx;
    int channel = 0;
};

bool RowImport::CheckFrequencyText(const char* column) {
    static const QRegularExpression number(QStringLiteral("^\\d{1,4}(\\.\\d{0,6})?$"));
    const QString text = Value(column);
    if (text.isEmpty() || text == QLatin1String(kNoTx) || number.match(text).hasMatch())
        return true;
    return Fail(QLatin1String(column),
                ctx.Tr("ChannelCsv", "'%1' is not a frequency in MHz").arg(text));
}

bool RowImport::Frequencies() {
    if (!CheckFrequencyText("RxMHz") || !CheckFrequencyText("TxMHz"))
        return false;
    const QString rx = Value("RxMHz");
    const QString tx = Value("TxMHz");
    if (rx.isEmpty()) {
        ChannelEffects::GridReceiveEntry(cp, channel, QString(), kEnglish);
        return true;
    }
    // An empty transmit cell makes the transmit side follow the receive side, as in the grid.
    if (tx.isEmpty())
        ChannelEffects::GridTransmitEntry(cp, channel, QString(), kEnglish);
    const GridEdit rxEdit = ChannelEffects::GridReceiveEntry(cp, channel, rx, kEnglish);
    const QString band = QStringLiteral("%1-%2 MHz").arg(cp.BandLower).arg(cp.BandUpper);
    result.outOfRange = result.outOfRange || rxEdit.outOfRange;
    if (rxEdit.outOfRange)
        Warn(ctx.Tr("ChannelCsv", "RxMHz %1 is outside the band %2; set to %3")
                 .arg(rx, band, rxEdit.cellText));
    if (tx.isEmpty() && cp.TxFreq[channel] != cp.RxFreq[channel])
        Warn(ctx.Tr("ChannelCsv", "TxMHz follows RxMHz but is held to the transmit limit %1 MHz")
                 .arg(cp.BandUpperTx));
    if (tx == QLatin1String(kNoTx)) {
        ChannelEffects::GridTransmitEntry(cp, channel, QString(), kEnglish);
        return true;
    }
    if (!tx.isEmpty()) {
        const GridEdit txEdit = ChannelEffects::GridTransmitEntry(cp, channel, tx, kEnglish);
        result.outOfRange = result.outOfRange || txEdit.outOfRange;
        if (txEdit.outOfRange)
            Warn(ctx.Tr("ChannelCsv", "TxMHz %1 is outside the band %2-%3 MHz; set to %4")
                     .arg(tx)
                     .arg(cp.BandLower)
                     .arg(cp.BandUpperTx)
                     .arg(txEdit.cellText));
    }
    return true;
}

bool RowImport::ListField(const char* column, const Filler& fill, int current,
                          const std::function<void(int)>& set) {
    const QString text = Value(column);
    if (text.isEmpty())
        return true;
    const int index = ItemIndex(fill, text);
    if (index < 0)
        return Fail(
            QLatin1String(column),
            ctx.Tr("ChannelCsv", "'%1' is none of: %2").arg(text, Items(fill, ctx).join(", ")));
    if (index != current)
        set(index);
    return true;
}

bool RowImport::Tones() {
    const bool digital = ChannelRules::IsDigital(cp, channel);
    for (const char* column : {"Decode", "Encode"}) {
        const QString text = Value(column);
        if (text.isEmpty())
            continue;
        if (digital) {
            Warn(ctx.Tr("ChannelCsv", "%1 ignored: digital channels carry no CTCSS/DCS")
                     .arg(QLatin1String(column)));
            continue;
        }
        const bool decode = qstrcmp(column, "Decode") == 0;
        const ToneEntry entry = ToneRules::ParseToneText(text, kEnglish);
        const QString shown =
            decode ? ToneRules::ToneText(cp.RxCtcss[channel], cp.RxDcs[channel], kEnglish)
                   : ToneRules::ToneText(cp.TxCtcss[channel], cp.TxDcs[channel], kEnglish);
        // Only a tone of the list goes in: one the views could not show, or that the typed-tone
        // rule would replace (unreadable text, a number below 60), is left out. A tone the
        // channel shows already (a radio's own, from an export) stays as it is stored.
        bool number = false;
        const double hertz = text.toDouble(&number);
        const bool replaced =
            entry.pair.ctcss >= 0 && (!number || qRound(hertz * 10) != entry.pair.ctcss);
        if (shown != text && (replaced || ToneRules::ListItemOf(entry.pair) < 0)) {
            Warn(ctx.Tr("ChannelCsv", "%1 %2 is not on the tone list; dropped")
                     .arg(QLatin1String(column), text));
            continue;
        }
        if (shown == entry.text)
            continue; // already shows this tone: the stored coding stays as it is
        ChannelEffects::GridToneCommit(cp, channel, decode ? FrequencySide::Rx : FrequencySide::Tx,
                                       text, kEnglish);
    }
    return true;
}

bool RowImport::RxList() {
    const QString text = Value("RxList");
    if (text.isEmpty())
        return true;
    bool ok = false;
    const int number = text.toInt(&ok);
    // The list the channel already shows is kept as it is stored, so that an export of a radio
    // that reports no receive lists (its channels all show list 1) reads back unchanged.
    const int shown = ChannelListCoding::RxListIndex(cp.ChannelRxList[channel], cp.RxListCount);
    if (ok && number == shown + 1)
        return true;
    const int choices = ChannelListCoding::RxListChoices(cp.RxListCount);
    if (!ok || number < 1 || number > choices)
        return Fail(
            QStringLiteral("RxList"),
            choices == 0
                ? ctx.Tr("ChannelCsv", "'%1' is no receive list: the radio reports none").arg(text)
                : ctx.Tr("ChannelCsv", "'%1' is not a receive list 1..%2").arg(text).arg(choices));
    cp.ChannelRxList[channel] = ChannelListCoding::RxListValue(number - 1);
    return true;
}

bool RowImport::CallType() {
    const int before = static_cast<int>(ChannelRules::ShowCallType(cp.CallTypeTxID[channel]).type);
    int type = before;
    if (!ListField("CallType", kCallType, -1, [&](int index) { type = index; }))
        return false;
    if (type != before)
        cp.CallTypeTxID[channel] =
            ChannelRules::CallTypeChange(static_cast<zr40::CallType>(type)).value;
    const QString id = Value("TxID");
    if (id.isEmpty() || type == static_cast<int>(zr40::CallType::All))
        return true;
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,6}$"));
    if (!hex.match(id).hasMatch())
        return Fail(QStringLiteral("TxID"),
                    ctx.Tr("ChannelCsv", "'%1' is not a hexadecimal ID").arg(id));
    cp.CallTypeTxID[channel] =
        ChannelRules::EnterTxId(id.toUpper(), static_cast<zr40::CallType>(type)).value;
    return true;
}

bool RowImport::Apply(int target) {
    channel = target;
    if (!Frequencies())
        return false;
    if (ChannelRules::IsEmptyChannel(cp, channel))
        return true;
    const int c = channel;
    using C = ChannelListCoding;
    return ListField("Type", kType, C::ChannelTypeIndex(cp.ChannelType[c]),
                     [&](int i) { ChannelEffects::GridTypeChange(cp, c, i, kEnglish); }) &&
           Tones() &&
           ListField("Power", kPower, C::TxPowerIndex(cp.TxPower[c]),
                     [&](int i) { ChannelEffects::GridPowerChange(cp, c, i, kEnglish); }) &&
           ListField("Bandwidth", kSpace,
                     ChannelRules::IsDigital(cp, c) ? -1 : C::SpaceIndex(cp.ChannelSpace[c]),
                     [&](int i) {
                         if (!ChannelRules::IsDigital(cp, c))
                             cp.ChannelSpace[c] = C::SpaceValue(i);
                     }) &&
           ListField("Squelch", kSquelch, C::SqlLevelIndex(cp.SqlLevel[c]),
                     [&](int i) { cp.SqlLevel[c] = C::SqlLevelValue(i); }) &&
           ListField("TxAuthority", kAuthority, C::TxAuthorityIndex(cp.TxAuthority[c]),
                     [&](int i) { cp.TxAuthority[c] = C::TxAuthorityValue(i); }) &&
           ListField("TOT", kTot, C::TotIndex(cp.ChannelTOT[c]),
                     [&](int i) { cp.ChannelTOT[c] = C::TotValue(i); }) &&
           ListField("Denoise", kLevel, C::DenoiseLevelIndex(cp.DenoiseLevel[c]),
                     [&](int i) { cp.DenoiseLevel[c] = C::DenoiseLevelValue(i); }) &&
           ListField("Quiet", kLevel, C::QuiteLevelIndex(cp.QuiteLevel[c]),
                     [&](int i) { cp.QuiteLevel[c] = C::QuiteLevelValue(i); }) &&
           ListField("Scramble", kScramble, C::ScrambleIndex(cp.ScrambleType[c]),
                     [&](int i) { cp.ScrambleType[c] = C::ScrambleValue(i); }) &&
           ListField("Compand", kOnOff, C::CompandChecked(cp.Compand[c]) ? 1 : 0,
                     [&](int i) { cp.Compand[c] = C::CheckValue(i == 1); }) &&
           ListField("RxColor", kColor, C::ColorIndex(cp.RxColor[c]),
                     [&](int i) { cp.RxColor[c] = C::ColorValue(i); }) &&
           ListField("TxColor", kColor, C::ColorIndex(cp.TxColor[c]),
                     [&](int i) { cp.TxColor[c] = C::ColorValue(i); }) &&
           RxList() && CallType();
}

} // namespace

QStringList ChannelCsv::Columns() {
    return {"Channel",   "RxMHz",   "TxMHz",       "Type",   "Decode",   "Encode", "Power",
            "Bandwidth", "Squelch", "TxAuthority", "TOT",    "Denoise",  "Quiet",  "Scramble",
            "Compand",   "RxColor", "TxColor",     "RxList", "CallType", "TxID"};
}

QStringList ChannelCsv::Row(const Codeplug& codeplug, int channel) {
    if (ChannelRules::IsEmptyChannel(codeplug, channel))
        return {QString::number(channel + 1)};
    return ExportRow(codeplug, channel);
}

QByteArray ChannelCsv::Export(const Codeplug& codeplug) {
    QString text = CsvText::Line(Columns()) + QLatin1Char('\n');
    for (int c = 0; c < Codeplug::kChannels; ++c) {
        if (!ChannelRules::IsEmptyChannel(codeplug, c))
            text += CsvText::Line(Row(codeplug, c)) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool ChannelCsv::IsHeader(const QStringList& cells) {
    bool rx = false;
    for (const QString& cell : cells) {
        if (!Columns().contains(cell, Qt::CaseInsensitive))
            return false;
        rx = rx || cell.compare(QLatin1String("RxMHz"), Qt::CaseInsensitive) == 0;
    }
    return rx;
}

bool ChannelCsv::ApplyRow(Codeplug& codeplug, int channel, const Cells& cells, int row,
                          ImportResult& result, const TextContext& ctx) {
    return RowImport(codeplug, cells, row, result, ctx).Apply(channel);
}

ChannelCsv::ImportResult ChannelCsv::Import(const QString& text, Codeplug& codeplug,
                                            const TextContext& ctx) {
    ImportResult result;
    const QList<CsvText::Row> rows = CsvText::Rows(text);
    const QStringList header = rows.isEmpty() ? QStringList() : rows.first().cells;
    for (const QString& column : header)
        if (!Columns().contains(column)) {
            result.Fail(ctx.Tr("ChannelCsv", "line 1: unknown column '%1' (known: %2)")
                            .arg(column, Columns().join(", ")));
            return result;
        }
    if (!header.contains(QStringLiteral("Channel")) || !header.contains(QStringLiteral("RxMHz"))) {
        result.Fail(
            ctx.Tr("ChannelCsv", "line 1: the header row needs the columns Channel and RxMHz"));
        return result;
    }
    Codeplug cp = codeplug;
    for (int i = 1; i < rows.size(); ++i) {
        const CsvText::Row& row = rows[i];
        if (row.cells.size() > header.size()) {
            result.Fail(ctx.Tr("ChannelCsv", "line %1: more cells than columns").arg(row.number));
            return result;
        }
        Cells cells;
        for (int k = 0; k < row.cells.size(); ++k)
            cells.insert(header[k], row.cells[k]);
        bool ok = false;
        const int number = cells.value(QStringLiteral("Channel")).toInt(&ok);
        if (!ok || number < 1 || number > Codeplug::kChannels) {
            result.Fail(
                ctx.Tr("ChannelCsv", "line %1, column Channel: '%2' is not a channel number 1..32")
                    .arg(row.number)
                    .arg(cells.value(QStringLiteral("Channel"))));
            return result;
        }
        if (!ApplyRow(cp, number - 1, cells, row.number, result, ctx))
            return result;
        result.channels << number - 1;
    }
    codeplug = cp;
    return result;
}

} // namespace zr40
