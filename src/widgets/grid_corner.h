#pragma once

#include <QString>

class QAbstractButton;

namespace zr40 {

// Paints a grid's corner button as a header section with a caption. Qt keeps the corner button
// disabled, which would grey the caption; the grids show it like their other headers.
void PaintGridCorner(QAbstractButton* corner, const QString& text);

} // namespace zr40
