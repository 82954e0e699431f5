#include "functions/hidden_option_rules.h"
#include "functions_test_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestHiddenOptionRules : public QObject {
    Q_OBJECT

private slots:
    void checkBytes() {
        Codeplug cp = NewCodeplug();
        HiddenOptionRules::SetAlertLock(cp, true);
        QCOMPARE(cp.RadioImage[296], 0);
        HiddenOptionRules::SetAlertLock(cp, false);
        QCOMPARE(cp.RadioImage[296], 1);
        HiddenOptionRules::SetResetAllow(cp, true);
        QCOMPARE(cp.RadioImage[299], 1);
        HiddenOptionRules::SetTail(cp, true);
        QCOMPARE(cp.RadioImage[287], 1);
        HiddenOptionRules::SetVoxCancel(cp, true);
        QCOMPARE(cp.RadioImage[279], 1);
        HiddenOptionRules::SetVoxCancel(cp, false);
        QCOMPARE(cp.RadioImage[279], 0);
    }

    void extensionMovesTheTxTopOnly400Models() {
        Codeplug cp = NewCodeplug();
        HiddenOptionRules::SetExtension(cp, true);
        QCOMPARE(cp.RadioImage[300], 1);
        QCOMPARE(cp.BandUpperTx, 520);
        HiddenOptionRules::SetExtension(cp, false);
        QCOMPARE(cp.RadioImage[300], 0);
        QCOMPARE(cp.BandUpperTx, 480);
        cp.BandLower = 136;
        cp.BandUpperTx = 174;
        HiddenOptionRules::SetExtension(cp, true);
        QCOMPARE(cp.RadioImage[300], 1);
        QCOMPARE(cp.BandUpperTx, 174);
    }

    void featureBits_data() {
        QTest::addColumn<int>("bit");
        QTest::addColumn<int>("mask");
        QTest::newRow("save") << int(HiddenOptionRules::kBitSave) << 0x01;
        QTest::newRow("beep") << int(HiddenOptionRules::kBitBeep) << 0x02;
        QTest::newRow("vox") << int(HiddenOptionRules::kBitVox) << 0x10;
        QTest::newRow("scramble") << int(HiddenOptionRules::kBitScramble) << 0x20;
        QTest::newRow("vox tone") << int(HiddenOptionRules::kBitVoxTone) << 0x40;
        QTest::newRow("inf master") << int(HiddenOptionRules::kBitInfMaster) << 0x80;
    }
    void featureBits() {
        QFETCH(int, bit);
        QFETCH(int, mask);
        Codeplug cp = NewCodeplug();
        cp.RadioImage[303] = 0x0C; // bits 2 and 3 belong to nobody here
        const auto feature = static_cast<HiddenOptionRules::FeatureBit>(bit);
        HiddenOptionRules::SetFeatureBit(cp, feature, true);
        QCOMPARE(int(cp.RadioImage[303]), 0x0C | mask);
        HiddenOptionRules::SetFeatureBit(cp, feature, false);
        QCOMPARE(int(cp.RadioImage[303]), 0x0C);
    }

    void rogerAndAlarmShareByte310() {
        Codeplug cp = NewCodeplug();
        cp.RadioImage[310] = 0x07;
        HiddenOptionRules::SetRoger(cp, true);
        QCOMPARE(int(cp.RadioImage[310]), 0x27);
        HiddenOptionRules::SetAlarmMethod(cp, 0);
        QCOMPARE(int(cp.RadioImage[310]), 0x67);
        HiddenOptionRules::SetAlarmMethod(cp, 1);
        QCOMPARE(int(cp.RadioImage[310]), 0xA7);
        HiddenOptionRules::SetAlarmMethod(cp, 2);
        QCOMPARE(int(cp.RadioImage[310]), 0xE7);
        HiddenOptionRules::SetAlarmMethod(cp, -1);
        QCOMPARE(int(cp.RadioImage[310]), 0xE7);
        HiddenOptionRules::SetRoger(cp, false);
        QCOMPARE(int(cp.RadioImage[310]), 0xC7);
    }

    void listBytes() {
        Codeplug cp = NewCodeplug();
        HiddenOptionRules::SetCallResponse(cp, 5);
        HiddenOptionRules::SetMicReduction(cp, 2);
        HiddenOptionRules::SetTotWarning(cp, 10);
        HiddenOptionRules::SetSquelch(cp, 9);
        QCOMPARE(cp.RadioImage[275], 5);
        QCOMPARE(cp.RadioImage[295], 2);
        QCOMPARE(cp.RadioImage[305], 10);
        QCOMPARE(cp.RadioImage[308], 9);
        HiddenOptionRules::SetSquelch(cp, -1);
        QCOMPARE(cp.RadioImage[308], 9);
    }

    void infraredNumbersInPackedDecimal() {
        Codeplug cp = NewCodeplug();
        NumberEntry entry = HiddenOptionRules::EnterInfBank(cp, "42");
        QCOMPARE(cp.RadioImage[311], 0x42);
        QCOMPARE(entry.text, "42");
        HiddenOptionRules::EnterInfBank(cp, "7");
        QCOMPARE(cp.RadioImage[311], 0x07);
        entry = HiddenOptionRules::EnterInfModel(cp, "987");
        QCOMPARE(cp.RadioImage[312], 0x09);
        QCOMPARE(cp.RadioImage[313], 0x87);
        HiddenOptionRules::EnterInfModel(cp, "15");
        QCOMPARE(cp.RadioImage[312], 0x00);
        QCOMPARE(cp.RadioImage[313], 0x15);
        HiddenOptionRules::EnterInfModel(cp, "");
        QCOMPARE(cp.RadioImage[313], 0x00);
    }

    void idleTimeCoding() {
        for (int p = 0; p <= 15; ++p)
            QCOMPARE(HiddenOptionRules::IdleTimeValue(p), p);
        QCOMPARE(HiddenOptionRules::IdleTimeValue(16), 20);
        QCOMPARE(HiddenOptionRules::IdleTimeValue(17), 25);
        QCOMPARE(HiddenOptionRules::IdleTimeValue(18), 30);
        for (int p = 0; p <= 18; ++p)
            QCOMPARE(HiddenOptionRules::IdleTimeIndex(HiddenOptionRules::IdleTimeValue(p)), p);
        QCOMPARE(HiddenOptionRules::IdleTimeIndex(100), 0);
        QCOMPARE(HiddenOptionRules::IdleTimeIndex(-1), 0);
        Codeplug cp = NewCodeplug();
        HiddenOptionRules::SetIdleTime(cp, 3, 17);
        QCOMPARE(cp.IdleTime[3], 25);
        HiddenOptionRules::SetIdleTime(cp, 3, -1); // nothing selected
        QCOMPARE(cp.IdleTime[3], 25);
    }

    void sleepPointList() {
        Codeplug cp = NewCodeplug();
        HiddenOptionRules::SetSleepPointSeconds(cp, 999);
        QCOMPARE(cp.SleepPoint[0], 49950);
        HiddenOptionRules::SetSleepPointSeconds(cp, -1);
        QCOMPARE(cp.SleepPoint[0], 49950);
    }

    void secondsFields_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("sleepShown");
        QTest::addColumn<QString>("intervalShown");
        QTest::newRow("10 s") << "10" << 500 << "10"
                              << "10";
        QTest::newRow("999 s") << "999" << 49950 << "999"
                               << "999";
        QTest::newRow("1000 s") << "1000" << 49950 << "999"
                                << "999";
        QTest::newRow("empty") << "" << 0 << "0"
                               << "";
        QTest::newRow("unreadable") << "1x" << 49950 << "999"
                                    << "999";
    }
    void secondsFields() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, sleepShown);
        QFETCH(QString, intervalShown);
        Codeplug cp = NewCodeplug();
        NumberEntry entry = HiddenOptionRules::EnterSleepPoint(cp, 2, typed);
        QCOMPARE(cp.SleepPoint[2], stored);
        QCOMPARE(entry.text, sleepShown);
        entry = HiddenOptionRules::EnterWarningInterval(cp, 7, typed);
        QCOMPARE(cp.VoltageWarningInterval[7], stored);
        QCOMPARE(entry.text, intervalShown);
    }

    void voltageFields_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("7400") << "7400" << 7400;
        QTest::newRow("10000") << "10000" << 10000;
        QTest::newRow("10001") << "10001" << 10000;
        QTest::newRow("999999") << "999999" << 10000;
        QTest::newRow("empty") << "" << 0;
    }
    void voltageFields() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        Codeplug cp = NewCodeplug();
        HiddenOptionRules::EnterVoltageLower(cp, 0, typed);
        HiddenOptionRules::EnterVoltageUpper(cp, 7, typed);
        QCOMPARE(cp.VoltageLower[0], stored);
        QCOMPARE(cp.VoltageUpper[7], stored);
    }
};

QTEST_APPLESS_MAIN(TestHiddenOptionRules)
#include "test_hidden_option_rules.moc"
