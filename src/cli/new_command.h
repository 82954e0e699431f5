#pragma once

#include <QStringList>

namespace zr40 {

// zr40 new [--startup] -o FILE
class NewCommand {
public:
    static int Run(const QStringList& arguments);
};

} // namespace zr40
