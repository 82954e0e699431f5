// The formats the command and the application share: channel rows on the clipboard, the common
// radio csv, and the format an imported file's content says it is.

#include "channels/channel_rules.h"
#include "channels/tone_rules.h"
#include "codeplug/codeplug_fields.h"
#include "exchange/channel_clipboard.h"
#include "exchange/channel_csv.h"
#include "exchange/common_radio_csv.h"
#include "exchange/plan_exchange.h"

#include <QtTest>

using namespace zr40;

namespace {

const TextContext kEnglish{true, QLatin1Char('.')};
const char kHeader[] = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                       "DtcsPolarity,CrossMode,Mode,Power\n";

Codeplug NewPlan(int lower = 100, int upper = 550) {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    cp.ApplyNewDefaults();
    cp.BandLower = std::int16_t(lower);
    cp.BandUpper = cp.BandUpperTx = std::int16_t(upper);
    return cp;
}

QString Tone(const Codeplug& cp, int c, bool decode) {
    return decode ? ToneRules::ToneText(cp.RxCtcss[c], cp.RxDcs[c], kEnglish)
                  : ToneRules::ToneText(cp.TxCtcss[c], cp.TxDcs[c], kEnglish);
}

bool AnyWarningHas(const ExchangeResult& result, const QString& text) {
    for (const QString& warning : result.warnings)
        if (warning.contains(text))
            return true;
    return false;
}

// Channel 1 analog with tones, channel 2 digital with a group call.
Codeplug TwoChannels() {
    Codeplug cp = NewPlan(400, 480);
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

class TestExchange : public QObject {
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
        for (int c : {0, 1}) // all but the channel number
            QCOMPARE(ChannelCsv::Row(cp, 10 + c).mid(1), ChannelCsv::Row(cp, c).mid(1));
        QVERIFY(ChannelRules::IsEmptyChannel(cp, 12));
    }

    // Our own channels come whole from the clipboard, keys and all, held only to this plan's
    // band; the text beside them never holds key digits.
    void wholeChannelsPasteWithTheirKeys() {
        Codeplug cp = TwoChannels();
        cp.RxKeyEnable[1] = cp.TxKeyEnable[1] = 1;
        cp.RxKey[4] = Long(0x12345678);
        cp.TxKey[7] = Long(0x13579246);
        cp.RxKeyLength[1] = 8;
        cp.TxKeyLength[1] = 32;
        const QByteArray data = ChannelClipboard::CopyChannels(cp, {1, 0});
        QVERIFY(!ChannelClipboard::Copy(cp, {1}).contains(QStringLiteral("12345678")));
        Codeplug narrow = NewPlan(400, 440);
        const ExchangeResult result = ChannelClipboard::PasteChannels(data, narrow, 31, kEnglish);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.channels, QList<int>{31});
        QCOMPARE(result.leftOver, QList<int>{2});
        QVERIFY(result.outOfRange);
        QCOMPARE(narrow.RxFreq[31], 440000000); // 441.5 MHz held to the band
        QCOMPARE(narrow.TxFreq[31], 440000000);
        for (auto table :
             {&Codeplug::RxFreq, &Codeplug::TxFreq, &Codeplug::RxColor, &Codeplug::TxColor})
            (narrow.*table)[31] = (cp.*table)[1];
        Codeplug copy = cp;
        const auto values = [](Codeplug& plan, int channel) {
            QList<Long> all;
            for (const CodeplugField& field : CodeplugFields::Channel(plan, channel))
                all += QList<Long>(field.data, field.data + field.count);
            return all;
        };
        QCOMPARE(values(narrow, 31), values(copy, 1));
        // Data that is no such list pastes nothing.
        const Codeplug before = narrow;
        QByteArray broken = data;
        broken.replace("\"RxKey\"", "\"Other\"");
        for (const QByteArray& bad : {QByteArray("{}"), QByteArray("[1,2]"), broken}) {
            QVERIFY(!ChannelClipboard::PasteChannels(bad, narrow, 0, kEnglish).ok);
            QVERIFY(narrow.SameRadioData(before));
        }
    }

