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
    if (Running())
        return StartOutcome::Refused;
    if (Open().isError())
        return StartOutcome::PortFailed;
    verified_ = nullptr;
    return Begin(engine_.StartRead(password, tune));
}

SerialAdapter::StartOutcome SerialAdapter::StartWrite(const QString& password,
                                                      const NewPasswordChoice& newPassword,
                                                      bool tune) {
    if (Running())
        return StartOutcome::Refused;
    if (Open().isError())
        return StartOutcome::PortFailed;
    verified_ = nullptr;
    return Begin(engine_.StartWrite(password, newPassword, tune));
}

SerialAdapter::StartOutcome SerialAdapter::StartVerifiedWrite(VerifiedWrite& write,
                                                              const Codeplug& plan,
                                                              const QString& password,
                                                              const NewPasswordChoice& newPassword,
                                                              bool verify) {
    if (Running() || write.Running())
        return StartOutcome::Refused;
    if (Open().isError())
        return StartOutcome::PortFailed;
    verified_ = &write;
    return Begin(write.Start(plan, password, newPassword, verify));
}

SerialAdapter::StartOutcome SerialAdapter::Begin(bool started) {
    if (!started)
        return StartOutcome::Refused;
    Drain();
    return StartOutcome::Started;
}

void SerialAdapter::AnswerRetry(bool retry) {
    ToMachine([retry](auto& machine) { machine.AnswerRetry(retry); });
    Drain();
}

void SerialAdapter::Cancel() {
    ToMachine([](auto& machine) { machine.Cancel(); });
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
    for (;;) {
        std::vector<LinkAction> actions;
        ToMachine([&actions](auto& machine) { actions = machine.TakeActions(); });
        if (actions.empty())
            break;
        for (const LinkAction& action : actions)
            port_.Perform(action);
    }
    draining_ = false;
}

void SerialAdapter::OnBytes(const QByteArray& bytes) {
    // While the user decides about a retry the transfer stands still; whatever arrives is
    // dropped by the next send.
    if (RetryQuestionOpen())
        return;
    ToMachine([&bytes](auto& machine) { machine.BytesReceived(bytes); });
    Drain();
}

void SerialAdapter::OnTimeout() {
    if (RetryQuestionOpen())
        return;
    ToMachine([](auto& machine) { machine.TimerFired(); });
    Drain();
}

void SerialAdapter::OnPortLost(const QString& reason) {
    if (!Running())
        return;
    ToMachine([&reason](auto& machine) { machine.PortLost(reason); });
    Drain();
}

} // namespace zr40
