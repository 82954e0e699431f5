#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zr40 {

// One kind of row of a plan comparison: the stored values it stands for and how they read.
// Values are named as CodeplugFields names them, a whole field ("RxFreq") or one element of an
// array ("KeyDefine[2]"); an item differs when any of its values does.
struct DiffItem {
    QString field;      // the field a jump to this row aims at
    QStringList values; // the stored values the row stands for
    QString caption;    // in the interface language
    std::function<QString(const Codeplug&)> text;
};

// The rows the windows have words for; every other stored value is compared by its program name.
class DiffItems {
public:
    // The fields of one channel (0..31) as the grid and the channel edit dialog show them.
    static std::vector<DiffItem> Channel(int channel, const TextContext& ctx);
    // The function settings the function setup page shows.
    static std::vector<DiffItem> Settings(const TextContext& ctx);
    // The radio header counts.
    static std::vector<DiffItem> Header(const TextContext& ctx);
    // The tune scalars, and the five values of one tune point (0..15).
    static std::vector<DiffItem> TuneScalars(const TextContext& ctx);
    static std::vector<DiffItem> TunePoint(int point, const TextContext& ctx);
    // A channel's row as the grid shows it, in one line; "(not in use)" for an empty channel.
    static QString ChannelSummary(const Codeplug& codeplug, int channel, const TextContext& ctx);
    // What an empty value reads ("—").
    static QString EmptyText();
    static QString NotInUseText(const TextContext& ctx);
};

} // namespace zr40
