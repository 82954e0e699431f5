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
// next recorded step.
class EditHistory {
public:
    static constexpr int kDefaultMaxSteps = 300;

    explicit EditHistory(int maxSteps = kDefaultMaxSteps);

    // A fresh history that starts from the codeplug as it stands (start-up, New, Open, a model
    // change).
    void Reset(const Codeplug& codeplug);
    // The codeplug after an edit: one step with this name. False, and no step, when nothing the
    // history keeps has changed. Redo steps are dropped; the oldest step goes past the cap.
    bool Record(const Codeplug& codeplug, const EditStep& step);

    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < states_.size(); }
    int UndoCount() const { return int(current_); }
    int RedoCount() const { return int(states_.size() - current_ - 1); }
    // The step Undo would take back and the one Redo would do again (empty when there is none).
    EditStep UndoStep() const;
    EditStep RedoStep() const;

    // Restores the state before the last step; false when there is nothing to undo.
    bool Undo(Codeplug& codeplug);
    // Restores the state after the step undone last; false when there is nothing to redo.
    bool Redo(Codeplug& codeplug);

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

    int maxSteps_;
    std::deque<State> states_; // states_[0] is the oldest state kept
    std::size_t current_ = 0;  // the state the codeplug is in
};

} // namespace zr40
