#include "channels/ui/form_batch_channel_edit.h"

#include "channels/batch_edit_fields.h"
#include "codeplug/key_filter.h"
#include "codeplug/text_context.h"
#include "codeplug/value_lists.h"
#include "widgets/caption_fields.h"
#include "widgets/combo_fill.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStackedWidget>

#include <iterator>

namespace zr40 {

namespace {

using F = BatchEditFields;

enum TextId {
    kCaption,
    kArea,
    kAllChannels,
    kRange,
    kClearOthers,
    kNote,
    kEditSetting,
    kEdit,
    kRxFreq,
    kRxStartFreq,
    kRxStep,
    kAscending,
    kDescending,
    kTxFreq,
    kTxDefault,
    kTxOffset,
    kPlus,
    kMinus,
    kTxStartFreq,
    kTxStep,
    kDecode,
    kToneStart,
    kToneStep,
    kRandom,
    kEncode,
    kEncodeDefault,
    kTxPower,
    kSpace,
    kBusyLock,
    kScanAdd,
    kReverse,
    kTalkAround,
    kSelectAll,
    kSelectNone,
    kApply,
    kClose,
    kClamped,
};

// The range caption's runs of blanks leave room for the start and the end channel.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Batch ChannelEdit"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Area:"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "All Channel"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "From Channel             To Channel"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Clear the data of other channel"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Channel=(GroupID-1)*16+ChannelID"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Edit &Setting"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "&Edit"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "RX Frequency"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Incept Frequency(MHz)"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "RX Step(KHz)"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "ASC"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "DESC"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "TX Frequency"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Default"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Offset(MHz)"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Plus"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Minus"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Incept(MHz)"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "TX Step(KHz)"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "CTCSS/DCS Decode"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Incept"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Interval"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Random"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "CTCSS/DCS Encode"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Default"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "TX Power"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Channel Spacing"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Busy Channel Lock-out"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Scan Add"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Reverse"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Talk Around"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Select Al&l"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "Select &None"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "&Apply"),
    QT_TRANSLATE_NOOP("FormBatchChannelEdit", "&Close"),
    QT_TRANSLATE_NOOP(
        "FormBatchChannelEdit",
        "The frequency of %n channel(s) ran past the band and was set to the band edge."),
};

QString Text(TextId id, const TextContext& ctx) {
    return ctx.Tr("FormBatchChannelEdit", kTexts[id]);
}

// The "Set" boxes, in the order the setting panel lists them, with the caption they share with
// the field they choose.
struct SetBoxName {
    const char* name;
    TextId caption;
};
constexpr SetBoxName kSetBoxes[] = {
    {"CheckSetRxFreq", kRxFreq},         {"CheckSetTxFreq", kTxFreq},
    {"CheckSetDecode", kDecode},         {"CheckSetEncode", kEncode},
    {"CheckSetScanAdd", kScanAdd},       {"CheckSetReverse", kReverse},
    {"CheckSetTalkAround", kTalkAround}, {"CheckSetTxPower", kTxPower},
    {"CheckSetSpace", kSpace},           {"CheckSetBusyLock", kBusyLock},
};

template <typename W> W* Named(const QString& name) {
    auto* widget = new W;
    widget->setObjectName(name);
    return widget;
}

StepDirection DirectionOf(const QRadioButton* up) {
    return up->isChecked() ? StepDirection::Ascending : StepDirection::Descending;
}

QButtonGroup* Group(QObject* parent, std::initializer_list<QAbstractButton*> buttons) {
    auto* group = new QButtonGroup(parent);
    for (QAbstractButton* button : buttons)
        group->addButton(button);
    return group;
}

} // namespace

FormBatchChannelEdit::FormBatchChannelEdit(Codeplug& codeplug, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug) {
    setObjectName(QStringLiteral("FormBatchChannelEdit"));
    BuildAreaControls();
    panels_ = new QStackedWidget;
    panels_->addWidget(BuildEditPanel());
    panels_->addWidget(BuildSettingPanel());
    BuildButtons();
    FillCaptionsAndLists();
    ConnectRules();
    Opening();
    // Enter in a list or a check box must not press a button: Apply rewrites whole ranges. Close
    // is the default, which Enter presses only on the buttons themselves (keyPressEvent).
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    commandClose_->setDefault(true);
}

