#include "shell/screen_tour.h"

#include "channels/ui/form_batch_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "codeplug/model_band.h"
#include "link/ui/check_list_dialog.h"
#include "link/ui/form_fleet.h"
#include "link/ui/form_tune.h"
#include "link/ui/write_changes_dialog.h"
#include "review/codeplug_check.h"
#include "review/codeplug_diff.h"
#include "shell/backups_dialog.h"
#include "shell/form_com_port.h"
#include "shell/form_print.h"
#include "shell/form_welcome.h"
#include "shell/mdi_form_main.h"
#include "shell/print_commands.h"
#include "shell/virtual_radio_process.h"
#include "shell/widget_text_dump.h"
#include "widgets/key_filter_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace zr40 {

namespace {
// Time for a window to appear and paint before it is pictured.
constexpr int kSettleMilliseconds = 600;

// The plan with a fault of each kind the check looks for, to picture its list.
Codeplug FaultyPlan(const Codeplug& plan) {
    Codeplug faulty = plan;
    faulty.TxFreq[0] = 560000000; // above any band of the model
    faulty.ChannelType[1] = 0;
    faulty.RxCtcss[2] = 2543;
    faulty.ChannelRxList[4] = 3;
    faulty.RxListEntry[2] = faulty.RxListEntry[0];
    faulty.RxKeyEnable[5] = 1;
    return faulty;
}

// The plan as a radio might hold it before the technician's edits, to picture the changes.
Codeplug EarlierPlan(const Codeplug& plan) {
    Codeplug earlier = plan;
    earlier.RxFreq[1] = 433000000;
    earlier.TxPower[3] = 0;
    earlier.RxCtcss[0] = 885;
    earlier.CallTypeTxID[4] = 0x800005;
    earlier.RxFreq[8] = earlier.TxFreq[8] = 0;
    earlier.RxListEntry[1] = -1;
    earlier.VoxLevel = 3;
    return earlier;
}

void ShowCheckList(MDIFormMain* w) {
    const Codeplug& plan = w->codeplug();
    CheckListDialog(CodeplugCheck::Run(FaultyPlan(plan)), TextContext::Of(plan), w).exec();
}

void ShowWriteChanges(MDIFormMain* w) {
    Codeplug plan = w->codeplug();
    plan.RxFreq[8] = plan.TxFreq[8] = 450000000; // a channel more than the radio has
    const Codeplug radio = EarlierPlan(w->codeplug());
    WriteChangesDialog(CodeplugDiff::WriteChanges(radio, plan, TextContext::Of(plan)),
                       BackupStore::FileName(QDateTime::currentDateTime(), BackupKind::BeforeWrite),
                       TextContext::Of(plan), w)
        .exec();
}

// Backups of our own making in a folder of the tour's, never the user's.
void ShowBackups(MDIFormMain* w) {
    QTemporaryDir dir;
    const BackupStore store(dir.path());
    const QDateTime now = QDateTime::currentDateTime();
    const Codeplug& plan = w->codeplug();
    store.Save(EarlierPlan(plan), BackupKind::Read, now.addDays(-12).addSecs(-3600));
    store.Save(EarlierPlan(plan), BackupKind::BeforeWrite, now.addDays(-2));
    store.Save(plan, BackupKind::Read, now.addSecs(-300));
    BackupsDialog(store, TextContext::Of(plan), w).exec();
}

// Steps inside a chain of dialogs, well before the picture is taken.
constexpr int kChainStepMilliseconds = 120;

// Drops a menu of the menu bar down, as a click on its title would.
void DropMenu(MDIFormMain* w, const char* name) {
    QMenu* menu = w->Menu(QString::fromLatin1(name));
    w->menuBar()->setActiveAction(menu->menuAction());
}

// Does `action` on the modal dialog in front once it is there.
void OnModal(int delay, std::function<void(QWidget*)> action) {
    QTimer::singleShot(delay, [action] {
        if (QWidget* modal = QApplication::activeModalWidget())
            action(modal);
    });
}

void Click(QWidget* dialog, const char* button) {
    if (auto* b = dialog->findChild<QPushButton*>(QLatin1String(button)))
        b->click();
}

// A fleet session under way against the virtual radio playing three radios, the second of which
// stores a channel wrongly: three radios done, the fourth of twenty asked for. Everything it
// keeps goes into a folder of the tour's.
void ShowFleetSession(MDIFormMain* w) {
    QTemporaryDir dir;
    QProcess sim;
    sim.start(VirtualRadioProcess::InstalledProgram(),
              {"--fleet", "3", "--memory", dir.filePath("radio.rdat"), "--no-pace",
               "--corrupt-write", "1", "--fault-radio", "2"});
    if (!sim.waitForStarted() || !sim.waitForReadyRead())
        return;
    Codeplug plan = w->codeplug();
    plan.ComPortName = QString::fromLocal8Bit(sim.readLine()).trimmed();
    // The band of the plan's model, as the model dialog confirms it: the check's question about a
    // band never chosen would otherwise stand in front of the session.
    ModelBand::AnalyseModel(plan);
    plan.BandNeverChosen = false;
    FormFleet window(plan, BackupStore(dir.filePath("backups")), w);
    QTimer::singleShot(0, &window, [&window, &dir] {
        window.findChild<QLineEdit*>(QStringLiteral("TextRange"))->setText("1001-1014");
        window.findChild<QLineEdit*>(QStringLiteral("TextLog"))->setText(dir.filePath("fleet.csv"));
        Click(&window, "CommandStart");
    });
    window.exec();
    sim.terminate();
    sim.waitForFinished();
}

// The password dialog, its change dialog with the passwords typed, the question answered, and
// the write window it opens with them filled in.
void OpenPasswordChain(MDIFormMain* w, int depth) {
    if (depth >= 1)
        OnModal(kChainStepMilliseconds, [](QWidget* d) { Click(d, "CommandChange"); });
    if (depth >= 2) {
        OnModal(2 * kChainStepMilliseconds, [](QWidget* d) {
            for (const char* name : {"TextOldPassword", "TextNewPassword0", "TextNewPassword1"})
                if (auto* box = d->findChild<QLineEdit*>(QLatin1String(name)))
                    box->setText(QStringLiteral("123456"));
            Click(d, "CommandOK");
        });
        OnModal(3 * kChainStepMilliseconds, [](QWidget* d) {
            if (auto* box = qobject_cast<QMessageBox*>(d))
                box->button(QMessageBox::Ok)->click();
        });
    }
    w->Transfers().ProgramPassword();
}

// Two edits, one of them undone, so that both Undo and Redo name a step; then the Edit menu.
void ShowEditMenu(MDIFormMain& w) {
    auto* grid =
        qobject_cast<FormChannelInformation*>(w.Pages().OpenPage(PageManager::kChannelPage));
    if (!grid)
        return;
    for (const auto& [row, text] : {std::pair{9, "446.00625"}, std::pair{10, "446.01875"}}) {
        grid->CellClick(row, 1);
        grid->textEditor()->setText(QString::fromLatin1(text));
        grid->textEditor()->setModified(true);
        grid->FreshData();
    }
    w.Edits().Undo();
    DropMenu(&w, "MenuEdit");
}

// A list in the common radio csv as another program might have saved it, with rows this radio
// cannot use, imported into the plan: the report says what went where and what was left out.
// The import first asks for the first channel (`start` takes the proposal), from the row picked
// in the grid (`row`) or else the first empty one, and then whether to write over channels in use.
void ImportSample(MDIFormMain& w, bool start, int row) {
    if (auto* grid =
            qobject_cast<FormChannelInformation*>(w.Pages().OpenPage(PageManager::kChannelPage))) {
        grid->grid()->clearSelection();
        if (row > 0)
            grid->SelectRows(row, row);
    }
    if (start)
        OnModal(kChainStepMilliseconds, [](QWidget* d) {
            if (auto* input = qobject_cast<QInputDialog*>(d))
                input->accept();
        });
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("club-memories.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
               "DtcsPolarity,CrossMode,Mode,TStep,Skip,Power,Comment\n"
               "0,Club RPT,438.500000,+,5.000000,Tone,100.0,88.5,023,NN,Tone->Tone,FM,12.50,,"
               "5.0W,Tuesday net\n"
               "1,Simplex,446.006250,,0.000000,TSQL,88.5,88.5,023,NN,Tone->Tone,NFM,12.50,,"
               "1.0W,\n"
               "2,Tower,124.500000,,0.000000,,88.5,88.5,023,NN,Tone->Tone,AM,25.00,,5.0W,\n"
               "3,Digital,439.450000,-,7.600000,,88.5,88.5,023,NN,Tone->Tone,DV,12.50,,5.0W,\n"
               "4,Link,434.000000,,0.000000,DTCS,88.5,88.5,754,RN,Tone->Tone,FM,12.50,,High,\n"
               "5,Odd tone,440.100000,,0.000000,Tone,69.4,88.5,023,NN,Tone->Tone,FM,12.50,,"
               "High,\n");
    file.close();
    w.Exchange().ImportFile(path);
}
} // namespace

