// The fleet driver and its pieces (local IDs, verify after write) against virtual radios in
// process, on a virtual clock: a session of minutes runs in milliseconds.

#include "link/fleet_driver.h"
#include "link/fleet_ids.h"
#include "link/memory_map.h"
#include "link/sent_values.h"
#include "link/verified_write.h"
#include "sim/virtual_fleet.h"
#include "test_serial_sim.h"

#include <QtTest>
#include <deque>
#include <map>

using namespace zr40;
using namespace zr40::test;

namespace {

using Result = FleetRadioReport::Result;
using State = WriteVerification::State;
constexpr Long kPassword = 42;

// What radio k holds before the session.
Codeplug OldMemory(int radio) {
    Codeplug c = DistinctCodeplug(radio);
    c.LocalID = 0x500 + radio;
    return c;
}

// A plan whose quiet level and key length read back otherwise than the plan holds them, so only
// a check of the values as sent finds the radio as it should be.
Codeplug Plan() {
    Codeplug plan = DistinctCodeplug(40);
    plan.QuiteLevel[2] = 3;
    plan.SetRxKeyWords(4, Codeplug::PackKey(QStringLiteral("ABCD00")));
    plan.RxKeyLength[4] = 6;
    return plan;
}

// The cable between a link machine and a fleet of virtual radios: sent bytes reach the radio at
// once, replies come back at once, the timer fires when the clock reaches it. A send on a closed
// port is a lost port, as on a real one.
class VirtualLine {
public:
    VirtualRadio radio;
    VirtualFleet fleet;
    std::map<int, Codeplug> left; // what each radio held when it left the cable
    qint64 now = 0;               // virtual milliseconds
    bool portOpen = true;
    std::function<void()> afterSend; // a test's hand on the radios after each request

    explicit VirtualLine(int radios)
        : fleet(radio, radios, [this](int number, VirtualRadio& r) {
              r.SaveTo(left[number - 1]);
              r.LoadFrom(OldMemory(number), kPassword);
              r.ClearRequests();
          }) {
        radio.LoadFrom(OldMemory(1), kPassword);
    }

    void Carry(const LinkAction& a) {
        switch (a.kind) {
        case LinkAction::Kind::Send:
            inbox_.clear(); // the port's unread input is dropped before every send
            lostOnSend_ = !portOpen;
            if (portOpen)
                for (const RadioReply& reply : fleet.Receive(a.bytes, now))
                    inbox_.emplace_back(now + reply.delayMs, reply.bytes);
            if (afterSend)
                afterSend();
            break;
        case LinkAction::Kind::StartTimer:
            timerDue_ = now + a.ms;
            break;
        case LinkAction::Kind::StopTimer:
            timerDue_ = -1;
            break;
        case LinkAction::Kind::ClosePort:
            portOpen = false;
            break;
        default:
            break;
        }
    }

    // Delivers the next event to the machine; false when none is due.
    template <class Machine> bool Step(Machine& machine) {
        if (std::exchange(lostOnSend_, false)) {
            machine.PortLost(QStringLiteral("/dev/pts/0"));
            return true;
        }
        if (!inbox_.empty() && (timerDue_ < 0 || inbox_.front().first <= timerDue_)) {
            const auto [at, bytes] = inbox_.front();
            inbox_.pop_front();
            now = std::max(now, at);
            machine.BytesReceived(bytes);
            return true;
        }
        if (timerDue_ < 0)
            return false;
        now = std::exchange(timerDue_, -1);
        machine.TimerFired();
        return true;
    }

private:
    std::deque<std::pair<qint64, QByteArray>> inbox_;
    qint64 timerDue_ = -1;
    bool lostOnSend_ = false;
};

struct PhaseSeen {
    FleetPhase phase;
    int radio;
    Long localId;
    qint64 atMs;
};

// A fleet session as a host runs it: the port opens when asked (from `portBackAtMs` on), backups
// are stored (or refused), everything the driver tells is kept.
class FleetHarness {
public:
    VirtualLine line;
    FleetDriver driver;
    std::vector<Codeplug> backups;
    std::vector<FleetRadioReport> reports;
    std::vector<PhaseSeen> phases;
    int reopens = 0;
    qint64 portBackAtMs = 0;
    bool storeBackups = true;
    bool ended = false;
    std::function<void(const PhaseSeen&)> onPhase;

