// The zr40 command's check, backups and comparison against the virtual radio on a
// pseudo-terminal: what a write refuses, what it keeps before it writes, what diff says.

#include "test_serial_sim.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestReviewCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    static QStringList Backups(const QString& kind) {
        return QDir(CliBackupFolder())
            .entryList({QStringLiteral("*_%1.rdat").arg(kind)}, QDir::Files, QDir::Name);
    }
    static QByteArray Backup(const QString& kind) {
        const QStringList names = Backups(kind);
        return names.size() == 1 ? FileBytes(QDir(CliBackupFolder()).filePath(names[0]))
                                 : QByteArray();
    }
    // The radio's memory with `plan` as the file to write.
    bool Prepare(SimProcess& sim, int radioSeed, const Codeplug& plan,
                 const QStringList& simArguments = {}) {
        return WriteRdat(Path("radio.rdat"), DistinctCodeplug(radioSeed)) &&
               WriteRdat(Path("plan.rdat"), plan) &&
               sim.Start(QStringList{"--memory", Path("radio.rdat"), "--no-pace"} + simArguments);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
        QVERIFY2(QFileInfo::exists(CliProgram()), "zr40 must be built");
    }
    void init() { QDir(CliBackupFolder()).removeRecursively(); }

    void writeKeepsTheRadioAsItWas() {
        SimProcess sim;
        QVERIFY(Prepare(sim, 1, DistinctCodeplug(2), {"--password", "42"}));
        const QByteArray before = FileBytes(Path("radio.rdat"));
        const CliRun run =
            RunCli({"write", "--port", sim.device(), "--password", "42", Path("plan.rdat")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.err.contains("Write Data OK"));
        QCOMPARE(Backup("before-write"), before);
        QVERIFY(run.err.contains("Backup: " + CliBackupFolder()));
        QVERIFY(run.out.contains(QRegularExpression("\nChannel 32 +Rx Frequency ")));
        QCOMPARE(FileBytes(Path("radio.rdat")), FileBytes(Path("plan.rdat")));
        // The radio holds the plan now: nothing to write (diff agrees: the diff table).
        const CliRun again =
            RunCli({"write", "--port", sim.device(), "--password", "42", Path("plan.rdat")});
        QCOMPARE(again.exitCode, 0);
        QVERIFY(again.err.contains("nothing was written"));
        QCOMPARE(Backups("before-write").size(), 2);
    }

    void readKeepsWhatItRead() {
        SimProcess sim;
        QVERIFY(Prepare(sim, 3, DistinctCodeplug(3)));
        CliRun run = RunCli({"read", "--port", sim.device(), "-o", Path("read.rdat")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(Backup("read"), FileBytes(Path("read.rdat")));
        run = RunCli({"read", "--port", sim.device(), "--no-backup", "-o", Path("read2.rdat")});
        QCOMPARE(run.exitCode, 0);
        run = RunCli({"write", "--port", sim.device(), "--no-backup", Path("plan.rdat")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(Backups("read").size(), 1);
        QVERIFY(Backups("before-write").isEmpty());
        run = RunCli({"backups"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QRegularExpression("Read +32 channels")));
    }

    // A plan made for another band is refused with its channel named; --force writes it.
    void errorsStopTheWriteUnlessForced() {
        Codeplug plan = DistinctCodeplug(5);
        plan.RxFreq[6] = 146000000;
        SimProcess sim;
        QVERIFY(Prepare(sim, 4, plan));
        const QByteArray before = FileBytes(Path("radio.rdat"));
        const QStringList write = {"write", "--port", sim.device(), "--band", "400-480"};
        CliRun run = RunCli(write + QStringList{Path("plan.rdat")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("Channel 7  Receive frequency 146.00000 is outside the band "
                                  "400 to 480 MHz."),
                 qPrintable(run.err));
        QCOMPARE(FileBytes(Path("radio.rdat")), before);
        QVERIFY(Backups("before-write").isEmpty()); // refused before the radio was touched
        QCOMPARE(RunCli({"check", Path("plan.rdat"), "--band", "400-480"}).exitCode, 1);
        QCOMPARE(RunCli({"check", Path("plan.rdat")}).exitCode, 0); // start-up band 100-550
        run = RunCli(write + QStringList{"--force", Path("plan.rdat")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(FileBytes(Path("radio.rdat")), FileBytes(Path("plan.rdat")));
    }

    void diffExitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output");
        QTest::newRow("same files") << QStringList{"a.rdat", "a.rdat"} << 0 << "No differences.";
        QTest::newRow("different files")
            << QStringList{"a.rdat", "b.rdat"} << 1 << "Function Setup  Local ID (0~7FFFFF)";
        QTest::newRow("chinese") << QStringList{"a.rdat", "b.rdat", "--lang", "zh"} << 1
                                 << "功能设定";
        QTest::newRow("missing file") << QStringList{"a.rdat", "none.rdat"} << 2 << "";
        QTest::newRow("one file") << QStringList{"a.rdat"} << 2 << "";
        QTest::newRow("radio holds a")
            << QStringList{"--port", "SIM", "--password", "1234", "a.rdat"} << 0
            << "No differences.";
        QTest::newRow("radio and b")
            << QStringList{"--port", "SIM", "--password", "1234", "b.rdat"} << 1 << "Channel 1";
        QTest::newRow("wrong password")
            << QStringList{"--port", "SIM", "--password", "9", "a.rdat"} << 2 << "";
    }
    void diffExitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QVERIFY(WriteRdat(Path("a.rdat"), DistinctCodeplug(6)));
        QVERIFY(WriteRdat(Path("b.rdat"), DistinctCodeplug(7)));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("a.rdat"), "--password", "1234", "--no-pace"}));
        QStringList full{"diff"};
        for (const QString& argument : arguments)
            full << (argument.endsWith(".rdat") ? Path(argument)
                     : argument == "SIM"        ? sim.device()
                                                : argument);
        const CliRun run = RunCli(full);
        QTEST(run.exitCode, "code");
        QVERIFY2(run.out.contains(output), qPrintable(run.out));
    }
};

QTEST_GUILESS_MAIN(TestReviewCommands)
#include "test_review_commands.moc"
