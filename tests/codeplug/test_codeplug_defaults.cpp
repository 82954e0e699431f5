#include "codeplug/codeplug.h"

#include <QtTest>

using namespace zr40;

class TestCodeplugDefaults : public QObject {
    Q_OBJECT

private slots:
    void startupLeavesUpperChannelsZero() {
        Codeplug cp;
        cp.ApplyStartupDefaults();
        QCOMPARE(cp.ChannelType[16], 0);
        QCOMPARE(cp.RxCtcss[16], 0);
        QCOMPARE(cp.TxPower[16], 0);
        QCOMPARE(cp.ChannelType[15], 1);
        QCOMPARE(cp.RxCtcss[15], -1);
        QCOMPARE(cp.BandLower, 100);
        QCOMPARE(cp.BandUpper, 550);
        QCOMPARE(cp.BandUpperTx, 550);
    }

    void newFillsEveryChannel() {
        Codeplug cp;
        cp.ApplyStartupDefaults();
        cp.ApplyNewDefaults();
        for (int c = 0; c < Codeplug::kChannels; ++c) {
            QCOMPARE(cp.ChannelType[c], 1);
            QCOMPARE(cp.RxCtcss[c], -1);
            QCOMPARE(cp.TxPower[c], 1);
            QCOMPARE(cp.ChannelSpace[c], 25000);
            QCOMPARE(cp.SqlLevel[c], 5);
            QCOMPARE(cp.TxAuthority[c], 2);
        }
    }

    void startupTunePointsAndCount() {
        Codeplug cp;
        cp.TuneFreq[10] = 77;
        cp.ApplyStartupDefaults();
        QCOMPARE(cp.TuneFreq[10], 77); // point 11 is not touched at start-up
        QCOMPARE(cp.TunePointCount, 10);
        cp.ApplyNewDefaults();
        QCOMPARE(cp.TuneFreq[10], 0);
    }

    void newLeavesBandImageAndFlags() {
        Codeplug cp;
        cp.BandLower = 400;
        cp.BandUpper = 480;
        cp.RadioImage[441] = '3';
        cp.PasswordBlock[0] = '1';
        cp.FileName = QStringLiteral("x.rdat");
        cp.IsEnglish = true;
        cp.ApplyNewDefaults();
        QCOMPARE(cp.BandLower, 400);
        QCOMPARE(cp.BandUpper, 480);
        QCOMPARE(cp.RadioImage[441], '3');
        QCOMPARE(cp.PasswordBlock[0], '1');
        QCOMPARE(cp.FileName, QStringLiteral("x.rdat"));
        QVERIFY(cp.IsEnglish);
    }

    void headerCount3SurvivesResetHeader() {
        Codeplug cp;
        cp.HeaderCount3 = 5;
        cp.ResetHeader();
        QCOMPARE(cp.HeaderCount3, 5);
        QCOMPARE(cp.DataVersion, 1);
        QCOMPARE(cp.HeaderCount6, 8);
    }

    void keyDefineAfterNew() {
        Codeplug cp;
        cp.ApplyNewDefaults();
        QCOMPARE(cp.KeyDefine[0], 1);
        QCOMPARE(cp.KeyDefine[3], 4);
        for (int i = 4; i < 17; ++i)
            QCOMPARE(cp.KeyDefine[i], -1);
        QCOMPARE(cp.SleepPoint[0], 1000);
        QCOMPARE(cp.SleepPoint[1], -1);
        QCOMPARE(cp.OptionReserved9, 0x7FFFFFFF);
    }

    void packKey_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<quint32>("w0");
        QTest::addColumn<quint32>("w1");
        QTest::addColumn<quint32>("w2");
        QTest::addColumn<quint32>("w3");
        QTest::addColumn<int>("length");
        QTest::newRow("four") << "1234" << 0x12340000u << 0u << 0u << 0u << 4;
        QTest::newRow("two") << "12" << 0x12000000u << 0u << 0u << 0u << 2;
        QTest::newRow("empty") << "" << 0u << 0u << 0u << 0u << 0;
        QTest::newRow("32") << "12345678901234567890123456789012" << 0x12345678u << 0x90123456u
                            << 0x78901234u << 0x56789012u << 32;
        QTest::newRow("digits17to20")
            << "00000000000000001234" << 0u << 0u << 0x12340000u << 0u << 20;
        QTest::newRow("trailing zeros shorten") << "1200" << 0x12000000u << 0u << 0u << 0u << 2;
        QTest::newRow("last digit")
            << "00000000000000000000000000000001" << 0u << 0u << 0u << 1u << 32;
    }

    void packKey() {
        QFETCH(QString, digits);
        QFETCH(quint32, w0);
        QFETCH(quint32, w1);
        QFETCH(quint32, w2);
        QFETCH(quint32, w3);
        QFETCH(int, length);
        const auto words = Codeplug::PackKey(digits);
        QCOMPARE(static_cast<quint32>(words[0]), w0);
        QCOMPARE(static_cast<quint32>(words[1]), w1);
        QCOMPARE(static_cast<quint32>(words[2]), w2);
        QCOMPARE(static_cast<quint32>(words[3]), w3);
        QCOMPARE(Codeplug::KeyLengthOf(words), length);
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
