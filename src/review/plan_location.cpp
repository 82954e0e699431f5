#include "review/plan_location.h"

namespace zr40 {

QString PlanLocation::Text(const TextContext& ctx) const {
    const QString number = QString::number(index + 1);
    switch (area) {
    case Area::Header:
        return ctx.Tr("PlanLocation", "Header");
    case Area::Tune:
        return index < 0 ? ctx.Tr("PlanLocation", "Tune Data")
                         : ctx.Tr("PlanLocation", "Tune point %1").arg(number);
    case Area::Settings:
        return ctx.Tr("PlanLocation", "Function Setup");
    case Area::Channel:
        return index < 0 ? ctx.Tr("PlanLocation", "Channels")
                         : ctx.Tr("PlanLocation", "Channel %1").arg(number);
    case Area::RxList:
        return ctx.Tr("PlanLocation", "Rx List %1").arg(number);
    case Area::Model:
        return ctx.Tr("PlanLocation", "Model Information");
    }
    return {};
}

} // namespace zr40
