// The serial adapter in this process against the virtual radio in another, over a
// pseudo-terminal: the port is a real one, opened through the serial library.

#include "link/serial/port_loss.h"
#include "link/serial/port_open_error.h"
#include "link/serial/serial_adapter.h"
#include "link/serial/serial_port_name.h"
#include "test_serial_sim.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

constexpr int kHangGuardMs = 60000;
using Start = SerialAdapter::StartOutcome;
const LinkResult::Outcome kOk = LinkResult::Outcome::Succeeded;

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
    // Starts a read and waits for its end; the outcome.
    std::optional<LinkResult::Outcome> Read() {
        if (adapter.StartRead("") != Start::Started || !Finished(int(results.size()) + 1))
            return std::nullopt;
        return results.back().outcome;
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

        QCOMPARE(link.adapter.StartRead("42"), Start::Started);
        QCOMPARE(link.adapter.StartWrite("42", {}), Start::Refused); // one at a time
        QVERIFY(link.Finished());
        QCOMPARE(link.results[0].outcome, kOk);
        QCOMPARE(RadioDataFile::Serialize(link.codeplug), ReadFile(Path("radio.rdat")));
        QVERIFY(link.adapter.IsOpen());
        QVERIFY(link.adapter.BytesReceived() > link.adapter.BytesSent());

        QVERIFY(RadioDataFile::ReadFromFile(Path("next.rdat"), link.codeplug).ok());
        QCOMPARE(link.adapter.StartWrite("42", {}), Start::Started);
        QVERIFY(link.Finished(2));
        QCOMPARE(link.results[1].outcome, kOk);
        QCOMPARE(ReadFile(Path("radio.rdat")), ReadFile(Path("next.rdat")));
        QVERIFY(link.questions.isEmpty());
    }

    void pulledCableEndsAsPortLost() {
        SimProcess sim;
        QVERIFY(sim.Start({"--close-after", "3"}));
        Link link(sim.device());
        QCOMPARE(link.Read(), LinkResult::Outcome::PortLost);
        QCOMPARE(link.results[0].reason, sim.device()); // the system's words say nothing here
        QVERIFY(link.questions.isEmpty() && !link.adapter.IsOpen() && !link.engine.Running());
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(sim.device()) ||
                                     sim.process.state() == QProcess::NotRunning,
                                 kHangGuardMs);
        QCOMPARE(sim.Stop(), 0);
    }

    // Eleven bad replies bring the question: Cancel ends the read, a second read goes on
    // after Retry and meets good replies again.
    void cancelThenRetryAtTheQuestion() {
        SimProcess sim;
        QVERIFY(sim.Start({"--bad-checksum", "22", "--trailing", "1", "--noise", "20"}));
        Link link(sim.device());
        QCOMPARE(link.Read(), LinkResult::Outcome::Cancelled);
        QCOMPARE(link.questions, QStringList{"Check connection!Retry or cancel?"});
        QVERIFY(!link.adapter.IsOpen());
        link.retryAnswer = true;
        QCOMPARE(link.Read(), kOk);
        QCOMPARE(link.questions.size(), 2);
    }

    // Ports that do not open say why; a port in use is busy until the other program lets go.
    void portsThatDoNotOpen() {
        QVERIFY(WriteFile(Path("not-a-port"), {}));
        SimProcess sim;
        QVERIFY(sim.Start({}));
        QSerialPort other(sim.device());
        QVERIFY(other.open(QIODevice::ReadWrite));
        using Cause = PortOpenError::Cause;
        for (auto [port, cause] : {std::pair{QStringLiteral("/dev/zr40-absent"), Cause::NotFound},
                                   {QString(), Cause::NoPortChosen},
                                   {Path("not-a-port"), Cause::NotSerial},
                                   {sim.device(), Cause::Busy}}) {
            Link link(port);
            QCOMPARE(link.adapter.StartRead(""), Start::PortFailed);
            QCOMPARE(link.adapter.openError().cause(), cause);
            QVERIFY(!link.engine.Running() && link.results.isEmpty());
        }
        other.close();
        QCOMPARE(Link(sim.device()).Read(), kOk);
        const PortOpenError denied(Cause::PermissionDenied, "/dev/ttyUSB0");
        QVERIFY(denied.Describe(false).contains("sudo usermod -aG dialout $USER"));
    }

    void portNames() {
        const QString here = QDir::currentPath();
        const std::pair<QString, QString> names[] = {{" ttyACM1 ", "/dev/ttyACM1"},
                                                     {"/dev/pts/5", "/dev/pts/5"},
                                                     {"./tty", here + "/tty"},
                                                     {"lab/COM3", here + "/lab/COM3"},
                                                     {"com12", "/dev/ttyS11"},
                                                     {"COMX", "/dev/COMX"},
                                                     {"", ""}};
        for (const auto& [name, device] : names)
            QCOMPARE(SerialPortName::Resolve(name), device);
        QCOMPARE(SerialPortName::Choose("", 3), QStringLiteral("COM3"));
        QCOMPARE(SerialPortName::ComNumber("xCOM1"), 0);
        // A relative path opens the device it names (here a link to the radio's terminal).
        SimProcess sim;
        QVERIFY(sim.Start({}));
        QVERIFY(QFile::link(sim.device(), Path("radio")));
        QVERIFY(QDir::setCurrent(dir_.path()));
        Link link(QStringLiteral("./radio"));
        const auto outcome = link.Read();
        QDir::setCurrent(here);
        QCOMPARE(outcome, kOk);
    }

    // The system's words after a hang-up are kept only when they tell more than "lost".
    void lossReasons() {
        for (int unhelpful : {ENOTTY, EIO, 0})
            QCOMPARE(PortLoss::Reason("/dev/pts/3", qt_error_string(unhelpful)), "/dev/pts/3");
        QCOMPARE(PortLoss::Reason("/dev/ttyUSB0", qt_error_string(EACCES)),
                 "/dev/ttyUSB0: " + qt_error_string(EACCES));
    }
};

QTEST_GUILESS_MAIN(TestSerialAdapter)
#include "test_serial_adapter.moc"
