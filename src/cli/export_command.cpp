#include "export_command.h"

#include "exchange/channel_csv.h"
#include "cli_io.h"
#include "exchange/codeplug_json.h"
#include "command_line.h"

namespace zr40 {

int ExportCommand::Run(const QStringList& arguments) {
    CommandLine line(QStringLiteral("export"),
                     QStringLiteral("Writes a radio data file as json (every value) or csv (the "
                                    "channel plan)."));
    line.AddPositional(QStringLiteral("FILE"), QStringLiteral("The radio data file (.rdat)."),
                       QStringLiteral("FILE"));
    line.AddOption({"format", "json or csv (default: from OUT's extension, else json).", "FORMAT"});
    line.AddOption({{"o", "output"}, "Where to write (default: standard output).", "OUT"});
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    const QString output = line.Value(QStringLiteral("output"));
    QString format = line.Value(QStringLiteral("format"));
    if (format.isEmpty())
        format = output.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
                     ? QStringLiteral("csv")
                     : QStringLiteral("json");
    if (format != QStringLiteral("json") && format != QStringLiteral("csv"))
        return line.Usage(QStringLiteral("--format must be json or csv"));
    const QString path = line.Positional().at(0);
    Codeplug codeplug = CliIo::NewCodeplug();
    const bool exact = format == QStringLiteral("json");
    if (!(exact ? CliIo::LoadExact(path, codeplug) : CliIo::LoadCodeplug(path, codeplug)))
        return kExitFailed;
    const QByteArray text = format == QStringLiteral("json") ? CodeplugJson::Export(codeplug)
                                                             : ChannelCsv::Export(codeplug);
    return CliIo::WriteText(output, text) ? kExitOk : kExitFailed;
}

} // namespace zr40
