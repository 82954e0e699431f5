#include "channels/image_channel_layout.h"

#include "codeplug/tone_tables.h"

#include <algorithm>
#include <array>

namespace zr40 {

namespace {

constexpr std::uint8_t kNoTone = 255;

struct ToneBlock {
    std::uint8_t kind;
    int firstPosition;
    int size;
};

constexpr ToneBlock kToneBlocks[] = {
    {1, kToneListFirstCtcss, kToneListFirstNormalDcs - kToneListFirstCtcss},
    {2, kToneListFirstNormalDcs, kToneListFirstInvertedDcs - kToneListFirstNormalDcs},
    {3, kToneListFirstInvertedDcs, kToneListSize - kToneListFirstInvertedDcs},
};

} // namespace

int ImageChannelLayout::RecordOffset(int ch) {
    return 16 + kRecordSize * ch + 32 * (ch / 30);
}

bool ImageChannelLayout::HeldByOtherSetting(int at) {
    struct Span {
        int first;
        int end; // one past the last byte
    };
    static constexpr Span kHeld[] = {
        {275, 320},                          // option, key and scan page bytes
        {kScanBase, kScanBase + kScanBytes}, // scan bitmap
        {440, 448},                          // model signature: band digit 441, band code 445
        {752, 758},                          // new programming password
        {768, 832},                          // embedded message
    };
    for (const Span& span : kHeld) {
        if (at >= span.first && at < span.end)
            return true;
    }
    return false;
}

void ImageChannelLayout::PutRecordByte(Image& image, int at, std::uint8_t value) {
    if (!HeldByOtherSetting(at))
        image[at] = value;
}

void ImageChannelLayout::CopyRecord(Image& image, int from, int to) {
    const int source = RecordOffset(from);
    const int target = RecordOffset(to);
    std::array<std::uint8_t, kRecordSize> record;
    std::copy_n(image.begin() + source, kRecordSize, record.begin());
    for (int i = 0; i < kRecordSize; ++i)
        PutRecordByte(image, target + i, record[i]);
}

void ImageChannelLayout::FillRecord(Image& image, int ch, std::uint8_t value) {
    const int at = RecordOffset(ch);
    for (int i = 0; i < kRecordSize; ++i)
        PutRecordByte(image, at + i, value);
}

bool ImageChannelLayout::Bit(const Image& image, int base, int ch) {
    return (image[base + ch / 8] >> (ch % 8)) & 1;
}

void ImageChannelLayout::SetBit(Image& image, int base, int ch, bool on) {
    const auto mask = static_cast<std::uint8_t>(1u << (ch % 8));
    std::uint8_t& byte = image[base + ch / 8];
    byte = on ? (byte | mask) : (byte & ~mask);
}

bool ImageChannelLayout::Present(const Image& image, int ch) {
    return Bit(image, kPresentBase, ch);
}

void ImageChannelLayout::SetPresent(Image& image, int ch, bool on) {
    SetBit(image, kPresentBase, ch, on);
}

bool ImageChannelLayout::InScan(const Image& image, int ch) {
    return Bit(image, kScanBase, ch);
}

void ImageChannelLayout::SetInScan(Image& image, int ch, bool on) {
    SetBit(image, kScanBase, ch, on);
}

std::uint32_t ImageChannelLayout::Frequency(const Image& image, int ch, int field) {
    const int at = RecordOffset(ch) + field;
    std::uint32_t hertz = 0;
    for (int i = 0; i < 4; ++i)
        hertz = (hertz << 8) | image[at + i];
    return hertz;
}

void ImageChannelLayout::SetFrequency(Image& image, int ch, int field, std::uint32_t hertz) {
    const int at = RecordOffset(ch) + field;
    for (int i = 3; i >= 0; --i, hertz >>= 8)
        PutRecordByte(image, at + i, static_cast<std::uint8_t>(hertz & 0xFF));
}

ImageTone ImageChannelLayout::Tone(const Image& image, int ch, int kindField) {
    const int at = RecordOffset(ch) + kindField;
    return {image[at], image[at + 1]};
}

void ImageChannelLayout::SetTone(Image& image, int ch, int kindField, ImageTone tone) {
    const int at = RecordOffset(ch) + kindField;
    PutRecordByte(image, at, tone.kind);
    PutRecordByte(image, at + 1, tone.number);
}

bool ImageChannelLayout::Flag(const Image& image, int ch, std::uint8_t mask) {
    return image[RecordOffset(ch) + kFlags] & mask;
}

void ImageChannelLayout::SetFlag(Image& image, int ch, std::uint8_t mask, bool on) {
    const int at = RecordOffset(ch) + kFlags;
    const std::uint8_t flags = image[at];
    PutRecordByte(image, at, static_cast<std::uint8_t>(on ? (flags | mask) : (flags & ~mask)));
}

int ImageChannelLayout::BusyLock(const Image& image, int ch) {
    return image[RecordOffset(ch) + kFlags] & kBusyLockMask;
}

void ImageChannelLayout::SetBusyLock(Image& image, int ch, int mode) {
    const int at = RecordOffset(ch) + kFlags;
    PutRecordByte(image, at,
                  static_cast<std::uint8_t>((image[at] & ~kBusyLockMask) | (mode & kBusyLockMask)));
}

ImageTone ImageChannelLayout::ToneOfPosition(int position) {
    for (const ToneBlock& block : kToneBlocks) {
        const int number = position - block.firstPosition;
        if (number >= 0 && number < block.size)
            return {block.kind, static_cast<std::uint8_t>(number)};
    }
    return {kNoTone, kNoTone};
}

int ImageChannelLayout::PositionOfTone(ImageTone tone) {
    for (const ToneBlock& block : kToneBlocks) {
        if (tone.kind == block.kind && tone.number < block.size)
            return block.firstPosition + tone.number;
    }
    return 0;
}

int ImageChannelLayout::WrapTonePosition(int position) {
    if (position < 0)
        return kTonePositions - 1;
    if (position >= kTonePositions)
        return 0;
    return position;
}

} // namespace zr40
