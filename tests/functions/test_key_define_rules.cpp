#include "functions/key_define_rules.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

using Selections = QList<KeyRowSelection>;

namespace {

Codeplug TimeMode() {
    Codeplug cp = UhfCodeplug();
    cp.KeyMethod = 1;
    cp.KeyDefine.fill(-1);
    return cp;
}

Codeplug LoopMode() {
    Codeplug cp = TimeMode();
    cp.KeyMethod = 2;
    return cp;
}

// Key codes `from` onwards.
QList<Long> Keys(const Codeplug& cp, int from, int count) {
    return QList<Long>(cp.KeyDefine.begin() + from, cp.KeyDefine.begin() + from + count);
}

} // namespace

class TestKeyDefineRules : public QObject {
    Q_OBJECT

private slots:
    void timeCodes_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("code");
        const int shortCodes[] = {-1, 1, 2, 4, 5, 6, 8, 9, 12};
        const int longCodes[] = {-1, 1, 4, 5, 6, 8, 9, 12};
        for (int p = 0; p < 9; ++p)
            QTest::addRow("short %d", p) << 0 << p << shortCodes[p];
        for (int p = 0; p < 8; ++p)
            QTest::addRow("long %d", p) << 3 << p << longCodes[p];
    }
    void timeCodes() {
        QFETCH(int, row);
        QFETCH(int, position);
        QFETCH(int, code);
        QCOMPARE(KeyDefineRules::CodeOf(row, position, 1), code);
        QCOMPARE(KeyDefineRules::PositionOf(row, code, 1), position);
        Codeplug cp = TimeMode();
        const Selections expected =
            code == 2 ? Selections({{row + 1, 0}}) : Selections(); // Monitor Instant
        QCOMPARE(KeyDefineRules::Click(cp, row, position), expected);
        QCOMPARE(cp.KeyDefine[row], code);
    }

    // Codes a row has no item for load as None and are cleared.
    void codesWithoutItemsLoadAsNone() {
        std::vector<std::tuple<int, int, int>> cases{{1, 1, 2}}; // method, row, code
        for (int code : {3, 7, 10, 11, 13, 0, -5})
            cases.emplace_back(1, 2, code);
        for (int code : {9, 10, 11, 12, 13, 0})
            cases.emplace_back(2, 4, code);
        for (const auto& [method, row, code] : cases) {
            Codeplug cp = TimeMode();
            cp.KeyMethod = method;
            cp.KeyDefine[row] = code;
            const int position = KeyDefineRules::LoadRows(cp)[row];
            QCOMPARE(std::tuple(code, position, cp.KeyDefine[row]), std::tuple(code, 0, -1));
        }
    }

    void loadReadsEveryRow() {
        Codeplug cp = TimeMode();
        cp.KeyDefine[0] = 2;
        cp.KeyDefine[5] = 12;
        cp.KeyDefine[14] = 9;
        cp.KeyDefine[16] = 12; // element 16 is no row
        const auto positions = KeyDefineRules::LoadRows(cp);
        QVERIFY(positions[0] == 2 && positions[5] == 7 && positions[14] == 7);
        QCOMPARE(cp.KeyDefine[16], 12);
    }

    // Time mode: Monitor Instant on a short press takes the long press of the same key.
    void monitorInstantBothDirections() {
        Codeplug cp = TimeMode();
        cp.KeyDefine[1] = 5;
        QCOMPARE(KeyDefineRules::Click(cp, 0, 2), Selections({{1, 0}}));
        QCOMPARE(Keys(cp, 0, 2), QList<Long>({2, -1}));
        // ... the long press snaps back while it holds, None is always taken ...
        QCOMPARE(KeyDefineRules::Click(cp, 1, 4), Selections({{1, 0}}));
        QCOMPARE(cp.KeyDefine[1], -1);
        cp.KeyDefine[1] = 1; // from a file
        QVERIFY(KeyDefineRules::Click(cp, 1, 0).isEmpty());
        QCOMPARE(cp.KeyDefine[1], -1);
        // ... and is free again once the short press changes.
        KeyDefineRules::Click(cp, 0, 1);
        QVERIFY(KeyDefineRules::Click(cp, 1, 2).isEmpty());
        QCOMPARE(cp.KeyDefine[1], 4);
        // None on a short press does not cascade in time mode.
        cp.KeyDefine[2] = 1;
        QVERIFY(KeyDefineRules::Click(cp, 0, 0).isEmpty());
        QCOMPARE(Keys(cp, 1, 2), QList<Long>({4, 1}));
        // A click without a selection, or past a long row's 8 items, changes nothing.
        QVERIFY(KeyDefineRules::Click(cp, 1, -1).isEmpty());
        QVERIFY(KeyDefineRules::Click(cp, 1, 8).isEmpty());
        QCOMPARE(cp.KeyDefine[1], 4);
    }

    void loopMode() {
        Codeplug cp = LoopMode();
        for (int p = 1; p <= 8; ++p) // loop codes are the positions
            QVERIFY(KeyDefineRules::CodeOf(9, p, 2) == p &&
                    KeyDefineRules::PositionOf(9, p, 2) == p);
        QCOMPARE(KeyDefineRules::CodeOf(9, 0, 2), -1);
        for (int row = 0; row < 10; ++row)
            cp.KeyDefine[row] = 1;
        // None clears the following steps, up to the last one.
        QCOMPARE(KeyDefineRules::Click(cp, 4, 0), Selections({{5, 0}, {6, 0}, {7, 0}}));
        QCOMPARE(Keys(cp, 3, 6), QList<Long>({1, -1, -1, -1, -1, 1}));
        QVERIFY(KeyDefineRules::Click(cp, 7, 0).isEmpty());
        // Monitor Instant has no rule here.
        cp.KeyDefine[1] = 5;
        QVERIFY(KeyDefineRules::Click(cp, 0, 2).isEmpty());
        QCOMPARE(Keys(cp, 0, 2), QList<Long>({2, 5}));
        QVERIFY(KeyDefineRules::Click(cp, 1, 3).isEmpty());
        QCOMPARE(cp.KeyDefine[1], 3);
    }

    void changingTheMethodKeepsEachFunction() {
        Codeplug cp = TimeMode();
        // Monitor Instant, None, Denoise Switch, Tx Power.
        std::copy_n(QList<Long>({2, -1, 12, 4}).begin(), 4, cp.KeyDefine.begin());
        Selections rows = KeyDefineRules::ChangeKeyMethod(cp, 1);
        QCOMPARE(cp.KeyMethod, 2);
        QCOMPARE(Keys(cp, 0, 4), QList<Long>({2, -1, 8, 3}));
        QCOMPARE(rows.size(), 16);
        QCOMPARE(rows.at(3), (KeyRowSelection{3, 3}));

        cp.KeyDefine[1] = 2; // Monitor Instant on a long press: fine in loop mode only
        rows = KeyDefineRules::ChangeKeyMethod(cp, 0);
        QCOMPARE(cp.KeyMethod, 1);
        QCOMPARE(Keys(cp, 0, 4), QList<Long>({2, -1, 12, 4}));
        QCOMPARE(rows.at(3), (KeyRowSelection{3, 2}));
    }
};

QTEST_APPLESS_MAIN(TestKeyDefineRules)
#include "test_key_define_rules.moc"
