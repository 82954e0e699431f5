#pragma once

#include "codeplug/text_context.h"
#include "print/print_target.h"
#include "print/printer_list.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zr40 {

// The printer setup dialog: the installed printers in the system's order, each as
// "name,driver,port", then "Print to PDF file…", which is always there; the paper size and the
// orientation. OK makes the choice the target of the next print.
class FormPrinterSetting : public QDialog {
    Q_OBJECT
public:
    FormPrinterSetting(const TextContext& ctx, const QList<PrinterEntry>& printers,
                       const PrintTarget& current, QWidget* parent = nullptr);

    // The choice as it stands in the dialog.
    PrintTarget Target() const;
    // The target a machine starts with: its default printer, else a PDF file.
    static PrintTarget DefaultTarget(const QList<PrinterEntry>& printers);

    QComboBox* ComboPrinter() const { return comboPrinter_; }
    QComboBox* ComboPaperSize() const { return comboSize_; }
    QLabel* LabelNoPrinter() const { return labelNoPrinter_; }
    QLabel* LabelStatus() const { return status_; }
    QRadioButton* OptionLandscape() const { return optionLandscape_; }
    QRadioButton* OptionPortrait() const { return optionPortrait_; }
    QPushButton* CommandOK() const { return commandOk_; }
    QPushButton* CommandCancel() const { return commandCancel_; }

private:
    void BuildLayout();
    void FillCaptions();
    void FillPrinters(const PrintTarget& current);
    void ShowPrinter(int index);
    int IndexOf(const QString& printerName) const; // -1 when not installed
    bool IsPdfItem(int index) const { return index >= printers_.size(); }

    TextContext ctx_;
    QList<PrinterEntry> printers_;
    QComboBox* comboPrinter_;
    QComboBox* comboSize_;
    QComboBox* comboSource_;
    QLabel* status_;
    QLabel* type_;
    QLabel* where_;
    QLabel* comment_;
    QLabel* labelNoPrinter_;
    QRadioButton* optionPortrait_;
    QRadioButton* optionLandscape_;
    QPushButton* commandOk_;
    QPushButton* commandCancel_;
    QList<QLabel*> captions_; // name, status, type, where, comment, size, source
    QGroupBox* framePrinter_;
    QGroupBox* framePaper_;
    QGroupBox* frameOrientation_;
};

} // namespace zr40
