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

    const LinkResult& result() const { return result_; }
    // The engine of the last transfer, as it ended (how far a write got).
    const TransferEngine& Engine() const { return engine_; }
    // The password the radio's settings held, as the last transfer found it.
    Long RadioPassword() const { return engine_.RadioPassword(); }

private:
    int Run(SerialAdapter::StartOutcome started);
    void OnTrace(const QString& line);
    void OnProgress(double fraction);
    void OnRetryQuestion(const QString& question);
    void OnFinished(const LinkResult& result);
    int Report() const;
    QString FailureText() const;
    static bool AskOnTerminal(const QString& question);

    TransferEngine engine_;
    SerialAdapter adapter_;
    bool english_;
    bool trace_;
    bool finished_ = false;
    bool interrupted_ = false; // Ctrl+C or SIGTERM ended the transfer
    LinkResult result_;
    TerminalProgress bar_;
};

} // namespace zr40
