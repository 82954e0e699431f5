#include "print/plan_document.h"

#include "print/plan_content.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace zr40 {

namespace {

constexpr qreal kCellPaddingMm = 1.0;
constexpr qreal kSectionGapMm = 5.0;
constexpr qreal kTableGapMm = 3.0;
constexpr qreal kRuleMm = 0.2;
constexpr int kKeepTogetherRows = 10;
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter;

qreal Mm(QPaintDevice* device, qreal mm) {
    return mm * device->logicalDpiY() / 25.4;
}

qreal TextHeight(const QFont& font, QPaintDevice* device, qreal width, const QString& text) {
    const QFontMetricsF metrics(font, device);
    return qMax(metrics.height(),
                metrics.boundingRect(QRectF(0, 0, width, 1e7), kTextFlags, text).height());
}

// Left edges of the columns across the width, in proportion to the relative widths, and the
// right edge of the last column. A column is never narrower than its `least` width: the others
// give up the room it takes.
QList<qreal> ColumnEdges(const QList<int>& widths, qreal width, const QList<qreal>& least) {
    QList<qreal> columns(widths.size(), 0);
    QList<bool> held(widths.size(), false);
    for (bool again = true; again;) {
        again = false;
        qreal free = width;
        int share = 0;
        for (int c = 0; c < widths.size(); ++c) {
            if (held[c])
                free -= columns[c];
            else
                share += widths[c];
        }
        for (int c = 0; c < widths.size(); ++c) {
            if (held[c])
                continue;
            columns[c] = free * widths[c] / qMax(1, share);
            if (columns[c] < least.value(c)) {
                columns[c] = least.value(c);
                held[c] = again = true;
            }
        }
    }
    QList<qreal> edges{0};
    for (qreal column : columns)
        edges << edges.last() + column;
    return edges;
}

// The room each header needs so that no word of it breaks: its longest word, padded. A Chinese
// header is one word.
QList<qreal> HeaderWidths(const QStringList& headers, const QFont& font, QPaintDevice* device,
                          qreal pad) {
    const QFontMetricsF metrics(font, device);
    QList<qreal> least;
    for (const QString& header : headers) {
        qreal widest = 0;
        for (const QString& word : header.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = qMax(widest, metrics.horizontalAdvance(word));
        least << std::ceil(widest + 2 * pad + 1);
    }
    return least;
}

// Places the lines of the plan page after page, breaking before a line that would not fit.
class Flow {
public:
    Flow(const PlanDocument& document, QPaintDevice* device)
        : document_(document), device_(device), width_(device->width()), bottom_(device->height()),
          top_(document.HeaderHeight(device)), pad_(Mm(device, kCellPaddingMm)) {
        NewPage();
    }

    QList<PlanPage> Run() {
        const auto& sections = document_.Sections();
        for (int s = 0; s < sections.size(); ++s)
            for (int t = 0; t < sections[s].tables.size(); ++t)
                PlaceTable(s, t);
        return pages_;
    }

private:
    void NewPage() {
        pages_.append(PlanPage{});
        y_ = top_;
    }
    bool PageEmpty() const { return pages_.last().lines.isEmpty(); }

    qreal Height(PlanDocument::Style style, const QString& text) const {
        return TextHeight(document_.Font(style), device_, width_, text) + pad_;
    }
    qreal RowHeight(PlanDocument::Style style, const QList<qreal>& edges,
                    const QStringList& cells) const {
        qreal height = 0;
        for (int c = 0; c < cells.size() && c + 1 < edges.size(); ++c) {
            const qreal inner = edges[c + 1] - edges[c] - 2 * pad_;
            height = qMax(height, TextHeight(document_.Font(style), device_, inner, cells[c]));
        }
        return height + 2 * pad_;
    }

    void Place(PlanLine line, qreal height) {
        line.rect = QRectF(0, y_, width_, height);
        y_ += height;
        pages_.last().lines << line;
    }

    void PlaceTable(int s, int t) {
        const PlanSection& section = document_.Sections()[s];
        const PlanTable& table = section.tables[t];
        const QList<qreal> edges =
            ColumnEdges(table.widths, width_,
                        HeaderWidths(table.headers, document_.Font(PlanDocument::Style::HeaderCell),
                                     device_, pad_));
        const qreal gap = Mm(device_, t == 0 ? kSectionGapMm : kTableGapMm);
        const qreal title = t == 0 ? Height(PlanDocument::Style::Title, section.title) : 0;
        const qreal caption =
            table.caption.isEmpty() ? 0 : Height(PlanDocument::Style::Caption, table.caption);
        const qreal header = table.headers.isEmpty()
                                 ? 0
                                 : RowHeight(PlanDocument::Style::HeaderCell, edges, table.headers);
        // A short table goes whole onto the next page rather than leave a few rows behind.
        const int together = table.rows.size() <= kKeepTogetherRows ? table.rows.size() : 1;
        qreal first = 0;
        for (int r = 0; r < together; ++r)
            first += RowHeight(PlanDocument::Style::Cell, edges, table.rows[r]);
        // A title or a header row never stands alone at the foot of a page.
        if (!PageEmpty() && y_ + gap + title + caption + header + first > bottom_)
            NewPage();
        if (!PageEmpty())
            y_ += gap;
        if (t == 0)
            Place({PlanLine::Kind::Title, s, t, -1, {}, {section.title}, {}}, title);
        if (!table.caption.isEmpty())
            Place({PlanLine::Kind::Caption, s, t, -1, {}, {table.caption}, {}}, caption);
        const PlanLine headerLine{PlanLine::Kind::HeaderRow, s, t, -1, {}, table.headers, edges};
        if (!table.headers.isEmpty())
            Place(headerLine, header);
        qreal fresh = y_;
        for (int r = 0; r < table.rows.size(); ++r) {
            const qreal height = RowHeight(PlanDocument::Style::Cell, edges, table.rows[r]);
            if (y_ + height > bottom_ && y_ > fresh) {
                NewPage();
                const QString more = document_.ContinuedTitle(
                    table.caption.isEmpty() ? section.title : table.caption);
                Place({PlanLine::Kind::Caption, s, t, -1, {}, {more}, {}},
                      Height(PlanDocument::Style::Caption, more));
                Place(headerLine, header);
                fresh = y_;
            }
            Place({PlanLine::Kind::Row, s, t, r, {}, table.rows[r], edges}, height);
        }
    }

    const PlanDocument& document_;
    QPaintDevice* device_;
    const qreal width_, bottom_, top_, pad_;
    qreal y_ = 0;
    QList<PlanPage> pages_;
};

} // namespace

PlanDocument::PlanDocument(const Codeplug& cp, const PrintSections& sections,
                           const TextContext& ctx, const QDate& date)
    : ctx_(ctx), fileName_(cp.FileName), date_(date),
      sections_(PlanContent::Build(cp, sections, ctx)) {
    band_ = QStringLiteral("%1-%2 MHz").arg(cp.BandLower).arg(cp.BandUpper);
    if (cp.BandUpperTx != cp.BandUpper)
        band_ += ctx.Tr("PlanDocument", " (Tx up to %1 MHz)").arg(cp.BandUpperTx);
}

QString PlanDocument::HeaderLeft() const {
    const QString separator = QStringLiteral("  \u00b7  ");
    return ctx_.Tr("PlanDocument", "ZR40 Programming Software") + separator +
           (fileName_.isEmpty() ? PlanContent::Dash() : fileName_) + separator +
           ctx_.Tr("PlanDocument", "Band ") + band_;
}

QString PlanDocument::HeaderRight(int page, int pages) const {
    return date_.toString(Qt::ISODate) + QStringLiteral("  \u00b7  ") +
           ctx_.Tr("PlanDocument", "Page %1 of %2").arg(page).arg(pages);
}

QString PlanDocument::ContinuedTitle(const QString& title) const {
    return title + ctx_.Tr("PlanDocument", " (continued)");
}

QFont PlanDocument::Font(Style style) const {
    // Latin text in Noto Sans; Chinese from a face whose characters map back to themselves when
    // a PDF is searched or copied from, then from any CJK face there is.
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: text copied or searched in the PDF reads "Off", not "O\ufb00".
    font.setStyleStrategy(QFont::PreferNoShaping);
    switch (style) {
    case Style::Header:
        font.setPointSizeF(7.5);
        break;
    case Style::Title:
        font.setPointSizeF(12);
        font.setBold(true);
        break;
    case Style::Caption:
        font.setPointSizeF(9);
        font.setBold(true);
        break;
    case Style::HeaderCell:
        font.setPointSizeF(7.5);
        font.setBold(true);
        break;
    case Style::Cell:
        font.setPointSizeF(8);
        break;
    }
    return font;
}

qreal PlanDocument::HeaderHeight(QPaintDevice* device) const {
    return QFontMetricsF(Font(Style::Header), device).height() + Mm(device, 4);
}

QList<PlanPage> PlanDocument::Paginate(QPaintDevice* device) const {
    return Flow(*this, device).Run();
}

QPageLayout PlanDocument::DefaultLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

bool PlanDocument::WritePdf(QIODevice* output, const QPageLayout& layout) const {
    QPdfWriter writer(output);
    writer.setPageLayout(layout);
    writer.setTitle(ctx_.Tr("PlanDocument", "ZR40 channel plan"));
    writer.setCreator(QStringLiteral("ZR40 Programming Software"));
    return Print(&writer);
}

bool PlanDocument::Print(QPagedPaintDevice* device) const {
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const QList<PlanPage> pages = Paginate(device);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device->newPage())
            return false;
        PaintPage(painter, pages[i], i + 1, static_cast<int>(pages.size()));
    }
    return painter.end();
}

