#include "shell/form_printer_setting.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zr40 {

namespace {

const char* const kCaptions[] = {
    QT_TRANSLATE_NOOP("FormPrinterSetting", "&Name:"),
    QT_TRANSLATE_NOOP("FormPrinterSetting", "Status:"),
    QT_TRANSLATE_NOOP("FormPrinterSetting", "Type:"),
    QT_TRANSLATE_NOOP("FormPrinterSetting", "Where:"),
    QT_TRANSLATE_NOOP("FormPrinterSetting", "Comment:"),
    QT_TRANSLATE_NOOP("FormPrinterSetting", "Si&ze:"),
    QT_TRANSLATE_NOOP("FormPrinterSetting", "&Source:"),
};

QList<QPageSize> StandardSizes() {
    return {QPageSize(QPageSize::A4), QPageSize(QPageSize::A5), QPageSize(QPageSize::Letter),
            QPageSize(QPageSize::Legal)};
}

QString StateText(QPrinter::PrinterState state, const TextContext& ctx) {
    switch (state) {
    case QPrinter::Idle:
        return ctx.Tr("FormPrinterSetting", "Ready");
    case QPrinter::Active:
        return ctx.Tr("FormPrinterSetting", "Printing");
    case QPrinter::Aborted:
        return ctx.Tr("FormPrinterSetting", "Aborted");
    case QPrinter::Error:
        return ctx.Tr("FormPrinterSetting", "Error");
    }
    return {};
}

} // namespace

