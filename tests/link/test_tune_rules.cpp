// Tune data values and the programming password change, without windows.

#include "link/password_change_rules.h"
#include "link/tune_rules.h"

#include <QtTest>

using namespace zr40;

namespace {

const TextContext kEnglish{true, QLatin1Char('.')};

Codeplug Band400To480() {
    Codeplug c;
    c.ApplyNewDefaults();
    c.BandLower = 400;
    c.BandUpper = 480;
    c.TuneFreq[2] = 435000000;
    c.TuneBias[2] = 55;
    c.TuneOsc[2] = -12;
    c.TuneDigitalDev[2] = 300;
    c.TuneSq[2] = 90;
    return c;
}

using Cells = QMap<int, QString>;

} // namespace

class TestTuneRules : public QObject {
    Q_OBJECT

private slots:
    // A point's row shows only frequencies in the window, its values held to their ranges.
    void rowsShowOnlyFrequenciesInTheWindow() {
        const QStringList blank(5, QString());
        // clang-format off
        const std::tuple<Long, Long, Long, Long, QStringList> rows[] = { // hertz, bias, osc, squelch
            {0, 5, 5, 5, blank}, {550000000, 5, 5, 5, {"550.00000", "5", "5", "0", "5"}},
            {550000001, 5, 5, 5, blank}, {400125000, 250, 40000, 128, {"400.12500", "100", "0", "0", "0"}},
            {100000000, -3, -32768, -1, {"100.00000", "-3", "-32768", "0", "0"}}};
        // clang-format on
        for (const auto& [hertz, bias, osc, squelch, texts] : rows) {
            Codeplug c;
            c.TuneFreq[4] = hertz;
            c.TuneBias[4] = bias;
            c.TuneOsc[4] = osc;
            c.TuneDigitalDev[4] = 70000;
            c.TuneSq[4] = squelch;
            const auto row = TuneRules::RowTexts(c, 4, QLatin1Char('.'));
            QCOMPARE(QStringList(row.begin(), row.end()), texts);
        }
    }

    void pointRowsStayWithinTheTables() {
        Codeplug c;
        for (auto [count, rows] : {std::pair{10, 10}, {16, 16}, {40, 16}, {-2, 0}}) {
            c.TunePointCount = count;
            QCOMPARE(TuneRules::PointRows(c), rows);
        }
    }

    void cells_data() {
        QTest::addColumn<int>("point");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Cells>("cells");
        QTest::addColumn<bool>("outOfRange");
        QTest::addColumn<QList<Long>>("stored"); // freq, bias, osc, dev, sq
        using V = QList<Long>;
        const Cells blank{{1, ""}, {2, ""}, {3, ""}, {4, ""}, {5, ""}};
        // clang-format off
        QTest::newRow("600 above the band") << 2 << 1 << "600" << Cells{{1, "480.00000"}} << true << V{480000000, 55, -12, 300, 90};
        QTest::newRow("lone separator") << 2 << 1 << "." << Cells{{1, "400.00000"}} << true << V{400000000, 55, -12, 300, 90};
        QTest::newRow("in band padded") << 2 << 1 << "438.5" << Cells{{1, "438.50000"}} << false << V{438500000, 55, -12, 300, 90};
        QTest::newRow("blank row fills with 0") << 7 << 1 << "450" << Cells{{1, "450.00000"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}} << false << V{450000000, 0, 0, 0, 0};
        QTest::newRow("frequency emptied") << 2 << 1 << "" << blank << false << V{0, 0, 0, 0, 90};
        QTest::newRow("bias 101") << 2 << 2 << "101" << Cells{{2, "100"}} << false << V{435000000, 100, -12, 300, 90};
        QTest::newRow("osc -99999") << 2 << 3 << "-99999" << Cells{{3, "-32768"}} << false << V{435000000, 55, -32768, 300, 90};
        QTest::newRow("deviation -0") << 2 << 4 << "-" << Cells{{4, "0"}} << false << V{435000000, 55, -12, 0, 90};
        QTest::newRow("deviation 99999999") << 2 << 4 << "99999999" << Cells{{4, "32767"}} << false << V{435000000, 55, -12, 32767, 90};
        QTest::newRow("squelch 200") << 2 << 5 << "200" << Cells{{5, "127"}} << false << V{435000000, 55, -12, 300, 127};
        // clang-format on
    }
    void cells() {
        QFETCH(int, point);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(Cells, cells);
        QFETCH(bool, outOfRange);
        QFETCH(QList<Long>, stored);
        Codeplug c = Band400To480();
        c.TuneSq[7] = 44;
        const TuneCellEdit edit = TuneRules::EnterCell(c, point, column, typed, kEnglish);
        QCOMPARE(edit.cells, cells);
        QCOMPARE(edit.outOfRange, outOfRange);
        const QList<Long> now{c.TuneFreq[point], c.TuneBias[point], c.TuneOsc[point],
                              c.TuneDigitalDev[point], c.TuneSq[point]};
        QCOMPARE(now, stored);
        QCOMPARE(c.TuneFreq[3], 0); // no other point changes
    }

