#include "review/backup_store.h"

#include "channels/channel_rules.h"
#include "codeplug/radio_data_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace zr40 {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HHmmss");

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

} // namespace

QString BackupResult::Message(const TextContext& ctx) const {
    const QString where = QDir::toNativeSeparators(path);
    switch (failure) {
    case Failure::None:
        break;
    case Failure::NoFolder:
        return ctx.Pick({"No folder is set for backups.", "没有设定备份文件夹。"});
    case Failure::CannotCreateFolder:
        return ctx.Pick({"The backup folder %1 cannot be created.", "无法创建备份文件夹%1。"})
            .arg(where);
    case Failure::CannotWrite: {
        const QString text =
            ctx.Pick({"The backup %1 cannot be written.", "无法写入备份文件%1。"}).arg(where);
        return detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + QLatin1Char(')');
    }
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

BackupResult BackupStore::Save(const Codeplug& codeplug, BackupKind kind,
                               const QDateTime& taken) const {
    using Failure = BackupResult::Failure;
    if (folder_.isEmpty())
        return {{}, Failure::NoFolder, {}};
    if (!EnsureFolder())
        return {folder_, Failure::CannotCreateFolder, {}};
    const QDir dir(folder_);
    QString name = FileName(taken, kind);
    // Two backups in one second (a read straight after a write) keep both.
    for (int n = 2; QFileInfo::exists(dir.filePath(name)); ++n)
        name = taken.toString(kTimeFormat) + QStringLiteral("-%1_").arg(n) + KindWord(kind) +
               QStringLiteral(".rdat");
    const QString path = dir.filePath(name);
    const FileResult written = RadioDataFile::WriteToFile(path, codeplug);
    if (!written.ok())
        return {path, Failure::CannotWrite, written.detail};
    return {path, Failure::None, {}};
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
    const QDir dir(folder_);
    const QDateTime oldest = now.addDays(-kKeepDays);
    int removed = 0;
    for (const QString& name : dir.entryList({QStringLiteral("*.rdat")}, QDir::Files)) {
        QDateTime taken;
        BackupKind kind;
        if (ParseFileName(name, taken, kind) && taken < oldest && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

QString BackupStore::FileName(const QDateTime& taken, BackupKind kind) {
    return taken.toString(kTimeFormat) + QLatin1Char('_') + KindWord(kind) +
           QStringLiteral(".rdat");
}

bool BackupStore::ParseFileName(const QString& name, QDateTime& taken, BackupKind& kind) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{6})(?:-\\d+)?_(read|before-write)\\.rdat$"));
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
    return kind == BackupKind::Read ? ctx.Pick({"Read", "读取"})
                                    : ctx.Pick({"Before write", "写入前"});
}

} // namespace zr40
