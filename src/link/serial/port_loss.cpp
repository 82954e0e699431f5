#include "link/serial/port_loss.h"

#include <QStringList>
#include <cerrno>

namespace zr40 {

QString PortLoss::Reason(const QString& device, const QString& systemText) {
    const QString text = systemText.trimmed();
    if (!Helps(text))
        return device;
    return device.isEmpty() ? text : QStringLiteral("%1: %2").arg(device, text);
}

bool PortLoss::Helps(const QString& systemText) {
    const QString text = systemText.trimmed();
    if (text.isEmpty())
        return false;
    // Texts made the way the serial library makes them, so they match in any system language.
    static const QStringList saysNothing = [] {
        QStringList texts{QStringLiteral("Unknown error")};
        for (int code : {ENOTTY, EIO, ENODEV, ENXIO, ENOENT, EBADF, EAGAIN, EINTR, EPIPE})
            texts << qt_error_string(code).trimmed();
        return texts;
    }();
    return !saysNothing.contains(text, Qt::CaseInsensitive);
}

} // namespace zr40
