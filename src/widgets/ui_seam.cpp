#include "widgets/ui_seam.h"

#include "widgets/interactive_seam.h"

namespace zr40 {

namespace {
UiSeam* installed = nullptr;
} // namespace

UiSeam& UiSeam::Instance() {
    if (installed)
        return *installed;
    static InteractiveSeam interactive;
    return interactive;
}

void UiSeam::Install(UiSeam* seam) {
    installed = seam;
}

} // namespace zr40
