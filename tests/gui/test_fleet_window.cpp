// Program > Program Several Radios… from the main window, offscreen, against the virtual radio
// playing a fleet in its own process on a pseudo-terminal: the same core as zr40 fleet, shown.

#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "link/ui/form_fleet.h"
#include "review/fleet_record.h"
#include "shell/mdi_form_main.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

struct SessionSeen {
    QStringList rows; // "ID result"
    QString status;
    QString port;
    bool closeDuringSession = true;
};

QString Text(FormFleet* form, const char* name) {
    return form->findChild<QLabel*>(QLatin1String(name))->text();
}

} // namespace

class TestFleetWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Opens the window from the menu with the plan of the rig on `port`, fills it in with `fill`,
    // presses Start and, when `stop`, Stop once the first radio is asked for; waits for the end.
    SessionSeen RunWindow(MainWindowRig& rig, const QString& port,
                          std::function<void(FormFleet*)> fill, bool stop = false) {
        rig.Window();
        rig.codeplug = DistinctCodeplug(40);
        rig.codeplug.IsEnglish = true;
        rig.codeplug.ComPortName = port;
        SessionSeen seen;
        OnNextModal([&](QWidget* modal) {
            auto* form = qobject_cast<FormFleet*>(modal);
            QVERIFY(form);
            QVERIFY(form->findChild<QCheckBox*>("CheckVerify")->isChecked());
            fill(form);
            form->findChild<QPushButton*>("CommandStart")->click();
            seen.closeDuringSession = form->findChild<QPushButton*>("CommandClose")->isEnabled();
            if (stop) {
                QTRY_VERIFY_WITH_TIMEOUT(!Text(form, "LabelPort").startsWith("Port: "),
                                         kHangGuardMs);
                seen.status = Text(form, "LabelStatus");
                seen.port = Text(form, "LabelPort");
                form->findChild<QPushButton*>("CommandStop")->click();
            }
            QTRY_VERIFY_WITH_TIMEOUT(!form->Running(), 3 * kHangGuardMs);
            auto* table = form->findChild<QTableWidget*>("TableRadios");
            for (int row = 0; row < table->rowCount(); ++row)
                seen.rows << table->item(row, 1)->text() + ' ' + table->item(row, 3)->text();
            if (!stop)
                seen.status = Text(form, "LabelStatus");
            form->reject();
        });
        rig.Window().Action(QStringLiteral("MenuFleet"))->trigger();
        return seen;
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    // Three radios, the second storing a channel wrongly: each a row of the table and a line of
    // the log, each backed up under its ID into the window's backups folder; the session goes
    // on after the radio that differs.
    void programsThreeRadios() {
        MainWindowRig rig;
        for (int k = 1; k <= 3; ++k)
            QVERIFY(WriteRdat(Path(QStringLiteral("radio-%1.rdat").arg(k)), DistinctCodeplug(k)));
        SimProcess sim;
        QVERIFY(sim.Start({"--fleet", "3", "--memory", Path("radio.rdat"), "--no-pace",
                           "--corrupt-write", "1", "--fault-radio", "2"}));
        const SessionSeen seen = RunWindow(rig, sim.device(), [this](FormFleet* form) {
            form->findChild<QLineEdit*>("TextRange")->setText("1001-1003");
            form->findChild<QLineEdit*>("TextLog")->setText(Path("fleet.csv"));
        });
        QCOMPARE(seen.rows, QStringList({"1001 Verified", "1002 Differences", "1003 Verified"}));
        QVERIFY(!seen.closeDuringSession);
        QVERIFY2(seen.status.endsWith("3 of 3 radios done, 2 of them without fault"),
                 qPrintable(seen.status));
        const QStringList log = QString::fromUtf8(FileBytes(Path("fleet.csv"))).split('\n');
        QCOMPARE(log.size(), 5);
        QCOMPARE(log[0], FleetRecord::kHeader);
        QVERIFY(log[2].contains(",differences," + rig.backups.path()));
        const QStringList kept =
            QDir(rig.backups.path()).entryList({"*_before-write_id-100?.rdat"}, QDir::Files);
        QCOMPARE(kept.size(), 3);
    }

    // No radio on a port that cannot be opened: the window asks for the first radio and says
    // why the port is not there; Stop ends the session with nothing done.
    void stopWhileWaiting() {
        MainWindowRig rig;
        const SessionSeen seen = RunWindow(
            rig, Path("no-such-port"),
            [this](FormFleet* form) {
                // A new log is proposed in the data folder.
                QVERIFY(
                    form->findChild<QLineEdit*>("TextLog")->text().contains("/fleet-logs/fleet_"));
                QVERIFY(WriteFile(Path("ids.txt"), "# bench\n1003\n1001\n"));
                form->findChild<QLineEdit*>("TextList")->setText(Path("ids.txt"));
                form->findChild<QRadioButton*>("OptionList")->setChecked(true);
                form->findChild<QLineEdit*>("TextLog")->setText(Path("stopped.csv"));
            },
            true);
        QCOMPARE(seen.status, QString::fromUtf8("Connect radio 1 of 2 — ID 1003"));
        QVERIFY2(seen.port.contains("no-such-port"), qPrintable(seen.port));
        QVERIFY(seen.rows.isEmpty());
        QCOMPARE(FileBytes(Path("stopped.csv")), QByteArray(FleetRecord::kHeader) + '\n');
    }

    // The port is named as the main window's status bar names it: the device, not "COMn".
    void namesThePort_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("shown");
        QTest::newRow("port number") << QString() << 1 << true << "Port: ttyS0";
        QTest::newRow("COM name") << "COM3" << 3 << true << "Port: ttyS2";
        QTest::newRow("device path") << "/dev/ttyUSB0" << 1 << true << "Port: ttyUSB0";
        QTest::newRow("in Chinese") << QString() << 1 << false << QString::fromUtf8("端口：ttyS0");
    }
    void namesThePort() {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(bool, english);
        QFETCH(QString, shown);
        MainWindowRig rig;
        rig.Window();
        rig.codeplug.IsEnglish = english;
        rig.codeplug.ComPortName = name;
        rig.codeplug.ComPortNumber = static_cast<std::int16_t>(number);
        QString label;
        OnNextModal([&](QWidget* modal) {
            auto* form = qobject_cast<FormFleet*>(modal);
            QVERIFY(form);
            label = Text(form, "LabelPort");
            form->reject();
        });
        rig.Window().Action(QStringLiteral("MenuFleet"))->trigger();
        QCOMPARE(label, shown);
    }

    // What cannot start a session is said, and nothing is started or written.
    void refusals_data() {
        QTest::addColumn<QString>("range");
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("said");
        QTest::newRow("range backwards") << "9-1" << QByteArray() << "ends before it begins";
        QTest::newRow("not a fleet log")
            << "1-2" << QByteArray("name,phone\n") << "is not a fleet log";
    }
    void refusals() {
        QFETCH(QString, range);
        QFETCH(QByteArray, log);
        QFETCH(QString, said);
        MainWindowRig rig;
        const QString logPath = Path("other.csv");
        QFile::remove(logPath);
        if (!log.isEmpty())
            QVERIFY(WriteFile(logPath, log));
        rig.Window();
        rig.codeplug = DistinctCodeplug(40); // a plan the check passes
        rig.codeplug.IsEnglish = true;
        OnNextModal([&](QWidget* modal) {
            auto* form = qobject_cast<FormFleet*>(modal);
            QVERIFY(form);
            form->findChild<QLineEdit*>("TextRange")->setText(range);
            form->findChild<QLineEdit*>("TextLog")->setText(logPath);
            form->findChild<QPushButton*>("CommandStart")->click();
            QVERIFY(!form->Running());
            form->reject();
        });
        rig.Window().Action(QStringLiteral("MenuFleet"))->trigger();
        QCOMPARE(rig.seam.messages.size(), 1);
        QVERIFY2(rig.seam.messages[0].text.contains(said), qPrintable(rig.seam.messages[0].text));
        QCOMPARE(FileBytes(logPath), log);
    }
};

QTEST_MAIN(TestFleetWindow)
#include "test_fleet_window.moc"
