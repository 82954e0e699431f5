#include "functions/option_rules.h"
#include "functions/option_texts.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestOptionRules : public QObject {
    Q_OBJECT

private slots:
    // New defaults load as they are, apart from the key codes without an item.
    void newDefaults() {
        Codeplug cp = UhfCodeplug();
        const Codeplug before = cp;
        const OptionView view = OptionRules::AnalyseOption(cp);
        QCOMPARE(view.voxDelay, 9);   // 50 = 1.0 s
        QCOMPARE(view.keyRows[0], 1); // Monitor
        QCOMPARE(view.keyRows[1], 0); // Monitor Instant is no long press: None
        QCOMPARE(view.keyRows[2], 0); // code 3 has no function: None
        QCOMPARE(view.keyRows[3], 2); // Tx Power on a long press
        QCOMPARE(view.sleepPoint[0], "20");
        QCOMPARE(cp.KeyDefine[1], -1);
        QCOMPARE(cp.KeyDefine[2], -1);
        cp.KeyDefine[1] = 2;
        cp.KeyDefine[2] = 3;
        QVERIFY(cp.SameRadioData(before)); // nothing else is touched
    }

    void enterLocalId_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("800000") << "800000" << 0x7FFFFF << "7FFFFF";
        QTest::newRow("8000") << "8000" << 0x8000 << "8000";
        QTest::newRow("empty") << "" << 0 << "";
        QTest::newRow("unreadable") << "XYZ" << 0x7FFFFF << "7FFFFF";
    }
    void enterLocalId() {
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(QString, shown);
        const LocalIdEntry entry = OptionRules::EnterLocalId(typed);
        QCOMPARE(entry.value, value);
        QCOMPARE(entry.text, shown);
    }

    void voiceAndTot() {
        Codeplug cp = UhfCodeplug();
        const std::pair<int, int> voices[] = {{0, 0}, {1, 1}, {2, 2}, {7, 2}};
        for (const auto& [stored, index] : voices) {
            cp.VoicePrompt = stored;
            QCOMPARE(OptionRules::AnalyseOption(cp).voice, index);
            QCOMPARE(cp.VoicePrompt, stored); // shown, not rewritten
        }
        const std::pair<int, int> tots[] = {{600, 40}, {601, 0}, {5, 0}, {20, 1}, {-1, 0}, {15, 1}};
        for (const auto& [stored, index] : tots)
            QCOMPARE(OptionRules::TotIndex(stored), index);
        QCOMPARE(OptionRules::TotValue(0), -1);
        QCOMPARE(OptionRules::TotValue(1), 15);
        QCOMPARE(OptionRules::TotValue(40), 600);
    }

    // A value out of range is repaired when loaded; what is shown stands for what is stored.
    void repairs_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("shown");
        QTest::newRow("local id ok") << 0 << 0xABC << 0xABC << "ABC";
        QTest::newRow("local id too large") << 0 << 0x800000 << 0 << "0";
        QTest::newRow("local id negative") << 0 << -1 << 0 << "0";
        QTest::newRow("vox level 10") << 1 << 10 << 10 << "10";
        QTest::newRow("vox level 11") << 1 << 11 << 0 << "Off";
        QTest::newRow("vox level -1") << 1 << -1 << 0 << "Off";
        QTest::newRow("vox delay 150 shows 3.0") << 2 << 150 << 150 << "3.0";
        QTest::newRow("vox delay 52 shows 1.0") << 2 << 52 << 52 << "1.0";
        QTest::newRow("vox delay 4 repaired to 1.0") << 2 << 4 << 50 << "1.0";
        QTest::newRow("vox delay 151 repaired to 1.0") << 2 << 151 << 50 << "1.0";
    }

    void repairs() {
        QFETCH(int, field);
        QFETCH(int, stored);
        QFETCH(int, after);
        QFETCH(QString, shown);
        Codeplug cp = UhfCodeplug();
        Long* const values[] = {&cp.LocalID, &cp.VoxLevel, &cp.VoxDelay};
        *values[field] = stored;
        const OptionView view = OptionRules::AnalyseOption(cp);
        QCOMPARE(*values[field], after);
        const QString texts[] = {
            view.localIdText, OptionTexts::Items("ComboVoxLevel", English()).value(view.voxLevel),
            OptionTexts::Items("ComboVoxDelay", English()).value(view.voxDelay)};
        QCOMPARE(texts[field], shown);
        if (field == 2)
            QCOMPARE(OptionRules::VoxDelayValue(view.voxDelay), after - after % 5);
    }

    void voxDelayWrites() {
        QCOMPARE(OptionRules::VoxDelayValue(0), 5);
        QCOMPARE(OptionRules::VoxDelayValue(29), 150);
        for (int i = 0; i < 30; ++i)
            QCOMPARE(OptionRules::VoxDelayIndex(OptionRules::VoxDelayValue(i)), i);
    }

    void saveModeReadsBackWhatItWrites() {
        Codeplug cp = UhfCodeplug();
        cp.IdleTime[0] = OptionRules::SaveValue(1);
        QCOMPARE(cp.IdleTime[0], 15);
        QCOMPARE(OptionRules::AnalyseOption(cp).save, 1);
        cp.IdleTime[0] = OptionRules::SaveValue(0);
        QCOMPARE(cp.IdleTime[0], 5);
        QCOMPARE(OptionRules::AnalyseOption(cp).save, 0);
        QCOMPARE(OptionRules::SaveIndex(30), 1); // an older Special
        QCOMPARE(OptionRules::SaveIndex(100), 0);
        QCOMPARE(OptionRules::SaveIndex(0), 0);
    }

    void batteryAndSleepRepairs() {
        Codeplug cp = UhfCodeplug();
        cp.VoltageWarningInterval[0] = 50000;
        cp.VoltageWarningInterval[1] = 49999;
        cp.VoltageLower[2] = 10001;
        cp.VoltageLower[3] = 10000;
        cp.VoltageUpper[7] = 20000;
        cp.SleepPoint[0] = 50000;
        cp.SleepPoint[3] = 1234;
        cp.IdleTime[1] = 20;
        const OptionView view = OptionRules::AnalyseOption(cp);
        QCOMPARE(cp.VoltageWarningInterval[0], 0);
        QCOMPARE(view.warningInterval[1], "999");
        QCOMPARE(cp.VoltageLower[2], 0);
        QCOMPARE(view.voltageLower[3], "10000");
        QCOMPARE(cp.VoltageUpper[7], 0);
        QCOMPARE(cp.SleepPoint[0], 0);
        QCOMPARE(view.sleepPoint[3], "24");
        QCOMPARE(view.idleTime[1], 16); // the idle time list is in the hidden option tests
    }

    void keyMethodRepair() {
        Codeplug cp = UhfCodeplug();
        cp.KeyMethod = 0;
        cp.KeyDefine[1] = 2; // Monitor Instant is a loop-mode item on every row
        const OptionView view = OptionRules::AnalyseOption(cp);
        QCOMPARE(cp.KeyMethod, 2);
        QCOMPARE(view.keyMethod, 2);
        QCOMPARE(view.keyRows[1], 2);
        QCOMPARE(cp.KeyDefine[1], 2);
    }
};

QTEST_APPLESS_MAIN(TestOptionRules)
#include "test_option_rules.moc"
