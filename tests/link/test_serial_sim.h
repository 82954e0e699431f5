#pragma once

// Helpers for tests that run the virtual radio in its own process on a pseudo-terminal and
// talk to it through a real serial port, as the programming software does with a radio.

#include "codeplug/codeplug.h"
#include "codeplug/radio_data_file.h"
#include "zr40_support.h"

#include <QProcess>

namespace zr40::test {

inline QString SimProgram() {
    return QStringLiteral(ZR40_BINARY_DIR "/zr40-sim");
}

// zr40-sim as a child process. The device path is the first line it prints.
class SimProcess {
public:
    ~SimProcess() { Stop(); }

    bool Start(const QStringList& arguments) {
        process.setProgram(SimProgram());
        process.setArguments(arguments);
        process.start();
        if (!process.waitForStarted(10000))
            return false;
        while (!process.canReadLine()) {
            if (process.state() != QProcess::Running || !process.waitForReadyRead(10000))
                return false;
        }
        device_ = QString::fromLocal8Bit(process.readLine()).trimmed();
        return device_.startsWith(QLatin1Char('/'));
    }
    QString device() const { return device_; }

    // SIGTERM, then the exit code (-1 when it had to be killed).
    int Stop() {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(10000)) {
                process.kill();
                process.waitForFinished(10000);
                return -1;
            }
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcess process;

private:
    QString device_;
};

// A codeplug as the zr40 command starts from, with the values a radio would hold set apart
// from the defaults by `seed`. Quiet levels are 0 because a write always sends 0 for them.
inline Codeplug DistinctCodeplug(int seed) {
    Codeplug c;
    c.ApplyStartupDefaults();
    c.ResetApplicationState();
    c.ApplyNewDefaults();
    c.HeaderCount3 = 1;
    c.LocalID = 0x800000 + seed;
    c.VoxLevel = seed % 10;
    c.OptionTOT = 3 + seed % 5;
    c.ReservedList[5] = 0x11AA55 + seed; // bytes that need stuffing on the wire
    for (int n = 0; n < Codeplug::kChannels; ++n) {
        c.RxFreq[n] = 400012500 + 25000 * n + 1000 * seed;
        c.TxFreq[n] = 410012500 + 25000 * n + 1000 * seed;
        c.RxCtcss[n] = n % 2 ? 885 : -1;
        c.ChannelType[n] = (n + seed) % 2;
        c.QuiteLevel[n] = 0;
        c.CallTypeTxID[n] = 0x55AA11 + n;
        c.SetRxKeyWords(n, Codeplug::PackKey(QStringLiteral("1234567890ABCDEF%1").arg(n + 1)));
        c.RxKeyEnable[n] = 1;
        c.DeriveKeyLengths(n);
    }
    for (int e = 0; e < Codeplug::kRxLists * Codeplug::kRxListEntries; ++e)
        c.RxListEntry[e] = e % 3 ? 0x800000 + e * 7 + seed : -1;
    return c;
}

inline bool WriteRdat(const QString& path, const Codeplug& codeplug) {
    return RadioDataFile::WriteToFile(path, codeplug).ok();
}

// The runner and file reader under the names the page tests use, output as text.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    bool finished = false;
};

inline CliRun RunCli(const QStringList& arguments, int timeoutMs = 60000) {
    const Run run = Zr40(arguments, timeoutMs);
    return {run.exitCode, QString::fromLocal8Bit(run.out), QString::fromLocal8Bit(run.err),
            run.finished};
}

inline QByteArray FileBytes(const QString& path) {
    return ReadFile(path);
}

} // namespace zr40::test
