#include "channels/channel_copy.h"
#include "channels/image_channel_layout.h"
#include "codeplug/codeplug_fields.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;
using L = ImageChannelLayout;

namespace {

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
    return cp;
}

QList<Long> ChannelValues(Codeplug& cp, int ch) {
    QList<Long> values;
    for (const CodeplugField& field : CodeplugFields::Channel(cp, ch))
        values.append(QList<Long>(field.data, field.data + field.count));
    return values;
}

} // namespace

class TestChannelCopy : public QObject {
    Q_OBJECT

private slots:
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

    void nothingToCopy_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::newRow("3 onto itself") << 3 << 3;
        QTest::newRow("no channel 0") << 0 << 5;
        QTest::newRow("no channel 33") << 5 << 33;
    }
    void nothingToCopy() {
        QFETCH(int, source);
        QFETCH(int, target);
        Codeplug cp = Patterned();
        const auto image = cp.RadioImage;
        QVERIFY(!ChannelCopy::Copy(cp, source, target));
        QCOMPARE(cp.RadioImage, image);
        QVERIFY(cp.SameRadioData(Patterned()));
        QVERIFY(!cp.ChannelDataChanged);
    }
};

QTEST_APPLESS_MAIN(TestChannelCopy)
#include "test_channel_copy.moc"
