#include "codeplug/file_path.h"

#include <QFile>

namespace zr40 {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// A low surrogate that stands for one raw byte 0x80..0xFF.
bool IsEscapedByte(const QString& text, qsizetype i) {
    const char16_t c = text[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF &&
           (i == 0 || !text[i - 1].isHighSurrogate());
}

// Bytes in a UTF-8 sequence that starts with `lead`; 1 for a byte that starts none.
int SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    return lead >= 0xC2 && lead <= 0xDF ? 2 : 1;
}

} // namespace

FilePath::FilePath(const QString& text) {
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsEscapedByte(text, i))
            continue;
        native_ += QFile::encodeName(text.mid(plainFrom, i - plainFrom));
        native_ += char(text[i].unicode() - kEscapeBase);
        plainFrom = i + 1;
    }
    native_ += QFile::encodeName(text.mid(plainFrom));
}

FilePath FilePath::FromNative(const QByteArray& bytes) {
    FilePath path;
    path.native_ = bytes;
    return path;
}

QString FilePath::ArgumentText(const char* argument) {
    const QByteArray bytes(argument);
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text += QLatin1Char(char(lead));
            ++i;
            continue;
        }
        // A sequence is taken when it decodes and encodes back to the same bytes, which rules
        // out overlong forms, surrogates and cut-off sequences.
        const QByteArray sequence = bytes.mid(i, SequenceLength(lead));
        const QString decoded = QString::fromUtf8(sequence);
        if (sequence.size() > 1 && decoded.toUtf8() == sequence) {
            text += decoded;
            i += sequence.size();
        } else {
            text += QChar(char16_t(kEscapeBase + lead));
            ++i;
        }
    }
    return text;
}

QString FilePath::Text() const {
    return QFile::decodeName(native_);
}

FilePath FilePath::Folder() const {
    const qsizetype slash = native_.lastIndexOf('/');
    if (slash < 0)
        return FromNative(QByteArrayLiteral("."));
    return FromNative(slash == 0 ? QByteArrayLiteral("/") : native_.left(slash));
}

QByteArray FilePath::NativeFileName() const {
    return native_.mid(native_.lastIndexOf('/') + 1);
}

} // namespace zr40
