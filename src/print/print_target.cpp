#include "print/print_target.h"

#include "print/plan_document.h"

#include <QPrinter>

namespace zr40 {

QPageLayout PrintTarget::Layout() const {
    QPageLayout layout = PlanDocument::DefaultLayout();
    layout.setPageSize(pageSize);
    layout.setOrientation(orientation);
    return layout;
}

void PrintTarget::Apply(QPrinter& printer, const QString& pdfPath) const {
    if (ToPdf()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        if (!pdfPath.isEmpty())
            printer.setOutputFileName(pdfPath);
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(printerName);
    }
    printer.setPageLayout(Layout());
}

} // namespace zr40
