#include "test_transfer_engine_harness.h"

#include "link/frame_codec.h"
#include "link/write_recovery.h"

#include <QTest>
#include <functional>

using namespace zr40;

namespace {
using B = BlockType;
const LinkResult::Outcome kOk = LinkResult::Outcome::Succeeded;

// A radio full of awkward values, with a consistent header.
void fillRadio(LinkHarness& h, quint32 seed) {
    Codeplug source;
    source.ApplyNewDefaults();
    FillNoisy(source, seed);
    source.HeaderCount3 = 1;
    for (int n = 0; n < Codeplug::kChannels; ++n)
        source.DeriveKeyLengths(n);
    h.radio.LoadFrom(source);
}

// The blocks of a transfer, tune points first when there are any.
std::vector<std::pair<B, int>> Blocks(int points, int channels, int lists) {
    return {{B::TuneHeader, points > 0 ? 1 : 0},
            {B::TunePoint, points},
            {B::Settings, 1},
            {B::Channel, channels},
            {B::RxList, lists}};
}

// The requests of a whole transfer as "class type index": a read asks (2) for each block, a
// write sends (3) and commits (4) each one and ends with 5.
QStringList order(bool write, int points, int channels, int lists) {
    QStringList codes{"1 0 0", "2 3 0"};
    for (const auto& [block, count] : Blocks(points, channels, lists))
        for (int i = 0; i < count; ++i)
            for (int command : write ? std::vector{3, 4} : std::vector{2})
                codes << QStringLiteral("%1 %2 %3").arg(command).arg(int(block)).arg(i);
    if (write)
        codes << "5 0 0";
    return codes;
}

struct TransferCase {
    bool write;
    bool tune;
    int channels, lists, points; // as the radio reports them
    bool bytewise;
};

} // namespace

class TestTransferEngine : public QObject {
    Q_OBJECT
private slots:
    // Whole transfers over the counts a radio may report: the first block always, never more
    // than the memory holds; byte-by-byte delivery changes nothing.
    void transfers_data() {
        QTest::addColumn<TransferCase>("c");
        QTest::newRow("read") << TransferCase{false, false, 32, 8, 10, false};
        QTest::newRow("read byte by byte") << TransferCase{false, false, 32, 8, 10, true};
        QTest::newRow("write") << TransferCase{true, false, 32, 8, 10, false};
        for (int n : {0, 5, 40, -3}) {
            QTest::addRow("read %d", n) << TransferCase{false, false, n, n, 10, false};
            QTest::addRow("write %d", n) << TransferCase{true, false, n, n, 10, false};
        }
        QTest::newRow("tune read 12") << TransferCase{false, true, 32, 8, 12, false};
        QTest::newRow("tune write 40") << TransferCase{true, true, 32, 8, 40, false};
        QTest::newRow("tune write 0") << TransferCase{true, true, 32, 8, 0, false};
    }
    void transfers() {
        QFETCH(TransferCase, c);
        LinkHarness h;
        h.deliverBytewise = c.bytewise;
        fillRadio(h, 7);
        FillNoisy(h.codeplug, 11);
        h.codeplug.QuiteLevel[0] = 3;
        h.radio.SetHeaderCounts(c.points, c.channels, c.lists);
        const Codeplug before = h.codeplug;
        QVERIFY(c.write ? h.engine.StartWrite(QString(), {}, c.tune)
                        : h.engine.StartRead(QString(), c.tune));
        QVERIFY(!h.engine.StartRead(QString())); // no second start while running
        const LinkResult r = h.Run();
        QCOMPARE(r.outcome, kOk);
        QCOMPARE(r.message, c.write ? "Write Data OK" : "Read Data OK");
        const int channels = std::clamp(c.channels, 1, 32);
        const int points = c.tune ? std::clamp(c.points, 1, 16) : 0;
        QCOMPARE(h.RequestCodes(), order(c.write, points, channels, std::clamp(c.lists, 1, 8)));
        // What moved is the same on both sides: for a write as the codeplug sends it (quiet
        // level 0), for a read as the codeplug holds it.
        const Long password = h.radio.Block(B::Settings, 0)[26];
        for (const auto& [block, count] : Blocks(points, channels, std::clamp(c.lists, 1, 8)))
            for (int i = 0; i < count; ++i)
                QCOMPARE(h.radio.Block(block, i),
                         MemoryMap::Payload(h.codeplug, block, i, password, c.write));
        QCOMPARE(h.engine.RetryCount(), 0);
        if (c.write) {
            QCOMPARE(h.radio.Block(B::Channel, 0)[25], 0); // the quiet level goes out as 0
            QCOMPARE(h.radio.EndOfWriteCount(), 1);
            return;
        }
        QVERIFY(h.codeplug.LinkSucceeded);
        QCOMPARE(h.codeplug.ChannelCount, c.channels);
        if (channels < 32) // channels beyond the count stay as they were
            QCOMPARE(h.codeplug.RxFreq[channels], before.RxFreq[channels]);
        if (!c.tune) // a plain read leaves the tune data alone
            QCOMPARE(h.codeplug.TuneFreq, before.TuneFreq);
        else // after the start, the tune header and points 0 and 1
            QVERIFY(h.codeplug.TunePointCount == c.points && h.progress[3].first == 2.0 / 53.0);
    }

