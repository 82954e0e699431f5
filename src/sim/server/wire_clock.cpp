#include "sim/server/wire_clock.h"

#include <algorithm>
#include <thread>

namespace zr40 {

WireClock::Duration WireClock::ByteTime() const {
    return TimeFor(1);
}

WireClock::Duration WireClock::TimeFor(long long bytes) const {
    if (!paced_)
        return Duration::zero();
    // Whole nanoseconds per transfer, not per byte, so long transfers do not drift.
    return Duration(bytes * kBitsPerByte * 1'000'000'000LL / kBaud);
}

long long WireClock::BytesWithin(Duration elapsed, long long total) const {
    if (!paced_)
        return total;
    const long long done = elapsed.count() * kBaud / (kBitsPerByte * 1'000'000'000LL);
    return std::clamp(done, 0LL, total);
}

WireClock::TimePoint WireClock::Arrival(long long bytes, TimePoint seen) {
    inboundFree_ = std::max(inboundFree_, seen) + TimeFor(bytes);
    return inboundFree_;
}

void WireClock::SleepUntil(TimePoint when) {
    if (when > Now())
        std::this_thread::sleep_until(when);
}

} // namespace zr40
