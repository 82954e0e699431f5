#include "shell/form_exchange_report.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace zr40 {

FormExchangeReport::FormExchangeReport(const QString& title, const QString& summary,
                                       const QStringList& warnings, const QString& okText,
                                       QWidget* parent)
    : QDialog(parent), summary_(new QLabel(summary, this)), warnings_(new QListWidget(this)),
      ok_(new QPushButton(okText, this)) {
    setObjectName(QStringLiteral("FormExchangeReport"));
    setWindowTitle(title);
    summary_->setObjectName(QStringLiteral("LabelSummary"));
    summary_->setWordWrap(true);
    warnings_->setObjectName(QStringLiteral("ListWarnings"));
    warnings_->addItems(warnings);
    warnings_->setVisible(!warnings.isEmpty());
    warnings_->setWordWrap(true);
    // A list to read, not to pick from: the OK button keeps the focus.
    warnings_->setSelectionMode(QAbstractItemView::NoSelection);
    warnings_->setFocusPolicy(Qt::NoFocus);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(warnings_, 1);
    layout->addLayout(buttons);
    resize(warnings.isEmpty() ? QSize(420, 120) : QSize(640, 360));
}

} // namespace zr40
