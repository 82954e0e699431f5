#include "channels/channel_rules.h"
#include "channels_test_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestChannelRules : public QObject {
    Q_OBJECT

private slots:
    void frequencyText_data() {
        QTest::addColumn<int>("hertz");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction") << 435025000 << QChar('.') << "435.02500";
        QTest::newRow("whole MHz") << 146000000 << QChar('.') << "146.00000";
        QTest::newRow("comma") << 435025000 << QChar(',') << "435,02500";
        QTest::newRow("single hertz makes ten characters")
            << 435025001 << QChar('.') << "435.025001";
        QTest::newRow("6.25 kHz step") << 462006250 << QChar('.') << "462.00625";
        QTest::newRow("zero") << 0 << QChar('.') << "0.0000000";
    }
    void frequencyText() {
        QFETCH(int, hertz);
        QFETCH(QChar, separator);
        QFETCH(QString, text);
        QCOMPARE(ChannelRules::FrequencyText(hertz, separator), text);
    }

    void padFrequencyText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no separator") << "146"
                                      << "146.00000";
        QTest::newRow("trailing separator") << "435."
                                            << "435.00000";
        QTest::newRow("short fraction") << "435.025"
                                        << "435.02500";
        QTest::newRow("already nine") << "435.02512"
                                      << "435.02512";
        QTest::newRow("longer stays") << "435.025125"
                                      << "435.025125";
    }
    void padFrequencyText() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(ChannelRules::PadFrequencyText(typed, '.'), shown);
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
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("side");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("hertz");
        QTest::addColumn<bool>("outOfRange");
        const QChar dot('.');
        QTest::newRow("in band") << "435.025" << 0 << dot << "435.02500" << 435025000 << false;
        QTest::newRow("comma") << "435,025" << 0 << QChar(',') << "435,02500" << 435025000 << false;
        QTest::newRow("lower edge inclusive")
            << "400" << 0 << dot << "400.00000" << 400000000 << false;
        QTest::newRow("upper edge inclusive")
            << "480" << 0 << dot << "480.00000" << 480000000 << false;
        QTest::newRow("above rx band") << "999" << 0 << dot << "480.00000" << 480000000 << true;
        QTest::newRow("below band") << "10" << 0 << dot << "400.00000" << 400000000 << true;
        QTest::newRow("tx uses its own top")
            << "475" << 1 << dot << "470.00000" << 470000000 << true;
        QTest::newRow("just above") << "480.00001" << 0 << dot << "480.00000" << 480000000 << true;
        QTest::newRow("lone separator") << "." << 0 << dot << "400.00000" << 400000000 << true;
        QTest::newRow("lone comma") << "," << 1 << QChar(',') << "400,00000" << 400000000 << true;
        QTest::newRow("round up half hertz")
            << "435.0250005" << 0 << dot << "435.0250005" << 435025001 << false;
        QTest::newRow("round down")
            << "435.0250004" << 0 << dot << "435.0250004" << 435025000 << false;
        QTest::newRow("dot under comma locale is no number")
            << "435.5" << 0 << QChar(',') << "400,00000" << 400000000 << true;
    }
    void enterFrequency() {
        QFETCH(QString, typed);
        QFETCH(int, side);
        QFETCH(QChar, separator);
        QFETCH(QString, shown);
        QFETCH(int, hertz);
        QFETCH(bool, outOfRange);
        const Codeplug cp = UhfCodeplug();
        const FrequencyEntry entry = ChannelRules::EnterFrequency(
            typed, side == 0 ? FrequencySide::Rx : FrequencySide::Tx, cp, English(separator));
        QCOMPARE(entry.text, shown);
        QCOMPARE(entry.hertz, hertz);
        QCOMPARE(entry.outOfRange, outOfRange);
        QVERIFY(!entry.cleared);
    }

    void enterEmptyFrequencyClears() {
        const Codeplug cp = UhfCodeplug();
        const FrequencyEntry entry =
            ChannelRules::EnterFrequency(QString(), FrequencySide::Rx, cp, English());
        QVERIFY(entry.cleared);
        QVERIFY(!entry.outOfRange);
    }

    void outOfRangeMessage() {
        QCOMPARE(ChannelRules::OutOfRangeMessage(English()), "Frequency is out of range!");
        QCOMPARE(ChannelRules::OutOfRangeMessage(Chinese()), QString::fromUtf8("频率超出范围！"));
    }

    void colourCode_data() {
        QTest::addColumn<int>("hertz");
        QTest::addColumn<int>("code");
        QTest::newRow("435.025") << 435025000 << 4;
        QTest::newRow("whole MHz") << 435000000 << 0;
        QTest::newRow("just below half step") << 435003124 << 0;
        QTest::newRow("half step") << 435003125 << 1;
        QTest::newRow("93750 gives 15") << 435093750 << 15;
        QTest::newRow("96875 wraps to 0") << 435096875 << 0;
        QTest::newRow("99999 wraps to 0") << 435099999 << 0;
        QTest::newRow("only below 100 kHz counts") << 435125000 << 4;
    }
    void colourCode() {
        QFETCH(int, hertz);
        QFETCH(int, code);
        QCOMPARE(ChannelRules::FrequencyColourCode(hertz), code);
    }

    void showCallType_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("corrected");
        QTest::newRow("all") << 0xFFFFFF << 2 << 0xFFFFFF << "FFFFFF"
                             << "" << false << false;
        QTest::newRow("group low") << 0x800000 << 1 << 0x800000 << "800000"
                                   << "(800000~FFFFFE)" << true << false;
        QTest::newRow("group high") << 0xFFFFFE << 1 << 0xFFFFFE << "FFFFFE"
                                    << "(800000~FFFFFE)" << true << false;
        QTest::newRow("single") << 0x1234 << 0 << 0x1234 << "1234"
                                << "(0~7FFFFF)" << true << false;
        QTest::newRow("single top") << 0x7FFFFF << 0 << 0x7FFFFF << "7FFFFF"
                                    << "(0~7FFFFF)" << true << false;
        QTest::newRow("negative") << -5 << 0 << 0 << "0"
                                  << "(0~7FFFFF)" << true << true;
        QTest::newRow("too large") << 0x1000000 << 0 << 0 << "0"
                                   << "(0~7FFFFF)" << true << true;
    }
    void showCallType() {
        QFETCH(int, stored);
        QFETCH(int, type);
        QFETCH(int, value);
        QFETCH(QString, id);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        QFETCH(bool, corrected);
        const CallTypeView view = ChannelRules::ShowCallType(stored);
        QCOMPARE(static_cast<int>(view.type), type);
        QCOMPARE(view.value, value);
        QCOMPARE(view.idText, id);
        QCOMPARE(view.rangeCaption, caption);
        QCOMPARE(view.idEnabled, enabled);
        QCOMPARE(view.corrected, corrected);
    }

    void callTypeChange() {
        const CallTypeView all = ChannelRules::CallTypeChange(CallType::All);
        QCOMPARE(all.value, 0xFFFFFF);
        QCOMPARE(all.idText, "FFFFFF");
        QVERIFY(!all.idEnabled);
        QVERIFY(all.rangeCaption.isEmpty());
        const CallTypeView group = ChannelRules::CallTypeChange(CallType::Group);
        QCOMPARE(group.value, 0x800000);
        QCOMPARE(group.idText, "800000");
        QCOMPARE(group.rangeCaption, "(800000~FFFFFE)");
        QVERIFY(group.idEnabled);
        const CallTypeView single = ChannelRules::CallTypeChange(CallType::Single);
        QCOMPARE(single.value, 0);
        QCOMPARE(single.idText, "0");
        QCOMPARE(single.rangeCaption, "(0~7FFFFF)");
    }

    void enterTxId_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("group FFFFFF") << "FFFFFF" << 1 << 0x800000 << "800000";
        QTest::newRow("group small gets flag") << "1234" << 1 << 0x801234 << "801234";
        QTest::newRow("group empty") << "" << 1 << 0x800000 << "800000";
        QTest::newRow("single 800001") << "800001" << 0 << 1 << "1";
        QTest::newRow("single leading zeros") << "000ABC" << 0 << 0xABC << "ABC";
        QTest::newRow("single empty") << "" << 0 << 0 << "0";
        QTest::newRow("single lower case") << "abc" << 0 << 0xABC << "ABC";
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

    void keyEntry() {
        const KeyEntry key = ChannelRules::EnterKey(QStringLiteral("1234"));
        QCOMPARE(key.length, 4);
        QCOMPARE(key.words[0], 0x12340000);
        QCOMPARE(key.words[1], 0);
        QCOMPARE(key.words[2], 0);
        QCOMPARE(key.words[3], 0);
        QCOMPARE(ChannelRules::KeyDisplayText(key.words, key.length), "1234");
    }

    void fullKeyRoundTrip() {
        const QString digits = QStringLiteral("98765432109876543210987654321099");
        const KeyEntry key = ChannelRules::EnterKey(digits);
        QCOMPARE(key.length, 32);
        QCOMPARE(key.words[0], static_cast<Long>(0x98765432u));
        QCOMPARE(key.words[3], 0x54321099);
        QCOMPARE(ChannelRules::KeyDisplayText(key.words, key.length), digits);
    }

    void keyTrailingZerosKeepTheirLength() {
        const KeyEntry key = ChannelRules::EnterKey(QStringLiteral("1200"));
        QCOMPARE(key.length, 4);
        QCOMPARE(ChannelRules::KeyDisplayText(key.words, key.length), "1200");
    }

    void keyPastedTextKeepsDigitsOnly() {
        const KeyEntry key = ChannelRules::EnterKey(QStringLiteral("12x34") + QString(40, '5'));
        QCOMPARE(key.length, 32);
        QCOMPARE(key.words[0], 0x12345555);
    }

    void emptyKeyShowsNothing() {
        const KeyEntry key = ChannelRules::EnterKey(QString());
        QCOMPARE(key.length, 0);
        QVERIFY(ChannelRules::KeyDisplayText(key.words, 0).isEmpty());
        QVERIFY(ChannelRules::KeyDisplayText({0x12345678, 0, 0, 0}, -3).isEmpty());
    }

    void typeAndPowerTexts() {
        QCOMPARE(ChannelRules::TypeText(false, English()), "Analog CH");
        QCOMPARE(ChannelRules::TypeText(true, Chinese()), QString::fromUtf8("数字频道"));
        QCOMPARE(ChannelRules::PowerText(0, English()), "Low");
        QCOMPARE(ChannelRules::PowerText(7, English()), "High");
        QCOMPARE(ChannelRules::PowerText(1, Chinese()), QString::fromUtf8("高"));
        QCOMPARE(ChannelRules::NoneText(Chinese()), QString::fromUtf8("无"));
    }
};

QTEST_APPLESS_MAIN(TestChannelRules)
#include "test_channel_rules.moc"
