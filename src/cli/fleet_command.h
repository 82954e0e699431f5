#pragma once

#include <QStringList>

namespace zr40 {

// zr40 fleet PLAN --port DEV (--ids FIRST-LAST | --id-list FILE) --log FILE.csv [--password P]
//            [--band LO-HI] [--no-verify] [--trace] [--lang en|zh]
// One plan into radio after radio on one port, each with the next local ID: backed up, written,
// read back and logged (FleetDriver, FleetRecord). Ctrl+C stops the session; a second Ctrl+C
// also cuts short a write under way.
class FleetCommand {
public:
    static int Run(const QStringList& arguments);
};

} // namespace zr40
