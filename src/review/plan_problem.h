#pragma once

#include "codeplug/text_context.h"
#include "review/plan_location.h"

#include <QList>
#include <QString>

namespace zr40 {

// One thing in a channel plan that would make the radio misbehave (a warning) or refuse the plan
// (an error), with its place and its text in both languages.
struct PlanProblem {
    enum class Severity { Error, Warning };

    Severity severity = Severity::Error;
    PlanLocation location;
    QString english;
    QString chinese;

    bool IsError() const { return severity == Severity::Error; }
    QString Text(const TextContext& ctx) const { return ctx.IsEnglish ? english : chinese; }
    // "Error" / "错误", "Warning" / "警告".
    QString SeverityText(const TextContext& ctx) const {
        return IsError() ? ctx.Tr("PlanProblem", "Error") : ctx.Tr("PlanProblem", "Warning");
    }
};

using PlanProblems = QList<PlanProblem>;

} // namespace zr40
