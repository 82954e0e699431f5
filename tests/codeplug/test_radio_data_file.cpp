#include "codeplug/codeplug_fields.h"
#include "codeplug/file_path.h"
#include "codeplug/radio_data_file.h"
#include "zr40_support.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <unistd.h>

using namespace zr40;
using zr40::test::ReadFile;
using zr40::test::WriteFile;

namespace {

// Gives every value the file holds a different number, so that a value written to the wrong
// place cannot go unnoticed. Odd numbers: key words end in a non-zero digit, so every key
// length is 32.
void FillDistinct(Codeplug& cp) {
    int next = 100000;
    auto fill = [&](const CodeplugField& field) {
        for (int k = 0; k < field.count; ++k)
            field.data[k] = 2 * next++ + 1;
    };
    for (const CodeplugField& field : CodeplugFields::Settings(cp))
        fill(field);
    for (int c = 0; c < Codeplug::kChannels; ++c)
        for (const CodeplugField& field : CodeplugFields::Channel(cp, c))
            fill(field);
    for (int l = 0; l < Codeplug::kRxLists; ++l)
        fill(CodeplugFields::RxList(cp, l));
}

Long At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// Every value different, key lengths as a load recomputes them.
Codeplug Distinct() {
    Codeplug cp;
    FillDistinct(cp);
    for (int c = 0; c < Codeplug::kChannels; ++c)
        cp.DeriveKeyLengths(c);
    return cp;
}

Codeplug Startup() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    return cp;
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

    // Parsing keeps what is not in the file, ignores bytes after its end and derives the key
    // lengths from the key words, whatever the file holds for them, unless asked to keep them.
    void parseGivesBackEveryValue() {
        Codeplug source = Distinct();
        source.SetRxKeyWords(5, {0, 0, 0, static_cast<Long>(0xF0000000u)});
        source.SetTxKeyWords(6, {static_cast<Long>(0x80000000u), 0, 0, 0});
        source.SetRxKeyWords(7, {0, 0, 0, 0});
        const QByteArray bytes = RadioDataFile::Serialize(source); // stale lengths 5 to 7
        Codeplug exact;
        QVERIFY(RadioDataFile::Parse(bytes, exact, RadioDataFile::KeyLengths::AsStored).ok());
        QCOMPARE(RadioDataFile::Serialize(exact), bytes);
        Codeplug loaded;
        loaded.BandLower = 400;
        loaded.RadioImage[441] = '3';
        loaded.FileName = QStringLiteral("keep.rdat");
        QVERIFY(RadioDataFile::Parse(bytes + "tail", loaded).ok());
        QCOMPARE(std::tuple(loaded.RxKeyLength[5], loaded.TxKeyLength[6], loaded.RxKeyLength[7]),
                 std::tuple(25, 1, 0));
        for (int c : {5, 6, 7})
            source.DeriveKeyLengths(c);
        QVERIFY(loaded.SameRadioData(source));
        QCOMPARE(std::tuple(loaded.BandLower, loaded.RadioImage[441], loaded.FileName),
                 std::tuple(400, '3', QStringLiteral("keep.rdat")));
    }

    // Damaged headers and short files are refused and leave the codeplug as it was. Only
    // "ZR40 Ver" counts: the last eight header bytes may hold anything.
    void refused_data() {
        QTest::addColumn<int>("flipped");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("accepted");
        for (int i = 0; i < 16; ++i)
            QTest::addRow("header byte %d", i) << i << 5124 << (i >= 8);
        for (int size : {0, 7, 16, 772, 5123})
            QTest::addRow("%d bytes", size) << -1 << size << false;
    }
    void refused() {
        QFETCH(int, flipped);
        QFETCH(int, size);
        QFETCH(bool, accepted);
        QByteArray bytes = RadioDataFile::Serialize(Distinct()).left(size);
        if (flipped >= 0)
            bytes[flipped] = static_cast<char>(bytes[flipped] ^ 0x20);
        Codeplug cp = Startup();
        const Codeplug before = cp;
        const FileResult result = RadioDataFile::Parse(bytes, cp);
        QCOMPARE(result.ok(), accepted);
        if (accepted)
            return;
        QVERIFY(cp.SameRadioData(before));
        QVERIFY(!result.Message(false).isEmpty());
        if (flipped >= 0) {
            QCOMPARE(result.error, FileResult::FileError::BadHeader);
            QVERIFY(result.Message(true).contains(QStringLiteral("ZR40 Ver")));
        }
    }

