#include "shell/form_print.h"

#include "widgets/ui_seam.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr40 {

namespace {

// The check boxes in the order of the parts, with their control names and captions.
const struct {
    const char* name;
    const char* caption;
} kChecks[PrintSections::kCount] = {
    {"CheckChannelInfo", QT_TRANSLATE_NOOP("FormPrint", "Channel Information")},
    {"CheckOption", QT_TRANSLATE_NOOP("FormPrint", "Optional Features")},
    {"CheckKeySetting", QT_TRANSLATE_NOOP("FormPrint", "Key Assignment")},
    {"CheckEmbedMessage", QT_TRANSLATE_NOOP("FormPrint", "Embedded Message")},
    {"CheckRxList", QT_TRANSLATE_NOOP("FormPrint", "Rx List")},
};

QPushButton* Button(const char* name) {
    auto* button = new QPushButton;
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

FormPrint::FormPrint(const TextContext& ctx, Actions actions, QWidget* parent)
    : QDialog(parent), ctx_(ctx), actions_(std::move(actions)), commandOk_(Button("CommandOK")),
      commandCancel_(Button("CommandCancel")),
      commandPrinterSetting_(Button("CommandPrinterSetting")),
      commandSelectAll_(Button("CommandSelectAll")), commandClearAll_(Button("CommandClearAll")),
      commandHelp_(Button("CommandHelp")) {
    setObjectName(QStringLiteral("FormPrint"));
    auto* frame = new QGroupBox;
    auto* boxes = new QVBoxLayout(frame);
    for (int i = 0; i < PrintSections::kCount; ++i) {
        checks_[i] = new QCheckBox;
        checks_[i]->setObjectName(QString::fromLatin1(kChecks[i].name));
        boxes->addWidget(checks_[i]);
        connect(checks_[i], &QCheckBox::toggled, this,
                [this] { commandOk_->setEnabled(Sections().Any()); });
    }
    boxes->addStretch();
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {commandOk_, commandCancel_, commandPrinterSetting_,
                                commandSelectAll_, commandClearAll_, commandHelp_})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    commandOk_->setDefault(true);
    connect(commandOk_, &QPushButton::clicked, this, &FormPrint::CommandOK_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(commandSelectAll_, &QPushButton::clicked, this, [this] { TickAll(true); });
    connect(commandClearAll_, &QPushButton::clicked, this, [this] { TickAll(false); });
    connect(commandPrinterSetting_, &QPushButton::clicked, this, [this] {
        if (actions_.printerSetup)
            actions_.printerSetup(this);
    });
    connect(commandHelp_, &QPushButton::clicked, this, [this] {
        UiSeam::Instance().ShowHelpTopic(this, QStringLiteral("Print.htm"), ctx_.IsEnglish);
    });
    FillCaptions();
    commandOk_->setEnabled(false);
}

void FormPrint::FillCaptions() {
    setWindowTitle(ctx_.Tr("FormPrint", "Print"));
    for (int i = 0; i < PrintSections::kCount; ++i)
        checks_[i]->setText(ctx_.Tr("FormPrint", kChecks[i].caption));
    commandPrinterSetting_->setText(ctx_.Tr("FormPrint", "P&rint Setup"));
    commandClearAll_->setText(ctx_.Tr("FormPrint", "C&lear All"));
    commandSelectAll_->setText(ctx_.Tr("FormPrint", "Select &All"));
    commandOk_->setText(ctx_.Tr("FormPrint", "&OK"));
    commandCancel_->setText(ctx_.Tr("FormPrint", "&Cancel"));
    commandHelp_->setText(ctx_.Tr("FormPrint", "&Help"));
}

PrintSections FormPrint::Sections() const {
    PrintSections sections;
    for (int i = 0; i < PrintSections::kCount; ++i)
        sections.Set(PrintSections::PartAt(i), checks_[i]->isChecked());
    return sections;
}

void FormPrint::TickAll(bool ticked) {
    for (QCheckBox* check : checks_)
        check->setChecked(ticked);
}

void FormPrint::CommandOK_Click() {
    const PrintSections sections = Sections();
    if (!sections.Any())
        return;
    if (!actions_.print || actions_.print(sections, this))
        accept();
}

} // namespace zr40
