#pragma once

#include "codeplug/codeplug.h"

#include <QObject>

class QWidget;

namespace zr40 {

class BackupStore;
class HistoryCommands;
class PageManager;

// Program > Read From Radio, Write To Radio, Program Several Radios and PassWord: the transfer window on the plan, the
// backup of what was read, the pages reloaded after a read, and the place of the plan a line of
// the pre-write lists asked for.
class TransferCommands : public QObject {
    Q_OBJECT
public:
    TransferCommands(Codeplug& codeplug, PageManager& pages, HistoryCommands& history,
                     const BackupStore& backups, QWidget* window);

    void ReadFromRadio();
    void WriteToRadio();
    // The current plan into several radios, each with its own ID.
    void ProgramFleet();
    // The transfer window, reading or writing (the tune page's transfers come here too).
    void RunTransfer(bool read);
    // After a successful read from the radio: pages reloaded, the data marked as in no file.
    void AfterRead();
    // The programming password dialog (service mode).
    void ProgramPassword();

signals:
    // The plan or the port changed: the caption and status bar follow.
    void changed();

private:
    void SaveReadBackup();

    Codeplug& codeplug_;
    PageManager& pages_;
    HistoryCommands& history_;
    const BackupStore& backups_;
    QWidget* window_;
};

} // namespace zr40
