#include "gui_support.h"

#include "channels/ui/form_channel_information.h"
#include "codeplug/model_band.h"
#include "codeplug/settings_store.h"
#include "link/ui/form_process.h"
#include "shell/form_com_port.h"
#include "shell/form_language.h"
#include "shell/form_model_information.h"
#include "shell/mdi_form_main.h"
#include "shell/panel_layout.h"
#include "widgets/config_page.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace zr40;

// The main window's dialogs (model, language, port, about, transfer), help, the separator and
// the page windows.
class TestMainWindowDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TemporarySettings> settings_;
    std::unique_ptr<test::ScriptedSeam> seam_;
    std::unique_ptr<Codeplug> codeplug_;
    std::unique_ptr<MDIFormMain> window_;
    QStringList ports_;

    MDIFormMain& Window() {
        if (!window_) {
            window_ = std::make_unique<MDIFormMain>(*codeplug_);
            window_->SetPortSource([this] { return ports_; });
        }
        return *window_;
    }
    // Chooses a band in the model dialog and presses OK.
    void ChooseModel(int area) {
        test::OnNextModal([area](QWidget* modal) {
            auto* dialog = qobject_cast<FormModelInformation*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->ComboArea()->count(), 3);
            dialog->ComboArea()->setCurrentIndex(area);
            dialog->CommandOk()->click();
        });
        Window().ModelInformation();
    }

