#pragma once

#include "link/ui/plan_list_dialog.h"
#include "review/plan_difference.h"

namespace zr40 {

// What a write will change in the radio, read just before: every value as the radio holds it and
// as it will be, with Write and Cancel. When nothing would change it says so and offers Cancel
// alone.
class WriteChangesDialog : public PlanListDialog {
    Q_OBJECT
public:
    // backupPath: where the radio's configuration as it is now was kept.
    WriteChangesDialog(const PlanDifferences& changes, const QString& backupPath,
                       const TextContext& ctx, QWidget* parent = nullptr);
};

} // namespace zr40
