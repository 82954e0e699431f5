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
    }
    void packKey() {
        QFETCH(QString, digits);
        QFETCH(QList<quint32>, words);
        QFETCH(int, length);
        const auto packed = Codeplug::PackKey(digits);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(static_cast<quint32>(packed[i]), words[i]);
        QCOMPARE(Codeplug::KeyLengthOf(packed), length);
        Codeplug cp;
        cp.SetRxKeyWords(31, packed);
        cp.DeriveKeyLengths(31);
        QCOMPARE(cp.RxKeyLength[31], length);
        QCOMPARE(Codeplug::KeyText(cp.RxKeyWords(31), length), digits.left(length));
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
