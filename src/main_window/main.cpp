#include <QApplication>

#include "main_window/frm_sulfite.h"
#include "platform/app_setup.h"

int main(int /*argc*/, char** argv) {
    // Qt gets only the program name: the program takes no arguments of its own.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    korvane::platform::SetUpApplication();
    korvane::FrmSulfite window;
    window.show();
    return QApplication::exec();
}
