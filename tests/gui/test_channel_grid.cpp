#include "channels/ui/form_batch_channel_edit.h"
#include "channels/ui/form_channel_copy.h"
#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "gui_support.h"
#include "shell/mdi_form_main.h"
#include "widgets/key_filter_edit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace zr40;

namespace {

constexpr Long kMHz = 1000000;

template <typename W> W* Find(QWidget* parent, const char* name) {
    return parent->findChild<W*>(QString::fromLatin1(name));
}

// What the copy dialog showed when it opened, and the copy made in it.
struct CopySeen {
    int source = 0;
    int target = 0;
    int targets = 0;
    QString targetRowRx; // the grid's row of the target, read while the dialog is still open
};

// What Apply writes, in the order the setting panel lists the "Set" boxes.
QList<bool> SetFlags(const BatchChannelChoice& c) {
    return {c.setRxFreq,  c.setTxFreq,     c.decode.set, c.encode.set, c.setScanAdd,
            c.setReverse, c.setTalkAround, c.setTxPower, c.setSpace,   c.setBusyLock};
}

// The "Set" boxes in setting panel order, the order of SetFlags.
const QStringList kSetBoxes = {"CheckSetRxFreq",     "CheckSetTxFreq",  "CheckSetDecode",
                               "CheckSetEncode",     "CheckSetScanAdd", "CheckSetReverse",
                               "CheckSetTalkAround", "CheckSetTxPower", "CheckSetSpace",
                               "CheckSetBusyLock"};

} // namespace

