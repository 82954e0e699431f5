#pragma once

#include "review/plan_location.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <optional>

class QLabel;
class QTreeWidget;

namespace zr40 {

// A modal list of lines about a channel plan (problems, changes) with a summary above it and the
// dialog's buttons below. Each line knows its place in the plan: a double-click on it closes the
// dialog and leaves that place for the caller to open (the channel in the edit dialog, the page
// of a setting).
class PlanListDialog : public QDialog {
    Q_OBJECT
public:
    PlanListDialog(const QStringList& headers, const TextContext& ctx, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    QLabel* summary() const { return summary_; }
    QPushButton* AddButton(const QString& name, const QString& text,
                           QDialogButtonBox::ButtonRole role);
    void AddLine(const QStringList& cells, const PlanLocation& location,
                 const QIcon& icon = QIcon());
    // Column widths follow the texts (after the lines are in).
    void FitColumns();

    // The place of the line double-clicked; empty when the dialog closed otherwise.
    std::optional<PlanLocation> ChosenLocation() const { return chosen_; }

signals:
    void locationChosen(const zr40::PlanLocation& location);

protected:
    // Closes the dialog and leaves `location` for the caller to open.
    void Choose(const PlanLocation& location);

private:
    void LineActivated(int row);

    QLabel* summary_;
    QTreeWidget* list_;
    QLabel* hint_;
    QDialogButtonBox* buttons_;
    QList<PlanLocation> locations_;
    std::optional<PlanLocation> chosen_;
};

} // namespace zr40
