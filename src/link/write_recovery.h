#pragma once

#include "link/transfer_engine.h"

#include <QString>

namespace zr40 {

// A write that stopped after its first block left the radio with part of the plan. Writing the
// before-write backup back puts the radio as it was; this says with which password the radio
// opens now and which password the write-back gives it, so that a password change that had
// already reached the radio is taken back too.
struct WriteRecovery {
    QString password;          // opens the radio as the stopped write left it
    NewPasswordChoice restore; // the password the radio had before the write

    // From the engine of the write that stopped, the password entered for it and the new
    // password it was to write.
    static WriteRecovery After(const TransferEngine& engine, const QString& entered,
                               const NewPasswordChoice& written);

    // The texts both programs show.
    static QString Incomplete(bool english);
    static QString BackupKept(const QString& path, bool english);
    static QString NoBackup(bool english);
    static QString NothingWritten(bool english);
};

} // namespace zr40
