#pragma once

#include "widgets/config_page.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace zr40 {

class KeyFilterEdit;

// The receive-list page: eight lists of eight group IDs; a digital channel hears the group
// calls of the list it names. One list is shown at a time; an entry is typed in place as
// hexadecimal and becomes a group ID (0x800000 and up).
class FormRxList : public ConfigPage {
    Q_OBJECT
public:
    static constexpr int kRows = 8;

    explicit FormRxList(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormRxList() override;

    int CommandNumber() const override { return 1006; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("rxlist.htm"); }
    void Analyse() override { AnalyseRxList(); }
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
    KeyFilterEdit* textEditor() const { return text1_; }
    QComboBox* listSelector() const { return comboRxList_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void FillCaptionsAndLists();
    void OpenEditor(int row);
    void Commit();
    void CloseEditor();
    bool GridKeyPress(QKeyEvent* event);
    bool EditorKeyPress(QKeyEvent* event);

    QComboBox* comboRxList_ = nullptr;
    QLabel* labelRxList_ = nullptr;
    QLabel* labelWarning_ = nullptr;
    QTableWidget* grid_ = nullptr;
    KeyFilterEdit* text1_ = nullptr;

    int currentList_ = 0;
    // The entry an open editor belongs to; 0 when no editor is open. The list is remembered
    // with it, so that switching lists while typing still stores into the list typed into.
    int editRow_ = 0;
    int editList_ = 0;
    bool enterPressed_ = false;
    bool committing_ = false;
};

} // namespace zr40
