#include "functions/ui/form_scan_information.h"

#include "functions/ui/image_page_parts.h"
#include "widgets/combo_fill.h"
#include "widgets/window_state_recorder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zr40 {

namespace {

using Rules = ScanInformationRules;

enum TextId {
    kTextCaption,
    kTextPriority,
    kTextBackA,
    kTextBackB,
    kTextRevert,
    kTextDropout,
    kTextDwell,
    kTextPriorityChannel,
};

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("FormScanInformation", "Scan Information"),
    QT_TRANSLATE_NOOP("FormScanInformation", "Priority"),
    QT_TRANSLATE_NOOP("FormScanInformation", "Look Back Time A[s]"),
    QT_TRANSLATE_NOOP("FormScanInformation", "Look Back Time B[s]"),
    QT_TRANSLATE_NOOP("FormScanInformation", "Revert Channel"),
    QT_TRANSLATE_NOOP("FormScanInformation", "Dropout Delay Time[s]"),
    QT_TRANSLATE_NOOP("FormScanInformation", "TX Dwell Time[s]"),
    QT_TRANSLATE_NOOP("FormScanInformation", "Priority Channel %1"),
};

constexpr int kPageWidth = 7800 / 15;

QString Text(TextId id, const TextContext& ctx) {
    return ctx.Tr("FormScanInformation", kTexts[id]);
}

// A change of the list `id` captions, as Undo and Redo name it.
EditStep Step(TextId id) {
    return EditStep::Named("FormScanInformation", kTexts[id]);
}

QString Numbered(const char* name, int row) {
    return QString::fromLatin1(name) + QString::number(row);
}

QLabel* AddLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QComboBox* AddCombo(QWidget* parent, const QString& name, QLabel* label) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    label->setBuddy(combo);
    return combo;
}

} // namespace

FormScanInformation::FormScanInformation(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::ScanInfoOpen, parent) {
    BuildControls();
    LanguageChange();
    AnalyseScanInformation();
    new WindowStateRecorder(codeplug, this);
}

FormScanInformation::~FormScanInformation() = default;

QString FormScanInformation::Caption() const {
    return Text(kTextCaption, TextContext::Of(codeplug()));
}

void FormScanInformation::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    ImagePageParts::AddNote(layout, this, TextContext::Of(codeplug()));
    auto* grid = new QGridLayout;
    labelPriority_ = AddLabel(this, QStringLiteral("LabelPriority"));
    comboPriority_ = AddCombo(this, QStringLiteral("ComboPriority"), labelPriority_);
    grid->addWidget(labelPriority_, 0, 0);
    grid->addWidget(comboPriority_, 0, 1);
    labelRevertChannel_ = AddLabel(this, QStringLiteral("LabelRevertChannel"));
    comboRevertChannel_ = AddCombo(this, QStringLiteral("ComboRevertChannel"), labelRevertChannel_);
    grid->addWidget(labelRevertChannel_, 0, 2);
    grid->addWidget(comboRevertChannel_, 0, 3);
    // Made in reading order, which Tab follows: both look-back times, then both delays.
    for (int row = 0; row < 2; ++row) {
        labelScanBackTime_[row] = AddLabel(this, Numbered("LabelScanBackTime", row));
        comboScanBackTime_[row] =
            AddCombo(this, Numbered("ComboScanBackTime", row), labelScanBackTime_[row]);
        grid->addWidget(labelScanBackTime_[row], 1, 2 * row);
        grid->addWidget(comboScanBackTime_[row], 1, 2 * row + 1);
        connect(comboScanBackTime_[row], &QComboBox::activated, this,
                [this, row](int position) { ComboScanBackTime_Click(row, position); });
    }
    for (int row = 0; row < 2; ++row) {
        labelRevertScanDelay_[row] = AddLabel(this, Numbered("LabelRevertScanDelay", row));
        comboScanDelay_[row] =
            AddCombo(this, Numbered("ComboScanDelay", row), labelRevertScanDelay_[row]);
        grid->addWidget(labelRevertScanDelay_[row], 2, 2 * row);
        grid->addWidget(comboScanDelay_[row], 2, 2 * row + 1);
        connect(comboScanDelay_[row], &QComboBox::activated, this,
                [this, row](int position) { ComboScanDelay_Click(row, position); });
    }
    for (int g = 0; g < Rules::kGroups; ++g) {
        labelPriorityChannel_[g] = AddLabel(this, Numbered("LabelPriorityChannel", g));
        comboPriorityChannel_[g] =
            AddCombo(this, Numbered("ComboPriorityChannel", g), labelPriorityChannel_[g]);
        const int row = 3 + g / 2;
        const int column = 2 * (g % 2);
        grid->addWidget(labelPriorityChannel_[g], row, column);
        grid->addWidget(comboPriorityChannel_[g], row, column + 1);
        connect(comboPriorityChannel_[g], &QComboBox::activated, this,
                [this, g](int position) { ComboPriorityChannel_Click(g, position); });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch();
    ImagePageParts::AddCommands(layout, this, TextContext::Of(codeplug()));
    connect(comboPriority_, &QComboBox::activated, this, &FormScanInformation::ComboPriority_Click);
    connect(comboRevertChannel_, &QComboBox::activated, this,
            &FormScanInformation::ComboRevertChannel_Click);
    resize(kPageWidth, sizeHint().height());
}

