#include "functions/ui/form_option.h"

#include "codeplug/key_filter.h"
#include "functions/key_define_rules.h"
#include "functions/option_rules.h"
#include "functions/option_texts.h"
#include "widgets/combo_fill.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"
#include "widgets/window_state_recorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zr40 {

namespace {

constexpr int kSleepRows = 4;
constexpr int kBatteryRows = 8;
constexpr int kPageWidth = 6000 / 15;
constexpr int kPageHeight = 6300 / 15;

QString Numbered(const char* name, int row) {
    return QString::fromLatin1(name) + QString::number(row);
}

} // namespace

FormOption::FormOption(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::OptionOpen, parent) {
    hidden_ = new QWidget(this);
    hidden_->setObjectName(QStringLiteral("HiddenControls"));
    hidden_->hide();
    BuildVisibleControls();
    BuildHiddenControls();
    ConnectVisibleLists();
    FillCaptionsAndLists();
    resize(kPageWidth, kPageHeight);
    AnalyseOption();
    new WindowStateRecorder(codeplug, this);
}

FormOption::~FormOption() = default;

QString FormOption::Caption() const {
    return OptionTexts::Caption(QStringLiteral("window"), TextContext::Of(codeplug()));
}

// --- Building ---

QComboBox* FormOption::AddCombo(QWidget* parent, const QString& name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setMaxVisibleItems(16);
    return combo;
}

QLabel* FormOption::AddLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

void FormOption::BuildVisibleControls() {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    textLocalID_ = new KeyFilterEdit(KeyFilterKind::Hex, this);
    textLocalID_->setObjectName(QStringLiteral("TextLocalID"));
    textLocalID_->installEventFilter(this);
    connect(textLocalID_, &KeyFilterEdit::enterPressed, this, &FormOption::TextLocalID_Commit);
    connect(textLocalID_, &KeyFilterEdit::focusLost, this, [this] {
        if (textLocalID_->isModified())
            TextLocalID_Commit();
    });
    connect(textLocalID_, &KeyFilterEdit::escapePressed, this, &FormOption::AnalyseOption);
    form->addRow(AddLabel(this, QStringLiteral("LabelLocalID")), textLocalID_);
    comboVoice_ = AddCombo(this, QStringLiteral("ComboVoice"));
    form->addRow(AddLabel(this, QStringLiteral("LabelVoice")), comboVoice_);
    comboTOT_ = AddCombo(this, QStringLiteral("ComboTOT"));
    form->addRow(AddLabel(this, QStringLiteral("LabelTOT")), comboTOT_);
    comboVoxLevel_ = AddCombo(this, QStringLiteral("ComboVoxLevel"));
    form->addRow(AddLabel(this, QStringLiteral("LabelVoxLevel")), comboVoxLevel_);
    comboVoxDelay_ = AddCombo(this, QStringLiteral("ComboVoxDelay"));
    form->addRow(AddLabel(this, QStringLiteral("LabelVoxDelay")), comboVoxDelay_);
    comboSave_ = AddCombo(this, QStringLiteral("ComboSave"));
    form->addRow(AddLabel(this, QStringLiteral("LabelSave")), comboSave_);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("FrameKeeyDefine"));
    BuildKeyDefineFrame(frame);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(frame);
    layout->addStretch();
}

void FormOption::BuildKeyDefineFrame(QGroupBox* frame) {
    auto* form = new QFormLayout(frame);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int row = 0; row < kKeyRows; ++row) {
        // Rows beyond the two side keys' short and long press belong to keys the radio lacks.
        QWidget* parent = row < kShownKeyRows ? static_cast<QWidget*>(frame) : hidden_;
        QLabel* label = AddLabel(parent, Numbered("LabelKeyDefine", row));
        QComboBox* combo = AddCombo(parent, Numbered("ComboKeyDefine", row));
        keyDefine_[row] = combo;
        connect(combo, &QComboBox::activated, this,
                [this, row](int position) { ComboKeyDefine_Click(row, position); });
        if (row < kShownKeyRows)
            form->addRow(label, combo);
    }
}

