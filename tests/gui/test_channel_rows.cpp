// Whole channels in the channel grid: rows picked by their headers, copied to the clipboard,
// pasted back from it (ours or a spreadsheet's), cleared, and the row context menu.

#include "gui_support.h"

#include "channels/ui/form_channel_information.h"
#include "widgets/key_filter_edit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace zr40;

class TestChannelRows : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormChannelInformation> page;

    void Open(bool english = true) {
        cp.IsEnglish = english;
        page = std::make_unique<FormChannelInformation>(cp);
        QVERIFY(test::ShowActive(page.get()));
        page->grid()->setFocus();
    }
    void ClickHeader(int row, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* header = page->grid()->verticalHeader();
        const QPoint at(header->width() / 2, header->sectionViewportPosition(row - 1) +
                                                 header->sectionSize(row - 1) / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
    }
    void Key(const QKeySequence& key) { QTest::keySequence(page->grid(), key); }
    QList<int> Channels(std::initializer_list<int> numbers) {
        QList<int> indexes;
        for (int n : numbers)
            indexes << n - 1;
        return indexes;
    }

private slots:
    void init() {
        cp = test::PageCodeplug();
        test::PutChannel(cp, 0, 435025000, 440025000);
        test::PutChannel(cp, 1, 146500000, 146500000);
        test::PutChannel(cp, 2, 441000000, 441000000, true);
        cp.TxPower[1] = 0;
        seam = std::make_unique<test::ScriptedSeam>();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() {
        page.reset();
        seam.reset();
    }

    void rowHeadersPickChannels() {
        Open();
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

    void copyThenPasteFromTheCurrentRowOnIsOneStep() {
        Open();
        ClickHeader(1);
        ClickHeader(3, Qt::ShiftModifier);
        Key(QKeySequence::Copy);
        const QStringList lines =
            QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4); // a table with its header row, for a spreadsheet
        QVERIFY(lines[0].startsWith(QStringLiteral("Channel\tRxMHz\tTxMHz\tType\tDecode")));
        QVERIFY(lines[1].startsWith(QStringLiteral("1\t435.02500\t440.02500\tAnalog CH\tNone")));
        QSignalSpy edited(page.get(), &ConfigPage::edited);
        ClickHeader(10);
        Key(QKeySequence::Paste);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited.first().first().value<EditStep>().english,
                 QStringLiteral("Paste channels 10-12"));
        QCOMPARE(edited.first().first().value<EditStep>().chinese,
                 QStringLiteral("粘贴 信道10-12"));
        for (int column = 1; column <= 6; ++column) {
            QCOMPARE(page->CellText(10, column), page->CellText(1, column));
            QCOMPARE(page->CellText(12, column), page->CellText(3, column));
        }
        QCOMPARE(page->CellText(11, 6), QStringLiteral("Low"));
        QVERIFY(page->CellShaded(12, 4)); // a digital channel
        QCOMPARE(page->SelectedChannels(), Channels({10, 11, 12}));
        QVERIFY(cp.ChannelGridChanged);
        QVERIFY(seam->messages.isEmpty());
    }

    // Spreadsheet rows: band check with a single message, new-channel defaults.
    void spreadsheetRowsPasteThroughTheGridRules() {
        cp.BandLower = 400;
        cp.BandUpper = cp.BandUpperTx = 480;
        Open();
        QGuiApplication::clipboard()->setText(
            QStringLiteral("RxMHz,TxMHz,Power\n999,,Low\n10,,\n445.5,-,\n"));
        ClickHeader(20);
        page->PasteRows();
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(seam->messages.first().text, QStringLiteral("Frequency is out of range!"));
        QCOMPARE(page->CellText(20, 1), QStringLiteral("480.00000"));
        QCOMPARE(page->CellText(20, 6), QStringLiteral("Low"));
        QCOMPARE(page->CellText(21, 1), QStringLiteral("400.00000"));
        QCOMPARE(page->CellText(21, 4), QStringLiteral("None"));
        QCOMPARE(page->CellText(21, 6), QStringLiteral("High"));
        QCOMPARE(page->CellText(22, 2), QString()); // receive only
        QCOMPARE(page->CellText(22, 3), QStringLiteral("Analog CH"));
    }

    void pasteThatCannotBeReadChangesNothing() {
        Open();
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
        Open();
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
        Open();
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

    void rowMenuOffersTheSameWithItsKeys() {
        Open(false);
        QMenu* menu = page->ShowRowMenu(1, page->mapToGlobal(QPoint(40, 60)));
        QStringList shown;
        QList<QKeySequence> keys;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            shown << action->text();
            keys << action->shortcut();
        }
        QCOMPARE(shown, (QStringList{"信道复制…", "复制信道(&C)", "粘贴信道(&P)", "清除信道(&L)"}));
        QCOMPARE(keys,
                 (QList<QKeySequence>{QKeySequence(Qt::SHIFT | Qt::Key_F3), QKeySequence::Copy,
                                      QKeySequence::Paste, QKeySequence::Delete}));
        QVERIFY(menu->actions().contains(page->copyRowsAction()));
        menu->close();
    }
};

QTEST_MAIN(TestChannelRows)
#include "test_channel_rows.moc"
