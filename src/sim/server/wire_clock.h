#pragma once

#include <chrono>

namespace zr40 {

// The time bytes need on the programming cable: 115200 baud with one start bit, eight data bits
// and one stop bit, so 10 bits per byte. A pseudo-terminal moves bytes instantly; the simulator
// uses this clock to make the radio hear a request and answer it no faster than a real cable
// allows, so that transfer times measured against it mean something.
class WireClock {
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;
    using Duration = std::chrono::nanoseconds;

    static constexpr int kBaud = 115200;
    static constexpr int kBitsPerByte = 10;

    explicit WireClock(bool paced) : paced_(paced) {}

    bool paced() const { return paced_; }
    // One byte's time on the wire (zero when not paced).
    Duration ByteTime() const;
    Duration TimeFor(long long bytes) const;
    // Whole bytes a sender has got across the wire after `elapsed` (all of them when not paced).
    long long BytesWithin(Duration elapsed, long long total) const;
    // Bytes the client wrote, seen at `seen`: when the last of them has reached the radio. The
    // cable carries one byte at a time, so bytes queue behind those still on the way.
    TimePoint Arrival(long long bytes, TimePoint seen);

    static TimePoint Now() { return Clock::now(); }
    static void SleepUntil(TimePoint when);

private:
    bool paced_;
    TimePoint inboundFree_{};
};

} // namespace zr40
