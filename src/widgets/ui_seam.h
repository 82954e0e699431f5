#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

namespace zr40 {

// Every message box, file dialog and help request of the application goes through this seam,
// so that tests can answer them. The application installs the interactive implementation; a test
// installs one that returns prepared answers.
class UiSeam {
public:
    virtual ~UiSeam() = default;

    // A modal message box; returns the button pressed (QMessageBox::Ok, Cancel, Retry, ...).
    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons) = 0;

    // A button of a question that says what it does ("Overwrite", "Save As..."); it stands for
    // a standard button, which is the answer when it is pressed. No text: the standard caption.
    struct NamedButton {
        QMessageBox::StandardButton button;
        QString text;
    };
    // A modal question with named buttons. Without an implementation of its own it is Message
    // with the standard buttons the named ones stand for.
    virtual QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& title, const QString& text,
                                            const QList<NamedButton>& buttons) {
        QMessageBox::StandardButtons offered;
        for (const NamedButton& named : buttons)
            offered |= named.button;
        return Message(parent, icon, title, text, offered);
    }

    // A modal question for a whole number from `lowest` to `highest`, `proposed` to begin with;
    // nothing when cancelled. Without an implementation of its own it takes the proposal.
    virtual std::optional<int> AskNumber(QWidget* parent, const QString& title, const QString& text,
                                         int lowest, int highest, int proposed) {
        Q_UNUSED(parent);
        Q_UNUSED(title);
        Q_UNUSED(text);
        Q_UNUSED(lowest);
        Q_UNUSED(highest);
        return proposed;
    }

    // Open (isOpen) or save dialog with the filters given; returns the chosen path or an empty
    // text when cancelled. Save dialogs ask before overwriting and add defaultSuffix. The
    // proposed name may carry a folder (or be one): the dialog opens there.
    virtual QString FileDialog(QWidget* parent, bool isOpen, const QString& title,
                               const QString& proposedName, const QStringList& filters,
                               const QString& defaultSuffix) = 0;

    // A save dialog that also says which filter is chosen (its index; -1 when it cannot say), for
    // formats that share an extension. Without an answer of its own it is FileDialog's.
    virtual QString SaveFileDialog(QWidget* parent, const QString& title,
                                   const QString& proposedName, const QStringList& filters,
                                   int& chosenFilter) {
        chosenFilter = -1;
        return FileDialog(parent, false, title, proposedName, filters, QString());
    }

    // Shows the help topic ("chinfo.htm") in the current language.
    virtual void ShowHelpTopic(QWidget* parent, const QString& topic, bool english) = 0;

    // Opens a folder in the system's file manager (the backups folder).
    virtual void ShowFolder(QWidget* parent, const QString& folder) {
        Q_UNUSED(parent);
        Q_UNUSED(folder);
    }

    // The title every message box of the application carries.
    static QString AppTitle() { return QStringLiteral("ZR40"); }

    static UiSeam& Instance();
    // Replaces the seam (tests); pass nullptr to restore the interactive one.
    static void Install(UiSeam* seam);
};

} // namespace zr40
