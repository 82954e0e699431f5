// Editing in place, the same way in the three grids (channels, receive lists, tune points): an
// open editor always sits on the current cell, the keys that move commit first, and the key
// that starts an edit is the edit's first key. What a commit stores is each grid's rules'.

#include "channels/ui/form_channel_information.h"
#include "channels/ui/form_rx_list.h"
#include "gui_support.h"
#include "link/ui/form_tune.h"
#include "widgets/key_filter_edit.h"

#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace zr40;

namespace {

enum Grid { kChannels, kRxList, kTune };

// One page with a grid, as the tests drive it: rows and columns counted from 1 as the pages do.
struct GridPage {
    std::unique_ptr<ConfigPage> page;
    QTableWidget* grid = nullptr;
    std::function<QString(int, int)> cell;

    void SetCurrent(int row, int column) const { grid->setCurrentCell(row - 1, column - 1); }
    int Row() const { return grid->currentRow() + 1; }
    int Column() const { return grid->currentColumn() + 1; }
};

GridPage Open(Grid which, Codeplug& cp) {
    GridPage open;
    if (which == kChannels) {
        auto* page = new FormChannelInformation(cp);
        open.grid = page->grid();
        open.cell = [page](int row, int column) { return page->CellText(row, column); };
        open.page.reset(page);
    } else if (which == kRxList) {
        auto* page = new FormRxList(cp);
        open.grid = page->grid();
        open.cell = [page](int row, int) { return page->CellText(row); };
        open.page.reset(page);
    } else {
        auto* page = new FormTune(cp);
        open.grid = page->grid();
        open.cell = [page](int row, int column) { return page->CellText(row, column); };
        open.page.reset(page);
    }
    return open;
}

// Three analog channels on 435 MHz, tune points on 410 MHz in a 400-480 MHz band.
Codeplug Plan() {
    Codeplug cp = test::PageCodeplug();
    cp.BandLower = 400;
    cp.BandUpper = cp.BandUpperTx = 480;
    for (int channel = 0; channel < 3; ++channel)
        test::PutChannel(cp, channel, 435000000, 435000000);
    for (int point = 0; point < 3; ++point)
        cp.TuneFreq[point] = 410000000;
    return cp;
}

} // namespace

class TestCellEditing : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ScriptedSeam> seam_;

