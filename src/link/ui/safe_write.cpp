#include "link/ui/safe_write.h"

#include "link/serial/serial_port_name.h"
#include "link/ui/check_list_dialog.h"
#include "link/ui/write_changes_dialog.h"
#include "review/codeplug_check.h"
#include "review/codeplug_diff.h"
#include "widgets/ui_seam.h"

#include <QTimer>

namespace zr40 {

namespace {

// A codeplug as New leaves it: what the radio does not report keeps these values in a backup,
// never pieces of the plan about to be written.
Codeplug FreshCodeplug() {
    Codeplug codeplug;
    codeplug.ApplyStartupDefaults();
    codeplug.ResetApplicationState();
    codeplug.ApplyNewDefaults();
    return codeplug;
}

} // namespace

SafeWrite::SafeWrite(Codeplug& plan, bool tune, QWidget* window)
    : QObject(window), plan_(plan), tune_(tune), window_(window), store_(BackupStore::Default()),
      radio_(FreshCodeplug()), engine_(radio_, plan.IsEnglish), adapter_(engine_) {
    connect(&adapter_, &SerialAdapter::TraceLine, this, &SafeWrite::traceLine);
    connect(&adapter_, &SerialAdapter::Progress, this, &SafeWrite::progress);
    connect(&adapter_, &SerialAdapter::RetryQuestion, this, &SafeWrite::OnRetryQuestion);
    connect(&adapter_, &SerialAdapter::Finished, this, &SafeWrite::OnFinished);
}

void SafeWrite::Remember(const std::optional<PlanLocation>& location) {
    if (location)
        chosen_ = location;
}

bool SafeWrite::Check() {
    chosen_.reset();
    const PlanProblems problems = CodeplugCheck::Run(plan_);
    if (problems.isEmpty())
        return true;
    CheckListDialog list(problems, Words(), window_);
    const bool write = list.exec() == QDialog::Accepted && list.OffersWrite();
    Remember(list.ChosenLocation());
    return write;
}

SerialAdapter::StartOutcome SafeWrite::StartBackupRead(const QString& port, const QString& password,
                                                       const NewPasswordChoice& newPassword) {
    radio_ = FreshCodeplug();
    radio_.IsEnglish = plan_.IsEnglish;
    engine_.SetEnglish(plan_.IsEnglish);
    newPassword_ = newPassword;
    backupPath_.clear();
    adapter_.SetPortName(port);
    // The tune data go into the backup too: it is the radio's whole configuration.
    return adapter_.StartRead(password, true);
}

void SafeWrite::Cancel() {
    adapter_.Cancel();
    adapter_.Close();
}

void SafeWrite::OnRetryQuestion(const QString& question) {
    const auto answer = UiSeam::Instance().Message(
        window_, QMessageBox::Critical, UiSeam::AppTitle(),
        question + QLatin1Char('\n') +
            SerialPortName::PortLine(adapter_.PortName(), plan_.IsEnglish),
        QMessageBox::Retry | QMessageBox::Cancel);
    adapter_.AnswerRetry(answer == QMessageBox::Retry);
}

void SafeWrite::OnFinished(const LinkResult& result) {
    // The write opens the port again in the window's own adapter.
    adapter_.Close();
    if (!result.Succeeded()) {
        emit readFailed(result);
        return;
    }
    // The dialogs run on a turn of their own, not inside the adapter's report of the end.
    QTimer::singleShot(0, this, [this] { emit finished(KeepBackup() && ConfirmChanges()); });
}

bool SafeWrite::KeepBackup() {
    const BackupResult saved = store_.Save(radio_, BackupKind::BeforeWrite);
    backupPath_ = saved.path;
    if (saved.ok())
        return true;
    const TextContext ctx = Words();
    UiSeam::Instance().Message(
        window_, QMessageBox::Critical, UiSeam::AppTitle(),
        ctx.Tr("SafeWrite", "The radio could not be backed up, so nothing was written.") +
            QLatin1Char('\n') + saved.Message(ctx),
        QMessageBox::Ok);
    return false;
}

bool SafeWrite::ConfirmChanges() {
    const TextContext ctx = Words();
    const PlanDifferences changes =
        CodeplugDiff::WriteChanges(radio_, plan_, ctx, tune_) +
        CodeplugDiff::PasswordChange(engine_.RadioPassword(), newPassword_, ctx);
    WriteChangesDialog table(changes, backupPath_, ctx, window_);
    const bool write = table.exec() == QDialog::Accepted && !changes.isEmpty();
    Remember(table.ChosenLocation());
    return write;
}

} // namespace zr40
