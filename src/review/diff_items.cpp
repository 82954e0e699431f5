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
    return on ? ctx.Tr("DiffItems", "On") : ctx.Tr("DiffItems", "Off");
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
    const char* caption;
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
     QT_TRANSLATE_NOOP("DiffItems", "Rx Frequency"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ChannelRules::FrequencyText(cp.RxFreq.at(c), ctx.DecimalSeparator);
     }},
    {"TxFreq",
     {"TxFreq"},
     QT_TRANSLATE_NOOP("DiffItems", "Tx Frequency"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         const Long hz = cp.TxFreq.at(c);
         return hz == 0 ? DiffItems::EmptyText()
                        : ChannelRules::FrequencyText(hz, ctx.DecimalSeparator);
     }},
    {"ChannelType",
     {"ChannelType"},
     QT_TRANSLATE_NOOP("DiffItems", "Channel Type"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ChannelRules::TypeText(ChannelRules::IsDigital(cp, c), ctx);
     }},
    {"RxCtcss",
     {"RxCtcss", "RxDcs"},
     QT_TRANSLATE_NOOP("DiffItems", "CTCSS/DCS Decode"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ToneRules::ToneText(cp.RxCtcss.at(c), cp.RxDcs.at(c), ctx);
     }},
    {"TxCtcss",
     {"TxCtcss", "TxDcs"},
     QT_TRANSLATE_NOOP("DiffItems", "CTCSS/DCS Encode"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ToneRules::ToneText(cp.TxCtcss.at(c), cp.TxDcs.at(c), ctx);
     }},
    {"TxPower",
     {"TxPower"},
     QT_TRANSLATE_NOOP("DiffItems", "Tx Power"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ChannelRules::PowerText(cp.TxPower.at(c), ctx);
     }},
    {"ChannelSpace",
     {"ChannelSpace"},
     QT_TRANSLATE_NOOP("DiffItems", "Channel Spacing"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillSpaceList,
                         ChannelListCoding::SpaceIndex(cp.ChannelSpace.at(c)), ctx);
     }},
    {"SqlLevel",
     {"SqlLevel"},
     QT_TRANSLATE_NOOP("DiffItems", "Sq Level"),
     [](const Codeplug& cp, int c, const TextContext&) {
         return QString::number(ChannelListCoding::SqlLevelIndex(cp.SqlLevel.at(c)));
     }},
    {"DenoiseLevel",
     {"DenoiseLevel"},
     QT_TRANSLATE_NOOP("DiffItems", "Denoise Level"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OffNumberItem(ChannelListCoding::DenoiseLevelIndex(cp.DenoiseLevel.at(c)), ctx);
     }},
    {"TxAuthority",
     {"TxAuthority"},
     QT_TRANSLATE_NOOP("DiffItems", "Tx Setting"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillTxAuthorityList,
                         ChannelListCoding::TxAuthorityIndex(cp.TxAuthority.at(c)), ctx);
     }},
    {"ChannelRxList",
     {"ChannelRxList"},
     QT_TRANSLATE_NOOP("DiffItems", "Rx List"),
     [](const Codeplug& cp, int c, const TextContext&) {
         return QString::number(
             ChannelListCoding::RxListIndex(cp.ChannelRxList.at(c), cp.RxListCount) + 1);
     }},
    {"RxKeyEnable",
     {"RxKeyEnable"},
     QT_TRANSLATE_NOOP("DiffItems", "Rx Encrypt Enable"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OnOff(ChannelListCoding::KeyEnableChecked(cp.RxKeyEnable.at(c)), ctx);
     }},
    {"RxKey",
     {"RxKey", "RxKeyLength"},
     QT_TRANSLATE_NOOP("DiffItems", "Rx Password"),
     [](const Codeplug& cp, int c, const TextContext&) { return KeyText(cp, c, true); }},
    {"TxKeyEnable",
     {"TxKeyEnable"},
     QT_TRANSLATE_NOOP("DiffItems", "Tx Encrypt Enable"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OnOff(ChannelListCoding::KeyEnableChecked(cp.TxKeyEnable.at(c)), ctx);
     }},
    {"TxKey",
     {"TxKey", "TxKeyLength"},
     QT_TRANSLATE_NOOP("DiffItems", "Tx Password"),
     [](const Codeplug& cp, int c, const TextContext&) { return KeyText(cp, c, false); }},
    {"CallTypeTxID", {"CallTypeTxID"}, QT_TRANSLATE_NOOP("DiffItems", "Call Type"), &CallTypeText},
    {"RxColor",
     {"RxColor"},
     QT_TRANSLATE_NOOP("DiffItems", "Rx Color Code"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillColorCodeList,
                         ChannelListCoding::ColorIndex(cp.RxColor.at(c)), ctx);
     }},
    {"TxColor",
     {"TxColor"},
     QT_TRANSLATE_NOOP("DiffItems", "Tx Color Code"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillColorCodeList,
                         ChannelListCoding::ColorIndex(cp.TxColor.at(c)), ctx);
     }},
    {"ChannelTOT",
     {"ChannelTOT"},
     QT_TRANSLATE_NOOP("DiffItems", "Tx Time-out"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return ListItem(&ValueLists::FillTotList, ChannelListCoding::TotIndex(cp.ChannelTOT.at(c)),
                         ctx);
     }},
    {"QuiteLevel",
     {"QuiteLevel"},
     QT_TRANSLATE_NOOP("DiffItems", "Quiet Level"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OffNumberItem(ChannelListCoding::QuiteLevelIndex(cp.QuiteLevel.at(c)), ctx);
     }},
    {"Compand",
     {"Compand"},
     QT_TRANSLATE_NOOP("DiffItems", "Compander"),
     [](const Codeplug& cp, int c, const TextContext& ctx) {
         return OnOff(ChannelListCoding::CompandChecked(cp.Compand.at(c)), ctx);
     }},
    {"ScrambleType",
     {"ScrambleType"},
     QT_TRANSLATE_NOOP("DiffItems", "Scrambler"),
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
            {QLatin1String(row.field), values, ctx.Tr("DiffItems", row.caption),
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
        Number("DataVersion", ctx.Tr("DiffItems", "Version"), &Codeplug::DataVersion),
        Number("HeaderCount1", ctx.Tr("DiffItems", "Tune header blocks"), &Codeplug::HeaderCount1),
        Number("TunePointCount", ctx.Tr("DiffItems", "Tune point count"),
               &Codeplug::TunePointCount),
        Number("HeaderCount3", ctx.Tr("DiffItems", "Settings blocks"), &Codeplug::HeaderCount3),
        Number("ChannelCount", ctx.Tr("DiffItems", "Channel count"), &Codeplug::ChannelCount),
        Number("RxListCount", ctx.Tr("DiffItems", "Rx list count"), &Codeplug::RxListCount),
    };
}

