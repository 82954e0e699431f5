#pragma once

#include <QString>

namespace zr40 {

// The progress bar the radio commands draw on a terminal: "[#######.............]  35%". It is
// drawn in place with a carriage return; a line that needs the terminal first clears it.
class TerminalProgress {
public:
    static constexpr int kWidth = 30;

    // The bar for a fraction (clamped to 0..1), without line control characters.
    static QString Bar(double fraction);

    // Draws the bar when stderr is a terminal; does nothing otherwise.
    void Show(double fraction);
    // Clears a drawn bar so the next line starts at the left edge.
    void Clear();
    // Ends the bar's line, leaving the last bar visible.
    void Finish();

private:
    bool drawn_ = false;
};

} // namespace zr40
