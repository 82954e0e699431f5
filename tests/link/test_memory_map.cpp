#include "link/memory_map.h"

#include <QTest>

using namespace zr40;

namespace {
Codeplug fresh() {
    Codeplug c;
    c.ApplyNewDefaults();
    return c;
}
} // namespace

class TestMemoryMap : public QObject {
    Q_OBJECT
private slots:
    void blockSizes_data() {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("values");
        QTest::newRow("header") << int(BlockType::None) << 7;
        QTest::newRow("tune header") << int(BlockType::TuneHeader) << 7;
        QTest::newRow("tune point") << int(BlockType::TunePoint) << 5;
        QTest::newRow("settings") << int(BlockType::Settings) << 96;
        QTest::newRow("channel") << int(BlockType::Channel) << 30;
        QTest::newRow("rx list") << int(BlockType::RxList) << 8;
    }
    void blockSizes() {
        QFETCH(int, block);
        QFETCH(int, values);
        const auto type = static_cast<BlockType>(block);
        QCOMPARE(MemoryMap::ValueCount(type), values);
        const Codeplug c = fresh();
        for (int i = 0; i < MemoryMap::Instances(type); ++i)
            QCOMPARE(int(MemoryMap::Payload(c, type, i).size()), values);
    }

    void settingsPositions() {
        Codeplug c = fresh();
        c.LocalID = 4711;
        c.IdleTime[3] = 33;
        c.KeyDefine[15] = 9;
        c.OptionTOT = 60;
        c.OptionReserved2 = 72;
        c.OptionReserved9 = 0x7FFFFFFF;
        c.SleepPoint[0] = 1000;
        c.VoltageUpper[7] = 62;
        c.VoxDelay = 50;
        c.ReservedList[31] = 95;
        const auto p = MemoryMap::Payload(c, BlockType::Settings, 0, 123456);
        QCOMPARE(p[0], 4711);
        QCOMPARE(p[6], 33);
        QCOMPARE(p[24], 9);
        QCOMPARE(p[25], 60);
        QCOMPARE(p[26], 123456);
        QCOMPARE(p[27], 72);
        QCOMPARE(p[34], 0x7FFFFFFF);
        QCOMPARE(p[35], 1000);
        QCOMPARE(p[62], 62);
        QCOMPARE(p[63], 50);
        QCOMPARE(p[95], 95);
    }

    void passwordIsNeverStored() {
        Codeplug c = fresh();
        const Codeplug before = c;
        std::vector<Long> values = MemoryMap::Payload(c, BlockType::Settings, 0, 999);
        values[26] = 4242;
        MemoryMap::Store(c, BlockType::Settings, 0, values);
        QVERIFY(c.SameRadioData(before));
        QCOMPARE(c.OptionTOT, before.OptionTOT);
        QCOMPARE(c.OptionReserved2, before.OptionReserved2);
    }

    void channelPositionsAndQuietLevel() {
        Codeplug c = fresh();
        const int n = 17;
        c.ChannelType[n] = 2;
        c.RxFreq[n] = 438500000;
        c.TxDcs[n] = 0x800123;
        c.Compand[n] = 1;
        c.ScrambleType[n] = 3;
        c.RxKey[4 * n + 3] = 0x1234;
        c.TxKeyEnable[n] = 1;
        c.TxKey[4 * n] = int(0xABCD0000);
        c.QuiteLevel[n] = 3;
        c.CallTypeTxID[n] = 0x800001;
        const auto written = MemoryMap::Payload(c, BlockType::Channel, n);
        QCOMPARE(written[0], 2);
        QCOMPARE(written[1], 438500000);
        QCOMPARE(written[6], 0x800123);
        QCOMPARE(written[12], 1);
        QCOMPARE(written[13], 3);
        QCOMPARE(written[18], 0x1234);
        QCOMPARE(written[19], 1);
        QCOMPARE(written[20], int(0xABCD0000));
        QCOMPARE(written[25], 0); // the quiet level goes out as 0
        QCOMPARE(written[29], 0x800001);
        const auto kept = MemoryMap::Payload(c, BlockType::Channel, n, -1, false);
        QCOMPARE(kept[25], 3);

        std::vector<Long> read = written;
        read[25] = 7;
        Codeplug d = fresh();
        MemoryMap::Store(d, BlockType::Channel, n, read);
        QCOMPARE(d.QuiteLevel[n], 7); // read back as the radio holds it
        QCOMPARE(d.RxFreq[n], 438500000);
        QCOMPARE(d.RxKeyLength[n], 32);
        QCOMPARE(d.TxKeyLength[n], 4);
        QCOMPARE(d.RxFreq[n - 1], c.RxFreq[n - 1]);
    }

