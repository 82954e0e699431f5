#pragma once

#include "codeplug/codeplug.h"

#include <QtGlobal>

class QRandomGenerator;

namespace zr40 {

enum class StepDirection { Ascending, Descending };

// How the transmit frequency of each channel is found: equal to the receive frequency, the
// receive frequency shifted by an offset, or a run of its own from a first frequency.
enum class TransmitMode { Default, Offset, Incept };

// Frequencies of a batch run in milli-hertz, so that stepping adds no rounding of its own.
struct BatchFrequency {
    qint64 start = 0;
    qint64 step = 0;
    StepDirection direction = StepDirection::Ascending;
};

// Decode or encode tones of a batch run: tone list positions from a first one, or drawn.
struct BatchTone {
    bool set = false;
    bool random = false;
    int start = 0; // tone list position
    int step = 0;
    StepDirection direction = StepDirection::Ascending;
};

// Everything the batch editor's dialog lets the user choose, as Apply needs it.
struct BatchChannelChoice {
    int first = 0; // range of image channels, 0..127
    int last = 127;
    bool clearOthers = false; // channels outside the range are cleared

    bool setRxFreq = false;
    BatchFrequency rx;

    bool setTxFreq = false;
    TransmitMode txMode = TransmitMode::Default;
    qint64 txOffset = 0; // milli-hertz
    bool offsetPlus = true;
    BatchFrequency tx; // TransmitMode::Incept

    BatchTone decode;
    BatchTone encode;
    bool encodeDefault = false; // encode = this channel's decode

    bool setTxPower = false;
    bool highPower = false;
    bool setSpace = false;
    bool wide = false;
    bool setBusyLock = false;
    int busyLock = 0; // 0 off, 1 carrier, 2 CTCSS/DCS
    bool setScanAdd = false;
    bool scanAdd = false;
    bool setReverse = false;
    bool reverse = false;
    bool setTalkAround = false;
    bool talkAround = false;
};

struct BatchEditResult {
    int clampedChannels = 0; // channels whose frequency ran into a band edge
};

// Fills a range of channels in one step: the image's channel records 1..128 and, for the range's
// part within 1..32, the codeplug channels the grid, the data file and the radio use.
//
// A codeplug channel takes only what its editors would let the user set: an empty channel takes
// a receive frequency first (and then the grid's new-channel defaults) or nothing at all, a
// digital channel takes no tones and no spacing, a channel without transmit frequency no encode
// tone. Busy lock-out, scan add, reverse and talk-around exist only in the image.
class BatchChannelEdit {
public:
    static constexpr int kChannels = 128;

    // Every random tone of the run comes from `random`. Sets ChannelDataChanged.
    static BatchEditResult Apply(Codeplug& codeplug, const BatchChannelChoice& choice,
                                 QRandomGenerator& random);
};

} // namespace zr40
