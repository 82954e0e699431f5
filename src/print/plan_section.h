#pragma once

#include "print/print_sections.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zr40 {

// One table of the printed plan: an optional caption above it, a header row that is repeated
// on every page the table continues on, and rows that are never cut by a page break.
struct PlanTable {
    QString caption;
    QStringList headers;
    QList<int> widths; // relative column widths, one per header
    QList<QStringList> rows;
};

// One part of the plan under its title.
struct PlanSection {
    PlanPart part = PlanPart::Channels;
    QString title;
    QList<PlanTable> tables;
};

} // namespace zr40
