#include "review/backup_store.h"

#include "channels/channel_rules.h"
#include "codeplug/file_reader.h"
#include "codeplug/file_writer.h"
#include "codeplug/radio_data_file.h"
#include "link/fleet_ids.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zr40 {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HHmmss");
// Names tried for backups of one second before giving up.
constexpr int kSameSecond = 1000;

QString KindWord(BackupKind kind) {
    return kind == BackupKind::Read ? QStringLiteral("read") : QStringLiteral("before-write");
}

int ChannelsInUse(const QString& path) {
    Codeplug codeplug;
    if (!RadioDataFile::ReadFromFile(path, codeplug).ok())
        return -1;
    int used = 0;
    for (int c = 0; c < Codeplug::kChannels; ++c)
        used += ChannelRules::IsEmptyChannel(codeplug, c) ? 0 : 1;
    return used;
}

// "The backup … cannot be written (No space left on device).": the sentence's %2 takes the
// system's words, where there are any.
QString WithDetail(const QString& sentence, const QString& where, const QString& detail,
                   const TextContext& ctx) {
    //: The operating system's own words after a message.
    const QString reason =
        detail.isEmpty() ? QString() : ctx.Tr("BackupStore", " (%1)").arg(detail);
    return sentence.arg(where, reason);
}

QString IdWord(std::optional<Long> localId) {
    return localId ? QStringLiteral("_id-") + FleetIds::IdText(*localId) : QString();
}

QString NameFor(const QDateTime& taken, BackupKind kind, int n, std::optional<Long> localId) {
    if (n < 2)
        return BackupStore::FileName(taken, kind, localId);
    return taken.toString(kTimeFormat) + QStringLiteral("-%1_").arg(n) + KindWord(kind) +
           IdWord(localId) + QStringLiteral(".rdat");
}

// Reads the backup as it now lies on the disk; empty `why` when it is exactly `expected`.
bool HoldsExactly(const QString& path, const QByteArray& expected, QString& why) {
    QByteArray stored;
    const FileResult read =
        FileReader::Read(path, RadioDataFile::kFileSize + 1, FileReader::Beyond::Refuse, stored);
    why = read.ok() ? QString() : read.detail;
    return read.ok() && stored == expected;
}

// A backup as pruning sees it: its date by name and by file.
struct Dated {
    QString path;
    QDateTime named;
    QDateTime modified;
};

QList<Dated> DatedBackups(const QDir& dir) {
    QList<Dated> backups;
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.rdat")}, QDir::Files)) {
        QDateTime taken;
        BackupKind kind;
        if (BackupStore::ParseFileName(info.fileName(), taken, kind))
            backups.append({info.filePath(), taken, info.lastModified()});
    }
    std::sort(backups.begin(), backups.end(), [](const Dated& a, const Dated& b) {
        return a.named != b.named ? a.named > b.named : a.modified > b.modified;
    });
    return backups;
}

} // namespace

QString BackupResult::Message(const TextContext& ctx) const {
    const QString where = QDir::toNativeSeparators(path);
    switch (failure) {
    case Failure::None:
        break;
    case Failure::NoFolder:
        return ctx.Tr("BackupStore", "No folder is set for backups.");
    case Failure::CannotCreateFolder:
        return ctx.Tr("BackupStore", "The backup folder %1 cannot be created.").arg(where);
    case Failure::CannotWrite:
        return WithDetail(ctx.Tr("BackupStore", "The backup %1 cannot be written%2."), where,
                          detail, ctx);
    case Failure::NotAsRead:
        return WithDetail(
            ctx.Tr("BackupStore", "The backup %1 does not hold what was read from the radio%2."),
            where, detail, ctx);
    }
    return {};
}

QString BackupStore::DefaultFolder() {
    // Named after the application, not the running program, so that the zr40 command and the
    // application keep their backups in one place.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/NQ/ZR40/backups");
}

bool BackupStore::EnsureFolder() const {
    return !folder_.isEmpty() && QDir().mkpath(folder_);
}

