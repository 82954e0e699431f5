#pragma once

#include "codeplug/codeplug.h"

#include <QString>

namespace zr40 {

struct RxListEntryEdit {
    Long value = -1; // -1 is an empty entry
    QString text;    // what the cell shows
};

// Receive lists hold group IDs 0x800000..0xFFFFFE; 0xFFFFFF (all call) and anything else is
// not a list entry.
class RxListRules {
public:
    static bool IsValidEntry(Long value);
    // Hexadecimal text of a valid entry, else empty.
    static QString EntryText(Long value);
    // Shows entry `row` (0..7) of list `list` (0..7); an invalid entry is set to -1.
    static QString ShowEntry(Codeplug& codeplug, int list, int row);
    // A cell committed: hexadecimal text, made a group ID when below 0x800000; empty, or
    // anything that is then no group ID -> -1.
    static RxListEntryEdit EnterEntry(const QString& text);
    // EnterEntry stored into the list.
    static RxListEntryEdit CommitEntry(Codeplug& codeplug, int list, int row, const QString& text);
    static int EntryIndex(int list, int row) { return list * Codeplug::kRxListEntries + row; }
};

} // namespace zr40
