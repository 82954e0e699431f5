#include "codeplug/value_lists.h"

#include "codeplug/tone_tables.h"

namespace zr40 {

namespace {

QString OffText(const TextContext& ctx) {
    return ctx.Tr("ValueLists", "Off");
}

QString Octal(int code) {
    return QStringLiteral("%1").arg(code, 3, 8, QLatin1Char('0'));
}

QString CtcssText(int tenths, const TextContext& ctx) {
    return QString::number(tenths / 10) + ctx.DecimalSeparator + QString::number(tenths % 10);
}

} // namespace

QString ValueLists::ToneItem(int index, const TextContext& ctx) {
    if (index <= 0 || index >= kToneListSize)
        return ctx.Tr("ValueLists", "None");
    if (index < kToneListFirstNormalDcs)
        return CtcssText(kCtcssTenths[index - kToneListFirstCtcss], ctx);
    if (index < kToneListFirstInvertedDcs)
        return QLatin1Char('D') + Octal(kDcsNormalListOrder[index - kToneListFirstNormalDcs]) +
               QLatin1Char('N');
    return QLatin1Char('D') + Octal(kDcsCodes[index - kToneListFirstInvertedDcs]) +
           QLatin1Char('I');
}

void ValueLists::FillToneList(QStringList& items, const TextContext& ctx) {
    for (int i = 0; i < kToneListSize; ++i)
        items.append(ToneItem(i, ctx));
}

void ValueLists::FillBusyLockList(QStringList& items, const TextContext& ctx) {
    items << ctx.Tr("ValueLists", "None", "busy lock") << ctx.Tr("ValueLists", "Carrier")
          << QStringLiteral("QT/DQT");
}

void ValueLists::FillSpaceList(QStringList& items, const TextContext& ctx) {
    const QString narrow = QStringLiteral("12") + ctx.DecimalSeparator + QStringLiteral("5K");
    items << narrow + ctx.Tr("ValueLists", "(Narrow)") << ctx.Tr("ValueLists", "25K(Wide)");
}

void ValueLists::FillCallTypeList(QStringList& items, const TextContext& ctx) {
    items << ctx.Tr("ValueLists", "Single Call") << ctx.Tr("ValueLists", "Group Call")
          << ctx.Tr("ValueLists", "All Call");
}

void ValueLists::FillPowerList(QStringList& items, const TextContext& ctx) {
    items << ctx.Tr("ValueLists", "Low") << ctx.Tr("ValueLists", "High");
}

void ValueLists::FillChannelTypeList(QStringList& items, const TextContext& ctx) {
    items << ctx.Tr("ValueLists", "Analog CH") << ctx.Tr("ValueLists", "Digital CH");
}

void ValueLists::FillColorCodeList(QStringList& items, const TextContext&) {
    for (int i = 0; i < 16; ++i)
        items << QString::number(i, 16).toUpper();
}

void ValueLists::FillTotList(QStringList& items, const TextContext& ctx) {
    items << OffText(ctx);
    for (int k = 1; k <= 40; ++k)
        items << QString::number(15 * k);
}

void ValueLists::FillScrambleList(QStringList& items, const TextContext& ctx) {
    items << OffText(ctx);
    for (int k = 0; k <= 7; ++k)
        items << QString::number(2700 + 100 * k) + QStringLiteral("HZ");
}

void ValueLists::FillOffNumberList(QStringList& items, int n, const TextContext& ctx) {
    items << OffText(ctx);
    FillNumberList(items, n, false);
}

void ValueLists::FillTxAuthorityList(QStringList& items, const TextContext& ctx) {
    items << ctx.Tr("ValueLists", "Tx Inhibit") << ctx.Tr("ValueLists", "Busy Lock")
          << ctx.Tr("ValueLists", "No Limited");
}

void ValueLists::FillNumberList(QStringList& items, int n, bool withZero) {
    if (withZero)
        items << QStringLiteral("0");
    for (int i = 1; i <= n; ++i)
        items << QString::number(i);
}

} // namespace zr40