    void boxes_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Long>("stored");
        using B = TuneBox;
        // clang-format off
        for (auto [name, box, typed, shown, stored] : {std::tuple{"speaker empty", B::SpeakAmp, "", "0", -60},
             {"speaker 75", B::SpeakAmp, "75", "60", 0}, {"speaker 20", B::SpeakAmp, "20", "20", -40},
             {"cdcss 99999", B::CdcssDev, "99999", "15", 15},
             {"mic 43", B::MicAmp, "43", "42", 42}, {"noise W 70000", B::NoiseThW, "70000", "8191", 8191},
             {"noise N 99999999", B::NoiseThN, "99999999", "8191", 8191},
             {"noise N empty", B::NoiseThN, "", "0", 0}})
            QTest::newRow(name) << int(box) << QString(typed) << QString(shown) << Long(stored);
        // clang-format on
    }
    void boxes() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(Long, stored);
        Codeplug c;
        c.ResetTuneScalars();
        const TuneBoxEdit edit = TuneRules::EnterBox(c, TuneBox(box), typed);
        QCOMPARE(edit.text, shown);
        QCOMPARE(edit.value, stored);
        QCOMPARE(TuneRules::BoxValue(c, TuneBox(box)), stored);
        QCOMPARE(TuneRules::BoxText(c, TuneBox(box)), shown);
    }

    // Values from a radio outside the ranges show the nearer end and stay as they are stored.
    void boxesShowLimitsOfStoredValues_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<Long>("stored");
        QTest::addColumn<QString>("shown");
        using B = TuneBox;
        // clang-format off
        for (auto [name, box, stored, shown] : {std::tuple{"speaker above", B::SpeakAmp, 5, "60"},
             {"speaker below", B::SpeakAmp, -61, "0"}, {"speaker -40", B::SpeakAmp, -40, "20"},
             {"mic 77", B::MicAmp, 77, "42"}, {"ctcss -1", B::CtcssDev, -1, "0"},
             {"noise W 9000", B::NoiseThW, 9000, "8191"}})
            QTest::newRow(name) << int(box) << Long(stored) << QString(shown);
        // clang-format on
    }
    void boxesShowLimitsOfStoredValues() {
        QFETCH(int, box);
        QFETCH(Long, stored);
        QFETCH(QString, shown);
        Codeplug c;
        c.SpeakAmp = c.MicAmp = c.CtcssDev = c.NoiseThW = stored;
        QCOMPARE(TuneRules::BoxText(c, TuneBox(box)), shown);
        QCOMPARE(TuneRules::BoxValue(c, TuneBox(box)), stored);
    }

    // --- Password change ---

    void passwordChange_data() {
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("repeated");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<QByteArray>("imageBytes");
        // clang-format off
        QTest::newRow("mismatch") << "123" << "124" << false << QByteArray(6, 'x');
        QTest::newRow("three characters") << "123" << "123" << true << QByteArray("123\xFF\xFF\xFF");
        QTest::newRow("six") << "987654" << "987654" << true << QByteArray("987654");
        QTest::newRow("empty") << "" << "" << true << QByteArray(6, char(0xFF));
        // clang-format on
    }
    void passwordChange() {
        QFETCH(QString, newPassword);
        QFETCH(QString, repeated);
        QFETCH(bool, ready);
        QFETCH(QByteArray, imageBytes);
        Codeplug c;
        c.RadioImage.fill('x');
        c.ProgramPassword = QStringLiteral("kept");
        const auto prepared = PasswordChangeRules::Prepare(c, "4321", newPassword, repeated);
        QCOMPARE(prepared == PasswordChangeRules::Prepared::Ready, ready);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(c.RadioImage.data()) + 752, 6),
                 imageBytes);
        QCOMPARE(c.RadioImage[751], std::uint8_t('x'));
        QCOMPARE(c.RadioImage[758], std::uint8_t('x'));
        QCOMPARE(c.ProgramPassword, ready ? QStringLiteral("4321") : QStringLiteral("kept"));
    }

    void passwordChangeFinish() {
        using F = PasswordChangeRules::Finished;
        Codeplug c;
        c.ProgramPassword = QStringLiteral("4321");
        QCOMPARE(PasswordChangeRules::Finish(c, false, true, "55"), F::WrongOld);
        QCOMPARE(PasswordChangeRules::Finish(c, false, false, "55"), F::NotChanged);
        QCOMPARE(c.ProgramPassword, QStringLiteral("4321"));
        QCOMPARE(PasswordChangeRules::Finish(c, true, false, "55"), F::Changed);
        QCOMPARE(c.ProgramPassword, QStringLiteral("55"));
    }

    void passwordCharacters() {
        for (const char* kept : {"a", "Z", "7", " ", "~"})
            QVERIFY2(PasswordChangeRules::AcceptsPasswordCharacter(QLatin1Char(*kept)), kept);
        for (char16_t refused : {u'中', u'\u00FF', u'\t', u'\u0100'})
            QVERIFY(!PasswordChangeRules::AcceptsPasswordCharacter(QChar(refused)));
    }
};

QTEST_MAIN(TestTuneRules)
#include "test_tune_rules.moc"