    // Progress runs from the settings read to 100% in either language; counts that make the
    // divisor zero or negative never divide by it.
    void progress() {
        LinkHarness h;
        QVERIFY(h.engine.StartRead(QString()));
        h.Run();
        QVERIFY(h.progress.front().second.isEmpty()); // the start leaves the label
        QCOMPARE(h.progress.back().second, QStringLiteral("Complete:100%"));
        LinkHarness chinese;
        chinese.engine.SetEnglish(false);
        QVERIFY(chinese.engine.StartWrite(QString(), {}));
        QCOMPARE(chinese.Run().message, QString::fromUtf8("写频成功"));
        QCOMPARE(chinese.progress.back().second, QString::fromUtf8("完成进度:100%"));
        for (const auto& [read, count, lists] : {std::tuple{true, 0, 1}, {false, -50, -50}}) {
            LinkHarness odd;
            odd.radio.Header()[3] = count; // settings blocks reported
            odd.radio.SetHeaderCounts(10, count, lists);
            QVERIFY(read ? odd.engine.StartRead(QString()) : odd.engine.StartWrite(QString(), {}));
            QCOMPARE(odd.Run().outcome, kOk);
            for (const auto& p : odd.progress)
                QVERIFY(p.first >= 0.0 && p.first <= 1.0);
            QCOMPARE(odd.progress.back().second, QStringLiteral("Complete:100%"));
        }
    }

    void wrongModel() {
        LinkHarness h;
        h.radio.SetDataVersion(3);
        h.codeplug.ChannelCount = 17;
        QVERIFY(h.engine.StartRead(QString()));
        const LinkResult r = h.Run();
        QCOMPARE(r.outcome, LinkResult::Outcome::WrongModel);
        QCOMPARE(r.reportedVersion, 3);
        QCOMPARE(r.message, QString::fromUtf8("机型错误,请读取ZR40机器\n当前机型为3"));
        QCOMPARE(h.codeplug.ChannelCount, 17);
        QCOMPARE(h.RequestCodes(), QStringList{"1 0 0"});
        QVERIFY(!h.codeplug.LinkSucceeded);
    }

    void passwordAccepted() {
        // clang-format off
        for (const auto& [radio, entered, accepted] : {std::tuple{123, "123", true},
             {123, "000123", true}, {123, "1234", false}, {123, "", false}, {0, "", false},
             {0, "000000", true}, {-1, "5", true}, {999999, "1", true}, {999998, "", false}})
            // clang-format on
            QVERIFY2(TransferEngine::PasswordAccepted(radio, entered) == accepted, entered);
    }

