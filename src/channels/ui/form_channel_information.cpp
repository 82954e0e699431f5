#include "channels/ui/form_channel_information.h"
#include "widgets/grid_cell_editor.h"
#include "widgets/grid_corner.h"

#include "channels/channel_rules.h"
#include "channels/channel_view.h"
#include "channels/ui/form_channel_copy.h"
#include "channels/ui/form_channel_edit.h"
#include "codeplug/key_filter.h"
#include "codeplug/value_lists.h"
#include "exchange/channel_clipboard.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"
#include "widgets/window_state_recorder.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
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

// Every text the page shows.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("FormChannelInformation", "Channel Information"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "CH"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "Rx Frequency"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "Tx Frequency"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "Channel Type"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "CTCSS/DCS Decode"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "CTCSS/DCS Encode"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "Tx Power"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "More"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "&Close"),
    QT_TRANSLATE_NOOP("FormChannelInformation", ">>"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "&Copy Channels"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "&Paste Channels"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "C&lear Channels"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "Paste"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "Clear"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "The rows cannot be pasted:"),
    QT_TRANSLATE_NOOP("FormChannelInformation", "Rows %1 were not pasted: channel 32 is the last."),
    QT_TRANSLATE_NOOP("FormChannelInformation", "Copy Channel…"),
};

QString Text(TextId id, const TextContext& ctx) {
    return ctx.Tr("FormChannelInformation", kTexts[id]);
}

// Column widths in pixels (the page's layout in twips, 15 twips a pixel), column 0 first.
constexpr std::array<int, FormChannelInformation::kColumns> kColumnWidths = {
    500 / 15, 1000 / 15, 1000 / 15, 1000 / 15, 1000 / 15, 1000 / 15, 1200 / 15, 1200 / 15};
constexpr int kHeaderHeight = 500 / 15;
constexpr int kPageWidth = 8910 / 15;
constexpr int kPageHeight = 6180 / 15;
constexpr int kTimerMs = 500;

bool IsToneColumn(int column) {
    return column == kGridColumnDecode || column == kGridColumnEncode;
}

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

FormChannelInformation::~FormChannelInformation() {
    // The editor goes while the page is whole: it calls the page's cell rules.
    editor_.reset();
}

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
    // The channel-number column keeps its caption in the table's corner.
    GridCorner::Caption(grid_,
                        [this] { return Text(kTextHeaderChannel, TextContext::Of(codeplug())); });
    grid_->installEventFilter(this);
    // The rows' scroll bar stays, so that the room the columns share does not come and go with
    // it.
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->viewport()->installEventFilter(this);
    // The room also shrinks without a resize the page sees (the scroll bar laid out late): the
    // columns then reach past it and the grid would scroll sideways.
    connect(grid_->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
            &FormChannelInformation::StretchColumns, Qt::QueuedConnection);
    connect(grid_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { CellClick(row + 1, column + 1); });

    BuildRowActions();

    editor_ = std::make_unique<GridCellEditor>(grid_, static_cast<CellRules&>(*this));
    const int rowHeight = qMax(grid_->verticalHeader()->defaultSectionSize(),
                               editor_->listEditor()->sizeHint().height());
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
    types_.clear();
    tones_.clear();
    powers_.clear();
    ValueLists::FillChannelTypeList(types_, ctx);
    ValueLists::FillToneList(tones_, ctx);
    ValueLists::FillPowerList(powers_, ctx);
    FitColumns(types_ + powers_);
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
        fittedWidths_[column] = width;
        total += width;
    }
    StretchColumns();
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

