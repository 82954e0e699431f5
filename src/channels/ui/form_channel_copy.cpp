#include "channels/ui/form_channel_copy.h"

#include "channels/channel_copy.h"
#include "codeplug/text_context.h"
#include "codeplug/value_lists.h"
#include "widgets/caption_fields.h"
#include "widgets/ui_seam.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zr40 {

namespace {

enum TextId { kTextCaption, kTextLabel, kTextCopy, kTextClose, kTextHelp };

// The label's runs of blanks leave room for the source channel and, after it, the target list.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("FormChannelCopy", "Copy Channel"),
    QT_TRANSLATE_NOOP("FormChannelCopy", "Channel               To Channel"),
    QT_TRANSLATE_NOOP("FormChannelCopy", "C&opy"),
    QT_TRANSLATE_NOOP("FormChannelCopy", "&Close"),
    QT_TRANSLATE_NOOP("FormChannelCopy", "&Help"),
};

QString Text(TextId id, const TextContext& ctx) {
    return ctx.Tr("FormChannelCopy", kTexts[id]);
}

} // namespace

FormChannelCopy::FormChannelCopy(Codeplug& codeplug, int source, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug), copySource_(source), copyTarget_(source),
      labelChannelCopy_(new QLabel), textSource_(new QLineEdit), comboChannelTo_(new QComboBox),
      commandCopy_(new QPushButton), commandCancel_(new QPushButton),
      commandHelp_(new QPushButton) {
    setObjectName(QStringLiteral("FormChannelCopy"));
    labelChannelCopy_->setObjectName(QStringLiteral("LabelChannelCopy"));
    textSource_->setObjectName(QStringLiteral("TextChannelFrom"));
    comboChannelTo_->setObjectName(QStringLiteral("ComboChannelTo"));
    commandCopy_->setObjectName(QStringLiteral("CommandCopy"));
    commandCancel_->setObjectName(QStringLiteral("CommandCancel"));
    commandHelp_->setObjectName(QStringLiteral("CommandHelp"));
    textSource_->setReadOnly(true);
    textSource_->setFocusPolicy(Qt::NoFocus);
    textSource_->setAlignment(Qt::AlignCenter);
    textSource_->setText(QString::number(copySource_));

    // Every channel of the grid can be a target, so any row can be copied anywhere.
    QStringList targets;
    ValueLists::FillNumberList(targets, ChannelCopy::kTargets, false);
    comboChannelTo_->addItems(targets);
    comboChannelTo_->setCurrentIndex(copyTarget_ - 1);

    FillCaptions();
    auto* fields = new CaptionFields(labelChannelCopy_);
    fields->Place(textSource_, 0);
    fields->Place(comboChannelTo_, CaptionFields::kAfterText);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandCopy_);
    buttons->addWidget(commandCancel_);
    buttons->addWidget(commandHelp_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelChannelCopy_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(comboChannelTo_, &QComboBox::currentIndexChanged, this,
            &FormChannelCopy::ComboChannelTo_Click);
    connect(commandCopy_, &QPushButton::clicked, this, &FormChannelCopy::CommandCopy_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(commandHelp_, &QPushButton::clicked, this, &FormChannelCopy::CommandHelp_Click);
    commandCopy_->setDefault(true);
}

void FormChannelCopy::FillCaptions() {
    const TextContext ctx = TextContext::Of(codeplug_);
    setWindowTitle(Text(kTextCaption, ctx));
    labelChannelCopy_->setText(Text(kTextLabel, ctx));
    commandCopy_->setText(Text(kTextCopy, ctx));
    commandCancel_->setText(Text(kTextClose, ctx));
    commandHelp_->setText(Text(kTextHelp, ctx));
}

void FormChannelCopy::ComboChannelTo_Click(int index) {
    copyTarget_ = index + 1;
}

void FormChannelCopy::CommandCopy_Click() {
    if (ChannelCopy::Copy(codeplug_, copySource_, copyTarget_))
        emit copied(copySource_, copyTarget_);
}

void FormChannelCopy::CommandHelp_Click() {
    UiSeam::Instance().ShowHelpTopic(this, HelpTopic(), codeplug_.IsEnglish);
}

void FormChannelCopy::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        CommandHelp_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zr40
