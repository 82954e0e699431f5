#include "shell/change_tracker.h"
#include "shell/main_window_texts.h"
#include "shell/panel_layout.h"
#include "shell/port_choice.h"
#include "shell/start_options.h"

#include <QTest>

using namespace zr40;

// The shell's rules that need no window: port order and choice, panel geometry, the command
// line, change tracking and the caption texts.
class TestShellRules : public QObject {
    Q_OBJECT
private slots:
    void naturalPortOrder_data();
    void naturalPortOrder();
    void preselection_data();
    void preselection();
    void settingText_data();
    void settingText();
    void dragLimits_data();
    void dragLimits();
    void twipsFollowTheScreen();
    void commandLine_data();
    void commandLine();
    void trackerSeesEveryFileValue();
    void captionsAndPortPanel();
};

void TestShellRules::naturalPortOrder_data() {
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("linux") << QStringList{"ttyS10", "ttyUSB1", "ttyS2", "ttyACM0", "ttyUSB0"}
                           << QStringList{"ttyACM0", "ttyS2", "ttyS10", "ttyUSB0", "ttyUSB1"};
    QTest::newRow("com") << QStringList{"COM10", "COM2", "COM1", "COM99"}
                         << QStringList{"COM1", "COM2", "COM10", "COM99"};
    QTest::newRow("duplicates and blanks")
        << QStringList{"COM3", "", "COM3", "COM1"} << QStringList{"COM1", "COM3"};
    QTest::newRow("prefix first") << QStringList{"ttyS1x", "ttyS1"}
                                  << QStringList{"ttyS1", "ttyS1x"};
}

void TestShellRules::naturalPortOrder() {
    QFETCH(QStringList, input);
    QFETCH(QStringList, expected);
    QCOMPARE(PortChoice::Sorted(input), expected);
}

void TestShellRules::preselection_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("nameAfter");
    QTest::addColumn<int>("numberAfter");
    QTest::newRow("com present") << QStringList{"COM1", "COM3"} << "" << 3 << 1 << "" << 3;
    QTest::newRow("com absent") << QStringList{"COM1", "COM2"} << "" << 5 << 0 << "COM1" << 1;
    QTest::newRow("device present")
        << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0" << 1 << 1 << "ttyUSB0" << 1;
    QTest::newRow("device absent")
        << QStringList{"ttyS0", "ttyUSB0"} << "ttyACM0" << 1 << 0 << "ttyS0" << 1;
    QTest::newRow("nothing present") << QStringList{} << "ttyACM0" << 4 << -1 << "ttyACM0" << 4;
}

void TestShellRules::preselection() {
    QFETCH(QStringList, items);
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(int, index);
    QFETCH(QString, nameAfter);
    QFETCH(int, numberAfter);
    Codeplug codeplug;
    codeplug.ComPortName = name;
    codeplug.ComPortNumber = static_cast<std::int16_t>(number);
    QCOMPARE(PortChoice::Preselect(items, codeplug), index);
    QCOMPARE(codeplug.ComPortName, nameAfter);
    QCOMPARE(int(codeplug.ComPortNumber), numberAfter);
}

void TestShellRules::settingText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("com number") << "COM10"
                                << "10";
    QTest::newRow("device") << "ttyUSB0"
                            << "ttyUSB0";
    QTest::newRow("path") << " /dev/pts/4 "
                          << "/dev/pts/4";
}

void TestShellRules::settingText() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(PortChoice::SettingText(name), text);
}

void TestShellRules::dragLimits_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("at the minimum") << 120 << 15000 << false;
    QTest::newRow("just above the minimum") << 121 << 15000 << true;
    QTest::newRow("100 twips") << 100 << 15000 << false;
    QTest::newRow("half the window") << 7500 << 15000 << false;
    QTest::newRow("below half") << 7499 << 15000 << true;
    QTest::newRow("beyond half") << 9000 << 15000 << false;
}

void TestShellRules::dragLimits() {
    QFETCH(int, x);
    QFETCH(int, window);
    QFETCH(bool, accepted);
    QCOMPARE(PanelLayout::AcceptsDrag(x, window), accepted);
}

void TestShellRules::twipsFollowTheScreen() {
    QCOMPARE(PanelLayout::ToTwips(100, 96), 1500);
    QCOMPARE(PanelLayout::ToPixels(2500, 96), 167);
    // A screen of twice the density: the tree keeps its physical width.
    QCOMPARE(PanelLayout::ToPixels(2500, 192), 333);
    QCOMPARE(PanelLayout::TwipsPerPixel(0), 15.0);
}

void TestShellRules::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("splash");
    QTest::addColumn<bool>("failed");
    QTest::newRow("nothing") << QStringList{"zr40cps"} << "" << true << false;
    QTest::newRow("port") << QStringList{"zr40cps", "--port", "/dev/pts/3"} << "/dev/pts/3" << true
                          << false;
    QTest::newRow("no splash") << QStringList{"zr40cps", "--no-splash"} << "" << false << false;
    QTest::newRow("port without value") << QStringList{"zr40cps", "--port"} << "" << true << true;
    QTest::newRow("unknown") << QStringList{"zr40cps", "--fast"} << "" << true << true;
    QTest::newRow("bad language") << QStringList{"zr40cps", "--lang", "fr"} << "" << true << true;
}

void TestShellRules::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, port);
    QFETCH(bool, splash);
    QFETCH(bool, failed);
    const StartOptions options = StartOptions::Parse(arguments);
    QCOMPARE(options.port, port);
    QCOMPARE(options.splash, splash);
    QCOMPARE(!options.error.isEmpty(), failed);
}

void TestShellRules::trackerSeesEveryFileValue() {
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

void TestShellRules::captionsAndPortPanel() {
    QCOMPARE(MainWindowTexts::Caption(QStringLiteral("a.rdat"), false, true),
             QStringLiteral("ZR40[FileName:a.rdat]"));
    QCOMPARE(MainWindowTexts::Caption(QStringLiteral("a.rdat"), true, false),
             QStringLiteral("ZR40[文件名:a.rdat*]"));
    QCOMPARE(MainWindowTexts::PortPanel(QString(), 4, true), QStringLiteral("COM4"));
    QCOMPARE(MainWindowTexts::PortPanel(QStringLiteral("COM12"), 12, false),
             QStringLiteral("通信端口12"));
    QCOMPARE(MainWindowTexts::PortPanel(QStringLiteral("ttyUSB0"), 1, true),
             QStringLiteral("COM ttyUSB0"));
}

QTEST_MAIN(TestShellRules)
#include "test_shell_rules.moc"
