#pragma once

#include "codeplug/codeplug.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace zr40 {

// The language dialog. OK with the other language sets LanguageChosen and IsEnglish and saves
// the choice for the next start; the main window then reopens its windows in the new language.
class FormLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FormLanguage(Codeplug& codeplug, QWidget* parent = nullptr);

    QComboBox* ComboLanguage() const { return comboLanguage_; }
    QPushButton* CommandOK() const { return commandOk_; }
    QPushButton* CommandCancel() const { return commandCancel_; }
    // The choice applies but could not be saved for the next start.
    bool SettingFailed() const { return settingFailed_; }

private:
    void FillCaptions();
    void CommandOK_Click();

    Codeplug& codeplug_;
    QLabel* labelLanguage_;
    QComboBox* comboLanguage_;
    QPushButton* commandOk_;
    QPushButton* commandCancel_;
    bool settingFailed_ = false;
};

} // namespace zr40
