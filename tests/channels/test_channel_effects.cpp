#include "channels/channel_effects.h"
#include "channels_test_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

// Channel 3 holding a digital setup that a new-channel rule may or may not reset.
Codeplug WithUsedEmptyChannel() {
    Codeplug cp = UhfCodeplug();
    cp.ChannelType[2] = 2;
    cp.RxCtcss[2] = 885;
    cp.TxPower[2] = 0;
    cp.SqlLevel[2] = 9;
    cp.TxAuthority[2] = 0;
    cp.CallTypeTxID[2] = 0x800123;
    cp.RxFreq[2] = 0;
    cp.TxFreq[2] = 0;
    return cp;
}

} // namespace

class TestChannelEffects : public QObject {
    Q_OBJECT

private slots:
    void gridNewChannelSetsOnlyTheAnalogDefaults() {
        Codeplug cp = WithUsedEmptyChannel();
        const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 2, "435.025", English());
        QCOMPARE(edit.cellText, "435.02500");
        QVERIFY(!edit.outOfRange);
        QCOMPARE(cp.RxFreq[2], 435025000);
        QCOMPARE(cp.RxColor[2], 4);
        QCOMPARE(cp.ChannelType[2], 1);
        QCOMPARE(cp.TxPower[2], 1);
        QCOMPARE(cp.RxCtcss[2], -1);
        QCOMPARE(cp.TxDcs[2], -1);
        // The grid leaves everything else as it was.
        QCOMPARE(cp.SqlLevel[2], 9);
        QCOMPARE(cp.TxAuthority[2], 0);
        QCOMPARE(cp.CallTypeTxID[2], 0x800123);
        QCOMPARE(edit.cells.value(kGridColumnDecode), "None");
        QCOMPARE(edit.cells.value(kGridColumnEncode), "None");
        QCOMPARE(edit.cells.value(kGridColumnPower), "High");
        QCOMPARE(edit.cells.value(kGridColumnType), "Analog CH");
        QVERIFY(edit.shadingChanged);
        QVERIFY(!edit.digital);
    }

    void gridNewChannelChineseTypeText() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 0;
        const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 0, "435", Chinese());
        QCOMPARE(edit.cells.value(kGridColumnType), QString::fromUtf8("模拟信道"));
        QCOMPARE(edit.cells.value(kGridColumnPower), QString::fromUtf8("高"));
        QCOMPARE(edit.cells.value(kGridColumnDecode), QString::fromUtf8("无"));
    }

    void gridTxFollowsRx() {
        Codeplug cp = UhfCodeplug();
        const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 0, "446.5", English());
        QCOMPARE(cp.TxFreq[0], 446500000);
        QCOMPARE(cp.TxColor[0], cp.RxColor[0]);
        QCOMPARE(edit.cells.value(kGridColumnTx), "446.50000");
    }

    void gridTxFollowingRxIsHeldToTheTxBand() {
        Codeplug cp = UhfCodeplug();
        const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 0, "475.0125", English());
        QCOMPARE(cp.RxFreq[0], 475012500);
        QCOMPARE(cp.TxFreq[0], 470000000);
        QCOMPARE(edit.cells.value(kGridColumnTx), "470.00000");
        QCOMPARE(cp.TxColor[0], ChannelRules::FrequencyColourCode(470000000));
    }

    void gridRxAboveBandClampsBothSides() {
        Codeplug cp = UhfCodeplug();
        const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 0, "999", English());
        QVERIFY(edit.outOfRange);
        QCOMPARE(edit.cellText, "480.00000");
        QCOMPARE(cp.RxFreq[0], 480000000);
        QCOMPARE(cp.TxFreq[0], 470000000);
    }

    void gridRxEditKeepsAnExistingTx() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 445000000;
        cp.TxCtcss[0] = 885;
        const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 0, "441", English());
        QCOMPARE(cp.TxFreq[0], 445000000);
        QCOMPARE(cp.TxCtcss[0], 885);
        QVERIFY(!edit.cells.contains(kGridColumnTx));
        QVERIFY(!edit.cells.contains(kGridColumnType));
    }

    void gridRxClearResetsTheChannel() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[4] = 440000000;
        cp.SqlLevel[4] = 9;
        const GridEdit edit = ChannelEffects::GridReceiveEntry(cp, 4, QString(), English());
        QCOMPARE(cp.RxFreq[4], 0);
        QCOMPARE(cp.SqlLevel[4], 5);
        QCOMPARE(edit.cells.size(), 5);
        for (int column = kGridColumnTx; column <= kGridColumnPower; ++column)
            QVERIFY(edit.cells.value(column, "x").isEmpty());
    }

    void gridTxClearLeavesZeroTones() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 440000000;
        cp.TxCtcss[0] = 885;
        cp.TxPower[0] = 0;
        const GridEdit edit = ChannelEffects::GridTransmitEntry(cp, 0, QString(), English());
        QCOMPARE(cp.TxFreq[0], 0);
        QCOMPARE(cp.TxCtcss[0], 0);
        QCOMPARE(cp.TxDcs[0], 0);
        QCOMPARE(cp.TxPower[0], 0);
        QVERIFY(edit.cells.contains(kGridColumnEncode));
        QVERIFY(edit.cells.value(kGridColumnEncode).isEmpty());
        QCOMPARE(ToneRules::ToneText(cp.TxCtcss[0], cp.TxDcs[0], English()), "None");
    }

    void gridTxStartSetsNoneEncodeOnAnalog() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 0;
        cp.TxCtcss[0] = 0;
        cp.TxDcs[0] = 0;
        const GridEdit edit = ChannelEffects::GridTransmitEntry(cp, 0, "445.00625", English());
        QCOMPARE(cp.TxFreq[0], 445006250);
        QCOMPARE(cp.TxColor[0], 1);
        QCOMPARE(cp.TxCtcss[0], -1);
        QCOMPARE(cp.TxDcs[0], -1);
        QCOMPARE(edit.cells.value(kGridColumnEncode), "None");
    }

    void gridTxStartOnDigitalLeavesTones() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 0;
        cp.ChannelType[0] = 2;
        cp.TxCtcss[0] = 0;
        const GridEdit edit = ChannelEffects::GridTransmitEntry(cp, 0, "445", English());
        QCOMPARE(cp.TxCtcss[0], 0);
        QVERIFY(!edit.cells.contains(kGridColumnEncode));
    }

    void gridTxEditKeepsTheEncodeTone() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 440000000;
        cp.TxCtcss[0] = 885;
        const GridEdit edit = ChannelEffects::GridTransmitEntry(cp, 0, "500", English());
        QVERIFY(edit.outOfRange);
        QCOMPARE(edit.cellText, "470.00000");
        QCOMPARE(cp.TxFreq[0], 470000000);
        QCOMPARE(cp.TxCtcss[0], 885);
    }

    void gridTypeToDigitalAndBack() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 440000000;
        cp.RxCtcss[0] = 885;
        cp.TxDcs[0] = 0x763813;
        GridEdit edit = ChannelEffects::GridTypeChange(cp, 0, 1, English());
        QCOMPARE(cp.ChannelType[0], 2);
        QCOMPARE(cp.ChannelSpace[0], 12500);
        QCOMPARE(cp.RxCtcss[0], -1);
        QCOMPARE(cp.TxDcs[0], -1);
        QCOMPARE(edit.cellText, "Digital CH");
        QVERIFY(edit.shadingChanged && edit.digital);
        QVERIFY(edit.cells.value(kGridColumnDecode, "x").isEmpty());
        QVERIFY(edit.cells.value(kGridColumnEncode, "x").isEmpty());

        edit = ChannelEffects::GridTypeChange(cp, 0, 0, English());
        QCOMPARE(cp.ChannelType[0], 1);
        QCOMPARE(cp.ChannelSpace[0], 25000);
        QVERIFY(edit.shadingChanged && !edit.digital);
        QCOMPARE(edit.cells.value(kGridColumnDecode), "None");
        QCOMPARE(edit.cells.value(kGridColumnEncode), "None");
    }

    void gridTypeBackToAnalogShowsKeptTones() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 0;
        cp.ChannelType[0] = 2;
        cp.RxCtcss[0] = 885; // from a file
        const GridEdit edit = ChannelEffects::GridTypeChange(cp, 0, 0, English());
        QCOMPARE(cp.RxCtcss[0], 885);
        QCOMPARE(edit.cells.value(kGridColumnDecode), "88.5");
        QVERIFY(edit.cells.value(kGridColumnEncode, "x").isEmpty()); // no transmit side shown
    }

    void gridSameTypeChangesNothingElse() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.ChannelType[0] = 0; // analog as loaded from an old file
        cp.ChannelSpace[0] = 12500;
        cp.RxCtcss[0] = 885;
        const GridEdit edit = ChannelEffects::GridTypeChange(cp, 0, 0, English());
        QCOMPARE(cp.ChannelType[0], 1);
        QCOMPARE(cp.ChannelSpace[0], 12500);
        QCOMPARE(cp.RxCtcss[0], 885);
        QVERIFY(!edit.shadingChanged);
        QVERIFY(edit.cells.isEmpty());
    }

    void gridTypeWithoutSelectionChangesNothing() {
        Codeplug cp = UhfCodeplug();
        cp.ChannelType[0] = 2;
        const GridEdit edit = ChannelEffects::GridTypeChange(cp, 0, -1, English());
        QCOMPARE(cp.ChannelType[0], 2);
        QCOMPARE(edit.cellText, "Digital CH");
    }

    void gridToneCommit() {
        Codeplug cp = UhfCodeplug();
        GridEdit edit = ChannelEffects::GridToneCommit(cp, 0, FrequencySide::Rx, "D9", English());
        QCOMPARE(edit.cellText, "D700N");
        QCOMPARE(cp.RxCtcss[0], -1);
        QCOMPARE(cp.RxDcs[0], ToneRules::DcsValue(0700, true));
        edit = ChannelEffects::GridToneCommit(cp, 0, FrequencySide::Tx, "88.5", English());
        QCOMPARE(cp.TxCtcss[0], 885);
        QCOMPARE(cp.TxDcs[0], -1);
        QCOMPARE(cp.RxDcs[0], ToneRules::DcsValue(0700, true));
    }

    void gridPower() {
        Codeplug cp = UhfCodeplug();
        GridEdit edit = ChannelEffects::GridPowerChange(cp, 0, 0, English());
        QCOMPARE(cp.TxPower[0], 0);
        QCOMPARE(edit.cellText, "Low");
        edit = ChannelEffects::GridPowerChange(cp, 0, -1, English());
        QCOMPARE(cp.TxPower[0], 0);
        QCOMPARE(edit.cellText, "Low");
    }

    void dialogNewChannelResetsEverything() {
        Codeplug cp = WithUsedEmptyChannel();
        const DialogEdit edit = ChannelEffects::DialogReceiveEntry(cp, 2, "435.025", English());
        QVERIFY(!edit.outOfRange);
        QCOMPARE(cp.RxFreq[2], 435025000);
        QCOMPARE(cp.TxFreq[2], 435025000);
        QCOMPARE(cp.RxColor[2], 4);
        QCOMPARE(cp.TxColor[2], 4);
        QCOMPARE(cp.ChannelType[2], 1);
        QCOMPARE(cp.SqlLevel[2], 5);
        QCOMPARE(cp.TxAuthority[2], 2);
        QCOMPARE(cp.CallTypeTxID[2], 0);
        QCOMPARE(cp.RxCtcss[2], -1);
    }

    void dialogRxEditOnUsedChannelKeepsFields() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 445000000;
        cp.SqlLevel[0] = 9;
        ChannelEffects::DialogReceiveEntry(cp, 0, "441", English());
        QCOMPARE(cp.RxFreq[0], 441000000);
        QCOMPARE(cp.TxFreq[0], 445000000);
        QCOMPARE(cp.SqlLevel[0], 9);
    }

    void dialogTxFollowingRxIsHeldToTheTxBand() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 0;
        const DialogEdit edit = ChannelEffects::DialogReceiveEntry(cp, 0, "475", English());
        QVERIFY(!edit.outOfRange);
        QCOMPARE(cp.RxFreq[0], 475000000);
        QCOMPARE(cp.TxFreq[0], 470000000);
    }

    void dialogRxOutOfRange() {
        Codeplug cp = UhfCodeplug();
        const DialogEdit edit = ChannelEffects::DialogReceiveEntry(cp, 0, ".", English());
        QVERIFY(edit.outOfRange);
        QCOMPARE(edit.text, "400.00000");
        QCOMPARE(cp.RxFreq[0], 400000000);
    }

    void dialogRxClearResets() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.SqlLevel[0] = 1;
        ChannelEffects::DialogReceiveEntry(cp, 0, QString(), English());
        QCOMPARE(cp.RxFreq[0], 0);
        QCOMPARE(cp.SqlLevel[0], 5);
    }

    void dialogTxClearRestoresTxDefaults() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 440000000;
        cp.TxPower[0] = 0;
        cp.TxAuthority[0] = 0;
        cp.ChannelTOT[0] = 60;
        cp.TxCtcss[0] = 885;
        cp.TxDcs[0] = 0x763813;
        ChannelEffects::DialogTransmitEntry(cp, 0, QString(), English());
        QCOMPARE(cp.TxFreq[0], 0);
        QCOMPARE(cp.TxPower[0], 1);
        QCOMPARE(cp.TxAuthority[0], 2);
        QCOMPARE(cp.ChannelTOT[0], 0);
        QCOMPARE(cp.TxCtcss[0], 0);
        QCOMPARE(cp.TxDcs[0], 0);
    }

    void dialogTxStartSetsTxDefaults() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 0;
        cp.TxPower[0] = 0;
        cp.ChannelTOT[0] = 60;
        const DialogEdit edit = ChannelEffects::DialogTransmitEntry(cp, 0, "445.025", English());
        QCOMPARE(edit.text, "445.02500");
        QCOMPARE(cp.TxFreq[0], 445025000);
        QCOMPARE(cp.TxColor[0], 4);
        QCOMPARE(cp.TxPower[0], 1);
        QCOMPARE(cp.ChannelTOT[0], 0);
        QCOMPARE(cp.TxCtcss[0], 0);
    }

    void dialogTxEditKeepsTxFields() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 440000000;
        cp.TxFreq[0] = 440000000;
        cp.TxPower[0] = 0;
        ChannelEffects::DialogTransmitEntry(cp, 0, "446", English());
        QCOMPARE(cp.TxFreq[0], 446000000);
        QCOMPARE(cp.TxPower[0], 0);
    }

    void dialogTonePick() {
        Codeplug cp = UhfCodeplug();
        ChannelEffects::DialogTonePick(cp, 0, FrequencySide::Rx, 52); // D023N
        QCOMPARE(cp.RxCtcss[0], -1);
        QCOMPARE(cp.RxDcs[0], 0x89C7EC);
        ChannelEffects::DialogTonePick(cp, 0, FrequencySide::Tx, 165); // D017I
        QCOMPARE(cp.TxDcs[0] & 0x800000, 0);
        QCOMPARE(ToneRules::ToneText(cp.TxCtcss[0], cp.TxDcs[0], English()), "D017I");
        ChannelEffects::DialogTonePick(cp, 0, FrequencySide::Rx, -1);
        QCOMPARE(cp.RxDcs[0], 0x89C7EC);
    }

    void dialogCallTypeAndId() {
        Codeplug cp = UhfCodeplug();
        CallTypeView view = ChannelEffects::DialogCallTypeChange(cp, 0, CallType::Group);
        QCOMPARE(view.idText, "800000");
        QCOMPARE(cp.CallTypeTxID[0], 0x800000);
        TxIdEntry id = ChannelEffects::DialogTxIdEntry(cp, 0, "FFFFFF");
        QCOMPARE(cp.CallTypeTxID[0], 0x800000);
        id = ChannelEffects::DialogTxIdEntry(cp, 0, "12");
        QCOMPARE(id.text, "800012");
        QCOMPARE(cp.CallTypeTxID[0], 0x800012);
        view = ChannelEffects::DialogCallTypeChange(cp, 0, CallType::All);
        QCOMPARE(cp.CallTypeTxID[0], 0xFFFFFF);
        QVERIFY(!view.idEnabled);
        view = ChannelEffects::DialogCallTypeChange(cp, 0, CallType::Single);
        id = ChannelEffects::DialogTxIdEntry(cp, 0, "800001");
        QCOMPARE(cp.CallTypeTxID[0], 1);
    }

    void dialogKeys() {
        Codeplug cp = UhfCodeplug();
        ChannelEffects::DialogKeyEntry(cp, 1, FrequencySide::Rx, "1234");
        QCOMPARE(cp.RxKey[4], 0x12340000);
        QCOMPARE(cp.RxKeyLength[1], 4);
        ChannelEffects::DialogKeyEntry(cp, 1, FrequencySide::Tx, "99");
        QCOMPARE(cp.TxKey[4], static_cast<Long>(0x99000000u));
        QCOMPARE(cp.TxKeyLength[1], 2);
        QCOMPARE(cp.RxKey[4], 0x12340000);
    }
};

QTEST_APPLESS_MAIN(TestChannelEffects)
#include "test_channel_effects.moc"
