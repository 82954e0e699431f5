#include "codeplug/edit_history.h"
#include "codeplug/radio_data_file.h"

#include <QtTest>
#include <functional>

using namespace zr40;

namespace {

using Edit = std::function<void(Codeplug&)>;

Codeplug Startup() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    return cp;
}

bool SameKept(const Codeplug& a, const Codeplug& b) {
    return RadioDataFile::Serialize(a) == RadioDataFile::Serialize(b) &&
           a.RadioImage == b.RadioImage;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestEditHistory : public QObject {
    Q_OBJECT

private slots:
    // Whatever a page changes, file value or model image byte, one step takes it back.
    void eachKindOfValueIsUndoneAndRedone_data() {
        QTest::addColumn<Edit>("edit");
        QTest::newRow("channel field") << Edit([](Codeplug& cp) { cp.RxFreq[2] = 435025000; });
        QTest::newRow("function setting") << Edit([](Codeplug& cp) { cp.LocalID = 0x1234; });
        QTest::newRow("receive list entry")
            << Edit([](Codeplug& cp) { cp.RxListEntry[9] = 0x801234; });
        QTest::newRow("tune point") << Edit([](Codeplug& cp) { cp.TuneFreq[15] = 7; });
        QTest::newRow("model image byte") << Edit([](Codeplug& cp) { cp.RadioImage[1500] = 0x5A; });
        // A key length a file load would derive differently (trailing zero digits) survives.
        QTest::newRow("key with trailing zeros") << Edit([](Codeplug& cp) {
            cp.SetRxKeyWords(0, Codeplug::PackKey(QStringLiteral("1200")));
            cp.RxKeyLength[0] = 4;
        });
    }
    void eachKindOfValueIsUndoneAndRedone() {
        QFETCH(Edit, edit);
        Codeplug cp = Startup();
        EditHistory history;
        history.Reset(cp);
        const Codeplug before = cp;
        edit(cp);
        const Codeplug after = cp;
        QVERIFY(history.Record(cp, EditStep(QStringLiteral("x"), QStringLiteral("x"))));
        QVERIFY(history.Undo(cp));
        QVERIFY(SameKept(cp, before));
        QVERIFY(history.Redo(cp));
        QVERIFY(SameKept(cp, after));
        QCOMPARE(cp.RxKeyLength[0], after.RxKeyLength[0]);
    }

    void stepsComeBackInReverseOrderAndRedoForward() {
        Codeplug cp = Startup();
        EditHistory history;
        history.Reset(cp);
        QVERIFY(!history.Record(cp, {})); // nothing changed: no step
        const QStringList names = {"one", "two", "three"};
        for (int i = 0; i < names.size(); ++i) {
            cp.RxFreq[0] = 400000000 + i;
            QVERIFY(history.Record(cp, EditStep(names[i], names[i] + QStringLiteral("zh"))));
        }
        QCOMPARE(history.UndoStep().Name(true), QStringLiteral("three"));
        QCOMPARE(history.UndoStep().Name(false), QStringLiteral("threezh"));
        QVERIFY(!history.CanRedo());
        history.Undo(cp);
        QCOMPARE(cp.RxFreq[0], 400000001);
        QCOMPARE(history.UndoStep().english, QStringLiteral("two"));
        QCOMPARE(history.RedoStep().english, QStringLiteral("three"));
        history.Undo(cp);
        history.Undo(cp);
        QCOMPARE(cp.RxFreq[0], 0); // the start-up plan
        QVERIFY(!history.CanUndo());
        QVERIFY(!history.Undo(cp));
        QCOMPARE(history.RedoCount(), 3);
        history.Redo(cp);
        QCOMPARE(cp.RxFreq[0], 400000000);
        // A new edit after undoing drops what could have been redone.
        cp.LocalID = 5;
        history.Record(cp, EditStep(QStringLiteral("four"), QString()));
        QVERIFY(!history.CanRedo());
        QCOMPARE(history.UndoCount(), 2);
        QVERIFY(!history.Redo(cp));
        QCOMPARE(cp.LocalID, 5);
    }

    // Changes of one field one after the other are one step; back where it started, none. A
    // save in between (no merge allowed) and another step end the run.
    void changesOfOneFieldMerge() {
        Codeplug cp = Startup();
        EditHistory history;
        history.Reset(cp);
        const EditStep squelch = EditStep::ChannelField("FormChannelInformation", "Sq Level", 1);
        const auto set = [&](Long level, bool mayMerge = true) {
            cp.SqlLevel[0] = level;
            return history.Record(cp, squelch, mayMerge);
        };
        for (Long level : {6, 7, 8})
            QVERIFY(set(level));
        QCOMPARE(history.UndoCount(), 1);
        set(5); // back to the start-up value
        QCOMPARE(history.UndoCount(), 0);
        set(6);
        set(7, false);
        QCOMPARE(history.UndoCount(), 2);
        cp.LocalID = 9;
        history.Record(cp, EditStep(QStringLiteral("Local ID"), QString()).Merging());
        set(8);
        QCOMPARE(history.UndoCount(), 4);
        history.Undo(cp);
        QCOMPARE(cp.SqlLevel[0], 7);
    }

    // Undo and Redo with an edit the codeplug holds beyond the current state (typed, then
    // committed as the menu was chosen): the step named is the one taken back or done again,
    // and the edit stays, a step of its own.
    void pendingEditStaysBelowTheStepUndone() {
        Codeplug cp = Startup();
        EditHistory history;
        history.Reset(cp);
        cp.RxFreq[0] = 435000000;
        history.Record(cp, EditStep(QStringLiteral("one"), QString()));
        cp.RxFreq[1] = 436000000; // pending
        QVERIFY(history.Undo(cp, EditStep(QStringLiteral("two"), QString())));
        QCOMPARE(std::pair(cp.RxFreq[0], cp.RxFreq[1]), std::pair(0, 436000000));
        QCOMPARE(history.UndoStep().english, QStringLiteral("two"));
        QCOMPARE(history.RedoStep().english, QStringLiteral("one"));
        cp.RxFreq[2] = 437000000; // pending again
        QVERIFY(history.Redo(cp, EditStep(QStringLiteral("three"), QString())));
        QCOMPARE(std::tuple(cp.RxFreq[0], cp.RxFreq[1], cp.RxFreq[2]),
                 std::tuple(435000000, 436000000, 437000000));
        QCOMPARE(history.UndoStep().english, QStringLiteral("one"));
        history.Undo(cp);
        QCOMPARE(std::tuple(cp.RxFreq[0], cp.RxFreq[1], cp.RxFreq[2]),
                 std::tuple(0, 436000000, 437000000));
        history.Undo(cp);
        history.Undo(cp);
        QCOMPARE(cp.RxFreq[1], 0);
        QVERIFY(!history.CanUndo());
    }

    void theOldestStepsGoPastTheCap() {
        Codeplug cp = Startup();
        EditHistory history(5);
        history.Reset(cp);
        for (int i = 1; i <= 8; ++i) {
            cp.LocalID = i;
            history.Record(cp, EditStep(QString::number(i), QString()));
        }
        QCOMPARE(history.UndoCount(), 5);
        while (history.Undo(cp)) {
        }
        QCOMPARE(cp.LocalID, 3); // steps 1 to 3 are gone; the state after step 3 is the oldest
        QCOMPARE(history.RedoCount(), 5);
        QCOMPARE(history.RedoStep().english, QStringLiteral("4"));
    }

    // New and Open start over: nothing from before is offered any more.
    void resetStartsAFreshHistory() {
        Codeplug cp = Startup();
        EditHistory history;
        history.Reset(cp);
        cp.RxFreq[0] = 435000000;
        history.Record(cp, {});
        history.Undo(cp);
        cp.ApplyNewDefaults();
        history.Reset(cp);
        QVERIFY(!history.CanUndo());
        QVERIFY(!history.CanRedo());
        const Codeplug fresh = cp;
        QVERIFY(!history.Undo(cp));
        QVERIFY(SameKept(cp, fresh));
        cp.RxFreq[0] = 146000000;
        history.Record(cp, {});
        history.Undo(cp);
        QVERIFY(SameKept(cp, fresh)); // back to the New plan, not to the start-up one
    }

    void stepNames_data() {
        QTest::addColumn<EditStep>("step");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("channel field") << EditStep::ChannelField("FormChannelInformation", "Rx Frequency", 3)
                                       << "Rx Frequency of channel 3"
                                       << "信道3 接收频率";
        QTest::newRow("one channel")
            << EditStep::Channels("FormChannelInformation", "Paste", {7}) << "Paste channel 7"
            << "粘贴 信道7";
        QTest::newRow("runs") << EditStep::Channels("FormChannelInformation", "Clear", {6, 1, 4, 5, 4})
                              << "Clear channels 1, 4-6"
                              << "清除 信道1, 4-6";
    }
    void stepNames() {
        QFETCH(EditStep, step);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QCOMPARE(step.Name(true), english);
        QCOMPARE(step.Name(false), chinese);
    }
};

QTEST_APPLESS_MAIN(TestEditHistory)
#include "test_edit_history.moc"
