#include "support/shown_texts.h"

#include <QComboBox>
#include <QFontInfo>
#include <QVariant>
#include <algorithm>

namespace korvane::testing {
namespace {

// The design's pixel sizes are its points at 96 dots per inch.
constexpr double kPointsPerPixel = 0.75;

QString Line(const char* control, const QString& text, const QString& tip, const QString& font,
             const QColor& ink) {
    QString line = QStringLiteral("%1: \"%2\" tip \"%3\"").arg(control, text, tip);
    if (!font.isEmpty()) {
        line += " in " + font;
    }
    return ink.isValid() ? line + " ink " + ink.name() : line;
}

// A frame's title, a list's entries, else the control's text, if it has one.
QString Caption(const QWidget& control) {
    QStringList entries;
    if (const auto* list = qobject_cast<const QComboBox*>(&control)) {
        for (int i = 0; i < list->count(); ++i) {
            entries << list->itemText(i);
        }
        return entries.join(" | ");
    }
    const QVariant title = control.property("title");
    return (title.isValid() ? title : control.property("text")).toString();
}

// The family asked for, its size, and the face that is drawn.
QString FontOf(const QWidget& control) {
    const QFont& font = control.font();
    return QStringLiteral("%1 %2 pt%3 drawn as %4")
        .arg(font.family())
        .arg(font.pixelSize() * kPointsPerPixel)
        .arg(font.bold() || font.italic() ? " bold or italic" : "")
        .arg(QFontInfo(font).family());
}

}  // namespace

QStringList Expected(const std::vector<ShownText>& rows) {
    QStringList lines;
    for (const ShownText& row : rows) {
        // Liberation Sans has the design face's metrics.
        const QString font =
            row.points > 0
                ? QStringLiteral("MS Sans Serif %1 pt drawn as Liberation Sans").arg(row.points)
                : QString();
        lines << Line(row.control, row.text, row.tip, font, row.ink);
    }
    return lines;
}

QStringList ShownBy(const QWidget& window, const std::vector<ShownText>& rows) {
    QStringList lines;
    for (const ShownText& row : rows) {
        const auto* control = window.findChild<QWidget*>(row.control);
        if (control == nullptr) {
            lines << QStringLiteral("%1: no such control").arg(row.control);
            continue;
        }
        lines << Line(
            row.control, Caption(*control), control->toolTip(),
            row.points > 0 ? FontOf(*control) : QString(),
            row.ink.isValid() ? control->palette().color(control->foregroundRole()) : QColor());
    }
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        const bool listed = std::any_of(rows.begin(), rows.end(),
                                        [&](const ShownText& row) { return name == row.control; });
        if (!listed && !name.isEmpty() && !name.startsWith("qt_") &&
            !(Caption(*control).isEmpty() && control->toolTip().isEmpty())) {
            lines << Line(qPrintable(name), Caption(*control), control->toolTip(), {}, {});
        }
    }
    return lines;
}

}  // namespace korvane::testing
