#include "channels/tone_rules.h"

#include "codeplug/dcs_code.h"
#include "codeplug/tone_tables.h"
#include "codeplug/value_lists.h"

#include <QRegularExpression>

namespace zr40 {

namespace {

constexpr Long kPolarityBit = 0x800000; // set for normal (N) codes
constexpr Long kDefaultCtcss = 670;
constexpr Long kHighestTypedCtcss = 2541;

QString CtcssText(Long tenths, QChar separator) {
    return QString::number(tenths / 10) + separator + QString::number(tenths % 10);
}

// Three octal digits and the polarity letter of a stored DCS value.
QString DcsText(Long dcs) {
    const int high = (dcs & 0x1C0) >> 6;
    const int middle = (dcs & 0x38) >> 3;
    const int low = dcs & 7;
    const bool normal = (dcs & kPolarityBit) != 0;
    QString text = QStringLiteral("D");
    if (normal)
        text += QString::number(high ^ 7) + QString::number(middle ^ 7) + QString::number(7 - low);
    else
        text += QString::number(high) + QString::number(middle) + QString::number(low);
    return text + (normal ? QLatin1Char('N') : QLatin1Char('I'));
}

// "D" + three digits + polarity, whatever was typed after the "D": missing digits become 0,
// digits past 7 become 7, characters below "0" become 0.
ToneEntry RebuildDcs(const QString& text) {
    QString rebuilt = QStringLiteral("D");
    int code = 0;
    for (int i = 1; i <= 3; ++i) {
        QChar c = i < text.size() ? text.at(i) : QLatin1Char('0');
        if (c > QLatin1Char('7'))
            c = QLatin1Char('7');
        else if (c < QLatin1Char('0'))
            c = QLatin1Char('0');
        rebuilt += c;
        code = code * 8 + (c.unicode() - '0');
    }
    const bool inverted = text.size() > 4 && text.at(4) == QLatin1Char('I');
    rebuilt += inverted ? QLatin1Char('I') : QLatin1Char('N');
    return {rebuilt, {-1, ToneRules::DcsValue(code, !inverted)}};
}

// A typed CTCSS number in tenths of a hertz, rounded half up; false when it is no number.
bool ReadTenths(const QString& text, QChar separator, Long& tenths, bool& below60,
                bool& above2541) {
    const QRegularExpression number(
        QStringLiteral("^([0-9]*)(?:\\x{%1}([0-9]*))?$").arg(separator.unicode(), 0, 16));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(2).isEmpty()))
        return false;
    QString whole = match.captured(1);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    // Millionths of a hertz; anything with more than four whole digits is far above the list.
    const qint64 hertz = whole.size() > 4 ? 100000 : whole.toLongLong();
    const qint64 micro =
        hertz * 1000000 + match.captured(2).left(6).leftJustified(6, QLatin1Char('0')).toLongLong();
    below60 = micro < 60000000;
    above2541 = micro > 254100000;
    tenths = static_cast<Long>((micro + 50000) / 100000);
    return true;
}

} // namespace

bool ToneRules::CtcssPresent(Long ctcss) {
    return ctcss >= kCtcssLowest && ctcss <= kCtcssHighest;
}

bool ToneRules::DcsPresent(Long dcs) {
    const Long marker = dcs & 0xE00;
    return marker == 0x800 || marker == 0x600;
}

QString ToneRules::ToneText(Long ctcss, Long dcs, const TextContext& ctx) {
    if (CtcssPresent(ctcss))
        return CtcssText(ctcss, ctx.DecimalSeparator);
    if (DcsPresent(dcs))
        return DcsText(dcs);
    return ValueLists::ToneItem(0, ctx);
}

QString ToneRules::ToneText(const TonePair& pair, const TextContext& ctx) {
    return ToneText(pair.ctcss, pair.dcs, ctx);
}

TonePair ToneRules::ToneListItemToPair(int index) {
    if (index >= kToneListFirstInvertedDcs && index < kToneListSize)
        return {-1, DcsValue(kDcsCodes[index - kToneListFirstInvertedDcs], false)};
    if (index >= kToneListFirstNormalDcs && index < kToneListFirstInvertedDcs)
        return {-1, DcsValue(kDcsNormalListOrder[index - kToneListFirstNormalDcs], true)};
    if (index >= kToneListFirstCtcss && index < kToneListFirstNormalDcs)
        return {kCtcssTenths[index - kToneListFirstCtcss], -1};
    return {};
}

int ToneRules::ToneListIndexOf(const TonePair& pair) {
    if (CtcssPresent(pair.ctcss)) {
        for (int i = kToneListFirstCtcss; i < kToneListFirstNormalDcs; ++i) {
            if (ToneListItemToPair(i).ctcss == pair.ctcss)
                return i;
        }
        return -1;
    }
    if (DcsPresent(pair.dcs)) {
        for (int i = kToneListFirstNormalDcs; i < kToneListSize; ++i) {
            if (ToneListItemToPair(i).dcs == pair.dcs)
                return i;
        }
        return -1;
    }
    return 0;
}

int ToneRules::ListItemOf(const TonePair& pair) {
    if (CtcssPresent(pair.ctcss) || DcsPresent(pair.dcs))
        return ToneListIndexOf(pair);
    return pair.ctcss == -1 || pair.ctcss == 0 ? 0 : -1;
}

QString ToneRules::StoredToneText(const TonePair& pair, const TextContext& ctx) {
    if (ListItemOf(pair) == 0 || CtcssPresent(pair.ctcss) || DcsPresent(pair.dcs))
        return ToneText(pair, ctx);
    return CtcssText(pair.ctcss, ctx.DecimalSeparator);
}

ToneEntry ToneRules::ParseToneText(const QString& text, const TextContext& ctx) {
    // "None" in either language, whichever the list was filled in.
    if (text == ValueLists::ToneItem(0, TextContext{true}) ||
        text == ValueLists::ToneItem(0, TextContext{false}))
        return {text, {}};
    if (text.startsWith(QLatin1Char('D')))
        return RebuildDcs(text);
    Long tenths = kDefaultCtcss;
    bool below60 = false;
    bool above = false;
    if (!ReadTenths(text, ctx.DecimalSeparator, tenths, below60, above) || below60)
        tenths = kDefaultCtcss;
    else if (above)
        tenths = kHighestTypedCtcss;
    return {CtcssText(tenths, ctx.DecimalSeparator), {tenths, -1}};
}

Long ToneRules::DcsValue(int octalCode, bool normal) {
    if (normal)
        return static_cast<Long>(DcsCodeWord(octalCode, true)) | kPolarityBit;
    return static_cast<Long>(DcsCodeWord(octalCode, false));
}

} // namespace zr40
