// zr40-sim as a program: its device, its symlink, its options, its memory file and the way it
// ends. The radio's answers themselves are the virtual radio's and are tested there.

#include "link/frame_codec.h"
#include "test_serial_sim.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace zr40;
using namespace zr40::test;

namespace {

// The client end of the cable, kept as plain as possible.
class RawPort {
public:
    explicit RawPort(const QString& device) {
        fd_ = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY);
        if (fd_ >= 0) {
            termios mode{};
            tcgetattr(fd_, &mode);
            cfmakeraw(&mode);
            tcsetattr(fd_, TCSANOW, &mode);
        }
    }
    ~RawPort() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }
    bool Write(const QByteArray& bytes) {
        return ::write(fd_, bytes.constData(), bytes.size()) == bytes.size();
    }
    // Bytes up to and including an end byte; empty when the line stays quiet or hangs up.
    QByteArray ReadFrame(int timeoutMs = 10000) {
        QByteArray frame;
        while (!frame.endsWith(char(FrameCodec::kEnd))) {
            pollfd wait{fd_, POLLIN, 0};
            if (::poll(&wait, 1, timeoutMs) <= 0 || !(wait.revents & POLLIN))
                return {};
            char chunk[512];
            const ssize_t n = ::read(fd_, chunk, sizeof chunk);
            if (n <= 0)
                return {};
            frame.append(chunk, n);
        }
        return frame;
    }
    // True once the other side has gone: poll reports a hang-up or a read fails.
    bool HungUp(int timeoutMs = 10000) {
        pollfd wait{fd_, POLLIN, 0};
        if (::poll(&wait, 1, timeoutMs) <= 0)
            return false;
        if (wait.revents & (POLLHUP | POLLERR))
            return true;
        char byte;
        return ::read(fd_, &byte, 1) <= 0;
    }

private:
    int fd_ = -1;
};

QByteArray Identify() {
    return FrameCodec::BuildRequest(CommandClass::Identify, BlockType::None, 0);
}

std::vector<Long> HeaderOf(const QByteArray& reply) {
    const QByteArray unstuffed = FrameCodec::Unstuff(reply);
    std::vector<Long> values;
    for (int k = 0; k < FrameCodec::PayloadCount(unstuffed); ++k)
        values.push_back(FrameCodec::ReadLong(unstuffed, k).value_or(-999));
    return values;
}

int RunSimToEnd(const QStringList& arguments, QString* errors = nullptr) {
    QProcess sim;
    sim.start(SimProgram(), arguments);
    if (!sim.waitForFinished(10000)) {
        sim.kill();
        sim.waitForFinished();
        return -1;
    }
    if (errors)
        *errors = QString::fromLocal8Bit(sim.readAllStandardError());
    return sim.exitCode();
}

} // namespace

