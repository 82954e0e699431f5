#pragma once

#include "codeplug/codeplug.h"

#include <QByteArray>

namespace zr40 {

// Knows whether the codeplug holds changes that are in no file yet. It compares the file image
// the codeplug would produce now with the image at the last save or open, so every edit counts,
// whichever page or dialog made it, and an edit that is undone by hand counts as no change.
class ChangeTracker {
public:
    // The codeplug as it stands is what the file holds (after a save, an open, at start-up).
    void MarkSaved(const Codeplug& codeplug);
    // Nothing the codeplug holds is in a file (after New or a read from the radio).
    void MarkUnsaved();
    bool IsModified(const Codeplug& codeplug) const;
    // The data file image is what was saved or opened last.
    bool IsSavedFile(const QByteArray& file) const {
        return !baseline_.isEmpty() && file == baseline_;
    }

private:
    QByteArray baseline_; // empty: no file holds the current data
};

} // namespace zr40
