#include "functions/ui/form_key_setting.h"

#include "functions/ui/image_page_parts.h"
#include "widgets/combo_fill.h"
#include "widgets/window_state_recorder.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zr40 {

namespace {

constexpr int kPageWidth = 4200 / 15;

QString Numbered(const char* name, int row) {
    return QString::fromLatin1(name) + QString::number(row);
}

} // namespace

FormKeySetting::FormKeySetting(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::KeySettingOpen, parent) {
    BuildControls();
    FillCaptionsAndLists();
    AnalyseKeySetting();
    new WindowStateRecorder(codeplug, this);
}

FormKeySetting::~FormKeySetting() = default;

QString FormKeySetting::Caption() const {
    return TextContext::Of(codeplug()).Tr("FormKeySetting", "Key Setting");
}

void FormKeySetting::BuildControls() {
    const TextContext ctx = TextContext::Of(codeplug());
    auto* layout = new QVBoxLayout(this);
    ImagePageParts::AddNote(layout, this, ctx);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto* hidden = new QWidget(this);
    hidden->setObjectName(QStringLiteral("HiddenControls"));
    hidden->hide();
    for (int row = 0; row < KeySettingRules::kRows; ++row) {
        const bool shown = row < KeySettingRules::kShownRows;
        QWidget* parent = shown ? this : hidden;
        labelKeySet_[row] = new QLabel(parent);
        labelKeySet_[row]->setObjectName(Numbered("LabelKeySet", row));
        comboKeySet_[row] = new QComboBox(parent);
        comboKeySet_[row]->setObjectName(Numbered("ComboKeySet", row));
        labelKeySet_[row]->setBuddy(comboKeySet_[row]);
        connect(comboKeySet_[row], &QComboBox::activated, this,
                [this, row](int position) { ComboKeySet_Click(row, position); });
        if (shown)
            form->addRow(labelKeySet_[row], comboKeySet_[row]);
    }
    layout->addLayout(form);
    layout->addStretch();
    ImagePageParts::AddCommands(layout, this, ctx);
    resize(kPageWidth, sizeHint().height());
}

void FormKeySetting::FillCaptionsAndLists() {
    const TextContext ctx = TextContext::Of(codeplug());
    setWindowTitle(Caption());
    for (int row = 0; row < KeySettingRules::kRows; ++row) {
        labelKeySet_[row]->setText(KeySettingRules::RowName(row));
        ComboFill::Replace(*comboKeySet_[row], KeySettingRules::Items(ctx));
    }
}

void FormKeySetting::AnalyseKeySetting() {
    updating_ = true;
    const auto positions = KeySettingRules::AnalyseKeySetting(codeplug().RadioImage);
    for (int row = 0; row < KeySettingRules::kShownRows; ++row)
        comboKeySet_[row]->setCurrentIndex(positions[row]);
    updating_ = false;
}

void FormKeySetting::ComboKeySet_Click(int row, int position) {
    if (updating_)
        return;
    const std::uint8_t before = codeplug().RadioImage[KeySettingRules::kFirstByte + row];
    if (KeySettingRules::Select(codeplug().RadioImage, row, position) && before != position)
        emit edited(EditStep::InBoth([row](const TextContext& ctx) {
                        //: A change of one key's function, as Undo and Redo name it.
                        return ctx.Tr("FormKeySetting", "Key Setting %1")
                            .arg(KeySettingRules::RowName(row));
                    }).Merging());
}

} // namespace zr40
