#pragma once

#include "codeplug/text_context.h"
#include "link/fleet_action.h"

namespace zr40 {

// The words a fleet session shows and prints as it goes: the status line of each phase and the
// result of each radio, the same in the window and on the terminal.
class FleetStatus {
public:
    // "Connect radio 3 of 20 — ID 1003" while waiting for radio 3, then what is done with it.
    static QString Line(FleetPhase phase, int radio, int count, Long localId,
                        const TextContext& ctx);
    // "Verified", "Differences", "Failed", "Written", "Incomplete" in the interface language.
    static QString ResultText(FleetRadioReport::Result result, const TextContext& ctx);
    // "3 of 20 radios done, 2 of them without fault" at the end of a session.
    static QString Summary(int done, int count, int ok, const TextContext& ctx);
};

} // namespace zr40
