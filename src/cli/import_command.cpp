#include "import_command.h"

#include "band_choice.h"
#include "cli_io.h"
#include "command_line.h"
#include "exchange/plan_exchange.h"

namespace zr40 {

namespace {

using Format = PlanExchange::Format;

// --format when given, else what the text itself looks like, else the extension.
Format FormatOf(const CommandLine& line, const QString& input, const QByteArray& text) {
    const QString given = line.Value(QStringLiteral("format"));
    if (!given.isEmpty())
        return PlanExchange::FromName(given);
    const Format content = PlanExchange::FromContent(text);
    return content != Format::Unknown ? content : PlanExchange::FromPath(input);
}

// 1..32 from --first (1 when not given); 0 when it is no channel number.
int FirstChannel(const CommandLine& line) {
    if (!line.IsSet(QStringLiteral("first")))
        return 1;
    bool ok = false;
    const int first = line.Value(QStringLiteral("first")).toInt(&ok);
    return ok && first >= 1 && first <= Codeplug::kChannels ? first : 0;
}

} // namespace

int ImportCommand::Run(const QStringList& arguments) {
    CommandLine line(QStringLiteral("import"),
                     QStringLiteral("Builds a radio data file from json (replaces every value it "
                                    "names), csv (edits the channels it lists, with the channel "
                                    "grid's rules) or the common radio csv (analog channels in "
                                    "file order from --first on), on top of --base or a new "
                                    "codeplug."));
    line.AddPositional(QStringLiteral("IN"), QStringLiteral("The json or csv file to read."),
                       QStringLiteral("IN"));
    line.AddOption({"format",
                    "json, csv or common-csv (default: from IN's content, else its extension).",
                    "FORMAT"});
    line.AddOption({"base", "The radio data file to start from (default: a new one).", "FILE"});
    BandChoice::AddOption(line);
    line.AddOption({"first", "common-csv: the channel the first row goes into (default 1).", "N"});
    line.AddOption({{"o", "output"}, "The radio data file to write.", "FILE"});
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    const QString input = line.Positional().at(0);
    const QString output = line.Value(QStringLiteral("output"));
    if (output.isEmpty())
        return line.Usage(QStringLiteral("no output file given (-o FILE)"));
    const QString given = line.Value(QStringLiteral("format"));
    if (!given.isEmpty() && PlanExchange::FromName(given) == Format::Unknown)
        return line.Usage(QStringLiteral("--format must be json, csv or common-csv"));
    const int first = FirstChannel(line);
    if (first == 0)
        return line.Usage(QStringLiteral("--first must be a channel number 1..32"));
    Codeplug codeplug = CliIo::NewCodeplug();
    BandChoice band;
    if (!band.Apply(line, codeplug))
        return kExitUsage;
    QByteArray text;
    if (!CliIo::ReadText(input, text))
        return kExitFailed;
    const Format format = FormatOf(line, input, text);
    if (format == Format::Unknown)
        return line.Usage(
            QStringLiteral("give --format json, csv or common-csv (IN is recognised as none)"));
    if (line.IsSet(QStringLiteral("first")) && format != Format::CommonCsv)
        return line.Usage(QStringLiteral("--first applies to common-csv only"));
    const QString base = line.Value(QStringLiteral("base"));
    if (!base.isEmpty() && !CliIo::LoadCodeplug(base, codeplug))
        return kExitFailed;
    const ExchangeResult result =
        PlanExchange::Import(format, text, codeplug, first - 1, {true, QLatin1Char('.')});
    for (const QString& warning : result.warnings)
        CliIo::Warning(input + QStringLiteral(": ") + warning);
    if (!result.ok)
        return CliIo::FileError(input, result.error);
    if (!CliIo::SaveCodeplug(output, codeplug))
        return kExitFailed;
    CliIo::Out() << band.Line(codeplug, {true, QLatin1Char('.')}) << "\n"
                 << "Wrote " << CliIo::Shown(output) << "\n";
    return kExitOk;
}

} // namespace zr40
