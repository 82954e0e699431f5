// The pages and the channel edit dialog (the service pages on the model image too): which
// controls a page offers, that each control's commit reaches the codeplug and shows what was
// stored, and what every page shares (the filtered text box, the open flag, F1, the window
// state). Field codings and repairs are tested with the rules in tests/channels and
// tests/functions.

#include "channels/image_channel_layout.h"
#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "channels/ui/form_rx_list.h"
#include "codeplug/key_filter.h"
#include "functions/ui/form_embed_message.h"
#include "functions/ui/form_key_setting.h"
#include "functions/ui/form_option.h"
#include "functions/ui/form_scan_information.h"
#include "gui_support.h"
#include "widgets/key_filter_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace zr40;

namespace {

constexpr Long kMHz = 1000000;

QByteArray MessageBytes(const Codeplug& cp) {
    return QByteArray(reinterpret_cast<const char*>(cp.RadioImage.data()) + 768, 64);
}

} // namespace

class TestPages : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<QWidget> window;

    template <typename Page> Page* Show(Page* page) {
        window.reset(page);
        test::ShowActive(page);
        return page;
    }
    FormChannelEdit* OpenEdit(int row) {
        cp.GridEditRow = std::int16_t(row);
        return Show(new FormChannelEdit(cp));
    }
    FormRxList* OpenLists() { return Show(new FormRxList(cp)); }
    FormOption* OpenOption() { return Show(new FormOption(cp)); }
    FormChannelEdit* edit() const { return static_cast<FormChannelEdit*>(window.get()); }
    FormRxList* lists() const { return static_cast<FormRxList*>(window.get()); }
    FormOption* option() const { return static_cast<FormOption*>(window.get()); }

    template <typename T = QWidget> T* Find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    KeyFilterEdit* Text(const char* name) const { return Find<KeyFilterEdit>(name); }
    void Enter(const char* box, const QString& text) { test::Enter(Text(box), text); }
    void Pick(const char* name, const QString& item) {
        QVERIFY2(test::Pick(Combo(name), item), name);
    }
    void ShowChannel(int index) { Pick("ComboChannel", QString::number(index + 1)); }
    // Which of the edit dialog's controls are usable.
    QString Usable() const {
        QStringList names;
        for (const char* name :
             {"TextRxFreq", "TextTxFreq", "ComboDecode", "ComboEncode", "ComboTxPower",
              "ComboSpace", "ComboSql", "ComboDenoise", "ComboTxAuthority", "ComboRxList",
              "CheckRxKey", "TextRxKey", "CheckTxKey", "TextTxKey", "ComboCallType", "TextTxID"}) {
            if (Find(name)->isEnabled())
                names << QString::fromLatin1(name);
        }
        return names.join(QLatin1Char(' '));
    }
    // Opens a receive-list entry's editor by mouse and types over it; Enter unless `pending`.
    void TypeEntry(int row, const QString& text, bool pending = false) {
        test::ClickCell(lists()->grid(), row - 1, 0);
        KeyFilterEdit* editor = lists()->textEditor();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->selectedText(), editor->text());
        if (pending)
            QTest::keyClicks(editor, text);
        else
            test::Enter(editor, text);
    }
    void SelectList(int index) {
        QVERIFY(test::Pick(lists()->listSelector(), QString::number(index + 1)));
    }
    Long Entry(int list, int row) const { return cp.RxListEntry[list * 8 + row - 1]; }

