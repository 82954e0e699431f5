// The entry and display rules of a channel's fields: frequencies, tones, call IDs, keys, the
// list codings, receive list entries and the batch edit's range and step fields.

#include "channels/batch_edit_fields.h"
#include "channels/channel_list_coding.h"
#include "channels/channel_rules.h"
#include "channels/rx_list_rules.h"
#include "channels/tone_rules.h"
#include "codeplug/tone_tables.h"
#include "codeplug/value_lists.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

struct FrequencyCase {
    QString typed;
    FrequencySide side;
    char separator;
    QString shown;
    Long hertz;
    bool outOfRange;
};

struct CallCase {
    Long stored;
    CallType type;
    Long value;
    QString id;
    bool corrected;
};

using C = ChannelListCoding;

struct Coding {
    int (*index)(Long);
    Long (*value)(int);
    int items;
};

const QHash<QString, Coding> kCodings = {
    {"type", {&C::ChannelTypeIndex, &C::ChannelTypeValue, 2}},
    {"power", {&C::TxPowerIndex, &C::TxPowerValue, 2}},
    {"authority", {&C::TxAuthorityIndex, &C::TxAuthorityValue, 3}},
    {"sql", {&C::SqlLevelIndex, &C::SqlLevelValue, 11}},
    {"denoise", {&C::DenoiseLevelIndex, &C::DenoiseLevelValue, 11}},
    {"quiet", {&C::QuiteLevelIndex, &C::QuiteLevelValue, 11}},
    {"color", {&C::ColorIndex, &C::ColorValue, 16}},
    {"space", {&C::SpaceIndex, &C::SpaceValue, 2}},
    {"tot", {&C::TotIndex, &C::TotValue, 41}},
    {"scramble", {&C::ScrambleIndex, &C::ScrambleValue, 9}},
};

} // namespace

class TestChannelRules : public QObject {
    Q_OBJECT

private slots:
    void frequencyText() {
        const FrequencyEntry cleared =
            ChannelRules::EnterFrequency(QString(), FrequencySide::Rx, UhfCodeplug(), English());
        QVERIFY(cleared.cleared && !cleared.outOfRange);
        QCOMPARE(ChannelRules::FrequencyText(435025000, ','), "435,02500");
        QCOMPARE(ChannelRules::FrequencyText(435025001, '.'), "435.025001"); // ten characters
        QCOMPARE(ChannelRules::FrequencyText(0, '.'), "0.0000000");
        QCOMPARE(ChannelRules::PadFrequencyText("435.", '.'), "435.00000");
        QCOMPARE(ChannelRules::PadFrequencyText("435.025125", '.'), "435.025125");
        // What the grid shows is fixed at 100..550 MHz, whatever the band.
        Codeplug cp = UhfCodeplug();
        // clang-format off
        for (auto [rx, tx, empty, txShown] : {std::tuple{100000000, 550000000, false, true},
             {100000000, 550000001, false, false}, {99999999, 0, true, false}, {0, 0, true, false}}) {
            // clang-format on
            cp.RxFreq[0] = rx;
            cp.TxFreq[0] = tx;
            QCOMPARE(ChannelRules::IsEmptyChannel(cp, 0), empty);
            if (!empty)
                QCOMPARE(ChannelRules::TxFrequencyShown(cp, 0), txShown);
        }
        // The colour code follows the frequency's step below 100 kHz, in 6.25 kHz steps.
        // clang-format off
        for (auto [hertz, code] : {std::pair{435025000, 4}, {435003124, 0}, {435003125, 1},
             {435093750, 15}, {435096875, 0}})
            // clang-format on
            QCOMPARE(std::pair(hertz, ChannelRules::FrequencyColourCode(hertz)),
                     std::pair(hertz, code));
    }

