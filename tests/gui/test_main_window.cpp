#include "gui_support.h"

#include "codeplug/radio_data_file.h"
#include "codeplug/settings_store.h"
#include "shell/config_page.h"
#include "shell/mdi_form_main.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace zr40;

// Start-up, menus, toolbar, tree and the file commands of the main window.
class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsChineseOnPortOneWithoutSettings();
    void startsInSavedLanguageAndPort();
    void portOptionSetsThePortForTheRun();
    void menuItems_data();
    void menuItems();
    void toolbarHasTheSevenKeyedButtons();
    void treeHasThreePages();

    void newAsksOnlyWhenThereAreChanges();
    void newCancelledKeepsTheData();
    void newDiscardResetsAndReopensTheChannelPage();
    void openCancelledAtTheDialogChangesNothing();
    void openCancelledAtTheQuestionChangesNothing();
    void openLoadsTheFile();
    void openRefusesABadFileAndSaysWhy();
    void saveWithoutPathAndCancelWritesNothing();
    void saveWritesAndClearsTheMark();
    void saveAsAsksForANewPathEachTime();
    void failedSaveKeepsTheChangesMarked();
    void closeAsksAboutUnsavedChanges();
    void saveAnswerInTheQuestionSaves();

private:
    MDIFormMain& Window();
    QString Path(const QString& name) const { return files_.filePath(name); }
    void MarkChannelEdited() { codeplug_->RxFreq[0] = 435'012'500; }

    std::unique_ptr<test::TemporarySettings> settings_;
    std::unique_ptr<test::ScriptedSeam> seam_;
    std::unique_ptr<Codeplug> codeplug_;
    std::unique_ptr<MDIFormMain> window_;
    QTemporaryDir files_;
};

void TestMainWindow::initTestCase() {
    settings_ = std::make_unique<test::TemporarySettings>();
    QVERIFY(files_.isValid());
}

void TestMainWindow::init() {
    settings_->Wipe();
    seam_ = std::make_unique<test::ScriptedSeam>();
    codeplug_ = std::make_unique<Codeplug>();
}

void TestMainWindow::cleanup() {
    window_.reset();
    codeplug_.reset();
    seam_.reset();
}

MDIFormMain& TestMainWindow::Window() {
    if (!window_) {
        window_ = std::make_unique<MDIFormMain>(*codeplug_);
        window_->SetPortSource([] { return QStringList(); });
    }
    return *window_;
}

void TestMainWindow::startsChineseOnPortOneWithoutSettings() {
    MDIFormMain& w = Window();
    QCOMPARE(codeplug_->IsEnglish, false);
    QCOMPARE(codeplug_->ComPortNumber, std::int16_t(1));
    QCOMPARE(w.windowTitle(), QStringLiteral("ZR40[文件名:new.rdat]"));
    QCOMPARE(w.StatusText(1), QStringLiteral("ZR40"));
    QCOMPARE(w.StatusText(2), QStringLiteral("通信端口1"));
    QVERIFY(!w.StatusText(3).isEmpty());
    QVERIFY(!w.StatusText(4).isEmpty());
    QVERIFY(w.Page(MDIFormMain::kChannelPage));
    QVERIFY(codeplug_->ChannelInfoOpen);
    QCOMPARE(w.TreeWidthTwips(), 2500);
    // The start-up plan: band 100..550 MHz, channels above 16 all zero.
    QCOMPARE(codeplug_->BandLower, std::int16_t(100));
    QCOMPARE(codeplug_->BandUpper, std::int16_t(550));
    QCOMPARE(codeplug_->ChannelType[16], 0);
    QVERIFY(!w.IsModified());
    QVERIFY(seam_->messages.isEmpty());
}

