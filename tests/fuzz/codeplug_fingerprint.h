#pragma once

#include "codeplug/codeplug.h"

#include <QByteArray>

namespace zr40::fuzz {

// Everything an import or a load could touch, as bytes to compare before and after: every value
// of the file, the model image, the password block, the band and the link flags.
QByteArray Fingerprint(const Codeplug& codeplug);

// A codeplug whose values differ from every default, so that an import that wrongly touches
// something shows.
Codeplug MarkedCodeplug();

} // namespace zr40::fuzz
