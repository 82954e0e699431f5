#include "gui_support.h"

#include "channels/ui/form_channel_information.h"
#include "link/ui/form_process.h"
#include "shell/mdi_form_main.h"
#include "widgets/key_filter_edit.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace zr40::test {

ScriptedSeam::ScriptedSeam() {
    UiSeam::Install(this);
}

ScriptedSeam::~ScriptedSeam() {
    UiSeam::Install(nullptr);
}

QMessageBox::StandardButton ScriptedSeam::Message(QWidget*, QMessageBox::Icon icon,
                                                  const QString& title, const QString& text,
                                                  QMessageBox::StandardButtons buttons) {
    messages.append({icon, title, text, buttons});
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    if (buttons.testFlag(QMessageBox::Ok))
        return QMessageBox::Ok;
    for (int bit = 0; bit < 32; ++bit) {
        const auto button = static_cast<QMessageBox::StandardButton>(1u << bit);
        if (buttons.testFlag(button))
            return button;
    }
    return QMessageBox::Ok;
}

std::optional<int> ScriptedSeam::AskNumber(QWidget*, const QString& title, const QString& text,
                                           int lowest, int highest, int proposed) {
    numberQuestions.append({title, text, lowest, highest, proposed});
    return numberAnswers.isEmpty() ? std::optional<int>(proposed) : numberAnswers.takeFirst();
}

QString ScriptedSeam::FileDialog(QWidget*, bool isOpen, const QString& title,
                                 const QString& proposedName, const QStringList& filters,
                                 const QString&) {
    fileDialogs.append({isOpen, title, proposedName, filters});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedSeam::SaveFileDialog(QWidget* parent, const QString& title,
                                     const QString& proposedName, const QStringList& filters,
                                     int& chosenFilter) {
    chosenFilter = filterAnswers.isEmpty() ? -1 : filterAnswers.takeFirst();
    return FileDialog(parent, false, title, proposedName, filters, QString());
}

void ScriptedSeam::ShowHelpTopic(QWidget*, const QString& topic, bool english) {
    helpTopics.append(topic);
    helpEnglish.append(english);
}

void ScriptedSeam::ShowFolder(QWidget*, const QString& folder) {
    shownFolders.append(folder);
}

TemporarySettings::TemporarySettings() {
    hadXdg_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    previousXdg_ = qgetenv("XDG_CONFIG_HOME");
    QStandardPaths::setTestModeEnabled(true);
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, dir_.path());
        QSettings::setPath(format, QSettings::SystemScope, dir_.path() + QStringLiteral("/xdg"));
    }
}

TemporarySettings::~TemporarySettings() {
    if (hadXdg_)
        qputenv("XDG_CONFIG_HOME", previousXdg_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

void TemporarySettings::Wipe() {
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
}

MainWindowRig::MainWindowRig() {
    // The adapters plugged into the machine the tests run on are none of their business.
    options.usbAdapters = [] { return QStringList(); };
}

MainWindowRig::~MainWindowRig() {
    window.reset(); // before the codeplug it edits
}

MDIFormMain& MainWindowRig::Window() {
    if (!window) {
        window = std::make_unique<MDIFormMain>(codeplug, options);
        window->Settings().SetPortSource([this] { return ports; });
        window->SetBackupStore(BackupStore(backups.path())); // reads keep one
    }
    return *window;
}

MDIFormMain& MainWindowRig::Shown() {
    if (!Window().isActiveWindow() && !ShowActive(window.get()))
        qWarning("the main window did not become active");
    return *window;
}

namespace {

void TryModal(std::function<void(QWidget*)> action, int triesLeft) {
    QTimer::singleShot(0, [action, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (triesLeft > 0) // not shown yet: try again on the next turn
                TryModal(action, triesLeft - 1);
            return;
        }
        action(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

void OnNextModal(std::function<void(QWidget*)> action) {
    TryModal(std::move(action), 20);
}

std::shared_ptr<bool> WatchModal(std::function<bool(QWidget*)> take) {
    auto came = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    const QDeadlineTimer deadline(60000);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !*came) {
            // Stopped first: the action may open a loop of its own in which this timer runs on.
            timer->stop();
            *came = take(modal);
            if (!*came)
                timer->start();
        }
        if (*came || deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
    return came;
}

Codeplug PageCodeplug() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    cp.ResetApplicationState();
    cp.IsEnglish = true;
    return cp;
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void PutChannel(Codeplug& cp, int channel, Long rxHz, Long txHz, bool digital) {
    cp.ResetChannel(channel);
    cp.RxFreq[channel] = rxHz;
    cp.TxFreq[channel] = txHz;
    if (digital) {
        cp.ChannelType[channel] = 2;
        cp.ChannelSpace[channel] = 12500;
    }
}

bool Pick(QComboBox* combo, const QString& item) {
    const int index = combo->findText(item);
    if (index >= 0)
        PickAt(combo, index);
    return index >= 0;
}

void PickAt(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Enter(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void ClickCell(QTableWidget* grid, int row, int column) {
    const QRect cell = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void TypeCell(FormChannelInformation& grid, int row, int column, const QString& text) {
    grid.SetCurrentCell(row, column);
    grid.grid()->setFocus();
    QTest::keyClick(grid.grid(), Qt::Key_Return);
    QVERIFY(grid.textEditor()->isVisible());
    Enter(grid.textEditor(), text);
}

void RunNextTransfer(const char* button, std::function<void(FormProcess&)> prepare) {
    OnNextModal([button, prepare](QWidget* modal) {
        auto* form = qobject_cast<FormProcess*>(modal);
        QVERIFY(form);
        if (prepare)
            prepare(*form);
        auto* password = form->findChild<QWidget*>(QStringLiteral("TextPassword"));
        QTest::mouseClick(form->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(
            form->findChild<QLabel*>(QStringLiteral("TextShow"))->isVisible() ||
                password->isEnabled(),
            kHangGuardMs);
    });
}

void TypeText(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(box, c.toLatin1());
            continue;
        }
        QInputMethodEvent composed;
        composed.setCommitString(QString(c));
        QApplication::sendEvent(box, &composed);
    }
}

} // namespace zr40::test
