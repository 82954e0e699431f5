#include "shell/change_tracker.h"
#include "shell/main_window_texts.h"
#include "shell/panel_layout.h"
#include "shell/port_choice.h"
#include "shell/start_options.h"

#include <QProcess>
#include <QTest>

using namespace zr40;

// The shell's rules that need no window: port order and choice, panel geometry, the command
// line, change tracking and the port panel text.
class TestShellRules : public QObject {
    Q_OBJECT
private slots:
    void naturalPortOrder() {
        QCOMPARE(PortChoice::Sorted({"ttyS10", "ttyUSB1", "ttyS2", "ttyACM0", "ttyUSB0"}),
                 QStringList({"ttyACM0", "ttyS2", "ttyS10", "ttyUSB0", "ttyUSB1"}));
        QCOMPARE(PortChoice::Sorted({"COM10", "COM3", "", "COM3", "COM1"}),
                 QStringList({"COM1", "COM3", "COM10"}));
        QCOMPARE(PortChoice::Sorted({"ttyS1x", "ttyS1"}), QStringList({"ttyS1", "ttyS1x"}));
        QCOMPARE(PortChoice::SettingText(QStringLiteral("COM10")), QStringLiteral("10"));
        QCOMPARE(PortChoice::SettingText(QStringLiteral(" /dev/pts/4 ")),
                 QStringLiteral("/dev/pts/4"));
    }

    // The port in use, compared as the device it opens, else the first; nothing changes yet.
    void preselection_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("index");
        QTest::newRow("com present") << QStringList{"COM1", "COM3"} << "" << 3 << 1;
        QTest::newRow("com absent") << QStringList{"COM1", "COM2"} << "" << 5 << 0;
        QTest::newRow("device present") << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0" << 1 << 1;
        QTest::newRow("device absent") << QStringList{"ttyS0", "ttyUSB0"} << "ttyACM0" << 1 << 0;
        QTest::newRow("path of a listed device")
            << QStringList{"ttyS0", "ttyUSB0"} << "/dev/ttyUSB0" << 1 << 1;
#ifndef Q_OS_WIN
        QTest::newRow("number opens ttyS2") << QStringList{"ttyS0", "ttyS2"} << "" << 3 << 1;
#endif
        QTest::newRow("nothing present") << QStringList{} << "ttyACM0" << 4 << -1;
    }
    void preselection() {
        QFETCH(QStringList, items);
        QFETCH(QString, name);
        QFETCH(int, number);
        Codeplug codeplug;
        codeplug.ComPortName = name;
        codeplug.ComPortNumber = static_cast<std::int16_t>(number);
        QTEST(PortChoice::Preselect(items, codeplug), "index");
    }

    void dragLimits() {
        // More than 120 twips and less than half the window.
        for (int x : {100, 120, 7500, 9000})
            QVERIFY2(!PanelLayout::AcceptsDrag(x, 15000), qPrintable(QString::number(x)));
        for (int x : {121, 7499})
            QVERIFY2(PanelLayout::AcceptsDrag(x, 15000), qPrintable(QString::number(x)));
        // A screen of twice the density: the tree keeps its physical width.
        QCOMPARE(PanelLayout::ToPixels(2500, 96), 167);
        QCOMPARE(PanelLayout::ToPixels(2500, 192), 333);
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("splash");
        QTest::addColumn<bool>("failed");
        QTest::newRow("port") << QStringList{"zr40cps", "--port", "/dev/pts/3"} << "/dev/pts/3"
                              << true << false;
        QTest::newRow("no splash") << QStringList{"zr40cps", "--no-splash"} << "" << false << false;
        QTest::newRow("port without value")
            << QStringList{"zr40cps", "--port"} << "" << true << true;
        QTest::newRow("unknown") << QStringList{"zr40cps", "--fast"} << "" << true << true;
        QTest::newRow("stray argument") << QStringList{"zr40cps", "a.rdat"} << "" << true << true;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, failed);
        const StartOptions options = StartOptions::Parse(arguments);
        QTEST(options.port, "port");
        QTEST(options.splash, "splash");
        QCOMPARE(!options.error.isEmpty(), failed);
    }

    // Without any display, as on a server or in a package check: the options are read before
    // the GUI starts.
    void helpAndVersionNeedNoDisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << "--help" << 0 << "--service";
        QTest::newRow("version") << "--version" << 0 << "zr40cps " ZR40_VERSION;
        QTest::newRow("unknown option") << "--fast" << 2 << "Unknown option 'fast'";
    }
    void helpAndVersionNeedNoDisplay() {
        QFETCH(QString, option);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZR40_BINARY_DIR "/zr40cps"), {option});
        QVERIFY(process.waitForFinished(10000));
        QTEST(process.exitCode(), "exitCode");
        const QString printed =
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        QFETCH(QString, output);
        QVERIFY2(printed.contains(output), qPrintable(printed));
    }

    void trackerSeesEveryFileValue() {
        Codeplug codeplug;
        codeplug.ApplyStartupDefaults();
        ChangeTracker tracker;
        QVERIFY(tracker.IsModified(codeplug)); // nothing saved yet
        tracker.MarkSaved(codeplug);
        QVERIFY(!tracker.IsModified(codeplug));
        codeplug.RxListEntry[63] = 0x800001;
        QVERIFY(tracker.IsModified(codeplug));
        codeplug.RxListEntry[63] = -1;
        codeplug.ResetRxList(7);
        tracker.MarkSaved(codeplug);
        // Values the file does not hold are no change.
        codeplug.BandLower = 400;
        codeplug.RadioImage[10] = 1;
        QVERIFY(!tracker.IsModified(codeplug));
        tracker.MarkUnsaved();
        QVERIFY(tracker.IsModified(codeplug));
    }

    void portPanelForADevice() {
        QCOMPARE(MainWindowTexts::PortPanel(QStringLiteral("ttyUSB0"), 1, true),
                 QStringLiteral("COM ttyUSB0"));
    }
};

QTEST_MAIN(TestShellRules)
#include "test_shell_rules.moc"