    void enterFrequency_data() {
        QTest::addColumn<FrequencyCase>("c");
        const auto rx = FrequencySide::Rx;
        const auto tx = FrequencySide::Tx;
        // clang-format off
        QTest::newRow("in band") << FrequencyCase{"435.025", rx, '.', "435.02500", 435025000, false};
        QTest::newRow("comma") << FrequencyCase{"435,025", rx, ',', "435,02500", 435025000, false};
        QTest::newRow("upper edge inclusive") << FrequencyCase{"480", rx, '.', "480.00000", 480000000, false};
        QTest::newRow("above rx band") << FrequencyCase{"999", rx, '.', "480.00000", 480000000, true};
        QTest::newRow("below band") << FrequencyCase{"10", rx, '.', "400.00000", 400000000, true};
        QTest::newRow("tx uses its own top") << FrequencyCase{"475", tx, '.', "470.00000", 470000000, true};
        QTest::newRow("just above") << FrequencyCase{"480.00001", rx, '.', "480.00000", 480000000, true};
        QTest::newRow("lone separator") << FrequencyCase{".", rx, '.', "400.00000", 400000000, true};
        QTest::newRow("round up half hertz") << FrequencyCase{"435.0250005", rx, '.', "435.0250005", 435025001, false};
        QTest::newRow("round down") << FrequencyCase{"435.0250004", rx, '.', "435.0250004", 435025000, false};
        QTest::newRow("dot under comma locale") << FrequencyCase{"435.5", rx, ',', "400,00000", 400000000, true};
        // clang-format on
    }
    void enterFrequency() {
        QFETCH(FrequencyCase, c);
        const FrequencyEntry entry =
            ChannelRules::EnterFrequency(c.typed, c.side, UhfCodeplug(), English(c.separator));
        QCOMPARE(std::tuple(entry.text, entry.hertz, entry.outOfRange, entry.cleared),
                 std::tuple(c.shown, c.hertz, c.outOfRange, false));
    }

    void showCallType_data() {
        QTest::addColumn<CallCase>("c");
        const auto single = CallType::Single;
        const auto group = CallType::Group;
        // clang-format off
        QTest::newRow("all") << CallCase{0xFFFFFF, CallType::All, 0xFFFFFF, "FFFFFF", false};
        QTest::newRow("group low") << CallCase{0x800000, group, 0x800000, "800000", false};
        QTest::newRow("group high") << CallCase{0xFFFFFE, group, 0xFFFFFE, "FFFFFE", false};
        QTest::newRow("single top") << CallCase{0x7FFFFF, single, 0x7FFFFF, "7FFFFF", false};
        QTest::newRow("negative") << CallCase{-5, single, 0, "0", true};
        QTest::newRow("too large") << CallCase{0x1000000, single, 0, "0", true};
        // clang-format on
    }
    void showCallType() {
        QFETCH(CallCase, c);
        const CallTypeView view = ChannelRules::ShowCallType(c.stored);
        QCOMPARE(std::tuple(view.type, view.value, view.idText, view.idEnabled, view.corrected),
                 std::tuple(c.type, c.value, c.id, c.type != CallType::All, c.corrected));
        // Choosing a type shows what a stored value of that type's default shows.
        const CallTypeView chosen = ChannelRules::CallTypeChange(c.type);
        const CallTypeView shown = ChannelRules::ShowCallType(chosen.value);
        QCOMPARE(std::tuple(chosen.type, chosen.idText, chosen.rangeCaption),
                 std::tuple(c.type, shown.idText, shown.rangeCaption));
    }

    // Typed call IDs, and receive list entries (always a group; all call, also 7FFFFF once it
    // carries the group flag, and seven digits are no entry).
    void enterIds() {
        const auto single = CallType::Single;
        const auto group = CallType::Group;
        // clang-format off
        for (const auto& [typed, type, value, shown] : {std::tuple{"FFFFFF", group, 0x800000, "800000"},
             {"1234", group, 0x801234, "801234"}, {"1FFFFFF", group, 0x800000, "800000"}, // 24 bits kept
             {"800001", single, 1, "1"}, {"000ABC", single, 0xABC, "ABC"}, {"", single, 0, "0"},
             {"1234", CallType::All, 0xFFFFFF, "FFFFFF"}}) {
            // clang-format on
            const TxIdEntry entry = ChannelRules::EnterTxId(typed, type);
            QCOMPARE(std::pair(entry.value, entry.text), std::pair(Long(value), QString(shown)));
        }
        // clang-format off
        for (const auto& [typed, value, shown] : {std::tuple{"1234", 0x801234, "801234"},
             {"FFFFFE", 0xFFFFFE, "FFFFFE"}, {"0", 0x800000, "800000"}, {"", -1, ""},
             {"FFFFFF", -1, ""}, {"7FFFFF", -1, ""}, {"1000000", -1, ""}, {"XYZ", -1, ""}}) {
            // clang-format on
            const RxListEntryEdit edit = RxListRules::EnterEntry(typed);
            QCOMPARE(std::pair(edit.value, edit.text), std::pair(Long(value), QString(shown)));
        }
    }

