#include "codeplug/codeplug.h"
#include "codeplug/file_path.h"
#include "codeplug/settings_store.h"
#include "review/backup_store.h"
#include "shell/display_check.h"
#include "shell/form_welcome.h"
#include "shell/mdi_form_main.h"
#include "shell/screen_tour.h"
#include "shell/start_options.h"
#include "widgets/screen_fit.h"

#include <QApplication>
#include <QIcon>
#include <csignal>
#include <cstdio>

using namespace zr40;

namespace {

// Builds the main window (its construction is the start-up) and shows it; the window ends the
// application when it closes.
MDIFormMain* OpenMainWindow(Codeplug& codeplug, const StartOptions& options) {
    auto* window = new MDIFormMain(codeplug, options);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // exit() rather than quit(): quit() would ask every window to close again.
    QObject::connect(window, &MDIFormMain::closed, qApp, [] { QCoreApplication::exit(0); });
    if (!options.openFile.isEmpty())
        window->Files().LoadFile(options.openFile);
    if (options.tourFolder.isEmpty()) {
        window->show();
        return window;
    }
    auto* tour =
        new ScreenTour(*window, options.tourFolder,
                       options.language.isEmpty() ? QString() : options.language + '_', window);
    QObject::connect(tour, &ScreenTour::done, qApp, [] { QCoreApplication::exit(0); });
    tour->Start();
    return window;
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before QApplication exists: --help, --version and a bad option need no display.
    // A file-size limit fails a save with a message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // A file named on the command line is opened under exactly the bytes given.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FilePath::ArgumentText(argv[i]);
    const StartOptions options = StartOptions::Parse(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "zr40cps: %s\nTry 'zr40cps --help' for the options.\n",
                     qPrintable(options.error));
        return 2;
    }
    if (!options.printAndExit.isEmpty()) {
        std::fputs(qPrintable(options.printAndExit), stdout);
        return 0;
    }
    const bool english = options.language.isEmpty()
                             ? SettingsStore::IsEnglishFrom(SettingsStore().ReadText(
                                   QString::fromLatin1(SettingsStore::kLanguage)))
                             : options.language == QLatin1String("en");
    if (!DisplayCheck::Available()) {
        std::fputs(qPrintable(DisplayCheck::Message(english)), stderr);
        return 1;
    }

    // The codeplug outlives every window: pages clear their open flags in it when destroyed.
    Codeplug codeplug;
    DisplayCheck::Guard(english);
    QApplication app(argc, argv);
    DisplayCheck::Release();
    ScreenFit::Install();
    QApplication::setApplicationName(QStringLiteral("ZR40"));
    QApplication::setOrganizationName(QStringLiteral("NQ"));
    QApplication::setApplicationVersion(QStringLiteral(ZR40_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zr40.svg")));
    QApplication::setQuitOnLastWindowClosed(false);
    // Backups are kept for a year; the tour only pictures windows and leaves them alone.
    if (options.tourFolder.isEmpty())
        BackupStore::Default().Prune();

    if (!options.splash || !options.tourFolder.isEmpty()) {
        OpenMainWindow(codeplug, options);
    } else {
        auto* splash = new FormWelcome;
        QObject::connect(splash, &FormWelcome::finished,
                         [&codeplug, options] { OpenMainWindow(codeplug, options); });
        splash->show();
    }
    return app.exec();
}
