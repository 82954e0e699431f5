#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace zr40 {

// The options of one subcommand. Parse prints the help or the usage error itself; the caller
// returns `exitCode` when Parse returns false.
class CommandLine {
public:
    CommandLine(const QString& command, const QString& description);

    void AddOption(const QCommandLineOption& option) { parser.addOption(option); }
    void AddPositional(const QString& name, const QString& description, const QString& syntax);
    // Parses "zr40 <command> args..."; minPositional..maxPositional positional arguments.
    bool Parse(const QStringList& arguments, int minPositional, int maxPositional);

    QString Value(const QString& name) const { return parser.value(name); }
    bool IsSet(const QString& name) const { return parser.isSet(name); }
    QStringList Positional() const { return parser.positionalArguments(); }
    int Usage(const QString& message) const;

    int exitCode = 0;

private:
    QString command;
    QCommandLineParser parser;
};

} // namespace zr40
