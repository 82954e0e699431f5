// The serial adapter in this process against the virtual radio in another, over a
// pseudo-terminal: the port is a real one, opened through the serial library.

#include "link/serial/port_open_error.h"
#include "link/serial/serial_adapter.h"
#include "link/serial/serial_port_name.h"
#include "test_serial_sim.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

constexpr int kHangGuardMs = 60000;

// One engine and adapter as a window or the zr40 command holds them.
struct Link {
    Codeplug codeplug = DistinctCodeplug(0);
    TransferEngine engine{codeplug, true};
    SerialAdapter adapter{engine};
    QList<LinkResult> results;
    QStringList questions;
    bool retryAnswer = false;

    explicit Link(const QString& port) {
        adapter.SetPortName(port);
        QObject::connect(&adapter, &SerialAdapter::Finished,
                         [this](const LinkResult& r) { results << r; });
        QObject::connect(&adapter, &SerialAdapter::RetryQuestion, [this](const QString& q) {
            questions << q;
            adapter.AnswerRetry(retryAnswer);
        });
    }
    // Runs a real event loop until the transfer ends (polling would add a pause per exchange).
    bool Finished(int count = 1) {
        QEventLoop loop;
        QObject::connect(&adapter, &SerialAdapter::Finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kHangGuardMs, &loop, &QEventLoop::quit);
        if (results.size() < count)
            loop.exec();
        return results.size() >= count;
    }
};

} // namespace

