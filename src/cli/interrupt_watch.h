#pragma once

#include <QObject>
#include <csignal>

class QSocketNotifier;

namespace zr40 {

// While it lives, Ctrl+C (SIGINT) and SIGTERM no longer end the program at once: they emit
// interrupted() on the event loop, once for each, so that a transfer can be stopped and its state
// told. The signal handlers only write a byte into a pipe; everything else runs on the event loop.
class InterruptWatch : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatch(QObject* parent = nullptr);
    ~InterruptWatch() override;

    bool Interrupted() const { return interrupted_; }

signals:
    void interrupted();

private:
    void OnReadable();

    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
    bool interrupted_ = false;
};

} // namespace zr40