    void writeReadWriteAndFailures() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString first = dir.filePath(QStringLiteral("a.rdat"));
        const QString second = dir.filePath(QStringLiteral("b.rdat"));
        QVERIFY(WriteFile(first, QByteArray(9000, 'x'))); // a longer file is replaced whole
        QVERIFY(RadioDataFile::WriteToFile(first, Distinct()).ok());
        Codeplug loaded;
        QVERIFY(RadioDataFile::ReadFromFile(first, loaded).ok());
        QVERIFY(RadioDataFile::WriteToFile(second, loaded).ok());
        QCOMPARE(ReadFile(first).size(), 5124);
        QCOMPARE(ReadFile(first), ReadFile(second));

        using E = FileResult::FileError;
        QCOMPARE(RadioDataFile::ReadFromFile(QString(), loaded).error, E::EmptyPath);
        QCOMPARE(RadioDataFile::WriteToFile(QString(), loaded).error, E::EmptyPath);
        const FileResult missing =
            RadioDataFile::ReadFromFile(dir.filePath(QStringLiteral("none.rdat")), loaded);
        QCOMPARE(missing.error, E::CannotOpen);
        QVERIFY(!missing.detail.isEmpty());
        const QString folder = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(RadioDataFile::WriteToFile(folder, loaded).error, E::NotRegular);
        QVERIFY(QFileInfo(folder).isDir());
        const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/a.rdat"));
        QCOMPARE(RadioDataFile::WriteToFile(nowhere, loaded).error, E::CannotWrite);
        QVERIFY(!QFile::exists(nowhere));
    }

    // A command-line name keeps its bytes through the text the command line is parsed as, and a
    // file is written and read under exactly those bytes.
    void namesKeepTheirBytes_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("ascii") << QByteArray("plan.rdat");
        QTest::newRow("utf-8") << QByteArray("\xe4\xbf\xa1\xe9\x81\x93.rdat");
        QTest::newRow("latin-1") << QByteArray("out-\xff\xe9.rdat");
        QTest::newRow("overlong") << QByteArray("\xc0\xaf.rdat");
        QTest::newRow("cut short") << QByteArray("\xe4\xbf.rdat");
        QTest::newRow("surrogate") << QByteArray("\xed\xb2\x80.rdat");
    }
    void namesKeepTheirBytes() {
        QFETCH(QByteArray, name);
        QTemporaryDir dir;
        const QString text = FilePath::ArgumentText(QFile::encodeName(dir.path()) + '/' + name);
        QCOMPARE(FilePath(text).Native(), QFile::encodeName(dir.path()) + '/' + name);
        QVERIFY(RadioDataFile::WriteToFile(text, Distinct()).ok());
        QCOMPARE(access((QFile::encodeName(dir.path()) + '/' + name).constData(), F_OK), 0);
        Codeplug loaded;
        QVERIFY(RadioDataFile::ReadFromFile(text, loaded).ok());
    }

    void saveIntoReadOnlyFolderKeepsOldFile() {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.rdat"));
        const QByteArray old(5124, 'o');
        QVERIFY(WriteFile(path, old));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const FileResult result = RadioDataFile::WriteToFile(path, Distinct());
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QCOMPARE(result.error, FileResult::FileError::CannotWrite);
        QCOMPARE(ReadFile(path), old);
    }

    // The named fields cover exactly the values of the file, each once, under unique names.
    void fieldsCoverTheFile() {
        Codeplug cp;
        FillDistinct(cp);
        const QByteArray file = RadioDataFile::Serialize(cp);
        QSet<Long> inFile;
        for (int offset = 16; offset < file.size(); offset += 4)
            inFile.insert(qFromLittleEndian<qint32>(file.constData() + offset));
        QSet<Long> named;
        QSet<QString> names;
        int count = 0;
        auto add = [&](const CodeplugField& field, bool name) {
            for (int i = 0; i < field.count; ++i, ++count)
                named.insert(field.data[i]);
            if (name) {
                QVERIFY2(!names.contains(QLatin1String(field.name)), field.name);
                names.insert(QLatin1String(field.name));
            }
        };
        for (const auto& field : CodeplugFields::Settings(cp))
            add(field, true);
        for (int c = 0; c < Codeplug::kChannels; ++c)
            for (const auto& field : CodeplugFields::Channel(cp, c))
                add(field, c == 0);
        for (int l = 0; l < Codeplug::kRxLists; ++l)
            add(CodeplugFields::RxList(cp, l), false);
        QCOMPARE(count, 1277);
        QCOMPARE(inFile.size(), 1277);
        QCOMPARE(named, inFile);
        QVERIFY(!names.contains(QStringLiteral("RxListEntry")));
    }
};

QTEST_GUILESS_MAIN(TestRadioDataFile)
#include "test_radio_data_file.moc"
