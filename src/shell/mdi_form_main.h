#pragma once

#include "codeplug/codeplug.h"
#include "review/backup_store.h"
#include "shell/change_tracker.h"
#include "shell/exchange_commands.h"
#include "shell/file_commands.h"
#include "shell/history_commands.h"
#include "shell/main_window_texts.h"
#include "shell/page_manager.h"
#include "shell/print_commands.h"
#include "shell/setting_commands.h"
#include "shell/start_options.h"
#include "shell/transfer_commands.h"

#include <QMainWindow>
#include <QMap>

class QLabel;
class QMdiArea;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace zr40 {

class PanelSeparator;
class VirtualRadioProcess;

// The application's main window: menus, toolbar, the tree of pages with its separator, the status
// bar and the page area. It runs the start-up and hands each menu command to the command class
// that owns it: the pages, the edit history, the files, import and export, the radio transfers,
// the settings and printing.
class MDIFormMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QSize kMinimumSize{800, 600};
    static constexpr QSize kDefaultSize{1100, 720}; // the first start, where the screen has room

    explicit MDIFormMain(Codeplug& codeplug, const StartOptions& options = {},
                         QWidget* parent = nullptr);
    ~MDIFormMain() override;

    // --- Captions and layout ---
    // The interface language (IsEnglish) as it is now: the Chinese catalogue is the application's
    // translator exactly while the language is Chinese, and every text of the window follows.
    void ApplyLanguage();
    void LayoutPanels(int widthTwips);
    int TreeWidthTwips() const { return treeWidthTwips_; }
    // A separator drag to x twips (client area); false when outside the allowed range.
    bool DragSeparatorTo(int xTwips);
    void RefreshStatus(); // clock, caption and panel texts (the 500 ms tick)
    void ShowHelp();
    void About();
    // The service pages are offered (--service or the ServiceMode setting).
    bool ServiceMode() const { return service_; }

    // --- The commands the window owns ---
    PageManager& Pages() const { return *pages_; }
    HistoryCommands& Edits() const { return *edits_; }
    FileCommands& Files() const { return *files_; }
    ExchangeCommands& Exchange() const { return *exchange_; }
    TransferCommands& Transfers() const { return *transfers_; }
    SettingCommands& Settings() const { return *settings_; }
    PrintCommands& Printing() const { return *print_; }

    // --- Access for the tests and the screen tour ---
    QAction* Action(const QString& name) const { return actions_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    QList<QAction*> ToolbarActions() const;
    QList<QAction*> WindowListActions() const;
    QTreeWidget* Tree() const { return tree_; }
    QMdiArea* PageArea() const { return area_; }
    QString StatusText(int panel) const;
    // Where radio reads and writes keep their backups (tests give a folder of their own).
    void SetBackupStore(const BackupStore& store) { backups_ = store; }
    const BackupStore& Backups() const { return backups_; }
    // The virtual radio the port dialog offers (tests point it at the zr40-sim of their build).
    VirtualRadioProcess& VirtualRadio() const { return *virtualRadio_; }
    Codeplug& codeplug() const { return codeplug_; }

signals:
    // The window closed for good: the application ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildMenuItems();
    void BuildToolbar();
    void BuildPanels();
    void BuildStatusBar();
    void BuildCommands();
    void ConnectCommands();
    void StartUp(const StartOptions& options);
    // The size and place the user left the window in, or the first start's, within the screen.
    void PlaceOnScreen();
    // Menus, tool tips, tree, Edit steps and status bar in the language of the moment.
    void RetranslateUi();
    void BuildTree();
    void RetextTree();
    void OnTreeClicked(QTreeWidgetItem* item);
    void RebuildWindowList();
    void ShowPanel(const QString& menuName, bool shown);
    bool Offered(const MenuItemText& item) const;
    QList<QKeySequence> MenuKeys() const;
    void ShareMenuKeys(QWidget* now);
    bool english() const { return codeplug_.IsEnglish; }

    Codeplug& codeplug_;
    bool service_ = false;
    ChangeTracker tracker_;
    BackupStore backups_ = BackupStore::Default();
    int treeWidthTwips_ = 2500;
    bool shownOnce_ = false;
    QMap<QString, QAction*> actions_;
    QMap<QString, QMenu*> menus_;
    QWidget* client_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    PanelSeparator* separator_ = nullptr;
    QMdiArea* area_ = nullptr;
    QLabel* panels_[4] = {};
    QTimer* timer_ = nullptr;
    VirtualRadioProcess* virtualRadio_;
    PageManager* pages_ = nullptr;
    HistoryCommands* edits_ = nullptr;
    FileCommands* files_ = nullptr;
    ExchangeCommands* exchange_ = nullptr;
    TransferCommands* transfers_ = nullptr;
    SettingCommands* settings_ = nullptr;
    PrintCommands* print_ = nullptr;
};

} // namespace zr40
