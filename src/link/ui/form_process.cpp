#include "link/ui/form_process.h"

#include "codeplug/key_filter.h"
#include "codeplug/model_band.h"
#include "codeplug/radio_data_file.h"
#include "codeplug/settings_store.h"
#include "link/memory_map.h"
#include "link/serial/serial_port_name.h"
#include "link/ui/safe_write.h"
#include "link/ui/star_password_style.h"
#include "review/read_back_check.h"
#include "widgets/key_filter_edit.h"
#include "widgets/ui_seam.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace zr40 {

namespace {

// Geometry of the controls in pixels, as the window was drawn in twips (15 per pixel).
constexpr int kWidth = FormProcess::kWidthTwips / FormProcess::kTwipsPerPixel;
constexpr int kTraceTop = FormProcess::kTraceTopTwips / FormProcess::kTwipsPerPixel;
constexpr int kTraceHeight = 150;
constexpr int kMargin = 12;
constexpr int kBoxLeft = 124;
constexpr int kButtonLeft = 246;
constexpr int kProgressSteps = 1000;
// The row of the backup check box below the new-password row of a reviewed write.
constexpr int kReviewRowTop = 200;
constexpr int kReviewRowHeight = 30;
// Differences listed in the message after a read-back; the rest are counted.
constexpr int kListedDifferences = 20;

int Pixels(int twips) {
    return twips / FormProcess::kTwipsPerPixel;
}

} // namespace

