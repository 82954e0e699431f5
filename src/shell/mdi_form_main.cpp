#include "shell/mdi_form_main.h"
#include "widgets/gui_resources.h"

#include "codeplug/settings_store.h"
#include "shell/exchange_commands.h"
#include "shell/file_commands.h"
#include "shell/form_com_port.h"
#include "shell/frm_about.h"
#include "shell/history_commands.h"
#include "shell/language_translators.h"
#include "shell/main_window_texts.h"
#include "shell/panel_layout.h"
#include "shell/panel_separator.h"
#include "shell/port_choice.h"
#include "shell/print_commands.h"
#include "shell/setting_commands.h"
#include "shell/transfer_commands.h"
#include "shell/virtual_radio_process.h"
#include "shell/window_memory.h"
#include "widgets/config_page.h"
#include "widgets/interactive_seam.h"
#include "widgets/screen_fit.h"
#include "widgets/ui_seam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QEvent>
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
    {"TreeChannelInforamtion", Id::TreeChannel, PageManager::kChannelPage},
    {"TreeOption", Id::TreeOption, PageManager::kOptionPage},
    {"TreeRxList", Id::TreeRxList, PageManager::kRxListPage},
    {"TreeKeySetting", Id::TreeKey, PageManager::kKeyPage, true},
    {"TreeScanInformation", Id::TreeScan, PageManager::kScanPage, true},
    {"TreeEmbeddedMessage", Id::TreeMessage, PageManager::kMessagePage, true},
    {"TreeTuneData", Id::TreeTune, PageManager::kTunePage, true},
};

} // namespace

MDIFormMain::MDIFormMain(Codeplug& codeplug, const StartOptions& options, QWidget* parent)
    : QMainWindow(parent), codeplug_(codeplug),
      service_(options.service || SettingsStore().ServiceMode()),
      virtualRadio_(new VirtualRadioProcess(this)) {
    GuiResources::Ensure();
    setObjectName(QStringLiteral("MDIFormMain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zr40.svg")));
    BuildMenus();
    BuildToolbar();
    BuildPanels();
    BuildStatusBar();
    BuildCommands();
    ConnectCommands();
    StartUp(options);
    PlaceOnScreen();
}

MDIFormMain::~MDIFormMain() {
    // The pages go first, while the window they report to is still whole.
    disconnect(area_, nullptr, this, nullptr);
    disconnect(pages_, nullptr, this, nullptr);
    delete pages_;
    pages_ = nullptr;
}

// --- Building ---------------------------------------------------------------------------------

void MDIFormMain::BuildMenus() {
    BuildMenuItems();
    auto* recent = new QMenu(this);
    recent->setObjectName(QStringLiteral("MenuRecentFiles"));
    actions_.value(QStringLiteral("MenuRecent"))->setMenu(recent);
    menus_.insert(QStringLiteral("MenuRecent"), recent);
}

