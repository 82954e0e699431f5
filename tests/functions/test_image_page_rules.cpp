// Key setting, scan information and embedded message: the pages' bytes of the model image.

#include "channels/image_channel_layout.h"
#include "functions/embedded_message_rules.h"
#include "functions/key_setting_rules.h"
#include "functions/scan_information_rules.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

using Image = decltype(Codeplug::RadioImage);
using Scan = ScanInformationRules;
using Message = EmbeddedMessageRules;

namespace {

Image Blank(std::uint8_t fill = 0) {
    Image image{};
    image.fill(fill);
    return image;
}

void Present(Image& image, int group, std::initializer_list<int> numbers) {
    for (int number : numbers)
        ImageChannelLayout::SetPresent(image, group * 16 + number - 1, true);
}

QByteArray MessageBytes(const Image& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()) + Message::kFirstByte, 64);
}

} // namespace

class TestImagePageRules : public QObject {
    Q_OBJECT

private slots:
    // --- Key setting ---

    // The printout reads the stored byte as the page would show it, without repairing it; the
    // page repairs it when it loads the row.
    void keyRowsLoad() {
        // clang-format off
        const std::tuple<int, int, int, const char*> rows[] = { // row, stored, position, shown
            {0, 7, 0, "None"}, {1, 4, 4, "Alarm"}, {0, 3, 3, "Scramble"}, {2, 255, 0, "None"}};
        // clang-format on
        for (const auto& [row, stored, position, english] : rows) {
            Image image = Blank();
            const int byte = KeySettingRules::kFirstByte + row;
            image[byte] = static_cast<std::uint8_t>(stored);
            QCOMPARE(KeySettingRules::KeyText(image, row, English()), english);
            QCOMPARE(image[byte], stored);
            QCOMPARE(KeySettingRules::LoadRow(image, row), position);
            QCOMPARE(int(image[byte]), position);
        }
    }

    void keySelectionStoresTheCode() {
        Image image = Blank(9);
        QVERIFY(KeySettingRules::Select(image, 1, 2));
        QCOMPARE(int(image[307]), 2);
        QVERIFY(!KeySettingRules::Select(image, 0, 5));
        QVERIFY(!KeySettingRules::Select(image, 4, 1));
        QCOMPARE(int(image[306]), 9);
        QCOMPARE(int(image[310]), 9);
        const auto shown = KeySettingRules::AnalyseKeySetting(image);
        QCOMPARE(shown[0], 0);
        QCOMPARE(shown[1], 2);
        QCOMPARE(int(image[308]), 9); // rows that are not shown are not repaired
    }

    // --- Scan information ---

