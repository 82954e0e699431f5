#include "shell/interactive_seam.h"

#include "shell/help_window.h"

#include <QFileDialog>

namespace zr40 {

QMessageBox::StandardButton InteractiveSeam::Message(QWidget* parent, QMessageBox::Icon icon,
                                                     const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

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
        if (!proposedName.isEmpty())
            dialog.selectFile(proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void InteractiveSeam::ShowHelpTopic(QWidget* parent, const QString& topic, bool english) {
    if (!help_)
        help_ = new HelpWindow(parent ? parent->window() : nullptr);
    help_->ShowTopic(topic, english);
}

} // namespace zr40
