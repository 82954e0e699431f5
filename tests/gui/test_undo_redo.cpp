// Undo and redo in the main window: every page's edit, a read from the virtual radio and an
// import are steps that come back with what the pages show; New and Open start over.

#include "gui_support.h"

#include "channels/ui/form_batch_channel_edit.h"
#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "channels/ui/form_rx_list.h"
#include "codeplug/radio_data_file.h"
#include "functions/ui/form_option.h"
#include "link/test_serial_sim.h"
#include "link/ui/form_process.h"
#include "shell/form_exchange_report.h"
#include "shell/form_model_information.h"
#include "shell/mdi_form_main.h"
#include "widgets/key_filter_edit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace zr40;

class TestUndoRedo : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowRig> rig_;
    QTemporaryDir files_;

    MDIFormMain& Window(const QString& language = QStringLiteral("en")) {
        if (!rig_->window)
            rig_->options.language = language;
        return rig_->Shown();
    }
    Codeplug& Plan() { return rig_->codeplug; }
    test::ScriptedSeam& Seam() { return rig_->seam; }
    QString Path(const QString& name) const { return files_.filePath(name); }
    FormChannelInformation* Grid() {
        return qobject_cast<FormChannelInformation*>(
            Window().Pages().OpenPage(PageManager::kChannelPage));
    }
    QAction* UndoAction() { return Window().Action(QStringLiteral("MenuUndo")); }
    QAction* RedoAction() { return Window().Action(QStringLiteral("MenuRedo")); }
    // Closes the report the next import or export shows and keeps what it said.
    void NextReport() {
        auto lines = std::make_shared<QStringList>();
        test::OnNextModal([lines](QWidget* modal) {
            auto* report = qobject_cast<FormExchangeReport*>(modal);
            QVERIFY(report);
            *lines << report->summary()->text();
            for (int i = 0; i < report->warnings()->count(); ++i)
                *lines << report->warnings()->item(i)->text();
            report->okButton()->click();
        });
        reports_ = lines;
    }
    std::shared_ptr<QStringList> reports_;

