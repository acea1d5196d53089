#include "main_window/spin_edit.h"

#include <QAbstractSlider>
#include <QKeyEvent>
#include <QLineEdit>
#include <string_view>

#include "platform/text_box.h"

namespace korvane {
namespace {

constexpr std::string_view kNumericCharacters = "0123456789.";
constexpr int kLastControlCode = 26;

bool FailsLimit(const SpinLimit& limit, float value) {
    switch (limit.replacedWhen) {
        case SpinLimit::Test::Below:
            return value < limit.bound;
        case SpinLimit::Test::AtOrBelow:
            return value <= limit.bound;
        case SpinLimit::Test::Above:
            return value > limit.bound;
        case SpinLimit::Test::AtOrAbove:
            return value >= limit.bound;
    }
    return false;
}

void ApplyLimit(const SpinLimit& limit, QLineEdit* field) {
    const std::optional<float> value = TextToSingle(field->text().toStdString());
    if (!value || FailsLimit(limit, *value)) {
        platform::WriteFieldText(field, QString::fromUtf8(limit.replacement));
    }
}

}  // namespace

void SpinStep(const SpinRule& rule, QLineEdit* field, QAbstractSlider* bar) {
    if (field->isEnabled()) {
        field->setFocus(Qt::OtherFocusReason);
    }
    if (const std::optional<double> value = TextToDouble(field->text().toStdString())) {
        const double stepped = *value - bar->value() / rule.divisor;
        platform::WriteFieldText(field,
                                 QString::fromStdString(FormatPattern(stepped, rule.pattern)));
    }
    // Back to rest; the change runs this step once more with value 0.
    bar->setValue(0);
    ApplyLimit(rule.lower, field);
    if (rule.upper) {
        ApplyLimit(*rule.upper, field);
    }
}

void FilterNumericKey(int& code) {
    if (code <= kLastControlCode) {
        return;
    }
    if (code < 128 && kNumericCharacters.find(static_cast<char>(code)) != std::string_view::npos) {
        return;
    }
    code = 0;
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
        case Qt::Key_Escape:
            return 27;
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
    if (event->type() == QEvent::KeyPress) {
        if (std::optional<int> code = KeyCharacterCode(*static_cast<QKeyEvent*>(event))) {
            FilterNumericKey(*code);
            if (*code == 0) {
                return true;  // dropped without a sound
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ConnectSpinEdits(QWidget* window, const SpinRule* rules, std::size_t count,
                      NumericKeyFilter* filter) {
    for (std::size_t i = 0; i < count; ++i) {
        const SpinRule& rule = rules[i];
        auto* field = window->findChild<QLineEdit*>(rule.field);
        auto* bar = window->findChild<QAbstractSlider*>(rule.bar);
        if (field == nullptr || bar == nullptr) {
            continue;
        }
        field->installEventFilter(filter);
        QObject::connect(bar, &QAbstractSlider::valueChanged, window,
                         [&rule, field, bar] { SpinStep(rule, field, bar); });
    }
}

}  // namespace korvane
