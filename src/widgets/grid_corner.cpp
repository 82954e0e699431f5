#include "widgets/grid_corner.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyleOptionHeader>

namespace zr40 {

void PaintGridCorner(QAbstractButton* corner, const QString& text) {
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.state |= QStyle::State_Enabled; // the button is disabled, its caption is not
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner->rect();
    option.text = text;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

} // namespace zr40
