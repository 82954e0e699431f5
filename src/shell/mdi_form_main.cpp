#include "shell/mdi_form_main.h"
#include "widgets/gui_resources.h"

#include "channels/ui/form_batch_channel_edit.h"
#include "channels/ui/form_channel_edit.h"
#include "channels/ui/form_channel_information.h"
#include "channels/ui/form_rx_list.h"
#include "codeplug/file_reader.h"
#include "codeplug/file_writer.h"
#include "codeplug/model_band.h"
#include "codeplug/radio_data_file.h"
#include "codeplug/settings_store.h"
#include "functions/ui/form_option.h"
#include "link/ui/form_fleet.h"
#include "link/ui/form_process.h"
#include "shell/backups_dialog.h"
#include "shell/form_com_port.h"
#include "shell/form_exchange_report.h"
#include "shell/form_language.h"
#include "shell/form_model_information.h"
#include "shell/frm_about.h"
#include "shell/main_window_texts.h"
#include "shell/panel_layout.h"
#include "shell/panel_separator.h"
#include "shell/port_choice.h"
#include "shell/print_commands.h"
#include "shell/toolkit_translator.h"
#include "shell/virtual_radio_process.h"
#include "widgets/config_page.h"
#include "widgets/interactive_seam.h"
#include "widgets/ui_seam.h"
// The service pages.
#include "functions/ui/form_embed_message.h"
#include "functions/ui/form_key_setting.h"
#include "functions/ui/form_scan_information.h"
#include "link/ui/form_password.h"
#include "link/ui/form_tune.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace zr40 {

namespace {

using Id = MainWindowTexts::Id;

constexpr int kKeyRole = Qt::UserRole;
constexpr int kNumberRole = Qt::UserRole + 1;

struct TreeNode {
    const char* key;
    Id text;
    int page;
    bool serviceOnly = false;
};

const TreeNode kTreeNodes[] = {
    {"TreeChannelInforamtion", Id::TreeChannel, MDIFormMain::kChannelPage},
    {"TreeOption", Id::TreeOption, MDIFormMain::kOptionPage},
    {"TreeRxList", Id::TreeRxList, MDIFormMain::kRxListPage},
    {"TreeKeySetting", Id::TreeKey, MDIFormMain::kKeyPage, true},
    {"TreeScanInformation", Id::TreeScan, MDIFormMain::kScanPage, true},
    {"TreeEmbeddedMessage", Id::TreeMessage, MDIFormMain::kMessagePage, true},
    {"TreeTuneData", Id::TreeTune, MDIFormMain::kTunePage, true},
};

} // namespace

MDIFormMain::MDIFormMain(Codeplug& codeplug, const StartOptions& options, QWidget* parent)
    : QMainWindow(parent), codeplug_(codeplug),
      service_(options.service || SettingsStore().ServiceMode()),
      portSource_(&FormComPort::SystemPorts), virtualRadio_(new VirtualRadioProcess(this)) {
    GuiResources::Ensure();
    setObjectName(QStringLiteral("MDIFormMain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zr40.svg")));
    BuildMenus();
    BuildToolbar();
    BuildPanels();
    BuildStatusBar();
    print_ = new PrintCommands(codeplug_, this);
    ConnectCommands();
    StartUp(options);
    // The smallest the window goes: every page's controls stay in reach there (a page taller
    // than its room scrolls).
    setMinimumSize(kMinimumSize);
    resize(1100, 720);
}

MDIFormMain::~MDIFormMain() {
    // The pages go first, while the window they report to is still whole.
    disconnect(area_, nullptr, this, nullptr);
    const auto open = pages_.values();
    pages_.clear();
    qDeleteAll(open);
}

// --- Building ---------------------------------------------------------------------------------

