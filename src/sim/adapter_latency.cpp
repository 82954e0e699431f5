#include "sim/adapter_latency.h"

#include <algorithm>

namespace zr40 {

AdapterLatency::AdapterLatency(Duration period) : period_(std::max(period, Duration::zero())) {}

std::optional<AdapterLatency::Duration> AdapterLatency::LastBurst(Duration elapsed) const {
    if (!Holds())
        return elapsed;
    if (elapsed < period_)
        return std::nullopt;
    return (elapsed / period_) * period_;
}

AdapterLatency::Duration AdapterLatency::NextBurst(Duration elapsed) const {
    if (!Holds())
        return elapsed;
    return (std::max(elapsed, Duration::zero()) / period_ + 1) * period_;
}

AdapterLatency::Duration AdapterLatency::Delivered(Duration arrived) const {
    if (!Holds())
        return arrived;
    // Whole periods, at least one: the timer runs out after the last byte came in.
    const auto periods =
        std::max<Duration::rep>(1, (arrived.count() + period_.count() - 1) / period_.count());
    return periods * period_;
}

} // namespace zr40
