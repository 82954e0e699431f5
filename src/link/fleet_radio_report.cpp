#include "link/fleet_radio_report.h"

namespace zr40 {

QString FleetRadioReport::ResultName(Result result) {
    switch (result) {
    case Result::Verified:
        return QStringLiteral("verified");
    case Result::Differences:
        return QStringLiteral("differences");
    case Result::Written:
        return QStringLiteral("written");
    case Result::Incomplete:
        return QStringLiteral("incomplete");
    case Result::Failed:
        break;
    }
    return QStringLiteral("failed");
}

} // namespace zr40
