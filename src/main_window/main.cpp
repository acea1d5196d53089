#include <QApplication>

#include "main_window/frm_sulfite.h"
#include "main_window/startup.h"
#include "platform/app_setup.h"
#include "platform/instance_guard.h"

int main(int /*argc*/, char** argv) {
    // Qt gets only the program name: the program takes no arguments of its own.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    korvane::platform::SetUpApplication();

    korvane::platform::InstanceGuard guard;
    korvane::FrmSulfite window;
    if (!korvane::LoadMainWindow(window, guard)) {
        return 0;
    }
    // The desktop session ending closes the window like any other request.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &QWidget::close);
    window.show();
    return QApplication::exec();
}
