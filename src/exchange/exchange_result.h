#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zr40 {

// What an import (or an export) into the plan reports: whether it went in, why not, what was
// corrected or left out on the way, and which channels it wrote.
struct ExchangeResult {
    bool ok = true;
    QString error;           // why nothing was imported, when not ok
    QStringList warnings;    // values corrected, rows skipped or left out
    bool outOfRange = false; // a frequency was held to the band edge
    QList<int> channels;     // channel indexes (0..31) written or exported, in order
    QList<int> leftOver;     // rows (as a spreadsheet numbers them) past channel 32

    bool Fail(const QString& why) {
        ok = false;
        error = why;
        return false;
    }
};

} // namespace zr40
