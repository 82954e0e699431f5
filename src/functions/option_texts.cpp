#include "functions/option_texts.h"

#include "codeplug/value_lists.h"

#include <QHash>

namespace zr40 {

namespace {

struct CaptionPair {
    const char* control;
    const char* english;
    const char* chinese;
};

// Captions of the function setup page, visible and never-shown controls alike.
constexpr CaptionPair kCaptions[] = {
    {"window", "Function Setup", "功能设定"},
    {"CommandClose", "&Close", "关闭(&C)"},
    {"CommandHelp", "&Help", "帮助(&H)"},
    {"LabelLocalID", "Local ID                         (0~7FFFFF)",
     "本机ID                        (0~7FFFFF)"},
    {"LabelVoice", "Voice Prompt", "提示音"},
    {"LabelTOT", "Time Out Timer(TOT)[s]", "超时定时器(TOT)[秒]"},
    {"LabelVoxLevel", "VOX Level", "声控等级"},
    {"LabelVoxDelay", "VOX Delay Time[s]", "声控延时"},
    {"LabelSave", "Save Mode", "省电模式"},
    {"FrameKeeyDefine", "Key Defines", "按键定义"},
    {"LabelKeyDefine0", "PF1 Short", "侧键1短按"},
    {"LabelKeyDefine1", "PF1 Long", "侧键1长按"},
    {"LabelKeyDefine2", "PF2 Short", "侧键2短按"},
    {"LabelKeyDefine3", "PF2 Long", "侧键2长按"},
    {"LabelKeyMethod", "Key Method", "按键方式"},
    {"LabelTOTWarning", "TOT Warning Time[s]", "超时定时器预警[秒]"},
    {"LabelSQ", "Squelch Level", "静噪等级"},
    {"LabelCall", "Call Response", "呼叫响应"},
    {"LabelMicReduction", "Mic Noise Reduction", "麦克风降噪"},
    {"FrameSleep", "Sleep Option", "省电选项"},
    {"LabelIdleTime", "Sleep Time", "睡眠比例"},
    {"LabelSleepPoint", "Powerdown Point(0-999S)", "睡眠时间点(0-999秒)"},
    {"LabelSleepLevel0", "Sleep Level", "睡眠等级"},
    {"FrameVoltage", "Battery Option", "电压相关选项"},
    {"LabelWarningLevel", "Level", "等级"},
    {"LabelVoltageWarningInterval", "Warning Interval(0~999S)", "电压报警间隔时间(0~999秒)"},
    {"LabelVoltageLow", "Battery Lower(0~10000)", "电压报警下限(0~10000)"},
    {"LabelVoltageUpper", "Battery Upper(0~10000)", "电压报警上限(0~10000)"},
    {"FrameVox", "VOX Setting", "声控设置"},
    {"CheckVox", "VOX Function", "声控功能"},
    {"CheckVoxCancel", "Cancel Operation", "声控可取消"},
    {"CheckVoxTone", "VOX Proceed Tone", "声控可进行音调"},
    {"CheckSave", "Battry Save", "省电"},
    {"CheckAlertLock", "Alert Locked", "报警锁定"},
    {"CheckExtension", "Frequency Band Extension", "频段扩展"},
    {"CheckResetAllow", "Reset Allowed", "复位允许"},
    {"CheckTail", "Eliminate Squelch Tail When No CTCSS/DCS Signaling", "无信令消除尾音"},
    {"CheckScramble", "Scramble Enable", "扰频激活"},
    {"CheckBeep", "Beep Enable", "哔音使能"},
    {"FrameInfrared", "Infrared Setting", "红外设置"},
    {"CheckInfMaster", "Inf Master", "红外主机"},
    {"CheckInfMonitor", "Infrared", "红外"},
    {"LabelInfBank", "Inf Bank:", "红外监控组号:"},
    {"LabelInfModel", "Inf NO:", "红外监控机号:"},
    {"CheckRoger", "Roger", "发射结束提示音"},
    {"LabelAlarmMethod", "Alert Method:", "报警方式:"},
};

struct ListPair {
    const char* control;
    QStringList english;
    QStringList chinese;
};

QStringList Utf8List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

const QList<ListPair>& FixedLists() {
    static const QList<ListPair> lists = {
        {"ComboVoice", Utf8List({"Off", "Chinese", "English"}), Utf8List({"关", "中文", "英文"})},
        {"ComboSave", Utf8List({"Normal", "Special"}), Utf8List({"常规省电", "超级省电"})},
        {"ComboKeyMethod", Utf8List({"Time", "Loop"}), Utf8List({"传统", "轮询"})},
        {"ComboCall",
         Utf8List({"Off", "Vibration", "Chord1", "Chord2", "Vibration+Chord1", "Vibration+Chord2"}),
         Utf8List({"关", "振动", "和弦1", "和弦2", "振动+和弦1", "振动+和弦2"})},
        {"ComboMicReduction", Utf8List({"Through", "Low Noise Reduction", "High Noise Reduction"}),
         Utf8List({"直通", "降噪低", "降噪高"})},
        {"ComboAlarmMethod", Utf8List({"Local", "Remote", "Local+Remote"}),
         Utf8List({"本地", "远程", "本地+远程"})},
        {"ComboKeyDefine",
         Utf8List({"None", "Monitor", "Monitor Instant", "Tx Power", "Scan", "Lamp", "Channel Add",
                   "Channel Sub", "Denoise Switch"}),
         Utf8List({"无", "监听", "瞬时监听", "发射功率", "扫描", "手电筒", "信道加", "信道减",
                   "降噪开关"})},
        {"BatteryLevels",
         Utf8List({"Battery Full", "Low Warning", "Tx Forbit", "Deep Sleep", "Power Off",
                   "Undefine", "Undefine", "Undefine"}),
         Utf8List({"电池充满", "低压报警", "禁止发射", "深度睡眠", "关机", "未定义", "未定义",
                   "未定义"})},
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
    for (const CaptionPair& pair : kCaptions) {
        if (control == QLatin1String(pair.control))
            return ctx.Pick(QString::fromUtf8(pair.english), QString::fromUtf8(pair.chinese));
    }
    return {};
}

QStringList OptionTexts::Items(const QString& control, const TextContext& ctx) {
    for (const ListPair& list : FixedLists()) {
        if (control == QLatin1String(list.control))
            return ctx.IsEnglish ? list.english : list.chinese;
    }
    return GeneratedItems(control, ctx);
}

QStringList OptionTexts::BatteryLevelLabels(const TextContext& ctx) {
    return Items(QStringLiteral("BatteryLevels"), ctx);
}

QStringList OptionTexts::CaptionedControls() {
    QStringList names;
    for (const CaptionPair& pair : kCaptions)
        names << QLatin1String(pair.control);
    return names;
}

} // namespace zr40