void MDIFormMain::BuildMenus() {
    for (const MenuItemText& item : MainWindowTexts::Menu()) {
        if (!item.parent) {
            QMenu* menu = menuBar()->addMenu(QString());
            menu->setObjectName(QString::fromLatin1(item.name));
            menu->menuAction()->setObjectName(QString::fromLatin1(item.name));
            menu->menuAction()->setVisible(Offered(item));
            menus_.insert(menu->objectName(), menu);
            actions_.insert(menu->objectName(), menu->menuAction());
            continue;
        }
        QMenu* menu = menus_.value(QString::fromLatin1(item.parent));
        QAction* action = QString::fromLatin1(item.name) == QLatin1String("-")
                              ? menu->addSeparator()
                              : menu->addAction(QString());
        action->setVisible(Offered(item));
        if (action->isSeparator())
            continue;
        action->setObjectName(QString::fromLatin1(item.name));
        if (item.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        if (item.checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        actions_.insert(action->objectName(), action);
    }
}

bool MDIFormMain::Offered(const MenuItemText& item) const {
    return item.shown == MenuVisibility::Shown ||
           (item.shown == MenuVisibility::ServiceOnly && service_);
}

void MDIFormMain::BuildToolbar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    // The View menu is the one place that shows and hides the bars, so its checks stay true.
    setContextMenuPolicy(Qt::NoContextMenu);
    toolbar->setIconSize(QSize(24, 24));
    helpAction_ = new QAction(this);
    helpAction_->setObjectName(QStringLiteral("ToolHelp"));
    helpAction_->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(helpAction_);
    const QMap<QString, QAction*> byKey = {
        {QStringLiteral("新建"), actions_.value(QStringLiteral("MenuNew"))},
        {QStringLiteral("打开"), actions_.value(QStringLiteral("MenuOpen"))},
        {QStringLiteral("保存"), actions_.value(QStringLiteral("MenuSave"))},
        {QStringLiteral("读取"), actions_.value(QStringLiteral("MenuRead"))},
        {QStringLiteral("串口"), actions_.value(QStringLiteral("MenuCom"))},
        {QStringLiteral("写频"), actions_.value(QStringLiteral("MenuWrite"))},
        {QStringLiteral("帮助"), helpAction_},
    };
    for (const ToolButtonText& button : MainWindowTexts::Toolbar()) {
        QAction* action = byKey.value(QString::fromUtf8(button.key));
        action->setIcon(QIcon(QString::fromLatin1(button.icon)));
        action->setProperty("toolKey", QString::fromUtf8(button.key));
        toolbar->addAction(action);
    }
}

void MDIFormMain::BuildPanels() {
    client_ = new QWidget(this);
    tree_ = new QTreeWidget(client_);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    separator_ = new PanelSeparator(client_);
    separator_->setObjectName(QStringLiteral("PictureSeparator"));
    area_ = new QMdiArea(client_);
    area_->setObjectName(QStringLiteral("PageArea"));
    setCentralWidget(client_);
    client_->installEventFilter(this);
    connect(tree_, &QTreeWidget::itemClicked, this, &MDIFormMain::OnTreeClicked);
    connect(separator_, &PanelSeparator::dragged, this,
            [this](int clientX) { DragSeparatorTo(PanelLayout::ToTwips(clientX, logicalDpiX())); });
    connect(area_, &QMdiArea::subWindowActivated, this, &MDIFormMain::RebuildWindowList);
}

void MDIFormMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        panels_[i]->setMinimumWidth(i == 0 ? 160 : 110);
        if (i == 0)
            bar->addWidget(panels_[i], 1);
        else
            bar->addPermanentWidget(panels_[i]);
    }
    timer_ = new QTimer(this);
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &MDIFormMain::RefreshStatus);
    timer_->start();
}

void MDIFormMain::ConnectCommands() {
    const QMap<QString, std::function<void()>> commands = {
        {QStringLiteral("MenuNew"), [this] { New(); }},
        {QStringLiteral("MenuOpen"), [this] { Open(); }},
        {QStringLiteral("MenuSave"), [this] { Save(); }},
        {QStringLiteral("MenuSaveAs"), [this] { SaveAs(); }},
        {QStringLiteral("MenuBackups"), [this] { ShowBackups(); }},
        {QStringLiteral("MenuPrint"), [this] { Print(); }},
        {QStringLiteral("MenuPrintView"), [this] { PrintPreview(); }},
        {QStringLiteral("MenuExit"), [this] { close(); }},
        {QStringLiteral("MenuModelInformation"), [this] { ModelInformation(); }},
        {QStringLiteral("MenuChannel"), [this] { OpenPage(kChannelPage); }},
        {QStringLiteral("MenuOption"), [this] { OpenPage(kOptionPage); }},
        {QStringLiteral("MenuRxList"), [this] { OpenPage(kRxListPage); }},
        {QStringLiteral("MenuKey"), [this] { OpenPage(kKeyPage); }},
        {QStringLiteral("MenuScan"), [this] { OpenPage(kScanPage); }},
        {QStringLiteral("MenuMessage"), [this] { OpenPage(kMessagePage); }},
        {QStringLiteral("MenuPassword"), [this] { ProgramPassword(); }},
        {QStringLiteral("MenuTune"), [this] { OpenPage(kTunePage); }},
        {QStringLiteral("MenuRead"), [this] { ReadFromRadio(); }},
        {QStringLiteral("MenuWrite"), [this] { WriteToRadio(); }},
        {QStringLiteral("MenuFleet"), [this] { ProgramFleet(); }},
        {QStringLiteral("MenuCom"), [this] { SetCom(); }},
        {QStringLiteral("MenuLanguage"), [this] { SetLanguage(); }},
        {QStringLiteral("MenuCeng"), [this] { CascadePages(); }},
        {QStringLiteral("MenuCloseAll"), [this] { CloseAllPages(); }},
        {QStringLiteral("MenuHelpPage"),
         [this] {
             UiSeam::Instance().ShowHelpTopic(this, QStringLiteral("general.htm"), english());
         }},
        {QStringLiteral("MenuAbout"), [this] { About(); }},
        {QStringLiteral("MenuUndo"), [this] { Undo(); }},
        {QStringLiteral("MenuRedo"), [this] { Redo(); }},
        {QStringLiteral("MenuImport"), [this] { Import(); }},
        {QStringLiteral("MenuExport"), [this] { Export(); }},
        {QStringLiteral("MenuBank"), [this] { BatchEdit(); }},
    };
    for (auto it = commands.begin(); it != commands.end(); ++it)
        connect(actions_.value(it.key()), &QAction::triggered, this, it.value());
    for (const char* name : {"MenuTree", "MenuToolBar", "MenuStatus"}) {
        const QString key = QString::fromLatin1(name);
        connect(actions_.value(key), &QAction::toggled, this,
                [this, key](bool shown) { ShowPanel(key, shown); });
    }
    connect(helpAction_, &QAction::triggered, this, &MDIFormMain::ShowHelp);
    actions_.value(QStringLiteral("MenuRedo"))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { ShareMenuKeys(now); });
}

