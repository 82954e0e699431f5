#include "shell/history_commands.h"

#include "codeplug/model_band.h"
#include "shell/change_tracker.h"
#include "shell/main_window_texts.h"
#include "shell/page_manager.h"

#include <QAction>

namespace zr40 {

HistoryCommands::HistoryCommands(Codeplug& codeplug, const ChangeTracker& tracker,
                                 PageManager& pages, QAction* undo, QAction* redo, QObject* parent)
    : QObject(parent), codeplug_(codeplug), tracker_(tracker), pages_(pages), undo_(undo),
      redo_(redo) {
    connect(&pages_, &PageManager::edited, this, &HistoryCommands::RecordStep);
}

void HistoryCommands::RecordStep(const EditStep& step) {
    if (pendingSteps_) {
        pendingSteps_->append(step);
        return;
    }
    // A change of the field saved last starts a step of its own, so that Undo stops at the save.
    history_.Record(codeplug_, step, !tracker_.IsSavedFile(history_.CurrentFile()));
    UpdateActions();
    emit changed();
}

void HistoryCommands::Undo() {
    MoveInHistory(false);
}

void HistoryCommands::Redo() {
    MoveInHistory(true);
}

void HistoryCommands::Reset() {
    history_.Reset(codeplug_);
    UpdateActions();
}

void HistoryCommands::MoveInHistory(bool redo) {
    // Undo and Redo do what the menu named. An edit still in an editor is committed first, as a
    // save does, and stays: the history keeps it as a step of its own.
    QList<EditStep> committed;
    pendingSteps_ = &committed;
    pages_.FreshPages();
    pendingSteps_ = nullptr;
    const EditStep pending = committed.isEmpty() ? EditStep() : committed.last();
    if (redo ? history_.Redo(codeplug_, pending) : history_.Undo(codeplug_, pending)) {
        ModelBand::AnalyseModel(codeplug_);
        pages_.ReloadOpenPages();
        // A page reloading corrects what it cannot show; the state undone to stays as it was.
        history_.Revert(codeplug_);
        ModelBand::AnalyseModel(codeplug_);
    } else if (!committed.isEmpty()) {
        history_.Record(codeplug_, pending);
    }
    UpdateActions();
    emit changed();
}

void HistoryCommands::UpdateActions() {
    undo_->setEnabled(history_.CanUndo());
    redo_->setEnabled(history_.CanRedo());
    undo_->setText(MainWindowTexts::StepCaption(
        false, history_.CanUndo() ? history_.UndoStep().Name(english()) : QString(), english()));
    redo_->setText(MainWindowTexts::StepCaption(
        true, history_.CanRedo() ? history_.RedoStep().Name(english()) : QString(), english()));
}

} // namespace zr40
