#include "codeplug/dcs_code.h"

#include <bit>

namespace zr40 {

bool DcsParity(std::uint32_t value) {
    return (std::popcount(value & 0x49Fu) & 1) != 0;
}

std::uint32_t DcsCodeWord(int code, bool complement) {
    std::uint32_t x = static_cast<std::uint32_t>(code) | 0x800u;
    std::uint32_t w = 0;
    for (int i = 0; i < 11; ++i) {
        if (x & 1u)
            w |= 0x800u;
        w >>= 1;
        if (DcsParity(x))
            x |= 0x1000u;
        x >>= 1;
    }
    std::uint32_t word = w | (x * 0x800u);
    if (complement)
        word ^= 0x7FFFFFu;
    return word;
}

} // namespace zr40
