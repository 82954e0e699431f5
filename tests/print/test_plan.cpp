// The printed plan: what it says (every channel in use with the texts the pages show, the other
// parts in words, never a key) and its pages (a header on each, tables that repeat their header
// row after a page break and never cut a row, PDF text that reads as the page shows).

#include "channels/channel_rules.h"
#include "channels/channel_view.h"
#include "print/plan_content.h"
#include "print/plan_document.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>
#include <set>
#include <tuple>

using namespace zr40;

namespace {

const char kRxKey[] = "90817263545463";
const char kTxKey[] = "13572468097531246";

// A full plan: 32 channels, odd numbers analog, even numbers digital with both keys stored and
// enabled, receive lists, a message and side keys.
Codeplug FullPlan() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    cp.ApplyNewDefaults();
    cp.FileName = QStringLiteral("fleet.rdat");
    cp.BandLower = 400;
    cp.BandUpper = cp.BandUpperTx = 480;
    for (int c = 0; c < Codeplug::kChannels; ++c) {
        cp.ResetChannel(c);
        cp.RxFreq[c] = 400012500 + c * 1250000;
        cp.TxFreq[c] = cp.RxFreq[c] + 5000000;
        cp.RxColor[c] = ChannelRules::FrequencyColourCode(cp.RxFreq[c]);
        cp.TxColor[c] = ChannelRules::FrequencyColourCode(cp.TxFreq[c]);
        if (c % 2 == 0) {
            cp.RxCtcss[c] = 670 + c;
            cp.TxCtcss[c] = 670 + c;
            continue;
        }
        cp.ChannelType[c] = 2;
        cp.ChannelSpace[c] = 12500;
        cp.CallTypeTxID[c] = 0x800000 + c;
        cp.ChannelRxList[c] = c % 8;
        cp.RxKeyEnable[c] = cp.TxKeyEnable[c] = 1;
        const KeyEntry rx = ChannelRules::EnterKey(QString::fromLatin1(kRxKey));
        const KeyEntry tx = ChannelRules::EnterKey(QString::fromLatin1(kTxKey));
        cp.SetRxKeyWords(c, rx.words);
        cp.SetTxKeyWords(c, tx.words);
        cp.RxKeyLength[c] = rx.length;
        cp.TxKeyLength[c] = tx.length;
    }
    cp.RxListEntry[0] = 0x800001;
    cp.RxListEntry[1] = 0x80ABCD;
    cp.RxListEntry[2] = 5; // not a group ID: printed as empty
    cp.RxListEntry[7 * 8 + 7] = 0xFFFFFE;
    const QByteArray line1("CALL BASE 7");
    for (int k = 0; k < 64; ++k)
        cp.RadioImage[768 + k] = 0xFF;
    for (int k = 0; k < line1.size(); ++k)
        cp.RadioImage[768 + k] = static_cast<std::uint8_t>(line1[k]);
    cp.RadioImage[768 + 4] = 10; // a line feed is no character: "CALLBASE 7"
    cp.RadioImage[306] = 9;      // out of range: None
    cp.RadioImage[307] = 4;      // Alarm
    return cp;
}

// Every run of six digits of the stored keys: none of them may appear in a printout.
QStringList KeyDigitRuns() {
    QStringList runs;
    for (const char* digits : {kRxKey, kTxKey}) {
        const QString key = QString::fromLatin1(digits);
        for (int i = 0; i + 6 <= key.size(); ++i)
            runs << key.mid(i, 6);
    }
    return runs;
}

// The receive frequency text of channel c (0-based) of FullPlan.
QString RxText(int channel) {
    return ChannelRules::FrequencyText(400012500 + channel * 1250000, QLatin1Char('.'));
}

bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text pdftotext finds in a PDF document; empty when it cannot run.
QString PdfText(const QByteArray& pdf) {
    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size())
        return {};
    file.flush();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

const PlanTable* Table(const QList<PlanSection>& plan, PlanPart part, int index = 0) {
    for (const PlanSection& section : plan)
        if (section.part == part)
            return index < section.tables.size() ? &section.tables[index] : nullptr;
    return nullptr;
}

QStringList AllTexts(const QList<PlanSection>& plan) {
    QStringList texts;
    for (const PlanSection& section : plan) {
        texts << section.title;
        for (const PlanTable& table : section.tables) {
            texts << table.caption << table.headers;
            for (const QStringList& row : table.rows)
                texts << row;
        }
    }
    return texts;
}

using Kind = PlanLine::Kind;

const QDate kDate(2024, 5, 17);

QPageLayout Layout(QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    QPageLayout layout = PlanDocument::DefaultLayout();
    layout.setPageSize(QPageSize(size));
    layout.setOrientation(orientation);
    return layout;
}

