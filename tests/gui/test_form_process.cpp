// The transfer window reading and writing a virtual radio that runs in its own process on a
// pseudo-terminal, with the message boxes answered by the scripted seam.

#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "link/ui/form_process.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

// One transfer window on a virtual radio started with the given options.
struct Transfer {
    SimProcess sim;
    ScriptedSeam seam;
    Codeplug codeplug = DistinctCodeplug(0);
    std::unique_ptr<FormProcess> form;
    int reloads = 0;

    bool Open(const QStringList& simArguments, bool read, bool english = true, int seed = 0,
              bool tune = false) {
        if (!simArguments.isEmpty() && !sim.Start(simArguments))
            return false;
        codeplug = DistinctCodeplug(seed);
        codeplug.LinkRead = read;
        codeplug.LinkTune = tune;
        codeplug.IsEnglish = english;
        codeplug.BackupBeforeWrite = false; // the steps before a write have tests of their own
        codeplug.ComPortName = simArguments.isEmpty() ? "/dev/zr40-absent" : sim.device();
        form = std::make_unique<FormProcess>(codeplug, [this] { ++reloads; });
        form->show();
        return true;
    }
    template <typename T = QWidget> T* Control(const char* name) const {
        return form->findChild<T*>(QLatin1String(name));
    }
    void Press(const QString& password = {}) {
        Control<QLineEdit>("TextPassword")->setText(password);
        const char* button = codeplug.LinkRead ? "CommandRead" : "CommandWrite";
        QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
    }
    QLabel* Result() const { return Control<QLabel>("TextShow"); }
    QString Label() const { return Control<QLabel>("LabelProcess")->text(); }
    bool Idle() const { return Control("TextPassword")->isEnabled(); }
};

} // namespace