void TestMainWindow::startsInSavedLanguageAndPort() {
    SettingsStore store;
    QVERIFY(store.WriteText(QStringLiteral("Language"), QStringLiteral("True")));
    QVERIFY(store.WriteText(QStringLiteral("ComPort"), QStringLiteral("3")));
    MDIFormMain& w = Window();
    QVERIFY(codeplug_->IsEnglish);
    QCOMPARE(w.windowTitle(), QStringLiteral("ZR40[FileName:new.rdat]"));
    QCOMPARE(w.StatusText(2), QStringLiteral("COM3"));
    QCOMPARE(w.Action(QStringLiteral("MenuFile"))->text(), QStringLiteral("&File"));
    QCOMPARE(w.Tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Channel Information"));
}

void TestMainWindow::portOptionSetsThePortForTheRun() {
    StartOptions options;
    options.port = QStringLiteral("/dev/pts/7");
    MDIFormMain w(*codeplug_, options);
    QCOMPARE(codeplug_->ComPortName, QStringLiteral("/dev/pts/7"));
    QCOMPARE(w.StatusText(2), QStringLiteral("通信端口 /dev/pts/7"));
    // The run's port is not remembered for the next start.
    QVERIFY(SettingsStore().ReadText(QStringLiteral("ComPort")).isEmpty());
}

void TestMainWindow::menuItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("new") << "MenuNew"
                         << "新建(&N)" << true << "Ctrl+N";
    QTest::newRow("open") << "MenuOpen"
                          << "打开(&O)" << true << "Ctrl+O";
    QTest::newRow("save") << "MenuSave"
                          << "保存(&S)" << true << "Ctrl+S";
    QTest::newRow("save as") << "MenuSaveAs"
                             << "另存为(&A)" << true << "";
    QTest::newRow("print") << "MenuPrint"
                           << "" << false << "Ctrl+P";
    QTest::newRow("exit") << "MenuExit"
                          << "退出(&E)" << true << "";
    QTest::newRow("model") << "MenuModelInformation"
                           << "机型信息(&M)" << true << "";
    QTest::newRow("channel") << "MenuChannel"
                             << "信道信息(&C)" << true << "";
    QTest::newRow("key") << "MenuKey"
                         << "键设置(&K)" << false << "";
    QTest::newRow("stun") << "MenuStun"
                          << "遥晕遥毙选项(&D)" << false << "";
    QTest::newRow("batch") << "MenuBank"
                           << "批信道编辑(&B)" << false << "";
    QTest::newRow("read") << "MenuRead"
                          << "从对讲机读出数据(&R)" << true << "Ctrl+R";
    QTest::newRow("write") << "MenuWrite"
                           << "向对讲机写入数据(&W)" << true << "Ctrl+W";
    QTest::newRow("password") << "MenuPassword"
                              << "密码(&P)" << false << "";
    QTest::newRow("tool menu") << "MenuTool"
                               << "工具(&T)" << false << "";
    QTest::newRow("com") << "MenuCom"
                         << "串口设置(&C)" << true << "";
    QTest::newRow("tree") << "MenuTree"
                          << "树视图(&V)" << true << "";
    QTest::newRow("window") << "MenuWindow"
                            << "窗口(&W)" << true << "";
    QTest::newRow("cascade") << "MenuCeng"
                             << "层叠(&C)" << true << "";
    QTest::newRow("help topics") << "MenuHelpPage"
                                 << "帮助主题(&H)" << false << "";
    QTest::newRow("about") << "MenuAbout"
                           << "关于ZR40(&A)" << true << "";
}

void TestMainWindow::menuItems() {
    QFETCH(QString, name);
    QFETCH(QString, chinese);
    QFETCH(bool, visible);
    QFETCH(QString, shortcut);
    QAction* action = Window().Action(name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), chinese);
    QCOMPARE(action->isVisible(), visible);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
}

void TestMainWindow::toolbarHasTheSevenKeyedButtons() {
    const QList<QAction*> actions = Window().ToolbarActions();
    QStringList keys;
    QStringList tips;
    for (QAction* action : actions) {
        keys << action->property("toolKey").toString();
        tips << action->toolTip();
        QVERIFY(!action->icon().isNull());
    }
    QCOMPARE(keys, QStringList({"新建", "打开", "保存", "读取", "串口", "写频", "帮助"}));
    QCOMPARE(tips, QStringList({"新建", "打开", "保存", "读频", "串口设置", "写频", "帮助"}));
    // The buttons are the menu's own commands.
    QCOMPARE(actions[0], Window().Action(QStringLiteral("MenuNew")));
    QCOMPARE(actions[3], Window().Action(QStringLiteral("MenuRead")));
    QCOMPARE(actions[6]->shortcut(), QKeySequence(Qt::Key_F1));
}

