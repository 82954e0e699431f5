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
    void identifyAndReads() {
        Codeplug c;
        c.ApplyNewDefaults();
        c.RxFreq[17] = 0x55AA1100;
        c.QuiteLevel[17] = 4;
        c.HeaderCount3 = 1;
        VirtualRadio radio;
        radio.LoadFrom(c, 123);
        radio.SetHeaderCounts(10, 32, 8);
        radio.SetDataVersion(3);
        QCOMPARE(values(ask(radio, request(C::Identify))),
                 (std::vector<Long>{3, 1, 10, 1, 32, 8, 8}));
        const QByteArray reply = ask(radio, request(C::ReadBlock, B::Channel, 17));
        QCOMPARE(quint8(reply.at(4)), quint8(17));
        QCOMPARE(values(reply), MemoryMap::Payload(c, B::Channel, 17, -1, false));
        QCOMPARE(values(ask(radio, request(C::ReadBlock, B::Settings)))[26], 123);
        // An unknown block is answered, without values.
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

QTEST_APPLESS_MAIN(TestVirtualRadio)
#include "test_virtual_radio.moc"
