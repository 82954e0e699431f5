#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QList>
#include <QPair>
#include <QString>

namespace zr40 {

// A codeplug as text for a terminal: the channel table as the channel grid shows it, then the
// radio-wide function settings in words.
class CodeplugReport {
public:
    static QString Text(const Codeplug& codeplug, const TextContext& ctx);
    static QString ChannelTable(const Codeplug& codeplug, const TextContext& ctx);
    static QString FunctionSettings(const Codeplug& codeplug, const TextContext& ctx);

    // The same settings as label and value, for layouts of their own (the printed plan).
    using SettingRows = QList<QPair<QString, QString>>;
    // Local ID, voice prompt, time-out, VOX level and delay, save mode.
    static SettingRows OptionRows(const Codeplug& codeplug, const TextContext& ctx);
    // The side-key functions, "PF1 Short" to "PF2 Long".
    static SettingRows KeyDefineRows(const Codeplug& codeplug, const TextContext& ctx);
};

} // namespace zr40
