#include "link/tune_rules.h"

#include "channels/channel_rules.h"

#include <algorithm>

namespace zr40 {

namespace {

constexpr Long kBiasLimit = 100;
constexpr Long kSquelchLimit = 127;
constexpr Long kAdjustLowest = -32768;
constexpr Long kAdjustHighest = 32767;
// Beyond any limit; the number read stops growing here.
constexpr qint64 kReadCeiling = 1000000000;

enum Column { kFrequency = 1, kBias = 2, kOsc = 3, kDigitalDev = 4, kSquelch = 5 };

// The digits at the start of a text as a number (0 when there are none).
qint64 LeadingNumber(const QString& text) {
    qint64 value = 0;
    for (const QChar c : text) {
        if (!c.isDigit() || c.unicode() > '9')
            break;
        value = std::min(value * 10 + c.digitValue(), kReadCeiling);
    }
    return value;
}

// "-123" is minus the number after the sign.
qint64 SignedNumber(const QString& text) {
    if (text.startsWith(QLatin1Char('-')))
        return -LeadingNumber(text.mid(1));
    return LeadingNumber(text);
}

Long Limited(qint64 value, Long low, Long high) {
    return static_cast<Long>(std::clamp<qint64>(value, low, high));
}

QString Shown(Long value, Long low, Long high) {
    return QString::number(value >= low && value <= high ? value : 0);
}

Codeplug::TuneTable& ColumnTable(Codeplug& c, int column) {
    switch (column) {
    case kBias:
        return c.TuneBias;
    case kOsc:
        return c.TuneOsc;
    case kDigitalDev:
        return c.TuneDigitalDev;
    default:
        return c.TuneSq;
    }
}

TuneCellEdit EnterFrequency(Codeplug& c, int point, const QString& text, const TextContext& ctx) {
    TuneCellEdit edit;
    if (text.isEmpty()) {
        // The point is cleared; the row shows blank as a point without a frequency does.
        c.TuneFreq[point] = c.TuneBias[point] = c.TuneDigitalDev[point] = c.TuneOsc[point] = 0;
        for (int column = kFrequency; column <= kSquelch; ++column)
            edit.cells[column] = QString();
        return edit;
    }
    const bool wasBlank = !ChannelRules::FrequencyShown(c.TuneFreq[point]);
    const FrequencyEntry entry = ChannelRules::EnterFrequency(text, FrequencySide::Rx, c, ctx);
    edit.outOfRange = entry.outOfRange;
    edit.cells[kFrequency] = entry.text;
    if (wasBlank) {
        for (int column = kBias; column <= kSquelch; ++column) {
            ColumnTable(c, column)[point] = 0;
            edit.cells[column] = QStringLiteral("0");
        }
    }
    c.TuneFreq[point] = entry.hertz;
    return edit;
}

Long ValueOfColumn(int column, const QString& text) {
    switch (column) {
    case kBias:
        return Limited(LeadingNumber(text), 0, kBiasLimit);
    case kOsc:
    case kDigitalDev:
        return Limited(SignedNumber(text), kAdjustLowest, kAdjustHighest);
    default:
        return Limited(LeadingNumber(text), 0, kSquelchLimit);
    }
}

Long Codeplug::*BoxField(TuneBox box) {
    switch (box) {
    case TuneBox::CtcssDev:
        return &Codeplug::CtcssDev;
    case TuneBox::CdcssDev:
        return &Codeplug::CdcssDev;
    case TuneBox::MicAmp:
        return &Codeplug::MicAmp;
    case TuneBox::SpeakAmp:
        return &Codeplug::SpeakAmp;
    case TuneBox::NoiseThW:
        return &Codeplug::NoiseThW;
    case TuneBox::NoiseThN:
        break;
    }
    return &Codeplug::NoiseThN;
}

} // namespace

int TuneRules::PointRows(const Codeplug& codeplug) {
    return std::clamp<Long>(codeplug.TunePointCount, 0, Codeplug::kTunePoints);
}

std::array<QString, 5> TuneRules::RowTexts(const Codeplug& c, int point, QChar separator) {
    std::array<QString, 5> texts;
    if (point < 0 || point >= Codeplug::kTunePoints ||
        !ChannelRules::FrequencyShown(c.TuneFreq[point]))
        return texts;
    texts[0] = ChannelRules::FrequencyText(c.TuneFreq[point], separator);
    texts[1] = QString::number(std::min(c.TuneBias[point], kBiasLimit));
    texts[2] = Shown(c.TuneOsc[point], kAdjustLowest, kAdjustHighest);
    texts[3] = Shown(c.TuneDigitalDev[point], kAdjustLowest, kAdjustHighest);
    texts[4] = Shown(c.TuneSq[point], 0, kSquelchLimit);
    return texts;
}

int TuneRules::BoxLimit(TuneBox box) {
    switch (box) {
    case TuneBox::CtcssDev:
    case TuneBox::CdcssDev:
        return 15;
    case TuneBox::MicAmp:
        return 42;
    case TuneBox::SpeakAmp:
        return 60;
    case TuneBox::NoiseThW:
    case TuneBox::NoiseThN:
        return 8191;
    }
    return 0;
}

Long TuneRules::BoxValue(const Codeplug& c, TuneBox box) {
    return c.*BoxField(box);
}

QString TuneRules::BoxText(const Codeplug& c, TuneBox box) {
    const Long stored = BoxValue(c, box);
    // A speaker gain outside its range shows the nearer end; the stored value waits for an edit.
    const qint64 shown = box == TuneBox::SpeakAmp ? qint64(stored) + kSpeakAmpOffset : stored;
    return QString::number(std::clamp<qint64>(shown, 0, BoxLimit(box)));
}

TuneCellEdit TuneRules::EnterCell(Codeplug& c, int point, int column, const QString& text,
                                  const TextContext& ctx) {
    if (point < 0 || point >= Codeplug::kTunePoints || column < kFrequency || column > kSquelch)
        return {};
    if (column == kFrequency)
        return EnterFrequency(c, point, text, ctx);
    const Long value = text.isEmpty() ? 0 : ValueOfColumn(column, text);
    ColumnTable(c, column)[point] = value;
    TuneCellEdit edit;
    edit.cells[column] = QString::number(value);
    return edit;
}

TuneBoxEdit TuneRules::EnterBox(Codeplug& c, TuneBox box, const QString& text) {
    TuneBoxEdit edit;
    const Long shown = Limited(LeadingNumber(text), 0, BoxLimit(box));
    edit.text = QString::number(shown);
    edit.value = box == TuneBox::SpeakAmp ? shown - kSpeakAmpOffset : shown;
    c.*BoxField(box) = edit.value;
    return edit;
}

} // namespace zr40
