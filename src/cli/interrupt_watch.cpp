#include "interrupt_watch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zr40 {

namespace {

int wakeFds[2] = {-1, -1};

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(wakeFds[1], &byte, 1);
    errno = saved;
}

} // namespace

InterruptWatch::InterruptWatch(QObject* parent) : QObject(parent) {
    if (pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their usual effect
    notifier_ = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &InterruptWatch::OnReadable);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInt_);
    sigaction(SIGTERM, &action, &previousTerm_);
}

InterruptWatch::~InterruptWatch() {
    if (!notifier_)
        return;
    sigaction(SIGINT, &previousInt_, nullptr);
    sigaction(SIGTERM, &previousTerm_, nullptr);
    delete notifier_;
    close(wakeFds[0]);
    close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

void InterruptWatch::OnReadable() {
    char bytes[16];
    while (read(wakeFds[0], bytes, sizeof bytes) > 0) {
    }
    // Each Ctrl+C is told: a fleet session takes the second as "stop now".
    interrupted_ = true;
    emit interrupted();
}

} // namespace zr40
