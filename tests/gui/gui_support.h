#pragma once

#include "codeplug/codeplug.h"
#include "shell/start_options.h"
#include "widgets/ui_seam.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace zr40 {
class FormChannelInformation;
class FormProcess;
class MDIFormMain;
} // namespace zr40

namespace zr40::test {

// One message box the application showed.
struct ShownMessage {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// One question for a number the application asked.
struct ShownNumberQuestion {
    QString title;
    QString text;
    int lowest = 0;
    int highest = 0;
    int proposed = 0;
};

// One file dialog the application showed.
struct ShownFileDialog {
    bool isOpen = false;
    QString title;
    QString proposedName;
    QStringList filters;
};

// A seam that answers from prepared queues and records what was shown. It installs itself on
// construction and restores the interactive seam when destroyed.
//
// Messages: the next queued answer, or, when the queue is empty, Ok if offered, else the first
// offered button. File dialogs: the next queued path; an empty path or an empty queue is a
// cancelled dialog.
class ScriptedSeam : public UiSeam {
public:
    ScriptedSeam();
    ~ScriptedSeam() override;
    ScriptedSeam(const ScriptedSeam&) = delete;
    ScriptedSeam& operator=(const ScriptedSeam&) = delete;

    void AnswerMessage(QMessageBox::StandardButton answer) { messageAnswers.append(answer); }
    void AnswerFile(const QString& path) { fileAnswers.append(path); }
    // The next number question's answer; nothing is Cancel. An empty queue takes the proposal.
    void AnswerNumber(std::optional<int> answer) { numberAnswers.append(answer); }

    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    std::optional<int> AskNumber(QWidget* parent, const QString& title, const QString& text,
                                 int lowest, int highest, int proposed) override;
    QString FileDialog(QWidget* parent, bool isOpen, const QString& title,
                       const QString& proposedName, const QStringList& filters,
                       const QString& defaultSuffix) override;
    // The path as FileDialog answers it; the chosen filter from filterAnswers (-1 when empty).
    QString SaveFileDialog(QWidget* parent, const QString& title, const QString& proposedName,
                           const QStringList& filters, int& chosenFilter) override;
    void ShowHelpTopic(QWidget* parent, const QString& topic, bool english) override;
    void ShowFolder(QWidget* parent, const QString& folder) override;

    QList<QMessageBox::StandardButton> messageAnswers;
    QStringList fileAnswers;
    QList<int> filterAnswers;
    QList<std::optional<int>> numberAnswers;

    QList<ShownMessage> messages;
    QList<ShownFileDialog> fileDialogs;
    QList<ShownNumberQuestion> numberQuestions;
    QStringList helpTopics;
    QList<bool> helpEnglish;
    QStringList shownFolders;
};

// A private settings folder for one test: points the user's configuration folder
// (XDG_CONFIG_HOME and QSettings' user and system paths) into a temporary directory so that
// tests never read or write the real settings. Create it before anything reads settings.
class TemporarySettings {
public:
    TemporarySettings();
    ~TemporarySettings();
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    // Removes every file below the folder (a fresh "first run").
    void Wipe();

private:
    QTemporaryDir dir_;
    QByteArray previousXdg_;
    bool hadXdg_ = false;
};

// What a main-window test starts from: no saved settings, a scripted seam, a fresh codeplug
// and, on first use, the main window started with `options`, which finds the ports `ports` says
// are present.
struct MainWindowRig {
    MainWindowRig();
    ~MainWindowRig();
    MDIFormMain& Window();
    // The window shown and active, as a user has it in front.
    MDIFormMain& Shown();

    TemporarySettings settings;
    ScriptedSeam seam;
    Codeplug codeplug;
    QStringList ports;
    StartOptions options;
    QTemporaryDir backups;
    std::unique_ptr<MDIFormMain> window;
};

// Runs `action` on the modal dialog that the next call opens (exec() blocks the caller, so the
// action is queued first and runs inside the dialog's own event loop). If the action leaves the
// dialog open it is rejected, so a test never hangs.
void OnNextModal(std::function<void(QWidget*)> action);

// Polls for a modal dialog for up to a minute and runs `take` on it; `take` returns false when
// the dialog is not the one waited for. Timers run inside other dialogs' loops too, so this
// finds a dialog that opens inside another one or at the end of a transfer. The flag tells
// whether the dialog came.
std::shared_ptr<bool> WatchModal(std::function<bool(QWidget*)> take);
template <typename T> std::shared_ptr<bool> WhenModal(std::function<void(T*)> action) {
    return WatchModal([action](QWidget* modal) {
        auto* dialog = qobject_cast<T*>(modal);
        if (dialog)
            action(dialog);
        return dialog != nullptr;
    });
}

// A codeplug as the pages find it after start-up, with the English interface.
Codeplug PageCodeplug();
// Shows a window and waits until it is the active one.
bool ShowActive(QWidget* window);
// Puts a channel with these frequencies and every other field at its default; a digital channel
// gets the 12.5 kHz spacing.
void PutChannel(Codeplug& cp, int channel, Long rxHz, Long txHz, bool digital = false);
// Picks the item as the mouse does: the list changes and reports the choice. False when absent.
bool Pick(QComboBox* combo, const QString& item);
// The same by position.
void PickAt(QComboBox* combo, int index);
// Focuses the box, types over its whole text (an empty text erases it) and presses Enter.
void Enter(QLineEdit* box, const QString& text);
// Clicks a grid's cell (0-based table row and column) with the mouse.
void ClickCell(QTableWidget* grid, int row, int column);
// In the channel grid, by keyboard: Enter on the cell (1-based), then types over its text
// (an empty text erases it) and presses Enter.
void TypeCell(FormChannelInformation& grid, int row, int column, const QString& text);

// The longest a transfer with the virtual radio may take before a test gives up on it.
constexpr int kHangGuardMs = 60000;
// In the transfer window the next call opens: runs `prepare`, presses `button` ("CommandRead" or
// "CommandWrite") and waits until the transfer has ended, with its result or a message.
void RunNextTransfer(const char* button, std::function<void(FormProcess&)> prepare = {});

// Types text as a user does: ASCII from the keyboard, anything else through the input method
// (as a Chinese character arrives).
void TypeText(QWidget* box, const QString& text);

} // namespace zr40::test
