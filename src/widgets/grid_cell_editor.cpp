#include "widgets/grid_cell_editor.h"

#include "codeplug/key_filter.h"
#include "widgets/combo_fill.h"
#include "widgets/key_filter_edit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableWidget>

namespace zr40 {

namespace {

using Kind = CellEditorSpec::Kind;

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Holds the editors over the cell. A key an editor leaves alone (Page Down in a text box) would
// go on to the grid and move its current cell away from the open editor; here it ends. F1 goes
// on, to the page's help.
class EditorHost : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_F1)
            event->ignore();
        else
            event->accept();
    }
};

} // namespace

GridCellEditor::GridCellEditor(QTableWidget* grid, CellRules& rules)
    : grid_(grid), rules_(rules), host_(new EditorHost(grid->viewport())),
      text_(new KeyFilterEdit(KeyFilterKind::Frequency, host_)), list_(new QComboBox(host_)) {
    host_->setObjectName(QStringLiteral("CellEditor"));
    text_->setObjectName(QStringLiteral("Text1"));
    list_->setObjectName(QStringLiteral("Combo1"));
    list_->setMaxVisibleItems(16);
    host_->hide();
    text_->hide();
    list_->hide();
    for (QObject* watched :
         {static_cast<QObject*>(grid_), static_cast<QObject*>(text_), static_cast<QObject*>(list_)})
        watched->installEventFilter(this);
    connect(list_, &QComboBox::activated, this, [this] { chosen_ = true; });
    connect(grid_, &QTableWidget::currentCellChanged, this, &GridCellEditor::CurrentCellChanged);
    for (QScrollBar* bar : {grid_->verticalScrollBar(), grid_->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (!moving_)
                Commit();
        });
    }
}

GridCellEditor::~GridCellEditor() {
    // The page goes first; an editor losing the focus as the grid is torn down must not call it.
    for (QObject* watched :
         {static_cast<QObject*>(grid_), static_cast<QObject*>(text_), static_cast<QObject*>(list_)})
        watched->removeEventFilter(this);
}

// --- Opening ---

void GridCellEditor::Open(const GridCell& asked) {
    Commit();
    if (!asked.IsValid())
        return;
    const CellEditorSpec request = rules_.EditorFor(asked);
    if (request.kind == Kind::None) {
        rules_.Activate(request.cell.IsValid() ? request.cell : asked);
        return;
    }
    Show(request);
}

void GridCellEditor::Show(const CellEditorSpec& request) {
    moving_ = true;
    grid_->setCurrentCell(request.cell.row, request.cell.column);
    const QModelIndex index = grid_->model()->index(request.cell.row, request.cell.column);
    grid_->scrollTo(index);
    moving_ = false;
    cell_ = request.cell;
    kind_ = request.kind;
    chosen_ = false;
    host_->setGeometry(grid_->visualRect(index));
    if (kind_ == Kind::Text) {
        text_->setKind(request.filterKind);
        text_->setDecimalSeparator(request.separator);
        text_->setText(request.text);
        text_->setModified(false);
    } else {
        ComboFill::Replace(*list_, request.items);
        const int item = list_->findText(request.text);
        // The placeholder goes first: clearing it while nothing is chosen would choose item 0.
        list_->setPlaceholderText(request.keepUnlisted && item < 0 ? request.text : QString());
        list_->setCurrentIndex(request.keepUnlisted ? item : qMax(item, 0));
        // Typing searches this list afresh, not on from what was typed into another cell.
        list_->view()->keyboardSearch(QString());
    }
    QWidget* editor = Editor();
    text_->setVisible(editor == text_);
    list_->setVisible(editor == list_);
    editor->setGeometry(host_->rect());
    host_->show();
    editor->setFocus();
    if (kind_ == Kind::Text)
        text_->selectAll();
    rules_.Opened(cell_);
}

QWidget* GridCellEditor::Editor() const {
    switch (kind_) {
    case Kind::Text:
        return text_;
    case Kind::List:
        return list_;
    case Kind::None:
        break;
    }
    return nullptr;
}

// --- Closing ---

void GridCellEditor::Close() {
    QWidget* editor = Editor();
    cell_ = {};
    kind_ = Kind::None;
    if (!editor)
        return;
    // The grid takes the keyboard before the editor goes: hiding a focused child of the grid
    // would pass the focus on with a Tab. The page's window need not be the active one (no window
    // manager, another window in front), so the window says where its keyboard focus is.
    const QWidget* focus = editor->window()->focusWidget();
    if (focus && (focus == editor || editor->isAncestorOf(focus)))
        grid_->setFocus();
    editor->hide();
    host_->hide();
}

