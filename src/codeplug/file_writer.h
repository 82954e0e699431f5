#pragma once

#include "codeplug/file_path.h"
#include "codeplug/file_result.h"

#include <QByteArray>

namespace zr40 {

// The one way either program writes a file: the new content goes into a temporary file beside
// the target, every write is checked, the file is synced to the disk, renamed over the target
// and the folder synced. On any failure the temporary file goes, the old file is left as it
// was, and the result names the file and gives the system's reason. Success means the bytes are
// on the disk.
//
// Written at the level of the system calls: a buffered QSaveFile of Qt 6.4 can lose a write
// error that only surfaces when it commits, and then reports a truncated file as saved.
class FileWriter {
public:
    static FileResult Write(const FilePath& path, const QByteArray& bytes);

    enum class Claim { Claimed, Taken, Failed };
    // Creates `path` as an empty file when no file of that name exists, in one step no other
    // program can come between (the name is then this caller's to Write). Failed fills *failure.
    static Claim ClaimName(const FilePath& path, FileResult* failure);
};

} // namespace zr40
