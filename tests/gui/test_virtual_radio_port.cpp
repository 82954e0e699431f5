#include "gui_support.h"

#include "codeplug/radio_data_file.h"
#include "codeplug/settings_store.h"
#include "link/ui/form_process.h"
#include "shell/form_com_port.h"
#include "shell/mdi_form_main.h"
#include "shell/virtual_radio_process.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace zr40;

// "Virtual radio (demo)" in the serial port dialog: zr40-sim started by the program, read and
// written through the transfer window like a radio, stopped when another port is chosen or the
// program ends, its memory kept in the data folder between runs.
class TestVirtualRadioPort : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TemporarySettings> settings_;
    std::unique_ptr<test::ScriptedSeam> seam_;
    QTemporaryDir data_;
    Codeplug codeplug_;
    std::unique_ptr<MDIFormMain> window_;

    MDIFormMain& Window(bool english = true) {
        if (!window_) {
            codeplug_ = test::PageCodeplug();
            window_ = std::make_unique<MDIFormMain>(codeplug_);
            codeplug_.IsEnglish = english; // the start-up took the saved language
            window_->ApplyLanguage();
            window_->Settings().SetPortSource([] { return QStringList{"ttyS0"}; });
            window_->VirtualRadio().SetProgram(QStringLiteral(ZR40_BINARY_DIR "/zr40-sim"));
        }
        return *window_;
    }

    struct DialogSeen {
        QStringList items;
        bool noteShown = false;
        QString note;
    };
    // Picks `item` in the port dialog and presses OK or Cancel.
    DialogSeen ChoosePort(const QString& item, bool ok) {
        DialogSeen seen;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<FormComPort*>(modal);
            QVERIFY(dialog);
            for (int i = 0; i < dialog->ComboCom()->count(); ++i)
                seen.items << dialog->ComboCom()->itemText(i);
            QVERIFY(seen.items.contains(item));
            dialog->ComboCom()->setCurrentIndex(seen.items.indexOf(item));
            if (QLabel* note = dialog->LabelVirtualRadio()) {
                seen.noteShown = note->isVisibleTo(dialog);
                seen.note = note->text();
            }
            (ok ? dialog->CommandOK() : dialog->CommandCancel())->click();
        });
        Window().Settings().SetCom();
        return seen;
    }

    // Runs a read or a write in the transfer window; the result text it showed.
    QString Transfer(bool read) {
        QString result;
        test::OnNextModal([&](QWidget* modal) {
            auto* form = qobject_cast<FormProcess*>(modal);
            QVERIFY(form);
            QCOMPARE(form->Reading(), read); // the main window opens it the way asked
            form->findChild<QPushButton*>(read ? "CommandRead" : "CommandWrite")->click();
            auto* shown = form->findChild<QLabel*>("TextShow");
            QTRY_VERIFY_WITH_TIMEOUT(shown->isVisible(), 60000);
            result = shown->text();
        });
        read ? Window().Transfers().ReadFromRadio() : Window().Transfers().WriteToRadio();
        return result;
    }

