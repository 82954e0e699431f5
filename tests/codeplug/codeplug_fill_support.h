#pragma once

#include "codeplug/codeplug.h"

namespace zr40::test {

// Gives every value the file holds a different number (and the unused last elements something
// else again), so that a value written to the wrong place cannot go unnoticed.
void FillDistinct(Codeplug& codeplug);

} // namespace zr40::test
