#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QString>
#include <optional>
#include <vector>

namespace zr40 {

// The local IDs a fleet session gives its radios, in the order the radios come, or why the text
// they were written in cannot be used.
struct FleetIdList {
    std::vector<Long> ids;
    QString error; // in the interface language; empty when the list can be used

    bool ok() const { return error.isEmpty(); }
};

// Local IDs as the function setup page shows them: hexadecimal, 0 to 7FFFFF. A fleet takes them
// as a range ("1001-1020", both ends included) or as a list file: one ID per line, blank lines
// and everything after a "#" ignored. No ID may come twice: two radios of one fleet with one ID
// would answer each other's calls.
class FleetIds {
public:
    static FleetIdList ParseRange(const QString& text, const TextContext& ctx);
    static FleetIdList ParseList(const QString& text, const TextContext& ctx);
    // One ID ("1003", "7fffff"); nothing for any other text.
    static std::optional<Long> ParseId(const QString& text);
    // The page's own form: upper-case hexadecimal without leading zeros.
    static QString IdText(Long id);
    static bool Valid(Long id);
};

} // namespace zr40
