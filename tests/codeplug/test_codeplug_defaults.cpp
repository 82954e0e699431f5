#include "codeplug/codeplug.h"

#include <QtTest>

using namespace zr40;

class TestCodeplugDefaults : public QObject {
    Q_OBJECT

private slots:
    // Start-up fills channels 1-16 only and leaves tune point 11; New fills all of them.
    void startupVersusNew() {
        Codeplug cp;
        cp.TuneFreq[10] = 77;
        cp.ApplyStartupDefaults();
        QCOMPARE(cp.ChannelType[16], 0);
        QCOMPARE(cp.RxCtcss[16], 0);
        QCOMPARE(cp.TxPower[16], 0);
        QCOMPARE(cp.ChannelType[15], 1);
        QCOMPARE(cp.RxCtcss[15], -1);
        QCOMPARE(cp.BandLower, 100);
        QCOMPARE(cp.BandUpper, 550);
        QCOMPARE(cp.BandUpperTx, 550);
        QCOMPARE(cp.TuneFreq[10], 77);
        QCOMPARE(cp.TunePointCount, 10);
        cp.ApplyNewDefaults();
        QCOMPARE(cp.TuneFreq[10], 0);
        for (int c = 0; c < Codeplug::kChannels; ++c) {
            QCOMPARE(cp.ChannelType[c], 1);
            QCOMPARE(cp.RxCtcss[c], -1);
            QCOMPARE(cp.TxPower[c], 1);
            QCOMPARE(cp.ChannelSpace[c], 25000);
            QCOMPARE(cp.SqlLevel[c], 5);
            QCOMPARE(cp.TxAuthority[c], 2);
        }
        QCOMPARE(cp.KeyDefine[0], 1);
        QCOMPARE(cp.KeyDefine[3], 4);
        for (int i = 4; i < 17; ++i)
            QCOMPARE(cp.KeyDefine[i], -1);
        QCOMPARE(cp.SleepPoint[0], 1000);
        QCOMPARE(cp.SleepPoint[1], -1);
        QCOMPARE(cp.OptionReserved9, 0x7FFFFFFF);
    }

    void newAndResetHeaderKeepOtherState() {
        Codeplug cp;
        cp.BandLower = 400;
        cp.BandUpper = 480;
        cp.RadioImage[441] = '3';
        cp.PasswordBlock[0] = '1';
        cp.FileName = QStringLiteral("x.rdat");
        cp.IsEnglish = true;
        cp.ApplyNewDefaults();
        cp.HeaderCount3 = 5;
        cp.ResetHeader();
        QCOMPARE(cp.BandLower, 400);
        QCOMPARE(cp.BandUpper, 480);
        QCOMPARE(cp.RadioImage[441], '3');
        QCOMPARE(cp.PasswordBlock[0], '1');
        QCOMPARE(cp.FileName, QStringLiteral("x.rdat"));
        QVERIFY(cp.IsEnglish);
        QCOMPARE(cp.HeaderCount3, 5);
        QCOMPARE(cp.DataVersion, 1);
        QCOMPARE(cp.HeaderCount6, 8);
    }

    void packKey_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QList<quint32>>("words");
        QTest::addColumn<int>("length");
        QTest::newRow("four") << "1234" << QList<quint32>{0x12340000u, 0, 0, 0} << 4;
        QTest::newRow("empty") << "" << QList<quint32>{0, 0, 0, 0} << 0;
        QTest::newRow("32") << "12345678901234567890123456789012"
                            << QList<quint32>{0x12345678u, 0x90123456u, 0x78901234u, 0x56789012u}
                            << 32;
        QTest::newRow("digits17to20")
            << "00000000000000001234" << QList<quint32>{0, 0, 0x12340000u, 0} << 20;
        QTest::newRow("trailing zeros shorten")
            << "1200" << QList<quint32>{0x12000000u, 0, 0, 0} << 2;
        QTest::newRow("last digit")
            << "00000000000000000000000000000001" << QList<quint32>{0, 0, 0, 1u} << 32;
    }

    void packKey() {
        QFETCH(QString, digits);
        QFETCH(QList<quint32>, words);
        QFETCH(int, length);
        const auto packed = Codeplug::PackKey(digits);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(static_cast<quint32>(packed[i]), words[i]);
        QCOMPARE(Codeplug::KeyLengthOf(packed), length);
    }

    void keyWordsPerChannel() {
        Codeplug cp;
        cp.SetRxKeyWords(31, Codeplug::PackKey(QStringLiteral("ABCD")));
        QCOMPARE(static_cast<quint32>(cp.RxKey[124]), 0xABCD0000u);
        cp.DeriveKeyLengths(31);
        QCOMPARE(cp.RxKeyLength[31], 4);
        QCOMPARE(cp.TxKeyLength[31], 0);
        QCOMPARE(Codeplug::KeyText(cp.RxKeyWords(31), 4), QStringLiteral("ABCD"));
    }

    void passwordBlockFromFourCharacters() {
        Codeplug cp;
        cp.ProgramPassword = QStringLiteral("1234");
        cp.SaveSoftwareData();
        QCOMPARE(cp.PasswordBlock[0], '1');
        QCOMPARE(cp.PasswordBlock[3], '4');
        for (int i = 4; i < 17; ++i)
            QCOMPARE(cp.PasswordBlock[i], 0xFF);
        cp.PasswordBlockFlag = true;
        cp.SecondPassword = QStringLiteral("1234567");
        cp.SaveSoftwareData();
        QCOMPARE(cp.PasswordBlock[11], '6');
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
