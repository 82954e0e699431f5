#include "channels/rx_list_rules.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestRxListRules : public QObject {
    Q_OBJECT

private slots:
    // A typed entry gets the group flag; all call, seven digits and non-hex are no entry.
    void enterEntry() {
        for (const auto& [typed, value, shown] : {std::tuple{"1234", 0x801234, "801234"},
                                                  {"FFFFFE", 0xFFFFFE, "FFFFFE"},
                                                  {"0", 0x800000, "800000"},
                                                  {"", -1, ""},
                                                  {"FFFFFF", -1, ""},
                                                  {"1000000", -1, ""},
                                                  {"XYZ", -1, ""}}) {
            const RxListEntryEdit edit = RxListRules::EnterEntry(typed);
            QCOMPARE(std::pair(edit.value, edit.text), std::pair(Long(value), QString(shown)));
        }
    }

    // A stored value that is no group ID shows empty and is cleared.
    void showAndCommit() {
        Codeplug cp = UhfCodeplug();
        for (const auto& [stored, shown, after] : {std::tuple{0x800001, "800001", 0x800001},
                                                   {5, "", -1},
                                                   {0xFFFFFF, "", -1},
                                                   {0x1000000, "", -1}}) {
            cp.RxListEntry[RxListRules::EntryIndex(2, 5)] = stored;
            QCOMPARE(RxListRules::ShowEntry(cp, 2, 5), shown);
            QCOMPARE(cp.RxListEntry[21], after);
        }
        RxListRules::CommitEntry(cp, 0, 0, "1234");
        RxListRules::CommitEntry(cp, 1, 0, "5678");
        RxListRules::CommitEntry(cp, 7, 7, "1");
        QCOMPARE(std::tuple(cp.RxListEntry[0], cp.RxListEntry[8], cp.RxListEntry[63]),
                 std::tuple(0x801234, 0x805678, 0x800001));
        RxListRules::CommitEntry(cp, 0, 0, QString());
        QCOMPARE(cp.RxListEntry[0], -1);
    }
};

QTEST_APPLESS_MAIN(TestRxListRules)
#include "test_rx_list_rules.moc"
