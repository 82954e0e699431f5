#pragma once

#include <QByteArray>
#include <QStringList>

namespace zr40::test {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built zr40 command with the arguments and waits for it.
Run Zr40(const QStringList& arguments);

QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace zr40::test