    // A rejected read stores nothing; a rejected write sends nothing after the settings read.
    void wrongPassword() {
        LinkHarness h;
        h.radio.SetPassword(123);
        QVERIFY(h.engine.StartRead(QStringLiteral("1234")));
        const LinkResult r = h.Run();
        QCOMPARE(r.outcome, LinkResult::Outcome::PasswordRejected);
        QCOMPARE(r.message, QStringLiteral("Password Failure!"));
        QVERIFY(h.codeplug.PasswordRejected && !h.codeplug.LinkSucceeded);
        QCOMPARE(h.engine.RadioPassword(), 123);
        FillNoisy(h.codeplug, 5);
        Codeplug radioBefore;
        h.radio.SaveTo(radioBefore);
        h.radio.ClearRequests();
        QVERIFY(h.engine.StartWrite(QStringLiteral("1234"), {true, QStringLiteral("1")}));
        QCOMPARE(h.Run().outcome, LinkResult::Outcome::PasswordRejected);
        QCOMPARE(h.RequestCodes(), (QStringList{"1 0 0", "2 3 0"}));
        Codeplug radioAfter;
        h.radio.SaveTo(radioAfter);
        QVERIFY(radioAfter.SameRadioData(radioBefore));
        QCOMPARE(h.radio.Password(), 123);
        QVERIFY(h.engine.StartRead(QStringLiteral("000123")));
        QCOMPARE(h.Run().outcome, kOk);
        QVERIFY(!h.codeplug.PasswordRejected);
    }

