#include "widgets/key_filter_edit.h"

#include "codeplug/key_filter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace zr40 {

namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

KeyFilterEdit::KeyFilterEdit(int kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setDragEnabled(false);
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
        if (!c.isPrint())
            continue;
        const int key = KeyFilter(out, 0, c.unicode(), kind_, separator_);
        if (key != 0)
            out.append(QChar(key));
    }
    return out;
}

bool KeyFilterEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void KeyFilterEdit::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event->key())) {
        emit enterPressed();
        event->accept();
        return;
    }
    // Escape gives up what was typed; with nothing typed it goes on to close the dialog.
    if (event->key() == Qt::Key_Escape && isModified()) {
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
    if (Leaving(*event))
        emit focusLost();
}

bool KeyFilterEdit::Leaving(const QFocusEvent& event) {
    return event.reason() != Qt::PopupFocusReason && event.reason() != Qt::MenuBarFocusReason;
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

void KeyFilterEdit::InsertFiltered(const QString& text) {
    // Backspace and Enter pass the key filter as keys; inside inserted text they are no digits.
    for (const QChar c : text) {
        if (c.isPrint())
            TypeCharacter(c);
    }
}

void KeyFilterEdit::pasteFiltered() {
    InsertFiltered(QGuiApplication::clipboard()->text());
}

void KeyFilterEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The X11 middle-click paste inserts the primary selection without going through the keys.
    if (event->button() == Qt::MiddleButton && !isReadOnly()) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) {
            deselect();
            InsertFiltered(clipboard->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void KeyFilterEdit::dropEvent(QDropEvent* event) {
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    InsertFiltered(event->mimeData()->text());
    // Copied, never moved: the source keeps its text whatever this box kept of it.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setFocus(Qt::OtherFocusReason);
}

void KeyFilterEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (committed.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition still shows as the input method draws it; what it commits is filtered.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    InsertFiltered(committed);
    event->accept();
}

void KeyFilterEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // Qt names the menu's actions only from 6.5 on; before that the paste entry is known by its
    // text as Qt's own catalogue words it (a named context: the text is not ours to translate).
    static constexpr char kQtContext[] = "QLineEdit";
    const QString paste = QCoreApplication::translate(kQtContext, "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            (!action->isSeparator() && action->text().startsWith(paste))) {
            action->disconnect();
            connect(action, &QAction::triggered, this, &KeyFilterEdit::pasteFiltered);
        } else if (action->menu()) {
            // Inserting Unicode control characters is no entry of a radio value.
            menu->removeAction(action);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace zr40
