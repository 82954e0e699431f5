#include "link/transfer_engine.h"

#include "link/frame_codec.h"
#include "link/memory_map.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zr40 {

namespace {
// A radio value at or above this, or below 0, means the radio has no password.
constexpr Long kNoPasswordFrom = 999999;
constexpr int kMaxPasswordDigits = 6;
// Reply payload values a state needs before its reply can be stored.
int valuesNeeded(int state) {
    switch (state) {
    case TransferEngine::Identify:
        return 1; // the data version; a ZR40 then needs the whole header (checked on receipt)
    case TransferEngine::CheckPassword:
    case TransferEngine::ReadSettings:
        return MemoryMap::kSettingsValues;
    case TransferEngine::ReadTuneHeader:
        return MemoryMap::kTuneHeaderValues;
    case TransferEngine::ReadTunePoint:
        return MemoryMap::kTunePointValues;
    case TransferEngine::ReadChannel:
        return MemoryMap::kChannelValues;
    case TransferEngine::ReadRxList:
        return MemoryMap::kRxListValues;
    default:
        return 0; // writes, commits and the end of a write are only acknowledged
    }
}

std::vector<Long> payloadOf(const QByteArray& reply) {
    std::vector<Long> values;
    const int count = FrameCodec::PayloadCount(reply);
    values.reserve(count);
    for (int k = 0; k < count; ++k)
        values.push_back(FrameCodec::ReadLong(reply, k).value_or(0));
    return values;
}

bool isPasswordText(const QString& text) {
    return text.size() <= kMaxPasswordDigits &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}
} // namespace

TransferEngine::TransferEngine(Codeplug& codeplug, bool english)
    : codeplug_(codeplug), english_(english) {}

bool TransferEngine::StartRead(const QString& password, bool tune) {
    return Start(true, password, tune);
}

bool TransferEngine::StartWrite(const QString& password, const NewPasswordChoice& newPassword,
                                bool tune) {
    // A new password that is not a number would go out as 0 and lock the user out.
    if (Running() || (newPassword.change && !isPasswordText(newPassword.newPassword)))
        return false;
    newPassword_ = newPassword;
    return Start(false, password, tune);
}

bool TransferEngine::Start(bool reading, const QString& password, bool tune) {
    if (Running() || askingRetry_)
        return false;
    reading_ = reading;
    tune_ = tune;
    password_ = password;
    if (reading)
        newPassword_ = {};
    codeplug_.LinkSucceeded = false;
    finishPending_ = false;
    verifyPassword_ = true;
    writeBegun_ = false;
    settingsIndex_ = channelIndex_ = rxListIndex_ = tunePointIndex_ = tuneBlockIndex_ = 0;
    radioPassword_ = -1;
    retryBusy_ = false;
    pendingResult_ = {};
    // The bar starts again; the label changes only with a good reply, so a transfer that gets
    // none leaves it as it was.
    Emit(LinkAction::ShowProgress(0.0, QString()));
    GoTo(Identify);
    return true;
}

std::vector<LinkAction> TransferEngine::TakeActions() {
    return std::exchange(actions_, {});
}

void TransferEngine::GoTo(int state) {
    state_ = state;
    SendFrame();
}

void TransferEngine::SendFrame() {
    const QByteArray frame = BuildFrame();
    Emit(LinkAction::TraceLine(FrameCodec::TxTraceLine(frame)));
    ArmTimer(kReplyTimeoutMs);
    gatherer_.Restart();
    awaitingReply_ = true;
    writeBegun_ = writeBegun_ || (state_ >= WriteTuneHeader && state_ <= WriteRxList);
    Emit(LinkAction::Send(frame));
}

