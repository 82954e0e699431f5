#pragma once

// Runs the transfer engine against the virtual radio in process, on a virtual clock: sent bytes
// go to the radio at once, its replies come back after their delay, and the reply timer fires
// when the clock reaches it. A transfer with ten silent resends completes in microseconds.

#include "codeplug/codeplug.h"
#include "link/memory_map.h"
#include "link/transfer_engine.h"
#include "sim/virtual_radio.h"

#include <QRandomGenerator>
#include <QStringList>
#include <deque>
#include <optional>

namespace zr40 {

class LinkHarness {
public:
    Codeplug codeplug;
    VirtualRadio radio;
    TransferEngine engine{codeplug, true};

    QStringList trace;
    std::vector<QByteArray> sent;
    std::vector<std::pair<double, QString>> progress;
    QStringList questions;
    std::optional<LinkResult> result;
    bool answerRetry = true; // how the user answers the retry question
    int portCloses = 0;
    int timerStops = 0;
    qint64 now = 0; // virtual milliseconds
    bool deliverBytewise = false;

    LinkHarness() { codeplug.ApplyNewDefaults(); }

    // Runs until the engine reports the end (or nothing more can happen).
    LinkResult Run(int maxEvents = 100000) {
        result.reset();
        for (int i = 0; i < maxEvents && !result; ++i) {
            Pump();
            if (result)
                break;
            if (!pendingQuestion_.isEmpty()) {
                pendingQuestion_.clear();
                engine.AnswerRetry(answerRetry);
                continue;
            }
            if (!Step())
                break;
        }
        Pump();
        return result.value_or(LinkResult{});
    }

    // Delivers the next event (a reply or a tick); false when none is due.
    bool Step() {
        const bool replyFirst =
            !inbox_.empty() && (timerDue_ < 0 || inbox_.front().first <= timerDue_);
        if (replyFirst) {
            auto [at, bytes] = inbox_.front();
            inbox_.pop_front();
            now = std::max(now, at);
            if (deliverBytewise) {
                for (char c : bytes)
                    engine.BytesReceived(QByteArray(1, c));
            } else {
                engine.BytesReceived(bytes);
            }
            return true;
        }
        if (timerDue_ < 0)
            return false;
        now = timerDue_;
        timerDue_ = -1;
        engine.TimerFired();
        return true;
    }

    void Pump() {
        for (const LinkAction& a : engine.TakeActions())
            Carry(a);
    }

    // (class, type, index) of every request the radio took.
    QStringList RequestCodes() const {
        QStringList codes;
        for (const auto& r : radio.Requests())
            codes << QStringLiteral("%1 %2 %3")
                         .arg(int(r.command))
                         .arg(int(r.block))
                         .arg(int(r.index));
        return codes;
    }

private:
    void Carry(const LinkAction& a) {
        using K = LinkAction::Kind;
        switch (a.kind) {
        case K::Send:
            inbox_.clear(); // the port's unread input is dropped before every send
            sent.push_back(a.bytes);
            for (const RadioReply& reply : radio.Receive(a.bytes))
                inbox_.emplace_back(now + reply.delayMs, reply.bytes);
            break;
        case K::StartTimer:
            timerDue_ = now + a.ms;
            break;
        case K::StopTimer:
            timerDue_ = -1;
            ++timerStops;
            break;
        case K::Trace:
            trace << a.text;
            break;
        case K::Progress:
            progress.emplace_back(a.fraction, a.text);
            break;
        case K::AskRetry:
            questions << a.text;
            pendingQuestion_ = a.text;
            break;
        case K::ClosePort:
            ++portCloses;
            break;
        case K::Finished:
            result = a.result;
            break;
        }
    }

    std::deque<std::pair<qint64, QByteArray>> inbox_;
    qint64 timerDue_ = -1;
    QString pendingQuestion_;
};

// A codeplug with every radio value filled with noise that likes 0x11, 0x55 and 0xAA bytes.
inline void FillNoisy(Codeplug& c, quint32 seed) {
    static const quint8 nasty[] = {0x11, 0x55, 0xAA, 0x00, 0xFF};
    QRandomGenerator random(seed);
    for (BlockType block : {BlockType::Settings, BlockType::Channel, BlockType::RxList,
                            BlockType::TuneHeader, BlockType::TunePoint}) {
        for (int index = 0; index < MemoryMap::Instances(block); ++index) {
            std::vector<Long> values(MemoryMap::ValueCount(block));
            for (Long& v : values) {
                quint32 bits = 0;
                for (int b = 0; b < 4; ++b)
                    bits |= quint32(random.bounded(3) == 0 ? quint8(random.bounded(256))
                                                           : nasty[random.bounded(5)])
                            << (8 * b);
                v = static_cast<Long>(bits);
            }
            MemoryMap::Store(c, block, index, values);
        }
    }
}

} // namespace zr40
