#pragma once

#include "sim/radio_reply.h"
#include "sim/virtual_radio.h"

#include <QByteArray>
#include <functional>
#include <vector>

namespace zr40 {

// Radios that come to the programming cable one after another, as on a dealer's bench. The radio
// at the cable answers until it has been written and read back, or written and then asked twice
// in a row who it is with no read in between (a session that does not read back, waiting for the
// radio to go); then the cable is silent while the technician swaps radios, and the next radio
// answers with a memory of its own. After the last radio the cable stays silent.
//
// The caller says what time it is on every call, so tests run the fleet on a virtual clock and
// the simulator on the wall clock; the next radio comes with the first bytes after the swap.
class VirtualFleet {
public:
    static constexpr qint64 kSwapMs = 2000;
    // Gives `radio` the memory of radio `number` (2 and on; the first is the caller's to load).
    using Arrival = std::function<void(int number, VirtualRadio& radio)>;

    VirtualFleet(VirtualRadio& radio, int size, Arrival arrival);

    // Bytes from the line at `nowMs`; the replies of the radio at the cable, if one is there.
    std::vector<RadioReply> Receive(const QByteArray& bytes, qint64 nowMs);
    // The radio at the cable goes away now, whatever it was doing (a battery pulled mid-write);
    // the next one comes `awayMs` later.
    void Depart(qint64 nowMs, qint64 awayMs = kSwapMs);
    // True when a radio is at the cable at `nowMs`; brings the next one when its time has come.
    bool Present(qint64 nowMs);

    // The radio at the cable, or the last one that was there, counted from 1.
    int Number() const { return number_; }
    int Size() const { return size_; }

private:
    // Looks at the requests the radio took since the last look: true once a completed write has
    // been read back to its last receive list, or followed by two identifies in a row.
    bool DoneWith();

    VirtualRadio& radio_;
    int size_;
    Arrival arrival_;
    int number_ = 1;
    bool present_ = true;
    qint64 backAtMs_ = 0;
    bool written_ = false;
    int identifiesInRow_ = 0; // since the completed write, with nothing else between
    std::size_t seenRequests_ = 0;
};

} // namespace zr40
