#include "functions/embedded_message_rules.h"

namespace zr40 {

namespace {

// Bytes below 20 and above 126 are no characters of the message.
constexpr int kLowestShown = 20;
constexpr int kHighestShown = 126;
constexpr int kLowestTyped = 32; // a space

bool Storable(char16_t code) {
    return code >= kLowestShown && code <= kHighestShown;
}

// What a load shows, so that storing what was loaded gives the same bytes.
QString StorableLine(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (Storable(c.unicode()) && kept.size() < EmbeddedMessageRules::kLineLength)
            kept.append(c);
    }
    return kept;
}

} // namespace

EmbeddedMessageRules::Lines EmbeddedMessageRules::MessageLines(const Image& image) {
    Lines lines;
    for (int k = 0; k < 2 * kLineLength; ++k) {
        const std::uint8_t byte = image[kFirstByte + k];
        if (Storable(byte))
            lines[k / kLineLength].append(QChar(byte));
    }
    return lines;
}

void EmbeddedMessageRules::StoreLines(Image& image, const Lines& lines) {
    std::fill(image.begin() + kFirstByte, image.begin() + kFirstByte + 2 * kLineLength, kUnused);
    for (int line = 0; line < 2; ++line) {
        const QString kept = StorableLine(lines[line]);
        for (int k = 0; k < kept.size(); ++k)
            image[kFirstByte + line * kLineLength + k] =
                static_cast<std::uint8_t>(kept.at(k).unicode());
    }
}

bool EmbeddedMessageRules::Accepts(QChar c) {
    return c.unicode() >= kLowestTyped && c.unicode() <= kHighestShown;
}

} // namespace zr40
