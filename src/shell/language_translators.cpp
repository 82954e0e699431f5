#include "shell/language_translators.h"

#include "codeplug/text_catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zr40 {

namespace {

// Qt's own Chinese texts, loaded on first use; null where the system has none.
QTranslator* ToolkitChinese() {
    static QTranslator* chinese = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            return static_cast<QTranslator*>(nullptr);
        }
        return translator;
    }();
    return chinese;
}

} // namespace

void LanguageTranslators::Apply(bool english) {
    // Qt would list a translator installed twice twice and send every window a LanguageChange
    // each time: only a change of language installs or removes.
    static bool chinese = false;
    if (!QCoreApplication::instance() || chinese == !english)
        return;
    chinese = !english;
    for (QTranslator* translator : {ToolkitChinese(), &TextCatalogue::Translator()}) {
        if (!translator)
            continue;
        if (english)
            QCoreApplication::removeTranslator(translator);
        else
            QCoreApplication::installTranslator(translator);
    }
}

} // namespace zr40