private slots:
    void init() { seam_ = std::make_unique<test::ScriptedSeam>(); }
    void cleanup() { seam_.reset(); }

    // Up, Down, Tab and Shift+Tab commit into the cell typed into, then move; the editor never
    // stays behind on a cell the highlight has left.
    void movingKeysCommitThenMove_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QPoint>("from"); // column, row
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("stored");
        const int down = Qt::Key_Down, tab = Qt::Key_Tab, back = Qt::Key_Backtab;
        // clang-format off
        QTest::newRow("channel Rx, Down") << int(kChannels) << QPoint(1, 2) << "436" << down << QPoint(1, 3) << "436.00000";
        QTest::newRow("channel Rx, Up") << int(kChannels) << QPoint(1, 2) << "436" << int(Qt::Key_Up) << QPoint(1, 1) << "436.00000";
        QTest::newRow("channel Tx, Tab") << int(kChannels) << QPoint(2, 2) << "437" << tab << QPoint(3, 2) << "437.00000";
        QTest::newRow("channel Tx, Shift+Tab") << int(kChannels) << QPoint(2, 2) << "437" << back << QPoint(1, 2) << "437.00000";
        QTest::newRow("channel power list, Right") << int(kChannels) << QPoint(6, 2) << "" << int(Qt::Key_Right) << QPoint(7, 2) << "High";
        QTest::newRow("rx list, Down") << int(kRxList) << QPoint(1, 2) << "1234" << down << QPoint(1, 3) << "801234";
        QTest::newRow("rx list, Tab to the next row") << int(kRxList) << QPoint(1, 2) << "1234" << tab << QPoint(1, 3) << "801234";
        QTest::newRow("tune bias, Tab") << int(kTune) << QPoint(2, 1) << "50" << tab << QPoint(3, 1) << "50";
        QTest::newRow("tune SQ, Down") << int(kTune) << QPoint(5, 1) << "61" << down << QPoint(5, 2) << "61";
        QTest::newRow("tune frequency, Shift+Tab to the row before") << int(kTune) << QPoint(1, 2) << "450" << back << QPoint(5, 1) << "450.00000";
        // clang-format on
    }
    void movingKeysCommitThenMove() {
        QFETCH(int, grid);
        QFETCH(QPoint, from);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QPoint, to);
        Codeplug cp = Plan();
        GridPage page = Open(Grid(grid), cp);
        QVERIFY(test::ShowActive(page.page.get()));
        const QString target = page.cell(to.y(), to.x());
        page.SetCurrent(from.y(), from.x());
        page.grid->setFocus();
        QTest::keyClick(page.grid, Qt::Key_Return);
        QWidget* editor = page.page->focusWidget();
        QVERIFY(editor && editor != page.grid);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key(key));
        QVERIFY(!editor->isVisible());
        QCOMPARE(page.page->focusWidget(), page.grid);
        QCOMPARE(QPoint(page.Column(), page.Row()), to);
        QTEST(page.cell(from.y(), from.x()), "stored");
        QCOMPARE(page.cell(to.y(), to.x()), target);
    }

    // Left and Right move the caret in a text box; the edit stays open on its cell.
    void leftAndRightMoveTheCaret() {
        Codeplug cp = Plan();
        GridPage page = Open(kChannels, cp);
        QVERIFY(test::ShowActive(page.page.get()));
        page.SetCurrent(2, 1);
        QTest::keyClick(page.grid, Qt::Key_Return);
        auto* editor = qobject_cast<KeyFilterEdit*>(page.page->focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, "46");
        QTest::keyClick(editor, Qt::Key_Left);
        QTest::keyClick(editor, Qt::Key_Left);
        QTest::keyClick(editor, Qt::Key_Right);
        QCOMPARE(editor->cursorPosition(), 1);
        QVERIFY(editor->isVisible());
        QCOMPARE(QPoint(page.Column(), page.Row()), QPoint(1, 2));
        QTest::keyClicks(editor, "3");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(cp.RxFreq[1], 436000000);
    }

    // Whatever else moves the highlight (a click on a row header, the page moving it) commits
    // the edit into its own cell first; a menu opened over it and closed again does not.
    void highlightMovedElsewhereCommitsFirst() {
        Codeplug cp = Plan();
        GridPage page = Open(kChannels, cp);
        QVERIFY(test::ShowActive(page.page.get()));
        page.SetCurrent(2, 1);
        QTest::keyClick(page.grid, Qt::Key_Return);
        QWidget* editor = page.page->focusWidget();
        QTest::keyClicks(editor, "441");
        for (Qt::FocusReason menu : {Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, menu);
            QApplication::sendEvent(editor, &out);
        }
        QVERIFY(editor->isVisible());
        QCOMPARE(cp.RxFreq[1], 435000000);
        page.SetCurrent(5, 3);
        QCOMPARE(cp.RxFreq[1], 441000000);
        QCOMPARE(cp.RxFreq[4], 0);
        QVERIFY(!page.page->focusWidget()->inherits("QLineEdit"));
    }

    // A key typed on a cell starts its editor with that key, in every kind of cell: a list
    // searches its items by everything typed.
    void typingStartsTheEditWithTheKey_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("decode 77.0") << int(kChannels) << QPoint(4, 1) << "77.0" << "77.0";
        QTest::newRow("decode 67.0") << int(kChannels) << QPoint(4, 2) << "67.0" << "67.0";
        QTest::newRow("encode D023N") << int(kChannels) << QPoint(5, 1) << "D023N" << "D023N";
        QTest::newRow("type") << int(kChannels) << QPoint(3, 1) << "D" << "Digital CH";
        QTest::newRow("power") << int(kChannels) << QPoint(6, 1) << "L" << "Low";
        QTest::newRow("receive frequency") << int(kChannels) << QPoint(1, 1) << "436" << "436.00000";
        QTest::newRow("rx list entry") << int(kRxList) << QPoint(1, 1) << "1234" << "801234";
        QTest::newRow("tune SQ") << int(kTune) << QPoint(5, 1) << "7" << "7";
        // clang-format on
    }
    void typingStartsTheEditWithTheKey() {
        QFETCH(int, grid);
        QFETCH(QPoint, cell);
        QFETCH(QString, typed);
        Codeplug cp = Plan();
        GridPage page = Open(Grid(grid), cp);
        QVERIFY(test::ShowActive(page.page.get()));
        page.SetCurrent(cell.y(), cell.x());
        page.grid->setFocus();
        QTest::keyClick(page.grid, typed.at(0).toLatin1());
        QWidget* editor = page.page->focusWidget();
        QVERIFY(editor != page.grid);
        QTest::keyClicks(editor, typed.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QTEST(page.cell(cell.y(), cell.x()), "shown");
    }
};

QTEST_MAIN(TestCellEditing)
#include "test_cell_editing.moc"