class TestFormProcess : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }

    void layoutFollowsTheDirection() {
        Transfer reading, writing;
        reading.Open({}, true);
        writing.Open({}, false);
        QVERIFY(!reading.Control("CommandWrite")->isVisible());
        QVERIFY(!writing.Control("CommandRead")->isVisible());
        // The new-password row lies inside the write window, below the read window's height.
        const QRect row = writing.Control("TextNewPassword")->geometry();
        QVERIFY(row.bottom() < writing.form->height());
        QVERIFY(row.top() >= reading.form->height());
        for (const char* name : {"TextPassword", "TextNewPassword"}) {
            auto* box = writing.Control<QLineEdit>(name);
            QCOMPARE(box->echoMode(), QLineEdit::Password);
            QTest::keyClicks(box, "12ab-34567");
            QCOMPARE(box->text(), QStringLiteral("123456"));
        }
    }

    // A read brings the radio's data, and the tune data when the tune page asks for it.
    void readsTheRadio_data() {
        QTest::addColumn<bool>("tune");
        QTest::newRow("main window") << false;
        QTest::newRow("tune page") << true;
    }
    void readsTheRadio() {
        QFETCH(bool, tune);
        Codeplug radio = DistinctCodeplug(7);
        radio.MicAmp = 77;
        QVERIFY(WriteRdat(Path("radio.rdat"), radio));
        Transfer t;
        QVERIFY(
            t.Open({"--memory", Path("radio.rdat"), "--password", "2468"}, true, true, 0, tune));
        const Long micAmp = DistinctCodeplug(0).MicAmp;
        QCOMPARE(t.Control<QPushButton>("CommandCancel")->text(), QStringLiteral("&Cancel"));
        t.Press("002468");
        QVERIFY(!t.Idle());
        QTRY_VERIFY_WITH_TIMEOUT(t.Result()->isVisible(), kHangGuardMs);
        QCOMPARE(t.Result()->text(), QStringLiteral("Read Data OK"));
        QVERIFY(t.seam.messages.isEmpty());
        QCOMPARE(t.reloads, 1);
        QCOMPARE(t.codeplug.RxFreq[0], radio.RxFreq[0]);
        QCOMPARE(t.codeplug.MicAmp, tune ? 77 : micAmp);
        QCOMPARE(t.Label(), QStringLiteral("Complete:100%"));
        QVERIFY(t.Idle());
        // Nothing left to cancel.
        QCOMPARE(t.Control<QPushButton>("CommandCancel")->text(), QStringLiteral("&Close"));
        t.form->reject();
        QVERIFY(t.codeplug.LinkSucceeded); // the caller tests it after the window has closed
        QVERIFY(!t.codeplug.LinkRead);
        QVERIFY(!t.codeplug.LinkTune);
    }

    void writesTheRadioAndItsNewPassword() {
        QVERIFY(WriteRdat(Path("target.rdat"), DistinctCodeplug(8)));
        Transfer writer;
        QVERIFY(writer.Open({"--memory", Path("target.rdat")}, false, false, 9));
        writer.Control<QCheckBox>("CheckNewPassword")->setChecked(true);
        writer.Control<QLineEdit>("TextNewPassword")->setText("135790");
        writer.Press();
        QTRY_VERIFY_WITH_TIMEOUT(writer.Result()->isVisible(), kHangGuardMs);
        QCOMPARE(writer.Result()->text(), QStringLiteral("已校验")); // read back by default
        QCOMPARE(writer.Label(), QStringLiteral("完成进度:100%"));
        QCOMPARE(writer.Control<QPushButton>("CommandCancel")->text(), QStringLiteral("关闭(&C)"));
        writer.form.reset();
        QCOMPARE(FileBytes(Path("target.rdat")), RadioDataFile::Serialize(DistinctCodeplug(9)));
        // The next transfer needs the new password.
        writer.codeplug.LinkRead = true;
        writer.form = std::make_unique<FormProcess>(writer.codeplug, [] {});
        writer.form->show();
        writer.Press("135790");
        QTRY_VERIFY_WITH_TIMEOUT(writer.Result()->isVisible(), kHangGuardMs);
        QVERIFY(writer.seam.messages.isEmpty());
    }

    // A transfer that does not go through says why once, leaves no success and, having had no
    // good reply, the progress label as the window opened; it can be started again.
    void failuresAreReported_data() {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("againSucceeds");
        QTest::newRow("wrong password") << QStringList{"--password", "111", "--no-pace"} << "222"
                                        << "Password Failure!" << false;
        QTest::newRow("wrong model") << QStringList{"--data-version", "3", "--no-pace"} << ""
                                     << "机型错误,请读取ZR40机器\n当前机型为3" << false;
        // The messages about the port name the device it tried.
        QTest::newRow("retry cancelled") << QStringList{"--bad-checksum", "11"} << ""
                                         << "Check connection!Retry or cancel?\nPort: SIM" << true;
        QTest::newRow("port absent") << QStringList{} << ""
                                     << "Please reselect COM port!\nPort: zr40-absent\nThere is "
                                        "no port /dev/zr40-absent."
                                     << false;
    }
    void failuresAreReported() {
        QFETCH(QStringList, simArguments);
        QFETCH(QString, password);
        Transfer t;
        QVERIFY(t.Open(simArguments, true));
        t.seam.AnswerMessage(QMessageBox::Cancel);
        const Long channels = t.codeplug.ChannelCount;
        t.Press(password);
        QTRY_COMPARE_WITH_TIMEOUT(t.seam.messages.size(), 1, kHangGuardMs);
        QFETCH(QString, text);
        QCOMPARE(t.seam.messages[0].text,
                 QString(text).replace(QStringLiteral("SIM"), t.codeplug.ComPortName));
        QTRY_VERIFY(t.Idle());
        QCOMPARE(t.codeplug.DataVersion, 1);
        QCOMPARE(t.codeplug.ChannelCount, channels);
        QVERIFY(!t.codeplug.PasswordRejected);
        QVERIFY(!t.codeplug.LinkSucceeded);
        QVERIFY(!t.Result()->isVisible());
        QCOMPARE(t.Label(), QStringLiteral("Complete:0%"));
        QFETCH(bool, againSucceeds);
        if (!againSucceeds)
            return;
        t.Press();
        QTRY_VERIFY_WITH_TIMEOUT(t.Result()->isVisible(), kHangGuardMs);
        QCOMPARE(t.seam.messages.size(), 1);
    }

    // The window's own transfer is its default button: Enter in a password box starts it (here
    // on an absent port, which says so). Tab goes from the passwords to it and on to Cancel;
    // Escape closes the window, also with a password typed.
    void keysOfTheWindow_data() {
        QTest::addColumn<bool>("read");
        QTest::addColumn<QStringList>("tabs");
        QTest::newRow("read") << true << QStringList{"TextPassword", "CommandRead", "CommandCancel"};
        QTest::newRow("write") << false
                               << QStringList{"TextPassword", "CheckNewPassword", "TextNewPassword",
                                              "CommandWrite", "CommandCancel"};
    }
    void keysOfTheWindow() {
        QFETCH(bool, read);
        QFETCH(QStringList, tabs);
        Transfer t;
        t.Open({}, read);
        QVERIFY(ShowActive(t.form.get()));
        QVERIFY(t.Control<QPushButton>(qPrintable(tabs[tabs.size() - 2]))->isDefault());
        t.Control("TextPassword")->setFocus();
        for (const QString& name : tabs) {
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClicks(t.Control("TextPassword"), QStringLiteral("123"));
        QTest::keyClick(t.Control("TextPassword"), Qt::Key_Return);
        QCOMPARE(t.seam.messages.size(), 1);
        QVERIFY(t.seam.messages[0].text.startsWith(QStringLiteral("Please reselect COM port!")));
        QTRY_VERIFY(t.Idle());
        QTest::keyClick(t.Control("TextPassword"), Qt::Key_Escape);
        QVERIFY(!t.form->isVisible());
    }

    void traceListComesIntoView() {
        Transfer t;
        QVERIFY(t.Open({"--no-pace"}, true));
        const int height = t.form->height();
        t.Press();
        QTRY_VERIFY_WITH_TIMEOUT(t.Result()->isVisible(), kHangGuardMs);
        auto* list = t.Control<QListWidget>("ListDebug");
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("Low latency: refused")));
        QCOMPARE(list->item(1)->text(), QStringLiteral("TX:55 1 1 0 0 2 AA "));
        QVERIFY(list->geometry().top() >= t.form->height()); // below the visible area
        QTest::keyClick(t.form.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(list->geometry().bottom() < t.form->height());
        QTest::keyClick(t.form.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(t.form->height(), height);
    }

    // Closing clears the window's flags, LinkSucceeded from an earlier window included, and
    // stops a transfer in progress without a message.
    void closingClearsTheFlagsAndStopsTheTransfer() {
        Transfer t;
        QVERIFY(t.sim.Start({"--silent", "100"}));
        t.codeplug.ComPortName = t.sim.device();
        t.codeplug.LinkRead = t.codeplug.LinkSucceeded = true;
        t.codeplug.LinkTune = t.codeplug.PasswordChanged = true;
        t.form = std::make_unique<FormProcess>(t.codeplug, [] {});
        QVERIFY(t.codeplug.ProcessOpen);
        QVERIFY(!t.codeplug.LinkSucceeded);
        t.form->show();
        t.Press();
        QTest::mouseClick(t.Control<QPushButton>("CommandCancel"), Qt::LeftButton);
        QVERIFY(!t.form->isVisible());
        for (bool flag : {t.codeplug.ProcessOpen, t.codeplug.LinkRead, t.codeplug.LinkTune,
                          t.codeplug.PasswordChanged, t.codeplug.LinkSucceeded})
            QVERIFY(!flag);
        QTest::qWait(50);
        QVERIFY(t.seam.messages.isEmpty());
    }
};

QTEST_MAIN(TestFormProcess)
#include "test_form_process.moc"
