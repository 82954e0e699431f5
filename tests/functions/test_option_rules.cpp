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

    // Each list item writes a value that reads back as that item; odd stored values show the
    // item the radio takes them for and are not rewritten.
    void listCodings() {
        using R = OptionRules;
        Codeplug cp = UhfCodeplug();
        for (const auto& [stored, index] : {std::pair{0, 0}, {2, 2}, {7, 2}}) {
            cp.VoicePrompt = stored;
            QCOMPARE(R::AnalyseOption(cp).voice, index);
            QCOMPARE(cp.VoicePrompt, stored);
        }
        for (int i = 0; i <= 40; ++i)
            QCOMPARE(R::TotIndex(R::TotValue(i)), i);
        for (const auto& [stored, index] : {std::pair{601, 0}, {5, 0}, {20, 1}})
            QCOMPARE(R::TotIndex(stored), index);
        for (int i = 0; i < 30; ++i)
            QCOMPARE(R::VoxDelayIndex(R::VoxDelayValue(i)), i);
        QCOMPARE(R::VoxDelayValue(29), 150);
        for (int i : {0, 1}) {
            cp.IdleTime[0] = R::SaveValue(i);
            QCOMPARE(R::AnalyseOption(cp).save, i);
        }
        QCOMPARE(R::SaveValue(1), 15);
        QCOMPARE(R::SaveIndex(30), 1); // an older Special
        QCOMPARE(R::SaveIndex(100), 0);
    }

    // A value out of range is repaired when loaded; what is shown stands for what is stored.
    void repairs() {
        // field (local ID, vox level, vox delay), stored, after loading, shown
        for (const auto& [field, stored, after, shown] : {std::tuple{0, 0xABC, 0xABC, "ABC"},
                                                          {0, 0x800000, 0, "0"},
                                                          {0, -1, 0, "0"},
                                                          {1, 10, 10, "10"},
                                                          {1, 11, 0, "Off"},
                                                          {1, -1, 0, "Off"},
                                                          {2, 150, 150, "3.0"},
                                                          {2, 52, 52, "1.0"},
                                                          {2, 4, 50, "1.0"},
                                                          {2, 151, 50, "1.0"}}) {
            Codeplug cp = UhfCodeplug();
            Long* const values[] = {&cp.LocalID, &cp.VoxLevel, &cp.VoxDelay};
            *values[field] = stored;
            const OptionView view = OptionRules::AnalyseOption(cp);
            const QString texts[] = {
                view.localIdText,
                OptionTexts::Items("ComboVoxLevel", English()).value(view.voxLevel),
                OptionTexts::Items("ComboVoxDelay", English()).value(view.voxDelay)};
            QCOMPARE(std::tuple(field, *values[field], texts[field]),
                     std::tuple(field, after, QString(shown)));
        }
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

    // Each caption in both languages; each list as long in Chinese as in English, since the
    // stored values are list positions.
    void everyTextInBothLanguages() {
        const QStringList names = OptionTexts::CaptionedControls();
        QVERIFY(names.size() >= 40);
        for (const QString& name : names) {
            QVERIFY2(!OptionTexts::Caption(name, English()).isEmpty(), qPrintable(name));
            QVERIFY2(!OptionTexts::Caption(name, Chinese()).isEmpty(), qPrintable(name));
        }
        QVERIFY(OptionTexts::Caption("NoSuchControl", English()).isEmpty());
        for (const char* combo :
             {"ComboVoice", "ComboTOT", "ComboVoxLevel", "ComboVoxDelay", "ComboSave",
              "ComboKeyMethod", "ComboTOTWarning", "ComboSQ", "ComboCall", "ComboMicReduction",
              "ComboIdleTime", "ComboSleepPoint", "ComboAlarmMethod", "ComboKeyDefine"}) {
            const int count = OptionTexts::Items(combo, English()).size();
            QVERIFY2(count > 1, combo);
            QCOMPARE(OptionTexts::Items(combo, Chinese(',')).size(), count);
        }
        QCOMPARE(OptionTexts::Items("ComboVoxDelay", English(',')).at(9), "1,0");
    }
};

QTEST_APPLESS_MAIN(TestOptionRules)
#include "test_option_rules.moc"
