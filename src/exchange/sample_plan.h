#pragma once

#include "codeplug/codeplug.h"
#include "exchange/channel_csv.h"

namespace zr40 {

// A small UHF plan of our own: simplex and repeater pairs with CTCSS and DCS, then digital
// channels on colour codes with group, private and all calls, two receive lists and a local ID,
// for the model band 400 to 480 MHz. The zr40 command's demo and the screenshots start from it.
class SamplePlan {
public:
    // The csv rows of the channels.
    static QString ChannelRows();
    // Puts the model band, the channels, the receive lists and the local ID into the codeplug
    // (best on a new one); the result of the channel import.
    static ChannelCsv::ImportResult Apply(Codeplug& codeplug);
};

} // namespace zr40
