#pragma once

#include "link/link_result.h"
#include "link/serial/link_port.h"
#include "link/serial/port_open_error.h"
#include "link/transfer_engine.h"
#include "link/verified_write.h"

#include <QObject>

namespace zr40 {

// Couples the transfer engine to a real serial port and to one timer on the event loop (a
// LinkPort). The engine decides everything; the adapter only carries out its actions and feeds
// it the port's bytes, the timer's ticks and the port's failures.
//
// The port is opened by the first transfer and kept open between transfers, so a window can run
// several transfers on one open port; Close() (or the adapter's end) releases it. A port that
// fails under a transfer (cable pulled, adapter unplugged) ends that transfer as lost at once
// instead of leaving it to time out.
class SerialAdapter : public QObject {
    Q_OBJECT
public:
    enum class StartOutcome {
        Started,
        PortFailed, // the port could not be opened: see openError()
        Refused,    // the engine would not start (already running, or an invalid new password)
    };

    explicit SerialAdapter(TransferEngine& engine, QObject* parent = nullptr);
    ~SerialAdapter() override;

    // The port as the user names it ("ttyUSB0", "/dev/pts/5", "COM3"); takes effect on the next
    // open.
    void SetPortName(const QString& name) { port_.SetPortName(name); }
    QString PortName() const { return port_.PortName(); }

    // Opens the port unless it is open already; the error says why it could not be opened. An
    // opened port is asked for low latency (LowLatency); a trace line tells the driver's answer.
    PortOpenError Open();
    bool IsOpen() const { return port_.IsOpen(); }
    void Close();
    PortOpenError openError() const { return openError_; }

    StartOutcome StartRead(const QString& password, bool tune = false);
    StartOutcome StartWrite(const QString& password, const NewPasswordChoice& newPassword,
                            bool tune = false);
    // A write followed by its read-back (VerifiedWrite) on the same port, in place of the
    // engine; `write` is the caller's and outlives the transfer. Finished carries the write's
    // result; the write tells what the read-back found.
    StartOutcome StartVerifiedWrite(VerifiedWrite& write, const Codeplug& plan,
                                    const QString& password, const NewPasswordChoice& newPassword,
                                    bool verify = true);
    // The user's answer to RetryQuestion.
    void AnswerRetry(bool retry);
    // Ends a running transfer without success.
    void Cancel();
    bool Running() const { return verified_ ? verified_->Running() : engine_.Running(); }

    // Bytes written to and read from the port since the adapter was made.
    qint64 BytesSent() const { return port_.BytesSent(); }
    qint64 BytesReceived() const { return port_.BytesReceived(); }

signals:
    void TraceLine(const QString& line);
    void Progress(double fraction, const QString& label);
    // Retry or cancel? Answer with AnswerRetry; the transfer waits until then.
    void RetryQuestion(const QString& question);
    void Finished(const zr40::LinkResult& result);

private:
    StartOutcome Begin(bool started);
    // Calls `f` with the machine of the transfer under way: the engine or the verified write.
    template <class F> void ToMachine(F f) {
        if (verified_)
            f(*verified_);
        else
            f(engine_);
    }
    bool RetryQuestionOpen() const {
        return verified_ ? verified_->RetryQuestionOpen() : engine_.RetryQuestionOpen();
    }
    void Drain();
    void OnBytes(const QByteArray& bytes);
    void OnTimeout();
    void OnPortLost(const QString& reason);

    TransferEngine& engine_;
    VerifiedWrite* verified_ = nullptr; // the last transfer was this verified write
    LinkPort port_;
    PortOpenError openError_;
    bool draining_ = false;
};

} // namespace zr40
