// Transfers cut short, against the virtual radio in its own process on a pseudo-terminal: the
// cable pulled during the backup read, in the middle of the write and at its last frame, and
// Cancel in the middle of the write, in the transfer window and in zr40 write. Each says what
// the radio now holds, and the radio's memory file shows it; writing the before-write backup
// back puts the radio as it was. A radio that stores a channel wrongly is caught by the window's
// read-back and offered its backup the same way.

#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "link/ui/form_process.h"
#include "link/ui/write_changes_dialog.h"
#include "link/write_recovery.h"
#include "review/backup_store.h"
#include "shell/mdi_form_main.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <csignal>

using namespace zr40;
using namespace zr40::test;

namespace {

enum class Cut { BackupRead, MidWrite, LastFrame, Cancel, Corrupt };

const QString kPassword = QStringLiteral("2468");
const Codeplug kRadio = DistinctCodeplug(8);
const Codeplug kPlan = DistinctCodeplug(9);

// Requests of the backup read (identify, password, the tune blocks, the settings, channels and
// lists) and of the write that follows (identify, password, each block and its commit, the end).
int BackupReadRequests() {
    return 3 + kRadio.TunePointCount + 1 + kRadio.ChannelCount + kRadio.RxListCount;
}
int WriteRequests() {
    return 2 + 2 * (1 + kRadio.ChannelCount + kRadio.RxListCount) + 1;
}

QStringList SimArguments(const QString& memory, Cut cut) {
    QStringList arguments{"--memory", memory, "--password", kPassword, "--no-pace"};
    if (cut == Cut::Corrupt)
        return arguments + QStringList{"--corrupt-write", "1"};
    // Cancel needs time to come while the write runs.
    const int pullAt = cut == Cut::BackupRead  ? BackupReadRequests() / 2
                       : cut == Cut::MidWrite  ? BackupReadRequests() + WriteRequests() / 2
                       : cut == Cut::LastFrame ? BackupReadRequests() + WriteRequests() - 1
                                               : -1;
    if (pullAt < 0)
        return arguments + QStringList{"--delay", "10"};
    return arguments + QStringList{"--close-after", QString::number(pullAt)};
}

// What the transfer window said first, after answering the offer to write the backup back
// with `answer`.
void WriteInTheWindow(const QString& port, Cut cut, const QString& backups,
                      QMessageBox::StandardButton answer, QString& said) {
    ScriptedSeam seam;
    seam.AnswerMessage(answer);
    Codeplug plan = kPlan;
    plan.IsEnglish = true;
    plan.ComPortName = port;
    auto writing = std::make_shared<bool>(false);
    if (cut != Cut::BackupRead) // a watch left waiting would take the next test's table
        WhenModal<WriteChangesDialog>([writing](WriteChangesDialog* table) {
            *writing = true;
            table->findChild<QPushButton*>(QStringLiteral("CommandWrite"))->click();
        });
    FormProcess form(plan, {});
    form.SetBackupStore(BackupStore(backups));
    form.show();
    auto* cancel = form.findChild<QPushButton*>(QStringLiteral("CommandCancel"));
    if (cut == Cut::Cancel) {
        // Half way through the write: the bar starts again from 0 after the backup read.
        auto started = std::make_shared<bool>(false);
        QObject::connect(form.findChild<QProgressBar*>(), &QProgressBar::valueChanged, &form,
                         [=](int value) {
                             *started = *started || (*writing && value == 0);
                             if (*started && value >= 500 && std::exchange(*writing, false))
                                 QTimer::singleShot(0, cancel, &QPushButton::click);
                         });
    }
    form.findChild<QLineEdit*>(QStringLiteral("TextPassword"))->setText(kPassword);
    form.findChild<QPushButton*>(QStringLiteral("CommandWrite"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!seam.messages.isEmpty(), kHangGuardMs);
    auto* result = form.findChild<QLabel*>(QStringLiteral("TextShow"));
    if (answer == QMessageBox::Yes)
        QTRY_COMPARE_WITH_TIMEOUT(result->text(), QStringLiteral("Backup written back"),
                                  kHangGuardMs);
    QTRY_COMPARE(cancel->text(), QStringLiteral("&Close"));
    said = seam.messages.first().text;
}

// What zr40 write said on stderr; Cancel is Ctrl+C half way through the write's channels.
QString WriteWithTheCommand(const QString& port, Cut cut, const QString& plan) {
    QProcess cli;
    cli.setProcessEnvironment(CliEnvironment());
    cli.start(CliProgram(), {"write", "--port", port, "--password", kPassword, "--trace", plan});
    int channelsSent = 0;
    bool interrupted = false;
    while (cli.state() != QProcess::NotRunning && cli.waitForReadyRead(kHangGuardMs)) {
        while (cli.canReadLine())
            channelsSent += cli.readLine().startsWith("TX:55 1 3 4 ") ? 1 : 0;
        if (cut == Cut::Cancel && channelsSent >= kRadio.ChannelCount / 2 && !interrupted)
            interrupted = kill(pid_t(cli.processId()), SIGINT) == 0;
    }
    cli.waitForFinished(kHangGuardMs);
    return cli.exitCode() == 1 ? QString::fromLocal8Bit(cli.readAllStandardError()) : QString();
}

QStringList Files(const QString& folder) {
    QStringList paths;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        paths << QDir(folder).filePath(name);
    return paths;
}

} // namespace

class TestCutTransfers : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(WriteRdat(Path("plan.rdat"), kPlan));
    }

    void writeCutShort_data() {
        QTest::addColumn<bool>("window");
        QTest::addColumn<int>("cutCode");
        for (const bool window : {true, false}) {
            const char* where = window ? "window" : "zr40";
            QTest::addRow("%s: cable pulled in the backup read", where)
                << window << int(Cut::BackupRead);
            QTest::addRow("%s: cable pulled mid-write", where) << window << int(Cut::MidWrite);
            QTest::addRow("%s: cable pulled at the last frame", where)
                << window << int(Cut::LastFrame);
            QTest::addRow("%s: Cancel mid-write", where) << window << int(Cut::Cancel);
        }
        QTest::addRow("window: read back otherwise") << true << int(Cut::Corrupt);
    }
    void writeCutShort() {
        QFETCH(bool, window);
        QFETCH(int, cutCode);
        const Cut cut = Cut(cutCode);
        const QString memory = Path("radio.rdat");
        QVERIFY(WriteRdat(memory, kRadio));
        const QByteArray before = FileBytes(memory);
        const QString backups = window ? Path("backups") : CliBackupFolder();
        QDir(backups).removeRecursively();
        SimProcess sim;
        QVERIFY(sim.Start(SimArguments(memory, cut)));
        // The window writes the backup back at once where the radio is still there.
        const bool radioStays = cut == Cut::Cancel || cut == Cut::Corrupt;
        const auto answer = radioStays ? QMessageBox::Yes : QMessageBox::Ok;
        QString said;
        if (window)
            WriteInTheWindow(sim.device(), cut, backups, answer, said);
        else
            said = WriteWithTheCommand(sim.device(), cut, Path("plan.rdat"));
        if (!radioStays) // the cable was pulled
            QTRY_COMPARE_WITH_TIMEOUT(sim.process.state(), QProcess::NotRunning, kHangGuardMs);
        sim.Stop();
        const QStringList kept = Files(backups);
        if (cut == Cut::BackupRead) {
            QVERIFY2(said.contains(WriteRecovery::NothingWritten(true)) ||
                         said.contains("nothing was written"),
                     qPrintable(said));
            QVERIFY(kept.isEmpty());
            QCOMPARE(FileBytes(memory), before);
            return;
        }
        QCOMPARE(kept.size(), 1);
        QCOMPARE(FileBytes(kept[0]), before);
        if (cut == Cut::Corrupt) {
            QVERIFY2(said.startsWith(VerifiedWrite::DifferencesText(true) +
                                     "\nChannel 1  Rx Frequency") &&
                         said.contains(
                             WriteRecovery::BackupKept(QDir::toNativeSeparators(kept[0]), true)),
                     qPrintable(said));
            QCOMPARE(FileBytes(memory), before); // written back from the window
            return;
        }
        QVERIFY2(
            said.contains(WriteRecovery::Incomplete(true)) &&
                said.contains(WriteRecovery::BackupKept(QDir::toNativeSeparators(kept[0]), true)),
            qPrintable(said));
        const QByteArray after = FileBytes(memory);
        if (window && cut == Cut::Cancel) {
            QCOMPARE(after, before); // written back from the window
            return;
        }
        QCOMPARE(after == RadioDataFile::Serialize(kPlan), cut == Cut::LastFrame);
        QVERIFY(after != before);
        if (window)
            return;
        // The command line zr40 gives writes the backup back.
        const QString command = QStringLiteral("zr40 write --port %1 --password %2 --no-backup "
                                               "--force %3")
                                    .arg(sim.device(), kPassword, kept[0]);
        QVERIFY2(said.contains("\n  " + command + "\n"), qPrintable(said));
        SimProcess again;
        QVERIFY(again.Start({"--memory", memory, "--password", kPassword, "--no-pace"}));
        QStringList arguments = command.split(' ').mid(1);
        arguments[2] = again.device();
        QCOMPARE(Zr40(arguments).exitCode, 0);
        again.Stop();
        QCOMPARE(FileBytes(memory), before);
    }

    // A read cut short leaves the plan as it was: not half radio, half plan, and not modified.
    void readCutShortLeavesThePlan() {
        MainWindowRig rig;
        SimProcess sim;
        QVERIFY(WriteRdat(Path("radio.rdat"), kRadio));
        QVERIFY(sim.Start({"--memory", Path("radio.rdat"), "--no-pace", "--close-after", "20"}));
        rig.Window();
        rig.codeplug.ComPortName = sim.device();
        const QByteArray before = RadioDataFile::Serialize(rig.codeplug);
        RunNextTransfer("CommandRead");
        rig.Window().Transfers().ReadFromRadio();
        QCOMPARE(rig.seam.messages.size(), 1); // the port was lost
        QCOMPARE(RadioDataFile::Serialize(rig.codeplug), before);
        QVERIFY(!rig.Window().Files().IsModified());
        QVERIFY(!rig.Window().Edits().History().CanUndo());
    }
};

QTEST_MAIN(TestCutTransfers)
#include "test_cut_transfers.moc"
