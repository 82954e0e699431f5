#include "gui_support.h"

#include "shell/form_welcome.h"
#include "shell/help_window.h"
#include "shell/interactive_seam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace zr40;

// The interactive seam (real message boxes and file dialogs), the help window and the splash.
class TestShellWindows : public QObject {
    Q_OBJECT
private slots:
    void messageButtonsSpeakTheInterfaceLanguage_data();
    void messageButtonsSpeakTheInterfaceLanguage();
    void saveDialogOffersFiltersAndSuffix();
    void openDialogCancelledGivesNoPath();
    void helpWindowShowsTheTopicInEachLanguage_data();
    void helpWindowShowsTheTopicInEachLanguage();
    void everyPageTopicHasAPageInBothLanguages_data();
    void everyPageTopicHasAPageInBothLanguages();
    void splashHandsOverAndCloses();
};

void TestShellWindows::messageButtonsSpeakTheInterfaceLanguage_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("chinese") << false << "确定"
                             << "取消";
    QTest::newRow("english") << true << "OK"
                             << "Cancel";
}

void TestShellWindows::messageButtonsSpeakTheInterfaceLanguage() {
    QFETCH(bool, english);
    QFETCH(QString, ok);
    QFETCH(QString, cancel);
    InteractiveSeam seam;
    InteractiveSeam::SetEnglish(english);
    QStringList texts;
    QString title;
    test::OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        title = box->windowTitle();
        texts << box->button(QMessageBox::Ok)->text() << box->button(QMessageBox::Cancel)->text();
        box->button(QMessageBox::Cancel)->click();
    });
    const auto answer =
        seam.Message(nullptr, QMessageBox::Warning, QStringLiteral("ZR40"),
                     QStringLiteral("覆盖当前数据？"), QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(answer, QMessageBox::Cancel);
    QCOMPARE(title, QStringLiteral("ZR40"));
    QCOMPARE(texts, QStringList({ok, cancel}));
}

void TestShellWindows::saveDialogOffersFiltersAndSuffix() {
    QTemporaryDir dir;
    InteractiveSeam seam;
    const QStringList filters = {"Radio data file(*.rdat)", "All file(*.*)"};
    QStringList shownFilters;
    QString suffix;
    bool saving = false;
    test::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        shownFilters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
        dialog->setDirectory(dir.path());
        dialog->selectFile(QStringLiteral("plan"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString path =
        seam.FileDialog(nullptr, false, QStringLiteral("另存为"), QString(), filters, "rdat");
    QCOMPARE(shownFilters, filters);
    QCOMPARE(suffix, QStringLiteral("rdat"));
    QVERIFY(saving);
    QCOMPARE(path, dir.filePath(QStringLiteral("plan.rdat")));
}

void TestShellWindows::openDialogCancelledGivesNoPath() {
    InteractiveSeam seam;
    bool mustExist = false;
    test::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        mustExist = dialog->fileMode() == QFileDialog::ExistingFile;
        dialog->reject();
    });
    QVERIFY(
        seam.FileDialog(nullptr, true, QStringLiteral("Open"), QString(), {"All file(*.*)"}, "rdat")
            .isEmpty());
    QVERIFY(mustExist);
}

void TestShellWindows::helpWindowShowsTheTopicInEachLanguage_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("heading");
    QTest::newRow("english") << true << "Channel Information";
    QTest::newRow("chinese") << false << "信道信息";
}

void TestShellWindows::helpWindowShowsTheTopicInEachLanguage() {
    QFETCH(bool, english);
    QFETCH(QString, heading);
    HelpWindow window;
    window.ShowTopic(QStringLiteral("chinfo.htm"), english);
    QVERIFY(window.isVisible());
    QVERIFY(window.CurrentSource().toString().endsWith(QStringLiteral("/chinfo.htm")));
    auto* browser = window.findChild<QTextBrowser*>();
    QVERIFY(browser->toPlainText().contains(heading));
}

void TestShellWindows::everyPageTopicHasAPageInBothLanguages_data() {
    QTest::addColumn<QString>("topic");
    for (const char* topic :
         {"general.htm", "chinfo.htm", "chEdit.htm", "optfeatures.htm", "rxlist.htm"})
        QTest::newRow(topic) << QString::fromLatin1(topic);
}

void TestShellWindows::everyPageTopicHasAPageInBothLanguages() {
    QFETCH(QString, topic);
    for (bool english : {true, false}) {
        const QUrl url = HelpWindow::TopicUrl(topic, english);
        QVERIFY2(url.toString().endsWith(QLatin1Char('/') + topic), qPrintable(url.toString()));
        QFile page(QLatin1Char(':') + url.path());
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        QVERIFY(html.contains(QStringLiteral("<h1>")));
        // Links between pages stay within the same language's pages.
        QVERIFY(!html.contains(QStringLiteral("href=\"http")));
    }
}

void TestShellWindows::splashHandsOverAndCloses() {
    auto* splash = new FormWelcome;
    QPointer<FormWelcome> alive(splash);
    QSignalSpy finished(splash, &FormWelcome::finished);
    splash->show();
    QVERIFY(finished.wait(10000));
    QTRY_VERIFY(!alive); // closes itself and is deleted
}

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"
