#include "functions/option_texts.h"

#include "codeplug/value_lists.h"

#include <QHash>

namespace zr40 {

namespace {

struct CaptionText {
    const char* control;
    const char* text;
};

// Captions of the function setup page, visible and never-shown controls alike.
constexpr CaptionText kCaptions[] = {
    {"window", QT_TRANSLATE_NOOP("OptionTexts", "Function Setup")},
    {"CommandClose", QT_TRANSLATE_NOOP("OptionTexts", "&Close")},
    {"CommandHelp", QT_TRANSLATE_NOOP("OptionTexts", "&Help")},
    {"LabelLocalID",
     QT_TRANSLATE_NOOP("OptionTexts", "Local ID                         (0~7FFFFF)")},
    {"LabelVoice", QT_TRANSLATE_NOOP("OptionTexts", "Voice Prompt")},
    {"LabelTOT", QT_TRANSLATE_NOOP("OptionTexts", "Time Out Timer(TOT)[s]")},
    {"LabelVoxLevel", QT_TRANSLATE_NOOP("OptionTexts", "VOX Level")},
    {"LabelVoxDelay", QT_TRANSLATE_NOOP("OptionTexts", "VOX Delay Time[s]")},
    {"LabelSave", QT_TRANSLATE_NOOP("OptionTexts", "Save Mode")},
    {"FrameKeeyDefine", QT_TRANSLATE_NOOP("OptionTexts", "Key Defines")},
    {"LabelKeyDefine0", QT_TRANSLATE_NOOP("OptionTexts", "PF1 Short")},
    {"LabelKeyDefine1", QT_TRANSLATE_NOOP("OptionTexts", "PF1 Long")},
    {"LabelKeyDefine2", QT_TRANSLATE_NOOP("OptionTexts", "PF2 Short")},
    {"LabelKeyDefine3", QT_TRANSLATE_NOOP("OptionTexts", "PF2 Long")},
    {"LabelKeyMethod", QT_TRANSLATE_NOOP("OptionTexts", "Key Method")},
    {"LabelTOTWarning", QT_TRANSLATE_NOOP("OptionTexts", "TOT Warning Time[s]")},
    {"LabelSQ", QT_TRANSLATE_NOOP("OptionTexts", "Squelch Level")},
    {"LabelCall", QT_TRANSLATE_NOOP("OptionTexts", "Call Response")},
    {"LabelMicReduction", QT_TRANSLATE_NOOP("OptionTexts", "Mic Noise Reduction")},
    {"FrameSleep", QT_TRANSLATE_NOOP("OptionTexts", "Sleep Option")},
    {"LabelIdleTime", QT_TRANSLATE_NOOP("OptionTexts", "Sleep Time")},
    {"LabelSleepPoint", QT_TRANSLATE_NOOP("OptionTexts", "Powerdown Point(0-999S)")},
    {"LabelSleepLevel0", QT_TRANSLATE_NOOP("OptionTexts", "Sleep Level")},
    {"FrameVoltage", QT_TRANSLATE_NOOP("OptionTexts", "Battery Option")},
    {"LabelWarningLevel", QT_TRANSLATE_NOOP("OptionTexts", "Level")},
    {"LabelVoltageWarningInterval", QT_TRANSLATE_NOOP("OptionTexts", "Warning Interval(0~999S)")},
    {"LabelVoltageLow", QT_TRANSLATE_NOOP("OptionTexts", "Battery Lower(0~10000)")},
    {"LabelVoltageUpper", QT_TRANSLATE_NOOP("OptionTexts", "Battery Upper(0~10000)")},
    {"FrameVox", QT_TRANSLATE_NOOP("OptionTexts", "VOX Setting")},
    {"CheckVox", QT_TRANSLATE_NOOP("OptionTexts", "VOX Function")},
    {"CheckVoxCancel", QT_TRANSLATE_NOOP("OptionTexts", "Cancel Operation")},
    {"CheckVoxTone", QT_TRANSLATE_NOOP("OptionTexts", "VOX Proceed Tone")},
    {"CheckSave", QT_TRANSLATE_NOOP("OptionTexts", "Battry Save")},
    {"CheckAlertLock", QT_TRANSLATE_NOOP("OptionTexts", "Alert Locked")},
    {"CheckExtension", QT_TRANSLATE_NOOP("OptionTexts", "Frequency Band Extension")},
    {"CheckResetAllow", QT_TRANSLATE_NOOP("OptionTexts", "Reset Allowed")},
    {"CheckTail",
     QT_TRANSLATE_NOOP("OptionTexts", "Eliminate Squelch Tail When No CTCSS/DCS Signaling")},
    {"CheckScramble", QT_TRANSLATE_NOOP("OptionTexts", "Scramble Enable")},
    {"CheckBeep", QT_TRANSLATE_NOOP("OptionTexts", "Beep Enable")},
    {"FrameInfrared", QT_TRANSLATE_NOOP("OptionTexts", "Infrared Setting")},
    {"CheckInfMaster", QT_TRANSLATE_NOOP("OptionTexts", "Inf Master")},
    {"CheckInfMonitor", QT_TRANSLATE_NOOP("OptionTexts", "Infrared")},
    {"LabelInfBank", QT_TRANSLATE_NOOP("OptionTexts", "Inf Bank:")},
    {"LabelInfModel", QT_TRANSLATE_NOOP("OptionTexts", "Inf NO:")},
    {"CheckRoger", QT_TRANSLATE_NOOP("OptionTexts", "Roger")},
    {"LabelAlarmMethod", QT_TRANSLATE_NOOP("OptionTexts", "Alert Method:")},
};

struct ListTexts {
    const char* control;
    QList<const char*> items;
};

const QList<ListTexts>& FixedLists() {
    static const QList<ListTexts> lists = {
        {"ComboVoice",
         {QT_TRANSLATE_NOOP("OptionTexts", "Off"), QT_TRANSLATE_NOOP("OptionTexts", "Chinese"),
          QT_TRANSLATE_NOOP("OptionTexts", "English")}},
        {"ComboSave",
         {QT_TRANSLATE_NOOP("OptionTexts", "Normal"), QT_TRANSLATE_NOOP("OptionTexts", "Special")}},
        {"ComboKeyMethod",
         {QT_TRANSLATE_NOOP("OptionTexts", "Time"), QT_TRANSLATE_NOOP("OptionTexts", "Loop")}},
        {"ComboCall",
         {QT_TRANSLATE_NOOP("OptionTexts", "Off"), QT_TRANSLATE_NOOP("OptionTexts", "Vibration"),
          QT_TRANSLATE_NOOP("OptionTexts", "Chord1"), QT_TRANSLATE_NOOP("OptionTexts", "Chord2"),
          QT_TRANSLATE_NOOP("OptionTexts", "Vibration+Chord1"),
          QT_TRANSLATE_NOOP("OptionTexts", "Vibration+Chord2")}},
        {"ComboMicReduction",
         {QT_TRANSLATE_NOOP("OptionTexts", "Through"),
          QT_TRANSLATE_NOOP("OptionTexts", "Low Noise Reduction"),
          QT_TRANSLATE_NOOP("OptionTexts", "High Noise Reduction")}},
        {"ComboAlarmMethod",
         {QT_TRANSLATE_NOOP("OptionTexts", "Local"), QT_TRANSLATE_NOOP("OptionTexts", "Remote"),
          QT_TRANSLATE_NOOP("OptionTexts", "Local+Remote")}},
        {"ComboKeyDefine",
         {QT_TRANSLATE_NOOP("OptionTexts", "None"), QT_TRANSLATE_NOOP("OptionTexts", "Monitor"),
          QT_TRANSLATE_NOOP("OptionTexts", "Monitor Instant"),
          QT_TRANSLATE_NOOP("OptionTexts", "Tx Power"), QT_TRANSLATE_NOOP("OptionTexts", "Scan"),
          QT_TRANSLATE_NOOP("OptionTexts", "Lamp"), QT_TRANSLATE_NOOP("OptionTexts", "Channel Add"),
          QT_TRANSLATE_NOOP("OptionTexts", "Channel Sub"),
          QT_TRANSLATE_NOOP("OptionTexts", "Denoise Switch")}},
        {"BatteryLevels",
         {QT_TRANSLATE_NOOP("OptionTexts", "Battery Full"),
          QT_TRANSLATE_NOOP("OptionTexts", "Low Warning"),
          QT_TRANSLATE_NOOP("OptionTexts", "Tx Forbit"),
          QT_TRANSLATE_NOOP("OptionTexts", "Deep Sleep"),
          QT_TRANSLATE_NOOP("OptionTexts", "Power Off"),
          QT_TRANSLATE_NOOP("OptionTexts", "Undefine"),
          QT_TRANSLATE_NOOP("OptionTexts", "Undefine"),
          QT_TRANSLATE_NOOP("OptionTexts", "Undefine")}},
    };
    return lists;
}

QStringList Numbers(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

QStringList IdleTimeItems(const TextContext& ctx) {
    QStringList items;
    ValueLists::FillOffNumberList(items, 0, ctx); // "Off"
    for (int n = 1; n <= 15; ++n)
        items << QStringLiteral("1:%1").arg(n);
    items << QStringLiteral("1:20") << QStringLiteral("1:25") << QStringLiteral("1:30");
    return items;
}

QStringList VoxDelayItems(const TextContext& ctx) {
    QStringList items;
    for (int k = 1; k <= 30; ++k)
        items << QString::number(k / 10) + ctx.DecimalSeparator + QString::number(k % 10);
    return items;
}

QStringList SleepPointItems() {
    QStringList items;
    for (int s = 0; s <= 999; ++s)
        items << QString::number(s) + QLatin1Char('S');
    return items;
}

QStringList GeneratedItems(const QString& control, const TextContext& ctx) {
    QStringList items;
    if (control == QLatin1String("ComboTOT"))
        ValueLists::FillTotList(items, ctx);
    else if (control == QLatin1String("ComboVoxLevel") ||
             control == QLatin1String("ComboTOTWarning"))
        ValueLists::FillOffNumberList(items, 10, ctx);
    else if (control == QLatin1String("ComboSQ"))
        items = Numbers(0, 9);
    else if (control == QLatin1String("ComboVoxDelay"))
        items = VoxDelayItems(ctx);
    else if (control == QLatin1String("ComboIdleTime"))
        items = IdleTimeItems(ctx);
    else if (control == QLatin1String("ComboSleepPoint"))
        items = SleepPointItems();
    return items;
}

} // namespace

QString OptionTexts::Caption(const QString& control, const TextContext& ctx) {
    for (const CaptionText& caption : kCaptions) {
        if (control == QLatin1String(caption.control))
            return ctx.Tr("OptionTexts", caption.text);
    }
    return {};
}

QStringList OptionTexts::Items(const QString& control, const TextContext& ctx) {
    for (const ListTexts& list : FixedLists()) {
        if (control != QLatin1String(list.control))
            continue;
        QStringList items;
        for (const char* item : list.items)
            items << ctx.Tr("OptionTexts", item);
        return items;
    }
    return GeneratedItems(control, ctx);
}

QStringList OptionTexts::BatteryLevelLabels(const TextContext& ctx) {
    return Items(QStringLiteral("BatteryLevels"), ctx);
}

QStringList OptionTexts::CaptionedControls() {
    QStringList names;
    for (const CaptionText& caption : kCaptions)
        names << QLatin1String(caption.control);
    return names;
}

} // namespace zr40
