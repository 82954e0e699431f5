#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "link/block_type.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace zr40 {

// The values a write puts into a radio, as a read of that radio brings them back: every block
// the write sends, stored the way a read stores it, so quiet levels come back as the 0 they were
// sent as and key lengths as the key words give them. Checking a write is comparing what the
// radio returns with this, value for value.
class SentValues {
public:
    // The blocks a write of `sent` moves, for the radio header `sent` holds after the write:
    // settings, the channels and the receive lists the radio reports.
    static std::vector<std::pair<BlockType, int>> Blocks(const Codeplug& sent);
    // `sent` with every block written stored back as it went out.
    static Codeplug Expected(const Codeplug& sent);
    // One line per value of a written block that reads back otherwise ("Channel 3, value 1: sent
    // 400012500, read 400025000"). The password is not a codeplug value and is not compared.
    static QStringList Differences(const Codeplug& expected, const Codeplug& readBack,
                                   const TextContext& ctx);
};

} // namespace zr40
