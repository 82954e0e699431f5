#include "channels/tone_rules.h"
#include "codeplug/tone_tables.h"
#include "codeplug/value_lists.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestToneRules : public QObject {
    Q_OBJECT

private slots:
    void toneText() {
        for (const auto& [ctcss, dcs, text] : {std::tuple{2543, -1, "254.3"},
                                               {2544, -1, "None"},
                                               {885, 0x763813, "88.5"},
                                               {-1, 0x763813, "D023I"},
                                               {-1, 0x123, "None"}}) // no marker bits
            QCOMPARE(ToneRules::ToneText(ctcss, dcs, English()), text);
    }

    // Every tone list item, in both languages and with either separator, shows, finds and
    // parses back as itself.
    void everyListItemRoundTrips() {
        for (const TextContext& ctx : {English(), English(','), Chinese(), Chinese(',')}) {
            QStringList items;
            ValueLists::FillToneList(items, ctx);
            QCOMPARE(items.size(), kToneListSize);
            for (int i = 0; i < kToneListSize; ++i) {
                const TonePair pair = ToneRules::ToneListItemToPair(i);
                QCOMPARE(ToneRules::ToneText(pair, ctx), items.at(i));
                QCOMPARE(ToneRules::ToneListIndexOf(pair), i);
                const ToneEntry typed = ToneRules::ParseToneText(items.at(i), ctx);
                QCOMPARE(typed.text, items.at(i));
                QVERIFY2(typed.pair == pair, qPrintable(items.at(i)));
            }
        }
    }

    void listPairs() {
        QCOMPARE(ToneRules::ToneListItemToPair(-1), (TonePair{-1, -1}));
        QCOMPARE(ToneRules::ToneListItemToPair(279), (TonePair{-1, -1}));
        for (int i = kToneListFirstNormalDcs; i < kToneListSize; ++i) {
            const Long dcs = ToneRules::ToneListItemToPair(i).dcs;
            const bool normal = i < kToneListFirstInvertedDcs;
            QCOMPARE(std::pair(dcs & 0x800000, dcs & 0xE00),
                     normal ? std::pair(0x800000, 0x600) : std::pair(0, 0x800));
        }
        QCOMPARE(ToneRules::ToneListIndexOf({625, -1}), 0);  // below 67.0: no tone at all
        QCOMPARE(ToneRules::ToneListIndexOf({671, -1}), -1); // a tone, but not a list item
        QCOMPARE(ToneRules::ToneListIndexOf({-1, ToneRules::DcsValue(020, true)}), -1);
        QCOMPARE(ToneRules::ToneListIndexOf({0, 0}), 0);
    }

    void parseToneText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("ctcss");
        QTest::addColumn<int>("dcs");
        // clang-format off
        QTest::newRow("None") << "None" << "None" << -1 << -1;
        QTest::newRow("Chinese none") << QString::fromUtf8("无") << QString::fromUtf8("无") << -1 << -1;
        QTest::newRow("D9") << "D9" << "D700N" << -1 << ToneRules::DcsValue(0700, true);
        QTest::newRow("D02.") << "D02." << "D020N" << -1 << ToneRules::DcsValue(020, true);
        QTest::newRow("D023I") << "D023I" << "D023I" << -1 << 0x763813;
        QTest::newRow("D023 gets N") << "D023" << "D023N" << -1 << 0x89C7EC;
        QTest::newRow("D alone") << "D" << "D000N" << -1 << ToneRules::DcsValue(0, true);
        QTest::newRow("lower-case d is a number") << "d023" << "67.0" << 670 << -1;
        QTest::newRow("62.5 stays") << "62.5" << "62.5" << 625 << -1;
        QTest::newRow("59.9 becomes 67.0") << "59.9" << "67.0" << 670 << -1;
        QTest::newRow("300 becomes 254.1") << "300" << "254.1" << 2541 << -1;
        QTest::newRow("60 is kept") << "60" << "60.0" << 600 << -1;
        QTest::newRow("rounding half up") << "88.55" << "88.6" << 886 << -1;
        QTest::newRow("unreadable") << "abc" << "67.0" << 670 << -1;
        QTest::newRow("huge") << "99999999999" << "254.1" << 2541 << -1;
        // clang-format on
    }
    void parseToneText() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, ctcss);
        QFETCH(int, dcs);
        const ToneEntry entry = ToneRules::ParseToneText(typed, English());
        QCOMPARE(std::tuple(entry.text, entry.pair.ctcss, entry.pair.dcs),
                 std::tuple(shown, ctcss, dcs));
        // Under a comma locale a dot is no separator.
        if (typed == "88.55")
            QCOMPARE(ToneRules::ParseToneText(typed, English(',')).text, "67,0");
    }
};

QTEST_APPLESS_MAIN(TestToneRules)
#include "test_tone_rules.moc"
