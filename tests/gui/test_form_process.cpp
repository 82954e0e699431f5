// The transfer window reading and writing a virtual radio that runs in its own process on a
// pseudo-terminal, with the message boxes answered by the scripted seam.

#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "link/ui/form_process.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

constexpr int kHangGuardMs = 60000;

template <typename T> T* Control(QWidget& form, const char* name) {
    return form.findChild<T*>(QLatin1String(name));
}

} // namespace

class TestFormProcess : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // A codeplug set up as the main window leaves it before opening the window.
    static Codeplug Prepared(int seed, bool read, bool english, const QString& port) {
        Codeplug codeplug = DistinctCodeplug(seed);
        codeplug.LinkRead = read;
        codeplug.IsEnglish = english;
        codeplug.ComPortName = port;
        return codeplug;
    }
    static void Click(FormProcess& form, const char* button) {
        QTest::mouseClick(Control<QPushButton>(form, button), Qt::LeftButton);
    }
    static QLabel* Result(FormProcess& form) { return Control<QLabel>(form, "TextShow"); }
    static bool Enabled(FormProcess& form, const char* name) {
        return Control<QWidget>(form, name)->isEnabled();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }

    void layoutFollowsTheDirection() {
        Codeplug reading = Prepared(0, true, true, "ttyS0");
        FormProcess readForm(reading, {});
        readForm.show();
        QVERIFY(Control<QPushButton>(readForm, "CommandRead")->isVisible());
        QVERIFY(!Control<QPushButton>(readForm, "CommandWrite")->isVisible());
        QVERIFY(!Control<QLineEdit>(readForm, "TextNewPassword")->isVisible());
        QVERIFY(!Result(readForm)->isVisible());

        Codeplug writing = Prepared(0, false, true, "ttyS0");
        FormProcess writeForm(writing, {});
        writeForm.show();
        QVERIFY(!Control<QPushButton>(writeForm, "CommandRead")->isVisible());
        QVERIFY(Control<QPushButton>(writeForm, "CommandWrite")->isVisible());
        QVERIFY(!Control<QCheckBox>(writeForm, "CheckNewPassword")->isChecked());
        // The new-password row lies inside the write window, below the read window's height.
        const QRect row = Control<QLineEdit>(writeForm, "TextNewPassword")->geometry();
        QVERIFY(row.bottom() < writeForm.height());
        QVERIFY(row.top() >= readForm.height());
        // Both password boxes hide and filter what is typed.
        for (const char* name : {"TextPassword", "TextNewPassword"}) {
            QLineEdit* box = Control<QLineEdit>(writeForm, name);
            QCOMPARE(box->echoMode(), QLineEdit::Password);
            QTest::keyClicks(box, "12ab-34567");
            QCOMPARE(box->text(), QStringLiteral("123456"));
        }
    }

    void readsTheRadio() {
        QVERIFY(WriteRdat(Path("radio.rdat"), DistinctCodeplug(7)));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("radio.rdat"), "--password", "2468"}));
        ScriptedSeam seam;
        Codeplug codeplug = Prepared(0, true, true, sim.device());
        int reloads = 0;
        FormProcess form(codeplug, [&] { ++reloads; });
        form.show();
        Control<QLineEdit>(form, "TextPassword")->setText("002468");
        Click(form, "CommandRead");
        QVERIFY(!Enabled(form, "CommandRead"));
        QVERIFY(!Enabled(form, "TextPassword"));
        QTRY_VERIFY_WITH_TIMEOUT(Result(form)->isVisible(), kHangGuardMs);
        QCOMPARE(Result(form)->text(), QStringLiteral("Read Data OK"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Read Data From Radio"));
        QVERIFY(seam.messages.isEmpty());
        QCOMPARE(reloads, 1);
        QCOMPARE(RadioDataFile::Serialize(codeplug), FileBytes(Path("radio.rdat")));
        QCOMPARE(Control<QLabel>(form, "LabelProcess")->text(), QStringLiteral("Complete:100%"));
        QVERIFY(Enabled(form, "CommandRead"));
        QVERIFY(Enabled(form, "TextPassword"));
        form.reject();
        QVERIFY(codeplug.LinkSucceeded); // the caller tests it after the window has closed
        QVERIFY(!codeplug.LinkRead);
    }

    void writesTheRadioAndItsNewPassword() {
        QVERIFY(WriteRdat(Path("target.rdat"), DistinctCodeplug(8)));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("target.rdat")}));
        ScriptedSeam seam;
        Codeplug codeplug = Prepared(9, false, false, sim.device());
        {
            FormProcess form(codeplug, {});
            form.show();
            Control<QCheckBox>(form, "CheckNewPassword")->setChecked(true);
            Control<QLineEdit>(form, "TextNewPassword")->setText("135790");
            Click(form, "CommandWrite");
            QVERIFY(!Enabled(form, "TextNewPassword"));
            QTRY_VERIFY_WITH_TIMEOUT(Result(form)->isVisible(), kHangGuardMs);
            QCOMPARE(Result(form)->text(), QStringLiteral("写频成功"));
            QCOMPARE(form.windowTitle(), QStringLiteral("向对讲机写入数据"));
            QCOMPARE(Control<QLabel>(form, "LabelProcess")->text(),
                     QStringLiteral("完成进度:100%"));
            QVERIFY(codeplug.LinkSucceeded);
        }
        QCOMPARE(FileBytes(Path("target.rdat")), RadioDataFile::Serialize(DistinctCodeplug(9)));

        Codeplug reader = Prepared(0, true, false, sim.device());
        FormProcess form(reader, {});
        form.show();
        Click(form, "CommandRead"); // no password: refused now
        QTRY_COMPARE_WITH_TIMEOUT(seam.messages.size(), 1, kHangGuardMs);
        QCOMPARE(seam.messages[0].text, QStringLiteral("密码错误!"));
        Control<QLineEdit>(form, "TextPassword")->setText("135790");
        Click(form, "CommandRead");
        QTRY_VERIFY_WITH_TIMEOUT(Result(form)->isVisible(), kHangGuardMs);
        QCOMPARE(Result(form)->text(), QStringLiteral("读频成功"));
    }

    // The tune page opens the window with LinkTune set: its read must bring the tune data.
    void tunePageReadBringsTheTuneData_data() {
        QTest::addColumn<bool>("tune");
        QTest::newRow("tune page") << true;
        QTest::newRow("main window") << false;
    }
    void tunePageReadBringsTheTuneData() {
        QFETCH(bool, tune);
        Codeplug radio = DistinctCodeplug(12);
        radio.MicAmp = 77;
        radio.TuneFreq[1] = 438500000;
        QVERIFY(WriteRdat(Path("tune.rdat"), radio));
        SimProcess sim;
        QVERIFY(sim.Start({"--memory", Path("tune.rdat"), "--no-pace"}));
        ScriptedSeam seam;
        Codeplug codeplug = Prepared(0, true, true, sim.device());
        codeplug.LinkTune = tune;
        const Long micAmp = codeplug.MicAmp;
        FormProcess form(codeplug, {});
        form.show();
        Click(form, "CommandRead");
        QTRY_VERIFY_WITH_TIMEOUT(Result(form)->isVisible(), kHangGuardMs);
        QCOMPARE(codeplug.MicAmp, tune ? 77 : micAmp);
        QCOMPARE(codeplug.TuneFreq[1] == 438500000, tune);
        QCOMPARE(codeplug.RxFreq[0], radio.RxFreq[0]);
        form.reject();
        QVERIFY(!codeplug.LinkTune);
    }

    void refusedTransfersAreReported_data() {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong password") << QStringList{"--password", "111", "--no-pace"}
                                        << "Password Failure!" << int(QMessageBox::NoIcon) << "222";
        QTest::newRow("wrong model")
            << QStringList{"--data-version", "3", "--no-pace"}
            << "机型错误,请读取ZR40机器\n当前机型为3" << int(QMessageBox::Critical) << "";
    }
    void refusedTransfersAreReported() {
        QFETCH(QStringList, simArguments);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(QString, password);
        SimProcess sim;
        QVERIFY(sim.Start(simArguments));
        ScriptedSeam seam;
        Codeplug codeplug = Prepared(0, true, true, sim.device());
        const Long channels = codeplug.ChannelCount;
        FormProcess form(codeplug, {});
        form.show();
        Control<QLineEdit>(form, "TextPassword")->setText(password);
        Click(form, "CommandRead");
        QTRY_COMPARE_WITH_TIMEOUT(seam.messages.size(), 1, kHangGuardMs);
        QCOMPARE(seam.messages[0].text, text);
        QCOMPARE(int(seam.messages[0].icon), icon);
        QCOMPARE(seam.messages[0].title, QStringLiteral("ZR40"));
        QCOMPARE(codeplug.DataVersion, 1);
        QCOMPARE(codeplug.ChannelCount, channels);
        QVERIFY(!codeplug.PasswordRejected);
        QVERIFY(!codeplug.LinkSucceeded);
        QVERIFY(!Result(form)->isVisible());
        QTRY_VERIFY(Enabled(form, "CommandRead"));
    }

    void cancelAtTheRetryPromptThenReadAgain() {
        SimProcess sim;
        QVERIFY(sim.Start({"--bad-checksum", "11"}));
        ScriptedSeam seam;
        seam.AnswerMessage(QMessageBox::Cancel);
        Codeplug codeplug = Prepared(0, true, true, sim.device());
        FormProcess form(codeplug, {});
        form.show();
        Click(form, "CommandRead");
        QTRY_COMPARE_WITH_TIMEOUT(seam.messages.size(), 1, kHangGuardMs);
        QCOMPARE(seam.messages[0].text, QStringLiteral("Check connection!Retry or cancel?"));
        QCOMPARE(seam.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(seam.messages[0].buttons, QMessageBox::Retry | QMessageBox::Cancel);
        QTRY_VERIFY(Enabled(form, "CommandRead"));
        QVERIFY(!codeplug.LinkSucceeded);
        QVERIFY(!Result(form)->isVisible());
        // No good reply came: the progress label is as the window opened.
        QCOMPARE(Control<QLabel>(form, "LabelProcess")->text(), QStringLiteral("Complete:0%"));

        Click(form, "CommandRead");
        QTRY_VERIFY_WITH_TIMEOUT(Result(form)->isVisible(), kHangGuardMs);
        QCOMPARE(Result(form)->text(), QStringLiteral("Read Data OK"));
        QCOMPARE(seam.messages.size(), 1);
    }

    void portThatCannotBeOpened() {
        ScriptedSeam seam;
        Codeplug codeplug = Prepared(0, false, true, "/dev/zr40-absent");
        FormProcess form(codeplug, {});
        form.show();
        Click(form, "CommandWrite");
        QCOMPARE(seam.messages.size(), 1);
        QCOMPARE(seam.messages[0].text,
                 QStringLiteral("Please reselect COM port!\nThere is no port /dev/zr40-absent."));
        QCOMPARE(seam.messages[0].icon, QMessageBox::Critical);
        QVERIFY(Enabled(form, "CommandWrite"));
        QVERIFY(Enabled(form, "TextPassword"));
        QVERIFY(!codeplug.LinkSucceeded);
    }

    void traceListComesIntoView() {
        SimProcess sim;
        QVERIFY(sim.Start({"--no-pace"}));
        ScriptedSeam seam;
        Codeplug codeplug = Prepared(0, true, true, sim.device());
        FormProcess form(codeplug, {});
        form.show();
        const int height = form.height();
        Click(form, "CommandRead");
        QTRY_VERIFY_WITH_TIMEOUT(Result(form)->isVisible(), kHangGuardMs);
        QListWidget* list = Control<QListWidget>(form, "ListDebug");
        QCOMPARE(list->item(0)->text(), QStringLiteral("TX:55 1 1 0 0 2 AA "));
        QVERIFY(list->geometry().top() >= form.height()); // below the visible area
        QAction* show = Control<QAction>(form, "ShowTrace");
        QCOMPARE(show->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        show->trigger();
        QVERIFY(list->geometry().bottom() < form.height());
        show->trigger();
        QCOMPARE(form.height(), height);
    }

    // Closing clears the window's flags, LinkSucceeded from an earlier window included, and
    // stops a transfer in progress without a message.
    void closingClearsTheFlagsAndStopsTheTransfer() {
        SimProcess sim;
        QVERIFY(sim.Start({"--silent", "100"}));
        ScriptedSeam seam;
        Codeplug codeplug = Prepared(0, true, true, sim.device());
        codeplug.LinkSucceeded = true;
        codeplug.LinkTune = true;
        codeplug.PasswordChanged = true;
        {
            FormProcess form(codeplug, {});
            QVERIFY(codeplug.ProcessOpen);
            QVERIFY(!codeplug.LinkSucceeded);
            form.show();
            Click(form, "CommandRead");
            Click(form, "CommandCancel");
            QVERIFY(!form.isVisible());
            QVERIFY(!codeplug.ProcessOpen);
            QVERIFY(!codeplug.LinkRead);
            QVERIFY(!codeplug.LinkTune);
            QVERIFY(!codeplug.PasswordChanged);
            QTest::qWait(50);
            QVERIFY(seam.messages.isEmpty());
        }
        QVERIFY(!codeplug.ProcessOpen);
        QVERIFY(!codeplug.LinkSucceeded);
    }
};

QTEST_MAIN(TestFormProcess)
#include "test_form_process.moc"
