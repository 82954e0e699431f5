#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace zr40 {

// What the command line asks of this run of the application. It is read before any window
// exists, so --help and --version work without a display.
struct StartOptions {
    QString port;         // --port DEVICE: the serial port for this run (not saved)
    bool splash = true;   // --no-splash skips the start-up picture
    QString openFile;     // --open FILE or FILE: load a radio data file after start-up
    QString tourFolder;   // --tour FOLDER: save a picture of every window there, then quit
    QString language;     // --lang en|zh: interface language for this run (not saved)
    bool service = false; // --service: show the service pages
    QString error;        // a command line that could not be understood
    // Where the first start looks for USB serial adapters (tests give a fixed list); none: the
    // system's.
    std::function<QStringList()> usbAdapters;
    // --help or --version: the text to print on stdout before the program ends with success.
    QString printAndExit;

    static StartOptions Parse(const QStringList& arguments);
};

} // namespace zr40
