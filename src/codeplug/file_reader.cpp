#include "codeplug/file_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zr40 {

namespace {

FileResult ReadFailure(const FilePath& path, int error) {
    return FileResult::Failure(FileResult::FileError::CannotOpen,
                               QString::fromLocal8Bit(std::strerror(error)), path.Text());
}

FileResult NotRegular(const FilePath& path) {
    return FileResult::Failure(FileResult::FileError::NotRegular, {}, path.Text());
}

// Reads until the end of the file or until `bytes` is full; false with errno set on an error.
bool ReadUpTo(int fd, QByteArray& bytes) {
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return true;
}

} // namespace

FileResult FileReader::Read(const FilePath& path, qint64 limit, Beyond beyond, QByteArray& bytes) {
    bytes.clear();
    if (path.IsEmpty())
        return FileResult::Failure(FileResult::FileError::EmptyPath);
    // Not blocking: opening a pipe for reading would otherwise wait for a writer.
    const int fd = open(path.Native().constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return ReadFailure(path, errno);
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        const int error = errno;
        close(fd);
        return ReadFailure(path, error);
    }
    if (!S_ISREG(info.st_mode)) {
        close(fd);
        return NotRegular(path);
    }
    // One byte more than the limit tells a file that is too long, however its size changes.
    QByteArray buffer(qsizetype(std::min<qint64>(std::max<qint64>(info.st_size, 0), limit) + 1),
                      Qt::Uninitialized);
    const bool read = ReadUpTo(fd, buffer);
    const int error = errno;
    close(fd);
    if (!read)
        return ReadFailure(path, error);
    if (buffer.size() > limit) {
        if (beyond == Beyond::Refuse) {
            FileResult tooLarge =
                FileResult::Failure(FileResult::FileError::TooLarge, {}, path.Text());
            tooLarge.limit = limit;
            return tooLarge;
        }
        buffer.truncate(qsizetype(limit));
    }
    bytes = buffer;
    return FileResult::Success();
}

FileResult FileReader::CheckRegular(const FilePath& path) {
    struct stat info {};
    if (stat(path.Native().constData(), &info) != 0 || S_ISREG(info.st_mode))
        return FileResult::Success();
    return NotRegular(path);
}

} // namespace zr40