// --- Building ---------------------------------------------------------------------------------

KeyFilterEdit* FormBatchChannelEdit::MakeText(const QString& name, int kind, int characters) {
    auto* box = new KeyFilterEdit(kind);
    box->setObjectName(name);
    box->setDecimalSeparator(TextContext::Of(codeplug_).DecimalSeparator);
    const int width = box->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0')));
    box->setFixedWidth(width + 16);
    return box;
}

FormBatchChannelEdit::StepControls
FormBatchChannelEdit::MakeStep(const QString& prefix, const QString& labelName, int kind) {
    StepControls step;
    step.label = Named<QLabel>(labelName);
    step.step = MakeText(QStringLiteral("Text%1Step").arg(prefix), kind,
                         kind == KeyFilterKind::Step ? 3 : 9);
    step.up = Named<QRadioButton>(QStringLiteral("Option%1StepUp").arg(prefix));
    step.down = Named<QRadioButton>(QStringLiteral("Option%1StepDown").arg(prefix));
    Group(this, {step.up, step.down});
    return step;
}

void FormBatchChannelEdit::BuildAreaControls() {
    labelArea_ = Named<QLabel>(QStringLiteral("LabelArea"));
    optionAll_ = Named<QRadioButton>(QStringLiteral("OptionArea0"));
    optionRange_ = Named<QRadioButton>(QStringLiteral("OptionArea1"));
    Group(this, {optionAll_, optionRange_});
    textStartChannel_ = MakeText(QStringLiteral("TextStartChannel"), KeyFilterKind::Channel, 3);
    textEndChannel_ = MakeText(QStringLiteral("TextEndChannel"), KeyFilterKind::Channel, 3);
    checkOption_ = Named<QCheckBox>(QStringLiteral("CheckOption"));
    labelNote_ = Named<QLabel>(QStringLiteral("LabelNote"));
}

QGroupBox* FormBatchChannelEdit::BuildRxFrame() {
    frameRx_ = Named<QGroupBox>(QStringLiteral("FrameRxFreq"));
    labelRxStartFreq_ = Named<QLabel>(QStringLiteral("LabelRxStartFreq"));
    textRxStartFreq_ = MakeText(QStringLiteral("TextRxStartFreq"), KeyFilterKind::Frequency, 9);
    rxStep_ =
        MakeStep(QStringLiteral("Rx"), QStringLiteral("LabelRxStep"), KeyFilterKind::Frequency);
    auto* grid = new QGridLayout(frameRx_);
    grid->addWidget(labelRxStartFreq_, 0, 0);
    grid->addWidget(textRxStartFreq_, 0, 1);
    grid->addWidget(rxStep_.label, 1, 0);
    grid->addWidget(rxStep_.step, 1, 1);
    grid->addWidget(rxStep_.up, 2, 0);
    grid->addWidget(rxStep_.down, 2, 1);
    grid->setRowStretch(3, 1);
    return frameRx_;
}

