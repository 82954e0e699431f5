#include "channels/batch_edit_fields.h"

#include "channels/channel_rules.h"

#include <QtGlobal>

namespace zr40 {

namespace {

constexpr qint64 kMilliPerMegahertz = 1000000000;

// A channel number text; empty reads as `empty`, 0 as channel 1, anything past 128 as 129.
int ChannelNumber(const QString& text, int empty) {
    if (text.isEmpty())
        return empty;
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        return empty;
    return qBound(1, number, BatchEditFields::kLastChannel + 1);
}

ChannelRangeText RangeText(int start, int end) {
    return {QString::number(start), QString::number(end)};
}

} // namespace

ChannelRangeText BatchEditFields::EnterStartChannel(const QString& start, const QString& end) {
    const int s = ChannelNumber(start, 1);
    const int e = qMin(ChannelNumber(end, kLastChannel), kLastChannel);
    if (s > kLastChannel)
        return RangeText(kLastChannel, kLastChannel);
    return RangeText(s, qMax(s, e));
}

ChannelRangeText BatchEditFields::EnterEndChannel(const QString& start, const QString& end) {
    const int s = qMin(ChannelNumber(start, 1), kLastChannel);
    const int e = qMin(ChannelNumber(end, kLastChannel), kLastChannel);
    return RangeText(qMin(s, e), e);
}

QString BatchEditFields::EnterStartFrequency(const QString& text, int lower, int upper,
                                             QChar separator) {
    qint64 milli = 0;
    if (!ChannelRules::MilliHertzOf(text, separator, milli) || milli < lower * kMilliPerMegahertz)
        return ChannelRules::LimitText(lower, separator);
    if (milli > upper * kMilliPerMegahertz)
        return ChannelRules::LimitText(upper, separator);
    return ChannelRules::PadFrequencyText(text, separator);
}

QString BatchEditFields::EnterStep(const QString& text, int limitKilohertz, QChar separator) {
    qint64 value = 0;
    if (!ChannelRules::MilliHertzOf(text, separator, value))
        return QStringLiteral("0");
    if (value > limitKilohertz * kMilliPerMegahertz)
        return QString::number(limitKilohertz);
    return text;
}

QString BatchEditFields::EnterZeroDefault(const QString& text) {
    return text.isEmpty() ? QStringLiteral("0") : text;
}

qint64 BatchEditFields::MilliHertzOfMegahertz(const QString& text, QChar separator) {
    qint64 milli = 0;
    return ChannelRules::MilliHertzOf(text, separator, milli) ? milli : 0;
}

qint64 BatchEditFields::MilliHertzOfKilohertz(const QString& text, QChar separator) {
    return MilliHertzOfMegahertz(text, separator) / 1000;
}

} // namespace zr40
