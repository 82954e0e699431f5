#include "shell/panel_layout.h"

#include <cmath>

namespace zr40 {

double PanelLayout::TwipsPerPixel(double logicalDpi) {
    return logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0;
}

int PanelLayout::ToTwips(int pixels, double logicalDpi) {
    return static_cast<int>(std::lround(pixels * TwipsPerPixel(logicalDpi)));
}

int PanelLayout::ToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel(logicalDpi)));
}

bool PanelLayout::AcceptsDrag(int xTwips, int windowWidthTwips) {
    return xTwips > kMinimumDragTwips && xTwips * 2 < windowWidthTwips;
}

} // namespace zr40
