#include "shell/mdi_form_main.h"

namespace zr40 {

MDIFormMain::MDIFormMain(Codeplug& codeplug, QWidget* parent)
    : QMainWindow(parent), codeplug_(codeplug) {
    setWindowTitle(QStringLiteral("ZR40"));
}

} // namespace zr40
