#pragma once

#include "codeplug/codeplug.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zr40 {

// The model dialog: the radio's model and frequency band. A confirmed change of band sets the
// band limits and ModelChanged; the main window then loads the model data (it owns the pages
// that must be reopened).
class FormModelInformation : public QDialog {
    Q_OBJECT
public:
    explicit FormModelInformation(Codeplug& codeplug, QWidget* parent = nullptr);

    void AnalyseModelInformation();

    QComboBox* ComboModel() const { return comboModel_; }
    QComboBox* ComboArea() const { return comboArea_; }
    QLineEdit* TextVersion() const { return textVersion_; }
    QPushButton* CommandOk() const { return commandOk_; }
    QPushButton* CommandCancel() const { return commandCancel_; }

private:
    void FillCaptions();
    void CommandOk_Click();

    Codeplug& codeplug_;
    QLabel* labelModel_;
    QComboBox* comboModel_;
    QLabel* labelArea_;
    QComboBox* comboArea_;
    QLabel* labelVersion_;
    QLineEdit* textVersion_;
    QPushButton* commandOk_;
    QPushButton* commandCancel_;
};

} // namespace zr40
