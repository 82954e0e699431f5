#include "channels/ui/form_rx_list.h"
#include "widgets/grid_cell_editor.h"
#include "widgets/grid_corner.h"

#include "channels/rx_list_rules.h"
#include "codeplug/key_filter.h"
#include "codeplug/value_lists.h"
#include "widgets/combo_fill.h"
#include "widgets/key_filter_edit.h"
#include "widgets/window_state_recorder.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace zr40 {

namespace {

enum TextId { kTextCaption, kTextListLabel, kTextNumber, kTextId, kTextWarning };

// Every text the page shows.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("FormRxList", "Rx List"),
    QT_TRANSLATE_NOOP("FormRxList", "Rx List"),
    QT_TRANSLATE_NOOP("FormRxList", "NO."),
    QT_TRANSLATE_NOOP("FormRxList", "ID"),
    QT_TRANSLATE_NOOP("FormRxList", "Must input value larger than &h80000"),
};

QString Text(TextId id, const TextContext& ctx) {
    return ctx.Tr("FormRxList", kTexts[id]);
}

constexpr int kNumberWidth = 1000 / 15;
constexpr int kIdWidth = 3000 / 15;
constexpr int kGridWidth = 4100 / 15;

} // namespace

FormRxList::FormRxList(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::RxListOpen, parent) {
    BuildControls();
    FillCaptionsAndLists();
    comboRxList_->setCurrentIndex(0);
    currentList_ = 0;
    AnalyseRxList();
    new WindowStateRecorder(codeplug, this);
}

FormRxList::~FormRxList() {
    // The editor goes while the page is whole: it calls the page's cell rules.
    editor_.reset();
}

EditStep FormRxList::OpeningCorrection() const {
    return EditStep::Named("FormRxList",
                           QT_TRANSLATE_NOOP("FormRxList", "Corrected on opening Rx List"));
}

QString FormRxList::Caption() const {
    return Text(kTextCaption, TextContext::Of(codeplug()));
}

void FormRxList::BuildControls() {
    labelRxList_ = new QLabel(this);
    labelRxList_->setObjectName(QStringLiteral("LabelRxList"));
    comboRxList_ = new QComboBox(this);
    comboRxList_->setObjectName(QStringLiteral("ComboRxList"));
    labelRxList_->setBuddy(comboRxList_);
    connect(comboRxList_, &QComboBox::activated, this, &FormRxList::ComboRxList_Click);

    grid_ = new QTableWidget(kRows, 1, this);
    grid_->setObjectName(QStringLiteral("MSHFlexGridRxList"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setCornerButtonEnabled(false);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setFixedWidth(kNumberWidth);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid_->setColumnWidth(0, kIdWidth);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < kRows; ++row) {
        auto* item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(row, 0, item);
    }
    const int height = grid_->horizontalHeader()->sizeHint().height() +
                       kRows * grid_->verticalHeader()->defaultSectionSize() +
                       2 * grid_->frameWidth();
    grid_->setFixedSize(kGridWidth, height);
    GridCorner::Caption(grid_, [this] { return Text(kTextNumber, TextContext::Of(codeplug())); });
    connect(grid_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { CellClick(row + 1, column + 1); });
    editor_ = std::make_unique<GridCellEditor>(grid_, static_cast<CellRules&>(*this));

    labelWarning_ = new QLabel(this);
    labelWarning_->setObjectName(QStringLiteral("LabelWarning"));
    QPalette warning = labelWarning_->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    labelWarning_->setPalette(warning);
    labelWarning_->setWordWrap(true);

    auto* top = new QHBoxLayout;
    top->addWidget(labelRxList_);
    top->addWidget(comboRxList_);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_);
    layout->addWidget(labelWarning_);
    layout->addStretch();
}

void FormRxList::FillCaptionsAndLists() {
    const TextContext ctx = TextContext::Of(codeplug());
    setWindowTitle(Caption());
    labelRxList_->setText(Text(kTextListLabel, ctx));
    labelWarning_->setText(Text(kTextWarning, ctx));
    grid_->setHorizontalHeaderLabels({Text(kTextId, ctx)});
    QStringList numbers;
    ValueLists::FillNumberList(numbers, kRows, false);
    grid_->setVerticalHeaderLabels(numbers);
    QStringList lists;
    ValueLists::FillNumberList(lists, Codeplug::kRxLists, false);
    ComboFill::Replace(*comboRxList_, lists);
}

void FormRxList::AnalyseRxList() {
    for (int row = 1; row <= kRows; ++row)
        grid_->item(row - 1, 0)->setText(RxListRules::ShowEntry(codeplug(), currentList_, row - 1));
}

QString FormRxList::CellText(int row) const {
    if (row < 1 || row > kRows)
        return {};
    return grid_->item(row - 1, 0)->text();
}

void FormRxList::ComboRxList_Click(int index) {
    if (index < 0 || index == currentList_)
        return;
    FreshData();
    currentList_ = index;
    const auto before = codeplug().RxListEntry;
    AnalyseRxList();
    // Showing the list emptied entries that are no group ID: a step of its own, so that the
    // change has a name and can be taken back.
    if (codeplug().RxListEntry != before)
        emit edited(OpeningCorrection());
}

void FormRxList::CellClick(int row, int column) {
    if (row < 1 || row > kRows || column < 1)
        return;
    editor_->Open({row - 1, 0});
}

KeyFilterEdit* FormRxList::textEditor() const {
    return editor_->textEditor();
}

void FormRxList::FreshData() {
    editor_->Commit();
}

CellEditorSpec FormRxList::EditorFor(const GridCell& cell) const {
    CellEditorSpec request;
    request.kind = CellEditorSpec::Kind::Text;
    request.cell = cell;
    request.filterKind = KeyFilterKind::Hex;
    request.text = CellText(cell.row + 1);
    return request;
}

void FormRxList::Commit(const CellCommit& commit) {
    if (!commit.changed && !commit.byEnter)
        return;
    const int row = commit.cell.row + 1;
    const int index = RxListRules::EntryIndex(currentList_, row - 1);
    const Long before = codeplug().RxListEntry.at(index);
    const RxListEntryEdit edit =
        RxListRules::CommitEntry(codeplug(), currentList_, row - 1, commit.text);
    grid_->item(row - 1, 0)->setText(edit.text);
    if (edit.value == before)
        return;
    const int list = currentList_ + 1;
    emit edited(EditStep::InBoth([=](const TextContext& ctx) {
                    //: An entry of a receive list, as Undo and Redo name it: the entry's number,
                    //: then the list's.
                    return ctx.Tr("FormRxList", "Entry %1 of Rx List %2").arg(row).arg(list);
                }).Merging());
}

// Enter stores the entry; the current cell stays.
CellMove FormRxList::AfterEnter(const GridCell&) const {
    return {};
}

void FormRxList::closeEvent(QCloseEvent* event) {
    FreshData();
    ConfigPage::closeEvent(event);
}

} // namespace zr40
