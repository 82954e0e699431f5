#pragma once

#include "codeplug/file_path.h"

#include <QtGlobal>

namespace zr40 {

// A file as it stood at one moment: which file the name led to, its size and its modification
// time. A program that kept the stamp of the file it opened or saved tells by a new stamp
// whether another program has written the file since.
struct FileStamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    static FileStamp Of(const FilePath& path);
    bool operator==(const FileStamp& other) const = default;
};

} // namespace zr40
