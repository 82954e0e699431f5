#include "print/printer_list.h"

#include <QPrinterInfo>

namespace zr40 {

QString PrinterEntry::ItemText() const {
    return name + QLatin1Char(',') + driver + QLatin1Char(',') + port;
}

QList<PrinterEntry> PrinterList::System() {
    QList<PrinterEntry> printers;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        PrinterEntry entry;
        entry.name = info.printerName();
        entry.driver = info.makeAndModel();
        entry.port = info.location();
        entry.comment = info.description();
        entry.state = info.state();
        entry.isDefault = info.isDefault();
        entry.pageSizes = info.supportedPageSizes();
        printers << entry;
    }
    return printers;
}

} // namespace zr40
