#pragma once

#include <QString>

namespace zr40 {

// Why a file could not be read or written. The caller decides how to show it (the main
// window's "Error file！" box, the zr40 command's stderr); `Message` gives a reason a person can
// act on: the file's name and the system's own words.
struct FileResult {
    enum class FileError {
        None,
        EmptyPath,
        CannotOpen,
        NotRegular, // a folder, a device, a pipe: never read, never written over
        TooLarge,   // more than `limit` bytes where no such file can be meant
        TooShort,
        BadHeader,
        CannotWrite
    };

    FileError error = FileError::None;
    QString detail; // the operating system's own words, when there are any
    QString file;   // the file's name as people read it, when known
    qint64 limit = 0;

    bool ok() const { return error == FileError::None; }
    QString Message(bool english) const;

    static FileResult Success() { return {}; }
    static FileResult Failure(FileError error, const QString& detail = {},
                              const QString& file = {}) {
        return {error, detail, file, 0};
    }
};

} // namespace zr40
