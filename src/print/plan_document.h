#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "print/plan_page.h"
#include "print/plan_section.h"
#include "print/print_sections.h"

#include <QDate>
#include <QFont>
#include <QPageLayout>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace zr40 {

// The printed channel plan: the same pages for the printer, the print preview and the PDF
// file. Every page starts with a header (program, file name, band, date, page n of m); a table
// that goes on over a page break repeats its header row there, and no row is ever cut.
class PlanDocument {
public:
    PlanDocument(const Codeplug& codeplug, const PrintSections& sections, const TextContext& ctx,
                 const QDate& date = QDate::currentDate());

    const QList<PlanSection>& Sections() const { return sections_; }
    // The two halves of a page's header line.
    QString HeaderLeft() const;
    QString HeaderRight(int page, int pages) const;
    // The caption above the header row repeated where a table goes on over a page break.
    QString ContinuedTitle(const QString& title) const;

    // Lays the plan out on pages of the device (fonts measured for it).
    QList<PlanPage> Paginate(QPaintDevice* device) const;
    // Paints every page on the device; false when the device cannot be painted on.
    bool Print(QPagedPaintDevice* device) const;
    // Writes the plan as a PDF document (A4 unless told otherwise); false when it cannot.
    bool WritePdf(QIODevice* output, const QPageLayout& layout = DefaultLayout()) const;

    // A4 portrait with 15 mm margins.
    static QPageLayout DefaultLayout();
    // The height the header takes at the top of every page.
    qreal HeaderHeight(QPaintDevice* device) const;

    enum class Style { Header, Title, Caption, HeaderCell, Cell };
    QFont Font(Style style) const;

private:
    void PaintPage(QPainter& painter, const PlanPage& page, int number, int pages) const;
    void PaintLine(QPainter& painter, const PlanLine& line) const;

    TextContext ctx_;
    QString fileName_;
    QString band_;
    QDate date_;
    QList<PlanSection> sections_;
};

} // namespace zr40
