#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "gui_support.h"
#include "shell/key_filter_edit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace zr40;

namespace {

constexpr Long kMHz = 1000000;

void PutAnalog(Codeplug& cp, int channel, Long rxHz, Long txHz) {
    cp.ResetChannel(channel);
    cp.RxFreq[channel] = rxHz;
    cp.TxFreq[channel] = txHz;
}

void PutDigital(Codeplug& cp, int channel, Long rxHz, Long txHz) {
    PutAnalog(cp, channel, rxHz, txHz);
    cp.ChannelType[channel] = 2;
    cp.ChannelSpace[channel] = 12500;
}

} // namespace

class TestChannelGrid : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormChannelInformation> page;

    void Open() {
        page = std::make_unique<FormChannelInformation>(cp);
        page->show();
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
    }
    QComboBox* List(int column) const { return page->listEditor(column - 3); }
    // Clicks a cell with the mouse, as the technician does.
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
    QStringList Row(int row) const {
        QStringList cells;
        for (int column = 1; column <= 7; ++column)
            cells << page->CellText(row, column);
        return cells;
    }

private slots:
    void init() {
        cp = Codeplug();
        cp.ApplyStartupDefaults();
        cp.ResetApplicationState();
        cp.IsEnglish = true;
        seam = std::make_unique<test::ScriptedSeam>();
    }
    void cleanup() {
        page.reset();
        seam.reset();
    }

    void layoutAndCaptions_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("rxHeader");
        QTest::addColumn<QString>("decodeHeader");
        QTest::addColumn<QString>("moreHeader");
        QTest::newRow("english") << true << "Channel Information"
                                 << "Rx Frequency"
                                 << "CTCSS/DCS Decode"
                                 << "More";
        QTest::newRow("chinese") << false << "信道信息"
                                 << "接收频率"
                                 << "解码"
                                 << "更多";
    }
    void layoutAndCaptions() {
        QFETCH(bool, english);
        QFETCH(QString, caption);
        QFETCH(QString, rxHeader);
        QFETCH(QString, decodeHeader);
        QFETCH(QString, moreHeader);
        cp.IsEnglish = english;
        Open();
        QTableWidget* grid = page->grid();
        QCOMPARE(page->windowTitle(), caption);
        QCOMPARE(page->Caption(), page->windowTitle());
        QCOMPARE(grid->rowCount(), 32);
        QCOMPARE(grid->columnCount(), 7);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), rxHeader);
        QCOMPARE(grid->horizontalHeaderItem(3)->text(), decodeHeader);
        QCOMPARE(grid->horizontalHeaderItem(6)->text(), moreHeader);
        QCOMPARE(grid->verticalHeaderItem(0)->text(), QStringLiteral("1"));
        QCOMPARE(grid->verticalHeaderItem(31)->text(), QStringLiteral("32"));
        QVERIFY(grid->columnWidth(0) >= 1000 / 15);
        QVERIFY(grid->columnWidth(5) >= 1200 / 15);
        // No column cuts its texts short.
        const QFontMetrics metrics(grid->font());
        for (const QString& type :
             {page->CellText(1, 3), List(3)->itemText(0), List(3)->itemText(1)})
            QVERIFY(grid->columnWidth(2) > metrics.horizontalAdvance(type));
        QVERIFY(grid->columnWidth(0) > metrics.horizontalAdvance(QStringLiteral("446.00625")));
        QCOMPARE(page->CommandNumber(), 1000);
        QCOMPARE(page->HelpTopic(), QStringLiteral("chinfo.htm"));
        QVERIFY(cp.ChannelInfoOpen);
        QCOMPARE(cp.GridEditRow, std::int16_t(1));
        QCOMPARE(List(3)->count(), 2);
        QCOMPARE(List(4)->count(), 279);
        QCOMPARE(List(6)->count(), 2);
        page.reset();
        QVERIFY(!cp.ChannelInfoOpen);
    }

    void rowsShowTheChannelTables() {
        PutAnalog(cp, 0, 435025000, 435025000);
        cp.RxCtcss[0] = 670;
        cp.TxDcs[0] = 0x89C7EC;
        cp.TxPower[0] = 0;
        PutDigital(cp, 1, 146000000, 0);
        PutAnalog(cp, 2, 50 * kMHz, 435 * kMHz); // receive outside 100..550: an empty row
        Open();
        QCOMPARE(Row(1), QStringList({"435.02500", "435.02500", "Analog CH", "67.0", "D023N", "Low",
                                      ">>"}));
        QCOMPARE(Row(2), QStringList({"146.00000", "", "Digital CH", "", "", "High", ">>"}));
        QCOMPARE(Row(3), QStringList({"", "", "", "", "", "", ">>"}));
        QVERIFY(page->CellShaded(2, 4));
        QVERIFY(page->CellShaded(2, 5));
        QVERIFY(!page->CellShaded(1, 4));
        QCOMPARE(page->CellText(7, 0), QStringLiteral("7"));
    }

    void newChannelTypedIntoEmptyRow() {
        Open();
        Type(17, 1, "146.5");
        QCOMPARE(Row(17), QStringList({"146.50000", "146.50000", "Analog CH", "None", "None",
                                       "High", ">>"}));
        QCOMPARE(cp.RxFreq[16], 146500000);
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

    void newChannelChineseTypeText() {
        cp.IsEnglish = false;
        Open();
        Type(4, 1, "146.5");
        QCOMPARE(page->CellText(4, 3), QString::fromUtf8("模拟信道"));
        QCOMPARE(page->CellText(4, 4), QString::fromUtf8("无"));
        QCOMPARE(page->CellText(4, 6), QString::fromUtf8("高"));
    }

    void transmitFollowingReceiveIsHeldToTheTransmitBand() {
        cp.BandLower = 400;
        cp.BandUpper = 520;
        cp.BandUpperTx = 480;
        Open();
        Type(3, 1, "500");
        QCOMPARE(page->CellText(3, 1), QStringLiteral("500.00000"));
        QCOMPARE(page->CellText(3, 2), QStringLiteral("480.00000"));
        QCOMPARE(cp.RxFreq[2], 500 * kMHz);
        QCOMPARE(cp.TxFreq[2], 480 * kMHz);
    }

    void outOfRangeEntries_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Long>("stored");
        QTest::newRow("rx above") << 1 << "999"
                                  << "520.00000" << 520 * kMHz;
        QTest::newRow("rx below") << 1 << "10"
                                  << "400.00000" << 400 * kMHz;
        QTest::newRow("rx separator") << 1 << "."
                                      << "400.00000" << 400 * kMHz;
        QTest::newRow("tx above tx band") << 2 << "500"
                                          << "480.00000" << 480 * kMHz;
    }
    void outOfRangeEntries() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(Long, stored);
        cp.BandLower = 400;
        cp.BandUpper = 520;
        cp.BandUpperTx = 480;
        PutAnalog(cp, 4, 440 * kMHz, 440 * kMHz);
        Open();
        Type(5, column, typed);
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(seam->messages[0].icon, QMessageBox::Warning);
        QCOMPARE(seam->messages[0].title, QStringLiteral("ZR40"));
        QCOMPARE(seam->messages[0].text, QStringLiteral("Frequency is out of range!"));
        QCOMPARE(page->CellText(5, column), shown);
        QCOMPARE(column == 1 ? cp.RxFreq[4] : cp.TxFreq[4], stored);
    }

    void outOfRangeMessageInChinese() {
        cp.IsEnglish = false;
        cp.BandUpper = 480;
        Open();
        Type(1, 1, "999");
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(seam->messages[0].text, QString::fromUtf8("频率超出范围！"));
        QCOMPARE(cp.RxFreq[0], 480 * kMHz);
    }

    void clearingReceiveEmptiesTheRow() {
        PutAnalog(cp, 1, 435 * kMHz, 436 * kMHz);
        cp.SqlLevel[1] = 9;
        Open();
        Type(2, 1, QString());
        QCOMPARE(Row(2), QStringList({"", "", "", "", "", "", ">>"}));
        QCOMPARE(cp.RxFreq[1], 0);
        QCOMPARE(cp.SqlLevel[1], 5); // the whole channel went back to its defaults
    }

    void clearingTransmitEmptiesTheEncodeCell() {
        PutAnalog(cp, 1, 435 * kMHz, 436 * kMHz);
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
        QVERIFY(page->textEditor()->isVisible());
    }

    void anyCellOfAnEmptyRowStartsWithReceive_data() {
        QTest::addColumn<int>("column");
        for (int column = 1; column <= 6; ++column)
            QTest::newRow(qPrintable(QString::number(column))) << column;
    }
    void anyCellOfAnEmptyRowStartsWithReceive() {
        QFETCH(int, column);
        Open();
        Click(9, column);
        QCOMPARE(page->EditingColumn(), 1);
        QCOMPARE(cp.GridEditColumn, std::int16_t(1));
        QCOMPARE(cp.GridEditRow, std::int16_t(9));
        QCOMPARE(page->CurrentColumn(), 1);
        QVERIFY(page->textEditor()->hasFocus());
    }

    void leavingAnUntouchedEditorChangesNothing() {
        Open();
        const Codeplug before = cp;
        Click(20, 3); // an all-zero channel: the receive editor opens
        QVERIFY(page->textEditor()->isVisible());
        page->FreshData();
        QVERIFY(!page->textEditor()->isVisible());
        QCOMPARE(cp.ChannelType[19], 0);
        QVERIFY(cp.SameRadioData(before));
        QVERIFY(!cp.ChannelGridChanged);
    }

    void analogToDigitalAndBack() {
        PutAnalog(cp, 0, 435 * kMHz, 435 * kMHz);
        cp.RxCtcss[0] = 670;
        Open();
        Click(1, 3);
        QVERIFY(List(3)->isVisible());
        QCOMPARE(List(3)->currentIndex(), 0);
        QTest::keyClick(List(3), Qt::Key_Down);
        QTest::keyClick(List(3), Qt::Key_Return);
        QCOMPARE(cp.ChannelType[0], 2);
        QCOMPARE(cp.ChannelSpace[0], 12500);
        QCOMPARE(cp.RxCtcss[0], -1);
        QCOMPARE(page->CellText(1, 3), QStringLiteral("Digital CH"));
        QCOMPARE(page->CellText(1, 4), QString());
        QVERIFY(page->CellShaded(1, 4));
        QVERIFY(page->CellShaded(1, 5));
        QCOMPARE(page->CurrentColumn(), 4);
        // No tone editor on a digital channel.
        Click(1, 4);
        QCOMPARE(page->EditingColumn(), 0);
        QVERIFY(!List(4)->isVisible());

        Click(1, 3);
        QCOMPARE(List(3)->currentIndex(), 1);
        QTest::keyClick(List(3), Qt::Key_Up);
        QTest::keyClick(List(3), Qt::Key_Return);
        QCOMPARE(cp.ChannelType[0], 1);
        QCOMPARE(cp.ChannelSpace[0], 25000);
        QCOMPARE(page->CellText(1, 4), QStringLiteral("None"));
        QCOMPARE(page->CellText(1, 5), QStringLiteral("None"));
        QVERIFY(!page->CellShaded(1, 4));
    }

    void toneChosenInTheList() {
        PutAnalog(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        Click(1, 4);
        QComboBox* decode = List(4);
        QVERIFY(decode->isVisible());
        QCOMPARE(decode->currentText(), QStringLiteral("None"));
        QTest::keyClick(decode, Qt::Key_Down);
        QTest::keyClick(decode, Qt::Key_Return);
        QCOMPARE(cp.RxCtcss[0], 670);
        QCOMPARE(cp.RxDcs[0], -1);
        QCOMPARE(page->CellText(1, 4), QStringLiteral("67.0"));
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
        PutAnalog(cp, 0, 435 * kMHz, 435 * kMHz);
        cp.RxCtcss[0] = 1500; // 150.0 Hz: a radio tone that is not on the list
        cp.TxDcs[0] = 0x763813;
        cp.TxCtcss[0] = 2600; // not a tone: the DCS code counts
        Open();
        QCOMPARE(page->CellText(1, 4), QStringLiteral("150.0"));
        Click(1, 4);
        QCOMPARE(List(4)->currentIndex(), -1);
        QCOMPARE(List(4)->placeholderText(), QStringLiteral("150.0"));
        page->FreshData();
        QCOMPARE(cp.RxCtcss[0], 1500);
        QCOMPARE(page->CellText(1, 4), QStringLiteral("150.0"));
        QVERIFY(!cp.ChannelGridChanged);
        // A list tone left without a choice is not rewritten either.
        Click(1, 5);
        QCOMPARE(List(5)->currentText(), QStringLiteral("D023I"));
        QTest::keyClick(List(5), Qt::Key_Return);
        QCOMPARE(cp.TxCtcss[0], 2600);
        QCOMPARE(cp.TxDcs[0], 0x763813);
        QCOMPARE(page->CurrentColumn(), 6);
    }

    void enterInPowerListMovesToNextRow() {
        for (int channel = 4; channel < 6; ++channel)
            PutAnalog(cp, channel, 440 * kMHz, 440 * kMHz);
        Open();
        Click(5, 6);
        QComboBox* power = List(6);
        QCOMPARE(power->currentText(), QStringLiteral("High"));
        QTest::keyClick(power, Qt::Key_Up);
        QTest::keyClick(power, Qt::Key_Return);
        QCOMPARE(cp.TxPower[4], 0);
        QCOMPARE(page->CellText(5, 6), QStringLiteral("Low"));
        QCOMPARE(page->CurrentRow(), 6);
        QCOMPARE(page->CurrentColumn(), 1);
        QVERIFY(page->grid()->hasFocus());
        // Enter again opens the receive editor there.
        QTest::keyClick(page->grid(), Qt::Key_Return);
        QCOMPARE(page->EditingColumn(), 1);
        QCOMPARE(page->textEditor()->text(), QStringLiteral("440.00000"));
        QCOMPARE(page->textEditor()->selectedText(), QStringLiteral("440.00000"));
    }

    void enterInLastRowPowerMovesToMore() {
        PutAnalog(cp, 31, 440 * kMHz, 440 * kMHz);
        Open();
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
        // Typing a digit starts the editor with that digit; the editor has the focus then.
        QTest::keyClick(grid, '4');
        QVERIFY(page->textEditor()->hasFocus());
        QTest::keyClicks(page->textEditor(), "35.125");
        QVERIFY(page->textEditor()->isVisible());
        QCOMPARE(page->textEditor()->text(), QStringLiteral("435.125"));
        QTest::keyClick(page->textEditor(), Qt::Key_Return);
        QCOMPARE(cp.RxFreq[0], 435125000);
        QCOMPARE(page->CurrentColumn(), 2);
        QTest::keyClick(grid, '4');
        QTest::keyClicks(page->textEditor(), "36");
        QTest::keyClick(page->textEditor(), Qt::Key_Tab);
        QCOMPARE(cp.TxFreq[0], 436 * kMHz);
        QCOMPARE(page->CurrentColumn(), 3);
        // Arrows move the current cell.
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Left);
        QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(page->CurrentRow(), 2);
        QCOMPARE(page->CurrentColumn(), 1);
        QTest::keyClick(grid, '4');
        QTest::keyClicks(page->textEditor(), "38");
        QTest::keyClick(page->textEditor(), Qt::Key_Return);
        QCOMPARE(cp.RxFreq[1], 438 * kMHz);
        QCOMPARE(cp.TxFreq[1], 438 * kMHz);
        // Letters never reach a frequency.
        page->SetCurrentCell(2, 1);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
        QTest::keyClicks(page->textEditor(), "4a4b0");
        QCOMPARE(page->textEditor()->text(), QStringLiteral("440"));
    }

    void escapeCancelsAnEdit() {
        PutAnalog(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        Click(1, 1);
        QTest::keyClicks(page->textEditor(), "999");
        QTest::keyClick(page->textEditor(), Qt::Key_Escape);
        QVERIFY(!page->textEditor()->isVisible());
        QCOMPARE(page->CellText(1, 1), QStringLiteral("435.00000"));
        QCOMPARE(cp.RxFreq[0], 435 * kMHz);
        QVERIFY(seam->messages.isEmpty());
        QVERIFY(!cp.ChannelGridChanged);
        QVERIFY(page->grid()->hasFocus());
        QCOMPARE(page->CurrentColumn(), 1);
        page->FreshData();
        QCOMPARE(cp.RxFreq[0], 435 * kMHz);

        Click(1, 6);
        QTest::keyClick(List(6), Qt::Key_Up);
        QTest::keyClick(List(6), Qt::Key_Escape);
        QVERIFY(!List(6)->isVisible());
        QCOMPARE(cp.TxPower[0], 1);
    }

    void freshDataCommitsAPendingEdit() {
        Open();
        Click(1, 1);
        QTest::keyClicks(page->textEditor(), "440");
        page->FreshData();
        QCOMPARE(cp.RxFreq[0], 440 * kMHz);
        QCOMPARE(page->CellText(1, 1), QStringLiteral("440.00000"));
        QVERIFY(!page->textEditor()->isVisible());
    }

    void focusLeavingTheEditorCommits() {
        Open();
        Click(1, 1);
        QTest::keyClicks(page->textEditor(), "441");
        Click(3, 7); // opens the edit dialog, which takes the focus
        QCOMPARE(cp.RxFreq[0], 441 * kMHz);
    }

    void editStaysInItsRowWhenTheDialogMovesOn() {
        Open();
        Click(3, 1);
        QTest::keyClicks(page->textEditor(), "442");
        cp.GridEditRow = 7; // the edit dialog selected another channel meanwhile
        page->FreshData();
        QCOMPARE(cp.RxFreq[2], 442 * kMHz);
        QCOMPARE(cp.RxFreq[6], 0);
    }

    void timerReloadsAfterOtherEditors() {
        Open();
        PutAnalog(cp, 9, 445 * kMHz, 445 * kMHz);
        page->Timer1_Timer();
        QCOMPARE(page->CellText(10, 1), QString()); // nobody said the data changed
        cp.ChannelDataChanged = true;
        page->Timer1_Timer();
        QCOMPARE(page->CellText(10, 1), QStringLiteral("445.00000"));
        QVERIFY(!cp.ChannelDataChanged);
        cp.RxFreq[9] = 0;
        cp.ChannelDataChanged = true;
        QTRY_COMPARE(page->CellText(10, 1), QString()); // the page's own timer
    }

    void moreOpensTheEditDialogOnce() {
        PutAnalog(cp, 3, 445 * kMHz, 445 * kMHz);
        Open();
        Click(4, 7);
        FormChannelEdit* dialog = page->channelEdit();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(cp.ChannelEditOpen);
        QCOMPARE(dialog->ShownChannel(), 3);
        Click(6, 7);
        QCOMPARE(page->channelEdit(), dialog);
        QCOMPARE(dialog->ShownChannel(), 3); // only brought to the front
        page.reset();
        QVERIFY(!cp.ChannelEditOpen);
    }

    void gridAndDialogRefreshEachOther() {
        PutAnalog(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        Click(1, 7);
        FormChannelEdit* dialog = page->channelEdit();
        auto* rx = dialog->findChild<KeyFilterEdit*>(QStringLiteral("TextRxFreq"));
        QCOMPARE(rx->text(), QStringLiteral("435.00000"));
        // Grid -> dialog.
        Type(1, 1, "436");
        QVERIFY(cp.ChannelGridChanged);
        dialog->Timer1_Timer();
        QCOMPARE(rx->text(), QStringLiteral("436.00000"));
        QVERIFY(!cp.ChannelGridChanged);
        // Dialog -> grid.
        auto* decode = dialog->findChild<QComboBox*>(QStringLiteral("ComboDecode"));
        dialog->ComboTone_Click(FrequencySide::Rx, decode->findText(QStringLiteral("D023N")));
        QVERIFY(cp.ChannelDataChanged);
        page->Timer1_Timer();
        QCOMPARE(page->CellText(1, 4), QStringLiteral("D023N"));
    }

    void savingCommitsTypingInTheDialog() {
        PutAnalog(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        Click(1, 7);
        auto* tx = page->channelEdit()->findChild<KeyFilterEdit*>(QStringLiteral("TextTxFreq"));
        tx->setFocus();
        tx->selectAll();
        QTest::keyClicks(tx, "436");
        page->FreshData(); // the main window, before a save or a write
        QCOMPARE(cp.TxFreq[0], 436 * kMHz);
    }

    void reloadAfterAReadRefreshesTheDialog() {
        PutAnalog(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        Click(1, 7);
        cp.RxFreq[0] = 437 * kMHz; // as a read from the radio leaves it
        page->Analyse();
        QCOMPARE(page->CellText(1, 1), QStringLiteral("437.00000"));
        auto* rx = page->channelEdit()->findChild<KeyFilterEdit*>(QStringLiteral("TextRxFreq"));
        QCOMPARE(rx->text(), QStringLiteral("437.00000"));
    }

    void shiftF3AsksForChannelCopyOnFilledCells() {
        PutAnalog(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        QSignalSpy spy(page.get(), &FormChannelInformation::channelCopyRequested);
        page->SetCurrentCell(2, 1);
        QTest::keyClick(page->grid(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(spy.size(), 0);
        page->SetCurrentCell(1, 2);
        QTest::keyClick(page->grid(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toInt(), 1);
        QCOMPARE(spy[0][1].toInt(), 2);
    }

    void f1OpensTheHelpTopic() {
        cp.IsEnglish = false;
        Open();
        QTest::keyClick(page->grid(), Qt::Key_F1);
        QCOMPARE(seam->helpTopics, QStringList({"chinfo.htm"}));
        QCOMPARE(seam->helpEnglish, QList<bool>({false}));
    }

    void closeButtonClosesThePage() {
        Open();
        auto* close = page->findChild<QPushButton*>(QStringLiteral("CommandClose"));
        QCOMPARE(close->text(), QStringLiteral("&Close"));
        Click(1, 1);
        QTest::keyClicks(page->textEditor(), "439");
        close->click();
        QVERIFY(!page->isVisible());
        QCOMPARE(cp.RxFreq[0], 439 * kMHz); // the edit in progress was kept
    }

    void resizeRecordsTheWindowState() {
        Open();
        cp.ChildWindowState = 2;
        page->resize(700, 500);
        QCOMPARE(cp.ChildWindowState, std::int16_t(0));
        page->showMaximized();
        QTRY_COMPARE(cp.ChildWindowState, std::int16_t(2));
    }
};

QTEST_MAIN(TestChannelGrid)
#include "test_channel_grid.moc"