void MDIFormMain::ShareMenuKeys(QWidget* now) {
    // A window of ours that is not modal (the channel edit dialog, the help) takes the menu's
    // keys too: Ctrl+S saves and Ctrl+Z undoes from wherever the user works. A modal one keeps
    // the user in it, and its own F1 stays its own.
    QWidget* window = now ? now->window() : nullptr;
    if (!window || window == this || window->isModal() || window->property("menuKeys").toBool())
        return;
    QWidget* owner = window->parentWidget();
    while (owner && owner != this)
        owner = owner->parentWidget();
    if (!owner)
        return;
    window->setProperty("menuKeys", true);
    for (QAction* action : std::as_const(actions_)) {
        if (!action->shortcuts().isEmpty())
            window->addAction(action);
    }
}

// --- Start-up ---------------------------------------------------------------------------------

void MDIFormMain::StartUp(const StartOptions& options) {
    codeplug_.DecimalSeparator = LocaleDecimalSeparator();
    SettingsStore().Load(codeplug_);
    if (!options.port.isEmpty())
        PortChoice::Apply(options.port, codeplug_);
    if (!options.language.isEmpty())
        codeplug_.IsEnglish = options.language == QLatin1String("en");
    codeplug_.ResetApplicationState();
    path_.clear();
    codeplug_.ApplyStartupDefaults();
    tracker_.MarkSaved(codeplug_); // the start-up plan is nothing worth asking about
    history_.Reset(codeplug_);
    ApplyLanguage();
    LayoutPanels(PanelLayout::kStartTreeWidthTwips);
    if (tree_->topLevelItemCount() > 0)
        tree_->topLevelItem(0)->setExpanded(true);
    codeplug_.ChildWindowState = 0;
    OpenPage(kChannelPage);
    RefreshStatus();
}

void MDIFormMain::ApplyLanguage() {
    InteractiveSeam::SetEnglish(english());
    ToolkitTranslator::Apply(english());
    for (const MenuItemText& item : MainWindowTexts::Menu()) {
        if (QAction* action = actions_.value(QString::fromLatin1(item.name)))
            action->setText(QString::fromUtf8(english() ? item.english : item.chinese));
    }
    for (QAction* action : ToolbarActions()) {
        const QString key = action->property("toolKey").toString();
        for (const ToolButtonText& button : MainWindowTexts::Toolbar()) {
            if (key == QString::fromUtf8(button.key))
                action->setToolTip(QString::fromUtf8(english() ? button.english : button.chinese));
        }
    }
    helpAction_->setText(helpAction_->toolTip());
    RebuildTree();
    UpdateEditActions();
    RefreshStatus();
}

void MDIFormMain::RebuildTree() {
    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_, {QStringLiteral("ZR40")});
    root->setData(0, kKeyRole, QStringLiteral("ZR40"));
    for (const TreeNode& node : kTreeNodes) {
        if (node.serviceOnly && !service_)
            continue;
        auto* item = new QTreeWidgetItem(root, {MainWindowTexts::Text(node.text, english())});
        item->setData(0, kKeyRole, QString::fromLatin1(node.key));
        item->setData(0, kNumberRole, node.page);
    }
    root->setExpanded(true);
}

// --- Layout and status ------------------------------------------------------------------------

void MDIFormMain::LayoutPanels(int widthTwips) {
    treeWidthTwips_ = widthTwips;
    const QRect client = client_->rect();
    const bool treeShown = actions_.value(QStringLiteral("MenuTree"))->isChecked();
    const int treeWidth = treeShown ? PanelLayout::ToPixels(widthTwips, logicalDpiX()) : 0;
    tree_->setVisible(treeShown);
    separator_->setVisible(treeShown);
    tree_->setGeometry(0, 0, treeWidth, client.height());
    const int separatorWidth = treeShown ? separator_->width() : 0;
    separator_->setGeometry(treeWidth, 0, separatorWidth, client.height());
    area_->setGeometry(treeWidth + separatorWidth, 0,
                       qMax(0, client.width() - treeWidth - separatorWidth), client.height());
}

bool MDIFormMain::DragSeparatorTo(int xTwips) {
    if (!PanelLayout::AcceptsDrag(xTwips, PanelLayout::ToTwips(width(), logicalDpiX())))
        return false;
    LayoutPanels(xTwips);
    return true;
}

