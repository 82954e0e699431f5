#include "shell/frm_about.h"
#include "widgets/gui_resources.h"

#include "codeplug/text_context.h"
#include "shell/main_window_texts.h"

#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace zr40 {

frmAbout::frmAbout(bool english, QWidget* parent)
    : QDialog(parent), picIcon_(new QLabel), lblTitle_(new QLabel), lblVersion_(new QLabel),
      lblDescription_(new QLabel), lblDisclaimer_(new QLabel), cmdOK_(new QPushButton) {
    GuiResources::Ensure();
    setObjectName(QStringLiteral("frmAbout"));
    const TextContext words{english};
    const QString title = MainWindowTexts::AppTitle();
    setWindowTitle(words.Tr("frmAbout", "About %1").arg(title));
    picIcon_->setPixmap(QIcon(QStringLiteral(":/icons/zr40.svg")).pixmap(64, 64));
    lblTitle_->setText(title);
    QFont big = lblTitle_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle_->setFont(big);
    lblVersion_->setText(
        VersionText(english, ZR40_VERSION_MAJOR, ZR40_VERSION_MINOR, ZR40_VERSION_PATCH));
    //: The program's title, then what the program is for.
    lblDescription_->setText(
        words.Tr("frmAbout", "%1program software is used for ZR40").arg(title));
    lblDisclaimer_->setText(words.Tr("frmAbout", "Keep a saved copy of the radio's configuration "
                                                 "before you write to it. Transmit only on "
                                                 "frequencies you are licensed to use."));
    lblDisclaimer_->setWordWrap(true);
    cmdOK_->setText(words.Tr("frmAbout", "OK"));
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
    return TextContext{english}
        .Tr("frmAbout", "Version %1.%2.%3")
        .arg(major)
        .arg(minor)
        .arg(revision);
}

} // namespace zr40
