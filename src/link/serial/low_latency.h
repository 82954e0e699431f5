#pragma once

#include <QString>

namespace zr40 {

// USB-serial adapters hold received bytes until their latency timer runs out (16 ms on the
// common chips) before they pass them on. Our protocol waits for every reply before it sends the
// next request, so each of the hundred-odd exchanges of a transfer would pay that time. On Linux
// the driver can be asked to pass bytes on at once (the low-latency flag of the serial driver);
// drivers that have no such setting, such as a pseudo-terminal's, refuse and the port works on
// as it is.
class LowLatency {
public:
    struct Outcome {
        bool granted = false;
        QString reason; // why not, when not granted
    };

    // Asks the driver of the open port `descriptor` for low latency.
    static Outcome Request(int descriptor);
    // The trace line that tells whether `device` got it.
    static QString TraceLine(const Outcome& outcome, const QString& device);
};

} // namespace zr40
