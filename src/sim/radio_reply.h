#pragma once

#include <QByteArray>

namespace zr40 {

// Bytes the virtual radio puts on the line, and how long it thinks before it does.
struct RadioReply {
    QByteArray bytes;
    int delayMs = 0;
};

} // namespace zr40
