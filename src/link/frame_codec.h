#pragma once

#include "codeplug/codeplug.h"
#include "link/block_type.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace zr40 {

// The byte level of the radio link. A frame is
//   55 | direction | class | block type | index | n x 4-byte LE value | checksum | AA
// where everything between the direction byte and the end byte is byte-stuffed so that 55 and AA
// only ever mark the frame's edges: 55 -> 11 66, AA -> 11 BB, 11 -> 11 22. The checksum is the
// 8-bit sum of the unstuffed bytes from the direction byte through the last payload byte.
class FrameCodec {
public:
    static constexpr quint8 kStart = 0x55;
    static constexpr quint8 kEnd = 0xAA;
    static constexpr quint8 kEscape = 0x11;
    static constexpr quint8 kFromHost = 0x01;  // direction of every request we send
    static constexpr quint8 kFromRadio = 0x02; // direction of every reply the radio sends
    // Unstuffed bytes ahead of the payload: start, direction, class, block type, index.
    static constexpr int kHeaderBytes = 5;

    // Stuffs one byte onto the end of a frame under construction.
    static void AppendByte(QByteArray& frame, quint8 value);
    // Appends a 32-bit value as four stuffed bytes, least significant first when littleEndian.
    static void AppendLong(QByteArray& frame, Long value, bool littleEndian = true);

    // A complete stuffed frame with checksum and end byte.
    static QByteArray BuildFrame(quint8 direction, CommandClass command, BlockType block,
                                 quint8 index, const std::vector<Long>& payload = {});
    static QByteArray BuildRequest(CommandClass command, BlockType block, quint8 index,
                                   const std::vector<Long>& payload = {});
    static QByteArray BuildReply(CommandClass command, BlockType block, quint8 index,
                                 const std::vector<Long>& payload = {});

    // Sum, modulo 256, of the unstuffed values of stuffed bytes [from, to] (both inclusive).
    static quint8 UnstuffedSum(const QByteArray& stuffed, int from, int to);
    // Undoes the stuffing of a whole frame (start and end bytes are kept as they are).
    static QByteArray Unstuff(const QByteArray& stuffed);

    // Value k of the payload of an unstuffed frame; nullopt when the frame is too short for it.
    static std::optional<Long> ReadLong(const QByteArray& unstuffed, int k);
    // How many whole payload values an unstuffed frame carries between header and checksum.
    static int PayloadCount(const QByteArray& unstuffed);

    // Appends one byte as the trace shows it ("AA ", "1 "), without building a string for it.
    static void AppendHex(QString& text, quint8 byte);
    // "55 1 1 0 0 2 AA ": upper-case hexadecimal without leading zero, one blank after each byte.
    static QString HexTrace(const QByteArray& bytes);
    // "TX:" followed by the hex trace of a frame about to be sent.
    static QString TxTraceLine(const QByteArray& frame);
};

} // namespace zr40
