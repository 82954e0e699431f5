#include "link/fleet_ids.h"

#include "functions/option_rules.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace zr40 {

namespace {

QString NotAnId(const QString& text, const TextContext& ctx) {
    return ctx.Tr("FleetIds", "\"%1\" is not an ID from 0 to 7FFFFF").arg(text);
}

QString OnLine(int line, const QString& message, const TextContext& ctx) {
    return ctx.Tr("FleetIds", "Line %1: ").arg(line) + message;
}

} // namespace

std::optional<Long> FleetIds::ParseId(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,6}$"));
    if (!hex.match(text).hasMatch())
        return std::nullopt;
    const Long id = static_cast<Long>(text.toUInt(nullptr, 16));
    return Valid(id) ? std::optional<Long>(id) : std::nullopt;
}

bool FleetIds::Valid(Long id) {
    return id >= 0 && id < OptionRules::kLocalIdLimit;
}

QString FleetIds::IdText(Long id) {
    return OptionRules::LocalIdText(id);
}

FleetIdList FleetIds::ParseRange(const QString& text, const TextContext& ctx) {
    const QStringList ends = text.trimmed().split(QLatin1Char('-'));
    if (ends.size() != 2)
        return {{}, ctx.Tr("FleetIds", "\"%1\" is not a range of IDs like 1001-1020").arg(text)};
    const auto first = ParseId(ends[0].trimmed());
    const auto last = ParseId(ends[1].trimmed());
    if (!first || !last)
        return {{}, NotAnId(first ? ends[1].trimmed() : ends[0].trimmed(), ctx)};
    if (*last < *first)
        return {{}, ctx.Tr("FleetIds", "The range %1 ends before it begins").arg(text.trimmed())};
    FleetIdList list;
    list.ids.reserve(std::size_t(*last - *first) + 1);
    for (Long id = *first; id <= *last; ++id)
        list.ids.push_back(id);
    return list;
}

FleetIdList FleetIds::ParseList(const QString& text, const TextContext& ctx) {
    FleetIdList list;
    QHash<Long, int> lineOf;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString entry = lines[n].section(QLatin1Char('#'), 0, 0).trimmed();
        if (n == 0 && entry.startsWith(QChar(0xFEFF))) // a byte order mark some editors write
            entry = entry.mid(1).trimmed();
        if (entry.isEmpty())
            continue;
        const auto id = ParseId(entry);
        if (!id)
            return {{}, OnLine(n + 1, NotAnId(entry, ctx), ctx)};
        if (lineOf.contains(*id))
            return {{},
                    OnLine(n + 1,
                           ctx.Tr("FleetIds", "ID %1 is already on line %2")
                               .arg(IdText(*id))
                               .arg(lineOf[*id]),
                           ctx)};
        lineOf.insert(*id, n + 1);
        list.ids.push_back(*id);
    }
    if (list.ids.empty())
        list.error = ctx.Tr("FleetIds", "The list holds no ID");
    return list;
}

} // namespace zr40
