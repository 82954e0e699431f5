#pragma once

#include <QString>

namespace zr40 {

// Why a radio data file could not be read or written. The caller decides how to show it (the
// main window's "Error file！" box, the zr40 command's stderr); `Message` gives a reason a person
// can act on.
struct FileResult {
    enum class FileError { None, EmptyPath, CannotOpen, TooShort, BadHeader, CannotWrite };

    FileError error = FileError::None;
    QString detail; // the operating system's own words, when there are any

    bool ok() const { return error == FileError::None; }
    QString Message(bool english) const;

    static FileResult Success() { return {}; }
    static FileResult Failure(FileError error, const QString& detail = {}) {
        return {error, detail};
    }
};

} // namespace zr40