void MDIFormMain::BuildMenuItems() {
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
    for (const ToolButtonText& button : MainWindowTexts::Toolbar()) {
        QAction* action = actions_.value(QString::fromLatin1(button.action));
        action->setIcon(QIcon(QString::fromLatin1(button.icon)));
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
    BuildTree();
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

void MDIFormMain::BuildCommands() {
    pages_ = new PageManager(codeplug_, area_, this);
    edits_ = new HistoryCommands(codeplug_, tracker_, *pages_,
                                 actions_.value(QStringLiteral("MenuUndo")),
                                 actions_.value(QStringLiteral("MenuRedo")), this);
    files_ = new FileCommands(codeplug_, tracker_, *pages_, *edits_, backups_, this);
    exchange_ = new ExchangeCommands(codeplug_, *pages_, *edits_, this);
    transfers_ = new TransferCommands(codeplug_, *pages_, *edits_, backups_, this);
    settings_ = new SettingCommands(codeplug_, *pages_, *edits_, *virtualRadio_, this);
    print_ = new PrintCommands(codeplug_, this, [this] { pages_->FreshPages(); });
    pages_->SetMenuKeys([this] { return MenuKeys(); });
    pages_->SetTuneTransfer([this](bool read) { transfers_->RunTransfer(read); });
    connect(pages_, &PageManager::pagesChanged, this, &MDIFormMain::RebuildWindowList);
    connect(edits_, &HistoryCommands::changed, this, &MDIFormMain::RefreshStatus);
    connect(files_, &FileCommands::changed, this, &MDIFormMain::RefreshStatus);
    connect(transfers_, &TransferCommands::changed, this, &MDIFormMain::RefreshStatus);
    connect(settings_, &SettingCommands::changed, this, &MDIFormMain::RefreshStatus);
    connect(settings_, &SettingCommands::languageChanged, this, &MDIFormMain::ApplyLanguage);
    QMenu* recent = menus_.value(QStringLiteral("MenuRecent"));
    connect(recent, &QMenu::aboutToShow, files_,
            [this, recent] { files_->FillRecentMenu(recent); });
    connect(pages_, &PageManager::modelInformationAsked, settings_,
            &SettingCommands::ModelInformation);
}

void MDIFormMain::ConnectCommands() {
    const QMap<QString, std::function<void()>> commands = {
        {QStringLiteral("MenuNew"), [this] { files_->New(); }},
        {QStringLiteral("MenuOpen"), [this] { files_->Open(); }},
        {QStringLiteral("MenuSave"), [this] { files_->Save(); }},
        {QStringLiteral("MenuSaveAs"), [this] { files_->SaveAs(); }},
        {QStringLiteral("MenuBackups"), [this] { files_->ShowBackups(); }},
        {QStringLiteral("MenuPrint"), [this] { print_->Print(); }},
        {QStringLiteral("MenuPrintView"), [this] { print_->Preview(); }},
        {QStringLiteral("MenuExit"), [this] { close(); }},
        {QStringLiteral("MenuModelInformation"), [this] { settings_->ModelInformation(); }},
        {QStringLiteral("MenuChannel"), [this] { pages_->OpenPage(PageManager::kChannelPage); }},
        {QStringLiteral("MenuOption"), [this] { pages_->OpenPage(PageManager::kOptionPage); }},
        {QStringLiteral("MenuRxList"), [this] { pages_->OpenPage(PageManager::kRxListPage); }},
        {QStringLiteral("MenuKey"), [this] { pages_->OpenPage(PageManager::kKeyPage); }},
        {QStringLiteral("MenuScan"), [this] { pages_->OpenPage(PageManager::kScanPage); }},
        {QStringLiteral("MenuMessage"), [this] { pages_->OpenPage(PageManager::kMessagePage); }},
        {QStringLiteral("MenuPassword"), [this] { transfers_->ProgramPassword(); }},
        {QStringLiteral("MenuTune"), [this] { pages_->OpenPage(PageManager::kTunePage); }},
        {QStringLiteral("MenuRead"), [this] { transfers_->ReadFromRadio(); }},
        {QStringLiteral("MenuWrite"), [this] { transfers_->WriteToRadio(); }},
        {QStringLiteral("MenuFleet"), [this] { transfers_->ProgramFleet(); }},
        {QStringLiteral("MenuCom"), [this] { settings_->SetCom(); }},
        {QStringLiteral("MenuLanguage"), [this] { settings_->SetLanguage(); }},
        {QStringLiteral("MenuCeng"), [this] { pages_->CascadePages(); }},
        {QStringLiteral("MenuCloseAll"), [this] { pages_->CloseAllPages(); }},
        {QStringLiteral("MenuHelpPage"), [this] { ShowHelp(); }},
        {QStringLiteral("MenuAbout"), [this] { About(); }},
        {QStringLiteral("MenuUndo"), [this] { edits_->Undo(); }},
        {QStringLiteral("MenuRedo"), [this] { edits_->Redo(); }},
        {QStringLiteral("MenuImport"), [this] { exchange_->Import(); }},
        {QStringLiteral("MenuExport"), [this] { exchange_->Export(); }},
        {QStringLiteral("MenuBank"), [this] { pages_->BatchEdit(); }},
    };
    for (auto it = commands.begin(); it != commands.end(); ++it)
        connect(actions_.value(it.key()), &QAction::triggered, this, it.value());
    for (const char* name : {"MenuTree", "MenuToolBar", "MenuStatus"}) {
        const QString key = QString::fromLatin1(name);
        connect(actions_.value(key), &QAction::toggled, this,
                [this, key](bool shown) { ShowPanel(key, shown); });
    }
    actions_.value(QStringLiteral("MenuRedo"))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { ShareMenuKeys(now); });
}

QList<QKeySequence> MDIFormMain::MenuKeys() const {
    QList<QKeySequence> keys;
    for (const QAction* action : std::as_const(actions_))
        keys += action->shortcuts();
    return keys;
}

void MDIFormMain::ShareMenuKeys(QWidget* now) {
    // A window of ours that is not modal (the channel edit dialog, the help) takes the menu's
    // keys too: Ctrl+S saves and Ctrl+Z undoes from wherever the user works. A modal one keeps
    // the user in it; and F1 stays every window's own, its own help page.
    QWidget* window = now ? now->window() : nullptr;
    if (!window || window == this || window->isModal() || window->property("menuKeys").toBool())
        return;
    QWidget* owner = window->parentWidget();
    while (owner && owner != this)
        owner = owner->parentWidget();
    if (!owner)
        return;
    window->setProperty("menuKeys", true);
    const QAction* help = actions_.value(QStringLiteral("MenuHelpPage"));
    for (QAction* action : std::as_const(actions_)) {
        if (!action->shortcuts().isEmpty() && action != help)
            window->addAction(action);
    }
}

// --- Start-up ---------------------------------------------------------------------------------

void MDIFormMain::StartUp(const StartOptions& options) {
    codeplug_.DecimalSeparator = LocaleDecimalSeparator();
    SettingsStore().Load(codeplug_);
    if (!options.port.isEmpty())
        PortChoice::Apply(options.port, codeplug_);
    else if (!SettingsStore().PortSaved())
        PortChoice::TakeOnlyAdapter(options.usbAdapters ? options.usbAdapters()
                                                        : FormComPort::SystemUsbAdapters(),
                                    codeplug_);
    if (!options.language.isEmpty())
        codeplug_.IsEnglish = options.language == QLatin1String("en");
    codeplug_.ResetApplicationState();
    codeplug_.ApplyStartupDefaults();
    SettingsStore().LoadBand(codeplug_);
    files_->Start();
    edits_->Reset();
    ApplyLanguage();
    LayoutPanels(PanelLayout::kStartTreeWidthTwips);
    if (tree_->topLevelItemCount() > 0)
        tree_->topLevelItem(0)->setExpanded(true);
    codeplug_.ChildWindowState = 0;
    pages_->OpenPage(PageManager::kChannelPage);
    RefreshStatus();
}

void MDIFormMain::ApplyLanguage() {
    InteractiveSeam::SetEnglish(english());
    // Where a catalogue comes or goes, Qt sends every window a LanguageChange; the texts are set
    // here too, for a window that has none yet and for a language that stays.
    LanguageTranslators::Apply(english());
    RetranslateUi();
}

void MDIFormMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QMainWindow::changeEvent(event);
}

