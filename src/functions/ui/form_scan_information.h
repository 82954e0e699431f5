#pragma once

#include "functions/scan_information_rules.h"
#include "widgets/config_page.h"

#include <array>
#include <functional>

class QComboBox;
class QLabel;

namespace zr40 {

// The scan information page: priority mode, look-back and delay times, revert channel and a
// priority channel per channel group, as bytes of the model image. It shows the image as it was
// when the page opened; a read from the radio does not reload it.
class FormScanInformation : public ConfigPage {
    Q_OBJECT
public:
    explicit FormScanInformation(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormScanInformation() override;

    int CommandNumber() const override { return 1003; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("Scan/Scan.htm"); }
    void Analyse() override { AnalyseScanInformation(); }
    EditStep OpeningCorrection() const override {
        return EditStep::Named(
            "FormScanInformation",
            QT_TRANSLATE_NOOP("FormScanInformation", "Corrected on opening Scan Information"));
    }

    void AnalyseScanInformation();

    // Handlers, as the lists call them.
    void ComboPriority_Click(int position);
    void ComboScanBackTime_Click(int row, int position);
    void ComboScanDelay_Click(int row, int position);
    void ComboRevertChannel_Click(int position);
    void ComboPriorityChannel_Click(int group, int position);

    QComboBox* priority() const { return comboPriority_; }
    QComboBox* scanBackTime(int row) const { return comboScanBackTime_.at(row); }
    QComboBox* scanDelay(int row) const { return comboScanDelay_.at(row); }
    QComboBox* revertChannel() const { return comboRevertChannel_; }
    QComboBox* priorityChannel(int group) const { return comboPriorityChannel_.at(group); }

private:
    void BuildControls();
    void LanguageChange();
    void ApplyMode(const ScanModeView& mode);
    using Image = ScanInformationRules::Image;
    // Runs a click's rule and reports an edit when it changed the byte.
    // Writes one byte through `select`; an edit named `step` when the byte changed.
    void StoreAt(int byte, const EditStep& step, const std::function<bool(Image&)>& select);

    bool updating_ = false;
    QLabel* labelPriority_ = nullptr;
    QComboBox* comboPriority_ = nullptr;
    std::array<QLabel*, 2> labelScanBackTime_{};
    std::array<QComboBox*, 2> comboScanBackTime_{};
    QLabel* labelRevertChannel_ = nullptr;
    QComboBox* comboRevertChannel_ = nullptr;
    std::array<QLabel*, 2> labelRevertScanDelay_{};
    std::array<QComboBox*, 2> comboScanDelay_{};
    std::array<QLabel*, ScanInformationRules::kGroups> labelPriorityChannel_{};
    std::array<QComboBox*, ScanInformationRules::kGroups> comboPriorityChannel_{};
};

} // namespace zr40
