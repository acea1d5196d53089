// A window's control by its object name, for tests that reach into a window
// the way the user sees it, and the window made the active one.
#pragma once

#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <stdexcept>
#include <string>

namespace korvane {

// Throws when the window has no such control, so that a renamed control fails
// the test that names it instead of crashing the whole run.
template <typename Control = QWidget>
Control* Get(const QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(name);
    if (control == nullptr) {
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return control;
}

// The seven defaults as a window (the main window or the settings dialog)
// shows them, in the file's order; the method as the name of its option.
inline QStringList ShownDefaults(const QWidget& window) {
    QString method;
    for (const char* option : {"optPowder", "optSolution", "optTablet"}) {
        if (Get<QRadioButton>(window, option)->isChecked()) {
            method = option;
        }
    }
    return {Get<QComboBox>(window, "cboForm")->currentText(),
            method,
            Get<QComboBox>(window, "cboBatch")->currentText(),
            Get<QLineEdit>(window, "txtSolution")->text(),
            Get<QLineEdit>(window, "txtTabWeight")->text(),
            Get<QLineEdit>(window, "txtBatchSize")->text(),
            Get<QComboBox>(window, "cboTarget")->currentText()};
}

// Whether the window became the one with the focus.
inline bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor(
        [window] { return QGuiApplication::focusWindow() == window->windowHandle(); }, 3000);
}

// An icon told apart from others by its cache key.
inline QIcon SolidIcon(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

}  // namespace korvane