void MDIFormMain::RetranslateUi() {
    const TextContext text{english()};
    for (const MenuItemText& item : MainWindowTexts::Menu()) {
        if (QAction* action = actions_.value(QString::fromLatin1(item.name)))
            action->setText(text.Tr("MDIFormMain", item.caption));
    }
    // After the captions: a caption set anew would replace the tip.
    for (const ToolButtonText& button : MainWindowTexts::Toolbar())
        actions_.value(QString::fromLatin1(button.action))
            ->setToolTip(text.Tr("MDIFormMain", button.tip));
    RetextTree();
    edits_->UpdateActions();
    RefreshStatus();
}

void MDIFormMain::BuildTree() {
    auto* root = new QTreeWidgetItem(tree_, {QStringLiteral("ZR40")});
    root->setData(0, kKeyRole, QStringLiteral("ZR40"));
    for (const TreeNode& node : kTreeNodes) {
        if (node.serviceOnly && !service_)
            continue;
        auto* item = new QTreeWidgetItem(root);
        item->setData(0, kKeyRole, QString::fromLatin1(node.key));
        item->setData(0, kNumberRole, node.page);
    }
    root->setExpanded(true);
}

void MDIFormMain::RetextTree() {
    QTreeWidgetItem* root = tree_->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem* item = root->child(i);
        const QString key = item->data(0, kKeyRole).toString();
        for (const TreeNode& node : kTreeNodes) {
            if (key == QLatin1String(node.key))
                item->setText(0, MainWindowTexts::Text(node.text, english()));
        }
    }
}

