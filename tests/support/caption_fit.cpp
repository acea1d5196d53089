#include "support/caption_fit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace korvane::testing {
namespace {

// A left-aligned caption may run into trailing blanks, a right-aligned one
// into leading blanks: only the drawn characters must fit.
QString DrawnPart(const QString& text, Qt::Alignment alignment) {
    qsizetype first = 0;
    qsizetype last = text.size();
    if (alignment & Qt::AlignLeft) {
        while (last > 0 && text.at(last - 1) == ' ') {
            --last;
        }
    }
    if (alignment & Qt::AlignRight) {
        while (first < last && text.at(first) == ' ') {
            ++first;
        }
    }
    return text.mid(first, last - first);
}

// The part of a label's contents, in its parent's coordinates, that is
// neither cut off by the container nor covered by a sibling drawn above it
// (as the teaspoon figure covers the right part of the amount's unit).
QRect UncoveredRoom(const QLabel& label) {
    const QWidget* parent = label.parentWidget();
    QRect room = label.contentsRect().translated(label.pos()).intersected(parent->contentsRect());
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QLabel*>(&label)) + 1; i < siblings.size();
         ++i) {
        // Only a sibling across the line the text is drawn on covers it.
        const auto* above = qobject_cast<const QWidget*>(siblings.at(i));
        if (above == nullptr || !above->isVisibleTo(parent) ||
            !above->geometry().intersects(room) || above->y() > room.center().y() ||
            above->geometry().bottom() < room.center().y()) {
            continue;
        }
        if (above->x() > room.left()) {
            room.setRight(std::min(room.right(), above->x() - 1));
        } else {
            room.setLeft(std::max(room.left(), above->geometry().right() + 1));
        }
    }
    return room;
}

void Check(QStringList& failures, const QWidget& control, const QString& text, QSize needed,
           QSize room) {
    if (needed.width() <= room.width() && needed.height() <= room.height()) {
        return;
    }
    failures << QStringLiteral("%1: %2 (needs %3x%4, has %5x%6)")
                    .arg(control.objectName(), text)
                    .arg(needed.width())
                    .arg(needed.height())
                    .arg(room.width())
                    .arg(room.height());
}

void CheckLabel(QStringList& failures, const QLabel& label) {
    const QFontMetrics metrics(label.font());
    const QString drawn = DrawnPart(label.text(), label.alignment());
    const QRect room = UncoveredRoom(label).adjusted(label.margin(), label.margin(),
                                                     -label.margin(), -label.margin());
    const int indent = std::max(label.indent(), 0);
    Check(failures, label, label.text(),
          QSize(metrics.horizontalAdvance(drawn) + indent, metrics.height()), room.size());
}

void CheckFrame(QStringList& failures, const QGroupBox& frame) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.textAlignment = frame.alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &frame);
    const QFontMetrics metrics(frame.font());
    const QRect room = title.intersected(frame.rect());
    Check(failures, frame, frame.title(),
          QSize(metrics.horizontalAdvance(frame.title()), metrics.height()), room.size());
}

void CheckOption(QStringList& failures, const QRadioButton& option) {
    QStyleOptionButton style;
    style.initFrom(&option);
    style.text = option.text();
    const QRect room =
        option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option);
    Check(failures, option, option.text(),
          QFontMetrics(option.font()).size(Qt::TextShowMnemonic, option.text()), room.size());
}

void CheckButton(QStringList& failures, const QPushButton& button) {
    QStyleOptionButton style;
    style.initFrom(&button);
    style.text = button.text();
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &style, &button);
    Check(failures, button, button.text(),
          QFontMetrics(button.font()).size(Qt::TextShowMnemonic, button.text()), room.size());
}

void CheckList(QStringList& failures, const QComboBox& list) {
    QStyleOptionComboBox style;
    style.initFrom(&list);
    style.editable = list.isEditable();
    style.frame = list.hasFrame();
    style.subControls = QStyle::SC_All;
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &style,
                                                     QStyle::SC_ComboBoxEditField, &list);
    const QFontMetrics metrics(list.font());
    // An entry is drawn one pixel in from each side of the field.
    const QSize room(field.width() - 2, field.height());
    for (int i = 0; i < list.count(); ++i) {
        Check(failures, list, list.itemText(i),
              QSize(metrics.horizontalAdvance(list.itemText(i)), metrics.height()), room);
    }
}

}  // namespace

QStringList CaptionsThatDoNotFit(const QWidget& window) {
    QStringList failures;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&window) && !label->text().isEmpty()) {
            CheckLabel(failures, *label);
        }
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        CheckFrame(failures, *frame);
    }
    for (const QRadioButton* option : window.findChildren<QRadioButton*>()) {
        CheckOption(failures, *option);
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        CheckButton(failures, *button);
    }
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        CheckList(failures, *list);
    }
    return failures;
}

QStringList ControlsOutOfPlace(const QWidget& window) {
    QStringList faults;
    const auto named = [&window](const QObject* object) {
        const auto* control = qobject_cast<const QWidget*>(object);
        return control != nullptr && control->window() == &window &&
                       !control->objectName().isEmpty() && !control->objectName().startsWith("qt_")
                   ? control
                   : nullptr;
    };
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (named(control) == nullptr) {
            continue;
        }
        const QWidget* container = control->parentWidget();
        if (!container->contentsRect().contains(control->geometry())) {
            faults << control->objectName() + " sticks out of " + container->objectName();
        }
        for (const QObject* other : container->children()) {
            const QWidget* sibling = named(other);
            if (sibling != nullptr && control->objectName() < sibling->objectName() &&
                control->geometry().intersects(sibling->geometry())) {
                faults << control->objectName() + " overlaps " + sibling->objectName();
            }
        }
    }
    faults.sort();
    return faults;
}

}  // namespace korvane::testing
