#include "sim/server/pseudo_terminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zr40 {

namespace {

QString SystemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

} // namespace

PseudoTerminal::~PseudoTerminal() {
    Close();
}

bool PseudoTerminal::Open(QString* error) {
    Close();
    termios mode{};
    cfmakeraw(&mode);
    cfsetispeed(&mode, B115200);
    cfsetospeed(&mode, B115200);
    char name[256] = {};
    if (openpty(&master_, &slave_, name, &mode, nullptr) != 0) {
        *error = SystemError("openpty");
        master_ = slave_ = -1;
        return false;
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    devicePath_ = QString::fromLocal8Bit(name);
    return true;
}

bool PseudoTerminal::CreateLink(const QString& path, QString* error) {
    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        QFile::remove(path);
    } else if (existing.exists()) {
        *error = QStringLiteral("%1 exists and is not a symlink; not replacing it").arg(path);
        return false;
    }
    if (symlink(QFile::encodeName(devicePath_).constData(), QFile::encodeName(path).constData())) {
        *error = SystemError("symlink");
        return false;
    }
    linkPath_ = path;
    return true;
}

void PseudoTerminal::RemoveLink() {
    if (linkPath_.isEmpty())
        return;
    // Only our own link: somebody may have put another one there since.
    if (QFileInfo(linkPath_).symLinkTarget() == devicePath_)
        QFile::remove(linkPath_);
    linkPath_.clear();
}

void PseudoTerminal::Close() {
    RemoveLink();
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = slave_ = -1;
}

QByteArray PseudoTerminal::ReadAvailable() {
    QByteArray bytes;
    char chunk[1024];
    while (master_ >= 0) {
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n <= 0)
            break;
        bytes.append(chunk, n);
    }
    return bytes;
}

bool PseudoTerminal::WriteAll(const QByteArray& bytes) {
    qsizetype done = 0;
    int idleWaits = 0; // a client that stops reading must not hang the radio for ever
    while (master_ >= 0 && done < bytes.size() && idleWaits < 50) {
        const ssize_t n = ::write(master_, bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd waitForRoom{master_, POLLOUT, 0};
        if (::poll(&waitForRoom, 1, 100) == 0)
            ++idleWaits;
    }
    return done == bytes.size();
}

} // namespace zr40
