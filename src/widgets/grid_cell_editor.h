#pragma once

#include "widgets/cell_rules.h"

#include <QObject>

class QComboBox;
class QKeyEvent;
class QTableWidget;
class QWidget;

namespace zr40 {

class KeyFilterEdit;

// Editing a grid's cells in place, the same way in every grid: a filtered text box or a
// drop-down list laid over the cell, opened by a click, Enter, F2 or a typed key (which the
// editor then takes as its first key), committed by Enter, by leaving it or by moving on, and
// given up by Escape.
//
// An open editor always sits on the grid's current cell. In a text box Left and Right move the
// caret; Up and Down (in a list they choose the item), Tab and Shift+Tab commit and move on as a
// spreadsheet does; Enter commits and goes where the page says. Whatever else moves the current
// cell or scrolls the grid commits the edit first, so a value never lands in a cell the user has
// left.
class GridCellEditor : public QObject {
    Q_OBJECT
public:
    GridCellEditor(QTableWidget* grid, CellRules& rules);
    ~GridCellEditor() override;

    // Opens the editor of a cell, as a click on it does; an edit in progress is committed first.
    void Open(const GridCell& cell);
    // Commits the edit in progress and closes the editor.
    void Commit();
    // Closes the editor; what was typed is given up.
    void Cancel();

    bool IsOpen() const { return cell_.IsValid(); }
    // The cell being edited; invalid when no editor is open.
    GridCell EditedCell() const { return cell_; }
    KeyFilterEdit* textEditor() const { return text_; }
    QComboBox* listEditor() const { return list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool GridKeyPress(QKeyEvent* event);
    bool EditorKeyPress(QKeyEvent* event);
    void TypeInto(const GridCell& cell, QKeyEvent* event);
    void Show(const CellEditorSpec& request);
    QWidget* Editor() const;
    void Close();
    // Commits and closes; false when there was nothing to commit.
    bool Finish(bool byEnter);
    void FinishAndStep(int rows, int columns);
    void EnterPressed();
    void MoveTo(const GridCell& cell);
    GridCell Neighbour(const GridCell& from, int rows, int columns) const;
    void CurrentCellChanged(int row, int column);

    QTableWidget* grid_;
    CellRules& rules_;
    QWidget* host_;
    KeyFilterEdit* text_;
    QComboBox* list_;
    CellEditorSpec::Kind kind_ = CellEditorSpec::Kind::None;
    GridCell cell_;
    bool chosen_ = false;
    // The editor moves the current cell or scrolls itself: those are no moves away from it.
    bool moving_ = false;
};

} // namespace zr40
