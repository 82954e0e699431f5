#include "channels/channel_view.h"
#include "channels_test_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestChannelView : public QObject {
    Q_OBJECT

private slots:
    void emptyRow() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 0;
        QVERIFY(ChannelView::GridRow(cp, 0, English()).empty);
        cp.RxFreq[0] = 50000000; // kept from a file, outside what can be shown
        const GridRowView row = ChannelView::GridRow(cp, 0, English());
        QVERIFY(row.empty);
        QVERIFY(row.rx.isEmpty() && row.type.isEmpty() && row.power.isEmpty());
    }

    void analogRow() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 435025000;
        cp.TxFreq[0] = 440000000;
        cp.RxCtcss[0] = 670;
        cp.TxDcs[0] = 0x89C7EC;
        cp.TxPower[0] = 0;
        const GridRowView row = ChannelView::GridRow(cp, 0, English(','));
        QVERIFY(!row.empty && !row.digital);
        QCOMPARE(row.rx, "435,02500");
        QCOMPARE(row.tx, "440,00000");
        QCOMPARE(row.decode, "67,0");
        QCOMPARE(row.encode, "D023N");
        QCOMPARE(row.type, "Analog CH");
        QCOMPARE(row.power, "Low");
    }

    void rowWithoutTransmitShowsNoEncode() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 435000000;
        cp.TxFreq[0] = 0;
        const GridRowView row = ChannelView::GridRow(cp, 0, Chinese());
        QVERIFY(row.tx.isEmpty());
        QVERIFY(row.encode.isEmpty());
        QCOMPARE(row.decode, QString::fromUtf8("无"));
        QCOMPARE(row.type, QString::fromUtf8("模拟频道"));
    }

    void digitalRowHasNoTones() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 435000000;
        cp.TxFreq[0] = 435000000;
        cp.ChannelType[0] = 2;
        const GridRowView row = ChannelView::GridRow(cp, 0, English());
        QVERIFY(row.digital);
        QVERIFY(row.decode.isEmpty() && row.encode.isEmpty());
        QCOMPARE(row.type, "Digital CH");
    }

    void dialogEmptyChannel() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[3] = 0;
        const DialogChannelView view = ChannelView::Dialog(cp, 3, English());
        QVERIFY(view.empty);
        QVERIFY(!view.txShown);
        QVERIFY(view.rxText.isEmpty() && view.callType.rangeCaption.isEmpty());
    }

    void dialogAnalogChannel() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 435000000;
        cp.TxFreq[0] = 435000000;
        cp.RxCtcss[0] = 885;
        cp.TxCtcss[0] = 671; // not a list item
        cp.SqlLevel[0] = 12;
        cp.DenoiseLevel[0] = 61;
        cp.ChannelSpace[0] = 12500;
        cp.TxAuthority[0] = 4;
        const DialogChannelView view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(!view.empty && view.txShown && !view.digital);
        QCOMPARE(view.decodeText, "88.5");
        QCOMPARE(view.decodeIndex, 9);
        QCOMPARE(view.encodeText, "67.1");
        QCOMPARE(view.encodeIndex, -1);
        QCOMPARE(view.sqlIndex, 10);
        QCOMPARE(view.denoiseIndex, 0);
        QCOMPARE(view.spaceIndex, 0);
        QCOMPARE(view.txAuthorityIndex, 2);
        QCOMPARE(cp.SqlLevel[0], 12); // showing never rewrites
    }

    void dialogDigitalChannel() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 435000000;
        cp.TxFreq[0] = 435000000;
        cp.ChannelType[0] = 2;
        cp.ChannelRxList[0] = 9;
        cp.RxKeyEnable[0] = 1;
        cp.RxKey[0] = 0x12340000;
        cp.RxKeyLength[0] = 4;
        cp.CallTypeTxID[0] = 0x800010;
        const DialogChannelView view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(view.digital);
        QVERIFY(view.decodeText.isEmpty() && view.encodeText.isEmpty());
        QCOMPARE(view.rxListIndex, 0);
        QVERIFY(view.rxKeyChecked);
        QCOMPARE(view.rxKeyText, "1234");
        QCOMPARE(view.callType.type, CallType::Group);
        QCOMPARE(view.callType.idText, "800010");
    }

    void dialogRepairsTheCallTypeValue() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 435000000;
        cp.TxFreq[0] = 435000000;
        cp.ChannelType[0] = 2;
        cp.CallTypeTxID[0] = -7;
        const DialogChannelView view = ChannelView::Dialog(cp, 0, English());
        QCOMPARE(view.callType.type, CallType::Single);
        QCOMPARE(cp.CallTypeTxID[0], 0);
    }

    void dialogWithoutTransmitSide() {
        Codeplug cp = UhfCodeplug();
        cp.RxFreq[0] = 435000000;
        cp.TxFreq[0] = 0;
        cp.ChannelType[0] = 2;
        cp.CallTypeTxID[0] = -7;
        const DialogChannelView view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(!view.txShown);
        QVERIFY(view.txText.isEmpty());
        QCOMPARE(cp.CallTypeTxID[0], -7); // not shown, so not loaded
    }
};

QTEST_APPLESS_MAIN(TestChannelView)
#include "test_channel_view.moc"
