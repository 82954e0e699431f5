#include "shell/backups_dialog.h"

#include "widgets/ui_seam.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zr40 {

BackupsDialog::BackupsDialog(const BackupStore& store, const TextContext& ctx, QWidget* parent)
    : QDialog(parent), store_(store), labelFolder_(new QLabel), list_(new QTreeWidget),
      commandOpen_(new QPushButton), commandShowFolder_(new QPushButton),
      commandClose_(new QPushButton) {
    setObjectName(QStringLiteral("BackupsDialog"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(ctx.Tr("BackupsDialog", "Backups"));
    labelFolder_->setObjectName(QStringLiteral("LabelFolder"));
    labelFolder_->setWordWrap(true);
    labelFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    labelFolder_->setText(
        ctx.Tr("BackupsDialog",
               "Every radio read and every radio before a write is kept here for %1 days:\n%2")
            .arg(BackupStore::kKeepDays)
            .arg(QDir::toNativeSeparators(store.Folder())));
    list_->setObjectName(QStringLiteral("ListBackups"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setHeaderLabels({ctx.Tr("BackupsDialog", "Taken"), ctx.Tr("BackupsDialog", "Kind"),
                            ctx.Tr("BackupsDialog", "Channels in use"),
                            ctx.Tr("BackupsDialog", "File")});
    list_->setMinimumSize(620, 260);
    commandOpen_->setObjectName(QStringLiteral("CommandOpen"));
    commandOpen_->setText(ctx.Tr("BackupsDialog", "&Open"));
    commandShowFolder_->setObjectName(QStringLiteral("CommandShowFolder"));
    commandShowFolder_->setText(ctx.Tr("BackupsDialog", "Show &Folder"));
    commandClose_->setObjectName(QStringLiteral("CommandClose"));
    commandClose_->setText(ctx.Tr("BackupsDialog", "&Close"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(commandOpen_, QDialogButtonBox::ActionRole);
    buttons->addButton(commandShowFolder_, QDialogButtonBox::ActionRole);
    buttons->addButton(commandClose_, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelFolder_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    connect(commandOpen_, &QPushButton::clicked, this, &BackupsDialog::OpenCurrent);
    connect(commandShowFolder_, &QPushButton::clicked, this, &BackupsDialog::ShowFolder);
    connect(commandClose_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &BackupsDialog::OpenCurrent);
    Fill(ctx);
}

void BackupsDialog::Fill(const TextContext& ctx) {
    entries_ = store_.List();
    // One way of writing the time in both languages, to the second like the file names.
    const QString timeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    for (const BackupEntry& entry : entries_) {
        const QString channels = entry.channelsInUse < 0 ? ctx.Tr("BackupsDialog", "unreadable")
                                                         : QString::number(entry.channelsInUse);
        auto* item = new QTreeWidgetItem(list_, {entry.taken.toString(timeFormat),
                                                 BackupStore::KindText(entry.kind, ctx), channels,
                                                 QFileInfo(entry.path).fileName()});
        item->setTextAlignment(2, Qt::AlignCenter);
        item->setToolTip(3, QDir::toNativeSeparators(entry.path));
    }
    for (int column = 0; column < 3; ++column)
        list_->resizeColumnToContents(column);
    if (!entries_.isEmpty())
        list_->setCurrentItem(list_->topLevelItem(0));
    commandOpen_->setEnabled(!entries_.isEmpty());
}

void BackupsDialog::OpenCurrent() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= entries_.size())
        return;
    chosen_ = entries_[row].path;
    accept();
}

void BackupsDialog::ShowFolder() {
    store_.EnsureFolder();
    UiSeam::Instance().ShowFolder(this, store_.Folder());
}

} // namespace zr40
