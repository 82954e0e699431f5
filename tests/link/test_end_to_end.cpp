// The zr40 command against the virtual radio on a pseudo-terminal: whole reads and writes over a
// real serial port, and the ways a transfer can fail.

#include "test_serial_sim.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

using namespace zr40;
using namespace zr40::test;

class TestEndToEnd : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
        QVERIFY2(QFileInfo::exists(CliProgram()), "zr40 must be built");
    }

    void readThenWriteTheRadiosMemory() {
        QVERIFY(WriteRdat(Path("radio.rdat"), DistinctCodeplug(1)));
        QVERIFY(WriteRdat(Path("new.rdat"), DistinctCodeplug(2)));
        const QByteArray before = FileBytes(Path("radio.rdat"));
        QVERIFY(before != FileBytes(Path("new.rdat")));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("radio.rdat"), "--password", "123456"}));
        CliRun run = RunCli({"read", "--port", sim.device(), "--password", "123456", "--trace",
                             "-o", Path("read.rdat")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.err.contains("Read Data OK"));
        // A pseudo-terminal has no latency setting: the trace says so before the first frame.
        QVERIFY(run.out.startsWith("Low latency: refused by the driver of " + sim.device()));
        QVERIFY(run.out.section('\n', 1, 1) == "TX:55 1 1 0 0 2 AA ");
        QVERIFY(run.out.contains("\nRX:55 2 1 0 0 1 0 0 0 "));
        QVERIFY(run.out.contains("Calculate CheckSum="));
        QCOMPARE(FileBytes(Path("read.rdat")), before);
        run = RunCli({"write", "--port", sim.device(), "--password", "123456", Path("new.rdat")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.err.contains("Write Data OK"));
        QCOMPARE(FileBytes(Path("radio.rdat")), FileBytes(Path("new.rdat")));
    }

    void wrongPasswordFailsAndWritesNoFile() {
        SimProcess sim;
        QVERIFY(sim.Start({"--password", "4321"}));
        const CliRun run = RunCli(
            {"read", "--port", sim.device(), "--password", "1234", "-o", Path("never.rdat")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("Password Failure!"), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(Path("never.rdat")));
    }

    void newPasswordIsNeededAfterwards() {
        QVERIFY(WriteRdat(Path("pw.rdat"), DistinctCodeplug(4)));
        SimProcess sim;
        QVERIFY(sim.Start({"--password", "4321", "--no-pace"}));
        const QString port = sim.device();
        CliRun run = RunCli({"write", "--port", port, "--password", "4321", "--new-password", "777",
                             Path("pw.rdat")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(
            RunCli({"read", "--port", port, "--password", "4321", "-o", Path("pw1.rdat")}).exitCode,
            1);
        run = RunCli(
            {"write", "--port", port, "--password", "0777", "--no-password", Path("pw.rdat")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        run = RunCli({"read", "--port", port, "-o", Path("pw3.rdat")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    }

    // The radio goes away in the middle of a read: the command ends at once with the port's
    // failure, not after a round of time-outs and a question nobody can answer.
    void pulledCableEndsTheTransfer() {
        SimProcess sim;
        QVERIFY(sim.Start({"--close-after", "5"}));
        const CliRun run = RunCli({"read", "--port", sim.device(), "-o", Path("cut.rdat")});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("serial port was lost"), qPrintable(run.err));
        QVERIFY(!run.err.contains("Retry or cancel"));
        QVERIFY(!QFileInfo::exists(Path("cut.rdat")));
    }

    void missingDeviceIsNamed() {
        const CliRun run =
            RunCli({"read", "--port", "/dev/zr40-no-such-port", "-o", Path("none.rdat")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("There is no port /dev/zr40-no-such-port"), qPrintable(run.err));
        QCOMPARE(RunCli({"ports"}).exitCode, 0);
    }

    void wrongModelReportsTheVersion() {
        SimProcess sim;
        QVERIFY(sim.Start({"--data-version", "3"}));
        const CliRun run = RunCli({"read", "--port", sim.device(), "-o", Path("model.rdat")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("data version 3"), qPrintable(run.err));
    }

    // Eleven bad replies bring the question; without a terminal the answer is cancel.
    void retryQuestionWithoutTerminalCancels() {
        SimProcess sim;
        QVERIFY(sim.Start({"--bad-checksum", "11"}));
        const CliRun run = RunCli({"read", "--port", sim.device(), "-o", Path("retry.rdat")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("Check connection!Retry or cancel?"), qPrintable(run.err));
        QVERIFY(run.err.contains("cancelled"));
        // The radio answers properly again: a new command reads it.
        const CliRun again = RunCli({"read", "--port", sim.device(), "-o", Path("retry.rdat")});
        QVERIFY2(again.exitCode == 0, qPrintable(again.err));
    }

    // With a person at the terminal the question is asked there and "r" goes on; the progress
    // bar is drawn on the terminal too.
    void retryQuestionOnATerminal() {
        SimProcess sim;
        QVERIFY(sim.Start({"--bad-checksum", "11", "--no-pace"}));
        int master = -1, slave = -1;
        char name[256] = {};
        QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);
        QVERIFY(::write(master, "r\n", 2) == 2); // typed ahead; read when the question comes
        QProcess cli;
        cli.setStandardInputFile(QString::fromLocal8Bit(name));
        cli.setStandardErrorFile(QString::fromLocal8Bit(name));
        cli.start(CliProgram(), {"read", "--port", sim.device(), "-o", Path("tty.rdat")});
        const bool finished = cli.waitForFinished(60000);
        if (!finished)
            cli.kill();
        QByteArray screen;
        fcntl(master, F_SETFL, O_NONBLOCK);
        char chunk[4096];
        for (ssize_t n; (n = ::read(master, chunk, sizeof chunk)) > 0;)
            screen.append(chunk, n);
        ::close(master);
        ::close(slave);
        QVERIFY(finished);
        QVERIFY2(cli.exitCode() == 0, screen.constData());
        QVERIFY(screen.contains("Check connection!Retry or cancel? [r]etry/[c]ancel:"));
        QVERIFY(screen.contains("] 100%"));
        QVERIFY(screen.contains("Read Data OK"));
        QVERIFY(QFileInfo::exists(Path("tty.rdat")));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no port") << QStringList{"read", "-o", "x.rdat"};
        QTest::newRow("letters in password")
            << QStringList{"read", "--port", "ttyS0", "--password", "12a", "-o", "x.rdat"};
        QTest::newRow("both password choices") << QStringList{
            "write", "--port", "ttyS0", "--new-password", "1", "--no-password", "x.rdat"};
        QTest::newRow("no file") << QStringList{"write", "--port", "ttyS0"};
        QTest::newRow("language") << QStringList{"read", "--port", "ttyS0", "--lang",
                                                 "fr",   "-o",     "x.rdat"};
    }
    void usageErrors() {
        QFETCH(QStringList, arguments);
        const CliRun run = RunCli(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFileInfo::exists("x.rdat"));
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"
