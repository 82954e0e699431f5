#include "shell/page_manager.h"

#include "channels/ui/form_batch_channel_edit.h"
#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "channels/ui/form_rx_list.h"
#include "functions/ui/form_option.h"
#include "widgets/config_page.h"
// The service pages.
#include "functions/ui/form_embed_message.h"
#include "functions/ui/form_key_setting.h"
#include "functions/ui/form_scan_information.h"
#include "link/ui/form_tune.h"

#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zr40 {

PageManager::PageManager(Codeplug& codeplug, QMdiArea* area, QWidget* window)
    : QObject(window), codeplug_(codeplug), area_(area), window_(window) {}

PageManager::~PageManager() {
    // The pages go first, while those they report to are still whole.
    const auto open = pages_.values();
    pages_.clear();
    qDeleteAll(open);
}

ConfigPage* PageManager::CreatePage(int commandNumber) {
    switch (commandNumber) {
    case kChannelPage:
        return new FormChannelInformation(codeplug_);
    case kOptionPage:
        return new FormOption(codeplug_);
    case kRxListPage:
        return new FormRxList(codeplug_);
    case kKeyPage:
        return new FormKeySetting(codeplug_);
    case kScanPage:
        return new FormScanInformation(codeplug_);
    case kMessagePage:
        return new FormEmbedMessage(codeplug_);
    case kTunePage:
        return new FormTune(codeplug_, [this](bool read) {
            if (tuneTransfer_)
                tuneTransfer_(read);
        });
    default:
        return nullptr; // pages this window does not offer
    }
}

QMdiSubWindow* PageManager::SubWindowOf(int commandNumber) const {
    // A page that was closed is on its way out (deleted at the next turn of the event loop).
    QMdiSubWindow* sub = pages_.value(commandNumber, nullptr);
    return sub && !sub->isHidden() ? sub : nullptr;
}

int PageManager::NumberOf(const QMdiSubWindow* sub) const {
    return pages_.key(const_cast<QMdiSubWindow*>(sub), 0);
}

ConfigPage* PageManager::Page(int commandNumber) const {
    QMdiSubWindow* sub = SubWindowOf(commandNumber);
    return sub ? qobject_cast<ConfigPage*>(sub->widget()) : nullptr;
}

void PageManager::CloseTunePageFor(int commandNumber) {
    if (commandNumber == kTunePage)
        return;
    if (QMdiSubWindow* tune = SubWindowOf(kTunePage))
        tune->close();
}

ConfigPage* PageManager::OpenPage(int commandNumber) {
    CloseTunePageFor(commandNumber);
    return ShowPage(commandNumber);
}

ConfigPage* PageManager::ShowPage(int commandNumber) {
    if (QMdiSubWindow* open = SubWindowOf(commandNumber)) {
        area_->setActiveSubWindow(open);
        return Page(commandNumber);
    }
    // Taken before the page exists: a new page records its own state as it is laid out.
    const std::int16_t state = codeplug_.ChildWindowState;
    // A closed page not yet deleted goes now, so its open flag is clear before the new one sets it.
    delete pages_.take(commandNumber);
    ConfigPage* page = CreatePage(commandNumber);
    if (!page)
        return nullptr;
    // A page that chose its own opening size keeps it; the frame comes on top.
    const QSize wanted = page->testAttribute(Qt::WA_Resized) ? page->size() : page->sizeHint();
    QMdiSubWindow* sub = area_->addSubWindow(page);
    QSize size = wanted + (sub->sizeHint() - page->sizeHint()).expandedTo(QSize(0, 0));
    // A page taller than the room the window gives it opens within that room (its values
    // scroll), not with its foot and buttons out of reach.
    if (area_->isVisible())
        size = size.boundedTo(area_->viewport()->size());
    sub->resize(size);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(page->Caption());
    pages_.insert(commandNumber, sub);
    connect(sub, &QObject::destroyed, this, [this, commandNumber, sub] {
        if (pages_.value(commandNumber) == sub)
            pages_.remove(commandNumber);
        emit pagesChanged();
    });
    connect(page, &ConfigPage::edited, this, &PageManager::edited);
    // What loading the page corrected is a step of its own. A page that corrects nothing names
    // no step: a change still to be recorded (a read reloading the pages) keeps its own name.
    if (const EditStep correction = page->OpeningCorrection(); !correction.english.isEmpty())
        emit edited(correction);
    TrackChildState(sub);
    KeepMenuShortcuts(sub);
    ShowWithChildState(sub, state);
    area_->setActiveSubWindow(sub);
    emit pagesChanged();
    return page;
}

void PageManager::ShowWithChildState(QMdiSubWindow* sub, std::int16_t state) {
    // A page is never opened minimised: state 1 is given as normal.
    if (state == 2)
        sub->showMaximized();
    else
        sub->showNormal();
}

void PageManager::TrackChildState(QMdiSubWindow* sub) {
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates, Qt::WindowStates now) {
                codeplug_.ChildWindowState = now.testFlag(Qt::WindowMinimized)   ? 1
                                             : now.testFlag(Qt::WindowMaximized) ? 2
                                                                                 : 0;
            });
}

