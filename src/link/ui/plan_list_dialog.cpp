#include "link/ui/plan_list_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zr40 {

PlanListDialog::PlanListDialog(const QStringList& headers, const TextContext& ctx, QWidget* parent)
    : QDialog(parent), summary_(new QLabel), list_(new QTreeWidget), hint_(new QLabel),
      buttons_(new QDialogButtonBox) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    summary_->setObjectName(QStringLiteral("LabelSummary"));
    summary_->setWordWrap(true);
    list_->setObjectName(QStringLiteral("ListLines"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHeaderLabels(headers);
    list_->header()->setStretchLastSection(true);
    list_->setMinimumSize(640, 280);
    hint_->setText(ctx.Tr("PlanListDialog", "Double-click a line to open its channel or page."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addWidget(hint_);
    layout->addWidget(buttons_);
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { LineActivated(list_->indexOfTopLevelItem(item)); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QPushButton* PlanListDialog::AddButton(const QString& name, const QString& text,
                                       QDialogButtonBox::ButtonRole role) {
    QPushButton* button = buttons_->addButton(text, role);
    button->setObjectName(name);
    return button;
}

void PlanListDialog::AddLine(const QStringList& cells, const PlanLocation& location,
                             const QIcon& icon) {
    auto* item = new QTreeWidgetItem(list_, cells);
    item->setIcon(0, icon);
    for (int column = 0; column < cells.size(); ++column)
        item->setToolTip(column, cells[column]);
    locations_.append(location);
}

void PlanListDialog::FitColumns() {
    for (int column = 0; column + 1 < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
}

void PlanListDialog::LineActivated(int row) {
    if (row < 0 || row >= locations_.size())
        return;
    Choose(locations_[row]);
}

void PlanListDialog::Choose(const PlanLocation& location) {
    chosen_ = location;
    emit locationChosen(location);
    reject();
}

} // namespace zr40
