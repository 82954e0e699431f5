#pragma once

#include "widgets/cell_rules.h"
#include "widgets/config_page.h"

#include <memory>

class QComboBox;
class QLabel;
class QTableWidget;

namespace zr40 {

class GridCellEditor;
class KeyFilterEdit;

// The receive-list page: eight lists of eight group IDs; a digital channel hears the group
// calls of the list it names. One list is shown at a time; an entry is typed in place as
// hexadecimal and becomes a group ID (0x800000 and up).
class FormRxList : public ConfigPage, private CellRules {
    Q_OBJECT
public:
    static constexpr int kRows = 8;

    explicit FormRxList(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormRxList() override;

    int CommandNumber() const override { return 1006; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("rxlist.htm"); }
    // Reloads the list shown; entries that are no group ID are emptied as AnalyseRxList does.
    void Analyse() override { AnalyseRxList(); }
    EditStep OpeningCorrection() const override;
    // Commits an entry being typed.
    void FreshData() override;

    // Shows the current list; entries that are no group ID are emptied (and stored as empty).
    void AnalyseRxList();
    // A click on entry row 1..8 (column 1 is the ID; column 0 the entry number).
    void CellClick(int row, int column);
    void ComboRxList_Click(int index);

    int CurrentList() const { return currentList_; }
    QString CellText(int row) const;
    QTableWidget* grid() const { return grid_; }
    KeyFilterEdit* textEditor() const;
    QComboBox* listSelector() const { return comboRxList_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void FillCaptionsAndLists();
    CellEditorSpec EditorFor(const GridCell& cell) const override;
    void Commit(const CellCommit& commit) override;
    CellMove AfterEnter(const GridCell& cell) const override;

    QComboBox* comboRxList_ = nullptr;
    QLabel* labelRxList_ = nullptr;
    QLabel* labelWarning_ = nullptr;
    QTableWidget* grid_ = nullptr;
    std::unique_ptr<GridCellEditor> editor_;

    int currentList_ = 0;
};

} // namespace zr40
