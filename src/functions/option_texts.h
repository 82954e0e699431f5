#pragma once

#include "codeplug/text_context.h"

#include <QString>
#include <QStringList>

namespace zr40 {

// Every caption and item list of the function setup page, in both languages, looked up by the
// control's name ("LabelVoice", "ComboVoice", "CheckTail", "window", ...).
class OptionTexts {
public:
    // The caption of a control; empty for an unknown name.
    static QString Caption(const QString& control, const TextContext& ctx);
    // The items of a list control ("ComboVoice", "ComboTOT", "ComboVoxLevel", "ComboVoxDelay",
    // "ComboSave", "ComboKeyMethod", "ComboTOTWarning", "ComboSQ", "ComboCall",
    // "ComboMicReduction", "ComboIdleTime", "ComboSleepPoint", "ComboAlarmMethod", and
    // "ComboKeyDefine" for the nine side-key functions of a full row); empty for an unknown name.
    static QStringList Items(const QString& control, const TextContext& ctx);
    // The eight battery level labels.
    static QStringList BatteryLevelLabels(const TextContext& ctx);
    // Every control name Caption knows.
    static QStringList CaptionedControls();
};

} // namespace zr40
