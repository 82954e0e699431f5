#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QString>

namespace zr40 {

// One side's signalling as stored: CTCSS in tenths of a hertz, DCS as a code word; -1 is none.
struct TonePair {
    Long ctcss = -1;
    Long dcs = -1;
    friend bool operator==(const TonePair&, const TonePair&) = default;
};

// A tone text typed or picked, rebuilt to the form the radio understands.
struct ToneEntry {
    QString text; // the text to show in place of what was typed ("D9" -> "D700N")
    TonePair pair;
};

// CTCSS/DCS coding. A DCS value holds the 23-bit code word of its octal code: inverted ("I")
// codes as the plain word, normal ("N") codes complemented with bit 23 set as polarity flag.
class ToneRules {
public:
    static constexpr Long kCtcssLowest = 670;   // 67.0 Hz
    static constexpr Long kCtcssHighest = 2543; // 254.3 Hz; 2544 is not a tone

    static bool CtcssPresent(Long ctcss);
    static bool DcsPresent(Long dcs);
    // "None"/"无", "67.0" (the separator in use), "D023N" or "D023I".
    static QString ToneText(Long ctcss, Long dcs, const TextContext& ctx);
    static QString ToneText(const TonePair& pair, const TextContext& ctx);
    // The stored pair of a tone list item (0..278); any other index is no tone.
    static TonePair ToneListItemToPair(int index);
    // The tone list item a view shows for this pair, or -1 when the tone it shows is not on the
    // list (a CTCSS value below 67.0 shows as "None").
    static int ToneListIndexOf(const TonePair& pair);
    // The tone list item that stores exactly this pair; no tone however stored (-1 or 0) is item
    // 0. -1 for a tone no item has, shown by a view or not (60.0, 150.0, D700N).
    static int ListItemOf(const TonePair& pair);
    // The tone a pair stores, also where a view shows "None" for it: "60.0" for 600.
    static QString StoredToneText(const TonePair& pair, const TextContext& ctx);
    // A tone text committed in an editable tone box: "None", a DCS text starting with "D", or a
    // CTCSS number (unreadable -> 67.0, below 60 -> 67.0, above 254.1 -> 254.1).
    static ToneEntry ParseToneText(const QString& text, const TextContext& ctx);
    // The stored DCS value of an octal code: normal (N) or inverted (I).
    static Long DcsValue(int octalCode, bool normal);
};

} // namespace zr40
