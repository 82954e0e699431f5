#include "channels/channel_rules.h"
#include "channels/tone_rules.h"
#include "exchange/channel_csv.h"
#include "exchange/common_radio_csv.h"

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

} // namespace

class TestCommonRadioCsv : public QObject {
    Q_OBJECT

private slots:
    // One row each: what the columns make of channel 1.
    void rowBecomesChannel_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("row");
        QTest::addColumn<Long>("tx");
        QTest::addColumn<QString>("encode");
        QTest::addColumn<QString>("decode");
        const QString h = QString::fromLatin1(kHeader);
        QTest::newRow("simplex") << h << "0,A,446.00625,,0.000000,,88.5,88.5,023,NN,Tone->Tone,FM,"
                                 << Long(446006250) << "None"
                                 << "None";
        QTest::newRow("duplex +") << h << "1,A,438.5,+,5.0,,,,,,,FM," << Long(443500000) << "None"
                                  << "None";
        QTest::newRow("duplex -") << h << "1,A,145.6,-,0.6,,,,,,,FM," << Long(145000000) << "None"
                                  << "None";
        QTest::newRow("split") << h << "1,A,440,split,445.125,,,,,,,FM," << Long(445125000)
                               << "None"
                               << "None";
        QTest::newRow("receive only") << h << "1,A,162.55,off,0,,,,,,,FM," << Long(0) << "None"
                                      << "None";
        QTest::newRow("Tone") << h << "1,A,440,,,Tone,100.0,88.5,023,NN,,FM," << Long(440000000)
                              << "100.0"
                              << "None";
        QTest::newRow("TSQL") << h << "1,A,440,,,TSQL,100.0,88.5,023,NN,,FM," << Long(440000000)
                              << "88.5"
                              << "88.5";
        QTest::newRow("DTCS NN") << h << "1,A,440,,,DTCS,,,023,NN,,FM," << Long(440000000)
                                 << "D023N"
                                 << "D023N";
        QTest::newRow("DTCS RN: first letter transmit")
            << h << "1,A,440,,,DTCS,,,754,RN,,FM," << Long(440000000) << "D754I"
            << "D754N";
        QTest::newRow("DTCS short code")
            << h << "1,A,440,,,DTCS,,,23,NR,,FM," << Long(440000000) << "D023N"
            << "D023I";
        QTest::newRow("Tone->Tone")
            << h << "1,A,440,,,Cross,100.0,88.5,023,NN,Tone->Tone,FM," << Long(440000000) << "100.0"
            << "88.5";
        QTest::newRow("Tone->DTCS")
            << h << "1,A,440,,,Cross,100.0,88.5,065,NR,Tone->DTCS,FM," << Long(440000000) << "100.0"
            << "D065I";
        QTest::newRow("DTCS->Tone")
            << h << "1,A,440,,,Cross,100.0,88.5,065,RN,DTCS->Tone,FM," << Long(440000000) << "D065I"
            << "88.5";
        QTest::newRow("->Tone") << h << "1,A,440,,,Cross,100.0,88.5,065,NN,->Tone,FM,"
                                << Long(440000000) << "None"
                                << "88.5";
        QTest::newRow("->DTCS") << h << "1,A,440,,,Cross,100.0,88.5,065,NN,->DTCS,FM,"
                                << Long(440000000) << "None"
                                << "D065N";
        QTest::newRow("DTCS->") << h << "1,A,440,,,Cross,100.0,88.5,065,NN,DTCS->,FM,"
                                << Long(440000000) << "D065N"
                                << "None";
        QTest::newRow("DTCS->DTCS without RxDtcsCode")
            << h << "1,A,440,,,Cross,,,065,NR,DTCS->DTCS,FM," << Long(440000000) << "D065N"
            << "D065I";
        QTest::newRow("DTCS->DTCS with RxDtcsCode")
            << "Location,Frequency,Tone,DtcsCode,RxDtcsCode,DtcsPolarity,CrossMode\n"
            << "1,440,Cross,065,754,NN,DTCS->DTCS" << Long(440000000) << "D065N"
            << "D754N";
        QTest::newRow("only the needed columns") << "Location,Frequency\n"
                                                 << "7,440" << Long(440000000) << "None"
                                                 << "None";
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
        QTest::newRow("FM") << "FM" << Long(25000);
        QTest::newRow("NFM") << "NFM" << Long(12500);
        QTest::newRow("no mode") << "" << Long(25000);
        QTest::newRow("AM") << "AM" << Long(0);
        QTest::newRow("DV") << "DV" << Long(0);
        QTest::newRow("USB") << "USB" << Long(0);
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
                                   "3,442,Cross,67.0,,099,NN,Tone->DTCS\n",
                                   cp);
        QVERIFY(result.ok);
        QCOMPARE(result.channels.size(), 3);
        QCOMPARE(Tone(cp, 0, true), QStringLiteral("None"));
        QCOMPARE(Tone(cp, 0, false), QStringLiteral("None"));
        QCOMPARE(Tone(cp, 2, false), QStringLiteral("67.0")); // the tone it has stays
        QCOMPARE(Tone(cp, 2, true), QStringLiteral("None"));
        QCOMPARE(result.warnings.size(), 3); // TSQL's one tone is said once
        QVERIFY(AnyWarningHas(result, "69.4"));
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

QTEST_APPLESS_MAIN(TestCommonRadioCsv)
#include "test_common_radio_csv.moc"
