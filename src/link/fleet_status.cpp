#include "link/fleet_status.h"

#include "link/fleet_ids.h"

namespace zr40 {

QString FleetStatus::Line(FleetPhase phase, int radio, int count, Long localId,
                          const TextContext& ctx) {
    const QString id = FleetIds::IdText(localId);
    if (phase == FleetPhase::WaitingForRadio)
        return ctx.Tr("FleetStatus", "Connect radio %1 of %2 — ID %3")
            .arg(radio)
            .arg(count)
            .arg(id);
    if (phase == FleetPhase::Ended)
        return ctx.Tr("FleetStatus", "The session has ended");
    const char* doing = QT_TRANSLATE_NOOP("FleetStatus", "done, unplug it");
    switch (phase) {
    case FleetPhase::ReadingBackup:
        doing = QT_TRANSLATE_NOOP("FleetStatus", "backing up");
        break;
    case FleetPhase::StoringBackup:
        doing = QT_TRANSLATE_NOOP("FleetStatus", "saving the backup");
        break;
    case FleetPhase::Writing:
        doing = QT_TRANSLATE_NOOP("FleetStatus", "writing");
        break;
    case FleetPhase::Verifying:
        doing = QT_TRANSLATE_NOOP("FleetStatus", "verifying");
        break;
    default:
        break;
    }
    return ctx.Tr("FleetStatus", "Radio %1 of %2 — ID %3: %4")
        .arg(radio)
        .arg(count)
        .arg(id, ctx.Tr("FleetStatus", doing));
}

QString FleetStatus::ResultText(FleetRadioReport::Result result, const TextContext& ctx) {
    using Result = FleetRadioReport::Result;
    switch (result) {
    case Result::Verified:
        return ctx.Tr("FleetStatus", "Verified");
    case Result::Differences:
        return ctx.Tr("FleetStatus", "Differences");
    case Result::Written:
        return ctx.Tr("FleetStatus", "Written");
    case Result::Incomplete:
        return ctx.Tr("FleetStatus", "Incomplete");
    case Result::Failed:
        break;
    }
    return ctx.Tr("FleetStatus", "Failed");
}

QString FleetStatus::Summary(int done, int count, int ok, const TextContext& ctx) {
    return ctx.Tr("FleetStatus", "%1 of %2 radios done, %3 of them without fault")
        .arg(done)
        .arg(count)
        .arg(ok);
}

} // namespace zr40
