#include "channels/channel_rules.h"
#include "channels/tone_rules.h"
#include "exchange/channel_clipboard.h"
#include "exchange/channel_csv.h"
#include "exchange/plan_exchange.h"

#include <QtTest>

using namespace zr40;

namespace {

const TextContext kEnglish{true, QLatin1Char('.')};

Codeplug Plan() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    cp.ApplyNewDefaults();
    cp.BandLower = 400;
    cp.BandUpper = cp.BandUpperTx = 480;
    return cp;
}

// Channel 1 analog with tones, channel 2 digital with a group call.
Codeplug TwoChannels() {
    Codeplug cp = Plan();
    const bool ok = ChannelCsv::Import("Channel,RxMHz,TxMHz,Type,Decode,Encode,Power,Squelch,"
                                       "RxList,CallType,TxID\n"
                                       "1,435.025,440.025,Analog CH,67.0,D023N,Low,3,,,\n"
                                       "2,441.5,,Digital CH,,,High,5,2,Group Call,800010\n",
                                       cp)
                        .ok;
    if (!ok)
        qFatal("the sample plan does not import");
    return cp;
}

} // namespace

class TestChannelClipboard : public QObject {
    Q_OBJECT

private slots:
    void copiedRowsPasteBackAsTheSameChannels() {
        Codeplug cp = TwoChannels();
        const QString text = ChannelClipboard::Copy(cp, {0, 1, 5});
        QVERIFY(text.startsWith("Channel\tRxMHz\tTxMHz\tType"));
        QCOMPARE(text.count(QLatin1Char('\n')), 4);
        cp.RxFreq[12] = 450000000; // channel 13 is in use and is emptied by the empty row
        const ExchangeResult result = ChannelClipboard::Paste(text, cp, 10, kEnglish);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.channels, (QList<int>{10, 11, 12}));
        QVERIFY(!result.outOfRange);
        QStringList pasted = ChannelCsv::Row(cp, 10), original = ChannelCsv::Row(cp, 0);
        QCOMPARE(pasted.mid(1), original.mid(1));
        pasted = ChannelCsv::Row(cp, 11), original = ChannelCsv::Row(cp, 1);
        QCOMPARE(pasted.mid(1), original.mid(1));
        QVERIFY(ChannelRules::IsEmptyChannel(cp, 12));
    }

    // Spreadsheet rows go through the grid's rules: one band flag however many rows, new-channel
    // defaults for rows that start a channel.
    void spreadsheetRowsFollowTheGridRules_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("outOfRange");
        QTest::newRow("header, commas, clamped") << "channel,rxmhz,power\n9,999,Low\n9,10,\n"
                                                 << 2 << true;
        QTest::newRow("tabs, no header") << "1\t440.5\t\tAnalog CH\n2\t441\n" << 2 << false;
        QTest::newRow("from RxMHz on") << "440.5\t445.5\n441\n" << 2 << false;
        QTest::newRow("blank rows skipped") << "\n440.5\n\n\n441\n" << 2 << false;
    }
    void spreadsheetRowsFollowTheGridRules() {
        QFETCH(QString, text);
        QFETCH(int, rows);
        QFETCH(bool, outOfRange);
        Codeplug cp = Plan();
        const ExchangeResult result = ChannelClipboard::Paste(text, cp, 4, kEnglish);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.channels.size(), rows);
        QCOMPARE(result.channels.first(), 4); // the Channel cells do not choose the channel
        QCOMPARE(result.outOfRange, outOfRange);
        for (int c : result.channels) {
            QVERIFY(!ChannelRules::IsEmptyChannel(cp, c));
            QVERIFY(cp.RxFreq[c] >= 400000000 && cp.RxFreq[c] <= 480000000);
            QCOMPARE(ToneRules::ToneText(cp.RxCtcss[c], cp.RxDcs[c], kEnglish),
                     QStringLiteral("None"));
            QCOMPARE(cp.ChannelType[c], 1);
        }
        QVERIFY(cp.TxFreq[4] != 0); // transmit follows receive when its cell is empty
    }

    void aCellThatCannotBeReadPastesNothing() {
        Codeplug cp = TwoChannels();
        const Codeplug before = cp;
        for (const char* text :
             {"440\nhello\n", "Channel\tRxMHz\tPower\n1\t440\tMedium\n", "", "\n\n"}) {
            const ExchangeResult result = ChannelClipboard::Paste(text, cp, 0, kEnglish);
            QVERIFY2(!result.ok, text);
            QVERIFY(!result.error.isEmpty());
            QVERIFY(cp.RxFreq == before.RxFreq);
            QVERIFY(cp.TxPower == before.TxPower);
        }
        const ExchangeResult chinese =
            ChannelClipboard::Paste("440\nhello\n", cp, 0, {false, QLatin1Char('.')});
        QVERIFY(chinese.error.contains(QStringLiteral("第2行")));
    }

    void formatsAreRecognisedByContent_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        using F = PlanExchange::Format;
        QTest::newRow("json") << QByteArray("  {\"LocalID\": 1}") << int(F::Json);
        QTest::newRow("channel csv") << QByteArray("Channel,RxMHz\n1,440\n") << int(F::ChannelCsv);
        QTest::newRow("common csv")
            << QByteArray("\xEF\xBB\xBFLocation,Name,Frequency\r\n0,A,440\r\n")
            << int(F::CommonCsv);
        QTest::newRow("neither") << QByteArray("Freq,Name\n440,A\n") << int(F::Unknown);
        QTest::newRow("empty") << QByteArray() << int(F::Unknown);
    }
    void formatsAreRecognisedByContent() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        QCOMPARE(int(PlanExchange::FromContent(bytes)), format);
        Codeplug cp = Plan();
        const ExchangeResult result = PlanExchange::Import(PlanExchange::Format(format), bytes, cp,
                                                           0, {false, QLatin1Char('.')});
        QCOMPARE(result.ok, format != int(PlanExchange::Format::Unknown));
    }
};

QTEST_APPLESS_MAIN(TestChannelClipboard)
#include "test_channel_clipboard.moc"
