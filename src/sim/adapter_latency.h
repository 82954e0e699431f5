#pragma once

#include <chrono>
#include <optional>

namespace zr40 {

// A USB-serial adapter between the radio and the computer, as the common chips behave when the
// driver has not asked them for low latency: they collect what the radio sends and pass it on
// each time their latency timer runs out. The timer starts with the reply, so a short reply
// reaches the computer one whole period after the radio began it. A period of zero is an
// adapter that passes every byte on at once.
class AdapterLatency {
public:
    using Duration = std::chrono::nanoseconds;

    explicit AdapterLatency(Duration period = Duration::zero());

    bool Holds() const { return period_ > Duration::zero(); }
    Duration Period() const { return period_; }
    // The last moment, at or before `elapsed` since the reply began, at which the adapter passed
    // on what it held; nothing yet before its first period has run out.
    std::optional<Duration> LastBurst(Duration elapsed) const;
    // The first moment after `elapsed` at which it passes bytes on.
    Duration NextBurst(Duration elapsed) const;
    // When a reply whose last byte reached the adapter at `arrived` is wholly passed on.
    Duration Delivered(Duration arrived) const;

private:
    Duration period_;
};

} // namespace zr40