    FleetHarness(int radios, std::vector<Long> ids, FleetDriver::Options options = {})
        : line(radios), driver(Plan(), std::move(ids), WithClock(std::move(options))) {}

    // Runs until the session ends or the clock passes `untilMs`.
    void Run(qint64 untilMs = 3600000) {
        Pump();
        while (!ended && line.now <= untilMs && line.Step(driver))
            Pump();
    }

    void Pump() {
        for (auto actions = driver.TakeActions(); !actions.empty(); actions = driver.TakeActions())
            for (const FleetAction& a : actions)
                Carry(a);
    }

    std::vector<FleetPhase> PhasesOf(int radio) const {
        std::vector<FleetPhase> seen;
        for (const PhaseSeen& p : phases)
            if (p.radio == radio)
                seen.push_back(p.phase);
        return seen;
    }
    qint64 FirstAt(FleetPhase phase, int radio) const {
        for (const PhaseSeen& p : phases)
            if (p.phase == phase && p.radio == radio)
                return p.atMs;
        return -1;
    }
    // Write requests radio `number` took (it is at the cable or the last one there).
    int Writes() const {
        return int(
            std::count_if(line.radio.Requests().begin(), line.radio.Requests().end(),
                          [](const auto& r) { return r.command == CommandClass::WriteBlock; }));
    }

private:
    FleetDriver::Options WithClock(FleetDriver::Options options) {
        options.password = QString::number(kPassword);
        options.clock = [this] { return line.now * 1000000; };
        return options;
    }

    void Carry(const FleetAction& a) {
        switch (a.kind) {
        case FleetAction::Kind::Link:
            line.Carry(a.link);
            break;
        case FleetAction::Kind::ReopenPort:
            ++reopens;
            line.portOpen = line.now >= portBackAtMs;
            driver.PortOpened(line.portOpen);
            break;
        case FleetAction::Kind::Phase:
            phases.push_back({a.phase, a.radio, a.localId, line.now});
            if (onPhase)
                onPhase(phases.back());
            break;
        case FleetAction::Kind::StoreBackup:
            backups.push_back(driver.RadioBefore());
            driver.BackupStored(storeBackups, QStringLiteral("The disk is full."));
            break;
        case FleetAction::Kind::RadioDone:
            reports.push_back(a.report);
            break;
        case FleetAction::Kind::Ended:
            ended = true;
            break;
        }
    }
};

// The radio holds the plan with `id`, values as a write sends them.
bool HoldsPlan(const Codeplug& radio, Long id) {
    Codeplug sent = Plan();
    sent.LocalID = id;
    MemoryMap::StoreHeader(sent, MemoryMap::Header(radio));
    return SentValues::Differences(SentValues::Expected(sent), radio, {true, '.'}).isEmpty();
}
bool HoldsPlan(const VirtualRadio& virtualRadio, Long id) {
    Codeplug radio;
    virtualRadio.SaveTo(radio);
    return HoldsPlan(radio, id);
}

std::vector<Result> ResultsOf(const std::vector<FleetRadioReport>& reports) {
    std::vector<Result> results;
    for (const auto& r : reports)
        results.push_back(r.result);
    return results;
}

} // namespace

class TestFleetDriver : public QObject {
    Q_OBJECT
private slots:
    // --- Local IDs ---

