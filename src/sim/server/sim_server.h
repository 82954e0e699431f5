#pragma once

#include "codeplug/codeplug.h"
#include "sim/adapter_latency.h"
#include "sim/radio_reply.h"
#include "sim/server/pseudo_terminal.h"
#include "sim/server/sim_options.h"
#include "sim/server/wire_clock.h"
#include "sim/virtual_fleet.h"
#include "sim/virtual_radio.h"

#include <QString>
#include <optional>

namespace zr40 {

// Serves the virtual radio on a pseudo-terminal until it is told to stop (SIGTERM, SIGINT) or
// its cable is pulled (--close-after). A single thread waits on the terminal; every request is
// answered in full before the next is read, as the radio itself does. With --fleet the radio at
// the cable changes after every write that was read back (VirtualFleet).
class SimServer {
public:
    explicit SimServer(const SimOptions& options);

    // Loads the memory, opens the pseudo-terminal and makes the symlink.
    bool Start(QString* error);
    QString DevicePath() const { return pty_.devicePath(); }
    // Serves until stopped; returns the process exit code.
    int Serve();

    // Signal handlers call this; Serve returns soon after.
    static void RequestStop();

private:
    bool LoadMemory(QString* error);
    QString MemoryFile() const;
    void ApplyOptions();
    void NextRadio(int number);
    std::vector<RadioReply> Answer(const QByteArray& bytes, WireClock::TimePoint arrived);
    bool WaitForInput();
    bool HandleInput();
    void SendReply(const RadioReply& reply, WireClock::TimePoint requestArrived);
    void SaveAfterWrite();
    void SaveCommitted();
    void SaveMemory(const QString& why);
    void Log(const QString& line) const;

    SimOptions options_;
    VirtualRadio radio_;
    std::optional<VirtualFleet> fleet_;
    int radioNumber_ = 1;
    WireClock::TimePoint started_;
    Codeplug memory_; // what --memory held, so values the radio does not carry survive
    PseudoTerminal pty_;
    WireClock wire_;
    AdapterLatency adapter_;
    int savedWrites_ = 0;
    std::size_t loggedRequests_ = 0;
};

} // namespace zr40
