#include "channels/batch_channel_edit.h"
#include "channels/image_channel_layout.h"
#include "channels/tone_rules.h"
#include "rules_support.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;
using L = ImageChannelLayout;

namespace {

constexpr qint64 kMilliPerMHz = 1000000000;
constexpr qint64 kMilliPerKHz = 1000000;

// A 400..480 MHz radio whose transmit band ends at 470 MHz, channels 1..16 in use on 440 MHz.
Codeplug Radio() {
    Codeplug cp = UhfCodeplug();
    for (int ch = 0; ch < 16; ++ch) {
        cp.RxFreq[ch] = 440000000;
        cp.TxFreq[ch] = 440000000;
    }
    return cp;
}

BatchChannelChoice Range(int first, int last) {
    BatchChannelChoice choice;
    choice.first = first - 1;
    choice.last = last - 1;
    return choice;
}

BatchEditResult Apply(Codeplug& cp, const BatchChannelChoice& choice, quint32 seed = 1) {
    QRandomGenerator random(seed);
    return BatchChannelEdit::Apply(cp, choice, random);
}

QList<quint32> ImageFrequencies(const Codeplug& cp, int first, int count, int field) {
    QList<quint32> hertz;
    for (int ch = first - 1; ch < first - 1 + count; ++ch)
        hertz << L::Frequency(cp.RadioImage, ch, field);
    return hertz;
}

QList<quint32> CodeplugFrequencies(const Codeplug::ChannelTable& table, int first, int count) {
    QList<quint32> hertz;
    for (int ch = first - 1; ch < first - 1 + count; ++ch)
        hertz << quint32(table[ch]);
    return hertz;
}

QList<int> DecodePositions(const Codeplug& cp, int first, int count, int kindField) {
    QList<int> positions;
    for (int ch = first - 1; ch < first - 1 + count; ++ch)
        positions << L::PositionOfTone(L::Tone(cp.RadioImage, ch, kindField));
    return positions;
}

using HertzList = QList<quint32>;
using Positions = QList<int>;

} // namespace

