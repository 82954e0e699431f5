#pragma once

#include <QStringList>

namespace zr40 {

// zr40 export FILE [--format json|csv] [-o OUT]
class ExportCommand {
public:
    static int Run(const QStringList& arguments);
};

} // namespace zr40
