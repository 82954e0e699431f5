#pragma once

#include "codeplug/codeplug.h"

#include <QString>
#include <array>

namespace zr40 {

// The two-line power-on message in the model image: line 1 at bytes 768..799, line 2 at
// 800..831, one byte per character (its ASCII code), 255 after the end of a line. There is no
// terminator and no length byte.
class EmbeddedMessageRules {
public:
    using Image = decltype(Codeplug::RadioImage);
    using Lines = std::array<QString, 2>;

    static constexpr int kFirstByte = 768;
    static constexpr int kLineLength = 32;
    static constexpr std::uint8_t kUnused = 255;

    // The two message lines: bytes 20..126 are characters, every other byte is skipped, so the
    // characters after a skipped byte move up.
    static Lines MessageLines(const Image& image);
    // Writes both lines: all 64 bytes 255 first, then each line's characters from its start.
    // Characters a load would skip are dropped and a line keeps at most 32.
    static void StoreLines(Image& image, const Lines& lines);

    // A character that can be typed into the message: printable ASCII. Others (Chinese
    // characters, accented letters) have no single-byte code the radio shows.
    static bool Accepts(QChar c);
};

} // namespace zr40
