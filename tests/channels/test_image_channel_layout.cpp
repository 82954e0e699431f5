#include "channels/image_channel_layout.h"

#include <QtTest>

using namespace zr40;
using L = ImageChannelLayout;

class TestImageChannelLayout : public QObject {
    Q_OBJECT

private slots:
    void recordOffset_data() {
        QTest::addColumn<int>("ch");
        QTest::addColumn<int>("offset");
        QTest::newRow("first") << 0 << 16;
        QTest::newRow("last before the first gap") << 29 << 480;
        QTest::newRow("after the first gap") << 30 << 528;
        QTest::newRow("last before the second gap") << 59 << 992;
        QTest::newRow("after the second gap") << 60 << 1040;
        QTest::newRow("last record ends before the present flags") << 127 << 2176;
    }
    void recordOffset() {
        QFETCH(int, ch);
        QFETCH(int, offset);
        QCOMPARE(L::RecordOffset(ch), offset);
        QVERIFY(L::RecordOffset(ch) + L::kRecordSize <= L::kPresentBase);
    }

    void bitmapsTouchOneBitEach() {
        L::Image image{};
        L::SetInScan(image, 9, true);
        L::SetPresent(image, 127, true);
        QCOMPARE(image[383], std::uint8_t(0x02));
        QCOMPARE(image[2207], std::uint8_t(0x80));
        image[382] = 0xFF;
        L::SetInScan(image, 3, false);
        QCOMPARE(image[382], std::uint8_t(0xF7));
        QVERIFY(L::InScan(image, 9) && !L::InScan(image, 3) && L::Present(image, 127));
    }

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
    }

    // Channels 23 and 24 have records over the scan bitmap (bytes 382..397); writing them keeps
    // the bitmap and writes only the record's own bytes.
    void recordWritesLeaveTheScanBitmap() {
        L::Image image{};
        for (int at = 382; at < 398; ++at)
            image[at] = std::uint8_t(at);
        image[16 + 14] = 0xC3;
        const L::Image bitmap = image;
        L::SetFrequency(image, 23, L::kRxFreq, 0x12345678);
        L::SetTone(image, 23, L::kEncodeKind, {1, 2});
        L::SetFlag(image, 23, L::kWide, true);
        L::FillRecord(image, 22, 0xEE);
        L::CopyRecord(image, 0, 23);
        for (int at = 382; at < 398; ++at)
            QCOMPARE(image[at], bitmap[at]);
        QCOMPARE(image[368], std::uint8_t(0xEE)); // channel 23's own bytes 0..13
        QCOMPARE(image[381], std::uint8_t(0xEE));
        QCOMPARE(image[398], std::uint8_t(0xC3)); // channel 24's own bytes 14 and 15
        QCOMPARE(image[399], std::uint8_t(0));
    }

    void tonePositions_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::newRow("none") << 0 << 255 << 255;
        QTest::newRow("first CTCSS") << 1 << 1 << 0;
        QTest::newRow("last CTCSS") << 50 << 1 << 49;
        QTest::newRow("first DCS normal") << 51 << 2 << 0;
        QTest::newRow("last DCS normal") << 164 << 2 << 113;
        QTest::newRow("first DCS inverted") << 165 << 3 << 0;
        QTest::newRow("last DCS inverted") << 278 << 3 << 113;
    }
    void tonePositions() {
        QFETCH(int, position);
        QFETCH(int, kind);
        QFETCH(int, number);
        const ImageTone tone = L::ToneOfPosition(position);
        QCOMPARE(int(tone.kind), kind);
        QCOMPARE(int(tone.number), number);
        QCOMPARE(L::PositionOfTone(tone), position);
    }

    void offListTonesAndWrapping() {
        QCOMPARE(L::PositionOfTone({2, 114}), 0);
        QCOMPARE(L::PositionOfTone({4, 0}), 0);
        QCOMPARE(L::ToneOfPosition(279), (ImageTone{255, 255}));
        QCOMPARE(L::WrapTonePosition(279), 0);
        QCOMPARE(L::WrapTonePosition(-1), 278);
        QCOMPARE(L::WrapTonePosition(278), 278);
    }
};

QTEST_APPLESS_MAIN(TestImageChannelLayout)
#include "test_image_channel_layout.moc"
