#pragma once

#include "codeplug/codeplug.h"

#include <QStringList>
#include <optional>

namespace zr40 {

// What a fleet session did with one radio.
struct FleetRadioReport {
    enum class Result {
        Verified,    // written and read back as sent
        Differences, // written, but `differences` read back otherwise
        Failed,      // `reason`; `written` tells whether the write had begun
        Written,     // written, no read-back asked for
        Incomplete,  // the session was stopped with this radio at the cable
    };

    int radio = 0; // counted from 1, in the order the radios came
    Long localId = 0;
    std::optional<Long> previousLocalId; // as the backup read found it
    Result result = Result::Failed;
    bool written = false; // a write was started: the radio may no longer hold its backup
    QString reason;       // why it failed or is incomplete, in the session's language
    QStringList differences;
    double seconds = 0; // machine time: from the backup read's start to the result

    bool ok() const { return result == Result::Verified || result == Result::Written; }
    // "verified", "differences", "failed", "written", "incomplete"
    static QString ResultName(Result result);
};

} // namespace zr40
