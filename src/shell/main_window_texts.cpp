#include "shell/main_window_texts.h"

#include "link/serial/serial_port_name.h"

namespace zr40 {

const std::vector<MenuItemText>& MainWindowTexts::Menu() {
    static const std::vector<MenuItemText> items = {
        {"MenuFile", nullptr, "&File", "文件(&F)", true, nullptr, false},
        {"MenuNew", "MenuFile", "&New", "新建(&N)", true, "Ctrl+N", false},
        {"MenuOpen", "MenuFile", "&Open", "打开(&O)", true, "Ctrl+O", false},
        {"MenuSave", "MenuFile", "&Save", "保存(&S)", true, "Ctrl+S", false},
        {"MenuSaveAs", "MenuFile", "Save &As", "另存为(&A)", true, nullptr, false},
        {"-", "MenuFile", "", "", true, nullptr, false},
        {"MenuPrint", "MenuFile", "&Print…", "打印(&P)…", true, "Ctrl+P", false},
        {"MenuPrintView", "MenuFile", "Print Pre&view…", "打印预览(&V)…", true, nullptr, false},
        {"-", "MenuFile", "", "", true, nullptr, false},
        {"MenuExit", "MenuFile", "&Exit", "退出(&E)", true, nullptr, false},
        {"MenuMachine", nullptr, "&Model", "机型(&M)", true, nullptr, false},
        {"MenuModelInformation", "MenuMachine", "&Model Information", "机型信息(&M)", true, nullptr,
         false},
        {"MenuEdit", nullptr, "&Edit", "编辑(&E)", true, nullptr, false},
        {"MenuChannel", "MenuEdit", "&Channel Information", "信道信息(&C)", true, nullptr, false},
        {"-", "MenuEdit", "", "", true, nullptr, false},
        {"MenuOption", "MenuEdit", "&Function Setup", "功能设定(&F)", true, nullptr, false},
        {"MenuRxList", "MenuEdit", "Rx &List", "接收列表(&L)", true, nullptr, false},
        {"MenuKey", "MenuEdit", "&Key Setting", "键设置(&K)", false, nullptr, false},
        {"MenuScan", "MenuEdit", "&Scan Information", "扫描信息(&S)", false, nullptr, false},
        {"-", "MenuEdit", "", "", false, nullptr, false},
        {"MenuMessage", "MenuEdit", "Embedded &Message", "嵌入信息(&M)", false, nullptr, false},
        {"MenuLocalMessage", "MenuEdit", "&Local Message", "本机信息(&L)", false, nullptr, false},
        {"MenuStun", "MenuEdit", "Stun/&Die Information", "遥晕遥毙选项(&D)", false, nullptr,
         false},
        {"-", "MenuEdit", "", "", false, nullptr, false},
        {"MenuBank", "MenuEdit", "&Batch ChannelEdit", "批信道编辑(&B)", false, nullptr, false},
        {"MenuProgram", nullptr, "&Program", "编程(&P)", true, nullptr, false},
        {"MenuRead", "MenuProgram", "&Read From Radio", "从对讲机读出数据(&R)", true, "Ctrl+R",
         false},
        {"MenuWrite", "MenuProgram", "&Write To Radio", "向对讲机写入数据(&W)", true, "Ctrl+W",
         false},
        {"-", "MenuProgram", "", "", false, nullptr, false},
        {"MenuPassword", "MenuProgram", "&PassWord", "密码(&P)", false, nullptr, false},
        {"MenuTool", nullptr, "&Tool", "工具(&T)", false, nullptr, false},
        {"MenuRadioInformation", "MenuTool", "&Radio Information", "对讲机信息(&R)", true, nullptr,
         false},
        {"MenuSetting", nullptr, "&Setting", "设置(&S)", true, nullptr, false},
        {"MenuCom", "MenuSetting", "Set &Com", "串口设置(&C)", true, nullptr, false},
        {"MenuLanguage", "MenuSetting", "Set &Language", "语言设置(&L)", true, nullptr, false},
        {"MenuView", nullptr, "&View", "视图(&V)", true, nullptr, false},
        {"MenuTree", "MenuView", "Tree &View", "树视图(&V)", true, nullptr, true},
        {"-", "MenuView", "", "", true, nullptr, false},
        {"MenuToolBar", "MenuView", "&Toolbar", "工具栏(&T)", true, nullptr, true},
        {"MenuStatus", "MenuView", "&Statusbar", "状态栏(&S)", true, nullptr, true},
        {"MenuWindow", nullptr, "&Window", "窗口(&W)", true, nullptr, false},
        {"MenuCeng", "MenuWindow", "&Cascade", "层叠(&C)", true, nullptr, false},
        {"-", "MenuWindow", "", "", true, nullptr, false},
        {"MenuCloseAll", "MenuWindow", "Close All &Windows", "关闭所有窗口(&W)", true, nullptr,
         false},
        {"-", "MenuWindow", "", "", true, nullptr, false},
        {"MenuHelp", nullptr, "&Help", "帮助(&H)", true, nullptr, false},
        {"MenuHelpPage", "MenuHelp", "&Help Topics", "帮助主题(&H)", false, nullptr, false},
        {"-", "MenuHelp", "", "", false, nullptr, false},
        {"MenuAbout", "MenuHelp", "&About", "关于ZR40(&A)", true, nullptr, false},
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
    const QString name = SerialPortName::Choose(portName, portNumber);
    const int number = SerialPortName::ComNumber(name);
    // A device name of its own ("ttyUSB0") is shown as it is; COMn ports by their number.
    return number > 0 ? prefix + QString::number(number) : prefix + QLatin1Char(' ') + name;
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
        return pick("另存为", "另存为");
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
    }
    return {};
}

} // namespace zr40
