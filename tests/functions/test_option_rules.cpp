// The function settings: the option page's values and repairs, the hidden options' image bytes,
// and the side key assignments in time and loop mode.

#include "functions/hidden_option_rules.h"
#include "functions/key_define_rules.h"
#include "functions/option_rules.h"
#include "functions/option_texts.h"
#include "rules_support.h"

#include <QtTest>
#include <functional>

using namespace zr40;
using namespace zr40::test;

using H = HiddenOptionRules;
using Selections = QList<KeyRowSelection>;

namespace {

Codeplug TimeMode() {
    Codeplug cp = UhfCodeplug();
    cp.KeyMethod = 1;
    cp.KeyDefine.fill(-1);
    return cp;
}

Codeplug LoopMode() {
    Codeplug cp = TimeMode();
    cp.KeyMethod = 2;
    return cp;
}

// Key codes `from` onwards.
QList<Long> Keys(const Codeplug& cp, int from, int count) {
    return QList<Long>(cp.KeyDefine.begin() + from, cp.KeyDefine.begin() + from + count);
}

} // namespace

class TestOptionRules : public QObject {
    Q_OBJECT

private slots:
    // New defaults load as they are, apart from the key codes without an item.
    void newDefaults() {
        Codeplug cp = UhfCodeplug();
        const Codeplug before = cp;
        const OptionView view = OptionRules::AnalyseOption(cp);
        QCOMPARE(std::pair(view.keyRows[1], view.keyRows[2]), std::pair(0, 0));
        QCOMPARE(std::pair(cp.KeyDefine[1], cp.KeyDefine[2]), std::pair(-1, -1));
        cp.KeyDefine[1] = 2;               // Monitor Instant is no long press
        cp.KeyDefine[2] = 3;               // code 3 has no function
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
        for (int i : {0, 1}) {
            cp.IdleTime[0] = R::SaveValue(i);
            QCOMPARE(R::AnalyseOption(cp).save, i);
        }
        QCOMPARE(R::SaveIndex(30), 1); // an older Special
        QCOMPARE(R::SaveIndex(100), 0);
    }

