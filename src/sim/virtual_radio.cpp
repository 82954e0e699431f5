#include "sim/virtual_radio.h"

#include "link/frame_codec.h"
#include "link/memory_map.h"
#include "link/reply_gatherer.h"

namespace zr40 {

namespace {
// Unstuffed bytes around a payload: start, direction, class, type, index ... checksum, end.
constexpr int kFrameOverhead = FrameCodec::kHeaderBytes + 2;
// Line bytes kept while waiting for the end of a request; a request is far shorter.
constexpr int kMaxPending = 4 * ReplyGatherer::kMaxReplyBytes;
// A corrupted channel commit stores its receive frequency one 12.5 kHz step higher.
constexpr int kRxFreqPosition = 1;
constexpr quint32 kCorruptionHz = 12500;

quint8 byteAt(const QByteArray& bytes, int i) {
    return static_cast<quint8>(bytes.at(i));
}

bool takeOne(int& counter) {
    if (counter <= 0)
        return false;
    --counter;
    return true;
}

std::vector<Long> payloadOf(const QByteArray& unstuffed) {
    std::vector<Long> values;
    for (int k = 0; k < FrameCodec::PayloadCount(unstuffed); ++k)
        values.push_back(FrameCodec::ReadLong(unstuffed, k).value_or(0));
    return values;
}
} // namespace

VirtualRadio::VirtualRadio() {
    LoadFrom(FactoryMemory());
}

void VirtualRadio::LoadFrom(const Codeplug& codeplug, Long password) {
    header_ = MemoryMap::Header(codeplug);
    auto load = [&codeplug, password](BlockType block, int index) {
        return MemoryMap::Payload(codeplug, block, index, password, false);
    };
    settings_ = load(BlockType::Settings, 0);
    for (int n = 0; n < Codeplug::kChannels; ++n)
        channels_[n] = load(BlockType::Channel, n);
    for (int l = 0; l < Codeplug::kRxLists; ++l)
        rxLists_[l] = load(BlockType::RxList, l);
    tuneHeader_ = load(BlockType::TuneHeader, 0);
    for (int i = 0; i < Codeplug::kTunePoints; ++i)
        tunePoints_[i] = load(BlockType::TunePoint, i);
    staged_.reset();
}

void VirtualRadio::SaveTo(Codeplug& codeplug) const {
    MemoryMap::StoreHeader(codeplug, header_);
    for (BlockType block : {BlockType::Settings, BlockType::Channel, BlockType::RxList,
                            BlockType::TuneHeader, BlockType::TunePoint}) {
        for (int index = 0; index < MemoryMap::Instances(block); ++index)
            MemoryMap::Store(codeplug, block, index, Block(block, index));
    }
}

std::vector<Long>& VirtualRadio::Block(BlockType block, int index) {
    const auto& self = *this;
    return const_cast<std::vector<Long>&>(self.Block(block, index));
}

const std::vector<Long>& VirtualRadio::Block(BlockType block, int index) const {
    if (!MemoryMap::ValidIndex(block, index))
        return empty_;
    switch (block) {
    case BlockType::None:
        return header_;
    case BlockType::Settings:
        return settings_;
    case BlockType::Channel:
        return channels_[index];
    case BlockType::RxList:
        return rxLists_[index];
    case BlockType::TuneHeader:
        return tuneHeader_;
    case BlockType::TunePoint:
        return tunePoints_[index];
    }
    return empty_;
}

Long VirtualRadio::Password() const {
    return settings_[MemoryMap::kPasswordPosition];
}

void VirtualRadio::SetPassword(Long password) {
    settings_[MemoryMap::kPasswordPosition] = password;
}

void VirtualRadio::SetHeaderCounts(Long tunePoints, Long channels, Long rxLists) {
    header_[2] = tunePoints;
    header_[4] = channels;
    header_[5] = rxLists;
}

std::vector<RadioReply> VirtualRadio::Receive(const QByteArray& bytes) {
    std::vector<RadioReply> replies;
    incoming_.append(bytes);
    for (;;) {
        const int start = incoming_.indexOf(static_cast<char>(FrameCodec::kStart));
        if (start < 0) {
            incoming_.clear();
            break;
        }
        const int end = incoming_.indexOf(static_cast<char>(FrameCodec::kEnd), start);
        if (end < 0) {
            incoming_.remove(0, start);
            if (incoming_.size() > kMaxPending)
                incoming_.clear(); // a start byte that never found its end
            break;
        }
        // A request cut short is followed by a fresh start byte: the later one wins.
        const int from = incoming_.lastIndexOf(static_cast<char>(FrameCodec::kStart), end);
        const QByteArray frame = incoming_.mid(from, end - from + 1);
        incoming_.remove(0, end + 1);
        HandleFrame(frame, replies);
    }
    return replies;
}

void VirtualRadio::HandleFrame(const QByteArray& stuffed, std::vector<RadioReply>& replies) {
    const QByteArray plain = FrameCodec::Unstuff(stuffed);
    const int size = static_cast<int>(plain.size());
    if (size < kFrameOverhead || (size - kFrameOverhead) % 4 != 0)
        return;
    if (byteAt(plain, 1) != FrameCodec::kFromHost)
        return;
    quint8 sum = 0;
    for (int i = 1; i <= size - 3; ++i)
        sum = static_cast<quint8>(sum + byteAt(plain, i));
    if (sum != byteAt(plain, size - 2))
        return;
    if (takeOne(faults_.silentRequests))
        return; // the radio did not hear this one
    requests_.push_back({static_cast<CommandClass>(byteAt(plain, 2)),
                         static_cast<BlockType>(byteAt(plain, 3)), byteAt(plain, 4),
                         FrameCodec::PayloadCount(plain)});
    if (const auto reply = Answer(plain))
        replies.push_back(Deliver(*reply));
}

std::optional<QByteArray> VirtualRadio::Answer(const QByteArray& plain) {
    const quint8 command = byteAt(plain, 2);
    const quint8 type = byteAt(plain, 3);
    const quint8 index = byteAt(plain, 4);
    const auto block = static_cast<BlockType>(type);
    switch (static_cast<CommandClass>(command)) {
    case CommandClass::Identify:
        return ReplyFrame(command, type, index, header_);
    case CommandClass::ReadBlock:
        // An unknown block is answered without values; the programmer then asks again.
        return ReplyFrame(command, type, index, Block(block, index));
    case CommandClass::WriteBlock: {
        std::vector<Long> values = payloadOf(plain);
        if (block == BlockType::None || !MemoryMap::ValidIndex(block, index) ||
            static_cast<int>(values.size()) != MemoryMap::ValueCount(block))
            return std::nullopt;
        staged_ = Staged{block, index, std::move(values)};
        return ReplyFrame(command, type, index, {});
    }
    case CommandClass::Commit:
        Commit(block, index);
        return ReplyFrame(command, type, index, {});
    case CommandClass::EndOfWrite:
        ++endOfWrites_;
        staged_.reset();
        return ReplyFrame(command, type, index, {});
    }
    return std::nullopt;
}

void VirtualRadio::Commit(BlockType block, int index) {
    // Only the block written just before takes effect; a stray commit changes nothing.
    if (staged_ && staged_->block == block && staged_->index == index) {
        if (block == BlockType::Channel && takeOne(faults_.corruptChannelCommits))
            staged_->values[kRxFreqPosition] =
                static_cast<Long>(quint32(staged_->values[kRxFreqPosition]) + kCorruptionHz);
        Block(block, index) = staged_->values;
    }
    staged_.reset();
}

Codeplug VirtualRadio::FactoryMemory() {
    Codeplug factory;
    factory.ApplyNewDefaults();
    factory.HeaderCount3 = 1; // one settings block, as every ZR40 reports
    return factory;
}

QByteArray VirtualRadio::ReplyFrame(quint8 command, quint8 block, quint8 index,
                                    std::vector<Long> payload) {
    if (!payload.empty() && takeOne(faults_.shortPayloadReplies))
        payload.resize(std::min<std::size_t>(payload.size(), faults_.shortPayloadValues));
    const bool wrongDirection = takeOne(faults_.wrongDirectionReplies);
    QByteArray frame;
    frame.append(static_cast<char>(FrameCodec::kStart));
    frame.append(
        static_cast<char>(wrongDirection ? FrameCodec::kFromHost : FrameCodec::kFromRadio));
    FrameCodec::AppendByte(frame, command);
    FrameCodec::AppendByte(frame, block);
    FrameCodec::AppendByte(frame, index);
    for (Long value : payload)
        FrameCodec::AppendLong(frame, value);
    quint8 sum = FrameCodec::UnstuffedSum(frame, 1, static_cast<int>(frame.size()) - 1);
    if (takeOne(faults_.badChecksumReplies))
        sum = static_cast<quint8>(sum + 1);
    FrameCodec::AppendByte(frame, sum);
    frame.append(static_cast<char>(FrameCodec::kEnd));
    return frame;
}

RadioReply VirtualRadio::Deliver(QByteArray frame) {
    if (takeOne(faults_.cutReplies))
        frame.chop(std::min<int>(faults_.cutBytes, static_cast<int>(frame.size())));
    if (takeOne(faults_.noisyReplies))
        frame.prepend(faults_.noise);
    if (takeOne(faults_.trailingReplies))
        frame.append(faults_.trailing);
    return RadioReply{frame, faults_.replyDelayMs};
}

qint64 VirtualRadio::WireMicroseconds(qint64 bytes, int baud) {
    if (baud <= 0)
        return 0;
    return bytes * 10 * 1000000 / baud; // start bit, 8 data bits, stop bit
}

} // namespace zr40