void MDIFormMain::RefreshStatus() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    panels_[0]->setText(QStringLiteral("ZR40"));
    const QString port = virtualRadio_->Serves(codeplug_.ComPortName)
                             ? VirtualRadioProcess::Caption(english())
                             : codeplug_.ComPortName;
    panels_[1]->setText(MainWindowTexts::PortPanel(port, codeplug_.ComPortNumber, english()));
    panels_[2]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    panels_[3]->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
    setWindowTitle(MainWindowTexts::Caption(codeplug_.FileName, IsModified(), english()));
}

QString MDIFormMain::StatusText(int panel) const {
    return panel >= 1 && panel <= 4 ? panels_[panel - 1]->text() : QString();
}

void MDIFormMain::ShowPanel(const QString& menuName, bool shown) {
    if (menuName == QLatin1String("MenuToolBar"))
        findChild<QToolBar*>(QStringLiteral("Toolbar1"))->setVisible(shown);
    else if (menuName == QLatin1String("MenuStatus"))
        statusBar()->setVisible(shown);
    LayoutPanels(treeWidthTwips_);
}

bool MDIFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize)
        LayoutPanels(treeWidthTwips_);
    return QMainWindow::eventFilter(watched, event);
}

// --- Pages ------------------------------------------------------------------------------------

ConfigPage* MDIFormMain::CreatePage(int commandNumber) {
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
        return new FormTune(codeplug_, [this](bool read) { RunTransfer(read); });
    default:
        return nullptr; // pages this window does not offer
    }
}

QMdiSubWindow* MDIFormMain::SubWindowOf(int commandNumber) const {
    // A page that was closed is on its way out (deleted at the next turn of the event loop).
    QMdiSubWindow* sub = pages_.value(commandNumber, nullptr);
    return sub && !sub->isHidden() ? sub : nullptr;
}

ConfigPage* MDIFormMain::Page(int commandNumber) const {
    QMdiSubWindow* sub = SubWindowOf(commandNumber);
    return sub ? qobject_cast<ConfigPage*>(sub->widget()) : nullptr;
}

void MDIFormMain::CloseTunePageFor(int commandNumber) {
    if (commandNumber == kTunePage)
        return;
    if (QMdiSubWindow* tune = SubWindowOf(kTunePage))
        tune->close();
}

ConfigPage* MDIFormMain::OpenPage(int commandNumber) {
    CloseTunePageFor(commandNumber);
    return ShowPage(commandNumber);
}

ConfigPage* MDIFormMain::ShowPage(int commandNumber) {
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
        RebuildWindowList();
    });
    connect(page, &ConfigPage::edited, this, &MDIFormMain::RecordStep);
    // What loading the page corrected is a step of its own. A page that corrects nothing names
    // no step: a change still to be recorded (a read reloading the pages) keeps its own name.
    if (const EditStep correction = page->OpeningCorrection(); !correction.english.isEmpty())
        RecordStep(correction);
    TrackChildState(sub);
    KeepMenuShortcuts(sub);
    ShowWithChildState(sub, state);
    area_->setActiveSubWindow(sub);
    RebuildWindowList();
    return page;
}

void MDIFormMain::ShowWithChildState(QMdiSubWindow* sub, std::int16_t state) {
    // A page is never opened minimised: state 1 is given as normal.
    if (state == 2)
        sub->showMaximized();
    else
        sub->showNormal();
}

void MDIFormMain::TrackChildState(QMdiSubWindow* sub) {
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates, Qt::WindowStates now) {
                codeplug_.ChildWindowState = now.testFlag(Qt::WindowMinimized)   ? 1
                                             : now.testFlag(Qt::WindowMaximized) ? 2
                                                                                 : 0;
            });
}

void MDIFormMain::KeepMenuShortcuts(QMdiSubWindow* sub) {
    // A child window brings shortcuts of its own (its system menu closes it with Ctrl+W on most
    // desktops); while a page has the focus they would make the menu's keys ambiguous, and
    // neither would act.
    QList<QKeySequence> menuKeys = helpAction_->shortcuts();
    for (const QAction* action : std::as_const(actions_))
        menuKeys += action->shortcuts();
    for (QAction* action : sub->findChildren<QAction*>()) {
        QList<QKeySequence> kept = action->shortcuts();
        if (kept.removeIf([&](const QKeySequence& key) { return menuKeys.contains(key); }) > 0)
            action->setShortcuts(kept);
    }
}

void MDIFormMain::OpenPageFromTree(int commandNumber) {
    CloseTunePageFor(commandNumber);
    if (QMdiSubWindow* open = SubWindowOf(commandNumber)) {
        area_->setActiveSubWindow(open); // already open: to the front, not reloaded
        return;
    }
    if (OpenPage(commandNumber))
        CascadePages();
}

