#pragma once

#include "codeplug/codeplug.h"

#include <QString>
#include <QStringList>

namespace zr40 {

// The channel plan as a spreadsheet: one row per channel that is in use, frequencies in MHz with
// ".", tones as the grid writes them (67.0, D023N, None), list fields as their English item texts.
class ChannelCsv {
public:
    struct ImportResult {
        bool ok = true;
        QString error;        // "line 3, column Decode: ..." when not ok
        QStringList warnings; // values corrected on the way in (band edges)
    };

    static QStringList Columns();
    static QByteArray Export(const Codeplug& codeplug);
    // Applies each listed channel through the same rules as the channel grid: band check with
    // clamping, new-channel defaults, transmit following receive when TxMHz is empty ("-" is a
    // receive-only channel). Columns
    // other than Channel and RxMHz may be left out; an empty cell keeps the stored value. On an
    // error the codeplug is left as it was.
    static ImportResult Import(const QString& text, Codeplug& codeplug);
};

} // namespace zr40
