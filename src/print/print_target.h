#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QPrinter;

namespace zr40 {

// Where the plan goes: an installed printer by name, or a PDF file (no printer name), with the
// paper and orientation chosen in the printer setup dialog.
struct PrintTarget {
    QString printerName;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    bool ToPdf() const { return printerName.isEmpty(); }
    // The page layout with the plan's margins.
    QPageLayout Layout() const;
    // Sets the printer up for this target; a PDF target writes to pdfPath.
    void Apply(QPrinter& printer, const QString& pdfPath = {}) const;
};

} // namespace zr40
