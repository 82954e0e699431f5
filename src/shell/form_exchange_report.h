#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace zr40 {

// What an import or an export did, in one window: a line saying where the rows went (or why
// nothing was imported), then every warning, one per line, to scroll through.
class FormExchangeReport : public QDialog {
    Q_OBJECT
public:
    FormExchangeReport(const QString& title, const QString& summary, const QStringList& warnings,
                       const QString& okText, QWidget* parent = nullptr);

    QLabel* summary() const { return summary_; }
    QListWidget* warnings() const { return warnings_; }
    QPushButton* okButton() const { return ok_; }

private:
    QLabel* summary_;
    QListWidget* warnings_;
    QPushButton* ok_;
};

} // namespace zr40