    void keyLengthsOnRead_data() {
        QTest::addColumn<QList<int>>("words");
        QTest::addColumn<int>("length");
        QTest::newRow("top two of word 2") << QList<int>{0x11111111, 0x12000000, 0, 0} << 10;
        QTest::newRow("top one of word 2") << QList<int>{0x11111111, 0x10000000, 0, 0} << 9;
        QTest::newRow("four digits") << QList<int>{0x12340000, 0, 0, 0} << 4;
        QTest::newRow("empty") << QList<int>{0, 0, 0, 0} << 0;
        QTest::newRow("full") << QList<int>{0, 0, 0, 1} << 32;
    }
    void keyLengthsOnRead() {
        QFETCH(QList<int>, words);
        QFETCH(int, length);
        Codeplug c = fresh();
        std::vector<Long> values = MemoryMap::Payload(c, BlockType::Channel, 4);
        for (int k = 0; k < 4; ++k) {
            values[15 + k] = words[k];
            values[20 + k] = words[k];
        }
        MemoryMap::Store(c, BlockType::Channel, 4, values);
        QCOMPARE(c.RxKeyLength[4], length);
        QCOMPARE(c.TxKeyLength[4], length);
    }

    void roundTripEveryBlock() {
        Codeplug source = fresh();
        Long seed = 1;
        for (BlockType block : {BlockType::Settings, BlockType::Channel, BlockType::RxList,
                                BlockType::TuneHeader, BlockType::TunePoint}) {
            for (int i = 0; i < MemoryMap::Instances(block); ++i) {
                std::vector<Long> values(MemoryMap::ValueCount(block));
                for (Long& v : values)
                    v = seed++ * 7919;
                MemoryMap::Store(source, block, i, values);
                QCOMPARE(MemoryMap::Payload(source, block, i, values[26 % values.size()], false),
                         values);
            }
        }
        Codeplug copy = fresh();
        for (BlockType block : {BlockType::Settings, BlockType::Channel, BlockType::RxList,
                                BlockType::TuneHeader, BlockType::TunePoint}) {
            for (int i = 0; i < MemoryMap::Instances(block); ++i)
                MemoryMap::Store(copy, block, i, MemoryMap::Payload(source, block, i, 0, false));
        }
        QVERIFY(copy.SameRadioData(source));
    }

    void outOfRangeIndexesTouchNothing_data() {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("index");
        QTest::newRow("channel 32") << int(BlockType::Channel) << 32;
        QTest::newRow("channel -1") << int(BlockType::Channel) << -1;
        QTest::newRow("list 8") << int(BlockType::RxList) << 8;
        QTest::newRow("tune point 16") << int(BlockType::TunePoint) << 16;
        QTest::newRow("settings 1") << int(BlockType::Settings) << 1;
    }
    void outOfRangeIndexesTouchNothing() {
        QFETCH(int, block);
        QFETCH(int, index);
        const auto type = static_cast<BlockType>(block);
        Codeplug c = fresh();
        const Codeplug before = c;
        QVERIFY(MemoryMap::Payload(c, type, index).empty());
        MemoryMap::Store(c, type, index, std::vector<Long>(96, 77));
        QVERIFY(c.SameRadioData(before));
        QCOMPARE(c.ChannelType[32], before.ChannelType[32]);
        QCOMPARE(c.TuneFreq[16], before.TuneFreq[16]);
    }

    void shortAndLongPayloads() {
        Codeplug c = fresh();
        MemoryMap::Store(c, BlockType::RxList, 7, {1, 2, 3});
        QCOMPARE(c.RxListEntry[56], 1);
        QCOMPARE(c.RxListEntry[58], 3);
        QCOMPARE(c.RxListEntry[59], -1); // not sent, not touched
        MemoryMap::Store(c, BlockType::RxList, 6, std::vector<Long>(20, 5));
        QCOMPARE(c.RxListEntry[55], 5);
        QCOMPARE(c.RxListEntry[56], 1); // the surplus did not spill into the next list
    }

    void header() {
        Codeplug c = fresh();
        MemoryMap::StoreHeader(c, {1, 2, 3, 4, 5, 6, 7});
        QCOMPARE(c.HeaderCount6, 7);
        QCOMPARE(MemoryMap::Header(c), (std::vector<Long>{1, 2, 3, 4, 5, 6, 7}));
    }

    void blocksFor_data() {
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("blocks");
        QTest::newRow("negative") << -3 << 32 << 1;
        QTest::newRow("zero") << 0 << 32 << 1;
        QTest::newRow("five") << 5 << 32 << 5;
        QTest::newRow("forty") << 40 << 32 << 32;
        QTest::newRow("huge") << INT_MAX << 8 << 8;
    }
    void blocksFor() {
        QFETCH(int, reported);
        QFETCH(int, table);
        QFETCH(int, blocks);
        QCOMPARE(MemoryMap::BlocksFor(reported, table), blocks);
    }
};

QTEST_APPLESS_MAIN(TestMemoryMap)
#include "test_memory_map.moc"
