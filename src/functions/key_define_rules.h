#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QList>
#include <QStringList>
#include <array>

namespace zr40 {

// A key-define row whose selection the page must change after a click.
struct KeyRowSelection {
    int row = 0;
    int position = 0;
    friend bool operator==(const KeyRowSelection&, const KeyRowSelection&) = default;
};

// Side-key functions. Rows 0..15 of KeyDefine, even rows short presses, odd rows the long press of
// the same key; rows 0..3 are PF1/PF2 short/long. In time mode (KeyMethod 1) each function has a
// fixed code and "Monitor Instant" is a short press only (it takes over the long press); in loop
// mode (KeyMethod 2) the code is the list position.
class KeyDefineRules {
public:
    static constexpr int kRows = 16;
    static constexpr int kShownRows = 4;
    static constexpr Long kNone = -1;
    static constexpr Long kMonitorInstant = 2;

    static bool IsLoop(Long keyMethod) { return keyMethod == 2; }
    static bool IsShortPress(int row) { return row % 2 == 0; }
    static bool OffersMonitorInstant(int row, Long keyMethod);
    // The items of one row, in the interface language.
    static QStringList RowItems(int row, Long keyMethod, const TextContext& ctx);
    // "PF1 Short", "PF1 Long", "PF2 Short", "PF2 Long".
    static QStringList RowLabels(const TextContext& ctx);

    // Position -> stored code, and back (-1 when the code has no item on that row).
    static Long CodeOf(int row, int position, Long keyMethod);
    static int PositionOf(int row, Long code, Long keyMethod);

    // A row's position chosen: stores the code(s) and returns every row whose selection must
    // change (the clicked row itself when it is set back to None).
    static QList<KeyRowSelection> Click(Codeplug& codeplug, int row, int position);
    // The key method changed (hidden list, position 0 time, 1 loop): stores it, recodes every
    // row so each keeps its function, and returns the positions of all 16 rows.
    static QList<KeyRowSelection> ChangeKeyMethod(Codeplug& codeplug, int position);
    // Load-time reading of all 16 rows: codes that have no item are stored as -1.
    static std::array<int, kRows> LoadRows(Codeplug& codeplug);
};

} // namespace zr40
