#include "gui_support.h"

#include "shell/form_welcome.h"
#include "widgets/help_window.h"
#include "widgets/interactive_seam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace zr40;

// The interactive seam (real message boxes and file dialogs), the help window, the splash and
// the private settings folder the window tests rely on.
class TestShellWindows : public QObject {
    Q_OBJECT
private slots:
    void messageButtonsSpeakTheInterfaceLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("chinese") << false << QStringList{"确定", "取消"};
        QTest::newRow("english") << true << QStringList{"OK", "Cancel"};
    }
    void messageButtonsSpeakTheInterfaceLanguage() {
        QFETCH(bool, english);
        QFETCH(QStringList, buttons);
        InteractiveSeam seam;
        InteractiveSeam::SetEnglish(english);
        QStringList texts;
        test::OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            texts << box->button(QMessageBox::Ok)->text()
                  << box->button(QMessageBox::Cancel)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        const auto answer =
            seam.Message(nullptr, QMessageBox::Warning, QStringLiteral("ZR40"),
                         QStringLiteral("覆盖当前数据？"), QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(answer, QMessageBox::Cancel);
        QCOMPARE(texts, buttons);
    }

    void fileDialogs() {
        QTemporaryDir dir;
        InteractiveSeam seam;
        const QStringList filters = {"Radio data file(*.rdat)", "All file(*.*)"};
        QStringList shownFilters;
        bool saving = false;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            shownFilters = dialog->nameFilters();
            saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            dialog->setDirectory(dir.path());
            dialog->selectFile(QStringLiteral("plan"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(seam.FileDialog(nullptr, false, QStringLiteral("另存为"), {}, filters, "rdat"),
                 dir.filePath(QStringLiteral("plan.rdat"))); // the suffix is added
        QCOMPARE(shownFilters, filters);
        QVERIFY(saving);

        bool mustExist = false;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            mustExist = dialog->fileMode() == QFileDialog::ExistingFile;
            dialog->reject();
        });
        QVERIFY(
            seam.FileDialog(nullptr, true, QStringLiteral("Open"), {}, filters, "rdat").isEmpty());
        QVERIFY(mustExist);
    }

    void everyPageTopicHasAPageInBothLanguages() {
        for (const char* topic :
             {"general.htm", "chinfo.htm", "chEdit.htm", "optfeatures.htm", "rxlist.htm",
              "keyassign.htm", "embmsg.htm", "tune.htm", "password.htm"}) {
            for (bool english : {true, false}) {
                const QUrl url = HelpWindow::TopicUrl(QString::fromLatin1(topic), english);
                QVERIFY2(url.toString().endsWith(QLatin1Char('/') + QLatin1String(topic)),
                         qPrintable(url.toString()));
                QFile page(QLatin1Char(':') + url.path());
                QVERIFY2(page.open(QIODevice::ReadOnly), topic);
                const QString html = QString::fromUtf8(page.readAll());
                QVERIFY(html.contains(QStringLiteral("<h1>")));
                // Links between pages stay within the same language's pages.
                QVERIFY(!html.contains(QStringLiteral("href=\"http")));
            }
        }
        for (bool english : {true, false}) {
            HelpWindow window;
            window.ShowTopic(QStringLiteral("chinfo.htm"), english);
            QVERIFY(window.isVisible());
            QVERIFY(window.CurrentSource().toString().endsWith(QStringLiteral("/chinfo.htm")));
            QVERIFY(window.findChild<QTextBrowser*>()->toPlainText().contains(
                english ? QStringLiteral("Channel Information") : QStringLiteral("信道信息")));
        }
        // A topic in a sub-folder finds its page; one without a page of its own opens the
        // general page rather than an empty window.
        QCOMPARE(HelpWindow::TopicUrl(QStringLiteral("Scan/Scan.htm"), false).toString(),
                 QStringLiteral("qrc:/help/zh/Scan.htm"));
        QCOMPARE(HelpWindow::TopicUrl(QStringLiteral("Local/Local.htm"), true).toString(),
                 QStringLiteral("qrc:/help/en/general.htm"));
    }

    void splashHandsOverAndCloses() {
        auto* splash = new FormWelcome;
        QPointer<FormWelcome> alive(splash);
        QSignalSpy finished(splash, &FormWelcome::finished);
        splash->show();
        QVERIFY(finished.wait(10000));
        QTRY_VERIFY(!alive); // closes itself and is deleted
    }

    void temporarySettingsStayPrivate() {
        test::TemporarySettings settings;
        QSettings store(QStringLiteral("NQ"), QStringLiteral("ZR40"));
        store.setValue(QStringLiteral("Probe"), QStringLiteral("1"));
        store.sync();
        QVERIFY2(store.fileName().startsWith(settings.path()), qPrintable(store.fileName()));
    }
};

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"
