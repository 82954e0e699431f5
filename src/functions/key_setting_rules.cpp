#include "functions/key_setting_rules.h"

namespace zr40 {

namespace {

constexpr const char* kItems[] = {
    QT_TRANSLATE_NOOP("KeySettingRules", "None"),  QT_TRANSLATE_NOOP("KeySettingRules", "Monitor"),
    QT_TRANSLATE_NOOP("KeySettingRules", "Scan"),  QT_TRANSLATE_NOOP("KeySettingRules", "Scramble"),
    QT_TRANSLATE_NOOP("KeySettingRules", "Alarm"),
};

constexpr const char* kRowNames[] = {"PF1", "PF2", "PF1_1s", "PF2_1s"};

bool ValidRow(int row) {
    return row >= 0 && row < KeySettingRules::kRows;
}

int PositionOf(std::uint8_t code) {
    return code > KeySettingRules::kLastCode ? 0 : code;
}

} // namespace

QStringList KeySettingRules::Items(const TextContext& ctx) {
    QStringList items;
    for (const char* item : kItems)
        items << ctx.Tr("KeySettingRules", item);
    return items;
}

QString KeySettingRules::RowName(int row) {
    return ValidRow(row) ? QString::fromLatin1(kRowNames[row]) : QString();
}

int KeySettingRules::LoadRow(Image& image, int row) {
    if (!ValidRow(row))
        return 0;
    std::uint8_t& code = image[kFirstByte + row];
    if (code > kLastCode)
        code = 0;
    return code;
}

std::array<int, KeySettingRules::kShownRows> KeySettingRules::AnalyseKeySetting(Image& image) {
    std::array<int, kShownRows> positions{};
    for (int row = 0; row < kShownRows; ++row)
        positions[row] = LoadRow(image, row);
    return positions;
}

bool KeySettingRules::Select(Image& image, int row, int position) {
    if (!ValidRow(row) || position < 0 || position > kLastCode)
        return false;
    image[kFirstByte + row] = static_cast<std::uint8_t>(position);
    return true;
}

QString KeySettingRules::KeyText(const Image& image, int row, const TextContext& ctx) {
    if (!ValidRow(row))
        return {};
    return ctx.Tr("KeySettingRules", kItems[PositionOf(image[kFirstByte + row])]);
}

} // namespace zr40