// The channel grid as the mouse and the keyboard drive it. What a commit stores is the channel
// rules' business (tests/channels); here: the editors, the cells, where the keyboard goes, and
// whole channels copied, pasted (ours or a spreadsheet's) and cleared; the copy dialog and the
// batch editor it opens.
class TestChannelGrid : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormChannelInformation> page;

    void Open() {
        page = std::make_unique<FormChannelInformation>(cp);
        QVERIFY(test::ShowActive(page.get()));
    }
    QComboBox* List(int) const { return page->listEditor(); }
    KeyFilterEdit* Editor() const { return page->textEditor(); }
    void Click(int row, int column) { test::ClickCell(page->grid(), row - 1, column - 1); }
    // Opens the cell's text editor by mouse, types over its text; Enter unless `pending`.
    void Type(int row, int column, const QString& text, bool pending = false) {
        Click(row, column);
        QVERIFY(Editor()->isVisible());
        QCOMPARE(Editor()->selectedText(), Editor()->text());
        if (pending)
            QTest::keyClicks(Editor(), text);
        else
            test::Enter(Editor(), text);
    }
    // Opens the cell's list by keyboard, moves in it and presses Enter.
    void Choose(int row, int column, Qt::Key move) {
        page->SetCurrentCell(row, column);
        page->grid()->setFocus();
        QTest::keyClick(page->grid(), Qt::Key_Return);
        QTest::keyClick(List(column), move);
        QTest::keyClick(List(column), Qt::Key_Return);
    }
    QStringList Row(int row) const {
        QStringList cells;
        for (int column = 1; column <= 7; ++column)
            cells << page->CellText(row, column);
        return cells;
    }

    // Three channels, the second on low power, the third digital; the grid has the keyboard.
    void OpenRows() {
        test::PutChannel(cp, 0, 435025000, 440025000);
        test::PutChannel(cp, 1, 146500000, 146500000);
        test::PutChannel(cp, 2, 441000000, 441000000, true);
        cp.TxPower[1] = 0;
        QGuiApplication::clipboard()->clear();
        Open();
        page->grid()->setFocus();
    }
    void ClickHeader(int row, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* header = page->grid()->verticalHeader();
        const QPoint at(header->width() / 2, header->sectionViewportPosition(row - 1) +
                                                 header->sectionSize(row - 1) / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
    }
    void Key(const QKeySequence& key) { QTest::keySequence(page->grid(), key); }
    static QList<int> Channels(std::initializer_list<int> numbers) {
        QList<int> indexes;
        for (int n : numbers)
            indexes << n - 1;
        return indexes;
    }

    // Answers the next copy dialog: records what it shows, copies onto `target`, closes.
    void CopyInNextDialog(CopySeen& seen, int target) {
        test::OnNextModal([this, &seen, target](QWidget* modal) {
            auto* dialog = qobject_cast<FormChannelCopy*>(modal);
            QVERIFY(dialog);
            auto* list = Find<QComboBox>(dialog, "ComboChannelTo");
            seen.source = dialog->CopySource();
            seen.target = list->currentIndex() + 1;
            seen.targets = list->count();
            list->setCurrentIndex(target - 1);
            Find<QPushButton>(dialog, "CommandCopy")->click();
            seen.targetRowRx = page->CellText(target, 1);
            Find<QPushButton>(dialog, "CommandCancel")->click();
        });
    }
    void RightClickRowHeader(int row) {
        QHeaderView* header = page->grid()->verticalHeader();
        const QPoint at(4, header->sectionViewportPosition(row - 1) + 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
        QApplication::sendEvent(header->viewport(), &event);
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

    void newChannelTypedIntoAnEmptyRow() {
        Open();
        Type(17, 1, "146.5");
        QCOMPARE(Row(17), QStringList({"146.50000", "146.50000", "Analog CH", "None", "None",
                                       "High", ">>"}));
        QCOMPARE(cp.TxFreq[16], 146500000);
        QVERIFY(cp.ChannelGridChanged);
        // Enter in the receive editor moves on to the transmit cell of the same row.
        QCOMPARE(page->CurrentRow(), 17);
        QCOMPARE(page->CurrentColumn(), 2);
        QVERIFY(!Editor()->isVisible());
        // Digital rows grey their tone cells.
        Choose(17, 3, Qt::Key_Down);
        QCOMPARE(cp.ChannelType[16], 2);
        QCOMPARE(page->CellText(17, 4), QString());
        QVERIFY(page->CellShaded(17, 5));
        Click(17, 4); // no tone editor on a digital channel
        QCOMPARE(page->EditingColumn(), 0);
        Choose(17, 3, Qt::Key_Up);
        QCOMPARE(page->CellText(17, 4), QStringLiteral("None"));
        QVERIFY(!page->CellShaded(17, 4));
        // Out of the band: said once and clamped (the clamp is the channel rules').
        Type(17, 1, "999");
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(page->CellText(17, 1), QStringLiteral("550.00000"));
        QCOMPARE(cp.RxFreq[16], 550 * kMHz);
    }

    // Clicking through an empty row opens the receive editor each time and stores nothing.
    void emptyRowStartsWithReceiveAndStaysUntouched() {
        Open();
        const Codeplug before = cp;
        for (int column = 1; column <= 6; ++column) {
            Click(9, column);
            QCOMPARE(page->EditingColumn(), 1);
            QCOMPARE(page->CurrentColumn(), 1);
            QVERIFY(Editor()->hasFocus());
            page->FreshData();
            QVERIFY(!Editor()->isVisible());
        }
        QVERIFY(cp.SameRadioData(before));
        QVERIFY(!cp.ChannelGridChanged);
        // The encode cell of a channel without transmit frequency opens the transmit editor;
        // clearing the receive frequency empties the row.
        test::PutChannel(cp, 2, 435 * kMHz, 0);
        page->AnalyseChannelInformation();
        Click(3, 5);
        QCOMPARE(page->EditingColumn(), 2);
        Type(3, 1, QString());
        QCOMPARE(Row(3), QStringList({"", "", "", "", "", "", ">>"}));
    }

    void tonesChosenAndKept() {
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        cp.RxCtcss[0] = 1500; // 150.0 Hz: a radio tone that is not on the list
        cp.TxDcs[0] = 0x763813;
        cp.TxCtcss[0] = 2600; // not a tone: the DCS code counts
        Open();
        Click(1, 4);
        QCOMPARE(List(4)->currentIndex(), -1);
        QCOMPARE(List(4)->placeholderText(), QStringLiteral("150.0"));
        page->FreshData(); // left without a choice: kept
        QCOMPARE(cp.RxCtcss[0], 1500);
        Choose(1, 5, Qt::Key_Right); // a list tone left by Enter without a move is kept too
        QCOMPARE(cp.TxCtcss[0], 2600);
        Choose(1, 4, Qt::Key_Down); // from the placeholder to the first item, None
        QCOMPARE(cp.RxCtcss[0], -1);
        QCOMPARE(cp.RxDcs[0], -1);
        QCOMPARE(page->CellText(1, 4), QStringLiteral("None"));
        QCOMPARE(page->CurrentColumn(), 5);
        Click(1, 5);
        QVERIFY(test::Pick(List(5), QStringLiteral("D023N")));
        page->FreshData();
        QCOMPARE(cp.TxDcs[0], 0x89C7EC);
        QCOMPARE(page->CellText(1, 5), QStringLiteral("D023N"));
        QVERIFY(seam->messages.isEmpty());
    }

    void keyboardFillsAChannelPlan() {
        for (int channel : {4, 5, 31})
            test::PutChannel(cp, channel, 440 * kMHz, 440 * kMHz);
        Open();
        QTableWidget* grid = page->grid();
        page->SetCurrentCell(1, 1);
        grid->setFocus();
        QTest::keyClick(grid, '4'); // typing a digit starts the editor with that digit
        QTest::keyClicks(Editor(), "35.125");
        QTest::keyClick(Editor(), Qt::Key_Return);
        QCOMPARE(cp.RxFreq[0], 435125000);
        QTest::keyClick(grid, '4');
        QTest::keyClicks(Editor(), "36");
        QTest::keyClick(Editor(), Qt::Key_Tab);
        QCOMPARE(cp.TxFreq[0], 436 * kMHz);
        QCOMPARE(page->CurrentColumn(), 3);
        // Enter in the power list moves to the next row's receive cell; Enter opens it.
        Choose(5, 6, Qt::Key_Up);
        QCOMPARE(cp.TxPower[4], 0);
        QCOMPARE(page->CurrentRow(), 6);
        QCOMPARE(page->CurrentColumn(), 1);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(Editor()->selectedText(), QStringLiteral("440.00000"));
        QTest::keyClicks(Editor(), "4a3b8"); // letters never reach a frequency
        QTest::keyClick(Editor(), Qt::Key_Return);
        QCOMPARE(cp.RxFreq[5], 438 * kMHz);
        Choose(32, 6, Qt::Key_Up); // in the last row it moves to "More" instead
        QCOMPARE(page->CurrentRow(), 32);
        QCOMPARE(page->CurrentColumn(), 7);
    }

    // Escape gives up the edit and the keyboard returns to the grid, also when the page's window
    // is not the active one (no window manager, another window in front).
    void escapeCancelsAndTheGridKeepsTheKeyboard_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("activeWindow");
        QTest::newRow("text editor") << 1 << true;
        QTest::newRow("text editor, window behind") << 1 << false;
        QTest::newRow("list editor, window behind") << 6 << false;
    }
    void escapeCancelsAndTheGridKeepsTheKeyboard() {
        QFETCH(int, column);
        QFETCH(bool, activeWindow);
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        QWidget other;
        if (!activeWindow)
            QVERIFY(test::ShowActive(&other));
        page->SetCurrentCell(1, column);
        QTest::keyClick(page->grid(), Qt::Key_Return);
        QCOMPARE(page->EditingColumn(), column);
        QTest::keyClicks(page->focusWidget(), "999");
        QTest::keyClick(page->focusWidget(), Qt::Key_Escape);
        QCOMPARE(page->EditingColumn(), 0);
        QCOMPARE(page->focusWidget(), page->grid());
        QCOMPARE(page->CellText(1, 1), QStringLiteral("435.00000"));
        page->FreshData();
        QCOMPARE(cp.RxFreq[0], 435 * kMHz);
        QVERIFY(!cp.ChannelGridChanged);
        QVERIFY(seam->messages.isEmpty());
    }

    // A pending edit is kept by FreshData, by the focus leaving, and by the Close button, and
    // stays in the row it was typed into.
    void pendingEditsAreCommitted() {
        Open();
        Type(3, 1, "442", true);
        cp.GridEditRow = 7; // the edit dialog selected another channel meanwhile
        page->FreshData();
        QCOMPARE(cp.RxFreq[2], 442 * kMHz);
        QCOMPARE(cp.RxFreq[6], 0);
        Type(2, 1, "441", true);
        Click(3, 7); // opens the edit dialog, which takes the focus
        QCOMPARE(cp.RxFreq[1], 441 * kMHz);
        Type(4, 1, "439", true);
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
        QVERIFY(test::Pick(decode, QStringLiteral("D023N")));
        QVERIFY(cp.ChannelDataChanged);
        QTRY_COMPARE(page->CellText(1, 4), QStringLiteral("D023N")); // the page's own timer
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
    // Escape closes the edit dialog, from a list and from a box with nothing typed in it; in a
    // box being typed into it gives up the typing first. Close is its default button.
    void editDialogClosesOnEscape_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("closed");
        QTest::newRow("list") << "ComboTxPower"
                              << "" << true;
        QTest::newRow("box") << "TextRxFreq"
                             << "" << true;
        QTest::newRow("box being typed into") << "TextRxFreq"
                                              << "4" << false;
    }
    void editDialogClosesOnEscape() {
        QFETCH(QString, focus);
        QFETCH(QString, typed);
        test::PutChannel(cp, 0, 435 * kMHz, 435 * kMHz);
        Open();
        Click(1, 7);
        QPointer<FormChannelEdit> dialog = page->channelEdit();
        QVERIFY(test::ShowActive(dialog));
        QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("CommandClose"))->isDefault());
        QWidget* widget = dialog->findChild<QWidget*>(focus);
        widget->setFocus();
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            box->selectAll();
        QTest::keyClicks(widget, typed);
        QTest::keyClick(widget, Qt::Key_Escape);
        QTEST(!dialog || !dialog->isVisible(), "closed");
        QCOMPARE(cp.RxFreq[0], 435 * kMHz);
    }

    // --- Whole channels: rows picked by their headers, the clipboard, clearing ---

    void rowHeadersPickChannels() {
        OpenRows();
        ClickHeader(2);
        QCOMPARE(page->SelectedChannels(), Channels({2}));
        ClickHeader(4, Qt::ShiftModifier);
        QCOMPARE(page->SelectedChannels(), Channels({2, 3, 4}));
        ClickHeader(9, Qt::ControlModifier);
        ClickHeader(3, Qt::ControlModifier);
        QCOMPARE(page->SelectedChannels(), Channels({2, 4, 9}));
        // A click on a cell is an edit, not a row choice: only its own row counts.
        page->grid()->clearSelection();
        page->SetCurrentCell(7, 3);
        QCOMPARE(page->SelectedChannels(), Channels({7}));
    }

    // Channels copied here come back whole, the digital one with its key; the text beside them
    // for a spreadsheet shows no key digits.
    void copyThenPasteFromTheCurrentRowOnIsOneStep() {
        OpenRows();
        cp.RxKeyEnable[2] = 1;
        cp.RxKey[8] = Long(0x12345678);
        cp.RxKeyLength[2] = 8;
        ClickHeader(1);
        ClickHeader(3, Qt::ShiftModifier);
        Key(QKeySequence::Copy); // the clipboard's forms themselves are in test_exchange
        QVERIFY(!QGuiApplication::clipboard()->text().contains(QStringLiteral("12345678")));
        QSignalSpy edited(page.get(), &ConfigPage::edited);
        ClickHeader(10);
        Key(QKeySequence::Paste);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited.first().first().value<EditStep>().english,
                 QStringLiteral("Paste channels 10-12"));
        QCOMPARE(Row(10), Row(1));
        QCOMPARE(page->CellText(11, 6), QStringLiteral("Low"));
        QVERIFY(page->CellShaded(12, 4)); // a digital channel
        QCOMPARE(std::tuple(cp.RxKeyEnable[11], cp.RxKey[44], cp.RxKeyLength[11]),
                 std::tuple(1, 0x12345678, 8));
        QCOMPARE(page->SelectedChannels(), Channels({10, 11, 12}));
        QVERIFY(cp.ChannelGridChanged);
        QVERIFY(seam->messages.isEmpty());
    }

    // Spreadsheet rows clamped to the band are said once (the row rules are in test_exchange).
    void spreadsheetRowsPasteThroughTheGridRules() {
        cp.BandLower = 400;
        cp.BandUpper = cp.BandUpperTx = 480;
        OpenRows();
        QGuiApplication::clipboard()->setText(
            QStringLiteral("RxMHz,TxMHz,Power\n999,,Low\n10,,\n"));
        ClickHeader(20);
        page->PasteRows();
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(seam->messages.first().text, QStringLiteral("Frequency is out of range!"));
        QCOMPARE(page->CellText(20, 1), QStringLiteral("480.00000"));
        QCOMPARE(page->CellText(21, 1), QStringLiteral("400.00000"));
    }

    void pasteThatCannotBeReadChangesNothing() {
        OpenRows();
        QSignalSpy edited(page.get(), &ConfigPage::edited);
        QGuiApplication::clipboard()->setText(QStringLiteral("Some words from a letter"));
        ClickHeader(1);
        page->PasteRows();
        QCOMPARE(edited.size(), 0);
        QCOMPARE(seam->messages.size(), 1);
        QVERIFY(
            seam->messages.first().text.startsWith(QStringLiteral("The rows cannot be pasted:")));
        QCOMPARE(cp.RxFreq[0], 435025000);
        // Rows past channel 32 are said to be left over.
        QGuiApplication::clipboard()->setText(QStringLiteral("440\n441\n442\n"));
        ClickHeader(31);
        page->PasteRows();
        QCOMPARE(edited.size(), 1);
        QCOMPARE(page->CellText(32, 1), QStringLiteral("441.00000"));
        QVERIFY(seam->messages.last().text.contains(QStringLiteral("Rows 3 were not pasted")));
    }

    void deleteClearsOnlyRowsPickedByTheirHeaders() {
        OpenRows();
        QSignalSpy edited(page.get(), &ConfigPage::edited);
        page->SetCurrentCell(1, 1);
        Key(QKeySequence::Delete);
        QCOMPARE(cp.RxFreq[0], 435025000); // a cell, not a row: nothing is cleared
        ClickHeader(2);
        ClickHeader(5, Qt::ShiftModifier);
        Key(QKeySequence::Delete);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited.first().first().value<EditStep>().english,
                 QStringLiteral("Clear channels 2-3")); // 4 and 5 were empty already
        QCOMPARE(page->CellText(2, 1), QString());
        QCOMPARE(page->CellText(3, 3), QString());
        QCOMPARE(cp.RxFreq[1], 0);
        QCOMPARE(cp.RxFreq[0], 435025000);
    }

    // Keys typed into a cell editor belong to the editor.
    void editorKeepsItsOwnKeys() {
        OpenRows();
        ClickHeader(1);
        page->CellClick(1, 1);
        KeyFilterEdit* editor = page->textEditor();
        QVERIFY(editor->isVisible());
        editor->setFocus();
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(cp.RxFreq[0], 435025000);
        QCOMPARE(editor->text(), QString());
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(page->CellText(1, 1), QStringLiteral("435.02500"));
    }

    // --- The copy dialog and the batch editor ---

    // Shift+F3 on a filled cell and the row header's menu both open the copy dialog on that
    // row; the copy is in the grid while the dialog is still open.
    void copyDialogOpensOnTheRow_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Shift+F3") << false;
        QTest::newRow("row header menu") << true;
    }
    void copyDialogOpensOnTheRow() {
        QFETCH(bool, fromMenu);
        test::PutChannel(cp, 1, 435025000, 440000000);
        Open();
        QSignalSpy edited(page.get(), &ConfigPage::edited);
        CopySeen seen;
        CopyInNextDialog(seen, 9);
        if (fromMenu) {
            QTimer::singleShot(0, this, [this] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                QCOMPARE(menu->actions().first(), page->copyChannelAction());
                QVERIFY(page->copyChannelAction()->isEnabled());
                menu->setActiveAction(page->copyChannelAction());
                QTest::keyClick(menu, Qt::Key_Return);
            });
            RightClickRowHeader(2);
        } else {
            page->SetCurrentCell(2, 4);
            QTest::keyClick(page->grid(), Qt::Key_F3, Qt::ShiftModifier);
        }
        QCOMPARE(seen.source, 2);
        QCOMPARE(seen.target, 2);
        QCOMPARE(seen.targets, 32);
        QCOMPARE(seen.targetRowRx, QStringLiteral("435.02500"));
        QCOMPARE(cp.TxFreq[8], Long(440000000)); // what a copy takes is in test_image_channels
        QCOMPARE(edited.count(), 1);
    }

    // An empty row has nothing to copy: no key, also on its ">>" cell, no menu entry opens the
    // dialog.
    void emptyRowOffersNoCopy() {
        Open();
        QSignalSpy requested(page.get(), &FormChannelInformation::channelCopyRequested);
        for (int column : {1, FormChannelInformation::kColumnMore}) {
            page->SetCurrentCell(5, column);
            QTest::keyClick(page->grid(), Qt::Key_F3, Qt::ShiftModifier);
        }
        QMenu menu;
        page->FillRowMenu(menu, 5);
        QVERIFY(!page->copyChannelAction()->isEnabled());
        QCOMPARE(requested.count(), 0);
    }

    // Edit Setting swaps the panels; a "Set" box shows its editors only while ticked, and only
    // the field of a cleared box drops out of what Apply writes.
    void batchPanels() {
        FormBatchChannelEdit dialog(cp);
        dialog.show();
        auto* edit = Find<QPushButton>(&dialog, "CommandEdit");
        QVERIFY(!dialog.SettingPanelShown());
        edit->click();
        QVERIFY(dialog.SettingPanelShown());
        auto* power = Find<QWidget>(&dialog, "ComboTxPower");
        QVERIFY(!power->isHidden());
        for (int i = 0; i < kSetBoxes.size(); ++i) {
            Find<QPushButton>(&dialog, "CommandSelectAll")->click();
            dialog.findChild<QCheckBox*>(kSetBoxes[i])->click();
            QList<bool> expected(10, true);
            expected[i] = false;
            QVERIFY2(SetFlags(dialog.Choice()) == expected, qPrintable(kSetBoxes[i]));
        }
        QVERIFY(!power->isHidden());
        Find<QPushButton>(&dialog, "CommandSelectNone")->click();
        QVERIFY(power->isHidden());
        QCOMPARE(SetFlags(dialog.Choice()), QList<bool>(10, false));
        edit->click();
        QVERIFY(!dialog.SettingPanelShown());
    }

    // Which editors each option and check box makes available (one of each group named).
    void batchEnabling_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QStringList>("disabled");
        using L = QStringList;
        QTest::newRow("opening") << L{} << L{"ComboDecodeStart", "CheckEncodeRandom"}
                                 << L{"TextStartChannel", "TextTxOffset", "TextTxStartFreq"};
        QTest::newRow("range") << L{"OptionArea1"} << L{"TextStartChannel", "CheckOption"} << L{};
        QTest::newRow("offset") << L{"OptionTxOffset"} << L{"TextTxOffset", "OptionMinus"}
                                << L{"TextTxStartFreq", "OptionTxStepDown"};
        QTest::newRow("own transmit run")
            << L{"OptionTxStartFreq"} << L{"TextTxStartFreq", "OptionTxStepDown"}
            << L{"TextTxOffset", "OptionMinus"};
        QTest::newRow("random decode") << L{"CheckDecodeRandom"} << L{"TextEncodeStep"}
                                       << L{"ComboDecodeStart", "OptionDecodeStepDown"};
        QTest::newRow("encode follows decode")
            << L{"CheckEncodeDefault"} << L{"ComboDecodeStart"}
            << L{"CheckEncodeRandom", "ComboEncodeStart", "OptionEncodeStepUp"};
        QTest::newRow("random encode, then default and back")
            << L{"CheckEncodeRandom", "CheckEncodeDefault", "CheckEncodeDefault"}
            << L{"CheckEncodeRandom"} << L{"ComboEncodeStart"};
    }
    void batchEnabling() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, disabled);
        FormBatchChannelEdit dialog(cp);
        dialog.show();
        for (const QString& name : clicks)
            dialog.findChild<QAbstractButton*>(name)->click();
        for (const QString& name : enabled)
            QVERIFY2(dialog.findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
        for (const QString& name : disabled)
            QVERIFY2(!dialog.findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
    }

    // Buttons act only when pressed: Enter in a list or on a box presses none of them.
    void batchEnterPressesNoButton() {
        FormBatchChannelEdit dialog(cp);
        QSignalSpy edited(&dialog, &FormBatchChannelEdit::edited);
        QVERIFY(test::ShowActive(&dialog));
        auto* combo = Find<QComboBox>(&dialog, "ComboTxPower");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Return);
        Find<QPushButton>(&dialog, "CommandEdit")->click();
        auto* box = Find<QCheckBox>(&dialog, "CheckSetRxFreq");
        box->setFocus();
        box->click();
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!box->isChecked());
        QVERIFY(dialog.isVisible() && dialog.SettingPanelShown());
        QCOMPARE(edited.count(), 0);
    }

    // Through the main window: Apply in the batch editor shows in the open grid at once, and the
    // frequencies that hit the band edge are reported once.
    void applyUpdatesTheOpenGrid() {
        test::TemporarySettings settings;
        Codeplug shared;
        StartOptions english;
        english.language = QStringLiteral("en");
        MDIFormMain window(shared, english);
        auto* grid =
            qobject_cast<FormChannelInformation*>(window.Pages().Page(PageManager::kChannelPage));
        QVERIFY(grid);
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormBatchChannelEdit*>(modal);
            QVERIFY(dialog);
            Find<QPushButton>(dialog, "CommandSelectNone")->click();
            Find<QCheckBox>(dialog, "CheckSetRxFreq")->click();
            Find<QRadioButton>(dialog, "OptionArea1")->click();
            auto* start = Find<KeyFilterEdit>(dialog, "TextStartChannel");
            auto* end = Find<KeyFilterEdit>(dialog, "TextEndChannel");
            start->setText(QStringLiteral("31"));
            end->setText(QStringLiteral("34"));
            Find<KeyFilterEdit>(dialog, "TextRxStartFreq")->setText(QStringLiteral("549.99"));
            Find<KeyFilterEdit>(dialog, "TextRxStep")->setText(QStringLiteral("6"));
            Find<QPushButton>(dialog, "CommandApply")->click();
        });
        window.Pages().BatchEdit();
        QCOMPARE(grid->CellText(31, 1), QStringLiteral("549.99000"));
        QCOMPARE(grid->CellText(32, 1), QStringLiteral("549.99600"));
        QCOMPARE(grid->CellText(31, 6), QStringLiteral("High"));
        QCOMPARE(shared.RxFreq[31], Long(549996000));
        QCOMPARE(seam->messages.size(), 1);
        QVERIFY(seam->messages.first().text.contains(QLatin1Char('2')));
        QVERIFY(window.Files().IsModified());
    }
};

QTEST_MAIN(TestChannelGrid)
#include "test_channel_grid.moc"