void PageManager::KeepMenuShortcuts(QMdiSubWindow* sub) {
    // A child window brings shortcuts of its own (its system menu closes it with Ctrl+W on most
    // desktops); while a page has the focus they would make the menu's keys ambiguous, and
    // neither would act.
    const QList<QKeySequence> menuKeys = menuKeys_ ? menuKeys_() : QList<QKeySequence>();
    for (QAction* action : sub->findChildren<QAction*>()) {
        QList<QKeySequence> kept = action->shortcuts();
        if (kept.removeIf([&](const QKeySequence& key) { return menuKeys.contains(key); }) > 0)
            action->setShortcuts(kept);
    }
}

void PageManager::OpenPageFromTree(int commandNumber) {
    CloseTunePageFor(commandNumber);
    if (QMdiSubWindow* open = SubWindowOf(commandNumber)) {
        area_->setActiveSubWindow(open); // already open: to the front, not reloaded
        return;
    }
    if (OpenPage(commandNumber))
        CascadePages();
}

void PageManager::CascadePages() {
    // Each page keeps the size it was laid out for; only the positions step down and right. A
    // page that would reach past the room left to it there is held to that room (what it shows
    // scrolls), so that its foot and its buttons stay in reach.
    const int step = window_->fontMetrics().height() + 8;
    int k = 0;
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isHidden() || sub->isMinimized())
            continue;
        if (sub->isMaximized())
            sub->showNormal();
        sub->move(k * step, k * step);
        const QSize room = area_->viewport()->size() - QSize(k * step, k * step);
        if (area_->isVisible() && !room.isEmpty())
            sub->resize(sub->size().boundedTo(room));
        sub->raise();
        ++k;
    }
    if (QMdiSubWindow* active = area_->activeSubWindow())
        active->raise();
}

void PageManager::HoldPagesToRoom() {
    const QRect room = area_->viewport()->rect();
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (sub->isHidden() || sub->isMinimized() || sub->isMaximized())
            continue;
        sub->resize(sub->size().boundedTo(room.size()));
        sub->move(qBound(0, sub->x(), qMax(0, room.width() - sub->width())),
                  qBound(0, sub->y(), qMax(0, room.height() - sub->height())));
    }
}

void PageManager::CloseAllPages() {
    // Deleted at once, so that each page's open flag is clear before a page is opened again.
    // Closing is no change of window state: the next page opens as the last one was shown.
    const std::int16_t state = codeplug_.ChildWindowState;
    const auto open = pages_.values();
    pages_.clear();
    for (QMdiSubWindow* sub : open)
        delete sub;
    codeplug_.ChildWindowState = state;
    emit pagesChanged();
}

void PageManager::ReopenChannelPage() {
    CloseAllPages();
    OpenPage(kChannelPage);
}

void PageManager::ReloadPagesAfterRead() {
    // The pages reload where they are; the one the user works in stays in front (the tune page
    // too, when the read started there), also when the channel page has to be opened for the
    // data read.
    QMdiSubWindow* active = area_->activeSubWindow();
    if (ConfigPage* channels = Page(kChannelPage))
        channels->Analyse();
    else if (ShowPage(kChannelPage) && active)
        area_->setActiveSubWindow(active);
    // The scan and embedded message pages keep what they showed.
    for (int number : {kOptionPage, kKeyPage, kRxListPage, kTunePage}) {
        if (ConfigPage* page = Page(number))
            page->Analyse();
    }
}

void PageManager::ReloadOpenPages() {
    for (QMdiSubWindow* sub : pages_) {
        if (auto* page = qobject_cast<ConfigPage*>(sub->widget()); page && !sub->isHidden())
            page->Analyse();
    }
}

void PageManager::FreshPages() {
    for (QMdiSubWindow* sub : pages_) {
        if (auto* page = qobject_cast<ConfigPage*>(sub->widget()))
            page->FreshData();
    }
}

void PageManager::ShowPlanLocation(const PlanLocation& location) {
    using Area = PlanLocation::Area;
    switch (location.area) {
    case Area::Channel: {
        auto* grid = qobject_cast<FormChannelInformation*>(OpenPage(kChannelPage));
        if (!grid || location.index < 0 || location.index >= Codeplug::kChannels)
            return;
        const int row = location.index + 1;
        grid->SetCurrentCell(row, 1);
        grid->CellClick(row, FormChannelInformation::kColumnMore);
        // An edit dialog already open only comes to the front; it is turned to the channel.
        if (FormChannelEdit* edit = grid->channelEdit())
            edit->ComboChannel_Click(location.index);
        return;
    }
    case Area::Settings:
        OpenPage(kOptionPage);
        return;
    case Area::RxList: {
        auto* lists = qobject_cast<FormRxList*>(OpenPage(kRxListPage));
        if (!lists || location.index < 0 || location.index >= Codeplug::kRxLists)
            return;
        lists->listSelector()->setCurrentIndex(location.index);
        lists->ComboRxList_Click(location.index);
        return;
    }
    case Area::Model:
        emit modelInformationAsked();
        return;
    case Area::Header:
    case Area::Tune:
        return; // no page of the main window edits them
    }
}

void PageManager::BatchEdit() {
    FreshPages();
    FormBatchChannelEdit dialog(codeplug_, window_);
    connect(&dialog, &FormBatchChannelEdit::edited, this, [this] {
        // The grid and an open channel edit dialog show the new channels at once.
        if (ConfigPage* channels = Page(kChannelPage))
            channels->Analyse();
        emit edited(
            EditStep::Named("MDIFormMain", QT_TRANSLATE_NOOP("MDIFormMain", "Batch Channel Edit")));
    });
    dialog.exec();
}

} // namespace zr40