    // A value out of range is repaired when loaded; what is shown stands for what is stored.
    void repairs() {
        // field (local ID, vox level, vox delay), stored, after loading, shown
        // clang-format off
        for (const auto& [field, stored, after, shown] : {std::tuple{0, 0xABC, 0xABC, "ABC"},
             {0, 0x800000, 0, "0"}, {0, -1, 0, "0"}, {1, 10, 10, "10"}, {1, 11, 0, "Off"},
             {1, -1, 0, "Off"}, {2, 150, 150, "3.0"}, {2, 52, 52, "1.0"}, {2, 4, 50, "1.0"},
             {2, 151, 50, "1.0"}}) {
            // clang-format on
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
        QCOMPARE(std::tuple(cp.VoltageWarningInterval[0], cp.VoltageLower[2], cp.VoltageUpper[7],
                            cp.SleepPoint[0]),
                 std::tuple(0, 0, 0, 0));
        QCOMPARE(QStringList({view.warningInterval[1], view.voltageLower[3], view.sleepPoint[3]}),
                 QStringList({"999", "10000", "24"}));
        QCOMPARE(view.idleTime[1], 16); // the idle time list is in the hidden option tests
    }

    void keyMethodRepair() {
        Codeplug cp = UhfCodeplug();
        cp.KeyMethod = 0;
        cp.KeyDefine[1] = 2; // Monitor Instant is a loop-mode item on every row
        const OptionView view = OptionRules::AnalyseOption(cp);
        QCOMPARE(std::tuple(cp.KeyMethod, view.keyMethod, view.keyRows[1], cp.KeyDefine[1]),
                 std::tuple(2, 2, 2, 2));
    }

    // Each list as long in Chinese as in English, since the stored values are list positions.
    void everyListInBothLanguages() {
        for (const char* combo :
             {"ComboVoice", "ComboTOT", "ComboVoxLevel", "ComboVoxDelay", "ComboSave",
              "ComboKeyMethod", "ComboTOTWarning", "ComboSQ", "ComboCall", "ComboMicReduction",
              "ComboIdleTime", "ComboSleepPoint", "ComboAlarmMethod", "ComboKeyDefine"}) {
            const int count = OptionTexts::Items(combo, English()).size();
            QVERIFY2(count > 1, combo);
            QCOMPARE(OptionTexts::Items(combo, Chinese(',')).size(), count);
        }
    }

    // Each control write, applied in order to one codeplug, and the image byte it leaves.
    void controlWrites() {
        struct Step {
            const char* what;
            std::function<void(Codeplug&)> apply;
            int offset;
            int value;
        };
        using F = H::FeatureBit;
        // clang-format off
        const Step steps[] = {
            {"alert lock on (stored inverted)", [](Codeplug& cp) { H::SetAlertLock(cp, true); }, 296, 0},
            {"alert lock off", [](Codeplug& cp) { H::SetAlertLock(cp, false); }, 296, 1},
            {"reset allow", [](Codeplug& cp) { H::SetResetAllow(cp, true); }, 299, 1},
            {"tail", [](Codeplug& cp) { H::SetTail(cp, true); }, 287, 1},
            {"vox cancel on", [](Codeplug& cp) { H::SetVoxCancel(cp, true); }, 279, 1},
            {"vox cancel off", [](Codeplug& cp) { H::SetVoxCancel(cp, false); }, 279, 0},
            // Byte 303 starts as 0x0C: bits 2 and 3 belong to no control.
            {"save", [](Codeplug& cp) { H::SetFeatureBit(cp, F(H::kBitSave), true); }, 303, 0x0D},
            {"beep", [](Codeplug& cp) { H::SetFeatureBit(cp, F(H::kBitBeep), true); }, 303, 0x0F},
            {"vox tone", [](Codeplug& cp) { H::SetFeatureBit(cp, F(H::kBitVoxTone), true); }, 303, 0x4F},
            {"inf master", [](Codeplug& cp) { H::SetFeatureBit(cp, F(H::kBitInfMaster), true); }, 303, 0xCF},
            {"vox", [](Codeplug& cp) { H::SetFeatureBit(cp, F(H::kBitVox), true); }, 303, 0xDF},
            {"scramble", [](Codeplug& cp) { H::SetFeatureBit(cp, F(H::kBitScramble), true); }, 303, 0xFF},
            {"save off", [](Codeplug& cp) { H::SetFeatureBit(cp, F(H::kBitSave), false); }, 303, 0xFE},
            {"inf master off", [](Codeplug& cp) { H::SetFeatureBit(cp, F(H::kBitInfMaster), false); }, 303, 0x7E},
            // Byte 310 starts as 0x07: roger is bit 5, the alarm method bits 7..6.
            {"roger on", [](Codeplug& cp) { H::SetRoger(cp, true); }, 310, 0x27},
            {"alarm 1", [](Codeplug& cp) { H::SetAlarmMethod(cp, 1); }, 310, 0xA7},
            {"alarm 2", [](Codeplug& cp) { H::SetAlarmMethod(cp, 2); }, 310, 0xE7},
            {"alarm none selected", [](Codeplug& cp) { H::SetAlarmMethod(cp, -1); }, 310, 0xE7},
            {"roger off", [](Codeplug& cp) { H::SetRoger(cp, false); }, 310, 0xC7},
            {"call response", [](Codeplug& cp) { H::SetCallResponse(cp, 5); }, 275, 5},
            {"mic reduction", [](Codeplug& cp) { H::SetMicReduction(cp, 2); }, 295, 2},
            {"tot warning", [](Codeplug& cp) { H::SetTotWarning(cp, 10); }, 305, 10},
            {"squelch", [](Codeplug& cp) { H::SetSquelch(cp, 9); }, 308, 9},
            {"squelch none selected", [](Codeplug& cp) { H::SetSquelch(cp, -1); }, 308, 9},
            {"inf bank 42 in BCD", [](Codeplug& cp) { H::EnterInfBank(cp, "42"); }, 311, 0x42},
            {"inf model 987 high", [](Codeplug& cp) { H::EnterInfModel(cp, "987"); }, 312, 0x09},
            {"inf model 987 low", [](Codeplug&) {}, 313, 0x87},
            {"inf model 15 high", [](Codeplug& cp) { H::EnterInfModel(cp, "15"); }, 312, 0x00},
            {"inf model 15 low", [](Codeplug&) {}, 313, 0x15},
            {"inf model empty", [](Codeplug& cp) { H::EnterInfModel(cp, ""); }, 313, 0x00},
        };
        // clang-format on
        Codeplug cp = UhfCodeplug();
        cp.RadioImage[303] = 0x0C;
        cp.RadioImage[310] = 0x07;
        for (const Step& step : steps) {
            step.apply(cp);
            QVERIFY2(int(cp.RadioImage[step.offset]) == step.value, step.what);
        }
        QCOMPARE(H::EnterInfBank(cp, "42").text, "42");
    }

    void extensionMovesTheTxTopOnly400Models() {
        Codeplug cp = UhfCodeplug();
        H::SetExtension(cp, true);
        QVERIFY(cp.RadioImage[300] == 1 && cp.BandUpperTx == 520);
        H::SetExtension(cp, false);
        QVERIFY(cp.RadioImage[300] == 0 && cp.BandUpperTx == 480);
        cp.BandLower = 136;
        cp.BandUpperTx = 174;
        H::SetExtension(cp, true);
        QVERIFY(cp.RadioImage[300] == 1 && cp.BandUpperTx == 174);
    }

    void idleTimeAndSleepLists() {
        for (int p = 0; p <= 18; ++p)
            QCOMPARE(H::IdleTimeIndex(H::IdleTimeValue(p)), p);
        QCOMPARE(H::IdleTimeIndex(100), 0);
        QCOMPARE(H::IdleTimeIndex(-1), 0);
        Codeplug cp = UhfCodeplug();
        H::SetIdleTime(cp, 3, 17);
        H::SetIdleTime(cp, 3, -1); // nothing selected
        QCOMPARE(cp.IdleTime[3], 25);
        H::SetSleepPointSeconds(cp, 999);
        H::SetSleepPointSeconds(cp, -1);
        QCOMPARE(cp.SleepPoint[0], 49950);
    }

    // Sleep point and warning interval in seconds (stored as 50 ms steps, at most 999 s),
    // voltages as typed up to 10000.
    void numberFields() {
        const std::tuple<const char*, int, const char*, const char*, int> rows[] = {
            {"10", 500, "10", "10", 10},
            {"999", 49950, "999", "999", 999},
            {"1000", 49950, "999", "999", 1000},
            {"10001", 49950, "999", "999", 10000},
            {"", 0, "0", "", 0},
            {"1x", 49950, "999", "999", -1}};
        for (const auto& [typed, steps, sleepShown, intervalShown, volts] : rows) {
            Codeplug cp = UhfCodeplug();
            QCOMPARE(H::EnterSleepPoint(cp, 2, typed).text, sleepShown);
            QCOMPARE(H::EnterWarningInterval(cp, 7, typed).text, intervalShown);
            QVERIFY2(cp.SleepPoint[2] == steps && cp.VoltageWarningInterval[7] == steps, typed);
            H::EnterVoltageLower(cp, 0, typed);
            H::EnterVoltageUpper(cp, 7, typed);
            if (volts >= 0)
                QVERIFY2(cp.VoltageLower[0] == volts && cp.VoltageUpper[7] == volts, typed);
        }
    }

    void timeCodes_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("code");
        const int shortCodes[] = {-1, 1, 2, 4, 5, 6, 8, 9, 12};
        const int longCodes[] = {-1, 1, 4, 5, 6, 8, 9, 12};
        for (int p = 0; p < 9; ++p)
            QTest::addRow("short %d", p) << 0 << p << shortCodes[p];
        for (int p = 0; p < 8; ++p)
            QTest::addRow("long %d", p) << 3 << p << longCodes[p];
    }
    void timeCodes() {
        QFETCH(int, row);
        QFETCH(int, position);
        QFETCH(int, code);
        QCOMPARE(KeyDefineRules::CodeOf(row, position, 1), code);
        QCOMPARE(KeyDefineRules::PositionOf(row, code, 1), position);
        Codeplug cp = TimeMode();
        const Selections expected =
            code == 2 ? Selections({{row + 1, 0}}) : Selections(); // Monitor Instant
        QCOMPARE(KeyDefineRules::Click(cp, row, position), expected);
        QCOMPARE(cp.KeyDefine[row], code);
    }

