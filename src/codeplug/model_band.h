#pragma once

#include "codeplug/codeplug.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace zr40 {

// The radio is built for one band; the band decides which frequencies the pages accept. The band
// is coded in the model image (signature bytes 440..447: "K", band digit, "618", band code,
// 0xF8, 0xFF) and turned into whole-MHz limits here.
class ModelBand {
public:
    static constexpr int kSignatureOffset = 440;
    static constexpr int kBandDigitOffset = 441;
    static constexpr int kBandCodeOffset = 445;
    static constexpr std::uint8_t kVhfDigit = '2';
    static constexpr std::uint8_t kUhfDigit = '3';

    using Signature = std::array<std::uint8_t, 8>;
    struct Limits {
        int lower = 0;
        int upper = 0;
        bool operator==(const Limits&) const = default;
    };

    // Band limits from image bytes 441 and 445; an unknown code leaves the limits as they are.
    // Returns whether the code was known.
    static bool AnalyseModel(Codeplug& codeplug);
    // The limits a band digit and code stand for, if any.
    static std::optional<Limits> LimitsFromCode(std::uint8_t bandDigit, std::uint8_t bandCode);
    // The band digit and code written for given limits (first match wins; unknown -> "3", 131).
    static std::pair<std::uint8_t, std::uint8_t> CodeFromLimits(int lower, int upper);

    // --- Model dialog rules ---
    static QStringList ModelItems(); // {"ZR40"}
    static QStringList AreaItems();  // {"136-174MHz", "200-260MHz", "400-480MHz"}
    static Signature BuildSignature(int modelIndex, int areaIndex);
    static bool SignatureMatches(const Codeplug& codeplug, const Signature& signature);
    // "136-174MHz" -> {136, 174}; nullopt when the text does not carry two numbers there.
    static std::optional<Limits> LimitsFromAreaText(const QString& text);
    // The area item whose limits are the band in use, or -1 (the start-up 100-550 MHz).
    static int CurrentAreaIndex(const Codeplug& codeplug);

    // After a confirmed model change: the model data goes into image bytes 0..1023 (short data:
    // what there is), then bytes 441/445 follow the band limits.
    static void ApplyModelChange(Codeplug& codeplug, const QByteArray& modelData);
    // The model data file shipped with the program (":/model/Init.dat").
    static QByteArray LoadModelData();
};

} // namespace zr40