void FormOption::BuildHiddenControls() {
    for (const char* name : {"FrameSleep", "FrameVoltage", "FrameVox", "FrameInfrared"}) {
        auto* frame = new QGroupBox(hidden_);
        frame->setObjectName(QString::fromLatin1(name));
    }
    for (const char* name :
         {"LabelKeyMethod", "LabelTOTWarning", "LabelSQ", "LabelCall", "LabelMicReduction",
          "LabelIdleTime", "LabelSleepPoint", "LabelWarningLevel", "LabelVoltageWarningInterval",
          "LabelVoltageLow", "LabelVoltageUpper", "LabelInfBank", "LabelInfModel",
          "LabelAlarmMethod"})
        AddLabel(hidden_, QString::fromLatin1(name));
    for (int row = 0; row <= kSleepRows; ++row)
        AddLabel(hidden_, Numbered("LabelSleepLevel", row));
    for (int row = 0; row < kBatteryRows; ++row)
        AddLabel(hidden_, Numbered("LabelBatteryLevel", row));
    for (const char* name : {"CommandClose", "CommandHelp"}) {
        auto* button = new QPushButton(hidden_);
        button->setObjectName(QString::fromLatin1(name));
    }
    connect(hidden_->findChild<QPushButton*>(QStringLiteral("CommandHelp")), &QPushButton::clicked,
            this, &FormOption::ShowHelp);
    connect(hidden_->findChild<QPushButton*>(QStringLiteral("CommandClose")), &QPushButton::clicked,
            this, &ConfigPage::ClosePage);
    BuildHiddenChecks();
    BuildHiddenLists();
    BuildHiddenTexts();
}

QCheckBox* FormOption::AddHiddenCheck(const QString& name,
                                      std::function<void(Codeplug&, bool)> store) {
    auto* check = new QCheckBox(hidden_);
    check->setObjectName(name);
    connect(check, &QCheckBox::clicked, this, [this, store](bool ticked) {
        if (updating_)
            return;
        store(codeplug(), ticked);
        Stored({});
    });
    return check;
}

void FormOption::BuildHiddenChecks() {
    using R = HiddenOptionRules;
    auto feature = [](R::FeatureBit bit) {
        return [bit](Codeplug& cp, bool ticked) { R::SetFeatureBit(cp, bit, ticked); };
    };
    AddHiddenCheck(QStringLiteral("CheckAlertLock"), &R::SetAlertLock);
    AddHiddenCheck(QStringLiteral("CheckResetAllow"), &R::SetResetAllow);
    AddHiddenCheck(QStringLiteral("CheckExtension"), &R::SetExtension);
    AddHiddenCheck(QStringLiteral("CheckTail"), &R::SetTail);
    AddHiddenCheck(QStringLiteral("CheckVoxCancel"), &R::SetVoxCancel);
    AddHiddenCheck(QStringLiteral("CheckSave"), feature(R::kBitSave));
    AddHiddenCheck(QStringLiteral("CheckBeep"), feature(R::kBitBeep));
    AddHiddenCheck(QStringLiteral("CheckScramble"), feature(R::kBitScramble));
    QCheckBox* voxTone = AddHiddenCheck(QStringLiteral("CheckVoxTone"), feature(R::kBitVoxTone));
    AddHiddenCheck(QStringLiteral("CheckInfMonitor"), feature(R::kBitVoxTone));
    AddHiddenCheck(QStringLiteral("CheckInfMaster"), feature(R::kBitInfMaster));
    AddHiddenCheck(QStringLiteral("CheckRoger"), &R::SetRoger);
    QCheckBox* voxCancel = hidden_->findChild<QCheckBox*>(QStringLiteral("CheckVoxCancel"));
    AddHiddenCheck(QStringLiteral("CheckVox"), [this, voxTone, voxCancel](Codeplug& cp,
                                                                          bool ticked) {
        R::SetFeatureBit(cp, R::kBitVox, ticked);
        const bool enabled = R::VoxControlsEnabled(ticked);
        for (QWidget* w :
             std::initializer_list<QWidget*>{comboVoxLevel_, comboVoxDelay_, voxCancel, voxTone})
            w->setEnabled(enabled);
    });
}

