#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace zr40 {

// Why a backup was taken: a completed read, or the radio as it was just before a write.
enum class BackupKind { Read, BeforeWrite };

struct BackupEntry {
    QString path;
    QDateTime taken; // local time, from the file name
    BackupKind kind = BackupKind::Read;
    int channelsInUse = -1; // -1: the file cannot be read
};

struct BackupResult {
    enum class Failure { None, NoFolder, CannotCreateFolder, CannotWrite, NotAsRead };

    QString path; // the file written (or that could not be)
    Failure failure = Failure::None;
    QString detail; // the operating system's words, when there are any

    bool ok() const { return failure == Failure::None; }
    // Why nothing was written, in the interface language; empty on success.
    QString Message(const TextContext& ctx) const;
};

// The radio data files the program keeps of every radio it read and of every radio before it
// was written, one .rdat file each, named by local date, time and kind
// ("2026-12-06_143012_read.rdat", "..._before-write.rdat"; a radio of a fleet also by the local
// ID it was about to get, "..._before-write_id-1003.rdat"). The application and the zr40
// command share one folder in the user's data folder. Only files named this way are ever
// listed or removed; nothing else in the folder is touched.
class BackupStore {
public:
    static constexpr int kKeepDays = 365;
    // Pruning never touches this many of the newest backups, whatever their dates say.
    static constexpr int kKeepNewest = 100;

    // A store in `folder`; an empty folder stores nothing (every save fails with a reason).
    explicit BackupStore(const QString& folder = QString()) : folder_(folder) {}
    // The user's data folder of the application, backups/ (the same for both programs).
    static QString DefaultFolder();
    static BackupStore Default() { return BackupStore(DefaultFolder()); }

    QString Folder() const { return folder_; }

    // Writes the codeplug as taken at `taken` under a name no other backup has or can take
    // meanwhile (another program saving in the same second gets the next one), then reads it
    // back: a backup that is not exactly the codeplug's file is no backup (NotAsRead) and goes.
    BackupResult Save(const Codeplug& codeplug, BackupKind kind,
                      const QDateTime& taken = QDateTime::currentDateTime(),
                      std::optional<Long> localId = std::nullopt) const;
    // The backups, newest first. Listing never removes anything.
    QList<BackupEntry> List() const;
    // Removes backups that are old by both their name and their file time (kKeepDays before
    // `now`), never one of the kKeepNewest newest, and nothing at all while any backup is dated
    // after `now`: a clock that is wrong must not cost backups. Returns how many went.
    int Prune(const QDateTime& now = QDateTime::currentDateTime()) const;
    // Creates the folder when it is not there yet; false when it cannot be.
    bool EnsureFolder() const;

    static QString FileName(const QDateTime& taken, BackupKind kind,
                            std::optional<Long> localId = std::nullopt);
    // The time and kind a backup's file name gives; false for any other file name.
    static bool ParseFileName(const QString& name, QDateTime& taken, BackupKind& kind);
    // "Read" / "读取", "Before write" / "写入前".
    static QString KindText(BackupKind kind, const TextContext& ctx);

private:
    QString folder_;
};

} // namespace zr40
