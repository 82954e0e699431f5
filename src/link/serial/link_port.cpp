#include "link/serial/link_port.h"

#include "link/serial/low_latency.h"
#include "link/serial/port_loss.h"
#include "link/serial/serial_port_name.h"
#include "link/transfer_engine.h"

namespace zr40 {

namespace {

// The 1 ms hand-over after a reply's end byte only moves the judging out of the port's receive
// handler; a zero-length timer does the same without a millisecond per exchange.
int TimerInterval(int requestedMs) {
    return requestedMs <= TransferEngine::kHandOverMs ? 0 : requestedMs;
}

bool LosesPort(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::WriteError;
}

} // namespace

LinkPort::LinkPort(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LinkPort::timerFired);
    connect(&port_, &QSerialPort::readyRead, this, &LinkPort::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &LinkPort::OnError);
}

LinkPort::~LinkPort() {
    timer_.stop();
    port_.disconnect(this);
    if (port_.isOpen())
        port_.close();
}

PortOpenError LinkPort::Open() {
    if (port_.isOpen())
        return {};
    device_ = SerialPortName::Resolve(portName_);
    if (device_.isEmpty())
        return PortOpenError(PortOpenError::Cause::NoPortChosen, device_);
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
        emit traceLine(LowLatency::TraceLine(LowLatency::Request(port_.handle()), device_));
        return {};
    }
    const PortOpenError error =
        PortOpenError::FromFailedOpen(device_, port_.error(), port_.errorString());
    port_.clearError();
    return error;
}

void LinkPort::Close() {
    timer_.stop();
    if (port_.isOpen())
        port_.close();
}

void LinkPort::Perform(const LinkAction& action) {
    switch (action.kind) {
    case LinkAction::Kind::Send:
        Send(action.bytes);
        break;
    case LinkAction::Kind::StartTimer:
        timer_.start(TimerInterval(action.ms));
        break;
    case LinkAction::Kind::StopTimer:
        timer_.stop();
        break;
    case LinkAction::Kind::Trace:
        emit traceLine(action.text);
        break;
    case LinkAction::Kind::Progress:
        emit progress(action.fraction, action.text);
        break;
    case LinkAction::Kind::AskRetry:
        emit retryQuestion(action.text);
        break;
    case LinkAction::Kind::ClosePort:
        Close();
        break;
    case LinkAction::Kind::Finished:
        emit finished(action.result);
        break;
    }
}

void LinkPort::Send(const QByteArray& bytes) {
    if (!port_.isOpen()) {
        emit portLost(tr("The serial port is closed."));
        return;
    }
    port_.clear(QSerialPort::Input); // stray bytes of an earlier exchange are not this reply
    if (port_.write(bytes) != bytes.size()) {
        LosePort(port_.errorString());
        return;
    }
    port_.flush();
    bytesSent_ += bytes.size();
    ++framesSent_;
}

void LinkPort::OnReadyRead() {
    const QByteArray bytes = port_.readAll();
    if (bytes.isEmpty())
        return;
    bytesReceived_ += bytes.size();
    emit bytesArrived(bytes);
}

void LinkPort::OnError(QSerialPort::SerialPortError error) {
    if (opening_ || !LosesPort(error) || !port_.isOpen())
        return;
    LosePort(port_.errorString());
}

void LinkPort::LosePort(const QString& systemText) {
    Close();
    port_.clearError();
    emit portLost(PortLoss::Reason(device_, systemText));
}

} // namespace zr40
