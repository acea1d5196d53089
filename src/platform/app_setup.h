// Program-wide Qt set-up shared by the program and its tests.
#pragma once

#include <Qt>

class QFont;
class QIcon;
class QWidget;

namespace korvane::platform {

// Registers the font substitutions, the windows' font and style, and the
// program's names. Call once, right after the QApplication exists.
void SetUpApplication();

// Gives every window the application icon. Reading it costs more than a
// millisecond (Qt looks through its image plugins), so the program does it
// once its main window is on the screen.
void SetApplicationIcon();

// The application icon, the same image as the program file's own.
QIcon ApplicationIcon();

// The fonts the windows were designed with. "MS Sans Serif" is substituted by
// a face with the same metrics. Sizes are fixed in pixels as at 96 dots per
// inch, because every control has a fixed pixel size.
QFont DefaultWindowFont();  // 8.25 points: text boxes, lists, dialog buttons
QFont CaptionFont();        // 9.75 points: labels, frames, options
QFont FormFont(double points);

// A dialog with a fixed border, a system menu and a close box, and no
// minimise, maximise or help box.
Qt::WindowFlags FixedDialogFlags();

// Gives every control of `window` its designed font: captions (labels,
// frames, option buttons) the caption font, text boxes and lists the window's
// default font, push buttons whichever `buttonsUseCaptionFont` says. Each
// control gets its font explicitly, so nothing inherits a frame's font.
void ApplyDesignFonts(QWidget* window, bool buttonsUseCaptionFont);

// Puts every caption label beneath the fields, lists and buttons beside it,
// as the forms were designed: a caption that reaches under a field (the
// batch size's does) never hides part of it or takes its clicks.
void LayCaptionsBeneathControls(QWidget* window);

}  // namespace korvane::platform
