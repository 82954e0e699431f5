#include "gui_support.h"
#include "shell/change_tracker.h"
#include "shell/form_welcome.h"
#include "shell/port_choice.h"
#include "shell/start_options.h"
#include "widgets/help_window.h"
#include "widgets/interactive_seam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace zr40;

// The shell's rules that need no window (port order and choice, the command line, change
// tracking) and its windows that need no main window (the interactive seam, help, the splash).
class TestShell : public QObject {
    Q_OBJECT
private slots:
    void naturalPortOrder() {
        QCOMPARE(PortChoice::Sorted({"ttyS10", "ttyUSB1", "ttyS2", "ttyACM0", "ttyUSB0"}),
                 QStringList({"ttyACM0", "ttyS2", "ttyS10", "ttyUSB0", "ttyUSB1"}));
        QCOMPARE(PortChoice::Sorted({"COM10", "COM3", "", "COM3", "COM1"}),
                 QStringList({"COM1", "COM3", "COM10"}));
        QCOMPARE(PortChoice::Sorted({"ttyS1x", "ttyS1"}), QStringList({"ttyS1", "ttyS1x"}));
        QCOMPARE(PortChoice::SettingText(QStringLiteral("COM10")), QStringLiteral("10"));
        QCOMPARE(PortChoice::SettingText(QStringLiteral(" /dev/pts/4 ")),
                 QStringLiteral("/dev/pts/4"));
    }

