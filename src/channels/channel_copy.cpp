#include "channels/channel_copy.h"

#include "channels/channel_rules.h"
#include "channels/image_channel_layout.h"
#include "codeplug/codeplug_fields.h"

#include <algorithm>

namespace zr40 {

using L = ImageChannelLayout;

bool ChannelCopy::Copy(Codeplug& cp, int source, int target) {
    auto valid = [](int n) { return n >= 1 && n <= kTargets; };
    if (source == target || !valid(source) || !valid(target) ||
        ChannelRules::IsEmptyChannel(cp, source - 1))
        return false;
    CopyImageChannel(cp, source - 1, target - 1);
    CopyCodeplugChannel(cp, source - 1, target - 1);
    cp.ChannelDataChanged = true;
    return true;
}

void ChannelCopy::CopyImageChannel(Codeplug& cp, int from, int to) {
    L::CopyRecord(cp.RadioImage, from, to);
    L::SetInScan(cp.RadioImage, to, L::InScan(cp.RadioImage, from));
}

void ChannelCopy::CopyCodeplugChannel(Codeplug& cp, int from, int to) {
    const auto source = CodeplugFields::Channel(cp, from);
    const auto target = CodeplugFields::Channel(cp, to);
    for (std::size_t i = 0; i < source.size(); ++i)
        std::copy_n(source[i].data, source[i].count, target[i].data);
}

} // namespace zr40
