#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace zr40 {

// A cell of a grid, by the table's own row and column (0-based).
struct GridCell {
    int row = -1;
    int column = -1;

    bool IsValid() const { return row >= 0 && column >= 0; }
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The editor a cell takes, as its page describes it.
struct CellEditorSpec {
    enum class Kind { None, Text, List };

    Kind kind = Kind::None;
    // The cell edited; a page may start the edit on another cell than the one asked for (a
    // channel is started with its receive frequency).
    GridCell cell;
    int filterKind = 0; // Text: what the box takes (KeyFilterKind)
    QChar separator = QLatin1Char('.');
    QString text; // the cell's text as the editor opens
    QStringList items;
    // List: a text that is no item shows as the list's placeholder with nothing chosen (a tone
    // read from a radio); otherwise the first item is chosen.
    bool keepUnlisted = false;
};

// What an editor hands back when its edit is committed.
struct CellCommit {
    GridCell cell;
    QString text;         // the box's text, or the list's current item
    int index = -1;       // the list's current item
    bool changed = false; // typed into, or an item chosen, since the editor opened
    bool byEnter = false;
};

// Where the current cell goes after Enter committed an edit, and whether the editor opens there.
struct CellMove {
    GridCell cell; // invalid: the current cell stays
    bool open = false;
};

// What a grid's cells are: the part of in-cell editing a page gives. GridCellEditor does the rest
// (placing the editor, keys, committing, cancelling, moving).
class CellRules {
public:
    virtual ~CellRules() = default;

    // The editor a click, Enter or a typed key on the cell opens; Kind::None for a cell without
    // one. Asking changes nothing.
    virtual CellEditorSpec EditorFor(const GridCell& cell) const = 0;
    // A cell without an editor was clicked or entered (the channel grid's ">>").
    virtual void Activate(const GridCell&) {}
    // The editor opened on the cell.
    virtual void Opened(const GridCell&) {}
    // Stores an edit; the editor is already closed, so a message may be shown.
    virtual void Commit(const CellCommit& commit) = 0;
    virtual CellMove AfterEnter(const GridCell& cell) const = 0;
};

} // namespace zr40
