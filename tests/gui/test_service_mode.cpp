// Service mode: the main window offers the service pages only when asked to, and otherwise looks
// exactly as it always did.

#include "codeplug/settings_store.h"
#include "gui_support.h"
#include "link/ui/form_password.h"
#include "shell/mdi_form_main.h"
#include "widgets/config_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace zr40;

namespace {

// Every visible menu entry, "Menu/Item", rules as "Menu/-", in order.
QStringList VisibleMenus(MDIFormMain& w) {
    QStringList shown;
    for (QAction* top : w.menuBar()->actions()) {
        if (!top->isVisible())
            continue;
        shown << top->objectName();
        for (QAction* item : top->menu()->actions()) {
            if (item->isVisible() && item->data().toInt() == 0)
                shown << top->objectName() + QLatin1Char('/') +
                             (item->isSeparator() ? QStringLiteral("-") : item->objectName());
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

QStringList ToolKeys(MDIFormMain& w) {
    QStringList keys;
    for (QAction* action : w.ToolbarActions())
        keys << action->property("toolKey").toString();
    return keys;
}

const QStringList kDealerMenus = {"MenuFile",
                                  "MenuFile/MenuNew",
                                  "MenuFile/MenuOpen",
                                  "MenuFile/MenuSave",
                                  "MenuFile/MenuSaveAs",
                                  "MenuFile/-",
                                  "MenuFile/MenuImport",
                                  "MenuFile/MenuExport",
                                  "MenuFile/-",
                                  "MenuFile/MenuPrint",
                                  "MenuFile/MenuPrintView",
                                  "MenuFile/-",
                                  "MenuFile/MenuExit",
                                  "MenuMachine",
                                  "MenuMachine/MenuModelInformation",
                                  "MenuEdit",
                                  "MenuEdit/MenuUndo",
                                  "MenuEdit/MenuRedo",
                                  "MenuEdit/-",
                                  "MenuEdit/MenuChannel",
                                  "MenuEdit/-",
                                  "MenuEdit/MenuOption",
                                  "MenuEdit/MenuRxList",
                                  "MenuProgram",
                                  "MenuProgram/MenuRead",
                                  "MenuProgram/MenuWrite",
                                  "MenuSetting",
                                  "MenuSetting/MenuCom",
                                  "MenuSetting/MenuLanguage",
                                  "MenuView",
                                  "MenuView/MenuTree",
                                  "MenuView/-",
                                  "MenuView/MenuToolBar",
                                  "MenuView/MenuStatus",
                                  "MenuWindow",
                                  "MenuWindow/MenuCeng",
                                  "MenuWindow/-",
                                  "MenuWindow/MenuCloseAll",
                                  "MenuWindow/-",
                                  "MenuHelp",
                                  "MenuHelp/MenuAbout"};
const QStringList kDealerTree = {"TreeChannelInforamtion", "TreeOption", "TreeRxList"};
const QStringList kToolKeys = {"新建", "打开", "保存", "读取", "串口", "写频", "帮助"};

} // namespace

class TestServiceMode : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TemporarySettings> settings_;
    std::unique_ptr<test::ScriptedSeam> seam_;
    std::unique_ptr<Codeplug> codeplug_;
    std::unique_ptr<MDIFormMain> window_;

    MDIFormMain& Window(bool service) {
        StartOptions options;
        options.service = service;
        window_ = std::make_unique<MDIFormMain>(*codeplug_, options);
        return *window_;
    }
    QMdiSubWindow* Active() { return window_->PageArea()->activeSubWindow(); }

private slots:
    void initTestCase() { settings_ = std::make_unique<test::TemporarySettings>(); }
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

    void withoutServiceModeTheWindowIsTheDealers() {
        SettingsStore().WriteText(QStringLiteral("ServiceMode"), QStringLiteral("no"));
        MDIFormMain& w = Window(false);
        QVERIFY(!w.ServiceMode());
        QCOMPARE(VisibleMenus(w), kDealerMenus);
        QCOMPARE(TreeKeys(w), kDealerTree);
        QCOMPARE(ToolKeys(w), kToolKeys);
    }

    void serviceModeAddsTheServiceEntries_data() {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("setting");
        QTest::newRow("--service") << true << "";
        QTest::newRow("ServiceMode setting") << false << "true";
    }
    void serviceModeAddsTheServiceEntries() {
        QFETCH(bool, option);
        QFETCH(QString, setting);
        if (!setting.isEmpty())
            SettingsStore().WriteText(QStringLiteral("ServiceMode"), setting);
        MDIFormMain& w = Window(option);
        QVERIFY(w.ServiceMode());
        QStringList expected = kDealerMenus;
        auto insertBefore = [&expected](const char* menu, const QStringList& items) {
            const qsizetype at = expected.indexOf(QLatin1String(menu));
            for (qsizetype i = 0; i < items.size(); ++i)
                expected.insert(at + i, items[i]);
        };
        insertBefore("MenuProgram", {"MenuEdit/MenuKey", "MenuEdit/MenuScan", "MenuEdit/-",
                                     "MenuEdit/MenuMessage", "MenuEdit/-", "MenuEdit/MenuBank"});
        insertBefore("MenuSetting",
                     {"MenuProgram/-", "MenuProgram/MenuPassword", "MenuProgram/MenuTune"});
        QCOMPARE(VisibleMenus(w), expected);
        const QStringList serviceNodes{"TreeKeySetting", "TreeScanInformation",
                                       "TreeEmbeddedMessage", "TreeTuneData"};
        QCOMPARE(TreeKeys(w), kDealerTree + serviceNodes);
        QCOMPARE(ToolKeys(w), kToolKeys);
        QCOMPARE(w.Action("MenuTune")->text(), QStringLiteral("调谐数据(&T)"));
        QVERIFY(!w.Action("MenuLocalMessage")->isVisible());
    }

    void servicePagesOpenAndTheTunePageGivesWay() {
        MDIFormMain& w = Window(true);
        struct Entry {
            const char* menu;
            int page;
            const char* topic;
            bool Codeplug::*flag;
        };
        const Entry entries[] = {
            {"MenuKey", MDIFormMain::kKeyPage, "keyassign.htm", &Codeplug::KeySettingOpen},
            {"MenuScan", MDIFormMain::kScanPage, "Scan/Scan.htm", &Codeplug::ScanInfoOpen},
            {"MenuMessage", MDIFormMain::kMessagePage, "embmsg.htm", &Codeplug::EmbedMessageOpen},
            {"MenuTune", MDIFormMain::kTunePage, "tune.htm", &Codeplug::TuneOpen},
        };
        for (const Entry& entry : entries) {
            w.Action(QString::fromLatin1(entry.menu))->trigger();
            ConfigPage* page = w.Page(entry.page);
            QVERIFY2(page, entry.menu);
            QCOMPARE(page->CommandNumber(), entry.page);
            QVERIFY((*codeplug_).*entry.flag);
            QCOMPARE(Active()->widget(), page);
            w.ShowHelp();
            QCOMPARE(seam_->helpTopics.last(), QString::fromLatin1(entry.topic));
        }
        const QList<QAction*> list = w.WindowListActions();
        QCOMPARE(list.size(), 5);
        QCOMPARE(list.last()->data().toInt(), MDIFormMain::kTunePage);
        QVERIFY(list.last()->isChecked());
        // Opening the tune page again keeps it; opening another page closes it.
        w.Action("MenuTune")->trigger();
        QVERIFY(w.Page(MDIFormMain::kTunePage));
        w.OpenPageFromTree(MDIFormMain::kKeyPage);
        QVERIFY(!w.Page(MDIFormMain::kTunePage));
        QCOMPARE(Active()->widget(), w.Page(MDIFormMain::kKeyPage));
        QTest::mouseClick(w.Page(MDIFormMain::kKeyPage)->findChild<QPushButton*>("CommandClose"),
                          Qt::LeftButton);
        QTRY_VERIFY(!codeplug_->KeySettingOpen);
        QTRY_VERIFY(!w.Page(MDIFormMain::kKeyPage));
    }

    // After a read the key and tune pages show what came; the scan and message pages keep what
    // they showed. A read from the tune page leaves it in front.
    void readReloadsTheKeyAndTunePages() {
        MDIFormMain& w = Window(true);
        for (int page : {MDIFormMain::kScanPage, MDIFormMain::kMessagePage, MDIFormMain::kKeyPage,
                         MDIFormMain::kTunePage})
            w.OpenPage(page);
        QMdiSubWindow* tune = Active();
        codeplug_->RadioImage[306] = 3;
        codeplug_->RadioImage[288] = 1;
        codeplug_->RadioImage[768] = 'Q';
        codeplug_->MicAmp = 33;
        w.AfterRead();
        auto combo = [&](int page, const char* name) {
            return w.Page(page)->findChild<QComboBox*>(QLatin1String(name))->currentIndex();
        };
        QCOMPARE(combo(MDIFormMain::kKeyPage, "ComboKeySet0"), 3);
        QCOMPARE(combo(MDIFormMain::kScanPage, "ComboPriority"), 0);
        QVERIFY(w.Page(MDIFormMain::kMessagePage)
                    ->findChild<QLineEdit*>("TextEmbedMessage0")
                    ->text()
                    .isEmpty());
        QCOMPARE(w.Page(MDIFormMain::kTunePage)->findChild<QLineEdit*>("TextMicAmp")->text(),
                 QStringLiteral("33"));
        QCOMPARE(Active(), tune);
        QVERIFY(w.Page(MDIFormMain::kChannelPage));
    }

    void passwordEntryOpensTheDialog() {
        MDIFormMain& w = Window(true);
        codeplug_->ProgramPassword = QStringLiteral("246");
        bool opened = false;
        test::OnNextModal([&opened](QWidget* modal) {
            opened = qobject_cast<FormPassword*>(modal) != nullptr;
            modal->findChild<QLineEdit*>("TextPassword")->setText(QStringLiteral("135"));
            modal->findChild<QPushButton*>("CommandOK")->click();
        });
        w.Action("MenuPassword")->trigger();
        QVERIFY(opened);
        QCOMPARE(codeplug_->ProgramPassword, QStringLiteral("135"));
    }
};

QTEST_MAIN(TestServiceMode)
#include "test_service_mode.moc"