// No word of a header is broken over two lines ("静噪等级" is one word): every column is at
// least as wide as the longest word of its header.
void HeaderWordsFit(const PlanDocument& document, const PlanLine& line, QPaintDevice* device) {
    const QFontMetricsF metrics(document.Font(PlanDocument::Style::HeaderCell), device);
    const qreal pad = 2 * device->logicalDpiY() / 25.4;
    for (int c = 0; c < line.cells.size(); ++c) {
        const QStringList words = line.cells[c].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words)
            QVERIFY2(line.columns[c + 1] - line.columns[c] - pad >= metrics.horizontalAdvance(word),
                     qPrintable(word));
    }
}

QByteArray Pdf(const PlanDocument& document, const QPageLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return document.WritePdf(&buffer, layout) ? buffer.data() : QByteArray();
}

} // namespace

class TestPlan : public QObject {
    Q_OBJECT
private slots:
    void languages_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("english") << true;
        QTest::newRow("chinese") << false;
    }

    void everyChannelInUseWithItsTexts_data() { languages_data(); }
    // Every channel in use with the grid's texts, in both languages, and no key anywhere.
    void everyChannelInUseWithItsTexts() {
        QFETCH(bool, english);
        const TextContext ctx{english, QLatin1Char('.')};
        const Codeplug cp = FullPlan();
        const auto plan = PlanContent::Build(cp, PrintSections::All(), ctx);
        const PlanTable* all = Table(plan, PlanPart::Channels, 0);
        const PlanTable* digital = Table(plan, PlanPart::Channels, 1);
        QVERIFY(all && digital);
        QCOMPARE(all->rows.size(), 32);
        QCOMPARE(digital->rows.size(), 16);
        for (int c = 0; c < 32; ++c) {
            const GridRowView grid = ChannelView::GridRow(cp, c, ctx);
            const QStringList row = all->rows[c];
            QCOMPARE(row.size(), all->headers.size());
            QCOMPARE(row.mid(0, 4),
                     (QStringList{QString::number(c + 1), RxText(c), grid.tx, grid.type}));
            QCOMPARE(row[6], grid.power);
        }
        // Channel 1 analog with its tones; channel 2 digital: no tones, its own call and list.
        QCOMPARE(all->rows[0].mid(4, 2), (QStringList{"67.0", "67.0"}));
        QCOMPARE(all->rows[1].mid(4, 2), (QStringList{PlanContent::Dash(), PlanContent::Dash()}));
        const QString on = english ? "On" : "开";
        const QString set = english ? "set" : "已设置";
        QCOMPARE(digital->rows[0], (QStringList{"2", "A", "A", english ? "Group Call" : "组呼",
                                                "800001", "2", on, set, on, set}));
        QCOMPARE(all->rows[1][7],
                 english ? QStringLiteral("12.5K(Narrow)") : QStringLiteral("12.5K(窄带)"));
        const QString text = AllTexts(plan).join(QLatin1Char('\n'));
        for (const QString& run : KeyDigitRuns())
            QVERIFY2(!text.contains(run), qPrintable(run));
    }

    void emptyChannelsAreLeftOut() {
        Codeplug cp = FullPlan();
        for (int c = 0; c < 32; ++c)
            if (c != 2 && c != 6)
                cp.RxFreq[c] = 0;
        const auto plan = PlanContent::Build(cp, PrintSections::All(), {true, '.'});
        const PlanTable* all = Table(plan, PlanPart::Channels);
        QCOMPARE(all->rows.size(), 2);
        QCOMPARE(all->rows[0][0], "3");
        QCOMPARE(all->rows[1][0], "7");
        QVERIFY(!Table(plan, PlanPart::Channels, 1)); // no digital channel left

        for (int c = 0; c < 32; ++c)
            cp.RxFreq[c] = 0;
        const auto none = PlanContent::Build(cp, PrintSections::All(), {true, '.'});
        QCOMPARE(Table(none, PlanPart::Channels)->rows.size(), 0);
        QVERIFY(!Table(none, PlanPart::Channels)->caption.isEmpty()); // says so
    }

    void otherPartsInWords() {
        Codeplug cp = FullPlan();
        cp.LocalID = 0x900000; // out of range: the page shows 0, and so does the print
        const auto en = PlanContent::Build(cp, PrintSections::All(), {true, '.'});
        QCOMPARE(Table(en, PlanPart::Options)->rows.first(), (QStringList{"Local ID", "0"}));
        QCOMPARE(Table(en, PlanPart::Keys, 1)->rows,
                 (QList<QStringList>{{"PF1", "None"}, {"PF2", "Alarm"}}));
        QCOMPARE(Table(en, PlanPart::Keys, 0)->rows.size(), 4); // PF1/PF2 short and long
        QCOMPARE(Table(en, PlanPart::Message)->rows,
                 (QList<QStringList>{{"1", "CALLBASE 7"}, {"2", PlanContent::Dash()}}));
        const PlanTable* lists = Table(en, PlanPart::RxLists);
        QCOMPARE(lists->rows.size(), 8);
        QCOMPARE(lists->rows[0].mid(0, 4),
                 (QStringList{"1", "800001", "80ABCD", PlanContent::Dash()}));
        QCOMPARE(lists->rows[7][8], "FFFFFE");
        QCOMPARE(cp.RadioImage[306], 9); // printing repairs nothing
    }

    void onlyTheTickedPartsInTheirOwnOrder() {
        const auto sections = PrintSections::Parse(QStringLiteral("rxlists, Channels"));
        QVERIFY(sections);
        const auto plan = PlanContent::Build(FullPlan(), *sections, {true, '.'});
        QCOMPARE(plan.size(), 2);
        QCOMPARE(plan[0].title, "Channel Information");
        QCOMPARE(plan[1].title, "Rx List");
    }

    void pages_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("orientation");
        QTest::newRow("english A4") << true << int(QPageSize::A4) << int(QPageLayout::Portrait);
        QTest::newRow("chinese A5 landscape")
            << false << int(QPageSize::A5) << int(QPageLayout::Landscape);
    }

    // Every row of every table lands on exactly one page, whole, in order, below a header row of
    // its own table on that page.
    void rowsStayWholeAndHeadersRepeat_data() { pages_data(); }
    void rowsStayWholeAndHeadersRepeat() {
        QFETCH(bool, english);
        QFETCH(int, size);
        QFETCH(int, orientation);
        const PlanDocument document(FullPlan(), PrintSections::All(), {english, '.'}, kDate);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            Layout(QPageSize::PageSizeId(size), QPageLayout::Orientation(orientation)));
        const QList<PlanPage> pages = document.Paginate(&writer);
        QVERIFY(pages.size() >= 2);
        const qreal top = document.HeaderHeight(&writer);
        std::set<std::tuple<int, int, int>> placed;
        std::tuple<int, int, int> previous{-1, -1, -1};
        int tablesBroken = 0;
        for (const PlanPage& page : pages) {
            QVERIFY(!page.lines.isEmpty());
            std::set<std::pair<int, int>> headed;
            qreal y = top;
            for (const PlanLine& line : page.lines) {
                QVERIFY(line.rect.top() >= y - 0.5);
                QVERIFY(line.rect.bottom() <= writer.height() + 0.5);
                y = line.rect.bottom();
                if (line.kind == Kind::HeaderRow) {
                    headed.insert({line.section, line.table});
                    HeaderWordsFit(document, line, &writer);
                }
                if (line.kind != Kind::Row)
                    continue;
                QVERIFY2(headed.count({line.section, line.table}), "row without its header");
                const std::tuple<int, int, int> key{line.section, line.table, line.row};
                QVERIFY(placed.insert(key).second);
                QVERIFY(key > previous);
                previous = key;
            }
            // A table continued from the page before repeats its header row at the top.
            const PlanLine& first = page.lines.first();
            if (first.kind == Kind::Caption && page.lines.size() > 1 &&
                page.lines[1].kind == Kind::HeaderRow && page.lines.size() > 2 &&
                page.lines[2].kind == Kind::Row && page.lines[2].row > 0)
                ++tablesBroken;
        }
        int rows = 0;
        for (const PlanSection& section : document.Sections())
            for (const PlanTable& table : section.tables)
                rows += table.rows.size();
        QCOMPARE(int(placed.size()), rows);
        QVERIFY(tablesBroken >= 1);
    }

    // The PDF holds text: every receive frequency, the header with "Page n of m" on every page,
    // the Chinese words as written, and no key.
    void pdfText_data() { pages_data(); }
    void pdfText() {
        QFETCH(bool, english);
        QFETCH(int, size);
        QFETCH(int, orientation);
        QVERIFY2(HavePdfToText(), "pdftotext is missing: run scripts/install-deps");
        const PlanDocument document(FullPlan(), PrintSections::All(), {english, '.'}, kDate);
        const QPageLayout layout =
            Layout(QPageSize::PageSizeId(size), QPageLayout::Orientation(orientation));
        const QString text = PdfText(Pdf(document, layout));
        QVERIFY(!text.isEmpty());
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        const int pages = int(document.Paginate(&writer).size());
        for (int page = 1; page <= pages; ++page) {
            const QString number =
                (english ? QStringLiteral("Page %1 of %2") : QStringLiteral("第 %1 页，共 %2 页"))
                    .arg(page)
                    .arg(pages);
            QVERIFY2(text.contains(number), qPrintable(number));
        }
        QCOMPARE(int(text.count(english ? "ZR40 Programming Software" : "ZR40 写频软件")), pages);
        QVERIFY(text.contains("fleet.rdat"));
        QVERIFY(text.contains("400-480 MHz"));
        QVERIFY(text.contains("2024-05-17"));
        for (int c = 0; c < 32; ++c)
            QVERIFY2(text.contains(RxText(c)), qPrintable(RxText(c)));
        const QStringList words = english
                                      ? QStringList{"Channel Information", "Alarm", "CALLBASE 7"}
                                      : QStringList{"信道信息", "侧键1长按", "已设置"};
        for (const QString& word : words)
            QVERIFY2(text.contains(word), qPrintable(word));
        for (const QString& run : KeyDigitRuns())
            QVERIFY2(!text.contains(run), qPrintable(run));
    }
};

QTEST_MAIN(TestPlan)
#include "test_plan.moc"
