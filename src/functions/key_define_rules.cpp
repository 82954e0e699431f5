#include "functions/key_define_rules.h"

#include "functions/option_texts.h"

#include <algorithm>

namespace zr40 {

namespace {

// Functions in the order of a full row: None, Monitor, Monitor Instant, Tx Power, Scan, Lamp,
// Channel Add, Channel Sub, Denoise Switch. In time mode each has a fixed code; the radio keeps
// 3, 7, 10 and 11 for functions this model lacks.
constexpr std::array<Long, 9> kTimeCodes = {-1, 1, 2, 4, 5, 6, 8, 9, 12};
constexpr int kFunctions = 9;
constexpr int kMonitorInstantFunction = 2;
constexpr int kLoopCascadeLastRow = 7;

// The function a stored code stands for (0 = None), or -1 when the code means nothing.
int FunctionOf(Long code, bool loop) {
    if (code == KeyDefineRules::kNone)
        return 0;
    if (loop)
        return code >= 1 && code < kFunctions ? static_cast<int>(code) : -1;
    const auto* found = std::find(kTimeCodes.begin() + 1, kTimeCodes.end(), code);
    return found == kTimeCodes.end() ? -1 : static_cast<int>(found - kTimeCodes.begin());
}

Long CodeOfFunction(int function, bool loop) {
    if (function <= 0 || function >= kFunctions)
        return KeyDefineRules::kNone;
    return loop ? function : kTimeCodes[function];
}

// Position of a function on a row: long-press rows in time mode lack Monitor Instant.
int PositionOfFunction(int row, int function, Long keyMethod) {
    if (KeyDefineRules::OffersMonitorInstant(row, keyMethod) || function < kMonitorInstantFunction)
        return function;
    return function == kMonitorInstantFunction ? -1 : function - 1;
}

int FunctionAtPosition(int row, int position, Long keyMethod) {
    if (KeyDefineRules::OffersMonitorInstant(row, keyMethod) || position < kMonitorInstantFunction)
        return position;
    return position + 1;
}

int RowItemCount(int row, Long keyMethod) {
    return KeyDefineRules::OffersMonitorInstant(row, keyMethod) ? kFunctions : kFunctions - 1;
}

} // namespace

bool KeyDefineRules::OffersMonitorInstant(int row, Long keyMethod) {
    return IsLoop(keyMethod) || IsShortPress(row);
}

QStringList KeyDefineRules::RowItems(int row, Long keyMethod, const TextContext& ctx) {
    QStringList items = OptionTexts::Items(QStringLiteral("ComboKeyDefine"), ctx);
    if (!OffersMonitorInstant(row, keyMethod))
        items.removeAt(kMonitorInstantFunction);
    return items;
}

QStringList KeyDefineRules::RowLabels(const TextContext& ctx) {
    QStringList labels;
    for (int row = 0; row < kShownRows; ++row)
        labels << OptionTexts::Caption(QStringLiteral("LabelKeyDefine%1").arg(row), ctx);
    return labels;
}

Long KeyDefineRules::CodeOf(int row, int position, Long keyMethod) {
    if (position < 0 || position >= RowItemCount(row, keyMethod))
        return kNone;
    return CodeOfFunction(FunctionAtPosition(row, position, keyMethod), IsLoop(keyMethod));
}

int KeyDefineRules::PositionOf(int row, Long code, Long keyMethod) {
    const int function = FunctionOf(code, IsLoop(keyMethod));
    return function < 0 ? -1 : PositionOfFunction(row, function, keyMethod);
}

QList<KeyRowSelection> KeyDefineRules::Click(Codeplug& cp, int row, int position) {
    QList<KeyRowSelection> changed;
    const Long method = cp.KeyMethod;
    if (row < 0 || row >= kRows || position < 0 || position >= RowItemCount(row, method))
        return changed;
    Long& code = cp.KeyDefine.at(row);
    if (position == 0) {
        code = kNone;
        // In loop mode the keys are taken in turn: nothing may follow an unassigned step.
        for (int next = row + 1; IsLoop(method) && next <= kLoopCascadeLastRow; ++next) {
            cp.KeyDefine.at(next) = kNone;
            changed << KeyRowSelection{next, 0};
        }
        return changed;
    }
    if (IsLoop(method)) {
        code = CodeOf(row, position, method);
    } else if (IsShortPress(row)) {
        code = CodeOf(row, position, method);
        // Monitor Instant holds the key for as long as it is pressed: no long press is left.
        if (code == kMonitorInstant) {
            cp.KeyDefine.at(row + 1) = kNone;
            changed << KeyRowSelection{row + 1, 0};
        }
    } else if (cp.KeyDefine.at(row - 1) == kMonitorInstant) {
        code = kNone;
        changed << KeyRowSelection{row, 0};
    } else {
        code = CodeOf(row, position, method);
    }
    return changed;
}

QList<KeyRowSelection> KeyDefineRules::ChangeKeyMethod(Codeplug& cp, int position) {
    if (position == 0 || position == 1) {
        const Long method = position + 1;
        const bool wasLoop = IsLoop(cp.KeyMethod);
        for (int row = 0; row < kRows; ++row) {
            int function = FunctionOf(cp.KeyDefine.at(row), wasLoop);
            if (PositionOfFunction(row, function, method) < 0)
                function = 0; // Monitor Instant is no long press in time mode
            cp.KeyDefine.at(row) = CodeOfFunction(function, IsLoop(method));
        }
        cp.KeyMethod = method;
    }
    QList<KeyRowSelection> rows;
    const std::array<int, kRows> positions = LoadRows(cp);
    for (int row = 0; row < kRows; ++row)
        rows << KeyRowSelection{row, positions[row]};
    return rows;
}

std::array<int, KeyDefineRules::kRows> KeyDefineRules::LoadRows(Codeplug& cp) {
    std::array<int, kRows> positions{};
    for (int row = 0; row < kRows; ++row) {
        Long& code = cp.KeyDefine.at(row);
        positions[row] = PositionOf(row, code, cp.KeyMethod);
        if (positions[row] < 0) {
            code = kNone;
            positions[row] = 0;
        }
    }
    return positions;
}

} // namespace zr40
