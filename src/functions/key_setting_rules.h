#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QStringList>
#include <array>

namespace zr40 {

// The side keys PF1 and PF2 as single bytes of the model image: one function code per key, the
// code being the position in the key list (0 none, 1 monitor, 2 scan, 3 scramble, 4 alarm). Rows
// 2 and 3 (a one-second press) belong to keys this radio does not offer; their bytes are kept.
//
// This assignment lives in the model image only, apart from the function setup's key rows.
class KeySettingRules {
public:
    using Image = decltype(Codeplug::RadioImage);

    static constexpr int kFirstByte = 306; // PF1; PF2 at 307, the hidden rows at 308 and 309
    static constexpr int kRows = 4;
    static constexpr int kShownRows = 2;
    static constexpr int kLastCode = 4;

    // "None", "Monitor", "Scan", "Scramble", "Alarm" in the interface language.
    static QStringList Items(const TextContext& ctx);
    // "PF1", "PF2", "PF1_1s", "PF2_1s" (the same in both languages).
    static QString RowName(int row);

    // The position a row shows; a stored code above the list is replaced by 0 in the image.
    static int LoadRow(Image& image, int row);
    // The shown rows as a page loads them (each repaired as LoadRow does).
    static std::array<int, kShownRows> AnalyseKeySetting(Image& image);
    // A row's position chosen; false when it is no item of the list (nothing stored).
    static bool Select(Image& image, int row, int position);

    // The function of a key as words, for a printout: "Monitor"; a stored code above the list
    // reads as "None", as the page would show it.
    static QString KeyText(const Image& image, int row, const TextContext& ctx);
};

} // namespace zr40
