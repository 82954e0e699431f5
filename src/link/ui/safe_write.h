#pragma once

#include "codeplug/codeplug.h"
#include "link/link_result.h"
#include "link/serial/serial_adapter.h"
#include "link/transfer_engine.h"
#include "review/backup_store.h"
#include "review/plan_location.h"

#include <QObject>
#include <optional>

class QWidget;

namespace zr40 {

// What the transfer window does before it writes a plan: the check, then a read of the radio as
// it is into a codeplug of its own, kept as the before-write backup, then the list of what the
// write will change. The window's own transfer runs after that, on the same port, with the
// password already typed. A write of the tune page (`tune`) also lists the tune data it sends.
//
// The read has an engine and an adapter of its own, so the plan in the codeplug is never
// touched; the window closes its port first and opens it again for the write.
class SafeWrite : public QObject {
    Q_OBJECT
public:
    SafeWrite(Codeplug& plan, bool tune, QWidget* window);

    void SetBackupStore(const BackupStore& store) { store_ = store; }
    const BackupStore& Store() const { return store_; }

    // Runs the check and shows what it finds. True when the write may go on: no problem, or
    // warnings the technician chose to write anyway.
    bool Check();
    // Starts the read of the radio for the backup; finished() follows. Started, or why not.
    SerialAdapter::StartOutcome StartBackupRead(const QString& port, const QString& password,
                                                const NewPasswordChoice& newPassword);
    PortOpenError OpenError() const { return adapter_.openError(); }
    bool Running() const { return adapter_.Running(); }
    // Ends a read in progress and releases the port (the window is closing).
    void Cancel();

    // The radio as the last backup read found it, and where it was kept.
    const Codeplug& Radio() const { return radio_; }
    QString BackupPath() const { return backupPath_; }
    // The place a double-click in the problem or change list asked for.
    std::optional<PlanLocation> ChosenLocation() const { return chosen_; }

signals:
    void traceLine(const QString& line);
    void progress(double fraction, const QString& label);
    // The read did not complete (the window shows why); the write does not go on.
    void readFailed(const zr40::LinkResult& result);
    // After the list of changes: true when the technician chose Write.
    void finished(bool writeNow);

private:
    void OnRetryQuestion(const QString& question);
    void OnFinished(const LinkResult& result);
    bool KeepBackup();
    bool ConfirmChanges();
    void Remember(const std::optional<PlanLocation>& location);
    TextContext Words() const { return TextContext::Of(plan_); }

    Codeplug& plan_;
    bool tune_;
    QWidget* window_;
    BackupStore store_;
    Codeplug radio_;
    TransferEngine engine_;
    SerialAdapter adapter_;
    NewPasswordChoice newPassword_;
    QString backupPath_;
    std::optional<PlanLocation> chosen_;
};

} // namespace zr40
