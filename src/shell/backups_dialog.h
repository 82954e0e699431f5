#pragma once

#include "codeplug/text_context.h"
#include "review/backup_store.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace zr40 {

// File > Backups: the backups kept of every radio read and of every radio before a write,
// newest first. Open (or a double-click) closes the list and leaves the chosen file for the main
// window to open as File > Open would; Show Folder opens the folder in the file manager.
class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    BackupsDialog(const BackupStore& store, const TextContext& ctx, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    QPushButton* CommandOpen() const { return commandOpen_; }
    QPushButton* CommandShowFolder() const { return commandShowFolder_; }
    // The backup chosen; empty when the list was closed without one.
    QString ChosenPath() const { return chosen_; }

private:
    void Fill(const TextContext& ctx);
    void OpenCurrent();
    void ShowFolder();

    BackupStore store_;
    QList<BackupEntry> entries_;
    QLabel* labelFolder_;
    QTreeWidget* list_;
    QPushButton* commandOpen_;
    QPushButton* commandShowFolder_;
    QPushButton* commandClose_;
    QString chosen_;
};

} // namespace zr40
