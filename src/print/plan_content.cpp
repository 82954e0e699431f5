#include "print/plan_content.h"

#include "channels/channel_list_coding.h"
#include "channels/channel_view.h"
#include "channels/rx_list_rules.h"
#include "codeplug/value_lists.h"
#include "exchange/codeplug_report.h"
#include "functions/embedded_message_rules.h"
#include "functions/key_setting_rules.h"
#include "functions/option_texts.h"

namespace zr40 {

namespace {

using Rows = QList<QPair<QString, QString>>;

QString Zh(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString OrDash(const QString& text) {
    return text.trimmed().isEmpty() ? PlanContent::Dash() : text;
}

QStringList Headers(const TextContext& ctx, std::initializer_list<TextPair> pairs) {
    QStringList headers;
    for (const TextPair& pair : pairs)
        headers << ctx.Pick(pair);
    return headers;
}

QString Item(const QStringList& items, int index) {
    return OrDash(items.value(index));
}

bool KeyStored(const Codeplug::KeyWords& words, Long length) {
    if (length > 0)
        return true;
    for (Long word : words)
        if (word != 0)
            return true;
    return false;
}

QString OnOff(bool on, const TextContext& ctx) {
    return on ? ctx.Pick(QStringLiteral("On"), Zh("开"))
              : ctx.Pick(QStringLiteral("Off"), Zh("关"));
}

// The lists every channel row reads its words from, filled once.
struct ChannelLists {
    explicit ChannelLists(const TextContext& ctx) {
        ValueLists::FillSpaceList(space, ctx);
        ValueLists::FillTxAuthorityList(txAuthority, ctx);
        ValueLists::FillCallTypeList(callType, ctx);
        ValueLists::FillColorCodeList(colour, ctx);
    }
    QStringList space, txAuthority, callType, colour;
};

QStringList ChannelRow(int ch, const GridRowView& row, const DialogChannelView& view,
                       const ChannelLists& lists) {
    return {QString::number(ch + 1),
            row.rx,
            OrDash(row.tx),
            row.type,
            OrDash(row.decode),
            OrDash(row.encode),
            row.power,
            Item(lists.space, view.spaceIndex),
            QString::number(view.sqlIndex),
            view.txShown ? Item(lists.txAuthority, view.txAuthorityIndex) : PlanContent::Dash()};
}

QStringList DigitalRow(const Codeplug& cp, int ch, const DialogChannelView& view,
                       const ChannelLists& lists, const TextContext& ctx) {
    const QString dash = PlanContent::Dash();
    const auto keyText = [&ctx](bool stored) {
        return stored ? PlanContent::KeySetText(ctx) : PlanContent::Dash();
    };
    const bool tx = view.txShown;
    return {QString::number(ch + 1),
            Item(lists.colour, ChannelListCoding::ColorIndex(cp.RxColor.at(ch))),
            tx ? Item(lists.colour, ChannelListCoding::ColorIndex(cp.TxColor.at(ch))) : dash,
            tx ? Item(lists.callType, static_cast<int>(view.callType.type)) : dash,
            tx ? OrDash(view.callType.idText) : dash,
            QString::number(view.rxListIndex + 1),
            OnOff(view.rxKeyChecked, ctx),
            keyText(KeyStored(cp.RxKeyWords(ch), cp.RxKeyLength.at(ch))),
            tx ? OnOff(view.txKeyChecked, ctx) : dash,
            tx ? keyText(KeyStored(cp.TxKeyWords(ch), cp.TxKeyLength.at(ch))) : dash};
}

QList<PlanTable> ChannelTables(const Codeplug& cp, const TextContext& ctx) {
    PlanTable all;
    all.headers = Headers(ctx, {{"CH", "信道"},
                                {"Rx Frequency", "接收频率"},
                                {"Tx Frequency", "发射频率"},
                                {"Channel Type", "信道配置"},
                                {"CTCSS/DCS Decode", "解码"},
                                {"CTCSS/DCS Encode", "编码"},
                                {"Tx Power", "发射功率"},
                                {"Channel Spacing", "信道间隔"},
                                {"Sq Level", "静噪等级"},
                                {"Tx Setting", "发射权限"}});
    all.widths = {5, 12, 12, 11, 11, 11, 8, 14, 7, 11};
    PlanTable digital;
    digital.caption = ctx.Pick(QStringLiteral("Digital channels"), Zh("数字信道"));
    digital.headers = Headers(ctx, {{"CH", "信道"},
                                    {"Rx Color", "接收色码"},
                                    {"Tx Color", "发射色码"},
                                    {"Call Type", "呼叫方式"},
                                    {"Tx ID", "发射ID"},
                                    {"Rx List", "接收列表"},
                                    {"Rx Encrypt", "接收加密"},
                                    {"Rx Key", "接收密钥"},
                                    {"Tx Encrypt", "发射加密"},
                                    {"Tx Key", "发射密钥"}});
    digital.widths = {5, 8, 8, 13, 10, 8, 9, 10, 9, 10};
    // Loading a channel into the dialog's view may repair its call type: do that on a copy.
    Codeplug shown = cp;
    const ChannelLists lists(ctx);
    for (int ch = 0; ch < Codeplug::kChannels; ++ch) {
        const GridRowView row = ChannelView::GridRow(shown, ch, ctx);
        if (row.empty)
            continue;
        const DialogChannelView view = ChannelView::Dialog(shown, ch, ctx);
        all.rows << ChannelRow(ch, row, view, lists);
        if (row.digital)
            digital.rows << DigitalRow(shown, ch, view, lists, ctx);
    }
    if (all.rows.isEmpty())
        return {{ctx.Pick(QStringLiteral("No channel is in use."), Zh("没有使用中的信道。")),
                 {},
                 {},
                 {}}};
    QList<PlanTable> tables{all};
    if (!digital.rows.isEmpty())
        tables << digital;
    return tables;
}

PlanTable SettingTable(const QString& caption, const Rows& rows, const TextContext& ctx,
                       std::initializer_list<TextPair> headers) {
    PlanTable table;
    table.caption = caption;
    table.headers = Headers(ctx, headers);
    table.widths = {1, 2};
    for (const auto& [label, value] : rows)
        table.rows << QStringList{label, OrDash(value)};
    return table;
}

QList<PlanTable> OptionTables(const Codeplug& cp, const TextContext& ctx) {
    return {SettingTable({}, CodeplugReport::OptionRows(cp, ctx), ctx,
                         {{"Setting", "设定项"}, {"Value", "设定值"}})};
}

// PF1 and PF2 of the key setting page, as that page shows them.
Rows KeySettingRows(const Codeplug& cp, const TextContext& ctx) {
    Rows rows;
    for (int row = 0; row < KeySettingRules::kShownRows; ++row)
        rows.append(
            {KeySettingRules::RowName(row), KeySettingRules::KeyText(cp.RadioImage, row, ctx)});
    return rows;
}

QList<PlanTable> KeyTables(const Codeplug& cp, const TextContext& ctx) {
    const std::initializer_list<TextPair> headers = {{"Key", "按键"}, {"Function", "功能"}};
    return {SettingTable(OptionTexts::Caption(QStringLiteral("FrameKeeyDefine"), ctx),
                         CodeplugReport::KeyDefineRows(cp, ctx), ctx, headers),
            SettingTable(ctx.Pick(QStringLiteral("Key Setting"), Zh("键设置")),
                         KeySettingRows(cp, ctx), ctx, headers)};
}

QList<PlanTable> MessageTables(const Codeplug& cp, const TextContext& ctx) {
    const EmbeddedMessageRules::Lines lines = EmbeddedMessageRules::MessageLines(cp.RadioImage);
    Rows rows;
    for (std::size_t i = 0; i < lines.size(); ++i)
        rows.append({QString::number(i + 1), lines[i]});
    PlanTable table = SettingTable({}, rows, ctx, {{"Line", "行"}, {"Text", "内容"}});
    table.widths = {1, 8};
    return {table};
}

QList<PlanTable> RxListTables(const Codeplug& cp, const TextContext& ctx) {
    PlanTable table;
    table.headers << ctx.Pick(QStringLiteral("Rx List"), Zh("接收列表"));
    table.widths << 12;
    for (int entry = 0; entry < Codeplug::kRxListEntries; ++entry) {
        table.headers << QString::number(entry + 1);
        table.widths << 11;
    }
    for (int list = 0; list < Codeplug::kRxLists; ++list) {
        QStringList row{QString::number(list + 1)};
        for (int entry = 0; entry < Codeplug::kRxListEntries; ++entry)
            row << OrDash(
                RxListRules::EntryText(cp.RxListEntry[RxListRules::EntryIndex(list, entry)]));
        table.rows << row;
    }
    return {table};
}

} // namespace

QString PlanContent::Title(PlanPart part, const TextContext& ctx) {
    switch (part) {
    case PlanPart::Channels:
        return ctx.Pick(QStringLiteral("Channel Information"), Zh("信道信息"));
    case PlanPart::Options:
        return ctx.Pick(QStringLiteral("Optional Features"), Zh("可选功能"));
    case PlanPart::Keys:
        return ctx.Pick(QStringLiteral("Key Assignment"), Zh("键设定"));
    case PlanPart::Message:
        return ctx.Pick(QStringLiteral("Embedded Message"), Zh("嵌入信息"));
    case PlanPart::RxLists:
        return ctx.Pick(QStringLiteral("Rx List"), Zh("接收列表"));
    }
    return {};
}

QString PlanContent::KeySetText(const TextContext& ctx) {
    return ctx.Pick(QStringLiteral("set"), Zh("已设置"));
}

QList<PlanSection> PlanContent::Build(const Codeplug& cp, const PrintSections& sections,
                                      const TextContext& ctx) {
    using Builder = QList<PlanTable> (*)(const Codeplug&, const TextContext&);
    const Builder builders[PrintSections::kCount] = {&ChannelTables, &OptionTables, &KeyTables,
                                                     &MessageTables, &RxListTables};
    QList<PlanSection> plan;
    for (int i = 0; i < PrintSections::kCount; ++i) {
        const PlanPart part = PrintSections::PartAt(i);
        if (sections.Has(part))
            plan.append({part, Title(part, ctx), builders[i](cp, ctx)});
    }
    return plan;
}

} // namespace zr40
