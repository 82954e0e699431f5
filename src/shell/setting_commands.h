#pragma once

#include "codeplug/codeplug.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace zr40 {

class HistoryCommands;
class PageManager;
class VirtualRadioProcess;

// Model > Model Information and Setting > Set Com and Set Language: the band, the serial port
// and the interface language, each kept for the next start where the setting is saved.
class SettingCommands : public QObject {
    Q_OBJECT
public:
    SettingCommands(Codeplug& codeplug, PageManager& pages, HistoryCommands& history,
                    VirtualRadioProcess& virtualRadio, QWidget* window);

    void ModelInformation();
    void SetCom();
    void SetLanguage();
    // Where the serial port dialog gets the ports present (tests give a fixed list).
    void SetPortSource(std::function<QStringList()> source) { portSource_ = std::move(source); }

signals:
    // The band or the port changed: the status bar follows.
    void changed();
    // A new language was chosen; the pages are closed meanwhile and the window re-captions.
    void languageChanged();

private:
    // The band confirmed in the model dialog is the band of the next start too.
    void KeepBand();
    void ShowSettingNotSaved();
    bool english() const { return codeplug_.IsEnglish; }

    Codeplug& codeplug_;
    PageManager& pages_;
    HistoryCommands& history_;
    VirtualRadioProcess& virtualRadio_;
    QWidget* window_;
    std::function<QStringList()> portSource_;
};

} // namespace zr40
