#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "link/block_type.h"
#include "link/link_action.h"
#include "link/reply_gatherer.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace zr40 {

// The password a write leaves in the radio.
struct NewPasswordChoice {
    bool change = false; // false: the radio keeps its own password
    QString newPassword; // up to six digits; empty removes the password
};

// The state machine of a radio read or write, free of any port, timer or window.
//
// The host feeds it events (a start, bytes from the port, a timer tick, the answer to the retry
// question, a lost port, a cancel) and carries out the actions it returns: send these bytes,
// (re)arm or stop the reply timer, add a trace line, show progress, ask the retry question,
// close the port, report the end. Exactly one request is outstanding at any time. A reply is
// judged only on a timer tick: 1 ms after its end byte arrived, or 1000 ms after the last
// silence began, so a reply is never processed inside the port's receive handler.
//
// Order of a read:  identify, password check, [tune header, tune points,] settings, channels,
//                   receive lists.
// Order of a write: identify, password check, [tune header + commit, (tune point + commit) x n,]
//                   settings + commit, (channel + commit) x n, (list + commit) x n, end of write.
// The bracketed tune blocks are visited only by a tune transfer. Counts come from the radio's
// header; the first block of each kind always travels, and never more than the tables hold.
//
// On the codeplug it stores the radio header (also on a write), every block read, clears
// LinkSucceeded at the start and sets it on success, and sets PasswordRejected when the password
// fails; clearing PasswordRejected after showing the message is the window's part.
class TransferEngine {
public:
    // State codes: high nibble 0x1 read, 0x2 write, 0x3 commit; low nibble the block type.
    enum StateCode : int {
        Idle = 0,
        Identify = 1,
        CheckPassword = 2,
        ReadTuneHeader = 0x10,
        ReadTunePoint = 0x11,
        ReadSettings = 0x12,
        ReadChannel = 0x13,
        ReadRxList = 0x14,
        WriteTuneHeader = 0x20,
        WriteTunePoint = 0x21,
        WriteSettings = 0x22,
        WriteChannel = 0x23,
        WriteRxList = 0x24,
        CommitTuneHeader = 0x30,
        CommitTunePoint = 0x31,
        CommitSettings = 0x32,
        CommitChannel = 0x33,
        CommitRxList = 0x34,
        EndWrite = 0xF0,
    };
    static constexpr int kReplyTimeoutMs = 1000;
    static constexpr int kHandOverMs = 1;
    // Failures answered by a silent resend before the retry question is asked.
    static constexpr int kSilentRetries = 10;

    TransferEngine(Codeplug& codeplug, bool english);

    // Language of every text the engine produces (progress, question, result messages).
    void SetEnglish(bool english) { english_ = english; }
    bool English() const { return english_; }

    // Start a transfer. The host has opened the port. Returns false (and does nothing) while a
    // transfer is running, or when a new password is not empty and not one to six digits.
    bool StartRead(const QString& password, bool tune = false);
    bool StartWrite(const QString& password, const NewPasswordChoice& newPassword,
                    bool tune = false);

    // Events from the host.
    void BytesReceived(const QByteArray& bytes);
    void TimerFired();
    void AnswerRetry(bool retry);
    void PortLost(const QString& reason);
    void Cancel();

    // Actions produced since the last call, oldest first.
    std::vector<LinkAction> TakeActions();

    bool Running() const { return LinkState() != Idle || FinishPending(); }
    bool RetryQuestionOpen() const { return askingRetry_; }
    bool Tune() const { return tune_; }
    bool Reading() const { return reading_; }
    // The last write sent at least one block: from then on a write that does not complete
    // leaves the radio with part of the plan.
    bool WriteBegun() const { return writeBegun_; }

    // The transfer state, under the names the radio's programming protocol uses.
    int LinkState() const { return state_; }
    const QByteArray& RxBuffer() const { return gatherer_.RxBuffer(); }
    int RxCount() const { return gatherer_.RxCount(); }
    bool FrameStarted() const { return gatherer_.FrameStarted(); }
    bool AwaitingReply() const { return awaitingReply_; }
    int RetryCount() const { return retryCount_; }
    bool RetryBusy() const { return retryBusy_; }
    bool FinishPending() const { return finishPending_; }
    bool VerifyPassword() const { return verifyPassword_; }
    int SettingsIndex() const { return settingsIndex_; }
    int ChannelIndex() const { return channelIndex_; }
    int RxListIndex() const { return rxListIndex_; }
    int TunePointIndex() const { return tunePointIndex_; }
    int TuneBlockIndex() const { return tuneBlockIndex_; }
    Long RadioPassword() const { return radioPassword_; }

    // "Complete:10%"; 0 shows as "Complete:%".
    static QString ProgressText(double fraction, bool english);
    // The radio answers another data version.
    static QString WrongModelMessage(Long reportedVersion);
    // True when the entered text opens a radio whose settings hold radioPassword.
    static bool PasswordAccepted(Long radioPassword, const QString& entered);

private:
    bool Start(bool reading, const QString& password, bool tune);
    void SendFrame();
    QByteArray BuildFrame() const;
    void JudgeReply();
    void ExchangeFailed();
    void HandleGoodReply(const QByteArray& reply);
    bool ReplyLongEnough(const QByteArray& reply) const;
    void UpdateProgress();
    void HandleIdentify(const QByteArray& reply);
    void HandlePassword(const QByteArray& reply);
    void HandleRead(const QByteArray& reply);
    void HandleWriteStep();
    void GoTo(int state);
    void AfterPasswordCheck();
    void EndWith(const LinkResult& result);
    void EndWithSuccess();
    void RunFinish();
    void StopNow(const LinkResult& result);
    qint64 ProgressDivisor() const;
    void ArmTimer(int ms);
    void StopTimer();
    void Emit(const LinkAction& action) { actions_.push_back(action); }
    void ResetToIdle();
    TextContext Language() const;
    Long WrittenPassword() const;

    Codeplug& codeplug_;
    bool english_ = false;
    std::vector<LinkAction> actions_;
    ReplyGatherer gatherer_;

    int state_ = Idle;
    bool reading_ = true;
    bool tune_ = false;
    bool awaitingReply_ = false;
    bool timerArmed_ = false;
    int retryCount_ = 0;
    bool retryBusy_ = false;
    bool askingRetry_ = false;
    bool finishPending_ = false;
    bool verifyPassword_ = true;
    bool writeBegun_ = false;
    int settingsIndex_ = 0;
    int channelIndex_ = 0;
    int rxListIndex_ = 0;
    int tunePointIndex_ = 0;
    int tuneBlockIndex_ = 0;
    Long radioPassword_ = -1;
    QString password_;
    NewPasswordChoice newPassword_;
    LinkResult pendingResult_;
};

} // namespace zr40
