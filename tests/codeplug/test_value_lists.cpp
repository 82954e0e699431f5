#include "codeplug/dcs_code.h"
#include "codeplug/key_filter.h"
#include "codeplug/tone_tables.h"
#include "codeplug/value_lists.h"

#include <QtTest>

using namespace zr40;

// The shared vocabularies and input rules: the list fillers, the DCS code words behind the tone
// list, and the key filter of every text box kind.
class TestValueLists : public QObject {
    Q_OBJECT

private slots:
    // Stored values are list positions, so every list must hold as many items in both languages
    // and with either decimal separator; fillers append to what is there.
    void sameItemsInEveryContext() {
        using Filler = void (*)(QStringList&, const TextContext&);
        const Filler fillers[] = {&ValueLists::FillToneList,
                                  &ValueLists::FillBusyLockList,
                                  &ValueLists::FillSpaceList,
                                  &ValueLists::FillCallTypeList,
                                  &ValueLists::FillPowerList,
                                  &ValueLists::FillChannelTypeList,
                                  &ValueLists::FillColorCodeList,
                                  &ValueLists::FillTotList,
                                  &ValueLists::FillScrambleList,
                                  &ValueLists::FillTxAuthorityList,
                                  [](QStringList& items, const TextContext& ctx) {
                                      ValueLists::FillOffNumberList(items, 10, ctx);
                                  }};
        for (const Filler fill : fillers) {
            QStringList english{QStringLiteral("keep")};
            fill(english, {true, QLatin1Char('.')});
            for (const TextContext& ctx :
                 {TextContext{false, QLatin1Char('.')}, TextContext{false, QLatin1Char(',')}}) {
                QStringList other{QStringLiteral("keep")};
                fill(other, ctx);
                QCOMPARE(other.size(), english.size());
                QCOMPARE(other.first(), QStringLiteral("keep"));
            }
        }
        QStringList tones;
        ValueLists::FillToneList(tones, {false, QLatin1Char(',')});
        QCOMPARE(tones.mid(0, 3), QStringList({QString::fromUtf8("无"), "67,0", "69,3"}));
    }

    // Each code word against a (23,12) Golay encoding done by long division of data * x^11 by
    // x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1, bit by bit.
    void everyCodeMatchesPolynomialDivision() {
        const std::uint32_t generator = 0xC75;
        for (int code : kDcsCodes) {
            const std::uint32_t data = 0x800u | static_cast<std::uint32_t>(code);
            std::uint32_t remainder = data << 11;
            for (int bit = 22; bit >= 11; --bit)
                if (remainder & (1u << bit))
                    remainder ^= generator << (bit - 11);
            const std::uint32_t expected = data | (remainder << 12);
            QCOMPARE(DcsCodeWord(code, false), expected);
            QCOMPARE(DcsCodeWord(code, true), expected ^ 0x7FFFFFu);
        }
        QCOMPARE(DcsCodeWord(023, false), 0x763813u); // a word known from the air
    }

    // The key a box kind lets through (0 refuses it), given the text and selection before it.
    void filter_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selection");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        const QChar dot('.');
        const QChar comma(',');
        // clang-format off
        const std::tuple<const char*, int, QString, int, QChar, int, int> rows[] = {
            {"1 separator", 1, "462", 0, dot, '.', '.'},
            {"1 second separator", 1, "462.5", 0, dot, '.', 0},
            {"1 comma locale", 1, "462", 0, comma, ',', ','},
            {"1 dot in comma locale", 1, "462", 0, comma, '.', 0},
            {"1 letter", 1, "", 0, dot, 'a', 0},
            {"1 tenth char", 1, "462.50000", 0, dot, '1', 0},
            {"1 tenth char selected", 1, "462.50000", 2, dot, '1', '1'},
            {"1 backspace full", 1, "462.50000", 0, dot, 8, 8},
            {"4 fourth", 4, "123", 0, dot, '4', 0},
            {"5 zero", 5, "", 0, dot, '0', '0'},
            {"5 third", 5, "12", 0, dot, '3', 0},
            {"7 zero", 7, "", 0, dot, '0', 0},
            {"8 ninth", 8, "12345678", 0, dot, '0', 0},
            {"9 minus empty", 9, "", 0, dot, '-', '-'},
            {"9 minus with text", 9, "12", 0, dot, '-', 0},
            {"9 minus replacing", 9, "12", 2, dot, '-', '-'},
            {"9 zero", 9, "", 0, dot, '0', 0},
            {"10 32nd", 10, QString(31, '1'), 0, dot, '9', '9'},
            {"10 33rd", 10, QString(32, '1'), 0, dot, '9', 0},
            {"10 hex letter", 10, "", 0, dot, 'A', 0},
            {"11 lower a", 11, "", 0, dot, 'a', 'A'},
            {"11 G", 11, "", 0, dot, 'G', 0},
            {"11 seventh", 11, "ABCDEF", 0, dot, '1', 0},
            {"12 seventh", 12, "123456", 0, dot, '7', 0},
            {"13 zero", 13, "-1", 0, dot, '0', '0'},
            {"13 minus with text", 13, "10", 0, dot, '-', 0},
            {"13 ninth", 13, "-1000000", 0, dot, '0', 0},
            {"unknown kind", 3, "", 0, dot, '1', 0},
            {"unknown kind backspace", 3, "", 0, dot, 8, 8},
        };
        // clang-format on
        for (const auto& [name, kind, text, selection, separator, key, expected] : rows)
            QTest::newRow(name) << kind << text << selection << separator << key << expected;
    }

    void filter() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, selection);
        QFETCH(QChar, separator);
        QFETCH(int, key);
        QFETCH(int, expected);
        QCOMPARE(KeyFilter(text, selection, key, kind, separator), expected);
    }
};

QTEST_GUILESS_MAIN(TestValueLists)
#include "test_value_lists.moc"
