#include "widgets/key_filter_edit.h"

#include "codeplug/key_filter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace zr40 {

namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

KeyFilterEdit::KeyFilterEdit(int kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setDragEnabled(false);
    setAcceptDrops(false);
}

void KeyFilterEdit::setKind(int kind) {
    kind_ = kind;
}

void KeyFilterEdit::setDecimalSeparator(QChar separator) {
    separator_ = separator;
}

QString KeyFilterEdit::filtered(const QString& text) const {
    QString out;
    for (const QChar c : text) {
        const int key = KeyFilter(out, 0, c.unicode(), kind_, separator_);
        if (key != 0)
            out.append(QChar(key));
    }
    return out;
}

void KeyFilterEdit::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event->key())) {
        emit enterPressed();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable = typed.size() == 1 && typed.at(0).isPrint();
    if (!printable || event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    TypeCharacter(typed.at(0));
    event->accept();
}

void KeyFilterEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (the context menu) takes the focus without the user leaving the box.
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}

void KeyFilterEdit::TypeCharacter(QChar c) {
    // The key replaces the selection, so the filter judges the text without it: a separator
    // typed over a selected frequency is the first separator of the new text.
    QString remaining = text();
    if (hasSelectedText())
        remaining.remove(selectionStart(), selectionLength());
    const int key = KeyFilter(remaining, selectionLength(), c.unicode(), kind_, separator_);
    if (key != 0)
        insert(QString(QChar(key)));
}

void KeyFilterEdit::pasteFiltered() {
    const QString pasted = QGuiApplication::clipboard()->text();
    for (const QChar c : pasted)
        TypeCharacter(c);
}

void KeyFilterEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, &KeyFilterEdit::pasteFiltered);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace zr40
