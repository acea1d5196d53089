// Whether every caption a window shows fits its control in the fonts that
// are actually drawn: label captions (where a control stacked above one
// covers part of it, only the uncovered part counts), frame titles, option
// and button captions, and every entry of every list. Used for every window
// in every language. And whether the controls lie where they can be seen.
#pragma once

#include <QStringList>

#include "support/printers.h"

class QWidget;

namespace korvane::testing {

// One line per caption that does not fit: "objectName: text (needs N, has M)".
// Labels are checked as they stand now (visible ones only); the other
// controls whether shown or not.
QStringList CaptionsThatDoNotFit(const QWidget& window);

// One line per named control of the window that sticks out of its container
// ("a sticks out of b") or overlaps a named sibling ("a overlaps b", the two
// names in order): the design's exceptions are then listed by the test.
QStringList ControlsOutOfPlace(const QWidget& window);

}  // namespace korvane::testing
