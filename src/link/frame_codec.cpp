#include "link/frame_codec.h"

namespace zr40 {

namespace {
bool needsEscape(quint8 value) {
    return value == FrameCodec::kStart || value == FrameCodec::kEnd || value == FrameCodec::kEscape;
}
quint8 at(const QByteArray& bytes, int i) {
    return static_cast<quint8>(bytes.at(i));
}
} // namespace

void FrameCodec::AppendByte(QByteArray& frame, quint8 value) {
    if (needsEscape(value)) {
        frame.append(static_cast<char>(kEscape));
        frame.append(static_cast<char>(value + kEscape));
    } else {
        frame.append(static_cast<char>(value));
    }
}

void FrameCodec::AppendLong(QByteArray& frame, Long value, bool littleEndian) {
    const auto bits = static_cast<quint32>(value);
    for (int i = 0; i < 4; ++i) {
        const int shift = littleEndian ? 8 * i : 8 * (3 - i);
        AppendByte(frame, static_cast<quint8>((bits >> shift) & 0xFFu));
    }
}

QByteArray FrameCodec::BuildFrame(quint8 direction, CommandClass command, BlockType block,
                                  quint8 index, const std::vector<Long>& payload) {
    QByteArray frame;
    frame.reserve(kHeaderBytes + 2 * (3 + 4 * static_cast<int>(payload.size()) + 1) + 1);
    frame.append(static_cast<char>(kStart));
    frame.append(static_cast<char>(direction));
    AppendByte(frame, static_cast<quint8>(command));
    AppendByte(frame, static_cast<quint8>(block));
    AppendByte(frame, index);
    for (Long value : payload)
        AppendLong(frame, value);
    AppendByte(frame, UnstuffedSum(frame, 1, static_cast<int>(frame.size()) - 1));
    frame.append(static_cast<char>(kEnd));
    return frame;
}

QByteArray FrameCodec::BuildRequest(CommandClass command, BlockType block, quint8 index,
                                    const std::vector<Long>& payload) {
    return BuildFrame(kFromHost, command, block, index, payload);
}

QByteArray FrameCodec::BuildReply(CommandClass command, BlockType block, quint8 index,
                                  const std::vector<Long>& payload) {
    return BuildFrame(kFromRadio, command, block, index, payload);
}

quint8 FrameCodec::UnstuffedSum(const QByteArray& stuffed, int from, int to) {
    quint8 sum = 0;
    for (int i = from; i <= to && i < stuffed.size(); ++i) {
        if (at(stuffed, i) == kEscape && i < to && i + 1 < stuffed.size())
            sum = static_cast<quint8>(sum + at(stuffed, ++i) - kEscape);
        else if (at(stuffed, i) != kEscape)
            sum = static_cast<quint8>(sum + at(stuffed, i));
    }
    return sum;
}

QByteArray FrameCodec::Unstuff(const QByteArray& stuffed) {
    QByteArray plain;
    plain.reserve(stuffed.size());
    for (int i = 0; i < stuffed.size(); ++i) {
        const quint8 b = at(stuffed, i);
        if (b == kEscape && i + 1 < stuffed.size())
            plain.append(static_cast<char>(at(stuffed, ++i) - kEscape));
        else
            plain.append(static_cast<char>(b));
    }
    return plain;
}

int FrameCodec::PayloadCount(const QByteArray& unstuffed) {
    // Header ahead, checksum and end byte behind.
    const int payloadBytes = static_cast<int>(unstuffed.size()) - kHeaderBytes - 2;
    return payloadBytes > 0 ? payloadBytes / 4 : 0;
}

std::optional<Long> FrameCodec::ReadLong(const QByteArray& unstuffed, int k) {
    if (k < 0 || k >= PayloadCount(unstuffed))
        return std::nullopt;
    const int first = kHeaderBytes + 4 * k;
    quint32 bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | at(unstuffed, first + i);
    return static_cast<Long>(bits);
}

void FrameCodec::AppendHex(QString& text, quint8 byte) {
    static const char kDigits[] = "0123456789ABCDEF";
    if (byte >= 0x10)
        text += QLatin1Char(kDigits[byte >> 4]);
    text += QLatin1Char(kDigits[byte & 0x0F]);
    text += QLatin1Char(' ');
}

QString FrameCodec::HexTrace(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() * 3);
    for (char c : bytes)
        AppendHex(text, static_cast<quint8>(c));
    return text;
}

QString FrameCodec::TxTraceLine(const QByteArray& frame) {
    return QStringLiteral("TX:") + HexTrace(frame);
}

} // namespace zr40
