#include "shell/toolkit_translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zr40 {

void ToolkitTranslator::Apply(bool english) {
    static QTranslator* chinese = nullptr;
    if (!QCoreApplication::instance())
        return;
    if (english) {
        if (chinese)
            QCoreApplication::removeTranslator(chinese);
        return;
    }
    if (!chinese) {
        chinese = new QTranslator(QCoreApplication::instance());
        if (!chinese->load(QStringLiteral("qtbase_zh_CN"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete chinese;
            chinese = nullptr;
            return;
        }
    }
    QCoreApplication::installTranslator(chinese);
}

} // namespace zr40
