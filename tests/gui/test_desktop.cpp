// What the program keeps between runs (band, window, folders, recent files), how its windows fit
// the screen, and File > Import placing the rows where the user wants them. Settings live in a
// temporary folder of each test (the rig's).

#include "channels/ui/form_channel_information.h"
#include "codeplug/radio_data_file.h"
#include "codeplug/settings_store.h"
#include "gui_support.h"
#include "link/ui/check_list_dialog.h"
#include "review/codeplug_check.h"
#include "shell/form_model_information.h"
#include "shell/mdi_form_main.h"
#include "shell/recent_files.h"
#include "widgets/screen_fit.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <memory>

using namespace zr40;

Q_DECLARE_METATYPE(QMargins)

class TestDesktop : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowRig> rig_;
    QTemporaryDir files_;

    MDIFormMain& Window() { return rig_->Window(); }
    Codeplug& Plan() { return rig_->codeplug; }
    test::ScriptedSeam& Seam() { return rig_->seam; }
    QString Path(const QString& name) const { return files_.filePath(name); }
    // The program ends and starts again on the same settings.
    MDIFormMain& Restart() {
        rig_->window.reset();
        rig_->codeplug = Codeplug();
        return Window();
    }
    bool WritePlan(const QString& path, Long rxHz) {
        Codeplug plan;
        plan.ApplyNewDefaults();
        plan.RxFreq[0] = rxHz;
        return RadioDataFile::WriteToFile(path, plan).ok();
    }
    QStringList RecentMenu() {
        QMenu* menu = Window().Menu(QStringLiteral("MenuRecent"));
        emit menu->aboutToShow();
        QStringList items;
        for (QAction* action : menu->actions())
            items << (action->isEnabled() ? action->text() : QLatin1Char('-') + action->text());
        return items;
    }
    FormChannelInformation* Grid() {
        return qobject_cast<FormChannelInformation*>(
            Window().Pages().OpenPage(PageManager::kChannelPage));
    }

