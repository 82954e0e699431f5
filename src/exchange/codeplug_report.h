#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QString>

namespace zr40 {

// A codeplug as text for a terminal: the channel table as the channel grid shows it, then the
// radio-wide function settings in words.
class CodeplugReport {
public:
    static QString Text(const Codeplug& codeplug, const TextContext& ctx);
    static QString ChannelTable(const Codeplug& codeplug, const TextContext& ctx);
    static QString FunctionSettings(const Codeplug& codeplug, const TextContext& ctx);
};

} // namespace zr40
