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

class TestServiceMode : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowRig> rig_;
    MDIFormMain* window_ = nullptr;
    Codeplug* codeplug_ = nullptr;
    test::ScriptedSeam* seam_ = nullptr;

    MDIFormMain& Window(bool service) {
        rig_->options.service = service;
        return *(window_ = &rig_->Window());
    }
    QMdiSubWindow* Active() { return window_->PageArea()->activeSubWindow(); }

private slots:
    void init() {
        rig_ = std::make_unique<test::MainWindowRig>();
        codeplug_ = &rig_->codeplug;
        seam_ = &rig_->seam;
    }
    void cleanup() { rig_.reset(); }

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
        MDIFormMain& w = Window(option);
        QCOMPARE(w.ServiceMode(), service);
        for (const QString& name : kServiceMenus)
            QVERIFY2(w.Action(name)->isVisible() == service, qPrintable(name));
        QVERIFY(!w.Action("MenuLocalMessage")->isVisible());
        QCOMPARE(TreeKeys(w), service ? kDealerTree + kServiceTree : kDealerTree);
        const QStringList menus = VisibleMenus(w);
        for (qsizetype i = 0; i < menus.size(); ++i) {
            if (menus[i].endsWith(QLatin1String("/-"))) {
                const bool last = i + 1 == menus.size() || !menus[i + 1].contains('/');
                QVERIFY2(!last && !menus[i + 1].endsWith(QLatin1String("/-")),
                         qPrintable(menus[i]));
            }
        }
        QCOMPARE(w.ToolbarActions().size(), 7);
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
