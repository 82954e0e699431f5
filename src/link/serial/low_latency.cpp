#include "link/serial/low_latency.h"

#include <cerrno>
#include <cstring>

#if defined(__linux__)
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace zr40 {

namespace {

LowLatency::Outcome Refused(int error) {
    return {false, QString::fromLocal8Bit(std::strerror(error))};
}

} // namespace

LowLatency::Outcome LowLatency::Request(int descriptor) {
#if defined(__linux__)
    serial_struct serial{};
    if (::ioctl(descriptor, TIOCGSERIAL, &serial) != 0)
        return Refused(errno);
    if (serial.flags & ASYNC_LOW_LATENCY)
        return {true, {}};
    serial.flags |= ASYNC_LOW_LATENCY;
    if (::ioctl(descriptor, TIOCSSERIAL, &serial) != 0)
        return Refused(errno);
    return {true, {}};
#else
    Q_UNUSED(descriptor);
    return {false, QStringLiteral("not supported on this system")};
#endif
}

QString LowLatency::TraceLine(const Outcome& outcome, const QString& device) {
    if (outcome.granted)
        return QStringLiteral("Low latency: on (%1)").arg(device);
    return QStringLiteral("Low latency: refused by the driver of %1 (%2); the port works as it is")
        .arg(device, outcome.reason);
}

} // namespace zr40
