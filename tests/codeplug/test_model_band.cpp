#include "codeplug/model_band.h"

#include <QtTest>

using namespace zr40;

namespace {

Codeplug WithCode(std::uint8_t digit, std::uint8_t code) {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    cp.RadioImage[441] = digit;
    cp.RadioImage[445] = code;
    return cp;
}

void AddBandColumns() {
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("code");
}

} // namespace

class TestModelBand : public QObject {
    Q_OBJECT

private slots:
    // Limits -> bytes -> limits for every band code the radio knows, and unknown images.
    void everyBandBothWays_data() {
        AddBandColumns();
        QTest::newRow("136-174") << 136 << 174 << int('2') << 1;
        QTest::newRow("134-176") << 134 << 176 << int('2') << 2;
        QTest::newRow("136-150") << 136 << 150 << int('2') << 3;
        QTest::newRow("150-174") << 150 << 174 << int('2') << 4;
        QTest::newRow("450-490") << 450 << 490 << int('3') << 33;
        QTest::newRow("440-480") << 440 << 480 << int('3') << 51;
        QTest::newRow("400-430") << 400 << 430 << int('3') << 67;
        QTest::newRow("350-370") << 350 << 370 << int('3') << 83;
        QTest::newRow("370-390") << 370 << 390 << int('3') << 99;
        QTest::newRow("400-470") << 400 << 470 << int('3') << 115;
        QTest::newRow("490-512") << 490 << 512 << int('3') << 131;
        QTest::newRow("400-480") << 400 << 480 << int('3') << 147;
        // Unknown images: another digit counts as UHF, anything else is the full range.
        QTest::newRow("other digit") << 400 << 480 << int('9') << 147;
        QTest::newRow("zero image") << 100 << 550 << 0 << 0;
        QTest::newRow("VHF digit, UHF code") << 100 << 550 << int('2') << 147;
        QTest::newRow("UHF digit, VHF code") << 100 << 550 << int('3') << 1;
    }

    void everyBandBothWays() {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, digit);
        QFETCH(int, code);
        const bool known = QByteArray(QTest::currentDataTag()).contains('-');
        if (known) {
            const auto [d, c] = ModelBand::CodeFromLimits(lower, upper);
            QCOMPARE(int(d), digit);
            QCOMPARE(int(c), code);
        }
        Codeplug cp = WithCode(std::uint8_t(digit), std::uint8_t(code));
        const bool recognised = ModelBand::AnalyseModel(cp);
        QVERIFY(recognised || !known);
        QCOMPARE(int(cp.BandLower), lower);
        QCOMPARE(int(cp.BandUpper), upper);
        QCOMPARE(int(cp.BandUpperTx), upper);
    }

    // The dialog's three bands, written into the image and read back.
    void dialogAreas_data() {
        AddBandColumns();
        QTest::addColumn<int>("analysedLower");
        QTest::addColumn<int>("analysedUpper");
        QTest::addColumn<int>("area");
        QTest::newRow("136-174") << 136 << 174 << int('2') << 1 << 136 << 174 << 0;
        QTest::newRow("200-260") << 200 << 260 << int('3') << 131 << 490 << 512 << 1;
        QTest::newRow("400-480") << 400 << 480 << int('3') << 147 << 400 << 480 << 2;
    }

    void dialogAreas() {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, digit);
        QFETCH(int, code);
        QFETCH(int, analysedLower);
        QFETCH(int, analysedUpper);
        QFETCH(int, area);
        const QStringList areas = ModelBand::AreaItems();
        QCOMPARE(areas.size(), 3);
        const auto limits = ModelBand::LimitsFromAreaText(areas.at(area));
        QVERIFY(limits.has_value());
        QCOMPARE(limits->lower, lower);
        QCOMPARE(limits->upper, upper);
        Codeplug cp;
        cp.ApplyStartupDefaults();
        cp.BandLower = std::int16_t(limits->lower);
        cp.BandUpper = cp.BandUpperTx = std::int16_t(limits->upper);
        ModelBand::ApplyModelChange(cp, ModelBand::LoadModelData());
        QCOMPARE(int(cp.RadioImage[441]), digit);
        QCOMPARE(int(cp.RadioImage[445]), code);
        QCOMPARE(int(cp.RadioImage[440]), int('K'));
        QCOMPARE(int(cp.RadioImage[447]), 0xFF);
        ModelBand::AnalyseModel(cp);
        QCOMPARE(int(cp.BandLower), analysedLower);
        QCOMPARE(int(cp.BandUpper), analysedUpper);
        QVERIFY(!ModelBand::LimitsFromAreaText(QString()).has_value());
        QVERIFY(!ModelBand::LimitsFromAreaText(QStringLiteral("abc")).has_value());
    }

    void signatures_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("code");
        QTest::newRow("m0 a0") << 0 << 0 << int('2') << 1;
        QTest::newRow("m0 a3") << 0 << 3 << int('2') << 4;
        QTest::newRow("m0 none") << 0 << -1 << int('2') << 115;
        QTest::newRow("m1 a0") << 1 << 0 << int('3') << 83;
        QTest::newRow("m1 a7") << 1 << 7 << int('3') << 147;
        QTest::newRow("m1 a8") << 1 << 8 << int('3') << 115;
    }

    void signatures() {
        QFETCH(int, model);
        QFETCH(int, area);
        QFETCH(int, digit);
        QFETCH(int, code);
        const auto sig = ModelBand::BuildSignature(model, area);
        const ModelBand::Signature expected{'K', std::uint8_t(digit), '6',  '1',
                                            '8', std::uint8_t(code),  0xF8, 0xFF};
        QCOMPARE(sig, expected);
        Codeplug cp;
        QVERIFY(!ModelBand::SignatureMatches(cp, sig)); // all-zero image at start-up
        std::copy(sig.begin(), sig.end(), cp.RadioImage.begin() + 440);
        QVERIFY(ModelBand::SignatureMatches(cp, sig));
        cp.RadioImage[447] = 0;
        QVERIFY(!ModelBand::SignatureMatches(cp, sig));
    }

    void shippedModelData() {
        const QByteArray data = ModelBand::LoadModelData();
        QCOMPARE(data.size(), 1024);
        QCOMPARE(data.mid(440, 5), QByteArray("K3618"));
        QCOMPARE(std::uint8_t(data[446]), 0xF8);
        QCOMPARE(std::uint8_t(data[447]), 0xFF);
        QVERIFY(ModelBand::LimitsFromCode(std::uint8_t(data[441]), std::uint8_t(data[445])));
    }

    // Model data shorter or longer than the image: copied as far as it goes, never beyond.
    void modelDataOfOddSize() {
        Codeplug cp;
        cp.RadioImage[600] = 9;
        cp.BandLower = 136;
        cp.BandUpper = cp.BandUpperTx = 174;
        ModelBand::ApplyModelChange(cp, QByteArray(10, '\x05'));
        QCOMPARE(cp.RadioImage[9], 5);
        QCOMPARE(cp.RadioImage[600], 9);
        QVERIFY(ModelBand::SignatureMatches(cp, ModelBand::BuildSignature(0, 0)));
        Codeplug big;
        big.RadioImage[1024] = 7;
        ModelBand::ApplyModelChange(big, QByteArray(2000, '\x01'));
        QCOMPARE(big.RadioImage[1023], 1);
        QCOMPARE(big.RadioImage[1024], 7);
    }
};

QTEST_GUILESS_MAIN(TestModelBand)
#include "test_model_band.moc"
