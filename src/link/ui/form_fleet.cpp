#include "link/ui/form_fleet.h"

#include "codeplug/file_reader.h"
#include "codeplug/key_filter.h"
#include "link/fleet_ids.h"
#include "link/fleet_status.h"
#include "link/serial/serial_port_name.h"
#include "link/ui/check_list_dialog.h"
#include "review/codeplug_check.h"
#include "review/read_back_check.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zr40 {

namespace {

constexpr int kProgressSteps = 1000;
constexpr qint64 kListLimit = 1024 * 1024; // far more IDs than the range allows
enum Column { kRadio, kId, kPreviousId, kResult, kSeconds, kDetails, kColumns };

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, int stretchAt = -1) {
    auto* row = new QHBoxLayout;
    int n = 0;
    for (QWidget* widget : widgets)
        row->addWidget(widget, n++ == stretchAt ? 1 : 0);
    return row;
}

} // namespace

FormFleet::FormFleet(const Codeplug& plan, const BackupStore& store, QWidget* parent)
    : QDialog(parent), plan_(plan), store_(store) {
    setObjectName(QStringLiteral("FormFleet"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    CreateControls();
    FillCaptions();
    resize(720, 560);
}

FormFleet::~FormFleet() {
    if (adapter_)
        adapter_->disconnect(this);
}

void FormFleet::CreateControls() {
    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    optionRange_ = named(new QRadioButton(this), "OptionRange");
    optionRange_->setChecked(true);
    textRange_ = named(new QLineEdit(this), "TextRange");
    textRange_->setPlaceholderText(QStringLiteral("1001-1020"));
    optionList_ = named(new QRadioButton(this), "OptionList");
    textList_ = named(new QLineEdit(this), "TextList");
    commandListBrowse_ = named(new QPushButton(this), "CommandListBrowse");
    labelLog_ = named(new QLabel(this), "LabelLog");
    textLog_ = named(new QLineEdit(this), "TextLog");
    textLog_->setText(QDir::toNativeSeparators(FleetRecord::ProposedLogPath()));
    commandLogBrowse_ = named(new QPushButton(this), "CommandLogBrowse");
    labelPassword_ = named(new QLabel(this), "LabelPassword");
    textPassword_ = named(new KeyFilterEdit(KeyFilterKind::Number6, this), "TextPassword");
    textPassword_->setMaxLength(KeyFilterMaxLength(KeyFilterKind::Number6));
    textPassword_->setEchoMode(QLineEdit::Password);
    textPassword_->setMaximumWidth(120);
    checkVerify_ = named(new QCheckBox(this), "CheckVerify");
    checkVerify_->setChecked(plan_.VerifyAfterWrite);
    labelIds_ = named(new QLabel(this), "LabelIds");
    labelStatus_ = named(new QLabel(this), "LabelStatus");
    QFont large = labelStatus_->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    labelStatus_->setFont(large);
    labelStatus_->setWordWrap(true);
    labelPort_ = named(new QLabel(this), "LabelPort");
    labelPort_->setWordWrap(true);
    progressBar_ = named(new QProgressBar(this), "ProgressBar");
    progressBar_->setRange(0, kProgressSteps);
    progressBar_->setTextVisible(false);
    tableRadios_ = named(new QTableWidget(0, kColumns, this), "TableRadios");
    tableRadios_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableRadios_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableRadios_->verticalHeader()->setVisible(false);
    tableRadios_->horizontalHeader()->setStretchLastSection(true);
    commandStart_ = named(new QPushButton(this), "CommandStart");
    commandStop_ = named(new QPushButton(this), "CommandStop");
    commandStop_->setEnabled(false);
    commandClose_ = named(new QPushButton(this), "CommandClose");
    for (QPushButton* button :
         {commandListBrowse_, commandLogBrowse_, commandStart_, commandStop_, commandClose_})
        button->setAutoDefault(false);

    auto* ids = new QFormLayout;
    ids->addRow(labelIds_, Row({optionRange_, textRange_}, 1));
    ids->addRow(QString(), Row({optionList_, textList_, commandListBrowse_}, 1));
    ids->addRow(labelLog_, Row({textLog_, commandLogBrowse_}, 0));
    ids->addRow(labelPassword_, Row({textPassword_, checkVerify_}, 1));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {commandStart_, commandStop_, commandClose_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ids);
    layout->addSpacing(8);
    layout->addWidget(labelStatus_);
    layout->addWidget(labelPort_);
    layout->addWidget(progressBar_);
    layout->addWidget(tableRadios_, 1);
    layout->addLayout(buttons);

    connect(commandListBrowse_, &QPushButton::clicked, this, &FormFleet::BrowseList);
    connect(commandLogBrowse_, &QPushButton::clicked, this, &FormFleet::BrowseLog);
    connect(commandStart_, &QPushButton::clicked, this, &FormFleet::Start);
    connect(commandStop_, &QPushButton::clicked, this, &FormFleet::Stop);
    connect(commandClose_, &QPushButton::clicked, this, &FormFleet::reject);
    connect(textList_, &QLineEdit::textEdited, this, [this] { optionList_->setChecked(true); });
    connect(textRange_, &QLineEdit::textEdited, this, [this] { optionRange_->setChecked(true); });
}

void FormFleet::FillCaptions() {
    const TextContext text = Words();
    setWindowTitle(text.Tr("FormFleet", "Program Several Radios"));
    labelIds_->setText(text.Tr("FormFleet", "Local IDs:"));
    optionRange_->setText(text.Tr("FormFleet", "Range"));
    optionList_->setText(text.Tr("FormFleet", "List file"));
    commandListBrowse_->setText(text.Tr("FormFleet", "Browse…"));
    labelLog_->setText(text.Tr("FormFleet", "Log file:"));
    commandLogBrowse_->setText(text.Tr("FormFleet", "Browse…"));
    labelPassword_->setText(text.Tr("FormFleet", "Password:"));
    checkVerify_->setText(text.Tr("FormFleet", "Verify after writing"));
    labelStatus_->setText(
        text.Tr("FormFleet", "Choose the IDs and the log file, then press Start."));
    // Named as the main window's status bar names it ("ttyS0" on Linux, not "COM1").
    labelPort_->setText(SerialPortName::PortLine(PortName(), plan_.IsEnglish));
    tableRadios_->setHorizontalHeaderLabels(
        {text.Tr("FormFleet", "Radio"), text.Tr("FormFleet", "ID"),
         text.Tr("FormFleet", "Previous ID"), text.Tr("FormFleet", "Result"),
         text.Tr("FormFleet", "Time (s)"), text.Tr("FormFleet", "Details")});
    commandStart_->setText(text.Tr("FormFleet", "&Start"));
    commandStop_->setText(text.Tr("FormFleet", "S&top"));
    commandClose_->setText(text.Tr("FormFleet", "&Close"));
}

QString FormFleet::PortName() const {
    return SerialPortName::Choose(plan_.ComPortName, plan_.ComPortNumber);
}

void FormFleet::BrowseList() {
    const QString path = UiSeam::Instance().FileDialog(
        this, true, Words().Tr("FormFleet", "ID List File"), textList_->text(),
        {Words().Tr("FormFleet", "Text files (*.txt)"), Words().Tr("FormFleet", "All files (*)")},
        QString());
    if (path.isEmpty())
        return;
    textList_->setText(QDir::toNativeSeparators(path));
    optionList_->setChecked(true);
}

void FormFleet::BrowseLog() {
    const QString path = UiSeam::Instance().FileDialog(
        this, false, Words().Tr("FormFleet", "Log File"), textLog_->text(),
        {Words().Tr("FormFleet", "CSV files (*.csv)")}, QStringLiteral("csv"));
    if (!path.isEmpty())
        textLog_->setText(QDir::toNativeSeparators(path));
}

void FormFleet::Complain(const QString& text) {
    UiSeam::Instance().Message(this, QMessageBox::Critical, UiSeam::AppTitle(), text,
                               QMessageBox::Ok);
}

bool FormFleet::TakeIds(std::vector<Long>& ids) {
    FleetIdList list;
    if (optionRange_->isChecked()) {
        list = FleetIds::ParseRange(textRange_->text(), Words());
    } else {
        QByteArray bytes;
        const FileResult read = FileReader::Read(QDir::fromNativeSeparators(textList_->text()),
                                                 kListLimit, FileReader::Beyond::Refuse, bytes);
        if (!read.ok()) {
            Complain(read.Message(plan_.IsEnglish));
            return false;
        }
        list = FleetIds::ParseList(QString::fromUtf8(bytes), Words());
    }
    if (!list.ok()) {
        Complain(list.error);
        return false;
    }
    ids = std::move(list.ids);
    return true;
}

// The plan is checked once for the whole session, as before a single write.
bool FormFleet::CheckPlan() {
    const PlanProblems problems = CodeplugCheck::Run(plan_);
    if (problems.isEmpty())
        return true;
    CheckListDialog list(problems, Words(), this);
    return list.exec() == QDialog::Accepted && list.OffersWrite();
}

void FormFleet::Start() {
    std::vector<Long> ids;
    if (Running() || !TakeIds(ids) || !CheckPlan())
        return;
    auto record =
        std::make_unique<FleetRecord>(store_, QDir::fromNativeSeparators(textLog_->text()));
    QString error;
    if (!record->OpenLog(Words(), error)) {
        Complain(error);
        return;
    }
    record_ = std::move(record);
    logFailed_ = false;
    tableRadios_->setRowCount(0);
    FleetDriver::Options options;
    options.password = textPassword_->text();
    options.verify = checkVerify_->isChecked();
    options.english = plan_.IsEnglish;
    options.compare = ReadBackCheck::Compare(Words());
    if (adapter_)
        adapter_->disconnect(this);
    adapter_.reset();
    driver_ = std::make_unique<FleetDriver>(plan_, std::move(ids), options);
    adapter_ = std::make_unique<FleetSerialAdapter>(*driver_);
    adapter_->SetPortName(PortName());
    connect(adapter_.get(), &FleetSerialAdapter::phaseChanged, this, &FormFleet::OnPhase);
    connect(adapter_.get(), &FleetSerialAdapter::backupReady, this, &FormFleet::OnBackup);
    connect(adapter_.get(), &FleetSerialAdapter::radioDone, this, &FormFleet::OnRadioDone);
    connect(adapter_.get(), &FleetSerialAdapter::portUnavailable, this,
            &FormFleet::OnPortUnavailable);
    connect(adapter_.get(), &FleetSerialAdapter::ended, this, &FormFleet::OnEnded);
    connect(adapter_.get(), &FleetSerialAdapter::progress, this, [this](double fraction) {
        const double clamped = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
        progressBar_->setValue(int(std::lround(clamped * kProgressSteps)));
    });
    SetEditable(false);
    commandStop_->setText(Words().Tr("FormFleet", "S&top"));
    if (!adapter_->Start())
        OnEnded();
}

void FormFleet::Stop() {
    if (!Running())
        return;
    const bool again = driver_->Stopped();
    adapter_->Stop();
    if (!again && Running())
        commandStop_->setText(Words().Tr("FormFleet", "Stop &Now"));
}

void FormFleet::SetEditable(bool editable) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             optionRange_, textRange_, optionList_, textList_, commandListBrowse_, textLog_,
             commandLogBrowse_, textPassword_, checkVerify_, commandStart_, commandClose_})
        widget->setEnabled(editable);
    commandStop_->setEnabled(!editable);
}

