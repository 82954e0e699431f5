#include "widgets/window_state_recorder.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>

namespace zr40 {

WindowStateRecorder::WindowStateRecorder(Codeplug& codeplug, QWidget* page)
    : QObject(page), codeplug_(codeplug), page_(page) {
    page_->installEventFilter(this);
}

std::int16_t WindowStateRecorder::StateCode(Qt::WindowStates states) {
    if (states.testFlag(Qt::WindowMinimized))
        return 1;
    if (states.testFlag(Qt::WindowMaximized))
        return 2;
    return 0;
}

Qt::WindowStates WindowStateRecorder::WindowStatesOf(std::int16_t code) {
    if (code == 1)
        return Qt::WindowMinimized;
    if (code == 2)
        return Qt::WindowMaximized;
    return Qt::WindowNoState;
}

QWidget* WindowStateRecorder::Host() const {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(page_->parentWidget()))
        return sub;
    return page_->window();
}

void WindowStateRecorder::WatchHost() {
    QWidget* host = Host();
    if (host == watchedHost_ || host == page_)
        return;
    if (watchedHost_)
        watchedHost_->removeEventFilter(this);
    watchedHost_ = host;
    host->installEventFilter(this);
}

void WindowStateRecorder::Record() {
    codeplug_.ChildWindowState = StateCode(Host()->windowState());
}

bool WindowStateRecorder::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ParentChange:
    case QEvent::Show:
        if (watched == page_)
            WatchHost();
        break;
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        Record();
        break;
    default:
        break;
    }
    return false;
}

} // namespace zr40
