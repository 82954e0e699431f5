#include "functions/ui/form_option.h"
#include "gui_support.h"
#include "widgets/key_filter_edit.h"

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
        QVERIFY(test::ShowActive(page.get()));
    }
    template <typename T> T* Child(const QString& name) const { return page->findChild<T*>(name); }
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
        cp = test::PageCodeplug();
        seam = std::make_unique<test::ScriptedSeam>();
    }
    void cleanup() {
        page.reset();
        seam.reset();
    }

    void captions_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("texts"); // caption, voice label, first key, voice item
        QTest::newRow("english") << true
                                 << QStringList{"Function Setup", "Voice Prompt", "PF1 Short",
                                                "Chinese"};
        QTest::newRow("chinese") << false << QStringList{"功能设定", "提示音", "侧键1短按", "中文"};
    }
    void captions() {
        QFETCH(bool, english);
        QFETCH(QStringList, texts);
        cp.IsEnglish = english;
        Open();
        QCOMPARE(page->windowTitle(), texts[0]);
        QCOMPARE(Child<QLabel>(QStringLiteral("LabelVoice"))->text(), texts[1]);
        QCOMPARE(Child<QLabel>(QStringLiteral("LabelKeyDefine0"))->text(), texts[2]);
        QCOMPARE(Combo(QStringLiteral("ComboVoice"))->itemText(1), texts[3]);
        QCOMPARE(Combo(QStringLiteral("ComboTOT"))->count(), 41);
        QCOMPARE(Combo(QStringLiteral("ComboVoxDelay"))->count(), 30);
        QVERIFY(cp.OptionOpen);
        QTest::keyClick(Combo(QStringLiteral("ComboVoice")), Qt::Key_F1);
        QCOMPARE(seam->helpTopics, QStringList({"optfeatures.htm"}));
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
        QStringList shown;
        for (const char* name :
             {"ComboVoice", "ComboTOT", "ComboVoxLevel", "ComboVoxDelay", "ComboSave",
              "ComboKeyDefine0", "ComboKeyDefine1", "ComboKeyDefine2", "ComboKeyDefine3"})
            shown << Combo(QString::fromLatin1(name))->currentText();
        QCOMPARE(shown, QStringList({"English", "15", "Off", "3.0", "Special", "Monitor Instant",
                                     "None", "None", "Denoise Switch"}));
        QCOMPARE(cp.VoicePrompt, 7);
        QCOMPARE(cp.VoxLevel, 0);
        QCOMPARE(cp.KeyDefine[1], -1);
        QCOMPARE(cp.KeyDefine[2], -1);
        QCOMPARE(cp.KeyDefine[3], 12);
        QCOMPARE(page->keyDefine(0)->count(), 9);
        QCOMPARE(page->keyDefine(1)->count(), 8);
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
        // A pending entry is committed by FreshData.
        KeyFilterEdit* box = Child<KeyFilterEdit>(QStringLiteral("TextLocalID"));
        box->selectAll();
        QTest::keyClicks(box, "42");
        page->FreshData();
        QCOMPARE(cp.LocalID, 0x42);
    }

    void listClicks() {
        const struct {
            const char* combo;
            const char* item;
            int field; // 0 voice, 1 TOT, 2 VOX level, 3 VOX delay, 4 save
            Long stored;
        } clicks[] = {{"ComboVoice", "Off", 0, 0},     {"ComboTOT", "Off", 1, -1},
                      {"ComboTOT", "600", 1, 600},     {"ComboVoxLevel", "3", 2, 3},
                      {"ComboVoxDelay", "0.1", 3, 5},  {"ComboVoxDelay", "3.0", 3, 150},
                      {"ComboSave", "Special", 4, 15}, {"ComboSave", "Normal", 4, 5}};
        cp.IdleTime[0] = 15;
        Open();
        for (const auto& click : clicks) {
            const QString combo = QString::fromLatin1(click.combo);
            Pick(combo, QString::fromLatin1(click.item));
            const Long values[] = {cp.VoicePrompt, cp.OptionTOT, cp.VoxLevel, cp.VoxDelay,
                                   cp.IdleTime[0]};
            QVERIFY2(values[click.field] == click.stored, click.item);
            // What was written reads back as the same choice (the save mode "Special" included).
            page->AnalyseOption();
            QCOMPARE(Combo(combo)->currentText(), QString::fromLatin1(click.item));
        }
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

    void keyCodesByPosition() {
        // The codes the radio never takes (3, 7, 10, 11) are skipped.
        const struct {
            int row;
            int position;
            Long code;
        } keys[] = {{2, 0, -1}, {2, 1, 1}, {2, 4, 5}, {2, 5, 6}, {2, 7, 9}, {3, 2, 4}, {3, 5, 8}};
        Open();
        for (const auto& key : keys) {
            Pick(page->keyDefine(key.row), key.position);
            QCOMPARE(cp.KeyDefine[key.row], key.code);
        }
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
};

QTEST_MAIN(TestFormOption)
#include "test_form_option.moc"
