#include "shell/form_model_information.h"

#include "codeplug/model_band.h"
#include "codeplug/text_context.h"
#include "shell/main_window_texts.h"
#include "widgets/ui_seam.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zr40 {

FormModelInformation::FormModelInformation(Codeplug& codeplug, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug), labelModel_(new QLabel), comboModel_(new QComboBox),
      labelArea_(new QLabel), comboArea_(new QComboBox), labelVersion_(new QLabel),
      textVersion_(new QLineEdit), commandOk_(new QPushButton), commandCancel_(new QPushButton) {
    setObjectName(QStringLiteral("FormModelInformation"));
    textVersion_->setReadOnly(true);
    comboArea_->addItems(ModelBand::AreaItems());
    comboArea_->setCurrentIndex(ModelBand::CurrentAreaIndex(codeplug_));
    auto* grid = new QGridLayout;
    grid->addWidget(labelModel_, 0, 0);
    grid->addWidget(comboModel_, 0, 1);
    grid->addWidget(labelArea_, 1, 0);
    grid->addWidget(comboArea_, 1, 1);
    grid->addWidget(labelVersion_, 2, 0);
    grid->addWidget(textVersion_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandOk_);
    buttons->addWidget(commandCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    commandOk_->setDefault(true);
    connect(commandOk_, &QPushButton::clicked, this, &FormModelInformation::CommandOk_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &QDialog::reject);
    FillCaptions();
    AnalyseModelInformation();
}

void FormModelInformation::FillCaptions() {
    const TextContext text = TextContext::Of(codeplug_);
    setWindowTitle(text.Tr("FormModelInformation", "Model Information"));
    labelModel_->setText(text.Tr("FormModelInformation", "Model Type"));
    labelArea_->setText(text.Tr("FormModelInformation", "Frequency"));
    labelVersion_->setText(text.Tr("FormModelInformation", "Version"));
    commandOk_->setText(text.Tr("FormModelInformation", "&Open"));
    commandCancel_->setText(text.Tr("FormModelInformation", "&Close"));
}

void FormModelInformation::AnalyseModelInformation() {
    comboModel_->clear();
    comboModel_->addItems(ModelBand::ModelItems());
    comboModel_->setCurrentIndex(0);
    textVersion_->setText(QString::number(codeplug_.DataVersion));
}

void FormModelInformation::CommandOk_Click() {
    // The band in use, or no band, confirmed as it was proposed: nothing to change.
    if (comboArea_->currentIndex() == ModelBand::CurrentAreaIndex(codeplug_)) {
        accept();
        return;
    }
    const auto signature =
        ModelBand::BuildSignature(comboModel_->currentIndex(), comboArea_->currentIndex());
    if (ModelBand::SignatureMatches(codeplug_, signature)) {
        accept();
        return;
    }
    // Without a band text there are no limits to take: nothing changes.
    const auto limits = ModelBand::LimitsFromAreaText(comboArea_->currentText());
    if (!limits) {
        reject();
        return;
    }
    const TextContext text = TextContext::Of(codeplug_);
    const auto answer = UiSeam::Instance().Message(
        this, QMessageBox::Critical, MainWindowTexts::AppTitle(),
        text.Tr("FormModelInformation", "Frequency data will be cleared"),
        QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
        reject();
        return;
    }
    codeplug_.BandLower = static_cast<std::int16_t>(limits->lower);
    codeplug_.BandUpper = static_cast<std::int16_t>(limits->upper);
    codeplug_.BandUpperTx = codeplug_.BandUpper;
    codeplug_.ModelDataFile = QStringLiteral("Init.dat");
    codeplug_.ModelChanged = true;
    accept();
}

} // namespace zr40
