#include "channels/ui/form_rx_list.h"
#include "gui_support.h"
#include "widgets/key_filter_edit.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace zr40;

class TestRxList : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormRxList> page;

    void Open() {
        page = std::make_unique<FormRxList>(cp);
        QVERIFY(test::ShowActive(page.get()));
    }
    void Click(int row) {
        QTableWidget* grid = page->grid();
        const QRect cell = grid->visualItemRect(grid->item(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void Type(int row, const QString& text) {
        Click(row);
        KeyFilterEdit* editor = page->textEditor();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->selectedText(), editor->text());
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    void SelectList(int index) {
        page->listSelector()->setCurrentIndex(index);
        emit page->listSelector()->activated(index);
    }
    Long Entry(int list, int row) const { return cp.RxListEntry[list * 8 + row - 1]; }

private slots:
    void init() {
        cp = test::PageCodeplug();
        seam = std::make_unique<test::ScriptedSeam>();
    }
    void cleanup() {
        page.reset();
        seam.reset();
    }

    void captions_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("warning");
        QTest::newRow("english") << true << "Rx List"
                                 << "Must input value larger than &h80000";
        QTest::newRow("chinese") << false << "接收列表"
                                 << "必须输入0x80000以上";
    }
    void captions() {
        QFETCH(bool, english);
        cp.IsEnglish = english;
        Open();
        QTEST(page->windowTitle(), "caption");
        QTEST(page->findChild<QLabel*>(QStringLiteral("LabelWarning"))->text(), "warning");
        QCOMPARE(page->listSelector()->count(), 8);
        QVERIFY(cp.RxListOpen);
        QTest::keyClick(page->grid(), Qt::Key_F1);
        QCOMPARE(seam->helpTopics, QStringList({"rxlist.htm"}));
        page.reset();
        QVERIFY(!cp.RxListOpen);
    }

    void entriesAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Long>("stored");
        QTest::newRow("small id becomes a group") << "1234"
                                                  << "801234" << Long(0x801234);
        QTest::newRow("lower case") << "fffffe"
                                    << "FFFFFE" << Long(0xFFFFFE);
        // All call is no list entry: refused at once rather than dropped on the next load.
        QTest::newRow("all call") << "FFFFFF"
                                  << "" << Long(-1);
        QTest::newRow("group flag makes all call") << "7FFFFF"
                                                   << "" << Long(-1);
        QTest::newRow("cleared") << ""
                                 << "" << Long(-1);
    }
    void entriesAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(Long, stored);
        cp.RxListEntry[2] = 0x800003;
        Open();
        Type(3, typed);
        QCOMPARE(Entry(0, 3), stored);
        QCOMPARE(page->CellText(3), shown);
        QVERIFY(!page->textEditor()->isVisible());
        QCOMPARE(page->grid()->currentRow(), 2); // the current entry does not move
    }

    void invalidEntriesAreEmptiedWhenShown() {
        cp.RxListEntry[8 + 0] = 5;
        cp.RxListEntry[8 + 1] = 0xFFFFFF;
        cp.RxListEntry[8 + 2] = 0x800001;
        Open();
        QCOMPARE(cp.RxListEntry[8], 5); // list 2 not shown yet
        SelectList(1);
        QCOMPARE(page->CellText(2), QString());
        QCOMPARE(page->CellText(3), QStringLiteral("800001"));
        QCOMPARE(Entry(1, 1), -1);
        QCOMPARE(Entry(1, 2), -1);
        QCOMPARE(Entry(1, 3), 0x800001);
    }

    // Each list keeps its own entries; a pending entry is stored in the list it was typed into,
    // when the list changes or on FreshData.
    void listsKeepTheirOwnEntries() {
        Open();
        Type(1, "111");
        Click(4);
        QTest::keyClicks(page->textEditor(), "444");
        SelectList(1);
        QCOMPARE(Entry(0, 4), 0x800444);
        QCOMPARE(page->CellText(1), QString());
        QCOMPARE(page->CellText(4), QString());
        Type(1, "222");
        Click(2);
        QTest::keyClicks(page->textEditor(), "77");
        page->FreshData();
        QCOMPARE(Entry(1, 2), 0x800077);
        SelectList(0);
        QCOMPARE(page->CellText(1), QStringLiteral("800111"));
        QCOMPARE(Entry(0, 1), 0x800111);
        QCOMPARE(Entry(1, 1), 0x800222);
        QCOMPARE(Entry(1, 4), -1);
    }

    void keyboardOnly() {
        Open();
        page->grid()->setCurrentCell(4, 0);
        page->grid()->setFocus();
        QTest::keyClick(page->grid(), 'a');
        QVERIFY(page->textEditor()->hasFocus());
        QTest::keyClicks(page->textEditor(), "bc");
        QTest::keyClick(page->textEditor(), Qt::Key_Tab);
        QCOMPARE(Entry(0, 5), 0x800ABC);
        QCOMPARE(page->grid()->currentRow(), 5);
        QTest::keyClick(page->grid(), Qt::Key_Return);
        QTest::keyClicks(page->textEditor(), "99");
        QTest::keyClick(page->textEditor(), Qt::Key_Escape);
        QCOMPARE(Entry(0, 6), -1);
        QVERIFY(!page->textEditor()->isVisible());
    }

    // The grid keeps the keyboard after Escape even when its window is not the active one.
    void escapeGivesTheKeyboardBackToTheGrid() {
        Open();
        QWidget other;
        QVERIFY(test::ShowActive(&other));
        page->grid()->setCurrentCell(2, 0);
        QTest::keyClick(page->grid(), Qt::Key_Return);
        QTest::keyClick(page->textEditor(), Qt::Key_Escape);
        QCOMPARE(page->focusWidget(), page->grid());
    }

    void onlyARealChangeCountsAsAnEdit() {
        cp.RxListEntry[0] = 0x800001;
        Open();
        QSignalSpy edited(page.get(), &ConfigPage::edited);
        Type(1, "800001");
        QCOMPARE(edited.size(), 0);
        Type(1, "2");
        QCOMPARE(edited.size(), 1);
    }
};

QTEST_MAIN(TestRxList)
#include "test_rx_list.moc"
