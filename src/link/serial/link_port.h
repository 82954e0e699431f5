#pragma once

#include "link/link_action.h"
#include "link/serial/port_open_error.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>

namespace zr40 {

// One serial port and one timer that carry out what a sans-I/O link machine asks (LinkAction)
// and tell it what the port and the timer do. The machine is the owner's: it connects to
// bytesArrived, timerFired and portLost, and hands the machine's actions to Perform. Signals may
// be emitted from inside Perform (a send on a port that went away); owners queue what the
// machine then asks and carry it out after the action at hand.
class LinkPort : public QObject {
    Q_OBJECT
public:
    explicit LinkPort(QObject* parent = nullptr);
    ~LinkPort() override;

    // The port as the user names it ("ttyUSB0", "/dev/pts/5", "COM3"); used by the next Open.
    void SetPortName(const QString& name) { portName_ = name; }
    QString PortName() const { return portName_; }
    // The device last opened or tried.
    QString Device() const { return device_; }

    // Opens the port at 115200,N,8,1 unless it is open already and asks it for low latency
    // (traced); the error says why it could not be opened.
    PortOpenError Open();
    bool IsOpen() const { return port_.isOpen(); }
    void Close();

    // Send, StartTimer, StopTimer and ClosePort are carried out here; Trace, Progress, AskRetry
    // and Finished become the signals below.
    void Perform(const LinkAction& action);

    qint64 BytesSent() const { return bytesSent_; }
    qint64 BytesReceived() const { return bytesReceived_; }
    qint64 FramesSent() const { return framesSent_; }

signals:
    void bytesArrived(const QByteArray& bytes);
    void timerFired();
    // The port went away under the machine (cable pulled, adapter unplugged); it is closed.
    void portLost(const QString& reason);
    void traceLine(const QString& line);
    void progress(double fraction, const QString& label);
    void retryQuestion(const QString& question);
    void finished(const zr40::LinkResult& result);

private:
    void Send(const QByteArray& bytes);
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    void LosePort(const QString& systemText);

    QSerialPort port_;
    QTimer timer_;
    QString portName_;
    QString device_;
    bool opening_ = false;
    qint64 bytesSent_ = 0;
    qint64 bytesReceived_ = 0;
    qint64 framesSent_ = 0;
};

} // namespace zr40
