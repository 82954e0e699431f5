#pragma once

#include <QByteArray>
#include <QString>

namespace zr40 {

// What the judge made of the bytes gathered for one request.
struct ReplyVerdict {
    enum class Kind {
        NoData, // nothing arrived, or fewer than 4 bytes counted
        Bad,    // checksum wrong, direction not "from radio", or longer than any reply can be
        Good,
    };
    Kind kind = Kind::NoData;
    int computedSum = 0;  // as shown in the trace (see ReplyGatherer::Judge)
    int receiveLen = 0;   // RxCount at judging time
    QByteArray unstuffed; // the whole reply, unstuffed (Good only)
};

// Collects the bytes of one reply as the port hands them over, in groups of any size.
//
// The radio's replies are framed 55 ... AA. Bytes seen before the first 55 are line noise: each
// overwrites the last, none is counted. From the 55 on every byte is stored and counted,
// including bytes that follow the AA in the same group, so such a reply fails its checksum and
// the request is sent again. Storage is capped at the longest reply a block can produce once fully
// stuffed; anything longer cannot be a reply and is judged bad without growing the buffer.
class ReplyGatherer {
public:
    // Start, direction, then class/type/index, 96 settings values and checksum all stuffed, end.
    static constexpr int kMaxReplyBytes = 2 + (3 + 96 * 4 + 1) * 2 + 1;

    // Prepares for the reply to a request just sent. FrameStarted is left as it is: a reply that
    // was cut short before its end byte keeps counting from the first byte of the next group.
    void Restart();
    // Gathers one group; returns true when the end byte of a started frame was among it.
    bool Gather(const QByteArray& group);
    // Checks the gathered reply. computedSum is the sum as the walk over the stuffed bytes finds
    // it (0x11 more than the real sum when the checksum itself travels stuffed), so that trace
    // lines compare one to one with traces taken by earlier programming tools.
    ReplyVerdict Judge() const;

    // "RX:" followed by every byte gathered since Restart (noise included).
    QString TraceLine() const { return trace_; }
    void ClearTrace() { trace_ = QStringLiteral("RX:"); }

    const QByteArray& RxBuffer() const { return buffer_; }
    int RxCount() const { return count_; }
    bool FrameStarted() const { return started_; }
    bool Overflowed() const { return overflowed_; }

private:
    void Store(quint8 byte);

    QByteArray buffer_;
    int count_ = 0;
    bool started_ = false;
    bool overflowed_ = false;
    QString trace_ = QStringLiteral("RX:");
};

} // namespace zr40
