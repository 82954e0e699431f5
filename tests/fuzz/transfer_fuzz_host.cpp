#include "transfer_fuzz_host.h"

#include "fuzz_check.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace zr40::fuzz {

namespace {

// Input events per run; enough for several whole transfers with failures.
constexpr int kMaxEvents = 4000;
// A silent line: ten resends and the question, answered with Cancel, end any transfer; the rest
// is slack for the ticks that judge the last reply and finish.
constexpr int kSilentEndBound = 2 * (TransferEngine::kSilentRetries + 4);

Long PasswordFrom(unsigned char a, unsigned char b) {
    return (a << 8 | b) % 1000000;
}

} // namespace

TransferFuzzHost::TransferFuzzHost(FuzzInput& input, bool read)
    : in_(input), read_(read), codeplug_(), engine_(codeplug_, true) {}

void TransferFuzzHost::SetUpRadio() {
    const unsigned char setup = in_.Byte();
    tune_ = setup & 1;
    engine_.SetEnglish(setup & 2);
    Long radioPassword = -1;
    if (setup & 4)
        radioPassword = PasswordFrom(in_.Byte(), in_.Byte());
    // Entered: the radio's own digits, with leading zeros, or whatever the input says.
    password_ = radioPassword >= 0 ? QString::number(radioPassword) : QString();
    if (setup & 8)
        password_ = QString::fromLatin1(in_.Bytes(in_.Byte() % 8));
    else if (setup & 16)
        password_.prepend(QLatin1Char('0'));
    newPassword_.change = setup & 32;
    newPassword_.newPassword = setup & 64 ? QString::fromLatin1(in_.Bytes(in_.Byte() % 8))
                                          : QString::number(PasswordFrom(in_.Byte(), 7));
    codeplug_.ApplyStartupDefaults();
    codeplug_.ApplyNewDefaults();
    radio_.LoadFrom(codeplug_, radioPassword);
    if (setup & 128) {
        // Counts beyond the tables and a radio of another model.
        std::vector<Long>& header = radio_.Header();
        header[2] = Long(in_.Byte() % 20) - 1;
        header[3] = Long(in_.Byte() % 4) - 1;
        header[4] = Long(in_.Byte() % 40) - 2;
        header[5] = Long(in_.Byte() % 12) - 2;
        header[1] = Long(in_.Byte() % 3);
        if (in_.Byte() == 0xFF)
            radio_.SetDataVersion(3);
    }
}

void TransferFuzzHost::Run() {
    SetUpRadio();
    Start();
    while (!in_.Done() && events_ < kMaxEvents)
        Step();
    EndSilently();
    FUZZ_CHECK(results_ == starts_, "every transfer that started has ended with one result");
}

bool TransferFuzzHost::Start() {
    portOpen_ = true;
    const bool started = read_ ? engine_.StartRead(password_, tune_)
                               : engine_.StartWrite(password_, newPassword_, tune_);
    const QString& chosen = newPassword_.newPassword;
    const bool digits = std::all_of(chosen.begin(), chosen.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    const bool valid = read_ || !newPassword_.change || (chosen.size() <= 6 && digits);
    FUZZ_CHECK(started == valid, "a transfer starts unless its new password is not 0-6 digits");
    if (!started) {
        FUZZ_CHECK(engine_.TakeActions().empty(), "a refused start does nothing");
        FUZZ_CHECK(!engine_.Running(), "a refused start runs nothing");
        return false;
    }
    ++starts_;
    Carry(Event::Start);
    return true;
}

void TransferFuzzHost::Step() {
    ++events_;
    const unsigned char op = in_.Byte();
    switch (op % 16) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: // the radio's reply arrives, then the tick
        Deliver(std::exchange(line_, {}));
        Tick();
        break;
    case 6: { // part of it arrives
        const qsizetype n = in_.Byte() % (line_.size() + 1);
        Deliver(line_.left(n));
        line_.remove(0, n);
        break;
    }
    case 7: { // a byte of it goes wrong on the way
        if (!line_.isEmpty())
            line_[in_.Byte() % line_.size()] ^= char(in_.Byte() | 1);
        break;
    }
    case 8: // line noise
        Deliver(in_.Bytes(in_.Byte() % 24));
        break;
    case 9: // the reply is lost
        line_.clear();
        break;
    case 10:
    case 11:
        Tick();
        break;
    case 12: // a tick that was on its way when the timer stopped
        if (!timerArmed_) {
            engine_.TimerFired();
            Carry(Event::StaleTick);
        }
        break;
    case 13:
        if (questionOpen_) {
            questionOpen_ = false;
            engine_.AnswerRetry(in_.Bit());
            Carry(Event::Answer);
        } else if (!engine_.Running()) {
            Start();
        }
        break;
    case 14:
        if (op == 14) { // rare: the user cancels
            engine_.Cancel();
            Carry(Event::Cancel);
        }
        break;
    default:
        if (op == 15) { // rare: the cable is pulled
            portOpen_ = false;
            engine_.PortLost(QStringLiteral("pulled"));
            Carry(Event::PortLost);
        }
        break;
    }
}

