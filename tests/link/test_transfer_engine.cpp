#include "test_transfer_engine_harness.h"

#include "link/frame_codec.h"

#include <QTest>

using namespace zr40;

namespace {
using B = BlockType;
const LinkResult::Outcome kOk = LinkResult::Outcome::Succeeded;

// A radio full of awkward values, with a consistent header.
void fillRadio(LinkHarness& h, quint32 seed, Long password = -1) {
    Codeplug source;
    source.ApplyNewDefaults();
    FillNoisy(source, seed);
    source.HeaderCount3 = 1;
    for (int n = 0; n < Codeplug::kChannels; ++n)
        source.DeriveKeyLengths(n);
    h.radio.LoadFrom(source, password);
}

// The requests of a whole transfer as "class type index": a read asks (2) for each block, a
// write sends (3) and commits (4) each one and ends with 5.
QStringList order(bool write, int tunePoints, int channels, int lists, bool tune) {
    QStringList codes{"1 0 0", "2 3 0"};
    auto block = [&](int type, int index) {
        if (write)
            codes << QStringLiteral("3 %1 %2").arg(type).arg(index)
                  << QStringLiteral("4 %1 %2").arg(type).arg(index);
        else
            codes << QStringLiteral("2 %1 %2").arg(type).arg(index);
    };
    if (tune) {
        block(1, 0);
        for (int i = 0; i < tunePoints; ++i)
            block(2, i);
    }
    block(3, 0);
    for (int n = 0; n < channels; ++n)
        block(4, n);
    for (int l = 0; l < lists; ++l)
        block(5, l);
    if (write)
        codes << "5 0 0";
    return codes;
}

// The radio's tune blocks equal the codeplug's.
void compareTune(const LinkHarness& h, int tunePoints) {
    QCOMPARE(h.radio.Block(B::TuneHeader, 0), MemoryMap::Payload(h.codeplug, B::TuneHeader, 0));
    for (int i = 0; i < tunePoints; ++i)
        QCOMPARE(h.radio.Block(B::TunePoint, i), MemoryMap::Payload(h.codeplug, B::TunePoint, i));
}

// The radio's memory equals what the codeplug sends, block by block, value by value.
void compareRadioWith(const LinkHarness& h, Long password) {
    QCOMPARE(h.radio.Block(B::Settings, 0),
             MemoryMap::Payload(h.codeplug, B::Settings, 0, password));
    for (int n = 0; n < Codeplug::kChannels; ++n)
        QCOMPARE(h.radio.Block(B::Channel, n), MemoryMap::Payload(h.codeplug, B::Channel, n));
    for (int l = 0; l < Codeplug::kRxLists; ++l)
        QCOMPARE(h.radio.Block(B::RxList, l), MemoryMap::Payload(h.codeplug, B::RxList, l));
}
} // namespace

class TestTransferEngine : public QObject {
    Q_OBJECT
private slots:
    void firstFrameAndTrace() {
        LinkHarness h;
        QVERIFY(h.engine.StartRead(QString()));
        h.Pump();
        QCOMPARE(h.sent.front(), QByteArray::fromHex("5501010000 02AA"));
        QCOMPARE(h.trace.front(), QStringLiteral("TX:55 1 1 0 0 2 AA "));
        QCOMPARE(h.Run().outcome, kOk);
        // 02 + 01 + 1 + 1 + 10 + 1 + 32 + 8 + 8 = 0x40 over 35 unstuffed bytes.
        QVERIFY(h.trace.at(1).startsWith(QStringLiteral("RX:55 2 1 0 0 1 0 0 0 ")));
        QCOMPARE(h.trace.at(2), QStringLiteral("Calculate CheckSum=40,ReceiveLen=35"));
    }

    void fullReadCopiesTheRadio_data() {
        QTest::addColumn<bool>("bytewise");
        QTest::newRow("whole replies") << false;
        QTest::newRow("byte by byte") << true;
    }
    void fullReadCopiesTheRadio() {
        QFETCH(bool, bytewise);
        LinkHarness h;
        h.deliverBytewise = bytewise;
        fillRadio(h, 7, 4321);
        QVERIFY(h.engine.StartRead(QStringLiteral("4321")));
        const LinkResult r = h.Run();
        QCOMPARE(r.outcome, kOk);
        QCOMPARE(r.message, QStringLiteral("Read Data OK"));
        QVERIFY(h.codeplug.LinkSucceeded);
        Codeplug expected;
        h.radio.SaveTo(expected);
        // Tune data is not part of a plain read.
        for (int i = 0; i < Codeplug::kTunePoints; ++i)
            MemoryMap::Store(expected, B::TunePoint, i,
                             MemoryMap::Payload(h.codeplug, B::TunePoint, i));
        MemoryMap::Store(expected, B::TuneHeader, 0,
                         MemoryMap::Payload(h.codeplug, B::TuneHeader, 0));
        QVERIFY(h.codeplug.SameRadioData(expected));
        QCOMPARE(h.RequestCodes(), order(false, 0, 32, 8, false));
        QCOMPARE(h.engine.RetryCount(), 0);
        QVERIFY(!h.engine.Running());
    }

