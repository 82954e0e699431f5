#pragma once

#include <cstdint>

namespace zr40 {

// value shifted left by count and cut to a byte; a count of 8 or more gives 0.
std::uint8_t ShiftByteLeft(int value, int count);

// Two decimal digits of value (0..99) as packed BCD: 42 -> 0x42.
std::uint8_t ToBcd(int value);

} // namespace zr40
