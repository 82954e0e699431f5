#include "channels/ui/form_channel_information.h"
#include "widgets/cell_editor.h"
#include "widgets/grid_corner.h"

#include "channels/channel_rules.h"
#include "channels/channel_view.h"
#include "channels/ui/form_channel_copy.h"
#include "channels/ui/form_channel_edit.h"
#include "codeplug/key_filter.h"
#include "codeplug/value_lists.h"
#include "exchange/channel_clipboard.h"
#include "widgets/combo_fill.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"
#include "widgets/window_state_recorder.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace zr40 {

namespace {

enum TextId {
    kTextCaption,
    kTextHeaderChannel,
    kTextHeaderRx,
    kTextHeaderTx,
    kTextHeaderType,
    kTextHeaderDecode,
    kTextHeaderEncode,
    kTextHeaderPower,
    kTextHeaderMore,
    kTextClose,
    kTextMore,
    kTextCopyRows,
    kTextPasteRows,
    kTextClearRows,
    kTextPasteStep,
    kTextClearStep,
    kTextPasteFailed,
    kTextLeftOver,
    kTextCopyChannel,
};

// Every text the page shows, in both languages.
constexpr TextPair kTexts[] = {
    {"Channel Information", "信道信息"},
    {"CH", "信道"},
    {"Rx Frequency", "接收频率"},
    {"Tx Frequency", "发射频率"},
    {"Channel Type", "信道配置"},
    {"CTCSS/DCS Decode", "解码"},
    {"CTCSS/DCS Encode", "编码"},
    {"Tx Power", "发射功率"},
    {"More", "更多"},
    {"&Close", "关闭(&C)"},
    {">>", ">>"},
    {"&Copy Channels", "复制信道(&C)"},
    {"&Paste Channels", "粘贴信道(&P)"},
    {"C&lear Channels", "清除信道(&L)"},
    {"Paste", "粘贴"},
    {"Clear", "清除"},
    {"The rows cannot be pasted:", "无法粘贴这些行："},
    {"Rows %1 were not pasted: channel 32 is the last.", "第%1行没有粘贴：信道32是最后一个。"},
    {"Copy Channel…", "信道复制…"},
};

QString Text(TextId id, const TextContext& ctx) {
    return ctx.Pick(kTexts[id]);
}

// Column widths in pixels (the page's layout in twips, 15 twips a pixel), column 0 first.
constexpr std::array<int, FormChannelInformation::kColumns> kColumnWidths = {
    500 / 15, 1000 / 15, 1000 / 15, 1000 / 15, 1000 / 15, 1000 / 15, 1200 / 15, 1200 / 15};
constexpr int kHeaderHeight = 500 / 15;
constexpr int kPageWidth = 8910 / 15;
constexpr int kPageHeight = 6180 / 15;
constexpr int kTimerMs = 500;

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsToneColumn(int column) {
    return column == kGridColumnDecode || column == kGridColumnEncode;
}

// The table's corner button draws nothing of its own; the channel-number column keeps its
// caption there.
} // namespace

FormChannelInformation::FormChannelInformation(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::ChannelInfoOpen, parent) {
    BuildControls();
    FillCaptionsAndLists();
    codeplug.GridEditRow = 1;
    codeplug.GridGroup = 0;
    AnalyseChannelInformation();
    connect(this, &FormChannelInformation::channelCopyRequested, this,
            [this](int row) { OpenChannelCopy(row); });
    stateRecorder_ = new WindowStateRecorder(codeplug, this);
    timer1_->start();
}

FormChannelInformation::~FormChannelInformation() = default;

QString FormChannelInformation::Caption() const {
    return Text(kTextCaption, TextContext::Of(codeplug()));
}