private slots:
    void initTestCase() {
        QVERIFY(QFileInfo::exists(ZR40_BINARY_DIR "/zr40-sim"));
        settings_ = std::make_unique<test::TemporarySettings>();
        QVERIFY(data_.isValid());
        // The settings' test mode puts the data folder under the home folder.
        qputenv("HOME", data_.path().toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("NQ"));
        QCoreApplication::setApplicationName(QStringLiteral("ZR40"));
        QVERIFY(VirtualRadioProcess::MemoryFile().startsWith(data_.path()));
    }
    void init() { seam_ = std::make_unique<test::ScriptedSeam>(); }
    void cleanup() {
        window_.reset();
        seam_.reset(); // before the next one installs itself
    }

    void readEditAndWriteTheVirtualRadio() {
        SettingsStore().WriteText(QStringLiteral("ComPort"), QStringLiteral("ttyS0"));
        SettingsStore().WriteBand({400, 480}); // a band chosen: the check has nothing to say
        const DialogSeen seen = ChoosePort(QStringLiteral("Virtual radio (demo)"), true);
        QCOMPARE(seen.items, QStringList({"ttyS0", "Virtual radio (demo)"}));
        QVERIFY(seen.noteShown);
        QVERIFY(seen.note.contains(QStringLiteral("without a password")));
        VirtualRadioProcess& radio = Window().VirtualRadio();
        QVERIFY(radio.Running());
        QCOMPARE(codeplug_.ComPortName, radio.Device());
        QCOMPARE(Window().StatusText(2), QStringLiteral("COM Virtual radio (demo)"));
        // A pseudo-terminal's name is no port for the next run.
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("ComPort")), QStringLiteral("ttyS0"));

        Codeplug factory;
        factory.ApplyNewDefaults();
        codeplug_.RxFreq[0] = 0;
        QCOMPARE(Transfer(true), QStringLiteral("Read Data OK"));
        QCOMPARE(codeplug_.RxFreq[0], factory.RxFreq[0]); // the radio's factory memory came in
        codeplug_.LocalID = 0x812345;
        codeplug_.RxFreq[2] = 438512500;
        codeplug_.BackupBeforeWrite = false; // the steps before a write have tests of their own
        QCOMPARE(Transfer(false), QStringLiteral("Verified"));
        Codeplug kept;
        QVERIFY(RadioDataFile::ReadFromFile(VirtualRadioProcess::MemoryFile(), kept).ok());
        QCOMPARE(kept.LocalID, Long(0x812345));
        QCOMPARE(kept.RxFreq[2], Long(438512500));

        // While in use it is preselected, and Cancel keeps it.
        const QString device = radio.Device();
        QString preselected;
        test::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<FormComPort*>(modal);
            preselected = dialog->ComboCom()->currentText();
            dialog->CommandCancel()->click();
        });
        Window().Settings().SetCom();
        QCOMPARE(preselected, QStringLiteral("Virtual radio (demo)"));
        QCOMPARE(codeplug_.ComPortName, device);
        QVERIFY(radio.Running());

        ChoosePort(QStringLiteral("ttyS0"), true);
        QVERIFY(!radio.Running());
        QCOMPARE(codeplug_.ComPortName, QStringLiteral("ttyS0"));
        QTRY_VERIFY(!QFileInfo::exists(device)); // the pseudo-terminal is gone
        QVERIFY(seam_->messages.isEmpty());
    }

    // A new start serves the memory a former run left; ending the program stops the radio.
    void nextRunReadsItBackAndTheEndStopsIt() {
        Codeplug left = test::PageCodeplug();
        left.ApplyNewDefaults();
        left.LocalID = 0x812345;
        QVERIFY(QDir().mkpath(QFileInfo(VirtualRadioProcess::MemoryFile()).path()));
        QVERIFY(RadioDataFile::WriteToFile(VirtualRadioProcess::MemoryFile(), left).ok());
        ChoosePort(QStringLiteral("Virtual radio (demo)"), true);
        codeplug_.LocalID = 0;
        QCOMPARE(Transfer(true), QStringLiteral("Read Data OK"));
        QCOMPARE(codeplug_.LocalID, Long(0x812345));
        const QString device = Window().VirtualRadio().Device();
        seam_->AnswerMessage(QMessageBox::Discard); // what was read is in no file yet
        QVERIFY(Window().close());
        QVERIFY(!Window().VirtualRadio().Running());
        QTRY_VERIFY(!QFileInfo::exists(device));
    }

    void cancelStartsNothingInEitherLanguage() {
        Window(false);
        const QString before = codeplug_.ComPortName;
        ChoosePort(QString::fromUtf8("虚拟对讲机（演示）"), false); // offered in Chinese too
        QVERIFY(!Window().VirtualRadio().Running());
        QCOMPARE(codeplug_.ComPortName, before);
    }

    void notOfferedWithoutTheSimulator() {
        Window().VirtualRadio().SetProgram(data_.filePath("zr40-sim"));
        const DialogSeen seen = ChoosePort(QStringLiteral("ttyS0"), false);
        QCOMPARE(seen.items, QStringList{"ttyS0"});
        QVERIFY(seen.note.isEmpty());
    }
};

QTEST_MAIN(TestVirtualRadioPort)
#include "test_virtual_radio_port.moc"