class TestBatchChannelEdit : public QObject {
    Q_OBJECT

private slots:
    // Receive frequencies rising or falling channel by channel, held to the band, in the image
    // records and in the codeplug alike.
    void receiveRun_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<qint64>("startMilli");
        QTest::addColumn<qint64>("stepMilli");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<HertzList>("hertz");
        QTest::addColumn<int>("clamped");
        QTest::newRow("12.5 kHz up from 400") << 1 << 400 * kMilliPerMHz << 12500 * 1000LL << true
                                              << HertzList{400000000, 400012500, 400025000} << 0;
        QTest::newRow("past BandUpper stays on it")
            << 1 << 479990 * kMilliPerKHz << 6 * kMilliPerKHz << true
            << HertzList{479990000, 479996000, 480000000, 480000000} << 2;
        QTest::newRow("below BandLower stays on it")
            << 3 << 400010 * kMilliPerKHz << 6 * kMilliPerKHz << false
            << HertzList{400010000, 400004000, 400000000, 400000000} << 2;
        QTest::newRow("5 Hz steps round to 10 Hz, halves to even")
            << 1 << 400 * kMilliPerMHz << 5000LL << true
            << HertzList{400000000, 400000000, 400000010, 400000020} << 0;
        QTest::newRow("across the end of the codeplug's channels")
            << 31 << 450 * kMilliPerMHz << 25 * kMilliPerKHz << true
            << HertzList{450000000, 450025000, 450050000} << 0;
    }
    void receiveRun() {
        QFETCH(int, first);
        QFETCH(qint64, startMilli);
        QFETCH(qint64, stepMilli);
        QFETCH(bool, ascending);
        QFETCH(HertzList, hertz);
        QFETCH(int, clamped);
        Codeplug cp = Radio();
        BatchChannelChoice choice = Range(first, first + hertz.size() - 1);
        choice.setRxFreq = true;
        choice.rx = {startMilli, stepMilli,
                     ascending ? StepDirection::Ascending : StepDirection::Descending};
        QCOMPARE(Apply(cp, choice).clampedChannels, clamped);
        QCOMPARE(ImageFrequencies(cp, first, hertz.size(), L::kRxFreq), hertz);
        const int inCodeplug = qBound(0, Codeplug::kChannels - first + 1, int(hertz.size()));
        QCOMPARE(CodeplugFrequencies(cp.RxFreq, first, inCodeplug), hertz.first(inCodeplug));
        for (int ch = first - 1; ch < first - 1 + hertz.size(); ++ch)
            QVERIFY(L::Present(cp.RadioImage, ch));
        QVERIFY(!L::Present(cp.RadioImage, first + hertz.size() - 1));
        QVERIFY(cp.ChannelDataChanged);
    }

    void transmitModes_data() {
        QTest::addColumn<bool>("setRx");
        QTest::addColumn<int>("mode");
        QTest::addColumn<HertzList>("hertz");
        QTest::newRow("default follows receive")
            << true << int(TransmitMode::Default) << HertzList{465000000, 470000000, 470000000};
        QTest::newRow("default without receive starts from 0 MHz")
            << false << int(TransmitMode::Default) << HertzList{400000000, 400000000, 400000000};
        QTest::newRow("offset plus 1 MHz")
            << true << int(TransmitMode::Offset) << HertzList{466000000, 470000000, 470000000};
        QTest::newRow("own run down by 100 kHz")
            << true << int(TransmitMode::Incept) << HertzList{430000000, 429900000, 429800000};
    }
    void transmitModes() {
        QFETCH(bool, setRx);
        QFETCH(int, mode);
        QFETCH(HertzList, hertz);
        Codeplug cp = Radio();
        BatchChannelChoice choice = Range(1, 3);
        choice.setRxFreq = setRx;
        choice.rx = {465 * kMilliPerMHz, 5000 * kMilliPerKHz, StepDirection::Ascending};
        choice.setTxFreq = true;
        choice.txMode = TransmitMode(mode);
        choice.txOffset = kMilliPerMHz;
        choice.tx = {430 * kMilliPerMHz, 100 * kMilliPerKHz, StepDirection::Descending};
        Apply(cp, choice);
        QCOMPARE(ImageFrequencies(cp, 1, 3, L::kTxFreq), hertz);
        QCOMPARE(CodeplugFrequencies(cp.TxFreq, 1, 3), hertz);
        QCOMPARE(cp.TxColor[1], Long(0)); // colour codes follow the stored frequency
    }

    // Tone positions step through the tone list and wrap at its ends; the image holds kind and
    // number, the codeplug the coded pair of the same list item.
    void toneRun_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<Positions>("positions");
        QTest::newRow("277 up by 2 wraps to none")
            << 277 << 2 << true << Positions{277, 0, 2, 4, 6};
        QTest::newRow("1 down by 2 wraps to the last item")
            << 1 << 2 << false << Positions{1, 278, 276, 274, 272};
        QTest::newRow("across the DCS blocks")
            << 160 << 3 << true << Positions{160, 163, 166, 169, 172};
    }
    void toneRun() {
        QFETCH(int, start);
        QFETCH(int, step);
        QFETCH(bool, ascending);
        QFETCH(Positions, positions);
        Codeplug cp = Radio();
        BatchChannelChoice choice = Range(1, 5);
        choice.decode = {true, false, start, step,
                         ascending ? StepDirection::Ascending : StepDirection::Descending};
        choice.encode.set = true;
        choice.encodeDefault = true;
        Apply(cp, choice);
        QCOMPARE(DecodePositions(cp, 1, 5, L::kDecodeKind), positions);
        QCOMPARE(DecodePositions(cp, 1, 5, L::kEncodeKind), positions);
        for (int ch = 0; ch < 5; ++ch) {
            const TonePair pair = ToneRules::ToneListItemToPair(positions[ch]);
            QCOMPARE((TonePair{cp.RxCtcss[ch], cp.RxDcs[ch]}), pair);
            QCOMPARE((TonePair{cp.TxCtcss[ch], cp.TxDcs[ch]}), pair);
        }
        QCOMPARE(L::Tone(cp.RadioImage, 0, L::kDecodeKind), L::ToneOfPosition(positions.first()));
    }

    void encodeDefaultWithoutDecodeIsNone() {
        Codeplug cp = Radio();
        cp.TxCtcss[1] = 885;
        BatchChannelChoice choice = Range(1, 3);
        choice.encode = {true, false, 40, 1, StepDirection::Ascending};
        choice.encodeDefault = true;
        Apply(cp, choice);
        QCOMPARE(DecodePositions(cp, 1, 3, L::kEncodeKind), (Positions{0, 0, 0}));
        QCOMPARE(L::Tone(cp.RadioImage, 1, L::kEncodeKind), (ImageTone{255, 255}));
        QCOMPARE((TonePair{cp.TxCtcss[1], cp.TxDcs[1]}), TonePair{});
    }

    // One generator for the whole run: a fresh tone for every channel, the same run again from
    // the same seed.
    void randomTones() {
        BatchChannelChoice choice = Range(1, 128);
        choice.decode = {true, true, 0, 0, StepDirection::Ascending};
        choice.encode = {true, true, 0, 0, StepDirection::Ascending};
        Codeplug first = Radio();
        Codeplug again = Radio();
        Apply(first, choice, 7);
        Apply(again, choice, 7);
        QCOMPARE(first.RadioImage, again.RadioImage);
        const Positions decode = DecodePositions(first, 1, 128, L::kDecodeKind);
        const Positions encode = DecodePositions(first, 1, 128, L::kEncodeKind);
        QVERIFY(QSet<int>(decode.begin(), decode.end()).size() > 60);
        QVERIFY(decode != encode);
        for (int ch = 0; ch < 16; ++ch) // the codeplug channels take the same draws
            QCOMPARE((TonePair{first.RxCtcss[ch], first.RxDcs[ch]}),
                     ToneRules::ToneListItemToPair(decode[ch]));
    }

    // The common values touch only their own bits; the codeplug takes power and spacing.
    void commonValues() {
        Codeplug cp = Radio();
        const int flags = L::RecordOffset(3) + L::kFlags;
        cp.RadioImage[flags] = 0x88;
        cp.ChannelType[3] = 2; // digital: always narrow
        cp.ChannelSpace[3] = 12500;
        BatchChannelChoice choice = Range(3, 4);
        choice.setTxPower = true;
        choice.highPower = false;
        choice.setSpace = true;
        choice.wide = true;
        choice.setBusyLock = true;
        choice.busyLock = 2;
        choice.setScanAdd = true;
        choice.scanAdd = true;
        choice.setReverse = true;
        choice.reverse = true;
        choice.setTalkAround = true;
        choice.talkAround = true;
        Apply(cp, choice);
        QCOMPARE(cp.RadioImage[flags], std::uint8_t(0x88 | 0x40 | 0x20 | 0x10 | 0x02));
        QVERIFY(L::InScan(cp.RadioImage, 2) && L::InScan(cp.RadioImage, 3));
        QVERIFY(!L::InScan(cp.RadioImage, 4));
        QCOMPARE(cp.TxPower[2], Long(0));
        QCOMPARE(cp.TxPower[3], Long(0));
        QCOMPARE(cp.ChannelSpace[2], Long(25000));
        QCOMPARE(cp.ChannelSpace[3], Long(12500));
        QCOMPARE(cp.TxPower[4], Long(1));
    }

    // What a codeplug channel takes depends on what its editors allow.
    void codeplugChannelsTakeWhatTheyShow() {
        Codeplug cp = Radio();
        cp.ChannelType[1] = 2;  // channel 2 digital
        cp.TxFreq[2] = 0;       // channel 3 receive only
        cp.ChannelType[20] = 0; // channel 21 never used: all zero
        cp.TxPower[20] = 0;
        BatchChannelChoice choice = Range(1, 32);
        choice.setRxFreq = true;
        choice.rx = {446 * kMilliPerMHz, 0, StepDirection::Ascending};
        choice.decode = {true, false, 13, 0, StepDirection::Ascending};
        choice.encode = {true, false, 13, 0, StepDirection::Ascending};
        Apply(cp, choice);
        // A new channel takes the grid's defaults and stays receive-only.
        QCOMPARE(cp.ChannelType[20], Long(1));
        QCOMPARE(cp.TxPower[20], Long(1));
        QCOMPARE(cp.TxFreq[20], Long(0));
        QCOMPARE((TonePair{cp.RxCtcss[20], cp.RxDcs[20]}), (TonePair{1000, -1}));
        QCOMPARE((TonePair{cp.TxCtcss[20], cp.TxDcs[20]}), TonePair{});
        QCOMPARE((TonePair{cp.RxCtcss[1], cp.RxDcs[1]}), TonePair{}); // digital
        QCOMPARE((TonePair{cp.TxCtcss[2], cp.TxDcs[2]}), TonePair{}); // no transmit side
        QCOMPARE((TonePair{cp.TxCtcss[0], cp.TxDcs[0]}), (TonePair{1000, -1}));

        // Without a receive frequency an empty channel stays as it was.
        Codeplug untouched = Radio();
        BatchChannelChoice tonesOnly = Range(17, 32);
        tonesOnly.decode = choice.decode;
        tonesOnly.setTxFreq = true;
        tonesOnly.setTxPower = true;
        Apply(untouched, tonesOnly);
        QVERIFY(untouched.SameRadioData(Radio()));
    }

    // Clearing outside range 5..10: records all 255, present and scan bits clear, codeplug
    // channels reset as clearing a grid row does; the range itself keeps what it had.
    void clearOtherChannels() {
        for (bool clear : {true, false}) {
            Codeplug cp = Radio();
            cp.RadioImage.fill(0x5A);
            Codeplug before = cp;
            BatchChannelChoice choice = Range(5, 10);
            choice.clearOthers = clear;
            Apply(cp, choice);
            for (int ch = 0; ch < 128; ++ch) {
                const bool cleared = clear && (ch < 4 || ch > 9);
                const int at = L::RecordOffset(ch);
                for (int i = at; i < at + 16; ++i) {
                    if (!L::HeldByOtherSetting(i))
                        QCOMPARE(cp.RadioImage[i], std::uint8_t(cleared ? 0xFF : 0x5A));
                }
                QCOMPARE(L::Present(cp.RadioImage, ch),
                         !cleared && L::Present(before.RadioImage, ch));
                QCOMPARE(L::InScan(cp.RadioImage, ch),
                         !cleared && L::InScan(before.RadioImage, ch));
                if (ch >= Codeplug::kChannels)
                    continue;
                if (cleared)
                    before.ResetChannel(ch);
                QCOMPARE(cp.RxFreq[ch], before.RxFreq[ch]);
                QCOMPARE(cp.SqlLevel[ch], before.SqlLevel[ch]);
            }
            QVERIFY(cp.SameRadioData(before));
        }
    }
};

QTEST_APPLESS_MAIN(TestBatchChannelEdit)
#include "test_batch_channel_edit.moc"
