#pragma once

#include <QLineEdit>

namespace zr40 {

// A text box that lets through only what the radio field can hold: every typed character passes
// KeyFilter of its kind (refused keys are dropped, lower-case hex letters come out upper-case),
// and text arriving any other way (paste by key or menu, the middle-click paste of the primary
// selection, drag and drop, an input method) is filtered the same way, character by character.
// Text set by the program is shown as it is: a value read from the radio may hold characters the
// user cannot type (a key with hex letters), and filtering it would silently change the value on
// the next commit.
//
// It reports Enter, Escape and the loss of focus as signals, so that an owner can commit on
// Enter or on leaving the box and cancel on Escape. Undo and Redo keys take back typing in the
// box; with no typing to take back they are the window's (Edit > Undo), not lost in the box.
class KeyFilterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyFilterEdit(int kind, QWidget* parent = nullptr);

    int kind() const { return kind_; }
    void setKind(int kind);
    QChar decimalSeparator() const { return separator_; }
    void setDecimalSeparator(QChar separator);

    // Types one character as if from the keyboard: filtered, replacing the selection.
    void TypeCharacter(QChar c);
    // Inserts text from outside the keyboard as if it were typed: what the kind refuses, control
    // characters included, is left out.
    void InsertFiltered(const QString& text);

    // Text as it would remain after typing `text` into an empty box one character at a time.
    QString filtered(const QString& text) const;

    // Whether a loss of focus is the user leaving the field: a popup (a list's own, a context
    // menu) or the menu bar taking the keyboard (a menu opened, then closed by Escape) is not.
    static bool Leaving(const QFocusEvent& event);

signals:
    void enterPressed();
    void escapePressed();
    void focusLost();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void pasteFiltered();

    int kind_;
    QChar separator_ = QLatin1Char('.');
};

} // namespace zr40
