#include "review/fleet_record.h"

#include "link/fleet_ids.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace zr40 {

namespace {

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    return QLatin1Char('"') + quoted.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

} // namespace

const char* const FleetRecord::kHeader =
    "time,radio,local_id,previous_local_id,result,backup,seconds";

FleetRecord::FleetRecord(const BackupStore& store, const QString& logPath)
    : store_(store), log_(logPath) {}

bool FleetRecord::OpenLog(const TextContext& ctx, QString& error) {
    const QFileInfo info(log_.fileName());
    if (!QDir().mkpath(info.absolutePath())) {
        error = ctx.Tr("FleetRecord", "The folder of the log %1 cannot be created.")
                    .arg(QDir::toNativeSeparators(log_.fileName()));
        return false;
    }
    // Unbuffered: a line the disk refused is not kept back to be written later.
    if (!log_.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        error = Failure(ctx);
        return false;
    }
    const QByteArray header = QByteArray(kHeader) + '\n';
    if (log_.size() == 0) {
        if (Append(header))
            return true;
        error = Failure(ctx);
    } else {
        log_.seek(0);
        if (log_.read(header.size()) == header)
            return true;
        error = ctx.Tr("FleetRecord", "%1 is not a fleet log; choose another file.")
                    .arg(QDir::toNativeSeparators(log_.fileName()));
    }
    log_.close();
    return false;
}

BackupResult FleetRecord::KeepBackup(int radio, Long localId, const Codeplug& before) {
    const BackupResult saved =
        store_.Save(before, BackupKind::BeforeWrite, QDateTime::currentDateTime(), localId);
    if (saved.ok())
        backups_.insert(radio, saved.path);
    return saved;
}

bool FleetRecord::Log(const FleetRadioReport& report, const TextContext& ctx, QString& error,
                      const QDateTime& at) {
    if (log_.isOpen() && Append((Line(report, BackupOf(report.radio), at) + '\n').toUtf8()))
        return true;
    error = Failure(ctx);
    return false;
}

bool FleetRecord::Append(const QByteArray& bytes) {
    // The line is on the disk before the next radio is taken: a session cut short by a power
    // cut still has the log of every radio done.
    const qint64 before = log_.size();
    qint64 written = 0;
    for (qint64 n = 0; written < bytes.size(); written += n) { // the rest of a short write says why
        n = log_.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
    }
    if (written == bytes.size() && ::fsync(log_.handle()) == 0)
        return true;
    // A line the disk took only part of is no line: the log keeps the lines it had.
    error_ = log_.errorString();
    log_.resize(before);
    return false;
}

QString FleetRecord::Failure(const TextContext& ctx) const {
    return ctx.Tr("FleetRecord", "The log %1 cannot be written (%2).")
        .arg(QDir::toNativeSeparators(log_.fileName()),
             error_.isEmpty() ? log_.errorString() : error_);
}

QString FleetRecord::Line(const FleetRadioReport& report, const QString& backup,
                          const QDateTime& at) {
    const QStringList fields{
        at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
        QString::number(report.radio),
        FleetIds::IdText(report.localId),
        report.previousLocalId ? FleetIds::IdText(*report.previousLocalId) : QString(),
        FleetRadioReport::ResultName(report.result),
        CsvField(QDir::toNativeSeparators(backup)),
        QString::number(report.seconds, 'f', 3),
    };
    return fields.join(QLatin1Char(','));
}

QString FleetRecord::ProposedLogPath(const QDateTime& at) {
    const QString backups = BackupStore::DefaultFolder();
    if (backups.isEmpty())
        return QStringLiteral("fleet_") + at.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) +
               QStringLiteral(".csv");
    return QFileInfo(backups).path() + QStringLiteral("/fleet-logs/fleet_") +
           at.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) + QStringLiteral(".csv");
}

} // namespace zr40
