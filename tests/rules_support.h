#pragma once

// The codeplug and text contexts the rule tests of every subsystem start from.

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

namespace zr40::test {

// A codeplug as after New on a 400..480 MHz model whose transmit band ends at 470 MHz, so the
// receive and transmit limits differ.
inline Codeplug UhfCodeplug() {
    Codeplug cp;
    cp.ApplyNewDefaults();
    cp.BandLower = 400;
    cp.BandUpper = 480;
    cp.BandUpperTx = 470;
    return cp;
}

inline TextContext English(QChar separator = QLatin1Char('.')) {
    return {true, separator};
}

inline TextContext Chinese(QChar separator = QLatin1Char('.')) {
    return {false, separator};
}

} // namespace zr40::test
