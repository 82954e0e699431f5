#include "shell/form_language.h"

#include "codeplug/settings_store.h"
#include "codeplug/text_context.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zr40 {

FormLanguage::FormLanguage(Codeplug& codeplug, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug), labelLanguage_(new QLabel),
      comboLanguage_(new QComboBox), commandOk_(new QPushButton), commandCancel_(new QPushButton) {
    setObjectName(QStringLiteral("FormLanguage"));
    auto* row = new QHBoxLayout;
    row->addWidget(labelLanguage_);
    row->addWidget(comboLanguage_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandOk_);
    buttons->addWidget(commandCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    commandOk_->setDefault(true);
    connect(commandOk_, &QPushButton::clicked, this, &FormLanguage::CommandOK_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &QDialog::reject);
    FillCaptions();
}

void FormLanguage::FillCaptions() {
    const TextContext text = TextContext::Of(codeplug_);
    setWindowTitle(text.Tr("FormLanguage", "Set Language"));
    labelLanguage_->setText(text.Tr("FormLanguage", "Language Select"));
    comboLanguage_->addItem(text.Tr("FormLanguage", "English"));
    comboLanguage_->addItem(text.Tr("FormLanguage", "Chinese"));
    comboLanguage_->setCurrentIndex(codeplug_.IsEnglish ? 0 : 1);
    commandOk_->setText(text.Tr("FormLanguage", "&OK"));
    commandCancel_->setText(text.Tr("FormLanguage", "&Cancel"));
}

void FormLanguage::CommandOK_Click() {
    const bool english = comboLanguage_->currentIndex() == 0;
    if (english != codeplug_.IsEnglish)
        codeplug_.LanguageChosen = true;
    codeplug_.IsEnglish = english;
    if (codeplug_.LanguageChosen) {
        settingFailed_ =
            !SettingsStore().WriteText(QString::fromLatin1(SettingsStore::kLanguage),
                                       english ? QStringLiteral("True") : QStringLiteral("False"));
    }
    accept();
}

} // namespace zr40
