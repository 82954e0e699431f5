#include "shell/form_com_port.h"

#include "codeplug/settings_store.h"
#include "codeplug/text_context.h"
#include "shell/port_choice.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>

namespace zr40 {

FormComPort::FormComPort(Codeplug& codeplug, const QStringList& ports, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug), labelComPort_(new QLabel), comboCom_(new QComboBox),
      commandOk_(new QPushButton), commandCancel_(new QPushButton) {
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

void FormComPort::FillCaptions() {
    const TextContext text = TextContext::Of(codeplug_);
    setWindowTitle(text.Pick(QStringLiteral("Set COM"), QStringLiteral("串口设置")));
    labelComPort_->setText(text.Pick(QStringLiteral("Comm Port"), QStringLiteral("串口")));
    commandOk_->setText(text.Pick(QStringLiteral("&OK"), QStringLiteral("确定(&O)")));
    commandCancel_->setText(text.Pick(QStringLiteral("&Cancel"), QStringLiteral("取消(&C)")));
}

void FormComPort::CommandOK_Click() {
    const QString chosen = comboCom_->currentText().trimmed();
    // Nothing listed and nothing typed: the port in use stays.
    if (!chosen.isEmpty()) {
        PortChoice::Apply(chosen, codeplug_);
        settingFailed_ = !SettingsStore().WriteText(QString::fromLatin1(SettingsStore::kComPort),
                                                    PortChoice::SettingText(chosen));
    }
    accept();
}

} // namespace zr40
