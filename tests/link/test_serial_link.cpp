// The link over a real serial port: the serial adapter in this process, and the zr40 command in
// another, against the virtual radio in a third on a pseudo-terminal; and zr40-sim as a program
// (its device, its symlink, its options and the way it ends).

#include "link/serial/low_latency.h"
#include "link/serial/port_loss.h"
#include "link/serial/port_open_error.h"
#include "link/serial/serial_adapter.h"
#include "link/serial/serial_port_name.h"
#include "test_serial_sim.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

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
    QStringList trace;
    bool retryAnswer = false;

    explicit Link(const QString& port) {
        adapter.SetPortName(port);
        QObject::connect(&adapter, &SerialAdapter::Finished,
                         [this](const LinkResult& r) { results << r; });
        QObject::connect(&adapter, &SerialAdapter::RetryQuestion, [this](const QString& q) {
            questions << q;
            adapter.AnswerRetry(retryAnswer);
        });
        QObject::connect(&adapter, &SerialAdapter::TraceLine,
                         [this](const QString& line) { trace << line; });
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

class TestSerialLink : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
        QVERIFY2(QFileInfo::exists(CliProgram()), "zr40 must be built");
    }

    // The radio's replies come in USB-serial adapter bursts; the pseudo-terminal's refusal of
    // low latency is traced when the port opens, and the transfer runs as before.
    void readThenWriteOnOneOpenPort() {
        QVERIFY(WriteRdat(Path("radio.rdat"), DistinctCodeplug(5)));
        QVERIFY(WriteRdat(Path("next.rdat"), DistinctCodeplug(6)));
        SimProcess sim;
        QVERIFY(sim.Start(
            {"--memory", Path("radio.rdat"), "--password", "42", "--adapter-latency", "3"}));
        Link link(sim.device());

        QCOMPARE(link.adapter.StartRead("42"), Start::Started);
        QCOMPARE(link.adapter.StartWrite("42", {}), Start::Refused); // one at a time
        QVERIFY(link.Finished());
        QCOMPARE(link.results[0].outcome, kOk);
        QCOMPARE(RadioDataFile::Serialize(link.codeplug), ReadFile(Path("radio.rdat")));
        QVERIFY(link.adapter.IsOpen());
        QVERIFY(link.adapter.BytesReceived() > link.adapter.BytesSent());
        QVERIFY2(
            link.trace.value(0).startsWith("Low latency: refused by the driver of " + sim.device()),
            qPrintable(link.trace.value(0)));
        QVERIFY(link.trace.value(1).startsWith("TX:"));

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
        // The device opened, and the name the user is shown (the system's, not "COM12").
        const std::tuple<QString, QString, QString> names[] = {
            {" ttyACM1 ", "/dev/ttyACM1", "ttyACM1"},
            {"/dev/pts/5", "/dev/pts/5", "/dev/pts/5"},
            {"./tty", here + "/tty", here + "/tty"},
            {"lab/COM3", here + "/lab/COM3", here + "/lab/COM3"},
            {"com12", "/dev/ttyS11", "ttyS11"},
            {"COMX", "/dev/COMX", "COMX"},
            {"", "", ""}};
        for (const auto& [name, device, shown] : names) {
            QCOMPARE(SerialPortName::Resolve(name), device);
            QCOMPARE(SerialPortName::Shown(name), shown);
        }
        QCOMPARE(SerialPortName::PortLine("COM1", false), QStringLiteral("端口：ttyS0"));
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

    void answersOnThePrintedDeviceAndTheLink() {
        // A stale link is replaced, and removed again at the end.
        const QString link = Path("radio-link");
        QVERIFY(QFile::link("/dev/zr40-gone", link));
        SimProcess sim;
        QVERIFY(sim.Start({"--link", link, "--header-counts", "1,1,10,1,5,3,8"}));
        QVERIFY(sim.device().startsWith("/dev/pts/"));
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.device());
        Link radio(link);
        QCOMPARE(radio.Read(), kOk);
        QCOMPARE(std::pair(radio.codeplug.ChannelCount, radio.codeplug.RxListCount),
                 std::pair(5, 3));
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
        QTest::newRow("adapter latency not a number")
            << QStringList{"--adapter-latency", "fast"} << 2 << "--adapter-latency";
        QTest::newRow("fleet of none") << QStringList{"--fleet", "0"} << 2 << "--fleet";
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

    // --- USB-serial adapters and their latency ---

    // Drivers without the setting or no port at all: the answer is no, with the system's
    // reason (a pseudo-terminal's refusal is traced in the reads).
    void driversWithoutTheSettingRefuse() {
        const int null = ::open("/dev/null", O_RDWR);
        QVERIFY(null >= 0);
        for (int descriptor : {null, -1}) {
            const LowLatency::Outcome outcome = LowLatency::Request(descriptor);
            QVERIFY(!outcome.granted && !outcome.reason.isEmpty());
            QVERIFY(LowLatency::TraceLine(outcome, "/dev/pts/9").contains(outcome.reason));
        }
        ::close(null);
    }

    // --- The zr40 command ---

    // The command's read over a pseudo-terminal, traced frame by frame; its write is the review
    // command tests' (the backup it keeps first).
    void readTracesEveryFrame() {
        QVERIFY(WriteRdat(Path("radio.rdat"), DistinctCodeplug(1)));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("radio.rdat"), "--password", "123456"}));
        Run run = Zr40({"read", "--port", sim.device(), "--password", "123456", "--trace", "-o",
                        Path("read.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(run.err.contains("Read Data OK"));
        // A pseudo-terminal has no latency setting: the trace says so before the first frame.
        const QString trace = QString::fromLocal8Bit(run.out);
        QVERIFY(trace.startsWith("Low latency: refused by the driver of " + sim.device()));
        QCOMPARE(trace.section('\n', 1, 1), QStringLiteral("TX:55 1 1 0 0 2 AA "));
        QVERIFY(run.out.contains("\nRX:55 2 1 0 0 1 0 0 0 "));
        QVERIFY(run.out.contains("Calculate CheckSum="));
        QCOMPARE(ReadFile(Path("read.rdat")), ReadFile(Path("radio.rdat")));
    }

    void newPasswordIsNeededAfterwards() {
        QVERIFY(WriteRdat(Path("pw.rdat"), DistinctCodeplug(4)));
        SimProcess sim;
        QVERIFY(sim.Start({"--password", "4321", "--no-pace"}));
        const QString port = sim.device();
        Run run = Zr40({"write", "--port", port, "--password", "4321", "--new-password", "777",
                        Path("pw.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(
            Zr40({"read", "--port", port, "--password", "4321", "-o", Path("pw1.rdat")}).exitCode,
            1);
        run =
            Zr40({"write", "--port", port, "--password", "0777", "--no-password", Path("pw.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        run = Zr40({"read", "--port", port, "-o", Path("pw3.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
    }

    // Reads that fail end at once with the cause on stderr and no file; a pulled cable is not
    // left to a round of time-outs and a question nobody can answer. Eleven bad replies bring
    // the question, which without a terminal is answered with cancel.
    void failedReads_data() {
        QTest::addColumn<QStringList>("radio"); // the virtual radio's options; none: no radio
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("cause"); // DEVICE stands for the radio's device
        QTest::newRow("wrong password") << QStringList{"--password", "4321"}
                                        << QStringList{"--password", "1234"} << "Password Failure!";
        QTest::newRow("wrong model")
            << QStringList{"--data-version", "3"} << QStringList{} << "data version 3";
        QTest::newRow("pulled cable") << QStringList{"--close-after", "5"} << QStringList{}
                                      << "the serial port was lost: DEVICE\n";
        QTest::newRow("no such port")
            << QStringList{} << QStringList{"--port", "/dev/zr40-no-such-port"}
            << "There is no port /dev/zr40-no-such-port";
        QTest::newRow("retry question without a terminal")
            << QStringList{"--bad-checksum", "11"} << QStringList{}
            << "Check connection!Retry or cancel? (no terminal to ask: cancel)";
    }
    void failedReads() {
        QFETCH(QStringList, radio);
        QFETCH(QStringList, options);
        QFETCH(QString, cause);
        SimProcess sim;
        if (!radio.isEmpty()) {
            QVERIFY(sim.Start(radio));
            options << "--port" << sim.device();
        }
        const Run run = Zr40(QStringList{"read", "-o", Path("failed.rdat")} + options);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        cause.replace("DEVICE", sim.device());
        QVERIFY2(run.err.contains(cause.toUtf8()), run.err.constData());
        QVERIFY(cause.startsWith("Check") || !run.err.contains("Retry or cancel"));
        QVERIFY(!QFileInfo::exists(Path("failed.rdat")));
    }

    // With a person at the terminal the question is asked there and "r" goes on; the progress
    // bar is drawn on the terminal too.
    void retryQuestionOnATerminal() {
        SimProcess sim;
        QVERIFY(sim.Start({"--bad-checksum", "11", "--no-pace"}));
        int master = -1, slave = -1;
        char name[256] = {};
        QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);
        QVERIFY(::write(master, "r\n", 2) == 2); // typed ahead; read when the question comes
        QProcess cli;
        cli.setProcessEnvironment(CliEnvironment()); // its read backup in a folder of our own
        cli.setStandardInputFile(QString::fromLocal8Bit(name));
        cli.setStandardErrorFile(QString::fromLocal8Bit(name));
        cli.start(CliProgram(), {"read", "--port", sim.device(), "-o", Path("tty.rdat")});
        const bool finished = cli.waitForFinished(60000);
        if (!finished)
            cli.kill();
        QByteArray screen;
        fcntl(master, F_SETFL, O_NONBLOCK);
        char chunk[4096];
        for (ssize_t n; (n = ::read(master, chunk, sizeof chunk)) > 0;)
            screen.append(chunk, n);
        ::close(master);
        ::close(slave);
        QVERIFY(finished);
        QVERIFY2(cli.exitCode() == 0, screen.constData());
        QVERIFY(screen.contains("Check connection!Retry or cancel? [r]etry/[c]ancel:"));
        QVERIFY(screen.contains("] 100%"));
        QVERIFY(screen.contains("Read Data OK"));
        QVERIFY(QFileInfo::exists(Path("tty.rdat")));
    }

    void usageErrors() {
        for (const QStringList& arguments :
             {QStringList{"read", "-o", "x.rdat"}, // no port
              {"read", "--port", "ttyS0", "--password", "12a", "-o", "x.rdat"},
              {"write", "--port", "ttyS0", "--new-password", "1", "--no-password", "x.rdat"},
              {"write", "--port", "ttyS0"}, // no file
              {"read", "--port", "ttyS0", "--lang", "fr", "-o", "x.rdat"}})
            QCOMPARE(Zr40(arguments).exitCode, 2);
        QVERIFY(!QFileInfo::exists("x.rdat"));
        QCOMPARE(Zr40({"ports"}).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"