    // The port in use, compared as the device it opens, else the first; nothing changes yet.
    void preselection_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("index");
        QTest::newRow("com present") << QStringList{"COM1", "COM3"} << "" << 3 << 1;
        QTest::newRow("com absent") << QStringList{"COM1", "COM2"} << "" << 5 << 0;
        QTest::newRow("device present") << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0" << 1 << 1;
        QTest::newRow("device absent") << QStringList{"ttyS0", "ttyUSB0"} << "ttyACM0" << 1 << 0;
        QTest::newRow("path of a listed device")
            << QStringList{"ttyS0", "ttyUSB0"} << "/dev/ttyUSB0" << 1 << 1;
#ifndef Q_OS_WIN
        QTest::newRow("number opens ttyS2") << QStringList{"ttyS0", "ttyS2"} << "" << 3 << 1;
#endif
        QTest::newRow("nothing present") << QStringList{} << "ttyACM0" << 4 << -1;
    }
    void preselection() {
        QFETCH(QStringList, items);
        QFETCH(QString, name);
        QFETCH(int, number);
        Codeplug codeplug;
        codeplug.ComPortName = name;
        codeplug.ComPortNumber = static_cast<std::int16_t>(number);
        QTEST(PortChoice::Preselect(items, codeplug), "index");
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("splash");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("failed");
        QTest::newRow("port") << QStringList{"zr40cps", "--port", "/dev/pts/3"} << "/dev/pts/3"
                              << true << "" << false;
        QTest::newRow("no splash")
            << QStringList{"zr40cps", "--no-splash"} << "" << false << "" << false;
        QTest::newRow("unknown") << QStringList{"zr40cps", "--fast"} << "" << true << "" << true;
        // As a file manager starts it (Exec=zr40cps %f), or as --open.
        QTest::newRow("file") << QStringList{"zr40cps", "a.rdat"} << "" << true << "a.rdat"
                              << false;
        QTest::newRow("--open") << QStringList{"zr40cps", "--open", "b.rdat"} << "" << true
                                << "b.rdat" << false;
        QTest::newRow("two files")
            << QStringList{"zr40cps", "a.rdat", "b.rdat"} << "" << true << "" << true;
        QTest::newRow("file and --open")
            << QStringList{"zr40cps", "--open", "a.rdat", "b.rdat"} << "" << true << "" << true;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, failed);
        const StartOptions options = StartOptions::Parse(arguments);
        QTEST(options.port, "port");
        QTEST(options.splash, "splash");
        if (!failed)
            QTEST(options.openFile, "file");
        QCOMPARE(!options.error.isEmpty(), failed);
    }

    // Without any display, as on a server or in a package check: the options are read before
    // the GUI starts.
    void helpAndVersionNeedNoDisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << "--help" << 0 << "--service";
        QTest::newRow("version") << "--version" << 0 << "zr40cps " ZR40_VERSION;
        QTest::newRow("unknown option") << "--fast" << 2 << "Unknown option 'fast'";
    }
    void helpAndVersionNeedNoDisplay() {
        QFETCH(QString, option);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZR40_BINARY_DIR "/zr40cps"), {option});
        QVERIFY(process.waitForFinished(10000));
        QTEST(process.exitCode(), "exitCode");
        const QString printed =
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        QFETCH(QString, output);
        QVERIFY2(printed.contains(output), qPrintable(printed));
    }

    // Started where no window can be shown: it says so and names the command that works there,
    // never Qt's abort. A DISPLAY that names no server is no display either.
    void withoutADisplayItSaysSo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("said");
        QTest::newRow("plain") << QStringList{} << ""
                               << "需要图形显示";
        QTest::newRow("a file, in English") << QStringList{"--lang", "en", "plan.rdat"} << ""
                                            << "needs a graphical display";
        QTest::newRow("display of no server") << QStringList{"--lang", "en"} << ":97"
                                              << "needs a graphical display";
    }
    void withoutADisplayItSaysSo() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QTemporaryDir config;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZR40_BINARY_DIR "/zr40cps"), arguments);
        QVERIFY(process.waitForFinished(30000));
        const QString printed = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QFETCH(QString, said);
        QVERIFY2(printed.contains(said) && printed.contains(QStringLiteral("'zr40 --help'")),
                 qPrintable(printed));
    }

    void trackerSeesEveryFileValue() {
        Codeplug codeplug;
        codeplug.ApplyStartupDefaults();
        ChangeTracker tracker;
        QVERIFY(tracker.IsModified(codeplug)); // nothing saved yet
        tracker.MarkSaved(codeplug);
        QVERIFY(!tracker.IsModified(codeplug));
        codeplug.RxListEntry[63] = 0x800001;
        QVERIFY(tracker.IsModified(codeplug));
        codeplug.RxListEntry[63] = -1;
        codeplug.ResetRxList(7);
        tracker.MarkSaved(codeplug);
        // Values the file does not hold are no change.
        codeplug.BandLower = 400;
        codeplug.RadioImage[10] = 1;
        QVERIFY(!tracker.IsModified(codeplug));
        tracker.MarkUnsaved();
        QVERIFY(tracker.IsModified(codeplug));
    }

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

    void fileDialogsAddTheSuffixAndOpenOnlyWhatExists() {
        QTemporaryDir dir;
        InteractiveSeam seam;
        bool mustExist = false;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            dialog->setDirectory(dir.path());
            dialog->selectFile(QStringLiteral("plan"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(seam.FileDialog(nullptr, false, QStringLiteral("Save"), {}, {}, "rdat"),
                 dir.filePath(QStringLiteral("plan.rdat")));
        test::OnNextModal([&](QWidget* modal) {
            mustExist = qobject_cast<QFileDialog*>(modal)->fileMode() == QFileDialog::ExistingFile;
        });
        QVERIFY(seam.FileDialog(nullptr, true, QStringLiteral("Open"), {}, {}, "rdat").isEmpty());
        QVERIFY(mustExist);
    }

    void everyPageTopicHasAPageInBothLanguages() {
        for (const char* topic :
             {"general.htm", "chinfo.htm", "chEdit.htm", "optfeatures.htm", "rxlist.htm",
              "keyassign.htm", "embmsg.htm", "tune.htm", "password.htm"}) {
            for (bool english : {true, false}) {
                QFile page(QLatin1Char(':') + HelpWindow::TopicUrl(topic, english).path());
                QVERIFY2(page.open(QIODevice::ReadOnly), topic);
                // Links between pages stay within the same language's pages.
                QVERIFY(!page.readAll().contains("href=\"http"));
            }
        }
        auto* window = new HelpWindow; // closes itself for good
        window->ShowTopic(QStringLiteral("chinfo.htm"), false);
        QVERIFY(
            window->findChild<QTextBrowser*>()->toPlainText().contains(QStringLiteral("信道信息")));
        // Escape closes it, as it closes a dialog.
        QPointer<HelpWindow> shown(window);
        QTest::keyClick(window->findChild<QTextBrowser*>(), Qt::Key_Escape);
        QTRY_VERIFY(!shown);
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
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
