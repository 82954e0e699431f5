#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/edit_step.h"
#include "review/plan_location.h"

#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QObject>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace zr40 {

class ConfigPage;

// The pages of the main window's page area: opening each at most once, bringing it to the front,
// closing, cascading and reloading them, committing what is still being typed in them, and the
// windows that edit a place of the plan. The command numbers are those the Window menu lists
// the open pages under.
class PageManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kChannelPage = 1000;
    static constexpr int kOptionPage = 1001;
    static constexpr int kKeyPage = 1002;
    static constexpr int kScanPage = 1003;
    static constexpr int kMessagePage = 1004;
    static constexpr int kTunePage = 1005;
    static constexpr int kRxListPage = 1006;

    PageManager(Codeplug& codeplug, QMdiArea* area, QWidget* window);
    ~PageManager() override;

    ConfigPage* Page(int commandNumber) const;
    ConfigPage* OpenPage(int commandNumber);
    void OpenPageFromTree(int commandNumber);
    void CloseAllPages();
    void CascadePages();
    // Each page that reaches past the page area is held to it (the area shrank before it was
    // first shown, a smaller screen).
    void HoldPagesToRoom();
    // After New, Open, a model or a language change: only the channel page, freshly loaded.
    void ReopenChannelPage();
    // Reload the open pages from the codeplug after a read from the radio.
    void ReloadPagesAfterRead();
    void ReloadOpenPages();
    // Every page commits the edit it still has in an editor.
    void FreshPages();
    // Opens the window that edits a place of the plan: a channel in the channel edit dialog, the
    // function setup page, a receive list.
    void ShowPlanLocation(const PlanLocation& location);
    // The batch channel edit dialog (service mode), on the channels the pages show.
    void BatchEdit();
    // The command number of an open page's child window; 0 for any other.
    int NumberOf(const QMdiSubWindow* sub) const;

    // The window's menu keys: a page's own shortcuts give way to them.
    void SetMenuKeys(std::function<QList<QKeySequence>()> keys) { menuKeys_ = std::move(keys); }
    // How the tune page reads and writes the radio (the window's transfers).
    void SetTuneTransfer(std::function<void(bool read)> transfer) {
        tuneTransfer_ = std::move(transfer);
    }

signals:
    // A page made an edit, or corrected values it cannot show as it opened: one undo step.
    void edited(const EditStep& step);
    // A page opened or closed: the Window menu's list follows.
    void pagesChanged();
    // The place asked for is the band: the model dialog, not a page.
    void modelInformationAsked();

private:
    ConfigPage* CreatePage(int commandNumber);
    // Shows a page, creating it when it is not open, without closing the tune page first.
    ConfigPage* ShowPage(int commandNumber);
    void CloseTunePageFor(int commandNumber);
    QMdiSubWindow* SubWindowOf(int commandNumber) const;
    void ShowWithChildState(QMdiSubWindow* sub, std::int16_t state);
    void TrackChildState(QMdiSubWindow* sub);
    void KeepMenuShortcuts(QMdiSubWindow* sub);

    Codeplug& codeplug_;
    QMdiArea* area_;
    QWidget* window_;
    QMap<int, QMdiSubWindow*> pages_;
    std::function<QList<QKeySequence>()> menuKeys_;
    std::function<void(bool)> tuneTransfer_;
};

} // namespace zr40
