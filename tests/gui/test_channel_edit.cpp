#include "channels/ui/form_channel_edit.h"
#include "gui_support.h"
#include "widgets/key_filter_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace zr40;

namespace {

constexpr Long kMHz = 1000000;

} // namespace

class TestChannelEdit : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormChannelEdit> dialog;

    void Open(int row) {
        cp.GridEditRow = std::int16_t(row);
        dialog = std::make_unique<FormChannelEdit>(cp);
        QVERIFY(test::ShowActive(dialog.get()));
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
    void ShowChannel(int index) {
        Combo("ComboChannel")->setCurrentIndex(index);
        emit Combo("ComboChannel")->activated(index);
    }
    // Which of the dialog's editing controls are usable.
    QString Usable() const {
        QStringList names;
        for (const char* name :
             {"TextRxFreq", "TextTxFreq", "ComboDecode", "ComboEncode", "ComboTxPower",
              "ComboSpace", "ComboSql", "ComboDenoise", "ComboTxAuthority", "ComboRxList",
              "CheckRxKey", "TextRxKey", "CheckTxKey", "TextTxKey", "ComboCallType", "TextTxID"}) {
            if (dialog->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled())
                names << QString::fromLatin1(name);
        }
        return names.join(QLatin1Char(' '));
    }

private slots:
    void init() {
        cp = test::PageCodeplug();
        seam = std::make_unique<test::ScriptedSeam>();
    }
    void cleanup() {
        dialog.reset();
        seam.reset();
    }

    void captions_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("texts"); // caption, decode label, close button
        QTest::newRow("english") << true
                                 << QStringList{"Channel Edit", "CTCSS/DCS Decode", "&Close"};
        QTest::newRow("chinese") << false << QStringList{"信道信息", "CTCSS/DCS解码", "关闭(&C)"};
    }
    void captions() {
        QFETCH(bool, english);
        QFETCH(QStringList, texts);
        cp.IsEnglish = english;
        Open(1);
        QCOMPARE(dialog->windowTitle(), texts[0]);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("LabelDecode"))->text(), texts[1]);
        QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("CommandClose"))->text(), texts[2]);
        QCOMPARE(Combo("ComboChannel")->count(), 32);
        QVERIFY(cp.ChannelEditOpen);
        QTest::keyClick(Text("TextRxFreq"), Qt::Key_F1);
        QCOMPARE(seam->helpTopics, QStringList({"chEdit.htm"}));
    }

    void enablingByChannelKind_data() {
        QTest::addColumn<int>("kind"); // 0 empty, 1 analog, 2 digital
        QTest::addColumn<Long>("txHz");
        QTest::addColumn<QString>("usable");
        const QString rx = "TextRxFreq TextTxFreq ";
        const QString analogRx = rx + "ComboDecode ";
        const QString digitalRx = rx + "ComboSql ComboDenoise ComboRxList CheckRxKey TextRxKey";
        QTest::newRow("empty") << 0 << Long(0) << "TextRxFreq";
        QTest::newRow("analog") << 1 << 440 * kMHz
                                << analogRx + "ComboEncode ComboTxPower ComboSpace ComboSql "
                                              "ComboDenoise ComboTxAuthority";
        QTest::newRow("digital") << 2 << 440 * kMHz
                                 << rx + "ComboTxPower ComboSql ComboDenoise ComboTxAuthority "
                                         "ComboRxList CheckRxKey TextRxKey CheckTxKey TextTxKey "
                                         "ComboCallType TextTxID";
        QTest::newRow("analog no tx")
            << 1 << Long(0) << analogRx + "ComboSpace ComboSql ComboDenoise";
        QTest::newRow("digital no tx") << 2 << Long(0) << digitalRx;
    }
    void enablingByChannelKind() {
        QFETCH(int, kind);
        QFETCH(Long, txHz);
        QFETCH(QString, usable);
        if (kind == 2)
            test::PutChannel(cp, 2, 440 * kMHz, txHz, true);
        else if (kind == 1)
            test::PutChannel(cp, 2, 440 * kMHz, txHz);
        Open(3);
        QCOMPARE(Usable(), usable);
        QCOMPARE(Combo("ComboChannel")->currentIndex(), 2);
        if (kind == 2) {
            QCOMPARE(Combo("ComboDecode")->currentIndex(), -1);
            QCOMPARE(Combo("ComboSpace")->currentText(), QStringLiteral("12.5K(Narrow)"));
        }
        if (txHz == 0) {
            QCOMPARE(Text("TextTxFreq")->text(), QString());
            QCOMPARE(Combo("ComboEncode")->count(), 0);
            QCOMPARE(Combo("ComboCallType")->count(), 0);
        }
    }

    void receiveTypedIntoAnEmptyChannel() {
        cp.SqlLevel[19] = 9; // left over, not a channel
        Open(20);
        Enter("TextRxFreq", "435.025");
        QCOMPARE(cp.RxFreq[19], 435025000);
        QCOMPARE(cp.TxFreq[19], 435025000); // the transmit side follows
        QCOMPARE(cp.SqlLevel[19], 5);       // the channel was reset first
        QVERIFY(cp.ChannelDataChanged);
        QCOMPARE(Text("TextTxFreq")->text(), QStringLiteral("435.02500"));
        QCOMPARE(Combo("ComboDecode")->count(), 279);
        QCOMPARE(Combo("ComboDecode")->currentText(), QStringLiteral("None"));
        QCOMPARE(Combo("ComboTxPower")->currentText(), QStringLiteral("High"));
        QCOMPARE(Combo("ComboTxAuthority")->currentText(), QStringLiteral("No Limited"));
    }

    void digitalChannelShowsItsFields() {
        test::PutChannel(cp, 0, 440 * kMHz, 440 * kMHz, true);
        cp.CallTypeTxID[0] = 0x812345;
        cp.ChannelRxList[0] = 3;
        cp.RxKeyEnable[0] = 1;
        cp.SetRxKeyWords(0, Codeplug::PackKey(QStringLiteral("1234")));
        cp.RxKeyLength[0] = 4;
        test::PutChannel(cp, 1, 440 * kMHz, 440 * kMHz, true);
        cp.CallTypeTxID[1] = 0x1000000;
        Open(1);
        QCOMPARE(Combo("ComboCallType")->currentText(), QStringLiteral("Group Call"));
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("812345"));
        QCOMPARE(Range(), QStringLiteral("(800000~FFFFFE)"));
        QCOMPARE(Combo("ComboRxList")->currentText(), QStringLiteral("4"));
        QVERIFY(Check("CheckRxKey")->isChecked());
        QCOMPARE(Text("TextRxKey")->text(), QStringLiteral("1234"));
        // A call type out of range loads as a single call to 0.
        ShowChannel(1);
        QCOMPARE(Combo("ComboCallType")->currentText(), QStringLiteral("Single Call"));
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("0"));
        QCOMPARE(cp.CallTypeTxID[1], 0);
    }

    void callTypesAndIds() {
        test::PutChannel(cp, 0, 440 * kMHz, 440 * kMHz, true);
        Open(1);
        Pick("ComboCallType", "Group Call");
        QCOMPARE(cp.CallTypeTxID[0], 0x800000);
        QCOMPARE(Range(), QStringLiteral("(800000~FFFFFE)"));
        Enter("TextTxID", "FFFFFF");
        QCOMPARE(cp.CallTypeTxID[0], 0x800000);
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
        QCOMPARE(Range(), QStringLiteral("(0~7FFFFF)"));
        Enter("TextTxID", "800001");
        QCOMPARE(cp.CallTypeTxID[0], 1);
        QCOMPARE(Text("TextTxID")->text(), QStringLiteral("1"));
    }

    void keysAndReceiveList() {
        test::PutChannel(cp, 0, 440 * kMHz, 440 * kMHz, true);
        test::PutChannel(cp, 1, 440 * kMHz, 440 * kMHz, true);
        cp.SetTxKeyWords(1, Codeplug::PackKey(QStringLiteral("ABCDEF")));
        cp.TxKeyLength[1] = 6;
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
        Pick("ComboRxList", "6");
        QCOMPARE(cp.ChannelRxList[0], 5);

        // A key with hex digits from the radio survives a tab through its box.
        ShowChannel(1);
        QCOMPARE(Text("TextTxKey")->text(), QStringLiteral("ABCDEF"));
        Text("TextTxKey")->setFocus();
        Text("TextRxKey")->setFocus();
        QCOMPARE(cp.TxKeyWords(1), Codeplug::PackKey(QStringLiteral("ABCDEF")));
        QCOMPARE(cp.TxKeyLength[1], 6);
    }

    // A key from a file or the radio may hold A-F, which cannot be typed: a commit stores the
    // digits the box holds, and a commit that changes nothing stores nothing.
    void hexKeyFromTheRadioIsKept_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("edits");
        QTest::newRow("enter alone") << ""
                                     << "ABCD" << 0;
        QTest::newRow("one digit more") << "5"
                                        << "ABCD5" << 1;
    }
    void hexKeyFromTheRadioIsKept() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        test::PutChannel(cp, 0, 440 * kMHz, 440 * kMHz, true);
        for (int side = 0; side < 2; ++side)
            (side ? cp.TxKeyLength : cp.RxKeyLength)[0] = 4;
        cp.SetRxKeyWords(0, Codeplug::PackKey(QStringLiteral("ABCD")));
        cp.SetTxKeyWords(0, Codeplug::PackKey(QStringLiteral("ABCD")));
        Open(1);
        QSignalSpy edited(dialog.get(), &FormChannelEdit::edited);
        for (const char* box : {"TextRxKey", "TextTxKey"}) {
            KeyFilterEdit* edit = Text(box);
            edit->setFocus();
            edit->end(false);
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(edit->text(), stored);
        }
        QCOMPARE(Codeplug::KeyText(cp.RxKeyWords(0), cp.RxKeyLength[0]), stored);
        QCOMPARE(Codeplug::KeyText(cp.TxKeyWords(0), cp.TxKeyLength[0]), stored);
        QTEST(int(edited.size()) / 2, "edits");
    }

    // After a channel whose tone is not on the list, a digital channel's tone lists show nothing.
    void digitalChannelAfterAnOffListTone() {
        test::PutChannel(cp, 0, 440 * kMHz, 440 * kMHz);
        cp.RxCtcss[0] = 1500;
        cp.TxCtcss[0] = 1500;
        test::PutChannel(cp, 1, 440 * kMHz, 440 * kMHz, true);
        Open(1);
        ShowChannel(1);
        for (const char* name : {"ComboDecode", "ComboEncode"}) {
            QCOMPARE(Combo(name)->currentIndex(), -1);
            QCOMPARE(Combo(name)->currentText(), QString());
        }
    }

    void tonesPickedInTheLists() {
        test::PutChannel(cp, 0, 440 * kMHz, 440 * kMHz);
        cp.TxCtcss[0] = 1500; // a radio tone off the list is shown, not changed
        Open(1);
        QCOMPARE(Combo("ComboEncode")->currentIndex(), -1);
        QCOMPARE(Combo("ComboEncode")->placeholderText(), QStringLiteral("150.0"));
        QCOMPARE(cp.TxCtcss[0], 1500);
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

    void listFields() {
        const struct {
            const char* combo;
            const char* item;
            int field; // 0 power, 1 squelch, 2 permission, 3 denoise, 4 spacing
            Long stored;
        } picks[] = {
            {"ComboTxPower", "Low", 0, 0},           {"ComboSql", "10", 1, 10},
            {"ComboTxAuthority", "Busy Lock", 2, 1}, {"ComboDenoise", "3", 3, 18},
            {"ComboDenoise", "Off", 3, 0},           {"ComboSpace", "12.5K(Narrow)", 4, 12500}};
        test::PutChannel(cp, 4, 440 * kMHz, 440 * kMHz);
        Open(5);
        for (const auto& pick : picks) {
            cp.ChannelDataChanged = false;
            Pick(pick.combo, QString::fromLatin1(pick.item));
            const Long values[] = {cp.TxPower[4], cp.SqlLevel[4], cp.TxAuthority[4],
                                   cp.DenoiseLevel[4], cp.ChannelSpace[4]};
            QVERIFY2(values[pick.field] == pick.stored, pick.item);
            QVERIFY(cp.ChannelDataChanged);
        }
    }

    void clearingAndRetypingFrequencies() {
        cp.BandLower = 400;
        cp.BandUpper = 480;
        test::PutChannel(cp, 0, 440 * kMHz, 441 * kMHz);
        cp.TxPower[0] = 0;
        cp.TxAuthority[0] = 0;
        Open(1);
        Enter("TextTxFreq", QString());
        QCOMPARE(cp.TxFreq[0], 0);
        QCOMPARE(cp.TxPower[0], 1);
        QCOMPARE(cp.TxAuthority[0], 2);
        QCOMPARE(Usable(), QStringLiteral("TextRxFreq TextTxFreq ComboDecode ComboSpace ComboSql "
                                          "ComboDenoise"));
        Enter("TextTxFreq", "442");
        QCOMPARE(cp.TxFreq[0], 442 * kMHz);
        QVERIFY(Combo("ComboEncode")->isEnabled());

        Enter("TextRxFreq", "999");
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(seam->messages[0].text, QStringLiteral("Frequency is out of range!"));
        QCOMPARE(cp.RxFreq[0], 480 * kMHz);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("480.00000"));

        Enter("TextRxFreq", QString());
        QCOMPARE(cp.RxFreq[0], 0);
        QCOMPARE(Usable(), QStringLiteral("TextRxFreq"));
    }

    void tabbingThroughChangesNothingAndEscapeRestores() {
        test::PutChannel(cp, 0, 440 * kMHz, 0);
        Open(1);
        Text("TextRxFreq")->setFocus();
        Combo("ComboSql")->setFocus();
        QCOMPARE(cp.TxFreq[0], 0);
        QVERIFY(!cp.ChannelDataChanged);
        Text("TextRxFreq")->selectAll();
        QTest::keyClicks(Text("TextRxFreq"), "450");
        QTest::keyClick(Text("TextRxFreq"), Qt::Key_Escape);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("440.00000"));
        QVERIFY(dialog->isVisible());
        // Typing and leaving commits.
        Text("TextRxFreq")->setFocus();
        Text("TextRxFreq")->selectAll();
        QTest::keyClicks(Text("TextRxFreq"), "441");
        Combo("ComboSql")->setFocus();
        QCOMPARE(cp.RxFreq[0], 441 * kMHz);
        QCOMPARE(cp.TxFreq[0], 441 * kMHz);
        // Enter in a list stays in the dialog.
        QTest::keyClick(Combo("ComboDecode"), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
    }

    void editsStayOnTheShownChannel() {
        test::PutChannel(cp, 1, 440 * kMHz, 440 * kMHz);
        test::PutChannel(cp, 4, 445 * kMHz, 445 * kMHz);
        test::PutChannel(cp, 6, 447 * kMHz, 447 * kMHz);
        Open(2);
        cp.GridEditRow = 5; // a click in the grid, no change there
        Pick("ComboSql", "9");
        QCOMPARE(cp.SqlLevel[1], 9);
        QCOMPARE(cp.SqlLevel[4], 5);
        ShowChannel(6);
        QCOMPARE(cp.GridEditRow, std::int16_t(7));
        QCOMPARE(dialog->ShownChannel(), 6);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("447.00000"));
    }

    void closeClearsTheOpenFlag() {
        Open(1);
        QPointer<FormChannelEdit> guard = dialog.release();
        guard->findChild<QPushButton*>(QStringLiteral("CommandClose"))->click();
        QVERIFY(!cp.ChannelEditOpen);
        QTRY_VERIFY(guard.isNull());
    }
};

QTEST_MAIN(TestChannelEdit)
#include "test_channel_edit.moc"
