#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "exchange/exchange_result.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace zr40 {

// The channel plan as a spreadsheet: one row per channel that is in use, frequencies in MHz with
// ".", tones as the grid writes them (67.0, D023N, None), list fields as their English item texts.
class ChannelCsv {
public:
    using ImportResult = ExchangeResult;
    // Cells of one row by column name.
    using Cells = QHash<QString, QString>;

    static QStringList Columns();
    static QByteArray Export(const Codeplug& codeplug);
    // The cells of one channel (index 0..31) in column order; an empty channel has only its
    // number.
    static QStringList Row(const Codeplug& codeplug, int channel);

    // Applies each listed channel through the same rules as the channel grid: band check with
    // clamping, new-channel defaults, transmit following receive when TxMHz is empty ("-" is a
    // receive-only channel). Columns other than Channel and RxMHz may be left out; an empty cell
    // keeps the stored value. On an error the codeplug is left as it was. Messages are in the
    // language of ctx.
    static ImportResult Import(const QString& text, Codeplug& codeplug,
                               const TextContext& ctx = {true, QLatin1Char('.')});
    // One row onto one channel (index) by the import's rules; `row` names it in messages. Adds
    // warnings to the result; false (with result.error) on a value that cannot be read, after
    // which the channel may be half written.
    static bool ApplyRow(Codeplug& codeplug, int channel, const Cells& cells, int row,
                         ImportResult& result, const TextContext& ctx);
    // A header row: every cell is one of Columns() (in any letter case) and RxMHz is there.
    static bool IsHeader(const QStringList& cells);
};

} // namespace zr40
