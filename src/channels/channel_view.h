#pragma once

#include "channels/channel_rules.h"
#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QString>

namespace zr40 {

// One row of the channel grid as it is shown after a reload.
struct GridRowView {
    bool empty = true;    // only the number and ">>" are shown
    bool digital = false; // cells 4 and 5 take the shadow background
    QString rx, tx, type, decode, encode, power;
};

// The channel edit dialog's controls for one channel. Selections are list positions; a control
// whose side is not shown (empty channel, transmit frequency not shown) is emptied and disabled.
struct DialogChannelView {
    bool empty = true;
    bool txShown = false;
    bool digital = false;
    QString rxText, txText;
    QString decodeText, encodeText;         // empty for digital channels
    int decodeIndex = -1, encodeIndex = -1; // tone list positions, -1 when not a list item
    int sqlIndex = 0, denoiseIndex = 0, spaceIndex = 1, rxListIndex = 0;
    int txAuthorityIndex = 2, txPowerIndex = 1;
    bool rxKeyChecked = false, txKeyChecked = false;
    QString rxKeyText, txKeyText;
    CallTypeView callType;
};

class ChannelView {
public:
    static GridRowView GridRow(const Codeplug& codeplug, int channel, const TextContext& ctx);
    // Loads a channel for the edit dialog; an out-of-range CallTypeTxID is stored back as 0.
    static DialogChannelView Dialog(Codeplug& codeplug, int channel, const TextContext& ctx);
};

} // namespace zr40
