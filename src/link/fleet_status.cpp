#include "link/fleet_status.h"

#include "link/fleet_ids.h"

namespace zr40 {

QString FleetStatus::Line(FleetPhase phase, int radio, int count, Long localId,
                          const TextContext& ctx) {
    const QString id = FleetIds::IdText(localId);
    if (phase == FleetPhase::WaitingForRadio)
        return ctx
            .Pick({"Connect radio %1 of %2 — ID %3", "请连接第 %1 台对讲机（共 %2 台）— ID %3"})
            .arg(radio)
            .arg(count)
            .arg(id);
    if (phase == FleetPhase::Ended)
        return ctx.Pick({"The session has ended", "批量写频已结束"});
    TextPair doing{"done, unplug it", "已完成，请断开"};
    switch (phase) {
    case FleetPhase::ReadingBackup:
        doing = {"backing up", "正在备份"};
        break;
    case FleetPhase::StoringBackup:
        doing = {"saving the backup", "正在保存备份"};
        break;
    case FleetPhase::Writing:
        doing = {"writing", "正在写入"};
        break;
    case FleetPhase::Verifying:
        doing = {"verifying", "正在校验"};
        break;
    default:
        break;
    }
    return ctx.Pick({"Radio %1 of %2 — ID %3: %4", "第 %1 台对讲机（共 %2 台）— ID %3：%4"})
        .arg(radio)
        .arg(count)
        .arg(id, ctx.Pick(doing));
}

QString FleetStatus::ResultText(FleetRadioReport::Result result, const TextContext& ctx) {
    using Result = FleetRadioReport::Result;
    switch (result) {
    case Result::Verified:
        return ctx.Pick({"Verified", "已校验"});
    case Result::Differences:
        return ctx.Pick({"Differences", "有差异"});
    case Result::Written:
        return ctx.Pick({"Written", "已写入"});
    case Result::Incomplete:
        return ctx.Pick({"Incomplete", "未完成"});
    case Result::Failed:
        break;
    }
    return ctx.Pick({"Failed", "失败"});
}

QString FleetStatus::Summary(int done, int count, int ok, const TextContext& ctx) {
    return ctx
        .Pick({"%1 of %2 radios done, %3 of them without fault",
               "已处理 %1 台对讲机（共 %2 台），其中 %3 台无误"})
        .arg(done)
        .arg(count)
        .arg(ok);
}

} // namespace zr40
