#include "functions/hidden_option_rules.h"
#include "rules_support.h"

#include <QtTest>
#include <functional>

using namespace zr40;
using namespace zr40::test;

using H = HiddenOptionRules;

class TestHiddenOptionRules : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(H::IdleTimeValue(16), 20);
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
};

QTEST_APPLESS_MAIN(TestHiddenOptionRules)
#include "test_hidden_option_rules.moc"
