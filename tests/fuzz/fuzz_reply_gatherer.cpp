// The reply gatherer, fed groups of bytes as a port hands them over: its counts stay in bounds,
// and its judgement agrees with the plain rule (unstuff the reply; its last byte before the end
// byte is the sum of the others after the start byte; the direction is "from the radio").

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "link/frame_codec.h"
#include "link/reply_gatherer.h"

using namespace zr40;
using namespace zr40::fuzz;

namespace {

// Stuffed as a radio stuffs: between the first and the last byte every 0x11 starts one of the
// three pairs and no bare 0x55 or 0xAA appears. Only for such replies does the plain rule
// below say the same as the judge; for any other the judge's own walk decides.
bool CanonicallyStuffed(const QByteArray& stuffed) {
    for (qsizetype i = 1; i + 1 < stuffed.size(); ++i) {
        const quint8 b = quint8(stuffed.at(i));
        if (b == FrameCodec::kStart || b == FrameCodec::kEnd)
            return false;
        if (b != FrameCodec::kEscape)
            continue;
        const quint8 next = quint8(stuffed.at(++i));
        if (i + 1 >= stuffed.size() || (next != 0x22 && next != 0x66 && next != 0xBB))
            return false;
    }
    return true;
}

// The rule in its plainest form, over the reply as gathered (its first byte is not looked at:
// a reply cut short goes on counting from the next group).
QByteArray UnstuffAfterFirst(const QByteArray& stuffed) {
    return stuffed.left(1) + FrameCodec::Unstuff(stuffed.mid(1));
}

bool PlainRuleHolds(const QByteArray& stuffed) {
    const QByteArray reply = UnstuffAfterFirst(stuffed);
    if (reply.size() < 4 || quint8(reply.back()) != FrameCodec::kEnd ||
        quint8(reply.at(1)) != FrameCodec::kFromRadio)
        return false;
    unsigned sum = 0;
    for (qsizetype i = 1; i + 2 < reply.size(); ++i)
        sum += quint8(reply.at(i));
    return quint8(sum) == quint8(reply.at(reply.size() - 2));
}

void CheckVerdict(const ReplyGatherer& gatherer) {
    const ReplyVerdict verdict = gatherer.Judge();
    FUZZ_CHECK(verdict.receiveLen == gatherer.RxCount(), "the verdict reports RxCount");
    if (gatherer.RxCount() < 4) {
        FUZZ_CHECK(verdict.kind == ReplyVerdict::Kind::NoData, "fewer than 4 bytes is no data");
        return;
    }
    const QByteArray stuffed = gatherer.RxBuffer().left(gatherer.RxCount());
    const bool good = verdict.kind == ReplyVerdict::Kind::Good;
    if (!gatherer.Overflowed() && CanonicallyStuffed(stuffed))
        FUZZ_CHECK(good == PlainRuleHolds(stuffed), "the judge agrees with the plain rule");
    if (!good)
        return;
    FUZZ_CHECK(verdict.unstuffed == UnstuffAfterFirst(stuffed), "a good reply is unstuffed");
    const int count = FrameCodec::PayloadCount(verdict.unstuffed);
    FUZZ_CHECK(count >= 0, "payload count");
    for (int k = 0; k < count; ++k)
        FUZZ_CHECK(FrameCodec::ReadLong(verdict.unstuffed, k).has_value(), "every value reads");
    FUZZ_CHECK(!FrameCodec::ReadLong(verdict.unstuffed, count).has_value(), "no value beyond");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzInput in(data, size);
    ReplyGatherer gatherer;
    gatherer.Restart();
    while (!in.Done()) {
        const unsigned char op = in.Byte();
        if (op == 0xFF) { // the next request went out
            gatherer.Restart();
            continue;
        }
        const bool endSeen = gatherer.Gather(in.Bytes(op % 64));
        FUZZ_CHECK(gatherer.RxCount() >= 0 && gatherer.RxCount() <= ReplyGatherer::kMaxReplyBytes,
                   "RxCount stays within the buffer");
        FUZZ_CHECK(gatherer.RxBuffer().size() == ReplyGatherer::kMaxReplyBytes,
                   "the buffer never grows");
        FUZZ_CHECK(gatherer.TraceLine().size() <= 3 + 6 * ReplyGatherer::kMaxReplyBytes + 3,
                   "the trace line is capped");
        FUZZ_CHECK(!endSeen || !gatherer.FrameStarted(), "an end byte closes the frame");
        if (endSeen || in.Bit())
            CheckVerdict(gatherer);
    }
    return 0;
}
