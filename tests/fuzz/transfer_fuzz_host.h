#pragma once

#include "codeplug/codeplug.h"
#include "fuzz_input.h"
#include "link/transfer_engine.h"
#include "sim/virtual_radio.h"

namespace zr40::fuzz {

// Drives the transfer engine as the serial adapter does, with the virtual radio on the other
// end of the line, and lets the fuzz input decide what the line and the clock do: whole,
// partial, corrupted, lost or extra replies, timer ticks, the user's answer to the retry
// question, a cancel, a pulled cable, a new transfer after the last one ended.
//
// It checks what must hold whatever happens: a request goes out only on the start, on a timer
// tick (a reply judged or a time-out) or on the Retry answer, one at a time; a running transfer
// always has its timer armed or its question open; every transfer ends with one result; and
// once the input is spent a silent line ends the transfer within a bounded number of events.
class TransferFuzzHost {
public:
    TransferFuzzHost(FuzzInput& input, bool read);
    void Run();

private:
    enum class Event { Start, Bytes, Tick, StaleTick, Answer, Cancel, PortLost };

    void SetUpRadio();
    bool Start();
    void Step();
    void Deliver(const QByteArray& bytes);
    void Tick();
    void Carry(Event event);
    void CheckAlive() const;
    void EndSilently();

    FuzzInput& in_;
    bool read_;
    bool tune_ = false;
    QString password_;
    NewPasswordChoice newPassword_;
    Codeplug codeplug_;
    VirtualRadio radio_;
    TransferEngine engine_;
    QByteArray line_; // what the radio has put on the line and the host has not read yet
    bool timerArmed_ = false;
    bool portOpen_ = false;
    bool questionOpen_ = false;
    int starts_ = 0;
    int results_ = 0;
    int events_ = 0;
};

} // namespace zr40::fuzz
