#include "channels/channel_list_coding.h"

#include <algorithm>

namespace zr40 {

namespace {

constexpr Long kNarrow = 12500;
constexpr Long kDenoiseStep = 6;
constexpr Long kTotStep = 15;
constexpr Long kScrambleFirst = 2700;
constexpr Long kScrambleLast = 3400;
constexpr Long kScrambleStep = 100;

int FirstItemIfNegative(Long value, int index) {
    return value < 0 ? 0 : index;
}

} // namespace

Long ChannelListCoding::ChannelTypeValue(int index) {
    return index == 1 ? 2 : 1;
}

int ChannelListCoding::ChannelTypeIndex(Long value) {
    return value == 2 ? 1 : 0;
}

Long ChannelListCoding::TxPowerValue(int index) {
    return index;
}

int ChannelListCoding::TxPowerIndex(Long value) {
    return value != 0 ? 1 : 0;
}

Long ChannelListCoding::TxAuthorityValue(int index) {
    return index;
}

int ChannelListCoding::TxAuthorityIndex(Long value) {
    return FirstItemIfNegative(value, value >= 3 ? 2 : static_cast<int>(value));
}

Long ChannelListCoding::SqlLevelValue(int index) {
    return index;
}

int ChannelListCoding::SqlLevelIndex(Long value) {
    return FirstItemIfNegative(value, value > 10 ? 10 : static_cast<int>(value));
}

Long ChannelListCoding::DenoiseLevelValue(int index) {
    return kDenoiseStep * index;
}

int ChannelListCoding::DenoiseLevelIndex(Long value) {
    if (value < 0 || value > 10 * kDenoiseStep)
        return 0;
    return static_cast<int>(value / kDenoiseStep);
}

Long ChannelListCoding::QuiteLevelValue(int index) {
    return index;
}

int ChannelListCoding::QuiteLevelIndex(Long value) {
    return FirstItemIfNegative(value, value > 10 ? 0 : static_cast<int>(value));
}

Long ChannelListCoding::ColorValue(int index) {
    return index;
}

int ChannelListCoding::ColorIndex(Long value) {
    return FirstItemIfNegative(value, value >= 16 ? 0 : static_cast<int>(value));
}

Long ChannelListCoding::RxListValue(int index) {
    return index;
}

int ChannelListCoding::RxListIndex(Long value, Long rxListCount) {
    return FirstItemIfNegative(value,
                               value >= RxListChoices(rxListCount) ? 0 : static_cast<int>(value));
}

int ChannelListCoding::RxListChoices(Long rxListCount) {
    return static_cast<int>(std::clamp<Long>(rxListCount, 0, Codeplug::kRxLists));
}

Long ChannelListCoding::SpaceValue(int index) {
    return (index + 1) * kNarrow;
}

int ChannelListCoding::SpaceIndex(Long value) {
    return value == kNarrow ? 0 : 1;
}

Long ChannelListCoding::TotValue(int index) {
    return kTotStep * index;
}

int ChannelListCoding::TotIndex(Long value) {
    if (value < 6 || value > 40 * kTotStep)
        return 0;
    return static_cast<int>(value / kTotStep);
}

Long ChannelListCoding::ScrambleValue(int index) {
    if (index <= 0)
        return -1;
    return kScrambleFirst + kScrambleStep * (index - 1);
}

int ChannelListCoding::ScrambleIndex(Long value) {
    if (value < kScrambleFirst || value > kScrambleLast || value % kScrambleStep != 0)
        return 0;
    return static_cast<int>((value - kScrambleFirst) / kScrambleStep) + 1;
}

Long ChannelListCoding::CheckValue(bool ticked) {
    return ticked ? 1 : 0;
}

bool ChannelListCoding::KeyEnableChecked(Long value) {
    return value != 0;
}

bool ChannelListCoding::CompandChecked(Long value) {
    return value == 1;
}

} // namespace zr40
