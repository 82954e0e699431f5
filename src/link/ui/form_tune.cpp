#include "link/ui/form_tune.h"

#include "channels/channel_rules.h"
#include "codeplug/key_filter.h"
#include "link/ui/form_process.h"
#include "widgets/grid_cell_editor.h"
#include "widgets/grid_corner.h"
#include "widgets/key_filter_edit.h"
#include "widgets/window_state_recorder.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>

namespace zr40 {

namespace {

constexpr int kValueColumns = TuneRules::kColumns - 1; // the number sits in the row header

enum TextId { kTextCaption, kTextWarning, kTextRead, kTextWrite, kTextNumber };

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("FormTune", "Tune Data"),
    QT_TRANSLATE_NOOP(
        "FormTune",
        "These are the radio's factory alignment values. A wrong value detunes the radio."),
    QT_TRANSLATE_NOOP("FormTune", "Read TuneData"),
    QT_TRANSLATE_NOOP("FormTune", "Write TuneData"),
    QT_TRANSLATE_NOOP("FormTune", "NO."),
};

constexpr const char* kColumnTexts[kValueColumns] = {
    QT_TRANSLATE_NOOP("FormTune", "Tune Freq"),  QT_TRANSLATE_NOOP("FormTune", "Bias Voltage"),
    QT_TRANSLATE_NOOP("FormTune", "OSC Adjust"), QT_TRANSLATE_NOOP("FormTune", "Digital Tx Dev"),
    QT_TRANSLATE_NOOP("FormTune", "SQ"),
};

struct BoxText {
    TuneBox box;
    const char* name;
    const char* label;
};

// In the order the page shows them; the runs of blanks are part of the labels.
constexpr BoxText kBoxTexts[TuneRules::kBoxes] = {
    {TuneBox::CtcssDev, "CtcssDev",
     QT_TRANSLATE_NOOP("FormTune", "Ctcss Deviation                     (0~15)")},
    {TuneBox::CdcssDev, "CdcssDev",
     QT_TRANSLATE_NOOP("FormTune", "Cdcss Deviation                    (0~15)")},
    {TuneBox::MicAmp, "MicAmp", QT_TRANSLATE_NOOP("FormTune", "Mic Amp                    (0~15)")},
    {TuneBox::SpeakAmp, "SpeakAmp",
     QT_TRANSLATE_NOOP("FormTune", "Speaker Amp                    (0~15)")},
    {TuneBox::NoiseThN, "NoiseThN",
     QT_TRANSLATE_NOOP("FormTune", "Ex-noise(N)                   (0~8191)")},
    {TuneBox::NoiseThW, "NoiseThW",
     QT_TRANSLATE_NOOP("FormTune", "Ex-noise(W)                   (0~8191)")},
};

constexpr int kColumnWidth = 1200 / 15;
constexpr int kNumberWidth = 700 / 15;

// Whole MHz in the frequency column; every digit elsewhere, and a sign for the adjustments.
int EditorKind(int column) {
    return column == 3 || column == 4 ? KeyFilterKind::SignedNumber : KeyFilterKind::Channel;
}

} // namespace

FormTune::FormTune(Codeplug& codeplug, TransferRunner runTransfer, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::TuneOpen, parent), runTransfer_(std::move(runTransfer)) {
    BuildControls();
    FillCaptions();
    AnalyseTuneData();
    // Everything in view where the main window leaves room for it; the values scroll where not.
    const QSize content = scroll_->widget()->sizeHint();
    resize(kNumberWidth + kValueColumns * kColumnWidth + 40,
           content.height() + commandRead_->sizeHint().height() + 2 * layout()->spacing() +
               layout()->contentsMargins().top() + layout()->contentsMargins().bottom());
    new WindowStateRecorder(codeplug, this);
}

FormTune::~FormTune() {
    // The editor goes while the page is whole: it calls the page's cell rules.
    editor_.reset();
}

QString FormTune::Caption() const {
    return TextContext::Of(codeplug()).Tr("FormTune", kTexts[kTextCaption]);
}