void MDIFormMain::CascadePages() {
    // Each page keeps the size it was laid out for; only the positions step down and right. A
    // page that would reach past the room left to it there is held to that room (what it shows
    // scrolls), so that its foot and its buttons stay in reach.
    const int step = fontMetrics().height() + 8;
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

void MDIFormMain::OnTreeClicked(QTreeWidgetItem* item) {
    if (!item)
        return;
    if (!item->parent()) {
        item->setExpanded(!item->isExpanded());
        return;
    }
    OpenPageFromTree(item->data(0, kNumberRole).toInt());
}

void MDIFormMain::CloseAllPages() {
    // Deleted at once, so that each page's open flag is clear before a page is opened again.
    // Closing is no change of window state: the next page opens as the last one was shown.
    const std::int16_t state = codeplug_.ChildWindowState;
    const auto open = pages_.values();
    pages_.clear();
    for (QMdiSubWindow* sub : open)
        delete sub;
    codeplug_.ChildWindowState = state;
    RebuildWindowList();
}

void MDIFormMain::ReopenChannelPage() {
    CloseAllPages();
    OpenPage(kChannelPage);
    RefreshStatus();
}

void MDIFormMain::ReloadPagesAfterRead() {
    AnalyseModel();
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

void MDIFormMain::FreshPages() {
    for (QMdiSubWindow* sub : pages_) {
        if (auto* page = qobject_cast<ConfigPage*>(sub->widget()))
            page->FreshData();
    }
}

void MDIFormMain::RebuildWindowList() {
    QMenu* menu = menus_.value(QStringLiteral("MenuWindow"));
    for (QAction* action : WindowListActions())
        delete action;
    QMdiSubWindow* active = area_->activeSubWindow();
    // In the order the pages were opened.
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder)) {
        const int number = pages_.key(sub, 0);
        if (number == 0 || sub->isHidden())
            continue;
        auto* page = qobject_cast<ConfigPage*>(sub->widget());
        QAction* action = menu->addAction(page ? page->Caption() : QString());
        action->setData(number);
        action->setCheckable(true);
        action->setChecked(sub == active);
        connect(action, &QAction::triggered, this, [this, sub] { area_->setActiveSubWindow(sub); });
    }
}

QList<QAction*> MDIFormMain::WindowListActions() const {
    QList<QAction*> list;
    for (QAction* action : menus_.value(QStringLiteral("MenuWindow"))->actions()) {
        if (action->data().toInt() >= kChannelPage)
            list.append(action);
    }
    return list;
}

QList<QAction*> MDIFormMain::ToolbarActions() const {
    return findChild<QToolBar*>(QStringLiteral("Toolbar1"))->actions();
}

// --- Files ------------------------------------------------------------------------------------

bool MDIFormMain::AnalyseModel() {
    return ModelBand::AnalyseModel(codeplug_);
}

bool MDIFormMain::IsModified() const {
    return tracker_.IsModified(codeplug_);
}

bool MDIFormMain::ReadFromFile(const QString& path) {
    const FileResult result = RadioDataFile::ReadFromFile(path, codeplug_);
    if (!result.ok()) {
        UiSeam::Instance().Message(this, QMessageBox::Critical,
                                   MainWindowTexts::Text(Id::ErrorCaption, english()),
                                   MainWindowTexts::Text(Id::ErrorFile, english()) +
                                       QLatin1Char('\n') + result.Message(english()),
                                   QMessageBox::Ok);
    }
    return result.ok();
}

bool MDIFormMain::WriteToFile(const QString& path) {
    const FileResult result = RadioDataFile::WriteToFile(path, codeplug_);
    if (!result.ok()) {
        UiSeam::Instance().Message(this, QMessageBox::Critical,
                                   MainWindowTexts::Text(Id::ErrorCaption, english()),
                                   MainWindowTexts::Text(Id::SaveFailed, english()) +
                                       QLatin1Char('\n') + result.Message(english()),
                                   QMessageBox::Ok);
        return false;
    }
    path_ = path;
    stamp_ = FileStamp::Of(path);
    codeplug_.FileName = QFileInfo(path).fileName();
    tracker_.MarkSaved(codeplug_);
    RefreshStatus();
    return true;
}

QString MDIFormMain::AskFileName(bool isOpen, const QString& title, const QString& proposedName) {
    const QStringList filters = {MainWindowTexts::Text(Id::FilterRadioData, english()),
                                 MainWindowTexts::Text(Id::FilterAll, english())};
    return UiSeam::Instance().FileDialog(this, isOpen, title, proposedName, filters,
                                         QStringLiteral("rdat"));
}

