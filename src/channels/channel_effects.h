#pragma once

#include "channels/channel_rules.h"
#include "channels/tone_rules.h"
#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QMap>
#include <QString>

namespace zr40 {

// Grid columns of the channel grid.
enum GridColumn {
    kGridColumnRx = 1,
    kGridColumnTx = 2,
    kGridColumnType = 3,
    kGridColumnDecode = 4,
    kGridColumnEncode = 5,
    kGridColumnPower = 6
};

// The outcome of one in-cell edit of the channel grid: what to say, what the edited cell shows,
// which other cells of the row take a new text.
struct GridEdit {
    bool outOfRange = false;     // show ChannelRules::OutOfRangeMessage first
    QString cellText;            // the edited cell's new text
    QMap<int, QString> cells;    // other cells of the same row: column -> text ("" empties it)
    bool shadingChanged = false; // type changed: cells 4 and 5 take the digital/analog shading
    bool digital = false;        // the channel's type after the edit
};

// The outcome of a frequency commit in the channel edit dialog; the dialog reloads the channel
// afterwards, so only the message and the corrected text matter.
struct DialogEdit {
    bool outOfRange = false;
    QString text;
};

// Whole edits of one channel as the grid and the edit dialog apply them to the codeplug. The grid
// starts a new row with a few analog defaults; the dialog resets the whole channel instead.
class ChannelEffects {
public:
    // Column 1 committed. An empty row gets analog defaults (type, tones none, power high); an
    // empty transmit cell follows the receive frequency, held to BandUpperTx. Empty text resets
    // the channel and empties columns 2..6.
    static GridEdit GridReceiveEntry(Codeplug& codeplug, int channel, const QString& text,
                                     const TextContext& ctx);
    // Column 2 committed. Starting a transmit side of an analog channel sets its encode to none;
    // empty text clears TxFreq and the encode tone to 0.
    static GridEdit GridTransmitEntry(Codeplug& codeplug, int channel, const QString& text,
                                      const TextContext& ctx);
    // Column 3: type list position chosen (0 analog, 1 digital).
    static GridEdit GridTypeChange(Codeplug& codeplug, int channel, int index,
                                   const TextContext& ctx);
    // Columns 4 and 5: the tone list text committed (read like a typed tone).
    static GridEdit GridToneCommit(Codeplug& codeplug, int channel, FrequencySide side,
                                   const QString& text, const TextContext& ctx);
    // Column 6: power list position chosen.
    static GridEdit GridPowerChange(Codeplug& codeplug, int channel, int index,
                                    const TextContext& ctx);

    // The dialog's receive box committed: a channel without receive frequency is reset to its
    // defaults first; an empty transmit box follows the receive frequency. Empty text resets.
    static DialogEdit DialogReceiveEntry(Codeplug& codeplug, int channel, const QString& text,
                                         const TextContext& ctx);
    // The dialog's transmit box committed: a new or cleared transmit side gets power high, no
    // limit on permission, time-out off and no encode tone.
    static DialogEdit DialogTransmitEntry(Codeplug& codeplug, int channel, const QString& text,
                                          const TextContext& ctx);
    // A decode (Rx) or encode (Tx) tone list item picked in the dialog.
    static void DialogTonePick(Codeplug& codeplug, int channel, FrequencySide side, int index);
    // The dialog's call type list: stores the value and returns what the ID box shows.
    static CallTypeView DialogCallTypeChange(Codeplug& codeplug, int channel, CallType type);
    // The dialog's ID box committed under the channel's current call type.
    static TxIdEntry DialogTxIdEntry(Codeplug& codeplug, int channel, const QString& text);
    // A key box committed: words and length of the receive or transmit key. False, and nothing
    // stored, when the box holds the key as it is shown already.
    static bool DialogKeyEntry(Codeplug& codeplug, int channel, FrequencySide side,
                               const QString& digits);

    // The analog defaults a channel takes when the grid starts it: analog, power high, no tones.
    static void StartGridChannel(Codeplug& codeplug, int channel);
    // A frequency of one side stored with that side's colour code.
    static void StoreFrequency(Codeplug& codeplug, int channel, FrequencySide side, Long hertz);
    // The transmit side of a channel the grid starts: the receive frequency, held to BandUpperTx.
    static void FollowReceive(Codeplug& codeplug, int channel);
};

} // namespace zr40
