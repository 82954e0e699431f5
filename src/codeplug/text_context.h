#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_catalogue.h"

#include <QString>

namespace zr40 {

// What every text-producing rule needs to know: the interface language and the decimal
// separator chosen from the user's locale at start-up.
struct TextContext {
    bool IsEnglish = false;
    QChar DecimalSeparator = QLatin1Char('.');

    static TextContext Of(const Codeplug& codeplug) {
        return {codeplug.IsEnglish, codeplug.DecimalSeparator.isEmpty()
                                        ? QLatin1Char('.')
                                        : codeplug.DecimalSeparator.at(0)};
    }
    // A text in the language asked for, whatever translator the application has installed:
    // the English source, or its Chinese from the catalogue. lupdate reads these calls as it
    // reads QCoreApplication::translate (-tr-function-alias translate+=Tr).
    QString Tr(const char* context, const char* source, const char* disambiguation = nullptr,
               int n = -1) const {
        return IsEnglish ? TextCatalogue::English(source, n)
                         : TextCatalogue::Chinese(context, source, disambiguation, n);
    }
};

} // namespace zr40
