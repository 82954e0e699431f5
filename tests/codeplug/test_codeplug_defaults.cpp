#include "codeplug/codeplug.h"

#include <QtTest>

using namespace zr40;

class TestCodeplugDefaults : public QObject {
    Q_OBJECT

private slots:
    // Start-up fills channels 1-16 and tune points 1-10 only; New fills all of them and keeps
    // what is not radio data (band, model image, password block, file name, language).
    void startupVersusNew() {
        Codeplug cp;
        cp.TuneFreq[10] = 77;
        cp.ApplyStartupDefaults();
        QCOMPARE(cp.ChannelType[15], 1);
        QCOMPARE(cp.ChannelType[16], 0);
        QCOMPARE(cp.RxCtcss[16], 0);
        QCOMPARE(cp.TuneFreq[10], 77);
        cp.BandLower = 400;
        cp.RadioImage[441] = '3';
        cp.PasswordBlock[0] = '1';
        cp.FileName = QStringLiteral("x.rdat");
        cp.IsEnglish = true;
        cp.ApplyNewDefaults();
        QCOMPARE(cp.TuneFreq[10], 0);
        for (int c = 0; c < Codeplug::kChannels; ++c)
            QVERIFY(cp.ChannelType[c] == 1 && cp.RxCtcss[c] == -1 && cp.TxPower[c] == 1);
        QCOMPARE(cp.BandLower, 400);
        QCOMPARE(cp.RadioImage[441], '3');
        QCOMPARE(cp.PasswordBlock[0], '1');
        QCOMPARE(cp.FileName, QStringLiteral("x.rdat"));
        QVERIFY(cp.IsEnglish);
    }

    void passwordBlockRoundTrip() {
        Codeplug cp;
        cp.ProgramPassword = QStringLiteral("1234");
        cp.PasswordBlockFlag = true;
        cp.SecondPassword = QStringLiteral("1234567");
        cp.SaveSoftwareData();
        QCOMPARE(cp.PasswordBlock[0], '1');
        QCOMPARE(cp.PasswordBlock[4], 0xFF);
        QCOMPARE(cp.PasswordBlock[12], 'U');
        Codeplug back;
        back.PasswordBlock = cp.PasswordBlock;
        back.AnalyseSoftwareData();
        QCOMPARE(back.ProgramPassword, QStringLiteral("1234"));
        QCOMPARE(back.SecondPassword, QStringLiteral("123456"));
        QVERIFY(back.PasswordBlockFlag);
    }
};

QTEST_GUILESS_MAIN(TestCodeplugDefaults)
#include "test_codeplug_defaults.moc"
