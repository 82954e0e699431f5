#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace zr40 {

// The help viewer: our own HTML pages compiled into the application, one folder per language.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic ("chinfo.htm") of the English or Chinese pages and raises the window.
    void ShowTopic(const QString& topic, bool english);

    // Resource address of a topic; an unknown topic falls back to the general page.
    static QUrl TopicUrl(const QString& topic, bool english);

    QUrl CurrentSource() const;

protected:
    // Escape closes the help, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};

} // namespace zr40
