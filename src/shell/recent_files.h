#pragma once

#include <QStringList>

namespace zr40 {

// File > Recent Files: the radio data files last opened or saved, newest first, kept in the
// settings ("RecentFiles").
class RecentFiles {
public:
    static constexpr int kMost = 8;

    static QStringList List();
    // The file goes to the top (once); the oldest beyond kMost drop off.
    static void Add(const QString& path);
    static void Remove(const QString& path);
};

} // namespace zr40
