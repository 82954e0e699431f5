// The channel records of the model image and the edits that rewrite them: the record layout,
// a channel copy and a batch edit, none of which may touch the settings the records run over.

#include "channels/batch_channel_edit.h"
#include "channels/channel_copy.h"
#include "channels/channel_rules.h"
#include "channels/image_channel_layout.h"
#include "channels/tone_rules.h"
#include "codeplug/codeplug_fields.h"
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

// Every image byte different from its neighbours, and channels 1..32 each with values of their
// own in every field, keys included.
Codeplug Patterned() {
    Codeplug cp = UhfCodeplug();
    for (int i = 0; i < Codeplug::kRadioImageSize; ++i)
        cp.RadioImage[i] = static_cast<std::uint8_t>(i * 7 + 3);
    for (int ch = 0; ch < Codeplug::kChannels; ++ch) {
        Long value = 1000 * (ch + 1);
        for (const CodeplugField& field : CodeplugFields::Channel(cp, ch)) {
            for (int k = 0; k < field.count; ++k)
                field.data[k] = ++value;
        }
    }
    // Channels in use, but for 24: an empty channel has nothing to copy.
    for (int ch = 0; ch < Codeplug::kChannels; ++ch)
        cp.RxFreq[ch] = ch == 23 ? 0 : 435000000 + ch;
    return cp;
}

QList<Long> ChannelValues(Codeplug& cp, int ch) {
    QList<Long> values;
    for (const CodeplugField& field : CodeplugFields::Channel(cp, ch))
        values.append(QList<Long>(field.data, field.data + field.count));
    return values;
}

} // namespace

class TestImageChannels : public QObject {
    Q_OBJECT

private slots:
    // Fields and bitmap bits write their own bits only; frequencies go most significant first.
    void recordFieldsKeepTheirNeighbours() {
        L::Image image{};
        image.fill(0xAA);
        L::SetFrequency(image, 2, L::kTxFreq, 400012500);
        L::SetBusyLock(image, 2, 2);
        L::SetFlag(image, 2, L::kWide, false);
        const int at = L::RecordOffset(2);
        QCOMPARE(image[at + 4], std::uint8_t(0x17)); // 0x17D7B6D4, most significant first
        QCOMPARE(image[at + 7], std::uint8_t(0xD4));
        QCOMPARE(image[at + 3], std::uint8_t(0xAA));
        QCOMPARE(image[at + 12], std::uint8_t((0xAA & ~0x43) | 0x02));
        QCOMPARE(L::Frequency(image, 2, L::kTxFreq), 400012500u);
        L::SetInScan(image, 3, false);
        L::SetPresent(image, 126, true);
        QCOMPARE(std::pair(image[382], image[2207]),
                 std::pair(std::uint8_t(0xA2), std::uint8_t(0xEA)));
        QVERIFY(!L::InScan(image, 3) && L::Present(image, 126) && !L::Present(image, 124));
        QVERIFY(L::RecordOffset(127) + L::kRecordSize <= L::kPresentBase);
    }

