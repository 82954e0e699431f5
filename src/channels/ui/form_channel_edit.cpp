#include "channels/ui/form_channel_edit.h"

#include "channels/channel_effects.h"
#include "channels/channel_list_coding.h"
#include "channels/channel_view.h"
#include "codeplug/key_filter.h"
#include "codeplug/value_lists.h"
#include "widgets/combo_fill.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"
#include "widgets/window_state_recorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace zr40 {

namespace {

struct CaptionEntry {
    const char* control;
    const char* text;
};

// Every caption of the dialog, by control name.
constexpr CaptionEntry kCaptions[] = {
    {"window", QT_TRANSLATE_NOOP("FormChannelEdit", "Channel Edit")},
    {"LabelChannel", QT_TRANSLATE_NOOP("FormChannelEdit", "Channel")},
    {"LabelRxFreq", QT_TRANSLATE_NOOP("FormChannelEdit", "Rx Frequency")},
    {"LabelTxFreq", QT_TRANSLATE_NOOP("FormChannelEdit", "Tx Frequency")},
    {"LabelDecode", QT_TRANSLATE_NOOP("FormChannelEdit", "CTCSS/DCS Decode")},
    {"LabelEncode", QT_TRANSLATE_NOOP("FormChannelEdit", "CTCSS/DCS Encode")},
    {"LabelTxPower", QT_TRANSLATE_NOOP("FormChannelEdit", "Tx Power")},
    {"LabelSpace", QT_TRANSLATE_NOOP("FormChannelEdit", "Channel Spacing")},
    {"LabelSq", QT_TRANSLATE_NOOP("FormChannelEdit", "Sq Level")},
    {"LabelDenoise", QT_TRANSLATE_NOOP("FormChannelEdit", "Denoise Level")},
    {"LabelTxAuthority", QT_TRANSLATE_NOOP("FormChannelEdit", "Tx Setting")},
    {"LabelRxList", QT_TRANSLATE_NOOP("FormChannelEdit", "Rx List")},
    {"CheckRxKey", QT_TRANSLATE_NOOP("FormChannelEdit", "Rx Encrypt Enable")},
    {"LabelRxKey", QT_TRANSLATE_NOOP("FormChannelEdit", "Rx Password")},
    {"CheckTxKey", QT_TRANSLATE_NOOP("FormChannelEdit", "Tx Encrypt Enable")},
    {"LabelTxKey", QT_TRANSLATE_NOOP("FormChannelEdit", "Tx Password")},
    {"LabelTxID", QT_TRANSLATE_NOOP("FormChannelEdit", "Call Type")},
    {"CommandClose", QT_TRANSLATE_NOOP("FormChannelEdit", "&Close")},
    {"KeyTip", QT_TRANSLATE_NOOP("FormChannelEdit", "Only Input Numbers")},
    // Names of edits for the Edit menu, where no caption names the field.
    {"StepTxID", QT_TRANSLATE_NOOP("FormChannelEdit", "Tx ID")},
};

QString CaptionOf(const char* control, const TextContext& ctx) {
    for (const CaptionEntry& caption : kCaptions) {
        if (qstrcmp(caption.control, control) == 0)
            return ctx.Tr("FormChannelEdit", caption.text);
    }
    return {};
}

// Left column then right column of the dialog: label name, control name.
constexpr std::pair<const char*, const char*> kLeftRows[] = {
    {"LabelChannel", "ComboChannel"}, {"LabelRxFreq", "TextRxFreq"},
    {"LabelTxFreq", "TextTxFreq"},    {"LabelDecode", "ComboDecode"},
    {"LabelEncode", "ComboEncode"},   {"LabelTxPower", "ComboTxPower"},
    {"LabelSpace", "ComboSpace"},     {"LabelSq", "ComboSql"},
    {"LabelDenoise", "ComboDenoise"},
};
constexpr std::pair<const char*, const char*> kRightRows[] = {
    {"LabelTxAuthority", "ComboTxAuthority"},
    {"LabelRxList", "ComboRxList"},
    {nullptr, "CheckRxKey"},
    {"LabelRxKey", "TextRxKey"},
    {nullptr, "CheckTxKey"},
    {"LabelTxKey", "TextTxKey"},
    {"LabelTxID", "ComboCallType"},
    {"LabelIDRange", "TextTxID"},
};

constexpr int kDialogWidth = 11970 / 15;
constexpr int kDialogHeight = 7600 / 15;
constexpr int kTimerMs = 500;

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void SelectTone(QComboBox* combo, int index, const QString& text) {
    // A tone that is not a list item is shown as the placeholder; the stored value stays. The
    // placeholder goes first: clearing it while nothing is selected makes Qt select item 0.
    combo->setPlaceholderText(index < 0 ? text : QString());
    combo->setCurrentIndex(index);
}

} // namespace

