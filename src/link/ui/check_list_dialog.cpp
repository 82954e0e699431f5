#include "link/ui/check_list_dialog.h"

#include "review/codeplug_check.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace zr40 {

CheckListDialog::CheckListDialog(const PlanProblems& problems, const TextContext& ctx,
                                 QWidget* parent)
    : PlanListDialog({ctx.Pick({"Severity", "类别"}), ctx.Pick({"Where", "位置"}),
                      ctx.Pick({"Problem", "问题"})},
                     ctx, parent) {
    setObjectName(QStringLiteral("CheckListDialog"));
    setWindowTitle(ctx.Pick({"Check Before Writing", "写入前检查"}));
    const int errors = CodeplugCheck::Count(problems, PlanProblem::Severity::Error);
    const int warnings = CodeplugCheck::Count(problems, PlanProblem::Severity::Warning);
    offersWrite_ = errors == 0;
    if (offersWrite_) {
        summary()->setText(ctx.Pick({"The plan has %1 warning(s). Write it to the radio anyway?",
                                     "数据中有%1个警告。仍然写入对讲机吗？"})
                               .arg(warnings));
        AddButton(QStringLiteral("CommandWriteAnyway"), ctx.Pick({"Write &Anyway", "仍然写入(&A)"}),
                  QDialogButtonBox::AcceptRole);
        AddButton(QStringLiteral("CommandCancel"), ctx.Pick({"&Cancel", "取消(&C)"}),
                  QDialogButtonBox::RejectRole);
    } else {
        summary()->setText(ctx.Pick({"The plan has %1 error(s) and %2 warning(s). It is not "
                                     "written to the radio until the errors are mended.",
                                     "数据中有%1个错误和%2个警告。改正错误之前不会写入对讲机。"})
                               .arg(errors)
                               .arg(warnings));
        AddButton(QStringLiteral("CommandClose"), ctx.Pick({"&Close", "关闭(&C)"}),
                  QDialogButtonBox::RejectRole);
    }
    // A plan checked against no band of the model: the model dialog is one click away.
    const bool bandUnchosen = std::any_of(problems.begin(), problems.end(), [](const auto& p) {
        return p.location.area == PlanLocation::Area::Model;
    });
    if (bandUnchosen)
        connect(AddButton(QStringLiteral("CommandModel"),
                          ctx.Pick({"Model &Information...", "机型信息(&I)..."}),
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