ScreenTour::ScreenTour(MDIFormMain& window, const QString& folder, const QString& prefix,
                       QObject* parent)
    : QObject(parent), window_(window), folder_(folder), prefix_(prefix) {
    BuildSteps();
}

void ScreenTour::BuildSteps() {
    if (window_.ServiceMode()) {
        BuildServiceSteps();
        return;
    }
    MDIFormMain* w = &window_;
    steps_ = {
        {QStringLiteral("splash"),
         [] {
             auto* splash = new FormWelcome;
             splash->show();
             QTimer::singleShot(kSettleMilliseconds + 200, splash, &QWidget::close);
         },
         false},
        {QStringLiteral("main"), [w] { w->Pages().OpenPage(PageManager::kChannelPage); }, false},
        {QStringLiteral("page_option"),
         [w] { w->Pages().OpenPageFromTree(PageManager::kOptionPage); }, false},
        {QStringLiteral("page_rxlist"),
         [w] { w->Pages().OpenPageFromTree(PageManager::kRxListPage); }, false},
        {QStringLiteral("dialog_channel_edit"),
         [w] {
             // Row 5 of the sample plan is a digital channel with a group call.
             if (auto* grid = qobject_cast<FormChannelInformation*>(
                     w->Pages().OpenPage(PageManager::kChannelPage)))
                 grid->CellClick(5, 7);
         },
         false, 1500},
        {QStringLiteral("help"), [w] { w->ShowHelp(); }, false},
        {QStringLiteral("dialog_model"), [w] { w->Settings().ModelInformation(); }, true},
        {QStringLiteral("dialog_language"), [w] { w->Settings().SetLanguage(); }, true},
        {QStringLiteral("dialog_port"), [w] { w->Settings().SetCom(); }, true},
        {QStringLiteral("dialog_port_virtual"),
         [w] {
             // The virtual radio chosen, with its note (offered when zr40-sim is beside us).
             QTimer::singleShot(kSettleMilliseconds / 3, w, [] {
                 if (auto* d = qobject_cast<FormComPort*>(QApplication::activeModalWidget()))
                     d->ComboCom()->setCurrentIndex(d->ComboCom()->count() - 1);
             });
             w->Settings().SetCom();
         },
         true},
        {QStringLiteral("dialog_about"), [w] { w->About(); }, true},
        {QStringLiteral("dialog_print"),
         [w] {
             QTimer::singleShot(kSettleMilliseconds / 3, [] {
                 if (auto* print = qobject_cast<FormPrint*>(QApplication::activeModalWidget())) {
                     print->Check(PlanPart::Channels)->click();
                     print->Check(PlanPart::RxLists)->click();
                 }
             });
             w->Printing().Print();
         },
         true},
        {QStringLiteral("dialog_printer_setting"), [w] { w->Printing().PrinterSetup(w); }, true},
        {QStringLiteral("print_preview"), [w] { w->Printing().Preview(); }, true},
        {QStringLiteral("question_unsaved"), [w] { w->Files().New(); }, true},
        {QStringLiteral("dialog_save_as"), [w] { w->Files().SaveAs(); }, true},
        {QStringLiteral("dialog_read"), [w] { w->Transfers().ReadFromRadio(); }, true},
        {QStringLiteral("dialog_write"), [w] { w->Transfers().WriteToRadio(); }, true},
        {QStringLiteral("dialog_fleet"), [w] { w->Transfers().ProgramFleet(); }, true},
        {QStringLiteral("dialog_fleet_session"), [w] { ShowFleetSession(w); }, true, 9000},
        {QStringLiteral("dialog_check_list"), [w] { ShowCheckList(w); }, true},
        {QStringLiteral("dialog_write_changes"), [w] { ShowWriteChanges(w); }, true},
        {QStringLiteral("dialog_backups"), [w] { ShowBackups(w); }, true},
        {QStringLiteral("menu_file"), [w] { DropMenu(w, "MenuFile"); }, false},
        {QStringLiteral("menu_help"), [w] { DropMenu(w, "MenuHelp"); }, false},
        {QStringLiteral("menu_edit"), [w] { ShowEditMenu(*w); }, false},
        {QStringLiteral("menu_rows"),
         [w] {
             if (auto* grid = qobject_cast<FormChannelInformation*>(
                     w->Pages().OpenPage(PageManager::kChannelPage))) {
                 grid->SelectRows(2, 4);
                 const QRect row = grid->grid()->visualItemRect(grid->grid()->item(2, 0));
                 grid->ShowRowMenu(3, grid->grid()->viewport()->mapToGlobal(row.center()));
             }
         },
         false},
        {QStringLiteral("question_import_first"), [w] { ImportSample(*w, false, 0); }, true},
        {QStringLiteral("question_import_overwrite"), [w] { ImportSample(*w, true, 2); }, true},
        {QStringLiteral("dialog_import_report"), [w] { ImportSample(*w, true, 0); }, true},
        {QStringLiteral("dialog_channel_copy"),
         [w] {
             if (auto* grid = qobject_cast<FormChannelInformation*>(
                     w->Pages().OpenPage(PageManager::kChannelPage)))
                 grid->OpenChannelCopy(2);
         },
         true},
        {QStringLiteral("dialog_batch_edit"), [w] { w->Pages().BatchEdit(); }, true},
        {QStringLiteral("dialog_batch_settings"),
         [w] {
             // The second panel: the boxes that choose what Apply writes.
             QTimer::singleShot(kSettleMilliseconds / 2, w, [] {
                 if (auto* batch =
                         qobject_cast<FormBatchChannelEdit*>(QApplication::activeModalWidget()))
                     batch->CommandEdit_Click();
             });
             w->Pages().BatchEdit();
         },
         true},
    };
}

