#pragma once

#include <QStringList>

namespace zr40 {

// The subcommands that talk to a radio over a serial port:
//   zr40 read  --port DEV [--password P] [--trace] [--lang en|zh] [--no-backup] -o FILE
//   zr40 write --port DEV [--password P] [--new-password N | --no-password] [--trace]
//              [--band LO-HI] [--force] [--no-backup] FILE
//   zr40 ports
class RadioCommands {
public:
    static int Read(const QStringList& arguments);
    static int Write(const QStringList& arguments);
    static int Ports(const QStringList& arguments);

    // Up to six digits, as the radio's password box accepts them.
    static bool IsPasswordText(const QString& text, bool allowEmpty);
};

} // namespace zr40