void FormScanInformation::LanguageChange() {
    const TextContext ctx = TextContext::Of(codeplug());
    setWindowTitle(Caption());
    labelPriority_->setText(Text(kTextPriority, ctx));
    labelScanBackTime_[0]->setText(Text(kTextBackA, ctx));
    labelScanBackTime_[1]->setText(Text(kTextBackB, ctx));
    labelRevertChannel_->setText(Text(kTextRevert, ctx));
    labelRevertScanDelay_[0]->setText(Text(kTextDropout, ctx));
    labelRevertScanDelay_[1]->setText(Text(kTextDwell, ctx));
    for (int g = 0; g < Rules::kGroups; ++g)
        labelPriorityChannel_[g]->setText(Text(kTextPriorityChannel, ctx).arg(g + 1));
    const QStringList times = Rules::TimeItems(ctx);
    for (int row = 0; row < 2; ++row) {
        ComboFill::Replace(*comboScanBackTime_[row], times);
        ComboFill::Replace(*comboScanDelay_[row], times);
    }
    ComboFill::Replace(*comboPriority_, Rules::PriorityItems(ctx));
    ComboFill::Replace(*comboRevertChannel_, Rules::RevertItems(ctx));
}

void FormScanInformation::ApplyMode(const ScanModeView& mode) {
    for (QComboBox* combo : comboScanBackTime_)
        combo->setEnabled(mode.lookBackEnabled);
    for (QComboBox* combo : comboPriorityChannel_)
        combo->setEnabled(mode.priorityChannelsEnabled);
    // The two priority items come and go with the priority; a selection among them goes too.
    const int selected = comboRevertChannel_->currentIndex();
    const QStringList items = Rules::RevertItems(TextContext::Of(codeplug()));
    while (comboRevertChannel_->count() > mode.revertItems)
        comboRevertChannel_->removeItem(comboRevertChannel_->count() - 1);
    while (comboRevertChannel_->count() < mode.revertItems)
        comboRevertChannel_->addItem(items.at(comboRevertChannel_->count()));
    comboRevertChannel_->setCurrentIndex(Rules::RevertSelectionAfter(selected, mode.revertItems));
}

void FormScanInformation::AnalyseScanInformation() {
    updating_ = true;
    const ScanView view = Rules::AnalyseScanInformation(codeplug().RadioImage);
    comboPriority_->setCurrentIndex(view.mode.priority);
    ApplyMode(view.mode);
    for (int row = 0; row < 2; ++row) {
        comboScanBackTime_[row]->setCurrentIndex(view.lookBack[row]);
        comboScanDelay_[row]->setCurrentIndex(view.delay[row]);
    }
    comboRevertChannel_->setCurrentIndex(view.revert);
    for (int g = 0; g < Rules::kGroups; ++g) {
        QStringList numbers;
        for (int number : view.groups[g].numbers)
            numbers << QString::number(number);
        ComboFill::Replace(*comboPriorityChannel_[g], numbers);
        comboPriorityChannel_[g]->setCurrentIndex(view.groups[g].selected);
    }
    updating_ = false;
}

void FormScanInformation::StoreAt(int byte, const EditStep& step,
                                  const std::function<bool(Image&)>& select) {
    const std::uint8_t before = codeplug().RadioImage[byte];
    if (select(codeplug().RadioImage) && codeplug().RadioImage[byte] != before)
        emit edited(step.Merging());
}

void FormScanInformation::ComboPriority_Click(int position) {
    if (updating_ || position < 0)
        return;
    StoreAt(Rules::kPriorityByte, Step(kTextPriority), [this, position](Image& image) {
        const ScanModeView mode = Rules::SelectPriority(image, position);
        updating_ = true;
        ApplyMode(mode);
        updating_ = false;
        return true;
    });
}

void FormScanInformation::ComboScanBackTime_Click(int row, int position) {
    if (!updating_)
        StoreAt(Rules::kLookBackByte + row, Step(row == 0 ? kTextBackA : kTextBackB),
                [=](Image& image) { return Rules::SelectLookBack(image, row, position); });
}

void FormScanInformation::ComboScanDelay_Click(int row, int position) {
    if (!updating_)
        StoreAt(Rules::kDelayByte + row, Step(row == 0 ? kTextDropout : kTextDwell),
                [=](Image& image) { return Rules::SelectDelay(image, row, position); });
}

void FormScanInformation::ComboRevertChannel_Click(int position) {
    if (!updating_)
        StoreAt(Rules::kRevertByte, Step(kTextRevert),
                [=](Image& image) { return Rules::SelectRevert(image, position); });
}

void FormScanInformation::ComboPriorityChannel_Click(int group, int position) {
    if (updating_ || position < 0)
        return;
    const int number = comboPriorityChannel_.at(group)->itemText(position).toInt();
    StoreAt(Rules::kPriorityChannelByte + group, EditStep::InBoth([group](const TextContext& ctx) {
                return Text(kTextPriorityChannel, ctx).arg(group + 1);
            }),
            [=](Image& image) { return Rules::SelectPriorityChannel(image, group, number); });
}

} // namespace zr40
