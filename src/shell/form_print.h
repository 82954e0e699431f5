#pragma once

#include "codeplug/text_context.h"
#include "print/print_sections.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QPushButton;

namespace zr40 {

// The print dialog: the parts of the plan to print, the printer setup, and OK, which is
// available only while a part is ticked. What OK and Print Setup do is given by the caller.
class FormPrint : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(QWidget* parent)> printerSetup;
        // Prints the ticked parts; false leaves the dialog open (nothing printed).
        std::function<bool(const PrintSections& sections, QWidget* parent)> print;
    };

    FormPrint(const TextContext& ctx, Actions actions, QWidget* parent = nullptr);

    PrintSections Sections() const;
    // The check box of a part ("Channel Information" ... "Rx List").
    QCheckBox* Check(PlanPart part) const { return checks_[static_cast<int>(part)]; }
    QPushButton* CommandOK() const { return commandOk_; }
    QPushButton* CommandCancel() const { return commandCancel_; }
    QPushButton* CommandSelectAll() const { return commandSelectAll_; }
    QPushButton* CommandClearAll() const { return commandClearAll_; }
    QPushButton* CommandPrinterSetting() const { return commandPrinterSetting_; }
    QPushButton* CommandHelp() const { return commandHelp_; }

private:
    void FillCaptions();
    void TickAll(bool ticked);
    void CommandOK_Click();

    TextContext ctx_;
    Actions actions_;
    QCheckBox* checks_[PrintSections::kCount] = {};
    QPushButton* commandOk_;
    QPushButton* commandCancel_;
    QPushButton* commandPrinterSetting_;
    QPushButton* commandSelectAll_;
    QPushButton* commandClearAll_;
    QPushButton* commandHelp_;
};

} // namespace zr40
