#include "link/serial/serial_adapter.h"

namespace zr40 {

SerialAdapter::SerialAdapter(TransferEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {
    connect(&port_, &LinkPort::bytesArrived, this, &SerialAdapter::OnBytes);
    connect(&port_, &LinkPort::timerFired, this, &SerialAdapter::OnTimeout);
    connect(&port_, &LinkPort::portLost, this, &SerialAdapter::OnPortLost);
    connect(&port_, &LinkPort::traceLine, this, &SerialAdapter::TraceLine);
    connect(&port_, &LinkPort::progress, this, &SerialAdapter::Progress);
    connect(&port_, &LinkPort::retryQuestion, this, &SerialAdapter::RetryQuestion);
    connect(&port_, &LinkPort::finished, this, &SerialAdapter::Finished);
}

SerialAdapter::~SerialAdapter() = default;

PortOpenError SerialAdapter::Open() {
    return openError_ = port_.Open();
}

void SerialAdapter::Close() {
    port_.Close();
}

SerialAdapter::StartOutcome SerialAdapter::StartRead(const QString& password, bool tune) {
    if (engine_.Running())
        return StartOutcome::Refused;
    if (Open().isError())
        return StartOutcome::PortFailed;
    return Begin(engine_.StartRead(password, tune));
}

SerialAdapter::StartOutcome SerialAdapter::StartWrite(const QString& password,
                                                      const NewPasswordChoice& newPassword,
                                                      bool tune) {
    if (engine_.Running())
        return StartOutcome::Refused;
    if (Open().isError())
        return StartOutcome::PortFailed;
    return Begin(engine_.StartWrite(password, newPassword, tune));
}

SerialAdapter::StartOutcome SerialAdapter::Begin(bool started) {
    if (!started)
        return StartOutcome::Refused;
    Drain();
    return StartOutcome::Started;
}

void SerialAdapter::AnswerRetry(bool retry) {
    engine_.AnswerRetry(retry);
    Drain();
}

void SerialAdapter::Cancel() {
    engine_.Cancel();
    Drain();
}

// Actions are carried out one at a time and in order, also when a handler of one of our signals
// feeds the engine again (the retry question is answered from inside its signal, a finished
// transfer may start the next one): such nested calls only queue actions in the engine, and this
// loop takes them up when the handler returns.
void SerialAdapter::Drain() {
    if (draining_)
        return;
    draining_ = true;
    for (auto actions = engine_.TakeActions(); !actions.empty(); actions = engine_.TakeActions()) {
        for (const LinkAction& action : actions)
            port_.Perform(action);
    }
    draining_ = false;
}

void SerialAdapter::OnBytes(const QByteArray& bytes) {
    // While the user decides about a retry the transfer stands still; whatever arrives is
    // dropped by the next send.
    if (engine_.RetryQuestionOpen())
        return;
    engine_.BytesReceived(bytes);
    Drain();
}

void SerialAdapter::OnTimeout() {
    if (engine_.RetryQuestionOpen())
        return;
    engine_.TimerFired();
    Drain();
}

void SerialAdapter::OnPortLost(const QString& reason) {
    if (!engine_.Running())
        return;
    engine_.PortLost(reason);
    Drain();
}

} // namespace zr40
