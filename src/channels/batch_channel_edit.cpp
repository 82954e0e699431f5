#include "channels/batch_channel_edit.h"

#include "channels/channel_effects.h"
#include "channels/channel_list_coding.h"
#include "channels/channel_rules.h"
#include "channels/image_channel_layout.h"
#include "channels/tone_rules.h"

#include <QRandomGenerator>

#include <algorithm>

namespace zr40 {

namespace {

using L = ImageChannelLayout;

constexpr qint64 kMilliPerMegahertz = 1000000000;
constexpr qint64 kMilliPerHertz = 1000;
constexpr qint64 kMilliPerTenHertz = 10000;
constexpr std::uint8_t kClearedByte = 0xFF;

// A frequency as the records store it: five decimals of a megahertz (10 Hz), halves to even.
std::uint32_t StoredHertz(qint64 milli) {
    qint64 tens = milli / kMilliPerTenHertz;
    const qint64 rest = milli % kMilliPerTenHertz;
    if (2 * rest > kMilliPerTenHertz || (2 * rest == kMilliPerTenHertz && (tens & 1)))
        ++tens;
    return static_cast<std::uint32_t>(tens * 10);
}

qint64 Stepped(qint64 value, qint64 step, StepDirection direction) {
    return direction == StepDirection::Ascending ? value + step : value - step;
}

// One Apply: walks the channels in ascending order and carries the running frequencies and
// tone positions from one channel of the range to the next.
class BatchRun {
public:
    BatchRun(Codeplug& cp, const BatchChannelChoice& choice, QRandomGenerator& random)
        : cp_(cp), c_(choice), random_(random) {}

    void Channel(int ch) {
        const bool first = handled_ == 0;
        bool clamped = false;
        if (c_.setRxFreq) {
            rx_ = first ? c_.rx.start : Stepped(rx_, c_.rx.step, c_.rx.direction);
            rxClamped_ = Clamp(rx_, cp_.BandUpper);
            clamped |= rxClamped_;
        }
        if (c_.setTxFreq) {
            tx_ = TransmitFrequency(first, rx_);
            clamped |= Clamp(tx_, cp_.BandUpperTx);
        }
        if (c_.decode.set)
            decode_ = NextTone(c_.decode, decode_, first);
        if (c_.encode.set)
            encode_ = c_.encodeDefault ? decode_ : NextTone(c_.encode, encode_, first);
        WriteImage(ch);
        // A channel of the plan says itself whether it ran into a band edge: its transmit
        // frequency follows its own receive frequency, not the run's.
        if (ch < Codeplug::kChannels)
            clamped = WriteCodeplug(ch) || (c_.setRxFreq && rxClamped_);
        clampedChannels += clamped ? 1 : 0;
        ++handled_;
    }

    void Clear(int ch) {
        if (!c_.clearOthers)
            return;
        auto& image = cp_.RadioImage;
        L::FillRecord(image, ch, kClearedByte);
        L::SetPresent(image, ch, false);
        L::SetInScan(image, ch, false);
        if (ch < Codeplug::kChannels)
            cp_.ResetChannel(ch); // as clearing the row's receive frequency in the grid does
    }

    int clampedChannels = 0;

private:
    // Holds a running frequency to the band; true when it had left it.
    bool Clamp(qint64& milli, int upperMegahertz) const {
        const qint64 held = std::clamp(milli, cp_.BandLower * kMilliPerMegahertz,
                                       upperMegahertz * kMilliPerMegahertz);
        const bool clamped = held != milli;
        milli = held;
        return clamped;
    }

    // The transmit frequency of a record from `rx`: the same, shifted by the offset, or the
    // next of the transmit run.
    qint64 TransmitFrequency(bool first, qint64 rx) const {
        switch (c_.txMode) {
        case TransmitMode::Default:
            return rx;
        case TransmitMode::Offset:
            return c_.offsetPlus ? rx + c_.txOffset : rx - c_.txOffset;
        case TransmitMode::Incept:
            break;
        }
        return first ? c_.tx.start : Stepped(tx_, c_.tx.step, c_.tx.direction);
    }

    // A fresh draw for every channel when random, else the next position of the run.
    int NextTone(const BatchTone& tone, int position, bool first) {
        if (tone.random)
            return static_cast<int>(random_.bounded(L::kTonePositions));
        const int next = first
                             ? tone.start
                             : (tone.direction == StepDirection::Ascending ? position + tone.step
                                                                           : position - tone.step);
        return L::WrapTonePosition(next);
    }

