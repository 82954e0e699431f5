#pragma once

#include <QStringList>

namespace zr40 {

// zr40 show FILE [--lang en|zh]
class ShowCommand {
public:
    static int Run(const QStringList& arguments);
};

} // namespace zr40
