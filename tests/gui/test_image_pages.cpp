// The key setting, scan information and embedded message pages on the model image.

#include "channels/image_channel_layout.h"
#include "functions/ui/form_embed_message.h"
#include "functions/ui/form_key_setting.h"
#include "functions/ui/form_scan_information.h"
#include "gui_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace zr40;
using namespace zr40::test;

namespace {

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QByteArray MessageBytes(const Codeplug& cp) {
    return QByteArray(reinterpret_cast<const char*>(cp.RadioImage.data()) + 768, 64);
}

} // namespace

class TestImagePages : public QObject {
    Q_OBJECT

private slots:
    // --- Key setting ---

    void keyRowsLoadAndStore() {
        Codeplug cp = PageCodeplug();
        cp.RadioImage[306] = 7;
        cp.RadioImage[307] = 4;
        FormKeySetting page(cp);
        QVERIFY(cp.KeySettingOpen);
        QCOMPARE(page.keySet(0)->currentIndex(), 0);
        QCOMPARE(int(cp.RadioImage[306]), 0); // an unknown code is repaired on loading
        QCOMPARE(page.keySet(1)->currentText(), QStringLiteral("Alarm"));
        QSignalSpy edited(&page, &ConfigPage::edited);
        PickAt(page.keySet(0), 2);
        QCOMPARE(int(cp.RadioImage[306]), 2);
        PickAt(page.keySet(0), 2); // the same again is no edit
        QCOMPARE(edited.size(), 1);
        QVERIFY(!page.keySet(2)->isVisibleTo(&page)); // the one-second presses stay hidden
    }

    // --- Scan information ---

