#include "shell/main_window_texts.h"

#include "link/serial/serial_port_name.h"

namespace zr40 {

namespace {
constexpr auto kShown = MenuVisibility::Shown;
constexpr auto kService = MenuVisibility::ServiceOnly;
constexpr auto kHidden = MenuVisibility::Hidden;
} // namespace

const std::vector<MenuItemText>& MainWindowTexts::Menu() {
    static const std::vector<MenuItemText> items = {
        {"MenuFile", nullptr, "&File", "文件(&F)", kShown, nullptr, false},
        {"MenuNew", "MenuFile", "&New", "新建(&N)", kShown, "Ctrl+N", false},
        {"MenuOpen", "MenuFile", "&Open", "打开(&O)", kShown, "Ctrl+O", false},
        {"MenuRecent", "MenuFile", "Recent &Files", "最近的文件(&F)", kShown, nullptr, false},
        {"MenuSave", "MenuFile", "&Save", "保存(&S)", kShown, "Ctrl+S", false},
        {"MenuSaveAs", "MenuFile", "Save &As", "另存为(&A)", kShown, nullptr, false},
        {"MenuBackups", "MenuFile", "&Backups…", "备份(&B)…", kShown, nullptr, false},
        {"-", "MenuFile", "", "", kShown, nullptr, false},
        {"MenuImport", "MenuFile", "&Import…", "导入(&I)…", kShown, nullptr, false},
        {"MenuExport", "MenuFile", "E&xport…", "导出(&X)…", kShown, nullptr, false},
        {"-", "MenuFile", "", "", kShown, nullptr, false},
        {"MenuPrint", "MenuFile", "&Print…", "打印(&P)…", kShown, "Ctrl+P", false},
        {"MenuPrintView", "MenuFile", "Print Pre&view…", "打印预览(&V)…", kShown, nullptr, false},
        {"-", "MenuFile", "", "", kShown, nullptr, false},
        {"MenuExit", "MenuFile", "&Exit", "退出(&E)", kShown, nullptr, false},
        {"MenuMachine", nullptr, "&Model", "机型(&M)", kShown, nullptr, false},
        {"MenuModelInformation", "MenuMachine", "&Model Information", "机型信息(&M)", kShown,
         nullptr, false},
        {"MenuEdit", nullptr, "&Edit", "编辑(&E)", kShown, nullptr, false},
        {"MenuUndo", "MenuEdit", "&Undo", "撤销(&U)", kShown, "Ctrl+Z", false},
        {"MenuRedo", "MenuEdit", "&Redo", "重做(&R)", kShown, "Ctrl+Y", false},
        {"-", "MenuEdit", "", "", kShown, nullptr, false},
        {"MenuChannel", "MenuEdit", "&Channel Information", "信道信息(&C)", kShown, nullptr, false},
        {"-", "MenuEdit", "", "", kShown, nullptr, false},
        {"MenuOption", "MenuEdit", "&Function Setup", "功能设定(&F)", kShown, nullptr, false},
        {"MenuRxList", "MenuEdit", "Rx &List", "接收列表(&L)", kShown, nullptr, false},
        {"MenuKey", "MenuEdit", "&Key Setting", "键设置(&K)", kService, nullptr, false},
        {"MenuScan", "MenuEdit", "&Scan Information", "扫描信息(&S)", kService, nullptr, false},
        {"-", "MenuEdit", "", "", kService, nullptr, false},
        {"MenuMessage", "MenuEdit", "Embedded &Message", "嵌入信息(&M)", kService, nullptr, false},
        {"MenuLocalMessage", "MenuEdit", "&Local Message", "本机信息(&L)", kHidden, nullptr, false},
        {"MenuStun", "MenuEdit", "Stun/&Die Information", "遥晕遥毙选项(&D)", kHidden, nullptr,
         false},
        {"-", "MenuEdit", "", "", kService, nullptr, false},
        {"MenuBank", "MenuEdit", "&Batch ChannelEdit", "批信道编辑(&B)", kService, nullptr, false},
        {"MenuProgram", nullptr, "&Program", "编程(&P)", kShown, nullptr, false},
        {"MenuRead", "MenuProgram", "&Read From Radio", "从对讲机读出数据(&R)", kShown, "Ctrl+R",
         false},
        {"MenuWrite", "MenuProgram", "&Write To Radio", "向对讲机写入数据(&W)", kShown, "Ctrl+W",
         false},
        {"MenuFleet", "MenuProgram", "Program &Several Radios…", "批量写频(&S)…", kShown, nullptr,
         false},
        {"-", "MenuProgram", "", "", kService, nullptr, false},
        {"MenuPassword", "MenuProgram", "&PassWord", "密码(&P)", kService, nullptr, false},
        {"MenuTune", "MenuProgram", "&Tune Data", "调谐数据(&T)", kService, nullptr, false},
        {"MenuTool", nullptr, "&Tool", "工具(&T)", kHidden, nullptr, false},
        {"MenuRadioInformation", "MenuTool", "&Radio Information", "对讲机信息(&R)", kShown,
         nullptr, false},
        {"MenuSetting", nullptr, "&Setting", "设置(&S)", kShown, nullptr, false},
        {"MenuCom", "MenuSetting", "Set &Com", "串口设置(&C)", kShown, nullptr, false},
        {"MenuLanguage", "MenuSetting", "Set &Language", "语言设置(&L)", kShown, nullptr, false},
        {"MenuView", nullptr, "&View", "视图(&V)", kShown, nullptr, false},
        {"MenuTree", "MenuView", "Tree &View", "树视图(&V)", kShown, nullptr, true},
        {"-", "MenuView", "", "", kShown, nullptr, false},
        {"MenuToolBar", "MenuView", "&Toolbar", "工具栏(&T)", kShown, nullptr, true},
        {"MenuStatus", "MenuView", "&Statusbar", "状态栏(&S)", kShown, nullptr, true},
        {"MenuWindow", nullptr, "&Window", "窗口(&W)", kShown, nullptr, false},
        {"MenuCeng", "MenuWindow", "&Cascade", "层叠(&C)", kShown, nullptr, false},
        {"-", "MenuWindow", "", "", kShown, nullptr, false},
        {"MenuCloseAll", "MenuWindow", "Close All &Windows", "关闭所有窗口(&W)", kShown, nullptr,
         false},
        {"-", "MenuWindow", "", "", kShown, nullptr, false},
        {"MenuHelp", nullptr, "&Help", "帮助(&H)", kShown, nullptr, false},
        {"MenuHelpPage", "MenuHelp", "&Help Topics", "帮助主题(&H)", kShown, "F1", false},
        {"-", "MenuHelp", "", "", kShown, nullptr, false},
        {"MenuAbout", "MenuHelp", "&About", "关于ZR40(&A)", kShown, nullptr, false},
    };
    return items;
}

const std::vector<ToolButtonText>& MainWindowTexts::Toolbar() {
    static const std::vector<ToolButtonText> buttons = {
        {"新建", "New", "新建", ":/icons/new.svg"},
        {"打开", "Open", "打开", ":/icons/open.svg"},
        {"保存", "Save", "保存", ":/icons/save.svg"},
        {"读取", "Read", "读频", ":/icons/read.svg"},
        {"串口", "Set Com", "串口设置", ":/icons/port.svg"},
        {"写频", "Write", "写频", ":/icons/write.svg"},
        {"帮助", "Help", "帮助", ":/icons/help.svg"},
    };
    return buttons;
}

QString MainWindowTexts::Caption(const QString& fileName, bool modified, bool english) {
    // The star marks changes that are in no file yet.
    const QString name = modified ? fileName + QLatin1Char('*') : fileName;
    return (english ? QStringLiteral("ZR40[FileName:") : QStringLiteral("ZR40[文件名:")) + name +
           QLatin1Char(']');
}

QString MainWindowTexts::PortPanel(const QString& portName, int portNumber, bool english) {
    const QString prefix = english ? QStringLiteral("COM") : QStringLiteral("通信端口");
    const QString name = SerialPortName::Shown(SerialPortName::Choose(portName, portNumber));
    const int number = SerialPortName::ComNumber(name);
    // A device name ("ttyUSB0", and on Linux "ttyS0" for port 1) is shown as it is; where ports
    // are COMn (Windows), by their number.
    return number > 0 ? prefix + QString::number(number) : prefix + QLatin1Char(' ') + name;
}

QString MainWindowTexts::BandPanel(int lower, int upper, bool neverChosen, bool english) {
    const QString band = QStringLiteral("ZR40  %1-%2 MHz").arg(lower).arg(upper);
    if (!neverChosen)
        return band;
    return band +
           (english ? QStringLiteral(" (no band chosen)") : QStringLiteral("（未选择频段）"));
}

QString MainWindowTexts::StepCaption(bool redo, const QString& step, bool english) {
    const QString name = QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (name.isEmpty())
        return english ? (redo ? QStringLiteral("&Redo") : QStringLiteral("&Undo"))
                       : (redo ? QStringLiteral("重做(&R)") : QStringLiteral("撤销(&U)"));
    if (english)
        return (redo ? QStringLiteral("&Redo ") : QStringLiteral("&Undo ")) + name;
    return (redo ? QStringLiteral("重做 ") : QStringLiteral("撤销 ")) + name +
           (redo ? QStringLiteral("(&R)") : QStringLiteral("(&U)"));
}

QString MainWindowTexts::Text(Id id, bool english) {
    auto pick = [english](const char* en, const char* zh) {
        return QString::fromUtf8(english ? en : zh);
    };
    switch (id) {
    case Id::TreeChannel:
        return pick("Channel Information", "信道信息(C)");
    case Id::TreeOption:
        return pick("Function Setup", "功能设定(F)");
    case Id::TreeRxList:
        return pick("Rx List", "接收列表(L)");
    case Id::OpenTitle:
        return pick("Open", "打开");
    case Id::SaveTitle:
        return pick("Save", "保存");
    case Id::SaveAsTitle:
        return pick("Save As", "另存为");
    case Id::FilterRadioData:
        return pick("Radio data file(*.rdat)", "对讲机数据文件(*.rdat)");
    case Id::FilterAll:
        return pick("All file(*.*)", "所有文件(*.*)");
    case Id::CoverData:
        return pick("Do you want to cover current data?", "覆盖当前数据？");
    case Id::ErrorCaption:
        return pick("Error", "错误");
    case Id::ErrorFile:
        return pick("Error file！", "错误的文件！");
    case Id::SaveFailed:
        return pick("The file was not saved.", "文件没有保存。");
    case Id::SaveChanges:
        return pick("Save changes to %1?", "是否保存对 %1 的修改？");
    case Id::SettingNotSaved:
        return pick("The setting applies now but could not be saved for the next start.",
                    "设置已生效，但无法保存到下次启动。");
    case Id::TreeKey:
        return pick("Key Setting", "键设置(K)");
    case Id::TreeScan:
        return pick("Scan Information", "扫描信息(S)");
    case Id::TreeMessage:
        return pick("Embedded Message", "嵌入信息(M)");
    case Id::TreeTune:
        return pick("Tune Data", "调谐数据(T)");
    case Id::ImportTitle:
        return pick("Import", "导入");
    case Id::ExportTitle:
        return pick("Export", "导出");
    case Id::FilterExchange:
        return pick("Channel lists(*.json *.csv)", "信道表(*.json *.csv)");
    case Id::FilterJson:
        return pick("Every value as json(*.json)", "全部数值 json(*.json)");
    case Id::FilterChannelCsv:
        return pick("Channel plan csv(*.csv)", "信道表 csv(*.csv)");
    case Id::FilterCommonCsv:
        return pick("Common radio csv(*.csv)", "通用对讲机 csv(*.csv)");
    case Id::ReadStep:
        return pick("Read From Radio", "从对讲机读出数据");
    case Id::ImportStep:
        return pick("Import %1", "导入 %1");
    case Id::ImportedValues:
        return pick("%1: every value it holds is in the plan now.", "%1：其中的数值已全部导入。");
    case Id::ImportedChannels:
        return pick("%1: %2 rows went into channels %3.", "%1：%2 行已导入信道 %3。");
    case Id::NotImported:
        return pick("%1 was not imported; the plan is as it was.", "%1 没有导入，数据未改变。");
    case Id::Exported:
        return pick("%1: %2 channels written.", "%1：已写入 %2 个信道。");
    case Id::ExportFailed:
        return pick("The file was not written.", "文件没有写入。");
    case Id::CannotRead:
        return pick("The file cannot be read.", "无法读取文件。");
    case Id::Close:
        return pick("OK", "确定");
    case Id::FileChanged:
        return pick("%1 was changed on the disk after it was opened or last saved here (by "
                    "another program or window). Overwrite it with this plan, save this plan "
                    "under another name, or cancel?",
                    "%1 在此处打开或上次保存之后已在磁盘上被更改（由其他程序或窗口）。用当前数据"
                    "覆盖它、另存为其他文件，还是取消？");
    case Id::Overwrite:
        return pick("&Overwrite", "覆盖(&O)");
    case Id::SaveAsButton:
        return pick("Save &As...", "另存为(&A)...");
    case Id::ImportFirstChannel:
        return pick("%1: its rows go into the channels from this one on, in file order.\n"
                    "First channel:",
                    "%1：各行按文件顺序导入从此信道起的各信道。\n起始信道：");
    case Id::ImportOverwrites:
        return pick("%1 writes over channels in use: %2. Import it anyway?",
                    "%1 将覆盖正在使用的信道：%2。仍然导入吗？");
    case Id::ImportButton:
        return pick("&Import", "导入(&I)");
    case Id::RecentGone:
        return pick("%1 is no longer there; it is taken off the list of recent files.",
                    "%1 已不存在，已从最近的文件列表中删除。");
    case Id::RecentNone:
        return pick("(none)", "（无）");
    }
    return {};
}

} // namespace zr40
