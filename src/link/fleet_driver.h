#pragma once

#include "codeplug/codeplug.h"
#include "link/fleet_action.h"
#include "link/reply_gatherer.h"
#include "link/transfer_engine.h"
#include "link/verified_write.h"

#include <QElapsedTimer>
#include <functional>
#include <optional>
#include <vector>

namespace zr40 {

// Programs one plan into radio after radio, each with the next local ID of a list, free of any
// port, timer or window: bytes, timer ticks and the host's answers in; frames, timer requests
// and events out (FleetAction), in the style of TransferEngine.
//
// For each ID in turn:
//   1. wait for a radio: an identify request every 500 ms until one answers; the port is
//      reopened whenever it fails, vanishes or cannot be opened (an adapter unplugged);
//   2. read it as it is, tune data included, and hand it to the host as its before-write
//      backup; nothing is written before the host says the backup is stored, and a refusal
//      ends that radio with nothing written;
//   3. write the plan with the radio's ID and, unless told otherwise, read it back and compare
//      (VerifiedWrite);
//   4. report the radio (verified, differences, failed) with its machine time;
//   5. wait until it no longer answers (two polls in a row unanswered, or the port lost) before
//      waiting for the next.
// A radio that fails is reported and the session goes on with the next radio and the next ID.
// No question is asked: a bad exchange is retried as in any transfer, and a radio that leaves
// two requests in a row unanswered is taken as gone, before a radio swapped in could answer the
// rest of a write meant for another (a swap takes the technician longer than two seconds). The
// session ends after the last ID or on Stop.
class FleetDriver {
public:
    static constexpr int kPollMs = 500;
    static constexpr int kDepartAfterSilentPolls = 2;
    static constexpr int kGoneAfterUnanswered = 2;

    struct Options {
        QString password;
        bool verify = true;
        bool english = true;
        VerifiedWrite::Compare compare; // empty: the sent values are compared
        // Monotonic nanoseconds for the machine times; empty: the computer's clock.
        std::function<qint64()> clock;
    };

    FleetDriver(const Codeplug& plan, std::vector<Long> ids, Options options);

    // Starts the session (asks for the port first). False when it has run already or an ID is
    // outside the function setup page's range.
    bool Start();
    // Stop: a radio being read is let go at once (nothing written); a radio being written is
    // written and checked to the end, then the session ends. A second Stop cancels that write
    // too and reports the radio incomplete.
    void Stop();

    // Events from the host.
    void PortOpened(bool opened);
    void BytesReceived(const QByteArray& bytes);
    void TimerFired();
    void PortLost(const QString& reason);
    void BackupStored(bool stored, const QString& reason = {});

    std::vector<FleetAction> TakeActions();

    FleetPhase Phase() const { return phase_; }
    bool Running() const { return started_ && phase_ != FleetPhase::Ended; }
    bool Stopped() const { return stopRequested_; }
    // The radio at hand (counted from 1) and its ID; the number of IDs.
    int Radio() const { return int(next_) + 1; }
    Long LocalId() const { return next_ < ids_.size() ? ids_[next_] : -1; }
    int RadioCount() const { return int(ids_.size()); }
    const std::vector<FleetRadioReport>& Reports() const { return reports_; }
    // The radio as the backup read found it (StoreBackup).
    const Codeplug& RadioBefore() const { return before_; }

private:
    enum class Inner { None, Backup, Write };

    // Calls `f` with the transfer under way, the backup read's engine or the verified write.
    template <class F> void ToInner(F f) {
        if (inner_ == Inner::Backup)
            f(*reader_);
        else if (inner_ == Inner::Write)
            f(*writer_);
    }

    void Emit(FleetAction action) { actions_.push_back(std::move(action)); }
    void EmitLink(const LinkAction& action);
    void EnterPhase(FleetPhase phase);
    void ArmTimer(int ms);
    void StopTimer();
    void OpenPort();
    void SendPoll();
    void JudgePoll();
    void WaitForRadio();
    void NextRadio();
    void RadioArrived();
    void StartInner(Inner inner);
    void StartWrite();
    void Collect();
    void TakeInnerAction(const LinkAction& action);
    void InnerTick();
    void InnerFinished(const LinkResult& result);
    void BackupFinished(const LinkResult& result);
    void WriteFinished(const LinkResult& result);
    void FailRadio(const QString& reason, bool written);
    void Incomplete(bool writeComplete = false);
    void FinishRadio(FleetRadioReport::Result result);
    void End();
    QString FailureReason(const LinkResult& result) const;
    QString LostText(const QString& reason) const;
    TextContext Language() const;
    qint64 Now() const;

    Codeplug plan_;
    std::vector<Long> ids_;
    Options options_;
    QElapsedTimer machineClock_;
    std::vector<FleetAction> actions_;

    bool started_ = false;
    bool stopRequested_ = false;
    bool cancelWrite_ = false;
    FleetPhase phase_ = FleetPhase::WaitingForRadio;
    std::size_t next_ = 0;

    // The port and the polls.
    bool portOpen_ = false;
    bool opening_ = false;
    bool polling_ = false;    // an identify is out
    bool pollBytes_ = false;  // something answered it
    bool pollJudged_ = false; // judged before its 500 ms were up; the next waits for them
    bool timerArmed_ = false; // the driver's own timer (polls, reopening)
    int silentPolls_ = 0;
    ReplyGatherer gatherer_;

    // The transfers.
    Inner inner_ = Inner::None;
    Codeplug before_;
    // Made afresh for every radio, so that a radio's failed exchanges count towards giving up on
    // that radio only.
    std::optional<TransferEngine> reader_;
    std::optional<VerifiedWrite> writer_;
    bool bytesSinceSend_ = false;
    int unanswered_ = 0;
    QString cause_;      // why the transfer under way was given up, when the driver did it
    QString lostReason_; // the port's last words
    bool awaitingBackup_ = false;
    FleetRadioReport report_;
    qint64 startedNs_ = 0;
    std::vector<FleetRadioReport> reports_;
};

} // namespace zr40
