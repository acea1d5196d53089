// What a window shows its user, control by control, read from the live
// window: each control's caption (a label's or button's text, a frame's
// title, a field's text, a list's entries), its tip, the size of the font it
// is drawn in and, where the design gives one, its ink. A window's test lists
// what each control should show in one table and compares the two lists.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

#include "support/printers.h"

class QWidget;

namespace korvane::testing {

// The windows' two font sizes: captions, and what the user types and picks.
inline constexpr double kCaption = 9.75;
inline constexpr double kEntry = 8.25;

struct ShownText {
    const char* control;
    QString text = {};  // list entries joined by " | "
    QString tip = {};
    double points = 0;  // "MS Sans Serif" at this size; 0: draws no text
    QColor ink = {};    // left out of the comparison when not given
};

// One line a control: the rows as `expected`, and what the window shows for
// the same controls followed by every other named control that has a text
// or a tip, which the table should then have listed.
QStringList Expected(const std::vector<ShownText>& rows);
QStringList ShownBy(const QWidget& window, const std::vector<ShownText>& rows);

}  // namespace korvane::testing
