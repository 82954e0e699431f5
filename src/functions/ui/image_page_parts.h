#pragma once

#include "codeplug/text_context.h"

class QBoxLayout;
class QLabel;
class QWidget;

namespace zr40 {

class ConfigPage;

// What the pages on the model image share: the line that says where their settings go (nowhere
// beyond this run) and the Close and Help buttons.
class ImagePageParts {
public:
    // "These settings are kept while the program runs; ..." in the interface language.
    static QLabel* AddNote(QBoxLayout* layout, QWidget* page, const TextContext& ctx);
    // CommandClose closes the page's window, CommandHelp opens its help topic.
    static void AddCommands(QBoxLayout* layout, ConfigPage* page, const TextContext& ctx);
    // Closes the child window the page lives in (or the page, when it stands alone).
    static void ClosePage(QWidget* page);
};

} // namespace zr40