    // Records that run over other settings of the image write only their own bytes; a copy and
    // a fill keep those settings too.
    void recordWritesKeepOtherSettings_data() {
        QTest::addColumn<int>("ch");
        QTest::addColumn<QList<int>>("held"); // bytes of the record that hold another setting
        QTest::newRow("options over channel 17") << 16 << QList<int>{275, 276, 287};
        QTest::newRow("scan page over channel 19") << 18 << QList<int>{304, 312, 319};
        QTest::newRow("scan bitmap over channel 23") << 22 << QList<int>{382, 383};
        QTest::newRow("scan bitmap over channel 24") << 23 << QList<int>{384, 397};
        QTest::newRow("model signature over channel 27") << 26 << QList<int>{440, 441, 445, 447};
        QTest::newRow("password over channel 45") << 44 << QList<int>{752, 757};
        QTest::newRow("message over channel 46") << 45 << QList<int>{768, 783};
    }
    void recordWritesKeepOtherSettings() {
        QFETCH(int, ch);
        QFETCH(QList<int>, held);
        L::Image image{};
        for (int i = 0; i < L::kPresentBase; ++i)
            image[i] = std::uint8_t(i * 3);
        const L::Image before = image;
        L::SetFrequency(image, ch, L::kRxFreq, 0x12345678);
        L::SetFrequency(image, ch, L::kTxFreq, 0x9ABCDEF0);
        L::SetTone(image, ch, L::kDecodeKind, {1, 2});
        L::SetTone(image, ch, L::kEncodeKind, {3, 4});
        L::SetFlag(image, ch, 0xFF, true);
        L::SetBusyLock(image, ch, 1);
        L::FillRecord(image, ch, 0xEE);
        L::CopyRecord(image, 0, ch);
        const int at = L::RecordOffset(ch);
        for (int i : held)
            QVERIFY(i >= at && i < at + L::kRecordSize && L::HeldByOtherSetting(i));
        for (int i = at; i < at + L::kRecordSize; ++i)
            QCOMPARE(image[i], L::HeldByOtherSetting(i) ? before[i] : before[16 + i - at]);
    }

    // Tone list positions as kind and number: none, CTCSS, DCS normal and inverted, and back.
    void tonePositions() {
        // clang-format off
        for (auto [position, kind, number] : {std::tuple{0, 255, 255}, {1, 1, 0}, {50, 1, 49},
             {51, 2, 0}, {164, 2, 113}, {165, 3, 0}, {278, 3, 113}}) {
            // clang-format on
            const ImageTone tone = L::ToneOfPosition(position);
            QCOMPARE(std::tuple(position, int(tone.kind), int(tone.number)),
                     std::tuple(position, kind, number));
            QCOMPARE(L::PositionOfTone(tone), position);
        }
        QCOMPARE(L::PositionOfTone({2, 114}), 0);
        QCOMPARE(L::PositionOfTone({4, 0}), 0);
        QCOMPARE(L::ToneOfPosition(279), (ImageTone{255, 255}));
        QCOMPARE(
            std::tuple(L::WrapTonePosition(279), L::WrapTonePosition(-1), L::WrapTonePosition(278)),
            std::tuple(0, 278, 278));
    }