    void WriteImage(int ch) {
        auto& image = cp_.RadioImage;
        if (c_.setRxFreq) {
            L::SetFrequency(image, ch, L::kRxFreq, StoredHertz(rx_));
            L::SetPresent(image, ch, true);
        }
        if (c_.setTxFreq)
            L::SetFrequency(image, ch, L::kTxFreq, StoredHertz(tx_));
        if (c_.decode.set)
            L::SetTone(image, ch, L::kDecodeKind, L::ToneOfPosition(decode_));
        if (c_.encode.set)
            L::SetTone(image, ch, L::kEncodeKind, L::ToneOfPosition(encode_));
        if (c_.setTxPower)
            L::SetFlag(image, ch, L::kHighPower, c_.highPower);
        if (c_.setSpace)
            L::SetFlag(image, ch, L::kWide, c_.wide);
        if (c_.setBusyLock)
            L::SetBusyLock(image, ch, c_.busyLock);
        if (c_.setScanAdd)
            L::SetInScan(image, ch, c_.scanAdd);
        if (c_.setReverse)
            L::SetFlag(image, ch, L::kReverse, c_.reverse);
        if (c_.setTalkAround)
            L::SetFlag(image, ch, L::kTalkAround, c_.talkAround);
    }

    // Writes what the choice sets into a channel of the plan; true when its transmit frequency
    // ran into a band edge.
    bool WriteCodeplug(int ch) {
        if (c_.setRxFreq && ChannelRules::IsEmptyChannel(cp_, ch)) {
            // A new channel, as the grid starts one: it transmits where it receives.
            ChannelEffects::StartGridChannel(cp_, ch);
            ChannelEffects::StoreFrequency(cp_, ch, FrequencySide::Rx, Long(StoredHertz(rx_)));
            ChannelEffects::FollowReceive(cp_, ch);
        } else if (c_.setRxFreq) {
            ChannelEffects::StoreFrequency(cp_, ch, FrequencySide::Rx, Long(StoredHertz(rx_)));
        }
        if (ChannelRules::IsEmptyChannel(cp_, ch))
            return false; // nothing of an empty channel is shown or edited but its receive
                          // frequency
        bool clamped = false;
        if (c_.setTxFreq) {
            // "Default" and "Offset" start from the channel's own receive frequency.
            qint64 tx = c_.txMode == TransmitMode::Incept
                            ? tx_
                            : TransmitFrequency(false, qint64(cp_.RxFreq.at(ch)) * kMilliPerHertz);
            clamped = Clamp(tx, cp_.BandUpperTx);
            ChannelEffects::StoreFrequency(cp_, ch, FrequencySide::Tx, Long(StoredHertz(tx)));
        }
        const bool analog = !ChannelRules::IsDigital(cp_, ch);
        if (c_.decode.set && analog)
            SetTones(ch, FrequencySide::Rx, decode_);
        if (c_.encode.set && analog && ChannelRules::TxFrequencyShown(cp_, ch))
            SetEncode(ch);
        if (c_.setTxPower)
            cp_.TxPower.at(ch) = ChannelListCoding::TxPowerValue(c_.highPower ? 1 : 0);
        if (c_.setSpace && analog) // a digital channel always runs narrow
            cp_.ChannelSpace.at(ch) = ChannelListCoding::SpaceValue(c_.wide ? 1 : 0);
        return clamped;
    }

    // "Default" encodes what the channel decodes, whether the run set its decode or not.
    void SetEncode(int ch) {
        if (!c_.encodeDefault) {
            SetTones(ch, FrequencySide::Tx, encode_);
            return;
        }
        cp_.TxCtcss.at(ch) = cp_.RxCtcss.at(ch);
        cp_.TxDcs.at(ch) = cp_.RxDcs.at(ch);
    }

    void SetTones(int ch, FrequencySide side, int position) {
        const TonePair pair = ToneRules::ToneListItemToPair(position);
        (side == FrequencySide::Rx ? cp_.RxCtcss : cp_.TxCtcss).at(ch) = pair.ctcss;
        (side == FrequencySide::Rx ? cp_.RxDcs : cp_.TxDcs).at(ch) = pair.dcs;
    }

    Codeplug& cp_;
    const BatchChannelChoice& c_;
    QRandomGenerator& random_;
    int handled_ = 0; // channels of the range done so far
    bool rxClamped_ = false;
    qint64 rx_ = 0; // a transmit run without receive frequencies starts from 0 MHz
    qint64 tx_ = 0;
    int decode_ = 0; // an encode that follows an unset decode follows "None"
    int encode_ = 0;
};

} // namespace

BatchEditResult BatchChannelEdit::Apply(Codeplug& cp, const BatchChannelChoice& choice,
                                        QRandomGenerator& random) {
    BatchRun run(cp, choice, random);
    for (int ch = 0; ch < kChannels; ++ch) {
        if (ch < choice.first || ch > choice.last)
            run.Clear(ch);
        else
            run.Channel(ch);
    }
    cp.ChannelDataChanged = true;
    return {run.clampedChannels};
}

} // namespace zr40
