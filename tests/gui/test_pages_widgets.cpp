// The small pieces every page is built from: the filtered text box and the window-state record.

#include "channels/ui/form_rx_list.h"
#include "codeplug/key_filter.h"
#include "gui_support.h"
#include "widgets/key_filter_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
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

    // Whatever way text arrives, the box keeps what its kind allows and drops the rest.
    void everyInsertionIsFiltered_data() {
        QTest::addColumn<QString>("way");
        for (const char* way :
             {"typed", "ctrl+v", "shift+insert", "menu", "middle click", "drop", "input method"})
            QTest::newRow(way) << QString::fromLatin1(way);
    }
    void everyInsertionIsFiltered() {
        QFETCH(QString, way);
        const QString text = QStringLiteral("1234zzGG12\r");
        KeyFilterEdit box(KeyFilterKind::Hex);
        QVERIFY(test::ShowActive(&box));
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(text);
        if (way == "typed") {
            QTest::keyClicks(&box, text);
        } else if (way == "ctrl+v") {
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        } else if (way == "shift+insert") {
            QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == "menu") {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2),
                                   box.mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(&box, &menu);
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(popup);
            for (QAction* action : popup->actions()) {
                if (action->text().startsWith(QStringLiteral("&Paste")))
                    action->trigger();
            }
            popup->close();
        } else if (way == "middle click") {
            if (!clipboard->supportsSelection())
                QSKIP("no primary selection on this platform");
            clipboard->setText(text, QClipboard::Selection);
            QTest::mouseClick(&box, Qt::MiddleButton);
        } else if (way == "drop") {
            QMimeData data;
            data.setText(text);
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&box, &enter);
            QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&box, &drop);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(&box, &commit);
        }
        QCOMPARE(box.text(), QStringLiteral("123412"));
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
