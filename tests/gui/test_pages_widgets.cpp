// The small pieces every page is built from: the filtered text box and the window-state record.

#include "channels/ui/form_rx_list.h"
#include "codeplug/key_filter.h"
#include "gui_support.h"
#include "widgets/key_filter_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
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

    void pasteIsFiltered() {
        KeyFilterEdit box(KeyFilterKind::Hex);
        QGuiApplication::clipboard()->setText(QStringLiteral("12-ab cd,ef99"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("12ABCD"));
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
