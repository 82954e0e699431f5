// The small pieces every page is built from: the filtered text box and the window-state record.

#include "channels/ui/form_rx_list.h"
#include "channels/ui/window_state_recorder.h"
#include "codeplug/key_filter.h"
#include "gui_support.h"
#include "shell/combo_fill.h"
#include "shell/key_filter_edit.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QtTest>

using namespace zr40;

class TestPagesWidgets : public QObject {
    Q_OBJECT

private slots:
    void typing_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("frequency") << KeyFilterKind::Frequency << "."
                                   << "462.5x.625"
                                   << "462.5625";
        QTest::newRow("frequency max 9") << KeyFilterKind::Frequency << "."
                                         << "1234567890"
                                         << "123456789";
        QTest::newRow("comma") << KeyFilterKind::Frequency << ","
                               << "462.5,6,25"
                               << "4625,625";
        QTest::newRow("hex") << KeyFilterKind::Hex << "."
                             << "a1g2b3c4"
                             << "A12B3C";
        QTest::newRow("key digits") << KeyFilterKind::Key << "."
                                    << "12ab34"
                                    << "1234";
        QTest::newRow("no zero") << KeyFilterKind::NonZero << "."
                                 << "1023"
                                 << "123";
    }
    void typing() {
        QFETCH(int, kind);
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        KeyFilterEdit box(kind);
        box.setDecimalSeparator(separator.at(0));
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), kept);
    }

    void typingOverASelection() {
        KeyFilterEdit box(KeyFilterKind::Frequency);
        box.setText(QStringLiteral("446.00625"));
        box.selectAll();
        QTest::keyClick(&box, '.'); // replaces the old separator with the selection
        QCOMPARE(box.text(), QStringLiteral("."));
        box.setText(QStringLiteral("446.00625"));
        box.setSelection(8, 1);
        QTest::keyClick(&box, '7'); // nine characters, one selected
        QCOMPARE(box.text(), QStringLiteral("446.00627"));
        QTest::keyClick(&box, '8');
        QCOMPARE(box.text(), QStringLiteral("446.00627"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("446.0062"));
    }

    void programTextIsShownAsItIs() {
        KeyFilterEdit box(KeyFilterKind::Key);
        box.setText(QStringLiteral("ABCDEF0123"));
        QCOMPARE(box.text(), QStringLiteral("ABCDEF0123"));
    }

    void pasteIsFiltered() {
        KeyFilterEdit box(KeyFilterKind::Hex);
        QGuiApplication::clipboard()->setText(QStringLiteral("12-ab cd,ef99"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("12ABCD"));
    }

    void enterEscapeAndFocusAreReported() {
        QWidget window;
        auto* box = new KeyFilterEdit(KeyFilterKind::Frequency, &window);
        auto* other = new KeyFilterEdit(KeyFilterKind::Frequency, &window);
        other->move(0, 40);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy enter(box, &KeyFilterEdit::enterPressed);
        QSignalSpy escape(box, &KeyFilterEdit::escapePressed);
        QSignalSpy lost(box, &KeyFilterEdit::focusLost);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(enter.size(), 2);
        QCOMPARE(escape.size(), 1);
        other->setFocus();
        QCOMPARE(lost.size(), 1);
    }

    void comboFill() {
        QComboBox combo;
        ComboFill::Append(combo, {"a", "b"});
        ComboFill::Append(combo, {"c"});
        QCOMPARE(combo.count(), 3);
        combo.setCurrentIndex(2);
        ComboFill::Replace(combo, {"x", "y"});
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.currentIndex(), -1);
    }

    void stateCodes() {
        QCOMPARE(WindowStateRecorder::StateCode(Qt::WindowNoState), std::int16_t(0));
        QCOMPARE(WindowStateRecorder::StateCode(Qt::WindowMinimized), std::int16_t(1));
        QCOMPARE(WindowStateRecorder::StateCode(Qt::WindowMaximized), std::int16_t(2));
        QCOMPARE(WindowStateRecorder::WindowStatesOf(2), Qt::WindowStates(Qt::WindowMaximized));
        QCOMPARE(WindowStateRecorder::WindowStatesOf(7), Qt::WindowStates(Qt::WindowNoState));
    }

    void pageInAnMdiWindowRecordsThatWindowsState() {
        test::ScriptedSeam seam;
        Codeplug cp;
        cp.ApplyStartupDefaults();
        QMdiArea area;
        area.resize(800, 600);
        auto* page = new FormRxList(cp);
        QMdiSubWindow* sub = area.addSubWindow(page);
        area.show();
        sub->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        sub->showMaximized();
        QTRY_COMPARE(cp.ChildWindowState, std::int16_t(2));
        sub->showMinimized();
        QTRY_COMPARE(cp.ChildWindowState, std::int16_t(1));
        sub->showNormal();
        QTRY_COMPARE(cp.ChildWindowState, std::int16_t(0));
        sub->close();
        QTRY_VERIFY(!cp.RxListOpen);
    }
};

QTEST_MAIN(TestPagesWidgets)
#include "test_pages_widgets.moc"
