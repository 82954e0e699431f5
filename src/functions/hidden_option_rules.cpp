#include "functions/hidden_option_rules.h"

#include "codeplug/byte_rules.h"

namespace zr40 {

namespace {

constexpr Long kTwentyMsPerSecond = 50;
constexpr Long kSecondsTop = 999;
constexpr Long kVoltageTop = 10000;
constexpr int kExtensionBandLower = 400;
constexpr std::int16_t kExtendedTxTop = 520;
constexpr std::int16_t kNormalTxTop = 480;
constexpr std::array<Long, 3> kLongRatios = {20, 25, 30}; // positions 16, 17, 18
constexpr int kFirstLongRatio = 16;

void SetByte(Codeplug& cp, int index, int value) {
    cp.RadioImage.at(index) = static_cast<std::uint8_t>(value);
}

// A list position written as a byte; nothing selected (-1) writes nothing.
void SetPosition(Codeplug& cp, int index, int position) {
    if (position >= 0)
        SetByte(cp, index, position);
}

void SetBit(Codeplug& cp, int index, int bit, bool on) {
    const std::uint8_t mask = ShiftByteLeft(1, bit);
    std::uint8_t& byte = cp.RadioImage.at(index);
    byte = on ? (byte | mask) : (byte & ~mask);
}

// A decimal field: empty -> 0 (shown as emptyText), unreadable or above top -> top.
NumberEntry ReadNumber(const QString& text, Long top, const QString& emptyText) {
    if (text.isEmpty())
        return {0, emptyText};
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    if (!ok || value > static_cast<uint>(top))
        return {top, QString::number(top)};
    return {static_cast<Long>(value), text};
}

NumberEntry SecondsEntry(const QString& text, const QString& emptyText, Long& stored) {
    const NumberEntry seconds = ReadNumber(text, kSecondsTop, emptyText);
    stored = seconds.value * kTwentyMsPerSecond;
    return {stored, seconds.text};
}

} // namespace

void HiddenOptionRules::SetAlertLock(Codeplug& cp, bool ticked) {
    SetByte(cp, kByteAlertLock, ticked ? 0 : 1);
}

void HiddenOptionRules::SetResetAllow(Codeplug& cp, bool ticked) {
    SetByte(cp, kByteResetAllow, ticked ? 1 : 0);
}

void HiddenOptionRules::SetExtension(Codeplug& cp, bool ticked) {
    SetByte(cp, kByteExtension, ticked ? 1 : 0);
    if (cp.BandLower == kExtensionBandLower)
        cp.BandUpperTx = ticked ? kExtendedTxTop : kNormalTxTop;
}

void HiddenOptionRules::SetTail(Codeplug& cp, bool ticked) {
    SetByte(cp, kByteTail, ticked ? 1 : 0);
}

void HiddenOptionRules::SetVoxCancel(Codeplug& cp, bool ticked) {
    SetByte(cp, kByteVoxCancel, ticked ? 1 : 0);
}

void HiddenOptionRules::SetFeatureBit(Codeplug& cp, FeatureBit bit, bool ticked) {
    SetBit(cp, kByteFeatures, bit, ticked);
}

void HiddenOptionRules::SetRoger(Codeplug& cp, bool ticked) {
    SetBit(cp, kByteAlarm, kBitRoger, ticked);
}

void HiddenOptionRules::SetAlarmMethod(Codeplug& cp, int position) {
    if (position < 0 || position > 2)
        return;
    std::uint8_t& byte = cp.RadioImage.at(kByteAlarm);
    byte = (byte & 0x3F) | ShiftByteLeft(position + 1, 6);
}

void HiddenOptionRules::SetCallResponse(Codeplug& cp, int position) {
    SetPosition(cp, kByteCallResponse, position);
}

void HiddenOptionRules::SetMicReduction(Codeplug& cp, int position) {
    SetPosition(cp, kByteMicReduction, position);
}

void HiddenOptionRules::SetTotWarning(Codeplug& cp, int position) {
    SetPosition(cp, kByteTotWarning, position);
}

void HiddenOptionRules::SetSquelch(Codeplug& cp, int position) {
    SetPosition(cp, kByteSquelch, position);
}

NumberEntry HiddenOptionRules::EnterInfBank(Codeplug& cp, const QString& text) {
    const NumberEntry bank = ReadNumber(text, 99, text);
    SetByte(cp, kByteInfBank, ToBcd(bank.value));
    return bank;
}

NumberEntry HiddenOptionRules::EnterInfModel(Codeplug& cp, const QString& text) {
    const NumberEntry model = ReadNumber(text, 999, text);
    SetByte(cp, kByteInfModel, ToBcd(model.value / 100));
    SetByte(cp, kByteInfModel + 1, ToBcd(model.value % 100));
    return model;
}

Long HiddenOptionRules::IdleTimeValue(int position) {
    if (position >= kFirstLongRatio && position < kFirstLongRatio + 3)
        return kLongRatios[position - kFirstLongRatio];
    return position >= 0 && position < kFirstLongRatio ? position : 0;
}

int HiddenOptionRules::IdleTimeIndex(Long value) {
    for (int i = 0; i < 3; ++i) {
        if (value == kLongRatios[i])
            return kFirstLongRatio + i;
    }
    return value >= 0 && value < kFirstLongRatio ? static_cast<int>(value) : 0;
}

void HiddenOptionRules::SetIdleTime(Codeplug& cp, int row, int position) {
    if (position < 0)
        return; // nothing selected
    cp.IdleTime.at(row) = IdleTimeValue(position);
}

void HiddenOptionRules::SetSleepPointSeconds(Codeplug& cp, int position) {
    if (position < 0)
        return;
    cp.SleepPoint.at(0) = static_cast<Long>(position) * kTwentyMsPerSecond;
}

NumberEntry HiddenOptionRules::EnterSleepPoint(Codeplug& cp, int row, const QString& text) {
    return SecondsEntry(text, QStringLiteral("0"), cp.SleepPoint.at(row));
}

NumberEntry HiddenOptionRules::EnterWarningInterval(Codeplug& cp, int row, const QString& text) {
    return SecondsEntry(text, text, cp.VoltageWarningInterval.at(row));
}

NumberEntry HiddenOptionRules::EnterVoltageLower(Codeplug& cp, int row, const QString& text) {
    const NumberEntry entry = ReadNumber(text, kVoltageTop, text);
    cp.VoltageLower.at(row) = entry.value;
    return entry;
}

NumberEntry HiddenOptionRules::EnterVoltageUpper(Codeplug& cp, int row, const QString& text) {
    const NumberEntry entry = ReadNumber(text, kVoltageTop, text);
    cp.VoltageUpper.at(row) = entry.value;
    return entry;
}

} // namespace zr40
