#include "radio_session.h"

#include "cli_io.h"
#include "interrupt_watch.h"

#include <QEventLoop>

#include <cstdio>
#include <unistd.h>

namespace zr40 {

RadioSession::RadioSession(Codeplug& codeplug, const QString& port, bool english, bool trace)
    : codeplug_(codeplug), engine_(codeplug, english), checked_(english), adapter_(engine_),
      english_(english), trace_(trace) {
    adapter_.SetPortName(port);
    connect(&adapter_, &SerialAdapter::TraceLine, this, &RadioSession::OnTrace);
    connect(&adapter_, &SerialAdapter::Progress, this,
            [this](double fraction, const QString&) { OnProgress(fraction); });
    connect(&adapter_, &SerialAdapter::RetryQuestion, this, &RadioSession::OnRetryQuestion);
    connect(&adapter_, &SerialAdapter::Finished, this, &RadioSession::OnFinished);
}

int RadioSession::Read(const QString& password, bool tune) {
    verified_ = false;
    return Run(adapter_.StartRead(password, tune));
}

int RadioSession::Write(const QString& password, const NewPasswordChoice& newPassword) {
    verified_ = false;
    return Run(adapter_.StartWrite(password, newPassword));
}

int RadioSession::VerifiedWrite(const QString& password, const NewPasswordChoice& newPassword,
                                zr40::VerifiedWrite::Compare compare) {
    verified_ = true;
    checked_.SetCompare(std::move(compare));
    return Run(adapter_.StartVerifiedWrite(checked_, codeplug_, password, newPassword));
}

int RadioSession::Run(SerialAdapter::StartOutcome started) {
    if (started == SerialAdapter::StartOutcome::PortFailed) {
        CliIo::Err() << "zr40: " << adapter_.openError().Describe(english_) << "\n";
        CliIo::Err().flush();
        return kExitFailed;
    }
    if (started == SerialAdapter::StartOutcome::Refused) {
        CliIo::Err() << "zr40: the transfer could not be started\n";
        CliIo::Err().flush();
        return kExitFailed;
    }
    bar_.Show(0.0);
    QEventLoop loop;
    connect(&adapter_, &SerialAdapter::Finished, &loop, &QEventLoop::quit);
    // Ctrl+C stops the transfer the way Cancel does, so that what it left is told.
    InterruptWatch interrupt;
    connect(&interrupt, &InterruptWatch::interrupted, this, [this] { adapter_.Cancel(); });
    if (!finished_)
        loop.exec();
    interrupted_ = interrupt.Interrupted();
    adapter_.Close();
    bar_.Finish();
    return Report();
}

void RadioSession::OnTrace(const QString& line) {
    if (!trace_)
        return;
    bar_.Clear();
    CliIo::Out() << line << "\n";
    CliIo::Out().flush();
}

void RadioSession::OnProgress(double fraction) {
    bar_.Show(fraction);
}

void RadioSession::OnRetryQuestion(const QString& question) {
    bar_.Clear();
    adapter_.AnswerRetry(AskOnTerminal(question));
}

bool RadioSession::AskOnTerminal(const QString& question) {
    if (!isatty(STDIN_FILENO)) {
        CliIo::Err() << question << " (no terminal to ask: cancel)\n";
        CliIo::Err().flush();
        return false;
    }
    CliIo::Err() << question << " [r]etry/[c]ancel: ";
    CliIo::Err().flush();
    char answer[64] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return false;
    return answer[0] == 'r' || answer[0] == 'R';
}

void RadioSession::OnFinished(const LinkResult& result) {
    finished_ = true;
    result_ = result;
}

int RadioSession::Report() const {
    if (result_.Succeeded()) {
        CliIo::Err() << result_.message << "\n";
        CliIo::Err().flush();
        return kExitOk;
    }
    CliIo::Err() << "zr40: " << FailureText() << "\n";
    CliIo::Err().flush();
    return kExitFailed;
}

QString RadioSession::FailureText() const {
    const TextContext ctx{english_};
    switch (result_.outcome) {
    case LinkResult::Outcome::Succeeded:
        break;
    case LinkResult::Outcome::PasswordRejected:
        return result_.message;
    case LinkResult::Outcome::WrongModel:
        return english_ ? QStringLiteral("wrong model: the radio reports data version %1, a ZR40 "
                                         "reports 1")
                              .arg(result_.reportedVersion)
                        : result_.message;
    case LinkResult::Outcome::Cancelled:
        if (interrupted_)
            return ctx.Tr("RadioSession", "cancelled");
        return ctx.Tr("RadioSession", "cancelled: the radio did not answer");
    case LinkResult::Outcome::PortLost:
        return ctx.Tr("RadioSession", "the serial port was lost: %1").arg(result_.reason);
    }
    return {};
}

} // namespace zr40
