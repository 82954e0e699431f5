#pragma once

#include "widgets/ui_seam.h"

#include <QString>
#include <vector>

namespace zr40 {

// Who sees a menu item: everyone, a technician in service mode only, or nobody (the item exists
// with its caption and action, but nothing shows it).
enum class MenuVisibility { Shown, ServiceOnly, Hidden };

// One item of the main window's menu bar. Top-level menus have no parent; "-" is a rule. The
// caption is the English source of a text of context "MDIFormMain".
struct MenuItemText {
    const char* name;
    const char* parent;
    const char* caption;
    MenuVisibility shown;
    const char* shortcut;
    bool checked; // a check item that starts checked (the View toggles)
};

// One toolbar button: the menu item whose action it shows, with a tool tip of its own (a source
// text of context "MDIFormMain").
struct ToolButtonText {
    const char* action;
    const char* tip;
    const char* icon;
};

// Every text the main window shows, in the language asked for, in one place.
class MainWindowTexts {
public:
    static const std::vector<MenuItemText>& Menu();
    static const std::vector<ToolButtonText>& Toolbar();

    static QString AppTitle() { return UiSeam::AppTitle(); }
    static QString Caption(const QString& fileName, bool modified, bool english);
    static QString PortPanel(const QString& portName, int portNumber, bool english);
    // "ZR40  400-480 MHz": the product and the band the frequencies are checked against.
    static QString BandPanel(int lower, int upper, bool neverChosen, bool english);
    // "&Undo Rx Frequency of channel 3" (redo alike).
    static QString StepCaption(bool redo, const QString& step, bool english);

    enum class Id {
        TreeChannel,
        TreeOption,
        TreeRxList,
        OpenTitle,
        SaveTitle,
        SaveAsTitle,
        FilterRadioData,
        FilterAll,
        CoverData,
        ErrorCaption,
        ErrorFile,
        SaveFailed,
        SaveChanges,
        SettingNotSaved,
        TreeKey,
        TreeScan,
        TreeMessage,
        TreeTune,
        ImportTitle,
        ExportTitle,
        FilterExchange,
        FilterJson,
        FilterChannelCsv,
        FilterCommonCsv,
        ImportedValues,
        ImportedChannels,
        NotImported,
        Exported,
        ExportFailed,
        CannotRead,
        Close,
        FileChanged,
        Overwrite,
        SaveAsButton,
        ImportFirstChannel,
        ImportOverwrites,
        ImportButton,
        RecentGone,
        RecentNone,
    };
    static QString Text(Id id, bool english);
};

} // namespace zr40
