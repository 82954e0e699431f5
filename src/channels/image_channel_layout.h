#pragma once

#include "codeplug/codeplug.h"

#include <cstdint>

namespace zr40 {

// A tone as a channel record of the model image holds it: a kind (1 CTCSS, 2 DCS normal,
// 3 DCS inverted, 255 none) and the position within that kind, counted from 0 (255 when none).
struct ImageTone {
    std::uint8_t kind = 255;
    std::uint8_t number = 255;
    friend bool operator==(const ImageTone&, const ImageTone&) = default;
};

// The model image keeps 128 channel records of its own, apart from the codeplug's channel tables:
// channel ch (0..127, shown as 1..128) has a 16-byte record, with a 32-byte gap after every 30
// records, plus one bit in the channel-present and in the scan-membership bitmap. The channel
// copy, the batch editor and the scan page all address the image through this class.
class ImageChannelLayout {
public:
    using Image = decltype(Codeplug::RadioImage);

    static constexpr int kChannelCount = 128;
    static constexpr int kRecordSize = 16;
    static constexpr int kPresentBase = 2192;
    static constexpr int kScanBase = 382;

    // Record bytes.
    static constexpr int kRxFreq = 0; // unsigned 32-bit Hz, most significant byte first
    static constexpr int kTxFreq = 4;
    static constexpr int kDecodeKind = 8;
    static constexpr int kDecodeNumber = 9;
    static constexpr int kEncodeKind = 10;
    static constexpr int kEncodeNumber = 11;
    static constexpr int kFlags = 12;

    // Bits of the flags byte.
    static constexpr std::uint8_t kBusyLockMask = 0x03; // 0 off, 1 carrier, 2 CTCSS/DCS
    static constexpr std::uint8_t kHighPower = 0x04;
    static constexpr std::uint8_t kReverse = 0x10;
    static constexpr std::uint8_t kTalkAround = 0x20;
    static constexpr std::uint8_t kWide = 0x40; // 25 kHz spacing

    // First byte of channel ch's record.
    static int RecordOffset(int ch);
    // Some records run over bytes that hold other settings of the image: the function setup's,
    // key setting's and scan page's option bytes, the scan bitmap, the model signature the band
    // is read from, the new programming password and the embedded message. Those bytes keep
    // their settings: record writes skip them, so that filling channels never changes the band,
    // another channel's scan membership or an option.
    static bool HeldByOtherSetting(int at);
    static void CopyRecord(Image& image, int from, int to);
    static void FillRecord(Image& image, int ch, std::uint8_t value);

    static bool Present(const Image& image, int ch);
    static void SetPresent(Image& image, int ch, bool on);
    static bool InScan(const Image& image, int ch);
    static void SetInScan(Image& image, int ch, bool on);

    // Frequency at kRxFreq or kTxFreq of channel ch's record.
    static std::uint32_t Frequency(const Image& image, int ch, int field);
    static void SetFrequency(Image& image, int ch, int field, std::uint32_t hertz);

    // Tone at kDecodeKind or kEncodeKind of channel ch's record.
    static ImageTone Tone(const Image& image, int ch, int kindField);
    static void SetTone(Image& image, int ch, int kindField, ImageTone tone);

    static bool Flag(const Image& image, int ch, std::uint8_t mask);
    static void SetFlag(Image& image, int ch, std::uint8_t mask, bool on);
    static int BusyLock(const Image& image, int ch);
    static void SetBusyLock(Image& image, int ch, int mode);

    // Tone positions follow the tone list: 0 none, 1..50 CTCSS, 51..164 DCS normal,
    // 165..278 DCS inverted.
    static constexpr int kTonePositions = 279;
    static ImageTone ToneOfPosition(int position);
    // The position of a record's tone; a kind or number that is no tone of the list gives 0.
    static int PositionOfTone(ImageTone tone);
    // A position stepped past either end: above 278 wraps to 0, below 0 to 278.
    static int WrapTonePosition(int position);

private:
    static constexpr int kScanBytes = kChannelCount / 8;
    // Writes a record byte unless it holds another setting.
    static void PutRecordByte(Image& image, int at, std::uint8_t value);
    static bool Bit(const Image& image, int base, int ch);
    static void SetBit(Image& image, int base, int ch, bool on);
};

} // namespace zr40
