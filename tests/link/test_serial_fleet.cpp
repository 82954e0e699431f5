// A fleet session end to end: the fleet driver on a real serial port in this process, against
// zr40-sim --fleet in another on a pseudo-terminal, each radio's memory in a file of its own.

#include "link/serial/fleet_serial_adapter.h"
#include "test_serial_sim.h"

#include <QTemporaryDir>
#include <QtTest>
#include <map>

using namespace zr40;
using namespace zr40::test;

namespace {

using Result = FleetRadioReport::Result;

// A session as zr40 fleet or the fleet window runs it: backups kept as they come.
struct Session {
    FleetDriver driver;
    FleetSerialAdapter adapter{driver};
    std::vector<FleetRadioReport> reports;
    std::map<int, QByteArray> backups; // by radio, as .rdat bytes
    bool ended = false;

    Session(const QString& port, const Codeplug& plan, std::vector<Long> ids)
        : driver(plan, std::move(ids), {QStringLiteral("42"), true, true, {}, {}}) {
        adapter.SetPortName(port);
        QObject::connect(&adapter, &FleetSerialAdapter::backupReady,
                         [this](int radio, Long, const Codeplug& before) {
                             backups[radio] = RadioDataFile::Serialize(before);
                             adapter.AnswerBackup(true);
                         });
        QObject::connect(&adapter, &FleetSerialAdapter::radioDone,
                         [this](const FleetRadioReport& r) { reports.push_back(r); });
        QObject::connect(&adapter, &FleetSerialAdapter::ended, [this] { ended = true; });
    }

    bool Run() {
        QEventLoop loop;
        QObject::connect(&adapter, &FleetSerialAdapter::ended, &loop, &QEventLoop::quit);
        QTimer::singleShot(120000, &loop, &QEventLoop::quit); // hang guard
        if (!adapter.Start())
            return false;
        if (!ended)
            loop.exec();
        return ended;
    }
};

} // namespace

class TestSerialFleet : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Three radios with memories of their own, behind `faults`; the session gives them
    // 1001..1003. Checks what every radio should hold whatever its result.
    std::vector<FleetRadioReport> RunFleet(const QStringList& faults) {
        std::vector<FleetRadioReport> none;
        std::map<int, QByteArray> old;
        for (int k = 1; k <= 3; ++k) {
            const QString file = Path(QStringLiteral("radio-%1.rdat").arg(k));
            if (!WriteRdat(file, DistinctCodeplug(k)))
                return none;
            old[k] = FileBytes(file);
        }
        SimProcess sim;
        if (!sim.Start(QStringList{"--fleet", "3", "--memory", Path("radio.rdat"), "--password",
                                   "42", "--no-pace"} +
                       faults))
            return none;
        Codeplug plan = DistinctCodeplug(40);
        Session session(sim.device(), plan, {0x1001, 0x1002, 0x1003});
        if (!session.Run())
            return none;
        for (int k = 1; k <= 3; ++k) {
            Codeplug radio;
            if (!RadioDataFile::ReadFromFile(Path(QStringLiteral("radio-%1.rdat").arg(k)), radio)
                     .ok() ||
                radio.LocalID != 0x1000 + k || radio.TxFreq != plan.TxFreq ||
                session.backups[k] != old[k])
                return none;
        }
        if (QFileInfo::exists(Path("radio.rdat"))) // the radios keep to their own files
            return none;
        return session.reports;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }

    void threeRadiosEachWithItsId() {
        const auto reports = RunFleet({});
        QCOMPARE(reports.size(), std::size_t(3));
        for (const FleetRadioReport& r : reports)
            QCOMPARE(r.result, Result::Verified);
    }

    // The second radio stores one channel wrongly: it is reported, and the session goes on.
    void corruptingSecondRadio() {
        const auto reports = RunFleet({"--corrupt-write", "1", "--fault-radio", "2"});
        QCOMPARE(reports.size(), std::size_t(3));
        QCOMPARE(std::vector({reports[0].result, reports[1].result, reports[2].result}),
                 std::vector({Result::Verified, Result::Differences, Result::Verified}));
        QCOMPARE(reports[1].differences.size(), 1);
        QVERIFY(reports[1].differences[0].startsWith("Channel 1, value 1: "));
    }
};

QTEST_GUILESS_MAIN(TestSerialFleet)
#include "test_serial_fleet.moc"
