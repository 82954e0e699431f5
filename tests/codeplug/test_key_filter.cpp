#include "codeplug/byte_rules.h"
#include "codeplug/key_filter.h"

#include <QtTest>

using namespace zr40;

class TestKeyFilter : public QObject {
    Q_OBJECT

private slots:
    void filter_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selection");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        const QChar dot('.');
        const QChar comma(',');
        QTest::newRow("1 digit") << 1 << "46" << 0 << dot << int('2') << int('2');
        QTest::newRow("1 separator") << 1 << "462" << 0 << dot << int('.') << int('.');
        QTest::newRow("1 second separator") << 1 << "462.5" << 0 << dot << int('.') << 0;
        QTest::newRow("1 comma locale") << 1 << "462" << 0 << comma << int(',') << int(',');
        QTest::newRow("1 dot in comma locale") << 1 << "462" << 0 << comma << int('.') << 0;
        QTest::newRow("1 letter") << 1 << "" << 0 << dot << int('a') << 0;
        QTest::newRow("1 tenth char") << 1 << "462.50000" << 0 << dot << int('1') << 0;
        QTest::newRow("1 tenth char selected")
            << 1 << "462.50000" << 2 << dot << int('1') << int('1');
        QTest::newRow("1 backspace full") << 1 << "462.50000" << 0 << dot << 8 << 8;
        QTest::newRow("4 third") << 4 << "12" << 0 << dot << int('3') << int('3');
        QTest::newRow("4 fourth") << 4 << "123" << 0 << dot << int('4') << 0;
        QTest::newRow("5 third") << 5 << "12" << 0 << dot << int('3') << 0;
        QTest::newRow("5 zero") << 5 << "" << 0 << dot << int('0') << int('0');
        QTest::newRow("6 third") << 6 << "12" << 0 << dot << int('3') << 0;
        QTest::newRow("7 zero") << 7 << "" << 0 << dot << int('0') << 0;
        QTest::newRow("7 fourth") << 7 << "123" << 0 << dot << int('4') << 0;
        QTest::newRow("8 eighth") << 8 << "1234567" << 0 << dot << int('0') << int('0');
        QTest::newRow("8 ninth") << 8 << "12345678" << 0 << dot << int('0') << 0;
        QTest::newRow("9 minus empty") << 9 << "" << 0 << dot << int('-') << int('-');
        QTest::newRow("9 minus with text") << 9 << "12" << 0 << dot << int('-') << 0;
        QTest::newRow("9 minus replacing") << 9 << "12" << 2 << dot << int('-') << int('-');
        QTest::newRow("9 zero") << 9 << "" << 0 << dot << int('0') << 0;
        QTest::newRow("9 five") << 9 << "-" << 0 << dot << int('5') << int('5');
        QTest::newRow("10 32nd") << 10 << QString(31, '1') << 0 << dot << int('9') << int('9');
        QTest::newRow("10 33rd") << 10 << QString(32, '1') << 0 << dot << int('9') << 0;
        QTest::newRow("10 hex letter") << 10 << "" << 0 << dot << int('A') << 0;
        QTest::newRow("11 lower a") << 11 << "" << 0 << dot << int('a') << int('A');
        QTest::newRow("11 G") << 11 << "" << 0 << dot << int('G') << 0;
        QTest::newRow("11 seventh") << 11 << "ABCDEF" << 0 << dot << int('1') << 0;
        QTest::newRow("12 sixth") << 12 << "12345" << 0 << dot << int('6') << int('6');
        QTest::newRow("12 seventh") << 12 << "123456" << 0 << dot << int('7') << 0;
        QTest::newRow("13 zero") << 13 << "-1" << 0 << dot << int('0') << int('0');
        QTest::newRow("13 minus with text") << 13 << "10" << 0 << dot << int('-') << 0;
        QTest::newRow("13 ninth") << 13 << "-1000000" << 0 << dot << int('0') << 0;
        QTest::newRow("unknown kind") << 3 << "" << 0 << dot << int('1') << 0;
        QTest::newRow("unknown kind backspace") << 3 << "" << 0 << dot << 8 << 8;
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

    void maxLengths() {
        const int kinds[] = {1, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        const int lengths[] = {9, 3, 2, 2, 3, 8, 8, 32, 6, 6};
        for (int i = 0; i < 10; ++i)
            QCOMPARE(KeyFilterMaxLength(kinds[i]), lengths[i]);
    }

    void shiftByteLeft_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << 0xA5 << 0 << 0xA5;
        QTest::newRow("one") << 0xA5 << 1 << 0x4A;
        QTest::newRow("seven") << 0x03 << 7 << 0x80;
        QTest::newRow("eight") << 0xFF << 8 << 0;
    }

    void shiftByteLeft() {
        QFETCH(int, value);
        QFETCH(int, count);
        QFETCH(int, expected);
        QCOMPARE(int(ShiftByteLeft(value, count)), expected);
    }
};

QTEST_GUILESS_MAIN(TestKeyFilter)
#include "test_key_filter.moc"
