#include "link/fleet_driver.h"

#include "link/fleet_ids.h"
#include "link/frame_codec.h"

#include <algorithm>
#include <utility>

namespace zr40 {

namespace {

// A codeplug as New leaves it: what the radio does not report keeps these values in a backup,
// never pieces of the plan about to be written.
Codeplug FreshCodeplug(bool english) {
    Codeplug codeplug;
    codeplug.ApplyStartupDefaults();
    codeplug.ResetApplicationState();
    codeplug.ApplyNewDefaults();
    codeplug.IsEnglish = english;
    return codeplug;
}

} // namespace

FleetDriver::FleetDriver(const Codeplug& plan, std::vector<Long> ids, Options options)
    : plan_(plan), ids_(std::move(ids)), options_(std::move(options)) {
    machineClock_.start();
}

bool FleetDriver::Start() {
    if (started_ || !std::all_of(ids_.begin(), ids_.end(), FleetIds::Valid))
        return false;
    started_ = true;
    if (ids_.empty())
        End();
    else
        WaitForRadio();
    return true;
}

std::vector<FleetAction> FleetDriver::TakeActions() {
    return std::exchange(actions_, {});
}

// --- Waiting for a radio to come and to go ---

void FleetDriver::WaitForRadio() {
    silentPolls_ = 0;
    EnterPhase(FleetPhase::WaitingForRadio);
    if (portOpen_)
        SendPoll();
    else
        OpenPort();
}

void FleetDriver::NextRadio() {
    ++next_;
    WaitForRadio();
}

void FleetDriver::OpenPort() {
    polling_ = false;
    portOpen_ = false;
    opening_ = true;
    FleetAction action;
    action.kind = FleetAction::Kind::ReopenPort;
    Emit(action);
}

void FleetDriver::PortOpened(bool opened) {
    if (!opening_ || !Running())
        return;
    opening_ = false;
    portOpen_ = opened;
    if (opened)
        SendPoll();
    else
        ArmTimer(kPollMs); // the adapter may be plugged in again
}

void FleetDriver::SendPoll() {
    gatherer_.Restart();
    polling_ = true;
    pollBytes_ = false;
    pollJudged_ = false;
    ArmTimer(kPollMs);
    EmitLink(
        LinkAction::Send(FrameCodec::BuildRequest(CommandClass::Identify, BlockType::None, 0)));
}

void FleetDriver::JudgePoll() {
    polling_ = false;
    const bool radioAnswered = gatherer_.Judge().kind == ReplyVerdict::Kind::Good;
    if (phase_ == FleetPhase::WaitingForRadio) {
        if (radioAnswered) {
            RadioArrived();
            return;
        }
    } else {
        silentPolls_ = pollBytes_ ? 0 : silentPolls_ + 1;
        if (silentPolls_ >= kDepartAfterSilentPolls) {
            NextRadio();
            return;
        }
    }
    // An answer that came early is followed by the next poll when the 500 ms are up.
    if (pollJudged_)
        ArmTimer(kPollMs);
    else
        SendPoll();
}

// --- One radio ---

void FleetDriver::RadioArrived() {
    report_ = {};
    report_.radio = Radio();
    report_.localId = LocalId();
    cause_.clear();
    lostReason_.clear();
    startedNs_ = Now();
    before_ = FreshCodeplug(options_.english);
    EnterPhase(FleetPhase::ReadingBackup);
    StartInner(Inner::Backup);
    // The tune data go into the backup too: it is the radio's whole configuration.
    reader_.emplace(before_, options_.english);
    reader_->StartRead(options_.password, true);
    Collect();
}

void FleetDriver::StartInner(Inner inner) {
    inner_ = inner;
    bytesSinceSend_ = false;
    unanswered_ = 0;
}

void FleetDriver::BackupStored(bool stored, const QString& reason) {
    if (!awaitingBackup_)
        return;
    awaitingBackup_ = false;
    const QString nothing = Language().Tr("FleetDriver", "Nothing was written.");
    if (!stored)
        FailRadio(reason.isEmpty() ? nothing : reason + QLatin1Char(' ') + nothing, false);
    else if (!portOpen_)
        FailRadio(LostText(lostReason_) + QLatin1Char(' ') + nothing, false);
    else
        StartWrite();
}

void FleetDriver::StartWrite() {
    Codeplug plan = plan_;
    plan.LocalID = LocalId();
    EnterPhase(FleetPhase::Writing);
    StartInner(Inner::Write);
    report_.written = true;
    writer_.emplace(options_.english, options_.compare);
    writer_->Start(plan, options_.password, {}, options_.verify);
    Collect();
}

// The transfers' actions go to the host, except what a session without a person at the port
// handles itself: the port stays open for the next radio, the retry question is answered with
// cancel, and the end of a transfer is the driver's next step.
void FleetDriver::Collect() {
    for (;;) {
        std::vector<LinkAction> actions;
        ToInner([&actions](auto& inner) { actions = inner.TakeActions(); });
        if (actions.empty())
            return;
        for (const LinkAction& action : actions)
            TakeInnerAction(action);
        if (inner_ == Inner::Write && writer_->Verifying() && phase_ == FleetPhase::Writing)
            EnterPhase(FleetPhase::Verifying);
    }
}

void FleetDriver::TakeInnerAction(const LinkAction& action) {
    switch (action.kind) {
    case LinkAction::Kind::Send:
        bytesSinceSend_ = false;
        EmitLink(action);
        break;
    case LinkAction::Kind::ClosePort:
        break;
    case LinkAction::Kind::AskRetry:
        cause_ = Language().Tr("FleetDriver", "The radio's replies were garbled.");
        ToInner([](auto& inner) { inner.AnswerRetry(false); });
        break;
    case LinkAction::Kind::Finished:
        InnerFinished(action.result);
        break;
    default:
        EmitLink(action);
        break;
    }
}

void FleetDriver::InnerTick() {
    // A tick with no byte since the last request is its reply time-out.
    const bool gone = !bytesSinceSend_ && ++unanswered_ >= kGoneAfterUnanswered;
    if (gone)
        cause_ = Language().Tr("FleetDriver", "The radio stopped answering.");
    ToInner([gone](auto& inner) { gone ? inner.Cancel() : inner.TimerFired(); });
    Collect();
}

void FleetDriver::InnerFinished(const LinkResult& result) {
    const Inner finished = inner_;
    inner_ = Inner::None;
    if (finished == Inner::Backup)
        BackupFinished(result);
    else
        WriteFinished(result);
}

void FleetDriver::BackupFinished(const LinkResult& result) {
    if (result.Succeeded())
        report_.previousLocalId = before_.LocalID;
    if (stopRequested_) {
        Incomplete();
        return;
    }
    if (!result.Succeeded()) {
        FailRadio(FailureReason(result) + QLatin1Char(' ') +
                      Language().Tr("FleetDriver", "Nothing was written."),
                  false);
        return;
    }
    EnterPhase(FleetPhase::StoringBackup);
    awaitingBackup_ = true;
    FleetAction action;
    action.kind = FleetAction::Kind::StoreBackup;
    action.radio = Radio();
    action.localId = LocalId();
    Emit(action);
}

void FleetDriver::WriteFinished(const LinkResult& result) {
    const WriteVerification& check = writer_->Verification();
    const bool cancelled = result.outcome == LinkResult::Outcome::Cancelled ||
                           check.readResult.outcome == LinkResult::Outcome::Cancelled;
    if (cancelWrite_ && cancelled && cause_.isEmpty()) {
        Incomplete(result.Succeeded());
        return;
    }
    if (!result.Succeeded()) {
        FailRadio(FailureReason(result), true);
        return;
    }
    switch (check.state) {
    case WriteVerification::State::NotRun:
        FinishRadio(FleetRadioReport::Result::Written);
        break;
    case WriteVerification::State::Verified:
        FinishRadio(FleetRadioReport::Result::Verified);
        break;
    case WriteVerification::State::Differences:
        report_.differences = check.differences;
        FinishRadio(FleetRadioReport::Result::Differences);
        break;
    case WriteVerification::State::ReadFailed:
        FailRadio(VerifiedWrite::ReadBackFailedText(options_.english) + QLatin1Char(' ') +
                      FailureReason(check.readResult),
                  true);
        break;
    }
}

QString FleetDriver::FailureReason(const LinkResult& result) const {
    switch (result.outcome) {
    case LinkResult::Outcome::Cancelled:
        return cause_.isEmpty() ? Language().Tr("FleetDriver", "Cancelled.") : cause_;
    case LinkResult::Outcome::PortLost:
        return LostText(result.reason);
    default:
        return result.message;
    }
}

QString FleetDriver::LostText(const QString& reason) const {
    return Language().Tr("FleetDriver", "The serial port was lost: %1.").arg(reason);
}

void FleetDriver::FailRadio(const QString& reason, bool written) {
    report_.reason = reason;
    report_.written = written;
    FinishRadio(FleetRadioReport::Result::Failed);
}

void FleetDriver::Incomplete(bool writeComplete) {
    if (writeComplete)
        report_.reason =
            Language().Tr("FleetDriver", "Written; stopped before the read-back was complete.");
    else if (report_.written)
        report_.reason = Language().Tr(
            "FleetDriver", "Stopped while writing; the radio may hold part of the plan.");
    else
        report_.reason = Language().Tr("FleetDriver", "Stopped before anything was written.");
    FinishRadio(FleetRadioReport::Result::Incomplete);
}

void FleetDriver::FinishRadio(FleetRadioReport::Result result) {
    report_.result = result;
    report_.seconds = double(Now() - startedNs_) / 1e9;
    reports_.push_back(report_);
    FleetAction action;
    action.kind = FleetAction::Kind::RadioDone;
    action.radio = report_.radio;
    action.localId = report_.localId;
    action.report = report_;
    Emit(action);
    if (stopRequested_ || next_ + 1 >= ids_.size()) {
        End();
        return;
    }
    if (!portOpen_) { // the radio went with the port
        NextRadio();
        return;
    }
    silentPolls_ = 0;
    EnterPhase(FleetPhase::WaitingForDeparture);
    SendPoll();
}

// --- Events ---

void FleetDriver::BytesReceived(const QByteArray& bytes) {
    if (bytes.isEmpty() || !Running())
        return;
    if (inner_ != Inner::None) {
        bytesSinceSend_ = true;
        unanswered_ = 0;
        ToInner([&bytes](auto& inner) { inner.BytesReceived(bytes); });
        Collect();
        return;
    }
    if (!polling_)
        return; // late bytes between exchanges; the next send drops what the port holds
    pollBytes_ = true;
    if (gatherer_.Gather(bytes)) {
        pollJudged_ = true;
        ArmTimer(TransferEngine::kHandOverMs);
    }
}

void FleetDriver::TimerFired() {
    if (inner_ != Inner::None) {
        InnerTick();
        return;
    }
    if (!timerArmed_ || !Running())
        return;
    timerArmed_ = false;
    if (polling_)
        JudgePoll();
    else if (!portOpen_)
        OpenPort();
    else
        SendPoll();
}

void FleetDriver::PortLost(const QString& reason) {
    if (!Running() || !portOpen_)
        return;
    portOpen_ = false;
    lostReason_ = reason;
    if (inner_ != Inner::None) {
        ToInner([&reason](auto& inner) { inner.PortLost(reason); });
        Collect();
    } else if (!awaitingBackup_) {
        StopTimer();
        polling_ = false;
        if (phase_ == FleetPhase::WaitingForDeparture)
            NextRadio(); // the radio went with the adapter
        else
            OpenPort();
    }
}

void FleetDriver::Stop() {
    if (!Running())
        return;
    if (stopRequested_) {
        if (inner_ == Inner::Write && !cancelWrite_) {
            cancelWrite_ = true;
            writer_->Cancel();
            Collect();
        }
        return;
    }
    stopRequested_ = true;
    if (inner_ == Inner::Backup) {
        reader_->Cancel();
        Collect();
    } else if (awaitingBackup_) {
        awaitingBackup_ = false;
        Incomplete();
    } else if (inner_ == Inner::None) {
        End();
    } // a write goes on to its end
}

void FleetDriver::End() {
    StopTimer();
    polling_ = false;
    opening_ = false;
    EnterPhase(FleetPhase::Ended);
    FleetAction action;
    action.kind = FleetAction::Kind::Ended;
    Emit(action);
}

// --- Helpers ---

void FleetDriver::EnterPhase(FleetPhase phase) {
    phase_ = phase;
    FleetAction action;
    action.kind = FleetAction::Kind::Phase;
    action.phase = phase;
    action.radio = Radio();
    action.localId = LocalId();
    Emit(action);
}

void FleetDriver::EmitLink(const LinkAction& link) {
    FleetAction action;
    action.kind = FleetAction::Kind::Link;
    action.link = link;
    Emit(action);
}

void FleetDriver::ArmTimer(int ms) {
    timerArmed_ = true;
    EmitLink(LinkAction::StartTimer(ms));
}

void FleetDriver::StopTimer() {
    timerArmed_ = false;
    EmitLink(LinkAction::StopTimer());
}

TextContext FleetDriver::Language() const {
    return TextContext{options_.english};
}

qint64 FleetDriver::Now() const {
    return options_.clock ? options_.clock() : machineClock_.nsecsElapsed();
}

} // namespace zr40
