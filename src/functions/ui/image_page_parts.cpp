#include "functions/ui/image_page_parts.h"

#include "widgets/config_page.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace zr40 {

namespace {

constexpr const char* kClose = QT_TRANSLATE_NOOP("ImagePageParts", "&Close");
constexpr const char* kHelp = QT_TRANSLATE_NOOP("ImagePageParts", "&Help");

QPushButton* AddButton(QBoxLayout* row, QWidget* page, const char* name, const char* text,
                       const TextContext& ctx) {
    auto* button = new QPushButton(ctx.Tr("ImagePageParts", text), page);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

QLabel* ImagePageParts::AddNote(QBoxLayout* layout, QWidget* page, const TextContext& ctx) {
    auto* note = new QLabel(ctx.Tr("ImagePageParts", "These settings are kept while the program "
                                                     "runs; they are not saved in the data file "
                                                     "or written to the radio."),
                            page);
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
