#include "widgets/help_window.h"

#include "codeplug/text_context.h"
#include "widgets/gui_resources.h"

#include <QFile>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zr40 {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    GuiResources::Ensure();
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 560);
}

QUrl HelpWindow::TopicUrl(const QString& topic, bool english) {
    GuiResources::Ensure();
    const QString folder = english ? QStringLiteral(":/help/en/") : QStringLiteral(":/help/zh/");
    // Topics may name a sub-folder ("Scan/Scan.htm"); our pages sit flat in the folder.
    QString name = topic.section(QLatin1Char('/'), -1);
    if (!QFile::exists(folder + name))
        name = QStringLiteral("general.htm");
    return QUrl(QStringLiteral("qrc") + folder + name);
}

void HelpWindow::ShowTopic(const QString& topic, bool english) {
    browser_->setSource(TopicUrl(topic, english), QTextDocument::HtmlResource);
    setWindowTitle(TextContext{english}.Tr("HelpWindow", "ZR40 Help"));
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QUrl HelpWindow::CurrentSource() const {
    return browser_->source();
}

} // namespace zr40
