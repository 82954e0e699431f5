#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QStringList>

namespace zr40 {

class CommandLine;

// The subcommands that talk to a radio over a serial port:
//   zr40 read  --port DEV [--password P] [--trace] [--lang en|zh] [--no-backup] -o FILE
//   zr40 write --port DEV [--password P] [--new-password N | --no-password] [--trace]
//              [--band LO-HI] [--force] [--no-backup] [--verify] [--local-id HEX] FILE
//   zr40 ports
class RadioCommands {
public:
    static int Read(const QStringList& arguments);
    static int Write(const QStringList& arguments);
    static int Ports(const QStringList& arguments);

    // Up to six digits, as the radio's password box accepts them.
    static bool IsPasswordText(const QString& text, bool allowEmpty);

    // What every command that talks to a radio shares: --port, --password, --trace, --lang.
    static void AddLinkOptions(CommandLine& line);
    // Checks those options; false after reporting a usage error.
    static bool CheckLinkOptions(const CommandLine& line);
    // The check before a write: prints what it finds; false when errors stop the write (unless
    // `force`; `forceOffered` says whether the command has --force to mention).
    static bool CheckBeforeWrite(const Codeplug& plan, bool force, const TextContext& ctx,
                                 bool forceOffered = true);
};

} // namespace zr40
