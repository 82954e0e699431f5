#include "codeplug/text_catalogue.h"

#include <QTranslator>

namespace zr40 {

QTranslator& TextCatalogue::Translator() {
    static QTranslator* chinese = [] {
        auto* translator = new QTranslator;
        // Built in by the build (qt_add_translations); its absence is a build fault.
        if (!translator->load(QStringLiteral(":/i18n/zr40cps_zh_CN.qm")))
            qWarning("The Chinese text catalogue is missing from the program.");
        return translator;
    }();
    return *chinese;
}

QString TextCatalogue::Chinese(const char* context, const char* source, const char* disambiguation,
                               int n) {
    const QString text = Translator().translate(context, source, disambiguation, n);
    if (text.isEmpty())
        return English(source, n);
    return n < 0 ? text : QString(text).replace(QLatin1String("%n"), QString::number(n));
}

QString TextCatalogue::English(const char* source, int n) {
    const QString text = QString::fromUtf8(source);
    return n < 0 ? text : QString(text).replace(QLatin1String("%n"), QString::number(n));
}

} // namespace zr40
