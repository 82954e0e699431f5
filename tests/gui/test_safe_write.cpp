// The steps of the transfer window before it writes the main window's plan, against a virtual
// radio in its own process on a pseudo-terminal: the check, the before-write backup and the
// list of what will change.

#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "link/ui/check_list_dialog.h"
#include "link/ui/form_process.h"
#include "link/ui/write_changes_dialog.h"
#include "review/backup_store.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

QStringList Lines(PlanListDialog* dialog, int column) {
    QStringList lines;
    for (int row = 0; row < dialog->list()->topLevelItemCount(); ++row)
        lines << dialog->list()->topLevelItem(row)->text(column);
    return lines;
}

void Press(QDialog* dialog, const char* button) {
    dialog->findChild<QPushButton*>(QLatin1String(button))->click();
}

} // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString BackupFolder() const { return Path("backups"); }
    QStringList BackupFiles() const {
        return QDir(BackupFolder()).entryList({QStringLiteral("*.rdat")}, QDir::Files);
    }

    // The radio's memory (seed 8) on a virtual radio, a plan (seed 9 unless given) to write.
    Codeplug Plan(const QString& port, int seed = 9) const {
        Codeplug plan = DistinctCodeplug(seed);
        plan.IsEnglish = true;
        plan.ComPortName = port;
        return plan;
    }
    bool StartRadio(SimProcess& sim) {
        return WriteRdat(Path("radio.rdat"), DistinctCodeplug(8)) &&
               sim.Start({"--memory", Path("radio.rdat"), "--no-pace", "--password", "2468"});
    }
    static QLabel* Result(FormProcess& form) {
        return form.findChild<QLabel*>(QStringLiteral("TextShow"));
    }
    void Write(FormProcess& form, const QString& password = QStringLiteral("2468"),
               const QString& backups = {}) {
        form.SetBackupStore(BackupStore(backups.isEmpty() ? BackupFolder() : backups));
        form.show();
        form.findChild<QLineEdit*>(QStringLiteral("TextPassword"))->setText(password);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CommandWrite")),
                          Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }
    void init() { QDir(BackupFolder()).removeRecursively(); }

    // The table lists exactly the channels edited; Write writes, and the backup is the radio's
    // memory as it was, byte for byte.
    void writeAfterTheTableKeepsTheOldRadio() {
        SimProcess sim;
        QVERIFY(StartRadio(sim));
        const QByteArray before = FileBytes(Path("radio.rdat"));
        ScriptedSeam seam;
        Codeplug plan = Plan(sim.device(), 8);
        plan.RxFreq[2] = 401000000;
        plan.TxPower[6] = 0;
        QStringList where;
        const auto came = WhenModal<WriteChangesDialog>([&](WriteChangesDialog* table) {
            where = Lines(table, 0);
            Press(table, "CommandWrite");
        });
        FormProcess form(plan, {});
        QVERIFY(form.ReviewsWrite());
        Write(form);
        QTRY_VERIFY_WITH_TIMEOUT(Result(form)->text() == "Verified", kHangGuardMs);
        QVERIFY(*came);
        QCOMPARE(where, QStringList({"Channel 3", "Channel 7"}));
        QVERIFY(seam.messages.isEmpty());
        QCOMPARE(BackupFiles().size(), 1);
        QCOMPARE(FileBytes(QDir(BackupFolder()).filePath(BackupFiles()[0])), before);
        QCOMPARE(FileBytes(Path("radio.rdat")), RadioDataFile::Serialize(plan));
    }

    void cancelInTheTableLeavesTheRadio() {
        SimProcess sim;
        QVERIFY(StartRadio(sim));
        const QByteArray before = FileBytes(Path("radio.rdat"));
        ScriptedSeam seam;
        Codeplug plan = Plan(sim.device());
        int lines = 0;
        const auto came = WhenModal<WriteChangesDialog>([&](WriteChangesDialog* table) {
            lines = table->list()->topLevelItemCount();
            Press(table, "CommandCancel");
        });
        FormProcess form(plan, {});
        Write(form);
        QTRY_VERIFY_WITH_TIMEOUT(*came, kHangGuardMs);
        QTRY_VERIFY(form.findChild<QPushButton*>(QStringLiteral("CommandWrite"))->isEnabled());
        QVERIFY(lines > 32);
        QVERIFY(!plan.LinkSucceeded);
        // The backup read's progress is no write's: the window says the radio was not written.
        QCOMPARE(Result(form)->text(), QStringLiteral("Nothing was written"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("LabelProcess"))->text(),
                 QStringLiteral("Complete:0%"));
        QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("CommandCancel"))->text(),
                 QStringLiteral("&Close"));
        QCOMPARE(BackupFiles().size(), 1);
        QTest::qWait(100);
        QCOMPARE(FileBytes(Path("radio.rdat")), before);
    }

    void failedBackupStopsTheWrite() {
        SimProcess sim;
        QVERIFY(StartRadio(sim));
        const QByteArray before = FileBytes(Path("radio.rdat"));
        QVERIFY(QFile(Path("plain-file")).open(QIODevice::WriteOnly));
        ScriptedSeam seam;
        Codeplug plan = Plan(sim.device());
        FormProcess form(plan, {});
        Write(form, QStringLiteral("2468"), Path("plain-file/backups"));
        QTRY_COMPARE_WITH_TIMEOUT(seam.messages.size(), 1, kHangGuardMs);
        QCOMPARE(seam.messages[0].text,
                 "The radio could not be backed up, so nothing was written.\nThe backup folder " +
                     QDir::toNativeSeparators(Path("plain-file/backups")) + " cannot be created.");
        QCOMPARE(seam.messages[0].icon, QMessageBox::Critical);
        QTRY_VERIFY(form.findChild<QPushButton*>(QStringLiteral("CommandWrite"))->isEnabled());
        QTest::qWait(100);
        QCOMPARE(FileBytes(Path("radio.rdat")), before);
        QVERIFY(!plan.LinkSucceeded);
    }

    // Errors are listed and block the write; a double-click asks for the channel and closes.
    void errorsBlockTheWrite() {
        SimProcess sim;
        QVERIFY(StartRadio(sim));
        const QByteArray before = FileBytes(Path("radio.rdat"));
        ScriptedSeam seam;
        Codeplug plan = Plan(sim.device());
        plan.BandLower = 400;
        plan.BandUpper = plan.BandUpperTx = 480;
        plan.RxFreq[4] = 146000000;
        QStringList texts;
        bool offersWrite = true;
        const auto came = WhenModal<CheckListDialog>([&](CheckListDialog* list) {
            texts = Lines(list, 2);
            offersWrite =
                list->OffersWrite() || list->findChild<QPushButton*>("CommandWriteAnyway");
            QTreeWidget* lines = list->list();
            emit lines->itemActivated(lines->topLevelItem(0), 0);
        });
        FormProcess form(plan, {});
        Write(form);
        QVERIFY(*came);
        QVERIFY(!offersWrite);
        QCOMPARE(texts.size(), 1); // its wording is the check's (test_codeplug_check)
        QVERIFY(!form.isVisible());
        QCOMPARE(form.ChosenLocation(), PlanLocation::Channel(4, "RxFreq"));
        QVERIFY(BackupFiles().isEmpty()); // the radio was not even read
        QCOMPARE(FileBytes(Path("radio.rdat")), before);
    }

    // Warnings can be written anyway; without the backup step the write follows at once.
    void warningsCanBeWrittenAnyway() {
        SimProcess sim;
        QVERIFY(StartRadio(sim));
        ScriptedSeam seam;
        Codeplug plan = Plan(sim.device());
        plan.BackupBeforeWrite = false;
        plan.RxListEntry[2] = plan.RxListEntry[1];
        const auto came = WhenModal<CheckListDialog>([](CheckListDialog* list) {
            QVERIFY(list->OffersWrite());
            Press(list, "CommandWriteAnyway");
        });
        FormProcess form(plan, {});
        QVERIFY(!form.findChild<QCheckBox*>(QStringLiteral("CheckBackupFirst"))->isChecked());
        Write(form);
        QVERIFY(*came);
        QTRY_VERIFY_WITH_TIMEOUT(Result(form)->text() == "Verified", kHangGuardMs);
        QVERIFY(BackupFiles().isEmpty());
        QCOMPARE(FileBytes(Path("radio.rdat")), RadioDataFile::Serialize(plan));
    }

    // A new password is a change of the radio even when the plan is the radio's own, and so are
    // the tune data the tune page's write sends.
    void samePlanWithANewPasswordAndTuneData() {
        SimProcess sim;
        QVERIFY(StartRadio(sim));
        ScriptedSeam seam;
        Codeplug plan = Plan(sim.device(), 8);
        plan.LinkTune = true;
        plan.SpeakAmp += 5;
        QStringList fields;
        const auto came = WhenModal<WriteChangesDialog>([&](WriteChangesDialog* table) {
            fields = Lines(table, 1);
            Press(table, "CommandWrite");
        });
        FormProcess form(plan, {});
        form.findChild<QCheckBox*>(QStringLiteral("CheckNewPassword"))->setChecked(true);
        form.findChild<QLineEdit*>(QStringLiteral("TextNewPassword"))->setText("1357");
        Write(form);
        QTRY_VERIFY_WITH_TIMEOUT(Result(form)->text() == "Write Data OK", kHangGuardMs);
        QCOMPARE(fields, QStringList({"Speaker Amp", "Password"}));
    }

    // A wrong password meets the backup read first; the window reports it as its write would,
    // so that the password change can tell a wrong old password.
    void wrongPasswordStopsAtTheBackupRead() {
        SimProcess sim;
        QVERIFY(StartRadio(sim));
        ScriptedSeam seam;
        Codeplug plan = Plan(sim.device());
        FormProcess form(plan, {});
        Write(form, QStringLiteral("1111"));
        QTRY_COMPARE_WITH_TIMEOUT(seam.messages.size(), 1, kHangGuardMs);
        QCOMPARE(seam.messages[0].text, QStringLiteral("Password Failure!"));
        QVERIFY(form.PasswordRefused());
        QVERIFY(BackupFiles().isEmpty());
        QVERIFY(!plan.LinkSucceeded);
    }

    void closingDuringTheBackupReadWritesNothing() {
        SimProcess sim;
        QVERIFY(sim.Start({"--silent", "100"}));
        ScriptedSeam seam;
        Codeplug plan = Plan(sim.device());
        {
            FormProcess form(plan, {});
            Write(form);
            QVERIFY(Result(form)->isVisible()); // "Backing up the radio..."
            form.reject();
            QTest::qWait(50);
        }
        QVERIFY(seam.messages.isEmpty());
        QVERIFY(BackupFiles().isEmpty());
        QVERIFY(!plan.LinkSucceeded);
        QVERIFY(!plan.ProcessOpen);
    }

    // The tune page and the password change send the whole plan too: every write is reviewed.
    void everyWriteIsReviewed() {
        for (const auto& [read, tune, passwordChange] : {std::tuple(false, false, false),
                                                         {true, false, false},
                                                         {false, true, false},
                                                         {false, false, true}}) {
            Codeplug plan = Plan("ttyS0");
            plan.LinkRead = read;
            plan.LinkTune = tune;
            plan.PasswordChanged = passwordChange;
            FormProcess form(plan, {});
            form.show();
            auto* box = form.findChild<QCheckBox*>(QStringLiteral("CheckBackupFirst"));
            QCOMPARE(form.ReviewsWrite(), !read);
            QCOMPARE(box != nullptr, !read);
            if (box)
                QVERIFY(box->isVisible() && box->isChecked() &&
                        box->geometry().bottom() < form.height());
        }
    }
};

QTEST_MAIN(TestSafeWrite)
#include "test_safe_write.moc"