void FormChannelInformation::BuildControls() {
    grid_ = new QTableWidget(kRows, kColumns - 1, this);
    grid_->setObjectName(QStringLiteral("MSHFlexGridChannel"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Channels are picked by their row headers (click, Shift, Ctrl) for the clipboard.
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setCornerButtonEnabled(false);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setFixedHeight(kHeaderHeight);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter |
                                                   Qt::Alignment(Qt::TextWordWrap));
    grid_->verticalHeader()->setFixedWidth(kColumnWidths[0]);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (int column = 1; column < kColumns; ++column)
        grid_->setColumnWidth(column - 1, kColumnWidths[column]);
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(row - 1, column - 1, item);
        }
    }
    if (auto* corner = grid_->findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { CellClick(row + 1, column + 1); });
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FormChannelInformation::FreshData);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &FormChannelInformation::FreshData);

    BuildRowActions();

    text1_ = new KeyFilterEdit(KeyFilterKind::Frequency, grid_->viewport());
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->hide();
    text1_->installEventFilter(this);
    for (int k = 0; k < int(combo1_.size()); ++k) {
        auto* combo = new QComboBox(grid_->viewport());
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        combo->setMaxVisibleItems(16);
        combo->hide();
        combo->installEventFilter(this);
        connect(combo, &QComboBox::activated, this, [this] { toneChosen_ = true; });
        combo1_[k] = combo;
    }
    const int rowHeight =
        qMax(grid_->verticalHeader()->defaultSectionSize(), combo1_[0]->sizeHint().height());
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);

    commandClose_ = new QPushButton(this);
    commandClose_->setObjectName(QStringLiteral("CommandClose"));
    connect(commandClose_, &QPushButton::clicked, this, &ConfigPage::ClosePage);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    resize(kPageWidth, kPageHeight);

    BuildRowMenuActions();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTimerMs);
    connect(timer1_, &QTimer::timeout, this, &FormChannelInformation::Timer1_Timer);
}

void FormChannelInformation::BuildRowActions() {
    const auto add = [this](const QKeySequence& key, void (FormChannelInformation::*run)()) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        // Only the grid's own keys: a text or list editor over a cell keeps Ctrl+C and Delete.
        action->setShortcutContext(Qt::WidgetShortcut);
        grid_->addAction(action);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    copyRows_ = add(QKeySequence::Copy, &FormChannelInformation::CopyRows);
    pasteRows_ = add(QKeySequence::Paste, &FormChannelInformation::PasteRows);
    clearRows_ = add(QKeySequence::Delete, &FormChannelInformation::ClearRows);
    copyRows_->setObjectName(QStringLiteral("ActionCopyRows"));
    pasteRows_->setObjectName(QStringLiteral("ActionPasteRows"));
    clearRows_->setObjectName(QStringLiteral("ActionClearRows"));
    QHeaderView* rows = grid_->verticalHeader();
    rows->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rows, &QWidget::customContextMenuRequested, this, [this, rows](const QPoint& pos) {
        RowMenuRequested(rows->logicalIndexAt(pos) + 1, rows->mapToGlobal(pos));
    });
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        RowMenuRequested(grid_->rowAt(pos.y()) + 1, grid_->viewport()->mapToGlobal(pos));
    });
}

// Every entry of the row context menu; the actions carry their shortcuts, which the menu shows.
void FormChannelInformation::FillRowMenu(QMenu& menu, int row) {
    copyChannelAction_->setEnabled(!CellText(row, kGridColumnRx).isEmpty());
    menu.addAction(copyChannelAction_);
    menu.addSeparator();
    menu.addAction(copyRows_);
    menu.addAction(pasteRows_);
    menu.addSeparator();
    menu.addAction(clearRows_);
}

void FormChannelInformation::FillCaptionsAndLists() {
    const TextContext ctx = TextContext::Of(codeplug());
    setWindowTitle(Caption());
    commandClose_->setText(Text(kTextClose, ctx));
    copyRows_->setText(Text(kTextCopyRows, ctx));
    pasteRows_->setText(Text(kTextPasteRows, ctx));
    clearRows_->setText(Text(kTextClearRows, ctx));
    copyChannelAction_->setText(Text(kTextCopyChannel, ctx));
    QStringList headers;
    for (int id = kTextHeaderRx; id <= kTextHeaderMore; ++id)
        headers << Text(TextId(id), ctx);
    grid_->setHorizontalHeaderLabels(headers);
    QStringList numbers;
    ValueLists::FillNumberList(numbers, kRows, false);
    grid_->setVerticalHeaderLabels(numbers);
    text1_->setDecimalSeparator(ctx.DecimalSeparator);

    QStringList types, tones, powers;
    ValueLists::FillChannelTypeList(types, ctx);
    ValueLists::FillToneList(tones, ctx);
    ValueLists::FillPowerList(powers, ctx);
    ComboFill::Replace(*combo1_[0], types);
    ComboFill::Replace(*combo1_[1], tones);
    ComboFill::Replace(*combo1_[2], tones);
    ComboFill::Replace(*combo1_[3], powers);
    FitColumns(types + powers);
}

