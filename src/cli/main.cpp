#include "cli_command.h"
#include "cli_io.h"
#include "demo_command.h"
#include "export_command.h"
#include "import_command.h"
#include "new_command.h"
#include "print_command.h"
#include "radio_commands.h"
#include "review_commands.h"
#include "show_command.h"

#include <QCoreApplication>
#include <iterator>

using namespace zr40;

namespace {

// The subcommands. A new one is one line here and its own file pair.
const CliCommand kCommands[] = {
    {"new", "write a new radio data file", &NewCommand::Run},
    {"show", "print the channels and function settings of a file", &ShowCommand::Run},
    {"export", "write a file's values as json or its channel plan as csv", &ExportCommand::Run},
    {"import", "build a file from json or a csv channel plan", &ImportCommand::Run},
    {"demo", "build, save, show and round-trip a sample codeplug", &DemoCommand::Run},
    {"read", "read the radio's configuration into a file", &RadioCommands::Read},
    {"write", "write a file into the radio", &RadioCommands::Write},
    {"ports", "list the serial ports", &RadioCommands::Ports},
    {"check", "check a file for what the radio would refuse or misuse", &ReviewCommands::Check},
    {"diff", "print the differences between two files, or a radio and a file",
     &ReviewCommands::Diff},
    {"backups", "list the backups of radios read and written", &ReviewCommands::Backups},
    {"print", "write the channel plan as a PDF document", &PrintCommand::Run},
};

int Overview(QTextStream& out) {
    out << "Usage: zr40 <command> [options]\n\n"
           "Radio data files (.rdat) of the ZR40 two-way radio on the command line.\n\n"
           "Commands:\n";
    for (const CliCommand& command : kCommands)
        out << "  " << QString::fromLatin1(command.name).leftJustified(8) << command.summary
            << "\n";
    out << "\nOptions:\n"
           "  -h, --help  Show this overview and exit.\n"
           "  --version   Show the program's version and exit.\n"
           "\nRun 'zr40 <command> --help' for the options of a command.\n";
    out.flush();
    return kExitOk;
}

} // namespace

int main(int argc, char* argv[]) {
    // Only printing paints text; every other command stays on QtCore.
    const bool printing = argc > 1 && qstrcmp(argv[1], "print") == 0;
    const std::unique_ptr<QCoreApplication> app =
        printing ? PrintCommand::MakeApplication(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zr40"));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        Overview(CliIo::Err());
        return kExitUsage;
    }
    const QString name = arguments.takeFirst();
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h") ||
        name == QStringLiteral("help"))
        return Overview(CliIo::Out());
    if (name == QStringLiteral("--version")) {
        CliIo::Out() << "zr40 " << ZR40_VERSION << "\n";
        CliIo::Out().flush();
        return kExitOk;
    }
    for (const CliCommand& command : kCommands)
        if (name == QLatin1String(command.name))
            return command.run(arguments);
    CliIo::Err() << "zr40: unknown command '" << name << "'\n";
    Overview(CliIo::Err());
    return kExitUsage;
}
