#include "link/write_recovery.h"

#include "codeplug/text_context.h"

namespace zr40 {

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
    return TextContext{english}.Tr(
        "WriteRecovery",
        "The write did not complete: the radio's configuration is now incomplete.");
}

QString WriteRecovery::BackupKept(const QString& path, bool english) {
    return TextContext{english}
        .Tr("WriteRecovery", "The radio as it was before this write is kept in the backup %1.")
        .arg(path);
}

QString WriteRecovery::NoBackup(bool english) {
    return TextContext{english}.Tr("WriteRecovery",
                                   "No backup of the radio was taken before this write.");
}

QString WriteRecovery::NothingWritten(bool english) {
    return TextContext{english}.Tr("WriteRecovery", "Nothing was written to the radio.");
}

} // namespace zr40