// The layout's widths suit a 9-point font; a column grows to the widest text it will hold
// (a header wraps between its words), and the page grows with the grid.
void FormChannelInformation::FitColumns(const QStringList& listTexts) {
    const TextContext ctx = TextContext::Of(codeplug());
    const QFontMetrics cells(grid_->font());
    const QFontMetrics header(grid_->horizontalHeader()->font());
    constexpr int kPadding = 14;
    auto widest = [](const QFontMetrics& metrics, const QStringList& texts) {
        int width = 0;
        for (const QString& text : texts)
            width = qMax(width, metrics.horizontalAdvance(text) + kPadding);
        return width;
    };
    const QStringList frequencies = {QStringLiteral("000.00000")};
    const QStringList tones = {QStringLiteral("D000N"), QStringLiteral("000.0"),
                               ChannelRules::NoneText(ctx)};
    const QStringList samples[kColumns] = {{},    frequencies, frequencies, listTexts,
                                           tones, tones,       listTexts,   {Text(kTextMore, ctx)}};
    int total = 0;
    for (int column = 1; column < kColumns; ++column) {
        const QString title = grid_->horizontalHeaderItem(column - 1)->text();
        const int width = std::max({kColumnWidths[column], widest(cells, samples[column]),
                                    widest(header, title.split(QLatin1Char(' ')))});
        grid_->setColumnWidth(column - 1, width);
        total += width;
    }
    const int numberWidth = qMax(kColumnWidths[0], widest(header, {Text(kTextHeaderChannel, ctx)}));
    grid_->verticalHeader()->setFixedWidth(numberWidth);
    grid_->horizontalHeader()->setFixedHeight(qMax(kHeaderHeight, 2 * header.lineSpacing() + 8));
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
    const int needed = numberWidth + total + scrollBar + 2 * grid_->frameWidth() + margins.left() +
                       margins.right();
    preferredSize_ = QSize(qMax(kPageWidth, needed), kPageHeight);
    resize(preferredSize_);
}

QSize FormChannelInformation::sizeHint() const {
    return preferredSize_;
}

// --- Showing rows ---

void FormChannelInformation::AnalyseChannelInformation() {
    loading_ = true;
    for (int row = 1; row <= kRows; ++row)
        ShowRow(row);
    loading_ = false;
}

void FormChannelInformation::ShowRow(int row) {
    const TextContext ctx = TextContext::Of(codeplug());
    const GridRowView view = ChannelView::GridRow(codeplug(), row - 1, ctx);
    SetCell(row, kGridColumnRx, view.rx);
    SetCell(row, kGridColumnTx, view.tx);
    SetCell(row, kGridColumnType, view.type);
    SetCell(row, kGridColumnDecode, view.decode);
    SetCell(row, kGridColumnEncode, view.encode);
    SetCell(row, kGridColumnPower, view.power);
    SetCell(row, kColumnMore, Text(kTextMore, ctx));
    SetShading(row, !view.empty && view.digital);
}

QTableWidgetItem* FormChannelInformation::Cell(int row, int column) const {
    if (row < 1 || row > kRows || column < 1 || column >= kColumns)
        return nullptr;
    return grid_->item(row - 1, column - 1);
}

QString FormChannelInformation::CellText(int row, int column) const {
    if (column == 0 && row >= 1 && row <= kRows)
        return QString::number(row);
    const QTableWidgetItem* item = Cell(row, column);
    return item ? item->text() : QString();
}

void FormChannelInformation::SetCell(int row, int column, const QString& text) {
    if (QTableWidgetItem* item = Cell(row, column))
        item->setText(text);
}

bool FormChannelInformation::CellShaded(int row, int column) const {
    const QTableWidgetItem* item = Cell(row, column);
    return item && item->background().color() == palette().color(QPalette::Dark);
}

void FormChannelInformation::SetShading(int row, bool digital) {
    const QBrush brush = palette().brush(digital ? QPalette::Dark : QPalette::Base);
    for (int column : {int(kGridColumnDecode), int(kGridColumnEncode)}) {
        if (QTableWidgetItem* item = Cell(row, column))
            item->setBackground(brush);
    }
}

