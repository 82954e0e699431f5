#pragma once

#include <optional>

class QWidget;

namespace zr40 {

// The main window as the user left it: size, position and maximised state, and the width of
// the tree, kept in the settings ("MainWindow/Geometry", "MainWindow/TreeWidth").
class WindowMemory {
public:
    static void Keep(const QWidget& window, int treeWidthTwips);
    // Puts the window where it was kept; false when nothing was kept or it cannot be used.
    static bool Restore(QWidget& window);
    static std::optional<int> TreeWidthTwips();
};

} // namespace zr40
