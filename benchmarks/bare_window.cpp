// The yardstick for Korvane's start-up (benchmarks/startup.sh): a window of the
// main window's size with only what every Qt Widgets program pays for to show
// one (the application object, the platform plugin, the default style and
// font) and nothing of Korvane's own: no fonts or style chosen, no icon, no
// translations, no instance guard, no settings, no controls.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(510, 310);
    window.show();
    return QApplication::exec();
}
