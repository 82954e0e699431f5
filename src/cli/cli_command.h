#pragma once

#include <QStringList>

namespace zr40 {

// One subcommand of the zr40 command: its name, a one-line summary for the overview and the
// function that runs it with the arguments after the name; it returns the exit code.
struct CliCommand {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments);
};

} // namespace zr40
