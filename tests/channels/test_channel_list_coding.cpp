#include "channels/channel_list_coding.h"

#include <QtTest>

using namespace zr40;

class TestChannelListCoding : public QObject {
    Q_OBJECT

private slots:
    void showStoredValues_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("type digital") << "type" << 2 << 1;
        QTest::newRow("type 0 is analog") << "type" << 0 << 0;
        QTest::newRow("type 3 is analog") << "type" << 3 << 0;
        QTest::newRow("power 0 low") << "power" << 0 << 0;
        QTest::newRow("power 5 high") << "power" << 5 << 1;
        QTest::newRow("power -1 high") << "power" << -1 << 1;
        QTest::newRow("authority 1") << "authority" << 1 << 1;
        QTest::newRow("authority 3 no limit") << "authority" << 3 << 2;
        QTest::newRow("authority 99 no limit") << "authority" << 99 << 2;
        QTest::newRow("authority negative") << "authority" << -2 << 0;
        QTest::newRow("sql 5") << "sql" << 5 << 5;
        QTest::newRow("sql 11 -> 10") << "sql" << 11 << 10;
        QTest::newRow("sql negative") << "sql" << -1 << 0;
        QTest::newRow("denoise 60") << "denoise" << 60 << 10;
        QTest::newRow("denoise 61 off") << "denoise" << 61 << 0;
        QTest::newRow("denoise 13 -> 2") << "denoise" << 13 << 2;
        QTest::newRow("denoise negative off") << "denoise" << -6 << 0;
        QTest::newRow("quiet 10") << "quiet" << 10 << 10;
        QTest::newRow("quiet 11 off") << "quiet" << 11 << 0;
        QTest::newRow("color 15") << "color" << 15 << 15;
        QTest::newRow("color 16 -> 0") << "color" << 16 << 0;
        QTest::newRow("space 12500 narrow") << "space" << 12500 << 0;
        QTest::newRow("space 20000 wide") << "space" << 20000 << 1;
        QTest::newRow("space 25000 wide") << "space" << 25000 << 1;
        QTest::newRow("tot 0 off") << "tot" << 0 << 0;
        QTest::newRow("tot 5 off") << "tot" << 5 << 0;
        QTest::newRow("tot 15") << "tot" << 15 << 1;
        QTest::newRow("tot 20 -> 15") << "tot" << 20 << 1;
        QTest::newRow("tot 600 last") << "tot" << 600 << 40;
        QTest::newRow("tot 601 off") << "tot" << 601 << 0;
        QTest::newRow("scramble 2700") << "scramble" << 2700 << 1;
        QTest::newRow("scramble 3400") << "scramble" << 3400 << 8;
        QTest::newRow("scramble 0 off") << "scramble" << 0 << 0;
        QTest::newRow("scramble -1 off") << "scramble" << -1 << 0;
        QTest::newRow("scramble 2750 off") << "scramble" << 2750 << 0;
        QTest::newRow("scramble 3500 off") << "scramble" << 3500 << 0;
    }
    void showStoredValues() {
        QFETCH(QString, field);
        QFETCH(int, stored);
        QFETCH(int, index);
        QCOMPARE(IndexOf(field, stored), index);
    }

    void writeAndReadBack_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("items");
        QTest::newRow("type") << "type" << 2;
        QTest::newRow("power") << "power" << 2;
        QTest::newRow("authority") << "authority" << 3;
        QTest::newRow("sql") << "sql" << 11;
        QTest::newRow("denoise") << "denoise" << 11;
        QTest::newRow("quiet") << "quiet" << 11;
        QTest::newRow("color") << "color" << 16;
        QTest::newRow("space") << "space" << 2;
        QTest::newRow("tot") << "tot" << 41;
        QTest::newRow("scramble") << "scramble" << 9;
    }
    void writeAndReadBack() {
        QFETCH(QString, field);
        QFETCH(int, items);
        for (int i = 0; i < items; ++i)
            QCOMPARE(IndexOf(field, ValueOf(field, i)), i);
    }

    void writtenValues() {
        QCOMPARE(ChannelListCoding::DenoiseLevelValue(3), 18);
        QCOMPARE(ChannelListCoding::SpaceValue(0), 12500);
        QCOMPARE(ChannelListCoding::SpaceValue(1), 25000);
        QCOMPARE(ChannelListCoding::TotValue(40), 600);
        QCOMPARE(ChannelListCoding::ScrambleValue(0), -1);
        QCOMPARE(ChannelListCoding::ScrambleValue(8), 3400);
        QCOMPARE(ChannelListCoding::ChannelTypeValue(1), 2);
    }

    void rxListUsesTheListCount() {
        QCOMPARE(ChannelListCoding::RxListIndex(7, 8), 7);
        QCOMPARE(ChannelListCoding::RxListIndex(8, 8), 0);
        QCOMPARE(ChannelListCoding::RxListIndex(3, 3), 0);
        QCOMPARE(ChannelListCoding::RxListIndex(-1, 8), 0);
        QCOMPARE(ChannelListCoding::RxListValue(2), 2);
    }

    void checkBoxes() {
        QCOMPARE(ChannelListCoding::CheckValue(true), 1);
        QCOMPARE(ChannelListCoding::CheckValue(false), 0);
        QVERIFY(ChannelListCoding::KeyEnableChecked(-1));
        QVERIFY(!ChannelListCoding::KeyEnableChecked(0));
        QVERIFY(ChannelListCoding::CompandChecked(1));
        QVERIFY(!ChannelListCoding::CompandChecked(2));
    }

private:
    static int IndexOf(const QString& field, Long value) {
        if (field == "type")
            return ChannelListCoding::ChannelTypeIndex(value);
        if (field == "power")
            return ChannelListCoding::TxPowerIndex(value);
        if (field == "authority")
            return ChannelListCoding::TxAuthorityIndex(value);
        if (field == "sql")
            return ChannelListCoding::SqlLevelIndex(value);
        if (field == "denoise")
            return ChannelListCoding::DenoiseLevelIndex(value);
        if (field == "quiet")
            return ChannelListCoding::QuiteLevelIndex(value);
        if (field == "color")
            return ChannelListCoding::ColorIndex(value);
        if (field == "space")
            return ChannelListCoding::SpaceIndex(value);
        if (field == "tot")
            return ChannelListCoding::TotIndex(value);
        return ChannelListCoding::ScrambleIndex(value);
    }
    static Long ValueOf(const QString& field, int index) {
        if (field == "type")
            return ChannelListCoding::ChannelTypeValue(index);
        if (field == "power")
            return ChannelListCoding::TxPowerValue(index);
        if (field == "authority")
            return ChannelListCoding::TxAuthorityValue(index);
        if (field == "sql")
            return ChannelListCoding::SqlLevelValue(index);
        if (field == "denoise")
            return ChannelListCoding::DenoiseLevelValue(index);
        if (field == "quiet")
            return ChannelListCoding::QuiteLevelValue(index);
        if (field == "color")
            return ChannelListCoding::ColorValue(index);
        if (field == "space")
            return ChannelListCoding::SpaceValue(index);
        if (field == "tot")
            return ChannelListCoding::TotValue(index);
        return ChannelListCoding::ScrambleValue(index);
    }
};

QTEST_APPLESS_MAIN(TestChannelListCoding)
#include "test_channel_list_coding.moc"
