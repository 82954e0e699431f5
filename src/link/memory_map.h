#pragma once

#include "codeplug/codeplug.h"
#include "link/block_type.h"

#include <vector>

namespace zr40 {

// Where every value of every radio block lives in the codeplug. One table per block drives both
// directions: the payload of a write is taken from the slots in order, the payload of a read is
// stored into the same slots. Indexes outside a block's range yield an empty payload and store
// nothing, so counts reported by a radio can never reach outside a table.
class MemoryMap {
public:
    static constexpr int kHeaderValues = 7;
    static constexpr int kSettingsValues = 96;
    static constexpr int kChannelValues = 30;
    static constexpr int kRxListValues = 8;
    static constexpr int kTuneHeaderValues = 7;
    static constexpr int kTunePointValues = 5;
    // The radio's programming password travels inside the settings block; it is never part of
    // the codeplug.
    static constexpr int kPasswordPosition = 26;
    // The channel's quiet level is read as the radio holds it but always written as 0.
    static constexpr int kQuiteLevelPosition = 25;

    // Values of a block of this type (header for BlockType::None: the identify reply).
    static int ValueCount(BlockType block);
    // How many blocks of a kind exist in the radio's memory (1 for header, settings, tune header).
    static int Instances(BlockType block);
    // A valid index of this block kind.
    static bool ValidIndex(BlockType block, int index);

    // The write payload of one block. password goes to settings position 26. With asWritten the
    // channel's quiet level goes out as 0, as the radio expects; without it (filling a virtual
    // radio from a codeplug) the stored value is kept.
    static std::vector<Long> Payload(const Codeplug& codeplug, BlockType block, int index,
                                     Long password = -1, bool asWritten = true);
    // Stores a read payload; values beyond the block's size are ignored, missing ones leave the
    // codeplug as it was. A channel's key lengths are derived from its key words afterwards.
    static void Store(Codeplug& codeplug, BlockType block, int index,
                      const std::vector<Long>& values);

    // The radio header in wire order, and storing one (all seven values).
    static std::vector<Long> Header(const Codeplug& codeplug);
    static void StoreHeader(Codeplug& codeplug, const std::vector<Long>& values);

    // Blocks transferred for a count the radio reports: the first block always, then up to the
    // count, never more than the table holds.
    static int BlocksFor(Long reportedCount, int tableSize);
};

} // namespace zr40
