#pragma once

#include <cstdint>

namespace zr40 {

// Odd parity of the bits 0, 1, 2, 3, 4, 7 and 10 of value (value AND 0x49F).
bool DcsParity(std::uint32_t value);

// The 23-bit DCS code word of a 9-bit code (three octal digits): the (23,12) Golay word of the
// data word 0x800 | code, with the code in bits 0..8, the marker in bit 11 and the check bits in
// 12..22. With complement the word is XORed with 0x7FFFFF (normal "N" codes are stored that way,
// plus bit 23).
std::uint32_t DcsCodeWord(int code, bool complement);

} // namespace zr40
