#include "print/print_sections.h"

namespace zr40 {

namespace {
const char* const kNames[PrintSections::kCount] = {"channels", "options", "keys", "message",
                                                   "rxlists"};
} // namespace

PrintSections PrintSections::All() {
    PrintSections all;
    all.ticked_.fill(true);
    return all;
}

std::optional<PrintSections> PrintSections::Parse(const QString& list) {
    PrintSections sections;
    for (const QString& word : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype at = Names().indexOf(word.trimmed().toLower());
        if (at < 0)
            return std::nullopt;
        sections.ticked_[at] = true;
    }
    if (!sections.Any())
        return std::nullopt;
    return sections;
}

QString PrintSections::Name(PlanPart part) {
    return QString::fromLatin1(kNames[Index(part)]);
}

QStringList PrintSections::Names() {
    QStringList names;
    for (const char* name : kNames)
        names << QString::fromLatin1(name);
    return names;
}

bool PrintSections::Any() const {
    for (bool ticked : ticked_)
        if (ticked)
            return true;
    return false;
}

} // namespace zr40