QComboBox* FormOption::AddHiddenList(const QString& name,
                                     std::function<void(Codeplug&, int)> store) {
    QComboBox* combo = AddCombo(hidden_, name);
    connect(combo, &QComboBox::activated, this, [this, store](int position) {
        if (updating_ || position < 0)
            return;
        store(codeplug(), position);
        Stored({});
    });
    return combo;
}

void FormOption::BuildHiddenLists() {
    using R = HiddenOptionRules;
    AddHiddenList(QStringLiteral("ComboTOTWarning"), &R::SetTotWarning);
    AddHiddenList(QStringLiteral("ComboSQ"), &R::SetSquelch);
    AddHiddenList(QStringLiteral("ComboCall"), &R::SetCallResponse);
    AddHiddenList(QStringLiteral("ComboMicReduction"), &R::SetMicReduction);
    AddHiddenList(QStringLiteral("ComboAlarmMethod"), &R::SetAlarmMethod);
    AddHiddenList(QStringLiteral("ComboSleepPoint"), &R::SetSleepPointSeconds);
    for (int row = 0; row < kSleepRows; ++row) {
        AddHiddenList(Numbered("ComboIdleTime", row),
                      [row](Codeplug& cp, int position) { R::SetIdleTime(cp, row, position); });
    }
    comboKeyMethod_ = AddCombo(hidden_, QStringLiteral("ComboKeyMethod"));
    connect(comboKeyMethod_, &QComboBox::activated, this, &FormOption::ComboKeyMethod_Click);
}

KeyFilterEdit*
FormOption::AddHiddenText(const QString& name, int kind,
                          std::function<NumberEntry(Codeplug&, const QString&)> enter) {
    auto* box = new KeyFilterEdit(kind, hidden_);
    box->setObjectName(name);
    hiddenTexts_.insert(box, enter);
    connect(box, &KeyFilterEdit::enterPressed, this, [this, box] { CommitHiddenText(box); });
    connect(box, &KeyFilterEdit::focusLost, this, [this, box] { CommitHiddenText(box); });
    return box;
}

void FormOption::BuildHiddenTexts() {
    using R = HiddenOptionRules;
    AddHiddenText(QStringLiteral("TextInfBank"), KeyFilterKind::Bank, &R::EnterInfBank);
    AddHiddenText(QStringLiteral("TextInfModel"), KeyFilterKind::NonZero, &R::EnterInfModel);
    for (int row = 0; row < kSleepRows; ++row) {
        AddHiddenText(
            Numbered("TextSleepPoint", row), KeyFilterKind::Number6,
            [row](Codeplug& cp, const QString& t) { return R::EnterSleepPoint(cp, row, t); });
    }
    for (int row = 0; row < kBatteryRows; ++row) {
        AddHiddenText(
            Numbered("TextVoltageWarningInterval", row), KeyFilterKind::Number6,
            [row](Codeplug& cp, const QString& t) { return R::EnterWarningInterval(cp, row, t); });
        AddHiddenText(
            Numbered("TextVoltageLower", row), KeyFilterKind::Number6,
            [row](Codeplug& cp, const QString& t) { return R::EnterVoltageLower(cp, row, t); });
        AddHiddenText(
            Numbered("TextVoltageUpper", row), KeyFilterKind::Number6,
            [row](Codeplug& cp, const QString& t) { return R::EnterVoltageUpper(cp, row, t); });
    }
}

