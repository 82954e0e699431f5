#include "codeplug/codeplug_fields.h"
#include "review/codeplug_diff.h"
#include "review/review_text.h"
#include "review_test_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

using Area = PlanLocation::Area;

class TestCodeplugDiff : public QObject {
    Q_OBJECT

private slots:
    void samePlanHasNoDifference() {
        QVERIFY(CodeplugDiff::Compare(SampleCodeplug(), SampleCodeplug(), English()).isEmpty());
    }

    // One change of each kind of field; channels, lists and tune points are 0-based.
    void oneChangeOneRow_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const Area C = Area::Channel;
        const Area S = Area::Settings;
        struct Row {
            const char* name;
            Edit edit;
            Area area;
            int index;
            const char *field, *caption, *before, *after;
        };
        // clang-format off
        const Row rows[] = {
            {"frequency", [](Codeplug& c) { c.RxFreq[0] = 410000000; }, C, 0, "RxFreq", "Rx Frequency", "409.75000", "410.00000"},
            {"no transmit", [](Codeplug& c) { c.TxFreq[1] = 0; }, C, 1, "TxFreq", "Tx Frequency", "438.50000", "—"},
            {"encode ctcss to dcs", [](Codeplug& c) { c.TxCtcss[0] = -1; c.TxDcs[0] = 0x89C7EC; }, C, 0, "TxCtcss", "CTCSS/DCS Encode", "67.0", "D023N"},
            {"same word, other value", [](Codeplug& c) { c.TxPower[1] = 5; }, C, 1, "TxPower", "Tx Power", "High [1]", "High [5]"},
            {"key", [](Codeplug& c) { c.SetTxKeyWords(5, Codeplug::PackKey("1234")); c.DeriveKeyLengths(5); }, C, 5, "TxKey", "Tx Password", "—", "1234"},
            {"call type", [](Codeplug& c) { c.CallTypeTxID[4] = 0x1234; }, C, 4, "CallTypeTxID", "Call Type", "Group Call 800001", "Single Call 1234"},
            {"channel comes into use", [](Codeplug& c) { c.RxFreq[10] = c.TxFreq[10] = 420000000; }, C, 10, "RxFreq", "Channel", "(not in use)", "420.00000 420.00000 Analog CH None None High"},
            {"channel goes out of use", [](Codeplug& c) { c.RxFreq[2] = 0; }, C, 2, "RxFreq", "Channel", "446.00625 446.00625 Analog CH 88.5 None Low", "(not in use)"},
            {"channel not in use", [](Codeplug& c) { c.SqlLevel[20] = 9; }, C, 20, "RxFreq", "Stored values", "(not in use) [SqlLevel 5]", "(not in use) [SqlLevel 9]"},
            {"channel not in use, two values", [](Codeplug& c) { c.SqlLevel[20] = 9; c.TxPower[20] = 0; }, C, 20, "RxFreq", "Stored values", "(not in use) [TxPower 1, SqlLevel 5]", "(not in use) [TxPower 0, SqlLevel 9]"},
            {"local id", [](Codeplug& c) { c.LocalID = 0xABC; }, S, -1, "LocalID", "Local ID (0~7FFFFF)", "1234", "ABC"},
            {"hidden sleep ratio", [](Codeplug& c) { c.IdleTime[2] = 7; }, S, -1, "IdleTime", "IdleTime[2]", "100", "7"},
            {"rx list entry", [](Codeplug& c) { c.RxListEntry[10] = 0x800123; }, Area::RxList, 1, "RxListEntry", "Entry 3", "—", "800123"},
            {"header", [](Codeplug& c) { c.ChannelCount = 16; }, Area::Header, -1, "ChannelCount", "Channel count", "32", "16"},
            {"speaker gain", [](Codeplug& c) { c.SpeakAmp = -30; }, Area::Tune, -1, "SpeakAmp", "Speaker Amp", "20", "30"},
            {"tune point", [](Codeplug& c) { c.TuneFreq[2] = 435000000; }, Area::Tune, 2, "TuneFreq", "Tune Freq", "0.0000000", "435.00000"}};
        // clang-format on
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.edit << int(r.area) << r.index << QString(r.field)
                                  << QString(r.caption) << QString::fromUtf8(r.before)
                                  << QString::fromUtf8(r.after);
    }
    void oneChangeOneRow() {
        QFETCH(Edit, edit);
        QFETCH(int, area);
        QFETCH(int, index);
        QFETCH(QString, field);
        const Codeplug before = SampleCodeplug();
        const PlanDifferences rows = CodeplugDiff::Compare(before, Edited(before, edit), English());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(int(rows[0].location.area), area);
        QCOMPARE(rows[0].location.index, index);
        QCOMPARE(rows[0].location.field, field);
        QTEST(rows[0].field, "caption");
        QTEST(rows[0].before, "before");
        QTEST(rows[0].after, "after");
    }

    // Every value the file holds is compared, once: one changed value, one row.
    void everyStoredValueIsCompared() {
        const Codeplug base = SampleCodeplug();
        int checked = 0;
        const auto changeEach = [&](auto fieldsOf) {
            Codeplug probe = base;
            for (const CodeplugField& field : fieldsOf(probe)) {
                for (int e = 0; e < field.count; ++e) {
                    Codeplug changed = base;
                    for (const CodeplugField& f : fieldsOf(changed))
                        if (qstrcmp(f.name, field.name) == 0)
                            f.data[e] ^= 1; // a change of any value, INT_MAX included
                    const PlanDifferences rows = CodeplugDiff::Compare(base, changed, English());
                    QVERIFY2(rows.size() == 1, field.name);
                    ++checked;
                }
            }
        };
        changeEach([](Codeplug& c) { return CodeplugFields::Settings(c); });
        changeEach([](Codeplug& c) { return CodeplugFields::Channel(c, 4); });
        changeEach([](Codeplug& c) { return std::vector{CodeplugFields::RxList(c, 3)}; });
        QVERIFY(checked > 200);
    }

    // What a write changes is what the radio holds afterwards: the blocks the radio's counts
    // ask for, quiet levels as the write sends them, the header left alone.
    void writeChangesOnlyWhatTheWriteSends() {
        Codeplug radio = SampleCodeplug();
        radio.HeaderCount3 = 1;
        radio.ChannelCount = 16;
        radio.QuiteLevel[3] = 5;
        Codeplug plan = radio;
        plan.HeaderCount3 = 0;
        plan.MicAmp = 3;
        plan.RxFreq[2] = 447000000;
        plan.TxPower[5] = 0;
        plan.RxFreq[20] = 420000000; // beyond the radio's channel count
        plan.QuiteLevel[0] = 4;      // sent as 0, as the radio already has it
        const PlanDifferences rows = CodeplugDiff::WriteChanges(radio, plan, English());
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].location, PlanLocation::Channel(2, "RxFreq"));
        QCOMPARE(rows[1].location, PlanLocation::Channel(3, "QuiteLevel"));
        QCOMPARE(rows[1].after, QStringLiteral("Off"));
        QCOMPARE(rows[2].location, PlanLocation::Channel(5, "TxPower"));
        const Codeplug same = SampleCodeplug();
        QVERIFY(CodeplugDiff::WriteChanges(same, same, English()).isEmpty());
        // The tune page's write sends the tune header and the points the radio counts as well.
        Codeplug tuned = same;
        tuned.TunePointCount = 4;
        const Codeplug tunePlan = Edited(tuned, [](Codeplug& c) {
            c.SpeakAmp = -30;
            c.TuneFreq[2] = 435000000;
            c.TuneFreq[5] = 436000000; // beyond the radio's tune point count
        });
        QVERIFY(CodeplugDiff::WriteChanges(tuned, tunePlan, English()).isEmpty());
        QCOMPARE(CodeplugDiff::WriteChanges(tuned, tunePlan, English(), true).size(), 2);
        // A page with more points than the radio counts says first how many go out.
        Codeplug morePoints = tunePlan;
        morePoints.TunePointCount = 16;
        const PlanDifferences tuneRows =
            CodeplugDiff::WriteChanges(tuned, morePoints, English(), true);
        QCOMPARE(tuneRows.size(), 3);
        QCOMPARE(tuneRows[0].location, PlanLocation::Tune(-1, "TunePointCount"));
        QCOMPARE(tuneRows[0].after,
                 QStringLiteral("4 of the 16 on the page; points 5-16 are not written"));
        QCOMPARE(CodeplugDiff::WriteChanges(tuned, morePoints, English()).size(), 0);
    }

    // The password travels outside the plan; a change of it is a change of the radio.
    void passwordChange_data() {
        QTest::addColumn<int>("radioPassword");
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        // clang-format off
        for (const auto& [name, radio, change, typed, before, after] : {
                 std::tuple{"kept", 1234, false, "", "", ""}, {"removed", 1234, true, "", "Set", "None"},
                 {"given", -1, true, "777", "None", "New password"},
                 {"replaced", 1234, true, "777", "Set", "New password"},
                 {"the same again", 777, true, "0777", "", ""}, {"none stays none", -1, true, "", "", ""}})
            // clang-format on
            QTest::newRow(name) << radio << change << QString(typed) << QString(before)
                                << QString(after);
    }
    void passwordChange() {
        QFETCH(int, radioPassword);
        QFETCH(bool, change);
        QFETCH(QString, newPassword);
        QFETCH(QString, before);
        const PlanDifferences rows = CodeplugDiff::PasswordChange(
            radioPassword, NewPasswordChoice{change, newPassword}, English());
        QCOMPARE(rows.size(), before.isEmpty() ? 0 : 1);
        if (rows.isEmpty())
            return;
        QCOMPARE(rows[0].field, QStringLiteral("Password"));
        QTEST(rows[0].before, "before");
        QTEST(rows[0].after, "after");
    }

    void terminalText() {
        const Codeplug before = SampleCodeplug();
        const QString text =
            ReviewText::Differences(CodeplugDiff::Compare(before,
                                                          Edited(before,
                                                                 [](Codeplug& c) {
                                                                     c.TxPower[1] = 0;
                                                                     c.RxListEntry[10] = 0x800123;
                                                                 }),
                                                          Chinese()),
                                    Chinese());
        QCOMPARE(text, QString::fromUtf8("信道2      发射功率  高  ->  低\n"
                                         "接收列表2  第3项     —   ->  800123\n"
                                         "2处不同\n"));
    }
};

QTEST_GUILESS_MAIN(TestCodeplugDiff)
#include "test_codeplug_diff.moc"
