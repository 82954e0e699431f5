// Every file either program writes, written by a child process whose file-size limit fails its
// writes the way a full disk does (RLIMIT_FSIZE, SIGXFSZ ignored): the program says which file
// and why, fails, leaves the old file as it was and no temporary file behind. The application's
// writers run in this test program started again as such a child (--app-writer).

#include "gui_support.h"
#include "link/test_serial_sim.h"
#include "shell/mdi_form_main.h"
#include "shell/print_commands.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace zr40;
using namespace zr40::test;

namespace {

// Smaller than anything any writer writes (a channel csv of a new plan is about 150 bytes).
constexpr rlim_t kFileSizeLimit = 64;
const QByteArray kOld = "the file as it was before";
const QByteArray kReason = "File too large";

void LimitFileSize(QProcess& process, rlim_t bytes = kFileSizeLimit) {
    process.setChildProcessModifier([bytes] {
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
    });
}

// The application's command code in a child: Save, Export or Print to PDF of the start-up plan
// into `target`, the file dialog answering it. Every message shown goes to stderr.
int AppWriter(const QString& kind, const QString& target) {
    TemporarySettings settings;
    ScriptedSeam seam;
    seam.AnswerFile(target);
    Codeplug codeplug = PageCodeplug();
    MDIFormMain window(codeplug);
    window.Printing().SetPrinterSource([] { return QList<PrinterEntry>{}; });
    bool written = false;
    if (kind == QLatin1String("save"))
        written = window.Files().Save();
    else if (kind == QLatin1String("export"))
        written = window.Exchange().ExportFile(target, PlanExchange::Format::Json);
    else
        written = window.Printing().PrintPlan(PrintSections::All(), &window);
    for (const ShownMessage& message : seam.messages)
        std::fprintf(stderr, "%s\n", qPrintable(message.text));
    return written ? 0 : 1;
}

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(WriteRdat(Path("plan.rdat"), DistinctCodeplug(9)));
        QVERIFY(WriteFile(Path("in.json"), "{}"));
    }

    // {program, arguments}: "zr40", "app" (this program), "sim" (the virtual radio keeping its
    // memory in OUT, written by a zr40 write) or "backup" (zr40 write, whose first file is the
    // backup of the radio whose memory is OUT); OUT is the file that must stay as it was.
    void everyWriterFailsWhole_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        const QString plan = Path("plan.rdat");
        QTest::newRow("new") << "zr40" << QStringList{"new", "-o", "OUT"};
        QTest::newRow("import") << "zr40" << QStringList{"import", Path("in.json"), "-o", "OUT"};
        for (const char* format : {"json", "csv", "common-csv"})
            QTest::addRow("export %s", format)
                << "zr40" << QStringList{"export", plan, "--format", format, "-o", "OUT"};
        QTest::newRow("print") << "zr40" << QStringList{"print", plan, "-o", "OUT"};
        QTest::newRow("app save") << "app" << QStringList{"--app-writer", "save", "OUT"};
        QTest::newRow("app export") << "app" << QStringList{"--app-writer", "export", "OUT"};
        QTest::newRow("app print to pdf") << "app" << QStringList{"--app-writer", "pdf", "OUT"};
        QTest::newRow("virtual radio memory") << "sim" << QStringList{"--memory", "OUT"};
        QTest::newRow("backup before a write") << "backup" << QStringList{"--memory", "OUT"};
    }
    void everyWriterFailsWhole() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("target.file"));
        const bool radio = program == QLatin1String("sim") || program == QLatin1String("backup");
        const QByteArray old = radio ? RadioDataFile::Serialize(DistinctCodeplug(8)) : kOld;
        QVERIFY(WriteFile(target, old));
        arguments.replace(arguments.indexOf(QStringLiteral("OUT")), target);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           folder.filePath(QStringLiteral("data")));
        QByteArray said;
        if (radio) {
            SimProcess sim;
            if (program == QLatin1String("sim"))
                LimitFileSize(sim.process);
            QVERIFY(sim.Start(arguments + QStringList{"--no-pace"}));
            QProcess cli;
            cli.setProcessEnvironment(environment);
            if (program == QLatin1String("backup"))
                LimitFileSize(cli, RadioDataFile::kFileSize / 2); // room for the port's lock file
            QStringList write{"write", "--port", sim.device(), Path("plan.rdat")};
            if (program == QLatin1String("sim"))
                write << "--no-backup";
            cli.start(CliProgram(), write);
            QVERIFY(cli.waitForFinished(60000));
            sim.Stop();
            said = cli.readAllStandardError() + sim.process.readAllStandardError();
            // The radio took the plan and only its memory file failed; or nothing was written.
            QCOMPARE(cli.exitCode(), program == QLatin1String("sim") ? 0 : 1);
        } else {
            QProcess child;
            LimitFileSize(child);
            child.setProcessEnvironment(environment);
            child.start(program == QLatin1String("app") ? QCoreApplication::applicationFilePath()
                                                        : CliProgram(),
                        arguments);
            QVERIFY(child.waitForFinished(60000));
            said = child.readAllStandardError();
            QCOMPARE(child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1, 1);
        }
        const QString named = program == QLatin1String("backup") ? folder.path() : target;
        QVERIFY2(said.contains(named.toUtf8()) && said.contains(kReason), said.constData());
        QCOMPARE(ReadFile(target), old);
        QStringList files;
        for (QDirIterator it(folder.path(), QDir::Files | QDir::Hidden,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            files << QFileInfo(it.next()).fileName();
        QCOMPARE(files, QStringList{"target.file"});
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--app-writer") == 0)
        return AppWriter(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestFullDisk test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_full_disk.moc"
