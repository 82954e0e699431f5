#pragma once

#include "codeplug/codeplug.h"

namespace zr40 {

// Copies one channel onto another: its record and scan bit in the model image, and every value
// the codeplug keeps for the channel (frequencies, tones, settings, both keys), so that the grid,
// the data file and the radio see the copy. Channels are numbered 1..32 as the grid shows them.
class ChannelCopy {
public:
    static constexpr int kTargets = Codeplug::kChannels;

    // False (and nothing changes) when source and target are the same channel, either lies
    // outside 1..32 or the source is empty: an empty channel copied would empty its target.
    // Sets ChannelDataChanged after a copy.
    static bool Copy(Codeplug& codeplug, int source, int target);

private:
    static void CopyImageChannel(Codeplug& codeplug, int from, int to);
    static void CopyCodeplugChannel(Codeplug& codeplug, int from, int to);
};

} // namespace zr40
