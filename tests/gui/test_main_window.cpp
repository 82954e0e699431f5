#include "channels/ui/form_channel_information.h"
#include "codeplug/model_band.h"
#include "codeplug/radio_data_file.h"
#include "codeplug/settings_store.h"
#include "gui_support.h"
#include "link/ui/form_password.h"
#include "shell/form_com_port.h"
#include "shell/form_language.h"
#include "shell/form_model_information.h"
#include "shell/form_print.h"
#include "shell/form_printer_setting.h"
#include "shell/mdi_form_main.h"
#include "shell/panel_layout.h"
#include "shell/print_commands.h"
#include "widgets/config_page.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include <sys/stat.h>

using namespace zr40;

namespace {

QList<PrinterEntry> TwoPrinters() {
    PrinterEntry office;
    office.name = "Office";
    PrinterEntry lab;
    lab.name = "Lab";
    lab.isDefault = true;
    lab.pageSizes = {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)};
    return {office, lab};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every visible menu entry, "Menu/Item", rules as "Menu/-", in order.
QStringList VisibleMenus(MDIFormMain& w) {
    QStringList shown;
    for (QAction* top : w.menuBar()->actions()) {
        if (!top->isVisible())
            continue;
        shown << top->objectName();
        for (QAction* item : top->menu()->actions()) {
            if (item->isVisible())
                shown << top->objectName() + QLatin1Char('/') +
                             (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
    }
    return shown;
}

QStringList TreeKeys(MDIFormMain& w) {
    QStringList keys;
    QTreeWidgetItem* root = w.Tree()->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i)
        keys << root->child(i)->data(0, Qt::UserRole).toString();
    return keys;
}

const QStringList kServiceMenus = {"MenuKey",  "MenuScan",     "MenuMessage",
                                   "MenuBank", "MenuPassword", "MenuTune"};
const QStringList kDealerTree = {"TreeChannelInforamtion", "TreeOption", "TreeRxList"};
const QStringList kServiceTree = {"TreeKeySetting", "TreeScanInformation", "TreeEmbeddedMessage",
                                  "TreeTuneData"};

} // namespace

// The main window: start-up, menu keys, file commands, its dialogs, the panels and the pages,
// printing, and service mode.
class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowRig> rig_;
    QTemporaryDir files_;

    MDIFormMain& Window() { return rig_->Window(); }
    Codeplug& Plan() { return rig_->codeplug; }
    test::ScriptedSeam& Seam() { return rig_->seam; }
    QString Path(const QString& name) const { return files_.filePath(name); }
    // Opens the window and changes a channel, so that the plan has unsaved changes.
    void EditAChannel() {
        Window();
        Plan().RxFreq[0] = 435'012'500;
    }
    bool WritePlan(const QString& name, int channel, Long rxHz) {
        Codeplug other;
        other.ApplyNewDefaults();
        other.RxFreq[channel] = rxHz;
        return RadioDataFile::WriteToFile(Path(name), other).ok();
    }
    Long SavedRx(const QString& name, int channel) {
        Codeplug reloaded;
        return RadioDataFile::ReadFromFile(Path(name), reloaded).ok() ? reloaded.RxFreq[channel]
                                                                      : -1;
    }
    static bool InAPage(const QObject* object) {
        for (; object; object = object->parent()) {
            if (qobject_cast<const QMdiSubWindow*>(object))
                return true;
        }
        return false;
    }

    QMdiSubWindow* Active() { return Window().PageArea()->activeSubWindow(); }
    // Opens the model dialog, chooses `area` (unless -2, keeping its proposal) and presses OK.
    void ChooseModel(int area) {
        test::OnNextModal([area](QWidget* modal) {
            auto* dialog = qobject_cast<FormModelInformation*>(modal);
            if (area != -2)
                dialog->ComboArea()->setCurrentIndex(area);
            dialog->CommandOk()->click();
        });
        Window().Settings().ModelInformation();
    }
    // Opens the port dialog, records what it preselects, and presses OK or Cancel.
    QString ChoosePort(bool ok, const QString& chosen = {}) {
        QString preselected;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<FormComPort*>(modal);
            preselected = dialog->ComboCom()->currentText();
            if (!chosen.isEmpty())
                dialog->ComboCom()->setEditText(chosen);
            (ok ? dialog->CommandOK() : dialog->CommandCancel())->click();
        });
        Window().Settings().SetCom();
        return preselected;
    }
    QString SavedPort() { return SettingsStore().ReadText(QStringLiteral("ComPort")); }
    // The File menu, the port button's tip, the first page in the tree, the band panel, and
    // what the application's translators make of the File menu's source text.
    QStringList WindowTexts() {
        MDIFormMain& w = Window();
        return {w.Action(QStringLiteral("MenuFile"))->text(),
                w.Action(QStringLiteral("MenuCom"))->toolTip(),
                w.Tree()->topLevelItem(0)->child(0)->text(0), w.StatusText(1),
                QCoreApplication::translate("MDIFormMain", "&File")};
    }

    // The print tests' window: English, and no printer installed.
    MDIFormMain& PrintWindow() {
        if (!rig_->window) {
            rig_->options.language = QStringLiteral("en");
            Window().Printing().SetPrinterSource([] { return QList<PrinterEntry>{}; });
        }
        return Window();
    }
    MDIFormMain& ServiceWindow(bool service) {
        rig_->options.service = service;
        return Window();
    }

