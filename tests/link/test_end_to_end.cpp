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
        const QByteArray before = ReadFile(Path("radio.rdat"));
        QVERIFY(before != ReadFile(Path("new.rdat")));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("radio.rdat"), "--password", "123456"}));
        Run run = Zr40({"read", "--port", sim.device(), "--password", "123456", "--trace", "-o",
                        Path("read.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(run.err.contains("Read Data OK"));
        // A pseudo-terminal has no latency setting: the trace says so before the first frame.
        const QString trace = QString::fromLocal8Bit(run.out);
        QVERIFY(trace.startsWith("Low latency: refused by the driver of " + sim.device()));
        QCOMPARE(trace.section('\n', 1, 1), QStringLiteral("TX:55 1 1 0 0 2 AA "));
        QVERIFY(run.out.contains("\nRX:55 2 1 0 0 1 0 0 0 "));
        QVERIFY(run.out.contains("Calculate CheckSum="));
        QCOMPARE(ReadFile(Path("read.rdat")), before);
        run = Zr40({"write", "--port", sim.device(), "--password", "123456", Path("new.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(run.err.contains("Write Data OK"));
        QCOMPARE(ReadFile(Path("radio.rdat")), ReadFile(Path("new.rdat")));
    }

    void newPasswordIsNeededAfterwards() {
        QVERIFY(WriteRdat(Path("pw.rdat"), DistinctCodeplug(4)));
        SimProcess sim;
        QVERIFY(sim.Start({"--password", "4321", "--no-pace"}));
        const QString port = sim.device();
        Run run = Zr40({"write", "--port", port, "--password", "4321", "--new-password", "777",
                        Path("pw.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(
            Zr40({"read", "--port", port, "--password", "4321", "-o", Path("pw1.rdat")}).exitCode,
            1);
        run =
            Zr40({"write", "--port", port, "--password", "0777", "--no-password", Path("pw.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        run = Zr40({"read", "--port", port, "-o", Path("pw3.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
    }

    // Reads that fail end at once with the cause on stderr and no file; a pulled cable is not
    // left to a round of time-outs and a question nobody can answer.
    void failedReads_data() {
        QTest::addColumn<QStringList>("radio"); // the virtual radio's options; none: no radio
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("cause"); // DEVICE stands for the radio's device
        QTest::newRow("wrong password") << QStringList{"--password", "4321"}
                                        << QStringList{"--password", "1234"} << "Password Failure!";
        QTest::newRow("wrong model")
            << QStringList{"--data-version", "3"} << QStringList{} << "data version 3";
        QTest::newRow("pulled cable") << QStringList{"--close-after", "5"} << QStringList{}
                                      << "the serial port was lost: DEVICE\n";
        QTest::newRow("no such port")
            << QStringList{} << QStringList{"--port", "/dev/zr40-no-such-port"}
            << "There is no port /dev/zr40-no-such-port";
    }
    void failedReads() {
        QFETCH(QStringList, radio);
        QFETCH(QStringList, options);
        QFETCH(QString, cause);
        SimProcess sim;
        if (!radio.isEmpty()) {
            QVERIFY(sim.Start(radio));
            options << "--port" << sim.device();
        }
        const Run run = Zr40(QStringList{"read", "-o", Path("failed.rdat")} + options);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        cause.replace("DEVICE", sim.device());
        QVERIFY2(run.err.contains(cause.toUtf8()), run.err.constData());
        QVERIFY(!run.err.contains("Retry or cancel"));
        QVERIFY(!QFileInfo::exists(Path("failed.rdat")));
    }

    // Eleven bad replies bring the question; without a terminal the answer is cancel.
    void retryQuestionWithoutTerminalCancels() {
        SimProcess sim;
        QVERIFY(sim.Start({"--bad-checksum", "11"}));
        const Run run = Zr40({"read", "--port", sim.device(), "-o", Path("retry.rdat")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("Check connection!Retry or cancel?"), run.err.constData());
        QVERIFY(run.err.contains("cancelled"));
        // The radio answers properly again: a new command reads it.
        const Run again = Zr40({"read", "--port", sim.device(), "-o", Path("retry.rdat")});
        QVERIFY2(again.exitCode == 0, again.err.constData());
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

    void usageErrors() {
        for (const QStringList& arguments :
             {QStringList{"read", "-o", "x.rdat"}, // no port
              {"read", "--port", "ttyS0", "--password", "12a", "-o", "x.rdat"},
              {"write", "--port", "ttyS0", "--new-password", "1", "--no-password", "x.rdat"},
              {"write", "--port", "ttyS0"}, // no file
              {"read", "--port", "ttyS0", "--lang", "fr", "-o", "x.rdat"}})
            QCOMPARE(Zr40(arguments).exitCode, 2);
        QVERIFY(!QFileInfo::exists("x.rdat"));
        QCOMPARE(Zr40({"ports"}).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"