void TransferFuzzHost::Deliver(const QByteArray& bytes) {
    // The adapter does not read the port while the user is asked.
    if (bytes.isEmpty() || !portOpen_ || questionOpen_)
        return;
    engine_.BytesReceived(bytes);
    Carry(Event::Bytes);
}

void TransferFuzzHost::Tick() {
    if (!timerArmed_ || questionOpen_)
        return;
    timerArmed_ = false;
    engine_.TimerFired();
    Carry(Event::Tick);
}

void TransferFuzzHost::Carry(Event event) {
    int sends = 0;
    for (const LinkAction& action : engine_.TakeActions()) {
        switch (action.kind) {
        case LinkAction::Kind::Send:
            ++sends;
            FUZZ_CHECK(event == Event::Start || event == Event::Tick || event == Event::Answer,
                       "a request goes out only on the start, a tick or the Retry answer");
            FUZZ_CHECK(sends == 1, "one request per event: never two without a reply between");
            FUZZ_CHECK(portOpen_, "no request on a closed port");
            FUZZ_CHECK(timerArmed_, "the reply timer runs before the request goes out");
            line_.clear(); // the adapter drops unread input before it sends
            for (const RadioReply& reply : radio_.Receive(action.bytes))
                line_ += reply.bytes;
            break;
        case LinkAction::Kind::StartTimer:
            FUZZ_CHECK(action.ms == TransferEngine::kReplyTimeoutMs ||
                           action.ms == TransferEngine::kHandOverMs,
                       "the timer runs for the time-out or the hand-over");
            timerArmed_ = true;
            break;
        case LinkAction::Kind::StopTimer:
            timerArmed_ = false;
            break;
        case LinkAction::Kind::Progress:
            FUZZ_CHECK(action.fraction >= 0.0 && action.fraction <= 1.0, "progress within 0..1");
            break;
        case LinkAction::Kind::AskRetry:
            FUZZ_CHECK(!questionOpen_, "one question at a time");
            FUZZ_CHECK(event == Event::Tick, "the question follows a judged failure");
            questionOpen_ = true;
            break;
        case LinkAction::Kind::ClosePort:
            portOpen_ = false;
            break;
        case LinkAction::Kind::Finished:
            ++results_;
            FUZZ_CHECK(results_ <= starts_, "one result per transfer");
            FUZZ_CHECK(action.result.Succeeded() == codeplug_.LinkSucceeded,
                       "LinkSucceeded tells the result");
            FUZZ_CHECK(!timerArmed_, "an ended transfer leaves no timer running");
            // ZR40_FUZZ_TRACE=1 shows how each transfer of an input ended (0: success).
            if (qEnvironmentVariableIsSet("ZR40_FUZZ_TRACE"))
                std::fprintf(stderr,
                             "transfer %d ended: outcome %d after %d events, %lld requests\n",
                             results_, int(action.result.outcome), events_,
                             static_cast<long long>(radio_.Requests().size()));
            questionOpen_ = false;
            break;
        case LinkAction::Kind::Trace:
            break;
        }
    }
    CheckAlive();
}

void TransferFuzzHost::CheckAlive() const {
    FUZZ_CHECK(questionOpen_ == engine_.RetryQuestionOpen(), "the question is open in both");
    if (engine_.Running() && !questionOpen_)
        FUZZ_CHECK(timerArmed_, "a running transfer waits on its timer, never on nothing");
}

void TransferFuzzHost::EndSilently() {
    line_.clear();
    for (int event = 0; event < kSilentEndBound && (engine_.Running() || questionOpen_); ++event) {
        if (questionOpen_) {
            questionOpen_ = false;
            engine_.AnswerRetry(false);
            Carry(Event::Answer);
        } else {
            Tick();
        }
        line_.clear();
    }
    FUZZ_CHECK(!engine_.Running() && !questionOpen_,
               "a silent line ends the transfer within the bound");
}

} // namespace zr40::fuzz
