#pragma once

#include "codeplug/text_context.h"
#include "review/plan_difference.h"
#include "review/plan_problem.h"

#include <QString>
#include <QStringList>

namespace zr40 {

// Problems and differences as text for a terminal, one line each in aligned columns, in the
// same words as the application's lists.
class ReviewText {
public:
    // "Error    Channel 3   Receive frequency ..." and a closing count.
    static QString Problems(const PlanProblems& problems, const TextContext& ctx);
    // "Channel 3   Rx Frequency   435.02500 -> 436.00000" and a closing count.
    static QString Differences(const PlanDifferences& differences, const TextContext& ctx);
    // The same rows without the count, one string each.
    static QStringList DifferenceLines(const PlanDifferences& differences, const TextContext& ctx);
    // "2 errors, 1 warning" / "2个错误，1个警告"; "No problems found." when there are none.
    static QString ProblemCount(const PlanProblems& problems, const TextContext& ctx);
    // Rows of cells padded to columns; Chinese characters take two terminal columns.
    static QString Columns(const QList<QStringList>& rows);
};

} // namespace zr40
