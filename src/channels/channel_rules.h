#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QString>

namespace zr40 {

enum class FrequencySide { Rx, Tx };

enum class CallType { Single = 0, Group = 1, All = 2 }; // value = call type list position

// A frequency typed into a receive or transmit box, judged against the band.
struct FrequencyEntry {
    QString text;            // the text to show: padded to 9 characters, or the band edge
    Long hertz = 0;          // the value to store (0 when cleared)
    bool outOfRange = false; // "Frequency is out of range!" is due before the text is shown
    bool cleared = false;    // the box was emptied: the side is cleared, nothing is stored
};

// What the call type list, the ID box and its range caption show for one CallTypeTxID value.
struct CallTypeView {
    CallType type = CallType::Single;
    Long value = 0;       // the value to store / stored
    QString idText;       // "FFFFFF", "800000", "0", ...
    QString rangeCaption; // "(0~7FFFFF)", "(800000~FFFFFE)" or empty
    bool idEnabled = true;
    bool corrected = false; // the stored value was out of range and is replaced by 0
};

struct TxIdEntry {
    Long value = 0;
    QString text; // upper-case hexadecimal without leading zeros
};

struct KeyEntry {
    Codeplug::KeyWords words{};
    Long length = 0;
};

// The per-channel field rules that every channel editor shares: frequency text and entry,
// colour codes, call type and transmit ID, keys. Channel indexes are 0-based (channel n is n - 1).
class ChannelRules {
public:
    // Display window of a frequency (fixed, separate from the band limits used for entry).
    static constexpr Long kShownLowerHz = 100000000;
    static constexpr Long kShownUpperHz = 550000000;

    // 435025000 -> "435.02500", 146000000 -> "146.00000"; 9 or more characters stay as they are.
    static QString FrequencyText(Long hertz, QChar separator);
    // Adds the separator when missing, then "0" up to 9 characters.
    static QString PadFrequencyText(const QString& text, QChar separator);
    // A band edge in whole MHz written as a frequency: 400 -> "400.00000".
    static QString LimitText(int megahertz, QChar separator);
    // 100..550 MHz inclusive: the frequency is shown at all.
    static bool FrequencyShown(Long hertz);
    // A channel whose receive frequency is not shown is empty.
    static bool IsEmptyChannel(const Codeplug& codeplug, int channel);
    // The transmit frequency of the channel is shown (channel not empty, TxFreq in 100..550 MHz).
    static bool TxFrequencyShown(const Codeplug& codeplug, int channel);
    static bool IsDigital(const Codeplug& codeplug, int channel); // ChannelType == 2

    // Judges a committed frequency text (decimal MHz, the separator in use) against BandLower and
    // BandUpper (Rx) or BandUpperTx (Tx). A lone separator or a value outside the band is
    // replaced by the nearer band edge and flagged; empty text is flagged as cleared.
    static FrequencyEntry EnterFrequency(const QString& text, FrequencySide side,
                                         const Codeplug& codeplug, const TextContext& ctx);
    // A decimal text (digits, at most one separator) read exactly in billionths of its unit, so
    // a text in MHz gives milli-hertz; false when the text is no such number.
    static bool MilliHertzOf(const QString& text, QChar separator, qint64& milli);
    // The part below 100 kHz in 6.25 kHz steps, modulo 16.
    static Long FrequencyColourCode(Long hertz);

    // The call type a stored CallTypeTxID shows (an out-of-range value shows as single call 0,
    // with `corrected` set so the loader can store 0).
    static CallTypeView ShowCallType(Long value);
    // Choosing a call type in the list: the value to store and what the ID box shows.
    static CallTypeView CallTypeChange(CallType type);
    static QString IdRangeCaption(CallType type);
    // The ID box committed under the current call type.
    static TxIdEntry EnterTxId(const QString& text, CallType type);
    static QString HexText(Long value); // upper case, no leading zeros

    // Key box committed: up to 32 hexadecimal digits of the key. Only 0-9 can be typed, but a
    // key from a file or the radio may hold A-F, and those digits are the key as much as any.
    static KeyEntry EnterKey(const QString& digits);
    // The key as the box shows it; empty when the length is 0.
    static QString KeyDisplayText(const Codeplug::KeyWords& words, Long length);

    // Texts shown by the channel editors.
    static QString OutOfRangeMessage(const TextContext& ctx);       // "Frequency is out of range!"
    static QString TypeText(bool digital, const TextContext& ctx);  // "Analog CH" / "Digital CH"
    static QString PowerText(Long txPower, const TextContext& ctx); // "High" unless 0
    static QString NoneText(const TextContext& ctx);                // "None" / "无"
};

} // namespace zr40