void FormChannelInformation::ApplyEdit(int row, const GridEdit& edit) {
    for (auto it = edit.cells.cbegin(); it != edit.cells.cend(); ++it)
        SetCell(row, it.key(), it.value());
    if (edit.shadingChanged)
        SetShading(row, edit.digital);
}

void FormChannelInformation::ShowOutOfRange() {
    const TextContext ctx = TextContext::Of(codeplug());
    UiSeam::Instance().Message(this, QMessageBox::Warning, QStringLiteral("ZR40"),
                               ChannelRules::OutOfRangeMessage(ctx), QMessageBox::Ok);
}

// --- Current cell ---

int FormChannelInformation::CurrentRow() const {
    return grid_->currentRow() + 1;
}

int FormChannelInformation::CurrentColumn() const {
    return grid_->currentColumn() + 1;
}

void FormChannelInformation::SetCurrentCell(int row, int column) {
    row = qBound(1, row, kRows);
    column = qBound(1, column, kColumns - 1);
    grid_->setCurrentCell(row - 1, column - 1);
}

// --- Clicks ---

void FormChannelInformation::CellClick(int row, int column) {
    if (row < 1 || row > kRows || column < 0 || column >= kColumns)
        return;
    FreshData();
    Codeplug& cp = codeplug();
    cp.GridEditRow = std::int16_t(row);
    cp.GridEditColumn = std::int16_t(column);
    if (column != kColumnMore && CellText(row, kGridColumnRx).isEmpty()) {
        // A channel is always started with its receive frequency.
        column = kGridColumnRx;
    } else if (column == kGridColumnEncode && CellText(row, kGridColumnTx).isEmpty()) {
        column = kGridColumnTx;
    } else if (IsToneColumn(column) && ChannelRules::IsDigital(cp, row - 1)) {
        return; // digital channels carry no CTCSS/DCS
    }
    cp.GridEditColumn = std::int16_t(column);
    if (column == kGridColumnRx || column == kGridColumnTx)
        OpenTextEditor(row, column);
    else if (column >= kGridColumnType && column <= kGridColumnPower)
        OpenListEditor(row, column);
    else if (column == kColumnMore)
        OpenChannelEdit();
}

void FormChannelInformation::BeginEdit(Editor editor, int row, int column) {
    SetCurrentCell(row, column);
    grid_->scrollToItem(Cell(row, column));
    editor_ = editor;
    editRow_ = row;
    editColumn_ = column;
    committedByEnter_ = false;
    explicitCommit_ = false;
}

void FormChannelInformation::OpenTextEditor(int row, int column) {
    BeginEdit(Editor::Text, row, column);
    text1_->setGeometry(grid_->visualItemRect(Cell(row, column)));
    text1_->setText(CellText(row, column));
    text1_->setModified(false);
    text1_->show();
    text1_->setFocus();
    text1_->selectAll();
}

void FormChannelInformation::OpenListEditor(int row, int column) {
    BeginEdit(Editor::List, row, column);
    QComboBox* combo = combo1_.at(column - kGridColumnType);
    toneChosen_ = false;
    const QString text = CellText(row, column);
    const int index = combo->findText(text);
    if (IsToneColumn(column)) {
        // A tone that is not on the list (from a file or the radio) stays as it is until the
        // user picks an item; the list shows it as its placeholder.
        // The placeholder goes first: clearing it while nothing is selected selects item 0.
        combo->setPlaceholderText(index < 0 ? text : QString());
        combo->setCurrentIndex(index);
    } else {
        combo->setCurrentIndex(qMax(index, 0));
    }
    const QRect cell = grid_->visualItemRect(Cell(row, column));
    combo->setGeometry(cell.left(), cell.top(), cell.width(), cell.height());
    combo->show();
    combo->setFocus();
}

void FormChannelInformation::OpenChannelEdit() {
    if (!channelEdit_) {
        channelEdit_ = new FormChannelEdit(codeplug(), this);
        connect(channelEdit_, &FormChannelEdit::edited, this, &ConfigPage::edited);
        // A minimised dialog would open out of sight.
        const std::int16_t state =
            codeplug().ChildWindowState == 1 ? 0 : codeplug().ChildWindowState;
        channelEdit_->setWindowState(WindowStateRecorder::WindowStatesOf(state));
    }
    channelEdit_->show();
    channelEdit_->raise();
    channelEdit_->activateWindow();
}

// --- Commits ---

