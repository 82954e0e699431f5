#pragma once

#include "functions/hidden_option_rules.h"
#include "functions/option_rules.h"
#include "widgets/config_page.h"

#include <QHash>
#include <QList>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace zr40 {

class KeyFilterEdit;

// The function setup page: radio-wide settings (local ID, voice prompt, TOT, VOX level and
// delay, save mode and the side-key functions).
//
// The page also carries the controls of option bytes this radio does not use (sleep and battery
// tables, infrared, alarm, ...). They are built, captioned and filled like the others and keep
// their handlers, but stay hidden: the radio ignores those bytes.
class FormOption : public ConfigPage {
    Q_OBJECT
public:
    static constexpr int kKeyRows = 16;
    static constexpr int kShownKeyRows = 4;

    explicit FormOption(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormOption() override;

    int CommandNumber() const override { return 1001; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("optfeatures.htm"); }
    void Analyse() override { AnalyseOption(); }
    EditStep OpeningCorrection() const override {
        return EditStep::Named(
            "FormOption", QT_TRANSLATE_NOOP("FormOption", "Corrected on opening Function Setup"));
    }
    // Commits a local ID being typed.
    void FreshData() override;

    // Loads every control from the codeplug, repairing stored values out of range.
    void AnalyseOption();

    // Handlers, as the controls call them.
    void TextLocalID_Commit();
    void ComboKeyDefine_Click(int row, int position);
    void ComboKeyMethod_Click(int position);

    QComboBox* keyDefine(int row) const { return keyDefine_.at(row); }
    // The container of the controls that are never shown.
    QWidget* hiddenControls() const { return hidden_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildVisibleControls();
    void BuildKeyDefineFrame(QGroupBox* frame);
    void BuildHiddenControls();
    void BuildHiddenChecks();
    void BuildHiddenLists();
    void BuildHiddenTexts();
    QComboBox* AddCombo(QWidget* parent, const QString& name);
    QLabel* AddLabel(QWidget* parent, const QString& name);
    QCheckBox* AddHiddenCheck(const QString& name, std::function<void(Codeplug&, bool)> store);
    QComboBox* AddHiddenList(const QString& name, std::function<void(Codeplug&, int)> store);
    KeyFilterEdit* AddHiddenText(const QString& name, int kind,
                                 std::function<NumberEntry(Codeplug&, const QString&)> enter);
    void ConnectVisibleLists();
    void FillCaptionsAndLists();
    void FillKeyDefineLists(Long keyMethod);
    void SelectKeyRows(const std::array<int, kKeyRows>& positions);
    void LoadHiddenRows(const OptionView& view);
    void CommitHiddenText(KeyFilterEdit* box);
    // A value was written: one edit named by the caption label of its control (empty: the
    // page's name).
    void Stored(const QString& label);

    bool updating_ = false;
    bool committing_ = false;
    KeyFilterEdit* textLocalID_ = nullptr;
    QComboBox* comboVoice_ = nullptr;
    QComboBox* comboTOT_ = nullptr;
    QComboBox* comboVoxLevel_ = nullptr;
    QComboBox* comboVoxDelay_ = nullptr;
    QComboBox* comboSave_ = nullptr;
    QComboBox* comboKeyMethod_ = nullptr;
    std::array<QComboBox*, kKeyRows> keyDefine_{};
    QWidget* hidden_ = nullptr;
    // Hidden number fields and how each one stores its text.
    QHash<KeyFilterEdit*, std::function<NumberEntry(Codeplug&, const QString&)>> hiddenTexts_;
};

} // namespace zr40
