#include "channels/ui/form_batch_channel_edit.h"
#include "channels/ui/form_channel_copy.h"
#include "channels/ui/form_channel_information.h"
#include "gui_support.h"
#include "shell/mdi_form_main.h"
#include "widgets/key_filter_edit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace zr40;

namespace {

template <typename W> W* Find(QWidget* parent, const char* name) {
    return parent->findChild<W*>(QString::fromLatin1(name));
}

// What the copy dialog showed when it opened, and the copy made in it.
struct CopySeen {
    int source = 0;
    int target = 0;
    int targets = 0;
    QString targetRowRx; // the grid's row of the target, read while the dialog is still open
};

// What Apply writes, in the order the setting panel lists the "Set" boxes.
QList<bool> SetFlags(const BatchChannelChoice& c) {
    return {c.setRxFreq,  c.setTxFreq,     c.decode.set, c.encode.set, c.setScanAdd,
            c.setReverse, c.setTalkAround, c.setTxPower, c.setSpace,   c.setBusyLock};
}

// The "Set" boxes in setting panel order (the order of SetFlags) and the editors each shows.
const QList<QPair<QString, QStringList>> kSetBoxEditors = {
    {"CheckSetRxFreq", {"FrameRxFreq"}},
    {"CheckSetTxFreq", {"FrameTxFreq"}},
    {"CheckSetDecode", {"FrameDecode"}},
    {"CheckSetEncode", {"FrameEncode"}},
    {"CheckSetScanAdd", {"CheckScanAdd"}},
    {"CheckSetReverse", {"CheckReverse"}},
    {"CheckSetTalkAround", {"CheckTalkAround"}},
    {"CheckSetTxPower", {"LabelTxPower", "ComboTxPower"}},
    {"CheckSetSpace", {"LabelSpace", "ComboSpace"}},
    {"CheckSetBusyLock", {"LabelBusyLock", "ComboBusyLock"}},
};

} // namespace

class TestChannelCopyBatch : public QObject {
    Q_OBJECT

    Codeplug cp;
    std::unique_ptr<test::ScriptedSeam> seam;
    std::unique_ptr<FormChannelInformation> page;

