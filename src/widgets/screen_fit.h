#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace zr40 {

// Every window of the application opens inside the available area of its screen (the screen
// less panels and docks), shrunk where it is larger; a window's smallest size gives way to a
// smaller screen (its contents scroll). A large scale factor on a small screen leaves little
// room: 1280x800 at 1.5 is about 853x533.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    // From now on every window is fitted as it is shown.
    static void Install();
    // Fits one window now (before it is shown, as the main window does).
    static void Fit(QWidget* window);

    // The rule alone: `geometry` (the window without its frame) moved and shrunk so that with
    // `frame` it lies in `room`; `minimum` is lowered where it does not fit. A window that was
    // not placed yet (`placed` false) keeps its position for the window manager to choose.
    struct Placement {
        QRect geometry;
        QSize minimum;
    };
    static Placement Fitted(const QRect& geometry, const QSize& minimum, const QMargins& frame,
                            const QRect& room, bool placed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static void Apply(QWidget* window, bool size, bool place);
};

} // namespace zr40
