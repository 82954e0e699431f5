#include "codeplug/radio_data_file.h"
#include "zr40_support.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace zr40;
using zr40::test::ReadFile;
using zr40::test::WriteFile;
using zr40::test::Zr40;

class TestZr40Command : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }

    Codeplug Load(const QString& path) {
        Codeplug cp;
        const FileResult result = RadioDataFile::ReadFromFile(path, cp);
        if (!result.ok())
            qWarning() << result.Message(true);
        return cp;
    }

    // The csv export of a file reads back as the same channels: over the file itself byte for
    // byte, and over a new codeplug as the same csv.
    void CsvReadsBack(const QString& rdat) {
        const auto csv = Zr40({"export", rdat, "--format", "csv"});
        QCOMPARE(csv.exitCode, 0);
        QVERIFY(WriteFile(Path("back.csv"), csv.out));
        auto run = Zr40({"import", Path("back.csv"), "--base", rdat, "-o", Path("over.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(ReadFile(Path("over.rdat")), ReadFile(rdat));
        run = Zr40({"import", Path("back.csv"), "-o", Path("fresh.rdat")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(Zr40({"export", Path("fresh.rdat"), "--format", "csv"}).out, csv.out);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(QFile::exists(QStringLiteral(ZR40_BINARY_DIR "/zr40")), "zr40 not built");
    }

    void exitCodes() {
        for (const QStringList& arguments :
             {QStringList{},
              {"frobnicate"},
              {"show", "a", "b"},
              {"import", "a.csv", "--band", "high", "-o", "b.rdat"},
              {"check"},
              {"diff", "a", "b", "c"},
              {"write", "--port", "ttyS0", "--band", "x", "a.rdat"}}) {
            const auto run = Zr40(arguments);
            QCOMPARE(std::pair(run.exitCode, run.err.isEmpty()), std::pair(2, false));
        }
        for (const char* command :
             {"new", "show", "export", "import", "demo", "check", "diff", "backups"}) {
            const auto run = Zr40({command, "--help"});
            QCOMPARE(run.exitCode, 0);
            QVERIFY(run.out.contains(QByteArray("zr40 ") + command));
        }
    }

    // Not a radio file, a short one, none at all: every command names the file on stderr.
    void badFileNamedOnStderr() {
        QVERIFY(WriteFile(Path("in.json"), "{}"));
        QVERIFY(WriteFile(Path("junk.rdat"), QByteArray(5124, 'x')));
        QVERIFY(WriteFile(Path("short.rdat"), "ZR40 Ver1.0.1   "));
        for (const QString& path : {Path("junk.rdat"), Path("short.rdat"), Path("none.rdat")})
            for (const QStringList& arguments :
                 {QStringList{"show", path}, QStringList{"export", path},
                  QStringList{"import", Path("in.json"), "--base", path, "-o", Path("o.rdat")}}) {
                const auto run = Zr40(arguments);
                QCOMPARE(run.exitCode, 1);
                QVERIFY2(run.err.contains(path.toUtf8()), run.err.constData());
            }
        // --lang zh words the file errors in Chinese too.
        for (const QStringList& arguments :
             {QStringList{"show", Path("none.rdat")}, QStringList{"check", Path("none.rdat")},
              QStringList{"print", Path("none.rdat"), "-o", Path("o.pdf")}}) {
            const auto run = Zr40(arguments + QStringList{"--lang", "zh"});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(QString::fromUtf8(run.err).contains(QString::fromUtf8("无法打开文件")),
                     run.err.constData());
        }
    }

    void newAndStartup() {
        QCOMPARE(Zr40({"new", "-o", Path("new.rdat")}).exitCode, 0);
        QCOMPARE(Zr40({"new", "--startup", "-o", Path("startup.rdat")}).exitCode, 0);
        QCOMPARE(Load(Path("new.rdat")).RxCtcss[16], -1); // New fills all 32 channels
        QCOMPARE(Load(Path("startup.rdat")).RxCtcss[16], 0);
        // A save that cannot be made is reported, with the path.
        const QString path = Path("no/such/folder/x.rdat");
        const auto run = Zr40({"new", "-o", path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(path.toUtf8()));
    }

    void jsonImportOverBase() {
        QCOMPARE(Zr40({"new", "-o", Path("rt.rdat")}).exitCode, 0);
        QVERIFY(WriteFile(Path("edit.json"),
                          R"({"HeaderCount3": 3, "Channels": [{"RxFreq": 435025000,
                          "TxKey": [305419896, 0, 0, -1]}, {}, {"ScrambleType": 2900}]})"));
        const auto run =
            Zr40({"import", Path("edit.json"), "--base", Path("rt.rdat"), "-o", Path("ed.rdat")});
        QCOMPARE(run.exitCode, 0);
        const Codeplug ed = Load(Path("ed.rdat"));
        QCOMPARE(std::tuple(ed.HeaderCount3, ed.RxFreq[0], ed.TxKey[3], ed.TxKeyLength[0],
                            ed.ScrambleType[2], ed.SqlLevel[0]), // the last one from the base
                 std::tuple(3, 435025000, -1, 32, 2900, 5));
    }

    // A file whose every value differs (stale key lengths included) comes back byte for byte.
    void jsonRoundTripOfEveryValue() {
        QByteArray bytes("ZR40 Ver1.0.1   ");
        for (int i = 0; i < 1277; ++i) {
            char le[4];
            qToLittleEndian<qint32>(i % 2 ? -1000 - i : 0x10000 * i + i, le);
            bytes.append(le, 4);
        }
        QVERIFY(WriteFile(Path("every.rdat"), bytes));
        QCOMPARE(Zr40({"export", Path("every.rdat"), "-o", Path("every.json")}).exitCode, 0);
        QCOMPARE(Zr40({"import", Path("every.json"), "-o", Path("every2.rdat")}).exitCode, 0);
        QCOMPARE(ReadFile(Path("every2.rdat")), bytes);
    }

    void importErrorsNameTheCause_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("unknown") << "e.json" << QByteArray(R"({"LocalId": 1})")
                                 << QByteArray("LocalId");
        QTest::newRow("too big") << "e.json" << QByteArray(R"({"VoxDelay": 4294967296})")
                                 << QByteArray("VoxDelay");
        QTest::newRow("channel field") << "e.json" << QByteArray(R"({"Channels": [{"RxFrq": 1}]})")
                                       << QByteArray("Channels[0].RxFrq");
        // Far outside any integer type: refused before it is converted.
        QTest::newRow("1e300") << "e.json" << QByteArray(R"({"LocalID": 1e300})")
                               << QByteArray("LocalID: expected a 32-bit integer");
        QTest::newRow("20 digits")
            << "e.json" << QByteArray(R"({"Channels": [{"RxFreq": 55555555555555555555}]})")
            << QByteArray("Channels[0].RxFreq: expected a 32-bit integer");
        QTest::newRow("-1e19 in a list")
            << "e.json" << QByteArray(R"({"Channels": [{"TxKey": [0, -1e19, 0, 0]}]})")
            << QByteArray("Channels[0].TxKey[1]: expected a 32-bit integer");
        QTest::newRow("broken") << "e.json" << QByteArray("{\"LocalID\": ") << QByteArray("json");
        QTest::newRow("unknown column")
            << "e.csv" << QByteArray("Channel,RxMHz,Colour\n1,440,1\n") << QByteArray("Colour");
        QTest::newRow("channel 33") << "e.csv" << QByteArray("Channel,RxMHz\n33,440\n")
                                    << QByteArray("line 2, column Channel");
    }
    void importErrorsNameTheCause() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, reason);
        QVERIFY(WriteFile(Path(name), content));
        QFile::remove(Path("err.rdat"));
        const auto run = Zr40({"import", Path(name), "-o", Path("err.rdat")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(reason), run.err.constData());
        QVERIFY(run.err.contains(Path(name).toUtf8()));
        QVERIFY2(!run.err.contains("runtime error"), run.err.constData()); // sanitizer builds
        QVERIFY(!QFile::exists(Path("err.rdat")));
    }

    // The band the command is given reaches the import (the clamp itself is the csv rule's);
    // without --band the start-up band applies. Warnings go to stderr.
    void csvImportTakesTheBand() {
        QVERIFY(WriteFile(Path("plan.csv"), "Channel,RxMHz\n1,999\n5,600\n"));
        auto run = Zr40({"import", Path("plan.csv"), "--band", "400-480", "-o", Path("plan.rdat")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("warning") && run.err.contains("480.00000"), run.err.constData());
        QCOMPARE(Load(Path("plan.rdat")).RxFreq[0], 480000000);
        QCOMPARE(Zr40({"import", Path("plan.csv"), "-o", Path("wide.rdat")}).exitCode, 0);
        QCOMPARE(Load(Path("wide.rdat")).RxFreq[4], 550000000);
    }

    // Without --band the band last chosen in the desktop application's Model Information is the
    // band; with neither, the start-up band, and the check warns of it. Every command that judges
    // frequencies names the band it used and where it came from.
    void bandFromTheOptionOrTheSettings_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QStringList>("option");
        QTest::addColumn<int>("checkExit");
        QTest::addColumn<QString>("named");
        QTest::newRow("none") << "" << QStringList() << 0
                              << "Band: 100-550 MHz (no band chosen: give --band";
        QTest::newRow("saved") << "400-480" << QStringList() << 1
                               << "Band: 400-480 MHz (the band last chosen in Model Information)";
        QTest::newRow("option over saved")
            << "400-480" << QStringList{"--band", "136-174"} << 0 << "Band: 136-174 MHz (--band)";
    }
    void bandFromTheOptionOrTheSettings() {
        QFETCH(QString, saved);
        QFETCH(QStringList, option);
        QFETCH(QString, named);
        QFile::remove(zr40::test::CliSettingsFile());
        if (!saved.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(zr40::test::CliSettingsFile()).path()));
            QVERIFY(WriteFile(zr40::test::CliSettingsFile(), "[General]\nBand=" + saved.toUtf8()));
        }
        QCOMPARE(Zr40({"new", "-o", Path("vhf.rdat")}).exitCode, 0);
        Codeplug plan = Load(Path("vhf.rdat"));
        plan.RxFreq[0] = plan.TxFreq[0] = 145500000; // a VHF channel
        QVERIFY(RadioDataFile::WriteToFile(Path("vhf.rdat"), plan).ok());
        auto check = Zr40(QStringList{"check", Path("vhf.rdat")} + option);
        QTEST(check.exitCode, "checkExit");
        QVERIFY2(check.out.startsWith(named.toUtf8()), check.out.constData());
        QCOMPARE(check.out.contains("No band chosen yet"), saved.isEmpty());
        // A write is checked before any port is opened: an error stops it there.
        const auto write =
            Zr40(QStringList{"write", "--port", "zr40-none", Path("vhf.rdat")} + option);
        QVERIFY2(write.err.contains(named.toUtf8()), write.err.constData());
        QCOMPARE(write.err.contains("the plan has errors"), check.exitCode == 1);
        QVERIFY(WriteFile(Path("vhf.csv"), "Channel,RxMHz\n1,145.5\n"));
        const auto import =
            Zr40(QStringList{"import", Path("vhf.csv"), "-o", Path("in.rdat")} + option);
        QVERIFY2(import.out.contains(named.toUtf8()), import.out.constData());
        const auto print =
            Zr40(QStringList{"print", Path("vhf.rdat"), "-o", Path("vhf.pdf")} + option);
        QVERIFY2(print.out.contains(named.toUtf8()), print.err.constData());
    }

    // Radios may report any receive-list count, and channels may hold any list number.
    void csvRoundTripOverOddListCounts_data() {
        QTest::addColumn<int>("lists");
        for (int lists : {0, -3, 1, 8, 12})
            QTest::addRow("%d lists", lists) << lists;
    }
    void csvRoundTripOverOddListCounts() {
        QFETCH(int, lists);
        QByteArray json = R"({"RxListCount": )" + QByteArray::number(lists) + R"(, "Channels": [)";
        for (int list : {0, 2, 5, 10, -1})
            json += R"({"RxFreq": 441000000, "TxFreq": 441000000, "ChannelType": 2, )"
                    R"("ChannelSpace": 12500, "ChannelRxList": )" +
                    QByteArray::number(list) + "},";
        json.chop(1);
        QVERIFY(WriteFile(Path("lists.json"), json + "]}"));
        QCOMPARE(Zr40({"import", Path("lists.json"), "-o", Path("lists.rdat")}).exitCode, 0);
        CsvReadsBack(Path("lists.rdat"));
    }

    // The common radio csv is recognised by its header row and placed from --first; warnings go
    // to stderr, the exit status stays 0 while a row was used and is 1 when none was.
    void commonCsvImportAndExport() {
        QVERIFY(WriteFile(Path("memories.txt"), "Location,Name,Frequency,Duplex,Offset,Mode\n"
                                                "5,Rpt,438.5,+,5,FM\n"
                                                "6,Air,124.5,,,AM\n"));
        auto run = Zr40({"import", Path("memories.txt"), "--first", "3", "-o", Path("mem.rdat")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("warning") && run.err.contains("row 3: mode AM"),
                 run.err.constData());
        Codeplug cp = Load(Path("mem.rdat"));
        QCOMPARE(cp.TxFreq[2], 443500000);
        cp.ChannelType[3] = 2;
        cp.RxFreq[3] = 446006250;
        QVERIFY(RadioDataFile::WriteToFile(Path("mem2.rdat"), cp).ok());
        run = Zr40({"export", Path("mem2.rdat"), "--format", "common-csv"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("\n3,CH3,438.500000,+,5.000000,"));
        QVERIFY2(run.err.contains("digital channels 4 left out"), run.err.constData());

        QVERIFY(WriteFile(Path("air.csv"), "Location,Frequency,Mode\n0,124.5,AM\n"));
        QFile::remove(Path("air.rdat"));
        for (const auto& [arguments, code] : {std::pair(QStringList{}, 1),
                                              {QStringList{"--format", "csv", "--first", "2"}, 2},
                                              {QStringList{"--first", "33"}, 2}})
            QCOMPARE(
                Zr40(QStringList{"import", Path("air.csv"), "-o", Path("air.rdat")} + arguments)
                    .exitCode,
                code);
        QVERIFY(!QFile::exists(Path("air.rdat")));
    }

    void showPrintsGridAndSettings() {
        QVERIFY(WriteFile(Path("show.csv"), "Channel,RxMHz,Decode\n3,435.025,D023N\n"));
        QCOMPARE(Zr40({"import", Path("show.csv"), "-o", Path("show.rdat")}).exitCode, 0);
        const auto en = Zr40({"show", Path("show.rdat")});
        QCOMPARE(en.exitCode, 0);
        for (const char* text : {"435.02500", "D023N", "Analog CH", "Voice Prompt", "English"})
            QVERIFY2(en.out.contains(text), text);
        const auto zh = Zr40({"show", Path("show.rdat"), "--lang", "zh"});
        QCOMPARE(zh.exitCode, 0);
        QVERIFY(QString::fromUtf8(zh.out).contains(QString::fromUtf8("英文")));
    }

    // A channel type the radio does not know shows as stored, not as analog; the check names it
    // and the csv export keeps the channel's transmit frequency.
    void unknownChannelTypeShownAsStored() {
        QCOMPARE(Zr40({"new", "-o", Path("base3.rdat")}).exitCode, 0);
        QVERIFY(WriteFile(Path("type3.json"), R"({"Channels": [{"RxFreq": 435000000,
                          "TxFreq": 440000000, "ChannelType": 3}]})"));
        QCOMPARE(Zr40({"import", Path("type3.json"), "--base", Path("base3.rdat"), "-o",
                       Path("type3.rdat")})
                     .exitCode,
                 0);
        const QString shown = QString::fromUtf8(Zr40({"show", Path("type3.rdat")}).out);
        QVERIFY2(shown.contains(QRegularExpression(
                     QStringLiteral("\\n1\\s+435\\.00000\\s+440\\.00000\\s+3\\s"))),
                 qPrintable(shown));
        QVERIFY(Zr40({"check", Path("type3.rdat")}).out.contains("Channel type 3"));
        QVERIFY(Zr40({"export", Path("type3.rdat"), "--format", "csv"})
                    .out.contains("1,435.00000,440.00000,"));
    }

    // Damaged json and csv files are refused or applied, never crash the command.
    void damagedImportsNeverCrash() {
        QCOMPARE(Zr40({"new", "-o", Path("base.rdat")}).exitCode, 0);
        QCOMPARE(Zr40({"export", Path("base.rdat"), "-o", Path("base.json")}).exitCode, 0);
        const QByteArray csv = "Channel,RxMHz,TxMHz,Type,Decode,Encode,Power,RxList,CallType,TxID\n"
                               "1,435.025,440,Digital CH,,,High,2,Group Call,800001\n"
                               "2,146.5,,Analog CH,D023N,88.5,Low,,,\n";
        const QByteArray json = ReadFile(Path("base.json"));
        QRandomGenerator random(99);
        for (int round = 0; round < 60; ++round) {
            const bool isCsv = round % 2 == 0;
            QByteArray bytes = isCsv ? csv : json;
            for (int f = 0; f < 1 + round % 5; ++f)
                bytes[random.bounded(bytes.size())] = "0,.\n\"[]{}-9xD"[random.bounded(13)];
            if (round % 3 == 0)
                bytes.truncate(random.bounded(bytes.size()));
            const QString in = Path(isCsv ? "fuzz.csv" : "fuzz.json");
            QVERIFY(WriteFile(in, bytes));
            const int code = Zr40({"import", in, "-o", Path("fuzz.rdat")}).exitCode;
            QVERIFY2(code == 0 || code == 1, bytes.constData());
        }
    }

    // What is no file to read is refused at once and by name: nothing waits on a pipe, reads a
    // device or loads a huge file.
    void hostileInputsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("input"); // what IN stands for
        QTest::addColumn<int>("code");
        const QStringList import{"import", "IN", "-o", "out.rdat"};
        QTest::newRow("show a pipe") << QStringList{"show", "IN"} << "pipe" << 1;
        QTest::newRow("import a pipe") << import << "pipe" << 1;
        QTest::newRow("base a pipe")
            << QStringList{"import", "in.json", "--base", "IN", "-o", "out.rdat"} << "pipe" << 1;
        QTest::newRow("diff a pipe") << QStringList{"diff", "IN", "in.rdat"} << "pipe" << 2;
        QTest::newRow("import a device") << import << "/dev/zero" << 1;
        QTest::newRow("show a folder") << QStringList{"show", "IN"} << "." << 1;
        QTest::newRow("import 5 MB") << import << "huge.json" << 1;
    }
    void hostileInputsRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        QVERIFY(WriteFile(Path("in.json"), "{}"));
        QVERIFY(WriteFile(Path("huge.json"), "{\"LocalID\": 1" + QByteArray(5 << 20, ' ') + "}"));
        QCOMPARE(Zr40({"new", "-o", Path("in.rdat")}).exitCode, 0);
        QFile::remove(Path("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
        const QString named = input.startsWith('/') ? input : Path(input);
        for (QString& argument : arguments)
            if (argument == QLatin1String("IN"))
                argument = named;
            else if (argument.contains('.'))
                argument = Path(argument);
        QFile::remove(Path("out.rdat"));
        const auto run = Zr40(arguments, 10000);
        QVERIFY(run.finished);
        QTEST(run.exitCode, "code");
        QVERIFY2(run.err.contains(QFile::encodeName(named)), run.err.constData());
        QVERIFY(!QFile::exists(Path("out.rdat")));
    }

    // Standard output that cannot be written fails the command; a name is used exactly as
    // given, whatever its bytes; a long name saves again and again.
    void outputsAndNames() {
        QCOMPARE(Zr40({"new", "-o", Path("base.rdat")}).exitCode, 0);
        for (const QStringList& arguments :
             {QStringList{"show", Path("base.rdat")}, QStringList{"export", Path("base.rdat")}}) {
            QProcess cli;
            cli.setStandardOutputFile(QStringLiteral("/dev/full"));
            cli.start(zr40::test::CliProgram(), arguments);
            QVERIFY(cli.waitForFinished(60000));
            QCOMPARE(cli.exitCode(), 1);
            QVERIFY(cli.readAllStandardError().contains("standard output: No space left"));
        }
        // A latin-1 name in a UTF-8 locale: the shell passes its bytes as they are.
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"),
                    {"-c",
                     "n=\"$1$(printf '\\377').rdat\"; \"$0\" new -o \"$n\" && \"$0\" show \"$n\"",
                     zr40::test::CliProgram(), Path("out-")});
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 0);
        const QByteArray latin1 = QFile::encodeName(Path("out-")) + "\xff.rdat";
        QCOMPARE(access(latin1.constData(), F_OK), 0);
        const QString longName = Path(QString(249, QLatin1Char('n')) + QStringLiteral(".rdat"));
        for (int time = 0; time < 2; ++time)
            QCOMPARE(Zr40({"new", "-o", longName}).exitCode, 0);
        QCOMPARE(ReadFile(longName).size(), RadioDataFile::kFileSize);
    }

    void demoSucceeds() {
        const auto run = Zr40({"demo"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("byte for byte the same ... ok"));
        QVERIFY(!run.out.contains("FAILED"));
    }
};

QTEST_GUILESS_MAIN(TestZr40Command)
#include "test_zr40_command.moc"
