// The virtual radio the link tests talk to: its answers in process, and zr40-sim as a program
// (its device, its symlink, its options and the way it ends).

#include "link/frame_codec.h"
#include "link/reply_gatherer.h"
#include "sim/virtual_radio.h"
#include "test_serial_sim.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

using namespace zr40;
using namespace zr40::test;

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

// Sends an identify request through a plain serial port; the header values of the reply.
std::vector<Long> IdentifyOver(const QString& device) {
    QSerialPort port(device);
    if (!port.open(QIODevice::ReadWrite))
        return {};
    port.write(FrameCodec::BuildRequest(CommandClass::Identify, BlockType::None, 0));
    QByteArray reply;
    while (!reply.endsWith(char(FrameCodec::kEnd)) && port.waitForReadyRead(10000))
        reply += port.readAll();
    return values(FrameCodec::Unstuff(reply));
}
} // namespace

class TestVirtualRadio : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
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

    void answersOnThePrintedDeviceAndTheLink() {
        // A stale link is replaced, and removed again at the end.
        const QString link = Path("radio-link");
        QVERIFY(QFile::link("/dev/zr40-gone", link));
        SimProcess sim;
        QVERIFY(sim.Start(
            {"--link", link, "--header-counts", "1,1,10,1,5,3,8", "--data-version", "2"}));
        QVERIFY(sim.device().startsWith("/dev/pts/"));
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.device());
        QCOMPARE(IdentifyOver(link), (std::vector<Long>{2, 1, 10, 1, 5, 3, 8}));
        ::kill(sim.process.processId(), SIGINT);
        QVERIFY(sim.process.waitForFinished(10000));
        QCOMPARE(sim.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void refusesBadOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown") << QStringList{"--frobnicate"} << 2 << "";
        QTest::newRow("negative delay") << QStringList{"--delay", "-5"} << 2 << "";
        QTest::newRow("adapter latency not a number")
            << QStringList{"--adapter-latency", "fast"} << 2 << "--adapter-latency";
        QTest::newRow("header too long")
            << QStringList{"--header-counts", "1,1,1,1,1,1,1,1"} << 2 << "";
        QTest::newRow("link over a file")
            << QStringList{"--link", "plain-file"} << 1 << "not a symlink";
        QTest::newRow("memory not a radio file")
            << QStringList{"--memory", "plain-file"} << 1 << "plain-file";
    }
    void refusesBadOptions() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        const QString plain = Path("plain-file");
        QVERIFY(WriteFile(plain, "keep me"));
        arguments.replaceInStrings(QRegularExpression("^plain-file$"), plain);
        QProcess sim;
        sim.start(SimProgram(), arguments);
        QVERIFY(sim.waitForFinished(10000));
        QCOMPARE(sim.exitCode(), code);
        const QString errors = QString::fromLocal8Bit(sim.readAllStandardError());
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QCOMPARE(ReadFile(plain), QByteArray("keep me"));
    }
};

QTEST_GUILESS_MAIN(TestVirtualRadio)
#include "test_virtual_radio.moc"
