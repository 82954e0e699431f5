#include "shell/screen_tour.h"

#include "channels/ui/form_channel_information.h"
#include "link/ui/check_list_dialog.h"
#include "link/ui/write_changes_dialog.h"
#include "review/codeplug_check.h"
#include "review/codeplug_diff.h"
#include "shell/backups_dialog.h"
#include "shell/form_welcome.h"
#include "shell/form_print.h"
#include "shell/mdi_form_main.h"
#include "shell/print_commands.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMdiArea>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

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

} // namespace

ScreenTour::ScreenTour(MDIFormMain& window, const QString& folder, const QString& prefix,
                       QObject* parent)
    : QObject(parent), window_(window), folder_(folder), prefix_(prefix) {
    BuildSteps();
}

void ScreenTour::BuildSteps() {
    MDIFormMain* w = &window_;
    steps_ = {
        {QStringLiteral("splash"),
         [] {
             auto* splash = new FormWelcome;
             splash->show();
             QTimer::singleShot(kSettleMilliseconds + 200, splash, &QWidget::close);
         },
         false},
        {QStringLiteral("main"), [w] { w->OpenPage(MDIFormMain::kChannelPage); }, false},
        {QStringLiteral("page_option"), [w] { w->OpenPageFromTree(MDIFormMain::kOptionPage); },
         false},
        {QStringLiteral("page_rxlist"), [w] { w->OpenPageFromTree(MDIFormMain::kRxListPage); },
         false},
        {QStringLiteral("dialog_channel_edit"),
         [w] {
             // Row 5 of the sample plan is a digital channel with a group call.
             if (auto* grid =
                     qobject_cast<FormChannelInformation*>(w->OpenPage(MDIFormMain::kChannelPage)))
                 grid->CellClick(5, 7);
         },
         false},
        {QStringLiteral("help"), [w] { w->ShowHelp(); }, false},
        {QStringLiteral("dialog_model"), [w] { w->ModelInformation(); }, true},
        {QStringLiteral("dialog_language"), [w] { w->SetLanguage(); }, true},
        {QStringLiteral("dialog_port"), [w] { w->SetCom(); }, true},
        {QStringLiteral("dialog_about"), [w] { w->About(); }, true},
        {QStringLiteral("dialog_print"),
         [w] {
             QTimer::singleShot(kSettleMilliseconds / 3, [] {
                 if (auto* print = qobject_cast<FormPrint*>(QApplication::activeModalWidget())) {
                     print->Check(PlanPart::Channels)->click();
                     print->Check(PlanPart::RxLists)->click();
                 }
             });
             w->Print();
         },
         true},
        {QStringLiteral("dialog_printer_setting"), [w] { w->Printing().PrinterSetup(w); }, true},
        {QStringLiteral("print_preview"), [w] { w->PrintPreview(); }, true},
        {QStringLiteral("question_unsaved"), [w] { w->New(); }, true},
        {QStringLiteral("dialog_save_as"), [w] { w->SaveAs(); }, true},
        {QStringLiteral("dialog_read"), [w] { w->ReadFromRadio(); }, true},
        {QStringLiteral("dialog_write"), [w] { w->WriteToRadio(); }, true},
        {QStringLiteral("dialog_check_list"), [w] { ShowCheckList(w); }, true},
        {QStringLiteral("dialog_write_changes"), [w] { ShowWriteChanges(w); }, true},
        {QStringLiteral("dialog_backups"), [w] { ShowBackups(w); }, true},
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
        GrabModalThenClose(step.name);
        step.open(); // returns once the grab has closed the dialog
        QTimer::singleShot(0, this, &ScreenTour::RunNext);
        return;
    }
    step.open();
    QTimer::singleShot(kSettleMilliseconds, this, [this, name = step.name] {
        Grab(name);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != &window_ && top->isVisible() && top->isWindow())
                top->close(); // help window, splash
        }
        RunNext();
    });
}

void ScreenTour::GrabModalThenClose(const QString& name) {
    QTimer::singleShot(kSettleMilliseconds, this, [this, name] {
        Grab(name);
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

} // namespace zr40
