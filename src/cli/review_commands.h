#pragma once

#include <QStringList>

namespace zr40 {

// The subcommands that look a plan over and keep track of the radios read:
//   zr40 check FILE [--band LO-HI] [--lang en|zh]
//   zr40 diff A B | zr40 diff --port DEV [--password P] FILE    [--lang en|zh]
//   zr40 backups [--folder] [--lang en|zh]
class ReviewCommands {
public:
    static int Check(const QStringList& arguments);
    static int Diff(const QStringList& arguments);
    static int Backups(const QStringList& arguments);
};

} // namespace zr40
