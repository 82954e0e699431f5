#pragma once

#include "codeplug/codeplug.h"
#include "link/link_result.h"
#include "link/serial/serial_adapter.h"
#include "link/transfer_engine.h"

#include <QDialog>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace zr40 {

class KeyFilterEdit;
class StarPasswordStyle;

// The transfer window: reads the radio into the codeplug or writes the codeplug into the radio,
// behind the radio's programming password. The caller sets LinkRead (true: read) and opens it
// modally; afterwards it tests LinkSucceeded. The window opens the port with its first transfer
// and keeps it open for further transfers until it is closed.
//
// The window only shows and collects: the transfer itself is the engine's, the port and the
// timer are the serial adapter's.
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

private:
    void CreateControls();
    void PlaceControls();
    void FillCaptions();
    QString Pick(const char* english, const char* chinese) const;
    void ApplyHeight();

    void CommandRead_Click();
    void CommandWrite_Click();
    void CommandCancel_Click();
    void BeginTransfer();
    void EndTransfer();
    void ShowPortFailure(const QString& cause);

    void OnTrace(const QString& line);
    void OnProgress(double fraction, const QString& label);
    void OnRetryQuestion(const QString& question);
    void OnFinished(const LinkResult& result);
    void ShowSuccess();
    void ShowPasswordFailure();

    void Form_Unload();

    Codeplug& codeplug_;
    std::function<void()> afterRead_;
    bool reading_;
    bool tune_; // opened by the tune page: the tune blocks travel too
    bool traceShown_ = false;
    bool unloaded_ = false;
    bool passwordRefused_ = false;
    NewPasswordChoice writing_; // the choice of the write under way
    NewPasswordChoice written_;
    TransferEngine engine_;
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
};

} // namespace zr40
