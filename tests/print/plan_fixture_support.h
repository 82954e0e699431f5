#pragma once

#include "codeplug/codeplug.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zr40::test {

// A full plan: 32 channels, odd numbers analog, even numbers digital with both keys stored and
// enabled, receive lists, a message and side keys.
Codeplug FullPlan();
// Every run of six digits of the keys FullPlan stores: none of them may appear in a printout.
QStringList KeyDigitRuns();
// The receive frequency text of channel c (0-based) of FullPlan.
QString RxText(int channel);

// The text pdftotext finds in a PDF document; empty when it cannot run.
QString PdfText(const QByteArray& pdf);
// pdftotext is there (the package install script provides it).
bool HavePdfToText();

} // namespace zr40::test
