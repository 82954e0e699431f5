#include "exchange/channel_clipboard.h"

#include "codeplug/edit_step.h"
#include "exchange/channel_csv.h"
#include "exchange/csv_text.h"

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

} // namespace

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
    if (!result.leftOver.isEmpty())
        result.warnings << ctx.Pick(QStringLiteral("rows %1 left over: channel 32 is the last"),
                                    QStringLiteral("第%1行未粘贴：信道32是最后一个"))
                               .arg(EditStep::NumberRuns(result.leftOver));
    if (result.channels.isEmpty())
        result.Fail(ctx.Pick(QStringLiteral("The clipboard holds no channel rows."),
                             QStringLiteral("剪贴板中没有信道行。")));
    else
        codeplug = cp;
    return result;
}

} // namespace zr40
