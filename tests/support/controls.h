// A window's control by its object name, for tests that reach into a window
// the way the user sees it.
#pragma once

#include <QWidget>
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

}  // namespace korvane
