#pragma once

#include "channels/channel_effects.h"
#include "widgets/cell_rules.h"
#include "widgets/config_page.h"

#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QComboBox;
class QMenu;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

namespace zr40 {

class FormChannelEdit;
class GridCellEditor;
class KeyFilterEdit;
class WindowStateRecorder;

// The channel grid page: all 32 channels, one per row, with the main fields edited in place.
//
// Rows and columns are counted as the technician sees them: row r is channel r (1..32), column 0
// the channel number, 1 Rx, 2 Tx, 3 type, 4 decode, 5 encode, 6 power, 7 ">>" (the edit dialog).
// The cells are edited in place (a filtered text box for the frequencies, a drop-down list for
// the others); every commit goes through the channel rules, which also say what the row shows.
class FormChannelInformation : public ConfigPage, private CellRules {
    Q_OBJECT
public:
    static constexpr int kRows = 32;
    static constexpr int kColumns = 8;
    static constexpr int kColumnMore = 7;

    explicit FormChannelInformation(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormChannelInformation() override;

    int CommandNumber() const override { return 1000; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("chinfo.htm"); }
    // Reloads the grid and, when it is open, the edit dialog (after a read from the radio).
    void Analyse() override;
    // Commits the in-cell edit in progress, and one typed into the edit dialog, if any.
    void FreshData() override;

    // Refills every row from the channel tables.
    void AnalyseChannelInformation();

    // A click on cell (row 1..32, column 0..7), as the mouse or the keyboard makes it.
    void CellClick(int row, int column);
    // The 500 ms poll: reloads the grid when another editor changed channel data.
    void Timer1_Timer();

    // The size the page's layout gives it, widened to fit the columns.
    QSize sizeHint() const override;

    QString CellText(int row, int column) const;
    bool CellShaded(int row, int column) const;
    QTableWidget* grid() const { return grid_; }
    KeyFilterEdit* textEditor() const;
    QComboBox* listEditor() const;
    FormChannelEdit* channelEdit() const;
    QTimer* timer() const { return timer1_; }
    // Row and column (1-based) of the grid's current cell.
    int CurrentRow() const;
    int CurrentColumn() const;
    void SetCurrentCell(int row, int column);
    // The editor in progress: 0 none, else the column it edits.
    int EditingColumn() const;

    // --- Rows on the clipboard ---
    // The channels (indexes) whose rows are selected by their row headers, in order; the current
    // row's when no row is selected.
    QList<int> SelectedChannels() const;
    // Only those picked by their row headers (none when no row is).
    QList<int> PickedChannels() const;
    // Selects rows first..last (1..32) as clicks on their headers do.
    void SelectRows(int firstRow, int lastRow);
    // Ctrl+C: the selected rows as a table for a spreadsheet or another plan.
    void CopyRows();
    // Ctrl+V: rows from the clipboard into the first selected (or the current) row and on.
    void PasteRows();
    // Delete: the channels of the selected rows emptied (nothing without a row selection).
    void ClearRows();
    QAction* copyRowsAction() const { return copyRows_; }
    QAction* pasteRowsAction() const { return pasteRows_; }
    QAction* clearRowsAction() const { return clearRows_; }
    // The row context menu of row `row` popped up at a screen position (not waiting for a
    // choice); it deletes itself when closed.
    QMenu* ShowRowMenu(int row, const QPoint& globalPos);
    // The entries of the row context menu for channel row `row`, from the page's shared actions.
    void FillRowMenu(QMenu& menu, int row);
    QAction* copyChannelAction() const { return copyChannelAction_; }
    // The channel copy dialog for channel `row`, modal.
    void OpenChannelCopy(int row);

signals:
    // Shift+F3 on a filled cell: the channel copy tool for that cell.
    void channelCopyRequested(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildRowActions();
    void RowMenuRequested(int row, const QPoint& globalPos);
    EditStep CellStep(int row, int column) const;
    void FillCaptionsAndLists();
    void FitColumns(const QStringList& listTexts);
    void ShowRow(int row);
    QTableWidgetItem* Cell(int row, int column) const;
    void SetCell(int row, int column, const QString& text);
    void SetShading(int row, bool digital);
    void ApplyEdit(int row, const GridEdit& edit);
    void ShowOutOfRange();

    // The cells' rules for the in-cell editor (table rows and columns, 0-based).
    CellEditorSpec EditorFor(const GridCell& cell) const override;
    void Activate(const GridCell& cell) override;
    void Opened(const GridCell& cell) override;
    void Commit(const CellCommit& commit) override;
    CellMove AfterEnter(const GridCell& cell) const override;
    void CommitText(int row, int column, const QString& text);
    GridEdit ListEdit(int row, int column, const CellCommit& commit);

    void StretchColumns();
    void OpenChannelEdit();
    void ShiftF3();
    void BuildRowMenuActions();
    void ChannelCopied(int source, int target);

    QTableWidget* grid_ = nullptr;
    std::unique_ptr<GridCellEditor> editor_;
    QStringList types_, tones_, powers_;
    QPushButton* commandClose_ = nullptr;
    QAction* copyRows_ = nullptr;
    QAction* pasteRows_ = nullptr;
    QAction* clearRows_ = nullptr;
    QAction* copyChannelAction_ = nullptr;
    QTimer* timer1_ = nullptr;
    WindowStateRecorder* stateRecorder_ = nullptr;
    QPointer<FormChannelEdit> channelEdit_;

    QSize preferredSize_;
    std::array<int, kColumns> fittedWidths_{}; // what each column's texts need

    bool loading_ = false;
};

} // namespace zr40
