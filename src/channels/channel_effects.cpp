#include "channels/channel_effects.h"

#include "channels/channel_list_coding.h"
#include "codeplug/tone_tables.h"

#include <QtGlobal>

namespace zr40 {

namespace {

constexpr Long kHertzPerMegahertz = 1000000;

// A channel the grid starts shows its type this way until the row is reloaded.
QString NewChannelTypeText(const TextContext& ctx) {
    return ctx.Tr("ChannelEffects", "Analog CH");
}

void StoreRx(Codeplug& cp, int ch, Long hertz) {
    cp.RxFreq.at(ch) = hertz;
    cp.RxColor.at(ch) = ChannelRules::FrequencyColourCode(hertz);
}

void StoreTx(Codeplug& cp, int ch, Long hertz) {
    cp.TxFreq.at(ch) = hertz;
    cp.TxColor.at(ch) = ChannelRules::FrequencyColourCode(hertz);
}

void ClearTones(Codeplug& cp, int ch) {
    cp.RxCtcss.at(ch) = -1;
    cp.RxDcs.at(ch) = -1;
    cp.TxCtcss.at(ch) = -1;
    cp.TxDcs.at(ch) = -1;
}

// The transmit side of a channel the dialog starts or clears: power high, no transmit limit,
// time-out off, no encode tone.
void ResetDialogTxSide(Codeplug& cp, int ch) {
    cp.TxPower.at(ch) = 1;
    cp.TxAuthority.at(ch) = 2;
    cp.ChannelTOT.at(ch) = 0;
    cp.TxCtcss.at(ch) = 0;
    cp.TxDcs.at(ch) = 0;
}

// Transmit following receive never leaves the transmit band: a receive-only range above it
// would otherwise be copied into the transmit side unchecked.
Long FollowingTx(const Codeplug& cp, Long rxHertz) {
    const Long top = static_cast<Long>(cp.BandUpperTx * kHertzPerMegahertz);
    return qMin(rxHertz, top);
}

void SetSide(Codeplug& cp, int ch, FrequencySide side, const TonePair& pair) {
    if (side == FrequencySide::Rx) {
        cp.RxCtcss.at(ch) = pair.ctcss;
        cp.RxDcs.at(ch) = pair.dcs;
    } else {
        cp.TxCtcss.at(ch) = pair.ctcss;
        cp.TxDcs.at(ch) = pair.dcs;
    }
}

void EmptyRowCells(GridEdit& edit) {
    for (int column = kGridColumnTx; column <= kGridColumnPower; ++column)
        edit.cells[column] = QString();
}

} // namespace

GridEdit ChannelEffects::GridReceiveEntry(Codeplug& cp, int ch, const QString& text,
                                          const TextContext& ctx) {
    GridEdit edit;
    const bool newChannel = ChannelRules::IsEmptyChannel(cp, ch);
    const bool txEmpty = !ChannelRules::TxFrequencyShown(cp, ch);
    const FrequencyEntry entry = ChannelRules::EnterFrequency(text, FrequencySide::Rx, cp, ctx);
    edit.outOfRange = entry.outOfRange;
    edit.cellText = entry.text;
    if (entry.cleared) {
        cp.ResetChannel(ch);
        EmptyRowCells(edit);
        return edit;
    }
    edit.digital = ChannelRules::IsDigital(cp, ch);
    if (newChannel) {
        StartGridChannel(cp, ch);
        const QString none = ChannelRules::NoneText(ctx);
        edit.cells[kGridColumnDecode] = none;
        edit.cells[kGridColumnEncode] = none;
        edit.cells[kGridColumnPower] = ChannelRules::PowerText(1, ctx);
        edit.cells[kGridColumnType] = NewChannelTypeText(ctx);
        edit.shadingChanged = true;
        edit.digital = false;
    }
    StoreRx(cp, ch, entry.hertz);
    if (txEmpty) {
        const Long tx = FollowingTx(cp, entry.hertz);
        StoreTx(cp, ch, tx);
        edit.cells[kGridColumnTx] =
            tx == entry.hertz ? entry.text
                              : ChannelRules::LimitText(cp.BandUpperTx, ctx.DecimalSeparator);
    }
    return edit;
}

GridEdit ChannelEffects::GridTransmitEntry(Codeplug& cp, int ch, const QString& text,
                                           const TextContext& ctx) {
    GridEdit edit;
    edit.digital = ChannelRules::IsDigital(cp, ch);
    const bool encodeEmpty = !ChannelRules::TxFrequencyShown(cp, ch);
    const FrequencyEntry entry = ChannelRules::EnterFrequency(text, FrequencySide::Tx, cp, ctx);
    edit.outOfRange = entry.outOfRange;
    edit.cellText = entry.text;
    if (entry.cleared) {
        cp.TxFreq.at(ch) = 0;
        cp.TxCtcss.at(ch) = 0;
        cp.TxDcs.at(ch) = 0;
        edit.cells[kGridColumnEncode] = QString();
        return edit;
    }
    if (encodeEmpty && !edit.digital) {
        cp.TxCtcss.at(ch) = -1;
        cp.TxDcs.at(ch) = -1;
        edit.cells[kGridColumnEncode] = ChannelRules::NoneText(ctx);
    }
    StoreTx(cp, ch, entry.hertz);
    return edit;
}

GridEdit ChannelEffects::GridTypeChange(Codeplug& cp, int ch, int index, const TextContext& ctx) {
    GridEdit edit;
    const bool wasDigital = ChannelRules::IsDigital(cp, ch);
    if (index != 0 && index != 1) {
        edit.digital = wasDigital;
        edit.cellText = ChannelRules::TypeText(wasDigital, ctx);
        return edit;
    }
    const bool digital = index == 1;
    cp.ChannelType.at(ch) = ChannelListCoding::ChannelTypeValue(index);
    edit.digital = digital;
    edit.cellText = ChannelRules::TypeText(digital, ctx);
    if (digital == wasDigital)
        return edit;
    edit.shadingChanged = true;
    if (digital) {
        cp.ChannelSpace.at(ch) = 12500; // a digital channel always runs narrow
        ClearTones(cp, ch);
        edit.cells[kGridColumnDecode] = QString();
        edit.cells[kGridColumnEncode] = QString();
        return edit;
    }
    cp.ChannelSpace.at(ch) = 25000;
    // The cells show the tones the channel really keeps.
    edit.cells[kGridColumnDecode] = ToneRules::ToneText(cp.RxCtcss.at(ch), cp.RxDcs.at(ch), ctx);
    edit.cells[kGridColumnEncode] =
        ChannelRules::TxFrequencyShown(cp, ch)
            ? ToneRules::ToneText(cp.TxCtcss.at(ch), cp.TxDcs.at(ch), ctx)
            : QString();
    return edit;
}

GridEdit ChannelEffects::GridToneCommit(Codeplug& cp, int ch, FrequencySide side,
                                        const QString& text, const TextContext& ctx) {
    GridEdit edit;
    edit.digital = ChannelRules::IsDigital(cp, ch);
    const ToneEntry entry = ToneRules::ParseToneText(text, ctx);
    SetSide(cp, ch, side, entry.pair);
    edit.cellText = entry.text;
    return edit;
}

GridEdit ChannelEffects::GridPowerChange(Codeplug& cp, int ch, int index, const TextContext& ctx) {
    GridEdit edit;
    edit.digital = ChannelRules::IsDigital(cp, ch);
    if (index == 0 || index == 1)
        cp.TxPower.at(ch) = ChannelListCoding::TxPowerValue(index);
    edit.cellText = ChannelRules::PowerText(cp.TxPower.at(ch), ctx);
    return edit;
}

DialogEdit ChannelEffects::DialogReceiveEntry(Codeplug& cp, int ch, const QString& text,
                                              const TextContext& ctx) {
    const FrequencyEntry entry = ChannelRules::EnterFrequency(text, FrequencySide::Rx, cp, ctx);
    const DialogEdit edit{entry.outOfRange, entry.text};
    if (entry.cleared || cp.RxFreq.at(ch) == 0) {
        cp.ResetChannel(ch);
        if (entry.cleared)
            return edit;
    }
    const bool txEmpty = !ChannelRules::TxFrequencyShown(cp, ch);
    StoreRx(cp, ch, entry.hertz);
    if (txEmpty)
        StoreTx(cp, ch, FollowingTx(cp, entry.hertz));
    return edit;
}

DialogEdit ChannelEffects::DialogTransmitEntry(Codeplug& cp, int ch, const QString& text,
                                               const TextContext& ctx) {
    const FrequencyEntry entry = ChannelRules::EnterFrequency(text, FrequencySide::Tx, cp, ctx);
    const DialogEdit edit{entry.outOfRange, entry.text};
    if (entry.cleared || cp.TxFreq.at(ch) == 0)
        ResetDialogTxSide(cp, ch);
    if (entry.cleared) {
        cp.TxFreq.at(ch) = 0;
        return edit;
    }
    StoreTx(cp, ch, entry.hertz);
    return edit;
}

void ChannelEffects::DialogTonePick(Codeplug& cp, int ch, FrequencySide side, int index) {
    if (index < 0 || index >= kToneListSize)
        return; // nothing picked: the stored tone stays
    SetSide(cp, ch, side, ToneRules::ToneListItemToPair(index));
}

CallTypeView ChannelEffects::DialogCallTypeChange(Codeplug& cp, int ch, CallType type) {
    const CallTypeView view = ChannelRules::CallTypeChange(type);
    cp.CallTypeTxID.at(ch) = view.value;
    return view;
}

TxIdEntry ChannelEffects::DialogTxIdEntry(Codeplug& cp, int ch, const QString& text) {
    const CallType type = ChannelRules::ShowCallType(cp.CallTypeTxID.at(ch)).type;
    const TxIdEntry entry = ChannelRules::EnterTxId(text, type);
    cp.CallTypeTxID.at(ch) = entry.value;
    return entry;
}

bool ChannelEffects::DialogKeyEntry(Codeplug& cp, int ch, FrequencySide side,
                                    const QString& digits) {
    const KeyEntry key = ChannelRules::EnterKey(digits);
    const bool rx = side == FrequencySide::Rx;
    Long& length = (rx ? cp.RxKeyLength : cp.TxKeyLength).at(ch);
    // Words beyond the shown length stay as the radio gave them while the key is not changed.
    const Codeplug::KeyWords words = rx ? cp.RxKeyWords(ch) : cp.TxKeyWords(ch);
    if (length == key.length && ChannelRules::KeyDisplayText(words, length) ==
                                    ChannelRules::KeyDisplayText(key.words, key.length))
        return false;
    if (rx)
        cp.SetRxKeyWords(ch, key.words);
    else
        cp.SetTxKeyWords(ch, key.words);
    length = key.length;
    return true;
}

void ChannelEffects::StartGridChannel(Codeplug& cp, int ch) {
    cp.TxPower.at(ch) = 1;
    cp.ChannelType.at(ch) = 1;
    ClearTones(cp, ch);
}

void ChannelEffects::FollowReceive(Codeplug& cp, int ch) {
    StoreTx(cp, ch, FollowingTx(cp, cp.RxFreq.at(ch)));
}

void ChannelEffects::StoreFrequency(Codeplug& cp, int ch, FrequencySide side, Long hertz) {
    if (side == FrequencySide::Rx)
        StoreRx(cp, ch, hertz);
    else
        StoreTx(cp, ch, hertz);
}

} // namespace zr40
