#pragma once

#include "functions/key_setting_rules.h"
#include "widgets/config_page.h"

#include <array>

class QComboBox;
class QLabel;

namespace zr40 {

// The key setting page: the function of each side key, PF1 and PF2, as bytes of the model image.
// The rows of the one-second presses exist but stay hidden: the radio has no such keys.
class FormKeySetting : public ConfigPage {
    Q_OBJECT
public:
    explicit FormKeySetting(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormKeySetting() override;

    int CommandNumber() const override { return 1002; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("keyassign.htm"); }
    void Analyse() override { AnalyseKeySetting(); }

    void AnalyseKeySetting();
    void ComboKeySet_Click(int row, int position);

    QComboBox* keySet(int row) const { return comboKeySet_.at(row); }

private:
    void BuildControls();
    void FillCaptionsAndLists();

    bool updating_ = false;
    std::array<QLabel*, KeySettingRules::kRows> labelKeySet_{};
    std::array<QComboBox*, KeySettingRules::kRows> comboKeySet_{};
};

} // namespace zr40
