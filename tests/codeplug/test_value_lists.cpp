#include "codeplug/value_lists.h"

#include <QtTest>

using namespace zr40;

namespace {

TextContext Ctx(bool english, char separator = '.') {
    return {english, QLatin1Char(separator)};
}

QString Zh(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

class TestValueLists : public QObject {
    Q_OBJECT

private slots:
    void toneListLandmarks() {
        QStringList items;
        ValueLists::FillToneList(items, Ctx(true));
        QCOMPARE(items.size(), 279);
        QCOMPARE(items[0], QStringLiteral("None"));
        QCOMPARE(items[1], QStringLiteral("67.0"));
        QCOMPARE(items[13], QStringLiteral("100.0"));
        QCOMPARE(items[50], QStringLiteral("254.1"));
        QCOMPARE(items[51], QStringLiteral("D017N"));
        QCOMPARE(items[114], QStringLiteral("D343N"));
        QCOMPARE(items[115], QStringLiteral("D364N"));
        QCOMPARE(items[117], QStringLiteral("D371N"));
        QCOMPARE(items[118], QStringLiteral("D345N"));
        QCOMPARE(items[121], QStringLiteral("D356N"));
        QCOMPARE(items[122], QStringLiteral("D411N"));
        QCOMPARE(items[164], QStringLiteral("D765N"));
        QCOMPARE(items[165], QStringLiteral("D017I"));
        QCOMPARE(items[229], QStringLiteral("D345I"));
        QCOMPARE(items[233], QStringLiteral("D364I"));
        QCOMPARE(items[278], QStringLiteral("D765I"));
    }

    void toneListChineseComma() {
        QStringList items;
        ValueLists::FillToneList(items, Ctx(false, ','));
        QCOMPARE(items[0], Zh("无"));
        QCOMPARE(items[1], QStringLiteral("67,0"));
        QCOMPARE(items[2], QStringLiteral("69,3"));
    }

    // The two DCS blocks hold the same 114 codes, each once, in the same three-digit form.
    void toneListBlocksHoldSameCodes() {
        QStringList items;
        ValueLists::FillToneList(items, Ctx(true));
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

    void fillersAppend() {
        QStringList items{QStringLiteral("keep")};
        ValueLists::FillPowerList(items, Ctx(true));
        QCOMPARE(items, QStringList({"keep", "Low", "High"}));
    }

    void fixedLists_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<bool>("english");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("busy en") << 0 << true << '.' << QStringList{"None", "Carrier", "QT/DQT"};
        QTest::newRow("busy zh") << 0 << false << '.'
                                 << QStringList{Zh("关"), Zh("载波"), "QT/DQT"};
        QTest::newRow("space en") << 1 << true << '.' << QStringList{"12.5K(Narrow)", "25K(Wide)"};
        QTest::newRow("space en comma")
            << 1 << true << ',' << QStringList{"12,5K(Narrow)", "25K(Wide)"};
        QTest::newRow("space zh comma")
            << 1 << false << ',' << QStringList{Zh("12,5K(窄带)"), Zh("25K(宽带)")};
        QTest::newRow("call en") << 2 << true << '.'
                                 << QStringList{"Single Call", "Group Call", "All Call"};
        QTest::newRow("call zh") << 2 << false << '.'
                                 << QStringList{Zh("单呼"), Zh("组呼"), Zh("全呼")};
        QTest::newRow("power en") << 3 << true << '.' << QStringList{"Low", "High"};
        QTest::newRow("power zh") << 3 << false << '.' << QStringList{Zh("低"), Zh("高")};
        QTest::newRow("type en") << 4 << true << '.' << QStringList{"Analog CH", "Digital CH"};
        QTest::newRow("type zh") << 4 << false << '.'
                                 << QStringList{Zh("模拟频道"), Zh("数字频道")};
        QTest::newRow("authority en")
            << 5 << true << '.' << QStringList{"Tx Inhibit", "Busy Lock", "No Limited"};
        QTest::newRow("authority zh")
            << 5 << false << '.' << QStringList{Zh("禁发"), Zh("繁忙禁发"), Zh("无限制")};
        QTest::newRow("colour zh")
            << 6 << false << '.' << QStringList{"0", "1", "2", "3", "4", "5", "6", "7",
                                                "8", "9", "A", "B", "C", "D", "E", "F"};
        QTest::newRow("off 3 en") << 7 << true << '.' << QStringList{"Off", "1", "2", "3"};
        QTest::newRow("off 2 zh") << 7 << false << '.' << QStringList{Zh("关"), "1", "2"};
        QTest::newRow("number with zero") << 8 << true << '.' << QStringList{"0", "1", "2", "3"};
        QTest::newRow("number without zero") << 9 << false << '.' << QStringList{"1", "2", "3"};
    }

    void fixedLists() {
        QFETCH(int, list);
        QFETCH(bool, english);
        QFETCH(char, separator);
        QFETCH(QStringList, expected);
        const TextContext ctx = Ctx(english, separator);
        QStringList items;
        switch (list) {
        case 0:
            ValueLists::FillBusyLockList(items, ctx);
            break;
        case 1:
            ValueLists::FillSpaceList(items, ctx);
            break;
        case 2:
            ValueLists::FillCallTypeList(items, ctx);
            break;
        case 3:
            ValueLists::FillPowerList(items, ctx);
            break;
        case 4:
            ValueLists::FillChannelTypeList(items, ctx);
            break;
        case 5:
            ValueLists::FillTxAuthorityList(items, ctx);
            break;
        case 6:
            ValueLists::FillColorCodeList(items, ctx);
            break;
        case 7:
            ValueLists::FillOffNumberList(items, expected.size() - 1, ctx);
            break;
        case 8:
            ValueLists::FillNumberList(items, 3, true);
            break;
        case 9:
            ValueLists::FillNumberList(items, 3, false);
            break;
        }
        QCOMPARE(items, expected);
    }

    void totList() {
        for (bool english : {true, false}) {
            QStringList items;
            ValueLists::FillTotList(items, Ctx(english));
            QCOMPARE(items.size(), 41);
            QCOMPARE(items[0], english ? QStringLiteral("Off") : Zh("关"));
            QCOMPARE(items[1], QStringLiteral("15"));
            QCOMPARE(items[40], QStringLiteral("600"));
        }
    }

    void scrambleList() {
        for (bool english : {true, false}) {
            QStringList items;
            ValueLists::FillScrambleList(items, Ctx(english));
            QCOMPARE(items.size(), 9);
            QCOMPARE(items[0], english ? QStringLiteral("Off") : Zh("关"));
            QCOMPARE(items[1], QStringLiteral("2700HZ"));
            QCOMPARE(items[8], QStringLiteral("3400HZ"));
        }
    }

    void squelchAndRxListSizes() {
        QStringList squelch;
        ValueLists::FillNumberList(squelch, 10, true);
        QCOMPARE(squelch.size(), 11);
        QStringList denoise;
        ValueLists::FillOffNumberList(denoise, 10, Ctx(true));
        QCOMPARE(denoise.size(), 11);
        QCOMPARE(denoise.last(), QStringLiteral("10"));
    }
};

QTEST_GUILESS_MAIN(TestValueLists)
#include "test_value_lists.moc"