void FormOption::ConnectVisibleLists() {
    auto store = [this](QComboBox* combo, auto write) {
        // The list's caption label is named like the list: ComboVoice, LabelVoice.
        QString label = combo->objectName();
        label.replace(QStringLiteral("Combo"), QStringLiteral("Label"));
        connect(combo, &QComboBox::activated, this, [this, write, label](int position) {
            if (updating_ || position < 0)
                return;
            write(codeplug(), position);
            Stored(label);
        });
    };
    store(comboVoice_, [](Codeplug& cp, int p) { cp.VoicePrompt = OptionRules::VoiceValue(p); });
    store(comboTOT_, [](Codeplug& cp, int p) { cp.OptionTOT = OptionRules::TotValue(p); });
    store(comboVoxLevel_, [](Codeplug& cp, int p) { cp.VoxLevel = OptionRules::VoxLevelValue(p); });
    store(comboVoxDelay_, [](Codeplug& cp, int p) { cp.VoxDelay = OptionRules::VoxDelayValue(p); });
    store(comboSave_, [](Codeplug& cp, int p) { cp.IdleTime[0] = OptionRules::SaveValue(p); });
}

// --- Captions and lists ---

void FormOption::FillCaptionsAndLists() {
    const TextContext ctx = TextContext::Of(codeplug());
    setWindowTitle(Caption());
    for (const QString& name : OptionTexts::CaptionedControls()) {
        const QString caption = OptionTexts::Caption(name, ctx);
        if (auto* label = findChild<QLabel*>(name))
            label->setText(caption);
        else if (auto* button = findChild<QAbstractButton*>(name))
            button->setText(caption);
        else if (auto* frame = findChild<QGroupBox*>(name))
            frame->setTitle(caption);
    }
    for (int row = 1; row <= kSleepRows; ++row)
        findChild<QLabel*>(Numbered("LabelSleepLevel", row))->setText(QString::number(row));
    const QStringList battery = OptionTexts::BatteryLevelLabels(ctx);
    for (int row = 0; row < kBatteryRows && row < battery.size(); ++row)
        findChild<QLabel*>(Numbered("LabelBatteryLevel", row))->setText(battery.at(row));
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        QString name = combo->objectName();
        if (name.startsWith(QLatin1String("ComboKeyDefine")))
            continue;
        if (name.startsWith(QLatin1String("ComboIdleTime")))
            name = QStringLiteral("ComboIdleTime");
        ComboFill::Replace(*combo, OptionTexts::Items(name, ctx));
    }
    FillKeyDefineLists(codeplug().KeyMethod);
}

void FormOption::FillKeyDefineLists(Long keyMethod) {
    const TextContext ctx = TextContext::Of(codeplug());
    for (int row = 0; row < kKeyRows; ++row) {
        ComboFill::Replace(*keyDefine_[row], KeyDefineRules::RowItems(row, keyMethod, ctx));
        auto* label = findChild<QLabel*>(Numbered("LabelKeyDefine", row));
        label->setText(QString::number(row + 1));
    }
    const QStringList labels = KeyDefineRules::RowLabels(ctx);
    for (int row = 0; row < kShownKeyRows && row < labels.size(); ++row)
        findChild<QLabel*>(Numbered("LabelKeyDefine", row))->setText(labels.at(row));
}

void FormOption::SelectKeyRows(const std::array<int, kKeyRows>& positions) {
    for (int row = 0; row < kKeyRows; ++row)
        keyDefine_[row]->setCurrentIndex(positions[row]);
}

// --- Loading ---

