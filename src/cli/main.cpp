#include "cli_command.h"
#include "cli_io.h"
#include "demo_command.h"
#include "export_command.h"
#include "fleet_command.h"
#include "import_command.h"
#include "new_command.h"
#include "print_command.h"
#include "radio_commands.h"
#include "review_commands.h"
#include "show_command.h"

#include "codeplug/file_path.h"

#include <QCoreApplication>
#include <algorithm>
#include <csignal>
#include <iterator>
#include <new>

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
    {"fleet", "write one plan into many radios, each with its own ID", &FleetCommand::Run},
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
    // Two blanks at least between name and summary, as tools that read the list (help2man)
    // expect.
    qsizetype width = 0;
    for (const CliCommand& command : kCommands)
        width = std::max(width, qsizetype(qstrlen(command.name)) + 2);
    for (const CliCommand& command : kCommands)
        out << "  " << QString::fromLatin1(command.name).leftJustified(width) << command.summary
            << "\n";
    out << "\nOptions:\n"
           "  -h, --help  Show this overview and exit.\n"
           "  --version   Show the program's version and exit.\n"
           "\nRun 'zr40 <command> --help' for the options of a command.\n";
    out.flush();
    return kExitOk;
}

// A command that runs out of memory says so and fails, as any other failure does.
int RunGuarded(const CliCommand& command, const QStringList& arguments) {
    try {
        return command.run(arguments);
    } catch (const std::bad_alloc&) {
        CliIo::Err() << "zr40: out of memory\n";
    } catch (const std::exception& error) {
        CliIo::Err() << "zr40: " << error.what() << "\n";
    }
    CliIo::Err().flush();
    return kExitFailed;
}

} // namespace

int main(int argc, char* argv[]) {
    // A file-size limit makes a write fail with EFBIG, reported like a full disk, instead of
    // ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Only printing paints text; every other command stays on QtCore.
    const bool printing = argc > 1 && qstrcmp(argv[1], "print") == 0;
    const std::unique_ptr<QCoreApplication> app =
        printing ? PrintCommand::MakeApplication(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zr40"));
    // File names are used exactly as the shell passed them, whatever their bytes.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << FilePath::ArgumentText(argv[i]);
    if (arguments.isEmpty()) {
        Overview(CliIo::Err());
        return kExitUsage;
    }
    const QString name = arguments.takeFirst();
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h") ||
        name == QStringLiteral("help"))
        return CliIo::FinishOutput(Overview(CliIo::Out()));
    if (name == QStringLiteral("--version")) {
        CliIo::Out() << "zr40 " << ZR40_VERSION << "\n";
        return CliIo::FinishOutput(kExitOk);
    }
    for (const CliCommand& command : kCommands)
        if (name == QLatin1String(command.name))
            return CliIo::FinishOutput(RunGuarded(command, arguments));
    CliIo::Err() << "zr40: unknown command '" << name << "'\n";
    Overview(CliIo::Err());
    return kExitUsage;
}