void ScreenTour::BuildServiceSteps() {
    MDIFormMain* w = &window_;
    steps_ = {
        {QStringLiteral("service_menu_edit"), [w] { DropMenu(w, "MenuEdit"); }, false},
        {QStringLiteral("service_menu_program"), [w] { DropMenu(w, "MenuProgram"); }, false},
        {QStringLiteral("service_page_key"),
         [w] { w->Pages().OpenPageFromTree(PageManager::kKeyPage); }, false},
        {QStringLiteral("service_page_scan"),
         [w] { w->Pages().OpenPageFromTree(PageManager::kScanPage); }, false},
        {QStringLiteral("service_page_message"),
         [w] { w->Pages().OpenPageFromTree(PageManager::kMessagePage); }, false},
        {QStringLiteral("service_page_tune"),
         [w] {
             w->Pages().CloseAllPages();
             w->Pages().OpenPageFromTree(PageManager::kTunePage);
             if (auto* tune = qobject_cast<FormTune*>(w->Pages().Page(PageManager::kTunePage)))
                 tune->CellClick(1, 1);
         },
         false},
        {QStringLiteral("service_help_tune"), [w] { w->ShowHelp(); }, false},
        {QStringLiteral("service_question_tune_read"),
         [w] {
             if (auto* tune = qobject_cast<FormTune*>(w->Pages().OpenPage(PageManager::kTunePage)))
                 tune->CommandRead_Click();
         },
         true},
        {QStringLiteral("service_dialog_password"), [w] { OpenPasswordChain(w, 0); }, true},
        {QStringLiteral("service_dialog_password_change"), [w] { OpenPasswordChain(w, 1); }, true},
        {QStringLiteral("service_dialog_password_write"), [w] { OpenPasswordChain(w, 2); }, true},
    };
}

