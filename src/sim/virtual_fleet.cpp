#include "sim/virtual_fleet.h"

#include "link/memory_map.h"

#include <utility>

namespace zr40 {

namespace {
constexpr int kRxListCountPosition = 5; // in the radio header
}

VirtualFleet::VirtualFleet(VirtualRadio& radio, int size, Arrival arrival)
    : radio_(radio), size_(size), arrival_(std::move(arrival)),
      seenRequests_(radio.Requests().size()) {}

std::vector<RadioReply> VirtualFleet::Receive(const QByteArray& bytes, qint64 nowMs) {
    if (!Present(nowMs))
        return {}; // nobody hears them
    std::vector<RadioReply> replies = radio_.Receive(bytes);
    // The reply to the last read still goes out; the radio leaves after it.
    if (DoneWith())
        Depart(nowMs);
    return replies;
}

void VirtualFleet::Depart(qint64 nowMs, qint64 awayMs) {
    present_ = false;
    written_ = false;
    identifiesInRow_ = 0;
    backAtMs_ = nowMs + awayMs;
}

bool VirtualFleet::Present(qint64 nowMs) {
    if (present_ || number_ >= size_ || nowMs < backAtMs_)
        return present_;
    ++number_;
    if (arrival_)
        arrival_(number_, radio_);
    seenRequests_ = radio_.Requests().size();
    present_ = true;
    return true;
}

// A read-back begins with one identify and goes on with the password check; only a session that
// is done with the radio asks who it is again and again.
bool VirtualFleet::DoneWith() {
    const auto& requests = radio_.Requests();
    const int lastList =
        MemoryMap::BlocksFor(radio_.Header()[kRxListCountPosition], Codeplug::kRxLists) - 1;
    bool complete = false;
    for (; seenRequests_ < requests.size(); ++seenRequests_) {
        const VirtualRadio::Request& r = requests[seenRequests_];
        identifiesInRow_ = r.command == CommandClass::Identify ? identifiesInRow_ + 1 : 0;
        if (r.command == CommandClass::EndOfWrite)
            written_ = true;
        else if (written_ && identifiesInRow_ >= 2)
            complete = true;
        else if (written_ && r.command == CommandClass::ReadBlock && r.block == BlockType::RxList &&
                 r.index == lastList)
            complete = true;
    }
    return complete;
}

} // namespace zr40
