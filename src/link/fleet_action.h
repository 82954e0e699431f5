#pragma once

#include "link/fleet_radio_report.h"
#include "link/link_action.h"

namespace zr40 {

// Where a fleet session stands.
enum class FleetPhase {
    WaitingForRadio,     // "connect radio k of n": asking every 500 ms whether one answers
    ReadingBackup,       // reading the radio as it is
    StoringBackup,       // the host keeps what was read before anything is written
    Writing,             // writing the plan with the radio's local ID
    Verifying,           // reading it back
    WaitingForDeparture, // the radio is done; asking until it no longer answers
    Ended,
};

// One thing the fleet driver asks its host to do or tells it.
struct FleetAction {
    enum class Kind {
        Link,        // carry out `link` as for a transfer (send, timer, trace, progress)
        ReopenPort,  // close the port if it is open, open it again; answer PortOpened
        Phase,       // the session entered `phase` with radio `radio` and ID `localId`
        StoreBackup, // keep FleetDriver::RadioBefore() as radio `radio`'s before-write backup
                     // (`localId` is the ID it is about to get); answer BackupStored
        RadioDone,   // `report` on one radio
        Ended,       // the session is over; the host closes the port
    };
    Kind kind = Kind::Link;
    LinkAction link;
    FleetPhase phase = FleetPhase::WaitingForRadio;
    int radio = 0;
    Long localId = 0;
    FleetRadioReport report;
};

} // namespace zr40
