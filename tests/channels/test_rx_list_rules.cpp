#include "channels/rx_list_rules.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestRxListRules : public QObject {
    Q_OBJECT

private slots:
    void enterEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1234 gets the group flag") << "1234" << 0x801234 << "801234";
        QTest::newRow("top group") << "FFFFFE" << 0xFFFFFE << "FFFFFE";
        QTest::newRow("zero") << "0" << 0x800000 << "800000";
        QTest::newRow("empty") << "" << -1 << "";
        QTest::newRow("all call is no entry") << "FFFFFF" << -1 << "";
        QTest::newRow("seven digits") << "1000000" << -1 << "";
        QTest::newRow("not hexadecimal") << "XYZ" << -1 << "";
    }
    void enterEntry() {
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(QString, shown);
        const RxListEntryEdit edit = RxListRules::EnterEntry(typed);
        QCOMPARE(edit.value, value);
        QCOMPARE(edit.text, shown);
    }

    void showEntry_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("after");
        QTest::newRow("valid") << 0x800001 << "800001" << 0x800001;
        QTest::newRow("5 from a file") << 5 << "" << -1;
        QTest::newRow("all call") << 0xFFFFFF << "" << -1;
        QTest::newRow("too large") << 0x1000000 << "" << -1;
    }
    void showEntry() {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, after);
        Codeplug cp = UhfCodeplug();
        cp.RxListEntry[RxListRules::EntryIndex(2, 5)] = stored;
        QCOMPARE(RxListRules::ShowEntry(cp, 2, 5), shown);
        QCOMPARE(cp.RxListEntry[21], after);
    }

    void commitStoresInItsOwnList() {
        Codeplug cp = UhfCodeplug();
        RxListRules::CommitEntry(cp, 0, 0, "1234");
        RxListRules::CommitEntry(cp, 1, 0, "5678");
        RxListRules::CommitEntry(cp, 7, 7, "1");
        QCOMPARE(cp.RxListEntry[0], 0x801234);
        QCOMPARE(cp.RxListEntry[8], 0x805678);
        QCOMPARE(cp.RxListEntry[63], 0x800001);
        RxListRules::CommitEntry(cp, 0, 0, QString());
        QCOMPARE(cp.RxListEntry[0], -1);
        QCOMPARE(RxListRules::ShowEntry(cp, 1, 0), "805678");
    }
};

QTEST_APPLESS_MAIN(TestRxListRules)
#include "test_rx_list_rules.moc"