void FormChannelInformation::Analyse() {
    AnalyseChannelInformation();
    if (channelEdit_)
        channelEdit_->AnalyseOneChannel();
}

void FormChannelInformation::FreshData() {
    if (editor_ == Editor::List)
        ListCommit();
    else if (editor_ == Editor::Text)
        TextCommit();
    // A toolbar button takes no focus, so a box of the dialog still being typed into would be
    // missed by a save or a write.
    if (channelEdit_)
        channelEdit_->FreshData();
}

void FormChannelInformation::EndEdit() {
    QWidget* widget = editor_ == Editor::Text ? static_cast<QWidget*>(text1_)
                      : editor_ == Editor::List
                          ? static_cast<QWidget*>(combo1_.at(editColumn_ - kGridColumnType))
                          : nullptr;
    editor_ = Editor::None;
    explicitCommit_ = false;
    if (widget)
        HideCellEditor(widget, grid_);
}

void FormChannelInformation::TextCommit() {
    if (editor_ != Editor::Text || committing_)
        return;
    const int row = editRow_;
    const int column = editColumn_;
    // Leaving an editor the user did not type into stores nothing: clicking through an empty
    // row must not reset the channel behind it, nor re-derive a loaded channel's colour codes.
    const bool store = explicitCommit_ || text1_->isModified();
    if (store) {
        committing_ = true;
        Codeplug& cp = codeplug();
        const TextContext ctx = TextContext::Of(cp);
        const GridEdit edit =
            column == kGridColumnRx
                ? ChannelEffects::GridReceiveEntry(cp, row - 1, text1_->text(), ctx)
                : ChannelEffects::GridTransmitEntry(cp, row - 1, text1_->text(), ctx);
        if (edit.outOfRange)
            ShowOutOfRange();
        text1_->setText(edit.cellText);
        SetCell(row, column, edit.cellText);
        ApplyEdit(row, edit);
        cp.ChannelGridChanged = true;
        committing_ = false;
        emit edited(CellStep(row, column));
    }
    EndEdit();
    if (committedByEnter_)
        AfterEnterCommit(row, column + 1);
}

GridEdit FormChannelInformation::ListEdit(int row, int column, int index) {
    Codeplug& cp = codeplug();
    const TextContext ctx = TextContext::Of(cp);
    const QComboBox* combo = combo1_.at(column - kGridColumnType);
    switch (column) {
    case kGridColumnType:
        return ChannelEffects::GridTypeChange(cp, row - 1, index, ctx);
    case kGridColumnDecode:
        return ChannelEffects::GridToneCommit(cp, row - 1, FrequencySide::Rx, combo->currentText(),
                                              ctx);
    case kGridColumnEncode:
        return ChannelEffects::GridToneCommit(cp, row - 1, FrequencySide::Tx, combo->currentText(),
                                              ctx);
    default:
        return ChannelEffects::GridPowerChange(cp, row - 1, index, ctx);
    }
}

void FormChannelInformation::ListCommit() {
    if (editor_ != Editor::List || committing_)
        return;
    const int row = editRow_;
    const int column = editColumn_;
    const int index = combo1_.at(column - kGridColumnType)->currentIndex();
    if (index < 0 && !IsToneColumn(column)) {
        committedByEnter_ = false;
        EndEdit();
        return;
    }
    if (!IsToneColumn(column) || toneChosen_) {
        committing_ = true;
        const GridEdit edit = ListEdit(row, column, index);
        SetCell(row, column, edit.cellText);
        ApplyEdit(row, edit);
        codeplug().ChannelGridChanged = true;
        committing_ = false;
        emit edited(CellStep(row, column));
    }
    EndEdit();
    if (!committedByEnter_)
        return;
    if (column == kGridColumnPower && row < kRows)
        AfterEnterCommit(row + 1, kGridColumnRx);
    else
        AfterEnterCommit(row, column + 1);
}

void FormChannelInformation::AfterEnterCommit(int nextRow, int nextColumn) {
    committedByEnter_ = false;
    SetCurrentCell(nextRow, nextColumn);
    grid_->setFocus();
    reopenOnEnter_ = true;
}

void FormChannelInformation::CancelEdit() {
    committedByEnter_ = false;
    EndEdit();
}

void FormChannelInformation::MoveAfterTab(int row, int column) {
    SetCurrentCell(row, column);
    grid_->setFocus();
}

// --- Timer, keys, help ---

