#include "channels/channel_rules.h"
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

} // namespace

class TestChannelRules : public QObject {
    Q_OBJECT

private slots:
    void frequencyText() {
        const FrequencyEntry cleared =
            ChannelRules::EnterFrequency(QString(), FrequencySide::Rx, UhfCodeplug(), English());
        QVERIFY(cleared.cleared && !cleared.outOfRange);
        QCOMPARE(ChannelRules::FrequencyText(435025000, '.'), "435.02500");
        QCOMPARE(ChannelRules::FrequencyText(435025000, ','), "435,02500");
        QCOMPARE(ChannelRules::FrequencyText(435025001, '.'), "435.025001"); // ten characters
        QCOMPARE(ChannelRules::FrequencyText(0, '.'), "0.0000000");
        QCOMPARE(ChannelRules::PadFrequencyText("435.", '.'), "435.00000");
        QCOMPARE(ChannelRules::PadFrequencyText("435.025125", '.'), "435.025125");
    }

    // What the grid shows is fixed at 100..550 MHz, whatever the band.
    void shownWindowIsFixed() {
        Codeplug cp = UhfCodeplug();
        for (auto [rx, tx, empty, txShown] : {std::tuple{100000000, 550000000, false, true},
                                              {100000000, 550000001, false, false},
                                              {99999999, 0, true, false},
                                              {0, 0, true, false}}) {
            cp.RxFreq[0] = rx;
            cp.TxFreq[0] = tx;
            QCOMPARE(ChannelRules::IsEmptyChannel(cp, 0), empty);
            if (!empty)
                QCOMPARE(ChannelRules::TxFrequencyShown(cp, 0), txShown);
        }
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

    // The colour code follows the frequency's step below 100 kHz, in 6.25 kHz steps.
    void colourCode() {
        for (auto [hertz, code] : {std::pair{435025000, 4},
                                   {435003124, 0},
                                   {435003125, 1},
                                   {435093750, 15},
                                   {435096875, 0},
                                   {435125000, 4}})
            QCOMPARE(std::pair(hertz, ChannelRules::FrequencyColourCode(hertz)),
                     std::pair(hertz, code));
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

    void enterTxId() {
        const auto single = CallType::Single;
        const auto group = CallType::Group;
        for (const auto& [typed, type, value, shown] :
             {std::tuple{"FFFFFF", group, 0x800000, "800000"},
              {"1234", group, 0x801234, "801234"},
              {"1FFFFFF", group, 0x800000, "800000"}, // pasted: 24 bits kept
              {"800001", single, 1, "1"},
              {"000ABC", single, 0xABC, "ABC"},
              {"", single, 0, "0"},
              {"1234", CallType::All, 0xFFFFFF, "FFFFFF"}}) {
            const TxIdEntry entry = ChannelRules::EnterTxId(typed, type);
            QCOMPARE(std::pair(entry.value, entry.text), std::pair(Long(value), QString(shown)));
        }
    }

    // A key keeps exactly its digits (trailing zeros too) and reads back as them.
    void keyEntry() {
        const QString full = "98765432109876543210987654321099";
        for (const auto& [typed, length, first, shown] :
             {std::tuple{QString("1234"), 4, 0x12340000u, QString("1234")},
              {"1200", 4, 0x12000000u, "1200"},
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
};

QTEST_APPLESS_MAIN(TestChannelRules)
#include "test_channel_rules.moc"
