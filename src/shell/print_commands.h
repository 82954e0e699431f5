#pragma once

#include "codeplug/codeplug.h"
#include "print/print_sections.h"
#include "print/print_target.h"
#include "print/printer_list.h"

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace zr40 {

// File > Print… and Print Preview…: the print dialog, the printer setup, the preview, and
// printing the plan to the chosen printer or PDF file. It keeps the chosen printer and the
// parts last printed for the rest of the run.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    // `beforePrinting` commits what the pages still have in an editor: it is part of the plan.
    PrintCommands(Codeplug& codeplug, QWidget* window, std::function<void()> beforePrinting = {});

    void Print();
    void Preview();
    void PrinterSetup(QWidget* parent);
    // Prints the parts to the target; a PDF target first asks for the file. False when nothing
    // was printed (the file dialog cancelled, or the printer refused, after a message).
    bool PrintPlan(const PrintSections& sections, QWidget* parent);

    // The printer chosen in the printer setup, at first the system's default printer.
    const PrintTarget& Target();
    const PrintSections& LastSections() const { return last_; }
    // Where the printer setup gets the installed printers (tests give a fixed list).
    void SetPrinterSource(std::function<QList<PrinterEntry>()> source);

private:
    bool PrintToPdf(const class PlanDocument& document, QWidget* parent);
    void ShowFailure(QWidget* parent, const QString& why = {});
    bool english() const { return codeplug_.IsEnglish; }

    Codeplug& codeplug_;
    QWidget* window_;
    std::function<void()> beforePrinting_;
    std::function<QList<PrinterEntry>()> printers_;
    // Asked for when first needed: listing the printers can take a while.
    std::optional<PrintTarget> target_;
    PrintSections last_ = PrintSections::All();
};

} // namespace zr40
