#include "exchange/codeplug_report.h"

#include "channels/channel_view.h"
#include "codeplug/value_lists.h"
#include "functions/key_define_rules.h"
#include "functions/option_rules.h"
#include "functions/option_texts.h"

namespace zr40 {

namespace {

constexpr const char* kChannelHeaders[] = {
    QT_TRANSLATE_NOOP("CodeplugReport", "No"),      QT_TRANSLATE_NOOP("CodeplugReport", "Rx Freq"),
    QT_TRANSLATE_NOOP("CodeplugReport", "Tx Freq"), QT_TRANSLATE_NOOP("CodeplugReport", "Type"),
    QT_TRANSLATE_NOOP("CodeplugReport", "Decode"),  QT_TRANSLATE_NOOP("CodeplugReport", "Encode"),
    QT_TRANSLATE_NOOP("CodeplugReport", "Power"),
};

// Pads to a width in terminal columns; Chinese characters take two.
QString Pad(const QString& text, int width) {
    int columns = 0;
    for (const QChar ch : text)
        columns += ch.unicode() >= 0x1100 ? 2 : 1;
    return text + QString(qMax(0, width - columns), QLatin1Char(' '));
}

QString Row(const QStringList& cells) {
    static const int widths[] = {4, 11, 11, 12, 8, 8, 6};
    QString line;
    for (int i = 0; i < cells.size(); ++i)
        line += Pad(cells[i], widths[i]);
    return line.trimmed() + QLatin1Char('\n');
}

QString ListItem(const QStringList& items, int index) {
    return index >= 0 && index < items.size() ? items[index] : items.value(0);
}

// The word a function setup list shows for a stored value.
QString OptionWord(const char* list, int index, const TextContext& ctx) {
    return ListItem(OptionTexts::Items(QLatin1String(list), ctx), index);
}

QString KeyWord(const Codeplug& cp, int row, const TextContext& ctx) {
    const int position = KeyDefineRules::PositionOf(row, cp.KeyDefine[row], cp.KeyMethod);
    return ListItem(KeyDefineRules::RowItems(row, cp.KeyMethod, ctx), position);
}

QString Line(const QString& label, const QString& value) {
    return Pad(label + QLatin1Char(':'), 20) + value + QLatin1Char('\n');
}

} // namespace

QString CodeplugReport::ChannelTable(const Codeplug& cp, const TextContext& ctx) {
    QStringList headers;
    for (const char* header : kChannelHeaders)
        headers << ctx.Tr("CodeplugReport", header);
    QString text = Row(headers);
    int used = 0;
    for (int c = 0; c < Codeplug::kChannels; ++c) {
        const GridRowView row = ChannelView::GridRow(cp, c, ctx);
        if (row.empty)
            continue;
        ++used;
        // A type that is neither analog (1) nor digital (2) is shown as stored, not as the
        // analog channel the grid takes it for; the check names it.
        const Long type = cp.ChannelType.at(c);
        const QString typeText = type == 1 || type == 2 ? row.type : QString::number(type);
        text += Row(
            {QString::number(c + 1), row.rx, row.tx, typeText, row.decode, row.encode, row.power});
    }
    return text + ctx.Tr("CodeplugReport", "%1 of 32 channels in use\n").arg(used);
}

CodeplugReport::SettingRows CodeplugReport::OptionRows(const Codeplug& cp, const TextContext& ctx) {
    QStringList tot;
    ValueLists::FillTotList(tot, ctx);
    QStringList voxLevel;
    ValueLists::FillOffNumberList(voxLevel, 10, ctx);
    return {
        // As the function setup page shows it, which holds an out-of-range ID to 0.
        {ctx.Tr("CodeplugReport", "Local ID"),
         OptionRules::LocalIdText(OptionRules::ShownLocalId(cp.LocalID))},
        {ctx.Tr("CodeplugReport", "Voice Prompt"),
         OptionWord("ComboVoice", OptionRules::VoiceIndex(cp.VoicePrompt), ctx)},
        {ctx.Tr("CodeplugReport", "TOT [s]"), ListItem(tot, OptionRules::TotIndex(cp.OptionTOT))},
        {ctx.Tr("CodeplugReport", "VOX Level"),
         ListItem(voxLevel, OptionRules::VoxLevelIndex(cp.VoxLevel))},
        {ctx.Tr("CodeplugReport", "VOX Delay [s]"),
         OptionWord("ComboVoxDelay", OptionRules::VoxDelayIndex(cp.VoxDelay), ctx)},
        {ctx.Tr("CodeplugReport", "Save Mode"),
         OptionWord("ComboSave", OptionRules::SaveIndex(cp.IdleTime[0]), ctx)},
    };
}

CodeplugReport::SettingRows CodeplugReport::KeyDefineRows(const Codeplug& cp,
                                                          const TextContext& ctx) {
    SettingRows rows;
    const QStringList keys = KeyDefineRules::RowLabels(ctx);
    for (int row = 0; row < keys.size() && row < KeyDefineRules::kShownRows; ++row)
        rows.append({keys[row], KeyWord(cp, row, ctx)});
    return rows;
}

QString CodeplugReport::FunctionSettings(const Codeplug& cp, const TextContext& ctx) {
    QString text;
    for (const auto& [label, value] : OptionRows(cp, ctx) + KeyDefineRows(cp, ctx))
        text += Line(label, value);
    return text;
}

QString CodeplugReport::Text(const Codeplug& cp, const TextContext& ctx) {
    return ChannelTable(cp, ctx) + QLatin1Char('\n') + FunctionSettings(cp, ctx);
}

} // namespace zr40
