// The second yardstick for Korvane's start-up (benchmarks/startup.sh): the
// main window's own form, its controls in their fonts and style, and nothing
// of the program's own work: no settings read, no instance guard, no
// language, no first calculation. What Korvane takes beyond this is what its
// own start-up costs; what this takes beyond a bare window is what Qt takes
// to build and draw forty-seven controls with their text.
#include <QApplication>
#include <QWidget>

#include "platform/app_setup.h"
#include "ui_frm_sulfite.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    korvane::platform::SetUpApplication();
    QWidget window;
    Ui::frmSulfite form;
    form.setupUi(&window);
    window.setWindowTitle(QStringLiteral("Bare form"));
    window.setFixedSize(window.size());
    korvane::platform::ApplyDesignFonts(&window, true);
    window.show();
    return QApplication::exec();
}