void TestMainWindow::treeHasThreePages() {
    QTreeWidgetItem* root = Window().Tree()->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("ZR40"));
    QVERIFY(root->isExpanded());
    QCOMPARE(root->childCount(), 3);
    QCOMPARE(root->child(0)->text(0), QStringLiteral("信道信息(C)"));
    QCOMPARE(root->child(1)->text(0), QStringLiteral("功能设定(F)"));
    QCOMPARE(root->child(2)->text(0), QStringLiteral("接收列表(L)"));
    QCOMPARE(root->child(0)->data(0, Qt::UserRole).toString(),
             QStringLiteral("TreeChannelInforamtion"));
}

void TestMainWindow::newAsksOnlyWhenThereAreChanges() {
    Window().New();
    QVERIFY(seam_->messages.isEmpty());
    // A new plan is in no file yet.
    QVERIFY(Window().IsModified());
    QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:new.rdat*]"));
}

void TestMainWindow::newCancelledKeepsTheData() {
    Window();
    MarkChannelEdited();
    seam_->AnswerMessage(QMessageBox::Cancel);
    Window().New();
    QCOMPARE(seam_->messages.size(), 1);
    QCOMPARE(seam_->messages[0].text, QStringLiteral("是否保存对 new.rdat 的修改？"));
    QCOMPARE(seam_->messages[0].buttons,
             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QCOMPARE(codeplug_->RxFreq[0], 435'012'500);
    QCOMPARE(codeplug_->ChannelType[16], 0);
}

void TestMainWindow::newDiscardResetsAndReopensTheChannelPage() {
    Window().OpenPage(MDIFormMain::kOptionPage);
    MarkChannelEdited();
    seam_->AnswerMessage(QMessageBox::Discard);
    QPointer<ConfigPage> before = Window().Page(MDIFormMain::kChannelPage);
    Window().New();
    QCOMPARE(codeplug_->ChannelType[16], 1); // New gives every channel its default
    QVERIFY(!Window().Page(MDIFormMain::kOptionPage));
    QVERIFY(!codeplug_->OptionOpen);
    ConfigPage* after = Window().Page(MDIFormMain::kChannelPage);
    QVERIFY(after);
    QVERIFY(!before); // closed and deleted, not kept
    QVERIFY(codeplug_->ChannelInfoOpen);
    QCOMPARE(Window().WindowListActions().size(), 1);
}

void TestMainWindow::openCancelledAtTheDialogChangesNothing() {
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

void TestMainWindow::openCancelledAtTheQuestionChangesNothing() {
    Codeplug other;
    other.ApplyNewDefaults();
    other.RxFreq[0] = 150'000'000;
    QVERIFY(RadioDataFile::WriteToFile(Path("other.rdat"), other).ok());
    Window();
    seam_->AnswerFile(Path("other.rdat"));
    seam_->AnswerMessage(QMessageBox::Cancel);
    Window().Open();
    QCOMPARE(seam_->messages.size(), 1);
    QCOMPARE(seam_->messages[0].icon, QMessageBox::Warning);
    QCOMPARE(seam_->messages[0].title, QStringLiteral("ZR40"));
    QCOMPARE(seam_->messages[0].text, QStringLiteral("覆盖当前数据？"));
    QCOMPARE(codeplug_->FileName, QStringLiteral("new.rdat"));
    QVERIFY(codeplug_->RxFreq[0] != 150'000'000);
    QVERIFY(Window().CurrentPath().isEmpty());
}

void TestMainWindow::openLoadsTheFile() {
    Codeplug other;
    other.ApplyNewDefaults();
    other.RxFreq[3] = 462'562'500;
    QVERIFY(RadioDataFile::WriteToFile(Path("plan.rdat"), other).ok());
    Window().OpenPage(MDIFormMain::kRxListPage);
    seam_->AnswerFile(Path("plan.rdat"));
    Window().Open();
    QCOMPARE(codeplug_->RxFreq[3], 462'562'500);
    QCOMPARE(codeplug_->FileName, QStringLiteral("plan.rdat"));
    QCOMPARE(Window().CurrentPath(), Path("plan.rdat"));
    QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:plan.rdat]"));
    QVERIFY(!Window().Page(MDIFormMain::kRxListPage));
    QVERIFY(Window().Page(MDIFormMain::kChannelPage));
}

void TestMainWindow::openRefusesABadFileAndSaysWhy() {
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

void TestMainWindow::saveWithoutPathAndCancelWritesNothing() {
    QVERIFY(!Window().Save());
    QCOMPARE(seam_->fileDialogs.size(), 1);
    QVERIFY(!seam_->fileDialogs[0].isOpen);
    QCOMPARE(seam_->fileDialogs[0].title, QStringLiteral("保存"));
    QCOMPARE(seam_->fileDialogs[0].proposedName, QStringLiteral("new.rdat"));
    QVERIFY(Window().CurrentPath().isEmpty());
    QVERIFY(seam_->messages.isEmpty());
}

void TestMainWindow::saveWritesAndClearsTheMark() {
    Window();
    MarkChannelEdited();
    Window().RefreshStatus();
    QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:new.rdat*]"));
    seam_->AnswerFile(Path("saved.rdat"));
    QVERIFY(Window().Save());
    QCOMPARE(QFileInfo(Path("saved.rdat")).size(), qint64(RadioDataFile::kFileSize));
    QCOMPARE(codeplug_->FileName, QStringLiteral("saved.rdat"));
    QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[文件名:saved.rdat]"));
    // A second save goes to the same file without a dialog.
    codeplug_->RxFreq[1] = 436'000'000;
    QVERIFY(Window().Save());
    QCOMPARE(seam_->fileDialogs.size(), 1);
    Codeplug reloaded;
    QVERIFY(RadioDataFile::ReadFromFile(Path("saved.rdat"), reloaded).ok());
    QCOMPARE(reloaded.RxFreq[1], 436'000'000);
}

void TestMainWindow::saveAsAsksForANewPathEachTime() {
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

void TestMainWindow::failedSaveKeepsTheChangesMarked() {
    Window();
    MarkChannelEdited();
    seam_->AnswerFile(Path("missing-folder/plan.rdat"));
    QVERIFY(!Window().Save());
    QCOMPARE(seam_->messages.size(), 1);
    QCOMPARE(seam_->messages[0].icon, QMessageBox::Critical);
    QCOMPARE(seam_->messages[0].title, QStringLiteral("错误"));
    QVERIFY(seam_->messages[0].text.startsWith(QStringLiteral("文件没有保存。\n")));
    QVERIFY(Window().IsModified());
    QVERIFY(Window().CurrentPath().isEmpty());
    QCOMPARE(codeplug_->FileName, QStringLiteral("new.rdat"));
}

void TestMainWindow::closeAsksAboutUnsavedChanges() {
    Window().show();
    QVERIFY(Window().close()); // nothing changed: no question
    QVERIFY(seam_->messages.isEmpty());
    Window().show();
    MarkChannelEdited();
    seam_->AnswerMessage(QMessageBox::Cancel);
    QVERIFY(!Window().close());
    QVERIFY(Window().isVisible());
    seam_->AnswerMessage(QMessageBox::Discard);
    QSignalSpy closed(&Window(), &MDIFormMain::closed);
    QVERIFY(Window().close());
    QCOMPARE(closed.size(), 1);
    QCOMPARE(seam_->messages.size(), 2);
}

void TestMainWindow::saveAnswerInTheQuestionSaves() {
    Window();
    MarkChannelEdited();
    seam_->AnswerMessage(QMessageBox::Save);
    seam_->AnswerFile(Path("kept.rdat"));
    Window().New();
    QVERIFY(QFileInfo::exists(Path("kept.rdat")));
    Codeplug reloaded;
    QVERIFY(RadioDataFile::ReadFromFile(Path("kept.rdat"), reloaded).ok());
    QCOMPARE(reloaded.RxFreq[0], 435'012'500);
    QCOMPARE(codeplug_->ChannelType[16], 1);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
