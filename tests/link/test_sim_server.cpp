// zr40-sim as a program: its device, its symlink, its options and the way it ends. The radio's
// answers themselves are the virtual radio's and are tested there.

#include "link/frame_codec.h"
#include "test_serial_sim.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <QSerialPort>
#include <csignal>

using namespace zr40;
using namespace zr40::test;

namespace {

// Sends an identify request through a plain serial port; the header values of the reply.
std::vector<Long> IdentifyOver(const QString& device) {
    QSerialPort port(device);
    if (!port.open(QIODevice::ReadWrite))
        return {};
    port.write(FrameCodec::BuildRequest(CommandClass::Identify, BlockType::None, 0));
    QByteArray reply;
    while (!reply.endsWith(char(FrameCodec::kEnd)) && port.waitForReadyRead(10000))
        reply += port.readAll();
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
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        arguments.replaceInStrings(QRegularExpression("^plain-file$"), plain);
        QString errors;
        QCOMPARE(RunSimToEnd(arguments, &errors), code);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QCOMPARE(FileBytes(plain), QByteArray("keep me"));
    }
};

QTEST_GUILESS_MAIN(TestSimServer)
#include "test_sim_server.moc"
