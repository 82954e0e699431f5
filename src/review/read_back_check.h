#pragma once

#include "codeplug/text_context.h"
#include "link/verified_write.h"

namespace zr40 {

// How the programs compare a radio read back after a write with what was sent: through the
// review diff, so a difference reads as in every other list ("Channel 2  Rx Frequency
// 400.02500 -> 400.03500") and names the channel or page it is on.
class ReadBackCheck {
public:
    static VerifiedWrite::Compare Compare(const TextContext& ctx);
};

} // namespace zr40
