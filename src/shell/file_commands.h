#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/file_stamp.h"

#include <QMessageBox>
#include <QObject>

class QMenu;
class QWidget;

namespace zr40 {

class BackupStore;
class ChangeTracker;
class HistoryCommands;
class PageManager;

// File > New, Open, Save, Save As and Backups: the plan's file, the questions before unsaved
// changes are lost, and the guard against overwriting a file someone else changed.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(Codeplug& codeplug, ChangeTracker& tracker, PageManager& pages,
                 HistoryCommands& history, const BackupStore& backups, QWidget* window);

    // The start-up plan: in no file, and nothing worth asking about.
    void Start();
    void New();
    void Open();
    bool Save();
    bool SaveAs();
    // File > Backups: the list of backups; one chosen there is opened as File > Open would.
    void ShowBackups();
    // Opens a backup after the unsaved-changes and cover questions; the backup itself is never
    // saved over (Save asks for a name).
    bool OpenBackup(const QString& path);

    bool ReadFromFile(const QString& path); // shows why a file cannot be loaded
    bool WriteToFile(const QString& path);  // shows why a file cannot be written
    // Loads a file as Open does once the questions are answered; false (after the message) when
    // the file cannot be loaded. The file goes on the list of recent files.
    bool LoadFile(const QString& path);
    // File > Recent Files: a file of the list, opened as Open does; a file that is gone is taken
    // off the list with a word.
    void OpenRecent(const QString& path);
    void FillRecentMenu(QMenu* menu);
    bool IsModified() const;
    QString CurrentPath() const { return path_; }
    // True when the unsaved changes may go; *asked tells whether the question was put.
    bool ConfirmUnsavedChanges(bool* asked = nullptr);

signals:
    // The file or its name changed: the caption follows.
    void changed();

private:
    bool Load(const QString& path);
    // Do you want to cover current data?
    bool ConfirmCover();
    // Before Save writes over the current file: a file another program or window changed since
    // it was opened or saved here is not overwritten without a word. Yes: write it; Save: save
    // as; anything else: do not save.
    QMessageBox::StandardButton AskIfChangedOnDisk(const QString& path);
    QString AskFileName(bool isOpen, const QString& title, const QString& proposedName);
    bool english() const { return codeplug_.IsEnglish; }

    Codeplug& codeplug_;
    ChangeTracker& tracker_;
    PageManager& pages_;
    HistoryCommands& history_;
    const BackupStore& backups_;
    QWidget* window_;
    QString path_;
    FileStamp stamp_; // the current file as it was opened or last saved here
};

} // namespace zr40
