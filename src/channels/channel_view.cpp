#include "channels/channel_view.h"

#include "channels/channel_list_coding.h"
#include "channels/tone_rules.h"

namespace zr40 {

namespace {

void ShowReceiveSide(const Codeplug& cp, int ch, const TextContext& ctx, DialogChannelView& v) {
    if (!v.digital) {
        v.decodeText = ToneRules::ToneText(cp.RxCtcss.at(ch), cp.RxDcs.at(ch), ctx);
        v.decodeIndex = ToneRules::ToneListIndexOf({cp.RxCtcss.at(ch), cp.RxDcs.at(ch)});
    } else {
        v.rxListIndex = ChannelListCoding::RxListIndex(cp.ChannelRxList.at(ch), cp.RxListCount);
        v.rxKeyChecked = ChannelListCoding::KeyEnableChecked(cp.RxKeyEnable.at(ch));
        v.rxKeyText = ChannelRules::KeyDisplayText(cp.RxKeyWords(ch), cp.RxKeyLength.at(ch));
    }
    v.sqlIndex = ChannelListCoding::SqlLevelIndex(cp.SqlLevel.at(ch));
    v.denoiseIndex = ChannelListCoding::DenoiseLevelIndex(cp.DenoiseLevel.at(ch));
    v.spaceIndex = ChannelListCoding::SpaceIndex(cp.ChannelSpace.at(ch));
}

void ShowTransmitSide(Codeplug& cp, int ch, const TextContext& ctx, DialogChannelView& v) {
    v.txText = ChannelRules::FrequencyText(cp.TxFreq.at(ch), ctx.DecimalSeparator);
    if (!v.digital) {
        v.encodeText = ToneRules::ToneText(cp.TxCtcss.at(ch), cp.TxDcs.at(ch), ctx);
        v.encodeIndex = ToneRules::ToneListIndexOf({cp.TxCtcss.at(ch), cp.TxDcs.at(ch)});
    } else {
        v.txKeyChecked = ChannelListCoding::KeyEnableChecked(cp.TxKeyEnable.at(ch));
        v.txKeyText = ChannelRules::KeyDisplayText(cp.TxKeyWords(ch), cp.TxKeyLength.at(ch));
        v.callType = ChannelRules::ShowCallType(cp.CallTypeTxID.at(ch));
        if (v.callType.corrected)
            cp.CallTypeTxID.at(ch) = v.callType.value;
    }
    v.txAuthorityIndex = ChannelListCoding::TxAuthorityIndex(cp.TxAuthority.at(ch));
    v.txPowerIndex = ChannelListCoding::TxPowerIndex(cp.TxPower.at(ch));
}

} // namespace

GridRowView ChannelView::GridRow(const Codeplug& cp, int ch, const TextContext& ctx) {
    GridRowView row;
    if (ChannelRules::IsEmptyChannel(cp, ch))
        return row;
    row.empty = false;
    row.digital = ChannelRules::IsDigital(cp, ch);
    row.rx = ChannelRules::FrequencyText(cp.RxFreq.at(ch), ctx.DecimalSeparator);
    if (ChannelRules::TxFrequencyShown(cp, ch))
        row.tx = ChannelRules::FrequencyText(cp.TxFreq.at(ch), ctx.DecimalSeparator);
    if (!row.digital) {
        row.decode = ToneRules::ToneText(cp.RxCtcss.at(ch), cp.RxDcs.at(ch), ctx);
        if (!row.tx.isEmpty())
            row.encode = ToneRules::ToneText(cp.TxCtcss.at(ch), cp.TxDcs.at(ch), ctx);
    }
    row.type = ChannelRules::TypeText(row.digital, ctx);
    row.power = ChannelRules::PowerText(cp.TxPower.at(ch), ctx);
    return row;
}

DialogChannelView ChannelView::Dialog(Codeplug& cp, int ch, const TextContext& ctx) {
    DialogChannelView view;
    if (ChannelRules::IsEmptyChannel(cp, ch)) {
        view.callType.rangeCaption.clear();
        view.callType.idText.clear();
        return view;
    }
    view.empty = false;
    view.digital = ChannelRules::IsDigital(cp, ch);
    view.rxText = ChannelRules::FrequencyText(cp.RxFreq.at(ch), ctx.DecimalSeparator);
    ShowReceiveSide(cp, ch, ctx, view);
    view.txShown = ChannelRules::TxFrequencyShown(cp, ch);
    if (view.txShown)
        ShowTransmitSide(cp, ch, ctx, view);
    return view;
}

} // namespace zr40
