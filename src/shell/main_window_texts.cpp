#include "shell/main_window_texts.h"

#include "codeplug/text_context.h"
#include "link/serial/serial_port_name.h"

namespace zr40 {

namespace {
constexpr auto kShown = MenuVisibility::Shown;
constexpr auto kService = MenuVisibility::ServiceOnly;
constexpr auto kHidden = MenuVisibility::Hidden;
} // namespace

const std::vector<MenuItemText>& MainWindowTexts::Menu() {
    static const std::vector<MenuItemText> items = {
        {"MenuFile", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&File"), kShown, nullptr, false},
        {"MenuNew", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "&New"), kShown, "Ctrl+N", false},
        {"MenuOpen", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "&Open"), kShown, "Ctrl+O",
         false},
        {"MenuRecent", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "Recent &Files"), kShown,
         nullptr, false},
        {"MenuSave", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "&Save"), kShown, "Ctrl+S",
         false},
        {"MenuSaveAs", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "Save &As"), kShown, nullptr,
         false},
        {"MenuBackups", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "&Backups…"), kShown, nullptr,
         false},
        {"-", "MenuFile", "", kShown, nullptr, false},
        {"MenuImport", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "&Import…"), kShown, nullptr,
         false},
        {"MenuExport", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "E&xport…"), kShown, nullptr,
         false},
        {"-", "MenuFile", "", kShown, nullptr, false},
        {"MenuPrint", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "&Print…"), kShown, "Ctrl+P",
         false},
        {"MenuPrintView", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "Print Pre&view…"), kShown,
         nullptr, false},
        {"-", "MenuFile", "", kShown, nullptr, false},
        {"MenuExit", "MenuFile", QT_TRANSLATE_NOOP("MDIFormMain", "&Exit"), kShown, nullptr, false},
        {"MenuMachine", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&Model"), kShown, nullptr,
         false},
        {"MenuModelInformation", "MenuMachine",
         QT_TRANSLATE_NOOP("MDIFormMain", "&Model Information"), kShown, nullptr, false},
        {"MenuEdit", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&Edit"), kShown, nullptr, false},
        {"MenuUndo", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "&Undo"), kShown, "Ctrl+Z",
         false},
        {"MenuRedo", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "&Redo"), kShown, "Ctrl+Y",
         false},
        {"-", "MenuEdit", "", kShown, nullptr, false},
        {"MenuChannel", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "&Channel Information"),
         kShown, nullptr, false},
        {"-", "MenuEdit", "", kShown, nullptr, false},
        {"MenuOption", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "&Function Setup"), kShown,
         nullptr, false},
        {"MenuRxList", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "Rx &List"), kShown, nullptr,
         false},
        {"MenuKey", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "&Key Setting"), kService, nullptr,
         false},
        {"MenuScan", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "&Scan Information"), kService,
         nullptr, false},
        {"-", "MenuEdit", "", kService, nullptr, false},
        {"MenuMessage", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "Embedded &Message"), kService,
         nullptr, false},
        {"MenuLocalMessage", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "&Local Message"),
         kHidden, nullptr, false},
        {"MenuStun", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "Stun/&Die Information"), kHidden,
         nullptr, false},
        {"-", "MenuEdit", "", kService, nullptr, false},
        {"MenuBank", "MenuEdit", QT_TRANSLATE_NOOP("MDIFormMain", "&Batch ChannelEdit"), kService,
         nullptr, false},
        {"MenuProgram", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&Program"), kShown, nullptr,
         false},
        {"MenuRead", "MenuProgram", QT_TRANSLATE_NOOP("MDIFormMain", "&Read From Radio"), kShown,
         "Ctrl+R", false},
        {"MenuWrite", "MenuProgram", QT_TRANSLATE_NOOP("MDIFormMain", "&Write To Radio"), kShown,
         "Ctrl+W", false},
        {"MenuFleet", "MenuProgram", QT_TRANSLATE_NOOP("MDIFormMain", "Program &Several Radios…"),
         kShown, nullptr, false},
        {"-", "MenuProgram", "", kService, nullptr, false},
        {"MenuPassword", "MenuProgram", QT_TRANSLATE_NOOP("MDIFormMain", "&PassWord"), kService,
         nullptr, false},
        {"MenuTune", "MenuProgram", QT_TRANSLATE_NOOP("MDIFormMain", "&Tune Data"), kService,
         nullptr, false},
        {"MenuTool", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&Tool"), kHidden, nullptr, false},
        {"MenuRadioInformation", "MenuTool", QT_TRANSLATE_NOOP("MDIFormMain", "&Radio Information"),
         kShown, nullptr, false},
        {"MenuSetting", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&Setting"), kShown, nullptr,
         false},
        {"MenuCom", "MenuSetting", QT_TRANSLATE_NOOP("MDIFormMain", "Set &Com"), kShown, nullptr,
         false},
        {"MenuLanguage", "MenuSetting", QT_TRANSLATE_NOOP("MDIFormMain", "Set &Language"), kShown,
         nullptr, false},
        {"MenuView", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&View"), kShown, nullptr, false},
        {"MenuTree", "MenuView", QT_TRANSLATE_NOOP("MDIFormMain", "Tree &View"), kShown, nullptr,
         true},
        {"-", "MenuView", "", kShown, nullptr, false},
        {"MenuToolBar", "MenuView", QT_TRANSLATE_NOOP("MDIFormMain", "&Toolbar"), kShown, nullptr,
         true},
        {"MenuStatus", "MenuView", QT_TRANSLATE_NOOP("MDIFormMain", "&Statusbar"), kShown, nullptr,
         true},
        {"MenuWindow", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&Window"), kShown, nullptr,
         false},
        {"MenuCeng", "MenuWindow", QT_TRANSLATE_NOOP("MDIFormMain", "&Cascade"), kShown, nullptr,
         false},
        {"-", "MenuWindow", "", kShown, nullptr, false},
        {"MenuCloseAll", "MenuWindow", QT_TRANSLATE_NOOP("MDIFormMain", "Close All &Windows"),
         kShown, nullptr, false},
        {"-", "MenuWindow", "", kShown, nullptr, false},
        {"MenuHelp", nullptr, QT_TRANSLATE_NOOP("MDIFormMain", "&Help"), kShown, nullptr, false},
        {"MenuHelpPage", "MenuHelp", QT_TRANSLATE_NOOP("MDIFormMain", "&Help Topics"), kShown, "F1",
         false},
        {"-", "MenuHelp", "", kShown, nullptr, false},
        {"MenuAbout", "MenuHelp", QT_TRANSLATE_NOOP("MDIFormMain", "&About"), kShown, nullptr,
         false},
    };
    return items;
}

