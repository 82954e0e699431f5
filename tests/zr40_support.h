#pragma once

// Files and runs of the built zr40 command, for the tests of every area.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>

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
