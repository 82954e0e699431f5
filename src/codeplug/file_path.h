#pragma once

#include <QByteArray>
#include <QString>

namespace zr40 {

// A file's name as the system knows it: the bytes handed to open() and rename(). A name typed
// in a dialog comes as text; a name given on a command line comes as the bytes the shell passed,
// which need not be valid UTF-8 (a latin-1 name in a UTF-8 locale). Such bytes travel inside a
// QString as the lone surrogates U+DC80..U+DCFF (one per byte that is no UTF-8), so command-line
// parsing and string handling keep them, and the name opened is exactly the name given.
class FilePath {
public:
    FilePath() = default;
    FilePath(const QString& text); // NOLINT: every QString path converts as it is
    FilePath(const char* text) : FilePath(QString::fromUtf8(text)) {}

    static FilePath FromNative(const QByteArray& bytes);
    // A command-line argument as text that keeps every byte (see above).
    static QString ArgumentText(const char* argument);

    bool IsEmpty() const { return native_.isEmpty(); }
    const QByteArray& Native() const { return native_; }
    // The name for people to read: bytes that are no UTF-8 show as U+FFFD.
    QString Text() const;
    // The folder part ("." for a bare name) and the last part, as bytes.
    FilePath Folder() const;
    QByteArray NativeFileName() const;

private:
    QByteArray native_;
};

} // namespace zr40
