#pragma once

#include "codeplug/codeplug.h"

#include <QStringList>

namespace zr40 {

// Rules of the serial port dialog, apart from the widgets: the order of the listed ports, which
// one is preselected and what a choice does to the codeplug.
class PortChoice {
public:
    // Ascending natural order: "ttyS2" before "ttyS10", "COM2" before "COM10"; no duplicates.
    static QStringList Sorted(const QStringList& names);
    // Index of the port in use in `items`, or -1. The port in use is ComPortName, or "COMn" of
    // ComPortNumber when no device name is set; names are compared as the devices they open, so
    // a saved "3" finds the port that COM3 opens.
    static int IndexOfCurrent(const QStringList& items, const Codeplug& codeplug);
    // The index to preselect when the dialog opens: the port in use, else the first item; -1 for
    // an empty list. Nothing changes until the choice is confirmed.
    static int Preselect(const QStringList& items, const Codeplug& codeplug);
    // Makes `name` the port in use: ComPortName, and ComPortNumber for "COMn" names.
    static void Apply(const QString& name, Codeplug& codeplug);
    // The text kept in the saved settings: the number for "COMn" names, else the device name.
    static QString SettingText(const QString& name);
    // When no port was ever saved: the one USB serial adapter present is the port in use; with
    // none or several the first on-board port stays. True when the adapter was taken.
    static bool TakeOnlyAdapter(const QStringList& usbAdapters, Codeplug& codeplug);
};

} // namespace zr40
