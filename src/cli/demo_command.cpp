#include "demo_command.h"

#include "cli_io.h"
#include "codeplug/model_band.h"
#include "codeplug/radio_data_file.h"
#include "command_line.h"
#include "exchange/channel_csv.h"
#include "exchange/codeplug_json.h"
#include "exchange/codeplug_report.h"
#include "exchange/sample_plan.h"

#include <QFile>
#include <QTemporaryDir>

namespace zr40 {

namespace {

class Demo {
public:
    explicit Demo(const QString& folder) : folder(folder) {}
    int Run();

private:
    bool Step(const QString& what, bool ok) {
        CliIo::Out() << "[" << ++step << "/7] " << what << (ok ? " ... ok\n" : " ... FAILED\n");
        CliIo::Out().flush();
        return ok;
    }
    QString Path(const char* name) const { return folder + QLatin1Char('/') + name; }
    bool BuildPlan();
    bool SaveAndCheck();
    bool ShowBack();
    bool JsonRoundTrip();

    QString folder;
    int step = 0;
    Codeplug codeplug = CliIo::NewCodeplug();
};

bool Demo::BuildPlan() {
    const ChannelCsv::ImportResult result = SamplePlan::Apply(codeplug);
    if (!Step(QStringLiteral("new codeplug, model band 400-480 MHz"),
              ModelBand::AnalyseModel(codeplug) && codeplug.BandUpper == 480))
        return false;
    for (const QString& warning : result.warnings)
        CliIo::Warning(warning);
    return Step(QStringLiteral("8 channels (4 analog, 4 digital) and 2 receive lists applied"),
                result.ok || !CliIo::FileError(QStringLiteral("sample plan"), result.error));
}

bool Demo::SaveAndCheck() {
    const QString path = Path("sample.rdat");
    const bool saved = CliIo::SaveCodeplug(path, codeplug);
    return Step(QStringLiteral("saved %1 (%2 bytes)").arg(path).arg(QFileInfo(path).size()),
                saved && QFileInfo(path).size() == RadioDataFile::kFileSize);
}

bool Demo::ShowBack() {
    Codeplug loaded = CliIo::NewCodeplug();
    const bool ok = CliIo::LoadCodeplug(Path("sample.rdat"), loaded);
    loaded.BandLower = codeplug.BandLower; // the band lives in the model image, not in the file
    loaded.BandUpper = codeplug.BandUpper;
    if (!Step(QStringLiteral("read it back; every value as saved"),
              ok && loaded.SameRadioData(codeplug)))
        return false;
    CliIo::Out() << "\n"
                 << CodeplugReport::Text(loaded, TextContext{true, QLatin1Char('.')})
                 << "Band: " << loaded.BandLower << "-" << loaded.BandUpper << " MHz\n\n";
    return Step(QStringLiteral("shown"), true);
}

bool Demo::JsonRoundTrip() {
    const QByteArray json = CodeplugJson::Export(codeplug);
    const bool written = CliIo::WriteText(Path("sample.json"), json);
    Codeplug fromJson = CliIo::NewCodeplug();
    QString error;
    const bool imported = CodeplugJson::Import(json, fromJson, error);
    if (!Step(QStringLiteral("exported to %1 and imported again").arg(Path("sample.json")),
              written && imported))
        return false;
    const bool copied = CliIo::SaveCodeplug(Path("sample-from-json.rdat"), fromJson);
    QFile a(Path("sample.rdat"));
    QFile b(Path("sample-from-json.rdat"));
    const bool same = copied && a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) &&
                      a.readAll() == b.readAll();
    if (!Step(QStringLiteral("file rebuilt from json is byte for byte the same"), same))
        return false;
    CliIo::Out() << "\nChannel plan as csv:\n" << ChannelCsv::Export(codeplug);
    return true;
}

int Demo::Run() {
    CliIo::Out() << "ZR40 demo in " << folder << "\n";
    const bool ok = BuildPlan() && SaveAndCheck() && ShowBack() && JsonRoundTrip();
    CliIo::Out() << (ok ? "Demo finished.\n" : "Demo failed.\n");
    CliIo::Out().flush();
    return ok ? kExitOk : kExitFailed;
}

} // namespace

int DemoCommand::Run(const QStringList& arguments) {
    CommandLine line(QStringLiteral("demo"),
                     QStringLiteral("Builds a sample UHF codeplug with analog and digital "
                                    "channels in a temporary folder, saves it, reads and shows "
                                    "it, and round-trips it through json."));
    line.AddOption({"keep", "Keep the temporary folder and its files."});
    if (!line.Parse(arguments, 0, 0))
        return line.exitCode;
    QTemporaryDir dir;
    if (!dir.isValid())
        return CliIo::FileError(dir.path(), QStringLiteral("no temporary folder (") +
                                                dir.errorString() + QStringLiteral(")"));
    dir.setAutoRemove(!line.IsSet(QStringLiteral("keep")));
    const int code = Demo(dir.path()).Run();
    if (dir.autoRemove())
        CliIo::Out() << "(The folder is removed again; run 'zr40 demo --keep' to keep it.)\n";
    return code;
}

} // namespace zr40
