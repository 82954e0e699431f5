#pragma once

#include "review/plan_location.h"

#include <QList>
#include <QString>

namespace zr40 {

// One value that differs between two channel plans, in the words the program's windows use:
// where it is, what it is called and how it reads before and after.
struct PlanDifference {
    PlanLocation location;
    QString field;  // "Rx Frequency" / "接收频率"
    QString before; // "435.02500"
    QString after;
};

using PlanDifferences = QList<PlanDifference>;

} // namespace zr40
