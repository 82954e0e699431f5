#include "review/diff_items.h"

#include "channels/channel_list_coding.h"
#include "channels/channel_rules.h"
#include "channels/channel_view.h"
#include "channels/tone_rules.h"
#include "codeplug/value_lists.h"
#include "functions/key_define_rules.h"
#include "functions/option_rules.h"
#include "functions/option_texts.h"

namespace zr40 {

namespace {

using Fill = void (*)(QStringList&, const TextContext&);

// The item a list shows at a position (its first item for a position it does not have).
QString ItemOf(const QStringList& items, int position) {
    return position >= 0 && position < items.size() ? items[position] : items.value(0);
}

QString ListItem(Fill fill, int position, const TextContext& ctx) {
    QStringList items;
    fill(items, ctx);
    return ItemOf(items, position);
}

QString OffNumberItem(int position, const TextContext& ctx) {
    QStringList items;
    ValueLists::FillOffNumberList(items, 10, ctx);
    return ItemOf(items, position);
}

QString OnOff(bool on, const TextContext& ctx) {
    return on ? ctx.Pick({"On", "开"}) : ctx.Pick({"Off", "关"});
}

QString OrEmpty(const QString& text) {
    return text.isEmpty() ? DiffItems::EmptyText() : text;
}

QString OptionCaption(const char* control, const TextContext& ctx) {
    return OptionTexts::Caption(QLatin1String(control), ctx).simplified();
}

QString OptionItem(const char* list, int position, const TextContext& ctx) {
    return ItemOf(OptionTexts::Items(QLatin1String(list), ctx), position);
}

using ChannelText = QString (*)(const Codeplug&, int, const TextContext&);

struct ChannelRow {
    const char* field;
    std::initializer_list<const char*> values;
    TextPair caption;
    ChannelText text;
};

QString KeyText(const Codeplug& cp, int c, bool rx) {
    return OrEmpty(rx ? ChannelRules::KeyDisplayText(cp.RxKeyWords(c), cp.RxKeyLength.at(c))
                      : ChannelRules::KeyDisplayText(cp.TxKeyWords(c), cp.TxKeyLength.at(c)));
}

QString CallTypeText(const Codeplug& cp, int c, const TextContext& ctx) {
    const CallTypeView view = ChannelRules::ShowCallType(cp.CallTypeTxID.at(c));
    const QString type = ListItem(&ValueLists::FillCallTypeList, int(view.type), ctx);
    return view.type == CallType::All ? type : type + QLatin1Char(' ') + view.idText;
}

// The channel fields, in the order of the channel edit dialog, grid columns first.
const ChannelRow kChannelRows[] = {
    {"RxFreq",
     {"RxFreq"},
     {"Rx Frequency", "接收频率"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ChannelRules::FrequencyText(cp.RxFreq.at(c), ctx.DecimalSeparator);
     }},
    {"TxFreq",
     {"TxFreq"},
     {"Tx Frequency", "发射频率"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         const Long hz = cp.TxFreq.at(c);
         return hz == 0 ? DiffItems::EmptyText()
                        : ChannelRules::FrequencyText(hz, ctx.DecimalSeparator);
     }},
    {"ChannelType",
     {"ChannelType"},
     {"Channel Type", "信道配置"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ChannelRules::TypeText(ChannelRules::IsDigital(cp, c), ctx);
     }},
    {"RxCtcss",
     {"RxCtcss", "RxDcs"},
     {"CTCSS/DCS Decode", "解码"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ToneRules::ToneText(cp.RxCtcss.at(c), cp.RxDcs.at(c), ctx);
     }},
    {"TxCtcss",
     {"TxCtcss", "TxDcs"},
     {"CTCSS/DCS Encode", "编码"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ToneRules::ToneText(cp.TxCtcss.at(c), cp.TxDcs.at(c), ctx);
     }},
    {"TxPower",
     {"TxPower"},
     {"Tx Power", "发射功率"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ChannelRules::PowerText(cp.TxPower.at(c), ctx);
     }},
    {"ChannelSpace",
     {"ChannelSpace"},
     {"Channel Spacing", "信道间隔"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillSpaceList,
                         ChannelListCoding::SpaceIndex(cp.ChannelSpace.at(c)), ctx);
     }},
    {"SqlLevel",
     {"SqlLevel"},
     {"Sq Level", "静噪等级"},
     [](const Codeplug& cp, int c, const TextContext&) {
         return QString::number(ChannelListCoding::SqlLevelIndex(cp.SqlLevel.at(c)));
     }},
    {"DenoiseLevel",
     {"DenoiseLevel"},
     {"Denoise Level", "降噪等级"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OffNumberItem(ChannelListCoding::DenoiseLevelIndex(cp.DenoiseLevel.at(c)), ctx);
     }},
    {"TxAuthority",
     {"TxAuthority"},
     {"Tx Setting", "发射权限"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillTxAuthorityList,
                         ChannelListCoding::TxAuthorityIndex(cp.TxAuthority.at(c)), ctx);
     }},
    {"ChannelRxList",
     {"ChannelRxList"},
     {"Rx List", "接收列表"},
     [](const Codeplug& cp, int c, const TextContext&) {
         return QString::number(
             ChannelListCoding::RxListIndex(cp.ChannelRxList.at(c), cp.RxListCount) + 1);
     }},
    {"RxKeyEnable",
     {"RxKeyEnable"},
     {"Rx Encrypt Enable", "接收密钥使能"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OnOff(ChannelListCoding::KeyEnableChecked(cp.RxKeyEnable.at(c)), ctx);
     }},
    {"RxKey",
     {"RxKey", "RxKeyLength"},
     {"Rx Password", "接收密钥"},
     [](const Codeplug& cp, int c, const TextContext&) { return KeyText(cp, c, true); }},
    {"TxKeyEnable",
     {"TxKeyEnable"},
     {"Tx Encrypt Enable", "发射密钥使能"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OnOff(ChannelListCoding::KeyEnableChecked(cp.TxKeyEnable.at(c)), ctx);
     }},
    {"TxKey",
     {"TxKey", "TxKeyLength"},
     {"Tx Password", "发射密钥"},
     [](const Codeplug& cp, int c, const TextContext&) { return KeyText(cp, c, false); }},
    {"CallTypeTxID", {"CallTypeTxID"}, {"Call Type", "呼叫方式"}, &CallTypeText},
    {"RxColor",
     {"RxColor"},
     {"Rx Color Code", "接收色码"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillColorCodeList,
                         ChannelListCoding::ColorIndex(cp.RxColor.at(c)), ctx);
     }},
    {"TxColor",
     {"TxColor"},
     {"Tx Color Code", "发射色码"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillColorCodeList,
                         ChannelListCoding::ColorIndex(cp.TxColor.at(c)), ctx);
     }},
    {"ChannelTOT",
     {"ChannelTOT"},
     {"Tx Time-out", "发射超时"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillTotList, ChannelListCoding::TotIndex(cp.ChannelTOT.at(c)),
                         ctx);
     }},
    {"QuiteLevel",
     {"QuiteLevel"},
     {"Quiet Level", "静音等级"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OffNumberItem(ChannelListCoding::QuiteLevelIndex(cp.QuiteLevel.at(c)), ctx);
     }},
    {"Compand",
     {"Compand"},
     {"Compander", "压扩"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OnOff(ChannelListCoding::CompandChecked(cp.Compand.at(c)), ctx);
     }},
    {"ScrambleType",
     {"ScrambleType"},
     {"Scrambler", "扰频"},
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillScrambleList,
                         ChannelListCoding::ScrambleIndex(cp.ScrambleType.at(c)), ctx);
     }},
};

