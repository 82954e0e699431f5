#include "import_command.h"

#include "cli_io.h"
#include "command_line.h"
#include "exchange/channel_csv.h"
#include "exchange/codeplug_json.h"

namespace zr40 {

namespace {

QString FormatOf(const CommandLine& line, const QString& input) {
    const QString given = line.Value(QStringLiteral("format"));
    if (!given.isEmpty())
        return given;
    if (input.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return QStringLiteral("csv");
    if (input.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        return QStringLiteral("json");
    return {};
}

bool ImportCsv(const QString& input, const QByteArray& text, Codeplug& codeplug) {
    const ChannelCsv::ImportResult result = ChannelCsv::Import(QString::fromUtf8(text), codeplug);
    for (const QString& warning : result.warnings)
        CliIo::Warning(input + QStringLiteral(": ") + warning);
    if (!result.ok)
        CliIo::FileError(input, result.error);
    return result.ok;
}

bool ImportJson(const QString& input, const QByteArray& text, Codeplug& codeplug) {
    QString error;
    if (CodeplugJson::Import(text, codeplug, error))
        return true;
    CliIo::FileError(input, error);
    return false;
}

} // namespace

int ImportCommand::Run(const QStringList& arguments) {
    CommandLine line(QStringLiteral("import"),
                     QStringLiteral("Builds a radio data file from json (replaces every value it "
                                    "names) or csv (edits the channels it lists, with the "
                                    "channel grid's rules), on top of --base or a new "
                                    "codeplug."));
    line.AddPositional(QStringLiteral("IN"), QStringLiteral("The json or csv file to read."),
                       QStringLiteral("IN"));
    line.AddOption({"format", "json or csv (default: from IN's extension).", "FORMAT"});
    line.AddOption({"base", "The radio data file to start from (default: a new one).", "FILE"});
    line.AddOption({"band",
                    "Band limits for the csv frequency check, e.g. 400-480 (default: the "
                    "program's start-up band 100-550).",
                    "LOW-HIGH"});
    line.AddOption({{"o", "output"}, "The radio data file to write.", "FILE"});
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    const QString input = line.Positional().at(0);
    const QString output = line.Value(QStringLiteral("output"));
    const QString format = FormatOf(line, input);
    if (output.isEmpty())
        return line.Usage(QStringLiteral("no output file given (-o FILE)"));
    if (format != QStringLiteral("json") && format != QStringLiteral("csv"))
        return line.Usage(QStringLiteral("give --format json or csv (IN has neither extension)"));
    Codeplug codeplug = CliIo::NewCodeplug();
    if (line.IsSet(QStringLiteral("band")) &&
        !CliIo::ApplyBand(line.Value(QStringLiteral("band")), codeplug))
        return line.Usage(QStringLiteral("--band must read like 400-480"));
    const QString base = line.Value(QStringLiteral("base"));
    if (!base.isEmpty() && !CliIo::LoadCodeplug(base, codeplug))
        return kExitFailed;
    QByteArray text;
    if (!CliIo::ReadText(input, text))
        return kExitFailed;
    const bool ok = format == QStringLiteral("csv") ? ImportCsv(input, text, codeplug)
                                                    : ImportJson(input, text, codeplug);
    if (!ok || !CliIo::SaveCodeplug(output, codeplug))
        return kExitFailed;
    CliIo::Out() << "Wrote " << output << "\n";
    return kExitOk;
}

} // namespace zr40
