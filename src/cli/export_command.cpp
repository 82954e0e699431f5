#include "export_command.h"

#include "cli_io.h"
#include "command_line.h"
#include "exchange/plan_exchange.h"

namespace zr40 {

int ExportCommand::Run(const QStringList& arguments) {
    using Format = PlanExchange::Format;
    CommandLine line(QStringLiteral("export"),
                     QStringLiteral("Writes a radio data file as json (every value), csv (the "
                                    "channel plan) or common-csv (the analog channels as open "
                                    "radio programmers exchange them)."));
    line.AddPositional(QStringLiteral("FILE"), QStringLiteral("The radio data file (.rdat)."),
                       QStringLiteral("FILE"));
    line.AddOption({"format", "json, csv or common-csv (default: from OUT's extension, else json).",
                    "FORMAT"});
    line.AddOption({{"o", "output"}, "Where to write (default: standard output).", "OUT"});
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    const QString output = line.Value(QStringLiteral("output"));
    const QString given = line.Value(QStringLiteral("format"));
    Format format = PlanExchange::FromName(given);
    if (given.isEmpty())
        format = PlanExchange::FromPath(output) == Format::ChannelCsv ? Format::ChannelCsv
                                                                      : Format::Json;
    if (format == Format::Unknown)
        return line.Usage(QStringLiteral("--format must be json, csv or common-csv"));
    const QString path = line.Positional().at(0);
    Codeplug codeplug = CliIo::NewCodeplug();
    const bool exact = format == Format::Json;
    if (!(exact ? CliIo::LoadExact(path, codeplug) : CliIo::LoadCodeplug(path, codeplug)))
        return kExitFailed;
    ExchangeResult report;
    const QByteArray text =
        PlanExchange::Export(format, codeplug, &report, {true, QLatin1Char('.')});
    for (const QString& warning : report.warnings)
        CliIo::Warning(path + QStringLiteral(": ") + warning);
    return CliIo::WriteText(output, text) ? kExitOk : kExitFailed;
}

} // namespace zr40