const std::vector<ToolButtonText>& MainWindowTexts::Toolbar() {
    static const std::vector<ToolButtonText> buttons = {
        {"MenuNew", QT_TRANSLATE_NOOP("MDIFormMain", "New"), ":/icons/new.svg"},
        {"MenuOpen", QT_TRANSLATE_NOOP("MDIFormMain", "Open"), ":/icons/open.svg"},
        {"MenuSave", QT_TRANSLATE_NOOP("MDIFormMain", "Save"), ":/icons/save.svg"},
        {"MenuRead", QT_TRANSLATE_NOOP("MDIFormMain", "Read"), ":/icons/read.svg"},
        {"MenuCom", QT_TRANSLATE_NOOP("MDIFormMain", "Set Com"), ":/icons/port.svg"},
        {"MenuWrite", QT_TRANSLATE_NOOP("MDIFormMain", "Write"), ":/icons/write.svg"},
        {"MenuHelpPage", QT_TRANSLATE_NOOP("MDIFormMain", "Help"), ":/icons/help.svg"},
    };
    return buttons;
}

QString MainWindowTexts::Caption(const QString& fileName, bool modified, bool english) {
    // The star marks changes that are in no file yet.
    const QString name = modified ? fileName + QLatin1Char('*') : fileName;
    return TextContext{english}.Tr("MDIFormMain", "ZR40[FileName:%1]").arg(name);
}

QString MainWindowTexts::PortPanel(const QString& portName, int portNumber, bool english) {
    const TextContext text{english};
    const QString name = SerialPortName::Shown(SerialPortName::Choose(portName, portNumber));
    const int number = SerialPortName::ComNumber(name);
    // A device name ("ttyUSB0", and on Linux "ttyS0" for port 1) is shown as it is; where ports
    // are COMn (Windows), by their number.
    if (number > 0)
        //: The serial port COMn by its number.
        return text.Tr("MDIFormMain", "COM%1").arg(number);
    //: The serial port by its device name.
    return text.Tr("MDIFormMain", "COM %1").arg(name);
}

QString MainWindowTexts::BandPanel(int lower, int upper, bool neverChosen, bool english) {
    const QString band = QStringLiteral("ZR40  %1-%2 MHz").arg(lower).arg(upper);
    if (!neverChosen)
        return band;
    return TextContext{english}.Tr("MDIFormMain", "%1 (no band chosen)").arg(band);
}

