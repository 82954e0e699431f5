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

// Every value different, key lengths as a load recomputes them.
Codeplug Distinct() {
    Codeplug cp;
    test::FillDistinct(cp);
    for (int c = 0; c < Codeplug::kChannels; ++c)
        cp.DeriveKeyLengths(c);
    return cp;
}

Codeplug Startup() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
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
    void layoutOffsetByOffset() {
        const Codeplug cp = Distinct();
        const QByteArray b = RadioDataFile::Serialize(cp);
        QCOMPARE(b.size(), 5124);
        QCOMPARE(b.left(16), QByteArray("ZR40 Ver1.0.1   "));
        int checked = 0;
        // Fields stored one after the other from `offset`, each `count` times `stride` apart.
        auto expect = [&](int offset, int stride, int count, std::vector<const Long*> fields,
                          int step = 1) {
            for (const Long* field : fields) {
                for (int n = 0; n < count; ++n, ++checked)
                    QVERIFY2(At(b, offset + n * stride) == field[n * step],
                             qPrintable(QString::number(offset + n * stride)));
                offset += 4;
            }
        };
        // clang-format off
        expect(16, 0, 1, {&cp.DataVersion, &cp.HeaderCount1, &cp.HeaderCount3, &cp.TunePointCount,
                          &cp.ChannelCount, &cp.RxListCount, &cp.HeaderCount6, &cp.TuneHeader0,
                          &cp.CtcssDev, &cp.CdcssDev, &cp.MicAmp, &cp.SpeakAmp, &cp.NoiseThW, &cp.NoiseThN});
        expect(72, 20, 16, {cp.TuneFreq.data(), cp.TuneBias.data(), cp.TuneOsc.data(),
                            cp.TuneDigitalDev.data(), cp.TuneSq.data()});
        expect(392, 0, 1, {&cp.LocalID, &cp.VoicePrompt, &cp.OptionReserved1});
        expect(404, 4, 4, {cp.IdleTime.data()});
        expect(420, 0, 1, {&cp.VoxLevel, &cp.KeyMethod});
        expect(428, 4, 16, {cp.KeyDefine.data()});
        expect(492, 0, 1, {&cp.OptionTOT, &cp.OptionReserved2, &cp.OptionReserved3, &cp.OptionReserved4,
                           &cp.OptionReserved5, &cp.OptionReserved6, &cp.OptionReserved7,
                           &cp.OptionReserved8, &cp.OptionReserved9});
        expect(528, 4, 4, {cp.SleepPoint.data()});
        expect(544, 12, 8, {cp.VoltageWarningInterval.data(), cp.VoltageLower.data(), cp.VoltageUpper.data()});
        expect(640, 0, 1, {&cp.VoxDelay});
        expect(644, 4, 32, {cp.ReservedList.data()});
        expect(772, 128, 32, {cp.ChannelType.data(), cp.RxFreq.data(), cp.RxCtcss.data(), cp.RxDcs.data(),
                              cp.TxFreq.data(), cp.TxCtcss.data(), cp.TxDcs.data(), cp.TxPower.data(),
                              cp.TxAuthority.data(), cp.ChannelTOT.data(), cp.SqlLevel.data(),
                              cp.ChannelSpace.data(), cp.RxKeyEnable.data(), cp.RxKeyLength.data()});
        expect(772 + 72, 128, 32, {cp.TxKeyEnable.data(), cp.TxKeyLength.data()});
        expect(772 + 96, 128, 32, {cp.DenoiseLevel.data(), cp.QuiteLevel.data(), cp.RxColor.data(),
                                   cp.TxColor.data(), cp.ChannelRxList.data(), cp.CallTypeTxID.data(),
                                   cp.Compand.data(), cp.ScrambleType.data()});
        for (int k = 0; k < 4; ++k) {
            expect(772 + 56 + 4 * k, 128, 32, {cp.RxKey.data() + k}, 4);
            expect(772 + 80 + 4 * k, 128, 32, {cp.TxKey.data() + k}, 4);
        }
        expect(4868, 4, 64, {cp.RxListEntry.data()});
        // clang-format on
        QCOMPARE(checked, (5124 - 16) / 4); // every value of the file
    }

    void parseGivesBackEveryValue() {
        const Codeplug source = Distinct();
        Codeplug loaded;
        loaded.BandLower = 400; // state outside the file stays as it was
        loaded.RadioImage[441] = '3';
        loaded.PasswordBlock[0] = '7';
        loaded.FileName = QStringLiteral("keep.rdat");
        // Bytes after the end are ignored.
        QVERIFY(RadioDataFile::Parse(RadioDataFile::Serialize(source) + "tail", loaded).ok());
        QVERIFY(loaded.SameRadioData(source));
        QCOMPARE(loaded.TunePointCount, source.TunePointCount);
        QCOMPARE(loaded.HeaderCount3, source.HeaderCount3);
        QCOMPARE(loaded.BandLower, 400);
        QCOMPARE(loaded.RadioImage[441], '3');
        QCOMPARE(loaded.PasswordBlock[0], '7');
        QCOMPARE(loaded.FileName, QStringLiteral("keep.rdat"));
    }

    // Key lengths come from the key words, whatever the file holds.
    void keyLengthsRecomputed() {
        Codeplug source;
        source.ApplyNewDefaults();
        source.SetRxKeyWords(5, {0, 0, 0, static_cast<Long>(0xF0000000u)});
        source.SetTxKeyWords(6, {static_cast<Long>(0x80000000u), 0, 0, 0});
        source.RxKeyLength[5] = 17;
        source.TxKeyLength[6] = 31;
        source.RxKeyLength[7] = 9; // all-zero key
        Codeplug loaded;
        QVERIFY(RadioDataFile::Parse(RadioDataFile::Serialize(source), loaded).ok());
        QCOMPARE(loaded.RxKeyLength[5], 25);
        QCOMPARE(loaded.TxKeyLength[6], 1);
        QCOMPARE(loaded.RxKeyLength[7], 0);
    }

    // Only "ZR40 Ver" counts: the last eight header bytes may hold anything.
    void header_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("accepted");
        for (int i = 0; i < 16; ++i)
            QTest::addRow("byte %d", i) << i << (i >= 8);
    }

    void header() {
        QFETCH(int, position);
        QFETCH(bool, accepted);
        QByteArray bytes = RadioDataFile::Serialize(Distinct());
        bytes[position] = static_cast<char>(bytes[position] ^ 0x20);
        Codeplug cp = Startup();
        const Codeplug before = cp;
        const FileResult result = RadioDataFile::Parse(bytes, cp);
        QCOMPARE(result.ok(), accepted);
        if (accepted)
            return;
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
        Codeplug cp = Startup();
        const Codeplug before = cp;
        QVERIFY(!RadioDataFile::Parse(RadioDataFile::Serialize(Distinct()).left(size), cp).ok());
        QVERIFY(cp.SameRadioData(before));
    }

    void writeReadWriteByteIdentical() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString first = dir.filePath(QStringLiteral("a.rdat"));
        const QString second = dir.filePath(QStringLiteral("b.rdat"));
        QVERIFY(WriteAll(first, QByteArray(9000, 'x'))); // a longer file is replaced whole
        QVERIFY(RadioDataFile::WriteToFile(first, Distinct()).ok());
        Codeplug loaded;
        QVERIFY(RadioDataFile::ReadFromFile(first, loaded).ok());
        QVERIFY(RadioDataFile::WriteToFile(second, loaded).ok());
        QCOMPARE(ReadAll(first).size(), 5124);
        QCOMPARE(ReadAll(first), ReadAll(second));
    }

    void failuresReported() {
        QTemporaryDir dir;
        Codeplug cp;
        QCOMPARE(RadioDataFile::ReadFromFile(QString(), cp).error,
                 FileResult::FileError::EmptyPath);
        QCOMPARE(RadioDataFile::WriteToFile(QString(), cp).error, FileResult::FileError::EmptyPath);
        const FileResult missing =
            RadioDataFile::ReadFromFile(dir.filePath(QStringLiteral("none.rdat")), cp);
        QCOMPARE(missing.error, FileResult::FileError::CannotOpen);
        QVERIFY(!missing.detail.isEmpty());
        const QString folder = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(RadioDataFile::WriteToFile(folder, Distinct()).error,
                 FileResult::FileError::CannotWrite);
        QVERIFY(QFileInfo(folder).isDir());
        const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/a.rdat"));
        QCOMPARE(RadioDataFile::WriteToFile(nowhere, Distinct()).error,
                 FileResult::FileError::CannotWrite);
        QVERIFY(!QFile::exists(nowhere));
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

    // Damaged files must either load whole or leave the codeplug untouched, and never crash.
    void mutatedFilesNeverCrash() {
        const QByteArray good = RadioDataFile::Serialize(Distinct());
        QRandomGenerator random(4711);
        for (int round = 0; round < 2000; ++round) {
            QByteArray bytes = good;
            const int flips = random.bounded(1, 20);
            for (int f = 0; f < flips; ++f)
                bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
            if (round % 3 == 0)
                bytes.truncate(random.bounded(bytes.size() + 1));
            Codeplug cp = Startup();
            const Codeplug before = cp;
            if (!RadioDataFile::Parse(bytes, cp).ok())
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
