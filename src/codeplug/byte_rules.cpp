#include "codeplug/byte_rules.h"

namespace zr40 {

std::uint8_t ShiftByteLeft(int value, int count) {
    if (count <= 0)
        return static_cast<std::uint8_t>(value);
    if (count >= 8)
        return 0;
    return static_cast<std::uint8_t>((static_cast<unsigned>(value) << count) & 0xFFu);
}

std::uint8_t ToBcd(int value) {
    return static_cast<std::uint8_t>((value / 10) * 16 + value % 10);
}

} // namespace zr40
