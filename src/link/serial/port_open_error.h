#pragma once

#include <QSerialPort>
#include <QString>

namespace zr40 {

// Why a serial port could not be opened, in words that tell the user what to do about it. The
// serial library reports "busy" and "no permission" alike, so the cause is settled by looking at
// the device itself.
class PortOpenError {
public:
    enum class Cause { None, NoPortChosen, NotFound, Busy, PermissionDenied, NotSerial, Other };

    PortOpenError() = default;
    PortOpenError(Cause cause, const QString& device, const QString& systemText = {});

    // Classifies a failed open of `device` (the path that was tried).
    static PortOpenError FromFailedOpen(const QString& device, QSerialPort::SerialPortError error,
                                        const QString& systemText);

    Cause cause() const { return cause_; }
    bool isError() const { return cause_ != Cause::None; }
    QString device() const { return device_; }
    // One or two sentences in the interface language.
    QString Describe(bool english) const;

private:
    static bool UserMayOpen(const QString& device);

    Cause cause_ = Cause::None;
    QString device_;
    QString systemText_;
};

} // namespace zr40
