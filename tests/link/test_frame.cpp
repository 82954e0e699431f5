#include "link/frame_codec.h"
#include "link/reply_gatherer.h"

#include <QTest>

using namespace zr40;

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

QByteArray writeList(int value) {
    return FrameCodec::BuildRequest(CommandClass::WriteBlock, BlockType::RxList, 0, {value});
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
    void stuffing_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("index 17") << FrameCodec::BuildRequest(CommandClass::ReadBlock,
                                                              BlockType::Channel, 17)
                                  << hex("5501 02 04 1122 18 AA");
        QTest::newRow("payload 85") << writeList(85) << hex("5501 03 05 00 1166000000 5E AA");
        QTest::newRow("payload 17") << writeList(17) << hex("5501 03 05 00 1122000000 1A AA");
        QTest::newRow("payload 0xAA") << writeList(0xAA) << hex("5501 03 05 00 11BB000000 B3 AA");
        QTest::newRow("checksum 0x11") << writeList(8) << hex("5501 03 05 00 08000000 1122 AA");
        QTest::newRow("checksum 0x55") << writeList(0x4C) << hex("5501 03 05 00 4C000000 1166 AA");
    }
    void stuffing() {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
    }

    void readLongRoundTrip() {
        const std::vector<Long> payload{-1,         INT_MIN,         INT_MAX,   0x11111111,
                                        0x55555555, int(0xAAAAAAAA), 0x11AA5500};
        const ReplyVerdict verdict = judge(
            {FrameCodec::BuildReply(CommandClass::ReadBlock, BlockType::Channel, 0x11, payload)});
        QCOMPARE(verdict.kind, ReplyVerdict::Kind::Good);
        QCOMPARE(FrameCodec::PayloadCount(verdict.unstuffed), int(payload.size()));
        for (int k = 0; k < int(payload.size()); ++k)
            QCOMPARE(FrameCodec::ReadLong(verdict.unstuffed, k).value(), payload[k]);
        for (int k : {-1, int(payload.size())})
            QVERIFY(!FrameCodec::ReadLong(verdict.unstuffed, k).has_value());
    }

    void stuffedChecksumAccepted() {
        // 02 + 02 + 05 + 00 + 4C = 55: the reply's checksum travels as 11 66.
        const QByteArray reply =
            FrameCodec::BuildReply(CommandClass::ReadBlock, BlockType::RxList, 0, {0x4C});
        QVERIFY(reply.endsWith(hex("1166AA")));
        const ReplyVerdict verdict = judge({reply});
        QCOMPARE(verdict.kind, ReplyVerdict::Kind::Good);
        QCOMPARE(verdict.computedSum, 0x66); // the second byte of the stuffed pair
        QCOMPARE(verdict.receiveLen, int(reply.size()));
    }

    void noiseAndTrailingBytes() {
        const QByteArray reply = FrameCodec::BuildReply(CommandClass::Identify, BlockType::None, 0,
                                                        {1, 1, 10, 1, 32, 8, 8});
        ReplyGatherer g;
        // Noise before the start byte is neither counted nor harmful.
        QCOMPARE(judge({hex("00137F") + reply}, &g).kind, ReplyVerdict::Kind::Good);
        QCOMPARE(g.RxCount(), int(reply.size()));
        QVERIFY(g.TraceLine().startsWith(QStringLiteral("RX:0 13 7F 55 2 1 0 0 1 0 0 0 ")));
        // Bytes after the end in the same group count and spoil the reply; in a later group not.
        QCOMPARE(judge({reply + hex("00")}, &g).kind, ReplyVerdict::Kind::Bad);
        QCOMPARE(g.RxCount(), int(reply.size()) + 1);
        QCOMPARE(judge({reply, hex("0013")}, &g).kind, ReplyVerdict::Kind::Good);
        QCOMPARE(g.RxCount(), int(reply.size()));
    }

    void badReplies() {
        const QByteArray good =
            FrameCodec::BuildReply(CommandClass::ReadBlock, BlockType::RxList, 2, {5, 6});
        QByteArray badSum = good;
        badSum[badSum.size() - 2] = char(badSum.at(badSum.size() - 2) + 1);
        const QByteArray request =
            FrameCodec::BuildRequest(CommandClass::ReadBlock, BlockType::RxList, 2, {5, 6});
        using K = ReplyVerdict::Kind;
        for (const auto& [bytes, kind] : {std::pair{badSum, K::Bad},
                                          {request, K::Bad},
                                          {good.left(good.size() - 1), K::Bad},
                                          {good.left(3), K::NoData},
                                          {hex("0102030405"), K::NoData},
                                          {QByteArray(), K::NoData}})
            QCOMPARE(judge({bytes}).kind, kind);
    }

    void replyLengthGuard() {
        ReplyGatherer g;
        g.Restart();
        g.Gather(hex("5502") + QByteArray(5000, char(0x01)));
        QCOMPARE(g.RxCount(), ReplyGatherer::kMaxReplyBytes);
        QVERIFY(g.Overflowed());
        QCOMPARE(g.Judge().kind, ReplyVerdict::Kind::Bad);
        QVERIFY(g.TraceLine().size() < 8 * ReplyGatherer::kMaxReplyBytes);
        // The longest real reply, 96 values of bytes that all need escaping, still fits.
        const QByteArray longest = FrameCodec::BuildReply(
            CommandClass::ReadBlock, BlockType::Settings, 0, std::vector<Long>(96, 0x11551155));
        QCOMPARE(judge({longest}, &g).kind, ReplyVerdict::Kind::Good);
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
