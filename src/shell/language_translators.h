#pragma once

namespace zr40 {

// The application's translators for the interface language: the program's own catalogue and the
// toolkit's (file dialog labels, context menus of text boxes), installed while the language is
// Chinese and removed while it is English. Qt then sends every window a LanguageChange. The
// toolkit's catalogue is the system's (Debian: qt6-translations-l10n); without it those few texts
// stay English.
class LanguageTranslators {
public:
    static void Apply(bool english);
};

} // namespace zr40
