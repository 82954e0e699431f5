#include "channels/channel_view.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

Codeplug Used(Long tx, bool digital = false) {
    Codeplug cp = UhfCodeplug();
    cp.RxFreq[0] = 435000000;
    cp.TxFreq[0] = tx;
    cp.ChannelType[0] = digital ? 2 : 1;
    return cp;
}

} // namespace

class TestChannelView : public QObject {
    Q_OBJECT

private slots:
    void gridRows() {
        Codeplug cp = Used(440000000);
        cp.RxFreq[0] = 435025000;
        cp.RxCtcss[0] = 670;
        cp.TxDcs[0] = 0x89C7EC;
        cp.TxPower[0] = 0;
        GridRowView row = ChannelView::GridRow(cp, 0, English(','));
        QVERIFY(!row.empty && !row.digital);
        QCOMPARE(QStringList({row.rx, row.tx, row.decode, row.encode, row.type, row.power}),
                 QStringList({"435,02500", "440,00000", "67,0", "D023N", "Analog CH", "Low"}));
        row = ChannelView::GridRow(Used(0), 0, Chinese()); // no transmit side: no encode
        QVERIFY(row.tx.isEmpty() && row.encode.isEmpty());
        QCOMPARE(row.decode, QString::fromUtf8("无"));
        row = ChannelView::GridRow(Used(435000000, true), 0, English());
        QVERIFY(row.digital && row.decode.isEmpty() && row.encode.isEmpty());
        cp.RxFreq[0] = 50000000; // kept from a file, outside what can be shown
        row = ChannelView::GridRow(cp, 0, English());
        QVERIFY(row.empty && row.rx.isEmpty() && row.type.isEmpty() && row.power.isEmpty());
        const DialogChannelView view = ChannelView::Dialog(cp, 0, English());
        QVERIFY(view.empty && !view.txShown);
        QVERIFY(view.rxText.isEmpty() && view.callType.rangeCaption.isEmpty());
    }

    void dialogAnalogChannel() {
        Codeplug cp = Used(435000000);
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
        Codeplug cp = Used(435000000, true);
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

QTEST_APPLESS_MAIN(TestChannelView)
#include "test_channel_view.moc"
