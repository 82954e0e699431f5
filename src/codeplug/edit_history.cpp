#include "codeplug/edit_history.h"

#include "codeplug/radio_data_file.h"

#include <algorithm>

namespace zr40 {

EditHistory::EditHistory(int maxSteps) : maxSteps_(std::max(1, maxSteps)) {
    states_.push_back({});
}

EditHistory::State EditHistory::Take(const Codeplug& codeplug, const EditStep& step) {
    return {step, RadioDataFile::Serialize(codeplug),
            QByteArray(reinterpret_cast<const char*>(codeplug.RadioImage.data()),
                       qsizetype(codeplug.RadioImage.size()))};
}

void EditHistory::Restore(const State& state, Codeplug& codeplug) {
    // The key lengths come back as they were, not as a file load would derive them.
    RadioDataFile::Parse(state.file, codeplug, RadioDataFile::KeyLengths::AsStored);
    std::copy(state.image.cbegin(), state.image.cend(), codeplug.RadioImage.begin());
}

void EditHistory::Reset(const Codeplug& codeplug) {
    states_.clear();
    states_.push_back(Take(codeplug, {}));
    current_ = 0;
}

bool EditHistory::Record(const Codeplug& codeplug, const EditStep& step) {
    State now = Take(codeplug, step);
    if (now.SameData(states_[current_]))
        return false;
    states_.erase(states_.begin() + std::ptrdiff_t(current_) + 1, states_.end());
    states_.push_back(std::move(now));
    if (int(states_.size()) > maxSteps_ + 1)
        states_.pop_front();
    current_ = states_.size() - 1;
    return true;
}

EditStep EditHistory::UndoStep() const {
    return CanUndo() ? states_[current_].step : EditStep();
}

EditStep EditHistory::RedoStep() const {
    return CanRedo() ? states_[current_ + 1].step : EditStep();
}

bool EditHistory::Undo(Codeplug& codeplug) {
    if (!CanUndo())
        return false;
    --current_;
    Restore(states_[current_], codeplug);
    return true;
}

bool EditHistory::Redo(Codeplug& codeplug) {
    if (!CanRedo())
        return false;
    ++current_;
    Restore(states_[current_], codeplug);
    return true;
}

} // namespace zr40