void ScreenTour::Start() {
    QDir().mkpath(folder_);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window_.setGeometry(screen->availableGeometry().adjusted(0, 0, -80, -60));
    window_.show();
    window_.raise();
    QTimer::singleShot(kSettleMilliseconds, this, &ScreenTour::RunNext);
}

void ScreenTour::RunNext() {
    if (next_ >= steps_.size()) {
        emit done();
        return;
    }
    const Step step = steps_[next_++];
    if (step.modal) {
        GrabModalThenClose(step.name, std::max(step.settleMs, kSettleMilliseconds));
        step.open(); // returns once the grab has closed the dialog
        QTimer::singleShot(0, this, &ScreenTour::RunNext);
        return;
    }
    step.open();
    QTimer::singleShot(std::max(step.settleMs, kSettleMilliseconds), this,
                       [this, name = step.name] {
                           Grab(name);
                           WriteTexts(name, true);
                           for (QWidget* top : QApplication::topLevelWidgets()) {
                               if (top != &window_ && top->isVisible() && top->isWindow())
                                   top->close(); // help window, splash
                           }
                           RunNext();
                       });
}

void ScreenTour::GrabModalThenClose(const QString& name, int settleMs) {
    QTimer::singleShot(settleMs, this, [this, name] {
        Grab(name);
        WriteTexts(name, false);
        // A dialog may open a message box on top (a missing port): close them all.
        while (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            QApplication::processEvents();
            if (QApplication::activeModalWidget() == modal)
                break;
        }
    });
}

void ScreenTour::Grab(const QString& name) {
    QApplication::processEvents();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QString file = QDir(folder_).filePath(prefix_ + name + QStringLiteral(".png"));
    screen->grabWindow(0).save(file);
}

void ScreenTour::WriteTexts(const QString& name, bool withMainWindow) {
    if (qEnvironmentVariableIsEmpty("ZR40_TOUR_TEXTS"))
        return;
    // Windows in a fixed order (the toolkit lists them in any), each with its lines in order.
    QList<QStringList> windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        // A menu is listed with the window that owns it.
        const bool ownedMenu = qobject_cast<QMenu*>(top) && top->parentWidget();
        if (!top->isVisible() || ownedMenu || (top == &window_ && !withMainWindow))
            continue;
        windows << WidgetTextDump::Lines(top);
    }
    std::sort(windows.begin(), windows.end());
    QStringList lines;
    for (const QStringList& window : std::as_const(windows))
        lines << window;
    QSaveFile file(QDir(folder_).filePath(prefix_ + name + QStringLiteral(".txt")));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
        file.commit();
    }
}

} // namespace zr40
