#include "shell/start_options.h"

#include <QCommandLineParser>

namespace zr40 {

StartOptions StartOptions::Parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ZR40 programming software: edit the radio's channels, function settings "
                       "and receive lists, keep them in .rdat files, read and write the radio."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    const QCommandLineOption port(
        QStringLiteral("port"), QStringLiteral("Use serial port DEVICE for this run (not saved)."),
        QStringLiteral("DEVICE"));
    const QCommandLineOption open(QStringLiteral("open"),
                                  QStringLiteral("Open the radio data file FILE after start-up."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Skip the start-up picture."));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Interface language for this run: en or zh."),
                                  QStringLiteral("en|zh"));
    const QCommandLineOption service(
        QStringLiteral("service"),
        QStringLiteral("Service mode: also offer the service pages (tune data, password, key "
                       "setting, scan information, embedded message)."));
    const QCommandLineOption tour(
        QStringLiteral("tour"),
        QStringLiteral("Save a picture of every window into FOLDER, then quit."),
        QStringLiteral("FOLDER"));
    parser.addOptions({help, version, port, open, noSplash, lang, service, tour});
    // A file manager starts the program with the file the user opened (Exec=zr40cps %f).
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A radio data file to open, as --open does."),
                                 QStringLiteral("[FILE]"));

    StartOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (parser.isSet(help)) {
        // Parsed before the application object exists, so the parser cannot know our name.
        options.printAndExit =
            parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("zr40cps"));
        return options;
    }
    if (parser.isSet(version)) {
        options.printAndExit = QStringLiteral("zr40cps %1\n").arg(QStringLiteral(ZR40_VERSION));
        return options;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (!files.isEmpty() && parser.isSet(open))) {
        options.error =
            QStringLiteral("unexpected argument '%1' (one file opens at a time)").arg(files.last());
        return options;
    }
    options.port = parser.value(port);
    options.openFile = files.isEmpty() ? parser.value(open) : files.first();
    options.splash = !parser.isSet(noSplash);
    options.language = parser.value(lang);
    options.service = parser.isSet(service);
    options.tourFolder = parser.value(tour);
    if (!options.language.isEmpty() && options.language != QLatin1String("en") &&
        options.language != QLatin1String("zh"))
        options.error = QStringLiteral("--lang takes en or zh");
    return options;
}

} // namespace zr40
