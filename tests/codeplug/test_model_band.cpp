#include "codeplug/model_band.h"

#include <QtTest>

using namespace zr40;

class TestModelBand : public QObject {
    Q_OBJECT

private slots:
    // Limits -> image bytes -> limits for every band the radio knows, and images it does not.
    void everyBandBothWays() {
        // clang-format off
        const std::tuple<int, int, char, int> known[] = {
            {136, 174, '2', 1}, {134, 176, '2', 2}, {136, 150, '2', 3}, {150, 174, '2', 4},
            {450, 490, '3', 33}, {440, 480, '3', 51}, {400, 430, '3', 67}, {350, 370, '3', 83},
            {370, 390, '3', 99}, {400, 470, '3', 115}, {490, 512, '3', 131}, {400, 480, '3', 147}};
        const std::tuple<int, int, char, int> unknown[] = {
            {400, 480, '9', 147}, // another digit counts as UHF
            {100, 550, 0, 0}, {100, 550, '2', 147}, {100, 550, '3', 1}};
        // clang-format on
        auto analysed = [](char digit, int code) {
            Codeplug cp;
            cp.ApplyStartupDefaults();
            cp.RadioImage[441] = std::uint8_t(digit);
            cp.RadioImage[445] = std::uint8_t(code);
            const bool recognised = ModelBand::AnalyseModel(cp);
            return std::tuple{recognised, int(cp.BandLower), int(cp.BandUpper),
                              int(cp.BandUpperTx)};
        };
        for (const auto& [lower, upper, digit, code] : known) {
            QCOMPARE(ModelBand::CodeFromLimits(lower, upper),
                     std::pair(std::uint8_t(digit), std::uint8_t(code)));
            QCOMPARE(analysed(digit, code), std::tuple(true, lower, upper, upper));
        }
        for (const auto& [lower, upper, digit, code] : unknown) {
            const auto [recognised, l, u, tx] = analysed(digit, code);
            QCOMPARE(std::tuple(l, u, tx), std::tuple(lower, upper, upper));
        }
    }

    // The dialog's three bands written into the image: 200-260 has no code of its own and reads
    // back as 490-512.
    void dialogAreas() {
        const std::pair<int, int> analysed[] = {{136, 174}, {490, 512}, {400, 480}};
        const QStringList areas = ModelBand::AreaItems();
        QCOMPARE(areas.size(), 3);
        for (int area = 0; area < 3; ++area) {
            const auto limits = ModelBand::LimitsFromAreaText(areas.at(area));
            QVERIFY(limits.has_value());
            Codeplug cp;
            cp.ApplyStartupDefaults();
            cp.BandLower = std::int16_t(limits->lower);
            cp.BandUpper = cp.BandUpperTx = std::int16_t(limits->upper);
            ModelBand::ApplyModelChange(cp, ModelBand::LoadModelData());
            QCOMPARE(int(cp.RadioImage[440]), int('K'));
            QCOMPARE(int(cp.RadioImage[447]), 0xFF);
            ModelBand::AnalyseModel(cp);
            QCOMPARE(std::pair(int(cp.BandLower), int(cp.BandUpper)), analysed[area]);
        }
        QVERIFY(!ModelBand::LimitsFromAreaText(QString()).has_value());
        QVERIFY(!ModelBand::LimitsFromAreaText(QStringLiteral("abc")).has_value());
    }

    void signatures() {
        const std::tuple<int, int, char, int> rows[] = {
            {0, 3, '2', 4}, {0, -1, '2', 115}, {1, 7, '3', 147}, {1, 8, '3', 115}};
        for (const auto& [model, area, digit, code] : rows) {
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
    }

    // Model data shorter or longer than the image: copied as far as it goes, never beyond.
    void modelDataOfOddSize() {
        const QByteArray shipped = ModelBand::LoadModelData();
        QCOMPARE(shipped.size(), 1024);
        QVERIFY(ModelBand::LimitsFromCode(std::uint8_t(shipped[441]), std::uint8_t(shipped[445])));
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
