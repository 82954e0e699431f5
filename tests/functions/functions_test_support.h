#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

namespace zr40::test {

inline Codeplug NewCodeplug() {
    Codeplug cp;
    cp.ApplyNewDefaults();
    cp.BandLower = 400;
    cp.BandUpper = 480;
    cp.BandUpperTx = 480;
    return cp;
}

inline TextContext English(QChar separator = QLatin1Char('.')) {
    return {true, separator};
}

inline TextContext Chinese(QChar separator = QLatin1Char('.')) {
    return {false, separator};
}

} // namespace zr40::test
