// USB-serial adapters and their latency: the serial adapter asks the driver for low latency and
// goes on when it is refused; the virtual radio can behave like an adapter that was not asked.

#include "link/serial/low_latency.h"
#include "link/serial/serial_adapter.h"
#include "sim/adapter_latency.h"
#include "test_serial_sim.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace zr40;
using namespace zr40::test;
using namespace std::chrono_literals;

using Ms = std::chrono::duration<double, std::milli>;
Q_DECLARE_METATYPE(Ms)

class TestLowLatency : public QObject {
    Q_OBJECT

private slots:
    // Drivers without the setting (a pseudo-terminal, a plain device) or no port at all: the
    // answer is no, with the system's reason.
    void driversWithoutTheSettingRefuse() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
        const int terminal = ::open(ptsname(master), O_RDWR | O_NOCTTY);
        const int null = ::open("/dev/null", O_RDWR);
        QVERIFY(terminal >= 0 && null >= 0);
        for (int descriptor : {terminal, null, -1}) {
            const LowLatency::Outcome outcome = LowLatency::Request(descriptor);
            QVERIFY(!outcome.granted);
            QVERIFY(!outcome.reason.isEmpty());
            QVERIFY(LowLatency::TraceLine(outcome, "/dev/pts/9").contains(outcome.reason));
        }
        ::close(terminal);
        ::close(null);
        ::close(master);
    }

    // The refusal is traced when the port opens, and the transfer runs as before, here through
    // a radio whose replies come in adapter bursts.
    void refusalIsTracedAndTheReadGoesOn() {
        QTemporaryDir dir;
        const QString memory = dir.filePath("radio.rdat");
        QVERIFY(WriteRdat(memory, DistinctCodeplug(3)));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", memory, "--adapter-latency", "3"}));
        Codeplug codeplug = DistinctCodeplug(0);
        TransferEngine engine(codeplug, true);
        SerialAdapter adapter(engine);
        adapter.SetPortName(sim.device());
        QStringList trace;
        QList<LinkResult> results;
        connect(&adapter, &SerialAdapter::TraceLine, [&](const QString& line) { trace << line; });
        connect(&adapter, &SerialAdapter::Finished, [&](const LinkResult& r) { results << r; });
        QCOMPARE(adapter.StartRead(""), SerialAdapter::StartOutcome::Started);
        QTRY_VERIFY_WITH_TIMEOUT(!results.isEmpty(), 60000);
        QCOMPARE(results[0].outcome, LinkResult::Outcome::Succeeded);
        QVERIFY2(trace.value(0).startsWith("Low latency: refused by the driver of " + sim.device()),
                 qPrintable(trace.value(0)));
        QVERIFY(trace.value(1).startsWith("TX:"));
        QCOMPARE(RadioDataFile::Serialize(codeplug), FileBytes(memory));
    }

    void adapterBursts_data() {
        QTest::addColumn<Ms>("period");
        QTest::addColumn<Ms>("elapsed");
        QTest::addColumn<Ms>("lastBurst"); // negative: none yet
        QTest::addColumn<Ms>("nextBurst");
        QTest::addColumn<Ms>("delivered"); // of a reply whose last byte came at `elapsed`
        QTest::newRow("short reply waits a period")
            << Ms(16) << Ms(0.6) << Ms(-1) << Ms(16) << Ms(16);
        QTest::newRow("nothing arrived yet") << Ms(16) << Ms(0) << Ms(-1) << Ms(16) << Ms(16);
        QTest::newRow("on a burst") << Ms(16) << Ms(16) << Ms(16) << Ms(32) << Ms(16);
        QTest::newRow("just after a burst") << Ms(16) << Ms(16.001) << Ms(16) << Ms(32) << Ms(32);
        QTest::newRow("long reply") << Ms(16) << Ms(33.9) << Ms(32) << Ms(48) << Ms(48);
        QTest::newRow("low latency passes at once") << Ms(0) << Ms(5) << Ms(5) << Ms(5) << Ms(5);
    }

    void adapterBursts() {
        QFETCH(Ms, period);
        QFETCH(Ms, elapsed);
        QFETCH(Ms, lastBurst);
        QFETCH(Ms, nextBurst);
        QFETCH(Ms, delivered);
        using D = AdapterLatency::Duration;
        const AdapterLatency adapter(std::chrono::duration_cast<D>(period));
        const D at = std::chrono::duration_cast<D>(elapsed);
        const auto last = adapter.LastBurst(at);
        QCOMPARE(last.has_value(), lastBurst.count() >= 0);
        if (last)
            QCOMPARE(Ms(*last).count(), lastBurst.count());
        QCOMPARE(Ms(adapter.NextBurst(at)).count(), nextBurst.count());
        QCOMPARE(Ms(adapter.Delivered(at)).count(), delivered.count());
    }
};

QTEST_GUILESS_MAIN(TestLowLatency)
#include "test_low_latency.moc"
