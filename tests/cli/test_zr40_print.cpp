#include "channels/channel_rules.h"
#include "codeplug/radio_data_file.h"
#include "zr40_support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr40;
using zr40::test::CliEnvironment;
using zr40::test::ReadFile;
using zr40::test::Zr40;

namespace {

Long RxHz(int channel) {
    return 136012500 + channel * 6250000; // 136.0125 to 329.7625 MHz
}

QString PdfToText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    return process.waitForFinished(60000) ? QString::fromUtf8(process.readAllStandardOutput())
                                          : QString();
}

} // namespace

// zr40 print: a PDF of the plan without a display, with the text in it.
class TestZr40Print : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString plan;
    QString Path(const QString& name) const { return dir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(QStringLiteral(ZR40_BINARY_DIR "/zr40")), "zr40 not built");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext is missing: run scripts/install-deps");
        Codeplug cp;
        cp.ApplyStartupDefaults();
        for (int c = 0; c < Codeplug::kChannels; ++c) {
            cp.ResetChannel(c);
            cp.RxFreq[c] = RxHz(c);
            cp.TxFreq[c] = RxHz(c);
            cp.ChannelType[c] = c % 3 == 0 ? 2 : 1;
            cp.SetTxKeyWords(c, ChannelRules::EnterKey(QStringLiteral("77553311")).words);
            cp.TxKeyLength[c] = 8;
        }
        plan = Path(QStringLiteral("plan.rdat"));
        QVERIFY(RadioDataFile::WriteToFile(plan, cp).ok());
    }

    // Without a display and without a platform named, in both languages.
    void everyReceiveFrequencyInThePdf_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("words");
        QTest::newRow("en") << "en"
                            << "Channel Information";
        QTest::newRow("zh") << "zh"
                            << "信道信息";
    }
    void everyReceiveFrequencyInThePdf() {
        QFETCH(QString, lang);
        QFETCH(QString, words);
        const QString out = Path(lang + QStringLiteral(".pdf"));
        QProcess process;
        QProcessEnvironment env = CliEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZR40_BINARY_DIR "/zr40"),
                      {"print", plan, "-o", out, "--lang", lang});
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(ReadFile(out).startsWith("%PDF"));
        const QString text = PdfToText(out);
        QVERIFY(text.contains(words));
        QVERIFY(text.contains("plan.rdat"));
        for (int c = 0; c < Codeplug::kChannels; ++c) {
            const QString rx = ChannelRules::FrequencyText(RxHz(c), QLatin1Char('.'));
            QVERIFY2(text.contains(rx), qPrintable(rx));
        }
        QVERIFY(!text.contains("775533"));
    }

    void onlyTheSectionsAsked() {
        const QString out = Path(QStringLiteral("lists.pdf"));
        const auto run = Zr40({"print", plan, "-o", out, "--sections", "rxlists,options"});
        QCOMPARE(run.exitCode, 0);
        const QString text = PdfToText(out);
        QVERIFY(text.contains("Rx List"));
        QVERIFY(text.contains("Optional Features"));
        QVERIFY(!text.contains("Channel Information"));
        QVERIFY(!text.contains(ChannelRules::FrequencyText(RxHz(0), QLatin1Char('.'))));
    }

    void usageAndFileErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::newRow("help") << QStringList{"print", "--help"} << 0;
        QTest::newRow("no output") << QStringList{"print", "PLAN"} << 2;
        QTest::newRow("bad section")
            << QStringList{"print", "PLAN", "-o", "x.pdf", "--sections", "channels,tones"} << 2;
        QTest::newRow("bad language")
            << QStringList{"print", "PLAN", "-o", "x.pdf", "--lang", "fr"} << 2;
        QTest::newRow("missing file") << QStringList{"print", "nothing.rdat", "-o", "x.pdf"} << 1;
        QTest::newRow("unwritable output")
            << QStringList{"print", "PLAN", "-o", "/nonexistent/dir/x.pdf"} << 1;
    }
    void usageAndFileErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        arguments.replaceInStrings(QStringLiteral("PLAN"), plan);
        arguments.replaceInStrings(QStringLiteral("x.pdf"), Path(QStringLiteral("x.pdf")));
        const auto run = Zr40(arguments);
        QCOMPARE(run.exitCode, code);
        if (code == 0)
            QVERIFY(run.out.contains("zr40 print") && run.out.contains("--sections"));
        else
            QVERIFY(!run.err.isEmpty());
        if (code != 0)
            QVERIFY(!QFile::exists(Path(QStringLiteral("x.pdf"))));
    }
};

QTEST_GUILESS_MAIN(TestZr40Print)
#include "test_zr40_print.moc"
