#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zr40 {

// The about dialog: title, version, what the program is for and a notice.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(bool english, QWidget* parent = nullptr);

    // "Version 1.0.0".
    static QString VersionText(bool english, int major, int minor, int revision);

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QLabel* lblDisclaimer() const { return lblDisclaimer_; }

private:
    QLabel* picIcon_;
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QLabel* lblDescription_;
    QLabel* lblDisclaimer_;
    QPushButton* cmdOK_;
};

} // namespace zr40
