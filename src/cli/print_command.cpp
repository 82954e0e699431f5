#include "print_command.h"

#include "band_choice.h"
#include "cli_io.h"
#include "codeplug/file_writer.h"
#include "command_line.h"
#include "print/plan_document.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>

namespace zr40 {

std::unique_ptr<QCoreApplication> PrintCommand::MakeApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int PrintCommand::Run(const QStringList& arguments) {
    CommandLine line(
        QStringLiteral("print"),
        QStringLiteral("Writes the channel plan of a radio data file as a PDF document: the "
                       "pages File > Print makes, with a header on every page. Needs no "
                       "display. Encryption keys are never printed."));
    line.AddPositional(QStringLiteral("FILE"), QStringLiteral("The radio data file (.rdat)."),
                       QStringLiteral("FILE"));
    line.AddOption({{"o", "output"}, "The PDF file to write.", "OUT.pdf"});
    line.AddOption({"sections",
                    "The parts to print, comma-separated, in any order: channels, options, "
                    "keys, message, rxlists (default all).",
                    "LIST", PrintSections::Names().join(QLatin1Char(','))});
    line.AddOption({"lang", "Language of the texts: en or zh (default en).", "LANG", "en"});
    BandChoice::AddOption(line);
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    const QString lang = line.Value(QStringLiteral("lang"));
    if (lang != QStringLiteral("en") && lang != QStringLiteral("zh"))
        return line.Usage(QStringLiteral("--lang must be en or zh"));
    CliIo::UseLanguage(lang == QStringLiteral("en"));
    const auto sections = PrintSections::Parse(line.Value(QStringLiteral("sections")));
    if (!sections)
        return line.Usage(QStringLiteral("--sections takes a list of ") +
                          PrintSections::Names().join(QStringLiteral(", ")));
    const QString output = line.Value(QStringLiteral("output"));
    if (output.isEmpty())
        return line.Usage(QStringLiteral("-o OUT.pdf is required"));
    const QString path = line.Positional().at(0);
    Codeplug codeplug = CliIo::NewCodeplug();
    BandChoice band;
    if (!band.Apply(line, codeplug))
        return kExitUsage;
    if (!CliIo::LoadCodeplug(path, codeplug))
        return kExitFailed;
    codeplug.FileName = QFileInfo(path).fileName();
    const TextContext ctx{lang == QStringLiteral("en"), QLatin1Char('.')};
    const PlanDocument document(codeplug, *sections, ctx);
    // The document is made in memory first; the file is then written whole or not at all.
    QBuffer pdf;
    if (!pdf.open(QIODevice::WriteOnly) || !document.WritePdf(&pdf))
        return CliIo::FileError(output, QStringLiteral("the document could not be made"));
    const FileResult written = FileWriter::Write(output, pdf.data());
    if (!written.ok())
        return CliIo::FileError(written);
    CliIo::Out() << band.Line(codeplug, ctx) << "\n";
    return kExitOk;
}

} // namespace zr40
