#include "shell/form_com_port.h"

#include "codeplug/settings_store.h"
#include "codeplug/text_context.h"
#include "shell/main_window_texts.h"
#include "shell/port_choice.h"
#include "shell/virtual_radio_process.h"
#include "widgets/ui_seam.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>

namespace zr40 {

FormComPort::FormComPort(Codeplug& codeplug, const QStringList& ports, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug), labelComPort_(new QLabel), comboCom_(new QComboBox),
      commandOk_(new QPushButton), commandCancel_(new QPushButton),
      portNameAtOpen_(codeplug.ComPortName), portNumberAtOpen_(codeplug.ComPortNumber) {
    setObjectName(QStringLiteral("FormComPort"));
    comboCom_->setEditable(true);
    comboCom_->setInsertPolicy(QComboBox::NoInsert);
    comboCom_->setMinimumContentsLength(18);
    auto* row = new QHBoxLayout;
    row->addWidget(labelComPort_);
    row->addWidget(comboCom_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandOk_);
    buttons->addWidget(commandCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    commandOk_->setDefault(true);
    connect(commandOk_, &QPushButton::clicked, this, &FormComPort::CommandOK_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &QDialog::reject);
    FillCaptions();
    const QStringList items = PortChoice::Sorted(ports);
    comboCom_->addItems(items);
    const int index = PortChoice::Preselect(items, codeplug_);
    if (index >= 0)
        comboCom_->setCurrentIndex(index);
    else
        comboCom_->setEditText(codeplug_.ComPortName);
}

QStringList FormComPort::SystemPorts() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names.append(info.portName());
    return names;
}

QStringList FormComPort::SystemUsbAdapters() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        if (info.hasVendorIdentifier() || name.startsWith(QStringLiteral("ttyUSB")) ||
            name.startsWith(QStringLiteral("ttyACM")))
            names.append(name);
    }
    return names;
}

void FormComPort::FillCaptions() {
    const TextContext text = TextContext::Of(codeplug_);
    setWindowTitle(text.Tr("FormComPort", "Set COM"));
    labelComPort_->setText(text.Tr("FormComPort", "Comm Port"));
    commandOk_->setText(text.Tr("FormComPort", "&OK"));
    commandCancel_->setText(text.Tr("FormComPort", "&Cancel"));
}

void FormComPort::OfferVirtualRadio(VirtualRadioProcess& radio) {
    if (!radio.Available() || virtualRadio_)
        return;
    virtualRadio_ = &radio;
    const TextContext text = TextContext::Of(codeplug_);
    QString memory = QDir::toNativeSeparators(VirtualRadioProcess::MemoryFile());
    if (memory.startsWith(QDir::homePath() + QLatin1Char('/')))
        memory.replace(0, QDir::homePath().size(), QStringLiteral("~"));
    labelVirtual_ = new QLabel(
        text.Tr("FormComPort",
                "A ZR40 simulated on this computer, without a password: leave the password empty "
                "to read and write it. What is written to it is kept in\n%1")
            .arg(memory));
    labelVirtual_->setObjectName(QStringLiteral("LabelVirtualRadio"));
    labelVirtual_->setWordWrap(true);
    // Wide enough that the path is never broken inside.
    labelVirtual_->setMinimumWidth(labelVirtual_->fontMetrics().horizontalAdvance(memory) + 40);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, labelVirtual_);
    // Kept apart from the device names so that the preselection rules never pick it.
    const QString keep = comboCom_->currentText();
    comboCom_->addItem(VirtualRadioProcess::Caption(codeplug_.IsEnglish));
    virtualIndex_ = comboCom_->count() - 1;
    if (radio.Serves(portNameAtOpen_)) {
        // Not listed among the devices, so the preselection took the first of them: the
        // virtual radio stays the port in use until another one is chosen.
        codeplug_.ComPortName = portNameAtOpen_;
        codeplug_.ComPortNumber = portNumberAtOpen_;
        comboCom_->setCurrentIndex(virtualIndex_);
    } else {
        comboCom_->setEditText(keep);
    }
    connect(comboCom_, &QComboBox::currentTextChanged, this, &FormComPort::ShowVirtualRadioNote);
    ShowVirtualRadioNote();
}

bool FormComPort::VirtualRadioChosen() const {
    // Picked from the list or typed: the text decides, as it does for any other port.
    return virtualIndex_ >= 0 && comboCom_->currentText() == comboCom_->itemText(virtualIndex_);
}

void FormComPort::ShowVirtualRadioNote() {
    labelVirtual_->setVisible(VirtualRadioChosen());
    adjustSize();
}

bool FormComPort::UseVirtualRadio() {
    QString error;
    if (!virtualRadio_->Start(&error)) {
        const TextContext text = TextContext::Of(codeplug_);
        UiSeam::Instance().Message(
            this, QMessageBox::Critical, MainWindowTexts::AppTitle(),
            text.Tr("FormComPort", "The virtual radio could not be started.\n") + error,
            QMessageBox::Ok);
        return false;
    }
    // For this run only: the saved port stays, a pseudo-terminal's name is not for keeps.
    PortChoice::Apply(virtualRadio_->Device(), codeplug_);
    return true;
}

void FormComPort::CommandOK_Click() {
    if (VirtualRadioChosen()) {
        if (UseVirtualRadio())
            accept();
        return;
    }
    const QString chosen = comboCom_->currentText().trimmed();
    // Nothing listed and nothing typed: the port in use stays.
    if (!chosen.isEmpty()) {
        PortChoice::Apply(chosen, codeplug_);
        settingFailed_ = !SettingsStore().WriteText(QString::fromLatin1(SettingsStore::kComPort),
                                                    PortChoice::SettingText(chosen));
        if (virtualRadio_)
            virtualRadio_->Stop(); // another port is in use now
    }
    accept();
}

} // namespace zr40
