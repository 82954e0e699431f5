#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QDialog>
#include <QMessageBox>
#include <array>

class QLabel;
class QPushButton;

namespace zr40 {

class KeyFilterEdit;
class StarPasswordStyle;

// "Change Password": the old password and the new one twice, then a write to the radio that
// leaves the new password in it. The transfer window opens with both passwords filled in, so
// the technician only presses Write. The dialog closes (accepted) once the radio took the new
// password.
class FormPasswordChange : public QDialog {
    Q_OBJECT
public:
    explicit FormPasswordChange(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormPasswordChange() override;

    void CommandOK_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void FillCaptions();
    void ShowMessage(QMessageBox::Icon icon, const QString& text);
    TextContext Language() const { return TextContext::Of(codeplug_); }

    Codeplug& codeplug_;
    StarPasswordStyle* passwordStyle_ = nullptr;
    QLabel* labelOldPassword_ = nullptr;
    KeyFilterEdit* textOldPassword_ = nullptr;
    std::array<QLabel*, 2> labelNewPassword_{};
    std::array<KeyFilterEdit*, 2> textNewPassword_{};
    QPushButton* commandOK_ = nullptr;
    QPushButton* commandCancel_ = nullptr;
};

} // namespace zr40