    void ids_data() {
        QTest::addColumn<bool>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<Long>>("ids");
        QTest::addColumn<QString>("error");
        QTest::newRow("range") << false << " 1001 - 1003 "
                               << std::vector<Long>{0x1001, 0x1002, 0x1003} << "";
        QTest::newRow("range of one at the top")
            << false << "7fffff-7FFFFF" << std::vector<Long>{0x7FFFFF} << "";
        QTest::newRow("past the top") << false << "7FFFFE-800000" << std::vector<Long>{}
                                      << "\"800000\" is not an ID from 0 to 7FFFFF";
        QTest::newRow("backwards") << false << "1003-1001" << std::vector<Long>{}
                                   << "The range 1003-1001 ends before it begins";
        QTest::newRow("no range") << false << "1001" << std::vector<Long>{}
                                  << "\"1001\" is not a range of IDs like 1001-1020";
        QTest::newRow("list") << true << "\xEF\xBB\xBF# bench 2\r\n1001\r\n\n  A0f # spare\r\n0\r\n"
                              << std::vector<Long>{0x1001, 0xA0F, 0} << "";
        QTest::newRow("list twice")
            << true << "1001\n# x\n1001\n"
            << std::vector<Long>{} << "Line 3: ID 1001 is already on line 1";
        QTest::newRow("list with a word")
            << true << "1001\n0x1002\n"
            << std::vector<Long>{} << "Line 2: \"0x1002\" is not an ID from 0 to 7FFFFF";
        QTest::newRow("list of comments") << true << "# none yet\n\n"
                                          << std::vector<Long>{} << "The list holds no ID";
    }
    void ids() {
        QFETCH(bool, list);
        QFETCH(QString, text);
        QFETCH(std::vector<Long>, ids);
        QFETCH(QString, error);
        const TextContext english{true, '.'};
        const FleetIdList parsed =
            list ? FleetIds::ParseList(text, english) : FleetIds::ParseRange(text, english);
        QCOMPARE(parsed.error, error);
        QCOMPARE(parsed.ids, ids);
        if (!error.isEmpty()) { // every refusal has its Chinese words
            const TextContext chinese{false, '.'};
            const FleetIdList zh =
                list ? FleetIds::ParseList(text, chinese) : FleetIds::ParseRange(text, chinese);
            QVERIFY(!zh.ok() && zh.error != error);
        }
    }

    // --- Verify after write, on its own ---

    // The read-back opens the radio with the password the write left in it, and what reads back
    // otherwise is named; a read-back that fails leaves the write a success.
    void verifiedWrite_data() {
        QTest::addColumn<bool>("newPassword");
        QTest::addColumn<int>("corrupt");
        QTest::addColumn<bool>("leaveAfterWrite");
        QTest::addColumn<int>("state");
        QTest::newRow("verified") << false << 0 << false << int(State::Verified);
        QTest::newRow("verified with a new password") << true << 0 << false << int(State::Verified);
        QTest::newRow("differences") << false << 2 << false << int(State::Differences);
        QTest::newRow("radio gone after the write") << false << 0 << true << int(State::ReadFailed);
    }
    void verifiedWrite() {
        QFETCH(bool, newPassword);
        QFETCH(int, corrupt);
        QFETCH(bool, leaveAfterWrite);
        QFETCH(int, state);
        VirtualLine line(1);
        line.radio.Faults().corruptChannelCommits = corrupt;
        line.afterSend = [&line, leaveAfterWrite] {
            if (leaveAfterWrite && line.radio.EndOfWriteCount() == 1 &&
                line.fleet.Present(line.now))
                line.fleet.Depart(line.now);
        };
        VerifiedWrite write(true);
        const NewPasswordChoice choice{newPassword, QStringLiteral("0777")};
        QVERIFY(write.Start(Plan(), QStringLiteral("42"), choice));
        std::optional<LinkResult> result;
        do {
            for (auto actions = write.TakeActions(); !actions.empty();
                 actions = write.TakeActions())
                for (const LinkAction& a : actions) {
                    if (a.kind == LinkAction::Kind::Finished)
                        result = a.result;
                    else if (a.kind == LinkAction::Kind::AskRetry)
                        write.AnswerRetry(false);
                    else
                        line.Carry(a);
                }
        } while (!result && line.Step(write));
        QVERIFY(result && result->Succeeded()); // the write itself went through in every case
        QCOMPARE(int(write.Verification().state), state);
        QCOMPARE(line.radio.Password(), newPassword ? 777 : kPassword);
        if (corrupt)
            QCOMPARE(write.Verification().differences,
                     QStringList({"Channel 1, value 1: sent 400052500, read 400065000",
                                  "Channel 2, value 1: sent 400077500, read 400090000"}));
    }

