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
