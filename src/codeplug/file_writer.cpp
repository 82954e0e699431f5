#include "codeplug/file_writer.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zr40 {

namespace {

constexpr int kNameTries = 100;
constexpr size_t kChunk = 1 << 20;

FileResult WriteFailure(const FilePath& path, int error) {
    return FileResult::Failure(FileResult::FileError::CannotWrite,
                               QString::fromLocal8Bit(std::strerror(error)), path.Text());
}

// The file a name stands for: a symbolic link is written through, as an editor saves it.
FilePath ResolvedTarget(const FilePath& path) {
    struct stat link {};
    if (lstat(path.Native().constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char* real = realpath(path.Native().constData(), nullptr);
    if (!real)
        return path;
    const FilePath resolved = FilePath::FromNative(QByteArray(real));
    std::free(real);
    return resolved;
}

// A new file beside the target under a short name, so that a target name near the system's
// limit still leaves room for it. -1 with errno set when none can be made.
int CreateTemporary(const FilePath& folder, QByteArray& name) {
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        name = folder.Native() + "/.zr40-" +
               QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = write(fd, data, std::min(left, kChunk));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= size_t(n);
    }
    return true;
}

// The rename is only on the disk once the folder is; a folder that cannot be synced (some
// file systems refuse it) is left as the system keeps it.
bool SyncFolder(const FilePath& folder) {
    const int fd = open(folder.Native().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool synced = fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int error = errno;
    close(fd);
    errno = error;
    return synced;
}

} // namespace

FileResult FileWriter::Write(const FilePath& path, const QByteArray& bytes) {
    if (path.IsEmpty())
        return FileResult::Failure(FileResult::FileError::EmptyPath);
    const FilePath target = ResolvedTarget(path);
    struct stat old {};
    const bool exists = stat(target.Native().constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return FileResult::Failure(FileResult::FileError::NotRegular, {}, path.Text());
    const FilePath folder = target.Folder();
    QByteArray temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0)
        return WriteFailure(path, errno);
    if (exists)
        fchmod(fd, old.st_mode & 07777); // the file keeps who may read it; not every disk can
    bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && rename(temporary.constData(), target.Native().constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        unlink(temporary.constData());
        return WriteFailure(path, error);
    }
    if (!SyncFolder(folder))
        return WriteFailure(path, errno);
    return FileResult::Success();
}

FileWriter::Claim FileWriter::ClaimName(const FilePath& path, FileResult* failure) {
    const int fd = open(path.Native().constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        close(fd);
        return Claim::Claimed;
    }
    if (errno == EEXIST)
        return Claim::Taken;
    if (failure)
        *failure = WriteFailure(path, errno);
    return Claim::Failed;
}

} // namespace zr40
