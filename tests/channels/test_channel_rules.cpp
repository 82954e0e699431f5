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

    void shownWindowIsFixed() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 100000000;
        cp.TxFreq[0] = 550000000;
        QVERIFY(!ChannelRules::IsEmptyChannel(cp, 0));
        QVERIFY(ChannelRules::TxFrequencyShown(cp, 0));
        cp.TxFreq[0] = 550000001;
        QVERIFY(!ChannelRules::TxFrequencyShown(cp, 0));
        cp.RxFreq[0] = 99999999;
        QVERIFY(ChannelRules::IsEmptyChannel(cp, 0));
        cp.RxFreq[0] = 0;
        QVERIFY(ChannelRules::IsEmptyChannel(cp, 0));
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
        QCOMPARE(entry.text, c.shown);
        QCOMPARE(entry.hertz, c.hertz);
        QCOMPARE(entry.outOfRange, c.outOfRange);
        QVERIFY(!entry.cleared);
    }

    void colourCode_data() {
        QTest::addColumn<int>("hertz");
        QTest::addColumn<int>("code");
        QTest::newRow("435.025") << 435025000 << 4;
        QTest::newRow("just below half step") << 435003124 << 0;
        QTest::newRow("half step") << 435003125 << 1;
        QTest::newRow("93750 gives 15") << 435093750 << 15;
        QTest::newRow("96875 wraps to 0") << 435096875 << 0;
        QTest::newRow("only below 100 kHz counts") << 435125000 << 4;
    }
    void colourCode() {
        QFETCH(int, hertz);
        QFETCH(int, code);
        QCOMPARE(ChannelRules::FrequencyColourCode(hertz), code);
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
        QCOMPARE(view.type, c.type);
        QCOMPARE(view.value, c.value);
        QCOMPARE(view.idText, c.id);
        QCOMPARE(view.idEnabled, c.type != CallType::All);
        QCOMPARE(view.corrected, c.corrected);
        // Choosing a type shows what a stored value of that type's default shows.
        const CallTypeView chosen = ChannelRules::CallTypeChange(c.type);
        const CallTypeView shown = ChannelRules::ShowCallType(chosen.value);
        QCOMPARE(chosen.type, c.type);
        QCOMPARE(chosen.idText, shown.idText);
        QCOMPARE(chosen.rangeCaption, shown.rangeCaption);
    }

    void enterTxId_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("group FFFFFF") << "FFFFFF" << 1 << 0x800000 << "800000";
        QTest::newRow("group small gets flag") << "1234" << 1 << 0x801234 << "801234";
        QTest::newRow("single 800001") << "800001" << 0 << 1 << "1";
        QTest::newRow("single leading zeros") << "000ABC" << 0 << 0xABC << "ABC";
        QTest::newRow("single empty") << "" << 0 << 0 << "0";
        QTest::newRow("all stays all") << "1234" << 2 << 0xFFFFFF << "FFFFFF";
        QTest::newRow("pasted long keeps 24 bits") << "1FFFFFF" << 1 << 0x800000 << "800000";
    }
    void enterTxId() {
        QFETCH(QString, typed);
        QFETCH(int, type);
        QFETCH(int, value);
        QFETCH(QString, shown);
        const TxIdEntry entry = ChannelRules::EnterTxId(typed, static_cast<CallType>(type));
        QCOMPARE(entry.value, value);
        QCOMPARE(entry.text, shown);
    }

    void keyEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("length");
        QTest::addColumn<quint32>("first");
        QTest::addColumn<quint32>("last");
        QTest::addColumn<QString>("shown");
        QTest::newRow("four") << "1234" << 4 << 0x12340000u << 0u << "1234";
        QTest::newRow("trailing zeros keep their length")
            << "1200" << 4 << 0x12000000u << 0u << "1200";
        QTest::newRow("full") << "98765432109876543210987654321099" << 32 << 0x98765432u
                              << 0x54321099u << "98765432109876543210987654321099";
        QTest::newRow("pasted keeps digits only") << "12x34" + QString(40, '5') << 32 << 0x12345555u
                                                  << 0x55555555u << "1234" + QString(28, '5');
        QTest::newRow("digits 17 to 20")
            << "00000000000000001234" << 20 << 0u << 0u << "00000000000000001234";
        QTest::newRow("empty") << "" << 0 << 0u << 0u << "";
    }

    void keyEntry() {
        QFETCH(QString, typed);
        QFETCH(int, length);
        QFETCH(quint32, first);
        QFETCH(quint32, last);
        QFETCH(QString, shown);
        const KeyEntry key = ChannelRules::EnterKey(typed);
        QCOMPARE(key.length, length);
        QCOMPARE(quint32(key.words[0]), first);
        QCOMPARE(quint32(key.words[3]), last);
        QCOMPARE(ChannelRules::KeyDisplayText(key.words, key.length), shown);
        QVERIFY(ChannelRules::KeyDisplayText(key.words, -3).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestChannelRules)
#include "test_channel_rules.moc"