    void OpenGrid() {
        page = std::make_unique<FormChannelInformation>(cp);
        QVERIFY(test::ShowActive(page.get()));
    }
    // Answers the next copy dialog: records what it shows, copies onto `target`, closes.
    void CopyInNextDialog(CopySeen& seen, int target) {
        test::OnNextModal([this, &seen, target](QWidget* modal) {
            auto* dialog = qobject_cast<FormChannelCopy*>(modal);
            QVERIFY(dialog);
            auto* list = Find<QComboBox>(dialog, "ComboChannelTo");
            seen.source = dialog->CopySource();
            seen.target = list->currentIndex() + 1;
            seen.targets = list->count();
            list->setCurrentIndex(target - 1);
            Find<QPushButton>(dialog, "CommandCopy")->click();
            seen.targetRowRx = page->CellText(target, 1);
            Find<QPushButton>(dialog, "CommandCancel")->click();
        });
    }
    void RightClickRowHeader(int row) {
        QHeaderView* header = page->grid()->verticalHeader();
        const QPoint at(4, header->sectionViewportPosition(row - 1) + 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
        QApplication::sendEvent(header->viewport(), &event);
    }

private slots:
    void init() {
        cp = test::PageCodeplug();
        seam = std::make_unique<test::ScriptedSeam>();
        test::PutChannel(cp, 1, 435025000, 440000000);
        cp.RxKey[4] = 0x12345678;
        cp.RxKeyLength[1] = 8;
    }
    void cleanup() {
        page.reset();
        seam.reset();
    }

    // Shift+F3 on a filled cell and the row header's menu both open the copy dialog on that
    // row; the copy is in the grid while the dialog is still open.
    void copyDialogOpensOnTheRow_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Shift+F3") << false;
        QTest::newRow("row header menu") << true;
    }
    void copyDialogOpensOnTheRow() {
        QFETCH(bool, fromMenu);
        OpenGrid();
        QSignalSpy edited(page.get(), &ConfigPage::edited);
        CopySeen seen;
        CopyInNextDialog(seen, 9);
        if (fromMenu) {
            QTimer::singleShot(0, this, [this] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                QCOMPARE(menu->actions().first(), page->copyChannelAction());
                QVERIFY(page->copyChannelAction()->isEnabled());
                menu->setActiveAction(page->copyChannelAction());
                QTest::keyClick(menu, Qt::Key_Return);
            });
            RightClickRowHeader(2);
        } else {
            page->SetCurrentCell(2, 4);
            QTest::keyClick(page->grid(), Qt::Key_F3, Qt::ShiftModifier);
        }
        QCOMPARE(seen.source, 2);
        QCOMPARE(seen.target, 2);
        QCOMPARE(seen.targets, 32);
        QCOMPARE(seen.targetRowRx, QStringLiteral("435.02500"));
        QCOMPARE(cp.TxFreq[8], Long(440000000));
        QCOMPARE(cp.RxKey[32], Long(0x12345678));
        QCOMPARE(cp.RxKeyLength[8], Long(8));
        QCOMPARE(edited.count(), 1);
    }

    // An empty row has nothing to copy: no key, no menu entry opens the dialog.
    void emptyRowOffersNoCopy() {
        OpenGrid();
        QSignalSpy requested(page.get(), &FormChannelInformation::channelCopyRequested);
        page->SetCurrentCell(5, 1);
        QTest::keyClick(page->grid(), Qt::Key_F3, Qt::ShiftModifier);
        QMenu menu;
        page->FillRowMenu(menu, 5);
        QVERIFY(!page->copyChannelAction()->isEnabled());
        QCOMPARE(requested.count(), 0);
    }

    // Edit Setting swaps the panels; each "Set" box shows its editors only while ticked.
    void batchPanels_data() {
        QTest::addColumn<int>("position");
        for (int i = 0; i < kSetBoxEditors.size(); ++i)
            QTest::newRow(qPrintable(kSetBoxEditors[i].first)) << i;
    }
    void batchPanels() {
        QFETCH(int, position);
        const auto& [setBox, editors] = kSetBoxEditors.at(position);
        FormBatchChannelEdit dialog(cp);
        dialog.show();
        auto* edit = Find<QPushButton>(&dialog, "CommandEdit");
        auto* box = dialog.findChild<QCheckBox*>(setBox);
        QVERIFY(!dialog.SettingPanelShown());
        QVERIFY(!box->isVisible());
        edit->click();
        QVERIFY(dialog.SettingPanelShown() && box->isVisible());
        auto shown = [&] {
            QStringList visible;
            for (const QString& name : editors) {
                if (!dialog.findChild<QWidget*>(name)->isHidden())
                    visible << name;
            }
            return visible;
        };
        QCOMPARE(shown(), editors);
        box->click();
        QCOMPARE(shown(), QStringList());
        // Only the field of the cleared box drops out of what Apply writes.
        QList<bool> expected(10, true);
        expected[position] = false;
        QCOMPARE(SetFlags(dialog.Choice()), expected);
        Find<QPushButton>(&dialog, "CommandSelectAll")->click();
        QCOMPARE(shown(), editors);
        Find<QPushButton>(&dialog, "CommandSelectNone")->click();
        QVERIFY(!box->isChecked());
        edit->click();
        QVERIFY(!dialog.SettingPanelShown());
    }

    // Which editors each option and check box makes available.
    void batchEnabling_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QStringList>("disabled");
        QTest::newRow("opening") << QStringList{}
                                 << QStringList{"ComboDecodeStart", "CheckEncodeRandom",
                                                "TextEncodeStep"}
                                 << QStringList{"TextStartChannel", "TextEndChannel",
                                                "CheckOption",      "TextTxOffset",
                                                "OptionPlus",       "TextTxStartFreq",
                                                "TextTxStep",       "OptionTxStepUp"};
        QTest::newRow("range") << QStringList{"OptionArea1"}
                               << QStringList{"TextStartChannel", "TextEndChannel", "CheckOption"}
                               << QStringList{};
        QTest::newRow("offset") << QStringList{"OptionTxOffset"}
                                << QStringList{"TextTxOffset", "OptionPlus", "OptionMinus"}
                                << QStringList{"TextTxStartFreq", "TextTxStep", "OptionTxStepDown"};
        QTest::newRow("own transmit run")
            << QStringList{"OptionTxStartFreq"}
            << QStringList{"TextTxStartFreq", "TextTxStep", "OptionTxStepUp", "OptionTxStepDown"}
            << QStringList{"TextTxOffset", "OptionMinus"};
        QTest::newRow("random decode")
            << QStringList{"CheckDecodeRandom"} << QStringList{"TextEncodeStep"}
            << QStringList{"ComboDecodeStart", "TextDecodeStep", "OptionDecodeStepUp",
                           "OptionDecodeStepDown"};
        QTest::newRow("encode follows decode")
            << QStringList{"CheckEncodeDefault"} << QStringList{"ComboDecodeStart"}
            << QStringList{"CheckEncodeRandom", "ComboEncodeStart", "TextEncodeStep",
                           "OptionEncodeStepUp"};
        QTest::newRow("random encode, then default and back")
            << QStringList{"CheckEncodeRandom", "CheckEncodeDefault", "CheckEncodeDefault"}
            << QStringList{"CheckEncodeRandom"} << QStringList{"ComboEncodeStart"};
    }
    void batchEnabling() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, disabled);
        FormBatchChannelEdit dialog(cp);
        dialog.show();
        for (const QString& name : clicks)
            dialog.findChild<QAbstractButton*>(name)->click();
        for (const QString& name : enabled)
            QVERIFY2(dialog.findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
        for (const QString& name : disabled)
            QVERIFY2(!dialog.findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
    }

    // Buttons act only when pressed: Enter in a list or on a box presses none of them.
    void batchEnterPressesNoButton() {
        FormBatchChannelEdit dialog(cp);
        QSignalSpy edited(&dialog, &FormBatchChannelEdit::edited);
        QVERIFY(test::ShowActive(&dialog));
        auto* combo = Find<QComboBox>(&dialog, "ComboTxPower");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Return);
        Find<QPushButton>(&dialog, "CommandEdit")->click();
        auto* box = Find<QCheckBox>(&dialog, "CheckSetRxFreq");
        box->setFocus();
        box->click();
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!box->isChecked());
        QVERIFY(dialog.isVisible() && dialog.SettingPanelShown());
        QCOMPARE(edited.count(), 0);
    }

    // Through the main window: Apply in the batch editor shows in the open grid at once, and the
    // frequencies that hit the band edge are reported once.
    void applyUpdatesTheOpenGrid() {
        test::TemporarySettings settings;
        Codeplug shared;
        StartOptions english;
        english.language = QStringLiteral("en");
        MDIFormMain window(shared, english);
        auto* grid = qobject_cast<FormChannelInformation*>(window.Page(MDIFormMain::kChannelPage));
        QVERIFY(grid);
        test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<FormBatchChannelEdit*>(modal);
            QVERIFY(dialog);
            Find<QPushButton>(dialog, "CommandSelectNone")->click();
            Find<QCheckBox>(dialog, "CheckSetRxFreq")->click();
            Find<QRadioButton>(dialog, "OptionArea1")->click();
            auto* start = Find<KeyFilterEdit>(dialog, "TextStartChannel");
            auto* end = Find<KeyFilterEdit>(dialog, "TextEndChannel");
            start->setText(QStringLiteral("31"));
            end->setText(QStringLiteral("34"));
            Find<KeyFilterEdit>(dialog, "TextRxStartFreq")->setText(QStringLiteral("549.99"));
            Find<KeyFilterEdit>(dialog, "TextRxStep")->setText(QStringLiteral("6"));
            Find<QPushButton>(dialog, "CommandApply")->click();
        });
        window.BatchEdit();
        QCOMPARE(grid->CellText(31, 1), QStringLiteral("549.99000"));
        QCOMPARE(grid->CellText(32, 1), QStringLiteral("549.99600"));
        QCOMPARE(grid->CellText(31, 6), QStringLiteral("High"));
        QCOMPARE(shared.RxFreq[31], Long(549996000));
        QCOMPARE(seam->messages.size(), 1);
        QVERIFY(seam->messages.first().text.contains(QLatin1Char('2')));
        QVERIFY(window.IsModified());
    }
};

QTEST_MAIN(TestChannelCopyBatch)
#include "test_channel_copy_batch.moc"
