#pragma once

#include <QStringList>

namespace zr40 {

// zr40 import IN [--format json|csv] [--base FILE] [--band LOW-HIGH] -o FILE
class ImportCommand {
public:
    static int Run(const QStringList& arguments);
};

} // namespace zr40
