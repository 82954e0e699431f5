#include "widgets/interactive_seam.h"

#include "codeplug/text_context.h"
#include "widgets/help_window.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QRegularExpression>
#include <QUrl>

#include <QPushButton>

namespace zr40 {

namespace {

bool buttonsEnglish = false;

struct ButtonText {
    QMessageBox::StandardButton button;
    const char* caption;
};

const ButtonText kButtonTexts[] = {
    {QMessageBox::Ok, QT_TRANSLATE_NOOP("InteractiveSeam", "OK")},
    {QMessageBox::Cancel, QT_TRANSLATE_NOOP("InteractiveSeam", "Cancel")},
    {QMessageBox::Save, QT_TRANSLATE_NOOP("InteractiveSeam", "&Save")},
    {QMessageBox::Discard, QT_TRANSLATE_NOOP("InteractiveSeam", "&Don't Save")},
    {QMessageBox::Retry, QT_TRANSLATE_NOOP("InteractiveSeam", "&Retry")},
    {QMessageBox::Yes, QT_TRANSLATE_NOOP("InteractiveSeam", "&Yes")},
    {QMessageBox::No, QT_TRANSLATE_NOOP("InteractiveSeam", "&No")},
};

// The buttons speak the interface's language, whatever translations the system has installed.
void CaptionButtons(QMessageBox& box) {
    const TextContext text{buttonsEnglish};
    for (const ButtonText& entry : kButtonTexts) {
        if (QAbstractButton* button = box.button(entry.button))
            button->setText(text.Tr("InteractiveSeam", entry.caption));
    }
}

} // namespace

void InteractiveSeam::SetEnglish(bool english) {
    buttonsEnglish = english;
}

QMessageBox::StandardButton InteractiveSeam::Message(QWidget* parent, QMessageBox::Icon icon,
                                                     const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    CaptionButtons(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton InteractiveSeam::Ask(QWidget* parent, QMessageBox::Icon icon,
                                                 const QString& title, const QString& text,
                                                 const QList<NamedButton>& buttons) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    for (const NamedButton& named : buttons)
        box.addButton(named.button);
    CaptionButtons(box);
    for (const NamedButton& named : buttons)
        if (!named.text.isEmpty())
            box.button(named.button)->setText(named.text);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<int> InteractiveSeam::AskNumber(QWidget* parent, const QString& title,
                                              const QString& text, int lowest, int highest,
                                              int proposed) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(lowest, highest);
    dialog.setIntValue(proposed);
    dialog.setOkButtonText(TextContext{buttonsEnglish}.Tr("InteractiveSeam", "OK"));
    dialog.setCancelButtonText(TextContext{buttonsEnglish}.Tr("InteractiveSeam", "Cancel"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.intValue();
}

namespace {

// A proposal with a folder opens the dialog there; a folder alone proposes no name.
void Propose(QFileDialog& dialog, const QString& proposedName) {
    if (proposedName.isEmpty())
        return;
    if (QFileInfo(proposedName).isDir())
        dialog.setDirectory(proposedName);
    else
        dialog.selectFile(proposedName);
}

} // namespace

QString InteractiveSeam::FileDialog(QWidget* parent, bool isOpen, const QString& title,
                                    const QString& proposedName, const QStringList& filters,
                                    const QString& defaultSuffix) {
    QFileDialog dialog(parent, title);
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (isOpen) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // The save dialog asks before an existing file is replaced (QFileDialog's default).
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
    }
    Propose(dialog, proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString InteractiveSeam::SaveFileDialog(QWidget* parent, const QString& title,
                                        const QString& proposedName, const QStringList& filters,
                                        int& chosenFilter) {
    QFileDialog dialog(parent, title);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The extension follows the filter: "Common radio csv (*.csv)" adds "csv".
    const auto suffixOf = [](const QString& filter) {
        static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
        return pattern.match(filter).captured(1);
    };
    dialog.setDefaultSuffix(suffixOf(filters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    Propose(dialog, proposedName);
    chosenFilter = -1;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    chosenFilter = int(filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}

void InteractiveSeam::ShowHelpTopic(QWidget* parent, const QString& topic, bool english) {
    if (!help_)
        help_ = new HelpWindow(parent ? parent->window() : nullptr);
    help_->ShowTopic(topic, english);
}

void InteractiveSeam::ShowFolder(QWidget*, const QString& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace zr40