void FormChannelInformation::Timer1_Timer() {
    Codeplug& cp = codeplug();
    if (!cp.ChannelDataChanged)
        return;
    AnalyseChannelInformation();
    cp.ChannelDataChanged = false;
}

void FormChannelInformation::ShiftF3() {
    Codeplug& cp = codeplug();
    if (CurrentRow() < 1 || CurrentColumn() < 1)
        return;
    cp.GridEditRow = std::int16_t(CurrentRow());
    cp.GridEditColumn = std::int16_t(CurrentColumn());
    if (!CellText(cp.GridEditRow, cp.GridEditColumn).isEmpty())
        emit channelCopyRequested(cp.GridEditRow, cp.GridEditColumn);
}

// --- Row header menu and channel copy ---

// The row menu's entries are shared actions, so that a menu is only a list of them.
void FormChannelInformation::BuildRowMenuActions() {
    copyChannelAction_ = new QAction(this);
    copyChannelAction_->setObjectName(QStringLiteral("ActionCopyChannel"));
    // Shown in the menu only; the grid itself takes Shift+F3 as a key press.
    copyChannelAction_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    copyChannelAction_->setShortcutContext(Qt::WidgetShortcut);
    connect(copyChannelAction_, &QAction::triggered, this, [this] { ShiftF3(); });
}

void FormChannelInformation::OpenChannelCopy(int row) {
    FreshData();
    FormChannelCopy dialog(codeplug(), row, this);
    connect(&dialog, &FormChannelCopy::copied, this, &FormChannelInformation::ChannelCopied);
    dialog.exec();
}

void FormChannelInformation::ChannelCopied(int source, int target) {
    Timer1_Timer(); // the copy set ChannelDataChanged: the grid shows it now, not at the next tick
    if (channelEdit_)
        channelEdit_->AnalyseOneChannel();
    emit edited(EditStep(QStringLiteral("Copy of channel %1 to channel %2").arg(source).arg(target),
                         QStringLiteral("复制信道%1到信道%2").arg(source).arg(target)));
}

bool FormChannelInformation::GridKeyPress(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_F3 && event->modifiers() == Qt::ShiftModifier) {
        ShiftF3();
        return true;
    }
    if (CurrentRow() < 1)
        return false;
    if (IsEnterKey(key) || key == Qt::Key_F2) {
        reopenOnEnter_ = false;
        CellClick(CurrentRow(), CurrentColumn());
        return true;
    }
    const QString typed = event->text();
    const QChar separator = TextContext::Of(codeplug()).DecimalSeparator;
    if (typed.size() != 1 || !(typed.at(0).isDigit() || typed.at(0) == separator))
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    // Typing on a cell starts its editor with that character, as a spreadsheet does.
    CellClick(CurrentRow(), CurrentColumn());
    if (editor_ == Editor::Text)
        text1_->TypeCharacter(typed.at(0));
    return true;
}

bool FormChannelInformation::EditorKeyPress(QKeyEvent* event) {
    const int key = event->key();
    const int row = editRow_;
    const int column = editColumn_;
    if (IsEnterKey(key)) {
        committedByEnter_ = true;
        explicitCommit_ = true;
        FreshData();
        return true;
    }
    if (key == Qt::Key_Escape) {
        CancelEdit();
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        // Tab commits like Enter but only moves along the row.
        explicitCommit_ = true;
        FreshData();
        MoveAfterTab(row, column + (key == Qt::Key_Tab ? 1 : -1));
        return true;
    }
    return false;
}

bool FormChannelInformation::eventFilter(QObject* watched, QEvent* event) {
    const bool isEditor =
        watched == text1_ || std::find(combo1_.begin(), combo1_.end(), watched) != combo1_.end();
    switch (event->type()) {
    case QEvent::Paint:
        if (auto* corner = qobject_cast<QAbstractButton*>(watched)) {
            PaintGridCorner(corner, Text(kTextHeaderChannel, TextContext::Of(codeplug())));
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
        if (isEditor && editor_ != Editor::None)
            return EditorKeyPress(key);
        break;
    }
    case QEvent::FocusOut:
        if (isEditor && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            FreshData();
        break;
    default:
        break;
    }
    return ConfigPage::eventFilter(watched, event);
}

void FormChannelInformation::closeEvent(QCloseEvent* event) {
    FreshData();
    ConfigPage::closeEvent(event);
}

// --- Rows on the clipboard ---

EditStep FormChannelInformation::CellStep(int row, int column) const {
    return EditStep::ChannelField(kTexts[kTextHeaderRx + column - 1], row);
}

QList<int> FormChannelInformation::SelectedChannels() const {
    QList<int> channels;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows())
        channels << index.row();
    std::sort(channels.begin(), channels.end());
    if (channels.isEmpty() && CurrentRow() >= 1)
        channels << CurrentRow() - 1;
    return channels;
}