DiffItem Number(const char* field, const QString& caption, Long Codeplug::*value) {
    return {QLatin1String(field), {QLatin1String(field)}, caption, [value](const Codeplug& cp) {
                return QString::number(cp.*value);
            }};
}

} // namespace

std::vector<DiffItem> DiffItems::Channel(int channel, const TextContext& ctx) {
    std::vector<DiffItem> items;
    for (const ChannelRow& row : kChannelRows) {
        QStringList values;
        for (const char* value : row.values)
            values << QLatin1String(value);
        const ChannelText text = row.text;
        items.push_back(
            {QLatin1String(row.field), values, ctx.Pick(row.caption),
             [text, channel, ctx](const Codeplug& cp) { return text(cp, channel, ctx); }});
    }
    return items;
}

std::vector<DiffItem> DiffItems::Settings(const TextContext& ctx) {
    std::vector<DiffItem> items = {
        {"LocalID",
         {"LocalID"},
         OptionCaption("LabelLocalID", ctx),
         [](const Codeplug& cp) { return OptionRules::LocalIdText(cp.LocalID); }},
        {"VoicePrompt",
         {"VoicePrompt"},
         OptionCaption("LabelVoice", ctx),
         [ctx](const Codeplug& cp) {
             return OptionItem("ComboVoice", OptionRules::VoiceIndex(cp.VoicePrompt), ctx);
         }},
        {"OptionTOT",
         {"OptionTOT"},
         OptionCaption("LabelTOT", ctx),
         [ctx](const Codeplug& cp) {
             return ListItem(&ValueLists::FillTotList, OptionRules::TotIndex(cp.OptionTOT), ctx);
         }},
        {"VoxLevel",
         {"VoxLevel"},
         OptionCaption("LabelVoxLevel", ctx),
         [ctx](const Codeplug& cp) {
             return OffNumberItem(OptionRules::VoxLevelIndex(cp.VoxLevel), ctx);
         }},
        {"VoxDelay",
         {"VoxDelay"},
         OptionCaption("LabelVoxDelay", ctx),
         [ctx](const Codeplug& cp) {
             return OptionItem("ComboVoxDelay", OptionRules::VoxDelayIndex(cp.VoxDelay), ctx);
         }},
        {"IdleTime",
         {"IdleTime[0]"},
         OptionCaption("LabelSave", ctx),
         [ctx](const Codeplug& cp) {
             return OptionItem("ComboSave", OptionRules::SaveIndex(cp.IdleTime[0]), ctx);
         }},
        {"KeyMethod",
         {"KeyMethod"},
         OptionCaption("LabelKeyMethod", ctx),
         [ctx](const Codeplug& cp) {
             return OptionItem("ComboKeyMethod", KeyDefineRules::IsLoop(cp.KeyMethod) ? 1 : 0, ctx);
         }},
    };
    const QStringList labels = KeyDefineRules::RowLabels(ctx);
    for (int row = 0; row < KeyDefineRules::kShownRows && row < labels.size(); ++row) {
        items.push_back({QStringLiteral("KeyDefine"),
                         {QStringLiteral("KeyDefine[%1]").arg(row)},
                         labels[row],
                         [row, ctx](const Codeplug& cp) {
                             const int position =
                                 KeyDefineRules::PositionOf(row, cp.KeyDefine[row], cp.KeyMethod);
                             return ItemOf(KeyDefineRules::RowItems(row, cp.KeyMethod, ctx),
                                           position);
                         }});
    }
    return items;
}