    // A pasted or imported tone must be one of the list; any other is said and left out, the
    // channel keeping the tone it had (including a number the typed-tone rule would replace).
    void onlyTonesOfTheListGoIn_data() {
        QTest::addColumn<QString>("tone");
        QTest::addColumn<QString>("shown");
        QTest::newRow("list tone") << "77.0"
                                   << "77.0";
        QTest::newRow("list DCS") << "D023N"
                                  << "D023N";
        QTest::newRow("below the list") << "62.5"
                                        << "67.0";
        QTest::newRow("between list tones") << "150.0"
                                            << "67.0";
        QTest::newRow("code the list lacks") << "D9"
                                             << "67.0";
        QTest::newRow("below 60") << "59.9"
                                  << "67.0";
        QTest::newRow("no number") << "none"
                                   << "67.0";
    }
    void onlyTonesOfTheListGoIn() {
        QFETCH(QString, tone);
        QFETCH(QString, shown);
        for (bool paste : {false, true}) {
            Codeplug cp = TwoChannels();
            const QString row = QStringLiteral("1,435.025,440.025,Analog CH,%1\n").arg(tone);
            const ExchangeResult result =
                paste ? ChannelClipboard::Paste(row, cp, 0, kEnglish)
                      : ChannelCsv::Import("Channel,RxMHz,TxMHz,Type,Decode\n" + row, cp);
            QVERIFY2(result.ok, qPrintable(result.error));
            QCOMPARE(Tone(cp, 0, true), shown);
            QCOMPARE(AnyWarningHas(result, QStringLiteral("is not on the tone list")),
                     shown != tone);
        }
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
        Codeplug cp = NewPlan(400, 480);
        const ExchangeResult result = ChannelClipboard::Paste(text, cp, 4, kEnglish);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.channels.size(), rows);
        QCOMPARE(result.channels.first(), 4); // the Channel cells do not choose the channel
        QCOMPARE(result.outOfRange, outOfRange);
        for (int c : result.channels) {
            QVERIFY(!ChannelRules::IsEmptyChannel(cp, c));
            QVERIFY(cp.RxFreq[c] >= 400000000 && cp.RxFreq[c] <= 480000000);
            QCOMPARE(cp.ChannelType[c], 1); // the other defaults: the channel edit tests
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
        Codeplug cp = NewPlan(400, 480);
        const ExchangeResult result = PlanExchange::Import(PlanExchange::Format(format), bytes, cp,
                                                           0, {false, QLatin1Char('.')});
        QCOMPARE(result.ok, format != int(PlanExchange::Format::Unknown));
    }

