#include "review/review_text.h"

#include "review/codeplug_check.h"

#include <QList>

namespace zr40 {

namespace {

// Terminal columns of a character: the wide East Asian ranges take two.
int Width(QChar ch) {
    const ushort u = ch.unicode();
    const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                      (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                      (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                      (u >= 0xFFE0 && u <= 0xFFE6);
    return wide ? 2 : 1;
}

int Width(const QString& text) {
    int columns = 0;
    for (const QChar ch : text)
        columns += Width(ch);
    return columns;
}

} // namespace

QString ReviewText::Columns(const QList<QStringList>& rows) {
    QList<int> widths;
    for (const QStringList& row : rows) {
        for (int i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths.append(0);
            widths[i] = qMax(widths[i], Width(row[i]));
        }
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (int i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += QString(widths[i] - Width(row[i]) + 2, QLatin1Char(' '));
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

QString ReviewText::ProblemCount(const PlanProblems& problems, const TextContext& ctx) {
    if (problems.isEmpty())
        return ctx.Tr("ReviewText", "No problems found.");
    const int errors = CodeplugCheck::Count(problems, PlanProblem::Severity::Error);
    const int warnings = CodeplugCheck::Count(problems, PlanProblem::Severity::Warning);
    // The singular and the plural are two texts, so that a language without plurals words both
    // the same.
    const QString errorCount =
        errors == 1 ? ctx.Tr("ReviewText", "%1 error") : ctx.Tr("ReviewText", "%1 errors");
    const QString warningCount =
        warnings == 1 ? ctx.Tr("ReviewText", "%1 warning") : ctx.Tr("ReviewText", "%1 warnings");
    //: The count of errors, then the count of warnings.
    return ctx.Tr("ReviewText", "%1, %2").arg(errorCount.arg(errors), warningCount.arg(warnings));
}

QString ReviewText::Problems(const PlanProblems& problems, const TextContext& ctx) {
    QList<QStringList> rows;
    for (const PlanProblem& problem : problems)
        rows.append({problem.SeverityText(ctx), problem.location.Text(ctx), problem.Text(ctx)});
    return Columns(rows) + ProblemCount(problems, ctx) + QLatin1Char('\n');
}

QStringList ReviewText::DifferenceLines(const PlanDifferences& differences,
                                        const TextContext& ctx) {
    QList<QStringList> rows;
    for (const PlanDifference& d : differences)
        rows.append({d.location.Text(ctx), d.field, d.before, QStringLiteral("->"), d.after});
    QStringList lines = Columns(rows).split(QLatin1Char('\n'));
    lines.removeLast(); // after the last line's end
    return lines;
}

QString ReviewText::Differences(const PlanDifferences& differences, const TextContext& ctx) {
    const QStringList lines = DifferenceLines(differences, ctx);
    const QString count = differences.isEmpty()
                              ? ctx.Tr("ReviewText", "No differences.")
                              : ctx.Tr("ReviewText", "%1 difference(s)").arg(differences.size());
    return (lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n')) +
           count + QLatin1Char('\n');
}

} // namespace zr40
