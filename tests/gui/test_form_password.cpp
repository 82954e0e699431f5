// The programming password dialogs, the change going through the transfer window to a virtual
// radio that runs in its own process on a pseudo-terminal.

#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "link/ui/form_password.h"
#include "link/ui/form_password_change.h"
#include "link/ui/form_process.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

template <typename T> T* Control(QWidget& form, const char* name) {
    return form.findChild<T*>(QLatin1String(name));
}

void Fill(FormPasswordChange& dialog, const QString& old, const QString& first,
          const QString& second) {
    Control<QLineEdit>(dialog, "TextOldPassword")->setText(old);
    Control<QLineEdit>(dialog, "TextNewPassword0")->setText(first);
    Control<QLineEdit>(dialog, "TextNewPassword1")->setText(second);
}

// A plan with a channel, so that the check before the write has nothing to say; the backup
// step before a write has tests of its own.
Codeplug ChangePlan(const QString& port) {
    Codeplug cp = PageCodeplug();
    cp.ComPortName = port;
    cp.RxFreq[0] = cp.TxFreq[0] = 435000000;
    cp.BackupBeforeWrite = false;
    return cp;
}

QByteArray ImagePassword(const Codeplug& cp) {
    return QByteArray(reinterpret_cast<const char*>(cp.RadioImage.data()) + 752, 6);
}

// What the transfer window showed when it opened, before Write was pressed.
struct Prefilled {
    QString password;
    QString newPassword;
    bool ticked = false;
    bool opened = false;
};

} // namespace

