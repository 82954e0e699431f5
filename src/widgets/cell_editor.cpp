#include "widgets/cell_editor.h"

#include <QWidget>

namespace zr40 {

void HideCellEditor(QWidget* editor, QWidget* grid) {
    const QWidget* focus = editor->window()->focusWidget();
    if (focus && (focus == editor || editor->isAncestorOf(focus)))
        grid->setFocus();
    editor->hide();
}

} // namespace zr40
