#include "link/ui/form_password.h"

#include "codeplug/text_context.h"
#include "link/password_change_rules.h"
#include "link/ui/form_password_change.h"
#include "link/ui/star_password_style.h"
#include "widgets/character_validator.h"
#include "widgets/ui_seam.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zr40 {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kWidth = 3900 / kTwipsPerPixel;
constexpr int kHeight = 1500 / kTwipsPerPixel;
constexpr int kButtonWidth = 1095 / kTwipsPerPixel;
constexpr int kButtonTop = 62;
constexpr int kButtonHeight = 28;
// Where the three buttons stand when Change is offered.
constexpr int kOkLeft = 240 / kTwipsPerPixel;
constexpr int kChangeLeft = 1440 / kTwipsPerPixel;
constexpr int kCancelLeft = 2640 / kTwipsPerPixel;

} // namespace

FormPassword::FormPassword(Codeplug& codeplug, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug) {
    setObjectName(QStringLiteral("FormPassword"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    CreateControls();
    FillCaptions();
    openedWith_ = codeplug_.ProgramPassword;
    textPassword_->setText(codeplug_.ProgramPassword);
    setFixedSize(kWidth, kHeight);
}

FormPassword::~FormPassword() = default;

void FormPassword::CreateControls() {
    passwordStyle_ = new StarPasswordStyle();
    passwordStyle_->setParent(this);
    labelPassword_ = new QLabel(this);
    labelPassword_->setObjectName(QStringLiteral("LabelPassword"));
    labelPassword_->setGeometry(16, 18, 72, 24);
    textPassword_ = new QLineEdit(this);
    textPassword_->setObjectName(QStringLiteral("TextPassword"));
    textPassword_->setEchoMode(QLineEdit::Password);
    textPassword_->setStyle(passwordStyle_);
    // The password block keeps six single-byte characters.
    textPassword_->setValidator(new CharacterValidator(
        &PasswordChangeRules::AcceptsPasswordCharacter, PasswordChangeRules::kMaxLength, this));
    textPassword_->setGeometry(92, 18, kWidth - 92 - 16, 24);
    labelPassword_->setBuddy(textPassword_);
    auto makeButton = [this](const char* name, int left) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
        return button;
    };
    commandOK_ = makeButton("CommandOK", kOkLeft);
    commandChange_ = makeButton("CommandChange", kChangeLeft);
    commandCancel_ = makeButton("CommandCancel", kCancelLeft);
    commandOK_->setDefault(true);
    if (codeplug_.PasswordCheckOnly || codeplug_.ProcessOpen) {
        commandChange_->hide();
        commandOK_->move(kOkLeftTwips / kTwipsPerPixel, kButtonTop);
        commandCancel_->move(kCancelLeftTwips / kTwipsPerPixel, kButtonTop);
    }
    connect(commandOK_, &QPushButton::clicked, this, &FormPassword::CommandOK_Click);
    connect(commandChange_, &QPushButton::clicked, this, &FormPassword::CommandChange_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &FormPassword::CommandCancel_Click);
}

void FormPassword::FillCaptions() {
    const TextContext text = TextContext::Of(codeplug_);
    setWindowTitle(text.Tr("FormPassword", "Program Password"));
    labelPassword_->setText(text.Tr("FormPassword", "Password"));
    commandOK_->setText(text.Tr("FormPassword", "&OK"));
    commandChange_->setText(text.Tr("FormPassword", "Chann&ge"));
    commandCancel_->setText(text.Tr("FormPassword", "&Cancel"));
}

void FormPassword::CommandOK_Click() {
    codeplug_.ProgramPassword = textPassword_->text();
    accept();
}

void FormPassword::CommandCancel_Click() {
    if (codeplug_.PasswordCheckOnly)
        codeplug_.PasswordCancelled = true;
    reject();
}

void FormPassword::CommandChange_Click() {
    FormPasswordChange change(codeplug_, this);
    // Accepted only when the radio took the new password.
    if (change.exec() != QDialog::Accepted)
        return;
    openedWith_ = textPassword_->text();
    textPassword_->setText(codeplug_.ProgramPassword);
}

void FormPassword::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        UiSeam::Instance().ShowHelpTopic(this, QStringLiteral("password.htm"), codeplug_.IsEnglish);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zr40