    void fullWriteFillsTheRadio() {
        LinkHarness h;
        FillNoisy(h.codeplug, 11);
        h.codeplug.QuiteLevel[5] = 3;
        h.radio.SetPassword(77);
        QVERIFY(h.engine.StartWrite(QStringLiteral("077"), {}));
        QVERIFY(!h.engine.StartRead(QString())); // no second start while running
        const LinkResult r = h.Run();
        QCOMPARE(r.outcome, kOk);
        QCOMPARE(r.message, QStringLiteral("Write Data OK"));
        QCOMPARE(h.RequestCodes(), order(true, 0, 32, 8, false));
        compareRadioWith(h, 77);
        QCOMPARE(h.radio.Block(B::Channel, 5)[25], 0); // the quiet level goes out as 0
        QCOMPARE(h.radio.Password(), 77);
        QCOMPARE(h.radio.EndOfWriteCount(), 1);
    }

    void headerCounts_data() {
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("lists");
        QTest::newRow("0") << 0 << 1 << 1;
        QTest::newRow("5") << 5 << 5 << 5;
        QTest::newRow("40") << 40 << 32 << 8;
        QTest::newRow("-3") << -3 << 1 << 1;
    }
    void headerCounts() {
        QFETCH(int, reported);
        QFETCH(int, channels);
        QFETCH(int, lists);
        for (bool reading : {true, false}) {
            LinkHarness h;
            fillRadio(h, 3);
            h.radio.SetHeaderCounts(10, reported, reported);
            const Codeplug before = h.codeplug;
            QVERIFY(reading ? h.engine.StartRead(QString()) : h.engine.StartWrite(QString(), {}));
            QCOMPARE(h.Run().outcome, kOk);
            QCOMPARE(h.RequestCodes(), order(!reading, 0, channels, lists, false));
            QCOMPARE(h.codeplug.ChannelCount, reported);
            if (reading) { // channels beyond the count stay as they were
                QCOMPARE(h.codeplug.RxFreq[channels], before.RxFreq[channels]);
                QCOMPARE(h.codeplug.RxFreq[channels - 1],
                         h.radio.Block(B::Channel, channels - 1)[1]);
            }
        }
    }

    void progress() {
        LinkHarness h;
        QVERIFY(h.engine.StartRead(QString()));
        h.Run();
        // Start, then one update per reply from the settings read on: 1 + 8 + 32 + 1.
        QCOMPARE(int(h.progress.size()), 1 + 1 + 32 + 8);
        QVERIFY(h.progress.front().second.isEmpty()); // the start leaves the label
        // The reply to the fourth channel request: 4 of 40.
        QCOMPARE(h.progress[1 + 1 + 3].first, 0.1);
        QCOMPARE(h.progress[1 + 1 + 3].second, QStringLiteral("Complete:10%"));
        QCOMPARE(h.progress.back().second, QStringLiteral("Complete:100%"));
        QCOMPARE(TransferEngine::ProgressText(0.004, true), QStringLiteral("Complete:%"));
        QCOMPARE(TransferEngine::ProgressText(0.125, true), QStringLiteral("Complete:13%"));
        QCOMPARE(TransferEngine::ProgressText(3.0, true), QStringLiteral("Complete:100%"));

        LinkHarness chinese;
        chinese.engine.SetEnglish(false);
        QVERIFY(chinese.engine.StartWrite(QString(), {}));
        QCOMPARE(chinese.Run().message, QString::fromUtf8("写频成功"));
        QVERIFY(std::any_of(chinese.progress.begin(), chinese.progress.end(), [](const auto& p) {
            return p.second == QString::fromUtf8("完成进度:10%");
        }));
    }