FormProcess::FormProcess(Codeplug& codeplug, std::function<void()> afterRead, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug), afterRead_(std::move(afterRead)),
      reading_(codeplug.LinkRead), tune_(codeplug.LinkTune), work_(codeplug),
      engine_(work_, codeplug.IsEnglish),
      checked_(codeplug.IsEnglish, ReadBackCheck::Compare(TextContext::Of(codeplug))),
      adapter_(engine_) {
    setObjectName(QStringLiteral("FormProcess"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    codeplug_.ProcessOpen = true;
    // A caller tests LinkSucceeded after the window closes; it must never see the success of a
    // transfer from an earlier window.
    codeplug_.LinkSucceeded = false;
    adapter_.SetPortName(codeplug_.ComPortName.isEmpty()
                             ? QStringLiteral("COM%1").arg(codeplug_.ComPortNumber)
                             : codeplug_.ComPortName);
    CreateControls();
    CreateReviewControls();
    OrderTabs();
    PlaceControls();
    FillCaptions();
    ApplyHeight();
    connect(&adapter_, &SerialAdapter::TraceLine, this, &FormProcess::OnTrace);
    connect(&adapter_, &SerialAdapter::Progress, this, &FormProcess::OnProgress);
    connect(&adapter_, &SerialAdapter::RetryQuestion, this, &FormProcess::OnRetryQuestion);
    connect(&adapter_, &SerialAdapter::Finished, this, &FormProcess::OnFinished);
}

FormProcess::~FormProcess() {
    adapter_.disconnect(this);
    Form_Unload();
}

void FormProcess::CreateControls() {
    passwordStyle_ = new StarPasswordStyle();
    passwordStyle_->setParent(this);
    auto makeLabel = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        return label;
    };
    auto makePassword = [this](const char* name) {
        auto* box = new KeyFilterEdit(KeyFilterKind::Number6, this);
        box->setObjectName(QLatin1String(name));
        box->setMaxLength(KeyFilterMaxLength(KeyFilterKind::Number6));
        box->setEchoMode(QLineEdit::Password);
        box->setStyle(passwordStyle_);
        return box;
    };
    auto makeButton = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    labelPassword_ = makeLabel("LabelPassword");
    labelNewPassword_ = makeLabel("LabelNewPassword");
    labelProcess_ = makeLabel("LabelProcess");
    textShow_ = makeLabel("TextShow");
    textShow_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    textShow_->setVisible(false);
    textPassword_ = makePassword("TextPassword");
    textNewPassword_ = makePassword("TextNewPassword");
    checkNewPassword_ = new QCheckBox(this);
    checkNewPassword_->setObjectName(QStringLiteral("CheckNewPassword"));
    commandRead_ = makeButton("CommandRead");
    commandWrite_ = makeButton("CommandWrite");
    commandCancel_ = makeButton("CommandCancel");
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setRange(0, kProgressSteps);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    listDebug_ = new QListWidget(this);
    listDebug_->setObjectName(QStringLiteral("ListDebug"));
    listDebug_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    listDebug_->setFont(QFont(QStringLiteral("Monospace")));
    showTraceAction_ = new QAction(this);
    showTraceAction_->setObjectName(QStringLiteral("ShowTrace"));
    showTraceAction_->setCheckable(true);
    showTraceAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    showTraceAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(showTraceAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(showTraceAction_, &QAction::toggled, this, &FormProcess::ShowTrace);
    connect(commandRead_, &QPushButton::clicked, this, &FormProcess::CommandRead_Click);
    connect(commandWrite_, &QPushButton::clicked, this, &FormProcess::CommandWrite_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &FormProcess::CommandCancel_Click);
}

// Enter in a password box starts the transfer the window offers (nothing while one runs: the
// button is disabled); Tab goes from the passwords to it and on to Cancel.
void FormProcess::OrderTabs() {
    QPushButton* start = reading_ ? commandRead_ : commandWrite_;
    start->setDefault(true);
    QList<QWidget*> chain{textPassword_};
    if (!reading_)
        chain << checkNewPassword_ << textNewPassword_;
    chain << start << commandCancel_;
    if (checkBackupFirst_)
        chain << checkBackupFirst_;
    if (checkVerify_)
        chain << checkVerify_;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    // The password boxes take Enter and Escape for themselves; here they are the window's.
    for (KeyFilterEdit* box : {textPassword_, textNewPassword_}) {
        connect(box, &KeyFilterEdit::enterPressed, this, [start] {
            if (start->isVisible() && start->isEnabled())
                start->click();
        });
        connect(box, &KeyFilterEdit::escapePressed, this, &QDialog::reject);
    }
}

// Fixed places: the new-password row sits below the read window's height and only the taller
// write window shows it; the trace list sits lower still.
void FormProcess::PlaceControls() {
    labelPassword_->setGeometry(kMargin, 16, kBoxLeft - kMargin - 4, 24);
    textPassword_->setGeometry(kBoxLeft, 16, 100, 24);
    commandRead_->setGeometry(kButtonLeft, 14, 100, 28);
    commandWrite_->setGeometry(kButtonLeft, 14, 100, 28);
    progressBar_->setGeometry(kMargin, 58, kWidth - 2 * kMargin - 2, 20);
    labelProcess_->setGeometry(kMargin, 88, 150, 22);
    textShow_->setGeometry(166, 88, kWidth - 166 - kMargin - 2, 22);
    commandCancel_->setGeometry(kButtonLeft, 120, 100, 28);
    checkNewPassword_->setGeometry(kMargin, 170, 20, 24);
    labelNewPassword_->setGeometry(kMargin + 20, 170, kBoxLeft - kMargin - 24, 24);
    textNewPassword_->setGeometry(kBoxLeft, 170, 100, 24);
    listDebug_->setGeometry(kMargin, TraceTop(), kWidth - 2 * kMargin, kTraceHeight);

    commandRead_->setVisible(reading_);
    commandWrite_->setVisible(!reading_);
    labelNewPassword_->setVisible(!reading_);
    textNewPassword_->setVisible(!reading_);
    // The read window cuts the row off; hidden, it cannot take the focus either.
    checkNewPassword_->setVisible(!reading_);
}

void FormProcess::FillCaptions() {
    const TextContext text = Language();
    setWindowTitle(reading_ ? text.Tr("FormProcess", "Read Data From Radio")
                            : text.Tr("FormProcess", "Write Data To Radio"));
    labelPassword_->setText(text.Tr("FormProcess", "Password:"));
    labelNewPassword_->setText(text.Tr("FormProcess", "New Password:"));
    commandWrite_->setText(text.Tr("FormProcess", "Write"));
    commandRead_->setText(text.Tr("FormProcess", "Read"));
    commandCancel_->setText(text.Tr("FormProcess", "&Cancel"));
    labelProcess_->setText(text.Tr("FormProcess", "Complete:0%"));
    showTraceAction_->setText(text.Tr("FormProcess", "Show trace"));
}

// The verify row of a write pushes the trace list down by its height.
int FormProcess::TraceTop() const {
    return kTraceTop + (checkVerify_ ? kReviewRowHeight : 0);
}

void FormProcess::ApplyHeight() {
    const int height = traceShown_ ? TraceTop() + kTraceHeight + kMargin
                                   : Pixels(reading_ ? kReadHeightTwips : kWriteHeightTwips) +
                                         (safeWrite_ ? kReviewRowHeight : 0) +
                                         (checkVerify_ ? kReviewRowHeight : 0);
    setFixedSize(kWidth, height);
}

void FormProcess::ShowTrace(bool shown) {
    traceShown_ = shown;
    if (showTraceAction_->isChecked() != shown)
        showTraceAction_->setChecked(shown);
    ApplyHeight();
}

void FormProcess::PrefillPasswords(const QString& password, const QString& newPassword) {
    textPassword_->setText(password);
    textNewPassword_->setText(newPassword);
    checkNewPassword_->setChecked(true);
}

void FormProcess::CommandRead_Click() {
    BeginTransfer();
    work_ = codeplug_;
    // A tune page's transfer that left out the tune blocks would report success for data it never
    // moved, so the window hands the tune request on to the engine.
    const auto started = adapter_.StartRead(textPassword_->text(), tune_);
    if (started == SerialAdapter::StartOutcome::PortFailed)
        ShowPortFailure(adapter_.openError().Describe(codeplug_.IsEnglish));
    if (started != SerialAdapter::StartOutcome::Started)
        EndTransfer();
}

void FormProcess::CommandWrite_Click() {
    if (safeWrite_)
        ReviewWrite();
    else
        StartWrite();
}

void FormProcess::StartWrite() {
    BeginTransfer();
    const NewPasswordChoice choice{checkNewPassword_->isChecked(), textNewPassword_->text()};
    writing_ = choice;
    passwordUsed_ = textPassword_->text();
    writingBackBackup_ = false;
    writeBackup_ =
        safeWrite_ && checkBackupFirst_->isChecked() ? safeWrite_->BackupPath() : QString();
    work_ = codeplug_;
    checkedWrite_ = checkVerify_ && checkVerify_->isChecked();
    const auto started = checkedWrite_
                             ? adapter_.StartVerifiedWrite(checked_, work_, passwordUsed_, choice)
                             : adapter_.StartWrite(passwordUsed_, choice, tune_);
    if (started == SerialAdapter::StartOutcome::PortFailed)
        ShowPortFailure(adapter_.openError().Describe(codeplug_.IsEnglish));
    if (started != SerialAdapter::StartOutcome::Started)
        EndTransfer();
}

void FormProcess::WriteBackupBack() {
    Codeplug backup = codeplug_;
    const FileResult read =
        RadioDataFile::ReadFromFile(writeBackup_, backup, RadioDataFile::KeyLengths::AsStored);
    if (!read.ok()) {
        UiSeam::Instance().Message(this, QMessageBox::Critical, UiSeam::AppTitle(),
                                   read.Message(codeplug_.IsEnglish), QMessageBox::Ok);
        return;
    }
    BeginTransfer();
    work_ = backup;
    checkedWrite_ = false;
    const auto started = adapter_.StartWrite(recovery_.password, recovery_.restore, tune_);
    if (started == SerialAdapter::StartOutcome::Started) {
        writingBackBackup_ = true;
        passwordUsed_ = recovery_.password;
        writing_ = recovery_.restore;
        return;
    }
    EndTransfer();
    // The radio is still as the stopped write left it: the offer stands.
    ShowIncompleteWrite(adapter_.openError().Describe(codeplug_.IsEnglish));
}

void FormProcess::BeginTransfer() {
    SetCancelCaption(true);
    cancelled_ = false;
    passwordRefused_ = false;
    progressBar_->setValue(0);
    // The result of the previous transfer must not stand beside a new one that is running.
    textShow_->setVisible(false);
    textPassword_->setEnabled(false);
    commandRead_->setEnabled(false);
    commandWrite_->setEnabled(false);
    textNewPassword_->setEnabled(false);
    if (checkVerify_)
        checkVerify_->setEnabled(false);
}

void FormProcess::EndTransfer() {
    SetCancelCaption(false);
    textPassword_->setEnabled(true);
    commandRead_->setEnabled(true);
    commandWrite_->setEnabled(true);
    textNewPassword_->setEnabled(true);
    if (checkVerify_)
        checkVerify_->setEnabled(true);
}

const TransferEngine& FormProcess::WriteEngine() const {
    return checkedWrite_ ? checked_.WriteEngine() : engine_;
}

void FormProcess::SetCancelCaption(bool cancels) {
    commandCancel_->setText(cancels ? Language().Tr("FormProcess", "&Cancel")
                                    : Language().Tr("FormProcess", "&Close"));
}

QString FormProcess::NothingWritten() const {
    // The result line's room is short: the message boxes say it in full.
    return Language().Tr("FormProcess", "Nothing was written");
}

void FormProcess::ShowPortFailure(const QString& cause) {
    QString text = Language().Tr("FormProcess", "Please reselect COM port!") + QLatin1Char('\n') +
                   SerialPortName::PortLine(adapter_.PortName(), codeplug_.IsEnglish);
    if (!cause.isEmpty())
        text += QLatin1Char('\n') + cause;
    if (!reading_)
        text += QLatin1Char('\n') + WriteRecovery::NothingWritten(codeplug_.IsEnglish);
    UiSeam::Instance().Message(this, QMessageBox::Critical, UiSeam::AppTitle(), text,
                               QMessageBox::Ok);
}

void FormProcess::CommandCancel_Click() {
    reject();
}

void FormProcess::done(int result) {
    // A write that has begun is stopped, and the window stays to say what the radio now holds
    // and to offer the way back.
    if (!reading_ && adapter_.Running() && WriteEngine().WriteBegun()) {
        cancelled_ = true;
        adapter_.Cancel();
        return;
    }
    // Closing the window in any other way (Cancel, Escape, the close box) ends a running
    // transfer and releases the port.
    adapter_.Cancel();
    adapter_.Close();
    Form_Unload();
    if (safeWrite_)
        safeWrite_->Cancel(); // a backup read in progress ends without a word
    QDialog::done(result);
}

void FormProcess::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    codeplug_.LinkRead = false;
    codeplug_.LinkTune = false;
    codeplug_.LinkLocalMessage = false;
    codeplug_.LinkSpecial = false;
    codeplug_.LinkDtmf = false;
    codeplug_.PasswordChanged = false;
    codeplug_.ProcessOpen = false;
}

void FormProcess::OnTrace(const QString& line) {
    listDebug_->addItem(line);
    listDebug_->scrollToBottom(); // the newest exchange is the one that matters
}

void FormProcess::OnProgress(double fraction, const QString& label) {
    const double clamped = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
    progressBar_->setValue(static_cast<int>(std::lround(clamped * kProgressSteps)));
    if (!label.isEmpty())
        labelProcess_->setText(label);
}

void FormProcess::OnRetryQuestion(const QString& question) {
    const auto answer = UiSeam::Instance().Message(
        this, QMessageBox::Critical, UiSeam::AppTitle(),
        question + QLatin1Char('\n') +
            SerialPortName::PortLine(adapter_.PortName(), codeplug_.IsEnglish),
        QMessageBox::Retry | QMessageBox::Cancel);
    adapter_.AnswerRetry(answer == QMessageBox::Retry);
}

void FormProcess::OnFinished(const LinkResult& result) {
    TakeTransferResult(result);
    EndTransfer();
    if (result.Succeeded())
        ShowSuccess();
    else if (!reading_ && WriteEngine().WriteBegun())
        ShowIncompleteWrite(
            result.outcome == LinkResult::Outcome::PortLost
                ? Language().Tr("FormProcess", "The serial port was lost: %1").arg(result.reason)
                : QString());
    else
        ShowFailure(result);
}

void FormProcess::TakeTransferResult(const LinkResult& result) {
    // Writing the backup back is no success of the write the caller asked for.
    const Codeplug& moved = checkedWrite_ ? checked_.Sent() : work_;
    codeplug_.LinkSucceeded = moved.LinkSucceeded && !writingBackBackup_;
    codeplug_.PasswordRejected = moved.PasswordRejected;
    if (reading_ && result.Succeeded())
        RadioDataFile::CopyValues(work_, codeplug_);
    else if (!reading_ && !writingBackBackup_)
        MemoryMap::StoreHeader(codeplug_, MemoryMap::Header(moved)); // the radio's own counts
}

void FormProcess::ShowIncompleteWrite(const QString& cause) {
    const bool english = codeplug_.IsEnglish;
    const WriteRecovery next = WriteRecovery::After(WriteEngine(), passwordUsed_, writing_);
    // Writing the backup back aims at the password the radio had before the first write.
    recovery_ = writingBackBackup_ ? WriteRecovery{next.password, recovery_.restore} : next;
    textShow_->setText(Language().Tr("FormProcess", "The radio is incomplete"));
    textShow_->setVisible(true);
    QString text = WriteRecovery::Incomplete(english);
    if (!cause.isEmpty())
        text += QLatin1Char('\n') + cause;
    OfferBackup(text);
}

void FormProcess::ShowVerification() {
    const bool english = codeplug_.IsEnglish;
    const WriteVerification& check = checked_.Verification();
    if (check.state == WriteVerification::State::Verified) {
        textShow_->setText(VerifiedWrite::VerifiedText(english));
        return;
    }
    recovery_ = WriteRecovery::After(WriteEngine(), passwordUsed_, writing_);
    QString text;
    if (check.state == WriteVerification::State::Differences) {
        textShow_->setText(Language().Tr("FormProcess", "Differences found"));
        text = VerifiedWrite::DifferencesText(english);
        for (const QString& line : check.differences.mid(0, kListedDifferences))
            text += QLatin1Char('\n') + line;
        if (check.differences.size() > kListedDifferences)
            text += QLatin1Char('\n') + Language()
                                            .Tr("FormProcess", "… and %1 more")
                                            .arg(check.differences.size() - kListedDifferences);
    } else {
        textShow_->setText(Language().Tr("FormProcess", "Not verified"));
        const LinkResult& read = check.readResult;
        text = VerifiedWrite::ReadBackFailedText(english) + QLatin1Char(' ') +
               (read.outcome == LinkResult::Outcome::PortLost
                    ? Language().Tr("FormProcess", "The serial port was lost: %1").arg(read.reason)
                : !read.message.isEmpty() ? read.message
                : cancelled_              ? Language().Tr("FormProcess", "Cancelled.")
                             : Language().Tr("FormProcess", "the radio did not answer."));
    }
    OfferBackup(text);
}

void FormProcess::OfferBackup(QString text) {
    const bool english = codeplug_.IsEnglish;
    if (writeBackup_.isEmpty()) {
        UiSeam::Instance().Message(this, QMessageBox::Critical, UiSeam::AppTitle(),
                                   text + QLatin1Char('\n') + WriteRecovery::NoBackup(english),
                                   QMessageBox::Ok);
        return;
    }
    text += QLatin1Char('\n') +
            WriteRecovery::BackupKept(QDir::toNativeSeparators(writeBackup_), english) +
            QLatin1Char('\n') +
            Language().Tr("FormProcess", "Write the backup back into the radio now?");
    const auto answer = UiSeam::Instance().Ask(
        this, QMessageBox::Critical, UiSeam::AppTitle(), text,
        {{QMessageBox::Yes, Language().Tr("FormProcess", "&Write Backup Back")},
         {QMessageBox::Ok, Language().Tr("FormProcess", "&Close")}});
    if (answer == QMessageBox::Yes)
        WriteBackupBack();
}

void FormProcess::ShowFailure(const LinkResult& result) {
    if (!reading_) {
        textShow_->setText(NothingWritten());
        textShow_->setVisible(true);
    }
    switch (result.outcome) {
    case LinkResult::Outcome::PasswordRejected:
        passwordRefused_ = true;
        ShowPasswordFailure();
        break;
    case LinkResult::Outcome::WrongModel:
        UiSeam::Instance().Message(this, QMessageBox::Critical, UiSeam::AppTitle(),
                                   TransferEngine::WrongModelMessage(result.reportedVersion),
                                   QMessageBox::Ok);
        break;
    case LinkResult::Outcome::PortLost:
        if (!unloaded_)
            ShowPortFailure(result.reason);
        break;
    case LinkResult::Outcome::Succeeded:
    case LinkResult::Outcome::Cancelled:
        break;
    }
}

void FormProcess::ShowSuccess() {
    textShow_->setText(reading_             ? Language().Tr("FormProcess", "Read Data OK")
                       : writingBackBackup_ ? Language().Tr("FormProcess", "Backup written back")
                                            : Language().Tr("FormProcess", "Write Data OK"));
    textShow_->setVisible(true);
    if (writingBackBackup_)
        return;
    if (!reading_) {
        written_ = writing_;
        if (checkedWrite_)
            ShowVerification();
        return;
    }
    ModelBand::AnalyseModel(codeplug_);
    if (afterRead_)
        afterRead_();
}

void FormProcess::ShowPasswordFailure() {
    if (!codeplug_.PasswordRejected)
        return;
    UiSeam::Instance().Message(this, QMessageBox::NoIcon, UiSeam::AppTitle(),
                               Language().Tr("FormProcess", "Password Failure!"), QMessageBox::Ok);
    codeplug_.PasswordRejected = false;
}

// --- The steps before a write ---------------------------------------------------------------

void FormProcess::CreateReviewControls() {
    // The tune page's and the password change's writes send the whole plan too: every write is
    // reviewed.
    if (reading_)
        return;
    safeWrite_ = new SafeWrite(codeplug_, tune_, this);
    connect(safeWrite_, &SafeWrite::traceLine, this, &FormProcess::OnTrace);
    connect(safeWrite_, &SafeWrite::progress, this, &FormProcess::OnProgress);
    connect(safeWrite_, &SafeWrite::readFailed, this, &FormProcess::OnBackupReadFailed);
    connect(safeWrite_, &SafeWrite::finished, this, &FormProcess::OnReviewFinished);
    checkBackupFirst_ = new QCheckBox(this);
    checkBackupFirst_->setObjectName(QStringLiteral("CheckBackupFirst"));
    checkBackupFirst_->setText(
        Language().Tr("FormProcess", "Back up the radio and show changes first"));
    checkBackupFirst_->setChecked(codeplug_.BackupBeforeWrite);
    checkBackupFirst_->setGeometry(kMargin, kReviewRowTop, kWidth - 2 * kMargin, 24);
    connect(checkBackupFirst_, &QCheckBox::toggled, this, &FormProcess::KeepBackupChoice);
    // The tune page's write moves the tune data too, which the read-back does not compare.
    if (tune_)
        return;
    checkVerify_ = new QCheckBox(this);
    checkVerify_->setObjectName(QStringLiteral("CheckVerify"));
    checkVerify_->setText(Language().Tr("FormProcess", "Verify after writing"));
    checkVerify_->setChecked(codeplug_.VerifyAfterWrite);
    checkVerify_->setGeometry(kMargin, kReviewRowTop + kReviewRowHeight, kWidth - 2 * kMargin, 24);
    connect(checkVerify_, &QCheckBox::toggled, this, &FormProcess::KeepVerifyChoice);
}

void FormProcess::KeepBackupChoice(bool on) {
    codeplug_.BackupBeforeWrite = on;
    KeepChoice(SettingsStore::kBackupBeforeWrite, on);
}

void FormProcess::KeepVerifyChoice(bool on) {
    codeplug_.VerifyAfterWrite = on;
    KeepChoice(SettingsStore::kVerifyAfterWrite, on);
}

void FormProcess::KeepChoice(const char* name, bool on) {
    if (SettingsStore().WriteText(QString::fromLatin1(name),
                                  on ? QStringLiteral("True") : QStringLiteral("False")))
        return;
    UiSeam::Instance().Message(
        this, QMessageBox::Warning, UiSeam::AppTitle(),
        Language().Tr("FormProcess",
                      "The setting applies now but could not be saved for the next start."),
        QMessageBox::Ok);
}

void FormProcess::SetBackupStore(const BackupStore& store) {
    if (safeWrite_)
        safeWrite_->SetBackupStore(store);
}

std::optional<PlanLocation> FormProcess::ChosenLocation() const {
    return safeWrite_ ? safeWrite_->ChosenLocation() : std::nullopt;
}

void FormProcess::ReviewWrite() {
    BeginTransfer();
    checkBackupFirst_->setEnabled(false);
    if (!safeWrite_->Check()) {
        EndReview();
        return;
    }
    if (!checkBackupFirst_->isChecked()) {
        checkBackupFirst_->setEnabled(true);
        StartWrite();
        return;
    }
    adapter_.Close(); // the backup read has the port to itself
    textShow_->setText(Language().Tr("FormProcess", "Backing up the radio..."));
    textShow_->setVisible(true);
    const NewPasswordChoice choice{checkNewPassword_->isChecked(), textNewPassword_->text()};
    const auto started =
        safeWrite_->StartBackupRead(adapter_.PortName(), textPassword_->text(), choice);
    if (started == SerialAdapter::StartOutcome::Started)
        return;
    if (started == SerialAdapter::StartOutcome::PortFailed)
        ShowPortFailure(safeWrite_->OpenError().Describe(codeplug_.IsEnglish));
    EndReview();
}

void FormProcess::OnBackupReadFailed(const LinkResult& result) {
    if (unloaded_)
        return;
    // The radio refused the password of the backup read: the plan's codeplug never heard of it.
    codeplug_.PasswordRejected = result.outcome == LinkResult::Outcome::PasswordRejected;
    ShowFailure(result);
    EndReview();
}

void FormProcess::OnReviewFinished(bool writeNow) {
    if (unloaded_)
        return;
    textShow_->setVisible(false);
    if (writeNow) {
        checkBackupFirst_->setEnabled(true);
        StartWrite();
        return;
    }
    EndReview();
}

void FormProcess::EndReview() {
    // The progress was the backup read's: what counts is that the radio was not written.
    progressBar_->setValue(0);
    labelProcess_->setText(Language().Tr("FormProcess", "Complete:0%"));
    textShow_->setText(NothingWritten());
    textShow_->setVisible(true);
    checkBackupFirst_->setEnabled(true);
    EndTransfer();
    // A line double-clicked asks for its channel or page: the main window opens it.
    if (safeWrite_->ChosenLocation())
        reject();
}

} // namespace zr40