    // One row each: what the columns make of channel 1.
    void rowBecomesChannel_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("row");
        QTest::addColumn<Long>("tx");
        QTest::addColumn<QString>("encode");
        QTest::addColumn<QString>("decode");
        const QString h = QString::fromLatin1(kHeader);
        const Long f = 440000000;
        // clang-format off
        const std::tuple<const char*, QString, QString, Long, const char*, const char*> rows[] = {
            {"simplex", h, "0,A,446.00625,,0.000000,,88.5,88.5,023,NN,Tone->Tone,FM,", 446006250, "None", "None"},
            {"duplex +", h, "1,A,438.5,+,5.0,,,,,,,FM,", 443500000, "None", "None"},
            {"duplex -", h, "1,A,145.6,-,0.6,,,,,,,FM,", 145000000, "None", "None"},
            {"split", h, "1,A,440,split,445.125,,,,,,,FM,", 445125000, "None", "None"},
            {"receive only", h, "1,A,162.55,off,0,,,,,,,FM,", 0, "None", "None"},
            {"Tone", h, "1,A,440,,,Tone,100.0,88.5,023,NN,,FM,", f, "100.0", "None"},
            {"TSQL", h, "1,A,440,,,TSQL,100.0,88.5,023,NN,,FM,", f, "88.5", "88.5"},
            {"DTCS NN", h, "1,A,440,,,DTCS,,,023,NN,,FM,", f, "D023N", "D023N"},
            {"DTCS RN: first letter transmit", h, "1,A,440,,,DTCS,,,754,RN,,FM,", f, "D754I", "D754N"},
            {"DTCS short code", h, "1,A,440,,,DTCS,,,23,NR,,FM,", f, "D023N", "D023I"},
            {"Tone->Tone", h, "1,A,440,,,Cross,100.0,88.5,023,NN,Tone->Tone,FM,", f, "100.0", "88.5"},
            {"Tone->DTCS", h, "1,A,440,,,Cross,100.0,88.5,065,NR,Tone->DTCS,FM,", f, "100.0", "D065I"},
            {"DTCS->Tone", h, "1,A,440,,,Cross,100.0,88.5,065,RN,DTCS->Tone,FM,", f, "D065I", "88.5"},
            {"->Tone", h, "1,A,440,,,Cross,100.0,88.5,065,NN,->Tone,FM,", f, "None", "88.5"},
            {"->DTCS", h, "1,A,440,,,Cross,100.0,88.5,065,NN,->DTCS,FM,", f, "None", "D065N"},
            {"DTCS->", h, "1,A,440,,,Cross,100.0,88.5,065,NN,DTCS->,FM,", f, "D065N", "None"},
            {"DTCS->DTCS without RxDtcsCode", h, "1,A,440,,,Cross,,,065,NR,DTCS->DTCS,FM,", f, "D065N", "D065I"},
            {"DTCS->DTCS with RxDtcsCode", "Location,Frequency,Tone,DtcsCode,RxDtcsCode,DtcsPolarity,CrossMode\n",
             "1,440,Cross,065,754,NN,DTCS->DTCS", f, "D065N", "D754N"},
            {"only the needed columns", "Location,Frequency\n", "7,440", f, "None", "None"}};
        // clang-format on
        for (const auto& [name, header, row, tx, encode, decode] : rows)
            QTest::newRow(name) << header << row << tx << QString(encode) << QString(decode);
    }
    void rowBecomesChannel() {
        QFETCH(QString, header);
        QFETCH(QString, row);
        QFETCH(Long, tx);
        QFETCH(QString, encode);
        QFETCH(QString, decode);
        Codeplug cp = NewPlan();
        const ExchangeResult result = CommonRadioCsv::Import(header + row + "\n", cp);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.channels, QList<int>{0});
        QVERIFY(!ChannelRules::IsEmptyChannel(cp, 0));
        QCOMPARE(cp.ChannelType[0], 1);
        QCOMPARE(cp.TxFreq[0], tx);
        QCOMPARE(Tone(cp, 0, false), encode);
        QCOMPARE(Tone(cp, 0, true), decode);
        QCOMPARE(cp.RxColor[0], ChannelRules::FrequencyColourCode(cp.RxFreq[0]));
        QVERIFY2(!AnyWarningHas(result, "row "), qPrintable(result.warnings.join('\n')));
    }

    void modeGivesSpacingOrSkipsTheRow_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<Long>("spacing"); // 0: the row is skipped
        for (auto [mode, spacing] :
             {std::pair{"FM", 25000}, {"NFM", 12500}, {"", 25000}, {"AM", 0}})
            QTest::newRow(*mode ? mode : "no mode") << QString(mode) << Long(spacing);
    }
    void modeGivesSpacingOrSkipsTheRow() {
        QFETCH(QString, mode);
        QFETCH(Long, spacing);
        Codeplug cp = NewPlan();
        const ExchangeResult result =
            CommonRadioCsv::Import("Location,Frequency,Mode\n0,440," + mode + "\n1,441,FM\n", cp);
        QVERIFY(result.ok);
        if (spacing == 0) {
            QCOMPARE(cp.RxFreq[0], 441000000); // the next row takes channel 1
            QVERIFY(AnyWarningHas(result, "row 2"));
            QVERIFY(AnyWarningHas(result, mode));
        } else {
            QCOMPARE(cp.ChannelSpace[0], spacing);
            QCOMPARE(cp.RxFreq[1], 441000000);
        }
    }

    void powerWords_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("power");
        QTest::addColumn<Long>("txPower");
        QTest::newRow("no Power column") << "Location,Frequency"
                                         << "" << Long(1);
        for (const char* low : {"Low", "L", "low", "1.0W", "0.5", "1.9 W"})
            QTest::newRow(low) << "Location,Frequency,Power" << low << Long(0);
        for (const char* high : {"High", "5.0W", "2W", "Mid", ""})
            QTest::newRow(high[0] ? high : "empty")
                << "Location,Frequency,Power" << high << Long(1);
    }
    void powerWords() {
        QFETCH(QString, header);
        QFETCH(QString, power);
        QFETCH(Long, txPower);
        Codeplug cp = NewPlan();
        const QString row = header.endsWith("Power") ? "1,440," + power : QStringLiteral("1,440");
        QVERIFY(CommonRadioCsv::Import(header + "\n" + row + "\n", cp).ok);
        QCOMPARE(cp.TxPower[0], txPower);
    }

    // A frequency outside the band would be a different channel if it were clamped.
    void outOfBandRowsAreSkipped() {
        Codeplug cp = NewPlan(400, 480);
        const ExchangeResult result =
            CommonRadioCsv::Import(QString::fromLatin1(kHeader) + "0,A,146.52,,,,,,,,,FM,\n"
                                                                  "1,B,478,+,5,,,,,,,FM,\n"
                                                                  "2,C,470,-,5,,,,,,,FM,\n",
                                   cp);
        QVERIFY(result.ok);
        QCOMPARE(result.channels, QList<int>{0});
        QCOMPARE(cp.RxFreq[0], 470000000);
        QCOMPARE(cp.TxFreq[0], 465000000);
        QVERIFY(AnyWarningHas(result, "row 2: frequency 146.520000 MHz is outside the band"));
        QVERIFY(AnyWarningHas(result, "row 3: transmit frequency 483.000000 MHz"));
        QVERIFY(ChannelRules::IsEmptyChannel(cp, 1));
    }

    void aToneTheRadioLacksIsDropped() {
        Codeplug cp = NewPlan();
        const ExchangeResult result =
            CommonRadioCsv::Import("Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                   "DtcsPolarity,CrossMode\n"
                                   "1,440,TSQL,,69.4,,,\n"
                                   "2,441,DTCS,,,018,NN,\n"
                                   "3,442,Cross,67.0,,099,NN,Tone->DTCS\n"
                                   "4,443,Tone,62.5,,,,\n",
                                   cp);
        QVERIFY(result.ok);
        QCOMPARE(result.channels.size(), 4);
        QCOMPARE(Tone(cp, 0, true), QStringLiteral("None"));
        QCOMPARE(Tone(cp, 0, false), QStringLiteral("None"));
        QCOMPARE(Tone(cp, 2, false), QStringLiteral("67.0")); // the tone it has stays
        QCOMPARE(Tone(cp, 2, true), QStringLiteral("None"));
        QCOMPARE((TonePair{cp.TxCtcss[3], cp.TxDcs[3]}), TonePair{}); // not the invisible 62.5
        QCOMPARE(result.warnings.size(), 4); // TSQL's one tone is said once
        QVERIFY(AnyWarningHas(result, "69.4"));
    }

    // The format has no squelch, time-out, permission, denoise or digital fields: a channel in
    // use keeps its own, a new one takes the defaults.
    void importKeepsWhatTheFormatLacks() {
        Codeplug cp = TwoChannels();
        cp.ChannelTOT[0] = 60;
        const ExchangeResult result =
            CommonRadioCsv::Import("Location,Frequency,Mode\n1,446.5,NFM\n2,446.6,FM\n", cp, 0);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(cp.RxFreq[0], 446500000);
        QCOMPARE(std::tuple(cp.SqlLevel[0], cp.ChannelTOT[0], cp.ChannelSpace[0]),
                 std::tuple(3, 60, 12500));
        QCOMPARE(cp.ChannelRxList[1], 1); // the former digital channel's list, now analog
        Codeplug fresh = NewPlan();
        CommonRadioCsv::Import("Location,Frequency\n1,446.5\n", fresh, 20);
        QCOMPARE(fresh.SqlLevel[20], 5);
    }

    void fortyRowsStopAtChannel32() {
        QString text = QStringLiteral("Location,Frequency\n");
        for (int i = 0; i < 40; ++i)
            text += QStringLiteral("%1,%2\n").arg(i).arg(400 + i);
        Codeplug cp = NewPlan();
        ExchangeResult result = CommonRadioCsv::Import(text, cp);
        QVERIFY(result.ok);
        QCOMPARE(result.channels.size(), 32);
        QCOMPARE(cp.RxFreq[31], 431000000);
        QCOMPARE(result.leftOver.size(), 8);
        QVERIFY(AnyWarningHas(result, "rows 34-41 left over"));
        // --first 30: three rows fit, the rest is left over.
        Codeplug late = NewPlan();
        result = CommonRadioCsv::Import(text, late, 29);
        QCOMPARE(result.channels, (QList<int>{29, 30, 31}));
        QCOMPARE(late.RxFreq[29], 400000000);
        QVERIFY(ChannelRules::IsEmptyChannel(late, 0));
        QVERIFY(AnyWarningHas(result, "rows 5-41 left over"));
    }

    void whatHasNoPlaceIsSaidOnce() {
        Codeplug cp = NewPlan();
        const ExchangeResult result = CommonRadioCsv::Import(
            "Location,Name,Frequency,TStep,Comment\n1,Base,440,5.00,x\n2,Car,441,5.00,y\n", cp);
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY(result.warnings.first().contains("not kept"));
    }

    void nothingUsableLeavesThePlanAlone() {
        Codeplug cp = NewPlan();
        cp.RxFreq[0] = 435000000;
        const Codeplug before = cp;
        const ExchangeResult result =
            CommonRadioCsv::Import("Location,Frequency,Mode\n1,440,AM\n", cp);
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(cp.RxFreq[0], before.RxFreq[0]);
        QVERIFY(!CommonRadioCsv::Import("Channel,RxMHz\n1,440\n", cp).ok);
    }

    // Every analog channel comes back as it was; digital channels stay out with a warning.
    void exportThenImportGivesTheSameChannels() {
        Codeplug cp = NewPlan();
        // Every duplex and every tone pairing the format has a way to write.
        const ExchangeResult plan =
            ChannelCsv::Import("Channel,RxMHz,TxMHz,Decode,Encode,Bandwidth,Power,Type\n"
                               "1,446.00625,,None,None,12.5K(Narrow),Low,\n"
                               "2,438.5,443.5,None,100.0,,,\n"
                               "3,145.6,145,88.5,88.5,,,\n"
                               "4,440,445.125,D023N,D023N,12.5K(Narrow),,\n"
                               "5,441,,D754N,D754I,,,\n"
                               "6,442,,D065I,100.0,,,\n"
                               "7,443,,88.5,D065N,,Low,\n"
                               "8,444,,88.5,None,,,\n"
                               "9,445,,D131N,None,,,\n"
                               "10,446,,None,D131I,,,\n"
                               "11,447,,D025N,D411N,,,\n"
                               "12,448,,67.0,254.1,,,\n"
                               "13,162.55,-,,,,,\n"
                               "14,136,480,,,,,\n"
                               "21,450,,,,,,Digital CH\n",
                               cp);
        QVERIFY2(plan.ok, qPrintable(plan.error));
        const int n = 14;
        ExchangeResult report;
        const QByteArray text = CommonRadioCsv::Export(cp, &report);
        QCOMPARE(report.channels.size(), n);
        QCOMPARE(report.warnings.size(), 1);
        QVERIFY(report.warnings.first().contains("21"));
        QVERIFY(text.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq"));

        Codeplug back = NewPlan();
        const ExchangeResult result = CommonRadioCsv::Import(QString::fromUtf8(text), back);
        QVERIFY2(result.ok, qPrintable(result.error));
        // The channel csv says what the grid and the dialog show of each channel.
        cp.ResetChannel(20);
        back.TxColor[12] = cp.TxColor[12]; // no transmit side: its colour code means nothing
        QCOMPARE(QString::fromUtf8(ChannelCsv::Export(back)),
                 QString::fromUtf8(ChannelCsv::Export(cp)));
    }
};

QTEST_APPLESS_MAIN(TestExchange)
#include "test_exchange.moc"
