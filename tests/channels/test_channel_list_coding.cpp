#include "channels/channel_list_coding.h"

#include <QtTest>

using namespace zr40;

namespace {

using C = ChannelListCoding;

struct Coding {
    int (*index)(Long);
    Long (*value)(int);
    int items;
};

const QHash<QString, Coding> kCodings = {
    {"type", {&C::ChannelTypeIndex, &C::ChannelTypeValue, 2}},
    {"power", {&C::TxPowerIndex, &C::TxPowerValue, 2}},
    {"authority", {&C::TxAuthorityIndex, &C::TxAuthorityValue, 3}},
    {"sql", {&C::SqlLevelIndex, &C::SqlLevelValue, 11}},
    {"denoise", {&C::DenoiseLevelIndex, &C::DenoiseLevelValue, 11}},
    {"quiet", {&C::QuiteLevelIndex, &C::QuiteLevelValue, 11}},
    {"color", {&C::ColorIndex, &C::ColorValue, 16}},
    {"space", {&C::SpaceIndex, &C::SpaceValue, 2}},
    {"tot", {&C::TotIndex, &C::TotValue, 41}},
    {"scramble", {&C::ScrambleIndex, &C::ScrambleValue, 9}},
};

} // namespace

class TestChannelListCoding : public QObject {
    Q_OBJECT

private slots:
    // Stored values, including odd ones from files, shown as list items.
    void showStoredValues_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("index");
        const QList<std::tuple<const char*, int, int>> rows = {
            {"type", 2, 1},       {"type", 0, 0},        {"type", 3, 0},      {"power", 0, 0},
            {"power", 5, 1},      {"power", -1, 1},      {"authority", 1, 1}, {"authority", 3, 2},
            {"authority", 99, 2}, {"authority", -2, 0},  {"sql", 11, 10},     {"sql", -1, 0},
            {"denoise", 60, 10},  {"denoise", 61, 0},    {"denoise", 13, 2},  {"denoise", -6, 0},
            {"quiet", 10, 10},    {"quiet", 11, 0},      {"color", 16, 0},    {"space", 12500, 0},
            {"space", 20000, 1},  {"tot", 5, 0},         {"tot", 20, 1},      {"tot", 600, 40},
            {"tot", 601, 0},      {"scramble", 3400, 8}, {"scramble", -1, 0}, {"scramble", 2750, 0},
            {"scramble", 3500, 0}};
        for (const auto& [field, stored, index] : rows)
            QTest::addRow("%s %d", field, stored) << QString::fromLatin1(field) << stored << index;
    }

    void showStoredValues() {
        QFETCH(QString, field);
        QFETCH(int, stored);
        QFETCH(int, index);
        QCOMPARE(kCodings.value(field).index(stored), index);
    }

    // Every item written reads back as itself.
    void writeAndReadBack() {
        for (auto it = kCodings.cbegin(); it != kCodings.cend(); ++it)
            for (int i = 0; i < it->items; ++i)
                QVERIFY2(it->index(it->value(i)) == i, qPrintable(it.key()));
    }

    // A list value the radio's count does not cover shows list 1; there are at most eight.
    void receiveListsAndChecks() {
        const std::tuple<int, int, int> lists[] = {{7, 8, 7}, {8, 8, 0},  {-1, 8, 0},
                                                   {0, 0, 0}, {2, -3, 0}, {10, 12, 0}};
        for (const auto& [value, count, index] : lists)
            QCOMPARE(C::RxListIndex(value, count), index);
        QCOMPARE(C::RxListChoices(12), 8);
        QCOMPARE(C::RxListChoices(-3), 0);
        QVERIFY(C::KeyEnableChecked(-1));
        QVERIFY(!C::CompandChecked(2));
    }
};

QTEST_APPLESS_MAIN(TestChannelListCoding)
#include "test_channel_list_coding.moc"
