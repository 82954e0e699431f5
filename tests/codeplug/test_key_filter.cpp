#include "codeplug/key_filter.h"

#include <QtTest>

using namespace zr40;

class TestKeyFilter : public QObject {
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestKeyFilter)
#include "test_key_filter.moc"
