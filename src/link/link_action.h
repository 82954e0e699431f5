#pragma once

#include "link/link_result.h"

#include <QByteArray>
#include <QString>

namespace zr40 {

// One thing the transfer engine asks its host to do. The host carries the actions out in the
// order given.
struct LinkAction {
    enum class Kind {
        Send,       // drop unread input of the port, then write `bytes`
        StartTimer, // (re)start the single reply timer for `ms` milliseconds (1000 or 1)
        StopTimer,  // stop the reply timer
        Trace,      // add `text` as a line to the trace list
        Progress,   // show `fraction` (0..1) on the bar and `text`, unless empty, on the label
        AskRetry,   // ask `text` with Retry and Cancel; answer with TransferEngine::AnswerRetry
        ClosePort,  // close the serial port
        Finished,   // the transfer is over: `result`
    };
    Kind kind = Kind::Trace;
    QByteArray bytes;
    int ms = 0;
    QString text;
    double fraction = 0.0;
    LinkResult result;

    static LinkAction Of(Kind kind) {
        LinkAction a;
        a.kind = kind;
        return a;
    }
    static LinkAction Send(const QByteArray& bytes) {
        LinkAction a = Of(Kind::Send);
        a.bytes = bytes;
        return a;
    }
    static LinkAction StartTimer(int ms) {
        LinkAction a = Of(Kind::StartTimer);
        a.ms = ms;
        return a;
    }
    static LinkAction StopTimer() { return Of(Kind::StopTimer); }
    static LinkAction TraceLine(const QString& line) {
        LinkAction a = Of(Kind::Trace);
        a.text = line;
        return a;
    }
    static LinkAction ShowProgress(double fraction, const QString& label) {
        LinkAction a = Of(Kind::Progress);
        a.fraction = fraction;
        a.text = label;
        return a;
    }
    static LinkAction AskRetry(const QString& question) {
        LinkAction a = Of(Kind::AskRetry);
        a.text = question;
        return a;
    }
    static LinkAction ClosePort() { return Of(Kind::ClosePort); }
    static LinkAction Finish(const LinkResult& result) {
        LinkAction a = Of(Kind::Finished);
        a.result = result;
        return a;
    }
};

} // namespace zr40
