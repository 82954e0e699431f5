#pragma once

#include <QStringList>
#include <memory>

class QCoreApplication;

namespace zr40 {

// zr40 print FILE -o OUT.pdf [--sections LIST] [--lang en|zh]
class PrintCommand {
public:
    static int Run(const QStringList& arguments);
    // Painting text needs the GUI side of Qt, though never a display: the application object
    // for this command, on the offscreen platform unless one is asked for.
    static std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv);
};

} // namespace zr40