    // A stored entry that is no group ID shows empty and is cleared; commits land in their list.
    void rxListEntries() {
        Codeplug cp = UhfCodeplug();
        // clang-format off
        for (const auto& [stored, shown, after] : {std::tuple{0x800001, "800001", 0x800001}, {5, "", -1}, {0x1000000, "", -1}}) {
            // clang-format on
            cp.RxListEntry[RxListRules::EntryIndex(2, 5)] = stored;
            QCOMPARE(RxListRules::ShowEntry(cp, 2, 5), shown);
            QCOMPARE(cp.RxListEntry[21], after);
        }
        RxListRules::CommitEntry(cp, 1, 0, "5678");
        RxListRules::CommitEntry(cp, 7, 7, "1");
        QCOMPARE(std::pair(cp.RxListEntry[8], cp.RxListEntry[63]), std::pair(0x805678, 0x800001));
        RxListRules::CommitEntry(cp, 7, 7, QString());
        QCOMPARE(cp.RxListEntry[63], -1);
    }

    // A key keeps exactly its digits (trailing zeros too) and reads back as them.
    void keyEntry() {
        const QString full = "98765432109876543210987654321099";
        for (const auto& [typed, length, first, shown] :
             {std::tuple{QString("1200"), 4, 0x12000000u, QString("1200")},
              {full, 32, 0x98765432u, full},
              {"12x34" + QString(40, '5'), 32, 0x12345555u, "1234" + QString(28, '5')},
              {"00000000000000001234", 20, 0u, "00000000000000001234"},
              {"", 0, 0u, ""}}) {
            const KeyEntry key = ChannelRules::EnterKey(typed);
            QCOMPARE(std::tuple(key.length, quint32(key.words[0]),
                                ChannelRules::KeyDisplayText(key.words, key.length)),
                     std::tuple(length, first, shown));
            QVERIFY(ChannelRules::KeyDisplayText(key.words, -3).isEmpty());
        }
    }

    // Every tone list item, in both languages and with either separator, shows, finds and
    // parses back as itself; a pair off the list is found nowhere.
    void everyToneListItemRoundTrips() {
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
        QCOMPARE(ToneRules::ToneListItemToPair(279), (TonePair{-1, -1}));
        QCOMPARE(ToneRules::ToneListIndexOf({625, -1}), 0);  // below 67.0: no tone at all
        QCOMPARE(ToneRules::ToneListIndexOf({671, -1}), -1); // a tone, but not a list item
        QCOMPARE(ToneRules::ToneListIndexOf({-1, ToneRules::DcsValue(020, true)}), -1);
        // clang-format off
        for (const auto& [ctcss, dcs, text] : {std::tuple{2544, -1, "None"}, {-1, 0x763813, "D023I"},
             {-1, 0x123, "None"}}) // no marker bits
            // clang-format on
            QCOMPARE(ToneRules::ToneText(ctcss, dcs, English()), text);
    }