class TestSimServer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }

    void answersOnThePrintedDevice() {
        SimProcess sim;
        QVERIFY(sim.Start({}));
        QVERIFY(sim.device().startsWith("/dev/pts/"));
        RawPort port(sim.device());
        QVERIFY(port.isOpen());
        QVERIFY(port.Write(Identify()));
        const QByteArray reply = port.ReadFrame();
        QVERIFY(reply.startsWith(QByteArray::fromHex("550201")));
        QCOMPARE(HeaderOf(reply).size(), std::size_t(7));
        QCOMPARE(HeaderOf(reply)[0], 1);
        QCOMPARE(sim.Stop(), 0);
    }

    void headerOptionsShapeTheIdentifyReply() {
        SimProcess sim;
        QVERIFY(sim.Start({"--header-counts", "1,1,10,1,5,3,8", "--data-version", "2"}));
        RawPort port(sim.device());
        QVERIFY(port.Write(Identify()));
        const std::vector<Long> expected{2, 1, 10, 1, 5, 3, 8};
        QCOMPARE(HeaderOf(port.ReadFrame()), expected);
    }

    void linkPointsToTheDeviceAndGoesAway() {
        const QString link = Path("radio-link");
        SimProcess sim;
        QVERIFY(sim.Start({"--link", link}));
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.device());
        RawPort port(link);
        QVERIFY(port.Write(Identify()));
        QVERIFY(!port.ReadFrame().isEmpty());
        QCOMPARE(sim.Stop(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void aStaleLinkIsReplacedButAFileIsNot() {
        const QString link = Path("stale-link");
        QVERIFY(QFile::link("/dev/zr40-gone", link));
        {
            SimProcess sim;
            QVERIFY(sim.Start({"--link", link}));
            QCOMPARE(QFileInfo(link).symLinkTarget(), sim.device());
        }
        const QString plain = Path("plain-file");
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        QString errors;
        QCOMPARE(RunSimToEnd({"--link", plain}, &errors), 1);
        QVERIFY(errors.contains("not a symlink"));
        QCOMPARE(FileBytes(plain), QByteArray("keep me"));
    }

    void endsCleanlyOnInterrupt() {
        SimProcess sim;
        QVERIFY(sim.Start({"--link", Path("int-link")}));
        ::kill(sim.process.processId(), SIGINT);
        QVERIFY(sim.process.waitForFinished(10000));
        QCOMPARE(sim.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process.exitCode(), 0);
        QVERIFY(!QFileInfo(Path("int-link")).isSymLink());
    }

    void pullsTheCableAfterTheGivenRequests() {
        SimProcess sim;
        QVERIFY(sim.Start({"--close-after", "1", "--no-pace"}));
        RawPort port(sim.device());
        QVERIFY(port.Write(Identify()));
        QVERIFY(!port.ReadFrame().isEmpty());
        QVERIFY(port.Write(Identify()));
        QVERIFY(port.HungUp());
        QVERIFY(sim.process.waitForFinished(10000));
        QCOMPARE(sim.process.exitCode(), 0);
    }

    void silentRequestsGetNoAnswer() {
        SimProcess sim;
        QVERIFY(sim.Start({"--silent", "1", "--no-pace"}));
        RawPort port(sim.device());
        QVERIFY(port.Write(Identify()));
        QVERIFY(port.ReadFrame(300).isEmpty());
        QVERIFY(port.Write(Identify()));
        QVERIFY(!port.ReadFrame().isEmpty());
    }

    void memoryFileIsLeftAloneByReads() {
        QVERIFY(WriteRdat(Path("memory.rdat"), DistinctCodeplug(11)));
        const QByteArray before = FileBytes(Path("memory.rdat"));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("memory.rdat"), "--no-pace"}));
        RawPort port(sim.device());
        QVERIFY(port.Write(Identify()));
        const std::vector<Long> header = HeaderOf(port.ReadFrame());
        QCOMPARE(header[4], DistinctCodeplug(11).ChannelCount);
        QVERIFY(
            port.Write(FrameCodec::BuildRequest(CommandClass::ReadBlock, BlockType::Channel, 2)));
        const QByteArray reply = FrameCodec::Unstuff(port.ReadFrame());
        QCOMPARE(FrameCodec::ReadLong(reply, 1).value_or(0), DistinctCodeplug(11).RxFreq[2]);
        QCOMPARE(sim.Stop(), 0);
        QCOMPARE(FileBytes(Path("memory.rdat")), before);
    }

    void refusesBadOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown") << QStringList{"--frobnicate"};
        QTest::newRow("silent text") << QStringList{"--silent", "many"};
        QTest::newRow("negative delay") << QStringList{"--delay", "-5"};
        QTest::newRow("header text") << QStringList{"--header-counts", "1,2,x"};
        QTest::newRow("header too long") << QStringList{"--header-counts", "1,1,1,1,1,1,1,1"};
        QTest::newRow("stray argument") << QStringList{"extra"};
    }
    void refusesBadOptions() {
        QFETCH(QStringList, arguments);
        QCOMPARE(RunSimToEnd(arguments), 2);
    }

    void refusesAMemoryFileThatIsNotOne() {
        QFile file(Path("garbage.rdat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a radio data file");
        file.close();
        QString errors;
        QCOMPARE(RunSimToEnd({"--memory", Path("garbage.rdat")}, &errors), 1);
        QVERIFY(errors.contains("garbage.rdat"));
    }
};

QTEST_GUILESS_MAIN(TestSimServer)
#include "test_sim_server.moc"