private slots:
    void init() {
        cp = test::PageCodeplug();
        seam = std::make_unique<test::ScriptedSeam>();
    }
    void cleanup() {
        window.reset();
        seam.reset();
    }

    // --- Channel edit dialog ---

    void controlsByChannelKind_data() {
        QTest::addColumn<int>("kind"); // 0 empty, 1 analog, 2 digital
        QTest::addColumn<Long>("txHz");
        QTest::addColumn<QString>("usable");
        const QString rx = "TextRxFreq TextTxFreq ";
        QTest::newRow("empty") << 0 << Long(0) << "TextRxFreq";
        QTest::newRow("analog") << 1 << 440 * kMHz
                                << rx + "ComboDecode ComboEncode ComboTxPower ComboSpace ComboSql "
                                        "ComboDenoise ComboTxAuthority";
        QTest::newRow("digital") << 2 << 440 * kMHz
                                 << rx + "ComboTxPower ComboSql ComboDenoise ComboTxAuthority "
                                         "ComboRxList CheckRxKey TextRxKey CheckTxKey TextTxKey "
                                         "ComboCallType TextTxID";
        QTest::newRow("digital no tx")
            << 2 << Long(0) << rx + "ComboSql ComboDenoise ComboRxList CheckRxKey TextRxKey";
    }
    void controlsByChannelKind() {
        QFETCH(int, kind);
        QFETCH(Long, txHz);
        if (kind > 0)
            test::PutChannel(cp, 2, 440 * kMHz, txHz, kind == 2);
        OpenEdit(3);
        QTEST(Usable(), "usable");
        QCOMPARE(Combo("ComboEncode")->count(), txHz ? 279 : 0);
    }

    void receiveTypedIntoAnEmptyChannelFillsTheDialog() {
        OpenEdit(20); // what a new channel is given is in test_channel_edits
        Enter("TextRxFreq", "435.025");
        QCOMPARE(cp.RxFreq[19], 435025000);
        QVERIFY(cp.ChannelDataChanged);
        QCOMPARE(Text("TextTxFreq")->text(), QStringLiteral("435.02500"));
        QCOMPARE(Combo("ComboDecode")->currentText(), QStringLiteral("None"));
        Enter("TextTxFreq", QString()); // no transmit side: its controls go
        QCOMPARE(cp.TxFreq[19], 0);
        QVERIFY(!Combo("ComboEncode")->isEnabled());
        Enter("TextRxFreq", "999");
        QCOMPARE(seam->messages.size(), 1);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("550.00000"));
    }

    // A key from a file or the radio may hold A-F, which cannot be typed: a commit stores the
    // digits the box holds, and a commit that changes nothing stores nothing.
    void keyBoxes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("edits");
        QTest::newRow("enter alone") << ""
                                     << "ABCD" << 0;
        QTest::newRow("one digit more") << "5"
                                        << "ABCD5" << 1;
    }
    void keyBoxes() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        test::PutChannel(cp, 0, 440 * kMHz, 440 * kMHz, true);
        cp.RxKeyLength[0] = cp.TxKeyLength[0] = 4;
        cp.SetRxKeyWords(0, Codeplug::PackKey(QStringLiteral("ABCD")));
        cp.SetTxKeyWords(0, Codeplug::PackKey(QStringLiteral("ABCD")));
        OpenEdit(1);
        QSignalSpy edited(edit(), &FormChannelEdit::edited);
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
        // Tabbing through a box stores nothing either.
        const qsizetype before = edited.size();
        Text("TextTxKey")->setFocus();
        Find("CheckTxKey")->setFocus();
        QCOMPARE(edited.size(), before);
        Find<QCheckBox>("CheckTxKey")->click();
        QCOMPARE(cp.TxKeyEnable[0], 1);
    }

    // The list codings are the channel rules' (test_channel_rules); here they reach the shown
    // channel.
    void listsWriteTheirFields() {
        test::PutChannel(cp, 4, 440 * kMHz, 440 * kMHz);
        test::PutChannel(cp, 5, 440 * kMHz, 440 * kMHz, true);
        OpenEdit(5);
        cp.GridEditRow = 9; // a click in the grid meanwhile: the edits stay on the shown channel
        Pick("ComboTxPower", "Low");
        Pick("ComboDenoise", "3");
        QCOMPARE(std::pair(cp.TxPower[4], cp.DenoiseLevel[4]), std::pair(Long(0), Long(18)));
        QVERIFY(cp.ChannelDataChanged);
        ShowChannel(5);
        QCOMPARE(cp.GridEditRow, std::int16_t(6));
        Pick("ComboRxList", "6");
        QCOMPARE(cp.ChannelRxList[5], 5);
        Pick("ComboCallType", "Group Call");
        Enter("TextTxID", "1234");
        QCOMPARE(cp.CallTypeTxID[5], 0x801234);
    }

    void toneLists() {
        test::PutChannel(cp, 0, 440 * kMHz, 440 * kMHz);
        cp.RxCtcss[0] = cp.TxCtcss[0] = 1500; // a radio tone off the list: shown, not changed
        test::PutChannel(cp, 1, 440 * kMHz, 440 * kMHz, true);
        OpenEdit(1);
        QCOMPARE(Combo("ComboEncode")->currentIndex(), -1);
        QCOMPARE(Combo("ComboEncode")->placeholderText(), QStringLiteral("150.0"));
        QCOMPARE(cp.TxCtcss[0], 1500);
        // A digital channel shown next shows nothing in its tone lists.
        ShowChannel(1);
        for (const char* name : {"ComboDecode", "ComboEncode"})
            QCOMPARE(Combo(name)->currentText(), QString());
        ShowChannel(0);
        Pick("ComboDecode", "D023N");
        QCOMPARE(cp.RxDcs[0], 0x89C7EC);
        QVERIFY(cp.ChannelDataChanged);
        QCOMPARE(Combo("ComboDecode")->placeholderText(), QString());
    }

    void tabbingThroughChangesNothingAndEscapeRestores() {
        test::PutChannel(cp, 0, 440 * kMHz, 0);
        OpenEdit(1);
        Text("TextRxFreq")->setFocus();
        Combo("ComboSql")->setFocus();
        QCOMPARE(cp.TxFreq[0], 0);
        QVERIFY(!cp.ChannelDataChanged);
        Text("TextRxFreq")->selectAll();
        QTest::keyClicks(Text("TextRxFreq"), "450");
        QTest::keyClick(Text("TextRxFreq"), Qt::Key_Escape);
        QCOMPARE(Text("TextRxFreq")->text(), QStringLiteral("440.00000"));
        QVERIFY(edit()->isVisible());
        // Typing and leaving commits.
        Text("TextRxFreq")->setFocus();
        Text("TextRxFreq")->selectAll();
        QTest::keyClicks(Text("TextRxFreq"), "441");
        Combo("ComboSql")->setFocus();
        QCOMPARE(cp.RxFreq[0], 441 * kMHz);
        QCOMPARE(cp.TxFreq[0], 441 * kMHz);
        // Enter in a list stays in the dialog.
        QTest::keyClick(Combo("ComboDecode"), Qt::Key_Return);
        QVERIFY(edit()->isVisible());
    }

    // --- Receive lists ---

    // The cell and the stored value agree; the entry coding is in test_channel_rules.
    void entriesAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Long>("stored");
        QTest::addColumn<int>("edits");
        QTest::newRow("small id becomes a group") << "1234"
                                                  << "801234" << Long(0x801234) << 1;
        QTest::newRow("cleared") << ""
                                 << "" << Long(-1) << 1;
        QTest::newRow("unchanged") << "800003"
                                   << "800003" << Long(0x800003) << 0;
    }
    void entriesAsTyped() {
        QFETCH(QString, typed);
        cp.RxListEntry[2] = 0x800003;
        OpenLists();
        QSignalSpy edited(lists(), &ConfigPage::edited);
        TypeEntry(3, typed);
        QTEST(Entry(0, 3), "stored");
        QTEST(lists()->CellText(3), "shown");
        QTEST(int(edited.size()), "edits");
        QVERIFY(!lists()->textEditor()->isVisible());
        QCOMPARE(lists()->grid()->currentRow(), 2); // the current entry does not move
    }

    // Each list keeps its own entries; a pending entry is stored in the list it was typed into,
    // when the list changes or on FreshData. An invalid entry is emptied once its list is shown.
    void listsKeepTheirOwnEntries() {
        cp.RxListEntry[8 + 5] = 5;
        OpenLists();
        TypeEntry(1, "111");
        TypeEntry(4, "444", true);
        QCOMPARE(cp.RxListEntry[8 + 5], 5); // list 2 not shown yet
        SelectList(1);
        QCOMPARE(Entry(0, 4), 0x800444);
        QCOMPARE(lists()->CellText(4), QString());
        QCOMPARE(Entry(1, 6), -1);
        TypeEntry(2, "77", true);
        lists()->FreshData();
        QCOMPARE(Entry(1, 2), 0x800077);
        SelectList(0);
        QCOMPARE(lists()->CellText(1), QStringLiteral("800111"));
    }

    // Typing starts the editor, Tab moves on, Escape gives up; the grid keeps the keyboard, also
    // when the page's window is not the active one.
    void keyboardOnly() {
        OpenLists();
        lists()->grid()->setCurrentCell(4, 0);
        lists()->grid()->setFocus();
        QTest::keyClick(lists()->grid(), 'a');
        QVERIFY(lists()->textEditor()->hasFocus());
        QTest::keyClicks(lists()->textEditor(), "bc");
        QTest::keyClick(lists()->textEditor(), Qt::Key_Tab);
        QCOMPARE(Entry(0, 5), 0x800ABC);
        QCOMPARE(lists()->grid()->currentRow(), 5);
        QWidget other;
        QVERIFY(test::ShowActive(&other));
        QTest::keyClick(lists()->grid(), Qt::Key_Return);
        QTest::keyClicks(lists()->textEditor(), "99");
        QTest::keyClick(lists()->textEditor(), Qt::Key_Escape);
        QCOMPARE(Entry(0, 6), -1);
        QVERIFY(!lists()->textEditor()->isVisible());
        QCOMPARE(lists()->focusWidget(), lists()->grid());
    }

    // --- Function setup ---

    void loadShowsTheSettings() {
        cp.LocalID = 0x1234AB;
        cp.VoicePrompt = 2;
        cp.KeyDefine[3] = 12;
        OpenOption();
        QCOMPARE(Find<KeyFilterEdit>("TextLocalID")->text(), QStringLiteral("1234AB"));
        QCOMPARE(Find<QComboBox>("ComboVoice")->currentText(), QStringLiteral("English"));
        QCOMPARE(option()->keyDefine(3)->currentText(), QStringLiteral("Denoise Switch"));
        cp.VoicePrompt = 0; // a reload after a read
        option()->Analyse();
        QCOMPARE(Find<QComboBox>("ComboVoice")->currentText(), QStringLiteral("Off"));
    }

    void localIdIsCheckedAndKept() {
        OpenOption();
        QSignalSpy edited(option(), &ConfigPage::edited);
        auto* box = Find<KeyFilterEdit>("TextLocalID");
        test::Enter(box, "800000"); // clamped by the option rules
        QCOMPARE(box->text(), QStringLiteral("7FFFFF"));
        QCOMPARE(edited.size(), 1);
        box->selectAll();
        QTest::keyClicks(box, "4a"); // pending: committed by FreshData
        option()->FreshData();
        QCOMPARE(cp.LocalID, 0x4A);
    }

    // The list codings are in test_option_rules.
    void listsWriteTheirSettings() {
        OpenOption();
        Pick("ComboTOT", "Off");
        Pick("ComboVoxDelay", "3.0");
        QCOMPARE(std::pair(cp.OptionTOT, cp.VoxDelay), std::pair(Long(-1), Long(150)));
    }

    // The side-key rules are in test_option_rules; the other row shows their repair.
    void sideKeys() {
        OpenOption();
        test::PickAt(option()->keyDefine(0), 2); // Monitor Instant takes the long press too
        QCOMPARE(cp.KeyDefine[0], 2);
        test::PickAt(option()->keyDefine(1), 1); // so Monitor on the long press snaps back
        QCOMPARE(option()->keyDefine(1)->currentIndex(), 0);
        QCOMPARE(cp.KeyDefine[1], -1);
    }

    void hiddenControlsWriteTheModelImage() {
        cp.BandLower = 400;
        cp.BandUpperTx = 480;
        OpenOption();
        Find<QCheckBox>("CheckTail")->click();
        QCOMPARE(cp.RadioImage[287], 1);
        test::Enter(Text("TextVoltageUpper3"), "20000"); // clamped by the hidden option rules
        QCOMPARE(Text("TextVoltageUpper3")->text(), QStringLiteral("10000"));
        Find<QCheckBox>("CheckVox")->click();
        Find<QCheckBox>("CheckVox")->click();
        QVERIFY(!Find("ComboVoxLevel")->isEnabled());
    }

    // --- Key setting ---

    void keyRowsLoadAndStore() {
        cp.RadioImage[306] = 7;
        cp.RadioImage[307] = 4;
        FormKeySetting page(cp);
        QVERIFY(cp.KeySettingOpen);
        QCOMPARE(page.keySet(0)->currentIndex(), 0); // an unknown code, repaired on loading
        QCOMPARE(page.keySet(1)->currentText(), QStringLiteral("Alarm"));
        QSignalSpy edited(&page, &ConfigPage::edited);
        test::PickAt(page.keySet(0), 2);
        QCOMPARE(int(cp.RadioImage[306]), 2);
        test::PickAt(page.keySet(0), 2); // the same again is no edit
        QCOMPARE(edited.size(), 1);
        QVERIFY(!page.keySet(2)->isVisibleTo(&page)); // the one-second presses stay hidden
    }

    // --- Scan information ---

    void priorityModeChangesTheRevertList() {
        cp.RadioImage[288] = 1;
        cp.RadioImage[292] = 2;
        FormScanInformation page(cp);
        QSignalSpy edited(&page, &ConfigPage::edited);
        QCOMPARE(page.revertChannel()->currentText(), QStringLiteral("Priority"));
        test::PickAt(page.priority(), 0);
        QCOMPARE(int(cp.RadioImage[288]), 0);
        QCOMPARE(page.revertChannel()->count(), 2);
        QCOMPARE(page.revertChannel()->currentIndex(), -1); // the chosen item went away
        QVERIFY(!page.scanBackTime(0)->isEnabled());
        test::PickAt(page.priority(), 2);
        QCOMPARE(page.revertChannel()->count(), 4);
        QVERIFY(page.scanBackTime(1)->isEnabled());
        test::PickAt(page.revertChannel(), 3);
        QCOMPARE(int(cp.RadioImage[292]), 3); // the codings are in test_image_page_rules
        QCOMPARE(edited.size(), 3);
    }

    // Tab goes through the lists in reading order: along a row, then on to the next.
    void scanTabFollowsTheReadingOrder() {
        cp.RadioImage[288] = 1; // every list in use
        FormScanInformation page(cp);
        QVERIFY(test::ShowActive(&page));
        QList<QWidget*> tabbed;
        QWidget* first = page.priority();
        QWidget* widget = first;
        do {
            if (qobject_cast<QComboBox*>(widget) && widget->isVisible())
                tabbed << widget;
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QList<QWidget*> read = tabbed;
        std::stable_sort(read.begin(), read.end(), [&page](QWidget* a, QWidget* b) {
            const QPoint pa = a->mapTo(&page, QPoint()), pb = b->mapTo(&page, QPoint());
            return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
        });
        QCOMPARE(tabbed.size(), 14);
        QCOMPARE(tabbed, read);
    }

    // --- Embedded message ---

    // What a line keeps and how it is stored is in test_image_page_rules; here typing (a Chinese
    // character through the input method) reaches the image, and Enter moves on.
    void messageTypedStoresBothLines() {
        FormEmbedMessage page(cp);
        QVERIFY(test::ShowActive(&page));
        page.line(0)->setFocus();
        test::TypeText(page.line(0), QString::fromUtf8("Hi 你好!"));
        QCOMPARE(page.line(0)->text(), QStringLiteral("Hi !"));
        QSignalSpy edited(&page, &ConfigPage::edited);
        QTest::keyClick(page.line(0), Qt::Key_Return);
        QVERIFY(page.line(1)->hasFocus());
        QTest::keyClicks(page.line(1), "zr40");
        QTest::keyClick(page.line(1), Qt::Key_Return);
        QVERIFY(page.findChild<QPushButton*>("CommandClose")->hasFocus());
        QCOMPARE(MessageBytes(cp).left(5), QByteArray("Hi !\xFF"));
        QCOMPARE(MessageBytes(cp).mid(32, 5), QByteArray("zr40\xFF"));
        QCOMPARE(edited.size(), 2);
    }

    // --- Names of edits ---

    // Names built around a number, which the Chinese places in its own order.
    void stepNamesInBothLanguages_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("rx list entry")
            << 0 << "Entry 3 of Rx List 2" << QString::fromUtf8("接收列表2 第3项");
        QTest::newRow("priority channel")
            << 1 << "Priority Channel 2" << QString::fromUtf8("优先信道2");
        QTest::newRow("key") << 2 << "Key Setting PF2" << QString::fromUtf8("键设定 PF2");
    }
    void stepNamesInBothLanguages() {
        QFETCH(int, edit);
        const auto pickOther = [](QComboBox* list) {
            test::PickAt(list, (list->currentIndex() + 1) % list->count());
        };
        std::unique_ptr<QSignalSpy> edited;
        if (edit == 0) {
            OpenLists();
            SelectList(1);
            edited = std::make_unique<QSignalSpy>(lists(), &ConfigPage::edited);
            TypeEntry(3, QStringLiteral("800123"));
        } else if (edit == 1) {
            cp.RadioImage[288] = 1;              // every list in use
            for (int channel : {16 + 2, 16 + 5}) // channels 3 and 6 of the second group
                ImageChannelLayout::SetPresent(cp.RadioImage, channel, true);
            auto* page = Show(new FormScanInformation(cp));
            edited = std::make_unique<QSignalSpy>(page, &ConfigPage::edited);
            pickOther(page->priorityChannel(1));
        } else {
            auto* page = Show(new FormKeySetting(cp));
            edited = std::make_unique<QSignalSpy>(page, &ConfigPage::edited);
            pickOther(page->keySet(1));
        }
        QCOMPARE(edited->size(), 1);
        const EditStep step = edited->first().first().value<EditStep>();
        QTEST(step.Name(true), "english");
        QTEST(step.Name(false), "chinese");
    }

    // --- Shared by every page ---

    void typingOverASelection() {
        KeyFilterEdit box(KeyFilterKind::Frequency);
        box.setText(QStringLiteral("446.00625"));
        box.selectAll();
        QTest::keyClick(&box, '.'); // replaces the old separator with the selection
        QCOMPARE(box.text(), QStringLiteral("."));
        box.setText(QStringLiteral("446.00625"));
        box.setSelection(8, 1);
        QTest::keyClick(&box, '7'); // nine characters, one selected
        QTest::keyClick(&box, '8');
        QCOMPARE(box.text(), QStringLiteral("446.00627"));
    }

    // Whatever way text arrives, the box keeps what its kind allows and drops the rest.
    void everyInsertionIsFiltered_data() {
        QTest::addColumn<QString>("way");
        for (const char* way :
             {"typed", "ctrl+v", "shift+insert", "menu", "middle click", "drop", "input method"})
            QTest::newRow(way) << QString::fromLatin1(way);
    }
    void everyInsertionIsFiltered() {
        QFETCH(QString, way);
        const QString text = QStringLiteral("1234zzGG12\r");
        KeyFilterEdit box(KeyFilterKind::Hex);
        QVERIFY(test::ShowActive(&box));
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(text);
        if (way == "typed") {
            QTest::keyClicks(&box, text);
        } else if (way == "ctrl+v") {
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        } else if (way == "shift+insert") {
            QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == "menu") {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2),
                                   box.mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(&box, &menu);
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(popup);
            for (QAction* action : popup->actions()) {
                if (action->text().startsWith(QStringLiteral("&Paste")))
                    action->trigger();
            }
            popup->close();
        } else if (way == "middle click") {
            if (!clipboard->supportsSelection())
                QSKIP("no primary selection on this platform");
            clipboard->setText(text, QClipboard::Selection);
            QTest::mouseClick(&box, Qt::MiddleButton);
        } else if (way == "drop") {
            QMimeData data;
            data.setText(text);
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&box, &enter);
            QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&box, &drop);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(&box, &commit);
        }
        QCOMPARE(box.text(), QStringLiteral("123412"));
    }

    // Every page sets its open flag while it exists and answers F1 with its own help topic.
    void everyPageKeepsItsFlagAndHelp_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("topic");
        QTest::newRow("channel grid") << 0 << "chinfo.htm";
        QTest::newRow("function setup") << 1 << "optfeatures.htm";
        QTest::newRow("rx list") << 2 << "rxlist.htm";
        QTest::newRow("channel edit") << 3 << "chEdit.htm";
    }
    void everyPageKeepsItsFlagAndHelp() {
        QFETCH(int, page);
        bool Codeplug::*flags[] = {&Codeplug::ChannelInfoOpen, &Codeplug::OptionOpen,
                                   &Codeplug::RxListOpen, &Codeplug::ChannelEditOpen};
        const std::function<QWidget*()> opens[] = {
            [this] { return Show(new FormChannelInformation(cp)); },
            [this] { return OpenOption(); }, [this] { return OpenLists(); },
            [this] { return OpenEdit(1); }};
        opens[page]();
        QVERIFY(cp.*flags[page]);
        // F1 from the control that has the keyboard, whichever it is.
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window.get();
        QTest::keyClick(focus, Qt::Key_F1);
        QTEST(seam->helpTopics.value(0), "topic");
        window.reset();
        QVERIFY(!(cp.*flags[page]));
    }

    void pageInAnMdiWindowRecordsThatWindowsState() {
        QMdiArea area;
        area.resize(800, 600);
        QMdiSubWindow* sub = area.addSubWindow(new FormRxList(cp));
        area.show();
        sub->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        sub->showMaximized();
        QTRY_COMPARE(cp.ChildWindowState, std::int16_t(2));
        sub->showMinimized();
        QTRY_COMPARE(cp.ChildWindowState, std::int16_t(1));
        sub->showNormal();
        QTRY_COMPARE(cp.ChildWindowState, std::int16_t(0));
    }
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
