// What a channel edit in the grid or the dialog changes in the codeplug, and what the grid and
// the dialog show of a channel.

#include "channels/channel_effects.h"
#include "channels/channel_view.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

// Channel 1 in use with the given frequencies.
Codeplug Used(Long rx = 440000000, Long tx = 440000000, bool digital = false) {
    Codeplug cp = UhfCodeplug();
    cp.RxFreq[0] = rx;
    cp.TxFreq[0] = tx;
    cp.ChannelType[0] = digital ? 2 : 1;
    return cp;
}

struct FollowCase {
    bool dialog;
    QString typed;
    QString shown;
    Long rx;
    Long tx;
    bool outOfRange;
};

} // namespace

class TestChannelEdits : public QObject {
    Q_OBJECT

private slots:
    // A frequency typed into an empty channel holding a digital setup: the grid sets only the
    // analog defaults and leaves the rest as it was, the dialog resets the whole channel.
    void newChannel() {
        for (bool dialog : {false, true}) {
            Codeplug cp = UhfCodeplug();
            cp.ChannelType[2] = 2;
            cp.RxCtcss[2] = 885;
            cp.TxPower[2] = 0;
            cp.SqlLevel[2] = 9;
            cp.CallTypeTxID[2] = 0x800123;
            if (dialog) {
                QVERIFY(
                    !ChannelEffects::DialogReceiveEntry(cp, 2, "435.025", English()).outOfRange);
            } else {
                const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 2, "435.025", English());
                QCOMPARE(edit.cellText, "435.02500");
                QCOMPARE(edit.cells.value(kGridColumnDecode), "None");
                QVERIFY(edit.shadingChanged && !edit.digital);
            }
            QCOMPARE(std::tuple(cp.TxFreq[2], cp.RxColor[2], cp.ChannelType[2], cp.TxPower[2],
                                cp.RxCtcss[2], cp.TxDcs[2]),
                     std::tuple(435025000, 4, 1, 1, -1, -1));
            QCOMPARE(std::pair(cp.SqlLevel[2], cp.CallTypeTxID[2]),
                     dialog ? std::pair(5, 0) : std::pair(9, 0x800123));
        }
    }

    // Receive typed into an empty channel: Tx follows, held to the Tx band (470 here).
    void txFollowsRx_data() {
        QTest::addColumn<FollowCase>("c");
        // clang-format off
        QTest::newRow("grid in band") << FollowCase{false, "446.5", "446.50000", 446500000, 446500000, false};
        QTest::newRow("grid above Tx band") << FollowCase{false, "475.0125", "475.01250", 475012500, 470000000, false};
        QTest::newRow("grid above Rx band") << FollowCase{false, "999", "480.00000", 480000000, 470000000, true};
        QTest::newRow("dialog above Tx band") << FollowCase{true, "475", "475.00000", 475000000, 470000000, false};
        QTest::newRow("dialog lone separator") << FollowCase{true, ".", "400.00000", 400000000, 400000000, true};
        // clang-format on
    }
    void txFollowsRx() {
        QFETCH(FollowCase, c);
        Codeplug cp = Used(0, 0);
        if (c.dialog) {
            const DialogEdit edit = ChannelEffects::DialogReceiveEntry(cp, 0, c.typed, English());
            QCOMPARE(std::pair(edit.text, edit.outOfRange), std::pair(c.shown, c.outOfRange));
        } else {
            const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 0, c.typed, English());
            QCOMPARE(std::pair(edit.cellText, edit.outOfRange), std::pair(c.shown, c.outOfRange));
            QCOMPARE(edit.cells.value(kGridColumnTx), ChannelRules::FrequencyText(c.tx, '.'));
        }
        QCOMPARE(std::tuple(cp.RxFreq[0], cp.TxFreq[0], cp.TxColor[0]),
                 std::tuple(c.rx, c.tx, ChannelRules::FrequencyColourCode(c.tx)));
    }

    // On a used channel a receive edit keeps the rest; clearing it resets the channel.
    void rxEditAndClear() {
        Codeplug cp = Used(440000000, 445000000);
        cp.TxCtcss[0] = 885;
        cp.SqlLevel[0] = 9;
        QVERIFY(ChannelEffects::GridReceiveEntry(cp, 0, "441", English()).cells.isEmpty());
        ChannelEffects::DialogReceiveEntry(cp, 0, "442", English());
        QCOMPARE(std::tuple(cp.RxFreq[0], cp.TxFreq[0], cp.TxCtcss[0], cp.SqlLevel[0]),
                 std::tuple(442000000, 445000000, 885, 9));
        const GridEdit cleared = ChannelEffects::GridReceiveEntry(cp, 0, QString(), English());
        QCOMPARE(std::pair(cp.RxFreq[0], cp.SqlLevel[0]), std::pair(0, 5));
        QCOMPARE(cleared.cells.size(), 5);
        for (int column = kGridColumnTx; column <= kGridColumnPower; ++column)
            QVERIFY(cleared.cells.value(column, "x").isEmpty());
        cp = Used();
        cp.SqlLevel[0] = 1;
        ChannelEffects::DialogReceiveEntry(cp, 0, QString(), English());
        QCOMPARE(cp.SqlLevel[0], 5);
    }

    void gridTransmitEntry() {
        Codeplug cp = Used();
        cp.TxCtcss[0] = 885;
        GridEdit edit = ChannelEffects::GridTransmitEntry(cp, 0, "500", English());
        QVERIFY(edit.outOfRange && edit.cellText == "470.00000");
        QCOMPARE(cp.TxCtcss[0], 885); // an edit keeps the encode tone
        // Clearing leaves zero tones, shown as no cell text and read as None.
        edit = ChannelEffects::GridTransmitEntry(cp, 0, QString(), English());
        QCOMPARE(std::tuple(cp.TxFreq[0], cp.TxCtcss[0], cp.TxDcs[0]), std::tuple(0, 0, 0));
        QVERIFY(edit.cells.contains(kGridColumnEncode) && edit.cells[kGridColumnEncode].isEmpty());
        // Starting the transmit side again sets None on an analog channel ...
        edit = ChannelEffects::GridTransmitEntry(cp, 0, "445.00625", English());
        QCOMPARE(std::tuple(cp.TxColor[0], cp.TxCtcss[0], cp.TxDcs[0]), std::tuple(1, -1, -1));
        QCOMPARE(edit.cells.value(kGridColumnEncode), "None");
        // ... and leaves the tones of a digital one.
        cp = Used(440000000, 0, true);
        cp.TxCtcss[0] = 0;
        edit = ChannelEffects::GridTransmitEntry(cp, 0, "445", English());
        QVERIFY(cp.TxCtcss[0] == 0 && !edit.cells.contains(kGridColumnEncode));
    }

    // The dialog keeps the Tx fields on an edit, resets them on a clear and on a new start.
    void dialogTransmitEntry() {
        Codeplug cp = Used();
        cp.TxPower[0] = 0;
        ChannelEffects::DialogTransmitEntry(cp, 0, "446", English());
        QCOMPARE(std::pair(cp.TxFreq[0], cp.TxPower[0]), std::pair(446000000, 0));
        cp.TxAuthority[0] = 0;
        cp.ChannelTOT[0] = 60;
        cp.TxDcs[0] = 0x763813;
        ChannelEffects::DialogTransmitEntry(cp, 0, QString(), English());
        QCOMPARE(std::tuple(cp.TxFreq[0], cp.TxPower[0], cp.TxAuthority[0], cp.ChannelTOT[0],
                            cp.TxDcs[0]),
                 std::tuple(0, 1, 2, 0, 0));
        cp.TxPower[0] = 0;
        cp.ChannelTOT[0] = 60;
        QCOMPARE(ChannelEffects::DialogTransmitEntry(cp, 0, "445.025", English()).text,
                 "445.02500");
        QCOMPARE(std::tuple(cp.TxColor[0], cp.TxPower[0], cp.ChannelTOT[0]), std::tuple(4, 1, 0));
    }

    void gridTypeChanges() {
        Codeplug cp = Used();
        cp.RxCtcss[0] = 885;
        cp.TxDcs[0] = 0x763813;
        GridEdit edit = ChannelEffects::GridTypeChange(cp, 0, 1, English());
        QCOMPARE(std::tuple(cp.ChannelType[0], cp.ChannelSpace[0], cp.RxCtcss[0], cp.TxDcs[0]),
                 std::tuple(2, 12500, -1, -1));
        QVERIFY(edit.shadingChanged && edit.digital);
        QVERIFY(edit.cells.value(kGridColumnDecode, "x").isEmpty());
        edit = ChannelEffects::GridTypeChange(cp, 0, -1, English()); // nothing selected
        QVERIFY(cp.ChannelType[0] == 2 && edit.cellText == "Digital CH");
        edit = ChannelEffects::GridTypeChange(cp, 0, 0, English());
        QCOMPARE(cp.ChannelSpace[0], 25000);
        QCOMPARE(edit.cells.value(kGridColumnEncode), "None");
        // Channels as loaded from files: tones kept while digital, old analog type code 0.
        cp = Used(440000000, 0, true);
        cp.RxCtcss[0] = 885;
        edit = ChannelEffects::GridTypeChange(cp, 0, 0, English());
        QCOMPARE(cp.RxCtcss[0], 885);
        QCOMPARE(edit.cells.value(kGridColumnDecode), "88.5");
        QVERIFY(edit.cells.value(kGridColumnEncode, "x").isEmpty()); // no transmit side shown
        cp.ChannelType[0] = 0;
        cp.ChannelSpace[0] = 12500;
        edit = ChannelEffects::GridTypeChange(cp, 0, 0, English());
        QCOMPARE(std::pair(cp.ChannelType[0], cp.ChannelSpace[0]), std::pair(1, 12500));
        QVERIFY(!edit.shadingChanged && edit.cells.isEmpty());
    }

    void tonesPowerCallsAndKeys() {
        Codeplug cp = UhfCodeplug();
        QCOMPARE(ChannelEffects::GridToneCommit(cp, 0, FrequencySide::Rx, "D9", English()).cellText,
                 "D700N");
        ChannelEffects::GridToneCommit(cp, 0, FrequencySide::Tx, "88.5", English());
        QCOMPARE(std::tuple(cp.RxCtcss[0], cp.RxDcs[0], cp.TxCtcss[0], cp.TxDcs[0]),
                 std::tuple(-1, ToneRules::DcsValue(0700, true), 885, -1));
        ChannelEffects::DialogTonePick(cp, 1, FrequencySide::Rx, 52); // D023N
        ChannelEffects::DialogTonePick(cp, 1, FrequencySide::Rx, -1); // nothing picked
        QCOMPARE(cp.RxDcs[1], 0x89C7EC);
        for (int pick : {0, -1})
            QCOMPARE(ChannelEffects::GridPowerChange(cp, 0, pick, English()).cellText, "Low");
        QCOMPARE(cp.TxPower[0], 0);
        QCOMPARE(ChannelEffects::DialogCallTypeChange(cp, 0, CallType::Group).idText, "800000");
        QCOMPARE(ChannelEffects::DialogTxIdEntry(cp, 0, "12").text, "800012");
        QCOMPARE(cp.CallTypeTxID[0], 0x800012);
        QVERIFY(!ChannelEffects::DialogCallTypeChange(cp, 0, CallType::All).idEnabled);
        QCOMPARE(cp.CallTypeTxID[0], 0xFFFFFF);
        ChannelEffects::DialogKeyEntry(cp, 1, FrequencySide::Rx, "1234");
        ChannelEffects::DialogKeyEntry(cp, 1, FrequencySide::Tx, "99");
        QCOMPARE(std::tuple(cp.RxKey[4], cp.RxKeyLength[1], cp.TxKey[4], cp.TxKeyLength[1]),
                 std::tuple(0x12340000, 4, static_cast<Long>(0x99000000u), 2));
    }

    void gridRows() {
        Codeplug cp = Used(435000000, 440000000);
        cp.RxFreq[0] = 435025000;
        cp.RxCtcss[0] = 670;
        cp.TxDcs[0] = 0x89C7EC;
        cp.TxPower[0] = 0;
        GridRowView row = ChannelView::GridRow(cp, 0, English(','));
        QVERIFY(!row.empty && !row.digital);
        QCOMPARE(QStringList({row.rx, row.tx, row.decode, row.encode, row.type, row.power}),
                 QStringList({"435,02500", "440,00000", "67,0", "D023N", "Analog CH", "Low"}));
        row = ChannelView::GridRow(Used(435000000, 0), 0, Chinese()); // no transmit side: no encode
        QVERIFY(row.tx.isEmpty() && row.encode.isEmpty());
        QCOMPARE(row.decode, QString::fromUtf8("无"));
        row = ChannelView::GridRow(Used(435000000, 435000000, true), 0, English());
        QVERIFY(row.digital && row.decode.isEmpty() && row.encode.isEmpty());
        cp.RxFreq[0] = 50000000; // kept from a file, outside what can be shown
        row = ChannelView::GridRow(cp, 0, English());
        QVERIFY(row.empty && row.rx.isEmpty() && row.type.isEmpty() && row.power.isEmpty());
        const DialogChannelView view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(view.empty && !view.txShown);
        QVERIFY(view.rxText.isEmpty() && view.callType.rangeCaption.isEmpty());
    }

    void dialogAnalogChannel() {
        Codeplug cp = Used(435000000, 435000000);
        cp.RxCtcss[0] = 885;
        cp.TxCtcss[0] = 671; // not a list item
        cp.SqlLevel[0] = 12;
        cp.DenoiseLevel[0] = 61;
        cp.ChannelSpace[0] = 12500;
        cp.TxAuthority[0] = 4;
        const DialogChannelView view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(!view.empty && view.txShown && !view.digital);
        QCOMPARE(std::tuple(view.decodeText, view.decodeIndex, view.encodeText, view.encodeIndex),
                 std::tuple(QString("88.5"), 9, QString("67.1"), -1));
        QCOMPARE(
            std::tuple(view.sqlIndex, view.denoiseIndex, view.spaceIndex, view.txAuthorityIndex),
            std::tuple(10, 0, 0, 2));
        QCOMPARE(cp.SqlLevel[0], 12); // showing never rewrites
    }

    void dialogDigitalChannel() {
        Codeplug cp = Used(435000000, 435000000, true);
        cp.ChannelRxList[0] = 9;
        cp.RxKeyEnable[0] = 1;
        cp.RxKey[0] = 0x12340000;
        cp.RxKeyLength[0] = 4;
        cp.CallTypeTxID[0] = 0x800010;
        DialogChannelView view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(view.digital && view.decodeText.isEmpty() && view.encodeText.isEmpty());
        QCOMPARE(std::tuple(view.rxListIndex, view.rxKeyChecked, view.rxKeyText, view.callType.type,
                            view.callType.idText),
                 std::tuple(0, true, QString("1234"), CallType::Group, QString("800010")));
        // A bad call type value is repaired when shown, and only when the Tx side is shown.
        cp.CallTypeTxID[0] = -7;
        view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(view.callType.type == CallType::Single && cp.CallTypeTxID[0] == 0);
        cp.TxFreq[0] = 0;
        cp.CallTypeTxID[0] = -7;
        view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(!view.txShown && view.txText.isEmpty());
        QCOMPARE(cp.CallTypeTxID[0], -7);
    }
};

QTEST_APPLESS_MAIN(TestChannelEdits)
#include "test_channel_edits.moc"
