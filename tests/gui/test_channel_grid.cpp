#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "gui_support.h"
#include "widgets/key_filter_edit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace zr40;

namespace {

constexpr Long kMHz = 1000000;

} // namespace

class TestChannelGrid : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormChannelInformation> page;

    void Open() {
        page = std::make_unique<FormChannelInformation>(cp);
        QVERIFY(test::ShowActive(page.get()));
    }
    QComboBox* List(int column) const { return page->listEditor(column - 3); }
    void Click(int row, int column) {
        QTableWidget* grid = page->grid();
        const QRect cell = grid->visualItemRect(grid->item(row - 1, column - 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Opens the cell's text editor, types over its text and presses Enter.
    void Type(int row, int column, const QString& text) {
        Click(row, column);
        KeyFilterEdit* editor = page->textEditor();
        QVERIFY(editor->isVisible());
        editor->selectAll();
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        else
            QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    // Opens the cell's text editor and types without finishing the edit.
    void TypePending(int row, int column, const QString& text) {
        Click(row, column);
        QTest::keyClicks(page->textEditor(), text);
    }
    QStringList Row(int row) const {
        QStringList cells;
        for (int column = 1; column <= 7; ++column)
            cells << page->CellText(row, column);
        return cells;
    }
    void NarrowBand() {
        cp.BandLower = 400;
        cp.BandUpper = 520;
        cp.BandUpperTx = 480;
    }

private slots:
    void init() {
        cp = test::PageCodeplug();
        seam = std::make_unique<test::ScriptedSeam>();
    }
    void cleanup() {
        page.reset();
        seam.reset();
    }

    void layoutAndCaptions_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("texts"); // caption, rx header, more header
        QTest::newRow("english") << true
                                 << QStringList{"Channel Information", "Rx Frequency", "More"};
        QTest::newRow("chinese") << false << QStringList{"信道信息", "接收频率", "更多"};
    }
    void layoutAndCaptions() {
        QFETCH(bool, english);
        QFETCH(QStringList, texts);
        cp.IsEnglish = english;
        Open();
        QTableWidget* grid = page->grid();
        QCOMPARE(page->windowTitle(), texts[0]);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), texts[1]);
        QCOMPARE(grid->horizontalHeaderItem(6)->text(), texts[2]);
        QCOMPARE(grid->rowCount(), 32);
        // No column cuts its texts short.
        const QFontMetrics metrics(grid->font());
        for (const QString& type : {List(3)->itemText(0), List(3)->itemText(1)})
            QVERIFY(grid->columnWidth(2) > metrics.horizontalAdvance(type));
        QVERIFY(grid->columnWidth(0) > metrics.horizontalAdvance(QStringLiteral("446.00625")));
        QCOMPARE(List(4)->count(), 279);
        QVERIFY(cp.ChannelInfoOpen);
        QTest::keyClick(grid, Qt::Key_F1);
        QCOMPARE(seam->helpTopics, QStringList({"chinfo.htm"}));
        QCOMPARE(seam->helpEnglish, QList<bool>({english}));
        page.reset();
        QVERIFY(!cp.ChannelInfoOpen);
    }

    void rowsShowTheChannelTables() {
        test::PutChannel(cp, 0, 435025000, 435025000);
        cp.RxCtcss[0] = 670;
        cp.TxDcs[0] = 0x89C7EC;
        cp.TxPower[0] = 0;
        test::PutChannel(cp, 1, 146000000, 0, true);
        test::PutChannel(cp, 2, 50 * kMHz, 435 * kMHz); // receive outside 100..550: an empty row
        Open();
        QCOMPARE(Row(1), QStringList({"435.02500", "435.02500", "Analog CH", "67.0", "D023N", "Low",
                                      ">>"}));
        QCOMPARE(Row(2), QStringList({"146.00000", "", "Digital CH", "", "", "High", ">>"}));
        QCOMPARE(Row(3), QStringList({"", "", "", "", "", "", ">>"}));
        QVERIFY(page->CellShaded(2, 4));
        QVERIFY(page->CellShaded(2, 5));
        QVERIFY(!page->CellShaded(1, 4));
    }

    void newChannelTypedIntoEmptyRow_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("english") << true
                                 << QStringList{"146.50000", "146.50000", "Analog CH", "None",
                                                "None",      "High",      ">>"};
        QTest::newRow("chinese") << false << QStringList{"146.50000", "146.50000", "模拟信道", "无",
                                                         "无",        "高",        ">>"};
    }
    void newChannelTypedIntoEmptyRow() {
        QFETCH(bool, english);
        QFETCH(QStringList, row);
        cp.IsEnglish = english;
        Open();
        Type(17, 1, "146.5");
        QCOMPARE(Row(17), row);
        QCOMPARE(cp.TxFreq[16], 146500000);
        QCOMPARE(cp.ChannelType[16], 1);
        QCOMPARE(cp.TxPower[16], 1);
        QCOMPARE(cp.RxCtcss[16], -1);
        QCOMPARE(cp.TxDcs[16], -1);
        QVERIFY(cp.ChannelGridChanged);
        QVERIFY(seam->messages.isEmpty());
        // Enter in the receive editor moves on to the transmit cell of the same row.
        QCOMPARE(page->CurrentRow(), 17);
        QCOMPARE(page->CurrentColumn(), 2);
        QVERIFY(!page->textEditor()->isVisible());
    }

    void transmitFollowingReceiveIsHeldToTheTransmitBand() {
        NarrowBand();
        Open();
        Type(3, 1, "500");
        QCOMPARE(page->CellText(3, 2), QStringLiteral("480.00000"));
        QCOMPARE(cp.RxFreq[2], 500 * kMHz);
        QCOMPARE(cp.TxFreq[2], 480 * kMHz);
    }

    void outOfRangeEntries_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Long>("stored");
        QTest::newRow("rx above") << true << 1 << "999" << 520 * kMHz;
        QTest::newRow("rx below") << true << 1 << "10" << 400 * kMHz;
        QTest::newRow("rx separator") << true << 1 << "." << 400 * kMHz;
        QTest::newRow("tx above tx band") << true << 2 << "500" << 480 * kMHz;
        QTest::newRow("chinese") << false << 1 << "999" << 520 * kMHz;
    }
    void outOfRangeEntries() {
        QFETCH(bool, english);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(Long, stored);
        cp.IsEnglish = english;
        NarrowBand();
        test::PutChannel(cp, 4, 440 * kMHz, 440 * kMHz);
        Open();
        Type(5, column, typed);
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(seam->messages[0].icon, QMessageBox::Warning);
        QCOMPARE(seam->messages[0].title, QStringLiteral("ZR40"));
        QCOMPARE(seam->messages[0].text, english ? QStringLiteral("Frequency is out of range!")
                                                 : QStringLiteral("频率超出范围！"));
        QCOMPARE(page->CellText(5, column), QString::number(stored / 1e6, 'f', 5));
        QCOMPARE(column == 1 ? cp.RxFreq[4] : cp.TxFreq[4], stored);
    }

    void clearingReceiveEmptiesTheRow() {
        test::PutChannel(cp, 1, 435 * kMHz, 436 * kMHz);
        cp.SqlLevel[1] = 9;
        Open();
        Type(2, 1, QString());
        QCOMPARE(Row(2), QStringList({"", "", "", "", "", "", ">>"}));
        QCOMPARE(cp.RxFreq[1], 0);
        QCOMPARE(cp.SqlLevel[1], 5); // the whole channel went back to its defaults
    }

    void clearingTransmitEmptiesTheEncodeCell() {
        test::PutChannel(cp, 1, 435 * kMHz, 436 * kMHz);
        cp.TxCtcss[1] = 885;
        Open();
        Type(2, 2, QString());
        QCOMPARE(Row(2), QStringList({"435.00000", "", "Analog CH", "None", "", "High", ">>"}));
        QCOMPARE(cp.TxFreq[1], 0);
        QCOMPARE(cp.TxCtcss[1], 0);
        QCOMPARE(cp.TxDcs[1], 0);
        // The encode cell of a channel without transmit frequency opens the transmit editor.
        Click(2, 5);
        QCOMPARE(page->EditingColumn(), 2);
    }

    void emptyRowStartsWithReceiveAndStaysUntouched() {
        Open();
        const Codeplug before = cp;
        for (int column = 1; column <= 6; ++column) {
            Click(9, column);
            QCOMPARE(page->EditingColumn(), 1);
            QCOMPARE(page->CurrentColumn(), 1);
            QVERIFY(page->textEditor()->hasFocus());
            page->FreshData(); // leaving the editor untouched changes nothing
            QVERIFY(!page->textEditor()->isVisible());
        }
        QCOMPARE(cp.GridEditRow, std::int16_t(9));
        QVERIFY(cp.SameRadioData(before));
        QVERIFY(!cp.ChannelGridChanged);
    }

    void analogToDigitalAndBack() {
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        cp.RxCtcss[0] = 670;
        Open();
        Click(1, 3);
        QCOMPARE(List(3)->currentIndex(), 0);
        QTest::keyClick(List(3), Qt::Key_Down);
        QTest::keyClick(List(3), Qt::Key_Return);
        QCOMPARE(cp.ChannelType[0], 2);
        QCOMPARE(cp.ChannelSpace[0], 12500);
        QCOMPARE(cp.RxCtcss[0], -1);
        QCOMPARE(page->CellText(1, 4), QString());
        QVERIFY(page->CellShaded(1, 5));
        QCOMPARE(page->CurrentColumn(), 4);
        Click(1, 4); // no tone editor on a digital channel
        QCOMPARE(page->EditingColumn(), 0);

        Click(1, 3);
        QTest::keyClick(List(3), Qt::Key_Up);
        QTest::keyClick(List(3), Qt::Key_Return);
        QCOMPARE(cp.ChannelType[0], 1);
        QCOMPARE(cp.ChannelSpace[0], 25000);
        QCOMPARE(page->CellText(1, 4), QStringLiteral("None"));
        QVERIFY(!page->CellShaded(1, 4));
    }

    void toneChosenInTheList() {
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        Click(1, 4);
        QCOMPARE(List(4)->currentText(), QStringLiteral("None"));
        QTest::keyClick(List(4), Qt::Key_Down);
        QTest::keyClick(List(4), Qt::Key_Return);
        QCOMPARE(cp.RxCtcss[0], 670);
        QCOMPARE(cp.RxDcs[0], -1);
        QCOMPARE(page->CurrentColumn(), 5);

        Click(1, 5);
        QComboBox* encode = List(5);
        encode->setCurrentIndex(encode->findText(QStringLiteral("D023N")));
        emit encode->activated(encode->currentIndex());
        page->FreshData();
        QCOMPARE(cp.TxCtcss[0], -1);
        QCOMPARE(cp.TxDcs[0], 0x89C7EC);
        QCOMPARE(page->CellText(1, 5), QStringLiteral("D023N"));
    }

    void toneOffTheListIsKeptUntilAChoice() {
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        cp.RxCtcss[0] = 1500; // 150.0 Hz: a radio tone that is not on the list
        cp.TxDcs[0] = 0x763813;
        cp.TxCtcss[0] = 2600; // not a tone: the DCS code counts
        Open();
        Click(1, 4);
        QCOMPARE(List(4)->currentIndex(), -1);
        QCOMPARE(List(4)->placeholderText(), QStringLiteral("150.0"));
        page->FreshData();
        QCOMPARE(cp.RxCtcss[0], 1500);
        QVERIFY(!cp.ChannelGridChanged);
        // A list tone left without a choice is not rewritten either.
        Click(1, 5);
        QCOMPARE(List(5)->currentText(), QStringLiteral("D023I"));
        QTest::keyClick(List(5), Qt::Key_Return);
        QCOMPARE(cp.TxCtcss[0], 2600);
        QCOMPARE(cp.TxDcs[0], 0x763813);
    }

    void enterInPowerListMovesToNextRow() {
        for (int channel : {4, 5, 31})
            test::PutChannel(cp, channel, 440 * kMHz, 440 * kMHz);
        Open();
        Click(5, 6);
        QTest::keyClick(List(6), Qt::Key_Up);
        QTest::keyClick(List(6), Qt::Key_Return);
        QCOMPARE(cp.TxPower[4], 0);
        QCOMPARE(page->CellText(5, 6), QStringLiteral("Low"));
        QCOMPARE(page->CurrentRow(), 6);
        QCOMPARE(page->CurrentColumn(), 1);
        // Enter again opens the receive editor there, its text selected.
        QTest::keyClick(page->grid(), Qt::Key_Return);
        QCOMPARE(page->EditingColumn(), 1);
        QCOMPARE(page->textEditor()->selectedText(), QStringLiteral("440.00000"));
        // In the last row it moves to "More" instead.
        Click(32, 6);
        QTest::keyClick(List(6), Qt::Key_Return);
        QCOMPARE(page->CurrentRow(), 32);
        QCOMPARE(page->CurrentColumn(), 7);
    }

    void keyboardFillsAChannelPlan() {
        Open();
        QTableWidget* grid = page->grid();
        page->SetCurrentCell(1, 1);
        grid->setFocus();
        // Typing a digit starts the editor with that digit.
        QTest::keyClick(grid, '4');
        QTest::keyClicks(page->textEditor(), "35.125");
        QTest::keyClick(page->textEditor(), Qt::Key_Return);
        QCOMPARE(cp.RxFreq[0], 435125000);
        QTest::keyClick(grid, '4');
        QTest::keyClicks(page->textEditor(), "36");
        QTest::keyClick(page->textEditor(), Qt::Key_Tab);
        QCOMPARE(cp.TxFreq[0], 436 * kMHz);
        QCOMPARE(page->CurrentColumn(), 3);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Left);
        QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(page->CurrentRow(), 2);
        QCOMPARE(page->CurrentColumn(), 1);
        QTest::keyClick(grid, Qt::Key_Return);
        QTest::keyClicks(page->textEditor(), "4a3b8"); // letters never reach a frequency
        QTest::keyClick(page->textEditor(), Qt::Key_Return);
        QCOMPARE(cp.RxFreq[1], 438 * kMHz);
        QCOMPARE(cp.TxFreq[1], 438 * kMHz);
    }

    void escapeCancelsAnEdit() {
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        TypePending(1, 1, "999");
        QTest::keyClick(page->textEditor(), Qt::Key_Escape);
        QVERIFY(!page->textEditor()->isVisible());
        QCOMPARE(page->CellText(1, 1), QStringLiteral("435.00000"));
        QVERIFY(seam->messages.isEmpty());
        QVERIFY(page->grid()->hasFocus());
        page->FreshData();
        QCOMPARE(cp.RxFreq[0], 435 * kMHz);
        QVERIFY(!cp.ChannelGridChanged);
    }

    // The grid keeps the keyboard after an editor opened by Enter is left with Escape, even when
    // its window is not the active one (no window manager, another window in front).
    void escapeGivesTheKeyboardBackToTheGrid_data() {
        QTest::addColumn<int>("column");
        QTest::newRow("text editor") << 1;
        QTest::newRow("list editor") << 6;
    }
    void escapeGivesTheKeyboardBackToTheGrid() {
        QFETCH(int, column);
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        QWidget other;
        QVERIFY(test::ShowActive(&other));
        page->SetCurrentCell(1, column);
        QTest::keyClick(page->grid(), Qt::Key_Return);
        QCOMPARE(page->EditingColumn(), column);
        QTest::keyClick(page->focusWidget(), Qt::Key_Escape);
        QCOMPARE(page->EditingColumn(), 0);
        QCOMPARE(page->focusWidget(), page->grid());
    }

    // A pending edit is kept by FreshData, by the focus leaving, and by the Close button, and
    // stays in the row it was typed into.
    void pendingEditsAreCommitted() {
        Open();
        TypePending(1, 1, "440");
        page->FreshData();
        QCOMPARE(cp.RxFreq[0], 440 * kMHz);
        QVERIFY(!page->textEditor()->isVisible());

        TypePending(3, 1, "442");
        cp.GridEditRow = 7; // the edit dialog selected another channel meanwhile
        page->FreshData();
        QCOMPARE(cp.RxFreq[2], 442 * kMHz);
        QCOMPARE(cp.RxFreq[6], 0);

        TypePending(2, 1, "441");
        Click(3, 7); // opens the edit dialog, which takes the focus
        QCOMPARE(cp.RxFreq[1], 441 * kMHz);

        TypePending(4, 1, "439");
        page->findChild<QPushButton*>(QStringLiteral("CommandClose"))->click();
        QVERIFY(!page->isVisible());
        QCOMPARE(cp.RxFreq[3], 439 * kMHz);
    }

    void gridAndDialogRefreshEachOther() {
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        Click(1, 7);
        FormChannelEdit* dialog = page->channelEdit();
        QVERIFY(dialog && dialog->isVisible());
        Click(6, 7); // the open dialog is only brought to the front
        QCOMPARE(page->channelEdit(), dialog);
        QCOMPARE(dialog->ShownChannel(), 0);
        auto* rx = dialog->findChild<KeyFilterEdit*>(QStringLiteral("TextRxFreq"));
        Type(1, 1, "436");
        dialog->Timer1_Timer();
        QCOMPARE(rx->text(), QStringLiteral("436.00000"));
        QVERIFY(!cp.ChannelGridChanged);
        auto* decode = dialog->findChild<QComboBox*>(QStringLiteral("ComboDecode"));
        dialog->ComboTone_Click(FrequencySide::Rx, decode->findText(QStringLiteral("D023N")));
        QVERIFY(cp.ChannelDataChanged);
        QTRY_COMPARE(page->CellText(1, 4), QStringLiteral("D023N")); // the page's own timer
        QVERIFY(!cp.ChannelDataChanged);

        // Typing in the dialog is committed before a save or a write.
        auto* tx = dialog->findChild<KeyFilterEdit*>(QStringLiteral("TextTxFreq"));
        tx->setFocus();
        tx->selectAll();
        QTest::keyClicks(tx, "437");
        page->FreshData();
        QCOMPARE(cp.TxFreq[0], 437 * kMHz);

        // A reload after a read refreshes both.
        cp.RxFreq[0] = 438 * kMHz;
        page->Analyse();
        QCOMPARE(page->CellText(1, 1), QStringLiteral("438.00000"));
        QCOMPARE(rx->text(), QStringLiteral("438.00000"));
        page.reset();
        QVERIFY(!cp.ChannelEditOpen);
    }
};

QTEST_MAIN(TestChannelGrid)
#include "test_channel_grid.moc"
