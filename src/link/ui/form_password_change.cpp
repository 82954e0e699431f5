#include "link/ui/form_password_change.h"

#include "codeplug/key_filter.h"
#include "link/password_change_rules.h"
#include "link/ui/form_process.h"
#include "link/ui/star_password_style.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zr40 {

namespace {
using Rules = PasswordChangeRules;
} // namespace

FormPasswordChange::FormPasswordChange(Codeplug& codeplug, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug) {
    setObjectName(QStringLiteral("FormPasswordChange"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    CreateControls();
    FillCaptions();
}

FormPasswordChange::~FormPasswordChange() = default;

void FormPasswordChange::CreateControls() {
    passwordStyle_ = new StarPasswordStyle();
    passwordStyle_->setParent(this);
    auto* grid = new QGridLayout(this);
    // The radio's password is a number of up to six digits, as the transfer window takes it.
    auto addRow = [this, grid](const QString& labelName, const QString& boxName, int row) {
        auto* label = new QLabel(this);
        label->setObjectName(labelName);
        auto* box = new KeyFilterEdit(KeyFilterKind::Number6, this);
        box->setObjectName(boxName);
        box->setMaxLength(KeyFilterMaxLength(KeyFilterKind::Number6));
        box->setEchoMode(QLineEdit::Password);
        box->setStyle(passwordStyle_);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, 1, 2);
        return std::pair{label, box};
    };
    std::tie(labelOldPassword_, textOldPassword_) =
        addRow(QStringLiteral("LabelOldPassword"), QStringLiteral("TextOldPassword"), 0);
    for (int i = 0; i < 2; ++i)
        std::tie(labelNewPassword_[i], textNewPassword_[i]) =
            addRow(QStringLiteral("LabelNewPassword%1").arg(i),
                   QStringLiteral("TextNewPassword%1").arg(i), i + 1);
    commandOK_ = new QPushButton(this);
    commandOK_->setObjectName(QStringLiteral("CommandOK"));
    commandOK_->setDefault(true);
    commandCancel_ = new QPushButton(this);
    commandCancel_->setObjectName(QStringLiteral("CommandCancel"));
    grid->addWidget(commandOK_, 3, 1);
    grid->addWidget(commandCancel_, 3, 2);
    grid->setColumnMinimumWidth(1, 90);
    grid->setColumnMinimumWidth(2, 90);
    connect(commandOK_, &QPushButton::clicked, this, &FormPasswordChange::CommandOK_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in a box moves on rather than starting the change half-typed.
    for (KeyFilterEdit* box : {textOldPassword_, textNewPassword_[0], textNewPassword_[1]})
        connect(box, &KeyFilterEdit::enterPressed, this, [this] { focusNextChild(); });
}

void FormPasswordChange::FillCaptions() {
    const TextContext text = Language();
    setWindowTitle(text.Tr("FormPasswordChange", "Change Password"));
    labelOldPassword_->setText(text.Tr("FormPasswordChange", "OldPassword"));
    labelNewPassword_[0]->setText(text.Tr("FormPasswordChange", "NewPassword"));
    labelNewPassword_[1]->setText(text.Tr("FormPasswordChange", "NewPassword verify"));
    commandOK_->setText(text.Tr("FormPasswordChange", "&OK"));
    commandCancel_->setText(text.Tr("FormPasswordChange", "&Cancel"));
}

void FormPasswordChange::ShowMessage(QMessageBox::Icon icon, const QString& text) {
    UiSeam::Instance().Message(this, icon, UiSeam::AppTitle(), text, QMessageBox::Ok);
}

void FormPasswordChange::CommandOK_Click() {
    const QString oldPassword = textOldPassword_->text();
    const QString newPassword = textNewPassword_[0]->text();
    if (Rules::Prepare(codeplug_, oldPassword, newPassword, textNewPassword_[1]->text()) ==
        Rules::Prepared::Mismatch) {
        ShowMessage(QMessageBox::NoIcon,
                    Language().Tr("FormPasswordChange", "Different between two new passowrds"));
        return;
    }
    const auto answer =
        UiSeam::Instance().Message(this, QMessageBox::Warning, UiSeam::AppTitle(),
                                   Language().Tr("FormPasswordChange", "Change password?"),
                                   QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    codeplug_.PasswordChanged = true;
    codeplug_.LinkRead = false;
    FormProcess transfer(codeplug_, {}, this);
    transfer.PrefillPasswords(oldPassword, newPassword);
    transfer.exec();
    // A write that left the radio its own password (the box unticked there) changed nothing.
    const NewPasswordChoice written = transfer.WrittenPassword();
    const bool changed = codeplug_.LinkSucceeded && written.change;
    switch (Rules::Finish(codeplug_, changed, transfer.PasswordRefused(), written.newPassword)) {
    case Rules::Finished::Changed:
        ShowMessage(QMessageBox::Information,
                    Language().Tr("FormPasswordChange", "Change password successful"));
        accept();
        break;
    case Rules::Finished::WrongOld:
        ShowMessage(QMessageBox::Warning,
                    Language().Tr("FormPasswordChange", "Wrong old password"));
        break;
    case Rules::Finished::NotChanged:
        break;
    }
}

void FormPasswordChange::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        UiSeam::Instance().ShowHelpTopic(this, QStringLiteral("password.htm"), codeplug_.IsEnglish);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zr40