QByteArray TransferEngine::BuildFrame() const {
    using C = CommandClass;
    using B = BlockType;
    const Codeplug& c = codeplug_;
    auto read = [](B block, int index) {
        return FrameCodec::BuildRequest(C::ReadBlock, block, static_cast<quint8>(index));
    };
    auto write = [&c](B block, int index, Long password = -1) {
        return FrameCodec::BuildRequest(C::WriteBlock, block, static_cast<quint8>(index),
                                        MemoryMap::Payload(c, block, index, password));
    };
    auto commit = [](B block, int index) {
        return FrameCodec::BuildRequest(C::Commit, block, static_cast<quint8>(index));
    };
    switch (state_) {
    case Identify:
        return FrameCodec::BuildRequest(C::Identify, B::None, 0);
    case CheckPassword:
    case ReadSettings:
        return read(B::Settings, 0);
    case ReadTuneHeader:
        return read(B::TuneHeader, 0);
    case ReadTunePoint:
        return read(B::TunePoint, tunePointIndex_);
    case ReadChannel:
        return read(B::Channel, channelIndex_);
    case ReadRxList:
        return read(B::RxList, rxListIndex_);
    case WriteTuneHeader:
        return write(B::TuneHeader, 0);
    case WriteTunePoint:
        return write(B::TunePoint, tunePointIndex_);
    case WriteSettings:
        return write(B::Settings, 0, WrittenPassword());
    case WriteChannel:
        return write(B::Channel, channelIndex_);
    case WriteRxList:
        return write(B::RxList, rxListIndex_);
    case CommitTuneHeader:
        return commit(B::TuneHeader, 0);
    case CommitTunePoint:
        return commit(B::TunePoint, tunePointIndex_);
    case CommitSettings:
        return commit(B::Settings, 0);
    case CommitChannel:
        return commit(B::Channel, channelIndex_);
    case CommitRxList:
        return commit(B::RxList, rxListIndex_);
    default:
        return FrameCodec::BuildRequest(C::EndOfWrite, B::None, 0);
    }
}

Long TransferEngine::WrittenPassword() const {
    if (!newPassword_.change)
        return radioPassword_; // the radio keeps what it had
    if (newPassword_.newPassword.isEmpty())
        return -1; // no password from now on
    return newPassword_.newPassword.toInt();
}

void TransferEngine::BytesReceived(const QByteArray& bytes) {
    // Bytes outside an exchange (idle, finishing, or while the user is asked) belong to no
    // request; the next send drops whatever the port still holds.
    if (!Running() || finishPending_ || askingRetry_ || bytes.isEmpty())
        return;
    awaitingReply_ = false;
    const bool endSeen = gatherer_.Gather(bytes);
    ArmTimer(endSeen ? kHandOverMs : kReplyTimeoutMs);
}

void TransferEngine::TimerFired() {
    if (!timerArmed_)
        return; // a tick that was already under way when the timer was stopped
    timerArmed_ = false;
    if (finishPending_) {
        RunFinish();
        return;
    }
    if (state_ != Idle && !askingRetry_)
        JudgeReply();
}

void TransferEngine::JudgeReply() {
    if (awaitingReply_ || gatherer_.RxCount() < 4) {
        if (gatherer_.RxCount() != 0)
            Emit(LinkAction::TraceLine(gatherer_.TraceLine()));
        Emit(LinkAction::TraceLine(QStringLiteral("No Data")));
        gatherer_.ClearTrace();
        ExchangeFailed();
        return;
    }
    Emit(LinkAction::TraceLine(gatherer_.TraceLine()));
    gatherer_.ClearTrace();
    const ReplyVerdict verdict = gatherer_.Judge();
    Emit(LinkAction::TraceLine(QStringLiteral("Calculate CheckSum=%1,ReceiveLen=%2")
                                   .arg(QString::number(verdict.computedSum, 16).toUpper())
                                   .arg(verdict.receiveLen)));
    if (verdict.kind != ReplyVerdict::Kind::Good || !ReplyLongEnough(verdict.unstuffed)) {
        ExchangeFailed();
        return;
    }
    HandleGoodReply(verdict.unstuffed);
}

bool TransferEngine::ReplyLongEnough(const QByteArray& reply) const {
    return FrameCodec::PayloadCount(reply) >= valuesNeeded(state_);
}

void TransferEngine::ExchangeFailed() {
    if (retryBusy_)
        return;
    retryBusy_ = true;
    ++retryCount_;
    if (retryCount_ <= kSilentRetries) {
        SendFrame();
        retryBusy_ = false;
        return;
    }
    retryCount_ = 0;
    askingRetry_ = true;
    Emit(
        LinkAction::AskRetry(Language().Tr("TransferEngine", "Check connection!Retry or cancel?")));
}

void TransferEngine::AnswerRetry(bool retry) {
    if (!askingRetry_)
        return;
    askingRetry_ = false;
    if (retry) {
        SendFrame();
        retryBusy_ = false;
        return;
    }
    Emit(LinkAction::ClosePort());
    retryBusy_ = false;
    EndWith(LinkResult{LinkResult::Outcome::Cancelled, 0, {}, {}});
}

