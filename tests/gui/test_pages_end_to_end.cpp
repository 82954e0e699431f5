// A channel plan typed through the pages as a technician would, then saved, reopened, written to
// the (virtual) radio and read back: every step keeps what was typed.

#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "channels/ui/form_rx_list.h"
#include "codeplug/radio_data_file.h"
#include "functions/ui/form_option.h"
#include "gui_support.h"
#include "link/test_transfer_engine_harness.h"
#include "widgets/key_filter_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace zr40;

class TestPagesEndToEnd : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ScriptedSeam> seam;

    static void ChooseInCell(FormChannelInformation& grid, int row, int column,
                             const QString& item) {
        grid.SetCurrentCell(row, column);
        grid.grid()->setFocus();
        QTest::keyClick(grid.grid(), Qt::Key_Return);
        QComboBox* list = grid.listEditor(column - 3);
        QVERIFY(list->isVisible());
        QVERIFY2(test::Pick(list, item), qPrintable(item));
        QTest::keyClick(list, Qt::Key_Return);
    }
    static void Pick(QWidget* page, const char* name, const QString& item) {
        QVERIFY2(test::Pick(page->findChild<QComboBox*>(name), item), name);
    }
    static void Enter(QWidget* page, const char* name, const QString& text) {
        test::Enter(page->findChild<KeyFilterEdit*>(name), text);
    }
    static QStringList GridRows(Codeplug& cp) {
        FormChannelInformation grid(cp);
        QStringList rows;
        for (int row = 1; row <= 32; ++row) {
            QStringList cells;
            for (int column = 1; column <= 6; ++column)
                cells << grid.CellText(row, column);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    // Fills a codeplug through the pages only.
    void TypePlan(Codeplug& cp) {
        FormChannelInformation grid(cp);
        QVERIFY(test::ShowActive(&grid));
        test::TypeCell(grid, 1, 1, "435.025");
        test::TypeCell(grid, 2, 1, "435.5");
        test::TypeCell(grid, 2, 2, "440.125");
        ChooseInCell(grid, 2, 4, "D023N");
        ChooseInCell(grid, 2, 5, "88.5");
        ChooseInCell(grid, 2, 6, "Low");
        test::TypeCell(grid, 3, 1, "146.52");
        test::TypeCell(grid, 3, 2, QString()); // receive only
        test::TypeCell(grid, 5, 1, "446.00625");
        ChooseInCell(grid, 5, 3, "Digital CH");
        test::TypeCell(grid, 32, 1, "462.5625");
        ChooseInCell(grid, 32, 4, "D754I");

        // The digital channel's own fields in the edit dialog.
        grid.SetCurrentCell(5, 7);
        grid.grid()->setFocus();
        QTest::keyClick(grid.grid(), Qt::Key_Return);
        FormChannelEdit* dialog = grid.channelEdit();
        QVERIFY(dialog);
        QCOMPARE(dialog->ShownChannel(), 4);
        Pick(dialog, "ComboCallType", "Group Call");
        Enter(dialog, "TextTxID", "1234");
        Pick(dialog, "ComboRxList", "2");
        dialog->findChild<QCheckBox*>(QStringLiteral("CheckRxKey"))->click();
        Enter(dialog, "TextRxKey", "0123456789");
        Pick(dialog, "ComboSql", "8");
        Pick(dialog, "ComboDenoise", "4");

        FormRxList lists(cp);
        QVERIFY(test::ShowActive(&lists));
        lists.CellClick(1, 1);
        QTest::keyClicks(lists.textEditor(), "1234");
        QTest::keyClick(lists.textEditor(), Qt::Key_Return);
        lists.listSelector()->setCurrentIndex(1);
        emit lists.listSelector()->activated(1);
        lists.CellClick(3, 1);
        QTest::keyClicks(lists.textEditor(), "abcdef");
        QTest::keyClick(lists.textEditor(), Qt::Key_Return);

        FormOption option(cp);
        QVERIFY(test::ShowActive(&option));
        Enter(&option, "TextLocalID", "5a5a");
        Pick(&option, "ComboVoice", "Chinese");
        Pick(&option, "ComboTOT", "60");
        Pick(&option, "ComboVoxLevel", "2");
        Pick(&option, "ComboKeyDefine2", "Scan");
    }

private slots:
    void init() { seam = std::make_unique<test::ScriptedSeam>(); }
    void cleanup() { seam.reset(); }

    void typedPlanSurvivesFileAndRadio() {
        Codeplug typed = test::PageCodeplug();
        TypePlan(typed);
        QVERIFY(seam->messages.isEmpty());

        // What was typed, as the codeplug holds it (the grid rows are compared below).
        QCOMPARE(typed.TxFreq[1], 440125000);
        QCOMPARE(typed.RxDcs[1], 0x89C7EC);
        QCOMPARE(typed.TxFreq[2], 0);
        QCOMPARE(typed.CallTypeTxID[4], 0x801234);
        QCOMPARE(typed.ChannelRxList[4], 1);
        QCOMPARE(typed.RxKeyLength[4], 10);
        QCOMPARE(typed.DenoiseLevel[4], 24);
        QCOMPARE(typed.RxListEntry[8 + 2], 0xABCDEF);
        QCOMPARE(typed.LocalID, 0x5A5A);
        QCOMPARE(typed.KeyDefine[2], 5);
        const QStringList rows = GridRows(typed);

        // Saved and opened again.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.rdat"));
        QVERIFY(RadioDataFile::WriteToFile(path, typed).ok());
        Codeplug reopened;
        reopened.ApplyStartupDefaults();
        reopened.IsEnglish = true;
        QVERIFY(RadioDataFile::ReadFromFile(path, reopened).ok());
        QVERIFY(reopened.SameRadioData(typed));
        QCOMPARE(GridRows(reopened), rows);

        // Written to the radio and read back into an empty codeplug.
        LinkHarness link;
        link.codeplug = reopened;
        QVERIFY(link.engine.StartWrite(QString(), NewPasswordChoice{}));
        QCOMPARE(link.Run().outcome, LinkResult::Outcome::Succeeded);
        Codeplug& read = link.codeplug;
        read = Codeplug();
        read.ApplyNewDefaults();
        read.IsEnglish = true;
        QVERIFY(link.engine.StartRead(QString()));
        QCOMPARE(link.Run().outcome, LinkResult::Outcome::Succeeded);
        QCOMPARE(GridRows(read), rows);
        QCOMPARE(read.CallTypeTxID[4], 0x801234);
        QCOMPARE(read.RxKeyWords(4), typed.RxKeyWords(4));
        QCOMPARE(read.RxListEntry, typed.RxListEntry);
        QCOMPARE(read.LocalID, 0x5A5A);
        QCOMPARE(read.KeyDefine[2], 5);
    }
};

QTEST_MAIN(TestPagesEndToEnd)
#include "test_pages_end_to_end.moc"
