// The wire: frames and their stuffing, the gathering and judging of replies, the values of each
// block at their wire positions, and what the virtual radio does with requests.

#include "link/frame_codec.h"
#include "link/memory_map.h"
#include "link/reply_gatherer.h"
#include "sim/virtual_radio.h"

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

using C = CommandClass;
using B = BlockType;

Codeplug fresh() {
    Codeplug c;
    c.ApplyNewDefaults();
    return c;
}

QByteArray request(C command, B block = B::None, int index = 0, std::vector<Long> payload = {}) {
    return FrameCodec::BuildRequest(command, block, quint8(index), payload);
}

// The single reply to one request, unstuffed and checked.
QByteArray ask(VirtualRadio& radio, const QByteArray& bytes) {
    const auto replies = radio.Receive(bytes);
    if (replies.size() != 1)
        return {};
    ReplyGatherer g;
    g.Restart();
    g.Gather(replies.front().bytes);
    const ReplyVerdict verdict = g.Judge();
    return verdict.kind == ReplyVerdict::Kind::Good ? verdict.unstuffed : QByteArray();
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

    // Values at their wire positions: settings (with the password at 26) and channel 18 (the
    // quiet level goes out as 0 but is read back as the radio holds it).
    void positions() {
        Codeplug c = fresh();
        c.LocalID = 4711;
        c.IdleTime[3] = 33;
        c.KeyDefine[15] = 9;
        c.OptionTOT = 60;
        c.OptionReserved2 = 72;
        c.SleepPoint[0] = 1000;
        c.VoxDelay = 50;
        c.ReservedList[31] = 95;
        const int n = 17;
        c.RxFreq[n] = 438500000;
        c.TxDcs[n] = 0x800123;
        c.ScrambleType[n] = 3;
        c.RxKey[4 * n + 3] = 0x1234;
        c.TxKey[4 * n] = int(0xABCD0000);
        c.QuiteLevel[n] = 3;
        c.CallTypeTxID[n] = 0x800001;
        const auto settings = MemoryMap::Payload(c, B::Settings, 0, 123456);
        // clang-format off
        for (auto [index, value] : {std::pair{0, 4711}, {6, 33}, {24, 9}, {25, 60}, {26, 123456},
             {27, 72}, {35, 1000}, {63, 50}, {95, 95}})
            // clang-format on
            QCOMPARE(settings[index], value);
        const auto channel = MemoryMap::Payload(c, B::Channel, n);
        // clang-format off
        for (auto [index, value] : {std::pair{1, 438500000}, {6, 0x800123}, {13, 3}, {18, 0x1234},
             {20, int(0xABCD0000)}, {25, 0}, {29, 0x800001}})
            // clang-format on
            QCOMPARE(channel[index], value);
        QCOMPARE(MemoryMap::Payload(c, B::Channel, n, -1, false)[25], 3);
        // The password read from the radio is never stored in the codeplug.
        const Codeplug before = c;
        std::vector<Long> values = settings;
        values[26] = 4242;
        MemoryMap::Store(c, B::Settings, 0, values);
        QVERIFY(c.SameRadioData(before));
        std::vector<Long> read = channel;
        read[25] = 7;
        MemoryMap::Store(c, B::Channel, n, read);
        QCOMPARE(c.QuiteLevel[n], 7);
        QCOMPARE(c.RxKeyLength[n], 32);
        QCOMPARE(c.TxKeyLength[n], 4);
    }

    void outOfRangeAndOddSizes() {
        Codeplug c = fresh();
        const Codeplug before = c;
        for (auto [type, index] : {std::pair{B::Channel, 32}, std::pair{B::Channel, -1},
                                   std::pair{B::RxList, 8}, std::pair{B::TunePoint, 16}}) {
            QVERIFY(MemoryMap::Payload(c, type, index).empty());
            MemoryMap::Store(c, type, index, std::vector<Long>(96, 77));
        }
        QVERIFY(c.SameRadioData(before));
        QCOMPARE(c.ChannelType[32], before.ChannelType[32]);
        QCOMPARE(c.TuneFreq[16], before.TuneFreq[16]);
        MemoryMap::Store(c, B::RxList, 7, {1, 2, 3});
        QCOMPARE(c.RxListEntry[58], 3);
        QCOMPARE(c.RxListEntry[59], -1); // not sent, not touched
        MemoryMap::Store(c, B::RxList, 6, std::vector<Long>(20, 5));
        QCOMPARE(c.RxListEntry[55], 5);
        QCOMPARE(c.RxListEntry[56], 1); // the surplus did not spill into the next list
    }
    // Reads of the memory are the transfer tests'; here what only the radio decides: a block
    // it does not have is answered without values.
    void unknownBlockAnsweredEmpty() {
        VirtualRadio radio;
        const QByteArray unknown = ask(radio, request(C::ReadBlock, B::Channel, 40));
        QVERIFY(!unknown.isEmpty());
        QCOMPARE(FrameCodec::PayloadCount(unknown), 0);
    }

    void writeTakesEffectOnlyOnCommit() {
        VirtualRadio radio;
        const std::vector<Long> list{1, 2, 3, 4, 5, 6, 7, 8};
        const auto before = radio.Block(B::RxList, 3);
        QVERIFY(!ask(radio, request(C::WriteBlock, B::RxList, 3, list)).isEmpty());
        QCOMPARE(radio.Block(B::RxList, 3), before);
        // A commit for another block does not apply the staged one, and drops it.
        ask(radio, request(C::Commit, B::RxList, 4));
        ask(radio, request(C::Commit, B::RxList, 3));
        QCOMPARE(radio.Block(B::RxList, 3), before);
        ask(radio, request(C::WriteBlock, B::RxList, 3, list));
        ask(radio, request(C::Commit, B::RxList, 3));
        QCOMPARE(radio.Block(B::RxList, 3), list);
        ask(radio, request(C::EndOfWrite));
        QCOMPARE(radio.EndOfWriteCount(), 1);
    }

    void badRequestsIgnored() {
        VirtualRadio radio;
        QVERIFY(radio.Receive(request(C::WriteBlock, B::RxList, 0, {1, 2})).empty());
        QVERIFY(radio.Receive(request(C::WriteBlock, B::RxList, 9, std::vector<Long>(8))).empty());
        const auto taken = radio.Requests().size(); // well-formed, though refused
        QByteArray frame = request(C::Identify);
        frame[frame.size() - 2] = char(0x03);
        QVERIFY(radio.Receive(frame).empty());
        QVERIFY(radio.Receive(FrameCodec::BuildReply(C::Identify, B::None, 0)).empty());
        QCOMPARE(radio.Requests().size(), taken);
    }

    void requestsMayArriveInPieces() {
        VirtualRadio radio;
        const QByteArray frame = request(C::ReadBlock, B::TunePoint, 2);
        int replies = 0;
        for (char c : QByteArray("\x01\x02", 2) + frame)
            replies += int(radio.Receive(QByteArray(1, c)).size());
        QCOMPARE(replies, 1);
        QCOMPARE(int(radio.Receive(frame + frame).size()), 2); // two in one group get two
    }
};

QTEST_APPLESS_MAIN(TestFrame)
#include "test_frame.moc"
