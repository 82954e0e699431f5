#include "review/plan_location.h"

namespace zr40 {

QString PlanLocation::Text(const TextContext& ctx) const {
    const QString number = QString::number(index + 1);
    switch (area) {
    case Area::Header:
        return ctx.Pick({"Header", "文件头"});
    case Area::Tune:
        return index < 0 ? ctx.Pick({"Tune Data", "调谐数据"})
                         : ctx.Pick({"Tune point ", "调谐点"}) + number;
    case Area::Settings:
        return ctx.Pick({"Function Setup", "功能设定"});
    case Area::Channel:
        return index < 0 ? ctx.Pick({"Channels", "信道"}) : ctx.Pick({"Channel ", "信道"}) + number;
    case Area::RxList:
        return ctx.Pick({"Rx List ", "接收列表"}) + number;
    case Area::Model:
        return ctx.Pick({"Model Information", "机型信息"});
    }
    return {};
}

} // namespace zr40
