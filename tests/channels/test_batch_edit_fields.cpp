#include "channels/batch_edit_fields.h"

#include <QtTest>

using namespace zr40;
using F = BatchEditFields;

class TestBatchEditFields : public QObject {
    Q_OBJECT

private slots:
    // The range texts after the start (left) or the end (right) field was left.
    void channelRange_data() {
        QTest::addColumn<bool>("leftStart");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("startAfter");
        QTest::addColumn<QString>("endAfter");
        QTest::newRow("empty start") << true << ""
                                     << "20"
                                     << "1"
                                     << "20";
        QTest::newRow("start 129") << true << "129"
                                   << "20"
                                   << "128"
                                   << "128";
        QTest::newRow("start past end moves the end") << true << "30"
                                                      << "20"
                                                      << "30"
                                                      << "30";
        QTest::newRow("start 0 is channel 1") << true << "0"
                                              << "20"
                                              << "1"
                                              << "20";
        QTest::newRow("empty end") << false << "5"
                                   << ""
                                   << "5"
                                   << "128";
        QTest::newRow("end 999") << false << "5"
                                 << "999"
                                 << "5"
                                 << "128";
        QTest::newRow("end before start moves the start") << false << "30"
                                                          << "7"
                                                          << "7"
                                                          << "7";
        QTest::newRow("end 0 is channel 1, never an empty range") << false << "5"
                                                                  << "0"
                                                                  << "1"
                                                                  << "1";
    }
    void channelRange() {
        QFETCH(bool, leftStart);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, startAfter);
        QFETCH(QString, endAfter);
        const ChannelRangeText range =
            leftStart ? F::EnterStartChannel(start, end) : F::EnterEndChannel(start, end);
        QCOMPARE(range.start, startAfter);
        QCOMPARE(range.end, endAfter);
        QCOMPARE(range.first(), startAfter.toInt() - 1);
    }

    void startFrequency_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << "" << QChar('.') << "400.00000";
        QTest::newRow("lone separator") << "," << QChar(',') << "400,00000";
        QTest::newRow("below the band") << "399.9" << QChar('.') << "400.00000";
        QTest::newRow("above the band") << "480.00001" << QChar('.') << "480.00000";
        QTest::newRow("whole MHz gets the separator") << "435" << QChar('.') << "435.00000";
        QTest::newRow("comma") << "435,0125" << QChar(',') << "435,01250";
        QTest::newRow("upper edge itself") << "480" << QChar('.') << "480.00000";
    }
    void startFrequency() {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(QString, shown);
        QCOMPARE(F::EnterStartFrequency(text, 400, 480, separator), shown);
    }

    void steps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<qint64>("milliHertz");
        QTest::newRow("empty") << "" << 10000 << "0" << qint64(0);
        QTest::newRow("12.5 kHz") << "12.5" << 10000 << "12.5" << qint64(12500000);
        QTest::newRow("receive limit") << "10000.1" << 10000 << "10000" << qint64(10000000000);
        QTest::newRow("transmit limit") << "1001" << 1000 << "1000" << qint64(1000000000);
        QTest::newRow("lone separator") << "." << 1000 << "0" << qint64(0);
    }
    void steps() {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, shown);
        QFETCH(qint64, milliHertz);
        const QString entered = F::EnterStep(text, limit, QLatin1Char('.'));
        QCOMPARE(entered, shown);
        QCOMPARE(F::MilliHertzOfKilohertz(entered, QLatin1Char('.')), milliHertz);
    }
};

QTEST_APPLESS_MAIN(TestBatchEditFields)
#include "test_batch_edit_fields.moc"
