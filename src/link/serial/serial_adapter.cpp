#include "link/serial/serial_adapter.h"

#include "link/serial/low_latency.h"
#include "link/serial/port_loss.h"
#include "link/serial/serial_port_name.h"

namespace zr40 {

namespace {

// The engine asks for a 1 ms tick after a reply's end byte only so that the reply is judged on
// the event loop rather than inside the port's receive handler. A zero-length timer gives the
// same order of events without adding a millisecond to each of the hundred-odd exchanges of a
// transfer.
int TimerInterval(int requestedMs) {
    return requestedMs <= TransferEngine::kHandOverMs ? 0 : requestedMs;
}

bool LosesPort(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ResourceError: // device gone: USB adapter unplugged, pty closed
    case QSerialPort::ReadError:     // a terminal that reads end-of-file has hung up
    case QSerialPort::WriteError:
        return true;
    default:
        return false;
    }
}

} // namespace

SerialAdapter::SerialAdapter(TransferEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SerialAdapter::OnTimeout);
    connect(&port_, &QSerialPort::readyRead, this, &SerialAdapter::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialAdapter::OnError);
}

SerialAdapter::~SerialAdapter() {
    timer_.stop();
    port_.disconnect(this);
    if (port_.isOpen())
        port_.close();
}

PortOpenError SerialAdapter::Open() {
    if (port_.isOpen())
        return openError_ = {};
    device_ = SerialPortName::Resolve(portName_);
    if (device_.isEmpty())
        return openError_ = PortOpenError(PortOpenError::Cause::NoPortChosen, device_);
    port_.setPortName(device_);
    port_.setBaudRate(QSerialPort::Baud115200);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    opening_ = true;
    const bool opened = port_.open(QIODevice::ReadWrite);
    opening_ = false;
    if (opened) {
        emit TraceLine(LowLatency::TraceLine(LowLatency::Request(port_.handle()), device_));
        return openError_ = {};
    }
    openError_ = PortOpenError::FromFailedOpen(device_, port_.error(), port_.errorString());
    port_.clearError();
    return openError_;
}

void SerialAdapter::Close() {
    timer_.stop();
    if (port_.isOpen())
        port_.close();
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
            Perform(action);
    }
    draining_ = false;
}

void SerialAdapter::Perform(const LinkAction& action) {
    switch (action.kind) {
    case LinkAction::Kind::Send:
        Send(action.bytes);
        break;
    case LinkAction::Kind::StartTimer:
        StartTimer(action.ms);
        break;
    case LinkAction::Kind::StopTimer:
        timer_.stop();
        break;
    case LinkAction::Kind::Trace:
        emit TraceLine(action.text);
        break;
    case LinkAction::Kind::Progress:
        emit Progress(action.fraction, action.text);
        break;
    case LinkAction::Kind::AskRetry:
        emit RetryQuestion(action.text);
        break;
    case LinkAction::Kind::ClosePort:
        Close();
        break;
    case LinkAction::Kind::Finished:
        emit Finished(action.result);
        break;
    }
}

void SerialAdapter::Send(const QByteArray& bytes) {
    if (!port_.isOpen()) {
        // The port went away between two exchanges; the engine hears it as a lost port.
        engine_.PortLost(tr("The serial port is closed."));
        return;
    }
    port_.clear(QSerialPort::Input); // stray bytes of an earlier exchange are not this reply
    if (port_.write(bytes) != bytes.size()) {
        LosePort(port_.errorString());
        return;
    }
    port_.flush();
    bytesSent_ += bytes.size();
}

void SerialAdapter::StartTimer(int ms) {
    timer_.start(TimerInterval(ms));
}

void SerialAdapter::OnReadyRead() {
    // While the user decides about a retry the transfer stands still; whatever arrives is
    // dropped by the next send.
    if (engine_.RetryQuestionOpen())
        return;
    const QByteArray bytes = port_.readAll();
    if (bytes.isEmpty())
        return;
    bytesReceived_ += bytes.size();
    engine_.BytesReceived(bytes);
    Drain();
}

void SerialAdapter::OnTimeout() {
    if (engine_.RetryQuestionOpen())
        return;
    engine_.TimerFired();
    Drain();
}

void SerialAdapter::OnError(QSerialPort::SerialPortError error) {
    if (opening_ || !LosesPort(error) || !port_.isOpen())
        return;
    LosePort(port_.errorString());
}

void SerialAdapter::LosePort(const QString& reason) {
    Close();
    port_.clearError();
    if (!engine_.Running())
        return;
    engine_.PortLost(PortLoss::Reason(device_, reason));
    Drain();
}

} // namespace zr40