std::vector<DiffItem> DiffItems::TuneScalars(const TextContext& ctx) {
    return {
        Number("CtcssDev", ctx.Tr("DiffItems", "Ctcss Deviation"), &Codeplug::CtcssDev),
        Number("CdcssDev", ctx.Tr("DiffItems", "Cdcss Deviation"), &Codeplug::CdcssDev),
        Number("MicAmp", ctx.Tr("DiffItems", "Mic Amp"), &Codeplug::MicAmp),
        // The tune page shows the speaker gain 60 up from what is stored.
        {"SpeakAmp",
         {"SpeakAmp"},
         ctx.Tr("DiffItems", "Speaker Amp"),
         [](const Codeplug& cp) { return QString::number(qint64(cp.SpeakAmp) + 60); }},
        Number("NoiseThW", ctx.Tr("DiffItems", "Ex-noise(W)"), &Codeplug::NoiseThW),
        Number("NoiseThN", ctx.Tr("DiffItems", "Ex-noise(N)"), &Codeplug::NoiseThN),
    };
}

std::vector<DiffItem> DiffItems::TunePoint(int point, const TextContext& ctx) {
    struct Table {
        const char* field;
        const char* caption;
        Codeplug::TuneTable Codeplug::*values;
    };
    static const Table kTables[] = {
        {"TuneFreq", QT_TRANSLATE_NOOP("DiffItems", "Tune Freq"), &Codeplug::TuneFreq},
        {"TuneBias", QT_TRANSLATE_NOOP("DiffItems", "Bias Voltage"), &Codeplug::TuneBias},
        {"TuneOsc", QT_TRANSLATE_NOOP("DiffItems", "OSC Adjust"), &Codeplug::TuneOsc},
        {"TuneDigitalDev", QT_TRANSLATE_NOOP("DiffItems", "Digital Tx Dev"),
         &Codeplug::TuneDigitalDev},
        {"TuneSq", QT_TRANSLATE_NOOP("DiffItems", "SQ"), &Codeplug::TuneSq},
    };
    std::vector<DiffItem> items;
    for (const Table& table : kTables) {
        const auto values = table.values;
        const bool frequency = values == &Codeplug::TuneFreq;
        items.push_back({QLatin1String(table.field),
                         {QStringLiteral("%1[%2]").arg(QLatin1String(table.field)).arg(point)},
                         ctx.Tr("DiffItems", table.caption),
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
    return ctx.Tr("DiffItems", "(not in use)");
}

} // namespace zr40
