#include "command_line.h"

#include "cli_io.h"

#include <QCoreApplication>

namespace zr40 {

CommandLine::CommandLine(const QString& command, const QString& description) : command(command) {
    parser.setApplicationDescription(description);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
}

void CommandLine::AddPositional(const QString& name, const QString& description,
                                const QString& syntax) {
    parser.addPositionalArgument(name, description, syntax);
}

bool CommandLine::Parse(const QStringList& arguments, int minPositional, int maxPositional) {
    QStringList full = arguments;
    full.prepend(QStringLiteral("zr40 ") + command);
    if (!parser.parse(full)) {
        exitCode = Usage(parser.errorText());
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // The parser names the program by argv[0]; the reader wants the command to type.
        QString help = parser.helpText();
        const QString program = QCoreApplication::arguments().value(0);
        const qsizetype at = help.indexOf(program);
        if (!program.isEmpty() && at >= 0)
            help.replace(0, at + program.size(), QStringLiteral("Usage: zr40 ") + command);
        CliIo::Out() << help;
        CliIo::Out().flush();
        exitCode = kExitOk;
        return false;
    }
    const int count = static_cast<int>(parser.positionalArguments().size());
    if (count < minPositional) {
        exitCode = Usage(QStringLiteral("missing argument"));
        return false;
    }
    if (count > maxPositional) {
        exitCode = Usage(QStringLiteral("unexpected argument '") +
                         parser.positionalArguments().at(maxPositional) + QStringLiteral("'"));
        return false;
    }
    return true;
}

int CommandLine::Usage(const QString& message) const {
    return CliIo::UsageError(command, message);
}

} // namespace zr40