// --- Layout and status ------------------------------------------------------------------------

void MDIFormMain::PlaceOnScreen() {
    // The smallest the window goes: every page's controls stay in reach there (a page taller
    // than its room scrolls). A smaller screen wins over it.
    setMinimumSize(kMinimumSize);
    if (!WindowMemory::Restore(*this))
        resize(kDefaultSize);
    ScreenFit::Fit(this);
    const auto tree = WindowMemory::TreeWidthTwips();
    if (tree && PanelLayout::AcceptsDrag(*tree, PanelLayout::ToTwips(width(), logicalDpiX())))
        LayoutPanels(*tree);
}

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
    panels_[0]->setText(MainWindowTexts::BandPanel(codeplug_.BandLower, codeplug_.BandUpper,
                                                   codeplug_.BandNeverChosen, english()));
    const QString port = virtualRadio_->Serves(codeplug_.ComPortName)
                             ? VirtualRadioProcess::Caption(english())
                             : codeplug_.ComPortName;
    panels_[1]->setText(MainWindowTexts::PortPanel(port, codeplug_.ComPortNumber, english()));
    panels_[2]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    panels_[3]->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
    setWindowTitle(MainWindowTexts::Caption(codeplug_.FileName, files_->IsModified(), english()));
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

// --- Pages and windows ------------------------------------------------------------------------

void MDIFormMain::OnTreeClicked(QTreeWidgetItem* item) {
    if (!item)
        return;
    if (!item->parent()) {
        item->setExpanded(!item->isExpanded());
        return;
    }
    pages_->OpenPageFromTree(item->data(0, kNumberRole).toInt());
}

void MDIFormMain::RebuildWindowList() {
    QMenu* menu = menus_.value(QStringLiteral("MenuWindow"));
    for (QAction* action : WindowListActions())
        delete action;
    QMdiSubWindow* active = area_->activeSubWindow();
    // In the order the pages were opened.
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder)) {
        const int number = pages_->NumberOf(sub);
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
        if (action->data().toInt() >= PageManager::kChannelPage)
            list.append(action);
    }
    return list;
}

QList<QAction*> MDIFormMain::ToolbarActions() const {
    return findChild<QToolBar*>(QStringLiteral("Toolbar1"))->actions();
}

// --- Closing, help ----------------------------------------------------------------------------

void MDIFormMain::closeEvent(QCloseEvent* event) {
    if (!files_->ConfirmUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    WindowMemory::Keep(*this, treeWidthTwips_);
    virtualRadio_->Stop();
    emit closed();
}

void MDIFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // The page opened at start-up was sized before the window knew its screen.
    QTimer::singleShot(0, pages_, &PageManager::HoldPagesToRoom);
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

} // namespace zr40
