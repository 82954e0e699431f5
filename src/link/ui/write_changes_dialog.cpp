#include "link/ui/write_changes_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace zr40 {

WriteChangesDialog::WriteChangesDialog(const PlanDifferences& changes, const QString& backupPath,
                                       const TextContext& ctx, QWidget* parent)
    : PlanListDialog({ctx.Tr("WriteChangesDialog", "Where"), ctx.Tr("WriteChangesDialog", "Field"),
                      ctx.Tr("WriteChangesDialog", "In the radio"),
                      ctx.Tr("WriteChangesDialog", "After writing")},
                     ctx, parent) {
    setObjectName(QStringLiteral("WriteChangesDialog"));
    setWindowTitle(ctx.Tr("WriteChangesDialog", "What Will Change"));
    const QString backup = QFileInfo(backupPath).fileName();
    const QString kept = ctx.Tr("WriteChangesDialog",
                                "The radio's configuration as it is now is kept in the backup %1.")
                             .arg(backup);
    if (changes.isEmpty()) {
        summary()->setText(
            ctx.Tr("WriteChangesDialog",
                   "The radio already holds this plan; writing would change nothing.") +
            QLatin1Char(' ') + kept);
    } else {
        summary()->setText(ctx.Tr("WriteChangesDialog", "Writing changes %1 value(s) in the radio.")
                               .arg(changes.size()) +
                           QLatin1Char(' ') + kept);
        AddButton(QStringLiteral("CommandWrite"), ctx.Tr("WriteChangesDialog", "&Write"),
                  QDialogButtonBox::AcceptRole);
    }
    summary()->setToolTip(QDir::toNativeSeparators(backupPath));
    AddButton(QStringLiteral("CommandCancel"), ctx.Tr("WriteChangesDialog", "&Cancel"),
              QDialogButtonBox::RejectRole);
    for (const PlanDifference& change : changes)
        AddLine({change.location.Text(ctx), change.field, change.before, change.after},
                change.location);
    FitColumns();
}

} // namespace zr40
