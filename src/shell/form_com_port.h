#pragma once

#include "codeplug/codeplug.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

namespace zr40 {

class VirtualRadioProcess;

// The serial port dialog: lists the ports present, preselects the one in use and on OK makes the
// choice the port in use and saves it. The list is editable, so a device path that the system
// does not list (a by-id link, a pseudo-terminal) can be typed in.
class FormComPort : public QDialog {
    Q_OBJECT
public:
    FormComPort(Codeplug& codeplug, const QStringList& ports, QWidget* parent = nullptr);

    // The serial ports the system reports (their names, such as "ttyUSB0" or "COM3").
    static QStringList SystemPorts();
    // Those of them that are USB serial adapters (a programming cable, as a rule).
    static QStringList SystemUsbAdapters();

    // Also lists "Virtual radio (demo)" when zr40-sim is installed beside the program; choosing it
    // starts the virtual radio and makes it the port in use for this run, choosing another port
    // stops it. It is preselected while it is the port in use.
    void OfferVirtualRadio(VirtualRadioProcess& radio);
    bool VirtualRadioChosen() const;

    QComboBox* ComboCom() const { return comboCom_; }
    QPushButton* CommandOK() const { return commandOk_; }
    QPushButton* CommandCancel() const { return commandCancel_; }
    QLabel* LabelVirtualRadio() const { return labelVirtual_; }
    bool SettingFailed() const { return settingFailed_; }

private:
    void FillCaptions();
    void CommandOK_Click();
    bool UseVirtualRadio();
    void ShowVirtualRadioNote();

    Codeplug& codeplug_;
    QLabel* labelComPort_;
    QComboBox* comboCom_;
    QPushButton* commandOk_;
    QPushButton* commandCancel_;
    bool settingFailed_ = false;
    // The port in use when the dialog opened, before the preselection could replace it.
    const QString portNameAtOpen_;
    const std::int16_t portNumberAtOpen_;
    VirtualRadioProcess* virtualRadio_ = nullptr;
    int virtualIndex_ = -1;
    QLabel* labelVirtual_ = nullptr;
};

} // namespace zr40
