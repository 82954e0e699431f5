#include "codeplug/file_stamp.h"

#include <sys/stat.h>

namespace zr40 {

FileStamp FileStamp::Of(const FilePath& path) {
    struct stat info {};
    if (path.IsEmpty() || stat(path.Native().constData(), &info) != 0)
        return {};
    return {true, quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

} // namespace zr40
