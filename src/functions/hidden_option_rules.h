#pragma once

#include "codeplug/codeplug.h"

#include <QString>

namespace zr40 {

// A number field committed: the value stored and the text the field shows afterwards.
struct NumberEntry {
    Long value = 0;
    QString text;
};

// The function page's never-shown controls. Most of them set option bytes of the model image
// (RadioImage); a few fill the sleep and battery tables of the codeplug.
class HiddenOptionRules {
public:
    // Model image bytes they address.
    static constexpr int kByteCallResponse = 275;
    static constexpr int kByteVoxCancel = 279;
    static constexpr int kByteTail = 287;
    static constexpr int kByteMicReduction = 295;
    static constexpr int kByteAlertLock = 296;
    static constexpr int kByteResetAllow = 299;
    static constexpr int kByteExtension = 300;
    static constexpr int kByteFeatures = 303; // bit flags
    static constexpr int kByteTotWarning = 305;
    static constexpr int kByteSquelch = 308;
    static constexpr int kByteAlarm = 310; // bit flags and alarm method
    static constexpr int kByteInfBank = 311;
    static constexpr int kByteInfModel = 312; // and 313

    enum FeatureBit { // bits of byte 303
        kBitSave = 0,
        kBitBeep = 1,
        kBitVox = 4,
        kBitScramble = 5,
        kBitVoxTone = 6, // also the infrared monitor
        kBitInfMaster = 7
    };
    static constexpr int kBitRoger = 5; // byte 310

    static void SetAlertLock(Codeplug& codeplug, bool ticked); // stored inverted
    static void SetResetAllow(Codeplug& codeplug, bool ticked);
    // Byte 300; on a 400 MHz model the transmit band top follows: 520 ticked, 480 cleared.
    static void SetExtension(Codeplug& codeplug, bool ticked);
    static void SetTail(Codeplug& codeplug, bool ticked);
    static void SetVoxCancel(Codeplug& codeplug, bool ticked);
    static void SetFeatureBit(Codeplug& codeplug, FeatureBit bit, bool ticked);
    static void SetRoger(Codeplug& codeplug, bool ticked);
    static void SetAlarmMethod(Codeplug& codeplug, int position); // bits 7..6 = position + 1
    static void SetCallResponse(Codeplug& codeplug, int position);
    static void SetMicReduction(Codeplug& codeplug, int position);
    static void SetTotWarning(Codeplug& codeplug, int position);
    static void SetSquelch(Codeplug& codeplug, int position);
    static NumberEntry EnterInfBank(Codeplug& codeplug, const QString& text);  // 0..99, BCD
    static NumberEntry EnterInfModel(Codeplug& codeplug, const QString& text); // 0..999, BCD

    // Sleep ratio rows: position 0..15 as is, 16/17/18 -> 20/25/30.
    static Long IdleTimeValue(int position);
    static int IdleTimeIndex(Long value);
    static void SetIdleTime(Codeplug& codeplug, int row, int position);
    static void SetSleepPointSeconds(Codeplug& codeplug, int position); // element 0 = 50 x s
    // Text fields in seconds (stored in 20 ms units) and battery thresholds.
    static NumberEntry EnterSleepPoint(Codeplug& codeplug, int row, const QString& text);
    static NumberEntry EnterWarningInterval(Codeplug& codeplug, int row, const QString& text);
    static NumberEntry EnterVoltageLower(Codeplug& codeplug, int row, const QString& text);
    static NumberEntry EnterVoltageUpper(Codeplug& codeplug, int row, const QString& text);
    // The VOX check box also enables the VOX level, delay, cancel and tone controls.
    static bool VoxControlsEnabled(bool voxTicked) { return voxTicked; }
};

} // namespace zr40
