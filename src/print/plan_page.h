#pragma once

#include <QList>
#include <QRectF>
#include <QStringList>

namespace zr40 {

// One line placed on a page of the printed plan, in the paint device's units, measured from the
// top left corner of the printable area.
struct PlanLine {
    enum class Kind { Title, Caption, HeaderRow, Row };
    Kind kind = Kind::Row;
    int section = 0; // index into the plan's sections
    int table = 0;   // index into that section's tables
    int row = -1;    // index into the table's rows (Row lines only)
    QRectF rect;
    QStringList cells;    // one text per column; titles and captions have one
    QList<qreal> columns; // left edge of each column, then the right edge of the last
};

struct PlanPage {
    QList<PlanLine> lines;
};

} // namespace zr40
