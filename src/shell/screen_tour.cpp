#include "shell/screen_tour.h"

#include "channels/ui/form_channel_information.h"
#include "shell/form_com_port.h"
#include "shell/form_welcome.h"
#include "shell/mdi_form_main.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMdiArea>
#include <QScreen>
#include <QTimer>

namespace zr40 {

namespace {
// Time for a window to appear and paint before it is pictured.
constexpr int kSettleMilliseconds = 600;
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
        {QStringLiteral("dialog_port_virtual"),
         [w] {
             // The virtual radio chosen, with its note (offered when zr40-sim is beside us).
             QTimer::singleShot(kSettleMilliseconds / 3, w, [] {
                 if (auto* d = qobject_cast<FormComPort*>(QApplication::activeModalWidget()))
                     d->ComboCom()->setCurrentIndex(d->ComboCom()->count() - 1);
             });
             w->SetCom();
         },
         true},
        {QStringLiteral("dialog_about"), [w] { w->About(); }, true},
        {QStringLiteral("question_unsaved"), [w] { w->New(); }, true},
        {QStringLiteral("dialog_save_as"), [w] { w->SaveAs(); }, true},
        {QStringLiteral("dialog_read"), [w] { w->ReadFromRadio(); }, true},
        {QStringLiteral("dialog_write"), [w] { w->WriteToRadio(); }, true},
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