    // --- A fleet ---

    // Three radios come one after another: each is backed up as it was, gets its own ID, reads
    // back as sent, and is let go before the next is taken; the session ends with the last.
    void radiosArriving() {
        FleetHarness h(3, {0x1001, 0x1002, 0x1003});
        QVERIFY(h.driver.Start());
        QVERIFY(!h.driver.Start());
        h.Run();
        QVERIFY(h.ended);
        QCOMPARE(ResultsOf(h.reports), std::vector<Result>(3, Result::Verified));
        h.line.radio.SaveTo(h.line.left[3]);
        for (int k = 1; k <= 3; ++k) {
            const FleetRadioReport& r = h.reports[k - 1];
            QCOMPARE(std::tuple(r.radio, r.localId, r.previousLocalId, r.written),
                     std::tuple(k, 0x1000 + k, std::optional<Long>(0x500 + k), true));
            QVERIFY(r.seconds > 0.1 && r.seconds < 0.5); // the hand-over ticks of ~190 exchanges
            QVERIFY(h.backups[k - 1].SameRadioData(OldMemory(k)));
            QVERIFY(HoldsPlan(h.line.left[k], 0x1000 + k));
        }
        using P = FleetPhase;
        QCOMPARE(h.PhasesOf(1), (std::vector{P::WaitingForRadio, P::ReadingBackup, P::StoringBackup,
                                             P::Writing, P::Verifying, P::WaitingForDeparture}));
        QCOMPARE(h.PhasesOf(3).back(), P::Ended); // the last radio is not waited for
        // The next radio is taken at the first poll after the swap; the departure took two.
        const qint64 gone = h.FirstAt(P::WaitingForDeparture, 1);
        const qint64 next = h.FirstAt(P::ReadingBackup, 2) - gone;
        QVERIFY2(next >= VirtualFleet::kSwapMs && next <= VirtualFleet::kSwapMs + 500,
                 qPrintable(QString::number(next)));
        QCOMPARE(h.FirstAt(P::WaitingForRadio, 2) - gone, 2 * FleetDriver::kPollMs);
        QCOMPARE(h.reopens, 1);
    }

    // Without the read-back the virtual radio still leaves once the session only asks who it
    // is: every radio is written with its ID and none is waited for in vain.
    void withoutReadBack() {
        FleetDriver::Options options;
        options.verify = false;
        FleetHarness h(3, {0x1001, 0x1002, 0x1003}, options);
        QVERIFY(h.driver.Start());
        h.Run();
        QVERIFY(h.ended);
        QCOMPARE(ResultsOf(h.reports), std::vector<Result>(3, Result::Written));
        h.line.radio.SaveTo(h.line.left[3]);
        for (int k = 1; k <= 3; ++k)
            QVERIFY(HoldsPlan(h.line.left[k], 0x1000 + k));
    }

    // A noisy cable: bad replies are sent again as in any transfer and counted per radio, so
    // the few of each radio add up to no question; a radio with more than ten fails alone.
    void noisyCable() {
        FleetHarness h(3, {0x1001, 0x1002, 0x1003});
        h.onPhase = [&h](const PhaseSeen& p) {
            if (p.phase == FleetPhase::ReadingBackup)
                h.line.radio.Faults().badChecksumReplies = p.radio == 3 ? 11 : 6;
            if (p.phase == FleetPhase::WaitingForDeparture)
                h.line.fleet.Depart(h.line.now); // the technician takes it away
        };
        QVERIFY(h.driver.Start());
        h.Run();
        QCOMPARE(ResultsOf(h.reports),
                 (std::vector{Result::Verified, Result::Verified, Result::Failed}));
        QCOMPARE(h.reports[2].reason,
                 QStringLiteral("The radio's replies were garbled. Nothing was written."));
    }