// A grid wider than its columns need (the page maximised, a short language) shares the room out
// among them; a narrower one keeps the widths the texts need and scrolls.
void FormChannelInformation::StretchColumns() {
    int total = 0;
    for (int column = 1; column < kColumns; ++column)
        total += fittedWidths_[column];
    if (total <= 0)
        return;
    const int room = grid_->viewport()->width();
    int given = 0;
    for (int column = 1; column < kColumns; ++column) {
        int width = fittedWidths_[column];
        if (room > total)
            width = column + 1 == kColumns ? room - given : width * room / total;
        grid_->setColumnWidth(column - 1, width);
        given += width;
    }
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

// --- Clicks and the cells' rules ---

void FormChannelInformation::CellClick(int row, int column) {
    if (row < 1 || row > kRows || column < 0 || column >= kColumns)
        return;
    FreshData();
    codeplug().GridEditRow = std::int16_t(row);
    codeplug().GridEditColumn = std::int16_t(column);
    editor_->Open({row - 1, column - 1});
}

CellEditorSpec FormChannelInformation::EditorFor(const GridCell& cell) const {
    const int row = cell.row + 1;
    int column = cell.column + 1;
    CellEditorSpec request;
    request.cell = cell;
    if (column != kColumnMore && CellText(row, kGridColumnRx).isEmpty()) {
        column = kGridColumnRx; // a channel is always started with its receive frequency
    } else if (column == kGridColumnEncode && CellText(row, kGridColumnTx).isEmpty()) {
        column = kGridColumnTx;
    } else if (IsToneColumn(column) && ChannelRules::IsDigital(codeplug(), row - 1)) {
        return request; // digital channels carry no CTCSS/DCS
    }
    request.cell.column = column - 1;
    request.text = CellText(row, column);
    if (column == kGridColumnRx || column == kGridColumnTx) {
        request.kind = CellEditorSpec::Kind::Text;
        request.filterKind = KeyFilterKind::Frequency;
        request.separator = TextContext::Of(codeplug()).DecimalSeparator;
    } else if (column != kColumnMore) {
        request.kind = CellEditorSpec::Kind::List;
        request.items = IsToneColumn(column)        ? tones_
                        : column == kGridColumnType ? types_
                                                    : powers_;
        // A tone that is not on the list (from a file or the radio) stays as it is until the
        // user picks an item.
        request.keepUnlisted = IsToneColumn(column);
    }
    return request;
}

void FormChannelInformation::Activate(const GridCell& cell) {
    if (cell.column + 1 != kColumnMore)
        return;
    codeplug().GridEditRow = std::int16_t(cell.row + 1);
    codeplug().GridEditColumn = std::int16_t(kColumnMore);
    OpenChannelEdit();
}

void FormChannelInformation::Opened(const GridCell& cell) {
    codeplug().GridEditRow = std::int16_t(cell.row + 1);
    codeplug().GridEditColumn = std::int16_t(cell.column + 1);
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
    editor_->Commit();
    // A toolbar button takes no focus, so a box of the dialog still being typed into would be
    // missed by a save or a write.
    if (channelEdit_)
        channelEdit_->FreshData();
}

// The commit lands in the row it was typed into, whatever GridEditRow says by now: the edit
// dialog moves it when it changes channel.
void FormChannelInformation::Commit(const CellCommit& commit) {
    const int row = commit.cell.row + 1;
    const int column = commit.cell.column + 1;
    if (column == kGridColumnRx || column == kGridColumnTx) {
        // Leaving a box the user did not type into stores nothing: clicking through an empty
        // row must not reset the channel behind it, nor re-derive a loaded channel's colour
        // codes. Enter stores what the box holds.
        if (commit.changed || commit.byEnter)
            CommitText(row, column, commit.text);
        return;
    }
    // Only a choice made in a list is stored.
    if (!commit.changed || commit.index < 0)
        return;
    const GridEdit edit = ListEdit(row, column, commit);
    SetCell(row, column, edit.cellText);
    ApplyEdit(row, edit);
    codeplug().ChannelGridChanged = true;
    emit edited(CellStep(row, column));
}

void FormChannelInformation::CommitText(int row, int column, const QString& text) {
    Codeplug& cp = codeplug();
    const TextContext ctx = TextContext::Of(cp);
    const GridEdit edit = column == kGridColumnRx
                              ? ChannelEffects::GridReceiveEntry(cp, row - 1, text, ctx)
                              : ChannelEffects::GridTransmitEntry(cp, row - 1, text, ctx);
    if (edit.outOfRange)
        ShowOutOfRange();
    SetCell(row, column, edit.cellText);
    ApplyEdit(row, edit);
    cp.ChannelGridChanged = true;
    emit edited(CellStep(row, column));
}

GridEdit FormChannelInformation::ListEdit(int row, int column, const CellCommit& commit) {
    Codeplug& cp = codeplug();
    const TextContext ctx = TextContext::Of(cp);
    switch (column) {
    case kGridColumnType:
        return ChannelEffects::GridTypeChange(cp, row - 1, commit.index, ctx);
    case kGridColumnDecode:
    case kGridColumnEncode:
        return ChannelEffects::GridToneCommit(
            cp, row - 1, column == kGridColumnDecode ? FrequencySide::Rx : FrequencySide::Tx,
            commit.text, ctx);
    default:
        return ChannelEffects::GridPowerChange(cp, row - 1, commit.index, ctx);
    }
}

// Enter moves on along the row; from the power list to the next channel's receive frequency.
CellMove FormChannelInformation::AfterEnter(const GridCell& cell) const {
    const int row = cell.row + 1;
    const int column = cell.column + 1;
    if (column == kGridColumnPower && row < kRows)
        return {{row, kGridColumnRx - 1}, false};
    return {{cell.row, qMin(column + 1, kColumns - 1) - 1}, false};
}

KeyFilterEdit* FormChannelInformation::textEditor() const {
    return editor_->textEditor();
}

QComboBox* FormChannelInformation::listEditor() const {
    return editor_->listEditor();
}

int FormChannelInformation::EditingColumn() const {
    return editor_->IsOpen() ? editor_->EditedCell().column + 1 : 0;
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
    // An empty channel has nothing to copy; its ">>" cell is never empty, its receive cell is.
    if (!CellText(cp.GridEditRow, kGridColumnRx).isEmpty())
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
    emit edited(EditStep::InBoth([=](const TextContext& ctx) {
        return ctx.Tr("FormChannelInformation", "Copy of channel %1 to channel %2")
            .arg(source)
            .arg(target);
    }));
}

bool FormChannelInformation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::Resize)
        StretchColumns();
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F3 && key->modifiers() == Qt::ShiftModifier) {
            ShiftF3();
            return true;
        }
    }
    return ConfigPage::eventFilter(watched, event);
}

