#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "exchange/exchange_result.h"

#include <QList>
#include <QString>

namespace zr40 {

// Channel rows on the clipboard: tab-separated text with a header row of the channel csv
// columns, so that they paste into a spreadsheet as a table and come back from one.
class ChannelClipboard {
public:
    // The channels (indexes 0..31) in the order given, after the header row.
    static QString Copy(const Codeplug& codeplug, const QList<int>& channels);
    // Rows from a spreadsheet or from Copy, tab- or comma-separated, with or without the header
    // row (without it the cells are taken in the csv's column order, from RxMHz on when the
    // first cell is no channel number), written into channel
    // `firstChannel` and the ones after it through the csv import's rules; a Channel cell does
    // not choose the channel. Rows past channel 32 are left over with a warning. All or nothing:
    // on an error the codeplug is left as it was.
    static ExchangeResult Paste(const QString& text, Codeplug& codeplug, int firstChannel,
                                const TextContext& ctx);
};

} // namespace zr40
