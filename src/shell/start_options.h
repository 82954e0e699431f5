#pragma once

#include <QString>
#include <QStringList>

namespace zr40 {

// What the command line asks of this run of the application.
struct StartOptions {
    QString port;       // --port DEVICE: the serial port for this run (not saved)
    bool splash = true; // --no-splash skips the start-up picture
    QString openFile;   // --open FILE: load a radio data file after start-up
    QString tourFolder; // --tour FOLDER: save a picture of every window there, then quit
    QString language;   // --lang en|zh: interface language for this run (not saved)
    QString error;      // a command line that could not be understood

    static StartOptions Parse(const QStringList& arguments);
};

} // namespace zr40
