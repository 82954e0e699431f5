#include "codeplug/value_lists.h"

#include "codeplug/tone_tables.h"

namespace zr40 {

namespace {

QString Zh(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString OffText(const TextContext& ctx) {
    return ctx.Pick(QStringLiteral("Off"), Zh("关"));
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
        return ctx.Pick(QStringLiteral("None"), Zh("无"));
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
    items << ctx.Pick(QStringLiteral("None"), Zh("关"))
          << ctx.Pick(QStringLiteral("Carrier"), Zh("载波")) << QStringLiteral("QT/DQT");
}

void ValueLists::FillSpaceList(QStringList& items, const TextContext& ctx) {
    const QString narrow = QStringLiteral("12") + ctx.DecimalSeparator + QStringLiteral("5K");
    items << narrow + ctx.Pick(QStringLiteral("(Narrow)"), Zh("(窄带)"))
          << ctx.Pick(QStringLiteral("25K(Wide)"), Zh("25K(宽带)"));
}

void ValueLists::FillCallTypeList(QStringList& items, const TextContext& ctx) {
    items << ctx.Pick(QStringLiteral("Single Call"), Zh("单呼"))
          << ctx.Pick(QStringLiteral("Group Call"), Zh("组呼"))
          << ctx.Pick(QStringLiteral("All Call"), Zh("全呼"));
}

void ValueLists::FillPowerList(QStringList& items, const TextContext& ctx) {
    items << ctx.Pick(QStringLiteral("Low"), Zh("低"))
          << ctx.Pick(QStringLiteral("High"), Zh("高"));
}

void ValueLists::FillChannelTypeList(QStringList& items, const TextContext& ctx) {
    items << ctx.Pick(QStringLiteral("Analog CH"), Zh("模拟频道"))
          << ctx.Pick(QStringLiteral("Digital CH"), Zh("数字频道"));
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
    items << ctx.Pick(QStringLiteral("Tx Inhibit"), Zh("禁发"))
          << ctx.Pick(QStringLiteral("Busy Lock"), Zh("繁忙禁发"))
          << ctx.Pick(QStringLiteral("No Limited"), Zh("无限制"));
}

void ValueLists::FillNumberList(QStringList& items, int n, bool withZero) {
    if (withZero)
        items << QStringLiteral("0");
    for (int i = 1; i <= n; ++i)
        items << QString::number(i);
}

} // namespace zr40