void FormChannelInformation::closeEvent(QCloseEvent* event) {
    FreshData();
    ConfigPage::closeEvent(event);
}

// --- Rows on the clipboard ---

EditStep FormChannelInformation::CellStep(int row, int column) const {
    return EditStep::ChannelField("FormChannelInformation", kTexts[kTextHeaderRx + column - 1],
                                  row);
}

QList<int> FormChannelInformation::PickedChannels() const {
    QList<int> channels;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows())
        channels << index.row();
    std::sort(channels.begin(), channels.end());
    return channels;
}

QList<int> FormChannelInformation::SelectedChannels() const {
    QList<int> channels = PickedChannels();
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
    const QList<int> channels = SelectedChannels();
    auto* data = new QMimeData;
    data->setText(ChannelClipboard::Copy(codeplug(), channels));
    data->setData(ChannelClipboard::MimeType(),
                  ChannelClipboard::CopyChannels(codeplug(), channels));
    QGuiApplication::clipboard()->setMimeData(data);
}

void FormChannelInformation::PasteRows() {
    FreshData();
    const QList<int> selected = SelectedChannels();
    if (selected.isEmpty())
        return;
    Codeplug& cp = codeplug();
    const TextContext ctx = TextContext::Of(cp);
    // Channels copied here come whole, keys and all; a spreadsheet's rows through the csv rules.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ExchangeResult result;
    if (data && data->hasFormat(ChannelClipboard::MimeType()))
        result = ChannelClipboard::PasteChannels(data->data(ChannelClipboard::MimeType()), cp,
                                                 selected.first(), ctx);
    else
        result =
            ChannelClipboard::Paste(data ? data->text() : QString(), cp, selected.first(), ctx);
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
    emit edited(EditStep::Channels("FormChannelInformation", kTexts[kTextPasteStep], numbers));
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
    emit edited(EditStep::Channels("FormChannelInformation", kTexts[kTextClearStep], numbers));
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