void TransferEngine::HandleGoodReply(const QByteArray& reply) {
    if (state_ >= ReadTuneHeader)
        UpdateProgress();
    switch (state_) {
    case Identify:
        HandleIdentify(reply);
        break;
    case CheckPassword:
        HandlePassword(reply);
        break;
    case ReadTuneHeader:
    case ReadTunePoint:
    case ReadSettings:
    case ReadChannel:
    case ReadRxList:
        HandleRead(reply);
        break;
    default:
        HandleWriteStep();
        break;
    }
}

void TransferEngine::HandleIdentify(const QByteArray& reply) {
    const Long version = FrameCodec::ReadLong(reply, 0).value_or(0);
    codeplug_.DataVersion = version;
    if (version != 1) {
        codeplug_.DataVersion = 1;
        state_ = Idle;
        EndWith(
            LinkResult{LinkResult::Outcome::WrongModel, version, {}, WrongModelMessage(version)});
        return;
    }
    if (FrameCodec::PayloadCount(reply) < MemoryMap::kHeaderValues) {
        ExchangeFailed();
        return;
    }
    MemoryMap::StoreHeader(codeplug_, payloadOf(reply));
    if (verifyPassword_)
        GoTo(CheckPassword);
    else
        AfterPasswordCheck();
}

void TransferEngine::HandlePassword(const QByteArray& reply) {
    codeplug_.PasswordRejected = false;
    radioPassword_ = FrameCodec::ReadLong(reply, MemoryMap::kPasswordPosition).value_or(-1);
    if (!PasswordAccepted(radioPassword_, password_)) {
        codeplug_.PasswordRejected = true;
        state_ = Idle;
        EndWith(LinkResult{LinkResult::Outcome::PasswordRejected,
                           0,
                           {},
                           Language().Tr("TransferEngine", "Password Failure!")});
        return;
    }
    AfterPasswordCheck();
}

void TransferEngine::AfterPasswordCheck() {
    if (reading_)
        GoTo(tune_ ? ReadTuneHeader : ReadSettings);
    else
        GoTo(tune_ ? WriteTuneHeader : WriteSettings);
}

void TransferEngine::HandleRead(const QByteArray& reply) {
    const std::vector<Long> values = payloadOf(reply);
    const Codeplug& c = codeplug_;
    switch (state_) {
    case ReadTuneHeader:
        MemoryMap::Store(codeplug_, BlockType::TuneHeader, 0, values);
        ++tuneBlockIndex_;
        GoTo(ReadTunePoint);
        break;
    case ReadTunePoint:
        MemoryMap::Store(codeplug_, BlockType::TunePoint, tunePointIndex_, values);
        ++tunePointIndex_;
        GoTo(tunePointIndex_ < Codeplug::kTunePoints && tunePointIndex_ < c.TunePointCount
                 ? ReadTunePoint
                 : ReadSettings);
        break;
    case ReadSettings:
        MemoryMap::Store(codeplug_, BlockType::Settings, 0, values);
        ++settingsIndex_;
        GoTo(ReadChannel);
        break;
    case ReadChannel:
        MemoryMap::Store(codeplug_, BlockType::Channel, channelIndex_, values);
        ++channelIndex_;
        GoTo(channelIndex_ < Codeplug::kChannels && channelIndex_ < c.ChannelCount ? ReadChannel
                                                                                   : ReadRxList);
        break;
    default:
        MemoryMap::Store(codeplug_, BlockType::RxList, rxListIndex_, values);
        ++rxListIndex_;
        if (rxListIndex_ < Codeplug::kRxLists && rxListIndex_ < c.RxListCount)
            GoTo(ReadRxList);
        else
            EndWithSuccess();
        break;
    }
}

void TransferEngine::HandleWriteStep() {
    const Codeplug& c = codeplug_;
    switch (state_) {
    case WriteTuneHeader:
    case WriteTunePoint:
    case WriteSettings:
    case WriteChannel:
    case WriteRxList:
        GoTo(state_ + (CommitTuneHeader - WriteTuneHeader)); // commit what was just written
        break;
    case CommitTuneHeader:
        ++tuneBlockIndex_;
        GoTo(WriteTunePoint);
        break;
    case CommitTunePoint:
        ++tunePointIndex_;
        GoTo(tunePointIndex_ < c.TunePointCount && tunePointIndex_ < Codeplug::kTunePoints
                 ? WriteTunePoint
                 : WriteSettings);
        break;
    case CommitSettings:
        ++settingsIndex_;
        GoTo(WriteChannel);
        break;
    case CommitChannel:
        ++channelIndex_;
        GoTo(channelIndex_ < c.ChannelCount && channelIndex_ < Codeplug::kChannels ? WriteChannel
                                                                                   : WriteRxList);
        break;
    case CommitRxList:
        ++rxListIndex_;
        GoTo(rxListIndex_ < Codeplug::kRxLists && rxListIndex_ < c.RxListCount ? WriteRxList
                                                                               : EndWrite);
        break;
    default:
        state_ = Idle;
        EndWithSuccess();
        break;
    }
}

