#include "link/ui/check_list_dialog.h"

#include "review/codeplug_check.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace zr40 {

CheckListDialog::CheckListDialog(const PlanProblems& problems, const TextContext& ctx,
                                 QWidget* parent)
    : PlanListDialog({ctx.Tr("CheckListDialog", "Severity"), ctx.Tr("CheckListDialog", "Where"),
                      ctx.Tr("CheckListDialog", "Problem")},
                     ctx, parent) {
    setObjectName(QStringLiteral("CheckListDialog"));
    setWindowTitle(ctx.Tr("CheckListDialog", "Check Before Writing"));
    const int errors = CodeplugCheck::Count(problems, PlanProblem::Severity::Error);
    const int warnings = CodeplugCheck::Count(problems, PlanProblem::Severity::Warning);
    offersWrite_ = errors == 0;
    if (offersWrite_) {
        summary()->setText(
            ctx.Tr("CheckListDialog", "The plan has %1 warning(s). Write it to the radio anyway?")
                .arg(warnings));
        AddButton(QStringLiteral("CommandWriteAnyway"), ctx.Tr("CheckListDialog", "Write &Anyway"),
                  QDialogButtonBox::AcceptRole);
        AddButton(QStringLiteral("CommandCancel"), ctx.Tr("CheckListDialog", "&Cancel"),
                  QDialogButtonBox::RejectRole);
    } else {
        summary()->setText(
            ctx.Tr("CheckListDialog", "The plan has %1 error(s) and %2 warning(s). It is not "
                                      "written to the radio until the errors are mended.")
                .arg(errors)
                .arg(warnings));
        AddButton(QStringLiteral("CommandClose"), ctx.Tr("CheckListDialog", "&Close"),
                  QDialogButtonBox::RejectRole);
    }
    // A plan checked against no band of the model: the model dialog is one click away.
    const bool bandUnchosen = std::any_of(problems.begin(), problems.end(), [](const auto& p) {
        return p.location.area == PlanLocation::Area::Model;
    });
    if (bandUnchosen)
        connect(AddButton(QStringLiteral("CommandModel"),
                          ctx.Tr("CheckListDialog", "Model &Information..."),
                          QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, [this] { Choose(PlanLocation::Model()); });
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const PlanProblem& problem : problems)
        AddLine({problem.SeverityText(ctx), problem.location.Text(ctx), problem.Text(ctx)},
                problem.location, problem.IsError() ? errorIcon : warningIcon);
    FitColumns();
}

} // namespace zr40
