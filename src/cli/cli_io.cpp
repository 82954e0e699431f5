#include "cli_io.h"

#include "codeplug/model_band.h"
#include "codeplug/radio_data_file.h"

#include <QFile>
#include <QSaveFile>

namespace zr40 {

QTextStream& CliIo::Out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& CliIo::Err() {
    static QTextStream stream(stderr);
    return stream;
}

int CliIo::UsageError(const QString& command, const QString& message) {
    Err() << "zr40 " << command << ": " << message << "\n"
          << "Try 'zr40 " << command << " --help'.\n";
    Err().flush();
    return kExitUsage;
}

int CliIo::FileError(const QString& path, const QString& reason) {
    Err() << "zr40: " << path << ": " << reason << "\n";
    Err().flush();
    return kExitFailed;
}

void CliIo::Warning(const QString& message) {
    Err() << "warning: " << message << "\n";
    Err().flush();
}

bool CliIo::LoadCodeplug(const QString& path, Codeplug& codeplug) {
    const FileResult result = RadioDataFile::ReadFromFile(path, codeplug);
    if (!result.ok())
        FileError(path, result.Message(true));
    return result.ok();
}

bool CliIo::LoadExact(const QString& path, Codeplug& codeplug) {
    const FileResult result =
        RadioDataFile::ReadFromFile(path, codeplug, RadioDataFile::KeyLengths::AsStored);
    if (!result.ok())
        FileError(path, result.Message(true));
    return result.ok();
}

bool CliIo::SaveCodeplug(const QString& path, const Codeplug& codeplug) {
    const FileResult result = RadioDataFile::WriteToFile(path, codeplug);
    if (!result.ok())
        FileError(path, result.Message(true));
    return result.ok();
}

bool CliIo::ReadText(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        FileError(path,
                  QStringLiteral("cannot be opened (") + file.errorString() + QStringLiteral(")"));
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool CliIo::WriteText(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty() || path == QStringLiteral("-")) {
        Out().flush();
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return false;
        return out.write(bytes) == bytes.size();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        FileError(path,
                  QStringLiteral("cannot be written (") + file.errorString() + QStringLiteral(")"));
        return false;
    }
    return true;
}

Codeplug CliIo::NewCodeplug() {
    Codeplug codeplug;
    codeplug.ApplyStartupDefaults();
    codeplug.ResetApplicationState();
    codeplug.ApplyNewDefaults();
    return codeplug;
}

bool CliIo::ApplyBand(const QString& band, Codeplug& codeplug) {
    const auto limits = ModelBand::LimitsFromAreaText(band);
    if (!limits || limits->lower >= limits->upper)
        return false;
    codeplug.BandLower = static_cast<std::int16_t>(limits->lower);
    codeplug.BandUpper = codeplug.BandUpperTx = static_cast<std::int16_t>(limits->upper);
    return true;
}

} // namespace zr40