private slots:
    void initTestCase() { settings_ = std::make_unique<test::TemporarySettings>(); }
    void init() {
        settings_->Wipe();
        seam_ = std::make_unique<test::ScriptedSeam>();
        codeplug_ = std::make_unique<Codeplug>();
        ports_.clear();
    }
    void cleanup() {
        window_.reset();
        codeplug_.reset();
        seam_.reset();
    }

    void modelChangeSetsBandAndImage_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("analysedLower");
        QTest::addColumn<int>("analysedUpper");
        QTest::newRow("136-174") << 0 << 136 << 174 << int('2') << 1 << 136 << 174;
        // 200-260 has no code of its own: the image gets the 490-512 code.
        QTest::newRow("200-260") << 1 << 200 << 260 << int('3') << 131 << 490 << 512;
        QTest::newRow("400-480") << 2 << 400 << 480 << int('3') << 147 << 400 << 480;
    }

    void modelChangeSetsBandAndImage() {
        QFETCH(int, area);
        Window().OpenPage(MDIFormMain::kOptionPage);
        QPointer<ConfigPage> channelsBefore = Window().Page(MDIFormMain::kChannelPage);
        ChooseModel(area);
        QCOMPARE(seam_->messages.size(), 1);
        QCOMPARE(seam_->messages[0].icon, QMessageBox::Critical);
        QCOMPARE(seam_->messages[0].text, QStringLiteral("频率数据将被清除"));
        QTEST(int(codeplug_->BandLower), "lower");
        QTEST(int(codeplug_->BandUpper), "upper");
        QTEST(int(codeplug_->BandUpperTx), "upper");
        QTEST(int(codeplug_->RadioImage[441]), "digit");
        QTEST(int(codeplug_->RadioImage[445]), "code");
        QVERIFY(!codeplug_->ModelChanged);
        // The rest of the image is the shipped model data.
        const QByteArray model = ModelBand::LoadModelData();
        QCOMPARE(int(codeplug_->RadioImage[0]), int(std::uint8_t(model[0])));
        QCOMPARE(int(codeplug_->RadioImage[440]), int('K'));
        // Every page closed, the channel page opened anew.
        QVERIFY(!Window().Page(MDIFormMain::kOptionPage));
        QVERIFY(!channelsBefore); // the old page is gone
        QVERIFY(Window().Page(MDIFormMain::kChannelPage));
        QVERIFY(ModelBand::AnalyseModel(*codeplug_));
        QTEST(int(codeplug_->BandLower), "analysedLower");
        QTEST(int(codeplug_->BandUpper), "analysedUpper");
    }

    void modelCancelledAtTheQuestionChangesNothing() {
        Window();
        seam_->AnswerMessage(QMessageBox::Cancel);
        ChooseModel(2);
        QCOMPARE(seam_->messages.size(), 1);
        QCOMPARE(codeplug_->BandLower, std::int16_t(100));
        QCOMPARE(codeplug_->BandUpper, std::int16_t(550));
        QCOMPARE(int(codeplug_->RadioImage[440]), 0);
    }

    void modelAlreadyInTheImageAsksNothing() {
        Window();
        const auto signature = ModelBand::BuildSignature(0, 0);
        std::copy(signature.begin(), signature.end(), codeplug_->RadioImage.begin() + 440);
        QPointer<ConfigPage> before = Window().Page(MDIFormMain::kChannelPage);
        ChooseModel(0);
        QVERIFY(seam_->messages.isEmpty());
        QCOMPARE(codeplug_->BandLower, std::int16_t(100));
        QVERIFY(before);
        QCOMPARE(Window().Page(MDIFormMain::kChannelPage), before.data());
    }

    // The dialog opens on the band in use, or on none, so that OK at once changes nothing.
    void modelDialogOpensOnTheCurrentBand_data() {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("index");
        QTest::newRow("start-up band") << 100 << 550 << -1;
        QTest::newRow("136-174") << 136 << 174 << 0;
        QTest::newRow("400-480") << 400 << 480 << 2;
        QTest::newRow("400-470") << 400 << 470 << -1;
    }
    void modelDialogOpensOnTheCurrentBand() {
        QFETCH(int, lower);
        QFETCH(int, upper);
        Window();
        codeplug_->BandLower = std::int16_t(lower);
        codeplug_->BandUpper = codeplug_->BandUpperTx = std::int16_t(upper);
        QPointer<ConfigPage> before = Window().Page(MDIFormMain::kChannelPage);
        int shown = -2;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<FormModelInformation*>(modal);
            shown = dialog->ComboArea()->currentIndex();
            dialog->CommandOk()->click();
        });
        Window().ModelInformation();
        QTEST(shown, "index");
        QVERIFY(seam_->messages.isEmpty());
        QCOMPARE(int(codeplug_->BandLower), lower);
        QCOMPARE(int(codeplug_->BandUpper), upper);
        QVERIFY(before);
    }

    void languageSwitchReopensPagesInTheNewLanguage() {
        Window().OpenPage(MDIFormMain::kRxListPage);
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormLanguage*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->ComboLanguage()->currentIndex(), 1);
            dialog->ComboLanguage()->setCurrentIndex(0);
            dialog->CommandOK()->click();
        });
        Window().SetLanguage();
        QVERIFY(codeplug_->IsEnglish);
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("Language")), QStringLiteral("True"));
        QVERIFY(!Window().Page(MDIFormMain::kRxListPage));
        QVERIFY(Window().Page(MDIFormMain::kChannelPage));
        QCOMPARE(Window().Action(QStringLiteral("MenuFile"))->text(), QStringLiteral("&File"));
        QCOMPARE(Window().StatusText(2), QStringLiteral("COM1"));
        QCOMPARE(Window().windowTitle(), QStringLiteral("ZR40[FileName:new.rdat]"));
        Window().ShowHelp();
        QCOMPARE(seam_->helpEnglish.value(0), true);
    }

    void languageUnchangedOrCancelledChangesNothing_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("ok");
        QTest::newRow("same language") << 1 << true;
        QTest::newRow("cancel") << 0 << false;
    }
    void languageUnchangedOrCancelledChangesNothing() {
        QFETCH(int, index);
        QFETCH(bool, ok);
        QPointer<ConfigPage> before = Window().Page(MDIFormMain::kChannelPage);
        test::OnNextModal([=](QWidget* modal) {
            auto* dialog = qobject_cast<FormLanguage*>(modal);
            dialog->ComboLanguage()->setCurrentIndex(index);
            (ok ? dialog->CommandOK() : dialog->CommandCancel())->click();
        });
        Window().SetLanguage();
        QVERIFY(!codeplug_->IsEnglish);
        QVERIFY(SettingsStore().ReadText(QStringLiteral("Language")).isEmpty());
        QVERIFY(before); // the pages were not reopened
    }

    void portListIsSortedAndThePortInUsePreselected() {
        ports_ = {"ttyS10", "ttyUSB0", "ttyS2"};
        SettingsStore().WriteText(QStringLiteral("ComPort"), QStringLiteral("ttyS10"));
        Window();
        QStringList shown; // the first item and the selected one
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<FormComPort*>(modal);
            QVERIFY(dialog);
            shown << dialog->ComboCom()->itemText(0) << dialog->ComboCom()->currentText();
            dialog->CommandCancel()->click();
        });
        Window().SetCom();
        QCOMPARE(shown, QStringList({"ttyS2", "ttyS10"}));
        QCOMPARE(codeplug_->ComPortName, QStringLiteral("ttyS10"));
    }

    // Cancel leaves the port as it was; a saved port number preselects the device it opens.
    void portDialogPreselectsAndCancelKeeps_data() {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("absent device") << QStringList{"ttyS0", "ttyUSB0"} << "ttyACM0"
                                       << "ttyS0";
        QTest::newRow("number") << QStringList{"ttyS0", "ttyS2", "ttyUSB0"} << "3"
                                << "ttyS2";
    }
    void portDialogPreselectsAndCancelKeeps() {
        QFETCH(QStringList, ports);
        QFETCH(QString, saved);
        ports_ = ports;
        SettingsStore().WriteText(QStringLiteral("ComPort"), saved);
        Window();
        const Codeplug before = *codeplug_;
        QString shown;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<FormComPort*>(modal);
            shown = dialog->ComboCom()->currentText();
            dialog->CommandCancel()->click();
        });
        Window().SetCom();
        QTEST(shown, "preselected");
        QCOMPARE(codeplug_->ComPortName, before.ComPortName);
        QCOMPARE(codeplug_->ComPortNumber, before.ComPortNumber);
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("ComPort")), saved);
    }

    void portComNumbersFollowTheChoice() {
        ports_ = {"COM1", "COM3", "COM10"};
        SettingsStore().WriteText(QStringLiteral("ComPort"), QStringLiteral("3"));
        Window();
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormComPort*>(modal);
            QCOMPARE(dialog->ComboCom()->currentText(), QStringLiteral("COM3"));
            QCOMPARE(dialog->ComboCom()->itemText(2), QStringLiteral("COM10"));
            dialog->ComboCom()->setCurrentIndex(2);
            dialog->CommandOK()->click();
        });
        Window().SetCom();
        QCOMPARE(codeplug_->ComPortNumber, std::int16_t(10));
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("ComPort")), QStringLiteral("10"));
        QCOMPARE(Window().StatusText(2), QStringLiteral("通信端口10"));
    }

    void typedPortPathIsSaved() {
        ports_ = {"ttyS0"};
        Window();
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormComPort*>(modal);
            dialog->ComboCom()->setEditText(QStringLiteral("/dev/serial/by-id/usb-radio"));
            dialog->CommandOK()->click();
        });
        Window().SetCom();
        QCOMPARE(codeplug_->ComPortName, QStringLiteral("/dev/serial/by-id/usb-radio"));
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("ComPort")),
                 QStringLiteral("/dev/serial/by-id/usb-radio"));
        // The next start uses it.
        Codeplug next;
        SettingsStore().Load(next);
        QCOMPARE(next.ComPortName, QStringLiteral("/dev/serial/by-id/usb-radio"));
    }

    void helpOpensTheActivePageTopic() {
        Window().ShowHelp();
        Window().OpenPage(MDIFormMain::kOptionPage);
        Window().ShowHelp();
        Window().CloseAllPages();
        Window().ShowHelp();
        Window().Action(QStringLiteral("MenuHelpPage"))->trigger();
        QCOMPARE(seam_->helpTopics,
                 QStringList({"chinfo.htm", "optfeatures.htm", "general.htm", "general.htm"}));
        QCOMPARE(seam_->helpEnglish.value(0), false);
    }

    void separatorDragLimits() {
        MDIFormMain& w = Window();
        w.resize(1000, 700);
        const double dpi = w.logicalDpiX();
        const int widthTwips = PanelLayout::ToTwips(w.width(), dpi);
        QVERIFY(!w.DragSeparatorTo(120));
        QVERIFY(!w.DragSeparatorTo(widthTwips / 2 + 15));
        QCOMPARE(w.TreeWidthTwips(), 2500);
        QVERIFY(w.DragSeparatorTo(3000));
        QCOMPARE(w.TreeWidthTwips(), 3000);
        QCOMPARE(w.Tree()->width(), PanelLayout::ToPixels(3000, dpi));
    }

    void treeClickBringsAnOpenPageToTheFront() {
        MDIFormMain& w = Window();
        QTreeWidgetItem* option = w.Tree()->topLevelItem(0)->child(1);
        emit w.Tree()->itemClicked(option, 0);
        ConfigPage* page = w.Page(MDIFormMain::kOptionPage);
        QVERIFY(page);
        emit w.Tree()->itemClicked(w.Tree()->topLevelItem(0)->child(0), 0);
        QCOMPARE(w.PageArea()->activeSubWindow()->widget(), w.Page(MDIFormMain::kChannelPage));
        emit w.Tree()->itemClicked(option, 0);
        QCOMPARE(w.Page(MDIFormMain::kOptionPage), page); // the same window, not a new one
        QCOMPARE(w.PageArea()->activeSubWindow()->widget(), page);
        QTreeWidgetItem* root = w.Tree()->topLevelItem(0);
        emit w.Tree()->itemClicked(root, 0);
        QVERIFY(!root->isExpanded());
    }

    void windowMenuListsOpenPages() {
        MDIFormMain& w = Window();
        w.OpenPage(MDIFormMain::kRxListPage);
        QList<QAction*> list = w.WindowListActions();
        QCOMPARE(list.size(), 2);
        QVERIFY(list[1]->isChecked());
        list[0]->trigger();
        QCOMPARE(w.PageArea()->activeSubWindow()->widget(), w.Page(MDIFormMain::kChannelPage));
        w.PageArea()->subWindowList().last()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.Page(MDIFormMain::kRxListPage));
        QVERIFY(!codeplug_->RxListOpen);
        QCOMPARE(w.WindowListActions().size(), 1);
        w.Action(QStringLiteral("MenuCloseAll"))->trigger();
        QVERIFY(w.WindowListActions().isEmpty());
        QVERIFY(!codeplug_->ChannelInfoOpen);
    }

    void windowMenuKeepsTheOpeningOrder() {
        MDIFormMain& w = Window();
        w.OpenPage(MDIFormMain::kRxListPage);
        w.OpenPage(MDIFormMain::kOptionPage);
        QList<int> order;
        for (QAction* action : w.WindowListActions())
            order << action->data().toInt();
        QCOMPARE(order, QList<int>({MDIFormMain::kChannelPage, MDIFormMain::kRxListPage,
                                    MDIFormMain::kOptionPage}));
    }

    // The function setup page's own Close button, which the layout never shows, still works.
    void optionPageCloseButtonCloses() {
        ConfigPage* page = Window().OpenPage(MDIFormMain::kOptionPage);
        page->findChild<QPushButton*>(QStringLiteral("CommandClose"))->click();
        QVERIFY(!codeplug_->OptionOpen);
        QTRY_VERIFY(!Window().Page(MDIFormMain::kOptionPage));
        QCOMPARE(Window().WindowListActions().size(), 1);
    }

    void cascadeKeepsPageSizes() {
        MDIFormMain& w = Window();
        w.resize(1200, 800);
        w.OpenPage(MDIFormMain::kOptionPage);
        const QList<QMdiSubWindow*> subs = w.PageArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(subs.size(), 2);
        const QSize channelSize = subs[0]->size();
        const QSize optionSize = subs[1]->size();
        w.Action(QStringLiteral("MenuCeng"))->trigger();
        QCOMPARE(subs[0]->size(), channelSize);
        QCOMPARE(subs[1]->size(), optionSize);
        QVERIFY(subs[1]->x() > 0);
        QCOMPARE(subs[1]->x(), subs[1]->y());
    }

    void pagesReopenInTheRecordedWindowState() {
        MDIFormMain& w = Window();
        w.show();
        codeplug_->ChildWindowState = 2;
        w.New();
        QVERIFY(w.PageArea()->activeSubWindow()->isMaximized());
        // A minimised page is never reopened minimised.
        codeplug_->ChildWindowState = 1;
        w.New();
        QMdiSubWindow* sub = w.PageArea()->activeSubWindow();
        QVERIFY(!sub->isMinimized());
    }

    void viewItemsHideAndShowPanels() {
        MDIFormMain& w = Window();
        w.show();
        QAction* status = w.Action(QStringLiteral("MenuStatus"));
        QVERIFY(status->isChecked());
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

    void readOpensTheTransferWindowForReading() {
        Window();
        bool reading = false;
        bool linkRead = false;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<FormProcess*>(modal);
            QVERIFY(dialog);
            reading = dialog->Reading();
            linkRead = codeplug_->LinkRead;
        });
        Window().ReadFromRadio();
        QVERIFY(reading);
        QVERIFY(linkRead);
        QVERIFY(!codeplug_->LinkRead);
        test::OnNextModal(
            [&](QWidget* modal) { reading = qobject_cast<FormProcess*>(modal)->Reading(); });
        Window().WriteToRadio();
        QVERIFY(!reading);
    }

    // A read reloads the channel page where it is; the page the user works in stays in front.
    void afterReadKeepsTheActivePageInFront() {
        MDIFormMain& w = Window();
        ConfigPage* option = w.OpenPage(MDIFormMain::kOptionPage);
        codeplug_->RxFreq[0] = 436'000'000;
        w.AfterRead();
        QCOMPARE(w.PageArea()->activeSubWindow()->widget(), option);
        auto* channels = qobject_cast<FormChannelInformation*>(w.Page(MDIFormMain::kChannelPage));
        QCOMPARE(channels->CellText(1, 1), QStringLiteral("436.00000"));
    }

    void afterReadReloadsAndMarksUnsaved() {
        MDIFormMain& w = Window();
        w.CloseAllPages();
        codeplug_->RadioImage[441] = '3';
        codeplug_->RadioImage[445] = 67;
        w.AfterRead();
        QVERIFY(w.Page(MDIFormMain::kChannelPage));
        QCOMPARE(codeplug_->BandLower, std::int16_t(400));
        QCOMPARE(codeplug_->BandUpper, std::int16_t(430));
        QVERIFY(w.IsModified());
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("*]")));
    }
};

QTEST_MAIN(TestMainWindowDialogs)
#include "test_main_window_dialogs.moc"
