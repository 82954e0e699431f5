#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "link/fleet_radio_report.h"
#include "review/backup_store.h"

#include <QDateTime>
#include <QFile>
#include <QHash>

namespace zr40 {

// What a fleet session keeps, the same for the zr40 command and the window: each radio's
// before-write backup, named with the ID it is about to get, and the log, one CSV line per
// radio appended and on the disk before the next radio is taken:
//   time,radio,local_id,previous_local_id,result,backup,seconds
// `result` is FleetRadioReport::ResultName; `backup` the backup's full path, empty when none
// was kept; `seconds` the machine time of that radio. The log is appended to, never rewritten:
// an earlier session's lines stay.
class FleetRecord {
public:
    static const char* const kHeader;

    FleetRecord(const BackupStore& store, const QString& logPath);

    // Opens the log for appending (its folder made if need be) and writes the header into a new
    // or empty file; a file that holds something else is not taken. False with the reason.
    bool OpenLog(const TextContext& ctx, QString& error);
    QString LogPath() const { return log_.fileName(); }

    // Keeps `before` as the before-write backup of radio `radio`.
    BackupResult KeepBackup(int radio, Long localId, const Codeplug& before);
    QString BackupOf(int radio) const { return backups_.value(radio); }

    // Appends the radio's line and flushes it to the disk; false with the reason.
    bool Log(const FleetRadioReport& report, const TextContext& ctx, QString& error,
             const QDateTime& at = QDateTime::currentDateTime());

    // The log line of a radio, without its line end.
    static QString Line(const FleetRadioReport& report, const QString& backup, const QDateTime& at);
    // A new log in the user's data folder, named by the session's start.
    static QString ProposedLogPath(const QDateTime& at = QDateTime::currentDateTime());

private:
    bool Append(const QByteArray& bytes);
    QString Failure(const TextContext& ctx) const;

    BackupStore store_;
    QFile log_;
    QHash<int, QString> backups_;
    QString error_; // why the last line could not be appended
};

} // namespace zr40