BackupResult BackupStore::Save(const Codeplug& codeplug, BackupKind kind, const QDateTime& taken,
                               std::optional<Long> localId) const {
    using Failure = BackupResult::Failure;
    if (folder_.isEmpty())
        return {{}, Failure::NoFolder, {}};
    if (!EnsureFolder())
        return {folder_, Failure::CannotCreateFolder, {}};
    const QDir dir(folder_);
    // Two backups in one second (a read straight after a write, two radios at once) keep both.
    for (int n = 1; n <= kSameSecond; ++n) {
        const QString path = dir.filePath(NameFor(taken, kind, n, localId));
        FileResult failure;
        const FileWriter::Claim claim = FileWriter::ClaimName(path, &failure);
        if (claim == FileWriter::Claim::Taken)
            continue;
        if (claim == FileWriter::Claim::Failed)
            return {path, Failure::CannotWrite, failure.detail};
        const QByteArray bytes = RadioDataFile::Serialize(codeplug);
        const FileResult written = FileWriter::Write(path, bytes);
        QString why;
        if (written.ok() && HoldsExactly(path, bytes, why))
            return {path, Failure::None, {}};
        // The name was this program's own: what lies there is no backup of what was read.
        QFile::remove(path);
        if (!written.ok())
            return {path, Failure::CannotWrite, written.detail};
        return {path, Failure::NotAsRead, why};
    }
    return {dir.filePath(FileName(taken, kind, localId)), Failure::CannotWrite,
            QString::fromLocal8Bit(std::strerror(EEXIST))};
}

QList<BackupEntry> BackupStore::List() const {
    QList<BackupEntry> entries;
    if (folder_.isEmpty())
        return entries;
    const QDir dir(folder_);
    for (const QString& name : dir.entryList({QStringLiteral("*.rdat")}, QDir::Files)) {
        BackupEntry entry;
        if (!ParseFileName(name, entry.taken, entry.kind))
            continue;
        entry.path = dir.filePath(name);
        entry.channelsInUse = ChannelsInUse(entry.path);
        entries.append(entry);
    }
    // Backups of one second (a read straight after a write) follow the order they were made in.
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.taken != b.taken)
            return a.taken > b.taken;
        return QFileInfo(a.path).lastModified() > QFileInfo(b.path).lastModified();
    });
    return entries;
}

int BackupStore::Prune(const QDateTime& now) const {
    if (folder_.isEmpty())
        return 0;
    const QList<Dated> backups = DatedBackups(QDir(folder_));
    for (const Dated& backup : backups)
        if (backup.named > now || backup.modified > now)
            return 0;
    const QDateTime oldest = now.addDays(-kKeepDays);
    int removed = 0;
    for (qsizetype i = kKeepNewest; i < backups.size(); ++i) {
        const Dated& backup = backups[i];
        if (backup.named < oldest && backup.modified < oldest && QFile::remove(backup.path))
            ++removed;
    }
    return removed;
}

QString BackupStore::FileName(const QDateTime& taken, BackupKind kind,
                              std::optional<Long> localId) {
    return taken.toString(kTimeFormat) + QLatin1Char('_') + KindWord(kind) + IdWord(localId) +
           QStringLiteral(".rdat");
}

bool BackupStore::ParseFileName(const QString& name, QDateTime& taken, BackupKind& kind) {
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2}_\\d{6})(?:-\\d+)?_(read|before-write)(?:_id-[0-9A-F]{1,6})?"
        "\\.rdat$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return false;
    const QDateTime parsed = QDateTime::fromString(match.captured(1), kTimeFormat);
    if (!parsed.isValid())
        return false;
    taken = parsed;
    kind = match.captured(2) == QLatin1String("read") ? BackupKind::Read : BackupKind::BeforeWrite;
    return true;
}

QString BackupStore::KindText(BackupKind kind, const TextContext& ctx) {
    return kind == BackupKind::Read ? ctx.Tr("BackupStore", "Read")
                                    : ctx.Tr("BackupStore", "Before write");
}

} // namespace zr40
