#include "gui_support.h"

#include "codeplug/radio_data_file.h"
#include "codeplug/settings_store.h"
#include "shell/mdi_form_main.h"
#include "widgets/config_page.h"

#include <QAction>
#include <QFile>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace zr40;

// Start-up, menus, toolbar, tree and the file commands of the main window.
class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TemporarySettings> settings_;
    std::unique_ptr<test::ScriptedSeam> seam_;
    std::unique_ptr<Codeplug> codeplug_;
    std::unique_ptr<MDIFormMain> window_;
    QTemporaryDir files_;

    MDIFormMain& Window() {
        if (!window_) {
            window_ = std::make_unique<MDIFormMain>(*codeplug_);
            window_->SetPortSource([] { return QStringList(); });
        }
        return *window_;
    }
    static bool InAPage(const QObject* object) {
        for (; object; object = object->parent()) {
            if (qobject_cast<const QMdiSubWindow*>(object))
                return true;
        }
        return false;
    }
    QString Path(const QString& name) const { return files_.filePath(name); }
    // Opens the window and changes a channel, so that the plan has unsaved changes.
    void EditAChannel() {
        Window();
        codeplug_->RxFreq[0] = 435'012'500;
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

private slots:
    void initTestCase() {
        settings_ = std::make_unique<test::TemporarySettings>();
        QVERIFY(files_.isValid());
    }
    void init() {
        settings_->Wipe();
        seam_ = std::make_unique<test::ScriptedSeam>();
        codeplug_ = std::make_unique<Codeplug>();
    }
    void cleanup() {
        window_.reset();
        codeplug_.reset();
        seam_.reset();
    }

    void startsChineseOnPortOneWithoutSettings() {
        MDIFormMain& w = Window();
        QCOMPARE(codeplug_->IsEnglish, false);
        QCOMPARE(codeplug_->ComPortNumber, std::int16_t(1));
        QCOMPARE(w.windowTitle(), QStringLiteral("ZR40[文件名:new.rdat]"));
        QCOMPARE(w.StatusText(2), QStringLiteral("通信端口1"));
        QVERIFY(w.Page(MDIFormMain::kChannelPage));
        QCOMPARE(w.TreeWidthTwips(), 2500);
        // The start-up plan: band 100..550 MHz, channels above 16 all zero.
        QCOMPARE(codeplug_->BandLower, std::int16_t(100));
        QCOMPARE(codeplug_->BandUpper, std::int16_t(550));
        QCOMPARE(codeplug_->ChannelType[16], 0);
        QVERIFY(!w.IsModified());
        QVERIFY(seam_->messages.isEmpty());
        QTreeWidgetItem* root = w.Tree()->topLevelItem(0);
        QCOMPARE(root->childCount(), 3);
        QCOMPARE(root->child(2)->text(0), QStringLiteral("接收列表(L)"));
        // The toolbar buttons are the menu's own commands.
        const QList<QAction*> tools = w.ToolbarActions();
        QCOMPARE(tools.size(), 7);
        QCOMPARE(tools[0], w.Action(QStringLiteral("MenuNew")));
        QCOMPARE(tools[3], w.Action(QStringLiteral("MenuRead")));
        QCOMPARE(tools[6]->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void startsInSavedLanguageAndPort() {
        SettingsStore store;
        QVERIFY(store.WriteText(QStringLiteral("Language"), QStringLiteral("True")));
        QVERIFY(store.WriteText(QStringLiteral("ComPort"), QStringLiteral("3")));
        MDIFormMain& w = Window();
        QVERIFY(codeplug_->IsEnglish);
        QCOMPARE(w.windowTitle(), QStringLiteral("ZR40[FileName:new.rdat]"));
        QCOMPARE(w.StatusText(2), QStringLiteral("COM3"));
        QCOMPARE(w.Action(QStringLiteral("MenuFile"))->text(), QStringLiteral("&File"));
        QCOMPARE(w.Tree()->topLevelItem(0)->child(0)->text(0),
                 QStringLiteral("Channel Information"));
    }

    void portOptionSetsThePortForTheRun() {
        StartOptions options;
        options.port = QStringLiteral("/dev/pts/7");
        MDIFormMain w(*codeplug_, options);
        QCOMPARE(codeplug_->ComPortName, QStringLiteral("/dev/pts/7"));
        QCOMPARE(w.StatusText(2), QStringLiteral("通信端口 /dev/pts/7"));
        // The run's port is not remembered for the next start.
        QVERIFY(SettingsStore().ReadText(QStringLiteral("ComPort")).isEmpty());
    }

    void menuItems() {
        struct Item {
            const char* name;
            const char* chinese;
            bool visible;
            const char* shortcut;
        };
        const Item items[] = {
            {"MenuNew", "新建(&N)", true, "Ctrl+N"},
            {"MenuOpen", "打开(&O)", true, "Ctrl+O"},
            {"MenuSave", "保存(&S)", true, "Ctrl+S"},
            {"MenuSaveAs", "另存为(&A)", true, ""},
            {"MenuPrint", "", false, "Ctrl+P"},
            {"MenuExit", "退出(&E)", true, ""},
            {"MenuModelInformation", "机型信息(&M)", true, ""},
            {"MenuChannel", "信道信息(&C)", true, ""},
            {"MenuKey", "键设置(&K)", false, ""},
            {"MenuStun", "遥晕遥毙选项(&D)", false, ""},
            {"MenuBank", "批信道编辑(&B)", false, ""},
            {"MenuRead", "从对讲机读出数据(&R)", true, "Ctrl+R"},
            {"MenuWrite", "向对讲机写入数据(&W)", true, "Ctrl+W"},
            {"MenuPassword", "密码(&P)", false, ""},
            {"MenuTool", "工具(&T)", false, ""},
            {"MenuCom", "串口设置(&C)", true, ""},
            {"MenuTree", "树视图(&V)", true, ""},
            {"MenuWindow", "窗口(&W)", true, ""},
            {"MenuCeng", "层叠(&C)", true, ""},
            {"MenuHelpPage", "帮助主题(&H)", false, ""},
            {"MenuAbout", "关于ZR40(&A)", true, ""},
        };
        for (const Item& item : items) {
            QAction* action = Window().Action(QString::fromLatin1(item.name));
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QString::fromUtf8(item.chinese));
            QVERIFY2(action->isVisible() == item.visible, item.name);
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)));
        }
    }

    // Every shown menu shortcut acts from wherever the keyboard is in a page; a page's own window
    // must not take it (the child window's close key is Ctrl+W on most desktops).
    void menuShortcutsActWithAPageFocused_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus");
        QTest::newRow("channel grid") << int(MDIFormMain::kChannelPage) << "MSHFlexGridChannel";
        QTest::newRow("local id") << int(MDIFormMain::kOptionPage) << "TextLocalID";
        QTest::newRow("rx list") << int(MDIFormMain::kRxListPage) << "ComboRxList";
    }
    void menuShortcutsActWithAPageFocused() {
        QFETCH(int, page);
        QFETCH(QString, focus);
        MDIFormMain& w = Window();
        QVERIFY(test::ShowActive(&w));
        QList<QAction*> withKeys; // the window's own: a page's go when a page closes
        for (QAction* action : w.findChildren<QAction*>()) {
            if (!action->shortcut().isEmpty() && action->isVisible() && !InAPage(action))
                withKeys << action;
        }
        QCOMPARE(withKeys.size(), 6); // New, Open, Save, Read, Write, F1
        for (QAction* action : withKeys) {
            auto* target = w.OpenPage(page)->findChild<QWidget*>(focus);
            QVERIFY(target);
            QVERIFY(test::ShowActive(&w)); // a closed dialog may leave no window active
            target->setFocus();
            QVERIFY(target->hasFocus());
            const bool modal = action->objectName() == QLatin1String("MenuRead") ||
                               action->objectName() == QLatin1String("MenuWrite");
            if (modal)
                test::OnNextModal([](QWidget*) {});
            QSignalSpy triggered(action, &QAction::triggered);
            const QKeyCombination key = action->shortcut()[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
            QVERIFY2(triggered.size() == 1, qPrintable(action->shortcut().toString()));
        }
    }

    void newWithoutChangesAsksNothing() {
        Window().New();
        QVERIFY(seam_->messages.isEmpty());
        // A new plan is in no file yet.
        QVERIFY(Window().IsModified());
        QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:new.rdat*]"));
    }

    void newCancelledKeepsTheData() {
        EditAChannel();
        seam_->AnswerMessage(QMessageBox::Cancel);
        Window().New();
        QCOMPARE(seam_->messages.size(), 1);
        QCOMPARE(seam_->messages[0].text, QStringLiteral("是否保存对 new.rdat 的修改？"));
        QCOMPARE(seam_->messages[0].buttons,
                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(codeplug_->RxFreq[0], 435'012'500);
        QCOMPARE(codeplug_->ChannelType[16], 0);
    }

    void newDiscardResetsAndReopensTheChannelPage() {
        EditAChannel();
        Window().OpenPage(MDIFormMain::kOptionPage);
        seam_->AnswerMessage(QMessageBox::Discard);
        QPointer<ConfigPage> before = Window().Page(MDIFormMain::kChannelPage);
        Window().New();
        QCOMPARE(codeplug_->ChannelType[16], 1); // New gives every channel its default
        QVERIFY(!Window().Page(MDIFormMain::kOptionPage));
        QVERIFY(!codeplug_->OptionOpen);
        QVERIFY(!before); // closed and deleted, not kept
        QVERIFY(Window().Page(MDIFormMain::kChannelPage));
        QCOMPARE(Window().WindowListActions().size(), 1);
    }

    void saveAnswerInTheQuestionSaves() {
        EditAChannel();
        seam_->AnswerMessage(QMessageBox::Save);
        seam_->AnswerFile(Path("kept.rdat"));
        Window().New();
        QCOMPARE(SavedRx("kept.rdat", 0), 435'012'500);
        QCOMPARE(codeplug_->ChannelType[16], 1);
    }

    void openCancelledAtTheDialogChangesNothing() {
        Window().Open();
        QCOMPARE(seam_->fileDialogs.size(), 1);
        const test::ShownFileDialog& dialog = seam_->fileDialogs[0];
        QVERIFY(dialog.isOpen);
        QCOMPARE(dialog.title, QStringLiteral("打开"));
        QCOMPARE(dialog.filters, QStringList({"对讲机数据文件(*.rdat)", "所有文件(*.*)"}));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("rdat"));
        QVERIFY(seam_->messages.isEmpty());
        QCOMPARE(codeplug_->FileName, QStringLiteral("new.rdat"));
    }

    void openCancelledAtTheQuestionChangesNothing() {
        QVERIFY(WritePlan("other.rdat", 0, 150'000'000));
        Window();
        seam_->AnswerFile(Path("other.rdat"));
        seam_->AnswerMessage(QMessageBox::Cancel);
        Window().Open();
        QCOMPARE(seam_->messages.size(), 1);
        QCOMPARE(seam_->messages[0].icon, QMessageBox::Warning);
        QCOMPARE(seam_->messages[0].text, QStringLiteral("覆盖当前数据？"));
        QCOMPARE(codeplug_->FileName, QStringLiteral("new.rdat"));
        QVERIFY(codeplug_->RxFreq[0] != 150'000'000);
        QVERIFY(Window().CurrentPath().isEmpty());
    }

    void openLoadsTheFile() {
        QVERIFY(WritePlan("plan.rdat", 3, 462'562'500));
        Window().OpenPage(MDIFormMain::kRxListPage);
        seam_->AnswerFile(Path("plan.rdat"));
        Window().Open();
        QCOMPARE(codeplug_->RxFreq[3], 462'562'500);
        QCOMPARE(Window().CurrentPath(), Path("plan.rdat"));
        QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:plan.rdat]"));
        QVERIFY(!Window().Page(MDIFormMain::kRxListPage));
        QVERIFY(Window().Page(MDIFormMain::kChannelPage));
    }

    void openRefusesABadFileAndSaysWhy() {
        QFile bad(Path("bad.rdat"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray(RadioDataFile::kFileSize, 'x'));
        bad.close();
        Window();
        const QByteArray before = RadioDataFile::Serialize(*codeplug_);
        seam_->AnswerFile(Path("bad.rdat"));
        Window().Open();
        QCOMPARE(seam_->messages.size(), 2);
        const test::ShownMessage& error = seam_->messages[1];
        QCOMPARE(error.icon, QMessageBox::Critical);
        QCOMPARE(error.title, QStringLiteral("错误"));
        QVERIFY(error.text.startsWith(QStringLiteral("错误的文件！\n")));
        QVERIFY(error.text.size() > QStringLiteral("错误的文件！\n").size());
        QCOMPARE(RadioDataFile::Serialize(*codeplug_), before);
        QCOMPARE(codeplug_->FileName, QStringLiteral("new.rdat"));
    }

    void saveWithoutPathAndCancelWritesNothing() {
        QVERIFY(!Window().Save());
        QCOMPARE(seam_->fileDialogs.size(), 1);
        QVERIFY(!seam_->fileDialogs[0].isOpen);
        QCOMPARE(seam_->fileDialogs[0].title, QStringLiteral("保存"));
        QCOMPARE(seam_->fileDialogs[0].proposedName, QStringLiteral("new.rdat"));
        QVERIFY(Window().CurrentPath().isEmpty());
        QVERIFY(seam_->messages.isEmpty());
    }

    void saveWritesAndClearsTheMark() {
        EditAChannel();
        Window().RefreshStatus();
        QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:new.rdat*]"));
        seam_->AnswerFile(Path("saved.rdat"));
        QVERIFY(Window().Save());
        QCOMPARE(QFileInfo(Path("saved.rdat")).size(), qint64(RadioDataFile::kFileSize));
        QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:saved.rdat]"));
        // A second save goes to the same file without a dialog.
        codeplug_->RxFreq[1] = 436'000'000;
        QVERIFY(Window().Save());
        QCOMPARE(seam_->fileDialogs.size(), 1);
        QCOMPARE(SavedRx("saved.rdat", 1), 436'000'000);
    }

    void saveAsAsksForANewPathEachTime() {
        SettingsStore().WriteText(QStringLiteral("Language"), QStringLiteral("True"));
        seam_->AnswerFile(Path("first.rdat"));
        QVERIFY(Window().SaveAs());
        QVERIFY(!Window().SaveAs()); // cancelled: the path stays
        QCOMPARE(seam_->fileDialogs.size(), 2);
        QCOMPARE(seam_->fileDialogs[1].title, QStringLiteral("另存为"));
        QVERIFY(seam_->fileDialogs[1].proposedName.isEmpty());
        QCOMPARE(seam_->fileDialogs[1].filters,
                 QStringList({"Radio data file(*.rdat)", "All file(*.*)"}));
        QCOMPARE(Window().CurrentPath(), Path("first.rdat"));
    }

    void failedSaveKeepsTheChangesMarked() {
        EditAChannel();
        seam_->AnswerFile(Path("missing-folder/plan.rdat"));
        QVERIFY(!Window().Save());
        QCOMPARE(seam_->messages.size(), 1);
        QCOMPARE(seam_->messages[0].icon, QMessageBox::Critical);
        QVERIFY(seam_->messages[0].text.startsWith(QStringLiteral("文件没有保存。\n")));
        QVERIFY(Window().IsModified());
        QVERIFY(Window().CurrentPath().isEmpty());
        QCOMPARE(codeplug_->FileName, QStringLiteral("new.rdat"));
    }

    void closeAsksAboutUnsavedChanges() {
        Window().show();
        QVERIFY(Window().close()); // nothing changed: no question
        QVERIFY(seam_->messages.isEmpty());
        Window().show();
        EditAChannel();
        seam_->AnswerMessage(QMessageBox::Cancel);
        QVERIFY(!Window().close());
        QVERIFY(Window().isVisible());
        seam_->AnswerMessage(QMessageBox::Discard);
        QSignalSpy closed(&Window(), &MDIFormMain::closed);
        QVERIFY(Window().close());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(seam_->messages.size(), 2);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