void PlanDocument::PaintPage(QPainter& painter, const PlanPage& page, int number, int pages) const {
    QPaintDevice* device = painter.device();
    const qreal width = device->width();
    painter.setFont(Font(Style::Header));
    painter.setPen(QPen(Qt::black, Mm(device, kRuleMm)));
    const qreal text = QFontMetricsF(Font(Style::Header), device).height();
    painter.drawText(QRectF(0, 0, width, text), Qt::AlignLeft | Qt::AlignVCenter, HeaderLeft());
    painter.drawText(QRectF(0, 0, width, text), Qt::AlignRight | Qt::AlignVCenter,
                     HeaderRight(number, pages));
    const qreal rule = text + Mm(device, 1.5);
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
    for (const PlanLine& line : page.lines)
        PaintLine(painter, line);
}

void PlanDocument::PaintLine(QPainter& painter, const PlanLine& line) const {
    QPaintDevice* device = painter.device();
    const qreal pad = Mm(device, kCellPaddingMm);
    switch (line.kind) {
    case PlanLine::Kind::Title:
    case PlanLine::Kind::Caption:
        painter.setFont(Font(line.kind == PlanLine::Kind::Title ? Style::Title : Style::Caption));
        painter.setPen(Qt::black);
        painter.drawText(line.rect.adjusted(0, 0, 0, -pad), kTextFlags, line.cells.value(0));
        return;
    case PlanLine::Kind::HeaderRow:
    case PlanLine::Kind::Row:
        break;
    }
    const bool header = line.kind == PlanLine::Kind::HeaderRow;
    painter.setFont(Font(header ? Style::HeaderCell : Style::Cell));
    const QColor fill = header ? QColor(0xE4, 0xE8, 0xEE)
                               : (line.row % 2 ? QColor(0xF6, 0xF7, 0xF9) : QColor(Qt::white));
    painter.fillRect(line.rect, fill);
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), Mm(device, kRuleMm)));
    painter.drawRect(line.rect);
    for (int c = 0; c < line.cells.size() && c + 1 < line.columns.size(); ++c) {
        const QRectF cell(line.columns[c], line.rect.top(), line.columns[c + 1] - line.columns[c],
                          line.rect.height());
        if (c > 0)
            painter.drawLine(cell.topLeft(), cell.bottomLeft());
        painter.setPen(Qt::black);
        painter.drawText(cell.adjusted(pad, pad, -pad, -pad), kTextFlags, line.cells[c]);
        painter.setPen(QPen(QColor(0x90, 0x90, 0x90), Mm(device, kRuleMm)));
    }
}

} // namespace zr40