private slots:
    void init() { rig_ = std::make_unique<test::MainWindowRig>(); }
    void cleanup() { rig_.reset(); }

    // Language, port and band as saved; on Linux ports by their device names, and on a first
    // start the one USB serial adapter present.
    void startsFromTheSavedSettings_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QStringList>("adapters");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("portPanel");
        QTest::addColumn<QString>("bandPanel");
        QTest::addColumn<int>("upper");
        const QStringList none;
        QTest::newRow("nothing saved") << ""
                                       << ""
                                       << "" << none << "ZR40[文件名:new.rdat]"
                                       << "通信端口 ttyS0"
                                       << "ZR40  100-550 MHz（未选择频段）" << 550;
        QTest::newRow("english, port 3, a band")
            << "True"
            << "3"
            << "400-480" << QStringList{"ttyUSB0"} << "ZR40[FileName:new.rdat]"
            << "COM ttyS2"
            << "ZR40  400-480 MHz" << 480;
        QTest::newRow("no band in the band") << "True"
                                             << ""
                                             << "high" << none << "ZR40[FileName:new.rdat]"
                                             << "COM ttyS0"
                                             << "ZR40  100-550 MHz (no band chosen)" << 550;
        QTest::newRow("first start, one USB adapter")
            << ""
            << ""
            << "136-174" << QStringList{"ttyUSB0"} << "ZR40[文件名:new.rdat]"
            << "通信端口 ttyUSB0"
            << "ZR40  136-174 MHz" << 174;
        QTest::newRow("first start, two USB adapters")
            << ""
            << ""
            << "" << QStringList{"ttyUSB0", "ttyACM0"} << "ZR40[文件名:new.rdat]"
            << "通信端口 ttyS0"
            << "ZR40  100-550 MHz（未选择频段）" << 550;
    }
    void startsFromTheSavedSettings() {
        QFETCH(QString, language);
        QFETCH(QString, port);
        QFETCH(QString, band);
        QFETCH(QStringList, adapters);
        const std::pair<const char*, QString> saved[] = {
            {"Language", language}, {"ComPort", port}, {"Band", band}};
        for (const auto& [name, text] : saved)
            if (!text.isEmpty())
                QVERIFY(SettingsStore().WriteText(QString::fromLatin1(name), text));
        rig_->options.usbAdapters = [adapters] { return adapters; };
        MDIFormMain& w = Window();
        QCOMPARE(Plan().IsEnglish, !language.isEmpty());
        QTEST(w.windowTitle(), "caption");
        QTEST(w.StatusText(2), "portPanel");
        QTEST(w.StatusText(1), "bandPanel");
        QTEST(int(Plan().BandUpper), "upper");
        QCOMPARE(Plan().BandNeverChosen, int(Plan().BandUpper) == 550);
        QVERIFY(!w.Files().IsModified());
        QVERIFY(Seam().messages.isEmpty());
    }

    void portOptionSetsThePortForTheRun() {
        StartOptions options;
        options.port = QStringLiteral("/dev/pts/7");
        MDIFormMain w(Plan(), options);
        QCOMPARE(Plan().ComPortName, QStringLiteral("/dev/pts/7"));
        QCOMPARE(w.StatusText(2), QStringLiteral("通信端口 /dev/pts/7"));
        // The run's port is not remembered for the next start.
        QVERIFY(SettingsStore().ReadText(QStringLiteral("ComPort")).isEmpty());
    }

    // Every shown menu shortcut acts from wherever the keyboard is in a page or in the channel
    // edit dialog; a page's own window must not take it (the child window's close key is Ctrl+W
    // on most desktops). A text box with nothing typed in it leaves the undo keys to the window.
    void menuShortcutsActWithAPageFocused_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("dialog");
        const int channels = PageManager::kChannelPage;
        QTest::newRow("channel grid") << channels << "MSHFlexGridChannel" << false;
        QTest::newRow("local id") << int(PageManager::kOptionPage) << "TextLocalID" << false;
        QTest::newRow("rx list") << int(PageManager::kRxListPage) << "ComboRxList" << false;
        QTest::newRow("edit dialog list") << channels << "ComboTxPower" << true;
        QTest::newRow("edit dialog box") << channels << "TextRxFreq" << true;
    }
    void menuShortcutsActWithAPageFocused() {
        QFETCH(int, page);
        QFETCH(QString, focus);
        QFETCH(bool, dialog);
        MDIFormMain& w = Window();
        QList<QAction*> withKeys; // the window's own: a page's go when a page closes
        for (QAction* action : w.findChildren<QAction*>()) {
            if (!action->shortcut().isEmpty() && action->isVisible() && !InAPage(action))
                withKeys << action;
        }
        QCOMPARE(withKeys.size(), 9); // New, Open, Save, Print, Undo, Redo, Read, Write, F1
        const auto target = [&] {
            ConfigPage* shown = w.Pages().OpenPage(page);
            if (auto* grid = qobject_cast<FormChannelInformation*>(shown); grid && dialog) {
                test::PutChannel(rig_->codeplug, 0, 440000000, 440000000);
                grid->Analyse();
                grid->CellClick(1, 7); // the edit dialog, a window of its own
            }
            return shown->findChild<QWidget*>(focus);
        };
        for (QAction* action : withKeys) {
            const QString name = action->objectName();
            // The dialog's F1 opens its own help topic.
            if (name == QLatin1String("MenuHelpPage") && dialog)
                continue;
            for (const QKeySequence& key : action->shortcuts()) {
                QWidget* widget = target();
                QVERIFY(test::ShowActive(widget->window())); // a closed dialog may leave none
                widget->setFocus();
                QVERIFY(widget->hasFocus());
                if (name == QLatin1String("MenuRead") || name == QLatin1String("MenuWrite") ||
                    name == QLatin1String("MenuPrint"))
                    test::OnNextModal([](QWidget*) {});
                action->setEnabled(true); // undo and redo with nothing to take back
                QSignalSpy triggered(action, &QAction::triggered);
                QTest::keyClick(widget, key[0].key(), key[0].keyboardModifiers());
                QVERIFY2(triggered.size() == 1, qPrintable(name + ' ' + key.toString()));
            }
        }
    }

    // New asks about unsaved changes; the answer decides.
    void newAsksAboutUnsavedChanges_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("renewed");
        QTest::newRow("nothing changed") << false << int(QMessageBox::NoButton) << true;
        QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << false;
        QTest::newRow("discard") << true << int(QMessageBox::Discard) << true;
        QTest::newRow("save") << true << int(QMessageBox::Save) << true;
    }
    void newAsksAboutUnsavedChanges() {
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(bool, renewed);
        if (edited)
            EditAChannel();
        Window().Pages().OpenPage(PageManager::kRxListPage);
        QPointer<ConfigPage> before = Window().Pages().Page(PageManager::kChannelPage);
        Seam().AnswerMessage(QMessageBox::StandardButton(answer));
        const QString kept = QString::fromLatin1(QTest::currentDataTag()) + ".rdat";
        Seam().AnswerFile(Path(kept));
        Window().Files().New();
        QCOMPARE(Seam().messages.size(), edited ? 1 : 0);
        QCOMPARE(Plan().ChannelType[16] == 1, renewed); // New gives every channel its default
        QCOMPARE(!before, renewed);                     // pages closed, the channel page anew
        QCOMPARE(!Window().Pages().Page(PageManager::kRxListPage), renewed);
        QCOMPARE(SavedRx(kept, 0), answer == QMessageBox::Save ? 435'012'500 : -1);
        if (renewed) // a new plan is in no file yet
            QVERIFY(Window().windowTitle().endsWith(QStringLiteral("*]")));
    }

    // Open asks for a file, then whether to replace the plan. A cancel or a bad file changes
    // nothing (a bad file says why); a good one replaces the plan and closes the other pages.
    void open_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("cancelled at the file dialog")
            << "" << int(QMessageBox::Cancel) << 0 << false;
        QTest::newRow("cancelled at the question")
            << "plan.rdat" << int(QMessageBox::Cancel) << 1 << false;
        QTest::newRow("bad file") << "bad.rdat" << int(QMessageBox::Ok) << 2 << false;
        QTest::newRow("good file") << "plan.rdat" << int(QMessageBox::Ok) << 1 << true;
    }
    void open() {
        QFETCH(QString, file);
        QFETCH(int, answer);
        QFETCH(bool, loaded);
        QVERIFY(WritePlan("plan.rdat", 3, 462'562'500));
        QFile bad(Path("bad.rdat"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray(RadioDataFile::kFileSize, 'x'));
        bad.close();
        Window().Pages().OpenPage(PageManager::kRxListPage);
        const QByteArray before = RadioDataFile::Serialize(Plan());
        if (!file.isEmpty())
            Seam().AnswerFile(Path(file));
        Seam().AnswerMessage(QMessageBox::StandardButton(answer));
        Window().Files().Open();
        QVERIFY(Seam().fileDialogs.value(0).isOpen);
        QTEST(int(Seam().messages.size()), "messages");
        QCOMPARE(RadioDataFile::Serialize(Plan()) == before, !loaded);
        QCOMPARE(Plan().RxFreq[3] == 462'562'500, loaded);
        QCOMPARE(Window().Files().CurrentPath(), loaded ? Path("plan.rdat") : QString());
        QCOMPARE(Window().windowTitle(),
                 loaded ? QStringLiteral("ZR40[文件名:plan.rdat]") : "ZR40[文件名:new.rdat]");
        QCOMPARE(!Window().Pages().Page(PageManager::kRxListPage), loaded);
        QVERIFY(Window().Pages().Page(PageManager::kChannelPage));
        if (file == QLatin1String("bad.rdat")) // says why after the caption
            QVERIFY(Seam().messages[1].text.size() > QStringLiteral("错误的文件！\n").size());
    }

    void saveAsksOnceThenKeepsThePath() {
        QVERIFY(!Window().Files().Save()); // cancelled
        QCOMPARE(Seam().fileDialogs[0].proposedName, QStringLiteral("new.rdat"));
        EditAChannel();
        Seam().AnswerFile(Path("saved.rdat"));
        QVERIFY(Window().Files().Save());
        QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:saved.rdat]"));
        Plan().RxFreq[1] = 436'000'000;
        QVERIFY(Window().Files().Save()); // the same file, no dialog
        QCOMPARE(Seam().fileDialogs.size(), 2);
        QCOMPARE(SavedRx("saved.rdat", 1), 436'000'000);
        QVERIFY(!Window().Files().SaveAs()); // Save As always asks; cancelled, the path stays
        QCOMPARE(Seam().fileDialogs.size(), 3);
        QCOMPARE(Seam().fileDialogs[2].proposedName, Path("saved.rdat")); // the current file
        QCOMPARE(Window().Files().CurrentPath(), Path("saved.rdat"));
        QVERIFY(Seam().messages.isEmpty());
        Plan().IsEnglish = true; // the dialog's title follows the language
        Window().ApplyLanguage();
        QVERIFY(!Window().Files().SaveAs());
        QCOMPARE(Seam().fileDialogs[3].title, QStringLiteral("Save As"));
    }

    // Save over a file that another program or window wrote since it was opened here asks first:
    // overwrite, save as (another name), or cancel.
    void saveOverAFileChangedElsewhere_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<Long>("inFile");  // the channel 1 receive frequency the file ends with
        QTest::addColumn<Long>("inOther"); // and the other file, -1 when none was written
        const Long mine = 435'012'500, theirs = 446'006'250;
        QTest::newRow("unchanged: no question") << false << -1 << mine << Long(-1);
        QTest::newRow("overwrite") << true << int(QMessageBox::Yes) << mine << Long(-1);
        QTest::newRow("save as") << true << int(QMessageBox::Save) << theirs << mine;
        QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << theirs << Long(-1);
    }
    void saveOverAFileChangedElsewhere() {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFile::remove(Path("other.rdat"));
        QVERIFY(WritePlan("plan.rdat", 0, 400'000'000));
        QVERIFY(Window().Files().LoadFile(Path("plan.rdat")));
        if (changed) // the other window saves its own plan
            QVERIFY(WritePlan("plan.rdat", 0, 446'006'250));
        EditAChannel();
        Seam().AnswerMessage(QMessageBox::StandardButton(answer));
        Seam().AnswerFile(Path("other.rdat"));
        QCOMPARE(Window().Files().Save(), answer != QMessageBox::Cancel);
        QCOMPARE(Seam().messages.size(), changed ? 1 : 0);
        if (changed)
            QCOMPARE(Seam().messages[0].buttons,
                     QMessageBox::Yes | QMessageBox::Save | QMessageBox::Cancel);
        QTEST(SavedRx("plan.rdat", 0), "inFile");
        QTEST(SavedRx("other.rdat", 0), "inOther");
    }

    // Whatever is no file (a pipe, here) is refused at once wherever a file is read: File > Open,
    // File > Import, --open, and the settings file at start-up.
    void pipesAreNoFiles_data() {
        QTest::addColumn<QString>("where");
        for (const char* where : {"open", "import", "--open", "settings"})
            QTest::newRow(where) << where;
    }
    void pipesAreNoFiles() {
        QFETCH(QString, where);
        const QString pipe =
            where == QLatin1String("settings") ? SettingsStore::Location() : Path("pipe.rdat");
        QVERIFY(QDir().mkpath(QFileInfo(pipe).path()));
        QFile::remove(pipe);
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QByteArray before = RadioDataFile::Serialize(Window().codeplug());
        if (where == QLatin1String("open")) {
            Seam().AnswerFile(pipe);
            Window().Files().Open();
        } else if (where == QLatin1String("import")) {
            QVERIFY(!Window().Exchange().ImportFile(pipe));
        } else if (where == QLatin1String("--open")) {
            QVERIFY(!Window().Files().LoadFile(pipe)); // as the start-up does with --open
        }
        if (where == QLatin1String("settings")) {
            QVERIFY(Seam().messages.isEmpty()); // a start as on a first run
            QVERIFY(!SettingsStore().WriteText(QStringLiteral("Language"), QStringLiteral("True")));
        } else {
            QVERIFY(!Seam().messages.isEmpty() && Seam().messages.last().text.contains(pipe));
            QCOMPARE(RadioDataFile::Serialize(Plan()), before);
        }
        QFile::remove(pipe);
    }

    void failedSaveKeepsTheChangesMarked() {
        EditAChannel();
        Seam().AnswerFile(Path("missing-folder/plan.rdat"));
        QVERIFY(!Window().Files().Save());
        QCOMPARE(Seam().messages.size(), 1);
        QVERIFY(Seam().messages[0].text.startsWith(QStringLiteral("文件没有保存。\n")));
        QVERIFY(Window().Files().IsModified());
        QVERIFY(Window().Files().CurrentPath().isEmpty());
        QCOMPARE(Plan().FileName, QStringLiteral("new.rdat"));
    }

    void closeAsksAboutUnsavedChanges() {
        Window().show();
        QVERIFY(Window().close()); // nothing changed: no question
        QVERIFY(Seam().messages.isEmpty());
        Window().show();
        EditAChannel();
        Seam().AnswerMessage(QMessageBox::Cancel);
        QVERIFY(!Window().close());
        QVERIFY(Window().isVisible());
        Seam().AnswerMessage(QMessageBox::Discard);
        QSignalSpy closed(&Window(), &MDIFormMain::closed);
        QVERIFY(Window().close());
        QCOMPARE(closed.size(), 1);
    }

    // 200-260 has no code of its own: the image gets the 490-512 code. Every band's code is in
    // test_codeplug_basics.
    void modelChangeSetsBandAndImage() {
        Window().Pages().OpenPage(PageManager::kOptionPage);
        QPointer<ConfigPage> channelsBefore = Window().Pages().Page(PageManager::kChannelPage);
        ChooseModel(1);
        QCOMPARE(Seam().messages.size(), 1);
        QCOMPARE(std::tuple(int(Plan().BandLower), int(Plan().BandUpper), int(Plan().BandUpperTx)),
                 std::tuple(200, 260, 260));
        QCOMPARE(int(Plan().RadioImage[445]), 131);
        // Every page closed, the channel page opened anew.
        QVERIFY(!Window().Pages().Page(PageManager::kOptionPage));
        QVERIFY(!channelsBefore);
        QVERIFY(Window().Pages().Page(PageManager::kChannelPage));
    }

    // No change: the question cancelled, the signature already in the image, or the dialog's
    // own proposal confirmed (which band it proposes is in test_codeplug_basics).
    void modelDialogChangesNothing_data() {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<bool>("signature");
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("questions");
        QTest::newRow("cancelled") << 100 << 550 << false << 2 << 1;
        QTest::newRow("in the image") << 100 << 550 << true << 0 << 0;
        QTest::newRow("proposal confirmed") << 400 << 480 << false << -2 << 0;
    }
    void modelDialogChangesNothing() {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, area);
        Window();
        Plan().BandLower = std::int16_t(lower);
        Plan().BandUpper = Plan().BandUpperTx = std::int16_t(upper);
        QFETCH(bool, signature);
        if (signature) {
            const auto bytes = ModelBand::BuildSignature(0, 0);
            std::copy(bytes.begin(), bytes.end(), Plan().RadioImage.begin() + 440);
        }
        const auto image = Plan().RadioImage;
        QPointer<ConfigPage> before = Window().Pages().Page(PageManager::kChannelPage);
        Seam().AnswerMessage(QMessageBox::Cancel);
        ChooseModel(area);
        QTEST(int(Seam().messages.size()), "questions");
        QCOMPARE(int(Plan().BandLower), lower);
        QCOMPARE(int(Plan().BandUpper), upper);
        QVERIFY(Plan().RadioImage == image);
        QVERIFY(before);
    }

    void languageDialog_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("ok");
        QTest::newRow("english") << 0 << true;
        QTest::newRow("same language") << 1 << true;
        QTest::newRow("cancel") << 0 << false;
    }
    void languageDialog() {
        QFETCH(int, index);
        QFETCH(bool, ok);
        Window().Pages().OpenPage(PageManager::kRxListPage);
        QPointer<ConfigPage> before = Window().Pages().Page(PageManager::kChannelPage);
        test::OnNextModal([=](QWidget* modal) {
            auto* dialog = qobject_cast<FormLanguage*>(modal);
            dialog->ComboLanguage()->setCurrentIndex(index);
            (ok ? dialog->CommandOK() : dialog->CommandCancel())->click();
        });
        Window().Settings().SetLanguage();
        const bool switched = ok && index == 0;
        QCOMPARE(Plan().IsEnglish, switched);
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("Language")),
                 switched ? QStringLiteral("True") : QString());
        // A switch reopens only the channel page, in the new language.
        QCOMPARE(!before, switched);
        QCOMPARE(!Window().Pages().Page(PageManager::kRxListPage), switched);
        QCOMPARE(Window().StatusText(2), switched ? QStringLiteral("COM ttyS0") : "通信端口 ttyS0");
    }

    // English, Chinese and English again through the dialog: menus, tool tips, tree and status
    // bar follow, also where Qt's LanguageChange re-sets them, and the catalogue is the
    // application's translator exactly while the language is Chinese.
    void languageSwitchRetextsTheWindow() {
        rig_->options.language = QStringLiteral("en");
        const QStringList english = {"&File", "Set Com", "Channel Information",
                                     "ZR40  100-550 MHz (no band chosen)", "&File"};
        const QStringList chinese = {"文件(&F)", "串口设置", "信道信息(C)",
                                     "ZR40  100-550 MHz（未选择频段）", "文件(&F)"};
        QCOMPARE(WindowTexts(), english);
        for (const bool toEnglish : {false, true}) {
            test::OnNextModal([toEnglish](QWidget* modal) {
                auto* dialog = qobject_cast<FormLanguage*>(modal);
                dialog->ComboLanguage()->setCurrentIndex(toEnglish ? 0 : 1);
                dialog->CommandOK()->click();
            });
            Window().Settings().SetLanguage();
            Window().Action(QStringLiteral("MenuFile"))->setText(QString());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QCOMPARE(WindowTexts(), toEnglish ? english : chinese);
        }
    }

    // OK uses and saves the port typed; Cancel leaves the port as it was, though the dialog
    // proposed another (which ports it proposes and how a name is saved: PortChoice in
    // test_shell).
    void portDialog_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("port");
        QTest::newRow("typed, OK") << true << "/dev/serial/by-id/usb-radio";
        QTest::newRow("proposed, Cancel") << false << "ttyACM0";
    }
    void portDialog() {
        QFETCH(bool, ok);
        QFETCH(QString, port);
        rig_->ports = {"ttyS0", "ttyUSB0"};
        SettingsStore().WriteText(QStringLiteral("ComPort"), QStringLiteral("ttyACM0"));
        QCOMPARE(ChoosePort(ok, ok ? port : QString()), QStringLiteral("ttyS0"));
        QCOMPARE(Plan().ComPortName, port);
        QCOMPARE(SavedPort(), port);
        QCOMPARE(Window().StatusText(2), QStringLiteral("通信端口 ") + port);
    }

    // Help > Help Topics (F1) and the toolbar's help button open the active page's topic.
    void helpOpensTheActivePageTopic() {
        QAction* topics = Window().Action(QStringLiteral("MenuHelpPage"));
        QVERIFY(topics->isVisible());
        QCOMPARE(topics->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(Window().ToolbarActions().contains(topics));
        topics->trigger();
        Window().Pages().OpenPage(PageManager::kOptionPage);
        Window().ShowHelp();
        Window().Pages().CloseAllPages();
        topics->trigger();
        QCOMPARE(Seam().helpTopics, QStringList({"chinfo.htm", "optfeatures.htm", "general.htm"}));
    }

    void panels() {
        MDIFormMain& w = Window();
        w.resize(1000, 700);
        w.show();
        const int widthTwips = PanelLayout::ToTwips(w.width(), w.logicalDpiX());
        QVERIFY(!w.DragSeparatorTo(120));
        QVERIFY(!w.DragSeparatorTo(widthTwips / 2 + 15));
        QVERIFY(w.DragSeparatorTo(3000));
        QCOMPARE(w.Tree()->width(), PanelLayout::ToPixels(3000, w.logicalDpiX()));
        QAction* status = w.Action(QStringLiteral("MenuStatus"));
        status->trigger();
        QVERIFY(!status->isChecked());
        QVERIFY(!w.statusBar()->isVisible());
        QAction* tree = w.Action(QStringLiteral("MenuTree"));
        tree->trigger();
        QVERIFY(!w.Tree()->isVisible());
        QCOMPARE(w.PageArea()->x(), 0);
        tree->trigger();
        QVERIFY(w.Tree()->isVisible());
    }

    void treeClickBringsAnOpenPageToTheFront() {
        MDIFormMain& w = Window();
        QTreeWidgetItem* root = w.Tree()->topLevelItem(0);
        emit w.Tree()->itemClicked(root->child(1), 0);
        ConfigPage* option = w.Pages().Page(PageManager::kOptionPage);
        QVERIFY(option);
        emit w.Tree()->itemClicked(root->child(0), 0);
        QCOMPARE(Active()->widget(), w.Pages().Page(PageManager::kChannelPage));
        emit w.Tree()->itemClicked(root->child(1), 0);
        QCOMPARE(Active()->widget(), option); // the same window, not a new one
        emit w.Tree()->itemClicked(root, 0);
        QVERIFY(!root->isExpanded());
    }

    // Listed in the order they were opened, the active one checked; closing drops them.
    void windowMenuListsOpenPages() {
        MDIFormMain& w = Window();
        w.Pages().OpenPage(PageManager::kRxListPage);
        w.Pages().OpenPage(PageManager::kOptionPage);
        QList<int> order;
        for (QAction* action : w.WindowListActions())
            order << action->data().toInt() * (action->isChecked() ? -1 : 1);
        QCOMPARE(order, QList<int>({1000, 1006, -1001}));
        w.WindowListActions().at(0)->trigger();
        QCOMPARE(Active()->widget(), w.Pages().Page(PageManager::kChannelPage));
        w.Pages().Page(PageManager::kRxListPage)->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Plan().RxListOpen);
        QCOMPARE(w.WindowListActions().size(), 2);
        w.Action(QStringLiteral("MenuCloseAll"))->trigger();
        QVERIFY(w.WindowListActions().isEmpty());
        QVERIFY(!Plan().ChannelInfoOpen);
    }

    void cascadeKeepsPageSizes() {
        MDIFormMain& w = Window();
        w.resize(1200, 800);
        w.Pages().OpenPage(PageManager::kOptionPage);
        const QList<QMdiSubWindow*> subs = w.PageArea()->subWindowList(QMdiArea::CreationOrder);
        const QSize optionSize = subs[1]->size();
        w.Action(QStringLiteral("MenuCeng"))->trigger();
        QCOMPARE(subs[1]->size(), optionSize);
        QVERIFY(subs[1]->x() > 0);
        QCOMPARE(subs[1]->x(), subs[1]->y());
    }

    // At the smallest size of the main window every control of every page is in reach, the
    // page opened from the tree among the others and maximised: in view, or in a part of the
    // page that scrolls (the tune page's sixteen points).
    void everyControlInReachAtTheSmallestSize_data() {
        QTest::addColumn<int>("page");
        for (int page = PageManager::kChannelPage; page <= PageManager::kRxListPage; ++page)
            QTest::newRow(qPrintable(QString::number(page))) << page;
    }
    void everyControlInReachAtTheSmallestSize() {
        QFETCH(int, page);
        MDIFormMain& w = ServiceWindow(true);
        rig_->codeplug.TunePointCount = 16;
        w.resize(w.minimumSize());
        for (int other = PageManager::kChannelPage; other < page; ++other)
            w.Pages().OpenPageFromTree(other);
        w.Pages().OpenPageFromTree(page);
        QWidget* shown = w.Pages().Page(page);
        QVERIFY(shown);
        for (bool maximised : {false, true}) {
            if (maximised)
                w.PageArea()->activeSubWindow()->showMaximized();
            QWidget* view = w.PageArea()->viewport();
            for (QWidget* control : shown->findChildren<QWidget*>()) {
                if (!control->isVisible() || control->focusPolicy() == Qt::NoFocus ||
                    control->inherits("QScrollBar"))
                    continue;
                // A control in a part that scrolls is in reach when that part is.
                QWidget* reach = control;
                for (QWidget* up = control; up != shown; up = up->parentWidget())
                    if (qobject_cast<QScrollArea*>(up))
                        reach = up;
                const QRect at(reach->mapTo(view, QPoint()), reach->size());
                QVERIFY2(view->rect().contains(at),
                         qPrintable(control->objectName() + (maximised ? " maximised" : "")));
            }
        }
    }

    void pagesReopenInTheRecordedWindowState() {
        MDIFormMain& w = Window();
        w.show();
        Plan().ChildWindowState = 2;
        w.Files().New();
        QVERIFY(Active()->isMaximized());
        Plan().ChildWindowState = 1; // a minimised page is never reopened minimised
        w.Files().New();
        QVERIFY(!Active()->isMinimized());
    }

    // A read reloads the channel page where it is (the page the user works in stays in front),
    // takes the band from the image read, and marks the plan unsaved.
    void afterReadReloadsInPlace() {
        MDIFormMain& w = Window();
        ConfigPage* option = w.Pages().OpenPage(PageManager::kOptionPage);
        Plan().RxFreq[0] = 436'000'000;
        Plan().RadioImage[441] = '3'; // the band comes from the image read
        Plan().RadioImage[445] = 67;
        w.Transfers().AfterRead();
        QCOMPARE(Plan().BandLower, std::int16_t(400));
        QCOMPARE(Active()->widget(), option);
        auto* channels =
            qobject_cast<FormChannelInformation*>(w.Pages().Page(PageManager::kChannelPage));
        QCOMPARE(channels->CellText(1, 1), QStringLiteral("436.00000"));
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("*]")));
        // Without a channel page one is opened behind the page in front.
        w.Pages().Page(PageManager::kChannelPage)->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w.Transfers().AfterRead();
        QVERIFY(w.Pages().Page(PageManager::kChannelPage));
        QCOMPARE(Active()->widget(), option);
    }

    // --- Printing: the print dialog's rules, the printer list, File > Print… and the preview ---

    // OK is there only while a part is ticked, however the boxes got their ticks.
    void okOnlyWhileAPartIsTicked() {
        int setups = 0;
        FormPrint dialog({true, '.'}, {[&setups](QWidget*) { ++setups; }, {}});
        QVERIFY(!dialog.CommandOK()->isEnabled());
        dialog.Check(PlanPart::Message)->click();
        QVERIFY(dialog.CommandOK()->isEnabled());
        dialog.Check(PlanPart::Message)->click();
        QVERIFY(!dialog.CommandOK()->isEnabled());
        dialog.CommandSelectAll()->click();
        QCOMPARE(dialog.Sections(), PrintSections::All());
        QVERIFY(dialog.CommandOK()->isEnabled());
        dialog.CommandClearAll()->click();
        QVERIFY(!dialog.CommandOK()->isEnabled());
        dialog.CommandPrinterSetting()->click();
        QCOMPARE(setups, 1);
    }

    // The system's default printer is preselected, the choice made last time comes back, and
    // with no printer the PDF file is what is left.
    void printerChoice() {
        const QList<PrinterEntry> printers = TwoPrinters();
        FormPrinterSetting dialog({true, '.'}, printers,
                                  FormPrinterSetting::DefaultTarget(printers));
        QCOMPARE(dialog.ComboPrinter()->currentIndex(), 1);
        QCOMPARE(dialog.ComboPaperSize()->count(), 2); // the sizes this printer takes
        dialog.ComboPrinter()->setCurrentIndex(0);
        dialog.OptionLandscape()->click();
        const PrintTarget target = dialog.Target();
        QCOMPARE(target.printerName, "Office");
        QCOMPARE(target.orientation, QPageLayout::Landscape);
        FormPrinterSetting again({true, '.'}, printers, target);
        QCOMPARE(again.ComboPrinter()->currentIndex(), 0);
        QVERIFY(again.OptionLandscape()->isChecked());
        FormPrinterSetting none({false, '.'}, {}, FormPrinterSetting::DefaultTarget({}));
        QVERIFY(!none.LabelNoPrinter()->isHidden());
        QVERIFY(none.Target().ToPdf());
    }

    // File > Print… with no printer: OK asks for a file and writes the plan there.
    void printToPdfFromTheFileMenu() {
        QAction* print = PrintWindow().Action(QStringLiteral("MenuPrint"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.pdf"));
        rig_->seam.AnswerFile(path);
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormPrint*>(modal);
            QVERIFY(dialog);
            dialog->Check(PlanPart::RxLists)->click();
            dialog->CommandOK()->click();
        });
        print->trigger();
        QCOMPARE(rig_->seam.fileDialogs.size(), 1);
        QCOMPARE(rig_->seam.fileDialogs[0].proposedName, "new.pdf");
        QVERIFY(!rig_->seam.fileDialogs[0].isOpen);
        QVERIFY(ReadAll(path).startsWith("%PDF"));
        QVERIFY(PrintWindow().Printing().LastSections().Has(PlanPart::RxLists));
        QVERIFY(!PrintWindow().Printing().LastSections().Has(PlanPart::Channels));

        // The file dialog cancelled: nothing written, the print dialog stays for another try.
        QFile::remove(path);
        bool stayed = false;
        test::OnNextModal([&stayed](QWidget* modal) {
            auto* dialog = qobject_cast<FormPrint*>(modal);
            QVERIFY(dialog);
            dialog->CommandSelectAll()->click();
            dialog->CommandOK()->click();
            stayed = dialog->isVisible();
        });
        print->trigger();
        QVERIFY(stayed);
        QVERIFY(!QFile::exists(path));
    }

    void previewShowsThePlan() {
        int pages = 0;
        test::OnNextModal([&](QWidget* modal) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
            QVERIFY(preview);
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            QVERIFY(widget);
            widget->updatePreview();
            pages = widget->pageCount();
            preview->reject();
        });
        PrintWindow().Printing().Preview();
        QVERIFY(pages >= 1);
    }

    // --- Service mode: the service pages only when asked for ---

    // The service entries appear only when asked for; without them no rule is left over.
    void serviceEntriesOnlyInServiceMode_data() {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("service");
        QTest::newRow("dealer") << false << "no" << false;
        QTest::newRow("--service") << true << "" << true;
        QTest::newRow("ServiceMode setting") << false << "true" << true;
    }
    void serviceEntriesOnlyInServiceMode() {
        QFETCH(bool, option);
        QFETCH(QString, setting);
        QFETCH(bool, service);
        if (!setting.isEmpty())
            SettingsStore().WriteText(QStringLiteral("ServiceMode"), setting);
        MDIFormMain& w = ServiceWindow(option);
        QCOMPARE(w.ServiceMode(), service);
        for (const QString& name : kServiceMenus)
            QVERIFY2(w.Action(name)->isVisible() == service, qPrintable(name));
        QCOMPARE(TreeKeys(w), service ? kDealerTree + kServiceTree : kDealerTree);
        const QStringList menus = VisibleMenus(w);
        for (qsizetype i = 0; i < menus.size(); ++i) {
            if (menus[i].endsWith(QLatin1String("/-"))) {
                const bool last = i + 1 == menus.size() || !menus[i + 1].contains('/');
                QVERIFY2(!last && !menus[i + 1].endsWith(QLatin1String("/-")),
                         qPrintable(menus[i]));
            }
        }
    }

    void servicePagesOpenAndTheTunePageGivesWay() {
        MDIFormMain& w = ServiceWindow(true);
        const std::pair<const char*, int> entries[] = {{"MenuKey", PageManager::kKeyPage},
                                                       {"MenuScan", PageManager::kScanPage},
                                                       {"MenuMessage", PageManager::kMessagePage},
                                                       {"MenuTune", PageManager::kTunePage}};
        for (const auto& [menu, number] : entries) {
            w.Action(QString::fromLatin1(menu))->trigger();
            ConfigPage* page = w.Pages().Page(number);
            QVERIFY2(page, menu);
            QCOMPARE(page->CommandNumber(), number);
            QCOMPARE(Active()->widget(), page);
        }
        const QList<QAction*> list = w.WindowListActions();
        QCOMPARE(list.size(), 5);
        QCOMPARE(list.last()->data().toInt(), PageManager::kTunePage);
        QVERIFY(list.last()->isChecked());
        // Opening the tune page again keeps it; opening another page closes it.
        w.Action("MenuTune")->trigger();
        QVERIFY(w.Pages().Page(PageManager::kTunePage));
        w.Pages().OpenPageFromTree(PageManager::kKeyPage);
        QVERIFY(!w.Pages().Page(PageManager::kTunePage));
        QCOMPARE(Active()->widget(), w.Pages().Page(PageManager::kKeyPage));
        QTest::mouseClick(
            w.Pages().Page(PageManager::kKeyPage)->findChild<QPushButton*>("CommandClose"),
            Qt::LeftButton);
        QTRY_VERIFY(!Plan().KeySettingOpen);
        QTRY_VERIFY(!w.Pages().Page(PageManager::kKeyPage));
    }

    // After a read the key and tune pages show what came; the scan and message pages keep what
    // they showed. A read from the tune page leaves it in front.
    void readReloadsTheKeyAndTunePages() {
        MDIFormMain& w = ServiceWindow(true);
        for (int page : {PageManager::kScanPage, PageManager::kMessagePage, PageManager::kKeyPage,
                         PageManager::kTunePage})
            w.Pages().OpenPage(page);
        QMdiSubWindow* tune = Active();
        Plan().RadioImage[306] = 3;
        Plan().RadioImage[288] = 1;
        Plan().RadioImage[768] = 'Q';
        Plan().MicAmp = 33;
        w.Transfers().AfterRead();
        auto combo = [&](int page, const char* name) {
            return w.Pages().Page(page)->findChild<QComboBox*>(QLatin1String(name))->currentIndex();
        };
        QCOMPARE(combo(PageManager::kKeyPage, "ComboKeySet0"), 3);
        QCOMPARE(combo(PageManager::kScanPage, "ComboPriority"), 0);
        QVERIFY(w.Pages()
                    .Page(PageManager::kMessagePage)
                    ->findChild<QLineEdit*>("TextEmbedMessage0")
                    ->text()
                    .isEmpty());
        QCOMPARE(
            w.Pages().Page(PageManager::kTunePage)->findChild<QLineEdit*>("TextMicAmp")->text(),
            QStringLiteral("33"));
        QCOMPARE(Active(), tune);
        QVERIFY(w.Pages().Page(PageManager::kChannelPage));
    }

    // Every dialog the menus open has a default button, the one Enter presses where no field
    // takes it, and Escape closes it from the field that has the keyboard.
    void dialogsHaveADefaultButtonAndCloseOnEscape_data() {
        QTest::addColumn<QString>("command");
        for (const char* command : {"MenuModelInformation", "MenuCom", "MenuLanguage", "MenuAbout",
                                    "MenuBank", "MenuPrint", "MenuPassword", "MenuRead",
                                    "MenuWrite"})
            QTest::newRow(command) << command;
    }
    void dialogsHaveADefaultButtonAndCloseOnEscape() {
        QFETCH(QString, command);
        MDIFormMain& w = ServiceWindow(true);
        bool defaultButton = false;
        bool closed = false;
        test::OnNextModal([&](QWidget* modal) {
            for (const QPushButton* button : modal->findChildren<QPushButton*>())
                defaultButton = defaultButton || (button->isDefault() && button->isVisible());
            QWidget* focus = modal->focusWidget() ? modal->focusWidget() : modal;
            QTest::keyClick(focus, Qt::Key_Escape);
            closed = !modal->isVisible();
        });
        w.Action(command)->trigger();
        QVERIFY(defaultButton);
        QVERIFY(closed);
    }

    void passwordEntryOpensTheDialog() {
        MDIFormMain& w = ServiceWindow(true);
        Plan().ProgramPassword = QStringLiteral("246");
        bool opened = false;
        test::OnNextModal([&opened](QWidget* modal) {
            opened = qobject_cast<FormPassword*>(modal) != nullptr;
            modal->findChild<QLineEdit*>("TextPassword")->setText(QStringLiteral("135"));
            modal->findChild<QPushButton*>("CommandOK")->click();
        });
        w.Action("MenuPassword")->trigger();
        QVERIFY(opened);
        QCOMPARE(Plan().ProgramPassword, QStringLiteral("135"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
