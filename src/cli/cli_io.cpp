#include "cli_io.h"

#include "codeplug/file_reader.h"
#include "codeplug/file_writer.h"
#include "codeplug/model_band.h"
#include "codeplug/radio_data_file.h"
#include "codeplug/text_catalogue.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cerrno>
#include <cstdio>
#include <cstring>

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
    Err() << "zr40: " << Shown(path) << ": " << reason << "\n";
    Err().flush();
    return kExitFailed;
}

namespace {
bool messagesInEnglish = true;
} // namespace

void CliIo::UseLanguage(bool english) {
    messagesInEnglish = english;
    if (english)
        QCoreApplication::removeTranslator(&TextCatalogue::Translator());
    else
        QCoreApplication::installTranslator(&TextCatalogue::Translator());
}

int CliIo::FileError(const FileResult& result) {
    Err() << "zr40: " << result.Message(messagesInEnglish) << "\n";
    Err().flush();
    return kExitFailed;
}

QString CliIo::Shown(const QString& path) {
    return FilePath(path).Text();
}

void CliIo::Warning(const QString& message) {
    Err() << "warning: " << message << "\n";
    Err().flush();
}

bool CliIo::LoadCodeplug(const QString& path, Codeplug& codeplug) {
    const FileResult result = RadioDataFile::ReadFromFile(path, codeplug);
    if (!result.ok())
        FileError(result);
    return result.ok();
}

bool CliIo::LoadExact(const QString& path, Codeplug& codeplug) {
    const FileResult result =
        RadioDataFile::ReadFromFile(path, codeplug, RadioDataFile::KeyLengths::AsStored);
    if (!result.ok())
        FileError(result);
    return result.ok();
}

bool CliIo::SaveCodeplug(const QString& path, const Codeplug& codeplug) {
    const FileResult result = RadioDataFile::WriteToFile(path, codeplug);
    if (!result.ok())
        FileError(result);
    return result.ok();
}

bool CliIo::ReadText(const QString& path, QByteArray& bytes) {
    const FileResult result = FileReader::Read(path, kTextLimit, FileReader::Beyond::Refuse, bytes);
    if (!result.ok())
        FileError(result);
    return result.ok();
}

bool CliIo::WriteText(const QString& path, const QByteArray& bytes) {
    if (!path.isEmpty() && path != QStringLiteral("-")) {
        const FileResult result = FileWriter::Write(path, bytes);
        if (!result.ok())
            FileError(result);
        return result.ok();
    }
    Out().flush();
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
        std::fflush(stdout) == 0)
        return true;
    FileError(QStringLiteral("standard output"), QString::fromLocal8Bit(std::strerror(errno)));
    std::clearerr(stdout); // said once
    return false;
}

int CliIo::FinishOutput(int code) {
    Out().flush();
    QString reason;
    if (Out().status() != QTextStream::Ok)
        reason = Out().device() ? Out().device()->errorString() : QString();
    else if (std::fflush(stdout) != 0 || std::ferror(stdout))
        reason = QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
    else
        return code;
    FileError(QStringLiteral("standard output"),
              reason.isEmpty() ? QString::fromLocal8Bit(std::strerror(EIO)) : reason);
    return kExitFailed;
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
