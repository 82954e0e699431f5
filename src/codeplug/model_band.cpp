#include "codeplug/model_band.h"

#include <QFile>
#include <QRegularExpression>

namespace zr40 {

namespace {

struct BandRow {
    bool vhf;
    std::uint8_t code;
    int lower;
    int upper;
};

// Band codes of the model signature and the limits they stand for.
constexpr BandRow kBands[] = {
    {true, 1, 136, 174},   {true, 2, 134, 176},    {true, 3, 136, 150},    {true, 4, 150, 174},
    {false, 83, 350, 370}, {false, 99, 370, 390},  {false, 67, 400, 430},  {false, 51, 440, 480},
    {false, 33, 450, 490}, {false, 115, 400, 470}, {false, 131, 490, 512}, {false, 147, 400, 480},
};

// Band codes the dialog offers, by area index, for the VHF model (index 0) and any other model.
constexpr std::uint8_t kVhfAreaCodes[] = {1, 2, 3, 4};
constexpr std::uint8_t kUhfAreaCodes[] = {83, 99, 67, 51, 33, 115, 131, 147};
constexpr std::uint8_t kFallbackAreaCode = 115;

} // namespace

std::optional<ModelBand::Limits> ModelBand::LimitsFromCode(std::uint8_t bandDigit,
                                                           std::uint8_t bandCode) {
    const bool vhf = bandDigit == kVhfDigit;
    for (const BandRow& row : kBands)
        if (row.vhf == vhf && row.code == bandCode)
            return Limits{row.lower, row.upper};
    return std::nullopt;
}

bool ModelBand::AnalyseModel(Codeplug& codeplug) {
    const auto limits =
        LimitsFromCode(codeplug.RadioImage[kBandDigitOffset], codeplug.RadioImage[kBandCodeOffset]);
    if (!limits)
        return false;
    codeplug.BandLower = static_cast<std::int16_t>(limits->lower);
    codeplug.BandUpper = static_cast<std::int16_t>(limits->upper);
    codeplug.BandUpperTx = codeplug.BandUpper;
    return true;
}

std::pair<std::uint8_t, std::uint8_t> ModelBand::CodeFromLimits(int lower, int upper) {
    // The order matters: the first matching line wins, so 200-260 ends in the UHF fallback.
    if (upper == 174 && lower == 136)
        return {kVhfDigit, 1};
    if (upper == 174 && lower == 150)
        return {kVhfDigit, 4};
    if (upper == 176)
        return {kVhfDigit, 2};
    if (upper == 150)
        return {kVhfDigit, 3};
    if (upper == 370)
        return {kUhfDigit, 83};
    if (upper == 390)
        return {kUhfDigit, 99};
    if (upper == 430)
        return {kUhfDigit, 67};
    if (upper == 470)
        return {kUhfDigit, 115};
    if (upper == 480)
        return {kUhfDigit, lower == 400 ? std::uint8_t{147} : std::uint8_t{51}};
    if (upper == 490)
        return {kUhfDigit, 33};
    return {kUhfDigit, 131};
}

QStringList ModelBand::ModelItems() {
    return {QStringLiteral("ZR40")};
}

QStringList ModelBand::AreaItems() {
    return {QStringLiteral("136-174MHz"), QStringLiteral("200-260MHz"),
            QStringLiteral("400-480MHz")};
}

ModelBand::Signature ModelBand::BuildSignature(int modelIndex, int areaIndex) {
    const bool vhf = modelIndex == 0;
    std::uint8_t code = kFallbackAreaCode;
    if (vhf && areaIndex >= 0 && areaIndex < 4)
        code = kVhfAreaCodes[areaIndex];
    else if (!vhf && areaIndex >= 0 && areaIndex < 8)
        code = kUhfAreaCodes[areaIndex];
    return {'K', vhf ? kVhfDigit : kUhfDigit, '6', '1', '8', code, 0xF8, 0xFF};
}

bool ModelBand::SignatureMatches(const Codeplug& codeplug, const Signature& signature) {
    return std::equal(signature.begin(), signature.end(),
                      codeplug.RadioImage.begin() + kSignatureOffset);
}

std::optional<ModelBand::Limits> ModelBand::LimitsFromAreaText(const QString& text) {
    // Characters 1..3 and 5..7 of "136-174MHz".
    static const QRegularExpression pattern(QStringLiteral("^(\\d{3})-(\\d{3})"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return Limits{match.captured(1).toInt(), match.captured(2).toInt()};
}

int ModelBand::CurrentAreaIndex(const Codeplug& codeplug) {
    const Limits current{codeplug.BandLower, codeplug.BandUpper};
    const QStringList items = AreaItems();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (LimitsFromAreaText(items.at(i)) == current)
            return int(i);
    }
    return -1;
}

void ModelBand::ApplyModelChange(Codeplug& codeplug, const QByteArray& modelData) {
    const int n = std::min<int>(modelData.size(), Codeplug::kModelDataSize);
    for (int i = 0; i < n; ++i)
        codeplug.RadioImage[i] = static_cast<std::uint8_t>(modelData[i]);
    // The whole signature is written, not only the band bytes, so that an image that came short
    // (or not at all) still carries a model the band can be derived from again.
    const auto [digit, code] = CodeFromLimits(codeplug.BandLower, codeplug.BandUpper);
    const Signature signature{'K', digit, '6', '1', '8', code, 0xF8, 0xFF};
    std::copy(signature.begin(), signature.end(), codeplug.RadioImage.begin() + kSignatureOffset);
}

QByteArray ModelBand::LoadModelData() {
    QFile file(QStringLiteral(":/model/Init.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(Codeplug::kModelDataSize);
}

} // namespace zr40