    // The target's record, scan bit and codeplug channel become the source's; nothing else of
    // the image or the codeplug changes.
    void copy_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("sourceRecord");
        QTest::addColumn<int>("targetRecord");
        QTest::addColumn<int>("targetScanByte");
        QTest::addColumn<int>("targetScanBit");
        QTest::newRow("2 to 9") << 2 << 9 << 32 << 144 << 383 << 0;
        QTest::newRow("9 to 2") << 9 << 2 << 144 << 32 << 382 << 1;
        QTest::newRow("into channel 31, past the first gap") << 1 << 31 << 16 << 528 << 385 << 6;
        QTest::newRow("from channel 32") << 32 << 30 << 544 << 480 << 385 << 5;
    }
    void copy() {
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(int, sourceRecord);
        QFETCH(int, targetRecord);
        QFETCH(int, targetScanByte);
        QFETCH(int, targetScanBit);
        for (bool sourceInScan : {true, false}) {
            Codeplug cp = Patterned();
            L::SetInScan(cp.RadioImage, source - 1, sourceInScan);
            L::SetInScan(cp.RadioImage, target - 1, !sourceInScan);
            const Codeplug before = cp;
            QVERIFY(ChannelCopy::Copy(cp, source, target));
            QVERIFY(cp.ChannelDataChanged);

            auto expected = before.RadioImage;
            std::copy_n(before.RadioImage.begin() + sourceRecord, 16,
                        expected.begin() + targetRecord);
            expected[targetScanByte] ^= std::uint8_t(1u << targetScanBit);
            QCOMPARE(cp.RadioImage, expected);

            Codeplug original = before;
            QCOMPARE(ChannelValues(cp, target - 1), ChannelValues(original, source - 1));
            for (int ch = 0; ch < Codeplug::kChannels; ++ch) {
                if (ch != target - 1)
                    QCOMPARE(ChannelValues(cp, ch), ChannelValues(original, ch));
            }
        }
    }

    // Channel 24's record lies on the scan bitmap: a copy onto it keeps every other channel's
    // scan bit and takes only the record bytes past the bitmap.
    void ontoTheRecordOverTheScanBitmap() {
        Codeplug cp = Patterned();
        L::SetInScan(cp.RadioImage, 1, true);
        L::SetInScan(cp.RadioImage, 23, false);
        auto expected = cp.RadioImage;
        expected[384] |= 0x80;
        expected[398] = cp.RadioImage[46];
        expected[399] = cp.RadioImage[47];
        QVERIFY(ChannelCopy::Copy(cp, 2, 24));
        QCOMPARE(cp.RadioImage, expected);
    }

    // Onto itself, from channel 0, onto channel 33, from the empty channel 24: nothing changes.
    void nothingToCopy() {
        for (auto [source, target] : {std::pair{3, 3}, {0, 5}, {5, 33}, {24, 23}}) {
            Codeplug cp = Patterned();
            QVERIFY(!ChannelCopy::Copy(cp, source, target));
            QVERIFY(cp.RadioImage == Patterned().RadioImage && cp.SameRadioData(Patterned()));
            QVERIFY(!cp.ChannelDataChanged);
        }
    }

    // Receive frequencies rising or falling channel by channel, held to the band, in the image
    // records and in the codeplug alike.
    void receiveRun_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<qint64>("startMilli");
        QTest::addColumn<qint64>("stepMilli");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<HertzList>("hertz");
        QTest::addColumn<int>("clamped");
        // clang-format off
        QTest::newRow("12.5 kHz up from 400") << 1 << 400 * kMilliPerMHz << 12500 * 1000LL << true << HertzList{400000000, 400012500, 400025000} << 0;
        QTest::newRow("past BandUpper stays on it") << 1 << 479990 * kMilliPerKHz << 6 * kMilliPerKHz << true << HertzList{479990000, 479996000, 480000000, 480000000} << 2;
        QTest::newRow("below BandLower stays on it") << 3 << 400010 * kMilliPerKHz << 6 * kMilliPerKHz << false << HertzList{400010000, 400004000, 400000000, 400000000} << 2;
        QTest::newRow("5 Hz steps round to 10 Hz, halves to even") << 1 << 400 * kMilliPerMHz << 5000LL << true << HertzList{400000000, 400000000, 400000010, 400000020} << 0;
        QTest::newRow("across the end of the codeplug's channels") << 31 << 450 * kMilliPerMHz << 25 * kMilliPerKHz << true << HertzList{450000000, 450025000, 450050000} << 0;
        // clang-format on
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

    // Without a receive run the image's records start from 0 MHz; a channel of the plan starts
    // from its own receive frequency (440 MHz).
    void transmitModes_data() {
        QTest::addColumn<bool>("setRx");
        QTest::addColumn<int>("mode");
        QTest::addColumn<HertzList>("hertz");
        QTest::addColumn<HertzList>("planHertz");
        QTest::addColumn<int>("clamped");
        const int follow = int(TransmitMode::Default);
        const int offset = int(TransmitMode::Offset);
        // clang-format off
        QTest::newRow("default follows receive") << true << follow << HertzList{465000000, 470000000, 470000000} << HertzList{465000000, 470000000, 470000000} << 1;
        QTest::newRow("default without receive") << false << follow << HertzList{400000000, 400000000, 400000000} << HertzList{440000000, 440000000, 440000000} << 0;
        QTest::newRow("offset plus 1 MHz") << true << offset << HertzList{466000000, 470000000, 470000000} << HertzList{466000000, 470000000, 470000000} << 2;
        QTest::newRow("offset without receive") << false << offset << HertzList{400000000, 400000000, 400000000} << HertzList{441000000, 441000000, 441000000} << 0;
        QTest::newRow("own run down by 100 kHz") << true << int(TransmitMode::Incept) << HertzList{430000000, 429900000, 429800000} << HertzList{430000000, 429900000, 429800000} << 0;
        // clang-format on
    }
    void transmitModes() {
        QFETCH(bool, setRx);
        QFETCH(int, mode);
        QFETCH(HertzList, hertz);
        QFETCH(HertzList, planHertz);
        QFETCH(int, clamped);
        Codeplug cp = Radio();
        BatchChannelChoice choice = Range(1, 3);
        choice.setRxFreq = setRx;
        choice.rx = {465 * kMilliPerMHz, 5000 * kMilliPerKHz, StepDirection::Ascending};
        choice.setTxFreq = true;
        choice.txMode = TransmitMode(mode);
        choice.txOffset = kMilliPerMHz;
        choice.tx = {430 * kMilliPerMHz, 100 * kMilliPerKHz, StepDirection::Descending};
        QCOMPARE(Apply(cp, choice).clampedChannels, clamped);
        QCOMPARE(ImageFrequencies(cp, 1, 3, L::kTxFreq), hertz);
        QCOMPARE(CodeplugFrequencies(cp.TxFreq, 1, 3), planHertz);
        QCOMPARE(cp.TxColor[1], ChannelRules::FrequencyColourCode(cp.TxFreq[1]));
    }

    // Tone positions step through the tone list and wrap at its ends; the image holds kind and
    // number, the codeplug the coded pair of the same list item.
    void toneRun_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<Positions>("positions");
        // clang-format off
        QTest::newRow("277 up by 2 wraps to none") << 277 << 2 << true << Positions{277, 0, 2, 4, 6};
        QTest::newRow("1 down by 2 wraps to the last item") << 1 << 2 << false << Positions{1, 278, 276, 274, 272};
        QTest::newRow("across the DCS blocks") << 160 << 3 << true << Positions{160, 163, 166, 169, 172};
        // clang-format on
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

    // Encode "Default" without decode: the image's records encode none, a channel of the plan
    // what it decodes itself.
    void encodeDefaultWithoutDecode() {
        Codeplug cp = Radio();
        cp.TxCtcss[1] = 885;
        cp.RxDcs[1] = ToneRules::DcsValue(023, true);
        BatchChannelChoice choice = Range(1, 3);
        choice.encode = {true, false, 40, 1, StepDirection::Ascending};
        choice.encodeDefault = true;
        Apply(cp, choice);
        QCOMPARE(DecodePositions(cp, 1, 3, L::kEncodeKind), (Positions{0, 0, 0}));
        QCOMPARE(L::Tone(cp.RadioImage, 1, L::kEncodeKind), (ImageTone{255, 255}));
        QCOMPARE((TonePair{cp.TxCtcss[1], cp.TxDcs[1]}), (TonePair{-1, cp.RxDcs[1]}));
        QCOMPARE((TonePair{cp.TxCtcss[0], cp.TxDcs[0]}), (TonePair{cp.RxCtcss[0], cp.RxDcs[0]}));
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
        QCOMPARE(std::tuple(cp.TxPower[2], cp.TxPower[3], cp.TxPower[4], cp.ChannelSpace[2],
                            cp.ChannelSpace[3]),
                 std::tuple(0, 0, 1, 25000, 12500));
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
        // A new channel takes the grid's defaults: it transmits where it receives.
        QCOMPARE(std::tuple(cp.ChannelType[20], cp.TxPower[20], cp.TxFreq[20]),
                 std::tuple(1, 1, 446000000));
        QCOMPARE((TonePair{cp.RxCtcss[20], cp.RxDcs[20]}), (TonePair{1000, -1}));
        QCOMPARE((TonePair{cp.TxCtcss[20], cp.TxDcs[20]}), (TonePair{1000, -1}));
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

QTEST_APPLESS_MAIN(TestImageChannels)
#include "test_image_channels.moc"