QGroupBox* FormBatchChannelEdit::BuildTxFrame() {
    frameTx_ = Named<QGroupBox>(QStringLiteral("FrameTxFreq"));
    optionTxDefault_ = Named<QRadioButton>(QStringLiteral("OptionTxDefault"));
    optionTxOffset_ = Named<QRadioButton>(QStringLiteral("OptionTxOffset"));
    optionTxStartFreq_ = Named<QRadioButton>(QStringLiteral("OptionTxStartFreq"));
    Group(this, {optionTxDefault_, optionTxOffset_, optionTxStartFreq_});
    textTxOffset_ = MakeText(QStringLiteral("TextTxOffset"), KeyFilterKind::Frequency, 9);
    optionPlus_ = Named<QRadioButton>(QStringLiteral("OptionPlus"));
    optionMinus_ = Named<QRadioButton>(QStringLiteral("OptionMinus"));
    Group(this, {optionPlus_, optionMinus_});
    textTxStartFreq_ = MakeText(QStringLiteral("TextTxStartFreq"), KeyFilterKind::Frequency, 9);
    txStep_ =
        MakeStep(QStringLiteral("Tx"), QStringLiteral("LabelTxStep"), KeyFilterKind::Frequency);
    auto* grid = new QGridLayout(frameTx_);
    grid->addWidget(optionTxDefault_, 0, 0);
    grid->addWidget(optionTxOffset_, 1, 0);
    grid->addWidget(textTxOffset_, 1, 1);
    grid->addWidget(optionPlus_, 2, 0, Qt::AlignRight);
    grid->addWidget(optionMinus_, 2, 1);
    grid->addWidget(optionTxStartFreq_, 3, 0);
    grid->addWidget(textTxStartFreq_, 3, 1);
    grid->addWidget(txStep_.label, 4, 0);
    grid->addWidget(txStep_.step, 4, 1);
    grid->addWidget(txStep_.up, 5, 0);
    grid->addWidget(txStep_.down, 5, 1);
    return frameTx_;
}

QGroupBox* FormBatchChannelEdit::BuildToneFrame(ToneControls& tone, const QString& prefix) {
    tone.frame = Named<QGroupBox>(QStringLiteral("Frame%1").arg(prefix));
    tone.labelStart = Named<QLabel>(QStringLiteral("Label%1Start").arg(prefix));
    tone.start = Named<QComboBox>(QStringLiteral("Combo%1Start").arg(prefix));
    tone.start->setMaxVisibleItems(16);
    tone.step = MakeStep(prefix, QStringLiteral("Label%1Step").arg(prefix), KeyFilterKind::Step);
    tone.random = Named<QCheckBox>(QStringLiteral("Check%1Random").arg(prefix));
    auto* grid = new QGridLayout(tone.frame);
    grid->addWidget(tone.labelStart, 0, 0);
    grid->addWidget(tone.start, 0, 1);
    grid->addWidget(tone.step.label, 1, 0);
    grid->addWidget(tone.step.step, 1, 1);
    grid->addWidget(tone.step.up, 2, 0);
    grid->addWidget(tone.step.down, 2, 1);
    grid->addWidget(tone.random, 3, 0);
    grid->setRowStretch(4, 1);
    return tone.frame;
}

QWidget* FormBatchChannelEdit::BuildCommonControls() {
    labelTxPower_ = Named<QLabel>(QStringLiteral("LabelTxPower"));
    comboTxPower_ = Named<QComboBox>(QStringLiteral("ComboTxPower"));
    labelSpace_ = Named<QLabel>(QStringLiteral("LabelSpace"));
    comboSpace_ = Named<QComboBox>(QStringLiteral("ComboSpace"));
    labelBusyLock_ = Named<QLabel>(QStringLiteral("LabelBusyLock"));
    comboBusyLock_ = Named<QComboBox>(QStringLiteral("ComboBusyLock"));
    checkScanAdd_ = Named<QCheckBox>(QStringLiteral("CheckScanAdd"));
    checkReverse_ = Named<QCheckBox>(QStringLiteral("CheckReverse"));
    checkTalkAround_ = Named<QCheckBox>(QStringLiteral("CheckTalkAround"));
    auto* common = new QWidget;
    auto* grid = new QGridLayout(common);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(labelTxPower_, 0, 0);
    grid->addWidget(comboTxPower_, 0, 1);
    grid->addWidget(labelSpace_, 1, 0);
    grid->addWidget(comboSpace_, 1, 1);
    grid->addWidget(labelBusyLock_, 2, 0);
    grid->addWidget(comboBusyLock_, 2, 1);
    grid->setColumnMinimumWidth(2, 24);
    grid->addWidget(checkScanAdd_, 0, 3);
    grid->addWidget(checkReverse_, 1, 3);
    grid->addWidget(checkTalkAround_, 2, 3);
    grid->setColumnStretch(4, 1);
    return common;
}