    void newPassword_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<int>("written"); // -2: the entry is refused before anything is sent
        QTest::newRow("new number") << 42 << true << "4321" << 4321;
        QTest::newRow("leading zeros") << 42 << true << "000007" << 7;
        QTest::newRow("empty removes") << 42 << true << "" << -1;
        QTest::newRow("keep own") << 42 << false << "999" << 42;
        QTest::newRow("keep odd none") << 1000000 << false << "" << 1000000;
        QTest::newRow("letters") << -1 << true << "12a4" << -2;
        QTest::newRow("seven digits") << -1 << true << "1234567" << -2;
    }
    void newPassword() {
        QFETCH(int, radio);
        QFETCH(bool, change);
        QFETCH(QString, newPassword);
        QFETCH(int, written);
        LinkHarness h;
        h.radio.SetPassword(radio);
        if (written == -2) {
            QVERIFY(!h.engine.StartWrite(QString(), {true, newPassword}));
            QVERIFY(h.engine.TakeActions().empty() && !h.engine.Running());
            return;
        }
        QVERIFY(h.engine.StartWrite(QString::number(radio), {change, newPassword}));
        QCOMPARE(h.Run().outcome, kOk);
        QCOMPARE(h.radio.Password(), written);
        if (written < 0 || written >= 999999)
            return;
        // The next transfer needs the password just written.
        QVERIFY(h.engine.StartRead(QString::number(written)));
        QCOMPARE(h.Run().outcome, kOk);
        QVERIFY(h.engine.StartRead(QString::number(written + 1)));
        QCOMPARE(h.Run().outcome, LinkResult::Outcome::PasswordRejected);
    }

    // Ten silent requests are resent without a word, the eleventh failure asks; the count runs
    // over the window's life, a good reply does not reset it.
    void silentResends_data() {
        QTest::addColumn<QList<int>>("silent"); // silent requests in each read
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("retries");
        QTest::newRow("ten stay silent") << QList<int>{10} << 0 << 10;
        QTest::newRow("eleventh asks") << QList<int>{11} << 1 << 0;
        QTest::newRow("5, a good read, 6") << QList<int>{5, 6} << 1 << 0;
    }
    void silentResends() {
        QFETCH(QList<int>, silent);
        QFETCH(int, questions);
        QFETCH(int, retries);
        LinkHarness h;
        int total = 0;
        for (int n : silent) {
            h.radio.Faults().silentRequests = n;
            QVERIFY(h.engine.StartRead(QString()));
            QCOMPARE(h.Run().outcome, kOk); // the answer is Retry
            total += n;
        }
        QCOMPARE(int(h.questions.size()), questions);
        QCOMPARE(h.engine.RetryCount(), retries);
        QCOMPARE(int(h.trace.count(QStringLiteral("No Data"))), total);
        QCOMPARE(int(h.sent.size()) - int(h.radio.Requests().size()), total);
        QVERIFY(h.now >= total * 1000); // every wait for silence is a full second
        if (questions)
            QCOMPARE(h.questions.front(), QStringLiteral("Check connection!Retry or cancel?"));
    }

    // One fault hits the password check, the settings, a channel or a receive list: the read
    // resends (or waits) and ends with the radio's data. Which bytes make a bad reply or none
    // is the gatherer's (test_frame); here one of each, the replies too short for their block,
    // and a late one.
    void recoverableFaults_data() {
        QTest::addColumn<int>("fault");
        const char* names[] = {"checksum", "cut to nothing", "short", "short identify", "delay"};
        for (int f = 0; f < 5; ++f)
            QTest::newRow(names[f]) << f;
    }
    void recoverableFaults() {
        QFETCH(int, fault);
        const std::function<void(RadioFaults&)> faults[] = {
            [](RadioFaults& f) { f.badChecksumReplies = 1; },
            [](RadioFaults& f) { f.cutReplies = 1, f.cutBytes = 1000; },
            [](RadioFaults& f) { f.shortPayloadReplies = 1; },
            [](RadioFaults& f) { f.shortPayloadReplies = 1, f.shortPayloadValues = 5; },
            [](RadioFaults& f) { f.replyDelayMs = 999; }};
        for (int skip : {0, 1, 3, 40}) {
            LinkHarness h;
            fillRadio(h, 21);
            Codeplug expected;
            h.radio.SaveTo(expected);
            QVERIFY(h.engine.StartRead(QString()));
            h.Pump();
            for (int i = 0; i < skip; ++i) { // reply, then the tick that judges it
                h.Step();
                h.Step();
                h.Pump();
            }
            faults[fault](h.radio.Faults());
            QCOMPARE(h.Run().outcome, kOk);
            QCOMPARE(h.engine.RetryCount(), fault < 4 ? 1 : 0);
            QCOMPARE(h.codeplug.RxFreq, expected.RxFreq);
            QCOMPARE(h.codeplug.RxListEntry, expected.RxListEntry);
            QCOMPARE(h.codeplug.LocalID, expected.LocalID);
        }
    }

    // Cancel at the retry question, Cancel in the middle, a pulled cable: the transfer ends
    // at once, late events do nothing, and the next transfer runs normally.
    void endedEarlyThenAgain_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("cancel at the question") << 0;
        QTest::newRow("cancel mid-write") << 1;
        QTest::newRow("port lost") << 2;
    }
    void endedEarlyThenAgain() {
        QFETCH(int, how);
        LinkHarness h;
        if (how == 0) {
            h.radio.Faults().silentRequests = 11;
            h.answerRetry = false;
            QVERIFY(h.engine.StartRead(QString()));
            h.Run();
        } else {
            QVERIFY(h.engine.StartWrite(QString(), {}));
            for (int i = 0; i < 12; ++i) {
                h.Pump();
                h.Step();
            }
            QVERIFY(h.engine.Running());
            if (how == 1)
                h.engine.Cancel();
            else
                h.engine.PortLost(QStringLiteral("device unplugged"));
            h.Pump();
        }
        QVERIFY(h.result.has_value());
        if (how == 2) {
            QCOMPARE(h.result->outcome, LinkResult::Outcome::PortLost);
            QCOMPARE(h.result->reason, QStringLiteral("device unplugged"));
        } else {
            QCOMPARE(h.result->outcome, LinkResult::Outcome::Cancelled);
            QCOMPARE(h.portCloses, 1);
            QVERIFY(how == 0 || h.timerStops >= 1);
        }
        QVERIFY(!h.codeplug.LinkSucceeded && !h.engine.Running());
        h.engine.TimerFired();
        h.engine.BytesReceived(QByteArray::fromHex("5502010000AA"));
        QVERIFY(h.engine.TakeActions().empty());
        QVERIFY(h.engine.StartRead(QString()));
        QCOMPARE(h.Run().outcome, kOk);
        QVERIFY(h.codeplug.LinkSucceeded);
    }

    // A write stopped after `requests` requests: whether it touched the radio, and writing the
    // radio's own data back with the recovery's passwords puts every block and the password
    // back as they were.
    void writeStoppedPartWay_data() {
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("radioPassword");
        QTest::addColumn<bool>("change");
        QTest::addColumn<bool>("touched");
        QTest::addColumn<QString>("opensWith");
        QTest::newRow("at the password check") << 2 << 2468 << true << false << "2468";
        QTest::newRow("settings sent, not committed") << 3 << 2468 << true << true << "2468";
        QTest::newRow("new password committed") << 5 << 2468 << true << true << "1357";
        QTest::newRow("radio had none") << 5 << -1 << true << true << "1357";
        QTest::newRow("own password kept") << 40 << 2468 << false << true << "2468";
    }
    void writeStoppedPartWay() {
        QFETCH(int, requests);
        QFETCH(int, radioPassword);
        QFETCH(bool, change);
        LinkHarness h;
        h.radio.SetPassword(radioPassword);
        Codeplug before = h.codeplug;
        h.radio.SaveTo(before);
        const auto blocks = [&h] {
            std::vector<std::vector<Long>> all;
            for (B block : {B::Settings, B::Channel, B::RxList})
                for (int i = 0; i < MemoryMap::Instances(block); ++i)
                    all.push_back(h.radio.Block(block, i));
            return all;
        };
        const auto original = blocks();
        FillNoisy(h.codeplug, 5);
        const QString entered = radioPassword < 0 ? QString() : QString::number(radioPassword);
        const NewPasswordChoice choice{change, QStringLiteral("1357")};
        QVERIFY(h.engine.StartWrite(entered, choice));
        while (h.radio.Requests().size() < std::size_t(requests)) {
            h.Pump();
            QVERIFY(h.Step());
        }
        h.engine.Cancel();
        h.Pump();
        QTEST(h.engine.WriteBegun(), "touched");
        const WriteRecovery recovery = WriteRecovery::After(h.engine, entered, choice);
        QTEST(recovery.password, "opensWith");
        h.codeplug = before;
        QVERIFY(h.engine.StartWrite(recovery.password, recovery.restore));
        QCOMPARE(h.Run().outcome, kOk);
        QCOMPARE(h.radio.Password(), radioPassword);
        QVERIFY(blocks() == original);
    }

    void questionOpenIgnoresLineAndClock() {
        LinkHarness h;
        h.radio.Faults().silentRequests = 1000;
        QVERIFY(h.engine.StartRead(QString()));
        for (int i = 0; i < 11; ++i) {
            h.Pump();
            h.Step();
        }
        h.Pump();
        QVERIFY(h.engine.RetryQuestionOpen());
        h.engine.BytesReceived(
            FrameCodec::BuildReply(CommandClass::Identify, B::None, 0, {1, 1, 10, 1, 32, 8, 8}));
        h.engine.TimerFired();
        QVERIFY(h.engine.TakeActions().empty());
        QCOMPARE(h.engine.LinkState(), int(TransferEngine::Identify));
        h.engine.AnswerRetry(true);
        h.Pump();
        QCOMPARE(h.sent.size(), std::size_t(12));
    }
};

QTEST_APPLESS_MAIN(TestTransferEngine)
#include "test_transfer_engine.moc"