FormChannelEdit::FormChannelEdit(Codeplug& codeplug, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug) {
    codeplug_.ChannelEditOpen = true;
    setObjectName(QStringLiteral("FormChannelEdit"));
    BuildControls();
    LayOut();
    ConnectHandlers();
    FillCaptionsAndLists();
    resize(kDialogWidth, kDialogHeight);
    AnalyseOneChannel();
    new WindowStateRecorder(codeplug_, this);
    timer1_->start();
}

FormChannelEdit::~FormChannelEdit() {
    // QDialog deletes the boxes after this part is gone; a box losing the focus must not call in.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    codeplug_.ChannelEditOpen = false;
}

QString FormChannelEdit::Caption() const {
    return CaptionOf("window", TextContext::Of(codeplug_));
}

QComboBox* FormChannelEdit::AddCombo(const QString& name) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setMaxVisibleItems(16);
    combo->installEventFilter(this);
    return combo;
}

KeyFilterEdit* FormChannelEdit::AddText(const QString& name, int kind) {
    auto* box = new KeyFilterEdit(kind, this);
    box->setObjectName(name);
    box->setDecimalSeparator(TextContext::Of(codeplug_).DecimalSeparator);
    box->installEventFilter(this);
    return box;
}

void FormChannelEdit::BuildControls() {
    comboChannel_ = AddCombo(QStringLiteral("ComboChannel"));
    textRxFreq_ = AddText(QStringLiteral("TextRxFreq"), KeyFilterKind::Frequency);
    textTxFreq_ = AddText(QStringLiteral("TextTxFreq"), KeyFilterKind::Frequency);
    comboDecode_ = AddCombo(QStringLiteral("ComboDecode"));
    comboEncode_ = AddCombo(QStringLiteral("ComboEncode"));
    comboTxPower_ = AddCombo(QStringLiteral("ComboTxPower"));
    comboSpace_ = AddCombo(QStringLiteral("ComboSpace"));
    comboSql_ = AddCombo(QStringLiteral("ComboSql"));
    comboDenoise_ = AddCombo(QStringLiteral("ComboDenoise"));
    comboTxAuthority_ = AddCombo(QStringLiteral("ComboTxAuthority"));
    comboRxList_ = AddCombo(QStringLiteral("ComboRxList"));
    checkRxKey_ = new QCheckBox(this);
    checkRxKey_->setObjectName(QStringLiteral("CheckRxKey"));
    textRxKey_ = AddText(QStringLiteral("TextRxKey"), KeyFilterKind::Key);
    checkTxKey_ = new QCheckBox(this);
    checkTxKey_->setObjectName(QStringLiteral("CheckTxKey"));
    textTxKey_ = AddText(QStringLiteral("TextTxKey"), KeyFilterKind::Key);
    comboCallType_ = AddCombo(QStringLiteral("ComboCallType"));
    textTxID_ = AddText(QStringLiteral("TextTxID"), KeyFilterKind::Hex);
    labelIDRange_ = new QLabel(this);
    labelIDRange_->setObjectName(QStringLiteral("LabelIDRange"));
    commandClose_ = new QPushButton(this);
    commandClose_->setObjectName(QStringLiteral("CommandClose"));
    // Enter belongs to the field being edited; where no field takes it, it closes the dialog.
    commandClose_->setAutoDefault(false);
    commandClose_->setDefault(true);
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTimerMs);
}

