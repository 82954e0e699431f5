// The text catalogues in translations/: complete, true to their source texts, built into the
// program as they stand, and current with the source (lupdate finds nothing new).

#include "codeplug/text_catalogue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace zr40;

namespace {

struct CatalogueMessage {
    QString context;
    QString source;
    QString disambiguation;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished", ... or empty when done
    bool operator<(const CatalogueMessage& other) const {
        return std::tie(context, source, disambiguation) <
               std::tie(other.context, other.source, other.disambiguation);
    }
};

QList<CatalogueMessage> ReadCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<CatalogueMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    CatalogueMessage message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = CatalogueMessage{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.disambiguation = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.append(message);
        }
    }
    return xml.hasError() ? QList<CatalogueMessage>{} : messages;
}

QStringList Catalogues() {
    QStringList paths;
    const QDir dir(QStringLiteral(ZR40_SOURCE_DIR "/translations"));
    for (const QString& name : dir.entryList({QStringLiteral("*.ts")}, QDir::Files))
        paths << dir.filePath(name);
    return paths;
}

// "%1", "%2", ... and "%n", each once, sorted.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text))
        found << match.captured();
    found.removeDuplicates();
    found.sort();
    return found;
}

// A menu or button text's keyboard mnemonic ("&File", "文件(&F)"); "&&" is a plain ampersand,
// and "&h80000" a hexadecimal number as the radio's messages write it.
bool HasMnemonic(const QString& text) {
    static const QRegularExpression mnemonic(QStringLiteral("(^|[^&])&(?!h[0-9A-Fa-f])[^&\\s]"));
    return mnemonic.match(text).hasMatch();
}

} // namespace

class TestTextCatalogue : public QObject {
    Q_OBJECT
private slots:
    void everyTextIsTranslatedAndFitsItsSource() {
        const QStringList catalogues = Catalogues();
        QVERIFY(!catalogues.isEmpty());
        for (const QString& path : catalogues) {
            const QList<CatalogueMessage> messages = ReadCatalogue(path);
            QVERIFY2(!messages.isEmpty(), qPrintable(path));
            for (const CatalogueMessage& m : messages) {
                const QString where =
                    QStringLiteral("%1: [%2] \"%3\" (%4)")
                        .arg(QFileInfo(path).fileName(), m.context, m.source, m.disambiguation);
                QVERIFY2(m.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + m.type));
                QVERIFY2(!m.translation.isEmpty(), qPrintable(where + " has no translation"));
                QCOMPARE(Placeholders(m.translation), Placeholders(m.source));
                QVERIFY2(HasMnemonic(m.translation) == HasMnemonic(m.source),
                         qPrintable(where + " and its translation differ in their mnemonic"));
            }
        }
    }

    // The program finds every Chinese text of the catalogue as it is checked in: the catalogue
    // built in is not an older one, and lookups by context and disambiguation hit.
    void theProgramSpeaksTheCatalogue() {
        const QList<CatalogueMessage> messages =
            ReadCatalogue(QStringLiteral(ZR40_SOURCE_DIR "/translations/zr40cps_zh_CN.ts"));
        QVERIFY(!messages.isEmpty());
        for (const CatalogueMessage& m : messages) {
            const QByteArray context = m.context.toUtf8();
            const QByteArray source = m.source.toUtf8();
            const QByteArray disambiguation = m.disambiguation.toUtf8();
            QCOMPARE(TextCatalogue::Chinese(
                         context.constData(), source.constData(),
                         m.disambiguation.isEmpty() ? nullptr : disambiguation.constData()),
                     m.translation);
        }
        QCOMPARE(TextCatalogue::Chinese("NoSuchContext", "An unknown text"),
                 QStringLiteral("An unknown text"));
    }

    // lupdate over the sources finds no text the catalogue lacks, and none it keeps that the
    // sources no longer have.
    void theCatalogueIsCurrent() {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString checkedIn = QStringLiteral(ZR40_SOURCE_DIR "/translations/zr40cps_zh_CN.ts");
        const QString updated = work.filePath(QStringLiteral("current.ts"));
        QVERIFY(QFile::copy(checkedIn, updated));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(ZR40_LUPDATE),
                      {QStringLiteral("-tr-function-alias"), QStringLiteral("translate+=Tr"),
                       QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-silent"),
                       QStringLiteral("-I"), QStringLiteral(ZR40_SOURCE_DIR "/src"),
                       QStringLiteral(ZR40_SOURCE_DIR "/src"), QStringLiteral("-ts"), updated});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        QList<CatalogueMessage> before = ReadCatalogue(checkedIn);
        QList<CatalogueMessage> after = ReadCatalogue(updated);
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        QStringList news;
        for (const CatalogueMessage& m : after) {
            if (!std::binary_search(before.begin(), before.end(), m))
                news << QStringLiteral("new: [%1] \"%2\"").arg(m.context, m.source);
        }
        for (const CatalogueMessage& m : before) {
            if (!std::binary_search(after.begin(), after.end(), m))
                news << QStringLiteral("gone: [%1] \"%2\"").arg(m.context, m.source);
        }
        QVERIFY2(news.isEmpty(),
                 qPrintable(QStringLiteral("The text catalogue is behind the sources; run "
                                           "`cmake --build build --target update_translations` "
                                           "and translate the new texts in Qt Linguist:\n") +
                            news.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTextCatalogue)
#include "test_text_catalogue.moc"
