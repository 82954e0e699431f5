#include "plan_fixture_support.h"

#include "print/plan_document.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTest>
#include <set>
#include <tuple>

using namespace zr40;

namespace {

using Kind = PlanLine::Kind;

const QDate kDate(2024, 5, 17);

QPageLayout Layout(QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    QPageLayout layout = PlanDocument::DefaultLayout();
    layout.setPageSize(QPageSize(size));
    layout.setOrientation(orientation);
    return layout;
}

QByteArray Pdf(const PlanDocument& document, const QPageLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return document.WritePdf(&buffer, layout) ? buffer.data() : QByteArray();
}

} // namespace

// The pages of the printed plan: a header on each, tables that repeat their header row after a
// page break and never cut a row, and PDF text that reads as the page shows.
class TestPlanDocument : public QObject {
    Q_OBJECT
private slots:
    void pages_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("orientation");
        QTest::newRow("english A4") << true << int(QPageSize::A4) << int(QPageLayout::Portrait);
        QTest::newRow("chinese A4") << false << int(QPageSize::A4) << int(QPageLayout::Portrait);
        QTest::newRow("english A5 landscape")
            << true << int(QPageSize::A5) << int(QPageLayout::Landscape);
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
        const PlanDocument document(test::FullPlan(), PrintSections::All(), {english, '.'}, kDate);
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
                if (line.kind == Kind::HeaderRow)
                    headed.insert({line.section, line.table});
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
        QVERIFY2(test::HavePdfToText(), "pdftotext is missing: run scripts/install-deps");
        const PlanDocument document(test::FullPlan(), PrintSections::All(), {english, '.'}, kDate);
        const QPageLayout layout =
            Layout(QPageSize::PageSizeId(size), QPageLayout::Orientation(orientation));
        const QString text = test::PdfText(Pdf(document, layout));
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
            QVERIFY2(text.contains(test::RxText(c)), qPrintable(test::RxText(c)));
        const QStringList words =
            english ? QStringList{"Channel Information",
                                  "Optional Features",
                                  "Key Assignment",
                                  "Embedded Message",
                                  "Off",
                                  "Alarm",
                                  "CALLBASE 7"}
                    : QStringList{"信道信息", "可选功能", "键设定",    "嵌入信息", "接收列表",
                                  "无限制",   "发射功率", "侧键1长按", "已设置",   "页，共"};
        for (const QString& word : words)
            QVERIFY2(text.contains(word), qPrintable(word));
        for (const QString& run : test::KeyDigitRuns())
            QVERIFY2(!text.contains(run), qPrintable(run));
    }
};

QTEST_MAIN(TestPlanDocument)
#include "test_plan_document.moc"
