#include "widgets/spin_edit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "widgets/spin_bar.h"
#include "widgets/text_box.h"

namespace korvane::widgets {
void SpinStep(const SpinRule& rule, TextBox* field, SpinBar* bar) {
    if (field->isEnabled()) {
        field->setFocus(Qt::OtherFocusReason);
    }
    // The core takes the whole click, the bar's return to rest included, so
    // the page and both windows step alike. Putting the bar back runs this
    // once more with 0, which leaves the text as it is.
    field->setText(
        QString::fromStdString(korvane::SpinStep(rule, field->text().toStdString(), bar->value())));
    bar->setValue(0);
}

std::optional<int> KeyCharacterCode(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        default:
            break;
    }
    // Ctrl with a letter sends 1 to 26. Ctrl together with Alt is how some
    // keyboards type characters (AltGr), so that is a character key.
    const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    // Any key that would type something is a character, whatever the
    // modifiers: Alt+Q would otherwise put a q into the field. The Alt access
    // keys of the buttons are shortcuts, handled before the field sees them.
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return std::nullopt;
    }
    return static_cast<int>(text.at(0).unicode());
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<int> code = KeyCharacterCode(*key);
    if (!code) {
        return QObject::eventFilter(watched, event);
    }
    int filtered = *code;
    FilterNumericKey(filtered, decimalKey_);
    if (filtered == 0) {
        return true;  // dropped without a sound
    }
    if (filtered != *code) {
        // The key arrives as the character the filter made of it.
        QKeyEvent replaced(QEvent::KeyPress, Qt::Key_Period, key->modifiers(),
                           QString(QChar(filtered)), key->isAutoRepeat(),
                           static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(watched, &replaced);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

SpinEditField::SpinEditField(TextBox* field, SpinBar* bar, const SpinRule& rule,
                             NumericKeyFilter* filter)
    : QObject(field), rule_(rule), field_(field), bar_(bar) {
    field->installEventFilter(filter);
    connect(bar, &SpinBar::valueChanged, this, [this] { SpinStep(rule_, field_, bar_); });
}

void BindSpinEdit(TextBox* field, SpinBar* bar, const SpinRule& rule, NumericKeyFilter* filter) {
    new SpinEditField(field, bar, rule, filter);
}

}  // namespace korvane::widgets
