#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/edit_step.h"

#include <QByteArray>
#include <deque>

namespace zr40 {

// The plan's states between edits, so that edits can be taken back and done again. A state is
// everything the .rdat file and the model image hold (a few kilobytes), kept whole: restoring a
// state gives back exactly the configuration that was there, whichever page changed it.
//
// The owner records a step after every edit. The history compares with the state it knows, so an
// edit that changed nothing is no step, and changes made without a notification belong to the
// next recorded step. A step that merges joins the step before it when that one has the same name
// (QUndoCommand::mergeWith), and goes altogether when the two together changed nothing.
//
// Undo and Redo take back or do again the step they name. An edit the codeplug holds beyond the
// current state (one still typed when Undo was chosen, then committed) is kept: it becomes a step
// of its own below the one taken back, or before the one done again.
class EditHistory {
public:
    static constexpr int kDefaultMaxSteps = 300;

    explicit EditHistory(int maxSteps = kDefaultMaxSteps);

    // A fresh history that starts from the codeplug as it stands (start-up, New, Open, a model
    // change).
    void Reset(const Codeplug& codeplug);
    // The codeplug after an edit: one step with this name. False, and no step, when nothing the
    // history keeps has changed. Redo steps are dropped; the oldest step goes past the cap. A
    // merging step joins the last one only when `mayMerge` (not across a save, say).
    bool Record(const Codeplug& codeplug, const EditStep& step, bool mayMerge = true);

    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < states_.size(); }
    int UndoCount() const { return int(current_); }
    int RedoCount() const { return int(states_.size() - current_ - 1); }
    // The step Undo would take back and the one Redo would do again (empty when there is none).
    EditStep UndoStep() const;
    EditStep RedoStep() const;

    // Restores the state before the last step; false when there is nothing to undo. What the
    // codeplug holds beyond the current state stays, as the step `pending`.
    bool Undo(Codeplug& codeplug, const EditStep& pending = {});
    // Restores the state after the step undone last; false when there is nothing to redo. What
    // the codeplug holds beyond the current state stays, as the step `pending`.
    bool Redo(Codeplug& codeplug, const EditStep& pending = {});
    // Puts the codeplug back into the current state (changes no step recorded).
    void Revert(Codeplug& codeplug) const;
    // The data file of the current state.
    QByteArray CurrentFile() const { return states_[current_].file; }

private:
    struct State {
        EditStep step; // the edit that led to this state (none for the first)
        QByteArray file;
        QByteArray image;
        bool SameData(const State& other) const {
            return file == other.file && image == other.image;
        }
    };

    static State Take(const Codeplug& codeplug, const EditStep& step);
    static void Restore(const State& state, Codeplug& codeplug);
    // `state` with every value `top` changed against `base` taken from `top`.
    static State Rebased(const State& state, const State& base, const State& top);
    // Keeps what the codeplug holds beyond the current state as a step at `at`, every state from
    // there on carrying it too. False when the codeplug holds nothing more.
    bool KeepPending(const Codeplug& codeplug, const EditStep& step, std::size_t at);
    void Trim();

    int maxSteps_;
    std::deque<State> states_; // states_[0] is the oldest state kept
    std::size_t current_ = 0;  // the state the codeplug is in
};

} // namespace zr40
