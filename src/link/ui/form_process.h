#pragma once

#include "codeplug/codeplug.h"
#include "link/link_result.h"
#include "link/serial/serial_adapter.h"
#include "link/transfer_engine.h"
#include "link/verified_write.h"
#include "link/write_recovery.h"
#include "review/plan_location.h"

#include <QDialog>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace zr40 {

class BackupStore;
class KeyFilterEdit;
class SafeWrite;
class StarPasswordStyle;

// The transfer window: reads the radio into the codeplug or writes the codeplug into the radio,
// behind the radio's programming password. The caller sets LinkRead (true: read) and opens it
// modally; afterwards it tests LinkSucceeded. The window opens the port with its first transfer
// and keeps it open for further transfers until it is closed.
//
// The window only shows and collects: the transfer itself is the engine's, the port and the
// timer are the serial adapter's. The engine works on a copy of the codeplug: a read replaces
// the plan only when it completed, so a read cut short leaves the plan exactly as it was.
//
// A write that stops after its first block (a pulled cable, Cancel) says that the radio now
// holds part of the plan, names the before-write backup and offers to write it back. Unless the
// technician turns it off (VerifyAfterWrite), a write of the plan is read back on the same port
// and compared; a radio that reads back otherwise is listed and offered its backup the same way.
class FormProcess : public QDialog {
    Q_OBJECT
public:
    // afterRead reloads the open pages after a successful read.
    FormProcess(Codeplug& codeplug, std::function<void()> afterRead, QWidget* parent = nullptr);
    ~FormProcess() override;

    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kReadHeightTwips = 2450;
    static constexpr int kWriteHeightTwips = 3030;
    static constexpr int kTraceTopTwips = 3480;
    static constexpr int kWidthTwips = 5400;

    bool Reading() const { return reading_; }
    // The trace list lies below the window's visible area until it is asked for.
    void ShowTrace(bool shown);
    bool TraceShown() const { return traceShown_; }

    // A caller that already asked for the passwords hands them over: the password box, the new
    // password box, and the new password ticked.
    void PrefillPasswords(const QString& password, const QString& newPassword);
    // The last transfer ended because the radio refused the password.
    bool PasswordRefused() const { return passwordRefused_; }
    // The password a completed write left in the radio, as the window was asked to write it
    // (change false: the radio kept its own); nothing written yet: change false.
    NewPasswordChoice WrittenPassword() const { return written_; }

    void done(int result) override;

    // --- The steps before a write ---
    // A write is checked first and, unless the technician turns it off (BackupBeforeWrite), the
    // radio is read and backed up and the changes are shown before anything is written.
    bool ReviewsWrite() const { return safeWrite_ != nullptr; }
    // Where the before-write backups go (the user's backups folder unless told otherwise).
    void SetBackupStore(const BackupStore& store);
    // A line of the problem or change list was double-clicked: the window closed so that the
    // caller can open that channel or page.
    std::optional<PlanLocation> ChosenLocation() const;

private:
    void CreateControls();
    void OrderTabs();
    void PlaceControls();
    void FillCaptions();
    TextContext Language() const { return TextContext::Of(codeplug_); }
    void ApplyHeight();
    int TraceTop() const;

    void CommandRead_Click();
    void CommandWrite_Click();
    void CommandCancel_Click();
    void BeginTransfer();
    void EndTransfer();
    void ShowPortFailure(const QString& cause);
    void SetCancelCaption(bool cancels);
    // The radio untouched, said on the window's result line.
    QString NothingWritten() const;
    void TakeTransferResult(const LinkResult& result);
    void ShowIncompleteWrite(const QString& cause);
    // Names the before-write backup after `text` and offers to write it back.
    void OfferBackup(QString text);
    void ShowVerification();
    const TransferEngine& WriteEngine() const;
    void WriteBackupBack();

    void OnTrace(const QString& line);
    void OnProgress(double fraction, const QString& label);
    void OnRetryQuestion(const QString& question);
    void OnFinished(const LinkResult& result);
    void ShowSuccess();
    void ShowPasswordFailure();

    void Form_Unload();

    void ShowFailure(const LinkResult& result);
    void CreateReviewControls();
    void KeepBackupChoice(bool on);
    void KeepVerifyChoice(bool on);
    void KeepChoice(const char* name, bool on);
    void StartWrite();
    void ReviewWrite();
    void OnReviewFinished(bool writeNow);
    void OnBackupReadFailed(const LinkResult& result);
    void EndReview();

    Codeplug& codeplug_;
    std::function<void()> afterRead_;
    bool reading_;
    bool tune_; // opened by the tune page: the tune blocks travel too
    bool traceShown_ = false;
    bool unloaded_ = false;
    bool passwordRefused_ = false;
    NewPasswordChoice writing_; // the choice of the write under way
    NewPasswordChoice written_;
    QString writeBackup_; // the before-write backup of the write under way, if one was kept
    bool writingBackBackup_ = false;
    WriteRecovery recovery_; // how to write the backup back after a write that stopped
    QString passwordUsed_;   // the password the write under way opened the radio with
    Codeplug work_;          // what the engine reads into and writes from
    TransferEngine engine_;
    VerifiedWrite checked_;     // a write read back after it
    bool checkedWrite_ = false; // the write under way is checked_
    bool cancelled_ = false;    // the technician cancelled the transfer under way
    SerialAdapter adapter_;

    StarPasswordStyle* passwordStyle_ = nullptr;
    QLabel* labelPassword_ = nullptr;
    KeyFilterEdit* textPassword_ = nullptr;
    QCheckBox* checkNewPassword_ = nullptr;
    QLabel* labelNewPassword_ = nullptr;
    KeyFilterEdit* textNewPassword_ = nullptr;
    QPushButton* commandRead_ = nullptr;
    QPushButton* commandWrite_ = nullptr;
    QPushButton* commandCancel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* labelProcess_ = nullptr;
    QLabel* textShow_ = nullptr;
    QListWidget* listDebug_ = nullptr;
    QAction* showTraceAction_ = nullptr;
    SafeWrite* safeWrite_ = nullptr;
    QCheckBox* checkBackupFirst_ = nullptr;
    QCheckBox* checkVerify_ = nullptr; // none for the tune page's writes
};

} // namespace zr40
