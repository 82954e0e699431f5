#include "codeplug/radio_data_file.h"
#include "codeplug_fill_support.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <unistd.h>

using namespace zr40;

namespace {

Long At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

Codeplug Distinct() {
    Codeplug cp;
    test::FillDistinct(cp);
    return cp;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestRadioDataFile : public QObject {
    Q_OBJECT

private slots:
    void sizeAndHeader() {
        const QByteArray bytes = RadioDataFile::Serialize(Distinct());
        QCOMPARE(bytes.size(), 5124);
        QCOMPARE(bytes.left(16), QByteArray("ZR40 Ver1.0.1   "));
    }

    void headerAndScalarOffsets() {
        const Codeplug cp = Distinct();
        const QByteArray b = RadioDataFile::Serialize(cp);
        QCOMPARE(At(b, 16), cp.DataVersion);
        QCOMPARE(At(b, 20), cp.HeaderCount1);
        QCOMPARE(At(b, 24), cp.HeaderCount3); // before TunePointCount in the file
        QCOMPARE(At(b, 28), cp.TunePointCount);
        QCOMPARE(At(b, 32), cp.ChannelCount);
        QCOMPARE(At(b, 36), cp.RxListCount);
        QCOMPARE(At(b, 40), cp.HeaderCount6);
        const Long tune[] = {cp.TuneHeader0, cp.CtcssDev, cp.CdcssDev, cp.MicAmp,
                             cp.SpeakAmp,    cp.NoiseThW, cp.NoiseThN};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(At(b, 44 + 4 * i), tune[i]);
        QCOMPARE(At(b, 392), cp.LocalID);
        QCOMPARE(At(b, 396), cp.VoicePrompt);
        QCOMPARE(At(b, 400), cp.OptionReserved1);
        QCOMPARE(At(b, 420), cp.VoxLevel);
        QCOMPARE(At(b, 424), cp.KeyMethod);
        const Long options[] = {cp.OptionTOT,       cp.OptionReserved2, cp.OptionReserved3,
                                cp.OptionReserved4, cp.OptionReserved5, cp.OptionReserved6,
                                cp.OptionReserved7, cp.OptionReserved8, cp.OptionReserved9};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(At(b, 492 + 4 * i), options[i]);
        QCOMPARE(At(b, 640), cp.VoxDelay);
    }

    void tableOffsets() {
        const Codeplug cp = Distinct();
        const QByteArray b = RadioDataFile::Serialize(cp);
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(At(b, 72 + 20 * i), cp.TuneFreq[i]);
            QCOMPARE(At(b, 76 + 20 * i), cp.TuneBias[i]);
            QCOMPARE(At(b, 80 + 20 * i), cp.TuneOsc[i]);
            QCOMPARE(At(b, 84 + 20 * i), cp.TuneDigitalDev[i]);
            QCOMPARE(At(b, 88 + 20 * i), cp.TuneSq[i]);
            QCOMPARE(At(b, 428 + 4 * i), cp.KeyDefine[i]);
        }
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(At(b, 404 + 4 * i), cp.IdleTime[i]);
            QCOMPARE(At(b, 528 + 4 * i), cp.SleepPoint[i]);
        }
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(At(b, 544 + 12 * i), cp.VoltageWarningInterval[i]);
            QCOMPARE(At(b, 548 + 12 * i), cp.VoltageLower[i]);
            QCOMPARE(At(b, 552 + 12 * i), cp.VoltageUpper[i]);
        }
        for (int i = 0; i < 32; ++i)
            QCOMPARE(At(b, 644 + 4 * i), cp.ReservedList[i]);
        for (int i = 0; i < 64; ++i)
            QCOMPARE(At(b, 4868 + 4 * i), cp.RxListEntry[i]);
    }

    void channelRecordOffsets() {
        const Codeplug cp = Distinct();
        const QByteArray b = RadioDataFile::Serialize(cp);
        for (int c = 0; c < 32; ++c) {
            const int r = 772 + 128 * c;
            QCOMPARE(At(b, r + 0), cp.ChannelType[c]);
            QCOMPARE(At(b, r + 4), cp.RxFreq[c]);
            QCOMPARE(At(b, r + 8), cp.RxCtcss[c]);
            QCOMPARE(At(b, r + 12), cp.RxDcs[c]);
            QCOMPARE(At(b, r + 16), cp.TxFreq[c]);
            QCOMPARE(At(b, r + 20), cp.TxCtcss[c]);
            QCOMPARE(At(b, r + 24), cp.TxDcs[c]);
            QCOMPARE(At(b, r + 28), cp.TxPower[c]);
            QCOMPARE(At(b, r + 32), cp.TxAuthority[c]);
            QCOMPARE(At(b, r + 36), cp.ChannelTOT[c]);
            QCOMPARE(At(b, r + 40), cp.SqlLevel[c]);
            QCOMPARE(At(b, r + 44), cp.ChannelSpace[c]);
            QCOMPARE(At(b, r + 48), cp.RxKeyEnable[c]);
            QCOMPARE(At(b, r + 52), cp.RxKeyLength[c]);
            for (int k = 0; k < 4; ++k) {
                QCOMPARE(At(b, r + 56 + 4 * k), cp.RxKey[c * 4 + k]);
                QCOMPARE(At(b, r + 80 + 4 * k), cp.TxKey[c * 4 + k]);
            }
            QCOMPARE(At(b, r + 72), cp.TxKeyEnable[c]);
            QCOMPARE(At(b, r + 76), cp.TxKeyLength[c]);
            QCOMPARE(At(b, r + 96), cp.DenoiseLevel[c]);
            QCOMPARE(At(b, r + 100), cp.QuiteLevel[c]);
            QCOMPARE(At(b, r + 104), cp.RxColor[c]);
            QCOMPARE(At(b, r + 108), cp.TxColor[c]);
            QCOMPARE(At(b, r + 112), cp.ChannelRxList[c]);
            QCOMPARE(At(b, r + 116), cp.CallTypeTxID[c]);
            QCOMPARE(At(b, r + 120), cp.Compand[c]);
            QCOMPARE(At(b, r + 124), cp.ScrambleType[c]);
        }
    }

    void parseGivesBackEveryValue() {
        Codeplug source = Distinct();
        for (int c = 0; c < 32; ++c)
            source.DeriveKeyLengths(c);
        Codeplug loaded;
        QVERIFY(RadioDataFile::Parse(RadioDataFile::Serialize(source), loaded).ok());
        QVERIFY(loaded.SameRadioData(source));
        QCOMPARE(loaded.TunePointCount, source.TunePointCount);
        QCOMPARE(loaded.HeaderCount3, source.HeaderCount3);
    }

    void parseLeavesNonFileStateAlone() {
        Codeplug cp;
        cp.BandLower = 400;
        cp.RadioImage[441] = '3';
        cp.PasswordBlock[0] = '7';
        cp.FileName = QStringLiteral("keep.rdat");
        QVERIFY(RadioDataFile::Parse(RadioDataFile::Serialize(Distinct()), cp).ok());
        QCOMPARE(cp.BandLower, 400);
        QCOMPARE(cp.RadioImage[441], '3');
        QCOMPARE(cp.PasswordBlock[0], '7');
        QCOMPARE(cp.FileName, QStringLiteral("keep.rdat"));
    }

    void keyLengthsRecomputed_data() {
        QTest::addColumn<quint32>("w0");
        QTest::addColumn<quint32>("w1");
        QTest::addColumn<quint32>("w2");
        QTest::addColumn<quint32>("w3");
        QTest::addColumn<int>("length");
        QTest::newRow("first two digits") << 0x12000000u << 0u << 0u << 0u << 2;
        QTest::newRow("all zero") << 0u << 0u << 0u << 0u << 0;
        QTest::newRow("last digit") << 0u << 0u << 0u << 1u << 32;
        QTest::newRow("digits 17-20") << 0u << 0u << 0x12340000u << 0u << 20;
        QTest::newRow("top bit") << 0x80000000u << 0u << 0u << 0u << 1;
        QTest::newRow("last word top") << 0u << 0u << 0u << 0xF0000000u << 25;
    }

    void keyLengthsRecomputed() {
        QFETCH(quint32, w0);
        QFETCH(quint32, w1);
        QFETCH(quint32, w2);
        QFETCH(quint32, w3);
        QFETCH(int, length);
        Codeplug source;
        source.ApplyNewDefaults();
        source.SetRxKeyWords(5, {Long(w0), Long(w1), Long(w2), Long(w3)});
        source.SetTxKeyWords(6, {Long(w0), Long(w1), Long(w2), Long(w3)});
        source.RxKeyLength[5] = 17; // whatever the file holds is replaced
        source.TxKeyLength[6] = 31;
        Codeplug loaded;
        QVERIFY(RadioDataFile::Parse(RadioDataFile::Serialize(source), loaded).ok());
        QCOMPARE(loaded.RxKeyLength[5], length);
        QCOMPARE(loaded.TxKeyLength[6], length);
    }

    void onlyFirstEightHeaderBytesChecked() {
        QByteArray bytes = RadioDataFile::Serialize(Distinct());
        bytes.replace(8, 8, "xxxxxxxx");
        Codeplug cp;
        QVERIFY(RadioDataFile::Parse(bytes, cp).ok());
    }

    void badHeaderRefused_data() {
        QTest::addColumn<int>("position");
        for (int i = 0; i < 8; ++i)
            QTest::addRow("byte %d", i) << i;
    }

    void badHeaderRefused() {
        QFETCH(int, position);
        QByteArray bytes = RadioDataFile::Serialize(Distinct());
        bytes[position] = static_cast<char>(bytes[position] ^ 0x20);
        Codeplug cp;
        cp.ApplyStartupDefaults();
        const Codeplug before = cp;
        const FileResult result = RadioDataFile::Parse(bytes, cp);
        QCOMPARE(result.error, FileResult::FileError::BadHeader);
        QVERIFY(cp.SameRadioData(before));
        QVERIFY(result.Message(true).contains(QStringLiteral("ZR40 Ver")));
        QVERIFY(!result.Message(false).isEmpty());
    }

    void shortFileRefused_data() {
        QTest::addColumn<int>("size");
        for (int size : {0, 7, 8, 16, 17, 772, 5120, 5123})
            QTest::addRow("%d bytes", size) << size;
    }

    void shortFileRefused() {
        QFETCH(int, size);
        const QByteArray bytes = RadioDataFile::Serialize(Distinct()).left(size);
        Codeplug cp;
        cp.ApplyStartupDefaults();
        const Codeplug before = cp;
        QVERIFY(!RadioDataFile::Parse(bytes, cp).ok());
        QVERIFY(cp.SameRadioData(before));
    }

    void longerFileAccepted() {
        Codeplug source = Distinct();
        for (int c = 0; c < 32; ++c)
            source.DeriveKeyLengths(c);
        Codeplug cp;
        QVERIFY(RadioDataFile::Parse(RadioDataFile::Serialize(source) + "tail", cp).ok());
        QVERIFY(cp.SameRadioData(source));
    }

    void writeReadWriteByteIdentical() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Codeplug source = Distinct();
        for (int c = 0; c < 32; ++c)
            source.DeriveKeyLengths(c);
        const QString first = dir.filePath(QStringLiteral("a.rdat"));
        const QString second = dir.filePath(QStringLiteral("b.rdat"));
        QVERIFY(RadioDataFile::WriteToFile(first, source).ok());
        Codeplug loaded;
        QVERIFY(RadioDataFile::ReadFromFile(first, loaded).ok());
        QVERIFY(RadioDataFile::WriteToFile(second, loaded).ok());
        QCOMPARE(ReadAll(first).size(), 5124);
        QCOMPARE(ReadAll(first), ReadAll(second));
    }

    void overwritesLongerFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.rdat"));
        QVERIFY(WriteAll(path, QByteArray(9000, 'x')));
        QVERIFY(RadioDataFile::WriteToFile(path, Distinct()).ok());
        QCOMPARE(ReadAll(path).size(), 5124);
    }

    void emptyPathDoesNothing() {
        Codeplug cp;
        QCOMPARE(RadioDataFile::ReadFromFile(QString(), cp).error,
                 FileResult::FileError::EmptyPath);
        QCOMPARE(RadioDataFile::WriteToFile(QString(), cp).error, FileResult::FileError::EmptyPath);
    }

    void missingFileReported() {
        QTemporaryDir dir;
        Codeplug cp;
        const FileResult result =
            RadioDataFile::ReadFromFile(dir.filePath(QStringLiteral("none.rdat")), cp);
        QCOMPARE(result.error, FileResult::FileError::CannotOpen);
        QVERIFY(!result.detail.isEmpty());
    }

    void saveOntoDirectoryFails() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkdir(path));
        const FileResult result = RadioDataFile::WriteToFile(path, Distinct());
        QCOMPARE(result.error, FileResult::FileError::CannotWrite);
        QVERIFY(QFileInfo(path).isDir());
    }

    void saveIntoMissingFolderFails() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no/such/folder/a.rdat"));
        QCOMPARE(RadioDataFile::WriteToFile(path, Distinct()).error,
                 FileResult::FileError::CannotWrite);
        QVERIFY(!QFile::exists(path));
    }

    void saveIntoReadOnlyFolderKeepsOldFile() {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.rdat"));
        const QByteArray old(5124, 'o');
        QVERIFY(WriteAll(path, old));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const FileResult result = RadioDataFile::WriteToFile(path, Distinct());
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QCOMPARE(result.error, FileResult::FileError::CannotWrite);
        QCOMPARE(ReadAll(path), old);
    }

    // Thousands of damaged files: each must either load whole or leave the codeplug untouched,
    // and nothing may crash.
    void mutatedFilesNeverCrash() {
        Codeplug source = Distinct();
        const QByteArray good = RadioDataFile::Serialize(source);
        QRandomGenerator random(4711);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = good;
            const int flips = random.bounded(1, 20);
            for (int f = 0; f < flips; ++f)
                bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
            if (round % 3 == 0)
                bytes.truncate(random.bounded(bytes.size() + 1));
            Codeplug cp;
            cp.ApplyStartupDefaults();
            const Codeplug before = cp;
            const FileResult result = RadioDataFile::Parse(bytes, cp);
            if (!result.ok())
                QVERIFY(cp.SameRadioData(before));
            else
                QCOMPARE(bytes.size(), 5124);
            for (int c = 0; c < 32; ++c) {
                QVERIFY(cp.RxKeyLength[c] >= 0 && cp.RxKeyLength[c] <= 32);
                QVERIFY(cp.TxKeyLength[c] >= 0 && cp.TxKeyLength[c] <= 32);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRadioDataFile)
#include "test_radio_data_file.moc"
