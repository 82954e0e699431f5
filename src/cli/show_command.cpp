#include "show_command.h"

#include "cli_io.h"
#include "command_line.h"
#include "exchange/codeplug_report.h"

namespace zr40 {

int ShowCommand::Run(const QStringList& arguments) {
    CommandLine line(QStringLiteral("show"),
                     QStringLiteral("Prints the channel table and the function settings of a "
                                    "radio data file."));
    line.AddPositional(QStringLiteral("FILE"), QStringLiteral("The radio data file (.rdat)."),
                       QStringLiteral("FILE"));
    line.AddOption({"lang", "Language of the texts: en or zh (default en).", "LANG", "en"});
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    const QString lang = line.Value(QStringLiteral("lang"));
    if (lang != QStringLiteral("en") && lang != QStringLiteral("zh"))
        return line.Usage(QStringLiteral("--lang must be en or zh"));
    CliIo::UseLanguage(lang == QStringLiteral("en"));
    const QString path = line.Positional().at(0);
    Codeplug codeplug = CliIo::NewCodeplug();
    if (!CliIo::LoadCodeplug(path, codeplug))
        return kExitFailed;
    const TextContext ctx{lang == QStringLiteral("en"), QLatin1Char('.')};
    CliIo::Out() << CodeplugReport::Text(codeplug, ctx);
    CliIo::Out().flush();
    return kExitOk;
}

} // namespace zr40
