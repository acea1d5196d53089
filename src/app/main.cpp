#include <QApplication>
#include <QTimer>

#include "app/app_context.h"
#include "app/main_window/frm_sulfite.h"
#include "app/startup.h"
#include "platform/address_opener.h"
#include "platform/app_setup.h"
#include "platform/instance_guard.h"
#include "platform/message_boxes.h"
#include "platform/program_end.h"
#include "platform/program_folder.h"
#include "platform/translations.h"

int main(int /*argc*/, char** argv) {
    // Qt gets only the program name: the program takes no arguments of its own.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    korvane::platform::SetUpApplication();
    const korvane::platform::UiLanguage language;

    korvane::platform::QtMessageBoxes messageBoxes;
    korvane::platform::DesktopAddressOpener addresses;
    korvane::platform::QtProgramEnd programEnd;
    korvane::AppContext context(messageBoxes, addresses, programEnd);
    context.SetDecimalKey(language.DecimalKeyOfLanguage());

    korvane::platform::InstanceGuard guard;
    korvane::FrmSulfite window(context);
    if (!korvane::LoadMainWindow(window, guard, korvane::platform::ProgramFolder())) {
        return 0;
    }
    // The desktop session ending closes the window like any other request.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &QWidget::close);
    window.show();
    QTimer::singleShot(0, &korvane::platform::SetApplicationIcon);
    return QApplication::exec();
}
