#include "shell/print_commands.h"

#include "codeplug/file_writer.h"
#include "print/plan_document.h"
#include "shell/dialog_folders.h"
#include "shell/form_print.h"
#include "shell/form_printer_setting.h"
#include "widgets/ui_seam.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zr40 {

PrintCommands::PrintCommands(Codeplug& codeplug, QWidget* window,
                             std::function<void()> beforePrinting)
    : QObject(window), codeplug_(codeplug), window_(window),
      beforePrinting_(std::move(beforePrinting)) {
    SetPrinterSource(&PrinterList::System);
}

void PrintCommands::SetPrinterSource(std::function<QList<PrinterEntry>()> source) {
    printers_ = std::move(source);
    target_.reset();
}

const PrintTarget& PrintCommands::Target() {
    if (!target_)
        target_ = FormPrinterSetting::DefaultTarget(printers_());
    return *target_;
}

void PrintCommands::Print() {
    if (beforePrinting_)
        beforePrinting_();
    FormPrint dialog(TextContext::Of(codeplug_),
                     {[this](QWidget* parent) { PrinterSetup(parent); },
                      [this](const PrintSections& sections, QWidget* parent) {
                          return PrintPlan(sections, parent);
                      }},
                     window_);
    dialog.exec();
}

void PrintCommands::PrinterSetup(QWidget* parent) {
    FormPrinterSetting dialog(TextContext::Of(codeplug_), printers_(), Target(), parent);
    if (dialog.exec() == QDialog::Accepted)
        target_ = dialog.Target();
}

bool PrintCommands::PrintPlan(const PrintSections& sections, QWidget* parent) {
    const PlanDocument document(codeplug_, sections, TextContext::Of(codeplug_));
    bool printed = false;
    if (Target().ToPdf()) {
        printed = PrintToPdf(document, parent);
        if (!printed)
            return false;
    } else {
        QPrinter printer(QPrinter::HighResolution);
        Target().Apply(printer);
        printed = printer.isValid() && document.Print(&printer);
        if (!printed) {
            ShowFailure(parent);
            return false;
        }
    }
    last_ = sections;
    return true;
}

bool PrintCommands::PrintToPdf(const PlanDocument& document, QWidget* parent) {
    const QString proposed =
        QFileInfo(codeplug_.FileName).completeBaseName() + QStringLiteral(".pdf");
    const TextContext text = TextContext::Of(codeplug_);
    const QString path = UiSeam::Instance().FileDialog(
        parent, false, text.Tr("MDIFormMain", "Print to PDF file"),
        DialogFolders::Proposed(DialogFolders::kPdf, proposed),
        {text.Tr("MDIFormMain", "PDF document(*.pdf)"), text.Tr("MDIFormMain", "All file(*.*)")},
        QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    DialogFolders::Remember(DialogFolders::kPdf, path);
    // Made in memory first: the file is then written whole or not at all.
    QBuffer pdf;
    if (!pdf.open(QIODevice::WriteOnly) || !document.WritePdf(&pdf, Target().Layout())) {
        ShowFailure(parent);
        return false;
    }
    const FileResult written = FileWriter::Write(path, pdf.data());
    if (!written.ok())
        ShowFailure(parent, written.Message(english()));
    return written.ok();
}

void PrintCommands::ShowFailure(QWidget* parent, const QString& why) {
    const QString text =
        TextContext::Of(codeplug_).Tr("MDIFormMain", "The plan could not be printed.");
    UiSeam::Instance().Message(parent, QMessageBox::Critical, UiSeam::AppTitle(),
                               why.isEmpty() ? text : text + QLatin1Char('\n') + why,
                               QMessageBox::Ok);
}

void PrintCommands::Preview() {
    if (beforePrinting_)
        beforePrinting_();
    const PlanDocument document(codeplug_, last_, TextContext::Of(codeplug_));
    QPrinter printer(QPrinter::HighResolution);
    Target().Apply(printer);
    QPrintPreviewDialog dialog(&printer, window_);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(TextContext::Of(codeplug_).Tr("MDIFormMain", "Print Preview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&document](QPrinter* target) { document.Print(target); });
    dialog.resize(900, 700);
    dialog.exec();
}

} // namespace zr40
