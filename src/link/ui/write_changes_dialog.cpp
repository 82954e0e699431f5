#include "link/ui/write_changes_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace zr40 {

WriteChangesDialog::WriteChangesDialog(const PlanDifferences& changes, const QString& backupPath,
                                       const TextContext& ctx, QWidget* parent)
    : PlanListDialog({ctx.Pick({"Where", "位置"}), ctx.Pick({"Field", "项目"}),
                      ctx.Pick({"In the radio", "对讲机中"}),
                      ctx.Pick({"After writing", "写入后"})},
                     ctx, parent) {
    setObjectName(QStringLiteral("WriteChangesDialog"));
    setWindowTitle(ctx.Pick({"What Will Change", "将要更改的内容"}));
    const QString backup = QFileInfo(backupPath).fileName();
    const QString kept = ctx.Pick({"The radio's configuration as it is now is kept in the backup "
                                   "%1.",
                                   "对讲机当前的数据已备份为 %1。"})
                             .arg(backup);
    if (changes.isEmpty()) {
        summary()->setText(ctx.Pick({"The radio already holds this plan; writing would change "
                                     "nothing.",
                                     "对讲机中已是这些数据，写入不会更改任何内容。"}) +
                           QLatin1Char(' ') + kept);
    } else {
        summary()->setText(ctx.Pick({"Writing changes %1 value(s) in the radio.",
                                     "写入将更改对讲机中的%1项数据。"})
                               .arg(changes.size()) +
                           QLatin1Char(' ') + kept);
        AddButton(QStringLiteral("CommandWrite"), ctx.Pick({"&Write", "写入(&W)"}),
                  QDialogButtonBox::AcceptRole);
    }
    summary()->setToolTip(QDir::toNativeSeparators(backupPath));
    AddButton(QStringLiteral("CommandCancel"), ctx.Pick({"&Cancel", "取消(&C)"}),
              QDialogButtonBox::RejectRole);
    for (const PlanDifference& change : changes)
        AddLine({change.location.Text(ctx), change.field, change.before, change.after},
                change.location);
    FitColumns();
}

} // namespace zr40
