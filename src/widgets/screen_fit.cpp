#include "widgets/screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace zr40 {

namespace {

// The window manager's frame, as long as the window has none yet: a title bar and thin
// borders. Platforms without a window manager draw none.
QMargins FrameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    if (frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    const QString platform = QGuiApplication::platformName();
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint) ||
        platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {};
    return {4, 30, 4, 4};
}

bool Fits(const QWidget* widget) {
    if (!widget->isWindow() || widget->isMaximized() || widget->isFullScreen())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

} // namespace

void ScreenFit::Install() {
    static ScreenFit* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new ScreenFit(qApp);
    qApp->installEventFilter(filter);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    // The size now, before the window places itself (a dialog centres itself over its parent
    // as it is shown); the place once it has.
    auto* window = static_cast<QWidget*>(watched);
    Apply(window, true, false);
    QTimer::singleShot(0, window, [window] { Apply(window, false, true); });
    return QObject::eventFilter(watched, event);
}

void ScreenFit::Fit(QWidget* window) {
    Apply(window, true, true);
}

void ScreenFit::Apply(QWidget* window, bool size, bool place) {
    if (!Fits(window))
        return;
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const bool fixed = window->minimumSize() == window->maximumSize();
    // A dialog has placed itself over its parent (Qt leaves it unmarked as moved).
    const bool placed = window->testAttribute(Qt::WA_Moved) || window->windowType() == Qt::Dialog;
    const Placement placement = Fitted(window->geometry(), window->minimumSize(), FrameOf(window),
                                       screen->availableGeometry(), placed);
    // A window of fixed size (its layout decides it) only moves.
    if (size && !fixed && placement.minimum != window->minimumSize())
        window->setMinimumSize(placement.minimum);
    if (size && !fixed && placement.geometry.size() != window->size())
        window->resize(placement.geometry.size());
    if (place && placed && placement.geometry.topLeft() != window->geometry().topLeft())
        window->move(placement.geometry.topLeft() - (window->geometry().topLeft() - window->pos()));
}

ScreenFit::Placement ScreenFit::Fitted(const QRect& geometry, const QSize& minimum,
                                       const QMargins& frame, const QRect& room, bool placed) {
    const QRect inside = room.marginsRemoved(frame);
    const QSize largest = inside.size().expandedTo(QSize(1, 1));
    Placement fitted{geometry, minimum.boundedTo(largest)};
    fitted.geometry.setSize(geometry.size().boundedTo(largest));
    if (!placed)
        return fitted;
    QPoint at = fitted.geometry.topLeft();
    at.setX(qBound(inside.left(), at.x(), inside.right() - fitted.geometry.width() + 1));
    at.setY(qBound(inside.top(), at.y(), inside.bottom() - fitted.geometry.height() + 1));
    fitted.geometry.moveTopLeft(at);
    return fitted;
}

} // namespace zr40
