#pragma once

#include "codeplug/codeplug.h"
#include "link/link_result.h"
#include "link/serial/serial_adapter.h"
#include "link/transfer_engine.h"
#include "terminal_progress.h"

#include <QObject>

namespace zr40 {

// One read or write of the zr40 command, run to its end on a local event loop through the same
// engine and serial adapter as the transfer window. It draws the progress on the terminal,
// prints the trace when asked, and puts the retry question to the person at the terminal; with
// no terminal to ask, the answer is cancel, so an unattended run never waits for ever.
class RadioSession : public QObject {
    Q_OBJECT
public:
    RadioSession(Codeplug& codeplug, const QString& port, bool english, bool trace);

    // Runs a transfer; returns the exit code after reporting the outcome on stderr. A read with
    // `tune` brings the tune data too.
    int Read(const QString& password, bool tune = false);
    int Write(const QString& password, const NewPasswordChoice& newPassword);
    // A write read back on the same port and compared with what was sent (`compare`); the exit
    // code is the write's, Verification() tells what the read-back found.
    int VerifiedWrite(const QString& password, const NewPasswordChoice& newPassword,
                      zr40::VerifiedWrite::Compare compare);
    const WriteVerification& Verification() const { return checked_.Verification(); }

    const LinkResult& result() const { return result_; }
    // The engine of the last transfer, as it ended (how far a write got).
    const TransferEngine& Engine() const { return verified_ ? checked_.WriteEngine() : engine_; }
    // The password the radio's settings held, as the last transfer found it.
    Long RadioPassword() const { return Engine().RadioPassword(); }

private:
    int Run(SerialAdapter::StartOutcome started);
    void OnTrace(const QString& line);
    void OnProgress(double fraction);
    void OnRetryQuestion(const QString& question);
    void OnFinished(const LinkResult& result);
    int Report() const;
    QString FailureText() const;
    static bool AskOnTerminal(const QString& question);

    Codeplug& codeplug_;
    TransferEngine engine_;
    zr40::VerifiedWrite checked_;
    SerialAdapter adapter_;
    bool verified_ = false; // the last transfer was a verified write
    bool english_;
    bool trace_;
    bool finished_ = false;
    bool interrupted_ = false; // Ctrl+C or SIGTERM ended the transfer
    LinkResult result_;
    TerminalProgress bar_;
};

} // namespace zr40
