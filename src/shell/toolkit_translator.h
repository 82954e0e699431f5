#pragma once

namespace zr40 {

// The toolkit's own texts (file dialog labels, context menus of text boxes) follow the interface
// language when the system has Qt's Chinese translations installed (Debian:
// qt6-translations-l10n); without them those few texts stay English.
class ToolkitTranslator {
public:
    static void Apply(bool english);
};

} // namespace zr40
