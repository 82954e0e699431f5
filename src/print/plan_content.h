#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "print/plan_section.h"
#include "print/print_sections.h"

namespace zr40 {

// What the printed plan says, part by part, in the interface language: every text the pages
// would show for the codeplug, laid out as tables. Encryption keys are never part of it; a key
// shows only whether it is set. Empty cells hold a dash so that a printed blank is never
// mistaken for a value left out by accident.
class PlanContent {
public:
    static QList<PlanSection> Build(const Codeplug& codeplug, const PrintSections& sections,
                                    const TextContext& ctx);
    // The title of a part, as the print dialog's check box names it.
    static QString Title(PlanPart part, const TextContext& ctx);
    // What an empty cell shows.
    static QString Dash() { return QStringLiteral("\u2014"); }
    // What a stored key shows instead of its digits.
    static QString KeySetText(const TextContext& ctx);
};

} // namespace zr40
