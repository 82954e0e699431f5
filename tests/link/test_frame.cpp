#include "link/frame_codec.h"
#include "link/reply_gatherer.h"

#include <QTest>

using namespace zr40;

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

ReplyVerdict judge(const QList<QByteArray>& groups, ReplyGatherer* out = nullptr) {
    ReplyGatherer gatherer;
    gatherer.Restart();
    for (const QByteArray& g : groups)
        gatherer.Gather(g);
    if (out)
        *out = gatherer;
    return gatherer.Judge();
}
} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void identifyFrame() {
        const QByteArray frame =
            FrameCodec::BuildRequest(CommandClass::Identify, BlockType::None, 0);
        QCOMPARE(frame, hex("5501010000 02AA"));
        QCOMPARE(FrameCodec::TxTraceLine(frame), QStringLiteral("TX:55 1 1 0 0 2 AA "));
    }

    void stuffing_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("index 17") << FrameCodec::BuildRequest(CommandClass::ReadBlock,
                                                              BlockType::Channel, 17)
                                  << hex("5501 02 04 1122 18 AA");
        QTest::newRow("payload 85")
            << FrameCodec::BuildRequest(CommandClass::WriteBlock, BlockType::RxList, 0, {85})
            << hex("5501 03 05 00 1166000000 5E AA");
        QTest::newRow("payload -1")
            << FrameCodec::BuildRequest(CommandClass::WriteBlock, BlockType::RxList, 0, {-1})
            << hex("5501 03 05 00 FFFFFFFF 05 AA");
        QTest::newRow("payload 17")
            << FrameCodec::BuildRequest(CommandClass::WriteBlock, BlockType::RxList, 0, {17})
            << hex("5501 03 05 00 1122000000 1A AA");
        QTest::newRow("checksum 0x11")
            << FrameCodec::BuildRequest(CommandClass::WriteBlock, BlockType::RxList, 0, {8})
            << hex("5501 03 05 00 08000000 1122 AA");
        QTest::newRow("payload 0xAA")
            << FrameCodec::BuildRequest(CommandClass::WriteBlock, BlockType::RxList, 0, {0xAA})
            << hex("5501 03 05 00 11BB000000 B3 AA");
        QTest::newRow("checksum 0x55")
            << FrameCodec::BuildRequest(CommandClass::WriteBlock, BlockType::RxList, 0, {0x4C})
            << hex("5501 03 05 00 4C000000 1166 AA");
    }
    void stuffing() {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
        // Start and end bytes are the only 55 and AA on the wire.
        QCOMPARE(frame.count(char(0x55)), 1);
        QCOMPARE(frame.count(char(0xAA)), 1);
    }

    void bigEndianLong() {
        QByteArray frame;
        FrameCodec::AppendLong(frame, 0x01020355, false);
        QCOMPARE(frame, hex("010203 1166"));
    }

    void readLongRoundTrip_data() {
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("plain") << QList<int>{1, 2, 3};
        QTest::newRow("negative") << QList<int>{-1, -2, INT_MIN, INT_MAX};
        QTest::newRow("escapes") << QList<int>{0x11111111, 0x55555555, int(0xAAAAAAAA), 0x11AA5500};
    }
    void readLongRoundTrip() {
        QFETCH(QList<int>, values);
        const std::vector<Long> payload(values.begin(), values.end());
        const QByteArray reply =
            FrameCodec::BuildReply(CommandClass::ReadBlock, BlockType::Channel, 0x11, payload);
        const ReplyVerdict verdict = judge({reply});
        QCOMPARE(verdict.kind, ReplyVerdict::Kind::Good);
        QCOMPARE(FrameCodec::PayloadCount(verdict.unstuffed), int(values.size()));
        for (int k = 0; k < values.size(); ++k)
            QCOMPARE(FrameCodec::ReadLong(verdict.unstuffed, k).value(), values[k]);
        QVERIFY(!FrameCodec::ReadLong(verdict.unstuffed, int(values.size())).has_value());
        QVERIFY(!FrameCodec::ReadLong(verdict.unstuffed, -1).has_value());
    }

    void stuffedChecksumAccepted() {
        // 02 + 02 + 05 + 00 + 4C = 55: the reply's checksum travels as 11 66.
        const QByteArray reply =
            FrameCodec::BuildReply(CommandClass::ReadBlock, BlockType::RxList, 0, {0x4C});
        QVERIFY(reply.endsWith(hex("1166AA")));
        const ReplyVerdict verdict = judge({reply});
        QCOMPARE(verdict.kind, ReplyVerdict::Kind::Good);
        // The walk over stuffed bytes reports the second byte of the pair.
        QCOMPARE(verdict.computedSum, 0x66);
        QCOMPARE(verdict.receiveLen, int(reply.size()));
    }

    void noiseBeforeStartNotCounted() {
        const QByteArray reply = FrameCodec::BuildReply(CommandClass::Identify, BlockType::None, 0,
                                                        {1, 1, 10, 1, 32, 8, 8});
        ReplyGatherer g;
        const ReplyVerdict verdict = judge({hex("00137F") + reply}, &g);
        QCOMPARE(verdict.kind, ReplyVerdict::Kind::Good);
        QCOMPARE(g.RxCount(), int(reply.size()));
        QVERIFY(g.TraceLine().startsWith(QStringLiteral("RX:0 13 7F 55 2 1 0 0 1 0 0 0 ")));
    }

    void bytesAfterEndInSameGroupCountAndFail() {
        const QByteArray reply =
            FrameCodec::BuildReply(CommandClass::Commit, BlockType::Settings, 0);
        ReplyGatherer g;
        QCOMPARE(judge({reply + hex("00")}, &g).kind, ReplyVerdict::Kind::Bad);
        QCOMPARE(g.RxCount(), int(reply.size()) + 1);
    }

    void bytesAfterEndInLaterGroupNotCounted() {
        const QByteArray reply =
            FrameCodec::BuildReply(CommandClass::Commit, BlockType::Settings, 0);
        ReplyGatherer g;
        QCOMPARE(judge({reply, hex("0013")}, &g).kind, ReplyVerdict::Kind::Good);
        QCOMPARE(g.RxCount(), int(reply.size()));
    }

    void byteByByteGroups() {
        const QByteArray reply = FrameCodec::BuildReply(CommandClass::ReadBlock,
                                                        BlockType::TunePoint, 3, {0x55AA11, -7});
        ReplyGatherer g;
        g.Restart();
        int ends = 0;
        for (char c : reply)
            ends += g.Gather(QByteArray(1, c)) ? 1 : 0;
        QCOMPARE(ends, 1);
        QCOMPARE(g.Judge().kind, ReplyVerdict::Kind::Good);
        QVERIFY(!g.FrameStarted());
    }

    void badReplies_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        const QByteArray good =
            FrameCodec::BuildReply(CommandClass::ReadBlock, BlockType::RxList, 2, {5, 6});
        QByteArray badSum = good;
        badSum[badSum.size() - 2] = char(badSum.at(badSum.size() - 2) + 1);
        const QByteArray wrongDirection =
            FrameCodec::BuildRequest(CommandClass::ReadBlock, BlockType::RxList, 2, {5, 6});
        QTest::newRow("checksum") << badSum << int(ReplyVerdict::Kind::Bad);
        QTest::newRow("direction") << wrongDirection << int(ReplyVerdict::Kind::Bad);
        QTest::newRow("cut before end")
            << good.left(good.size() - 1) << int(ReplyVerdict::Kind::Bad);
        QTest::newRow("cut after 3") << good.left(3) << int(ReplyVerdict::Kind::NoData);
        QTest::newRow("noise only") << hex("0102030405") << int(ReplyVerdict::Kind::NoData);
        QTest::newRow("nothing") << QByteArray() << int(ReplyVerdict::Kind::NoData);
    }
    void badReplies() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QCOMPARE(int(judge({bytes}).kind), kind);
    }

    void overlongReplyIsCappedAndBad() {
        ReplyGatherer g;
        g.Restart();
        g.Gather(hex("5502") + QByteArray(5000, char(0x01)));
        QCOMPARE(g.RxCount(), ReplyGatherer::kMaxReplyBytes);
        QVERIFY(g.Overflowed());
        QCOMPARE(g.Judge().kind, ReplyVerdict::Kind::Bad);
        QVERIFY(g.TraceLine().size() < 8 * ReplyGatherer::kMaxReplyBytes);
    }

    void fullyStuffedSettingsReplyFits() {
        // The longest reply there can be: 96 values made only of bytes that need escaping.
        const std::vector<Long> payload(96, 0x11551155);
        const QByteArray reply =
            FrameCodec::BuildReply(CommandClass::ReadBlock, BlockType::Settings, 0, payload);
        QVERIFY(reply.size() > 501);
        ReplyGatherer g;
        QCOMPARE(judge({reply}, &g).kind, ReplyVerdict::Kind::Good);
        QVERIFY(!g.Overflowed());
    }

    void restartKeepsStartedFrame() {
        // A reply cut before its end byte leaves the frame open: the next group keeps counting.
        ReplyGatherer g;
        g.Restart();
        g.Gather(hex("550201"));
        g.Restart();
        QVERIFY(g.FrameStarted());
        g.Gather(hex("00"));
        QCOMPARE(g.RxCount(), 1);
    }
};

QTEST_APPLESS_MAIN(TestFrame)
#include "test_frame.moc"
