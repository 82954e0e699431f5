#pragma once

// Files and runs of the built zr40 command, for the tests of every area.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

namespace zr40::test {

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString CliProgram() {
    return QStringLiteral(ZR40_BINARY_DIR "/zr40");
}

// The zr40 command keeps its backups below XDG_DATA_HOME: the runs of a test program share a
// data folder of their own, never the user's.
inline QString CliDataHome() {
    static QTemporaryDir dir;
    return dir.path();
}
inline QString CliBackupFolder() {
    return CliDataHome() + QStringLiteral("/NQ/ZR40/backups");
}
// Its settings (the band last chosen) are read below XDG_CONFIG_HOME: a folder of the test's own,
// without settings unless a test writes them there.
inline QString CliConfigHome() {
    static QTemporaryDir dir;
    return dir.path();
}
inline QString CliSettingsFile() {
    return CliConfigHome() + QStringLiteral("/NQ/ZR40.ini");
}
inline QProcessEnvironment CliEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), CliDataHome());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), CliConfigHome());
    return environment;
}

struct Run {
    int exitCode = -1; // -1 when it crashed or had to be killed
    QByteArray out;
    QByteArray err;
    bool finished = false;
};

// Runs the zr40 command without a terminal (its questions answer themselves) and waits for it.
inline Run Zr40(const QStringList& arguments, int timeoutMs = 60000) {
    QProcess cli;
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.setProcessEnvironment(CliEnvironment());
    cli.start(CliProgram(), arguments);
    Run run;
    run.finished = cli.waitForStarted(10000) && cli.waitForFinished(timeoutMs);
    if (!run.finished) {
        cli.kill();
        cli.waitForFinished(10000);
    }
    run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.out = cli.readAllStandardOutput();
    run.err = cli.readAllStandardError();
    return run;
}

} // namespace zr40::test