private slots:
    void initTestCase() { QVERIFY(files_.isValid()); }
    void init() { rig_ = std::make_unique<test::MainWindowRig>(); }
    void cleanup() { rig_.reset(); }

    void gridCellComesBackWithItsRow() {
        FormChannelInformation* grid = Grid();
        QVERIFY(!UndoAction()->isEnabled());
        test::TypeCell(*grid, 3, 1, QStringLiteral("435.5"));
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Rx Frequency of channel 3"));
        UndoAction()->trigger();
        QCOMPARE(grid->CellText(3, 1), QString());
        QCOMPARE(grid->CellText(3, 6), QString());
        QCOMPARE(Plan().RxFreq[2], 0);
        // Back at the start-up plan, which is what the (absent) file holds: no star.
        QVERIFY(!Window().windowTitle().contains(QLatin1Char('*')));
        QVERIFY(!UndoAction()->isEnabled());
        QCOMPARE(RedoAction()->text(), QStringLiteral("&Redo Rx Frequency of channel 3"));
        RedoAction()->trigger();
        QCOMPARE(grid->CellText(3, 1), QStringLiteral("435.50000"));
        QCOMPARE(grid->CellText(3, 6), QStringLiteral("High"));
        QVERIFY(Window().windowTitle().contains(QLatin1Char('*')));
        QVERIFY(!RedoAction()->isEnabled());
    }

    // Undo and Redo do what their label said when chosen: an edit still being typed, in a grid
    // cell or in the edit dialog, is committed first and stays.
    void undoAndRedoDoWhatTheirLabelSaid_data() {
        QTest::addColumn<bool>("inDialog");
        QTest::newRow("grid cell") << false;
        QTest::newRow("edit dialog") << true;
    }
    void undoAndRedoDoWhatTheirLabelSaid() {
        QFETCH(bool, inDialog);
        FormChannelInformation* grid = Grid();
        test::TypeCell(*grid, 1, 1, QStringLiteral("440"));
        const auto typePending = [&](const QString& text) {
            QLineEdit* box = grid->textEditor();
            if (inDialog) {
                grid->CellClick(2, 7);
                box = grid->channelEdit()->findChild<KeyFilterEdit*>(QStringLiteral("TextRxFreq"));
                box->setFocus();
                box->selectAll();
            } else {
                grid->SetCurrentCell(2, 1);
                QTest::keyClick(grid->grid(), Qt::Key_Return);
            }
            QTest::keyClicks(box, text);
        };
        typePending(QStringLiteral("441"));
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Rx Frequency of channel 1"));
        UndoAction()->trigger();
        QCOMPARE(Plan().RxFreq[0], 0);
        QCOMPARE(Plan().RxFreq[1], 441000000);
        QCOMPARE(grid->CellText(2, 1), QStringLiteral("441.00000"));
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Rx Frequency of channel 2"));
        QCOMPARE(RedoAction()->text(), QStringLiteral("&Redo Rx Frequency of channel 1"));
        typePending(QStringLiteral("442"));
        RedoAction()->trigger();
        QCOMPARE(Plan().RxFreq[0], 440000000);
        QCOMPARE(Plan().RxFreq[1], 442000000);
        QCOMPARE(grid->CellText(1, 1), QStringLiteral("440.00000"));
        UndoAction()->trigger();
        UndoAction()->trigger();
        QCOMPARE(Plan().RxFreq[1], 441000000); // 442 was a step of its own
    }

    // The menu's keys act in the edit dialog too, in a list and in a box with nothing typed.
    void menuKeysWorkInTheEditDialog_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("list") << "ComboTxPower";
        QTest::newRow("box") << "TextRxFreq";
    }
    void menuKeysWorkInTheEditDialog() {
        QFETCH(QString, focus);
        FormChannelInformation* grid = Grid();
        test::TypeCell(*grid, 1, 1, QStringLiteral("440"));
        grid->CellClick(1, 7);
        FormChannelEdit* dialog = grid->channelEdit();
        QVERIFY(test::ShowActive(dialog));
        QWidget* widget = dialog->findChild<QWidget*>(focus);
        widget->setFocus();
        QTest::keySequence(widget, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(Plan().RxFreq[0], 0);
        QTest::keySequence(widget, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(Plan().RxFreq[0], 440000000);
        QTest::keySequence(widget, QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(Seam().fileDialogs.size(), 1); // Save asks for a name
    }

    // Running through a closed list by its arrow keys is one step; back where it started, none.
    void changesOfOneFieldMerge() {
        FormChannelInformation* grid = Grid();
        test::TypeCell(*grid, 1, 1, QStringLiteral("440"));
        grid->CellClick(1, 7);
        auto* sql = grid->channelEdit()->findChild<QComboBox*>(QStringLiteral("ComboSql"));
        QVERIFY(test::ShowActive(grid->channelEdit()));
        sql->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(sql, Qt::Key_Down);
        QCOMPARE(Plan().SqlLevel[0], 8);
        QCOMPARE(Window().Edits().History().UndoCount(), 2);
        UndoAction()->trigger();
        QCOMPARE(Plan().SqlLevel[0], 5);
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Rx Frequency of channel 1"));
        RedoAction()->trigger();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(sql, Qt::Key_Up);
        QCOMPARE(Window().Edits().History().UndoCount(), 1);
    }

    // What a page corrects as it opens (Function Setup: PF1 Long and PF2 Short of a new plan;
    // the Rx list: an all-call entry) is a named step Undo takes back.
    void correctionOnOpeningIsAStep_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("step");
        QTest::newRow("function setup")
            << int(PageManager::kOptionPage) << "&Undo Corrected on opening Function Setup";
        QTest::newRow("rx list") << int(PageManager::kRxListPage)
                                 << "&Undo Corrected on opening Rx List";
    }
    void correctionOnOpeningIsAStep() {
        QFETCH(int, page);
        Codeplug file;
        file.ApplyNewDefaults();
        file.RxListEntry[0] = 0xFFFFFF;
        QVERIFY(RadioDataFile::WriteToFile(Path("corrected.rdat"), file).ok());
        QVERIFY(Window().Files().LoadFile(Path("corrected.rdat")));
        const Codeplug before = Plan();
        Window().Pages().OpenPage(page);
        QVERIFY(!Plan().SameRadioData(before));
        QTEST(UndoAction()->text(), "step");
        QVERIFY(Window().windowTitle().contains(QLatin1Char('*'))); // the star has its cause
        UndoAction()->trigger();
        QVERIFY(Plan().SameRadioData(before));
        QVERIFY(!Window().windowTitle().contains(QLatin1Char('*')));
        QVERIFY(!UndoAction()->isEnabled());
        RedoAction()->trigger();
        QVERIFY(!Plan().SameRadioData(before));
    }

    void dialogEditComesBackInTheDialog() {
        FormChannelInformation* grid = Grid();
        test::TypeCell(*grid, 2, 1, QStringLiteral("440"));
        grid->CellClick(2, 7);
        FormChannelEdit* dialog = grid->channelEdit();
        QVERIFY(dialog);
        auto* power = dialog->findChild<QComboBox*>(QStringLiteral("ComboTxPower"));
        QCOMPARE(power->currentText(), QStringLiteral("High"));
        test::PickAt(power, 0);
        QCOMPARE(Plan().TxPower[1], 0);
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Tx Power of channel 2"));
        UndoAction()->trigger();
        QCOMPARE(Plan().TxPower[1], 1);
        QCOMPARE(power->currentText(), QStringLiteral("High"));
        QCOMPARE(grid->CellText(2, 6), QStringLiteral("High"));
        RedoAction()->trigger();
        QCOMPARE(power->currentText(), QStringLiteral("Low"));
        QCOMPARE(grid->CellText(2, 6), QStringLiteral("Low"));
    }

    // The function setup and a service page (which edits the model image) alike.
    void pageSettingComesBackOnItsPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("step");
        QTest::newRow("function setup") << int(PageManager::kOptionPage) << "ComboVoice"
                                        << "&Undo Voice Prompt";
        QTest::newRow("key setting") << int(PageManager::kKeyPage) << "ComboKeySet0"
                                     << "&Undo Key Setting PF1";
    }
    void pageSettingComesBackOnItsPage() {
        QFETCH(int, page);
        QFETCH(QString, combo);
        rig_->options.service = true;
        auto* list = Window().Pages().OpenPage(page)->findChild<QComboBox*>(combo);
        const int before = list->currentIndex();
        const int other = before == 2 ? 1 : 2;
        test::PickAt(list, other);
        QTEST(UndoAction()->text(), "step");
        UndoAction()->trigger();
        QCOMPARE(list->currentIndex(), before);
        RedoAction()->trigger();
        QCOMPARE(list->currentIndex(), other);
    }

    // A batch edit of image channels 33-128 only, which no page shows, can be taken back too.
    void batchOfImageChannelsOnlyIsAStep() {
        Window();
        const auto image = Plan().RadioImage;
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormBatchChannelEdit*>(modal);
            QVERIFY(dialog);
            dialog->findChild<QPushButton*>(QStringLiteral("CommandSelectNone"))->click();
            dialog->findChild<QCheckBox*>(QStringLiteral("CheckSetBusyLock"))->click();
            dialog->findChild<QComboBox*>(QStringLiteral("ComboBusyLock"))->setCurrentIndex(2);
            dialog->findChild<QRadioButton*>(QStringLiteral("OptionArea1"))->click();
            dialog->findChild<KeyFilterEdit*>(QStringLiteral("TextStartChannel"))->setText("33");
            dialog->findChild<QPushButton*>(QStringLiteral("CommandApply"))->click();
        });
        Window().Pages().BatchEdit();
        QVERIFY(Plan().RadioImage != image);
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Batch Channel Edit"));
        UndoAction()->trigger();
        QVERIFY(Plan().RadioImage == image);
    }

    void receiveListEntryComesBackInItsCell() {
        auto* page = qobject_cast<FormRxList*>(Window().Pages().OpenPage(PageManager::kRxListPage));
        QVERIFY(page);
        page->CellClick(3, 1);
        QLineEdit* editor = page->findChild<KeyFilterEdit*>(QStringLiteral("Text1"));
        QTest::keyClicks(editor, QStringLiteral("1234"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(page->CellText(3), QStringLiteral("801234"));
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Entry 3 of Rx List 1"));
        UndoAction()->trigger();
        QCOMPARE(page->CellText(3), QString());
        QCOMPARE(Plan().RxListEntry[2], -1);
    }

    void readFromTheRadioIsOneStep() {
        Codeplug radio;
        radio.ApplyStartupDefaults();
        radio.ApplyNewDefaults();
        test::PutChannel(radio, 0, 446006250, 446006250);
        QVERIFY(RadioDataFile::WriteToFile(Path("radio.rdat"), radio).ok());
        test::SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("radio.rdat"), "--password", "2468", "--no-pace"}));
        FormChannelInformation* grid = Grid();
        test::TypeCell(*grid, 5, 1, QStringLiteral("440"));
        Plan().ComPortName = sim.device();
        test::RunNextTransfer("CommandRead", [](FormProcess& form) {
            form.findChild<QLineEdit*>(QStringLiteral("TextPassword"))->setText("002468");
        });
        Window().Transfers().ReadFromRadio();
        QVERIFY(Plan().LinkSucceeded);
        grid =
            qobject_cast<FormChannelInformation*>(Window().Pages().Page(PageManager::kChannelPage));
        QCOMPARE(grid->CellText(1, 1), QStringLiteral("446.00625"));
        QCOMPARE(grid->CellText(5, 1), QString());
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Read From Radio"));
        UndoAction()->trigger();
        QCOMPARE(grid->CellText(1, 1), QString());
        QCOMPARE(grid->CellText(5, 1), QStringLiteral("440.00000"));
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Rx Frequency of channel 5"));
        RedoAction()->trigger();
        QCOMPARE(grid->CellText(1, 1), QStringLiteral("446.00625"));
    }

    // The step names follow a language switch (the Chinese names are the history tests').
    void stepNamesFollowTheLanguage() {
        Window(QStringLiteral("zh"));
        test::TypeCell(*Grid(), 3, 1, QStringLiteral("435.5"));
        UndoAction()->trigger();
        Plan().IsEnglish = true;
        Window().ApplyLanguage();
        QCOMPARE(RedoAction()->text(), QStringLiteral("&Redo Rx Frequency of channel 3"));
    }

    void newOpenAndModelChangeStartAFreshHistory() {
        FormChannelInformation* grid = Grid();
        test::TypeCell(*grid, 1, 1, QStringLiteral("440"));
        Seam().AnswerMessage(QMessageBox::Discard);
        Window().Files().New();
        QVERIFY(!UndoAction()->isEnabled());
        QVERIFY(!RedoAction()->isEnabled());
        test::TypeCell(*Grid(), 1, 1, QStringLiteral("441"));
        QVERIFY(UndoAction()->isEnabled());
        Codeplug file;
        file.ApplyNewDefaults();
        QVERIFY(RadioDataFile::WriteToFile(Path("plan.rdat"), file).ok());
        QVERIFY(Window().Files().LoadFile(Path("plan.rdat"))); // Open's questions answered
        QVERIFY(!UndoAction()->isEnabled());
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo"));
        // A model change too: the band the steps were made in is gone.
        test::TypeCell(*Grid(), 1, 1, QStringLiteral("441"));
        QVERIFY(UndoAction()->isEnabled());
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormModelInformation*>(modal);
            QVERIFY(dialog);
            dialog->ComboArea()->setCurrentIndex(2);
            dialog->CommandOk()->click();
        });
        Window().Settings().ModelInformation();
        QCOMPARE(Plan().BandLower, std::int16_t(400));
        QVERIFY(!UndoAction()->isEnabled());
    }

    void importIsOneStepAndReportsWhatItLeftOut() {
        QFile csv(Path("memories.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\n"
                  "0,Repeater,438.5,+,5.0,Tone,100.0,FM\n"
                  "1,Air,124.5,,,,,AM\n"
                  "2,Simplex,446.00625,,,,,NFM\n");
        csv.close();
        FormChannelInformation* grid = Grid();
        Seam().AnswerFile(Path("memories.csv"));
        NextReport();
        Window().Action(QStringLiteral("MenuImport"))->trigger();
        QVERIFY(Seam().fileDialogs.value(0).isOpen);
        QCOMPARE(reports_->first(), QStringLiteral("memories.csv: 2 rows went into channels 1-2."));
        QVERIFY(reports_->join('\n').contains(QStringLiteral("row 3: mode AM")));
        QCOMPARE(grid->CellText(1, 2), QStringLiteral("443.50000"));
        QCOMPARE(grid->CellText(1, 5), QStringLiteral("100.0"));
        QCOMPARE(grid->CellText(2, 1), QStringLiteral("446.00625"));
        QCOMPARE(UndoAction()->text(), QStringLiteral("&Undo Import memories.csv"));
        UndoAction()->trigger();
        QCOMPARE(grid->CellText(1, 1), QString());
        // A file nothing can be taken from changes nothing and is no step.
        QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Truncate));
        csv.write("Location,Frequency,Mode\n0,124.5,AM\n");
        csv.close();
        NextReport();
        QVERIFY(!Window().Exchange().ImportFile(Path("memories.csv")));
        QVERIFY(reports_->first().contains(QStringLiteral("was not imported")));
        QCOMPARE(UndoAction()->isEnabled(), false);
    }

    void exportWritesTheChosenFormat() {
        Window();
        test::PutChannel(Plan(), 0, 440000000, 445000000);
        test::PutChannel(Plan(), 1, 441000000, 441000000, true);
        Seam().AnswerFile(Path("out.csv"));
        Seam().filterAnswers << 2; // the common radio csv
        NextReport();
        Window().Action(QStringLiteral("MenuExport"))->trigger();
        QFile file(Path("out.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("Location,Name,Frequency"));
        QVERIFY(text.contains("440.000000,+,5.000000"));
        QVERIFY(reports_->join('\n').contains(QStringLiteral("digital channels 2 left out")));
        // The channel csv shares the extension; its filter chooses it.
        Seam().AnswerFile(Path("plan.csv"));
        Seam().filterAnswers << 1;
        Window().Exchange().Export();
        QFile plan(Path("plan.csv"));
        QVERIFY(plan.open(QIODevice::ReadOnly));
        QVERIFY(plan.readAll().startsWith("Channel,RxMHz"));
    }
};

QTEST_MAIN(TestUndoRedo)
#include "test_undo_redo.moc"
