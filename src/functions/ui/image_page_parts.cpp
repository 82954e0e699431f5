#include "functions/ui/image_page_parts.h"

#include "widgets/config_page.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace zr40 {

namespace {

constexpr TextPair kNote = {
    "These settings are kept while the program runs; they are not saved in the data file or "
    "written to the radio.",
    "这些设置只在程序运行期间保留，不会保存到数据文件，也不会写入对讲机。"};
constexpr TextPair kClose = {"&Close", "关闭(&C)"};
constexpr TextPair kHelp = {"&Help", "帮助(&H)"};

QPushButton* AddButton(QBoxLayout* row, QWidget* page, const char* name, const TextPair& text,
                       const TextContext& ctx) {
    auto* button = new QPushButton(ctx.Pick(text), page);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

QLabel* ImagePageParts::AddNote(QBoxLayout* layout, QWidget* page, const TextContext& ctx) {
    auto* note = new QLabel(ctx.Pick(kNote), page);
    note->setObjectName(QStringLiteral("LabelModelImage"));
    note->setWordWrap(true);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, QColor(0x8a, 0x4b, 0x00));
    note->setPalette(palette);
    layout->addWidget(note);
    return note;
}

void ImagePageParts::AddCommands(QBoxLayout* layout, ConfigPage* page, const TextContext& ctx) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* close = AddButton(row, page, "CommandClose", kClose, ctx);
    QPushButton* help = AddButton(row, page, "CommandHelp", kHelp, ctx);
    QObject::connect(close, &QPushButton::clicked, page, [page] { ClosePage(page); });
    QObject::connect(help, &QPushButton::clicked, page, &ConfigPage::ShowHelp);
    layout->addLayout(row);
}

void ImagePageParts::ClosePage(QWidget* page) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(page->parentWidget()))
        sub->close();
    else
        page->close();
}

} // namespace zr40
