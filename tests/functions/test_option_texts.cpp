#include "functions/option_texts.h"
#include "functions_test_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestOptionTexts : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionExistsInBothLanguages() {
        const QStringList names = OptionTexts::CaptionedControls();
        QVERIFY(names.size() >= 40);
        for (const QString& name : names) {
            QVERIFY2(!OptionTexts::Caption(name, English()).isEmpty(), qPrintable(name));
            QVERIFY2(!OptionTexts::Caption(name, Chinese()).isEmpty(), qPrintable(name));
        }
        QVERIFY(OptionTexts::Caption("NoSuchControl", English()).isEmpty());
    }

    void captions() {
        QCOMPARE(OptionTexts::Caption("window", Chinese()), QString::fromUtf8("功能设定"));
        QCOMPARE(OptionTexts::Caption("LabelLocalID", English()),
                 "Local ID" + QString(25, ' ') + "(0~7FFFFF)");
        QCOMPARE(OptionTexts::Caption("LabelLocalID", Chinese()),
                 QString::fromUtf8("本机ID") + QString(24, ' ') + "(0~7FFFFF)");
    }

    void itemLists_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        // clang-format off
        QTest::newRow("voice") << "ComboVoice" << 3 << "Off" << "English";
        QTest::newRow("tot") << "ComboTOT" << 41 << "Off" << "600";
        QTest::newRow("vox level") << "ComboVoxLevel" << 11 << "Off" << "10";
        QTest::newRow("vox delay") << "ComboVoxDelay" << 30 << "0.1" << "3.0";
        QTest::newRow("save") << "ComboSave" << 2 << "Normal" << "Special";
        QTest::newRow("key method") << "ComboKeyMethod" << 2 << "Time" << "Loop";
        QTest::newRow("tot warning") << "ComboTOTWarning" << 11 << "Off" << "10";
        QTest::newRow("squelch") << "ComboSQ" << 10 << "0" << "9";
        QTest::newRow("call") << "ComboCall" << 6 << "Off" << "Vibration+Chord2";
        QTest::newRow("mic") << "ComboMicReduction" << 3 << "Through" << "High Noise Reduction";
        QTest::newRow("idle time") << "ComboIdleTime" << 19 << "Off" << "1:30";
        QTest::newRow("sleep point") << "ComboSleepPoint" << 1000 << "0S" << "999S";
        QTest::newRow("alarm") << "ComboAlarmMethod" << 3 << "Local" << "Local+Remote";
        QTest::newRow("key functions") << "ComboKeyDefine" << 9 << "None" << "Denoise Switch";
        // clang-format on
    }
    void itemLists() {
        QFETCH(QString, control);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const QStringList english = OptionTexts::Items(control, English());
        QCOMPARE(english.size(), count);
        QCOMPARE(english.first(), first);
        QCOMPARE(english.last(), last);
        QCOMPARE(OptionTexts::Items(control, Chinese()).size(), count);
    }

    void chineseItemsAndSeparator() {
        QCOMPARE(OptionTexts::Items("ComboSave", Chinese()),
                 QStringList({QString::fromUtf8("常规省电"), QString::fromUtf8("超级省电")}));
        QCOMPARE(OptionTexts::Items("ComboVoxDelay", English(',')).at(9), "1,0");
        QCOMPARE(OptionTexts::BatteryLevelLabels(English()).size(), 8);
        QCOMPARE(OptionTexts::BatteryLevelLabels(Chinese()).at(4), QString::fromUtf8("关机"));
    }
};

QTEST_APPLESS_MAIN(TestOptionTexts)
#include "test_option_texts.moc"
