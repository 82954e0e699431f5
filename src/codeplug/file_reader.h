#pragma once

#include "codeplug/file_path.h"
#include "codeplug/file_result.h"

#include <QByteArray>

namespace zr40 {

// The one way either program reads a file someone named: only a regular file is read (a pipe,
// a device or a folder is refused at once, never waited on), and never more than a limit, so no
// input can hang a program or take its memory.
class FileReader {
public:
    // What lies beyond the limit: a radio data file needs only its first bytes (Ignore); a text
    // that does not fit is no file the program can mean (Refuse, TooLarge).
    enum class Beyond { Ignore, Refuse };

    static FileResult Read(const FilePath& path, qint64 limit, Beyond beyond, QByteArray& bytes);
    // Ok when `path` is a regular file or there is nothing of that name; NotRegular for anything
    // else. Waits for nothing.
    static FileResult CheckRegular(const FilePath& path);
};

} // namespace zr40
