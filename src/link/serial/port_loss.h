#pragma once

#include <QString>

namespace zr40 {

// What the user is told when the port goes away under a transfer. The serial library hands on
// the system's last error text, which after a hang-up is often left over from an unrelated call
// ("Inappropriate ioctl for device") or only repeats that the device is gone; such words are
// left out, and words that tell more (a permission taken away) are kept.
class PortLoss {
public:
    // "/dev/ttyUSB0", or "/dev/ttyUSB0: <system text>" when the text helps.
    static QString Reason(const QString& device, const QString& systemText);
    static bool Helps(const QString& systemText);
};

} // namespace zr40
