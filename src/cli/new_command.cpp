#include "new_command.h"

#include "cli_io.h"
#include "command_line.h"

namespace zr40 {

int NewCommand::Run(const QStringList& arguments) {
    CommandLine line(QStringLiteral("new"),
                     QStringLiteral("Writes a new radio data file: every channel, tune point and "
                                    "receive list at its default, as the New command makes it."));
    line.AddOption({{"o", "output"}, "The radio data file to write.", "FILE"});
    line.AddOption({"startup",
                    "Write the codeplug as the program starts instead (channels 17-32 and tune "
                    "points 11-16 all zero)."});
    if (!line.Parse(arguments, 0, 0))
        return line.exitCode;
    const QString output = line.Value(QStringLiteral("output"));
    if (output.isEmpty())
        return line.Usage(QStringLiteral("no output file given (-o FILE)"));
    Codeplug codeplug;
    if (line.IsSet(QStringLiteral("startup")))
        codeplug.ApplyStartupDefaults();
    else
        codeplug = CliIo::NewCodeplug();
    if (!CliIo::SaveCodeplug(output, codeplug))
        return kExitFailed;
    CliIo::Out() << "Wrote " << CliIo::Shown(output) << "\n";
    return kExitOk;
}

} // namespace zr40