    // A radio that falls silent in the middle of its write is given up after two unanswered
    // requests and reported; the session goes on with the next radio and the next ID. A radio put
    // to the cable at that very moment is not written into: it is taken for the one that did
    // not leave yet.
    void radioSilentMidWrite_data() {
        QTest::addColumn<qint64>("swapMs");
        QTest::newRow("next radio after 5 s") << qint64(5000);
        QTest::newRow("next radio at once") << qint64(2000);
    }
    void radioSilentMidWrite() {
        QFETCH(qint64, swapMs);
        FleetHarness h(3, {0x1001, 0x1002, 0x1003});
        h.line.afterSend = [&h, swapMs] {
            if (h.line.fleet.Number() == 2 && h.Writes() == 10 && h.line.fleet.Present(h.line.now))
                h.line.fleet.Depart(h.line.now, swapMs);
        };
        QVERIFY(h.driver.Start());
        h.Run(60000);
        QCOMPARE(h.reports.size() >= 2, true);
        const FleetRadioReport& failed = h.reports[1];
        QCOMPARE(std::tuple(failed.result, failed.written, failed.reason),
                 std::tuple(Result::Failed, true, QStringLiteral("The radio stopped answering.")));
        if (swapMs == 2000) {
            QVERIFY(!h.ended);
            QCOMPARE(h.driver.Phase(), FleetPhase::WaitingForDeparture);
            QCOMPARE(h.Writes(), 0); // radio 3 heard polls only
            h.driver.Stop();
            h.Run();
            QVERIFY(h.ended && h.reports.size() == 2);
            return;
        }
        QCOMPARE(ResultsOf(h.reports),
                 (std::vector{Result::Verified, Result::Failed, Result::Verified}));
        QCOMPARE(h.reports[2].localId, 0x1003);
        QVERIFY(HoldsPlan(h.line.radio, 0x1003));
    }

    // A radio that reads back otherwise is reported with what differs, through the comparison
    // the host gives; the next radio is verified.
    void failedVerification() {
        int compared = 0;
        FleetDriver::Options options;
        options.compare = [&compared](const Codeplug& expected, const Codeplug& readBack) {
            ++compared;
            return SentValues::Differences(expected, readBack, {true, '.'});
        };
        FleetHarness h(3, {0x1001, 0x1002, 0x1003}, options);
        h.onPhase = [&h](const PhaseSeen& p) {
            if (p.phase == FleetPhase::Writing && p.radio == 2)
                h.line.radio.Faults().corruptChannelCommits = 1;
        };
        QVERIFY(h.driver.Start());
        h.Run();
        QCOMPARE(ResultsOf(h.reports),
                 (std::vector{Result::Verified, Result::Differences, Result::Verified}));
        QCOMPARE(compared, 3);
        QCOMPARE(h.reports[1].differences,
                 QStringList{"Channel 1, value 1: sent 400052500, read 400065000"});
    }

    // The IDs run out before the radios: the session ends with the last ID's radio; the next
    // radio hears nothing. No IDs, or one outside the page's range, start nothing.
    void idListUsedUp() {
        FleetHarness h(3, {0x2A, 0x7FFFFF});
        QVERIFY(h.driver.Start());
        h.Run();
        QCOMPARE(ResultsOf(h.reports), std::vector<Result>(2, Result::Verified));
        QCOMPARE(h.line.fleet.Number(), 2);
        QCOMPARE(h.phases.back().phase, FleetPhase::Ended);
        FleetHarness none(1, {});
        QVERIFY(none.driver.Start());
        none.Run();
        QVERIFY(none.ended && none.reports.empty() && none.line.radio.Requests().empty());
        FleetHarness outside(1, {0x1001, 0x800000});
        QVERIFY(!outside.driver.Start());
        QVERIFY(!outside.driver.Running());
    }

