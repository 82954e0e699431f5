#pragma once

#include "codeplug/codeplug.h"

#include <QMainWindow>

namespace zr40 {

// The application's main window: menus, toolbar, page tree, status bar and the page area.
class MDIFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIFormMain(Codeplug& codeplug, QWidget* parent = nullptr);

private:
    Codeplug& codeplug_;
};

} // namespace zr40
