#include "link/sent_values.h"

#include "link/memory_map.h"

namespace zr40 {

namespace {

QString BlockName(BlockType block, int index, const TextContext& ctx) {
    switch (block) {
    case BlockType::Settings:
        return ctx.Tr("SentValues", "Function setup");
    case BlockType::Channel:
        return ctx.Tr("SentValues", "Channel %1").arg(index + 1);
    case BlockType::RxList:
        return ctx.Tr("SentValues", "Rx list %1").arg(index + 1);
    default:
        return ctx.Tr("SentValues", "Tune data");
    }
}

// The block as the radio would hold it; the password position is the same on both sides.
std::vector<Long> Held(const Codeplug& codeplug, BlockType block, int index) {
    return MemoryMap::Payload(codeplug, block, index, -1, false);
}

} // namespace

std::vector<std::pair<BlockType, int>> SentValues::Blocks(const Codeplug& sent) {
    std::vector<std::pair<BlockType, int>> blocks{{BlockType::Settings, 0}};
    for (int n = 0; n < MemoryMap::BlocksFor(sent.ChannelCount, Codeplug::kChannels); ++n)
        blocks.emplace_back(BlockType::Channel, n);
    for (int l = 0; l < MemoryMap::BlocksFor(sent.RxListCount, Codeplug::kRxLists); ++l)
        blocks.emplace_back(BlockType::RxList, l);
    return blocks;
}

Codeplug SentValues::Expected(const Codeplug& sent) {
    Codeplug expected = sent;
    for (const auto& [block, index] : Blocks(sent))
        MemoryMap::Store(expected, block, index, MemoryMap::Payload(sent, block, index));
    return expected;
}

QStringList SentValues::Differences(const Codeplug& expected, const Codeplug& readBack,
                                    const TextContext& ctx) {
    QStringList lines;
    for (const auto& [block, index] : Blocks(expected)) {
        const std::vector<Long> want = Held(expected, block, index);
        const std::vector<Long> got = Held(readBack, block, index);
        for (std::size_t k = 0; k < want.size() && k < got.size(); ++k) {
            if (want[k] == got[k])
                continue;
            lines << ctx.Tr("SentValues", "%1, value %2: sent %3, read %4")
                         .arg(BlockName(block, index, ctx))
                         .arg(k)
                         .arg(want[k])
                         .arg(got[k]);
        }
    }
    return lines;
}

} // namespace zr40
