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

QString OrDash(const QString& text) {
    return text.trimmed().isEmpty() ? PlanContent::Dash() : text;
}

QStringList Headers(const TextContext& ctx, std::initializer_list<const char*> texts) {
    QStringList headers;
    for (const char* text : texts)
        headers << ctx.Tr("PlanContent", text);
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
    return on ? ctx.Tr("PlanContent", "On") : ctx.Tr("PlanContent", "Off");
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
    all.headers = Headers(ctx, {QT_TRANSLATE_NOOP("PlanContent", "CH"),
                                QT_TRANSLATE_NOOP("PlanContent", "Rx Frequency"),
                                QT_TRANSLATE_NOOP("PlanContent", "Tx Frequency"),
                                QT_TRANSLATE_NOOP("PlanContent", "Channel Type"),
                                QT_TRANSLATE_NOOP("PlanContent", "CTCSS/DCS Decode"),
                                QT_TRANSLATE_NOOP("PlanContent", "CTCSS/DCS Encode"),
                                QT_TRANSLATE_NOOP("PlanContent", "Tx Power"),
                                QT_TRANSLATE_NOOP("PlanContent", "Channel Spacing"),
                                QT_TRANSLATE_NOOP("PlanContent", "Sq Level"),
                                QT_TRANSLATE_NOOP("PlanContent", "Tx Setting")});
    all.widths = {5, 12, 12, 11, 11, 11, 8, 14, 7, 11};
    PlanTable digital;
    digital.caption = ctx.Tr("PlanContent", "Digital channels");
    digital.headers = Headers(
        ctx,
        {QT_TRANSLATE_NOOP("PlanContent", "CH"), QT_TRANSLATE_NOOP("PlanContent", "Rx Color"),
         QT_TRANSLATE_NOOP("PlanContent", "Tx Color"),
         QT_TRANSLATE_NOOP("PlanContent", "Call Type"), QT_TRANSLATE_NOOP("PlanContent", "Tx ID"),
         QT_TRANSLATE_NOOP("PlanContent", "Rx List"),
         QT_TRANSLATE_NOOP("PlanContent", "Rx Encrypt"), QT_TRANSLATE_NOOP("PlanContent", "Rx Key"),
         QT_TRANSLATE_NOOP("PlanContent", "Tx Encrypt"),
         QT_TRANSLATE_NOOP("PlanContent", "Tx Key")});
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
        return {{ctx.Tr("PlanContent", "No channel is in use."), {}, {}, {}}};
    QList<PlanTable> tables{all};
    if (!digital.rows.isEmpty())
        tables << digital;
    return tables;
}

PlanTable SettingTable(const QString& caption, const Rows& rows, const TextContext& ctx,
                       std::initializer_list<const char*> headers) {
    PlanTable table;
    table.caption = caption;
    table.headers = Headers(ctx, headers);
    table.widths = {1, 2};
    for (const auto& [label, value] : rows)
        table.rows << QStringList{label, OrDash(value)};
    return table;
}

QList<PlanTable> OptionTables(const Codeplug& cp, const TextContext& ctx) {
    return {SettingTable(
        {}, CodeplugReport::OptionRows(cp, ctx), ctx,
        {QT_TRANSLATE_NOOP("PlanContent", "Setting"), QT_TRANSLATE_NOOP("PlanContent", "Value")})};
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
    const std::initializer_list<const char*> headers = {
        QT_TRANSLATE_NOOP("PlanContent", "Key"), QT_TRANSLATE_NOOP("PlanContent", "Function")};
    return {
        SettingTable(OptionTexts::Caption(QStringLiteral("FrameKeeyDefine"), ctx),
                     CodeplugReport::KeyDefineRows(cp, ctx), ctx, headers),
        SettingTable(ctx.Tr("PlanContent", "Key Setting"), KeySettingRows(cp, ctx), ctx, headers)};
}

QList<PlanTable> MessageTables(const Codeplug& cp, const TextContext& ctx) {
    const EmbeddedMessageRules::Lines lines = EmbeddedMessageRules::MessageLines(cp.RadioImage);
    Rows rows;
    for (std::size_t i = 0; i < lines.size(); ++i)
        rows.append({QString::number(i + 1), lines[i]});
    PlanTable table = SettingTable(
        {}, rows, ctx,
        {QT_TRANSLATE_NOOP("PlanContent", "Line"), QT_TRANSLATE_NOOP("PlanContent", "Text")});
    table.widths = {1, 8};
    return {table};
}

QList<PlanTable> RxListTables(const Codeplug& cp, const TextContext& ctx) {
    PlanTable table;
    table.headers << ctx.Tr("PlanContent", "Rx List");
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
        return ctx.Tr("PlanContent", "Channel Information");
    case PlanPart::Options:
        return ctx.Tr("PlanContent", "Optional Features");
    case PlanPart::Keys:
        return ctx.Tr("PlanContent", "Key Assignment");
    case PlanPart::Message:
        return ctx.Tr("PlanContent", "Embedded Message");
    case PlanPart::RxLists:
        return ctx.Tr("PlanContent", "Rx List");
    }
    return {};
}

QString PlanContent::KeySetText(const TextContext& ctx) {
    return ctx.Tr("PlanContent", "set");
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
