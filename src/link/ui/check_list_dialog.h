#pragma once

#include "link/ui/plan_list_dialog.h"
#include "review/plan_problem.h"

namespace zr40 {

// The problems the check found in a plan about to be written. With errors the plan is not
// written and the only button closes the list; with warnings alone "Write Anyway" accepts it.
class CheckListDialog : public PlanListDialog {
    Q_OBJECT
public:
    CheckListDialog(const PlanProblems& problems, const TextContext& ctx,
                    QWidget* parent = nullptr);

    // Whether the list lets the write go on (warnings only).
    bool OffersWrite() const { return offersWrite_; }

private:
    bool offersWrite_ = false;
};

} // namespace zr40
