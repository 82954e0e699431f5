#pragma once

namespace zr40 {

// Geometry rules of the main window's page tree and its separator. Widths are kept in twips
// (1/1440 inch), so the tree keeps its physical width on any screen.
class PanelLayout {
public:
    static constexpr int kStartTreeWidthTwips = 2500;
    static constexpr int kMinimumDragTwips = 120;

    // Twips per logical pixel: 15 at 96 dots per inch.
    static double TwipsPerPixel(double logicalDpi);
    static int ToTwips(int pixels, double logicalDpi);
    static int ToPixels(int twips, double logicalDpi);
    // A separator drag to x twips moves the panels only when x is more than 120 twips and less
    // than half the main window's width.
    static bool AcceptsDrag(int xTwips, int windowWidthTwips);
};

} // namespace zr40
