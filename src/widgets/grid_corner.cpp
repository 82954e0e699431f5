#include "widgets/grid_corner.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableView>

namespace zr40 {

GridCorner::GridCorner(QObject* corner, std::function<QString()> caption)
    : QObject(corner), caption_(std::move(caption)) {
    corner->installEventFilter(this);
}

void GridCorner::Caption(QTableView* grid, std::function<QString()> caption) {
    if (auto* corner = grid->findChild<QAbstractButton*>())
        new GridCorner(corner, std::move(caption));
}

bool GridCorner::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (!corner || event->type() != QEvent::Paint)
        return false;
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.state |= QStyle::State_Enabled; // the button is disabled, its caption is not
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner->rect();
    option.text = caption_();
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
}

} // namespace zr40