void FormChannelInformation::SelectRows(int firstRow, int lastRow) {
    firstRow = qBound(1, firstRow, kRows);
    lastRow = qBound(firstRow, lastRow, kRows);
    grid_->clearSelection();
    grid_->setCurrentCell(firstRow - 1, 0, QItemSelectionModel::NoUpdate);
    const QItemSelection rows(grid_->model()->index(firstRow - 1, 0),
                              grid_->model()->index(lastRow - 1, kColumns - 2));
    grid_->selectionModel()->select(rows, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void FormChannelInformation::CopyRows() {
    FreshData();
    QGuiApplication::clipboard()->setText(ChannelClipboard::Copy(codeplug(), SelectedChannels()));
}

void FormChannelInformation::PasteRows() {
    FreshData();
    const QList<int> selected = SelectedChannels();
    if (selected.isEmpty())
        return;
    Codeplug& cp = codeplug();
    const TextContext ctx = TextContext::Of(cp);
    const ExchangeResult result =
        ChannelClipboard::Paste(QGuiApplication::clipboard()->text(), cp, selected.first(), ctx);
    if (!result.ok) {
        UiSeam::Instance().Message(this, QMessageBox::Warning, UiSeam::AppTitle(),
                                   Text(kTextPasteFailed, ctx) + QLatin1Char('\n') + result.error,
                                   QMessageBox::Ok);
        return;
    }
    // One message for the whole paste, however many rows were held to the band.
    if (result.outOfRange)
        ShowOutOfRange();
    if (!result.leftOver.isEmpty())
        UiSeam::Instance().Message(
            this, QMessageBox::Information, UiSeam::AppTitle(),
            Text(kTextLeftOver, ctx).arg(EditStep::NumberRuns(result.leftOver)), QMessageBox::Ok);
    Analyse();
    SelectRows(result.channels.first() + 1, result.channels.last() + 1);
    cp.ChannelGridChanged = true;
    QList<int> numbers;
    for (int channel : result.channels)
        numbers << channel + 1;
    emit edited(EditStep::Channels(kTexts[kTextPasteStep], numbers));
}

void FormChannelInformation::ClearRows() {
    FreshData();
    Codeplug& cp = codeplug();
    QList<int> numbers;
    // Only rows picked by their headers: Delete on a single cell must not empty its channel.
    if (grid_->selectionModel()->selectedRows().isEmpty())
        return;
    for (int channel : SelectedChannels()) {
        if (ChannelRules::IsEmptyChannel(cp, channel))
            continue; // an empty row stays as it is, defaults and all
        ChannelEffects::GridReceiveEntry(cp, channel, QString(), TextContext::Of(cp));
        numbers << channel + 1;
    }
    if (numbers.isEmpty())
        return;
    Analyse();
    cp.ChannelGridChanged = true;
    emit edited(EditStep::Channels(kTexts[kTextClearStep], numbers));
}

void FormChannelInformation::RowMenuRequested(int row, const QPoint& globalPos) {
    if (row < 1 || row > kRows)
        return;
    FreshData();
    // A right click outside the selection picks that row, as a click on its header does; the
    // row clicked is the current one, which Copy Channel… copies.
    if (!SelectedChannels().contains(row - 1) || grid_->selectionModel()->selectedRows().isEmpty())
        SelectRows(row, row);
    grid_->selectionModel()->setCurrentIndex(grid_->model()->index(row - 1, 0),
                                             QItemSelectionModel::NoUpdate);
    QMenu menu(this);
    FillRowMenu(menu, row);
    menu.exec(globalPos);
}

QMenu* FormChannelInformation::ShowRowMenu(int row, const QPoint& globalPos) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("RowMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    FillRowMenu(*menu, row);
    menu->popup(globalPos);
    return menu;
}

FormChannelEdit* FormChannelInformation::channelEdit() const {
    return channelEdit_;
}

} // namespace zr40