QWidget* FormBatchChannelEdit::BuildEditPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanelEdit"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(BuildRxFrame(), 0, 0);
    grid->addWidget(BuildToneFrame(decode_, QStringLiteral("Decode")), 0, 1);
    grid->addWidget(BuildTxFrame(), 1, 0);
    QGroupBox* encode = BuildToneFrame(encode_, QStringLiteral("Encode"));
    checkEncodeDefault_ = Named<QCheckBox>(QStringLiteral("CheckEncodeDefault"));
    static_cast<QGridLayout*>(encode->layout())->addWidget(checkEncodeDefault_, 3, 1);
    grid->addWidget(encode, 1, 1);
    grid->addWidget(BuildCommonControls(), 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    return panel;
}

QWidget* FormBatchChannelEdit::BuildSettingPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanelSetting"));
    auto* grid = new QGridLayout(panel);
    const QList<QList<QWidget*>> editors = {
        {frameRx_},
        {frameTx_},
        {decode_.frame},
        {encode_.frame},
        {checkScanAdd_},
        {checkReverse_},
        {checkTalkAround_},
        {labelTxPower_, comboTxPower_},
        {labelSpace_, comboSpace_},
        {labelBusyLock_, comboBusyLock_},
    };
    const int rows = int(std::size(kSetBoxes) + 1) / 2;
    for (int i = 0; i < int(std::size(kSetBoxes)); ++i) {
        auto* box = Named<QCheckBox>(QString::fromLatin1(kSetBoxes[i].name));
        setBoxes_.append({box, editors.at(i)});
        grid->addWidget(box, i % rows, i / rows);
    }
    commandSelectAll_ = Named<QPushButton>(QStringLiteral("CommandSelectAll"));
    commandSelectNone_ = Named<QPushButton>(QStringLiteral("CommandSelectNone"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(commandSelectAll_);
    buttons->addWidget(commandSelectNone_);
    buttons->addStretch();
    grid->addLayout(buttons, rows, 0, 1, 2);
    grid->setRowStretch(rows + 1, 1);
    return panel;
}

void FormBatchChannelEdit::BuildButtons() {
    commandEdit_ = Named<QPushButton>(QStringLiteral("CommandEdit"));
    commandApply_ = Named<QPushButton>(QStringLiteral("CommandApply"));
    commandClose_ = Named<QPushButton>(QStringLiteral("CommandClose"));

    auto* area = new QGridLayout;
    area->addWidget(labelArea_, 0, 0);
    area->addWidget(optionAll_, 0, 1);
    area->addWidget(optionRange_, 0, 2);
    area->addWidget(checkOption_, 1, 1);
    area->addWidget(labelNote_, 1, 2);
    area->setColumnStretch(3, 1);
    auto* fields = new CaptionFields(optionRange_);
    fields->Place(textStartChannel_, 0);
    fields->Place(textEndChannel_, CaptionFields::kAfterText);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(commandEdit_);
    buttons->addStretch();
    buttons->addWidget(commandApply_);
    buttons->addWidget(commandClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(area);
    layout->addWidget(panels_, 1);
    layout->addLayout(buttons);
}

void FormBatchChannelEdit::FillCaptionsAndLists() {
    const TextContext ctx = TextContext::Of(codeplug_);
    auto text = [&ctx](TextId id) { return Text(id, ctx); };
    setWindowTitle(text(kCaption));
    labelArea_->setText(text(kArea));
    optionAll_->setText(text(kAllChannels));
    optionRange_->setText(text(kRange));
    checkOption_->setText(text(kClearOthers));
    labelNote_->setText(text(kNote));
    frameRx_->setTitle(text(kRxFreq));
    labelRxStartFreq_->setText(text(kRxStartFreq));
    rxStep_.label->setText(text(kRxStep));
    frameTx_->setTitle(text(kTxFreq));
    optionTxDefault_->setText(text(kTxDefault));
    optionTxOffset_->setText(text(kTxOffset));
    optionPlus_->setText(text(kPlus));
    optionMinus_->setText(text(kMinus));
    optionTxStartFreq_->setText(text(kTxStartFreq));
    txStep_.label->setText(text(kTxStep));
    for (StepControls* step : {&rxStep_, &txStep_, &decode_.step, &encode_.step}) {
        step->up->setText(text(kAscending));
        step->down->setText(text(kDescending));
    }
    decode_.frame->setTitle(text(kDecode));
    encode_.frame->setTitle(text(kEncode));
    QStringList tones;
    ValueLists::FillToneList(tones, ctx);
    for (ToneControls* tone : {&decode_, &encode_}) {
        tone->labelStart->setText(text(kToneStart));
        tone->step.label->setText(text(kToneStep));
        tone->random->setText(text(kRandom));
        ComboFill::Replace(*tone->start, tones);
    }
    checkEncodeDefault_->setText(text(kEncodeDefault));
    labelTxPower_->setText(text(kTxPower));
    labelSpace_->setText(text(kSpace));
    labelBusyLock_->setText(text(kBusyLock));
    checkScanAdd_->setText(text(kScanAdd));
    checkReverse_->setText(text(kReverse));
    checkTalkAround_->setText(text(kTalkAround));
    QStringList powers, spaces, busy;
    ValueLists::FillPowerList(powers, ctx);
    ValueLists::FillSpaceList(spaces, ctx);
    ValueLists::FillBusyLockList(busy, ctx);
    ComboFill::Replace(*comboTxPower_, powers);
    ComboFill::Replace(*comboSpace_, spaces);
    ComboFill::Replace(*comboBusyLock_, busy);
    for (int i = 0; i < setBoxes_.size(); ++i)
        setBoxes_[i].box->setText(text(kSetBoxes[i].caption));
    commandSelectAll_->setText(text(kSelectAll));
    commandSelectNone_->setText(text(kSelectNone));
    commandApply_->setText(text(kApply));
    commandClose_->setText(text(kClose));
}

// The whole range, the band's lower edge as first frequency, the first item of every list, every
// step rising; the transmit side follows the receive side. Every "Set" box starts ticked, so the
// edit panel shows every field Apply would write.
void FormBatchChannelEdit::Opening() {
    const QChar separator = TextContext::Of(codeplug_).DecimalSeparator;
    optionAll_->setChecked(true);
    textStartChannel_->setText(QStringLiteral("1"));
    textEndChannel_->setText(QString::number(F::kLastChannel));
    const QString lower =
        F::EnterStartFrequency(QString(), codeplug_.BandLower, codeplug_.BandUpper, separator);
    textRxStartFreq_->setText(lower);
    textTxStartFreq_->setText(lower);
    for (StepControls* step : {&rxStep_, &txStep_, &decode_.step, &encode_.step}) {
        step->step->setText(QStringLiteral("0"));
        step->up->setChecked(true);
    }
    textTxOffset_->setText(QStringLiteral("0") + separator + QStringLiteral("00000"));
    optionTxDefault_->setChecked(true);
    optionPlus_->setChecked(true);
    for (QComboBox* list :
         {decode_.start, encode_.start, comboTxPower_, comboSpace_, comboBusyLock_})
        list->setCurrentIndex(0);
    SelectAllSetBoxes(true);
    panels_->setCurrentIndex(0);
    commandEdit_->setText(Text(kEditSetting, TextContext::Of(codeplug_)));
    UpdateEnabling();
}

void FormBatchChannelEdit::ConnectRules() {
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             optionAll_, optionRange_, optionTxDefault_, optionTxOffset_, optionTxStartFreq_,
             decode_.random, encode_.random, checkEncodeDefault_})
        connect(button, &QAbstractButton::toggled, this, &FormBatchChannelEdit::UpdateEnabling);
    for (const SetBox& set : std::as_const(setBoxes_)) {
        connect(set.box, &QCheckBox::toggled, this, [editors = set.editors](bool ticked) {
            for (QWidget* editor : editors)
                editor->setVisible(ticked);
        });
    }
    for (KeyFilterEdit* box :
         {textStartChannel_, textEndChannel_, textRxStartFreq_, rxStep_.step, textTxOffset_,
          textTxStartFreq_, txStep_.step, decode_.step.step, encode_.step.step}) {
        connect(box, &KeyFilterEdit::enterPressed, this, [this, box] { Commit(box); });
        connect(box, &KeyFilterEdit::focusLost, this, [this, box] { Commit(box); });
    }
    connect(commandSelectAll_, &QPushButton::clicked, this, [this] { SelectAllSetBoxes(true); });
    connect(commandSelectNone_, &QPushButton::clicked, this, [this] { SelectAllSetBoxes(false); });
    connect(commandEdit_, &QPushButton::clicked, this, &FormBatchChannelEdit::CommandEdit_Click);
    connect(commandApply_, &QPushButton::clicked, this, &FormBatchChannelEdit::CommandApply_Click);
    connect(commandClose_, &QPushButton::clicked, this, &QDialog::reject);
}

