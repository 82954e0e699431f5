#include "codeplug/codeplug.h"
#include "shell/mdi_form_main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zr40::Codeplug codeplug;
    zr40::MDIFormMain window(codeplug);
    window.show();
    return app.exec();
}
