#include "link/write_recovery.h"

namespace zr40 {

namespace {

QString Pick(bool english, const char* en, const char* zh) {
    return QString::fromUtf8(english ? en : zh);
}

} // namespace

WriteRecovery WriteRecovery::After(const TransferEngine& engine, const QString& entered,
                                   const NewPasswordChoice& written) {
    // The new password is the radio's once the settings block is committed; it comes first.
    const bool passwordChanged = written.change && engine.SettingsIndex() > 0;
    WriteRecovery recovery{passwordChanged ? written.newPassword : entered, {}};
    if (passwordChanged) {
        const Long old = engine.RadioPassword();
        const bool hadPassword = !TransferEngine::PasswordAccepted(old, QString());
        recovery.restore = {true, hadPassword ? QString::number(old) : QString()};
    }
    return recovery;
}

QString WriteRecovery::Incomplete(bool english) {
    return Pick(english, "The write did not complete: the radio's configuration is now incomplete.",
                "写入未完成：对讲机中的配置现已不完整。");
}

QString WriteRecovery::BackupKept(const QString& path, bool english) {
    return Pick(english, "The radio as it was before this write is kept in the backup %1.",
                "写入前对讲机中的配置保存在备份文件%1中。")
        .arg(path);
}

QString WriteRecovery::NoBackup(bool english) {
    return Pick(english, "No backup of the radio was taken before this write.",
                "写入前没有备份对讲机。");
}

QString WriteRecovery::NothingWritten(bool english) {
    return Pick(english, "Nothing was written to the radio.", "没有向对讲机写入任何数据。");
}

} // namespace zr40
