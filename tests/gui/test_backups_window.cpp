// The main window's part in safe writes: the backups window, the backup of a read, the choice
// of the backup step kept in the settings, and opening the place a problem names.

#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "channels/ui/form_rx_list.h"
#include "codeplug/settings_store.h"
#include "exchange/sample_plan.h"
#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "link/ui/check_list_dialog.h"
#include "link/ui/form_process.h"
#include "shell/backups_dialog.h"
#include "shell/mdi_form_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

using namespace zr40;
using namespace zr40::test;

class TestBackupsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowRig> rig_;

    QTemporaryDir files_;

    QString Path(const QString& name) const { return files_.filePath(name); }
    BackupStore Store() const { return BackupStore(rig_->backups.path()); }
    MDIFormMain& Window() { return rig_->Window(); }
    static QPushButton* Button(QWidget* dialog, const char* name) {
        return dialog->findChild<QPushButton*>(QLatin1String(name));
    }

private slots:
    void init() { rig_ = std::make_unique<MainWindowRig>(); }
    void cleanup() { rig_.reset(); }

    void readLeavesABackup() {
        QVERIFY(WriteRdat(Path("radio.rdat"), DistinctCodeplug(3)));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("radio.rdat"), "--no-pace"}));
        Window();
        rig_->codeplug.ComPortName = sim.device();
        const auto came = WhenModal<FormProcess>([](FormProcess* form) {
            Button(form, "CommandRead")->click();
            auto* label = form->findChild<QLabel*>(QStringLiteral("TextShow"));
            QTRY_VERIFY_WITH_TIMEOUT(label->isVisible(), 60000);
            form->reject();
        });
        Window().Transfers().ReadFromRadio();
        QVERIFY(*came);
        const QList<BackupEntry> backups = Store().List();
        QCOMPARE(backups.size(), 1);
        QCOMPARE(backups[0].kind, BackupKind::Read);
        QCOMPARE(FileBytes(backups[0].path), RadioDataFile::Serialize(rig_->codeplug));
        QCOMPARE(rig_->codeplug.RxFreq[0], DistinctCodeplug(3).RxFreq[0]);
    }

    void backupChoiceIsKeptInTheSettings() {
        Window();
        QVERIFY(rig_->codeplug.BackupBeforeWrite);
        const auto came = WhenModal<FormProcess>([](FormProcess* form) {
            form->findChild<QCheckBox*>(QStringLiteral("CheckBackupFirst"))->setChecked(false);
            form->reject();
        });
        Window().Transfers().WriteToRadio();
        QVERIFY(*came);
        QCOMPARE(SettingsStore().ReadText(SettingsStore::kBackupBeforeWrite),
                 QStringLiteral("False"));
        Codeplug next;
        SettingsStore().Load(next);
        QVERIFY(!next.BackupBeforeWrite);
    }

    // A double-click on a problem before a write opens the channel in the edit dialog.
    void problemOpensItsChannel() {
        Window();
        rig_->codeplug.ApplyNewDefaults();
        PutChannel(rig_->codeplug, 5, 440000000, 440000000);
        rig_->codeplug.ChannelType[5] = 7;
        rig_->codeplug.ComPortName = QStringLiteral("/dev/zr40-absent");
        const auto opened = WhenModal<FormProcess>(
            [](FormProcess* form) { Button(form, "CommandWrite")->click(); });
        const auto listed = WhenModal<CheckListDialog>([](CheckListDialog* list) {
            emit list->list()->itemActivated(list->list()->topLevelItem(0), 0);
        });
        Window().Transfers().WriteToRadio();
        QVERIFY(*opened && *listed);
        auto* grid =
            qobject_cast<FormChannelInformation*>(Window().Pages().Page(PageManager::kChannelPage));
        QVERIFY(grid && grid->channelEdit());
        QTRY_VERIFY(grid->channelEdit()->isVisible());
        QCOMPARE(grid->channelEdit()->ShownChannel(), 5);
    }

    void placesOpenTheirPage() {
        MDIFormMain& w = Window();
        w.Pages().ShowPlanLocation(PlanLocation::RxList(2));
        auto* lists = qobject_cast<FormRxList*>(w.Pages().Page(PageManager::kRxListPage));
        QVERIFY(lists);
        QCOMPARE(lists->CurrentList(), 2);
        QCOMPARE(lists->listSelector()->currentIndex(), 2);
        w.Pages().ShowPlanLocation(PlanLocation::Settings("VoxLevel"));
        QVERIFY(w.Pages().Page(PageManager::kOptionPage));
        // A channel already shown in the edit dialog turns to the one asked for.
        w.Pages().ShowPlanLocation(PlanLocation::Channel(3, "RxFreq"));
        w.Pages().ShowPlanLocation(PlanLocation::Channel(9, "TxPower"));
        auto* grid =
            qobject_cast<FormChannelInformation*>(w.Pages().Page(PageManager::kChannelPage));
        QCOMPARE(grid->channelEdit()->ShownChannel(), 9);
    }

    // A backup opens like a file, but Save never writes over it.
    void backupsWindowOpensABackup() {
        Codeplug sample;
        sample.ApplyStartupDefaults();
        sample.ApplyNewDefaults();
        SamplePlan::Apply(sample);
        const BackupStore store = Store();
        const BackupResult older =
            store.Save(sample, BackupKind::Read, QDateTime::currentDateTime().addDays(-3));
        store.Save(DistinctCodeplug(1), BackupKind::BeforeWrite);
        QVERIFY(older.ok());
        QStringList kinds;
        const auto came = WhenModal<BackupsDialog>([&](BackupsDialog* dialog) {
            for (int row = 0; row < dialog->list()->topLevelItemCount(); ++row)
                kinds << dialog->list()->topLevelItem(row)->text(1) + ' ' +
                             dialog->list()->topLevelItem(row)->text(2);
            dialog->CommandShowFolder()->click();
            dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
            dialog->CommandOpen()->click();
        });
        Window().Action(QStringLiteral("MenuBackups"))->trigger();
        QVERIFY(*came);
        QCOMPARE(kinds, QStringList({"写入前 32", "读取 8"})); // the start-up language is Chinese
        QCOMPARE(rig_->seam.shownFolders, QStringList{store.Folder()});
        QCOMPARE(rig_->seam.messages.size(), 1); // "cover current data?"
        QCOMPARE(rig_->codeplug.RxFreq[0], sample.RxFreq[0]);
        QCOMPARE(rig_->codeplug.FileName, QFileInfo(older.path).fileName());
        QVERIFY(Window().Files().CurrentPath().isEmpty());
        QVERIFY(!Window().Files().IsModified()); // nothing to save until it is edited
        // Save asks for a name instead of writing over the backup.
        rig_->seam.AnswerFile(QString());
        QVERIFY(!Window().Files().Save());
        QCOMPARE(rig_->seam.fileDialogs.size(), 1);
        QCOMPARE(FileBytes(older.path), RadioDataFile::Serialize(sample));
    }

    // Opening a file or a backup puts one question: the unsaved changes, when there are any,
    // else whether to cover the current data.
    void openingAsksOneQuestion_data() {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QMessageBox::StandardButtons>("asked");
        const auto cover = QMessageBox::StandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        const auto unsaved = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        QTest::newRow("backup") << true << false << cover;
        QTest::newRow("backup over edits") << true << true << unsaved;
        QTest::newRow("file") << false << false << cover;
        QTest::newRow("file over edits") << false << true << unsaved;
    }
    void openingAsksOneQuestion() {
        QFETCH(bool, backup);
        QFETCH(bool, edited);
        const BackupResult saved = Store().Save(DistinctCodeplug(1), BackupKind::Read);
        Window();
        if (edited)
            rig_->codeplug.RxFreq[0] = 435012500;
        rig_->seam.AnswerMessage(edited ? QMessageBox::Discard : QMessageBox::Ok);
        rig_->seam.AnswerFile(saved.path);
        if (backup)
            QVERIFY(Window().Files().OpenBackup(saved.path));
        else
            Window().Files().Open();
        QCOMPARE(rig_->seam.messages.size(), 1);
        QTEST(rig_->seam.messages[0].buttons, "asked");
        QCOMPARE(rig_->codeplug.RxFreq[0], DistinctCodeplug(1).RxFreq[0]);
    }

    void unsavedChangesAreAskedFirst() {
        Store().Save(DistinctCodeplug(1), BackupKind::Read);
        const QString path = Store().List().value(0).path;
        Window();
        rig_->codeplug.RxFreq[0] = 435012500;
        rig_->seam.AnswerMessage(QMessageBox::Cancel);
        QVERIFY(!Window().Files().OpenBackup(path));
        QCOMPARE(rig_->codeplug.RxFreq[0], 435012500);
        QCOMPARE(rig_->seam.messages.size(), 1);
        QCOMPARE(rig_->seam.messages[0].buttons,
                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }
};

QTEST_MAIN(TestBackupsWindow)
#include "test_backups_window.moc"
