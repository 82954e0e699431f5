#pragma once

namespace zr40 {

// The pictures and help pages are compiled into the GUI library, which is static; its resources
// are registered only when something calls for them, so every window that shows one calls
// Ensure() first.
class GuiResources {
public:
    static void Ensure();
};

} // namespace zr40
