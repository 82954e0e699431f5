#include "plan_fixture_support.h"

#include "channels/channel_view.h"
#include "print/plan_content.h"

#include <QTest>

using namespace zr40;

namespace {

const PlanTable* Table(const QList<PlanSection>& plan, PlanPart part, int index = 0) {
    for (const PlanSection& section : plan)
        if (section.part == part)
            return index < section.tables.size() ? &section.tables[index] : nullptr;
    return nullptr;
}

QStringList AllTexts(const QList<PlanSection>& plan) {
    QStringList texts;
    for (const PlanSection& section : plan) {
        texts << section.title;
        for (const PlanTable& table : section.tables) {
            texts << table.caption << table.headers;
            for (const QStringList& row : table.rows)
                texts << row;
        }
    }
    return texts;
}

} // namespace

// What the printed plan says: every channel in use with the texts the pages show, the other
// parts in words, and never a key.
class TestPlanContent : public QObject {
    Q_OBJECT
private slots:
    void languages_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("english") << true;
        QTest::newRow("chinese") << false;
    }

    void everyChannelInUseWithItsTexts_data() { languages_data(); }
    void everyChannelInUseWithItsTexts() {
        QFETCH(bool, english);
        const TextContext ctx{english, QLatin1Char('.')};
        const Codeplug cp = test::FullPlan();
        const auto plan = PlanContent::Build(cp, PrintSections::All(), ctx);
        const PlanTable* all = Table(plan, PlanPart::Channels, 0);
        const PlanTable* digital = Table(plan, PlanPart::Channels, 1);
        QVERIFY(all && digital);
        QCOMPARE(all->rows.size(), 32);
        QCOMPARE(digital->rows.size(), 16);
        for (int c = 0; c < 32; ++c) {
            const GridRowView grid = ChannelView::GridRow(cp, c, ctx);
            const QStringList row = all->rows[c];
            QCOMPARE(row.size(), all->headers.size());
            QCOMPARE(row.mid(0, 4),
                     (QStringList{QString::number(c + 1), test::RxText(c), grid.tx, grid.type}));
            QCOMPARE(row[6], grid.power);
        }
        // Channel 1 analog with its tones; channel 2 digital: no tones, its own call and list.
        QCOMPARE(all->rows[0].mid(4, 2), (QStringList{"67.0", "67.0"}));
        QCOMPARE(all->rows[1].mid(4, 2), (QStringList{PlanContent::Dash(), PlanContent::Dash()}));
        const QString on = english ? "On" : "开";
        const QString set = english ? "set" : "已设置";
        QCOMPARE(digital->rows[0], (QStringList{"2", "A", "A", english ? "Group Call" : "组呼",
                                                "800001", "2", on, set, on, set}));
        QCOMPARE(all->rows[1][7],
                 english ? QStringLiteral("12.5K(Narrow)") : QStringLiteral("12.5K(窄带)"));
    }

    void emptyChannelsAreLeftOut() {
        Codeplug cp = test::FullPlan();
        for (int c = 0; c < 32; ++c)
            if (c != 2 && c != 6)
                cp.RxFreq[c] = 0;
        const auto plan = PlanContent::Build(cp, PrintSections::All(), {true, '.'});
        const PlanTable* all = Table(plan, PlanPart::Channels);
        QCOMPARE(all->rows.size(), 2);
        QCOMPARE(all->rows[0][0], "3");
        QCOMPARE(all->rows[1][0], "7");
        QVERIFY(!Table(plan, PlanPart::Channels, 1)); // no digital channel left

        for (int c = 0; c < 32; ++c)
            cp.RxFreq[c] = 0;
        const auto none = PlanContent::Build(cp, PrintSections::All(), {true, '.'});
        QCOMPARE(Table(none, PlanPart::Channels)->rows.size(), 0);
        QVERIFY(!Table(none, PlanPart::Channels)->caption.isEmpty()); // says so
    }

    void keysAreNeverPrinted_data() { languages_data(); }
    void keysAreNeverPrinted() {
        QFETCH(bool, english);
        const auto plan =
            PlanContent::Build(test::FullPlan(), PrintSections::All(), {english, '.'});
        const QString text = AllTexts(plan).join(QLatin1Char('\n'));
        for (const QString& run : test::KeyDigitRuns())
            QVERIFY2(!text.contains(run), qPrintable(run));
    }

    void otherPartsInWords() {
        const Codeplug cp = test::FullPlan();
        const auto en = PlanContent::Build(cp, PrintSections::All(), {true, '.'});
        const auto zh = PlanContent::Build(cp, PrintSections::All(), {false, '.'});
        QCOMPARE(Table(en, PlanPart::Keys, 1)->rows,
                 (QList<QStringList>{{"PF1", "None"}, {"PF2", "Alarm"}}));
        QCOMPARE(Table(zh, PlanPart::Keys, 1)->rows,
                 (QList<QStringList>{{"PF1", "无"}, {"PF2", "报警"}}));
        QCOMPARE(Table(en, PlanPart::Keys, 0)->rows.size(), 4); // PF1/PF2 short and long
        QCOMPARE(Table(en, PlanPart::Message)->rows,
                 (QList<QStringList>{{"1", "CALLBASE 7"}, {"2", PlanContent::Dash()}}));
        const PlanTable* lists = Table(en, PlanPart::RxLists);
        QCOMPARE(lists->rows.size(), 8);
        QCOMPARE(lists->rows[0].mid(0, 4),
                 (QStringList{"1", "800001", "80ABCD", PlanContent::Dash()}));
        QCOMPARE(lists->rows[7][8], "FFFFFE");
        QCOMPARE(Table(zh, PlanPart::Options)->rows[0], (QStringList{"本机ID", "0"}));
        QCOMPARE(cp.RadioImage[306], 9); // printing repairs nothing
    }

    void onlyTheTickedPartsInTheirOwnOrder() {
        const auto sections = PrintSections::Parse(QStringLiteral("rxlists, Channels"));
        QVERIFY(sections);
        const auto plan = PlanContent::Build(test::FullPlan(), *sections, {true, '.'});
        QCOMPARE(plan.size(), 2);
        QCOMPARE(plan[0].title, "Channel Information");
        QCOMPARE(plan[1].title, "Rx List");
    }
};

QTEST_GUILESS_MAIN(TestPlanContent)
#include "test_plan_content.moc"
