#include "shell/start_options.h"

namespace zr40 {

namespace {

// The value after an option, or an error when the command line ends there.
bool TakeValue(const QStringList& arguments, int& i, QString& value, QString& error) {
    if (i + 1 >= arguments.size()) {
        error = QStringLiteral("%1 needs a value").arg(arguments[i]);
        return false;
    }
    value = arguments[++i];
    return true;
}

} // namespace

StartOptions StartOptions::Parse(const QStringList& arguments) {
    StartOptions options;
    for (int i = 1; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--no-splash"))
            options.splash = false;
        else if (argument == QLatin1String("--port"))
            TakeValue(arguments, i, options.port, options.error);
        else if (argument == QLatin1String("--open"))
            TakeValue(arguments, i, options.openFile, options.error);
        else if (argument == QLatin1String("--tour"))
            TakeValue(arguments, i, options.tourFolder, options.error);
        else if (argument == QLatin1String("--lang"))
            TakeValue(arguments, i, options.language, options.error);
        else
            options.error = QStringLiteral("unknown option %1").arg(argument);
    }
    if (options.error.isEmpty() && !options.language.isEmpty() &&
        options.language != QLatin1String("en") && options.language != QLatin1String("zh"))
        options.error = QStringLiteral("--lang takes en or zh");
    return options;
}

} // namespace zr40