void FormFleet::OnPhase(FleetPhase phase, int radio, Long localId) {
    if (phase == FleetPhase::Ended)
        return; // OnEnded says how it went
    labelStatus_->setText(FleetStatus::Line(phase, radio, driver_->RadioCount(), localId, Words()));
    if (phase == FleetPhase::ReadingBackup)
        labelPort_->clear(); // a radio answered: the port is there
    if (phase == FleetPhase::WaitingForRadio || phase == FleetPhase::WaitingForDeparture)
        progressBar_->setValue(0);
}

void FormFleet::OnBackup(int radio, Long localId, const Codeplug& before) {
    const BackupResult saved = record_->KeepBackup(radio, localId, before);
    adapter_->AnswerBackup(saved.ok(), saved.Message(Words()));
}

void FormFleet::OnRadioDone(const FleetRadioReport& report) {
    const int row = tableRadios_->rowCount();
    tableRadios_->insertRow(row);
    QString details = report.reason;
    if (!report.differences.isEmpty())
        details = report.differences.join(QStringLiteral("; "));
    const QString cells[kColumns] = {
        QString::number(report.radio),
        FleetIds::IdText(report.localId),
        report.previousLocalId ? FleetIds::IdText(*report.previousLocalId) : QString(),
        FleetStatus::ResultText(report.result, Words()),
        QString::number(report.seconds, 'f', 1),
        details,
    };
    for (int column = 0; column < kColumns; ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column == kDetails)
            item->setToolTip(report.differences.isEmpty() ? report.reason
                                                          : report.differences.join('\n'));
        if (!report.ok())
            item->setForeground(Qt::darkRed);
        tableRadios_->setItem(row, column, item);
    }
    tableRadios_->scrollToBottom();
    QString error;
    if (record_->Log(report, Words(), error))
        return;
    // A session whose log cannot be kept must not go on programming radios unrecorded.
    logFailed_ = true;
    if (Running())
        adapter_->Stop();
    Complain(error + QLatin1Char('\n') + Words().Tr("FormFleet", "The session stops."));
}

void FormFleet::OnPortUnavailable(const PortOpenError& error) {
    labelPort_->setText(error.Describe(plan_.IsEnglish));
}

void FormFleet::OnEnded() {
    SetEditable(true);
    progressBar_->setValue(0);
    const auto& reports = driver_->Reports();
    const int ok = int(std::count_if(reports.begin(), reports.end(),
                                     [](const FleetRadioReport& r) { return r.ok(); }));
    labelStatus_->setText(
        FleetStatus::Line(FleetPhase::Ended, 0, 0, 0, Words()) + QLatin1Char('\n') +
        FleetStatus::Summary(int(reports.size()), driver_->RadioCount(), ok, Words()));
    if (!logFailed_)
        labelPort_->setText(
            Words().Tr("FormFleet", "Log: %1").arg(QDir::toNativeSeparators(record_->LogPath())));
}

void FormFleet::done(int result) {
    // Radios are being programmed: Close, Escape and the close box stop the session, and the
    // window stays until the radio at hand is done.
    if (Running()) {
        Stop();
        if (Running())
            return;
    }
    QDialog::done(result);
}

} // namespace zr40