    // Stop with radio 2 at a given point: nothing is left half written unless Stop is pressed
    // twice during the write.
    void stop_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("stops");
        QTest::addColumn<int>("result"); // of radio 2; -1: none
        QTest::addColumn<int>("writes"); // radio 2 took
        using P = FleetPhase;
        QTest::newRow("waiting") << int(P::WaitingForRadio) << 1 << -1 << -1;
        QTest::newRow("backup read") << int(P::ReadingBackup) << 1 << int(Result::Incomplete) << 0;
        QTest::newRow("backup being stored")
            << int(P::StoringBackup) << 1 << int(Result::Incomplete) << 0;
        QTest::newRow("write finishes") << int(P::Writing) << 1 << int(Result::Verified) << 41;
        QTest::newRow("write cut short") << int(P::Writing) << 2 << int(Result::Incomplete) << 0;
        QTest::newRow("read-back cut short")
            << int(P::Verifying) << 2 << int(Result::Incomplete) << 41;
    }
    void stop() {
        QFETCH(int, phase);
        QFETCH(int, stops);
        QFETCH(int, result);
        QFETCH(int, writes);
        FleetHarness h(3, {0x1001, 0x1002, 0x1003});
        h.onPhase = [&h, phase, stops](const PhaseSeen& p) {
            if (int(p.phase) == phase && p.radio == 2)
                for (int k = 0; k < stops; ++k)
                    h.driver.Stop();
        };
        QVERIFY(h.driver.Start());
        h.Run();
        QVERIFY(h.ended && h.driver.Stopped());
        QCOMPARE(int(h.reports.size()), result < 0 ? 1 : 2);
        QCOMPARE(h.line.fleet.Number(), result < 0 ? 1 : 2);
        if (result < 0)
            return;
        QCOMPARE(h.Writes(), writes);
        const FleetRadioReport& r = h.reports[1];
        QCOMPARE(int(r.result), result);
        QCOMPARE(r.written, phase >= int(FleetPhase::Writing));
        if (phase == int(FleetPhase::Verifying))
            QCOMPARE(r.reason,
                     QStringLiteral("Written; stopped before the read-back was complete."));
    }

    // A backup that cannot be kept stops that radio before anything is written into it.
    void backupRefused() {
        FleetHarness h(2, {0x1001, 0x1002});
        h.storeBackups = false;
        h.onPhase = [&h](const PhaseSeen& p) { // the technician takes the radio away
            if (p.phase == FleetPhase::WaitingForDeparture)
                h.line.fleet.Depart(h.line.now);
        };
        QVERIFY(h.driver.Start());
        h.Run();
        QCOMPARE(ResultsOf(h.reports), std::vector<Result>(2, Result::Failed));
        QCOMPARE(h.reports[0].reason, QStringLiteral("The disk is full. Nothing was written."));
        QVERIFY(!h.reports[0].written);
        QCOMPARE(h.Writes(), 0);
    }

    // The adapter unplugged in the middle of a write, with the radio on it: that radio failed,
    // the port is asked for every 500 ms until it is back, and the next radio gets the next ID.
    void adapterUnplugged() {
        FleetHarness h(2, {0x1001, 0x1002});
        h.line.afterSend = [&h] {
            if (h.line.fleet.Number() == 1 && h.Writes() == 20 && h.line.portOpen) {
                h.line.portOpen = false;
                h.portBackAtMs = h.line.now + 3000;
                h.line.fleet.Depart(h.line.now);
            }
        };
        QVERIFY(h.driver.Start());
        h.Run();
        QCOMPARE(ResultsOf(h.reports), (std::vector{Result::Failed, Result::Verified}));
        QCOMPARE(h.reports[0].reason, QStringLiteral("The serial port was lost: /dev/pts/0."));
        QCOMPARE(h.reopens, 1 + 1 + 3000 / FleetDriver::kPollMs);
        QVERIFY(HoldsPlan(h.line.radio, 0x1002));
    }
};

QTEST_GUILESS_MAIN(TestFleetDriver)
#include "test_fleet_driver.moc"
