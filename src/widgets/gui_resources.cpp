#include "widgets/gui_resources.h"

#include <QtGlobal>

// Outside any namespace: the macro declares the generated registration function.
static void RegisterGuiResources() {
    Q_INIT_RESOURCE(gui);
}

namespace zr40 {

void GuiResources::Ensure() {
    static const bool registered = [] {
        RegisterGuiResources();
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace zr40