    // Codes a row has no item for load as None and are cleared.
    void codesWithoutItemsLoadAsNone() {
        std::vector<std::tuple<int, int, int>> cases{{1, 1, 2}}; // method, row, code
        for (int code : {3, 7, 10, 11, 13, 0, -5})
            cases.emplace_back(1, 2, code);
        for (int code : {9, 10, 11, 12, 13, 0})
            cases.emplace_back(2, 4, code);
        for (const auto& [method, row, code] : cases) {
            Codeplug cp = TimeMode();
            cp.KeyMethod = method;
            cp.KeyDefine[row] = code;
            const int position = KeyDefineRules::LoadRows(cp)[row];
            QCOMPARE(std::tuple(code, position, cp.KeyDefine[row]), std::tuple(code, 0, -1));
        }
    }

    void loadReadsEveryRow() {
        Codeplug cp = TimeMode();
        cp.KeyDefine[0] = 2;
        cp.KeyDefine[5] = 12;
        cp.KeyDefine[14] = 9;
        cp.KeyDefine[16] = 12; // element 16 is no row
        const auto positions = KeyDefineRules::LoadRows(cp);
        QVERIFY(positions[0] == 2 && positions[5] == 7 && positions[14] == 7);
        QCOMPARE(cp.KeyDefine[16], 12);
    }

