#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "exchange/exchange_result.h"

#include <QList>
#include <QString>

namespace zr40 {

// Channel rows on the clipboard, in two forms: tab-separated text with a header row of the
// channel csv columns, so that they paste into a spreadsheet as a table and come back from one;
// and the whole channels (every value, keys included) under a type of our own, which a paste
// takes first. The text never holds key digits.
class ChannelClipboard {
public:
    // The clipboard type of the whole channels.
    static QString MimeType();
    // The channels (indexes 0..31), every value of each.
    static QByteArray CopyChannels(const Codeplug& codeplug, const QList<int>& channels);
    // Whole channels from CopyChannels into channel `firstChannel` and on, each as it was copied;
    // only a frequency outside this plan's band is held to it (result.outOfRange). Not ok, and
    // the codeplug untouched, when the data is no such list.
    static ExchangeResult PasteChannels(const QByteArray& data, Codeplug& codeplug,
                                        int firstChannel, const TextContext& ctx);

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