// --- Rules ------------------------------------------------------------------------------------

void FormBatchChannelEdit::UpdateEnabling() {
    const bool range = optionRange_->isChecked();
    for (QWidget* widget :
         {static_cast<QWidget*>(checkOption_), static_cast<QWidget*>(textStartChannel_),
          static_cast<QWidget*>(textEndChannel_)})
        widget->setEnabled(range);

    const bool offset = optionTxOffset_->isChecked();
    const bool incept = optionTxStartFreq_->isChecked();
    for (QWidget* widget :
         {static_cast<QWidget*>(textTxOffset_), static_cast<QWidget*>(optionPlus_),
          static_cast<QWidget*>(optionMinus_)})
        widget->setEnabled(offset);
    for (QWidget* widget :
         {static_cast<QWidget*>(textTxStartFreq_), static_cast<QWidget*>(txStep_.step),
          static_cast<QWidget*>(txStep_.up), static_cast<QWidget*>(txStep_.down)})
        widget->setEnabled(incept);

    const bool followDecode = checkEncodeDefault_->isChecked();
    encode_.random->setEnabled(!followDecode);
    for (ToneControls* tone : {&decode_, &encode_}) {
        const bool run = !tone->random->isChecked() && (tone == &decode_ || !followDecode);
        for (QWidget* widget :
             {static_cast<QWidget*>(tone->start), static_cast<QWidget*>(tone->step.step),
              static_cast<QWidget*>(tone->step.up), static_cast<QWidget*>(tone->step.down)})
            widget->setEnabled(run);
    }
}

