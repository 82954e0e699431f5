#pragma once

class QWidget;

namespace zr40 {

// Hides an in-cell editor of a grid and gives the keyboard back to the grid when the editor had
// it. The grid takes the focus before the editor goes: hiding a focused child of the grid would
// pass the focus on with a Tab and move the current cell. The editor's window need not be the
// active one (no window manager, another window in front), so the window, not the application,
// says where its keyboard focus is.
void HideCellEditor(QWidget* editor, QWidget* grid);

} // namespace zr40
