#include "shell/virtual_radio_process.h"

#include "codeplug/text_context.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#if defined(__linux__)
#include <csignal>
#include <sys/prctl.h>
#endif

namespace zr40 {

namespace {

constexpr int kStartMs = 5000;
constexpr int kStopMs = 3000;
constexpr qsizetype kErrorTail = 2000;

} // namespace

VirtualRadioProcess::VirtualRadioProcess(QObject* parent)
    : QObject(parent), program_(InstalledProgram()) {
#if defined(__linux__)
    // The radio must not outlive the program, even one that crashed.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    connect(&process_, &QProcess::readyReadStandardError, this, [this] {
        errors_ += process_.readAllStandardError();
        if (errors_.size() > kErrorTail)
            errors_ = errors_.right(kErrorTail);
    });
}

VirtualRadioProcess::~VirtualRadioProcess() {
    Stop();
}

QString VirtualRadioProcess::InstalledProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zr40-sim"));
}

bool VirtualRadioProcess::Available() const {
    const QFileInfo info(program_);
    return info.isFile() && info.isExecutable();
}

QString VirtualRadioProcess::MemoryFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(folder).filePath(QStringLiteral("virtual-radio.rdat"));
}

QString VirtualRadioProcess::Caption(bool english) {
    return TextContext{english}.Tr("VirtualRadioProcess", "Virtual radio (demo)");
}

bool VirtualRadioProcess::Start(QString* error) {
    if (Running())
        return true;
    Stop();
    const QString memory = MemoryFile();
    if (!QDir().mkpath(QFileInfo(memory).absolutePath())) {
        *error = QFileInfo(memory).absolutePath();
        return false;
    }
    errors_.clear();
    // No password, so the transfer window's empty password box opens it.
    process_.start(program_, {QStringLiteral("--memory"), memory});
    if (!process_.waitForStarted(kStartMs)) {
        *error = process_.errorString();
        return false;
    }
    while (!process_.canReadLine()) {
        if (process_.state() != QProcess::Running || !process_.waitForReadyRead(kStartMs)) {
            process_.waitForFinished(kStopMs);
            errors_ += process_.readAllStandardError();
            *error = QString::fromLocal8Bit(errors_).trimmed();
            if (error->isEmpty())
                *error = process_.errorString();
            Stop();
            return false;
        }
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return true;
}

void VirtualRadioProcess::Stop() {
    device_.clear();
    if (process_.state() == QProcess::NotRunning)
        return;
    // zr40-sim saves its memory after every completed write, so SIGTERM loses nothing.
    process_.terminate();
    if (!process_.waitForFinished(kStopMs)) {
        process_.kill();
        process_.waitForFinished(kStopMs);
    }
}

} // namespace zr40
