#include "shell/file_commands.h"

#include "codeplug/model_band.h"
#include "codeplug/radio_data_file.h"
#include "review/backup_store.h"
#include "shell/backups_dialog.h"
#include "shell/change_tracker.h"
#include "shell/dialog_folders.h"
#include "shell/history_commands.h"
#include "shell/main_window_texts.h"
#include "shell/page_manager.h"
#include "shell/recent_files.h"
#include "widgets/ui_seam.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace zr40 {

using Id = MainWindowTexts::Id;

FileCommands::FileCommands(Codeplug& codeplug, ChangeTracker& tracker, PageManager& pages,
                           HistoryCommands& history, const BackupStore& backups, QWidget* window)
    : QObject(window), codeplug_(codeplug), tracker_(tracker), pages_(pages), history_(history),
      backups_(backups), window_(window) {}

void FileCommands::Start() {
    path_.clear();
    tracker_.MarkSaved(codeplug_); // the start-up plan is nothing worth asking about
}

bool FileCommands::IsModified() const {
    return tracker_.IsModified(codeplug_);
}

bool FileCommands::ReadFromFile(const QString& path) {
    const FileResult result = RadioDataFile::ReadFromFile(path, codeplug_);
    if (!result.ok()) {
        UiSeam::Instance().Message(window_, QMessageBox::Critical,
                                   MainWindowTexts::Text(Id::ErrorCaption, english()),
                                   MainWindowTexts::Text(Id::ErrorFile, english()) +
                                       QLatin1Char('\n') + result.Message(english()),
                                   QMessageBox::Ok);
    }
    return result.ok();
}

bool FileCommands::WriteToFile(const QString& path) {
    const FileResult result = RadioDataFile::WriteToFile(path, codeplug_);
    if (!result.ok()) {
        UiSeam::Instance().Message(window_, QMessageBox::Critical,
                                   MainWindowTexts::Text(Id::ErrorCaption, english()),
                                   MainWindowTexts::Text(Id::SaveFailed, english()) +
                                       QLatin1Char('\n') + result.Message(english()),
                                   QMessageBox::Ok);
        return false;
    }
    path_ = path;
    stamp_ = FileStamp::Of(path);
    codeplug_.FileName = QFileInfo(path).fileName();
    tracker_.MarkSaved(codeplug_);
    RecentFiles::Add(path);
    emit changed();
    return true;
}

QString FileCommands::AskFileName(bool isOpen, const QString& title, const QString& proposedName) {
    const QStringList filters = {MainWindowTexts::Text(Id::FilterRadioData, english()),
                                 MainWindowTexts::Text(Id::FilterAll, english())};
    const QString path = UiSeam::Instance().FileDialog(
        window_, isOpen, title, DialogFolders::Proposed(DialogFolders::kPlans, proposedName),
        filters, QStringLiteral("rdat"));
    DialogFolders::Remember(DialogFolders::kPlans, path);
    return path;
}

