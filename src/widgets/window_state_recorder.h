#pragma once

#include "codeplug/codeplug.h"

#include <QObject>

class QWidget;

namespace zr40 {

// Keeps ChildWindowState in step with a page's window: normal, minimised or maximised. The next
// page opens the same way. A page hosted in an MDI child window takes that window's state, since
// the page widget itself is never minimised.
class WindowStateRecorder : public QObject {
    Q_OBJECT
public:
    WindowStateRecorder(Codeplug& codeplug, QWidget* page);

    // 0 normal, 1 minimised, 2 maximised.
    static std::int16_t StateCode(Qt::WindowStates states);
    // Window state to give a window opened with the recorded ChildWindowState.
    static Qt::WindowStates WindowStatesOf(std::int16_t code);

    void Record();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Host() const;
    void WatchHost();

    Codeplug& codeplug_;
    QWidget* page_;
    QObject* watchedHost_ = nullptr;
};

} // namespace zr40