    void zeroDivisorNeverDivides() {
        LinkHarness h;
        h.radio.Header()[3] = 0; // no settings block reported
        h.radio.SetHeaderCounts(10, 0, 1);
        QVERIFY(h.engine.StartRead(QString()));
        QCOMPARE(h.Run().outcome, kOk);
        for (std::size_t i = 0; i + 1 < h.progress.size(); ++i)
            QCOMPARE(h.progress[i].first, 0.0);
        QCOMPARE(h.progress.back().second, QStringLiteral("Complete:100%"));

        LinkHarness negative;
        negative.radio.SetHeaderCounts(10, -50, -50);
        QVERIFY(negative.engine.StartWrite(QString(), {}));
        QCOMPARE(negative.Run().outcome, kOk);
        for (const auto& p : negative.progress)
            QVERIFY(p.first >= 0.0 && p.first <= 1.0);
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
        QCOMPARE(h.codeplug.DataVersion, 1);
        QCOMPARE(h.codeplug.ChannelCount, 17);
        QCOMPARE(h.RequestCodes(), QStringList{"1 0 0"});
        QVERIFY(!h.codeplug.LinkSucceeded);
    }

    void passwordRules_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("same") << 123 << "123" << true;
        QTest::newRow("three zeros") << 123 << "000123" << true;
        QTest::newRow("one more digit") << 123 << "1234" << false;
        QTest::newRow("empty") << 123 << "" << false;
        QTest::newRow("zero, empty") << 0 << "" << false;
        QTest::newRow("zero") << 0 << "000000" << true;
        QTest::newRow("none, any") << -1 << "5" << true;
        QTest::newRow("999999") << 999999 << "1" << true;
        QTest::newRow("999998") << 999998 << "" << false;
    }
    void passwordRules() {
        QFETCH(int, radio);
        QFETCH(QString, entered);
        QFETCH(bool, accepted);
        QCOMPARE(TransferEngine::PasswordAccepted(radio, entered), accepted);
        LinkHarness h;
        h.radio.SetPassword(radio);
        QVERIFY(h.engine.StartRead(entered));
        const LinkResult r = h.Run();
        QCOMPARE(r.Succeeded(), accepted);
        QCOMPARE(h.codeplug.PasswordRejected, !accepted);
        QCOMPARE(h.engine.RadioPassword(), radio);
        if (!accepted)
            QCOMPARE(r.message, QStringLiteral("Password Failure!"));
    }

    void rejectedWriteTouchesNothing() {
        LinkHarness h;
        h.radio.SetPassword(42);
        FillNoisy(h.codeplug, 5);
        Codeplug radioBefore;
        h.radio.SaveTo(radioBefore);
        QVERIFY(h.engine.StartWrite(QStringLiteral("41"), {true, QStringLiteral("1")}));
        QCOMPARE(h.Run().outcome, LinkResult::Outcome::PasswordRejected);
        QCOMPARE(h.RequestCodes(), (QStringList{"1 0 0", "2 3 0"}));
        Codeplug radioAfter;
        h.radio.SaveTo(radioAfter);
        QVERIFY(radioAfter.SameRadioData(radioBefore));
        QCOMPARE(h.radio.Password(), 42);
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
        QTest::newRow("keep none") << -1 << false << "" << -1;
        QTest::newRow("keep odd none") << 1000000 << false << "" << 1000000;
        QTest::newRow("letters") << -1 << true << "12a4" << -2;
        QTest::newRow("seven digits") << -1 << true << "1234567" << -2;
        QTest::newRow("sign") << -1 << true << "-1" << -2;
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
            QVERIFY(h.engine.TakeActions().empty());
            QVERIFY(!h.engine.Running());
            return;
        }
        QVERIFY(h.engine.StartWrite(QString::number(radio), {change, newPassword}));
        QCOMPARE(h.Run().outcome, kOk);
        QCOMPARE(h.radio.Password(), written);
        // The next transfer needs the password just written.
        if (written >= 0 && written < 999999) {
            QVERIFY(h.engine.StartRead(QString::number(written)));
            QCOMPARE(h.Run().outcome, kOk);
            QVERIFY(h.engine.StartRead(QString::number(written + 1)));
            QCOMPARE(h.Run().outcome, LinkResult::Outcome::PasswordRejected);
        }
    }

    void silentResends_data() {
        QTest::addColumn<int>("silent");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("retries");
        QTest::newRow("ten stay silent") << 10 << 0 << 10;
        QTest::newRow("eleventh asks") << 11 << 1 << 0;
    }
    void silentResends() {
        QFETCH(int, silent);
        QFETCH(int, questions);
        QFETCH(int, retries);
        LinkHarness h;
        h.radio.Faults().silentRequests = silent;
        QVERIFY(h.engine.StartRead(QString()));
        QCOMPARE(h.Run().outcome, kOk); // the answer is Retry
        QCOMPARE(int(h.questions.size()), questions);
        QCOMPARE(h.engine.RetryCount(), retries);
        QCOMPARE(int(h.trace.count(QStringLiteral("No Data"))), silent);
        QCOMPARE(int(h.sent.size()) - int(h.radio.Requests().size()), silent);
        QVERIFY(h.now >= silent * 1000); // every wait for silence is a full second
        if (questions)
            QCOMPARE(h.questions.front(), QStringLiteral("Check connection!Retry or cancel?"));
    }

    void goodReplyDoesNotResetCount() {
        LinkHarness h;
        h.radio.Faults().silentRequests = 5;
        QVERIFY(h.engine.StartRead(QString()));
        QCOMPARE(h.Run().outcome, kOk);
        QCOMPARE(h.engine.RetryCount(), 5);
        h.radio.Faults().silentRequests = 6;
        QVERIFY(h.engine.StartRead(QString()));
        QCOMPARE(h.Run().outcome, kOk);
        QCOMPARE(int(h.questions.size()), 1);
    }

    void recoverableFaults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("retries");
        for (const char* fault : {"trailing", "checksum", "direction", "cut", "cut to nothing",
                                  "short", "short identify"})
            QTest::newRow(fault) << fault << 1;
        QTest::newRow("noise") << "noise" << 0;
        QTest::newRow("delay") << "delay" << 0;
    }
    void recoverableFaults() {
        QFETCH(QString, fault);
        QFETCH(int, retries);
        // The fault hits the password check, the settings, a channel, a receive list.
        for (int skip : {0, 1, 3, 40}) {
            LinkHarness h;
            fillRadio(h, 21);
            Codeplug expected;
            h.radio.SaveTo(expected);
            RadioFaults& f = h.radio.Faults();
            f.silentRequests = 0;
            QVERIFY(h.engine.StartRead(QString()));
            h.Pump();
            for (int i = 0; i < skip; ++i) { // reply, then the tick that judges it
                h.Step();
                h.Step();
                h.Pump();
            }
            if (fault == "noise")
                f.noisyReplies = 1;
            else if (fault == "trailing")
                f.trailingReplies = 1;
            else if (fault == "checksum")
                f.badChecksumReplies = 1;
            else if (fault == "direction")
                f.wrongDirectionReplies = 1;
            else if (fault == "cut")
                f.cutReplies = 1;
            else if (fault == "cut to nothing")
                f.cutReplies = 1, f.cutBytes = 1000;
            else if (fault == "short")
                f.shortPayloadReplies = 1;
            else if (fault == "short identify")
                f.shortPayloadReplies = 1, f.shortPayloadValues = 5;
            else
                f.replyDelayMs = 999;
            QCOMPARE(h.Run().outcome, kOk);
            QCOMPARE(h.engine.RetryCount(), retries);
            QCOMPARE(h.codeplug.ChannelCount, expected.ChannelCount);
            QCOMPARE(h.codeplug.RxFreq, expected.RxFreq);
            QCOMPARE(h.codeplug.RxListEntry, expected.RxListEntry);
            QCOMPARE(h.codeplug.ReservedList, expected.ReservedList);
            QCOMPARE(h.codeplug.LocalID, expected.LocalID);
        }
    }

    void tuneTransfers_data() {
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("points");
        QTest::newRow("read 12") << false << 12 << 12;
        QTest::newRow("write 10") << true << 10 << 10;
        QTest::newRow("write 40") << true << 40 << 16;
        QTest::newRow("write 0") << true << 0 << 1;
    }
    void tuneTransfers() {
        QFETCH(bool, write);
        QFETCH(int, reported);
        QFETCH(int, points);
        LinkHarness h;
        fillRadio(h, 13);
        FillNoisy(h.codeplug, 17);
        h.radio.SetHeaderCounts(reported, 32, 8);
        QVERIFY(write ? h.engine.StartWrite(QString(), {}, true)
                      : h.engine.StartRead(QString(), true));
        QCOMPARE(h.Run().outcome, kOk);
        QCOMPARE(h.RequestCodes(), order(write, points, 32, 8, true));
        compareTune(h, points);
        if (write)
            compareRadioWith(h, -1);
        else
            QCOMPARE(h.codeplug.TunePointCount, reported);
        QCOMPARE(h.progress.back().first, 1.0);
        if (!write) { // after the start, tune header, points 0 and 1
            QCOMPARE(h.progress[3].first, 2.0 / 53.0);
            QVERIFY(h.codeplug.TuneFreq[12] != h.radio.Block(B::TunePoint, 12)[0]);
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
        QVERIFY(!h.codeplug.LinkSucceeded);
        QVERIFY(!h.engine.Running());
        h.engine.TimerFired();
        h.engine.BytesReceived(QByteArray::fromHex("5502010000AA"));
        QVERIFY(h.engine.TakeActions().empty());
        QVERIFY(h.engine.StartRead(QString()));
        QCOMPARE(h.Run().outcome, kOk);
        QVERIFY(h.codeplug.LinkSucceeded);
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
