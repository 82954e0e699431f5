#include "channels/ui/form_rx_list.h"
#include "widgets/cell_editor.h"
#include "widgets/grid_corner.h"

#include "channels/rx_list_rules.h"
#include "codeplug/key_filter.h"
#include "codeplug/value_lists.h"
#include "widgets/combo_fill.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"
#include "widgets/window_state_recorder.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableWidget>

namespace zr40 {

namespace {

enum TextId { kTextCaption, kTextListLabel, kTextNumber, kTextId, kTextWarning };

// Every text the page shows, in both languages.
constexpr TextPair kTexts[] = {
    {"Rx List", "接收列表"},
    {"Rx List", "接收列表"},
    {"NO.", "序号"},
    {"ID", "ID"},
    {"Must input value larger than &h80000", "必须输入0x80000以上"},
};

QString Text(TextId id, const TextContext& ctx) {
    return ctx.Pick(kTexts[id]);
}

constexpr int kNumberWidth = 1000 / 15;
constexpr int kIdWidth = 3000 / 15;
constexpr int kGridWidth = 4100 / 15;

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsHexDigit(QChar c) {
    return c.isDigit() || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
}

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

FormRxList::~FormRxList() = default;

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
    if (auto* corner = grid_->findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { CellClick(row + 1, column + 1); });

    text1_ = new KeyFilterEdit(KeyFilterKind::Hex, grid_->viewport());
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->hide();
    text1_->installEventFilter(this);

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
    AnalyseRxList();
}

void FormRxList::CellClick(int row, int column) {
    if (row < 1 || row > kRows || column < 1)
        return;
    FreshData();
    OpenEditor(row);
}

void FormRxList::OpenEditor(int row) {
    grid_->setCurrentCell(row - 1, 0);
    editRow_ = row;
    editList_ = currentList_;
    enterPressed_ = false;
    QRect cell = grid_->visualItemRect(grid_->item(row - 1, 0));
    text1_->setGeometry(cell);
    text1_->setText(CellText(row));
    text1_->show();
    text1_->setFocus();
    text1_->selectAll();
}

void FormRxList::FreshData() {
    Commit();
}

void FormRxList::Commit() {
    if (editRow_ == 0 || committing_)
        return;
    committing_ = true;
    const int index = RxListRules::EntryIndex(editList_, editRow_ - 1);
    const Long before = codeplug().RxListEntry.at(index);
    const RxListEntryEdit edit =
        RxListRules::CommitEntry(codeplug(), editList_, editRow_ - 1, text1_->text());
    if (editList_ == currentList_)
        grid_->item(editRow_ - 1, 0)->setText(edit.text);
    committing_ = false;
    if (edit.value != before)
        emit edited(
            EditStep(QStringLiteral("Entry %1 of Rx List %2").arg(editRow_).arg(editList_ + 1),
                     QStringLiteral("接收列表%1 第%2项").arg(editList_ + 1).arg(editRow_)));
    CloseEditor();
}

void FormRxList::CloseEditor() {
    editRow_ = 0;
    enterPressed_ = false;
    HideCellEditor(text1_, grid_);
}

bool FormRxList::GridKeyPress(QKeyEvent* event) {
    const int row = grid_->currentRow() + 1;
    if (row < 1)
        return false;
    if (IsEnterKey(event->key()) || event->key() == Qt::Key_F2) {
        CellClick(row, 1);
        return true;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !IsHexDigit(typed.at(0)) ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    // Typing on an entry starts its editor with that character.
    CellClick(row, 1);
    text1_->TypeCharacter(typed.at(0));
    return true;
}

bool FormRxList::EditorKeyPress(QKeyEvent* event) {
    const int key = event->key();
    if (IsEnterKey(key)) {
        enterPressed_ = true;
        Commit();
        return true;
    }
    if (key == Qt::Key_Escape) {
        CloseEditor();
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const int row = editRow_;
        Commit();
        grid_->setCurrentCell(qBound(0, row - 1 + (key == Qt::Key_Tab ? 1 : -1), kRows - 1), 0);
        grid_->setFocus();
        return true;
    }
    return false;
}

bool FormRxList::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint:
        if (auto* corner = qobject_cast<QAbstractButton*>(watched)) {
            PaintGridCorner(corner, Text(kTextNumber, TextContext::Of(codeplug())));
            return true;
        }
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1) {
            ShowHelp();
            return true;
        }
        if (watched == grid_)
            return GridKeyPress(key);
        if (watched == text1_ && editRow_ != 0)
            return EditorKeyPress(key);
        break;
    }
    case QEvent::FocusOut:
        if (watched == text1_ && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            Commit();
        break;
    default:
        break;
    }
    return ConfigPage::eventFilter(watched, event);
}

void FormRxList::closeEvent(QCloseEvent* event) {
    FreshData();
    ConfigPage::closeEvent(event);
}

} // namespace zr40
