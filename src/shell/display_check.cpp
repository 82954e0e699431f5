#include "shell/display_check.h"

#include "codeplug/text_context.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace zr40 {

namespace {

bool guardEnglish = false;
QtMessageHandler previousHandler = nullptr;

void EndWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    std::fputs(qPrintable(DisplayCheck::Message(guardEnglish, text)), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

bool DisplayCheck::Available() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QString DisplayCheck::Message(bool english, const QString& reason) {
    const TextContext words{english};
    QString text = words.Tr(
        "DisplayCheck",
        "zr40cps: this program needs a graphical display, and none could be found or opened.\n");
    if (!reason.isEmpty())
        text += QStringLiteral("(") + reason.trimmed().section(QLatin1Char('\n'), 0, 0) +
                QStringLiteral(")\n");
    text += words.Tr("DisplayCheck", "Without one, the zr40 command reads, checks, prints and "
                                     "writes radio data files and radios: see 'zr40 --help'.\n");
    return text;
}

void DisplayCheck::Guard(bool english) {
    guardEnglish = english;
    previousHandler = qInstallMessageHandler(&EndWithoutDisplay);
}

void DisplayCheck::Release() {
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

} // namespace zr40
