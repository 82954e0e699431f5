#include "gui_support.h"

#include "shell/form_print.h"
#include "shell/form_printer_setting.h"
#include "shell/mdi_form_main.h"
#include "shell/print_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace zr40;

namespace {

QList<PrinterEntry> TwoPrinters() {
    PrinterEntry office;
    office.name = "Office";
    office.driver = "HP LaserJet 4";
    office.port = "lpd://office";
    PrinterEntry lab;
    lab.name = "Lab";
    lab.driver = "Generic PostScript";
    lab.port = "usb://lab";
    lab.isDefault = true;
    lab.pageSizes = {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)};
    return {office, lab};
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The print dialog's rules, the printer setup list, printing to a PDF file from File > Print…
// and the preview.
class TestFormPrint : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowRig> rig_;

    MDIFormMain& Window() {
        if (!rig_->window) {
            rig_->options.language = QStringLiteral("en");
            rig_->Window().Printing().SetPrinterSource([] { return QList<PrinterEntry>{}; });
        }
        return *rig_->window;
    }

private slots:
    void init() { rig_ = std::make_unique<test::MainWindowRig>(); }
    void cleanup() { rig_.reset(); }

    // OK is there only while a part is ticked, however the boxes got their ticks.
    void okOnlyWhileAPartIsTicked() {
        FormPrint dialog({true, '.'}, {});
        const auto ticked = [&dialog] {
            int n = 0;
            for (int i = 0; i < PrintSections::kCount; ++i)
                n += dialog.Check(PrintSections::PartAt(i))->isChecked();
            return n;
        };
        QCOMPARE(ticked(), 0);
        QVERIFY(!dialog.CommandOK()->isEnabled());
        dialog.Check(PlanPart::Message)->click();
        QVERIFY(dialog.CommandOK()->isEnabled());
        dialog.Check(PlanPart::Message)->click();
        QVERIFY(!dialog.CommandOK()->isEnabled());
        dialog.CommandSelectAll()->click();
        QCOMPARE(ticked(), PrintSections::kCount);
        QVERIFY(dialog.CommandOK()->isEnabled());
        QCOMPARE(dialog.Sections(), PrintSections::All());
        dialog.Check(PlanPart::Channels)->click();
        QVERIFY(dialog.CommandOK()->isEnabled());
        dialog.CommandClearAll()->click();
        QCOMPARE(ticked(), 0);
        QVERIFY(!dialog.CommandOK()->isEnabled());
    }

    void helpAndPrinterSetupButtons() {
        int setups = 0;
        FormPrint dialog({false, '.'}, {[&setups](QWidget*) { ++setups; }, {}});
        dialog.CommandHelp()->click();
        QCOMPARE(rig_->seam.helpTopics, QStringList{"Print.htm"});
        QCOMPARE(rig_->seam.helpEnglish, QList<bool>{false});
        dialog.CommandPrinterSetting()->click();
        QCOMPARE(setups, 1);
    }

    void printersInSystemOrderDefaultSelected() {
        const QList<PrinterEntry> printers = TwoPrinters();
        FormPrinterSetting dialog({true, '.'}, printers,
                                  FormPrinterSetting::DefaultTarget(printers));
        QCOMPARE(Items(dialog.ComboPrinter()),
                 (QStringList{"Office,HP LaserJet 4,lpd://office",
                              "Lab,Generic PostScript,usb://lab", "Print to PDF file…"}));
        QCOMPARE(dialog.ComboPrinter()->currentIndex(), 1);
        QVERIFY(dialog.LabelNoPrinter()->isHidden());
        QCOMPARE(dialog.ComboPaperSize()->count(), 2); // the sizes this printer takes
        dialog.ComboPrinter()->setCurrentIndex(0);
        dialog.OptionLandscape()->click();
        const PrintTarget target = dialog.Target();
        QCOMPARE(target.printerName, "Office");
        QCOMPARE(target.orientation, QPageLayout::Landscape);
        QCOMPARE(target.pageSize.id(), QPageSize::A4);
        // The choice made last time comes back; a PDF choice too.
        FormPrinterSetting again({true, '.'}, printers, target);
        QCOMPARE(again.ComboPrinter()->currentIndex(), 0);
        QVERIFY(again.OptionLandscape()->isChecked());
        FormPrinterSetting pdf({true, '.'}, printers, PrintTarget{});
        QCOMPARE(pdf.ComboPrinter()->currentIndex(), 2);
        QVERIFY(pdf.Target().ToPdf());
    }

    void noPrinterSaysSoAndOffersPdf() {
        FormPrinterSetting dialog({false, '.'}, {}, FormPrinterSetting::DefaultTarget({}));
        QCOMPARE(dialog.ComboPrinter()->count(), 1);
        QVERIFY(!dialog.LabelNoPrinter()->isHidden());
        QVERIFY(dialog.Target().ToPdf());
    }

    // File > Print… with no printer: OK asks for a file and writes the plan there.
    void printToPdfFromTheFileMenu() {
        QAction* print = Window().Action(QStringLiteral("MenuPrint"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.pdf"));
        rig_->seam.AnswerFile(path);
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormPrint*>(modal);
            QVERIFY(dialog);
            dialog->Check(PlanPart::RxLists)->click();
            dialog->CommandOK()->click();
        });
        print->trigger();
        QCOMPARE(rig_->seam.fileDialogs.size(), 1);
        QCOMPARE(rig_->seam.fileDialogs[0].proposedName, "new.pdf");
        QVERIFY(!rig_->seam.fileDialogs[0].isOpen);
        QVERIFY(ReadAll(path).startsWith("%PDF"));
        QVERIFY(Window().Printing().LastSections().Has(PlanPart::RxLists));
        QVERIFY(!Window().Printing().LastSections().Has(PlanPart::Channels));

        // The file dialog cancelled: nothing written, the print dialog stays for another try.
        QFile::remove(path);
        bool stayed = false;
        test::OnNextModal([&stayed](QWidget* modal) {
            auto* dialog = qobject_cast<FormPrint*>(modal);
            QVERIFY(dialog);
            dialog->CommandSelectAll()->click();
            dialog->CommandOK()->click();
            stayed = dialog->isVisible();
        });
        print->trigger();
        QVERIFY(stayed);
        QVERIFY(!QFile::exists(path));
    }

    void previewShowsThePlan() {
        int pages = 0;
        test::OnNextModal([&](QWidget* modal) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
            QVERIFY(preview);
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            QVERIFY(widget);
            widget->updatePreview();
            pages = widget->pageCount();
            preview->reject();
        });
        Window().PrintPreview();
        QVERIFY(pages >= 1);
    }
};

QTEST_MAIN(TestFormPrint)
#include "test_form_print.moc"
