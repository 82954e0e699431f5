#pragma once

#include <QString>

namespace zr40 {

// Whether the desktop application can reach a graphical display, and what it says when it
// cannot: on a server or over a plain ssh session the zr40 command does the work instead. Qt's
// own answer would be an abort with a core dump.
class DisplayCheck {
public:
    // False where nothing could show a window: Linux without DISPLAY and WAYLAND_DISPLAY and no
    // platform chosen in QT_QPA_PLATFORM.
    static bool Available();
    // What the program says on stderr before it ends with exit code 1; `reason` is the toolkit's.
    static QString Message(bool english, const QString& reason = {});
    // While the application object starts: a display that cannot be opened (a DISPLAY that names
    // no server) ends the program with Message and exit code 1. Until Release().
    static void Guard(bool english);
    static void Release();
};

} // namespace zr40
