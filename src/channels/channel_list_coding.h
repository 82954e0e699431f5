#pragma once

#include "codeplug/codeplug.h"

namespace zr40 {

// How each list-backed channel field turns a list position into a stored value (…Value) and a
// stored value back into the position to select (…Index). Values a list cannot show pick the
// item the radio treats them as; showing never changes the stored value.
class ChannelListCoding {
public:
    static Long ChannelTypeValue(int index); // 0 analog -> 1, 1 digital -> 2
    static int ChannelTypeIndex(Long value); // 2 -> 1, anything else 0
    static Long TxPowerValue(int index);
    static int TxPowerIndex(Long value); // 0 Low, anything else High
    static Long TxAuthorityValue(int index);
    static int TxAuthorityIndex(Long value); // 3 or more -> "No Limited"
    static Long SqlLevelValue(int index);
    static int SqlLevelIndex(Long value);     // above 10 -> 10
    static Long DenoiseLevelValue(int index); // 6 x level
    static int DenoiseLevelIndex(Long value); // outside 0..60 -> "Off"
    static Long QuiteLevelValue(int index);
    static int QuiteLevelIndex(Long value); // above 10 -> "Off"
    static Long ColorValue(int index);
    static int ColorIndex(Long value); // 16 or more -> 0
    static Long RxListValue(int index);
    static int RxListIndex(Long value, Long rxListCount); // not below the choices -> list 1
    // The receive lists a channel can choose: the radio's count, held to the eight there are.
    static int RxListChoices(Long rxListCount);
    static Long SpaceValue(int index);    // 0 -> 12500, 1 -> 25000
    static int SpaceIndex(Long value);    // 12500 narrow, anything else wide
    static Long TotValue(int index);      // 15 x index, 0 = "Off"
    static int TotIndex(Long value);      // below 6 or above 600 -> "Off"
    static Long ScrambleValue(int index); // 0 "Off" -> -1, k -> 2700 + 100 (k - 1)
    static int ScrambleIndex(Long value);
    static Long CheckValue(bool ticked);      // 1 / 0
    static bool KeyEnableChecked(Long value); // nonzero
    static bool CompandChecked(Long value);   // exactly 1
    // Negative stored values show the first item of their list.
};

} // namespace zr40
