#include "shell/frm_about.h"
#include "widgets/gui_resources.h"

#include "shell/main_window_texts.h"

#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace zr40 {

namespace {

QString Notice(bool english) {
    return english ? QStringLiteral(
                         "Keep a saved copy of the radio's configuration before you write to "
                         "it. Transmit only on frequencies you are licensed to use.")
                   : QStringLiteral("写频前请先保存对讲机原有的配置。请只在获得许可的频率上发射。");
}

} // namespace

frmAbout::frmAbout(bool english, QWidget* parent)
    : QDialog(parent), picIcon_(new QLabel), lblTitle_(new QLabel), lblVersion_(new QLabel),
      lblDescription_(new QLabel), lblDisclaimer_(new QLabel), cmdOK_(new QPushButton) {
    GuiResources::Ensure();
    setObjectName(QStringLiteral("frmAbout"));
    const QString title = MainWindowTexts::AppTitle();
    setWindowTitle((english ? QStringLiteral("About ") : QStringLiteral("关于 ")) + title);
    picIcon_->setPixmap(QIcon(QStringLiteral(":/icons/zr40.svg")).pixmap(64, 64));
    lblTitle_->setText(title);
    QFont big = lblTitle_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle_->setFont(big);
    lblVersion_->setText(
        VersionText(english, ZR40_VERSION_MAJOR, ZR40_VERSION_MINOR, ZR40_VERSION_PATCH));
    lblDescription_->setText(title + (english ? QStringLiteral("program software is used for ZR40")
                                              : QStringLiteral("编程软件用于 ZR40机型")));
    lblDisclaimer_->setText(Notice(english));
    lblDisclaimer_->setWordWrap(true);
    cmdOK_->setText(english ? QStringLiteral("OK") : QStringLiteral("确定"));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    for (QLabel* label : {lblTitle_, lblVersion_, lblDescription_, lblDisclaimer_})
        text->addWidget(label);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon_, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

QString frmAbout::VersionText(bool english, int major, int minor, int revision) {
    return (english ? QStringLiteral("Version ") : QStringLiteral("版本 ")) +
           QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

} // namespace zr40
