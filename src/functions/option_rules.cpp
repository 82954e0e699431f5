#include "functions/option_rules.h"

#include "functions/hidden_option_rules.h"
#include "functions/key_define_rules.h"

namespace zr40 {

namespace {

constexpr Long kVoxLevelTop = 10;
constexpr Long kVoxDelayLowest = 5;
constexpr Long kVoxDelayHighest = 150;
constexpr Long kVoxDelayRepaired = 50; // 1.0 s
constexpr Long kTotStep = 15;
constexpr Long kTwentyMsPerSecond = 50;
constexpr Long kIntervalLimit = 50000;
constexpr Long kVoltageTop = 10000;
constexpr Long kSaveSpecialOld = 30; // how earlier tools wrote "Special"

void RepairLoadValues(Codeplug& cp) {
    cp.LocalID = OptionRules::ShownLocalId(cp.LocalID);
    if (cp.VoxLevel < 0 || cp.VoxLevel > kVoxLevelTop)
        cp.VoxLevel = 0;
    if (cp.VoxDelay < kVoxDelayLowest || cp.VoxDelay > kVoxDelayHighest)
        cp.VoxDelay = kVoxDelayRepaired;
    // The key rows are read in the method the radio will use, so the method is settled first.
    if (cp.KeyMethod != 1)
        cp.KeyMethod = 2;
}

void LoadBatteryRows(Codeplug& cp, OptionView& view) {
    for (int row = 0; row < 8; ++row) {
        Long& interval = cp.VoltageWarningInterval.at(row);
        Long& lower = cp.VoltageLower.at(row);
        Long& upper = cp.VoltageUpper.at(row);
        if (interval >= kIntervalLimit)
            interval = 0;
        if (lower > kVoltageTop)
            lower = 0;
        if (upper > kVoltageTop)
            upper = 0;
        view.warningInterval[row] = QString::number(interval / kTwentyMsPerSecond);
        view.voltageLower[row] = QString::number(lower);
        view.voltageUpper[row] = QString::number(upper);
    }
}

void LoadSleepRows(Codeplug& cp, OptionView& view) {
    for (int row = 0; row < 4; ++row) {
        Long& point = cp.SleepPoint.at(row);
        if (point >= kIntervalLimit)
            point = 0;
        view.sleepPoint[row] = QString::number(point / kTwentyMsPerSecond);
        view.idleTime[row] = HiddenOptionRules::IdleTimeIndex(cp.IdleTime.at(row));
    }
}

} // namespace

OptionView OptionRules::AnalyseOption(Codeplug& cp) {
    RepairLoadValues(cp);
    OptionView view;
    view.localIdText = LocalIdText(cp.LocalID);
    view.voice = VoiceIndex(cp.VoicePrompt);
    view.save = SaveIndex(cp.IdleTime[0]);
    view.voxLevel = VoxLevelIndex(cp.VoxLevel);
    view.voxDelay = VoxDelayIndex(cp.VoxDelay);
    view.keyMethod = cp.KeyMethod;
    view.keyRows = KeyDefineRules::LoadRows(cp);
    view.tot = TotIndex(cp.OptionTOT);
    LoadBatteryRows(cp, view);
    LoadSleepRows(cp, view);
    return view;
}

int OptionRules::VoiceIndex(Long value) {
    if (value < 0)
        return 0;
    return value > 2 ? 2 : static_cast<int>(value);
}

Long OptionRules::VoiceValue(int index) {
    return index;
}

int OptionRules::TotIndex(Long value) {
    if (value < 6 || value > 40 * kTotStep)
        return 0;
    return static_cast<int>(value / kTotStep);
}

Long OptionRules::TotValue(int index) {
    return index <= 0 ? -1 : kTotStep * index;
}

int OptionRules::VoxLevelIndex(Long value) {
    return value < 0 || value > kVoxLevelTop ? 0 : static_cast<int>(value);
}

Long OptionRules::VoxLevelValue(int index) {
    return index;
}

int OptionRules::VoxDelayIndex(Long value) {
    if (value < kVoxDelayLowest || value > kVoxDelayHighest)
        value = kVoxDelayRepaired;
    return static_cast<int>(value / kVoxDelayLowest) - 1;
}

Long OptionRules::VoxDelayValue(int index) {
    return (index + 1) * kVoxDelayLowest;
}

int OptionRules::SaveIndex(Long idleTime0) {
    return idleTime0 == kSaveSpecial || idleTime0 == kSaveSpecialOld ? 1 : 0;
}

Long OptionRules::SaveValue(int index) {
    return index == 1 ? kSaveSpecial : kSaveNormal;
}

LocalIdEntry OptionRules::EnterLocalId(const QString& text) {
    if (text.isEmpty())
        return {0, text};
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok || value >= static_cast<uint>(kLocalIdLimit))
        return {kLocalIdLimit - 1, QStringLiteral("7FFFFF")};
    return {static_cast<Long>(value), text};
}

Long OptionRules::ShownLocalId(Long value) {
    return value < 0 || value >= kLocalIdLimit ? 0 : value;
}

QString OptionRules::LocalIdText(Long value) {
    return QString::number(static_cast<quint32>(value), 16).toUpper();
}

} // namespace zr40