void FormBatchChannelEdit::Commit(KeyFilterEdit* box) {
    const QChar separator = TextContext::Of(codeplug_).DecimalSeparator;
    if (box == textStartChannel_ || box == textEndChannel_) {
        const ChannelRangeText range =
            box == textStartChannel_
                ? F::EnterStartChannel(textStartChannel_->text(), textEndChannel_->text())
                : F::EnterEndChannel(textStartChannel_->text(), textEndChannel_->text());
        textStartChannel_->setText(range.start);
        textEndChannel_->setText(range.end);
    } else if (box == textRxStartFreq_) {
        box->setText(F::EnterStartFrequency(box->text(), codeplug_.BandLower, codeplug_.BandUpper,
                                            separator));
    } else if (box == textTxStartFreq_) {
        box->setText(F::EnterStartFrequency(box->text(), codeplug_.BandLower, codeplug_.BandUpperTx,
                                            separator));
    } else if (box == rxStep_.step) {
        box->setText(F::EnterStep(box->text(), F::kRxStepLimit, separator));
    } else if (box == txStep_.step) {
        box->setText(F::EnterStep(box->text(), F::kTxStepLimit, separator));
    } else {
        box->setText(F::EnterZeroDefault(box->text()));
    }
}

void FormBatchChannelEdit::FreshData() {
    for (KeyFilterEdit* box :
         {textStartChannel_, textEndChannel_, textRxStartFreq_, rxStep_.step, textTxOffset_,
          textTxStartFreq_, txStep_.step, decode_.step.step, encode_.step.step})
        Commit(box);
}

// --- Commands ---------------------------------------------------------------------------------

