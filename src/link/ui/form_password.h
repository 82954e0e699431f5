#pragma once

#include "codeplug/codeplug.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zr40 {

class StarPasswordStyle;

// "Program Password": shows and edits the password text the program keeps (ProgramPassword);
// Change opens the dialog that replaces the radio's password.
class FormPassword : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOkLeftTwips = 1080; // where the buttons go when Change is hidden
    static constexpr int kCancelLeftTwips = 2280;

    explicit FormPassword(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormPassword() override;

    QString OpenedWith() const { return openedWith_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void FillCaptions();
    void CommandOK_Click();
    void CommandCancel_Click();
    void CommandChange_Click();

    Codeplug& codeplug_;
    QString openedWith_; // the password text as the dialog found it (or after a change)
    StarPasswordStyle* passwordStyle_ = nullptr;
    QLabel* labelPassword_ = nullptr;
    QLineEdit* textPassword_ = nullptr;
    QPushButton* commandOK_ = nullptr;
    QPushButton* commandChange_ = nullptr;
    QPushButton* commandCancel_ = nullptr;
};

} // namespace zr40
