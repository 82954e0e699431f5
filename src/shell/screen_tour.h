#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

namespace zr40 {

class MDIFormMain;

// Walks through the application's windows one after the other and saves a picture of the whole
// screen for each into a folder (documentation and visual checks). Modal dialogs are pictured
// while they are open and then closed; the tour ends the application when it is done. In service
// mode it pictures the service pages and dialogs instead.
class ScreenTour : public QObject {
    Q_OBJECT
public:
    ScreenTour(MDIFormMain& window, const QString& folder, const QString& prefix,
               QObject* parent = nullptr);

    void Start();

signals:
    void done();

private:
    struct Step {
        QString name;
        std::function<void()> open;
        bool modal;
        int settleMs = 0; // more time before the picture than a window needs to paint
    };

    void BuildSteps();
    // In service mode: the menus that offer the service pages, each service page and dialog.
    void BuildServiceSteps();
    void RunNext();
    void Grab(const QString& name);
    // With ZR40_TOUR_TEXTS set: every text of the windows in front, beside the picture, for
    // comparing two builds (scripts/text-lists). The main window only where it is in front.
    void WriteTexts(const QString& name, bool withMainWindow);
    void GrabModalThenClose(const QString& name, int settleMs);

    MDIFormMain& window_;
    QString folder_;
    QString prefix_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

} // namespace zr40
