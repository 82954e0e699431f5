#include "shell/display_check.h"

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
    QString text =
        english ? QStringLiteral("zr40cps: this program needs a graphical display, and none could "
                                 "be found or opened.\n")
                : QStringLiteral("zr40cps：本程序需要图形显示，但找不到或无法打开。\n");
    if (!reason.isEmpty())
        text += QStringLiteral("(") + reason.trimmed().section(QLatin1Char('\n'), 0, 0) +
                QStringLiteral(")\n");
    text += english
                ? QStringLiteral("Without one, the zr40 command reads, checks, prints and "
                                 "writes radio data files and radios: see 'zr40 --help'.\n")
                : QStringLiteral("没有图形显示时，可用 zr40 命令读取、检查、打印和写入对讲机数据"
                                 "文件及对讲机：请参阅 'zr40 --help'。\n");
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