    // Time mode: Monitor Instant on a short press takes the long press of the same key.
    void monitorInstantBothDirections() {
        Codeplug cp = TimeMode();
        cp.KeyDefine[1] = 5;
        QCOMPARE(KeyDefineRules::Click(cp, 0, 2), Selections({{1, 0}}));
        QCOMPARE(Keys(cp, 0, 2), QList<Long>({2, -1}));
        // ... the long press snaps back while it holds, None is always taken ...
        QCOMPARE(KeyDefineRules::Click(cp, 1, 4), Selections({{1, 0}}));
        QCOMPARE(cp.KeyDefine[1], -1);
        cp.KeyDefine[1] = 1; // from a file
        QVERIFY(KeyDefineRules::Click(cp, 1, 0).isEmpty());
        QCOMPARE(cp.KeyDefine[1], -1);
        // ... and is free again once the short press changes.
        KeyDefineRules::Click(cp, 0, 1);
        QVERIFY(KeyDefineRules::Click(cp, 1, 2).isEmpty());
        QCOMPARE(cp.KeyDefine[1], 4);
        // None on a short press does not cascade in time mode.
        cp.KeyDefine[2] = 1;
        QVERIFY(KeyDefineRules::Click(cp, 0, 0).isEmpty());
        QCOMPARE(Keys(cp, 1, 2), QList<Long>({4, 1}));
        // A click without a selection, or past a long row's 8 items, changes nothing.
        QVERIFY(KeyDefineRules::Click(cp, 1, -1).isEmpty());
        QVERIFY(KeyDefineRules::Click(cp, 1, 8).isEmpty());
        QCOMPARE(cp.KeyDefine[1], 4);
    }

    void loopMode() {
        Codeplug cp = LoopMode();
        for (int p = 1; p <= 8; ++p) // loop codes are the positions
            QVERIFY(KeyDefineRules::CodeOf(9, p, 2) == p &&
                    KeyDefineRules::PositionOf(9, p, 2) == p);
        QCOMPARE(KeyDefineRules::CodeOf(9, 0, 2), -1);
        for (int row = 0; row < 10; ++row)
            cp.KeyDefine[row] = 1;
        // None clears the following steps, up to the last one.
        QCOMPARE(KeyDefineRules::Click(cp, 4, 0), Selections({{5, 0}, {6, 0}, {7, 0}}));
        QCOMPARE(Keys(cp, 3, 6), QList<Long>({1, -1, -1, -1, -1, 1}));
        QVERIFY(KeyDefineRules::Click(cp, 7, 0).isEmpty());
        // Monitor Instant has no rule here.
        cp.KeyDefine[1] = 5;
        QVERIFY(KeyDefineRules::Click(cp, 0, 2).isEmpty());
        QCOMPARE(Keys(cp, 0, 2), QList<Long>({2, 5}));
        QVERIFY(KeyDefineRules::Click(cp, 1, 3).isEmpty());
        QCOMPARE(cp.KeyDefine[1], 3);
    }

    void changingTheMethodKeepsEachFunction() {
        Codeplug cp = TimeMode();
        // Monitor Instant, None, Denoise Switch, Tx Power.
        std::copy_n(QList<Long>({2, -1, 12, 4}).begin(), 4, cp.KeyDefine.begin());
        Selections rows = KeyDefineRules::ChangeKeyMethod(cp, 1);
        QCOMPARE(cp.KeyMethod, 2);
        QCOMPARE(Keys(cp, 0, 4), QList<Long>({2, -1, 8, 3}));
        QCOMPARE(rows.size(), 16);
        QCOMPARE(rows.at(3), (KeyRowSelection{3, 3}));

        cp.KeyDefine[1] = 2; // Monitor Instant on a long press: fine in loop mode only
        rows = KeyDefineRules::ChangeKeyMethod(cp, 0);
        QCOMPARE(cp.KeyMethod, 1);
        QCOMPARE(Keys(cp, 0, 4), QList<Long>({2, -1, 12, 4}));
        QCOMPARE(rows.at(3), (KeyRowSelection{3, 2}));
    }
};

QTEST_APPLESS_MAIN(TestOptionRules)
#include "test_option_rules.moc"
