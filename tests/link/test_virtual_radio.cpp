#include "link/frame_codec.h"
#include "link/memory_map.h"
#include "link/reply_gatherer.h"
#include "sim/virtual_radio.h"

#include <QTest>

using namespace zr40;

namespace {
using C = CommandClass;
using B = BlockType;

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

std::vector<Long> values(const QByteArray& reply) {
    std::vector<Long> v;
    for (int k = 0; k < FrameCodec::PayloadCount(reply); ++k)
        v.push_back(*FrameCodec::ReadLong(reply, k));
    return v;
}
} // namespace

class TestVirtualRadio : public QObject {
    Q_OBJECT
private slots:
    void identify() {
        VirtualRadio radio;
        radio.SetHeaderCounts(10, 32, 8);
        const QByteArray reply = ask(radio, request(C::Identify));
        QCOMPARE(values(reply), (std::vector<Long>{1, 1, 10, 1, 32, 8, 8}));
        QCOMPARE(quint8(reply.at(2)), quint8(0x01));
    }

    void readsItsBlocks() {
        Codeplug c;
        c.ApplyNewDefaults();
        c.RxFreq[17] = 0x55AA1100;
        c.QuiteLevel[17] = 4;
        VirtualRadio radio;
        radio.LoadFrom(c, 123);
        const QByteArray reply = ask(radio, request(C::ReadBlock, B::Channel, 17));
        QCOMPARE(quint8(reply.at(4)), quint8(17));
        QCOMPARE(values(reply), MemoryMap::Payload(c, B::Channel, 17, -1, false));
        QCOMPARE(values(ask(radio, request(C::ReadBlock, B::Settings)))[26], 123);
        QCOMPARE(radio.Password(), 123);
    }

    void unknownBlockAnsweredWithoutValues() {
        VirtualRadio radio;
        const QByteArray reply = ask(radio, request(C::ReadBlock, B::Channel, 40));
        QVERIFY(!reply.isEmpty());
        QCOMPARE(FrameCodec::PayloadCount(reply), 0);
    }

    void writeTakesEffectOnlyOnCommit() {
        VirtualRadio radio;
        const std::vector<Long> list{1, 2, 3, 4, 5, 6, 7, 8};
        const auto before = radio.Block(B::RxList, 3);
        QVERIFY(!ask(radio, request(C::WriteBlock, B::RxList, 3, list)).isEmpty());
        QCOMPARE(radio.Block(B::RxList, 3), before);
        // A commit for another block does not apply the staged one, and drops it.
        ask(radio, request(C::Commit, B::RxList, 4));
        QCOMPARE(radio.Block(B::RxList, 3), before);
        ask(radio, request(C::Commit, B::RxList, 3));
        QCOMPARE(radio.Block(B::RxList, 3), before);

        ask(radio, request(C::WriteBlock, B::RxList, 3, list));
        ask(radio, request(C::Commit, B::RxList, 3));
        QCOMPARE(radio.Block(B::RxList, 3), list);
        ask(radio, request(C::EndOfWrite));
        QCOMPARE(radio.EndOfWriteCount(), 1);
    }

    void writeOfWrongSizeIsIgnored() {
        VirtualRadio radio;
        QVERIFY(radio.Receive(request(C::WriteBlock, B::RxList, 0, {1, 2})).empty());
        QVERIFY(radio.Receive(request(C::WriteBlock, B::RxList, 9, std::vector<Long>(8))).empty());
    }

    void requestsMayArriveInPieces() {
        VirtualRadio radio;
        const QByteArray frame = request(C::ReadBlock, B::TunePoint, 2);
        std::vector<RadioReply> replies;
        for (char c : QByteArray("\x01\x02", 2) + frame)
            for (const RadioReply& r : radio.Receive(QByteArray(1, c)))
                replies.push_back(r);
        QCOMPARE(int(replies.size()), 1);
        // Two requests in one group get two replies.
        QCOMPARE(int(radio.Receive(frame + frame).size()), 2);
    }

    void badRequestsIgnored() {
        VirtualRadio radio;
        QByteArray frame = request(C::Identify);
        frame[frame.size() - 2] = char(0x03);
        QVERIFY(radio.Receive(frame).empty());
        QVERIFY(radio.Receive(FrameCodec::BuildReply(C::Identify, B::None, 0)).empty());
        QVERIFY(radio.Requests().empty());
    }

    void faults() {
        VirtualRadio radio;
        const QByteArray identify = request(C::Identify);
        radio.Faults().silentRequests = 2;
        QVERIFY(radio.Receive(identify).empty());
        QVERIFY(radio.Receive(identify).empty());
        QCOMPARE(int(radio.Receive(identify).size()), 1);

        auto verdictOf = [&radio, &identify]() {
            ReplyGatherer g;
            g.Restart();
            g.Gather(radio.Receive(identify).front().bytes);
            return g.Judge().kind;
        };
        radio.Faults().badChecksumReplies = 1;
        QCOMPARE(verdictOf(), ReplyVerdict::Kind::Bad);
        radio.Faults().wrongDirectionReplies = 1;
        QCOMPARE(verdictOf(), ReplyVerdict::Kind::Bad);
        radio.Faults().trailingReplies = 1;
        QCOMPARE(verdictOf(), ReplyVerdict::Kind::Bad);
        radio.Faults().cutReplies = 1;
        QCOMPARE(verdictOf(), ReplyVerdict::Kind::Bad);
        radio.Faults().noisyReplies = 1;
        QCOMPARE(verdictOf(), ReplyVerdict::Kind::Good);
        QCOMPARE(verdictOf(), ReplyVerdict::Kind::Good);

        radio.Faults().shortPayloadReplies = 1;
        QCOMPARE(FrameCodec::PayloadCount(ask(radio, identify)), 1);
        QCOMPARE(FrameCodec::PayloadCount(ask(radio, identify)), 7);

        radio.Faults().replyDelayMs = 40;
        QCOMPARE(radio.Receive(identify).front().delayMs, 40);
    }

    void dataVersion() {
        VirtualRadio radio;
        radio.SetDataVersion(3);
        QCOMPARE(values(ask(radio, request(C::Identify)))[0], 3);
    }

    void loadAndSaveCodeplug() {
        Codeplug c;
        c.ApplyNewDefaults();
        c.HeaderCount3 = 1;
        c.LocalID = 99;
        c.TuneFreq[15] = 470000000;
        c.QuiteLevel[31] = 2;
        c.RxKey[0] = 0x12340000;
        c.DeriveKeyLengths(0);
        VirtualRadio radio;
        radio.LoadFrom(c, 555);
        Codeplug back;
        radio.SaveTo(back);
        QVERIFY(back.SameRadioData(c));
        QCOMPARE(back.RxKeyLength[0], 4);
        QCOMPARE(radio.Password(), 555);
    }

    void wirePacing() {
        QCOMPARE(VirtualRadio::WireMicroseconds(11520), qint64(1000000));
        QCOMPARE(VirtualRadio::WireMicroseconds(7), qint64(607));
        QCOMPARE(VirtualRadio::WireMicroseconds(10, 0), qint64(0));
    }
};

QTEST_APPLESS_MAIN(TestVirtualRadio)
#include "test_virtual_radio.moc"
