#pragma once

#include "codeplug/codeplug.h"

#include <QString>
#include <array>

namespace zr40 {

// What the function setup page shows after loading the codeplug: list positions of every list,
// texts of every text field (hidden ones included).
struct OptionView {
    QString localIdText;
    int voice = 0;
    int tot = 0;
    int voxLevel = 0;
    int voxDelay = 0;
    int save = 0;       // 0 "Normal", 1 "Special"
    Long keyMethod = 1; // 1 time, 2 loop; fill the key rows for this method
    std::array<int, 16> keyRows{};
    std::array<int, 4> idleTime{};                                      // hidden sleep ratio rows
    std::array<QString, 8> warningInterval, voltageLower, voltageUpper; // hidden battery rows
    std::array<QString, 4> sleepPoint;                                  // hidden sleep point rows
};

struct LocalIdEntry {
    Long value = 0;
    QString text;
};

// The radio-wide function settings: the load-time repairs and the codings of the visible lists.
class OptionRules {
public:
    static constexpr Long kLocalIdLimit = 0x800000; // local IDs are 0..0x7FFFFF
    static constexpr Long kSaveNormal = 5;
    static constexpr Long kSaveSpecial = 15;

    // Loads the page: repairs out-of-range settings in the codeplug (local ID, VOX level and
    // delay, key codes, key method, battery and sleep values) and returns what to show.
    static OptionView AnalyseOption(Codeplug& codeplug);

    static int VoiceIndex(Long value);
    static Long VoiceValue(int index);
    static int TotIndex(Long value); // "Off" below 6 or above 600
    static Long TotValue(int index); // "Off" -> -1, else 15 x position
    static int VoxLevelIndex(Long value);
    static Long VoxLevelValue(int index);
    static int VoxDelayIndex(Long value); // units of 20 ms, 5..150
    static Long VoxDelayValue(int index); // (position + 1) x 5
    static int SaveIndex(Long idleTime0);
    static Long SaveValue(int index);

    // The local ID box committed: empty -> 0; unreadable or too large -> 7FFFFF.
    static LocalIdEntry EnterLocalId(const QString& text);
    static QString LocalIdText(Long value);
    // The local ID the page shows (and repairs to) for a stored value: 0 when out of range.
    static Long ShownLocalId(Long value);
};

} // namespace zr40
