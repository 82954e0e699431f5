#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/edit_history.h"
#include "codeplug/file_stamp.h"
#include "exchange/plan_exchange.h"
#include "review/backup_store.h"
#include "review/plan_location.h"
#include "shell/change_tracker.h"
#include "shell/main_window_texts.h"
#include "shell/start_options.h"

#include <QMainWindow>
#include <QMap>
#include <QMessageBox>
#include <functional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace zr40 {

class ConfigPage;
class PanelSeparator;
class VirtualRadioProcess;
class PrintCommands;

// The application's main window: menus, toolbar, the tree of pages with its separator, the status
// bar and the page area. It runs the start-up, the file commands, the model, port and language
// commands and the radio transfers; the pages live in it as child windows, at most one of each.
class MDIFormMain : public QMainWindow {
    Q_OBJECT
public:
    // Command numbers of the pages (the Window menu lists open pages under them).
    static constexpr int kChannelPage = 1000;
    static constexpr int kOptionPage = 1001;
    static constexpr int kKeyPage = 1002;
    static constexpr int kScanPage = 1003;
    static constexpr int kMessagePage = 1004;
    static constexpr int kTunePage = 1005;
    static constexpr int kRxListPage = 1006;
    static constexpr QSize kMinimumSize{800, 600};

    explicit MDIFormMain(Codeplug& codeplug, const StartOptions& options = {},
                         QWidget* parent = nullptr);
    ~MDIFormMain() override;

    // --- Captions and layout ---
    void ApplyLanguage();
    void LayoutPanels(int widthTwips);
    int TreeWidthTwips() const { return treeWidthTwips_; }
    // A separator drag to x twips (client area); false when outside the allowed range.
    bool DragSeparatorTo(int xTwips);
    void RefreshStatus(); // clock, caption and panel texts (the 500 ms tick)

    // --- Model and file ---
    bool AnalyseModel();
    bool ReadFromFile(const QString& path); // shows why a file cannot be loaded
    bool WriteToFile(const QString& path);  // shows why a file cannot be written
    // Loads a file as Open does once the questions are answered; false (after the message) when
    // the file cannot be loaded.
    bool LoadFile(const QString& path);
    bool IsModified() const;
    QString CurrentPath() const { return path_; }

    // --- Pages ---
    ConfigPage* Page(int commandNumber) const;
    ConfigPage* OpenPage(int commandNumber);
    void OpenPageFromTree(int commandNumber);
    void CloseAllPages();
    void CascadePages();
    // After New, Open, a model or a language change: only the channel page, freshly loaded.
    void ReopenChannelPage();
    // Reload the open pages from the codeplug after a read from the radio.
    void ReloadPagesAfterRead();
    // After a successful read from the radio: pages reloaded, the data marked as in no file.
    void AfterRead();

    // --- Commands ---
    void New();
    void Open();
    bool Save();
    bool SaveAs();
    void ModelInformation();
    void SetCom();
    void SetLanguage();
    void ReadFromRadio();
    void WriteToRadio();
    // The current plan into several radios, each with its own ID.
    void ProgramFleet();
    // File > Backups: the list of backups; one chosen there is opened as File > Open would.
    void ShowBackups();
    // Opens a backup after the unsaved-changes and cover questions; the backup itself is never
    // saved over (Save asks for a name).
    bool OpenBackup(const QString& path);
    // Opens the window that edits a place of the plan: a channel in the channel edit dialog, the
    // function setup page, a receive list.
    void ShowPlanLocation(const PlanLocation& location);
    void ShowHelp();
    void About();
    // The programming password dialog (service mode).
    void ProgramPassword();
    // The service pages are offered (--service or the ServiceMode setting).
    bool ServiceMode() const { return service_; }
    void BatchEdit();
    void Print();        // the print dialog
    void PrintPreview(); // the preview of the plan last printed (every part at first)
    PrintCommands& Printing() const { return *print_; }

