#include "shell/transfer_commands.h"

#include "codeplug/model_band.h"
#include "link/ui/form_fleet.h"
#include "link/ui/form_password.h"
#include "link/ui/form_process.h"
#include "review/backup_store.h"
#include "shell/history_commands.h"
#include "shell/main_window_texts.h"
#include "shell/page_manager.h"
#include "widgets/ui_seam.h"

namespace zr40 {

TransferCommands::TransferCommands(Codeplug& codeplug, PageManager& pages, HistoryCommands& history,
                                   const BackupStore& backups, QWidget* window)
    : QObject(window), codeplug_(codeplug), pages_(pages), history_(history), backups_(backups),
      window_(window) {}

void TransferCommands::ReadFromRadio() {
    RunTransfer(true);
}

void TransferCommands::WriteToRadio() {
    RunTransfer(false);
}

void TransferCommands::ProgramFleet() {
    pages_.FreshPages();
    FormFleet window(codeplug_, backups_, window_);
    window.exec();
}

void TransferCommands::RunTransfer(bool read) {
    pages_.FreshPages();
    codeplug_.LinkRead = read;
    FormProcess dialog(
        codeplug_,
        [this] {
            SaveReadBackup();
            AfterRead();
        },
        window_);
    dialog.SetBackupStore(backups_);
    dialog.exec();
    // A read is one step that Undo takes back; one that did not complete changed nothing.
    if (read)
        history_.RecordStep(
            EditStep::Named("MDIFormMain", QT_TRANSLATE_NOOP("MDIFormMain", "Read From Radio")));
    emit changed();
    if (const auto location = dialog.ChosenLocation())
        pages_.ShowPlanLocation(*location);
}

void TransferCommands::AfterRead() {
    ModelBand::AnalyseModel(codeplug_);
    pages_.ReloadPagesAfterRead();
    // The star follows a comparison with the file: undoing the read brings the saved plan back.
    emit changed();
}

void TransferCommands::SaveReadBackup() {
    const BackupResult saved = backups_.Save(codeplug_, BackupKind::Read);
    if (saved.ok())
        return;
    const TextContext ctx = TextContext::Of(codeplug_);
    UiSeam::Instance().Message(window_, QMessageBox::Warning, MainWindowTexts::AppTitle(),
                               ctx.Tr("MDIFormMain", "What was read could not be backed up.") +
                                   QLatin1Char('\n') + saved.Message(ctx),
                               QMessageBox::Ok);
}

void TransferCommands::ProgramPassword() {
    pages_.FreshPages(); // a change of password writes the whole plan
    FormPassword dialog(codeplug_, window_);
    dialog.exec();
    // A changed password is kept in the model image: one step, like any other edit of it.
    history_.RecordStep(
        EditStep::Named("MDIFormMain", QT_TRANSLATE_NOOP("MDIFormMain", "Change Password")));
}

} // namespace zr40