QString MainWindowTexts::StepCaption(bool redo, const QString& step, bool english) {
    const TextContext text{english};
    const QString name = QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (name.isEmpty())
        return redo ? text.Tr("MDIFormMain", "&Redo") : text.Tr("MDIFormMain", "&Undo");
    //: The Edit menu's item with the name of the step it takes back.
    return (redo ? text.Tr("MDIFormMain", "&Redo %1") : text.Tr("MDIFormMain", "&Undo %1"))
        .arg(name);
}

QString MainWindowTexts::Text(Id id, bool english) {
    const TextContext text{english};
    switch (id) {
    case Id::TreeChannel:
        return text.Tr("MDIFormMain", "Channel Information");
    case Id::TreeOption:
        return text.Tr("MDIFormMain", "Function Setup");
    case Id::TreeRxList:
        return text.Tr("MDIFormMain", "Rx List");
    case Id::OpenTitle:
        return text.Tr("MDIFormMain", "Open");
    case Id::SaveTitle:
        return text.Tr("MDIFormMain", "Save");
    case Id::SaveAsTitle:
        return text.Tr("MDIFormMain", "Save As");
    case Id::FilterRadioData:
        return text.Tr("MDIFormMain", "Radio data file(*.rdat)");
    case Id::FilterAll:
        return text.Tr("MDIFormMain", "All file(*.*)");
    case Id::CoverData:
        return text.Tr("MDIFormMain", "Do you want to cover current data?");
    case Id::ErrorCaption:
        return text.Tr("MDIFormMain", "Error");
    case Id::ErrorFile:
        return text.Tr("MDIFormMain", "Error file！");
    case Id::SaveFailed:
        return text.Tr("MDIFormMain", "The file was not saved.");
    case Id::SaveChanges:
        return text.Tr("MDIFormMain", "Save changes to %1?");
    case Id::SettingNotSaved:
        return text.Tr("MDIFormMain",
                       "The setting applies now but could not be saved for the next start.");
    case Id::TreeKey:
        return text.Tr("MDIFormMain", "Key Setting");
    case Id::TreeScan:
        return text.Tr("MDIFormMain", "Scan Information");
    case Id::TreeMessage:
        return text.Tr("MDIFormMain", "Embedded Message");
    case Id::TreeTune:
        return text.Tr("MDIFormMain", "Tune Data");
    case Id::ImportTitle:
        return text.Tr("MDIFormMain", "Import");
    case Id::ExportTitle:
        return text.Tr("MDIFormMain", "Export");
    case Id::FilterExchange:
        return text.Tr("MDIFormMain", "Channel lists(*.json *.csv)");
    case Id::FilterJson:
        return text.Tr("MDIFormMain", "Every value as json(*.json)");
    case Id::FilterChannelCsv:
        return text.Tr("MDIFormMain", "Channel plan csv(*.csv)");
    case Id::FilterCommonCsv:
        return text.Tr("MDIFormMain", "Common radio csv(*.csv)");
    case Id::ImportedValues:
        return text.Tr("MDIFormMain", "%1: every value it holds is in the plan now.");
    case Id::ImportedChannels:
        return text.Tr("MDIFormMain", "%1: %2 rows went into channels %3.");
    case Id::NotImported:
        return text.Tr("MDIFormMain", "%1 was not imported; the plan is as it was.");
    case Id::Exported:
        return text.Tr("MDIFormMain", "%1: %2 channels written.");
    case Id::ExportFailed:
        return text.Tr("MDIFormMain", "The file was not written.");
    case Id::CannotRead:
        return text.Tr("MDIFormMain", "The file cannot be read.");
    case Id::Close:
        return text.Tr("MDIFormMain", "OK");
    case Id::FileChanged:
        return text.Tr("MDIFormMain",
                       "%1 was changed on the disk after it was opened or last saved here (by "
                       "another program or window). Overwrite it with this plan, save this plan "
                       "under another name, or cancel?");
    case Id::Overwrite:
        return text.Tr("MDIFormMain", "&Overwrite");
    case Id::SaveAsButton:
        return text.Tr("MDIFormMain", "Save &As...");
    case Id::ImportFirstChannel:
        return text.Tr(
            "MDIFormMain",
            "%1: its rows go into the channels from this one on, in file order.\nFirst channel:");
    case Id::ImportOverwrites:
        return text.Tr("MDIFormMain", "%1 writes over channels in use: %2. Import it anyway?");
    case Id::ImportButton:
        return text.Tr("MDIFormMain", "&Import");
    case Id::RecentGone:
        return text.Tr("MDIFormMain",
                       "%1 is no longer there; it is taken off the list of recent files.");
    case Id::RecentNone:
        return text.Tr("MDIFormMain", "(none)");
    }
    return {};
}

} // namespace zr40