BatchTone FormBatchChannelEdit::ToneChoice(const ToneControls& tone) const {
    return {false, tone.random->isChecked(), qMax(0, tone.start->currentIndex()),
            tone.step.step->text().toInt(), DirectionOf(tone.step.up)};
}

BatchChannelChoice FormBatchChannelEdit::Choice() {
    FreshData();
    const QChar separator = TextContext::Of(codeplug_).DecimalSeparator;
    auto set = [this](int i) { return setBoxes_.at(i).box->isChecked(); };
    BatchChannelChoice c;
    if (optionRange_->isChecked()) {
        const ChannelRangeText range{textStartChannel_->text(), textEndChannel_->text()};
        c.first = range.first();
        c.last = range.last();
        c.clearOthers = checkOption_->isChecked();
    }
    c.setRxFreq = set(0);
    c.rx = {F::MilliHertzOfMegahertz(textRxStartFreq_->text(), separator),
            F::MilliHertzOfKilohertz(rxStep_.step->text(), separator), DirectionOf(rxStep_.up)};
    c.setTxFreq = set(1);
    c.txMode = optionTxOffset_->isChecked()      ? TransmitMode::Offset
               : optionTxStartFreq_->isChecked() ? TransmitMode::Incept
                                                 : TransmitMode::Default;
    c.txOffset = F::MilliHertzOfMegahertz(textTxOffset_->text(), separator);
    c.offsetPlus = optionPlus_->isChecked();
    c.tx = {F::MilliHertzOfMegahertz(textTxStartFreq_->text(), separator),
            F::MilliHertzOfKilohertz(txStep_.step->text(), separator), DirectionOf(txStep_.up)};
    c.decode = ToneChoice(decode_);
    c.decode.set = set(2);
    c.encode = ToneChoice(encode_);
    c.encode.set = set(3);
    c.encodeDefault = checkEncodeDefault_->isChecked();
    c.setScanAdd = set(4);
    c.scanAdd = checkScanAdd_->isChecked();
    c.setReverse = set(5);
    c.reverse = checkReverse_->isChecked();
    c.setTalkAround = set(6);
    c.talkAround = checkTalkAround_->isChecked();
    c.setTxPower = set(7);
    c.highPower = comboTxPower_->currentIndex() == 1;
    c.setSpace = set(8);
    c.wide = comboSpace_->currentIndex() == 1;
    c.setBusyLock = set(9);
    c.busyLock = qMax(0, comboBusyLock_->currentIndex());
    return c;
}

void FormBatchChannelEdit::CommandApply_Click() {
    const BatchChannelChoice choice = Choice();
    // One generator for the whole run: every channel draws a tone of its own.
    QRandomGenerator random(QRandomGenerator::global()->generate());
    const BatchEditResult result = BatchChannelEdit::Apply(codeplug_, choice, random);
    emit edited();
    if (result.clampedChannels > 0)
        ShowClamped(result.clampedChannels);
}

void FormBatchChannelEdit::ShowClamped(int channels) {
    const QString text = Text(kClamped, TextContext::Of(codeplug_));
    UiSeam::Instance().Message(
        this, QMessageBox::Information, UiSeam::AppTitle(),
        QString(text).replace(QStringLiteral("%n"), QString::number(channels)), QMessageBox::Ok);
}

bool FormBatchChannelEdit::SettingPanelShown() const {
    return panels_->currentIndex() == 1;
}

void FormBatchChannelEdit::CommandEdit_Click() {
    const bool toSetting = !SettingPanelShown();
    panels_->setCurrentIndex(toSetting ? 1 : 0);
    commandEdit_->setText(Text(toSetting ? kEdit : kEditSetting, TextContext::Of(codeplug_)));
}

void FormBatchChannelEdit::SelectAllSetBoxes(bool ticked) {
    for (const SetBox& set : std::as_const(setBoxes_)) {
        set.box->setChecked(ticked);
        for (QWidget* editor : set.editors)
            editor->setVisible(ticked);
    }
}

void FormBatchChannelEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        UiSeam::Instance().ShowHelpTopic(this, HelpTopic(), codeplug_.IsEnglish);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton*>(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zr40
