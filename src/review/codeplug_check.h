#pragma once

#include "codeplug/codeplug.h"
#include "review/plan_problem.h"

namespace zr40 {

// Looks a channel plan over before it goes into a radio. Errors are what the radio cannot use or
// what was plainly made for another radio: frequencies outside the band limits, a channel type,
// tone, receive list or transmit ID the radio has no meaning for, an enabled key without digits,
// header counts beyond the radio's tables. Warnings are what the radio accepts but the technician
// most likely did not mean: identical channels, a digital channel with an empty receive list, a
// receive list naming the same ID twice, no channel at all.
//
// Only channels in use are judged, as the channel grid tells them apart (a receive frequency of
// 100 to 550 MHz); and only fields that belong to the channel's type. Whatever New and normal
// editing in the grid produce is never an error.
class CodeplugCheck {
public:
    // Errors first, then warnings, each in plan order (header, channels, receive lists).
    static PlanProblems Run(const Codeplug& codeplug);

    static bool HasErrors(const PlanProblems& problems);
    static int Count(const PlanProblems& problems, PlanProblem::Severity severity);
};

} // namespace zr40