    // --- Edit history ---
    // The edit a page just made is one undo step (every page's edited signal comes here).
    void RecordStep(const EditStep& step);
    void Undo();
    void Redo();
    const EditHistory& History() const { return history_; }

    // --- Plans from and for other tools (json, channel csv, common radio csv) ---
    void Import();
    // Applies the file to the plan as Import does once it is chosen, then shows the report; false
    // when nothing was imported.
    bool ImportFile(const QString& path);
    void Export();
    bool ExportFile(const QString& path, PlanExchange::Format format);

    // --- Access for the tests and the screen tour ---
    QAction* Action(const QString& name) const { return actions_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    QList<QAction*> ToolbarActions() const;
    QList<QAction*> WindowListActions() const;
    QTreeWidget* Tree() const { return tree_; }
    QMdiArea* PageArea() const { return area_; }
    QString StatusText(int panel) const;
    // Where the serial port dialog gets the ports present (tests give a fixed list).
    void SetPortSource(std::function<QStringList()> source) { portSource_ = std::move(source); }
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildPanels();
    void BuildStatusBar();
    void ConnectCommands();
    void StartUp(const StartOptions& options);
    void RebuildTree();
    void OnTreeClicked(QTreeWidgetItem* item);
    void RebuildWindowList();
    void ShowPanel(const QString& menuName, bool shown);
    ConfigPage* CreatePage(int commandNumber);
    // Shows a page, creating it when it is not open, without closing the tune page first.
    ConfigPage* ShowPage(int commandNumber);
    void CloseTunePageFor(int commandNumber);
    bool Offered(const MenuItemText& item) const;
    QMdiSubWindow* SubWindowOf(int commandNumber) const;
    void ShowWithChildState(QMdiSubWindow* sub, std::int16_t state);
    void TrackChildState(QMdiSubWindow* sub);
    void KeepMenuShortcuts(QMdiSubWindow* sub);
    void FreshPages();
    // True when the unsaved changes may go; *asked tells whether the question was put.
    bool ConfirmUnsavedChanges(bool* asked = nullptr);
    // Do you want to cover current data?
    bool ConfirmCover();
    // Before Save writes over the current file: a file another program or window changed since
    // it was opened or saved here is not overwritten without a word. Yes: write it; Save: save
    // as; anything else: do not save.
    QMessageBox::StandardButton AskIfChangedOnDisk(const QString& path);
    QString AskFileName(bool isOpen, const QString& title, const QString& proposedName);
    void RunTransfer(bool read);
    void ShowSettingNotSaved();
    void SaveReadBackup();
    void MoveInHistory(bool redo);
    void UpdateEditActions();
    void ReloadOpenPages();
    void ShowReport(const QString& title, const QString& summary, const QStringList& warnings);
    void ShareMenuKeys(QWidget* now);
    bool english() const { return codeplug_.IsEnglish; }

    Codeplug& codeplug_;
    bool service_ = false;
    ChangeTracker tracker_;
    EditHistory history_;
    // While Undo or Redo commits pending edits: the steps they would have recorded.
    QList<EditStep>* pendingSteps_ = nullptr;
    QString path_;
    FileStamp stamp_; // the current file as it was opened or last saved here
    int treeWidthTwips_ = 2500;
    QMap<QString, QAction*> actions_;
    QMap<QString, QMenu*> menus_;
    QMap<int, QMdiSubWindow*> pages_;
    QAction* helpAction_ = nullptr;
    QWidget* client_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    PanelSeparator* separator_ = nullptr;
    QMdiArea* area_ = nullptr;
    QLabel* panels_[4] = {};
    QTimer* timer_ = nullptr;
    std::function<QStringList()> portSource_;
    BackupStore backups_ = BackupStore::Default();
    VirtualRadioProcess* virtualRadio_;
    PrintCommands* print_ = nullptr;
};

} // namespace zr40
