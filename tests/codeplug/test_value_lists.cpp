#include "codeplug/value_lists.h"

#include <QtTest>

using namespace zr40;

namespace {

QString Zh(const char* utf8) {
    return QString::fromUtf8(utf8);
}

enum { Busy, Space, Call, Power, Type, Auth, Colour, Off, Num0, Num1, Tot, Scramble, Tone };

using Filler = void (*)(QStringList&, const TextContext&);
const Filler kFillers[] = {
    &ValueLists::FillBusyLockList,
    &ValueLists::FillSpaceList,
    &ValueLists::FillCallTypeList,
    &ValueLists::FillPowerList,
    &ValueLists::FillChannelTypeList,
    &ValueLists::FillTxAuthorityList,
    &ValueLists::FillColorCodeList,
    [](QStringList& items, const TextContext& ctx) {
        ValueLists::FillOffNumberList(items, 3, ctx);
    },
    [](QStringList& items, const TextContext&) { ValueLists::FillNumberList(items, 10, true); },
    [](QStringList& items, const TextContext&) { ValueLists::FillNumberList(items, 3, false); },
    &ValueLists::FillTotList,
    &ValueLists::FillScrambleList,
    &ValueLists::FillToneList};

QStringList Fill(int list, const TextContext& ctx) {
    QStringList items{QStringLiteral("keep")}; // fillers append
    kFillers[list](items, ctx);
    return items;
}

} // namespace

class TestValueLists : public QObject {
    Q_OBJECT

private slots:
    // Every filler in both languages and with both separators: size, leading items, last item.
    void fillers_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<bool>("english");
        QTest::addColumn<char>("separator");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("head");
        QTest::addColumn<QString>("last");
        // clang-format off
        QTest::newRow("busy en") << int(Busy) << true << '.' << 3 << QStringList{"None", "Carrier"} << "QT/DQT";
        QTest::newRow("busy zh") << int(Busy) << false << ',' << 3 << QStringList{Zh("关"), Zh("载波")} << "QT/DQT";
        QTest::newRow("space en") << int(Space) << true << '.' << 2 << QStringList{"12.5K(Narrow)"} << "25K(Wide)";
        QTest::newRow("space en comma") << int(Space) << true << ',' << 2 << QStringList{"12,5K(Narrow)"} << "25K(Wide)";
        QTest::newRow("space zh comma") << int(Space) << false << ',' << 2 << QStringList{Zh("12,5K(窄带)")} << Zh("25K(宽带)");
        QTest::newRow("call en") << int(Call) << true << '.' << 3 << QStringList{"Single Call", "Group Call"} << "All Call";
        QTest::newRow("call zh") << int(Call) << false << ',' << 3 << QStringList{Zh("单呼"), Zh("组呼")} << Zh("全呼");
        QTest::newRow("power en") << int(Power) << true << '.' << 2 << QStringList{"Low"} << "High";
        QTest::newRow("power zh") << int(Power) << false << ',' << 2 << QStringList{Zh("低")} << Zh("高");
        QTest::newRow("type en") << int(Type) << true << '.' << 2 << QStringList{"Analog CH"} << "Digital CH";
        QTest::newRow("type zh") << int(Type) << false << ',' << 2 << QStringList{Zh("模拟频道")} << Zh("数字频道");
        QTest::newRow("authority en") << int(Auth) << true << '.' << 3 << QStringList{"Tx Inhibit", "Busy Lock"} << "No Limited";
        QTest::newRow("authority zh") << int(Auth) << false << ',' << 3 << QStringList{Zh("禁发"), Zh("繁忙禁发")} << Zh("无限制");
        QTest::newRow("colour en") << int(Colour) << true << '.' << 16 << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A"} << "F";
        QTest::newRow("colour zh") << int(Colour) << false << ',' << 16 << QStringList{"0", "1"} << "F";
        QTest::newRow("off en") << int(Off) << true << '.' << 4 << QStringList{"Off", "1", "2"} << "3";
        QTest::newRow("off zh") << int(Off) << false << ',' << 4 << QStringList{Zh("关"), "1", "2"} << "3";
        QTest::newRow("number with zero") << int(Num0) << true << '.' << 11 << QStringList{"0", "1"} << "10";
        QTest::newRow("number without zero") << int(Num1) << false << ',' << 3 << QStringList{"1", "2"} << "3";
        QTest::newRow("tot en") << int(Tot) << true << '.' << 41 << QStringList{"Off", "15"} << "600";
        QTest::newRow("tot zh") << int(Tot) << false << ',' << 41 << QStringList{Zh("关"), "15"} << "600";
        QTest::newRow("scramble en") << int(Scramble) << true << '.' << 9 << QStringList{"Off", "2700HZ"} << "3400HZ";
        QTest::newRow("scramble zh") << int(Scramble) << false << ',' << 9 << QStringList{Zh("关"), "2700HZ"} << "3400HZ";
        QTest::newRow("tone en") << int(Tone) << true << '.' << 279 << QStringList{"None", "67.0", "69.3"} << "D765I";
        QTest::newRow("tone zh comma") << int(Tone) << false << ',' << 279 << QStringList{Zh("无"), "67,0", "69,3"} << "D765I";
        // clang-format on
    }

    void fillers() {
        QFETCH(int, list);
        QFETCH(bool, english);
        QFETCH(char, separator);
        QFETCH(int, size);
        QFETCH(QStringList, head);
        QFETCH(QString, last);
        const QStringList items = Fill(list, {english, QLatin1Char(separator)});
        QCOMPARE(items.size(), size + 1);
        QCOMPARE(items.mid(0, head.size() + 1), QStringList{"keep"} + head);
        QCOMPARE(items.last(), last);
    }

    void toneListLandmarks() {
        const QStringList items = Fill(Tone, {true, QLatin1Char('.')}).mid(1);
        const QList<std::pair<int, const char*>> landmarks = {
            {13, "100.0"},  {50, "254.1"},  {51, "D017N"},  {114, "D343N"}, {115, "D364N"},
            {117, "D371N"}, {118, "D345N"}, {121, "D356N"}, {122, "D411N"}, {164, "D765N"},
            {165, "D017I"}, {229, "D345I"}, {233, "D364I"}};
        for (const auto& [index, text] : landmarks)
            QCOMPARE(items[index], QString::fromLatin1(text));
        // The two DCS blocks hold the same 114 codes, each once; the inverted block is sorted.
        QStringList normal;
        QStringList inverted;
        for (int i = 51; i < 165; ++i)
            normal << items[i].mid(1, 3);
        for (int i = 165; i < 279; ++i)
            inverted << items[i].mid(1, 3);
        QStringList sorted = normal;
        sorted.sort();
        QCOMPARE(sorted, inverted);
        QCOMPARE(QSet<QString>(normal.begin(), normal.end()).size(), 114);
    }
};

QTEST_GUILESS_MAIN(TestValueLists)
#include "test_value_lists.moc"
