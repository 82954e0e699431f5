#pragma once

#include "widgets/ui_seam.h"

#include <QPointer>

namespace zr40 {

class HelpWindow;

// The seam as a person uses it: real message boxes, the platform's file dialogs and one help
// window that is reused for every topic.
class InteractiveSeam : public UiSeam {
public:
    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text,
                                    const QList<NamedButton>& buttons) override;
    std::optional<int> AskNumber(QWidget* parent, const QString& title, const QString& text,
                                 int lowest, int highest, int proposed) override;
    QString FileDialog(QWidget* parent, bool isOpen, const QString& title,
                       const QString& proposedName, const QStringList& filters,
                       const QString& defaultSuffix) override;
    QString SaveFileDialog(QWidget* parent, const QString& title, const QString& proposedName,
                           const QStringList& filters, int& chosenFilter) override;
    void ShowHelpTopic(QWidget* parent, const QString& topic, bool english) override;
    void ShowFolder(QWidget* parent, const QString& folder) override;

    // Language of the message boxes' own buttons (OK, Cancel, Save, ...); the main window sets it
    // with every language change.
    static void SetEnglish(bool english);

private:
    QPointer<HelpWindow> help_;
};

} // namespace zr40
