#include "exchange/channel_clipboard.h"

#include "channels/channel_effects.h"
#include "channels/channel_rules.h"
#include "codeplug/codeplug_fields.h"
#include "codeplug/edit_step.h"
#include "exchange/channel_csv.h"
#include "exchange/csv_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

namespace zr40 {

namespace {

// The column names in their own spelling, whatever letter case a spreadsheet gave them.
QStringList Canonical(const QStringList& cells) {
    QStringList names;
    for (const QString& cell : cells) {
        for (const QString& column : ChannelCsv::Columns())
            if (column.compare(cell, Qt::CaseInsensitive) == 0)
                names << column;
    }
    return names;
}

bool IsChannelNumber(const QString& cell) {
    bool ok = false;
    const int number = cell.toInt(&ok);
    return ok && number >= 1 && number <= Codeplug::kChannels;
}

const QString kChannelsKey = QStringLiteral("channels");
constexpr qint64 kHertzPerMegahertz = 1000000;

// A stored value: a whole number a 32-bit value holds.
bool ReadValue(const QJsonValue& json, Long& value) {
    const double number = json.toDouble(0.5);
    if (!json.isDouble() || number != double(qint64(number)) ||
        number < double(std::numeric_limits<Long>::min()) ||
        number > double(std::numeric_limits<Long>::max()))
        return false;
    value = Long(number);
    return true;
}

// Every value of one channel from its object; false (the channel half written) when one is
// missing or no stored value.
bool ReadChannel(const QJsonObject& object, Codeplug& cp, int channel) {
    for (const CodeplugField& field : CodeplugFields::Channel(cp, channel)) {
        const QJsonValue value = object.value(QLatin1String(field.name));
        if (!field.array) {
            if (!ReadValue(value, *field.data))
                return false;
            continue;
        }
        const QJsonArray values = value.toArray();
        if (values.size() != field.count)
            return false;
        for (int k = 0; k < field.count; ++k)
            if (!ReadValue(values[k], field.data[k]))
                return false;
    }
    return true;
}

// A channel from a plan of another band is held to this one, as any entry is.
bool HoldToBand(Codeplug& cp, int channel) {
    if (ChannelRules::IsEmptyChannel(cp, channel))
        return false;
    const auto hold = [&cp, channel](FrequencySide side, Long hertz, int upper) {
        const Long held = Long(qBound(qint64(cp.BandLower) * kHertzPerMegahertz, qint64(hertz),
                                      qint64(upper) * kHertzPerMegahertz));
        if (held != hertz)
            ChannelEffects::StoreFrequency(cp, channel, side, held);
        return held != hertz;
    };
    bool held = hold(FrequencySide::Rx, cp.RxFreq[channel], cp.BandUpper);
    if (cp.TxFreq[channel] != 0) // a channel that only receives stays one
        held = hold(FrequencySide::Tx, cp.TxFreq[channel], cp.BandUpperTx) || held;
    return held;
}

// The end of a paste: what was left over said, the pasted plan taken when anything went in.
ExchangeResult Pasted(ExchangeResult& result, const Codeplug& pasted, Codeplug& codeplug,
                      const TextContext& ctx) {
    if (!result.leftOver.isEmpty())
        result.warnings << ctx.Tr("ChannelClipboard", "rows %1 left over: channel 32 is the last")
                               .arg(EditStep::NumberRuns(result.leftOver));
    if (result.channels.isEmpty())
        result.Fail(ctx.Tr("ChannelClipboard", "The clipboard holds no channel rows."));
    else
        codeplug = pasted;
    return result;
}

} // namespace

QString ChannelClipboard::MimeType() {
    return QStringLiteral("application/x-zr40-channels");
}

QByteArray ChannelClipboard::CopyChannels(const Codeplug& codeplug, const QList<int>& channels) {
    Codeplug cp = codeplug; // CodeplugFields hands out writable views
    QJsonArray list;
    for (int channel : channels) {
        QJsonObject object;
        for (const CodeplugField& field : CodeplugFields::Channel(cp, channel)) {
            if (!field.array) {
                object.insert(QLatin1String(field.name), double(*field.data));
                continue;
            }
            QJsonArray values;
            for (int k = 0; k < field.count; ++k)
                values.append(double(field.data[k]));
            object.insert(QLatin1String(field.name), values);
        }
        list.append(object);
    }
    return QJsonDocument(QJsonObject{{kChannelsKey, list}}).toJson(QJsonDocument::Compact);
}

ExchangeResult ChannelClipboard::PasteChannels(const QByteArray& data, Codeplug& codeplug,
                                               int firstChannel, const TextContext& ctx) {
    ExchangeResult result;
    const QJsonArray list = QJsonDocument::fromJson(data).object().value(kChannelsKey).toArray();
    Codeplug cp = codeplug;
    int channel = qMax(0, firstChannel);
    for (int i = 0; i < list.size(); ++i) {
        if (channel >= Codeplug::kChannels) {
            result.leftOver << i + 1;
            continue;
        }
        if (!ReadChannel(list[i].toObject(), cp, channel)) {
            result.Fail(ctx.Tr("ChannelClipboard", "The copied channels cannot be read."));
            return result;
        }
        result.outOfRange = HoldToBand(cp, channel) || result.outOfRange;
        result.channels << channel++;
    }
    return Pasted(result, cp, codeplug, ctx);
}

QString ChannelClipboard::Copy(const Codeplug& codeplug, const QList<int>& channels) {
    const QChar tab = QLatin1Char('\t');
    QString text = CsvText::Line(ChannelCsv::Columns(), tab) + QLatin1Char('\n');
    for (int channel : channels)
        text += CsvText::Line(ChannelCsv::Row(codeplug, channel), tab) + QLatin1Char('\n');
    return text;
}

ExchangeResult ChannelClipboard::Paste(const QString& text, Codeplug& codeplug, int firstChannel,
                                       const TextContext& ctx) {
    ExchangeResult result;
    QList<CsvText::Row> rows = CsvText::Rows(text, CsvText::GuessSeparator(text));
    QStringList columns = ChannelCsv::Columns();
    if (!rows.isEmpty() && ChannelCsv::IsHeader(rows.first().cells))
        columns = Canonical(rows.takeFirst().cells);
    else if (!rows.isEmpty() && !IsChannelNumber(rows.first().cells.value(0)))
        columns.removeFirst(); // cells picked from RxMHz on, without the channel numbers
    Codeplug cp = codeplug;
    int channel = qMax(0, firstChannel);
    for (const CsvText::Row& row : rows) {
        if (channel >= Codeplug::kChannels) {
            result.leftOver << row.number;
            continue;
        }
        ChannelCsv::Cells cells;
        for (int k = 0; k < row.cells.size() && k < columns.size(); ++k)
            cells.insert(columns[k], row.cells[k]);
        cells.remove(QStringLiteral("Channel"));
        if (!ChannelCsv::ApplyRow(cp, channel, cells, row.number, result, ctx))
            return result;
        result.channels << channel++;
    }
    return Pasted(result, cp, codeplug, ctx);
}

} // namespace zr40
