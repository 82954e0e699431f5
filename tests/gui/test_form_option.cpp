#include "functions/ui/form_option.h"
#include "gui_support.h"
#include "shell/key_filter_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <memory>

using namespace zr40;

class TestFormOption : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormOption> page;

    void Open() {
        page = std::make_unique<FormOption>(cp);
        page->show();
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
    }
    template <typename T> T* Child(const QString& name) const {
        T* child = page->findChild<T*>(name);
        if (!child)
            qWarning() << "no control" << name;
        return child;
    }
    QComboBox* Combo(const QString& name) const { return Child<QComboBox>(name); }
    void Pick(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Pick(const QString& name, const QString& item) {
        QComboBox* combo = Combo(name);
        const int index = combo->findText(item);
        QVERIFY2(index >= 0, qPrintable(name + ": " + item));
        Pick(combo, index);
    }
    void EnterLocalId(const QString& text) {
        KeyFilterEdit* box = Child<KeyFilterEdit>(QStringLiteral("TextLocalID"));
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    void init() {
        cp = Codeplug();
        cp.ApplyStartupDefaults();
        cp.ResetApplicationState();
        cp.IsEnglish = true;
        seam = std::make_unique<test::ScriptedSeam>();
    }
    void cleanup() {
        page.reset();
        seam.reset();
    }

    void captions_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("voiceLabel");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("firstKey");
        QTest::addColumn<QString>("voiceItem");
        QTest::newRow("english") << true << "Function Setup"
                                 << "Voice Prompt"
                                 << "Key Defines"
                                 << "PF1 Short"
                                 << "Chinese";
        QTest::newRow("chinese") << false << "功能设定"
                                 << "提示音"
                                 << "按键定义"
                                 << "侧键1短按"
                                 << "中文";
    }
    void captions() {
        QFETCH(bool, english);
        QFETCH(QString, caption);
        QFETCH(QString, voiceLabel);
        QFETCH(QString, frame);
        QFETCH(QString, firstKey);
        QFETCH(QString, voiceItem);
        cp.IsEnglish = english;
        Open();
        QCOMPARE(page->windowTitle(), caption);
        QCOMPARE(Child<QLabel>(QStringLiteral("LabelVoice"))->text(), voiceLabel);
        QCOMPARE(Child<QGroupBox>(QStringLiteral("FrameKeeyDefine"))->title(), frame);
        QCOMPARE(Child<QLabel>(QStringLiteral("LabelKeyDefine0"))->text(), firstKey);
        QCOMPARE(Child<QLabel>(QStringLiteral("LabelKeyDefine7"))->text(), QStringLiteral("8"));
        QCOMPARE(Combo(QStringLiteral("ComboVoice"))->itemText(1), voiceItem);
        QCOMPARE(Combo(QStringLiteral("ComboTOT"))->count(), 41);
        QCOMPARE(Combo(QStringLiteral("ComboVoxDelay"))->count(), 30);
        QCOMPARE(Combo(QStringLiteral("ComboSleepPoint"))->count(), 1000);
        QCOMPARE(Child<QCheckBox>(QStringLiteral("CheckTail"))->text(),
                 english ? QStringLiteral("Eliminate Squelch Tail When No CTCSS/DCS Signaling")
                         : QString::fromUtf8("无信令消除尾音"));
        QCOMPARE(page->CommandNumber(), 1001);
        QVERIFY(cp.OptionOpen);
        page.reset();
        QVERIFY(!cp.OptionOpen);
    }

    void onlyTheRadiosSettingsAreShown() {
        Open();
        for (const char* name :
             {"TextLocalID", "ComboVoice", "ComboTOT", "ComboVoxLevel", "ComboVoxDelay",
              "ComboSave", "ComboKeyDefine0", "ComboKeyDefine3"})
            QVERIFY2(page->findChild<QWidget*>(QString::fromLatin1(name))->isVisible(), name);
        for (const char* name : {"ComboKeyDefine4", "ComboKeyMethod", "CheckTail", "ComboSQ",
                                 "TextSleepPoint0", "TextVoltageUpper7", "CheckRoger"}) {
            QWidget* widget = page->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(widget, name);
            QVERIFY2(!widget->isVisible(), name);
        }
    }

    void loadShowsAndRepairs() {
        cp.LocalID = 0x1234AB;
        cp.VoicePrompt = 7;
        cp.OptionTOT = 20;
        cp.VoxLevel = 11;
        cp.VoxDelay = 150;
        cp.IdleTime[0] = 15;
        cp.KeyDefine = {};
        cp.KeyDefine[0] = 2;  // Monitor Instant, short press
        cp.KeyDefine[1] = 2;  // not offered on a long press
        cp.KeyDefine[2] = 3;  // never written
        cp.KeyDefine[3] = 12; // Denoise Switch
        Open();
        QCOMPARE(Child<KeyFilterEdit>(QStringLiteral("TextLocalID"))->text(),
                 QStringLiteral("1234AB"));
        QCOMPARE(Combo(QStringLiteral("ComboVoice"))->currentText(), QStringLiteral("English"));
        QCOMPARE(cp.VoicePrompt, 7);
        QCOMPARE(Combo(QStringLiteral("ComboTOT"))->currentText(), QStringLiteral("15"));
        QCOMPARE(Combo(QStringLiteral("ComboVoxLevel"))->currentText(), QStringLiteral("Off"));
        QCOMPARE(cp.VoxLevel, 0);
        QCOMPARE(Combo(QStringLiteral("ComboVoxDelay"))->currentText(), QStringLiteral("3.0"));
        QCOMPARE(Combo(QStringLiteral("ComboSave"))->currentText(), QStringLiteral("Special"));
        QCOMPARE(page->keyDefine(0)->currentText(), QStringLiteral("Monitor Instant"));
        QCOMPARE(page->keyDefine(1)->currentText(), QStringLiteral("None"));
        QCOMPARE(page->keyDefine(2)->currentText(), QStringLiteral("None"));
        QCOMPARE(page->keyDefine(3)->currentText(), QStringLiteral("Denoise Switch"));
        QCOMPARE(cp.KeyDefine[1], -1);
        QCOMPARE(cp.KeyDefine[2], -1);
        QCOMPARE(cp.KeyDefine[3], 12);
        QCOMPARE(page->keyDefine(0)->count(), 9);
        QCOMPARE(page->keyDefine(1)->count(), 8);
    }

    void timeOutShown_data() {
        QTest::addColumn<Long>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("600") << Long(600) << "600";
        QTest::newRow("601") << Long(601) << "Off";
        QTest::newRow("5") << Long(5) << "Off";
        QTest::newRow("off") << Long(-1) << "Off";
        QTest::newRow("20") << Long(20) << "15";
    }
    void timeOutShown() {
        QFETCH(Long, stored);
        QFETCH(QString, shown);
        cp.OptionTOT = stored;
        Open();
        QCOMPARE(Combo(QStringLiteral("ComboTOT"))->currentText(), shown);
    }

    void localId_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Long>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("too large") << "800000" << Long(0x7FFFFF) << "7FFFFF";
        QTest::newRow("8000") << "8000" << Long(0x8000) << "8000";
        QTest::newRow("lower case") << "abc" << Long(0xABC) << "ABC";
        QTest::newRow("empty") << "" << Long(0) << "";
    }
    void localId() {
        QFETCH(QString, typed);
        QFETCH(Long, stored);
        QFETCH(QString, shown);
        cp.LocalID = 0x123;
        Open();
        QSignalSpy edited(page.get(), &ConfigPage::edited);
        EnterLocalId(typed);
        QCOMPARE(cp.LocalID, stored);
        QCOMPARE(Child<KeyFilterEdit>(QStringLiteral("TextLocalID"))->text(), shown);
        QCOMPARE(edited.size(), 1);
    }

    void localIdCommittedByFreshData() {
        Open();
        KeyFilterEdit* box = Child<KeyFilterEdit>(QStringLiteral("TextLocalID"));
        box->selectAll();
        QTest::keyClicks(box, "42");
        page->FreshData();
        QCOMPARE(cp.LocalID, 0x42);
    }

    void listClicks_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("field");
        QTest::addColumn<Long>("stored");
        // field: 0 voice, 1 TOT, 2 VOX level, 3 VOX delay, 4 save
        QTest::newRow("voice off") << "ComboVoice"
                                   << "Off" << 0 << Long(0);
        QTest::newRow("voice chinese") << "ComboVoice"
                                       << "Chinese" << 0 << Long(1);
        QTest::newRow("tot off") << "ComboTOT"
                                 << "Off" << 1 << Long(-1);
        QTest::newRow("tot 600") << "ComboTOT"
                                 << "600" << 1 << Long(600);
        QTest::newRow("vox 3") << "ComboVoxLevel"
                               << "3" << 2 << Long(3);
        QTest::newRow("delay 0.1") << "ComboVoxDelay"
                                   << "0.1" << 3 << Long(5);
        QTest::newRow("delay 3.0") << "ComboVoxDelay"
                                   << "3.0" << 3 << Long(150);
        QTest::newRow("special") << "ComboSave"
                                 << "Special" << 4 << Long(15);
        QTest::newRow("normal") << "ComboSave"
                                << "Normal" << 4 << Long(5);
    }
    void listClicks() {
        QFETCH(QString, combo);
        QFETCH(QString, item);
        QFETCH(int, field);
        QFETCH(Long, stored);
        cp.IdleTime[0] = 15;
        Open();
        Pick(combo, item);
        const Long values[] = {cp.VoicePrompt, cp.OptionTOT, cp.VoxLevel, cp.VoxDelay,
                               cp.IdleTime[0]};
        QCOMPARE(values[field], stored);
    }

    void saveModeReadsBackAsWritten() {
        Open();
        Pick(QStringLiteral("ComboSave"), QStringLiteral("Special"));
        page->AnalyseOption();
        QCOMPARE(Combo(QStringLiteral("ComboSave"))->currentText(), QStringLiteral("Special"));
    }

    void monitorInstantTakesTheLongPress() {
        Open();
        Pick(page->keyDefine(0), 2); // Monitor Instant on PF1 short
        QCOMPARE(cp.KeyDefine[0], 2);
        QCOMPARE(page->keyDefine(1)->currentIndex(), 0);
        QCOMPARE(cp.KeyDefine[1], -1);
        Pick(page->keyDefine(1), 1); // Monitor on PF1 long snaps back
        QCOMPARE(page->keyDefine(1)->currentIndex(), 0);
        QCOMPARE(cp.KeyDefine[1], -1);
        Pick(page->keyDefine(0), 3); // Tx Power frees the long press again
        QCOMPARE(cp.KeyDefine[0], 4);
        Pick(page->keyDefine(1), 7); // Denoise Switch: position 7 on a long press
        QCOMPARE(cp.KeyDefine[1], 12);
    }

    void keyCodesByPosition_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("position");
        QTest::addColumn<Long>("code");
        QTest::newRow("short none") << 2 << 0 << Long(-1);
        QTest::newRow("short monitor") << 2 << 1 << Long(1);
        QTest::newRow("short scan") << 2 << 4 << Long(5);
        QTest::newRow("short lamp") << 2 << 5 << Long(6);
        QTest::newRow("short channel sub") << 2 << 7 << Long(9);
        QTest::newRow("long tx power") << 3 << 2 << Long(4);
        QTest::newRow("long channel add") << 3 << 5 << Long(8);
    }
    void keyCodesByPosition() {
        QFETCH(int, row);
        QFETCH(int, position);
        QFETCH(Long, code);
        Open();
        Pick(page->keyDefine(row), position);
        QCOMPARE(cp.KeyDefine[row], code);
    }

    void hiddenControlsWriteTheModelImage() {
        cp.BandLower = 400;
        cp.BandUpperTx = 480;
        Open();
        Child<QCheckBox>(QStringLiteral("CheckTail"))->click();
        QCOMPARE(cp.RadioImage[287], 1);
        Child<QCheckBox>(QStringLiteral("CheckAlertLock"))->click();
        QCOMPARE(cp.RadioImage[296], 0);
        Child<QCheckBox>(QStringLiteral("CheckBeep"))->click();
        QCOMPARE(cp.RadioImage[303] & 0x02, 0x02);
        Child<QCheckBox>(QStringLiteral("CheckExtension"))->click();
        QCOMPARE(cp.RadioImage[300], 1);
        QCOMPARE(cp.BandUpperTx, std::int16_t(520));
        Pick(Combo(QStringLiteral("ComboSQ")), 4);
        QCOMPARE(cp.RadioImage[308], 4);
        Pick(Combo(QStringLiteral("ComboAlarmMethod")), 2);
        QCOMPARE(cp.RadioImage[310] >> 6, 3);
        Pick(Combo(QStringLiteral("ComboIdleTime2")), 17);
        QCOMPARE(cp.IdleTime[2], 25);
        Child<QCheckBox>(QStringLiteral("CheckVox"))->click();
        Child<QCheckBox>(QStringLiteral("CheckVox"))->click();
        QVERIFY(!Combo(QStringLiteral("ComboVoxLevel"))->isEnabled());
    }

    void hiddenNumberFields() {
        Open();
        auto* sleep = Child<KeyFilterEdit>(QStringLiteral("TextSleepPoint1"));
        sleep->setText(QString());
        QTest::keyClicks(sleep, "12a");
        QTest::keyClick(sleep, Qt::Key_Return);
        QCOMPARE(cp.SleepPoint[1], 600);
        auto* upper = Child<KeyFilterEdit>(QStringLiteral("TextVoltageUpper3"));
        upper->setText(QString());
        QTest::keyClicks(upper, "20000");
        QTest::keyClick(upper, Qt::Key_Return);
        QCOMPARE(cp.VoltageUpper[3], 10000);
        QCOMPARE(upper->text(), QStringLiteral("10000"));
        auto* bank = Child<KeyFilterEdit>(QStringLiteral("TextInfBank"));
        QTest::keyClicks(bank, "42");
        QTest::keyClick(bank, Qt::Key_Return);
        QCOMPARE(cp.RadioImage[311], 0x42);
    }

    void keyMethodRebuildsTheRows() {
        Open();
        Pick(Combo(QStringLiteral("ComboKeyMethod")), 1);
        QCOMPARE(cp.KeyMethod, 2);
        QCOMPARE(page->keyDefine(1)->count(), 9);
        Pick(page->keyDefine(1), 8);
        QCOMPARE(cp.KeyDefine[1], 8);
    }

    void f1OpensTheHelpTopic() {
        Open();
        QTest::keyClick(Combo(QStringLiteral("ComboVoice")), Qt::Key_F1);
        QCOMPARE(seam->helpTopics, QStringList({"optfeatures.htm"}));
    }
};

QTEST_MAIN(TestFormOption)
#include "test_form_option.moc"