class TestFormPassword : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // Presses Write in the transfer window the change opens, after noting what it was given,
    // and waits until the write has ended.
    static void WriteInTheTransferWindow(Prefilled& seen) {
        RunNextTransfer("CommandWrite", [&seen](FormProcess& form) {
            seen.opened = true;
            seen.password = Control<QLineEdit>(form, "TextPassword")->text();
            seen.newPassword = Control<QLineEdit>(form, "TextNewPassword")->text();
            seen.ticked = Control<QCheckBox>(form, "CheckNewPassword")->isChecked();
        });
    }

    bool RadioOpensWith(const SimProcess& sim, const QString& password) {
        const CliRun run = RunCli({"read", "--port", sim.device(), "--password", password, "-o",
                                   dir_.filePath("check.rdat")});
        return run.finished && run.exitCode == 0;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo::exists(SimProgram()), "zr40-sim must be built");
    }

    // Neither a mismatch nor a cancelled question opens the transfer window; what the image
    // holds after each is the password rules' case (test_tune_rules).
    void mismatchAndCancelChangeNothingOnTheRadio_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("mismatch") << "5679" << int(QMessageBox::Ok)
                                  << "Different between two new passowrds";
        QTest::newRow("cancel") << "5678" << int(QMessageBox::Cancel) << "Change password?";
    }
    void mismatchAndCancelChangeNothingOnTheRadio() {
        QFETCH(QString, second);
        QFETCH(int, answer);
        ScriptedSeam seam;
        seam.AnswerMessage(QMessageBox::StandardButton(answer));
        Codeplug cp = PageCodeplug();
        FormPasswordChange dialog(cp);
        dialog.show();
        Fill(dialog, "1234", "5678", second);
        dialog.CommandOK_Click();
        QCOMPARE(seam.messages.size(), 1);
        QTEST(seam.messages[0].text, "message");
        QVERIFY(dialog.isVisible());
        QVERIFY(!cp.PasswordChanged);
    }

    void wrongOldPassword() {
        SimProcess sim;
        QVERIFY(sim.Start({"--password", "1234", "--no-pace"}));
        ScriptedSeam seam;
        Codeplug cp = ChangePlan(sim.device());
        FormPasswordChange dialog(cp);
        dialog.show();
        Fill(dialog, "1111", "5678", "5678");
        Prefilled seen;
        WriteInTheTransferWindow(seen);
        dialog.CommandOK_Click();
        QVERIFY(seen.opened);
        QCOMPARE(seen.password, QStringLiteral("1111"));
        QCOMPARE(seen.newPassword, QStringLiteral("5678"));
        QVERIFY(seen.ticked);
        QCOMPARE(seam.messages.size(), 3); // the question, the window's own failure, then ours
        QCOMPARE(seam.messages[1].text, QStringLiteral("Password Failure!"));
        QCOMPARE(seam.messages[2].text, QStringLiteral("Wrong old password"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(cp.ProgramPassword, QStringLiteral("1111"));
        QVERIFY(RadioOpensWith(sim, "1234"));
    }

    void successLeavesOnlyTheNewPassword() {
        SimProcess sim;
        QVERIFY(sim.Start({"--password", "1234", "--no-pace"}));
        ScriptedSeam seam;
        Codeplug cp = ChangePlan(sim.device());
        cp.IsEnglish = false;
        cp.ProgramPassword = QStringLiteral("ab");
        FormPassword password(cp);
        Prefilled seen;
        OnNextModal([&](QWidget* modal) {
            auto* change = qobject_cast<FormPasswordChange*>(modal);
            QVERIFY(change);
            Fill(*change, "1234", "5678", "5678");
            WriteInTheTransferWindow(seen);
            change->CommandOK_Click();
            QVERIFY(!change->isVisible()); // closed once the radio took it
        });
        QTest::mouseClick(Control<QPushButton>(password, "CommandChange"), Qt::LeftButton);
        QVERIFY(seen.opened);
        QCOMPARE(seam.messages.last().text, QStringLiteral("修改密码成功"));
        QCOMPARE(cp.ProgramPassword, QStringLiteral("5678"));
        QCOMPARE(Control<QLineEdit>(password, "TextPassword")->text(), QStringLiteral("5678"));
        QCOMPARE(password.OpenedWith(), QStringLiteral("ab"));
        QCOMPARE(ImagePassword(cp), QByteArray("5678\xFF\xFF"));
        QVERIFY(!RadioOpensWith(sim, "1234"));
        QVERIFY(RadioOpensWith(sim, "5678"));
    }

    // The transfer window's box unticked there: the radio keeps its password, which is no change.
    void writeWithoutTheNewPasswordIsNoChange() {
        SimProcess sim;
        QVERIFY(sim.Start({"--no-pace"}));
        ScriptedSeam seam;
        Codeplug cp = ChangePlan(sim.device());
        FormPasswordChange dialog(cp);
        dialog.show();
        Fill(dialog, "", "42", "42");
        RunNextTransfer("CommandWrite", [](FormProcess& form) {
            Control<QCheckBox>(form, "CheckNewPassword")->setChecked(false);
        });
        dialog.CommandOK_Click();
        QCOMPARE(seam.messages.size(), 1); // only the question
        QVERIFY(dialog.isVisible());
        QVERIFY(RadioOpensWith(sim, "7")); // still without a password: any entry opens it
    }

    void passwordDialog_data() {
        QTest::addColumn<bool>("processOpen");
        QTest::addColumn<bool>("checkOnly");
        QTest::newRow("plain") << false << false;
        QTest::newRow("transfer window open") << true << false;
        QTest::newRow("check only") << false << true;
    }
    void passwordDialog() {
        QFETCH(bool, processOpen);
        QFETCH(bool, checkOnly);
        Codeplug cp = PageCodeplug();
        cp.ProcessOpen = processOpen;
        cp.PasswordCheckOnly = checkOnly;
        cp.ProgramPassword = QStringLiteral("12");
        FormPassword dialog(cp);
        dialog.show();
        auto* change = Control<QPushButton>(dialog, "CommandChange");
        QCOMPARE(change->isVisible(), !processOpen && !checkOnly);
        auto* box = Control<QLineEdit>(dialog, "TextPassword");
        QCOMPARE(box->text(), QStringLiteral("12"));
        box->setFocus();
        box->selectAll();
        TypeText(box, QString::fromUtf8("a中b12345"));
        QCOMPARE(box->text(), QStringLiteral("ab1234"));
        QTest::mouseClick(Control<QPushButton>(dialog, "CommandCancel"), Qt::LeftButton);
        QCOMPARE(cp.ProgramPassword, QStringLiteral("12"));
        QCOMPARE(cp.PasswordCancelled, checkOnly);
        FormPassword again(cp);
        Control<QLineEdit>(again, "TextPassword")->setText(QStringLiteral("xyz"));
        QTest::mouseClick(Control<QPushButton>(again, "CommandOK"), Qt::LeftButton);
        QCOMPARE(cp.ProgramPassword, QStringLiteral("xyz"));
    }
};

QTEST_MAIN(TestFormPassword)
#include "test_form_password.moc"
