#pragma once

#include "codeplug/codeplug.h"

#include <QString>

namespace zr40 {

// How a transfer ended.
struct LinkResult {
    enum class Outcome {
        Succeeded,
        PasswordRejected, // the entered password does not open the radio
        WrongModel,       // the radio reports another data version
        Cancelled,        // by the user, at the retry question or with Cancel
        PortLost,         // the port went away under the transfer
    };
    Outcome outcome = Outcome::Cancelled;
    Long reportedVersion = 0; // WrongModel: the data version the radio reported
    QString reason;           // PortLost: the port's own description
    // What the transfer window shows for this ending, in the transfer's language ("Read Data OK",
    // "Password Failure!", the wrong-model text); empty for a cancel.
    QString message;

    bool Succeeded() const { return outcome == Outcome::Succeeded; }
};

} // namespace zr40
