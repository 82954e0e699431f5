#include "shell/change_tracker.h"

#include "codeplug/radio_data_file.h"

namespace zr40 {

void ChangeTracker::MarkSaved(const Codeplug& codeplug) {
    baseline_ = RadioDataFile::Serialize(codeplug);
}

void ChangeTracker::MarkUnsaved() {
    baseline_.clear();
}

bool ChangeTracker::IsModified(const Codeplug& codeplug) const {
    return baseline_.isEmpty() || baseline_ != RadioDataFile::Serialize(codeplug);
}

} // namespace zr40
