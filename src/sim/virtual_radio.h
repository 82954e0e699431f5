#pragma once

#include "codeplug/codeplug.h"
#include "link/block_type.h"
#include "sim/radio_faults.h"
#include "sim/radio_reply.h"

#include <QByteArray>
#include <array>
#include <optional>
#include <vector>

namespace zr40 {

// The radio's side of the programming link, without any port or clock: bytes in, replies out.
//
// It holds its memory as raw blocks, exactly as they travel: the header counts, the settings
// block with its own password at position 26, 32 channel blocks, 8 receive lists, the tune header
// and 16 tune points. It answers identify, read, write, commit and end of write. A written block
// is only staged; it takes effect when the commit for the same block arrives. Requests with a bad
// checksum or the wrong direction are ignored, as a radio would.
class VirtualRadio {
public:
    struct Request {
        CommandClass command;
        BlockType block;
        quint8 index;
        int values; // payload values carried
    };

    VirtualRadio();

    // The memory a radio leaves the factory with.
    static Codeplug FactoryMemory();

    // Memory from a codeplug (header counts, settings, channels, lists, tune data) and a
    // password; the codeplug's own quiet levels are kept.
    void LoadFrom(const Codeplug& codeplug, Long password = -1);
    // The memory into a codeplug, as a read would store it.
    void SaveTo(Codeplug& codeplug) const;

    // Feeds bytes from the line (any grouping); returns the replies to every request completed.
    std::vector<RadioReply> Receive(const QByteArray& bytes);

    // Raw memory. Header: DataVersion, HeaderCount1, TunePointCount, HeaderCount3,
    // ChannelCount, RxListCount, HeaderCount6.
    std::vector<Long>& Header() { return header_; }
    std::vector<Long>& Block(BlockType block, int index);
    const std::vector<Long>& Block(BlockType block, int index) const;
    Long Password() const;
    void SetPassword(Long password);
    void SetDataVersion(Long version) { header_[0] = version; }
    void SetHeaderCounts(Long tunePoints, Long channels, Long rxLists);

    // Faults applied to the next replies.
    RadioFaults& Faults() { return faults_; }

    // Every well-formed request received, oldest first.
    const std::vector<Request>& Requests() const { return requests_; }
    void ClearRequests() { requests_.clear(); }
    int EndOfWriteCount() const { return endOfWrites_; }

    // Time the bytes take on a 8N1 line at this baud rate (10 bit times per byte).
    static qint64 WireMicroseconds(qint64 bytes, int baud = 115200);

private:
    std::optional<QByteArray> Answer(const QByteArray& unstuffed);
    QByteArray ReplyFrame(quint8 command, quint8 block, quint8 index, std::vector<Long> payload);
    RadioReply Deliver(QByteArray frame);
    void HandleFrame(const QByteArray& stuffed, std::vector<RadioReply>& replies);
    void Commit(BlockType block, int index);

    std::vector<Long> header_;
    std::vector<Long> settings_;
    std::array<std::vector<Long>, Codeplug::kChannels> channels_;
    std::array<std::vector<Long>, Codeplug::kRxLists> rxLists_;
    std::vector<Long> tuneHeader_;
    std::array<std::vector<Long>, Codeplug::kTunePoints> tunePoints_;
    std::vector<Long> empty_;

    struct Staged {
        BlockType block = BlockType::None;
        int index = -1;
        std::vector<Long> values;
    };
    std::optional<Staged> staged_;
    QByteArray incoming_;
    RadioFaults faults_;
    std::vector<Request> requests_;
    int endOfWrites_ = 0;
};

} // namespace zr40
