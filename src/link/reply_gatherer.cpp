#include "link/reply_gatherer.h"

#include "link/frame_codec.h"

namespace zr40 {

namespace {
// The trace of a reply is capped as well: a line stuck on noise must not grow without end.
constexpr int kMaxTraceChars = 3 + 3 * 2 * ReplyGatherer::kMaxReplyBytes;
// The fewest counted bytes that make a reply worth judging.
constexpr int kMinReplyBytes = 4;
} // namespace

void ReplyGatherer::Restart() {
    count_ = 0;
    overflowed_ = false;
    ClearTrace();
    if (buffer_.size() != kMaxReplyBytes)
        buffer_ = QByteArray(kMaxReplyBytes, '\0');
}

bool ReplyGatherer::Gather(const QByteArray& group) {
    if (buffer_.size() != kMaxReplyBytes)
        buffer_ = QByteArray(kMaxReplyBytes, '\0');
    bool endSeen = false;
    for (char c : group) {
        const auto byte = static_cast<quint8>(c);
        if (trace_.size() < kMaxTraceChars)
            FrameCodec::AppendHex(trace_, byte);
        Store(byte);
        if (byte == FrameCodec::kEnd && started_)
            endSeen = true;
        else if (byte == FrameCodec::kStart)
            started_ = true;
        if (!started_)
            continue;
        if (count_ < kMaxReplyBytes)
            ++count_;
        else
            overflowed_ = true;
    }
    if (endSeen)
        started_ = false;
    return endSeen;
}

void ReplyGatherer::Store(quint8 byte) {
    if (count_ < kMaxReplyBytes)
        buffer_[count_] = static_cast<char>(byte);
}

ReplyVerdict ReplyGatherer::Judge() const {
    ReplyVerdict verdict;
    verdict.receiveLen = count_;
    if (count_ < kMinReplyBytes)
        return verdict;
    auto at = [this](int i) { return static_cast<quint8>(buffer_.at(i)); };
    // Walk the stuffed bytes ahead of the checksum, undoing the stuffing. When the checksum
    // itself was stuffed, its escape sits just before the checksum position: the escape's 0x11
    // is added instead, so the sum then matches the second byte of the stuffed pair.
    const int last = count_ - 3;
    int sum = 0;
    for (int i = 1; i <= last; ++i) {
        if (at(i) != FrameCodec::kEscape) {
            sum = (sum + at(i)) % 256;
        } else if (i == last) {
            sum += FrameCodec::kEscape;
        } else {
            ++i;
            sum = (sum + at(i) - FrameCodec::kEscape + 256) % 256;
        }
    }
    verdict.computedSum = sum;
    verdict.kind = ReplyVerdict::Kind::Bad;
    const bool framed = at(count_ - 1) == FrameCodec::kEnd;
    if (overflowed_ || !framed || sum != at(count_ - 2) || at(1) != FrameCodec::kFromRadio)
        return verdict;
    verdict.kind = ReplyVerdict::Kind::Good;
    // Unstuffed from the same byte on as the walk above: after a cut-short frame the first
    // counted byte can be an escape, and taking it as one would shift every value of the reply.
    verdict.unstuffed = buffer_.left(1) + FrameCodec::Unstuff(buffer_.mid(1, count_ - 1));
    return verdict;
}

} // namespace zr40
