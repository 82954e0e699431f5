#include "codeplug/edit_history.h"

#include "codeplug/radio_data_file.h"

#include <algorithm>
#include <cstring>

namespace zr40 {

namespace {

constexpr int kFileValueBytes = 4; // the data file is 32-bit values after a header of four
constexpr int kImageValueBytes = 1;

// `state` with each value `top` holds other than `base` taken from `top`.
QByteArray Merged(const QByteArray& state, const QByteArray& base, const QByteArray& top,
                  int unit) {
    if (state.size() != top.size() || base.size() != top.size())
        return top;
    QByteArray merged = state;
    for (qsizetype at = 0; at < top.size(); at += unit) {
        const auto bytes = static_cast<std::size_t>(std::min<qsizetype>(unit, top.size() - at));
        if (std::memcmp(top.constData() + at, base.constData() + at, bytes) != 0)
            std::memcpy(merged.data() + at, top.constData() + at, bytes);
    }
    return merged;
}

} // namespace

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

EditHistory::State EditHistory::Rebased(const State& state, const State& base, const State& top) {
    return {state.step, Merged(state.file, base.file, top.file, kFileValueBytes),
            Merged(state.image, base.image, top.image, kImageValueBytes)};
}

void EditHistory::Reset(const Codeplug& codeplug) {
    states_.clear();
    states_.push_back(Take(codeplug, {}));
    current_ = 0;
}

bool EditHistory::Record(const Codeplug& codeplug, const EditStep& step, bool mayMerge) {
    State now = Take(codeplug, step);
    if (now.SameData(states_[current_]))
        return false;
    states_.erase(states_.begin() + std::ptrdiff_t(current_) + 1, states_.end());
    if (mayMerge && step.merges && current_ > 0 && states_[current_].step == step) {
        // The field changed again: the step ends where this change ends, or goes when the
        // field is back where it was.
        if (now.SameData(states_[current_ - 1])) {
            states_.pop_back();
            --current_;
        } else {
            states_[current_] = std::move(now);
        }
        return true;
    }
    states_.push_back(std::move(now));
    current_ = states_.size() - 1;
    Trim();
    return true;
}

void EditHistory::Trim() {
    while (int(states_.size()) > maxSteps_ + 1) {
        states_.pop_front();
        --current_;
    }
}

EditStep EditHistory::UndoStep() const {
    return CanUndo() ? states_[current_].step : EditStep();
}

EditStep EditHistory::RedoStep() const {
    return CanRedo() ? states_[current_ + 1].step : EditStep();
}

bool EditHistory::KeepPending(const Codeplug& codeplug, const EditStep& step, std::size_t at) {
    const State top = Take(codeplug, step);
    const State base = states_[current_];
    if (top.SameData(base))
        return false;
    for (std::size_t i = at; i < states_.size(); ++i)
        states_[i] = Rebased(states_[i], base, top);
    State pending = Rebased(states_[at - 1], base, top);
    pending.step = step;
    states_.insert(states_.begin() + std::ptrdiff_t(at), std::move(pending));
    return true;
}

bool EditHistory::Undo(Codeplug& codeplug, const EditStep& pending) {
    if (!CanUndo())
        return false;
    // The pending edit goes below the step undone: the state before that step, with the edit.
    if (!KeepPending(codeplug, pending, current_))
        --current_;
    Trim();
    Restore(states_[current_], codeplug);
    return true;
}

bool EditHistory::Redo(Codeplug& codeplug, const EditStep& pending) {
    if (!CanRedo())
        return false;
    // The pending edit goes before the step done again, which then comes with it.
    if (KeepPending(codeplug, pending, current_ + 1))
        ++current_;
    ++current_;
    Trim();
    Restore(states_[current_], codeplug);
    return true;
}

void EditHistory::Revert(Codeplug& codeplug) const {
    Restore(states_[current_], codeplug);
}

} // namespace zr40