FormPrinterSetting::FormPrinterSetting(const TextContext& ctx, const QList<PrinterEntry>& printers,
                                       const PrintTarget& current, QWidget* parent)
    : QDialog(parent), ctx_(ctx), printers_(printers), comboPrinter_(new QComboBox),
      comboSize_(new QComboBox), comboSource_(new QComboBox), status_(new QLabel),
      type_(new QLabel), where_(new QLabel), comment_(new QLabel), labelNoPrinter_(new QLabel),
      optionPortrait_(new QRadioButton), optionLandscape_(new QRadioButton),
      commandOk_(new QPushButton), commandCancel_(new QPushButton) {
    setObjectName(QStringLiteral("FormPrinterSetting"));
    comboPrinter_->setObjectName(QStringLiteral("ComboPrinter"));
    labelNoPrinter_->setObjectName(QStringLiteral("LabelNoPrinter"));
    BuildLayout();
    FillCaptions();
    FillPrinters(current);
    (current.orientation == QPageLayout::Landscape ? optionLandscape_ : optionPortrait_)
        ->setChecked(true);
    connect(comboPrinter_, &QComboBox::currentIndexChanged, this, &FormPrinterSetting::ShowPrinter);
    connect(commandOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(commandCancel_, &QPushButton::clicked, this, &QDialog::reject);
    const int at = comboSize_->findData(current.pageSize.id());
    comboSize_->setCurrentIndex(at >= 0 ? at : 0);
}

void FormPrinterSetting::BuildLayout() {
    for (int i = 0; i < static_cast<int>(std::size(kCaptions)); ++i)
        captions_ << new QLabel;
    framePrinter_ = new QGroupBox;
    auto* printer = new QFormLayout(framePrinter_);
    QWidget* fields[] = {comboPrinter_, status_, type_, where_, comment_};
    for (int i = 0; i < 5; ++i) {
        captions_[i]->setBuddy(fields[i]);
        printer->addRow(captions_[i], fields[i]);
    }
    labelNoPrinter_->setWordWrap(true);
    labelNoPrinter_->setStyleSheet(QStringLiteral("color: #b00020;"));
    printer->addRow(labelNoPrinter_);
    framePaper_ = new QGroupBox;
    auto* paper = new QFormLayout(framePaper_);
    captions_[5]->setBuddy(comboSize_);
    captions_[6]->setBuddy(comboSource_);
    paper->addRow(captions_[5], comboSize_);
    paper->addRow(captions_[6], comboSource_);
    frameOrientation_ = new QGroupBox;
    auto* orientation = new QVBoxLayout(frameOrientation_);
    orientation->addWidget(optionPortrait_);
    orientation->addWidget(optionLandscape_);
    auto* lower = new QHBoxLayout;
    lower->addWidget(framePaper_, 1);
    lower->addWidget(frameOrientation_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandOk_);
    buttons->addWidget(commandCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(framePrinter_);
    layout->addLayout(lower);
    layout->addLayout(buttons);
    comboPrinter_->setMinimumWidth(320);
    commandOk_->setDefault(true);
}

void FormPrinterSetting::FillCaptions() {
    setWindowTitle(ctx_.Tr("FormPrinterSetting", "Print Setup"));
    for (int i = 0; i < captions_.size(); ++i)
        captions_[i]->setText(ctx_.Tr("FormPrinterSetting", kCaptions[i]));
    framePrinter_->setTitle(ctx_.Tr("FormPrinterSetting", "Printer"));
    framePaper_->setTitle(ctx_.Tr("FormPrinterSetting", "Paper"));
    frameOrientation_->setTitle(ctx_.Tr("FormPrinterSetting", "Orientation"));
    optionPortrait_->setText(ctx_.Tr("FormPrinterSetting", "Po&rtrait"));
    optionLandscape_->setText(ctx_.Tr("FormPrinterSetting", "&Landscape"));
    commandOk_->setText(ctx_.Tr("FormPrinterSetting", "&OK"));
    commandCancel_->setText(ctx_.Tr("FormPrinterSetting", "&Cancel"));
    comboSource_->addItem(ctx_.Tr("FormPrinterSetting", "Automatically Select"));
    labelNoPrinter_->setText(ctx_.Tr(
        "FormPrinterSetting",
        "No printer is installed on this computer. The plan can be printed to a PDF file."));
}

void FormPrinterSetting::FillPrinters(const PrintTarget& current) {
    for (const PrinterEntry& entry : printers_)
        comboPrinter_->addItem(entry.ItemText());
    comboPrinter_->addItem(ctx_.Tr("FormPrinterSetting", "Print to PDF file…"));
    // The printer in use; one that has gone since gives way to the default printer.
    int selected = IndexOf(current.printerName);
    if (selected < 0)
        selected = IndexOf(DefaultTarget(printers_).printerName);
    if (selected < 0 || current.ToPdf())
        selected = static_cast<int>(printers_.size());
    labelNoPrinter_->setVisible(printers_.isEmpty());
    comboPrinter_->setCurrentIndex(selected);
    ShowPrinter(selected);
}

int FormPrinterSetting::IndexOf(const QString& name) const {
    for (int i = 0; i < printers_.size(); ++i)
        if (!name.isEmpty() && printers_[i].name == name)
            return i;
    return -1;
}

void FormPrinterSetting::ShowPrinter(int index) {
    const bool pdf = IsPdfItem(index);
    const PrinterEntry entry = pdf ? PrinterEntry{} : printers_.value(index);
    status_->setText(StateText(entry.state, ctx_));
    type_->setText(pdf ? ctx_.Tr("FormPrinterSetting", "PDF document") : entry.driver);
    where_->setText(pdf ? ctx_.Tr("FormPrinterSetting", "A file you name after OK") : entry.port);
    comment_->setText(entry.comment);
    const QVariant before = comboSize_->currentData();
    comboSize_->clear();
    const QList<QPageSize> sizes = entry.pageSizes.isEmpty() ? StandardSizes() : entry.pageSizes;
    for (const QPageSize& size : sizes)
        comboSize_->addItem(size.name(), size.id());
    const int at = comboSize_->findData(before);
    comboSize_->setCurrentIndex(at >= 0 ? at : qMax(0, comboSize_->findData(QPageSize::A4)));
}

PrintTarget FormPrinterSetting::Target() const {
    PrintTarget target;
    const int index = comboPrinter_->currentIndex();
    if (!IsPdfItem(index))
        target.printerName = printers_.value(index).name;
    target.pageSize =
        QPageSize(static_cast<QPageSize::PageSizeId>(comboSize_->currentData().toInt()));
    target.orientation =
        optionLandscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return target;
}

PrintTarget FormPrinterSetting::DefaultTarget(const QList<PrinterEntry>& printers) {
    PrintTarget target;
    for (const PrinterEntry& entry : printers)
        if (entry.isDefault)
            target.printerName = entry.name;
    return target;
}

} // namespace zr40