void FormChannelEdit::LayOut() {
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    auto place = [&](const auto& rows, int column) {
        int row = 0;
        for (const auto& [label, control] : rows) {
            QWidget* widget = findChild<QWidget*>(QString::fromLatin1(control));
            if (label && qstrcmp(label, "LabelIDRange") != 0) {
                auto* caption = new QLabel(this);
                caption->setObjectName(QString::fromLatin1(label));
                caption->setBuddy(widget);
                grid->addWidget(caption, row, column);
            } else if (label) {
                grid->addWidget(labelIDRange_, row, column);
            }
            grid->addWidget(widget, row, column + 1);
            ++row;
        }
    };
    place(kLeftRows, 0);
    place(kRightRows, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(std::size(kLeftRows), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandClose_);
    grid->addLayout(buttons, std::size(kLeftRows) + 1, 0, 1, 4);
}

void FormChannelEdit::FillCaptionsAndLists() {
    const TextContext ctx = TextContext::Of(codeplug_);
    setWindowTitle(Caption());
    for (const CaptionEntry& caption : kCaptions) {
        const QString name = QString::fromLatin1(caption.control);
        if (auto* label = findChild<QLabel*>(name))
            label->setText(CaptionOf(caption.control, ctx));
    }
    checkRxKey_->setText(CaptionOf("CheckRxKey", ctx));
    checkTxKey_->setText(CaptionOf("CheckTxKey", ctx));
    commandClose_->setText(CaptionOf("CommandClose", ctx));
    textRxKey_->setToolTip(CaptionOf("KeyTip", ctx));
    textTxKey_->setToolTip(CaptionOf("KeyTip", ctx));
    QStringList channels;
    ValueLists::FillNumberList(channels, Codeplug::kChannels, false);
    ComboFill::Replace(*comboChannel_, channels);
    for (QComboBox* combo : {comboDecode_, comboEncode_, comboTxPower_, comboSpace_, comboSql_,
                             comboDenoise_, comboTxAuthority_, comboRxList_, comboCallType_})
        Refill(combo);
}

QStringList FormChannelEdit::ItemsOf(const QComboBox* combo) const {
    const TextContext ctx = TextContext::Of(codeplug_);
    QStringList items;
    if (combo == comboDecode_ || combo == comboEncode_)
        ValueLists::FillToneList(items, ctx);
    else if (combo == comboTxPower_)
        ValueLists::FillPowerList(items, ctx);
    else if (combo == comboSpace_)
        ValueLists::FillSpaceList(items, ctx);
    else if (combo == comboSql_)
        ValueLists::FillNumberList(items, 10, true);
    else if (combo == comboDenoise_)
        ValueLists::FillOffNumberList(items, 10, ctx);
    else if (combo == comboTxAuthority_)
        ValueLists::FillTxAuthorityList(items, ctx);
    else if (combo == comboCallType_)
        ValueLists::FillCallTypeList(items, ctx);
    else if (combo == comboRxList_)
        // The count comes from the radio or a file; a damaged header must not build a list of
        // millions of items.
        ValueLists::FillNumberList(items, qBound(0, int(codeplug_.RxListCount), Codeplug::kRxLists),
                                   false);
    return items;
}

void FormChannelEdit::Refill(QComboBox* combo) {
    ComboFill::Replace(*combo, ItemsOf(combo));
    combo->setEnabled(true);
}

void FormChannelEdit::Clear(QComboBox* combo) {
    ComboFill::Replace(*combo, {});
    combo->setPlaceholderText(QString());
    combo->setEnabled(false);
}

void FormChannelEdit::ConnectHandlers() {
    connect(comboChannel_, &QComboBox::activated, this, &FormChannelEdit::ComboChannel_Click);
    connect(comboDecode_, &QComboBox::activated, this,
            [this](int index) { ComboTone_Click(FrequencySide::Rx, index); });
    connect(comboEncode_, &QComboBox::activated, this,
            [this](int index) { ComboTone_Click(FrequencySide::Tx, index); });
    for (QComboBox* combo :
         {comboTxPower_, comboSql_, comboTxAuthority_, comboRxList_, comboDenoise_, comboSpace_}) {
        connect(combo, &QComboBox::activated, this,
                [this, combo](int index) { ComboList_Click(combo, index); });
    }
    connect(checkRxKey_, &QCheckBox::clicked, this,
            [this](bool ticked) { CheckKey_Click(FrequencySide::Rx, ticked); });
    connect(checkTxKey_, &QCheckBox::clicked, this,
            [this](bool ticked) { CheckKey_Click(FrequencySide::Tx, ticked); });
    connect(comboCallType_, &QComboBox::activated, this, &FormChannelEdit::ComboCallType_Click);
    for (KeyFilterEdit* box : {textRxFreq_, textTxFreq_, textRxKey_, textTxKey_, textTxID_}) {
        connect(box, &KeyFilterEdit::enterPressed, this, [this, box] { CommitText(box, true); });
        connect(box, &KeyFilterEdit::focusLost, this, [this, box] { CommitText(box, false); });
        // Escape gives up the typing: the box shows the stored value again.
        connect(box, &KeyFilterEdit::escapePressed, this, &FormChannelEdit::AnalyseOneChannel);
    }
    connect(commandClose_, &QPushButton::clicked, this, &FormChannelEdit::reject);
    connect(timer1_, &QTimer::timeout, this, &FormChannelEdit::Timer1_Timer);
}

// --- Loading a channel ---

void FormChannelEdit::AnalyseOneChannel() {
    loading_ = true;
    const int row = qBound(1, int(codeplug_.GridEditRow), Codeplug::kChannels);
    shownChannel_ = row - 1;
    comboChannel_->setCurrentIndex(shownChannel_);
    const DialogChannelView view =
        ChannelView::Dialog(codeplug_, shownChannel_, TextContext::Of(codeplug_));
    if (view.empty) {
        ShowEmptyChannel();
    } else {
        ShowReceiveSide(view);
        if (view.txShown)
            ShowTransmitSide(view);
        else
            ShowNoTransmitSide();
    }
    for (KeyFilterEdit* box : {textRxFreq_, textTxFreq_, textRxKey_, textTxKey_, textTxID_})
        box->setModified(false);
    loading_ = false;
}

void FormChannelEdit::ShowEmptyChannel() {
    textRxFreq_->clear();
    textTxFreq_->clear();
    textTxFreq_->setEnabled(false);
    for (QComboBox* combo : {comboDecode_, comboEncode_, comboTxPower_, comboSpace_, comboSql_,
                             comboDenoise_, comboTxAuthority_, comboRxList_, comboCallType_})
        Clear(combo);
    for (KeyFilterEdit* box : {textTxID_, textRxKey_, textTxKey_}) {
        box->clear();
        box->setEnabled(false);
    }
    for (QCheckBox* check : {checkRxKey_, checkTxKey_}) {
        check->setChecked(false);
        check->setEnabled(false);
    }
    labelIDRange_->clear();
}

void FormChannelEdit::ShowReceiveSide(const DialogChannelView& view) {
    textRxFreq_->setText(view.rxText);
    textTxFreq_->setEnabled(true);
    for (QComboBox* combo : {comboDecode_, comboSql_, comboDenoise_, comboRxList_, comboSpace_}) {
        if (combo->count() == 0)
            Refill(combo);
    }
    const bool digital = view.digital;
    comboDecode_->setEnabled(!digital);
    if (digital)
        SelectTone(comboDecode_, -1, QString());
    else
        SelectTone(comboDecode_, view.decodeIndex, view.decodeText);
    comboRxList_->setEnabled(digital);
    textRxKey_->setEnabled(digital);
    checkRxKey_->setEnabled(digital);
    comboSpace_->setEnabled(!digital);
    comboRxList_->setCurrentIndex(digital ? view.rxListIndex : -1);
    checkRxKey_->setChecked(digital && view.rxKeyChecked);
    textRxKey_->setText(digital ? view.rxKeyText : QString());
    comboSql_->setCurrentIndex(view.sqlIndex);
    comboDenoise_->setCurrentIndex(view.denoiseIndex);
    comboSpace_->setCurrentIndex(view.spaceIndex);
}

void FormChannelEdit::ShowTransmitSide(const DialogChannelView& view) {
    textTxFreq_->setText(view.txText);
    for (QComboBox* combo : {comboEncode_, comboTxAuthority_, comboTxPower_, comboCallType_}) {
        if (combo->count() == 0)
            Refill(combo);
    }
    const bool digital = view.digital;
    comboEncode_->setEnabled(!digital);
    if (digital)
        SelectTone(comboEncode_, -1, QString());
    else
        SelectTone(comboEncode_, view.encodeIndex, view.encodeText);
    textTxKey_->setEnabled(digital);
    checkTxKey_->setEnabled(digital);
    comboCallType_->setEnabled(digital);
    textTxID_->setEnabled(digital);
    checkTxKey_->setChecked(digital && view.txKeyChecked);
    textTxKey_->setText(digital ? view.txKeyText : QString());
    if (digital) {
        ShowCallType(view.callType);
    } else {
        comboCallType_->setCurrentIndex(-1);
        textTxID_->clear();
        labelIDRange_->clear();
    }
    comboTxAuthority_->setEnabled(true);
    comboTxPower_->setEnabled(true);
    comboTxAuthority_->setCurrentIndex(view.txAuthorityIndex);
    comboTxPower_->setCurrentIndex(view.txPowerIndex);
}

void FormChannelEdit::ShowNoTransmitSide() {
    textTxFreq_->clear();
    for (QComboBox* combo : {comboEncode_, comboTxPower_, comboTxAuthority_, comboCallType_})
        Clear(combo);
    for (KeyFilterEdit* box : {textTxID_, textTxKey_}) {
        box->clear();
        box->setEnabled(false);
    }
    checkTxKey_->setChecked(false);
    checkTxKey_->setEnabled(false);
    labelIDRange_->clear();
}

void FormChannelEdit::ShowCallType(const CallTypeView& view) {
    comboCallType_->setCurrentIndex(int(view.type));
    textTxID_->setText(view.idText);
    textTxID_->setEnabled(view.idEnabled);
    labelIDRange_->setText(view.rangeCaption);
}

// --- Handlers ---

void FormChannelEdit::Changed(bool channelData, const char* field) {
    if (channelData)
        codeplug_.ChannelDataChanged = true;
    for (const CaptionEntry& caption : kCaptions) {
        if (qstrcmp(caption.control, field) == 0) {
            emit edited(EditStep::ChannelField("FormChannelEdit", caption.text, shownChannel_ + 1));
            return;
        }
    }
    emit edited(EditStep());
}

void FormChannelEdit::ShowOutOfRange() {
    UiSeam::Instance().Message(this, QMessageBox::Warning, QStringLiteral("ZR40"),
                               ChannelRules::OutOfRangeMessage(TextContext::Of(codeplug_)),
                               QMessageBox::Ok);
}

void FormChannelEdit::ComboChannel_Click(int index) {
    if (loading_ || index < 0)
        return;
    codeplug_.GridEditRow = std::int16_t(index + 1);
    AnalyseOneChannel();
}

void FormChannelEdit::CommitText(KeyFilterEdit* box, bool enter) {
    // Tabbing through a box the user did not type into changes nothing: a receive box left
    // unchanged would otherwise give an empty transmit side the receive frequency.
    if (loading_ || committing_ || (!enter && !box->isModified()) || !box->isEnabled())
        return;
    committing_ = true;
    if (box == textRxFreq_ || box == textTxFreq_)
        CommitFrequency(box, enter);
    else if (box == textTxID_)
        TextTxID_Commit();
    else
        TextKey_Commit(box == textRxKey_ ? FrequencySide::Rx : FrequencySide::Tx);
    box->setModified(false);
    if (enter)
        box->selectAll();
    committing_ = false;
}

void FormChannelEdit::CommitFrequency(KeyFilterEdit* box, bool) {
    if (box == textRxFreq_)
        TextRxFreq_Commit();
    else
        TextTxFreq_Commit();
}

void FormChannelEdit::TextRxFreq_Commit() {
    const DialogEdit edit = ChannelEffects::DialogReceiveEntry(
        codeplug_, shownChannel_, textRxFreq_->text(), TextContext::Of(codeplug_));
    if (edit.outOfRange)
        ShowOutOfRange();
    AnalyseOneChannel();
    Changed(true, "LabelRxFreq");
}

void FormChannelEdit::TextTxFreq_Commit() {
    const DialogEdit edit = ChannelEffects::DialogTransmitEntry(
        codeplug_, shownChannel_, textTxFreq_->text(), TextContext::Of(codeplug_));
    if (edit.outOfRange)
        ShowOutOfRange();
    AnalyseOneChannel();
    Changed(true, "LabelTxFreq");
}

void FormChannelEdit::ComboTone_Click(FrequencySide side, int index) {
    if (loading_ || index < 0)
        return;
    ChannelEffects::DialogTonePick(codeplug_, shownChannel_, side, index);
    (side == FrequencySide::Rx ? comboDecode_ : comboEncode_)->setPlaceholderText(QString());
    Changed(true, side == FrequencySide::Rx ? "LabelDecode" : "LabelEncode");
}

void FormChannelEdit::ComboList_Click(QComboBox* combo, int index) {
    if (loading_ || index < 0)
        return;
    const int e = shownChannel_;
    Codeplug& cp = codeplug_;
    using C = ChannelListCoding;
    const struct {
        QComboBox* combo;
        const char* field;
        Long* value;
        Long stored;
    } lists[] = {
        {comboTxPower_, "LabelTxPower", &cp.TxPower[e], C::TxPowerValue(index)},
        {comboSql_, "LabelSq", &cp.SqlLevel[e], C::SqlLevelValue(index)},
        {comboTxAuthority_, "LabelTxAuthority", &cp.TxAuthority[e], C::TxAuthorityValue(index)},
        {comboRxList_, "LabelRxList", &cp.ChannelRxList[e], C::RxListValue(index)},
        {comboDenoise_, "LabelDenoise", &cp.DenoiseLevel[e], C::DenoiseLevelValue(index)},
        {comboSpace_, "LabelSpace", &cp.ChannelSpace[e], C::SpaceValue(index)},
    };
    const auto list = std::find_if(std::begin(lists), std::end(lists),
                                   [combo](const auto& entry) { return entry.combo == combo; });
    if (list == std::end(lists))
        return;
    *list->value = list->stored;
    const char* field = list->field;
    Changed(true, field);
}

void FormChannelEdit::CheckKey_Click(FrequencySide side, bool ticked) {
    if (loading_)
        return;
    auto& table = side == FrequencySide::Rx ? codeplug_.RxKeyEnable : codeplug_.TxKeyEnable;
    table[shownChannel_] = ChannelListCoding::CheckValue(ticked);
    Changed(false, side == FrequencySide::Rx ? "CheckRxKey" : "CheckTxKey");
}

void FormChannelEdit::TextKey_Commit(FrequencySide side) {
    KeyFilterEdit* box = side == FrequencySide::Rx ? textRxKey_ : textTxKey_;
    const bool changed =
        ChannelEffects::DialogKeyEntry(codeplug_, shownChannel_, side, box->text());
    const bool rx = side == FrequencySide::Rx;
    box->setText(ChannelRules::KeyDisplayText(
        rx ? codeplug_.RxKeyWords(shownChannel_) : codeplug_.TxKeyWords(shownChannel_),
        (rx ? codeplug_.RxKeyLength : codeplug_.TxKeyLength).at(shownChannel_)));
    if (changed)
        Changed(false, rx ? "LabelRxKey" : "LabelTxKey");
}

void FormChannelEdit::ComboCallType_Click(int index) {
    if (loading_ || index < 0)
        return;
    ShowCallType(ChannelEffects::DialogCallTypeChange(codeplug_, shownChannel_, CallType(index)));
    Changed(false, "LabelTxID");
}

void FormChannelEdit::TextTxID_Commit() {
    const TxIdEntry entry =
        ChannelEffects::DialogTxIdEntry(codeplug_, shownChannel_, textTxID_->text());
    textTxID_->setText(entry.text);
    Changed(false, "StepTxID");
}

void FormChannelEdit::FreshData() {
    for (KeyFilterEdit* box : {textRxFreq_, textTxFreq_, textRxKey_, textTxKey_, textTxID_}) {
        if (box->isModified())
            CommitText(box, false);
    }
}

void FormChannelEdit::Timer1_Timer() {
    if (!codeplug_.ChannelGridChanged)
        return;
    AnalyseOneChannel();
    codeplug_.ChannelGridChanged = false;
}

void FormChannelEdit::ShowHelp() {
    UiSeam::Instance().ShowHelpTopic(this, HelpTopic(), codeplug_.IsEnglish);
}

void FormChannelEdit::reject() {
    codeplug_.ChannelEditOpen = false;
    QDialog::reject();
    deleteLater();
}

bool FormChannelEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F1) {
            ShowHelp();
            return true;
        }
        if (IsEnterKey(key) && qobject_cast<QComboBox*>(watched)) {
            if (watched == comboDecode_ || watched == comboEncode_) {
                codeplug_.ChannelDataChanged = true;
                static_cast<QComboBox*>(watched)->setFocus();
            }
            return true; // a list keeps Enter to itself
        }
    } else if (event->type() == QEvent::FocusOut &&
               (watched == comboDecode_ || watched == comboEncode_)) {
        codeplug_.ChannelDataChanged = true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zr40