void FormOption::AnalyseOption() {
    updating_ = true;
    const OptionView view = OptionRules::AnalyseOption(codeplug());
    textLocalID_->setText(view.localIdText);
    textLocalID_->setModified(false);
    comboVoice_->setCurrentIndex(view.voice);
    comboTOT_->setCurrentIndex(view.tot);
    comboVoxLevel_->setCurrentIndex(view.voxLevel);
    comboVoxDelay_->setCurrentIndex(view.voxDelay);
    comboSave_->setCurrentIndex(view.save);
    comboKeyMethod_->setCurrentIndex(KeyDefineRules::IsLoop(view.keyMethod) ? 1 : 0);
    FillKeyDefineLists(view.keyMethod);
    SelectKeyRows(view.keyRows);
    LoadHiddenRows(view);
    updating_ = false;
}

void FormOption::LoadHiddenRows(const OptionView& view) {
    for (int row = 0; row < kSleepRows; ++row) {
        findChild<QComboBox*>(Numbered("ComboIdleTime", row))->setCurrentIndex(view.idleTime[row]);
        findChild<KeyFilterEdit*>(Numbered("TextSleepPoint", row))->setText(view.sleepPoint[row]);
    }
    for (int row = 0; row < kBatteryRows; ++row) {
        findChild<KeyFilterEdit*>(Numbered("TextVoltageWarningInterval", row))
            ->setText(view.warningInterval[row]);
        findChild<KeyFilterEdit*>(Numbered("TextVoltageLower", row))
            ->setText(view.voltageLower[row]);
        findChild<KeyFilterEdit*>(Numbered("TextVoltageUpper", row))
            ->setText(view.voltageUpper[row]);
    }
}

// --- Handlers ---

void FormOption::Stored(const QString& label) {
    // A control's own caption names the edit ("Voice Prompt"); the never-shown controls have
    // none a person would know, so they go by the page's name.
    const QString name = label.isEmpty() ? QStringLiteral("window") : label;
    emit edited(
        EditStep::InBoth([&name](const TextContext& ctx) {
            // "Local ID      (0~7FFFFF)": the range after the blanks is no part of the
            // name.
            return OptionTexts::Caption(name, ctx).section(QStringLiteral("  "), 0, 0).trimmed();
        }).Merging());
}

void FormOption::FreshData() {
    if (textLocalID_->isModified())
        TextLocalID_Commit();
}

void FormOption::TextLocalID_Commit() {
    if (updating_ || committing_)
        return;
    committing_ = true;
    const LocalIdEntry entry = OptionRules::EnterLocalId(textLocalID_->text());
    codeplug().LocalID = entry.value;
    textLocalID_->setText(entry.text);
    textLocalID_->setModified(false);
    committing_ = false;
    Stored(QStringLiteral("LabelLocalID"));
}

void FormOption::ComboKeyDefine_Click(int row, int position) {
    if (updating_ || position < 0)
        return;
    const QList<KeyRowSelection> changes = KeyDefineRules::Click(codeplug(), row, position);
    updating_ = true;
    for (const KeyRowSelection& change : changes)
        keyDefine_.at(change.row)->setCurrentIndex(change.position);
    updating_ = false;
    Stored(row < kShownKeyRows ? Numbered("LabelKeyDefine", row) : QString());
}

void FormOption::ComboKeyMethod_Click(int position) {
    if (updating_ || position < 0)
        return;
    const QList<KeyRowSelection> rows = KeyDefineRules::ChangeKeyMethod(codeplug(), position);
    updating_ = true;
    FillKeyDefineLists(codeplug().KeyMethod);
    for (const KeyRowSelection& change : rows)
        keyDefine_.at(change.row)->setCurrentIndex(change.position);
    updating_ = false;
    Stored({});
}

void FormOption::CommitHiddenText(KeyFilterEdit* box) {
    if (updating_ || !box->isModified())
        return;
    const NumberEntry entry = hiddenTexts_.value(box)(codeplug(), box->text());
    box->setText(entry.text);
    box->setModified(false);
    Stored({});
}

bool FormOption::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == textLocalID_ &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        ShowHelp();
        return true;
    }
    return ConfigPage::eventFilter(watched, event);
}

} // namespace zr40
