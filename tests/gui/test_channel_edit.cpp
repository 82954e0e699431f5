#include "channels/ui/form_channel_edit.h"
#include "gui_support.h"
#include "shell/key_filter_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace zr40;

namespace {

constexpr Long kMHz = 1000000;

void PutAnalog(Codeplug& cp, int channel, Long rxHz, Long txHz) {
    cp.ResetChannel(channel);
    cp.RxFreq[channel] = rxHz;
    cp.TxFreq[channel] = txHz;
}

void PutDigital(Codeplug& cp, int channel, Long rxHz, Long txHz) {
    PutAnalog(cp, channel, rxHz, txHz);
    cp.ChannelType[channel] = 2;
    cp.ChannelSpace[channel] = 12500;
}

} // namespace

class TestChannelEdit : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormChannelEdit> dialog;

    void Open(int row) {
        cp.GridEditRow = std::int16_t(row);
        dialog = std::make_unique<FormChannelEdit>(cp);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    QComboBox* Combo(const char* name) const {
        return dialog->findChild<QComboBox*>(QString::fromLatin1(name));
    }
    KeyFilterEdit* Text(const char* name) const {
        return dialog->findChild<KeyFilterEdit*>(QString::fromLatin1(name));
    }
    QCheckBox* Check(const char* name) const {
        return dialog->findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    QString Range() const {
        return dialog->findChild<QLabel*>(QStringLiteral("LabelIDRange"))->text();
    }
    void Enter(const char* box, const QString& text) {
        KeyFilterEdit* edit = Text(box);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // Picks an item the way the mouse does: the list changes and reports the choice.
    void Pick(const char* name, const QString& item) {
        QComboBox* combo = Combo(name);
        const int index = combo->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Which of the dialog's editing controls are usable.
    QStringList Usable() const {
        QStringList names;
        for (const char* name :
             {"TextRxFreq", "TextTxFreq", "ComboDecode", "ComboEncode", "ComboTxPower",
              "ComboSpace", "ComboSql", "ComboDenoise", "ComboTxAuthority", "ComboRxList",
              "CheckRxKey", "TextRxKey", "CheckTxKey", "TextTxKey", "ComboCallType", "TextTxID"}) {
            if (dialog->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled())
                names << QString::fromLatin1(name);
        }
        return names;
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
        dialog.reset();
        seam.reset();
    }

    void captions_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("decodeLabel");
        QTest::addColumn<QString>("close");
        QTest::newRow("english") << true << "Channel Edit"
                                 << "CTCSS/DCS Decode"
                                 << "&Close";
        QTest::newRow("chinese") << false << "信道信息"
                                 << "CTCSS/DCS解码"
                                 << "关闭(&C)";
    }
    void captions() {
        QFETCH(bool, english);
        QFETCH(QString, caption);
        QFETCH(QString, decodeLabel);
        QFETCH(QString, close);
        cp.IsEnglish = english;
        Open(1);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("LabelDecode"))->text(), decodeLabel);
        QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("CommandClose"))->text(), close);
        QCOMPARE(Combo("ComboChannel")->count(), 32);
        QCOMPARE(Text("TextRxKey")->toolTip(), english ? QStringLiteral("Only Input Numbers")
                                                       : QString::fromUtf8("只能输入数字"));
        QVERIFY(cp.ChannelEditOpen);
        QCOMPARE(dialog->HelpTopic(), QStringLiteral("chEdit.htm"));
    }

    void emptyChannelOffersOnlyTheReceiveBox() {
        Open(20);
        QCOMPARE(Usable(), QStringList({"TextRxFreq"}));
        QCOMPARE(Combo("ComboChannel")->currentIndex(), 19);
        QCOMPARE(Combo("ComboDecode")->count(), 0);
        QCOMPARE(Combo("ComboCallType")->count(), 0);
        QCOMPARE(Text("TextRxFreq")->text(), QString());
        QCOMPARE(Range(), QString());
    }

    void receiveTypedIntoAnEmptyChannel() {
        cp.SqlLevel[19] = 9; // left over, not a channel
        Open(20);
        Enter("TextRxFreq", "435.025");
        QCOMPARE(cp.RxFreq[19], 435025000);
        QCOMPARE(cp.RxColor[19], 4);
        QCOMPARE(cp.TxFreq[19], 435025000); // the transmit side follows
        QCOMPARE(cp.SqlLevel[19], 5);       // the channel was reset first
        QVERIFY(cp.ChannelDataChanged);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("435.02500"));
        QCOMPARE(Text("TextTxFreq")->text(), QStringLiteral("435.02500"));
        QCOMPARE(Combo("ComboDecode")->count(), 279);
        QCOMPARE(Combo("ComboDecode")->currentText(), QStringLiteral("None"));
        QCOMPARE(Combo("ComboSql")->currentText(), QStringLiteral("5"));
        QCOMPARE(Combo("ComboTxPower")->currentText(), QStringLiteral("High"));
        QCOMPARE(Combo("ComboTxAuthority")->currentText(), QStringLiteral("No Limited"));
        QCOMPARE(Combo("ComboRxList")->count(), 8);
    }

    void enablingByChannelKind_data() {
        QTest::addColumn<bool>("digital");
        QTest::addColumn<Long>("txHz");
        QTest::addColumn<QStringList>("usable");
        QTest::newRow("analog") << false << 440 * kMHz
                                << QStringList({"TextRxFreq", "TextTxFreq", "ComboDecode",
                                                "ComboEncode", "ComboTxPower", "ComboSpace",
                                                "ComboSql", "ComboDenoise", "ComboTxAuthority"});
        QTest::newRow("digital") << true << 440 * kMHz
                                 << QStringList({"TextRxFreq", "TextTxFreq", "ComboTxPower",
                                                 "ComboSql", "ComboDenoise", "ComboTxAuthority",
                                                 "ComboRxList", "CheckRxKey", "TextRxKey",
                                                 "CheckTxKey", "TextTxKey", "ComboCallType",
                                                 "TextTxID"});
        QTest::newRow("analog no tx") << false << 0
                                      << QStringList({"TextRxFreq", "TextTxFreq", "ComboDecode",
                                                      "ComboSpace", "ComboSql", "ComboDenoise"});
        QTest::newRow("digital no tx")
            << true << 0
            << QStringList({"TextRxFreq", "TextTxFreq", "ComboSql", "ComboDenoise", "ComboRxList",
                            "CheckRxKey", "TextRxKey"});
    }
    void enablingByChannelKind() {
        QFETCH(bool, digital);
        QFETCH(Long, txHz);
        QFETCH(QStringList, usable);
        if (digital)
            PutDigital(cp, 2, 440 * kMHz, txHz);
        else
            PutAnalog(cp, 2, 440 * kMHz, txHz);
        Open(3);
        QCOMPARE(Usable(), usable);
        if (digital) {
            QCOMPARE(Combo("ComboDecode")->currentIndex(), -1);
            QCOMPARE(Combo("ComboSpace")->currentText(), QStringLiteral("12.5K(Narrow)"));
        }
        if (txHz == 0) {
            QCOMPARE(Text("TextTxFreq")->text(), QString());
            QCOMPARE(Combo("ComboEncode")->count(), 0);
            QCOMPARE(Combo("ComboCallType")->count(), 0);
        }
    }

    void digitalChannelShowsItsFields() {
        PutDigital(cp, 0, 440 * kMHz, 440 * kMHz);
        cp.CallTypeTxID[0] = 0x812345;
        cp.ChannelRxList[0] = 3;
        cp.RxKeyEnable[0] = 1;
        cp.SetRxKeyWords(0, Codeplug::PackKey(QStringLiteral("1234")));
        cp.RxKeyLength[0] = 4;
        Open(1);
        QCOMPARE(Combo("ComboCallType")->currentText(), QStringLiteral("Group Call"));
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("812345"));
        QCOMPARE(Range(), QStringLiteral("(800000~FFFFFE)"));
        QCOMPARE(Combo("ComboRxList")->currentText(), QStringLiteral("4"));
        QVERIFY(Check("CheckRxKey")->isChecked());
        QCOMPARE(Text("TextRxKey")->text(), QStringLiteral("1234"));
    }

    void callTypeOutOfRangeLoadsAsSingleZero() {
        PutDigital(cp, 0, 440 * kMHz, 440 * kMHz);
        cp.CallTypeTxID[0] = 0x1000000;
        Open(1);
        QCOMPARE(Combo("ComboCallType")->currentText(), QStringLiteral("Single Call"));
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("0"));
        QCOMPARE(cp.CallTypeTxID[0], 0);
    }

    void callTypesAndIds() {
        PutDigital(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        Pick("ComboCallType", "Group Call");
        QCOMPARE(cp.CallTypeTxID[0], 0x800000);
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("800000"));
        QCOMPARE(Range(), QStringLiteral("(800000~FFFFFE)"));
        Enter("TextTxID", "FFFFFF");
        QCOMPARE(cp.CallTypeTxID[0], 0x800000);
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("800000"));
        QCOMPARE(Text("TextTxID")->selectedText(), QStringLiteral("800000"));
        Enter("TextTxID", "12ab");
        QCOMPARE(cp.CallTypeTxID[0], 0x8012AB);
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("8012AB"));

        Pick("ComboCallType", "All Call");
        QCOMPARE(cp.CallTypeTxID[0], 0xFFFFFF);
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("FFFFFF"));
        QVERIFY(!Text("TextTxID")->isEnabled());
        QCOMPARE(Range(), QString());

        Pick("ComboCallType", "Single Call");
        QCOMPARE(cp.CallTypeTxID[0], 0);
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("0"));
        QCOMPARE(Range(), QStringLiteral("(0~7FFFFF)"));
        Enter("TextTxID", "800001");
        QCOMPARE(cp.CallTypeTxID[0], 1);
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("1"));
    }

    void idBoxTakesHexOnly() {
        PutDigital(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        KeyFilterEdit* id = Text("TextTxID");
        id->clear();
        QTest::keyClicks(id, "a1g2-b3c4");
        QCOMPARE(id->text(), QStringLiteral("A12B3C")); // at most six
    }

    void keys() {
        PutDigital(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        Check("CheckRxKey")->click();
        QCOMPARE(cp.RxKeyEnable[0], 1);
        Check("CheckTxKey")->click();
        QCOMPARE(cp.TxKeyEnable[0], 1);
        Check("CheckTxKey")->click();
        QCOMPARE(cp.TxKeyEnable[0], 0);
        Enter("TextRxKey", "1234");
        QCOMPARE(cp.RxKeyLength[0], 4);
        QCOMPARE(cp.RxKeyWords(0), (Codeplug::KeyWords{0x12340000, 0, 0, 0}));
        Text("TextTxKey")->clear();
        QTest::keyClicks(Text("TextTxKey"), "12ab34");
        QCOMPARE(Text("TextTxKey")->text(), QStringLiteral("1234"));
    }

    void keyWithHexDigitsFromTheRadioSurvivesATabThrough() {
        PutDigital(cp, 0, 440 * kMHz, 440 * kMHz);
        cp.SetTxKeyWords(0, Codeplug::PackKey(QStringLiteral("ABCDEF")));
        cp.TxKeyLength[0] = 6;
        Open(1);
        QCOMPARE(Text("TextTxKey")->text(), QStringLiteral("ABCDEF"));
        Text("TextTxKey")->setFocus();
        Text("TextRxKey")->setFocus();
        QCOMPARE(cp.TxKeyWords(0), Codeplug::PackKey(QStringLiteral("ABCDEF")));
        QCOMPARE(cp.TxKeyLength[0], 6);
    }

    void tonesPickedInTheLists() {
        PutAnalog(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        Pick("ComboDecode", "D023N");
        QCOMPARE(cp.RxCtcss[0], -1);
        QCOMPARE(cp.RxDcs[0], 0x89C7EC);
        QVERIFY(cp.ChannelDataChanged);
        Pick("ComboEncode", "D023I");
        QCOMPARE(cp.TxDcs[0], 0x763813);
        Pick("ComboEncode", "100.0");
        QCOMPARE(cp.TxCtcss[0], 1000);
        QCOMPARE(cp.TxDcs[0], -1);
    }

    void toneOffTheListIsShownNotChanged() {
        PutAnalog(cp, 0, 440 * kMHz, 440 * kMHz);
        cp.RxCtcss[0] = 1500;
        Open(1);
        QCOMPARE(Combo("ComboDecode")->currentIndex(), -1);
        QCOMPARE(Combo("ComboDecode")->placeholderText(), QStringLiteral("150.0"));
        QCOMPARE(cp.RxCtcss[0], 1500);
    }

    void listFields_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("field");
        QTest::addColumn<Long>("stored");
        // field: 0 power, 1 squelch, 2 permission, 3 denoise, 4 spacing
        QTest::newRow("power low") << "ComboTxPower"
                                   << "Low" << 0 << Long(0);
        QTest::newRow("squelch 0") << "ComboSql"
                                   << "0" << 1 << Long(0);
        QTest::newRow("squelch 10") << "ComboSql"
                                    << "10" << 1 << Long(10);
        QTest::newRow("inhibit") << "ComboTxAuthority"
                                 << "Tx Inhibit" << 2 << Long(0);
        QTest::newRow("busy lock") << "ComboTxAuthority"
                                   << "Busy Lock" << 2 << Long(1);
        QTest::newRow("denoise 3") << "ComboDenoise"
                                   << "3" << 3 << Long(18);
        QTest::newRow("denoise off") << "ComboDenoise"
                                     << "Off" << 3 << Long(0);
        QTest::newRow("narrow") << "ComboSpace"
                                << "12.5K(Narrow)" << 4 << Long(12500);
    }
    void listFields() {
        QFETCH(QString, combo);
        QFETCH(QString, item);
        QFETCH(int, field);
        QFETCH(Long, stored);
        PutAnalog(cp, 4, 440 * kMHz, 440 * kMHz);
        cp.DenoiseLevel[4] = 30;
        Open(5);
        Pick(qPrintable(combo), item);
        const Codeplug::ChannelTable* tables[] = {&cp.TxPower, &cp.SqlLevel, &cp.TxAuthority,
                                                  &cp.DenoiseLevel, &cp.ChannelSpace};
        QCOMPARE((*tables[field])[4], stored);
        QVERIFY(cp.ChannelDataChanged);
    }

    void receiveListOfADigitalChannel() {
        PutDigital(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        Pick("ComboRxList", "6");
        QCOMPARE(cp.ChannelRxList[0], 5);
    }

    void clearingTransmitKeepsTheReceiveSide() {
        PutAnalog(cp, 0, 440 * kMHz, 441 * kMHz);
        cp.TxPower[0] = 0;
        cp.TxAuthority[0] = 0;
        Open(1);
        Enter("TextTxFreq", QString());
        QCOMPARE(cp.TxFreq[0], 0);
        QCOMPARE(cp.TxPower[0], 1);
        QCOMPARE(cp.TxAuthority[0], 2);
        QCOMPARE(Usable(), QStringList({"TextRxFreq", "TextTxFreq", "ComboDecode", "ComboSpace",
                                        "ComboSql", "ComboDenoise"}));
        Enter("TextTxFreq", "442");
        QCOMPARE(cp.TxFreq[0], 442 * kMHz);
        QVERIFY(Combo("ComboEncode")->isEnabled());
    }

    void outOfRangeFrequency() {
        cp.BandLower = 400;
        cp.BandUpper = 480;
        PutAnalog(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        Enter("TextRxFreq", "999");
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(seam->messages[0].text, QStringLiteral("Frequency is out of range!"));
        QCOMPARE(seam->messages[0].title, QStringLiteral("ZR40"));
        QCOMPARE(cp.RxFreq[0], 480 * kMHz);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("480.00000"));
    }

    void clearingReceiveEmptiesTheChannel() {
        PutAnalog(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        Enter("TextRxFreq", QString());
        QCOMPARE(cp.RxFreq[0], 0);
        QCOMPARE(Usable(), QStringList({"TextRxFreq"}));
    }

    void tabbingThroughChangesNothing() {
        PutAnalog(cp, 0, 440 * kMHz, 0);
        Open(1);
        Text("TextRxFreq")->setFocus();
        Combo("ComboSql")->setFocus();
        QCOMPARE(cp.TxFreq[0], 0);
        QVERIFY(!cp.ChannelDataChanged);
        // Typing and leaving commits.
        Text("TextRxFreq")->setFocus();
        Text("TextRxFreq")->selectAll();
        QTest::keyClicks(Text("TextRxFreq"), "441");
        Combo("ComboSql")->setFocus();
        QCOMPARE(cp.RxFreq[0], 441 * kMHz);
        QCOMPARE(cp.TxFreq[0], 441 * kMHz);
    }

    void escapeRestoresTheBox() {
        PutAnalog(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        Text("TextRxFreq")->selectAll();
        QTest::keyClicks(Text("TextRxFreq"), "450");
        QTest::keyClick(Text("TextRxFreq"), Qt::Key_Escape);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("440.00000"));
        QCOMPARE(cp.RxFreq[0], 440 * kMHz);
        QVERIFY(dialog->isVisible());
    }

    void channelSelector() {
        PutAnalog(cp, 6, 447 * kMHz, 447 * kMHz);
        Open(1);
        QComboBox* channel = Combo("ComboChannel");
        channel->setCurrentIndex(6);
        emit channel->activated(6);
        QCOMPARE(cp.GridEditRow, std::int16_t(7));
        QCOMPARE(dialog->ShownChannel(), 6);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("447.00000"));
    }

    void editsStayOnTheShownChannel() {
        PutAnalog(cp, 1, 440 * kMHz, 440 * kMHz);
        PutAnalog(cp, 4, 445 * kMHz, 445 * kMHz);
        Open(2);
        cp.GridEditRow = 5; // a click in the grid, no change there
        Pick("ComboSql", "9");
        QCOMPARE(cp.SqlLevel[1], 9);
        QCOMPARE(cp.SqlLevel[4], 5);
    }

    void timerReloadsAfterGridEdits() {
        PutAnalog(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        cp.RxFreq[0] = 450 * kMHz;
        dialog->Timer1_Timer();
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("440.00000"));
        cp.ChannelGridChanged = true;
        cp.GridEditRow = 1;
        dialog->Timer1_Timer();
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("450.00000"));
        QVERIFY(!cp.ChannelGridChanged);
        cp.RxFreq[0] = 451 * kMHz;
        cp.ChannelGridChanged = true;
        QTRY_COMPARE(Text("TextRxFreq")->text(), QStringLiteral("451.00000"));
    }

    void enterInAListStaysInTheDialog() {
        PutAnalog(cp, 0, 440 * kMHz, 440 * kMHz);
        Open(1);
        QTest::keyClick(Combo("ComboDecode"), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QVERIFY(cp.ChannelDataChanged);
    }

    void closeClearsTheOpenFlag() {
        Open(1);
        QPointer<FormChannelEdit> guard = dialog.release();
        guard->findChild<QPushButton*>(QStringLiteral("CommandClose"))->click();
        QVERIFY(!cp.ChannelEditOpen);
        QTRY_VERIFY(guard.isNull());
    }

    void f1OpensTheHelpTopic() {
        Open(1);
        QTest::keyClick(Text("TextRxFreq"), Qt::Key_F1);
        QCOMPARE(seam->helpTopics, QStringList({"chEdit.htm"}));
    }
};

QTEST_MAIN(TestChannelEdit)
#include "test_channel_edit.moc"
