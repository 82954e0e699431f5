#pragma once

#include "codeplug/codeplug.h"
#include "link/fleet_driver.h"
#include "link/serial/fleet_serial_adapter.h"
#include "review/backup_store.h"
#include "review/fleet_record.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace zr40 {

class KeyFilterEdit;

// "Program Several Radios": the plan at hand into radio after radio on the chosen port, each with
// the next local ID of a range or a list file, as zr40 fleet does (FleetDriver through a
// FleetSerialAdapter, FleetRecord for the backups and the log). The window collects the IDs, the
// log file and the password, then shows a large line saying which radio to connect, the transfer
// under way and a table of the radios done. Stop ends the session after the radio at hand; a
// second Stop cuts its write short; closing the window is a Stop, and it closes once the
// session has ended.
class FormFleet : public QDialog {
    Q_OBJECT
public:
    FormFleet(const Codeplug& plan, const BackupStore& store, QWidget* parent = nullptr);
    ~FormFleet() override;

    bool Running() const { return driver_ && driver_->Running(); }

    void done(int result) override;

private:
    TextContext Words() const { return TextContext::Of(plan_); }
    void CreateControls();
    void FillCaptions();
    QString PortName() const;
    void BrowseList();
    void BrowseLog();
    void Start();
    void Stop();
    bool TakeIds(std::vector<Long>& ids);
    bool CheckPlan();
    void SetEditable(bool editable);
    void Complain(const QString& text);

    void OnPhase(FleetPhase phase, int radio, Long localId);
    void OnBackup(int radio, Long localId, const Codeplug& before);
    void OnRadioDone(const FleetRadioReport& report);
    void OnPortUnavailable(const PortOpenError& error);
    void OnEnded();

    Codeplug plan_;
    BackupStore store_;
    std::unique_ptr<FleetRecord> record_;
    std::unique_ptr<FleetDriver> driver_;
    std::unique_ptr<FleetSerialAdapter> adapter_;
    bool logFailed_ = false;

    QRadioButton* optionRange_ = nullptr;
    QLineEdit* textRange_ = nullptr;
    QRadioButton* optionList_ = nullptr;
    QLineEdit* textList_ = nullptr;
    QPushButton* commandListBrowse_ = nullptr;
    QLabel* labelLog_ = nullptr;
    QLineEdit* textLog_ = nullptr;
    QPushButton* commandLogBrowse_ = nullptr;
    QLabel* labelPassword_ = nullptr;
    KeyFilterEdit* textPassword_ = nullptr;
    QCheckBox* checkVerify_ = nullptr;
    QLabel* labelIds_ = nullptr;
    QLabel* labelStatus_ = nullptr;
    QLabel* labelPort_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QTableWidget* tableRadios_ = nullptr;
    QPushButton* commandStart_ = nullptr;
    QPushButton* commandStop_ = nullptr;
    QPushButton* commandClose_ = nullptr;
};

} // namespace zr40
