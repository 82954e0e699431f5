#include "codeplug/codeplug_fields.h"
#include "codeplug/radio_data_file.h"
#include "codeplug_fill_support.h"

#include <QSet>
#include <QtEndian>
#include <QtTest>

using namespace zr40;

class TestCodeplugFields : public QObject {
    Q_OBJECT

private slots:
    // The named fields cover exactly the values of the file, each once, under unique names.
    void fieldsCoverTheFile() {
        Codeplug cp;
        test::FillDistinct(cp);
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
        QCOMPARE(named, inFile);
        QVERIFY(!names.contains(QStringLiteral("RxListEntry")));
    }

    void storedKeyLengthsKeptOnRequest() {
        Codeplug source;
        source.ApplyNewDefaults();
        source.SetRxKeyWords(0, Codeplug::PackKey(QStringLiteral("12")));
        source.RxKeyLength[0] = 9;
        const QByteArray bytes = RadioDataFile::Serialize(source);
        Codeplug exact;
        QVERIFY(RadioDataFile::Parse(bytes, exact, RadioDataFile::KeyLengths::AsStored).ok());
        QCOMPARE(exact.RxKeyLength[0], 9);
        QCOMPARE(RadioDataFile::Serialize(exact), bytes);
        Codeplug program;
        QVERIFY(RadioDataFile::Parse(bytes, program).ok());
        QCOMPARE(program.RxKeyLength[0], 2);
    }
};

QTEST_GUILESS_MAIN(TestCodeplugFields)
#include "test_codeplug_fields.moc"
