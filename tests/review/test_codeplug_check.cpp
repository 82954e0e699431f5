#include "channels/channel_effects.h"
#include "channels/tone_rules.h"
#include "review/codeplug_check.h"
#include "review_test_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

using Area = PlanLocation::Area;
using Severity = PlanProblem::Severity;

namespace {

// A problem as the table expects it: severity and place.
struct Expected {
    Severity severity;
    Area area;
    int index;
    QString field;
};

} // namespace

Q_DECLARE_METATYPE(Expected)

class TestCodeplugCheck : public QObject {
    Q_OBJECT

private slots:
    void samplePlanIsClean() {
        const PlanProblems problems = CodeplugCheck::Run(SampleCodeplug());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).english));
    }

    // New and the start-up plan have no channel at all: worth a warning, never an error.
    void newAndStartupPlansHaveNoError() {
        Codeplug startup;
        startup.ApplyStartupDefaults();
        for (const Codeplug& plan : {NewPlan(), startup}) {
            const PlanProblems problems = CodeplugCheck::Run(plan);
            QCOMPARE(problems.size(), 1);
            QCOMPARE(problems[0].severity, Severity::Warning);
            QCOMPARE(problems[0].location, PlanLocation::Channel(-1, "RxFreq"));
        }
    }

    // One fault each in the sample plan; channels are 0-based.
    void oneFaultOneProblem_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QList<Expected>>("expected");
        const auto one = [](Severity s, Area a, int i, const char* f) {
            return QList<Expected>{{s, a, i, QString::fromLatin1(f)}};
        };
        const Severity E = Severity::Error;
        const Severity W = Severity::Warning;
        const Area C = Area::Channel;
        const QList<Expected> none;
        // clang-format off
        QTest::newRow("rx below the band") << Edit([](Codeplug& c) { c.RxFreq[0] = 146000000; }) << one(E, C, 0, "RxFreq");
        QTest::newRow("rx above the band") << Edit([](Codeplug& c) { c.RxFreq[1] = 490000000; }) << one(E, C, 1, "RxFreq");
        QTest::newRow("tx above the band") << Edit([](Codeplug& c) { c.TxFreq[1] = 500000000; }) << one(E, C, 1, "TxFreq");
        QTest::newRow("tx not shown but set") << Edit([](Codeplug& c) { c.TxFreq[1] = 50000000; }) << one(E, C, 1, "TxFreq");
        QTest::newRow("tx above a lower transmit limit") << Edit([](Codeplug& c) { c.BandUpperTx = 469; }) << one(E, C, 7, "TxFreq");
        QTest::newRow("receive only") << Edit([](Codeplug& c) { c.TxFreq[1] = 0; }) << none;
        QTest::newRow("type 0") << Edit([](Codeplug& c) { c.ChannelType[0] = 0; }) << one(E, C, 0, "ChannelType");
        QTest::newRow("decode not a list tone") << Edit([](Codeplug& c) { c.RxCtcss[0] = 2543; }) << one(E, C, 0, "RxCtcss");
        QTest::newRow("encode not a list code") << Edit([](Codeplug& c) { c.TxCtcss[1] = -1; c.TxDcs[1] = ToneRules::DcsValue(010, true); }) << one(E, C, 1, "TxCtcss");
        QTest::newRow("decode below the list, shown as None") << Edit([](Codeplug& c) { c.RxCtcss[0] = 625; }) << one(E, C, 0, "RxCtcss");
        QTest::newRow("cleared encode reads none") << Edit([](Codeplug& c) { c.TxCtcss[1] = c.TxDcs[1] = 0; }) << none;
        QTest::newRow("encode of a channel without transmit") << Edit([](Codeplug& c) { c.TxFreq[2] = 0; c.TxCtcss[2] = 2543; }) << none;
        QTest::newRow("tones of a digital channel") << Edit([](Codeplug& c) { c.RxCtcss[4] = 2543; }) << none;
        QTest::newRow("rx list beyond the count") << Edit([](Codeplug& c) { c.ChannelRxList[4] = 8; }) << one(E, C, 4, "ChannelRxList");
        QTest::newRow("rx list beyond a smaller count") << Edit([](Codeplug& c) { c.RxListCount = 1; }) << one(E, C, 5, "ChannelRxList");
        QTest::newRow("rx list of an analog channel") << Edit([](Codeplug& c) { c.ChannelRxList[0] = 40; }) << none;
        QTest::newRow("tx id above 24 bits") << Edit([](Codeplug& c) { c.CallTypeTxID[4] = 0x1000000; }) << one(E, C, 4, "CallTypeTxID");
        QTest::newRow("tx id negative") << Edit([](Codeplug& c) { c.CallTypeTxID[6] = -5; }) << one(E, C, 6, "CallTypeTxID");
        QTest::newRow("rx key enabled, no digits") << Edit([](Codeplug& c) { c.RxKeyEnable[4] = 1; }) << one(E, C, 4, "RxKey");
        QTest::newRow("tx key enabled, all zero digits") << Edit([](Codeplug& c) { c.TxKeyEnable[5] = 1; c.SetTxKeyWords(5, Codeplug::PackKey("0000")); c.TxKeyLength[5] = 4; }) << one(E, C, 5, "TxKey");
        QTest::newRow("key enabled with digits") << Edit([](Codeplug& c) { c.RxKeyEnable[4] = 1; c.SetRxKeyWords(4, Codeplug::PackKey("12")); }) << none;
        QTest::newRow("key of an analog channel") << Edit([](Codeplug& c) { c.RxKeyEnable[0] = 1; }) << none;
        QTest::newRow("data version") << Edit([](Codeplug& c) { c.DataVersion = 2; }) << one(E, Area::Header, -1, "DataVersion");
        QTest::newRow("channel count") << Edit([](Codeplug& c) { c.ChannelCount = 33; }) << one(E, Area::Header, -1, "ChannelCount");
        QTest::newRow("band never chosen") << Edit([](Codeplug& c) { c.BandNeverChosen = true; }) << one(W, Area::Model, -1, "Band");
        QTest::newRow("garbage in a channel not in use") << Edit([](Codeplug& c) { c.RxFreq[20] = 5000; c.ChannelType[20] = 9; c.RxCtcss[20] = 2543; c.CallTypeTxID[20] = -1; }) << none;
        // clang-format on
        QTest::newRow("identical channels") << Edit([](Codeplug& c) {
            for (auto* table :
                 {&c.ChannelType,   &c.RxFreq,       &c.RxCtcss,     &c.RxDcs,       &c.TxFreq,
                  &c.TxCtcss,       &c.TxDcs,        &c.TxPower,     &c.TxAuthority, &c.ChannelTOT,
                  &c.SqlLevel,      &c.ChannelSpace, &c.RxKeyEnable, &c.RxKeyLength, &c.TxKeyEnable,
                  &c.TxKeyLength,   &c.DenoiseLevel, &c.QuiteLevel,  &c.RxColor,     &c.TxColor,
                  &c.ChannelRxList, &c.CallTypeTxID, &c.Compand,     &c.ScrambleType})
                (*table)[9] = (*table)[2];
        }) << one(W, C, 9, "RxFreq");
        // clang-format off
        QTest::newRow("same frequencies, other squelch") << Edit([](Codeplug& c) { c.RxFreq[9] = c.RxFreq[2]; c.TxFreq[9] = c.TxFreq[2]; }) << none;
        QTest::newRow("digital channel on an empty list") << Edit([](Codeplug& c) { c.ChannelRxList[4] = 3; }) << one(W, C, 4, "ChannelRxList");
        QTest::newRow("all call is no list entry") << Edit([](Codeplug& c) { c.RxListEntry[8] = c.RxListEntry[9] = -1; }) << one(W, C, 5, "ChannelRxList"); // list 2 keeps only FFFFFF
        QTest::newRow("an ID twice in a list") << Edit([](Codeplug& c) { c.RxListEntry[6] = 0x800002; }) << one(W, Area::RxList, 0, "RxListEntry");
        // clang-format on
    }
    void oneFaultOneProblem() {
        QFETCH(Edit, edit);
        QFETCH(QList<Expected>, expected);
        const PlanProblems problems = CodeplugCheck::Run(Edited(SampleCodeplug(), edit));
        QCOMPARE(problems.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const PlanProblem& p = problems[i];
            QCOMPARE(p.severity, expected[i].severity);
            QCOMPARE(p.location.area, expected[i].area);
            QCOMPARE(p.location.index, expected[i].index);
            QCOMPARE(p.location.field, expected[i].field);
            QVERIFY(!p.english.isEmpty() && !p.chinese.isEmpty() && p.english != p.chinese);
        }
        QCOMPARE(CodeplugCheck::HasErrors(problems),
                 !expected.isEmpty() && expected[0].severity == Severity::Error);
    }

    void textsNameTheValues() {
        const PlanProblems problems = CodeplugCheck::Run(Edited(SampleCodeplug(), [](Codeplug& c) {
            c.RxFreq[0] = 146000000;
            c.ChannelRxList[4] = 3;
        }));
        QCOMPARE(problems.size(), 2);
        QCOMPARE(problems[0].Text(English()),
                 QStringLiteral("Receive frequency 146.00000 is outside the band 400 to 480 MHz."));
        QCOMPARE(problems[0].Text(Chinese()),
                 QStringLiteral("接收频率146.00000超出频段400到480 MHz。"));
        QCOMPARE(problems[0].location.Text(Chinese()), QStringLiteral("信道1"));
        // Errors come first whatever their channel.
        QCOMPARE(problems[1].Text(English()), QStringLiteral("Receive list 4 is empty."));
        QCOMPARE(problems[1].SeverityText(Chinese()), QStringLiteral("警告"));
    }

    // Whatever the grid can do to a plan without an out-of-range message is no error.
    void gridEditingMakesNoError() {
        Codeplug startup;
        startup.ApplyStartupDefaults();
        const TextContext ctx = English();
        for (Codeplug plan : {NewPlan(), SampleCodeplug(), startup}) {
            const QString rx = plan.BandUpper == 480 ? "439.5" : "146.5";
            ChannelEffects::GridReceiveEntry(plan, 20, rx, ctx);
            ChannelEffects::GridReceiveEntry(plan, 21, rx, ctx);
            ChannelEffects::GridTransmitEntry(plan, 21, "", ctx);
            ChannelEffects::GridToneCommit(plan, 20, FrequencySide::Rx, "D023N", ctx);
            ChannelEffects::GridToneCommit(plan, 20, FrequencySide::Tx, "254.1", ctx);
            ChannelEffects::GridPowerChange(plan, 20, 0, ctx);
            ChannelEffects::GridTypeChange(plan, 22, 1, ctx); // empty row: nothing
            ChannelEffects::GridReceiveEntry(plan, 23, rx, ctx);
            ChannelEffects::GridTypeChange(plan, 23, 1, ctx);
            ChannelEffects::GridTypeChange(plan, 21, 1, ctx);
            ChannelEffects::GridTypeChange(plan, 21, 0, ctx);
            ChannelEffects::GridReceiveEntry(plan, 2, "", ctx);
            const PlanProblems problems = CodeplugCheck::Run(plan);
            QVERIFY2(!CodeplugCheck::HasErrors(problems), qPrintable(problems.value(0).english));
        }
    }
};

QTEST_GUILESS_MAIN(TestCodeplugCheck)
#include "test_codeplug_check.moc"
