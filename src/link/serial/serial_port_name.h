#pragma once

#include <QString>

namespace zr40 {

// How a port the user chose becomes a device the serial library can open. People name ports
// in three ways: a device name as the port list shows it ("ttyUSB0"), a full path (a symlink
// under /dev/serial/by-id/ survives re-plugging; a pseudo-terminal is "/dev/pts/5"), or the
// "COMn" that older settings and other systems use.
class SerialPortName {
public:
    // The path or system name to open; empty when the name is empty. A name with a slash is a
    // path (made absolute); on Linux "COMn" means the n-th on-board UART, /dev/ttyS(n-1).
    static QString Resolve(const QString& name);
    // "COM" followed by the number: the name a port number stands for.
    static QString FromNumber(int number);
    // The number of a "COMn" name, or 0 when the name is not of that form.
    static int ComNumber(const QString& name);
    // The name to use for a codeplug's port: its device name, or else "COMn" of its number.
    static QString Choose(const QString& deviceName, int number);
    // The name as the system's own tools show it: on Linux "ttyS0" for COM1 and "ttyUSB0" for
    // /dev/ttyUSB0; a path deeper below /dev (a by-id link, a pseudo-terminal) stays whole.
    static QString Shown(const QString& name);
    // "Port: ttyUSB0", said beside a message about the port.
    static QString PortLine(const QString& name, bool english);
};

} // namespace zr40
