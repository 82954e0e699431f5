#pragma once

#include <QList>
#include <QPageSize>
#include <QPrinter>
#include <QString>

namespace zr40 {

// One installed printer as the printer setup dialog lists it.
struct PrinterEntry {
    QString name;
    QString driver; // make and model, where the system tells it
    QString port;   // location, where the system tells it
    QString comment;
    QPrinter::PrinterState state = QPrinter::Idle;
    bool isDefault = false;
    QList<QPageSize> pageSizes;

    // "name,driver,port".
    QString ItemText() const;
};

// The printers installed on this computer, in the order the system lists them.
class PrinterList {
public:
    static QList<PrinterEntry> System();
};

} // namespace zr40