std::vector<DiffItem> DiffItems::Header(const TextContext& ctx) {
    return {
        Number("DataVersion", ctx.Pick({"Version", "版本"}), &Codeplug::DataVersion),
        Number("HeaderCount1", ctx.Pick({"Tune header blocks", "调谐头块数"}),
               &Codeplug::HeaderCount1),
        Number("TunePointCount", ctx.Pick({"Tune point count", "调谐点数量"}),
               &Codeplug::TunePointCount),
        Number("HeaderCount3", ctx.Pick({"Settings blocks", "设置块数"}), &Codeplug::HeaderCount3),
        Number("ChannelCount", ctx.Pick({"Channel count", "信道数量"}), &Codeplug::ChannelCount),
        Number("RxListCount", ctx.Pick({"Rx list count", "接收列表数量"}), &Codeplug::RxListCount),
    };
}

std::vector<DiffItem> DiffItems::TuneScalars(const TextContext& ctx) {
    return {
        Number("CtcssDev", ctx.Pick({"Ctcss Deviation", "模拟亚音频偏"}), &Codeplug::CtcssDev),
        Number("CdcssDev", ctx.Pick({"Cdcss Deviation", "数字亚音频偏"}), &Codeplug::CdcssDev),
        Number("MicAmp", ctx.Pick({"Mic Amp", "麦克增益"}), &Codeplug::MicAmp),
        // The tune page shows the speaker gain 60 up from what is stored.
        {"SpeakAmp",
         {"SpeakAmp"},
         ctx.Pick({"Speaker Amp", "喇叭增益"}),
         [](const Codeplug& cp) { return QString::number(qint64(cp.SpeakAmp) + 60); }},
        Number("NoiseThW", ctx.Pick({"Ex-noise(W)", "噪声阈值(W)"}), &Codeplug::NoiseThW),
        Number("NoiseThN", ctx.Pick({"Ex-noise(N)", "噪声阈值(N)"}), &Codeplug::NoiseThN),
    };
}

std::vector<DiffItem> DiffItems::TunePoint(int point, const TextContext& ctx) {
    struct Table {
        const char* field;
        TextPair caption;
        Codeplug::TuneTable Codeplug::*values;
    };
    static const Table kTables[] = {
        {"TuneFreq", {"Tune Freq", "调谐频率"}, &Codeplug::TuneFreq},
        {"TuneBias", {"Bias Voltage", "偏置电压"}, &Codeplug::TuneBias},
        {"TuneOsc", {"OSC Adjust", "晶振补偿"}, &Codeplug::TuneOsc},
        {"TuneDigitalDev", {"Digital Tx Dev", "数字发射频偏"}, &Codeplug::TuneDigitalDev},
        {"TuneSq", {"SQ", "SQ阈值"}, &Codeplug::TuneSq},
    };
    std::vector<DiffItem> items;
    for (const Table& table : kTables) {
        const auto values = table.values;
        const bool frequency = values == &Codeplug::TuneFreq;
        items.push_back({QLatin1String(table.field),
                         {QStringLiteral("%1[%2]").arg(QLatin1String(table.field)).arg(point)},
                         ctx.Pick(table.caption),
                         [values, point, frequency, ctx](const Codeplug& cp) {
                             const Long value = (cp.*values)[point];
                             return frequency
                                        ? ChannelRules::FrequencyText(value, ctx.DecimalSeparator)
                                        : QString::number(value);
                         }});
    }
    return items;
}

QString DiffItems::ChannelSummary(const Codeplug& codeplug, int channel, const TextContext& ctx) {
    const GridRowView row = ChannelView::GridRow(codeplug, channel, ctx);
    if (row.empty)
        return NotInUseText(ctx);
    QStringList cells;
    for (const QString& cell : {row.rx, row.tx, row.type, row.decode, row.encode, row.power})
        if (!cell.isEmpty())
            cells << cell;
    return cells.join(QLatin1Char(' '));
}

QString DiffItems::EmptyText() {
    return QString::fromUtf8("—");
}

QString DiffItems::NotInUseText(const TextContext& ctx) {
    return ctx.Pick({"(not in use)", "（未使用）"});
}

} // namespace zr40