bool GridCellEditor::Finish(bool byEnter) {
    if (!IsOpen())
        return false;
    CellCommit commit;
    commit.cell = cell_;
    commit.byEnter = byEnter;
    if (kind_ == Kind::Text) {
        commit.text = text_->text();
        commit.changed = text_->isModified();
    } else {
        commit.text = list_->currentText();
        commit.index = list_->currentIndex();
        commit.changed = chosen_;
    }
    // Closed before the page stores it: a message the commit shows takes the focus from nothing.
    Close();
    rules_.Commit(commit);
    return true;
}

void GridCellEditor::Commit() {
    Finish(false);
}

void GridCellEditor::Cancel() {
    Close();
}

// --- Moving ---

void GridCellEditor::EnterPressed() {
    const GridCell from = cell_;
    Finish(true);
    const CellMove move = rules_.AfterEnter(from);
    if (!move.cell.IsValid())
        return;
    MoveTo(move.cell);
    if (move.open)
        Open(move.cell);
}

void GridCellEditor::FinishAndStep(int rows, int columns) {
    const GridCell next = Neighbour(cell_, rows, columns);
    Finish(false);
    MoveTo(next);
}

void GridCellEditor::MoveTo(const GridCell& cell) {
    moving_ = true;
    grid_->setCurrentCell(cell.row, cell.column);
    moving_ = false;
    grid_->setFocus();
}

GridCell GridCellEditor::Neighbour(const GridCell& from, int rows, int columns) const {
    const int lastRow = grid_->rowCount() - 1;
    const int lastColumn = grid_->columnCount() - 1;
    GridCell next{qBound(0, from.row + rows, lastRow), from.column + columns};
    // Along the row, then on to the next (or back to the previous) row; the corners stay.
    if (next.column > lastColumn)
        next = next.row < lastRow ? GridCell{next.row + 1, 0} : from;
    else if (next.column < 0)
        next = next.row > 0 ? GridCell{next.row - 1, lastColumn} : from;
    return next;
}

void GridCellEditor::CurrentCellChanged(int row, int column) {
    if (IsOpen() && !moving_ && GridCell{row, column} != cell_)
        Commit();
}

// --- Keys ---

bool GridCellEditor::GridKeyPress(QKeyEvent* event) {
    const GridCell current{grid_->currentRow(), grid_->currentColumn()};
    if (IsOpen() || !current.IsValid())
        return false;
    if (IsEnterKey(event->key()) || event->key() == Qt::Key_F2) {
        Open(current);
        return true;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !typed.at(0).isPrint() ||
        event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier))
        return false;
    TypeInto(current, event);
    // Not the grid's own search by the key either: that would move the current cell.
    return true;
}

void GridCellEditor::TypeInto(const GridCell& cell, QKeyEvent* event) {
    const QChar typed = event->text().at(0);
    const CellEditorSpec request = rules_.EditorFor(cell);
    if (request.kind == Kind::None ||
        (request.kind == Kind::Text &&
         KeyFilter(QString(), 0, typed.unicode(), request.filterKind, request.separator) == 0))
        return;
    Open(cell);
    if (kind_ == Kind::Text) {
        text_->TypeCharacter(typed);
    } else if (kind_ == Kind::List) {
        // The list searches its items by what is typed, the first key included.
        QKeyEvent key(QEvent::KeyPress, event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(list_, &key);
    }
}

bool GridCellEditor::EditorKeyPress(QKeyEvent* event) {
    const int key = event->key();
    if (IsEnterKey(key)) {
        EnterPressed();
        return true;
    }
    if (key == Qt::Key_Escape) {
        Cancel();
        return true;
    }
    if (event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool text = kind_ == Kind::Text;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        FinishAndStep(0, key == Qt::Key_Tab ? 1 : -1);
    else if (text && (key == Qt::Key_Up || key == Qt::Key_Down))
        FinishAndStep(key == Qt::Key_Down ? 1 : -1, 0);
    else if (!text && (key == Qt::Key_Left || key == Qt::Key_Right))
        FinishAndStep(0, key == Qt::Key_Right ? 1 : -1);
    else
        return false;
    return true;
}

bool GridCellEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_) {
        if (event->type() == QEvent::KeyPress)
            return GridKeyPress(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (!IsOpen() || watched != Editor())
        return false;
    if (event->type() == QEvent::KeyPress)
        return EditorKeyPress(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut &&
        KeyFilterEdit::Leaving(*static_cast<QFocusEvent*>(event)))
        Commit();
    return false;
}

} // namespace zr40