    void scanTimes_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("position");
        // clang-format off
        for (auto [name, stored, position] : {std::tuple{"12 is no step", 12, 0}, {"55 above", 55, 0},
             {"5 below", 5, 0}, {"10 lowest", 10, 0}, {"25", 25, 3}, {"50 highest", 50, 8}})
            QTest::newRow(name) << stored << position;
        // clang-format on
    }
    void scanTimes() {
        QFETCH(int, stored);
        QFETCH(int, position);
        Image image = Blank();
        for (int byte : {290, 291, 293, 294})
            image[byte] = static_cast<std::uint8_t>(stored);
        const ScanView view = Scan::AnalyseScanInformation(image);
        QCOMPARE(std::tuple(view.lookBack[0], view.lookBack[1], view.delay[0], view.delay[1]),
                 std::tuple(position, position, position, position));
        QCOMPARE(std::pair(int(image[290]), int(image[294])), std::pair(stored, stored)); // kept
    }

    void scanTimeClicks() {
        Image image = Blank();
        QVERIFY(Scan::SelectLookBack(image, 1, 8));
        QVERIFY(Scan::SelectDelay(image, 0, 1));
        QVERIFY(!Scan::SelectDelay(image, 1, 9));
        QCOMPARE(int(image[291]), 50);
        QCOMPARE(int(image[293]), 15);
        QCOMPARE(int(image[294]), 0);
    }

    void modeChangeKeepsOrDropsTheRevertSelection_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("revert");
        QTest::addColumn<int>("after");
        QTest::newRow("fixed to none drops priority") << 1 << 0 << 2 << -1;
        QTest::newRow("fixed to none keeps selected") << 1 << 0 << 1 << 1;
        QTest::newRow("none to selected") << 0 << 2 << 1 << 1;
        QTest::newRow("fixed to selected") << 1 << 2 << 3 << 3;
    }
    void modeChangeKeepsOrDropsTheRevertSelection() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, revert);
        QFETCH(int, after);
        Image image = Blank();
        image[288] = static_cast<std::uint8_t>(from);
        image[292] = static_cast<std::uint8_t>(revert);
        const ScanModeView mode = Scan::SelectPriority(image, to);
        QCOMPARE(int(image[288]), to);
        QCOMPARE(Scan::RevertSelectionAfter(revert, mode.revertItems), after);
        QCOMPARE(int(image[292]), revert);
    }

    void priorityChannels_data() {
        QTest::addColumn<QList<int>>("present");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("after");
        QTest::newRow("empty group keeps its byte") << QList<int>{} << 7 << -1 << 7;
        QTest::newRow("stored channel present") << QList<int>{2, 9, 16} << 9 << 1 << 9;
        QTest::newRow("stored channel absent") << QList<int>{3, 12} << 5 << 0 << 3;
        QTest::newRow("high byte of the group") << QList<int>{10} << 0 << 0 << 10;
    }
    void priorityChannels() {
        QFETCH(QList<int>, present);
        QFETCH(int, stored);
        QFETCH(int, selected);
        QFETCH(int, after);
        const int group = 5;
        Image image = Blank();
        for (int number : present)
            Present(image, group, {number});
        Present(image, group - 1, {1, 4}); // neighbours are not counted
        Present(image, group + 1, {16});
        image[312 + group] = static_cast<std::uint8_t>(stored);
        const ScanGroupChannels list = Scan::LoadGroup(image, group);
        QCOMPARE(list.numbers, present);
        QCOMPARE(list.selected, selected);
        QCOMPARE(int(image[312 + group]), after);
        QVERIFY(Scan::SelectPriorityChannel(image, group, 16));
        QCOMPARE(int(image[312 + group]), 16);
        QVERIFY(!Scan::SelectPriorityChannel(image, 8, 1));
    }

    // --- Embedded message ---

    void messageLoads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::newRow("line feed skipped") << (QByteArray("AB\nCD") + QByteArray(27, char(0xFF)) +
                                               QByteArray("x") + QByteArray(31, char(0xFF)))
                                           << "ABCD"
                                           << "x";
        QTest::newRow("bytes 19, 20 and 127")
            << QByteArray("\x13\x14\x7F") + QByteArray(61, ' ')
            << QString(QChar(20)) + QString(29, ' ') << QString(32, ' ');
    }
    void messageLoads() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        Image image = Blank();
        std::copy(bytes.begin(), bytes.end(), image.begin() + Message::kFirstByte);
        const Message::Lines lines = Message::MessageLines(image);
        QCOMPARE(lines[0], line1);
        QCOMPARE(lines[1], line2);
        // Storing what was loaded keeps the characters and compacts each line.
        Message::StoreLines(image, lines);
        QCOMPARE(Message::MessageLines(image), lines);
        QCOMPARE(MessageBytes(image).left(line1.size()), line1.toLatin1());
        if (line1.size() < 32)
            QCOMPARE(int(image[Message::kFirstByte + line1.size()]), 255);
    }

    void messageStores_data() {
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("33 characters keep 32")
            << QString(33, 'z') << "" << QByteArray(32, 'z') + QByteArray(32, char(0xFF));
        QTest::newRow("chinese dropped") << QString::fromUtf8("A中B") << QString::fromUtf8("é")
                                         << QByteArray("AB") + QByteArray(62, char(0xFF));
    }
    void messageStores() {
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        QFETCH(QByteArray, bytes);
        Image image = Blank(7);
        Message::StoreLines(image, {line1, line2});
        QCOMPARE(MessageBytes(image), bytes);
        QCOMPARE(int(image[Message::kFirstByte - 1]), 7);
        QCOMPARE(int(image[Message::kFirstByte + 64]), 7);
    }

    void messageTyping() {
        for (QChar c : QStringLiteral("Hi there!~ 09"))
            QVERIFY(Message::Accepts(c));
        for (QChar c : QString::fromUtf8("欢é\t\n\x7f"))
            QVERIFY(!Message::Accepts(c));
    }
};

QTEST_MAIN(TestImagePageRules)
#include "test_image_page_rules.moc"