class TestSerialAdapter : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }

    void readThenWriteOnOneOpenPort() {
        QVERIFY(WriteRdat(Path("radio.rdat"), DistinctCodeplug(5)));
        QVERIFY(WriteRdat(Path("next.rdat"), DistinctCodeplug(6)));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("radio.rdat"), "--password", "42"}));
        Link link(sim.device());
        link.codeplug = DistinctCodeplug(0);

        QCOMPARE(link.adapter.StartRead("42"), SerialAdapter::StartOutcome::Started);
        QVERIFY(link.Finished());
        QCOMPARE(link.results[0].outcome, LinkResult::Outcome::Succeeded);
        QCOMPARE(RadioDataFile::Serialize(link.codeplug), FileBytes(Path("radio.rdat")));
        QVERIFY(link.adapter.IsOpen());
        QVERIFY(link.adapter.BytesSent() > 0);
        QVERIFY(link.adapter.BytesReceived() > link.adapter.BytesSent());

        QVERIFY(RadioDataFile::ReadFromFile(Path("next.rdat"), link.codeplug).ok());
        QCOMPARE(link.adapter.StartWrite("42", {}), SerialAdapter::StartOutcome::Started);
        QVERIFY(link.Finished(2));
        QCOMPARE(link.results[1].outcome, LinkResult::Outcome::Succeeded);
        QCOMPARE(FileBytes(Path("radio.rdat")), FileBytes(Path("next.rdat")));
        QVERIFY(link.questions.isEmpty());
    }

    void wrongPasswordIsRejected() {
        SimProcess sim;
        QVERIFY(sim.Start({"--password", "123", "--no-pace"}));
        Link link(sim.device());
        QCOMPARE(link.adapter.StartRead("124"), SerialAdapter::StartOutcome::Started);
        QVERIFY(link.Finished());
        QCOMPARE(link.results[0].outcome, LinkResult::Outcome::PasswordRejected);
        QVERIFY(link.codeplug.PasswordRejected);
    }

    void aSecondStartWhileRunningIsRefused() {
        SimProcess sim;
        QVERIFY(sim.Start({}));
        Link link(sim.device());
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::Started);
        QCOMPARE(link.adapter.StartWrite("", {}), SerialAdapter::StartOutcome::Refused);
        QVERIFY(link.Finished());
        QCOMPARE(link.results.size(), 1);
        QCOMPARE(link.results[0].outcome, LinkResult::Outcome::Succeeded);
    }

    void pulledCableEndsAsPortLost() {
        SimProcess sim;
        QVERIFY(sim.Start({"--close-after", "3"}));
        Link link(sim.device());
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::Started);
        QVERIFY(link.Finished());
        QCOMPARE(link.results[0].outcome, LinkResult::Outcome::PortLost);
        QVERIFY(link.results[0].reason.contains(sim.device()));
        QVERIFY(link.questions.isEmpty());
        QVERIFY(!link.adapter.IsOpen());
        QVERIFY(!link.engine.Running());
        // The port is gone for good: the next transfer says so instead of starting.
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(sim.device()) ||
                                     sim.process.state() == QProcess::NotRunning,
                                 kHangGuardMs);
        QCOMPARE(sim.Stop(), 0);
    }

    void cancelAtTheQuestionThenReadAgain() {
        SimProcess sim;
        QVERIFY(sim.Start({"--bad-checksum", "11"}));
        Link link(sim.device());
        link.retryAnswer = false;
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::Started);
        QVERIFY(link.Finished());
        QCOMPARE(link.questions, QStringList{"Check connection!Retry or cancel?"});
        QCOMPARE(link.results[0].outcome, LinkResult::Outcome::Cancelled);
        QVERIFY(!link.adapter.IsOpen());
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::Started);
        QVERIFY(link.Finished(2));
        QCOMPARE(link.results[1].outcome, LinkResult::Outcome::Succeeded);
    }

    void retryAtTheQuestionGoesOn() {
        SimProcess sim;
        QVERIFY(sim.Start({"--cut-short", "1", "--trailing", "11", "--noise", "20"}));
        Link link(sim.device());
        link.retryAnswer = true;
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::Started);
        QVERIFY(link.Finished());
        QCOMPARE(link.questions.size(), 1);
        QCOMPARE(link.results[0].outcome, LinkResult::Outcome::Succeeded);
    }

    void missingDeviceIsNotOpened() {
        Link link(QStringLiteral("/dev/zr40-absent"));
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::PortFailed);
        QCOMPARE(link.adapter.openError().cause(), PortOpenError::Cause::NotFound);
        QCOMPARE(link.adapter.openError().Describe(true),
                 QStringLiteral("There is no port /dev/zr40-absent."));
        QCOMPARE(link.adapter.openError().Describe(false),
                 QStringLiteral("端口 /dev/zr40-absent 不存在。"));
        QVERIFY(!link.engine.Running());
        QVERIFY(link.results.isEmpty());
    }

    void noPortChosen() {
        Link link{QString()};
        QCOMPARE(link.adapter.StartWrite("", {}), SerialAdapter::StartOutcome::PortFailed);
        QCOMPARE(link.adapter.openError().cause(), PortOpenError::Cause::NoPortChosen);
    }

    void aPlainFileIsNotASerialPort() {
        QFile file(Path("not-a-port"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        Link link(Path("not-a-port"));
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::PortFailed);
        QCOMPARE(link.adapter.openError().cause(), PortOpenError::Cause::NotSerial);
    }

    void aPortInUseIsBusy() {
        SimProcess sim;
        QVERIFY(sim.Start({}));
        QSerialPort other(sim.device());
        QVERIFY(other.open(QIODevice::ReadWrite));
        Link link(sim.device());
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::PortFailed);
        QCOMPARE(link.adapter.openError().cause(), PortOpenError::Cause::Busy);
        QVERIFY(link.adapter.openError().Describe(true).contains("in use by another program"));
        other.close();
        QCOMPARE(link.adapter.StartRead(""), SerialAdapter::StartOutcome::Started);
        QVERIFY(link.Finished());
        QCOMPARE(link.results[0].outcome, LinkResult::Outcome::Succeeded);
    }

    void permissionMessageNamesTheGroup() {
        const PortOpenError error(PortOpenError::Cause::PermissionDenied, "/dev/ttyUSB0");
        QVERIFY(error.Describe(true).contains("sudo usermod -aG dialout $USER"));
        QVERIFY(error.Describe(true).contains("log in again"));
        QVERIFY(error.Describe(false).contains("sudo usermod -aG dialout $USER"));
    }

    void resolvesPortNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("device");
        QTest::newRow("device name") << "ttyUSB0"
                                     << "/dev/ttyUSB0";
        QTest::newRow("blanks") << " ttyACM1 "
                                << "/dev/ttyACM1";
        QTest::newRow("pty path") << "/dev/pts/5"
                                  << "/dev/pts/5";
        QTest::newRow("by-id") << "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"
                               << "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0";
        QTest::newRow("COM1") << "COM1"
                              << "/dev/ttyS0";
        QTest::newRow("com12") << "com12"
                               << "/dev/ttyS11";
        QTest::newRow("not a number") << "COMX"
                                      << "/dev/COMX";
        QTest::newRow("empty") << ""
                               << "";
    }
    void resolvesPortNames() {
        QFETCH(QString, name);
        QFETCH(QString, device);
        QCOMPARE(SerialPortName::Resolve(name), device);
    }

    void choosesTheDeviceNameOverTheNumber() {
        QCOMPARE(SerialPortName::Choose("ttyUSB1", 3), QStringLiteral("ttyUSB1"));
        QCOMPARE(SerialPortName::Choose("", 3), QStringLiteral("COM3"));
        QCOMPARE(SerialPortName::ComNumber("COM10"), 10);
        QCOMPARE(SerialPortName::ComNumber("COM"), 0);
        QCOMPARE(SerialPortName::ComNumber("xCOM1"), 0);
    }
};

QTEST_GUILESS_MAIN(TestSerialAdapter)
#include "test_serial_adapter.moc"
