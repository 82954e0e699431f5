// The manual pages are made from the programs' own --help at build time; these checks prove that
// every option a program's help lists, and every subcommand of zr40 with its options, is in the
// page the package installs.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString Program(const QString& name) {
    return QStringLiteral(ZR40_BINARY_DIR "/") + name;
}

QString PagePath(const QString& name) {
    return QStringLiteral(ZR40_BINARY_DIR "/man/") + name + QStringLiteral(".1");
}

QString HelpOf(const QString& program, QStringList arguments) {
    QProcess process;
    arguments << QStringLiteral("--help");
    process.start(Program(program), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The page as a reader sees it: roff escapes and font changes removed.
QString PlainPage(const QString& name) {
    QFile file(PagePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QRegularExpression(QStringLiteral(R"(\\f[BRIP]|\\[,/&])")));
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.replace(QStringLiteral("\\e"), QStringLiteral("\\"));
    return text;
}

// The options a help text lists: every -x and --name in the first column of its option lines.
QStringList ListedOptions(const QString& help) {
    QStringList options;
    static const QRegularExpression line(QStringLiteral(R"(^ {1,4}(-\S.*?)(?: {2,}|$))"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression option(QStringLiteral(R"(--?[A-Za-z][A-Za-z0-9-]*)"));
    static const QRegularExpression value(QStringLiteral("<[^>]*>"));
    for (auto lines = line.globalMatch(help); lines.hasNext();) {
        const QString names = lines.next().captured(1).remove(value); // "<LOW-HIGH>" is no option
        for (auto it = option.globalMatch(names); it.hasNext();)
            options << it.next().captured();
    }
    return options;
}

QStringList Subcommands(const QString& overview) {
    QStringList names;
    const QString list = overview.section(QStringLiteral("Commands:\n"), 1).section("\n\n", 0, 0);
    static const QRegularExpression name(QStringLiteral(R"(^  ([a-z][a-z0-9-]*) )"),
                                         QRegularExpression::MultilineOption);
    for (auto it = name.globalMatch(list); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

// The part of a page that documents one subcommand: from its subsection to the next heading.
QString SubsectionOf(const QString& page, const QString& command) {
    const QString heading = QStringLiteral(".SS \"zr40 %1 ").arg(command);
    const qsizetype from = page.indexOf(heading);
    if (from < 0)
        return {};
    static const QRegularExpression next(QStringLiteral(R"(\n\.S[SH] )"));
    const qsizetype to = page.indexOf(next, from + heading.size());
    return page.mid(from, to < 0 ? -1 : to - from);
}

bool Mentions(const QString& text, const QString& option) {
    return text.contains(
        QRegularExpression(QStringLiteral(R"((^|[^A-Za-z0-9-])%1($|[^A-Za-z0-9-]))")
                               .arg(QRegularExpression::escape(option))));
}

} // namespace

class TestManualPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!QFileInfo::exists(PagePath(QStringLiteral("zr40"))))
            QSKIP("no manual pages in this build: help2man was not found (scripts/install-deps "
                  "installs it)");
    }

    void everyListedOptionIsInThePage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("program");
        QTest::newRow("zr40") << "zr40" << QStringList() << "zr40";
        const QStringList commands = Subcommands(HelpOf(QStringLiteral("zr40"), {}));
        QVERIFY2(commands.size() >= 8, "zr40 --help lists its commands");
        for (const QString& command : commands)
            QTest::newRow(qPrintable("zr40 " + command))
                << "zr40" << QStringList{command} << "zr40";
        QTest::newRow("zr40-sim") << "zr40-sim" << QStringList() << "zr40-sim";
        if (QFileInfo::exists(Program(QStringLiteral("zr40cps"))))
            QTest::newRow("zr40cps") << "zr40cps" << QStringList() << "zr40cps";
    }

    void everyListedOptionIsInThePage() {
        QFETCH(QString, page);
        QFETCH(QStringList, arguments);
        QFETCH(QString, program);
        const QString help = HelpOf(program, arguments);
        QVERIFY2(!help.isEmpty(), "--help runs and exits 0");
        const QStringList options = ListedOptions(help);
        QVERIFY2(options.contains(QStringLiteral("--help")), qPrintable(help));
        const QString text = PlainPage(page);
        // A subcommand's options must be documented under that subcommand, not just somewhere.
        const QString part = arguments.isEmpty() ? text : SubsectionOf(text, arguments.first());
        QVERIFY2(!part.isEmpty(), "the page has a subsection for the command");
        for (const QString& option : options)
            QVERIFY2(Mentions(part, option), qPrintable(option + " missing in " + page + "(1)"));
    }

    // Each subcommand is an entry of its own in the page's list, never run into the one before.
    void everyCommandListedOnItsOwn() {
        const QString text = PlainPage(QStringLiteral("zr40"));
        for (const QString& command : Subcommands(HelpOf(QStringLiteral("zr40"), {})))
            QVERIFY2(text.contains(QStringLiteral("\n.TP\n%1\n").arg(command)),
                     qPrintable(command + " runs into another entry of zr40(1)"));
    }

    void pagesCarryTheirOwnSections_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("needed");
        QTest::newRow("zr40") << "zr40"
                              << QStringList{".SH \"EXIT STATUS\"", ".SH FILES", ".SH EXAMPLES",
                                             "dialout", "~/.config/NQ/ZR40.ini"};
        QTest::newRow("zr40-sim") << "zr40-sim"
                                  << QStringList{".SH \"EXIT STATUS\"", ".SH EXAMPLES"};
        if (QFileInfo::exists(Program(QStringLiteral("zr40cps"))))
            QTest::newRow("zr40cps")
                << "zr40cps"
                << QStringList{".SH \"EXIT STATUS\"", ".SH FILES", "dialout", "/dev/serial/by-id/"};
    }

    void pagesCarryTheirOwnSections() {
        QFETCH(QString, page);
        QFETCH(QStringList, needed);
        const QString text = PlainPage(page);
        for (const QString& piece : needed)
            QVERIFY2(text.contains(piece), qPrintable(piece + " missing in " + page + "(1)"));
        // The page is named after the program, not after a build path.
        QVERIFY(text.contains(QStringLiteral(".TH ") + page.toUpper() + QLatin1Char(' ')));
        QVERIFY(!text.contains(QStringLiteral(ZR40_BINARY_DIR)));
        QVERIFY(QFileInfo(PagePath(page) + QStringLiteral(".gz")).size() > 0);
    }
};

QTEST_GUILESS_MAIN(TestManualPages)
#include "test_manual_pages.moc"
