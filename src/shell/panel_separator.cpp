#include "shell/panel_separator.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace zr40 {

PanelSeparator::PanelSeparator(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SplitHCursor);
    setFixedWidth(5);
}

void PanelSeparator::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !parentWidget())
        return;
    const QPoint inParent = mapToParent(event->position().toPoint());
    emit dragged(inParent.x());
}

void PanelSeparator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().mid().color());
    painter.drawLine(width() / 2, 0, width() / 2, height());
}

} // namespace zr40