void FormTune::BuildControls() {
    labelWarning_ = new QLabel(this);
    labelWarning_->setObjectName(QStringLiteral("LabelWarning"));
    labelWarning_->setWordWrap(true);
    QPalette warning = labelWarning_->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    labelWarning_->setPalette(warning);

    grid_ = new QTableWidget(0, kValueColumns, this);
    grid_->setObjectName(QStringLiteral("MSHFlexGridTuneData"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid_->verticalHeader()->setFixedWidth(kNumberWidth);
    grid_->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GridCorner::Caption(
        grid_, [this] { return TextContext::Of(codeplug()).Tr("FormTune", kTexts[kTextNumber]); });
    connect(grid_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { CellClick(row + 1, column + 1); });
    editor_ = std::make_unique<GridCellEditor>(grid_, static_cast<CellRules&>(*this));

    auto* form = new QFormLayout;
    BuildBoxes(form);
    commandRead_ = new QPushButton(this);
    commandRead_->setObjectName(QStringLiteral("CommandRead"));
    commandWrite_ = new QPushButton(this);
    commandWrite_->setObjectName(QStringLiteral("CommandWrite"));
    for (QPushButton* button : {commandRead_, commandWrite_})
        button->setAutoDefault(false);
    connect(commandRead_, &QPushButton::clicked, this, &FormTune::CommandRead_Click);
    connect(commandWrite_, &QPushButton::clicked, this, &FormTune::CommandWrite_Click);

    // Sixteen tune points and the boxes below them are taller than a small main window: they
    // scroll, and Read and Write stay in view under them.
    auto* values = new QWidget;
    values->setObjectName(QStringLiteral("TuneValues"));
    auto* valuesLayout = new QVBoxLayout(values);
    valuesLayout->setContentsMargins(0, 0, 0, 0);
    valuesLayout->addWidget(labelWarning_);
    valuesLayout->addWidget(grid_);
    valuesLayout->addLayout(form);
    valuesLayout->addStretch();
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("TuneScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(values);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandRead_);
    buttons->addWidget(commandWrite_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons);
}

void FormTune::BuildBoxes(QFormLayout* form) {
    for (int i = 0; i < TuneRules::kBoxes; ++i) {
        const TuneBox which = kBoxTexts[i].box;
        const int at = static_cast<int>(which);
        labels_[at] = new QLabel(this);
        labels_[at]->setObjectName(QStringLiteral("Label") + QLatin1String(kBoxTexts[i].name));
        boxes_[at] = new KeyFilterEdit(KeyFilterKind::TuneValue, this);
        boxes_[at]->setObjectName(QStringLiteral("Text") + QLatin1String(kBoxTexts[i].name));
        boxes_[at]->setMaximumWidth(kColumnWidth);
        labels_[at]->setBuddy(boxes_[at]);
        connect(boxes_[at], &KeyFilterEdit::enterPressed, this, [this, which] {
            CommitBox(which);
            box(which)->selectAll();
        });
        connect(boxes_[at], &KeyFilterEdit::focusLost, this, [this, which] { CommitBox(which); });
        form->addRow(labels_[at], boxes_[at]);
    }
}

void FormTune::FillCaptions() {
    const TextContext ctx = TextContext::Of(codeplug());
    setWindowTitle(Caption());
    labelWarning_->setText(ctx.Tr("FormTune", kTexts[kTextWarning]));
    commandRead_->setText(ctx.Tr("FormTune", kTexts[kTextRead]));
    commandWrite_->setText(ctx.Tr("FormTune", kTexts[kTextWrite]));
    QStringList headings;
    for (const char* heading : kColumnTexts)
        headings << ctx.Tr("FormTune", heading);
    grid_->setHorizontalHeaderLabels(headings);
    for (const BoxText& text : kBoxTexts)
        labels_[static_cast<int>(text.box)]->setText(ctx.Tr("FormTune", text.label));
}

// --- Loading ---

void FormTune::AnalyseTuneData() {
    editor_->Cancel();
    const QChar separator = TextContext::Of(codeplug()).DecimalSeparator;
    const int rows = TuneRules::PointRows(codeplug());
    grid_->setRowCount(rows);
    // Every tune point in view: there are at most 16.
    grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height() +
                          rows * grid_->verticalHeader()->defaultSectionSize() +
                          2 * grid_->frameWidth());
    for (int point = 0; point < rows; ++point) {
        grid_->setVerticalHeaderItem(point, new QTableWidgetItem(QString::number(point + 1)));
        const auto texts = TuneRules::RowTexts(codeplug(), point, separator);
        for (int column = 0; column < kValueColumns; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(point, column, item);
        }
    }
    for (int i = 0; i < TuneRules::kBoxes; ++i) {
        const auto which = static_cast<TuneBox>(i);
        boxes_[i]->setText(TuneRules::BoxText(codeplug(), which));
        boxes_[i]->setModified(false);
    }
}

QString FormTune::CellText(int row, int column) const {
    const QTableWidgetItem* item = grid_->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

// --- Grid editing ---

void FormTune::CellClick(int row, int column) {
    if (row < 1 || row > grid_->rowCount() || column < 1 || column > kValueColumns)
        return;
    editor_->Open({row - 1, column - 1});
}

KeyFilterEdit* FormTune::textEditor() const {
    return editor_->textEditor();
}

int FormTune::EditRow() const {
    return editor_->IsOpen() ? editor_->EditedCell().row + 1 : 0;
}

int FormTune::EditColumn() const {
    return editor_->IsOpen() ? editor_->EditedCell().column + 1 : 0;
}

CellEditorSpec FormTune::EditorFor(const GridCell& cell) const {
    CellEditorSpec request;
    request.kind = CellEditorSpec::Kind::Text;
    request.cell = cell;
    request.filterKind = EditorKind(cell.column + 1);
    request.separator = TextContext::Of(codeplug()).DecimalSeparator;
    request.text = CellText(cell.row + 1, cell.column + 1);
    return request;
}

void FormTune::Commit(const CellCommit& commit) {
    // A value shown at its limit stays as stored until it is typed over.
    if (!commit.changed)
        return;
    const int row = commit.cell.row + 1;
    const int column = commit.cell.column + 1;
    const TuneCellEdit edit =
        TuneRules::EnterCell(codeplug(), row - 1, column, commit.text, TextContext::Of(codeplug()));
    if (edit.outOfRange)
        ShowOutOfRange();
    for (auto it = edit.cells.cbegin(); it != edit.cells.cend(); ++it)
        grid_->item(row - 1, it.key() - 1)->setText(it.value());
    const char* name = kColumnTexts[qBound(1, column, kValueColumns) - 1];
    emit edited(EditStep::InBoth([=](const TextContext& text) {
                    //: An edit of one value of the tune table, as Undo and Redo name it: the
                    //: column, then the tune point's number.
                    return text.Tr("FormTune", "%1 of tune point %2")
                        .arg(text.Tr("FormTune", name), QString::number(row));
                }).Merging());
}

// On to the next value: along the row, then to the frequency of the next point; the last value
// closes the editor.
CellMove FormTune::AfterEnter(const GridCell& cell) const {
    const bool rowEnd = cell.column == kValueColumns - 1;
    const GridCell next{cell.row + (rowEnd ? 1 : 0), rowEnd ? 0 : cell.column + 1};
    if (next.row >= grid_->rowCount())
        return {};
    return {next, true};
}

void FormTune::FreshData() {
    editor_->Commit();
    for (int i = 0; i < TuneRules::kBoxes; ++i)
        CommitBox(static_cast<TuneBox>(i));
}

void FormTune::ShowOutOfRange() {
    UiSeam::Instance().Message(this, QMessageBox::Warning, UiSeam::AppTitle(),
                               ChannelRules::OutOfRangeMessage(TextContext::Of(codeplug())),
                               QMessageBox::Ok);
}

// --- Boxes ---

void FormTune::CommitBox(TuneBox which) {
    KeyFilterEdit* edit = box(which);
    // A value shown at its limit stays as stored until it is edited.
    if (!edit->isModified())
        return;
    const TuneBoxEdit entry = TuneRules::EnterBox(codeplug(), which, edit->text());
    edit->setText(entry.text);
    edit->setModified(false);
    // The box's label without the range after its blanks names the edit.
    const char* label = kBoxTexts[static_cast<int>(which)].label;
    emit edited(EditStep::InBoth([label](const TextContext& text) {
                    return text.Tr("FormTune", label).section(QStringLiteral("  "), 0, 0).trimmed();
                }).Merging());
}

// --- Transfers ---

bool FormTune::AskToContinue(const QString& question) {
    return UiSeam::Instance().Message(this, QMessageBox::Warning, UiSeam::AppTitle(), question,
                                      QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void FormTune::RunTransfer(bool read) {
    FreshData();
    codeplug().LinkRead = read;
    codeplug().LinkTune = true;
    if (runTransfer_) {
        runTransfer_(read);
        return;
    }
    FormProcess transfer(codeplug(), {}, this);
    transfer.exec();
}

void FormTune::CommandRead_Click() {
    if (!AskToContinue(TextContext::Of(codeplug())
                           .Tr("FormTune", "Read tune data from radio.Do you wish continue?")))
        return;
    RunTransfer(true);
    if (!codeplug().LinkSucceeded)
        return;
    AnalyseTuneData();
    const TextContext ctx = TextContext::Of(codeplug());
    UiSeam::Instance().Message(this, QMessageBox::Information, UiSeam::AppTitle(),
                               ctx.Tr("FormTune", "Read data successful"), QMessageBox::Ok);
}

void FormTune::CommandWrite_Click() {
    if (!AskToContinue(TextContext::Of(codeplug())
                           .Tr("FormTune", "Write tune data into radio.Do you wish continue?")))
        return;
    RunTransfer(false);
    // The radio's header came back with the write: the page shows the points it holds.
    AnalyseTuneData();
    if (!codeplug().LinkSucceeded)
        return;
    const TextContext ctx = TextContext::Of(codeplug());
    UiSeam::Instance().Message(this, QMessageBox::Information, UiSeam::AppTitle(),
                               ctx.Tr("FormTune", "Write data successful"), QMessageBox::Ok);
}

// --- Events ---

void FormTune::closeEvent(QCloseEvent* event) {
    FreshData();
    ConfigPage::closeEvent(event);
}

} // namespace zr40
