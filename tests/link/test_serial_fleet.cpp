// A fleet session and a verified write end to end: the zr40 command in one process against
// zr40-sim --fleet in another on a pseudo-terminal, each radio's memory in a file of its own.

#include "link/fleet_ids.h"
#include "review/fleet_record.h"
#include "test_serial_sim.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace zr40;
using namespace zr40::test;

class TestSerialFleet : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Three radios with memories of their own, behind `faults`; zr40 fleet gives them
    // 1001..1003 (`extra` options added). Checks what every radio and its backup should hold
    // whatever its result; the log's results, or nothing when a check failed.
    QStringList RunFleet(const QStringList& faults, const QStringList& extra, CliRun& run) {
        QStringList old;
        for (int k = 1; k <= 3; ++k) {
            const QString file = Path(QStringLiteral("radio-%1.rdat").arg(k));
            if (!WriteRdat(file, DistinctCodeplug(k)))
                return {};
            old << FileBytes(file);
        }
        SimProcess sim;
        const Codeplug plan = DistinctCodeplug(40);
        const QString log = Path("fleet.csv");
        QFile::remove(log);
        if (!WriteRdat(Path("plan.rdat"), plan) ||
            !sim.Start(QStringList{"--fleet", "3", "--memory", Path("radio.rdat"), "--password",
                                   "42", "--no-pace"} +
                       faults))
            return {};
        run = RunCli(QStringList{"fleet", Path("plan.rdat"), "--port", sim.device(), "--password",
                                 "42", "--ids", "1001-1003", "--log", log} +
                     extra);
        QStringList lines = QString::fromUtf8(FileBytes(log)).split('\n');
        if (lines.size() != 5 || lines.takeFirst() != FleetRecord::kHeader ||
            !lines.last().isEmpty())
            return {};
        QStringList results;
        for (int k = 1; k <= 3; ++k) {
            // time,radio,local_id,previous_local_id,result,backup,seconds
            const QStringList f = lines[k - 1].split(',');
            Codeplug radio;
            if (f.size() != 7 || f[1] != QString::number(k) || f[2] != QString::number(1000 + k) ||
                f[3] != FleetIds::IdText(0x800000 + k) || f[4].isEmpty() ||
                !f[5].endsWith(QStringLiteral("_id-%1.rdat").arg(1000 + k)) ||
                FileBytes(f[5]) != old[k - 1] || f[6].toDouble() <= 0 ||
                !RadioDataFile::ReadFromFile(Path(QStringLiteral("radio-%1.rdat").arg(k)), radio)
                     .ok() ||
                radio.LocalID != 0x1000 + k || radio.TxFreq != plan.TxFreq)
                return {};
            results << f[4];
        }
        return results;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }

    // Each radio backed up as it was, written with its own ID, read back and logged; with
    // --no-verify the virtual radios still come and go.
    void threeRadiosEachWithItsId_data() {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("result");
        QTest::newRow("verified") << QStringList{} << "verified";
        QTest::newRow("no read-back") << QStringList{"--no-verify"} << "written";
    }
    void threeRadiosEachWithItsId() {
        QFETCH(QStringList, extra);
        QFETCH(QString, result);
        CliRun run;
        QCOMPARE(RunFleet({}, extra, run), QStringList(3, result));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.err.contains(QString::fromUtf8("Connect radio 2 of 3 — ID 1002")));
    }

    // The second radio stores one channel wrongly: it is logged and named, the session goes on,
    // and the command fails.
    void corruptingSecondRadio() {
        CliRun run;
        QCOMPARE(RunFleet({"--corrupt-write", "1", "--fault-radio", "2"}, {}, run),
                 QStringList({"verified", "differences", "verified"}));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QRegularExpression("ID 1002: Differences\n  Channel 1 +Rx "
                                                     "Frequency")),
                 qPrintable(run.err));
    }

    // Ctrl+C in the middle of the second radio's write lets that radio finish and ends the
    // session; a second Ctrl+C cuts the write short and the radio is logged incomplete.
    void ctrlCStopsTheSession_data() {
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("second");
        QTest::newRow("once") << 1 << "verified";
        QTest::newRow("twice") << 2 << "incomplete";
    }
    void ctrlCStopsTheSession() {
        QFETCH(int, presses);
        QFETCH(QString, second);
        QVERIFY(WriteRdat(Path("plan.rdat"), DistinctCodeplug(40)));
        SimProcess sim;
        QVERIFY(sim.Start(
            {"--fleet", "3", "--memory", Path("ctrl.rdat"), "--no-pace", "--delay", "10"}));
        const QString log = Path("ctrl.csv");
        QFile::remove(log);
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), CliDataHome());
        cli.setProcessEnvironment(environment);
        cli.start(CliProgram(), {"fleet", Path("plan.rdat"), "--port", sim.device(), "--ids",
                                 "1001-1003", "--log", log, "--trace"});
        int ended = 0;  // writes of the session that came to their end
        int writes = 0; // channel writes after the first radio's end of write
        bool pressed = false;
        while (cli.state() != QProcess::NotRunning && cli.waitForReadyRead(60000)) {
            while (cli.canReadLine()) {
                const QByteArray line = cli.readLine();
                ended += line.startsWith("TX:55 1 5 ") ? 1 : 0;
                writes += ended == 1 && line.startsWith("TX:55 1 3 4 ") ? 1 : 0;
            }
            if (writes < 5 || std::exchange(pressed, true))
                continue;
            for (int k = 0; k < presses; ++k) {
                ::kill(pid_t(cli.processId()), SIGINT);
                QThread::msleep(200); // two presses, not one signal the program reads twice
            }
        }
        QVERIFY(cli.state() == QProcess::NotRunning || cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 1);
        const QStringList lines = QString::fromUtf8(FileBytes(log)).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[1].section(',', 4, 4), QStringLiteral("verified"));
        QCOMPARE(lines[2].section(',', 4, 4), second);
    }

    // The log cannot take the first radio's line (a full disk, here a file-size limit): that is
    // said and the session stops before the next radio is touched.
    void logThatCannotBeWrittenStops() {
        const rlim_t limit = RadioDataFile::kFileSize + 256; // room for a backup, not the log
        QByteArray filled = QByteArray(FleetRecord::kHeader) + '\n';
        filled += QByteArray(qsizetype(limit) - filled.size() - 40, 'x') + '\n';
        QVERIFY(WriteFile(Path("full.csv"), filled));
        QVERIFY(WriteRdat(Path("plan.rdat"), DistinctCodeplug(40)));
        SimProcess sim;
        QVERIFY(sim.Start({"--fleet", "2", "--memory", Path("full.rdat"), "--no-pace"}));
        QProcess cli;
        cli.setChildProcessModifier([limit] {
            const rlimit size{limit, limit};
            setrlimit(RLIMIT_FSIZE, &size);
        });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), CliDataHome());
        cli.setProcessEnvironment(environment);
        cli.start(CliProgram(), {"fleet", Path("plan.rdat"), "--port", sim.device(), "--ids",
                                 "1001-1002", "--log", Path("full.csv")});
        QVERIFY(cli.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(said.contains("cannot be written (File too large). The session stops."),
                 qPrintable(said));
        QVERIFY(!said.contains("Connect radio 2"));
        QCOMPARE(FileBytes(Path("full.csv")), filled);
        QVERIFY(!QFileInfo::exists(Path("full-2.rdat")));
    }

    // zr40 write --verify on one radio: "Verified", or the channel that reads back otherwise
    // with the way back to the radio as it was.
    void writeVerify_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        QTest::newRow("good radio") << QStringList{} << 0 << "Write Data OK\nVerified\n";
        QTest::newRow("corrupting radio")
            << QStringList{"--corrupt-write", "1"} << 1
            << "The radio reads back otherwise than it was written:\n  Channel 1  Rx Frequency";
    }
    void writeVerify() {
        QFETCH(QStringList, faults);
        QFETCH(int, code);
        QFETCH(QString, said);
        QVERIFY(WriteRdat(Path("one.rdat"), DistinctCodeplug(1)));
        QVERIFY(WriteRdat(Path("plan.rdat"), DistinctCodeplug(40)));
        SimProcess sim;
        QVERIFY(sim.Start(QStringList{"--memory", Path("one.rdat"), "--no-pace"} + faults));
        const CliRun run = RunCli(
            {"write", "--port", sim.device(), "--verify", "--local-id", "a0f", Path("plan.rdat")});
        QVERIFY2(run.exitCode == code && run.err.contains(said), qPrintable(run.err));
        QCOMPARE(run.err.contains("To write it back into the radio, run:"), code != 0);
        Codeplug radio;
        QVERIFY(RadioDataFile::ReadFromFile(Path("one.rdat"), radio).ok());
        QCOMPARE(radio.LocalID, 0xA0F);
        Codeplug plan; // the file is left as it is
        QVERIFY(RadioDataFile::ReadFromFile(Path("plan.rdat"), plan).ok());
        QCOMPARE(plan.LocalID, DistinctCodeplug(40).LocalID);
    }

    // Refused before any port is opened: IDs outside the page's range, no IDs, no log.
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("local ID past the top") << QStringList{"write", "--local-id", "800000"};
        QTest::newRow("local ID negative") << QStringList{"write", "--local-id", "-1"};
        QTest::newRow("local ID with 0x") << QStringList{"write", "--local-id", "0x10"};
        QTest::newRow("local ID a word") << QStringList{"write", "--local-id", "radio"};
        QTest::newRow("fleet without IDs") << QStringList{"fleet", "--log", "x.csv"};
        QTest::newRow("fleet with both")
            << QStringList{"fleet", "--log", "x.csv", "--ids", "1-2", "--id-list", "ids.txt"};
        QTest::newRow("fleet range backwards")
            << QStringList{"fleet", "--log", "x.csv", "--ids", "9-1"};
        QTest::newRow("fleet without log") << QStringList{"fleet", "--ids", "1-2"};
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QVERIFY(WriteRdat(Path("plan.rdat"), DistinctCodeplug(40)));
        const CliRun run =
            RunCli(arguments + QStringList{"--port", "/dev/zr40-none", Path("plan.rdat")});
        QVERIFY2(run.exitCode == 2, qPrintable(run.err));
        QVERIFY(!QFileInfo::exists("x.csv"));
    }
};

QTEST_GUILESS_MAIN(TestSerialFleet)
#include "test_serial_fleet.moc"