void TransferEngine::EndWithSuccess() {
    codeplug_.LinkSucceeded = true;
    EndWith(LinkResult{LinkResult::Outcome::Succeeded,
                       0,
                       {},
                       reading_ ? Language().Tr("TransferEngine", "Read Data OK")
                                : Language().Tr("TransferEngine", "Write Data OK")});
}

void TransferEngine::EndWith(const LinkResult& result) {
    pendingResult_ = result;
    finishPending_ = true;
    ArmTimer(kHandOverMs);
}

void TransferEngine::RunFinish() {
    const LinkResult result = pendingResult_;
    // Counts that leave nothing to divide by kept the bar at 0; a finished transfer is whole.
    if (result.Succeeded() && ProgressDivisor() <= 0)
        Emit(LinkAction::ShowProgress(1.0, ProgressText(1.0, english_)));
    ResetToIdle();
    Emit(LinkAction::Finish(result));
}

qint64 TransferEngine::ProgressDivisor() const {
    const Codeplug& c = codeplug_;
    qint64 divisor = qint64(c.RxListCount) + c.ChannelCount + c.HeaderCount3 - (reading_ ? 1 : 0);
    if (tune_)
        divisor += std::clamp<qint64>(c.HeaderCount1, 0, 1) +
                   std::clamp<qint64>(c.TunePointCount, 0, Codeplug::kTunePoints);
    return divisor;
}

void TransferEngine::UpdateProgress() {
    qint64 done = rxListIndex_ + channelIndex_ + settingsIndex_;
    if (tune_)
        done += tuneBlockIndex_ + tunePointIndex_;
    const qint64 divisor = ProgressDivisor();
    const double fraction =
        divisor > 0 ? std::clamp(static_cast<double>(done) / divisor, 0.0, 1.0) : 0.0;
    Emit(LinkAction::ShowProgress(fraction, ProgressText(fraction, english_)));
}

void TransferEngine::PortLost(const QString& reason) {
    if (!Running() && !askingRetry_)
        return;
    LinkResult result{LinkResult::Outcome::PortLost, 0, reason, reason};
    StopNow(result);
}

void TransferEngine::Cancel() {
    if (!Running() && !askingRetry_) {
        Emit(LinkAction::ClosePort());
        return;
    }
    StopNow(LinkResult{LinkResult::Outcome::Cancelled, 0, {}, {}});
}

void TransferEngine::StopNow(const LinkResult& result) {
    // A transfer that already completed and only waits for its finishing tick keeps its result.
    const LinkResult outcome = finishPending_ ? pendingResult_ : result;
    StopTimer();
    Emit(LinkAction::ClosePort());
    ResetToIdle();
    Emit(LinkAction::Finish(outcome));
}

void TransferEngine::ResetToIdle() {
    state_ = Idle;
    finishPending_ = false;
    awaitingReply_ = false;
    askingRetry_ = false;
    retryBusy_ = false;
}

void TransferEngine::ArmTimer(int ms) {
    timerArmed_ = true;
    Emit(LinkAction::StartTimer(ms));
}

void TransferEngine::StopTimer() {
    timerArmed_ = false;
    Emit(LinkAction::StopTimer());
}

TextContext TransferEngine::Language() const {
    return TextContext{english_};
}

QString TransferEngine::ProgressText(double fraction, bool english) {
    const long percent = std::lround(std::clamp(fraction, 0.0, 1.0) * 100.0);
    // "###%": no digit at all for zero.
    const QString number = percent == 0 ? QString() : QString::number(percent);
    return TextContext{english}.Tr("TransferEngine", "Complete:") + number + QLatin1Char('%');
}

QString TransferEngine::WrongModelMessage(Long reportedVersion) {
    // This message exists in Chinese only and is shown in both languages.
    return QString::fromUtf8("机型错误,请读取ZR40机器\n当前机型为") +
           QString::number(reportedVersion);
}

bool TransferEngine::PasswordAccepted(Long radioPassword, const QString& entered) {
    if (radioPassword < 0 || radioPassword >= kNoPasswordFrom)
        return true;
    QString digits = QString::number(radioPassword);
    while (digits.size() < entered.size())
        digits.prepend(QLatin1Char('0'));
    return digits == entered;
}

} // namespace zr40
