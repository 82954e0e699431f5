#include "link/serial/port_open_error.h"

#include "codeplug/text_context.h"

#include <QFileInfo>

namespace zr40 {

PortOpenError::PortOpenError(Cause cause, const QString& device, const QString& systemText)
    : cause_(cause), device_(device), systemText_(systemText) {}

PortOpenError PortOpenError::FromFailedOpen(const QString& device,
                                            QSerialPort::SerialPortError error,
                                            const QString& systemText) {
    if (device.isEmpty())
        return {Cause::NoPortChosen, device};
    const QFileInfo info(device);
    if (error == QSerialPort::DeviceNotFoundError || !info.exists())
        return {Cause::NotFound, device, systemText};
    if (!UserMayOpen(device))
        return {Cause::PermissionDenied, device, systemText};
    if (error == QSerialPort::PermissionError)
        return {Cause::Busy, device, systemText};
    if (info.isFile())
        return {Cause::NotSerial, device, systemText};
    return {Cause::Other, device, systemText};
}

bool PortOpenError::UserMayOpen(const QString& device) {
    const QFileInfo info(device);
    return info.isReadable() && info.isWritable();
}

QString PortOpenError::Describe(bool english) const {
    const TextContext ctx{english};
    switch (cause_) {
    case Cause::None:
        return {};
    case Cause::NoPortChosen:
        return ctx.Tr("PortOpenError", "No serial port is chosen.");
    case Cause::NotFound:
        return ctx.Tr("PortOpenError", "There is no port %1.").arg(device_);
    case Cause::Busy:
        return ctx.Tr("PortOpenError", "%1 is in use by another program.").arg(device_);
    case Cause::PermissionDenied:
#ifdef Q_OS_LINUX
        return ctx
            .Tr("PortOpenError", "No permission to open %1. Add your user to the dialout group: "
                                 "sudo usermod -aG dialout $USER, then log in again.")
            .arg(device_);
#else
        return ctx.Tr("PortOpenError", "No permission to open %1.").arg(device_);
#endif
    case Cause::NotSerial:
        return ctx.Tr("PortOpenError", "%1 is not a serial port.").arg(device_);
    case Cause::Other:
        break;
    }
    return QStringLiteral("%1: %2").arg(device_, systemText_);
}

} // namespace zr40