bool MDIFormMain::ConfirmUnsavedChanges(bool* asked) {
    FreshPages();
    if (asked)
        *asked = IsModified();
    if (!IsModified())
        return true;
    const auto answer = UiSeam::Instance().Message(
        this, QMessageBox::Question, MainWindowTexts::AppTitle(),
        MainWindowTexts::Text(Id::SaveChanges, english()).arg(codeplug_.FileName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return Save();
    return answer == QMessageBox::Discard;
}

void MDIFormMain::New() {
    if (!ConfirmUnsavedChanges())
        return;
    codeplug_.ApplyNewDefaults();
    tracker_.MarkUnsaved();
    history_.Reset(codeplug_);
    UpdateEditActions();
    ReopenChannelPage();
}

void MDIFormMain::Open() {
    bool asked = false;
    if (!ConfirmUnsavedChanges(&asked))
        return;
    const QString path =
        AskFileName(true, MainWindowTexts::Text(Id::OpenTitle, english()), QString());
    if (path.isEmpty())
        return;
    // One question is enough: whoever answered Save or Don't Save has chosen to replace the plan.
    if (asked || ConfirmCover())
        LoadFile(path);
}

bool MDIFormMain::ConfirmCover() {
    return UiSeam::Instance().Message(this, QMessageBox::Warning, MainWindowTexts::AppTitle(),
                                      MainWindowTexts::Text(Id::CoverData, english()),
                                      QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool MDIFormMain::LoadFile(const QString& path) {
    // Taken before the read: a change made meanwhile counts as a change made by someone else.
    const FileStamp stamp = FileStamp::Of(path);
    if (!ReadFromFile(path))
        return false;
    AnalyseModel();
    codeplug_.AnalyseSoftwareData();
    path_ = path;
    stamp_ = stamp;
    codeplug_.FileName = QFileInfo(path).fileName();
    tracker_.MarkSaved(codeplug_);
    history_.Reset(codeplug_);
    UpdateEditActions();
    ReopenChannelPage();
    return true;
}

bool MDIFormMain::Save() {
    FreshPages();
    codeplug_.SaveSoftwareData();
    QString path = path_;
    if (path.isEmpty())
        path =
            AskFileName(false, MainWindowTexts::Text(Id::SaveTitle, english()), codeplug_.FileName);
    else if (const auto answer = AskIfChangedOnDisk(path); answer == QMessageBox::Save)
        return SaveAs();
    else if (answer != QMessageBox::Yes)
        return false;
    return !path.isEmpty() && WriteToFile(path);
}

QMessageBox::StandardButton MDIFormMain::AskIfChangedOnDisk(const QString& path) {
    const FileStamp now = FileStamp::Of(path);
    if (!now.exists || now == stamp_)
        return QMessageBox::Yes;
    return UiSeam::Instance().Ask(
        this, QMessageBox::Warning, MainWindowTexts::AppTitle(),
        MainWindowTexts::Text(Id::FileChanged, english()).arg(QDir::toNativeSeparators(path)),
        {{QMessageBox::Yes, MainWindowTexts::Text(Id::Overwrite, english())},
         {QMessageBox::Save, MainWindowTexts::Text(Id::SaveAsButton, english())},
         {QMessageBox::Cancel, {}}});
}

bool MDIFormMain::SaveAs() {
    FreshPages();
    codeplug_.SaveSoftwareData();
    const QString path =
        AskFileName(false, MainWindowTexts::Text(Id::SaveAsTitle, english()), QString());
    return !path.isEmpty() && WriteToFile(path);
}

void MDIFormMain::closeEvent(QCloseEvent* event) {
    if (!ConfirmUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    virtualRadio_->Stop();
    emit closed();
}

// --- Model, port, language, help --------------------------------------------------------------

void MDIFormMain::ModelInformation() {
    codeplug_.ModelChanged = false;
    FormModelInformation dialog(codeplug_, this);
    dialog.exec();
    if (!codeplug_.ModelChanged)
        return;
    ModelBand::ApplyModelChange(codeplug_, ModelBand::LoadModelData());
    history_.Reset(codeplug_);
    UpdateEditActions();
    ReopenChannelPage();
    codeplug_.ModelChanged = false;
}

void MDIFormMain::SetCom() {
    FormComPort dialog(codeplug_, portSource_ ? portSource_() : QStringList(), this);
    dialog.OfferVirtualRadio(*virtualRadio_);
    dialog.exec();
    if (dialog.SettingFailed())
        ShowSettingNotSaved();
    RefreshStatus();
}

void MDIFormMain::SetLanguage() {
    codeplug_.LanguageChosen = false;
    FormLanguage dialog(codeplug_, this);
    dialog.exec();
    if (!codeplug_.LanguageChosen)
        return;
    if (dialog.SettingFailed())
        ShowSettingNotSaved();
    CloseAllPages();
    ApplyLanguage();
    OpenPage(kChannelPage);
}

void MDIFormMain::ShowSettingNotSaved() {
    UiSeam::Instance().Message(this, QMessageBox::Warning, MainWindowTexts::AppTitle(),
                               MainWindowTexts::Text(Id::SettingNotSaved, english()),
                               QMessageBox::Ok);
}

void MDIFormMain::ShowHelp() {
    QMdiSubWindow* active = area_->activeSubWindow();
    auto* page = active ? qobject_cast<ConfigPage*>(active->widget()) : nullptr;
    const QString topic = page ? page->HelpTopic() : QStringLiteral("general.htm");
    UiSeam::Instance().ShowHelpTopic(this, topic, english());
}

void MDIFormMain::About() {
    frmAbout dialog(english(), this);
    dialog.exec();
}

void MDIFormMain::ProgramPassword() {
    FreshPages(); // a change of password writes the whole plan
    FormPassword dialog(codeplug_, this);
    dialog.exec();
    // A changed password is kept in the model image: one step, like any other edit of it.
    RecordStep({QStringLiteral("Change Password"), QStringLiteral("修改密码")});
}

void MDIFormMain::BatchEdit() {
    FreshPages();
    FormBatchChannelEdit dialog(codeplug_, this);
    connect(&dialog, &FormBatchChannelEdit::edited, this, [this] {
        // The grid and an open channel edit dialog show the new channels at once.
        if (ConfigPage* channels = Page(kChannelPage))
            channels->Analyse();
        RecordStep({QStringLiteral("Batch Channel Edit"), QStringLiteral("批信道编辑")});
    });
    dialog.exec();
}

void MDIFormMain::Print() {
    FreshPages(); // an edit still open in the grid is part of the plan
    print_->Print();
}

void MDIFormMain::PrintPreview() {
    FreshPages();
    print_->Preview();
}

// --- Radio ------------------------------------------------------------------------------------

void MDIFormMain::ReadFromRadio() {
    RunTransfer(true);
}

void MDIFormMain::WriteToRadio() {
    RunTransfer(false);
}

void MDIFormMain::ProgramFleet() {
    FreshPages();
    FormFleet window(codeplug_, backups_, this);
    window.exec();
}

void MDIFormMain::RunTransfer(bool read) {
    FreshPages();
    codeplug_.LinkRead = read;
    FormProcess dialog(
        codeplug_,
        [this] {
            SaveReadBackup();
            AfterRead();
        },
        this);
    dialog.SetBackupStore(backups_);
    dialog.exec();
    // A read is one step that Undo takes back; one that did not complete changed nothing.
    if (read)
        RecordStep({MainWindowTexts::Text(Id::ReadStep, true),
                    MainWindowTexts::Text(Id::ReadStep, false)});
    RefreshStatus();
    if (const auto location = dialog.ChosenLocation())
        ShowPlanLocation(*location);
}

void MDIFormMain::AfterRead() {
    ReloadPagesAfterRead();
    // The star follows a comparison with the file: undoing the read brings the saved plan back.
    RefreshStatus();
}

// --- Backups and the places of the plan -------------------------------------------------------

void MDIFormMain::SaveReadBackup() {
    const BackupResult saved = backups_.Save(codeplug_, BackupKind::Read);
    if (saved.ok())
        return;
    const TextContext ctx = TextContext::Of(codeplug_);
    UiSeam::Instance().Message(
        this, QMessageBox::Warning, MainWindowTexts::AppTitle(),
        ctx.Pick({"What was read could not be backed up.", "无法备份读取的数据。"}) +
            QLatin1Char('\n') + saved.Message(ctx),
        QMessageBox::Ok);
}

void MDIFormMain::ShowBackups() {
    BackupsDialog dialog(backups_, TextContext::Of(codeplug_), this);
    dialog.exec();
    if (!dialog.ChosenPath().isEmpty())
        OpenBackup(dialog.ChosenPath());
}

bool MDIFormMain::OpenBackup(const QString& path) {
    bool asked = false;
    if (!ConfirmUnsavedChanges(&asked) || !(asked || ConfirmCover()) || !LoadFile(path))
        return false;
    // Unmodified until edited, as any file just opened; but Save asks for a name of its own, so
    // the backup itself is never written over.
    path_.clear();
    stamp_ = {};
    RefreshStatus();
    return true;
}

void MDIFormMain::ShowPlanLocation(const PlanLocation& location) {
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
    case Area::Header:
    case Area::Tune:
        return; // no page of the main window edits them
    }
}

// --- Edit history -----------------------------------------------------------------------------

void MDIFormMain::RecordStep(const EditStep& step) {
    if (pendingSteps_) {
        pendingSteps_->append(step);
        return;
    }
    // A change of the field saved last starts a step of its own, so that Undo stops at the save.
    history_.Record(codeplug_, step, !tracker_.IsSavedFile(history_.CurrentFile()));
    UpdateEditActions();
    RefreshStatus();
}

void MDIFormMain::Undo() {
    MoveInHistory(false);
}

void MDIFormMain::Redo() {
    MoveInHistory(true);
}

void MDIFormMain::MoveInHistory(bool redo) {
    // Undo and Redo do what the menu named. An edit still in an editor is committed first, as a
    // save does, and stays: the history keeps it as a step of its own.
    QList<EditStep> committed;
    pendingSteps_ = &committed;
    FreshPages();
    pendingSteps_ = nullptr;
    const EditStep pending = committed.isEmpty() ? EditStep() : committed.last();
    if (redo ? history_.Redo(codeplug_, pending) : history_.Undo(codeplug_, pending)) {
        AnalyseModel();
        ReloadOpenPages();
        // A page reloading corrects what it cannot show; the state undone to stays as it was.
        history_.Revert(codeplug_);
        AnalyseModel();
    } else if (!committed.isEmpty()) {
        history_.Record(codeplug_, pending);
    }
    UpdateEditActions();
    RefreshStatus();
}

void MDIFormMain::UpdateEditActions() {
    QAction* undo = actions_.value(QStringLiteral("MenuUndo"));
    QAction* redo = actions_.value(QStringLiteral("MenuRedo"));
    undo->setEnabled(history_.CanUndo());
    redo->setEnabled(history_.CanRedo());
    undo->setText(MainWindowTexts::StepCaption(
        false, history_.CanUndo() ? history_.UndoStep().Name(english()) : QString(), english()));
    redo->setText(MainWindowTexts::StepCaption(
        true, history_.CanRedo() ? history_.RedoStep().Name(english()) : QString(), english()));
}

void MDIFormMain::ReloadOpenPages() {
    for (QMdiSubWindow* sub : pages_) {
        if (auto* page = qobject_cast<ConfigPage*>(sub->widget()); page && !sub->isHidden())
            page->Analyse();
    }
}

// --- Other tools' files -----------------------------------------------------------------------

void MDIFormMain::Import() {
    FreshPages();
    const QStringList filters = {MainWindowTexts::Text(Id::FilterExchange, english()),
                                 MainWindowTexts::Text(Id::FilterAll, english())};
    const QString path =
        UiSeam::Instance().FileDialog(this, true, MainWindowTexts::Text(Id::ImportTitle, english()),
                                      QString(), filters, QString());
    if (!path.isEmpty())
        ImportFile(path);
}

bool MDIFormMain::ImportFile(const QString& path) {
    // A channel list is a few kilobytes; a huge file is no list and is not read at all.
    constexpr qint64 kLargest = 4 * 1024 * 1024;
    QByteArray bytes;
    const FileResult read = FileReader::Read(path, kLargest, FileReader::Beyond::Refuse, bytes);
    if (!read.ok()) {
        UiSeam::Instance().Message(this, QMessageBox::Critical,
                                   MainWindowTexts::Text(Id::ErrorCaption, english()),
                                   MainWindowTexts::Text(Id::CannotRead, english()) +
                                       QLatin1Char('\n') + read.Message(english()),
                                   QMessageBox::Ok);
        return false;
    }
    PlanExchange::Format format = PlanExchange::FromContent(bytes);
    if (format == PlanExchange::Format::Unknown)
        format = PlanExchange::FromPath(path);
    const QString name = QFileInfo(path).fileName();
    const ExchangeResult result =
        PlanExchange::Import(format, bytes, codeplug_, 0, TextContext::Of(codeplug_));
    QString summary = MainWindowTexts::Text(Id::NotImported, english()).arg(name);
    QStringList lines = result.warnings;
    if (result.ok) {
        ReloadOpenPages();
        const QString step = MainWindowTexts::Text(Id::ImportStep, true).arg(name);
        RecordStep({step, MainWindowTexts::Text(Id::ImportStep, false).arg(name)});
        QList<int> numbers;
        for (int channel : result.channels)
            numbers << channel + 1;
        summary = format == PlanExchange::Format::Json
                      ? MainWindowTexts::Text(Id::ImportedValues, english()).arg(name)
                      : MainWindowTexts::Text(Id::ImportedChannels, english())
                            .arg(name)
                            .arg(result.channels.size())
                            .arg(EditStep::NumberRuns(numbers));
    } else {
        lines.prepend(result.error);
    }
    ShowReport(MainWindowTexts::Text(Id::ImportTitle, english()), summary, lines);
    return result.ok;
}

void MDIFormMain::Export() {
    using Format = PlanExchange::Format;
    FreshPages();
    const QStringList filters = {MainWindowTexts::Text(Id::FilterJson, english()),
                                 MainWindowTexts::Text(Id::FilterChannelCsv, english()),
                                 MainWindowTexts::Text(Id::FilterCommonCsv, english())};
    int chosen = -1;
    const QString path = UiSeam::Instance().SaveFileDialog(
        this, MainWindowTexts::Text(Id::ExportTitle, english()),
        QFileInfo(codeplug_.FileName).completeBaseName(), filters, chosen);
    if (path.isEmpty())
        return;
    const Format byFilter[] = {Format::Json, Format::ChannelCsv, Format::CommonCsv};
    Format format = chosen >= 0 && chosen < 3 ? byFilter[chosen] : PlanExchange::FromPath(path);
    ExportFile(path, format == Format::Unknown ? Format::Json : format);
}

bool MDIFormMain::ExportFile(const QString& path, PlanExchange::Format format) {
    ExchangeResult report;
    const QByteArray bytes =
        PlanExchange::Export(format, codeplug_, &report, TextContext::Of(codeplug_));
    const FileResult written = FileWriter::Write(path, bytes);
    if (!written.ok()) {
        UiSeam::Instance().Message(this, QMessageBox::Critical,
                                   MainWindowTexts::Text(Id::ErrorCaption, english()),
                                   MainWindowTexts::Text(Id::ExportFailed, english()) +
                                       QLatin1Char('\n') + written.Message(english()),
                                   QMessageBox::Ok);
        return false;
    }
    // Only an export that left something out has anything to report.
    if (!report.warnings.isEmpty())
        ShowReport(MainWindowTexts::Text(Id::ExportTitle, english()),
                   MainWindowTexts::Text(Id::Exported, english())
                       .arg(QFileInfo(path).fileName())
                       .arg(report.channels.size()),
                   report.warnings);
    return true;
}

void MDIFormMain::ShowReport(const QString& title, const QString& summary,
                             const QStringList& warnings) {
    FormExchangeReport dialog(title, summary, warnings, MainWindowTexts::Text(Id::Close, english()),
                              this);
    dialog.exec();
}

} // namespace zr40
