#include "gui_support.h"

#include "shell/help_window.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

using namespace zr40;

class TestShellSeam : public QObject {
    Q_OBJECT
private slots:
    void scriptedSeamAnswersInOrder();
    void scriptedSeamDefaultsToOk();
    void temporarySettingsStayPrivate();
    void helpTopicsResolveInBothLanguages();
};

void TestShellSeam::scriptedSeamAnswersInOrder() {
    test::ScriptedSeam seam;
    seam.AnswerMessage(QMessageBox::Cancel);
    seam.AnswerFile(QStringLiteral("/tmp/a.rdat"));
    QCOMPARE(&UiSeam::Instance(), &seam);
    QCOMPARE(UiSeam::Instance().Message(nullptr, QMessageBox::Warning, "T", "X",
                                        QMessageBox::Ok | QMessageBox::Cancel),
             QMessageBox::Cancel);
    QCOMPARE(UiSeam::Instance().FileDialog(nullptr, true, "Open", {}, {}, {}),
             QStringLiteral("/tmp/a.rdat"));
    QVERIFY(UiSeam::Instance().FileDialog(nullptr, true, "Open", {}, {}, {}).isEmpty());
    QCOMPARE(seam.messages.size(), 1);
    QCOMPARE(seam.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(seam.fileDialogs.size(), 2);
}

void TestShellSeam::scriptedSeamDefaultsToOk() {
    test::ScriptedSeam seam;
    QCOMPARE(seam.Message(nullptr, QMessageBox::Critical, "T", "X",
                          QMessageBox::Ok | QMessageBox::Cancel),
             QMessageBox::Ok);
    QCOMPARE(seam.Message(nullptr, QMessageBox::Critical, "T", "X",
                          QMessageBox::Retry | QMessageBox::Cancel),
             QMessageBox::Retry);
}

void TestShellSeam::temporarySettingsStayPrivate() {
    test::TemporarySettings settings;
    QSettings store(QStringLiteral("NQ"), QStringLiteral("ZR40"));
    store.setValue(QStringLiteral("Probe"), QStringLiteral("1"));
    store.sync();
    QVERIFY2(store.fileName().startsWith(settings.path()), qPrintable(store.fileName()));
}

void TestShellSeam::helpTopicsResolveInBothLanguages() {
    QCOMPARE(HelpWindow::TopicUrl(QStringLiteral("general.htm"), true).toString(),
             QStringLiteral("qrc:/help/en/general.htm"));
    QCOMPARE(HelpWindow::TopicUrl(QStringLiteral("general.htm"), false).toString(),
             QStringLiteral("qrc:/help/zh/general.htm"));
    // A topic without a page of its own opens the general page rather than an empty window.
    QCOMPARE(HelpWindow::TopicUrl(QStringLiteral("Scan/Scan.htm"), true).toString(),
             QStringLiteral("qrc:/help/en/general.htm"));
}

QTEST_MAIN(TestShellSeam)
#include "test_shell_seam.moc"