private slots:
    void initTestCase() { QVERIFY(files_.isValid()); }
    void init() { rig_ = std::make_unique<test::MainWindowRig>(); }
    void cleanup() { rig_.reset(); }

    // --- The band ---

    // The band confirmed in Model Information is the band of the next start; until one was
    // chosen the status bar and the pre-write check say the plan was checked against 100-550.
    void theChosenBandIsKept() {
        QCOMPARE(Window().StatusText(1), QStringLiteral("ZR40  100-550 MHz（未选择频段）"));
        QVERIFY(Plan().BandNeverChosen);
        QCOMPARE(CodeplugCheck::Run(Plan()).first().location, PlanLocation::Model());
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormModelInformation*>(modal);
            QVERIFY(dialog);
            dialog->ComboArea()->setCurrentIndex(0); // 136-174MHz
            dialog->CommandOk()->click();
        });
        Window().Pages().ShowPlanLocation(PlanLocation::Model()); // as the check offers it
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("Band")), QStringLiteral("136-174"));
        QVERIFY(!Plan().BandNeverChosen);
        QCOMPARE(Window().StatusText(1), QStringLiteral("ZR40  136-174 MHz"));
        Restart();
        QCOMPARE(std::pair(Plan().BandLower, Plan().BandUpper),
                 std::pair(std::int16_t(136), std::int16_t(174)));
        QVERIFY(!Plan().BandNeverChosen);
        QCOMPARE(Window().StatusText(1), QStringLiteral("ZR40  136-174 MHz"));
    }

    // The check's band warning offers the model dialog: the list closes and leaves the place
    // for the transfer window's caller to open.
    void theCheckOffersTheModelDialog() {
        Codeplug plan = test::PageCodeplug();
        plan.BandNeverChosen = true;
        CheckListDialog list(CodeplugCheck::Run(plan), TextContext::Of(plan));
        auto* model = list.findChild<QPushButton*>(QStringLiteral("CommandModel"));
        QVERIFY(model);
        model->click();
        QCOMPARE(list.ChosenLocation(), std::optional(PlanLocation::Model()));
        plan.BandNeverChosen = false;
        CheckListDialog chosen(CodeplugCheck::Run(plan), TextContext::Of(plan));
        QVERIFY(!chosen.findChild<QPushButton*>(QStringLiteral("CommandModel")));
    }

    // --- What is remembered ---

    // Files opened and saved are listed newest first, eight at most; a file of the list opens
    // as Open would, a file that is gone leaves the list with a word.
    void recentFiles() {
        QCOMPARE(RecentMenu(), QStringList{"-（无）"});
        QVERIFY(WritePlan(Path("a&b.rdat"), 440'000'000));
        QVERIFY(Window().Files().LoadFile(Path("a&b.rdat")));
        Seam().AnswerFile(Path("second.rdat"));
        QVERIFY(Window().Files().SaveAs());
        const QString folder = QDir::toNativeSeparators(files_.path());
        QCOMPARE(RecentMenu(), QStringList({QStringLiteral("&1 second.rdat  [%1]").arg(folder),
                                            QStringLiteral("&2 a&&b.rdat  [%1]").arg(folder)}));
        Window().Menu(QStringLiteral("MenuRecent"))->actions().at(1)->trigger();
        QCOMPARE(Window().Files().CurrentPath(), Path("a&b.rdat"));
        QCOMPARE(RecentFiles::List().first(), Path("a&b.rdat"));
        QFile::remove(Path("second.rdat"));
        Seam().messages.clear();
        RecentMenu(); // the menu as it shows again: the file opened on top
        Window().Menu(QStringLiteral("MenuRecent"))->actions().at(1)->trigger();
        QCOMPARE(Seam().messages.size(), 1);
        QVERIFY2(Seam().messages[0].text.contains(QStringLiteral("second.rdat 已不存在")),
                 qPrintable(Seam().messages[0].text));
        QCOMPARE(RecentFiles::List(), QStringList{Path("a&b.rdat")});
        for (int i = 0; i < 10; ++i)
            RecentFiles::Add(Path(QStringLiteral("plan%1.rdat").arg(i)));
        QCOMPARE(RecentFiles::List().size(), RecentFiles::kMost);
        QCOMPARE(RecentFiles::List().first(), Path("plan9.rdat"));
        Plan().IsEnglish = true;
        Window().ApplyLanguage();
        QCOMPARE(Window().Action(QStringLiteral("MenuRecent"))->text(),
                 QStringLiteral("Recent &Files"));
    }

    // Each kind of file dialog opens where the last one of its kind chose a file; Save As
    // proposes the current file.
    void fileDialogsOpenWhereTheyLeftOff() {
        QDir(files_.path()).mkpath(QStringLiteral("plans"));
        QVERIFY(WritePlan(Path("plans/p.rdat"), 440'000'000));
        Seam().AnswerFile(Path("plans/p.rdat"));
        Window().Files().Open();
        Seam().AnswerFile(QString());
        Window().Exchange().Import();
        Seam().AnswerFile(QString());
        Window().Files().Open();
        Seam().AnswerFile(QString());
        Window().Files().SaveAs();
        QCOMPARE(Seam().fileDialogs.size(), 4);
        QCOMPARE(Seam().fileDialogs[0].proposedName, QString()); // nothing kept yet
        QCOMPARE(Seam().fileDialogs[1].proposedName, QString()); // imports have their own
        QCOMPARE(Seam().fileDialogs[2].proposedName, Path("plans"));
        QCOMPARE(Seam().fileDialogs[3].proposedName, Path("plans/p.rdat"));
        Restart();
        Seam().AnswerFile(QString());
        Window().Files().Save(); // a plan in no file yet: its name, in the folder kept
        QCOMPARE(Seam().fileDialogs.last().proposedName, Path("plans/new.rdat"));
    }

    // The window's size, place and maximised state and the tree's width come back.
    void theWindowComesBackAsItWasLeft() {
        MDIFormMain& w = Window();
        QVERIFY(test::ShowActive(&w));
        QVERIFY(w.DragSeparatorTo(2000));
        w.showMaximized();
        QTRY_VERIFY(w.isMaximized());
        QVERIFY(w.close());
        MDIFormMain& again = Restart();
        QCOMPARE(again.TreeWidthTwips(), 2000);
        QVERIFY(again.windowState().testFlag(Qt::WindowMaximized));
        again.show();
        again.showNormal();
        QTRY_VERIFY(!again.isMaximized());
        QVERIFY(again.close());
        QVERIFY(!Restart().windowState().testFlag(Qt::WindowMaximized));
    }

    // --- Windows that fit ---

    // A window larger than the room is shrunk, its smallest size with it; a window placed
    // partly outside is moved in, frame included; one not placed yet keeps its position.
    void screenFit_data() {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QRect>("fitted");
        QTest::addColumn<QSize>("fittedMinimum");
        const QMargins frame(4, 30, 4, 4);
        // 1280x800 at a scale of 1.5.
        const QRect room(0, 0, 853, 533);
        QTest::newRow("fits") << QRect(10, 40, 600, 400) << QSize(100, 100) << frame << true
                              << QRect(10, 40, 600, 400) << QSize(100, 100);
        QTest::newRow("main window, first start")
            << QRect(0, 0, 1100, 720) << QSize(800, 600) << frame << false << QRect(0, 0, 845, 499)
            << QSize(800, 499);
        QTest::newRow("dialog past the corner") << QRect(700, 300, 400, 300) << QSize(0, 0) << frame
                                                << true << QRect(449, 229, 400, 300) << QSize(0, 0);
        QTest::newRow("no frame") << QRect(-50, -20, 900, 600) << QSize(900, 100) << QMargins()
                                  << true << QRect(0, 0, 853, 533) << QSize(853, 100);
        Q_UNUSED(room);
    }
    void screenFit() {
        QFETCH(QRect, geometry);
        QFETCH(QSize, minimum);
        QFETCH(QMargins, frame);
        QFETCH(bool, placed);
        const auto fitted =
            ScreenFit::Fitted(geometry, minimum, frame, QRect(0, 0, 853, 533), placed);
        QTEST(fitted.geometry, "fitted");
        QTEST(fitted.minimum, "fittedMinimum");
    }

    // Shown windows and the main window lie within the screen's free area.
    void windowsOpenWithinTheScreen() {
        ScreenFit::Install();
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QDialog large;
        large.resize(room.size() * 2);
        large.show();
        QTRY_VERIFY(room.contains(large.frameGeometry()));
        QVERIFY(room.contains(Window().frameGeometry()));
        QVERIFY(Window().minimumWidth() <= room.width());
        // A dialog that fits stays where it put itself, over the middle of its window.
        QVERIFY(test::ShowActive(&Window()));
        QDialog small(&Window());
        small.resize(200, 100);
        small.show();
        QTest::qWait(20);
        QCOMPARE(small.frameGeometry().center(), Window().frameGeometry().center());
    }

    // The channel grid maximised: its columns share out the width; back to normal they keep
    // what their texts need.
    void channelColumnsStretchWhenMaximised() {
        MDIFormMain& w = Window();
        w.resize(1400, 900);
        QVERIFY(test::ShowActive(&w));
        QTableWidget* grid = Grid()->grid();
        const auto widths = [grid] {
            QList<int> all;
            for (int column = 0; column < grid->columnCount(); ++column)
                all << grid->columnWidth(column);
            return all;
        };
        const QList<int> normal = widths();
        w.PageArea()->activeSubWindow()->showMaximized();
        QTRY_COMPARE(grid->horizontalHeader()->length(), grid->viewport()->width());
        const QList<int> wide = widths();
        for (int column = 0; column < grid->columnCount(); ++column)
            QVERIFY(wide[column] >= normal[column]);
        w.PageArea()->activeSubWindow()->showNormal();
        QTRY_VERIFY(grid->horizontalHeader()->length() <= grid->viewport()->width());
    }

    // --- Import where the user wants it ---

    // The common csv goes where a row is picked, else into the first empty channel; the
    // channels in use it would write over are named first, and Cancel at either question
    // leaves the plan as it was.
    // first: the channel answered (0 takes the proposal, -1 cancels); written: the channel index
    // the first row went into, -1 when nothing was imported.
    void importAsksWhereAndNamesWhatItOverwrites_data() {
        QTest::addColumn<int>("picked");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("proposed");
        QTest::addColumn<QString>("overwrites");
        QTest::addColumn<int>("written");
        const int yes = QMessageBox::Yes;
        const int cancel = QMessageBox::Cancel;
        QTest::newRow("first empty") << 0 << 0 << yes << 4 << "" << 3;
        QTest::newRow("picked row") << 2 << 0 << yes << 2 << "2-3" << 1;
        QTest::newRow("overwrite refused") << 2 << 0 << cancel << 2 << "2-3" << -1;
        QTest::newRow("another channel") << 0 << 3 << yes << 4 << "3" << 2;
        QTest::newRow("cancelled") << 0 << -1 << yes << 4 << "" << -1;
    }
    void importAsksWhereAndNamesWhatItOverwrites() {
        QFETCH(int, picked);
        QFETCH(int, first);
        QFETCH(int, answer);
        QFETCH(QString, overwrites);
        QFETCH(int, written);
        Window();
        for (int c = 0; c < 3; ++c)
            test::PutChannel(Plan(), c, 440'000'000 + c * 1'000'000, 440'000'000);
        FormChannelInformation* grid = Grid();
        grid->Analyse();
        if (picked > 0)
            grid->SelectRows(picked, picked);
        QFile csv(Path("two.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\n"
                  "0,A,446.00625,,,,,NFM\n1,B,446.01875,,,,,NFM\n");
        csv.close();
        const QByteArray before = RadioDataFile::Serialize(Plan());
        if (first != 0)
            Seam().AnswerNumber(first > 0 ? std::optional(first) : std::nullopt);
        Seam().AnswerMessage(QMessageBox::StandardButton(answer));
        if (written >= 0)
            test::OnNextModal([](QWidget* report) { qobject_cast<QDialog*>(report)->accept(); });
        QCOMPARE(Window().Exchange().ImportFile(Path("two.csv")), written >= 0);
        QCOMPARE(Seam().numberQuestions.size(), 1);
        QTEST(Seam().numberQuestions[0].proposed, "proposed");
        QCOMPARE(Seam().numberQuestions[0].text.contains(QStringLiteral("起始信道")), true);
        const bool asked = !overwrites.isEmpty();
        QCOMPARE(Seam().messages.size(), asked ? 1 : 0);
        if (asked)
            QVERIFY2(Seam().messages[0].text.contains(
                         QStringLiteral("将覆盖正在使用的信道：%1").arg(overwrites)),
                     qPrintable(Seam().messages[0].text));
        if (written < 0) {
            QCOMPARE(RadioDataFile::Serialize(Plan()), before);
            return;
        }
        QCOMPARE(Plan().RxFreq[written], Long(446'006'250));
        QCOMPARE(Plan().RxFreq[written + 1], Long(446'018'750));
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