    void scanLoads_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("revertByte");
        QTest::addColumn<int>("timeByte");
        QTest::addColumn<QString>("priority");
        QTest::addColumn<bool>("lookBack");
        QTest::addColumn<bool>("channels");
        QTest::addColumn<int>("revertItems");
        QTest::addColumn<QString>("revert");
        QTest::addColumn<QString>("time");
        QTest::newRow("mode 5") << 5 << 0 << 50 << "None" << false << false << 2 << "Selected"
                                << "5.0";
        QTest::newRow("fixed") << 1 << 3 << 55 << "Fixd" << true << true << 4
                               << "Priority+Talk Back"
                               << "1.0";
    }
    void scanLoads() {
        QFETCH(int, mode);
        QFETCH(int, revertByte);
        QFETCH(int, timeByte);
        QFETCH(QString, priority);
        QFETCH(bool, lookBack);
        QFETCH(bool, channels);
        QFETCH(int, revertItems);
        QFETCH(QString, revert);
        QFETCH(QString, time);
        Codeplug cp = PageCodeplug();
        cp.RadioImage[288] = static_cast<std::uint8_t>(mode);
        cp.RadioImage[292] = static_cast<std::uint8_t>(revertByte);
        for (int byte : {290, 291, 293, 294})
            cp.RadioImage[byte] = static_cast<std::uint8_t>(timeByte);
        const auto before = cp.RadioImage;
        FormScanInformation page(cp);
        QCOMPARE(page.priority()->currentText(), priority);
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(page.scanBackTime(row)->isEnabled(), lookBack);
            QCOMPARE(page.scanBackTime(row)->currentText(), time);
            QCOMPARE(page.scanDelay(row)->currentText(), time);
            QVERIFY(page.scanDelay(row)->isEnabled());
        }
        for (int g = 0; g < 8; ++g)
            QCOMPARE(page.priorityChannel(g)->isEnabled(), channels);
        QCOMPARE(page.revertChannel()->count(), revertItems);
        QCOMPARE(page.revertChannel()->currentText(), revert);
        QCOMPARE(cp.RadioImage, before); // nothing shown is written back (no group has channels)
    }

    void priorityModeChangesTheRevertList() {
        Codeplug cp = PageCodeplug();
        cp.RadioImage[288] = 1;
        cp.RadioImage[292] = 2;
        FormScanInformation page(cp);
        QSignalSpy edited(&page, &ConfigPage::edited);
        QCOMPARE(page.revertChannel()->currentText(), QStringLiteral("Priority"));
        PickAt(page.priority(), 0);
        QCOMPARE(int(cp.RadioImage[288]), 0);
        QCOMPARE(page.revertChannel()->count(), 2);
        QCOMPARE(page.revertChannel()->currentIndex(), -1); // the chosen item went away
        QCOMPARE(int(cp.RadioImage[292]), 2);
        QVERIFY(!page.scanBackTime(0)->isEnabled());
        PickAt(page.priority(), 2);
        QCOMPARE(Items(page.revertChannel()),
                 QStringList({"Selected", "Selected+Talk Back", "Priority", "Priority+Talk Back"}));
        QVERIFY(page.scanBackTime(1)->isEnabled());
        QVERIFY(!page.priorityChannel(0)->isEnabled());
        PickAt(page.revertChannel(), 3);
        PickAt(page.scanBackTime(1), 8);
        PickAt(page.scanDelay(0), 1);
        QCOMPARE(int(cp.RadioImage[292]), 3);
        QCOMPARE(int(cp.RadioImage[291]), 50);
        QCOMPARE(int(cp.RadioImage[293]), 15);
        QCOMPARE(edited.size(), 5);
    }

    void priorityChannelsOfTheGroups() {
        Codeplug cp = PageCodeplug();
        cp.RadioImage[288] = 1;
        for (int ch : {16 + 2, 16 + 10, 16 + 15}) // group 2: channels 3, 11, 16
            ImageChannelLayout::SetPresent(cp.RadioImage, ch, true);
        cp.RadioImage[313] = 9; // not present: the first one is taken
        cp.RadioImage[312] = 4; // group 1 has no channel: left as it is
        FormScanInformation page(cp);
        QCOMPARE(Items(page.priorityChannel(1)), QStringList({"3", "11", "16"}));
        QCOMPARE(page.priorityChannel(1)->currentText(), QStringLiteral("3"));
        QCOMPARE(int(cp.RadioImage[313]), 3);
        QCOMPARE(page.priorityChannel(0)->count(), 0);
        QCOMPARE(int(cp.RadioImage[312]), 4);
        PickAt(page.priorityChannel(1), 2);
        QCOMPARE(int(cp.RadioImage[313]), 16);
    }

    // --- Embedded message ---

    void messageLoads() {
        Codeplug cp = PageCodeplug();
        const QByteArray bytes =
            QByteArray("AB\nC") + QByteArray(28, char(0xFF)) + "z" + QByteArray(31, char(0xFF));
        std::copy(bytes.begin(), bytes.end(), cp.RadioImage.begin() + 768);
        FormEmbedMessage page(cp);
        QCOMPARE(page.line(0)->text(), QStringLiteral("ABC"));
        QCOMPARE(page.line(1)->text(), QStringLiteral("z"));
    }

    void messageTypedStoresBothLines_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("five letters")
            << "HELLO"
            << "HELLO" << QByteArray("HELLO") + QByteArray(59, char(0xFF));
        QTest::newRow("chinese refused") << QString::fromUtf8("Hi 你好!") << "Hi !"
                                         << QByteArray("Hi !") + QByteArray(60, char(0xFF));
        QTest::newRow("32 characters") << QString(40, 'x') << QString(32, 'x')
                                       << QByteArray(32, 'x') + QByteArray(32, char(0xFF));
    }
    void messageTypedStoresBothLines() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QByteArray, bytes);
        ScriptedSeam seam;
        Codeplug cp = PageCodeplug();
        FormEmbedMessage page(cp);
        QVERIFY(ShowActive(&page));
        page.line(0)->setFocus();
        TypeText(page.line(0), typed);
        QCOMPARE(page.line(0)->text(), kept);
        QSignalSpy edited(&page, &ConfigPage::edited);
        page.line(1)->setFocus(); // leaving line 1 stores both lines
        QCOMPARE(MessageBytes(cp), bytes);
        QCOMPARE(edited.size(), 1);
    }

    void messagePasteAndEnter() {
        ScriptedSeam seam;
        Codeplug cp = PageCodeplug();
        FormEmbedMessage page(cp);
        QVERIFY(ShowActive(&page));
        page.line(0)->setFocus();
        QGuiApplication::clipboard()->setText(QString::fromUtf8("中A文B\tC"));
        QTest::keyClick(page.line(0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(page.line(0)->text(), QStringLiteral("ABC"));
        QTest::keyClick(page.line(0), Qt::Key_Return);
        QCOMPARE(MessageBytes(cp).left(4), QByteArray("ABC\xFF"));
        QVERIFY(page.line(1)->hasFocus());
        QTest::keyClicks(page.line(1), "zr40");
        QTest::keyClick(page.line(1), Qt::Key_Return);
        QVERIFY(page.findChild<QPushButton*>("CommandClose")->hasFocus());
        QCOMPARE(MessageBytes(cp).mid(32, 5), QByteArray("zr40\xFF"));
    }
};

QTEST_MAIN(TestImagePages)
#include "test_image_pages.moc"
