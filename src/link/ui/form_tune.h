#pragma once

#include "link/tune_rules.h"
#include "widgets/cell_rules.h"
#include "widgets/config_page.h"

#include <array>
#include <functional>
#include <memory>

class QFormLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace zr40 {

class GridCellEditor;
class KeyFilterEdit;

// The tune data page: the radio's factory alignment values, a grid of tune points and six
// single values, with their own read and write. A transfer from here moves the tune blocks as
// well as the rest of the configuration.
class FormTune : public ConfigPage, private CellRules {
    Q_OBJECT
public:
    // Runs a transfer (true: read) with LinkTune set; the caller's window keeps the other pages
    // in step. Without one the page opens the transfer window itself.
    using TransferRunner = std::function<void(bool read)>;

    explicit FormTune(Codeplug& codeplug, TransferRunner runTransfer = {},
                      QWidget* parent = nullptr);
    ~FormTune() override;

    int CommandNumber() const override { return 1005; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("tune.htm"); }
    void Analyse() override { AnalyseTuneData(); }
    // Commits a cell or box being typed.
    void FreshData() override;

    void AnalyseTuneData();

    // A click on a cell: row 1.. is a tune point, column 1..5 its value (0 is the number).
    void CellClick(int row, int column);
    void CommandRead_Click();
    void CommandWrite_Click();

    QString CellText(int row, int column) const;
    QTableWidget* grid() const { return grid_; }
    KeyFilterEdit* textEditor() const;
    KeyFilterEdit* box(TuneBox which) const { return boxes_.at(static_cast<int>(which)); }
    // The cell the editor is open on; row 0 when it is closed.
    int EditRow() const;
    int EditColumn() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildBoxes(QFormLayout* form);
    void FillCaptions();
    CellEditorSpec EditorFor(const GridCell& cell) const override;
    void Commit(const CellCommit& commit) override;
    CellMove AfterEnter(const GridCell& cell) const override;
    void CommitBox(TuneBox which);
    bool AskToContinue(const QString& question);
    void RunTransfer(bool read);
    void ShowOutOfRange();

    TransferRunner runTransfer_;
    QLabel* labelWarning_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTableWidget* grid_ = nullptr;
    std::unique_ptr<GridCellEditor> editor_;
    std::array<QLabel*, TuneRules::kBoxes> labels_{};
    std::array<KeyFilterEdit*, TuneRules::kBoxes> boxes_{};
    QPushButton* commandRead_ = nullptr;
    QPushButton* commandWrite_ = nullptr;
};

} // namespace zr40
