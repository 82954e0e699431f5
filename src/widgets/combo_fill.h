#pragma once

#include <QStringList>

class QComboBox;

namespace zr40 {

// Puts the items of a value list into a drop-down list. The lists themselves come from
// ValueLists; this only moves them into the widget.
class ComboFill {
public:
    // Appends the items, keeping what the list already holds.
    static void Append(QComboBox& combo, const QStringList& items);
    // Replaces the items; the selection is cleared (no item is current afterwards).
    static void Replace(QComboBox& combo, const QStringList& items);
};

} // namespace zr40
