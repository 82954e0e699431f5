#pragma once

#include <QStringList>

namespace zr40 {

// zr40 demo [--keep]: builds a sample UHF codeplug, saves, shows and round-trips it.
class DemoCommand {
public:
    static int Run(const QStringList& arguments);
};

} // namespace zr40