bool FileCommands::ConfirmUnsavedChanges(bool* asked) {
    pages_.FreshPages();
    if (asked)
        *asked = IsModified();
    if (!IsModified())
        return true;
    const auto answer = UiSeam::Instance().Message(
        window_, QMessageBox::Question, MainWindowTexts::AppTitle(),
        MainWindowTexts::Text(Id::SaveChanges, english()).arg(codeplug_.FileName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return Save();
    return answer == QMessageBox::Discard;
}

void FileCommands::New() {
    if (!ConfirmUnsavedChanges())
        return;
    codeplug_.ApplyNewDefaults();
    tracker_.MarkUnsaved();
    history_.Reset();
    pages_.ReopenChannelPage();
    emit changed();
}

void FileCommands::Open() {
    bool asked = false;
    if (!ConfirmUnsavedChanges(&asked))
        return;
    const QString path =
        AskFileName(true, MainWindowTexts::Text(Id::OpenTitle, english()), QString());
    if (path.isEmpty())
        return;
    // One question is enough: whoever answered Save or Don't Save has chosen to replace the plan.
    if (asked || ConfirmCover())
        LoadFile(path);
}

bool FileCommands::ConfirmCover() {
    return UiSeam::Instance().Message(window_, QMessageBox::Warning, MainWindowTexts::AppTitle(),
                                      MainWindowTexts::Text(Id::CoverData, english()),
                                      QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool FileCommands::LoadFile(const QString& path) {
    if (!Load(path))
        return false;
    RecentFiles::Add(path);
    return true;
}

void FileCommands::OpenRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        RecentFiles::Remove(path);
        UiSeam::Instance().Message(
            window_, QMessageBox::Warning, MainWindowTexts::AppTitle(),
            MainWindowTexts::Text(Id::RecentGone, english()).arg(QDir::toNativeSeparators(path)),
            QMessageBox::Ok);
        return;
    }
    bool asked = false;
    if (ConfirmUnsavedChanges(&asked) && (asked || ConfirmCover()))
        LoadFile(path);
}

void FileCommands::FillRecentMenu(QMenu* menu) {
    menu->clear();
    const QStringList files = RecentFiles::List();
    for (int i = 0; i < files.size(); ++i) {
        const QFileInfo file(files[i]);
        // "&1 plan.rdat  [/home/tech/plans]": a name's own "&" is no mnemonic.
        QString shown = file.fileName() + QStringLiteral("  [") +
                        QDir::toNativeSeparators(file.absolutePath()) + QLatin1Char(']');
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action =
            menu->addAction(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') + shown);
        action->setData(files[i]);
        connect(action, &QAction::triggered, this, [this, path = files[i]] { OpenRecent(path); });
    }
    if (files.isEmpty())
        menu->addAction(MainWindowTexts::Text(Id::RecentNone, english()))->setEnabled(false);
}

bool FileCommands::Load(const QString& path) {
    // Taken before the read: a change made meanwhile counts as a change made by someone else.
    const FileStamp stamp = FileStamp::Of(path);
    if (!ReadFromFile(path))
        return false;
    ModelBand::AnalyseModel(codeplug_);
    codeplug_.AnalyseSoftwareData();
    path_ = path;
    stamp_ = stamp;
    codeplug_.FileName = QFileInfo(path).fileName();
    tracker_.MarkSaved(codeplug_);
    history_.Reset();
    pages_.ReopenChannelPage();
    emit changed();
    return true;
}

bool FileCommands::Save() {
    pages_.FreshPages();
    codeplug_.SaveSoftwareData();
    QString path = path_;
    if (path.isEmpty())
        path =
            AskFileName(false, MainWindowTexts::Text(Id::SaveTitle, english()), codeplug_.FileName);
    else if (const auto answer = AskIfChangedOnDisk(path); answer == QMessageBox::Save)
        return SaveAs();
    else if (answer != QMessageBox::Yes)
        return false;
    return !path.isEmpty() && WriteToFile(path);
}

QMessageBox::StandardButton FileCommands::AskIfChangedOnDisk(const QString& path) {
    const FileStamp now = FileStamp::Of(path);
    if (!now.exists || now == stamp_)
        return QMessageBox::Yes;
    return UiSeam::Instance().Ask(
        window_, QMessageBox::Warning, MainWindowTexts::AppTitle(),
        MainWindowTexts::Text(Id::FileChanged, english()).arg(QDir::toNativeSeparators(path)),
        {{QMessageBox::Yes, MainWindowTexts::Text(Id::Overwrite, english())},
         {QMessageBox::Save, MainWindowTexts::Text(Id::SaveAsButton, english())},
         {QMessageBox::Cancel, {}}});
}

bool FileCommands::SaveAs() {
    pages_.FreshPages();
    codeplug_.SaveSoftwareData();
    // The current file's name is proposed, where it is; a plan in no file yet its own name.
    const QString path = AskFileName(false, MainWindowTexts::Text(Id::SaveAsTitle, english()),
                                     path_.isEmpty() ? codeplug_.FileName : path_);
    return !path.isEmpty() && WriteToFile(path);
}

void FileCommands::ShowBackups() {
    BackupsDialog dialog(backups_, TextContext::Of(codeplug_), window_);
    dialog.exec();
    if (!dialog.ChosenPath().isEmpty())
        OpenBackup(dialog.ChosenPath());
}

bool FileCommands::OpenBackup(const QString& path) {
    bool asked = false;
    if (!ConfirmUnsavedChanges(&asked) || !(asked || ConfirmCover()) || !Load(path))
        return false;
    // Unmodified until edited, as any file just opened; but Save asks for a name of its own, so
    // the backup itself is never written over.
    path_.clear();
    stamp_ = {};
    emit changed();
    return true;
}

} // namespace zr40
