#include "terminal_progress.h"

#include "cli_io.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace zr40 {

QString TerminalProgress::Bar(double fraction) {
    const double clamped = std::clamp(std::isfinite(fraction) ? fraction : 0.0, 0.0, 1.0);
    const int filled = static_cast<int>(std::lround(clamped * kWidth));
    const int percent = static_cast<int>(std::lround(clamped * 100));
    return QStringLiteral("[%1%2] %3%")
        .arg(QString(filled, QLatin1Char('#')), QString(kWidth - filled, QLatin1Char('.')))
        .arg(percent, 3);
}

void TerminalProgress::Show(double fraction) {
    if (!isatty(STDERR_FILENO))
        return;
    CliIo::Err() << '\r' << Bar(fraction);
    CliIo::Err().flush();
    drawn_ = true;
}

void TerminalProgress::Clear() {
    if (!drawn_)
        return;
    CliIo::Err() << "\r\033[K";
    CliIo::Err().flush();
    drawn_ = false;
}

void TerminalProgress::Finish() {
    if (!drawn_)
        return;
    CliIo::Err() << '\n';
    CliIo::Err().flush();
    drawn_ = false;
}

} // namespace zr40