    void parseToneText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("ctcss");
        QTest::addColumn<int>("dcs");
        // clang-format off
        QTest::newRow("Chinese none") << QString::fromUtf8("无") << QString::fromUtf8("无") << -1 << -1;
        QTest::newRow("D9") << "D9" << "D700N" << -1 << ToneRules::DcsValue(0700, true);
        QTest::newRow("D02.") << "D02." << "D020N" << -1 << ToneRules::DcsValue(020, true);
        QTest::newRow("D023 gets N") << "D023" << "D023N" << -1 << 0x89C7EC;
        QTest::newRow("D alone") << "D" << "D000N" << -1 << ToneRules::DcsValue(0, true);
        QTest::newRow("lower-case d is a number") << "d023" << "67.0" << 670 << -1;
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
        if (typed == "88.55") // under a comma locale a dot is no separator
            QCOMPARE(ToneRules::ParseToneText(typed, English(',')).text, "67,0");
    }

    // Stored values, odd ones from files too, shown as list items; every item reads back.
    void listCodings() {
        // clang-format off
        const std::tuple<const char*, int, int> rows[] = {
            {"type", 0, 0}, {"type", 3, 0}, {"power", 5, 1}, {"power", -1, 1},
            {"authority", 99, 2}, {"authority", -2, 0}, {"sql", 11, 10}, {"sql", -1, 0},
            {"denoise", 60, 10}, {"denoise", 61, 0}, {"denoise", 13, 2}, {"quiet", 11, 0},
            {"color", 16, 0}, {"space", 20000, 1}, {"tot", 5, 0}, {"tot", 20, 1},
            {"tot", 600, 40}, {"tot", 601, 0}, {"scramble", 3400, 8}, {"scramble", 2750, 0},
            {"scramble", 3500, 0}};
        // clang-format on
        for (const auto& [field, stored, index] : rows)
            QCOMPARE(std::tuple(field, stored, kCodings.value(field).index(stored)),
                     std::tuple(field, stored, index));
        for (auto it = kCodings.cbegin(); it != kCodings.cend(); ++it)
            for (int i = 0; i < it->items; ++i)
                QVERIFY2(it->index(it->value(i)) == i, qPrintable(it.key()));
        // A list value the radio's count does not cover shows list 1; there are at most eight.
        // clang-format off
        for (const auto& [value, count, index] : {std::tuple{7, 8, 7}, {8, 8, 0}, {-1, 8, 0}, {2, -3, 0}, {10, 12, 0}})
            // clang-format on
            QCOMPARE(C::RxListIndex(value, count), index);
        QCOMPARE(std::pair(C::RxListChoices(12), C::RxListChoices(-3)), std::pair(8, 0));
        QVERIFY(C::KeyEnableChecked(-1) && !C::CompandChecked(2));
    }

    // The batch edit's range after the start (left) or the end field was left.
    void batchChannelRange() {
        // clang-format off
        for (const auto& [leftStart, start, end, startAfter, endAfter] : {
                 std::tuple{true, "", "20", "1", "20"}, {true, "129", "20", "128", "128"},
                 {true, "30", "20", "30", "30"}, {true, "0", "20", "1", "20"},
                 {false, "5", "", "5", "128"}, {false, "5", "999", "5", "128"},
                 {false, "30", "7", "7", "7"}, {false, "5", "0", "1", "1"}}) {
            // clang-format on
            const ChannelRangeText range = leftStart
                                               ? BatchEditFields::EnterStartChannel(start, end)
                                               : BatchEditFields::EnterEndChannel(start, end);
            QCOMPARE(std::tuple(start, end, range.start, range.end),
                     std::tuple(start, end, QString(startAfter), QString(endAfter)));
            QCOMPARE(range.first(), range.start.toInt() - 1);
        }
    }

    void batchFrequencyAndSteps() {
        using F = BatchEditFields;
        // clang-format off
        for (const auto& [text, separator, shown] : {std::tuple{"", '.', "400.00000"},
             {",", ',', "400,00000"}, {"399.9", '.', "400.00000"}, {"480.00001", '.', "480.00000"},
             {"435", '.', "435.00000"}, {"435,0125", ',', "435,01250"}, {"480", '.', "480.00000"}})
            // clang-format on
            QCOMPARE(F::EnterStartFrequency(text, 400, 480, QLatin1Char(separator)), shown);
        // clang-format off
        for (const auto& [text, limit, shown, milliHertz] : {std::tuple{"", 10000, "0", qint64(0)},
             {"12.5", 10000, "12.5", qint64(12500000)}, {"10000.1", 10000, "10000", qint64(10000000000)},
             {"1001", 1000, "1000", qint64(1000000000)}, {".", 1000, "0", qint64(0)}}) {
            // clang-format on
            const QString entered = F::EnterStep(text, limit, QLatin1Char('.'));
            QCOMPARE(entered, shown);
            QCOMPARE(F::MilliHertzOfKilohertz(entered, QLatin1Char('.')), milliHertz);
        }
    }
};

QTEST_APPLESS_MAIN(TestChannelRules)
#include "test_channel_rules.moc"
