#pragma once

#include "codeplug/text_context.h"

#include <QString>

namespace zr40 {

// Where in a channel plan a problem or a difference lies: the part of the plan, the channel,
// receive list or tune point (0-based) and the codeplug field by its program name ("RxFreq",
// "KeyDefine", "RxListEntry"), so that the application can open the window that edits it.
struct PlanLocation {
    // Model: the band the frequencies are checked against (Model Information).
    enum class Area { Header, Tune, Settings, Channel, RxList, Model };

    Area area = Area::Settings;
    int index = -1; // channel 0..31, receive list 0..7, tune point 0..15; -1 for the area itself
    QString field;

    static PlanLocation Channel(int channel, const QString& field) {
        return {Area::Channel, channel, field};
    }
    static PlanLocation RxList(int list, const QString& field = QStringLiteral("RxListEntry")) {
        return {Area::RxList, list, field};
    }
    static PlanLocation Settings(const QString& field) { return {Area::Settings, -1, field}; }
    static PlanLocation Header(const QString& field) { return {Area::Header, -1, field}; }
    static PlanLocation Tune(int point, const QString& field) { return {Area::Tune, point, field}; }
    static PlanLocation Model() { return {Area::Model, -1, QStringLiteral("Band")}; }

    // "Channel 3" / "信道3", "Rx List 2" / "接收列表2", "Function Setup" / "功能设定", ...
    QString Text(const TextContext& ctx) const;

    friend bool operator==(const PlanLocation&, const PlanLocation&) = default;
};

} // namespace zr40
