#include "link/memory_map.h"

#include <QTest>

using namespace zr40;

namespace {
using B = BlockType;

Codeplug fresh() {
    Codeplug c;
    c.ApplyNewDefaults();
    return c;
}
} // namespace

class TestMemoryMap : public QObject {
    Q_OBJECT
private slots:
    // Values at their wire positions: settings (with the password at 26) and channel 18 (the
    // quiet level goes out as 0 but is read back as the radio holds it).
    void positions() {
        Codeplug c = fresh();
        c.LocalID = 4711;
        c.IdleTime[3] = 33;
        c.KeyDefine[15] = 9;
        c.OptionTOT = 60;
        c.OptionReserved2 = 72;
        c.SleepPoint[0] = 1000;
        c.VoxDelay = 50;
        c.ReservedList[31] = 95;
        const int n = 17;
        c.RxFreq[n] = 438500000;
        c.TxDcs[n] = 0x800123;
        c.ScrambleType[n] = 3;
        c.RxKey[4 * n + 3] = 0x1234;
        c.TxKey[4 * n] = int(0xABCD0000);
        c.QuiteLevel[n] = 3;
        c.CallTypeTxID[n] = 0x800001;
        // Block sizes the radio expects; every block's values going both ways are in the
        // transfer tests.
        for (auto [block, size] : {std::pair{B::None, 7},
                                   {B::Settings, 96},
                                   {B::Channel, 30},
                                   {B::RxList, 8},
                                   {B::TuneHeader, 7},
                                   {B::TunePoint, 5}})
            QCOMPARE(MemoryMap::ValueCount(block), size);
        const auto settings = MemoryMap::Payload(c, B::Settings, 0, 123456);
        for (auto [index, value] : {std::pair{0, 4711},
                                    {6, 33},
                                    {24, 9},
                                    {25, 60},
                                    {26, 123456},
                                    {27, 72},
                                    {35, 1000},
                                    {63, 50},
                                    {95, 95}})
            QCOMPARE(settings[index], value);
        const auto channel = MemoryMap::Payload(c, B::Channel, n);
        for (auto [index, value] : {std::pair{1, 438500000},
                                    {6, 0x800123},
                                    {13, 3},
                                    {18, 0x1234},
                                    {20, int(0xABCD0000)},
                                    {25, 0},
                                    {29, 0x800001}})
            QCOMPARE(channel[index], value);
        QCOMPARE(MemoryMap::Payload(c, B::Channel, n, -1, false)[25], 3);
        // The password read from the radio is never stored in the codeplug.
        const Codeplug before = c;
        std::vector<Long> values = settings;
        values[26] = 4242;
        MemoryMap::Store(c, B::Settings, 0, values);
        QVERIFY(c.SameRadioData(before));
        std::vector<Long> read = channel;
        read[25] = 7;
        MemoryMap::Store(c, B::Channel, n, read);
        QCOMPARE(c.QuiteLevel[n], 7);
        QCOMPARE(c.RxKeyLength[n], 32);
        QCOMPARE(c.TxKeyLength[n], 4);
    }

    void outOfRangeAndOddSizes() {
        Codeplug c = fresh();
        const Codeplug before = c;
        for (auto [type, index] : {std::pair{B::Channel, 32}, std::pair{B::Channel, -1},
                                   std::pair{B::RxList, 8}, std::pair{B::TunePoint, 16}}) {
            QVERIFY(MemoryMap::Payload(c, type, index).empty());
            MemoryMap::Store(c, type, index, std::vector<Long>(96, 77));
        }
        QVERIFY(c.SameRadioData(before));
        QCOMPARE(c.ChannelType[32], before.ChannelType[32]);
        QCOMPARE(c.TuneFreq[16], before.TuneFreq[16]);
        MemoryMap::Store(c, B::RxList, 7, {1, 2, 3});
        QCOMPARE(c.RxListEntry[58], 3);
        QCOMPARE(c.RxListEntry[59], -1); // not sent, not touched
        MemoryMap::Store(c, B::RxList, 6, std::vector<Long>(20, 5));
        QCOMPARE(c.RxListEntry[55], 5);
        QCOMPARE(c.RxListEntry[56], 1); // the surplus did not spill into the next list
    }
};

QTEST_APPLESS_MAIN(TestMemoryMap)
#include "test_memory_map.moc"
