#include "link/memory_map.h"

#include <algorithm>

namespace zr40 {

namespace {

// One position of a block and what it is bound to in the codeplug.
template <typename L> struct Slot {
    enum class Rule { Plain, Password, SentAsZero };
    L* value = nullptr;
    Rule rule = Rule::Plain;
};

template <typename L> using Slots = std::vector<Slot<L>>;

template <typename L, typename Table>
void addRange(Slots<L>& bound, Table& table, int first, int count) {
    for (int i = first; i < first + count; ++i)
        bound.push_back({&table[i]});
}

template <typename L> void addOne(Slots<L>& bound, L& value) {
    bound.push_back({&value});
}

template <typename CP> auto headerSlots(CP& c) {
    using L = std::remove_reference_t<decltype((c.DataVersion))>;
    Slots<L> s;
    for (L* v : {&c.DataVersion, &c.HeaderCount1, &c.TunePointCount, &c.HeaderCount3,
                 &c.ChannelCount, &c.RxListCount, &c.HeaderCount6})
        addOne(s, *v);
    return s;
}

template <typename CP> auto settingsSlots(CP& c) {
    using L = std::remove_reference_t<decltype((c.LocalID))>;
    Slots<L> s;
    addOne(s, c.LocalID);
    addOne(s, c.VoicePrompt);
    addOne(s, c.OptionReserved1);
    addRange(s, c.IdleTime, 0, 4);
    addOne(s, c.VoxLevel);
    addOne(s, c.KeyMethod);
    addRange(s, c.KeyDefine, 0, 16);
    addOne(s, c.OptionTOT);
    s.push_back({nullptr, Slot<L>::Rule::Password});
    for (L* v : {&c.OptionReserved2, &c.OptionReserved3, &c.OptionReserved4, &c.OptionReserved5,
                 &c.OptionReserved6, &c.OptionReserved7, &c.OptionReserved8, &c.OptionReserved9})
        addOne(s, *v);
    addRange(s, c.SleepPoint, 0, 4);
    addRange(s, c.VoltageWarningInterval, 0, 8);
    addRange(s, c.VoltageLower, 0, 8);
    addRange(s, c.VoltageUpper, 0, 8);
    addOne(s, c.VoxDelay);
    addRange(s, c.ReservedList, 0, 32);
    return s;
}

template <typename CP> auto channelSlots(CP& c, int n) {
    using L = std::remove_reference_t<decltype((c.LocalID))>;
    Slots<L> s;
    for (auto* table : {&c.ChannelType, &c.RxFreq, &c.RxCtcss, &c.RxDcs, &c.TxFreq, &c.TxCtcss,
                        &c.TxDcs, &c.TxPower, &c.TxAuthority, &c.ChannelTOT, &c.SqlLevel,
                        &c.ChannelSpace, &c.Compand, &c.ScrambleType, &c.RxKeyEnable})
        addOne(s, (*table)[n]);
    addRange(s, c.RxKey, n * Codeplug::kKeyWords, Codeplug::kKeyWords);
    addOne(s, c.TxKeyEnable[n]);
    addRange(s, c.TxKey, n * Codeplug::kKeyWords, Codeplug::kKeyWords);
    addOne(s, c.DenoiseLevel[n]);
    s.push_back({&c.QuiteLevel[n], Slot<L>::Rule::SentAsZero});
    for (auto* table : {&c.RxColor, &c.TxColor, &c.ChannelRxList, &c.CallTypeTxID})
        addOne(s, (*table)[n]);
    return s;
}

template <typename CP> auto tuneHeaderSlots(CP& c) {
    using L = std::remove_reference_t<decltype((c.LocalID))>;
    Slots<L> s;
    for (L* v : {&c.TuneHeader0, &c.CtcssDev, &c.CdcssDev, &c.MicAmp, &c.SpeakAmp, &c.NoiseThW,
                 &c.NoiseThN})
        addOne(s, *v);
    return s;
}

template <typename CP> auto tunePointSlots(CP& c, int i) {
    using L = std::remove_reference_t<decltype((c.LocalID))>;
    Slots<L> s;
    for (auto* table : {&c.TuneFreq, &c.TuneBias, &c.TuneOsc, &c.TuneDigitalDev, &c.TuneSq})
        addOne(s, (*table)[i]);
    return s;
}

template <typename CP> auto slotsOf(CP& c, BlockType block, int index) {
    using L = std::remove_reference_t<decltype((c.LocalID))>;
    if (!MemoryMap::ValidIndex(block, index))
        return Slots<L>{};
    switch (block) {
    case BlockType::None:
        return headerSlots(c);
    case BlockType::Settings:
        return settingsSlots(c);
    case BlockType::Channel:
        return channelSlots(c, index);
    case BlockType::RxList: {
        Slots<L> s;
        addRange(s, c.RxListEntry, index * Codeplug::kRxListEntries, Codeplug::kRxListEntries);
        return s;
    }
    case BlockType::TuneHeader:
        return tuneHeaderSlots(c);
    case BlockType::TunePoint:
        return tunePointSlots(c, index);
    }
    return Slots<L>{};
}

} // namespace

int MemoryMap::ValueCount(BlockType block) {
    switch (block) {
    case BlockType::None:
        return kHeaderValues;
    case BlockType::Settings:
        return kSettingsValues;
    case BlockType::Channel:
        return kChannelValues;
    case BlockType::RxList:
        return kRxListValues;
    case BlockType::TuneHeader:
        return kTuneHeaderValues;
    case BlockType::TunePoint:
        return kTunePointValues;
    }
    return 0;
}

int MemoryMap::Instances(BlockType block) {
    switch (block) {
    case BlockType::Channel:
        return Codeplug::kChannels;
    case BlockType::RxList:
        return Codeplug::kRxLists;
    case BlockType::TunePoint:
        return Codeplug::kTunePoints;
    default:
        return 1;
    }
}

bool MemoryMap::ValidIndex(BlockType block, int index) {
    return index >= 0 && index < Instances(block);
}

std::vector<Long> MemoryMap::Payload(const Codeplug& codeplug, BlockType block, int index,
                                     Long password, bool asWritten) {
    std::vector<Long> values;
    for (const auto& slot : slotsOf(codeplug, block, index)) {
        using Rule = std::remove_reference_t<decltype(slot)>::Rule;
        if (slot.rule == Rule::Password)
            values.push_back(password);
        else if (slot.rule == Rule::SentAsZero && asWritten)
            values.push_back(0);
        else
            values.push_back(*slot.value);
    }
    return values;
}

void MemoryMap::Store(Codeplug& codeplug, BlockType block, int index,
                      const std::vector<Long>& values) {
    const auto bound = slotsOf(codeplug, block, index);
    const std::size_t count = std::min(bound.size(), values.size());
    for (std::size_t k = 0; k < count; ++k) {
        if (bound[k].value != nullptr)
            *bound[k].value = values[k];
    }
    if (block == BlockType::Channel && !bound.empty())
        codeplug.DeriveKeyLengths(index);
}

std::vector<Long> MemoryMap::Header(const Codeplug& codeplug) {
    return Payload(codeplug, BlockType::None, 0);
}

void MemoryMap::StoreHeader(Codeplug& codeplug, const std::vector<Long>& values) {
    Store(codeplug, BlockType::None, 0, values);
}

int MemoryMap::BlocksFor(Long reportedCount, int tableSize) {
    return static_cast<int>(std::clamp<Long>(reportedCount, 1, tableSize));
}

} // namespace zr40
