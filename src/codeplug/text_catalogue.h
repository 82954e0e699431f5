#pragma once

#include <QString>

class QTranslator;

namespace zr40 {

// The program's texts are written in English in the source (tr(), QT_TR_NOOP, TextContext::Tr);
// their Chinese comes from one catalogue, translations/zr40cps_zh_CN.ts, built into the program.
// Windows follow the catalogue installed as the application's translator; rules that are handed
// a language (TextContext) look their texts up here themselves, so that one run can speak both.
class TextCatalogue {
public:
    // The Chinese of a source text; the source itself where the catalogue has none. `n` fills
    // "%n" as QObject::tr does.
    static QString Chinese(const char* context, const char* source,
                           const char* disambiguation = nullptr, int n = -1);
    // The catalogue as a translator, loaded on first use (the application installs it).
    static QTranslator& Translator();
    // The English source with "%n" filled, as tr() gives it where no translator is installed.
    static QString English(const char* source, int n = -1);
};

} // namespace zr40
