// The tune data page: its grid and boxes, and its read and write through a virtual radio that
// runs in its own process on a pseudo-terminal.

#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "link/ui/form_process.h"
#include "link/ui/form_tune.h"
#include "widgets/key_filter_edit.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

Codeplug TuneCodeplug() {
    Codeplug cp = PageCodeplug();
    cp.BackupBeforeWrite = false; // the steps before a write have tests of their own
    cp.BandLower = 400;
    cp.BandUpper = 480;
    cp.TuneFreq[0] = 410000000;
    cp.TuneBias[0] = 40;
    cp.TuneOsc[0] = -5;
    cp.TuneDigitalDev[0] = 700;
    cp.TuneSq[0] = 60;
    return cp;
}

// Types into a cell as a user does: click, type over the cell's text, Enter.
void TypeIntoCell(FormTune& page, int row, int column, const QString& text) {
    page.CellClick(row, column);
    Enter(page.textEditor(), text);
}

} // namespace

class TestFormTune : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }

    void gridShowsTheTunePoints() {
        Codeplug cp = TuneCodeplug();
        cp.TuneFreq[3] = 600000000;
        FormTune page(cp);
        QVERIFY(cp.TuneOpen);
        QCOMPARE(page.grid()->rowCount(), 10);
        const QStringList first{page.CellText(1, 1), page.CellText(1, 2), page.CellText(1, 3),
                                page.CellText(1, 4), page.CellText(1, 5)};
        QCOMPARE(first, QStringList({"410.00000", "40", "-5", "700", "60"}));
        QVERIFY(page.CellText(4, 1).isEmpty()); // outside the band: which rows show is the rules'
    }

    // How the page's editors filter and say a frequency out of range; the values' limits are
    // tested with the rules (test_tune_rules).
    void cellEdits_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Long>("stored");
        QTest::addColumn<bool>("message");
        // Whole MHz only: "4.5" types as 45, below the band.
        QTest::newRow("typed frequency") << 1 << 1 << "4.5"
                                         << "400.00000" << 400000000 << true;
        QTest::newRow("minus only first") << 1 << 4 << "1-0"
                                          << "10" << 10 << false;
    }
    void cellEdits() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(Long, stored);
        QFETCH(bool, message);
        ScriptedSeam seam;
        Codeplug cp = TuneCodeplug();
        FormTune page(cp);
        QVERIFY(ShowActive(&page));
        QSignalSpy edited(&page, &ConfigPage::edited);
        TypeIntoCell(page, row, column, typed);
        const Codeplug::TuneTable* tables[] = {&cp.TuneFreq, &cp.TuneBias, &cp.TuneOsc,
                                               &cp.TuneDigitalDev, &cp.TuneSq};
        QCOMPARE(tables[column - 1]->at(row - 1), stored);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(seam.messages.size(), message ? 1 : 0);
        QCOMPARE(page.CellText(row, column), shown);
    }

    void newPointFillsItsRowAndEnterMovesOn() {
        ScriptedSeam seam;
        Codeplug cp = TuneCodeplug();
        cp.TunePointCount = 2;
        cp.TuneSq[1] = 99;
        FormTune page(cp);
        QVERIFY(ShowActive(&page));
        TypeIntoCell(page, 2, 1, "450");
        QCOMPARE(page.CellText(2, 5), QStringLiteral("0")); // the new point's row, as stored
        QCOMPARE(cp.TuneSq[1], 0);
        QCOMPARE(page.EditRow(), 2); // Enter moved the editor on to the bias of the same point
        QCOMPARE(page.EditColumn(), 2);
        page.CellClick(1, 5);
        QTest::keyClick(page.textEditor(), Qt::Key_Return);
        QCOMPARE(page.EditRow(), 2);
        QCOMPARE(page.EditColumn(), 1);
        page.CellClick(2, 5);
        QTest::keyClick(page.textEditor(), Qt::Key_Return);
        QCOMPARE(page.EditRow(), 0); // after the last value the editor closes
        QVERIFY(!page.textEditor()->isVisible());
    }

    // A box keeps only digits and shows the value it stored, selected for the next entry.
    void boxes() {
        ScriptedSeam seam;
        Codeplug cp = TuneCodeplug();
        FormTune page(cp);
        QVERIFY(ShowActive(&page));
        KeyFilterEdit* edit = page.box(TuneBox::NoiseThN);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "9x9");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->selectedText(), QStringLiteral("99"));
        QCOMPARE(cp.NoiseThN, 99);
    }

    void aValueShownAtItsLimitStaysUntilEdited() {
        ScriptedSeam seam;
        Codeplug cp = TuneCodeplug();
        cp.SpeakAmp = 5;
        cp.MicAmp = 77;
        FormTune page(cp);
        QVERIFY(ShowActive(&page));
        QCOMPARE(page.box(TuneBox::SpeakAmp)->text(), QStringLiteral("60"));
        page.box(TuneBox::SpeakAmp)->setFocus();
        page.box(TuneBox::MicAmp)->setFocus();
        page.box(TuneBox::CtcssDev)->setFocus();
        page.FreshData();
        QCOMPARE(cp.SpeakAmp, 5);
        QCOMPARE(cp.MicAmp, 77);
    }

    // Values travel to the radio and back: the page writes its edits, a fresh page reads them.
    void readAndWriteThroughTheVirtualRadio() {
        Codeplug radio = DistinctCodeplug(3);
        radio.TunePointCount = 12;
        radio.TuneFreq[11] = 470125000;
        radio.TuneOsc[11] = -1234;
        radio.NoiseThW = 4321;
        const QString memory = dir_.filePath("tune.rdat");
        QVERIFY(WriteRdat(memory, radio));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", memory, "--no-pace"}));
        ScriptedSeam seam;
        Codeplug cp = TuneCodeplug();
        cp.ComPortName = sim.device();
        FormTune page(cp);
        QVERIFY(ShowActive(&page));

        RunNextTransfer("CommandRead");
        QTest::mouseClick(page.findChild<QPushButton*>("CommandRead"), Qt::LeftButton);
        QCOMPARE(seam.messages.size(), 2);
        QCOMPARE(seam.messages[0].text,
                 QStringLiteral("Read tune data from radio.Do you wish continue?"));
        QCOMPARE(seam.messages[1].text, QStringLiteral("Read data successful"));
        QCOMPARE(page.grid()->rowCount(), 12);
        QCOMPARE(page.CellText(12, 1), QStringLiteral("470.12500"));
        QCOMPARE(page.CellText(12, 3), QStringLiteral("-1234"));
        QCOMPARE(page.box(TuneBox::NoiseThW)->text(), QStringLiteral("4321"));
        QVERIFY(!cp.LinkTune);

        cp.TunePointCount = 16; // more than the radio has: it takes its 12, the page then shows 12
        page.AnalyseTuneData();
        TypeIntoCell(page, 12, 4, "-250");
        page.box(TuneBox::CdcssDev)->setText(QStringLiteral("3"));
        page.box(TuneBox::CdcssDev)->setModified(true);
        RunNextTransfer("CommandWrite");
        QTest::mouseClick(page.findChild<QPushButton*>("CommandWrite"), Qt::LeftButton);
        QCOMPARE(seam.messages.last().text, QStringLiteral("Write data successful"));
        QCOMPARE(page.grid()->rowCount(), 12);
        sim.Stop();
        Codeplug written;
        QVERIFY(RadioDataFile::ReadFromFile(memory, written).ok());
        QCOMPARE(written.TuneDigitalDev[11], -250);
        QCOMPARE(written.CdcssDev, 3);
        QCOMPARE(written.TuneFreq[11], 470125000);
        QCOMPARE(written.RxFreq[5], radio.RxFreq[5]); // the rest travelled back as it came
    }

    // Sixteen points and the boxes below them scroll in a small window; Read and Write stay in
    // view under them.
    void everyControlReachableInASmallWindow() {
        Codeplug cp = TuneCodeplug();
        cp.TunePointCount = 16;
        FormTune page(cp);
        page.resize(420, 260);
        QVERIFY(ShowActive(&page));
        for (const char* name : {"CommandRead", "CommandWrite"}) {
            auto* button = page.findChild<QPushButton*>(name);
            QVERIFY(page.rect().contains(QRect(button->mapTo(&page, QPoint()), button->size())));
        }
        auto* scroll = page.findChild<QScrollArea*>();
        QVERIFY(scroll && scroll->isAncestorOf(page.grid()));
        KeyFilterEdit* last = page.box(TuneBox::NoiseThW);
        scroll->ensureWidgetVisible(last);
        const QRect shown(last->mapTo(scroll->viewport(), QPoint()), last->size());
        QVERIFY(scroll->viewport()->rect().contains(shown));
    }

    void cancelledQuestionStartsNoTransfer() {
        ScriptedSeam seam;
        seam.AnswerMessage(QMessageBox::Cancel);
        Codeplug cp = TuneCodeplug();
        FormTune page(cp);
        page.CommandWrite_Click();
        QCOMPARE(seam.messages.size(), 1);
        QCOMPARE(seam.messages[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(!cp.LinkTune);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestFormTune)
#include "test_form_tune.moc"
