// Spin-edit fields: a numeric text box with a spin bar beside it, bound to
// the core's rule for its quantity. Both editing windows are made of them.
#pragma once

#include <QObject>
#include <optional>

#include "core/rules/key_filter.h"
#include "core/rules/spin_rules.h"

class QKeyEvent;
class QLineEdit;

namespace korvane::widgets {

class SpinBar;
class TextBox;

// Moves the focus into the field, steps its number by the bar's value, puts
// the bar back to rest (which runs a nested step with value 0) and applies
// the limits. A step that cannot be carried out is skipped.
void SpinStep(const SpinRule& rule, TextBox* field, SpinBar* bar);

// The character code a keyboard sends for this key press (Ctrl+letter gives
// 1 to 26), or none for keys that type no character (arrows, Delete, and
// Escape, which the window answers).
std::optional<int> KeyCharacterCode(const QKeyEvent& event);

// Filters the character keys typed into the text boxes it watches: what the
// core's key filter drops never reaches the field, and a comma it turns into
// a period arrives as one.
class NumericKeyFilter : public QObject {
    Q_OBJECT

  public:
    explicit NumericKeyFilter(DecimalKey decimalKey, QObject* parent = nullptr)
        : QObject(parent), decimalKey_(decimalKey) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DecimalKey decimalKey_;
};

// One field and its bar: the bar's change runs SpinStep with `rule`, and the
// field's keys go through `filter`. Lives as long as the field.
class SpinEditField : public QObject {
    Q_OBJECT

  public:
    SpinEditField(TextBox* field, SpinBar* bar, const SpinRule& rule, NumericKeyFilter* filter);

  private:
    const SpinRule& rule_;
    TextBox* field_;
    SpinBar* bar_;
};

// Binds a field and its bar to `rule`, for as long as the field lives.
void BindSpinEdit(TextBox* field, SpinBar* bar, const SpinRule& rule, NumericKeyFilter* filter);

}  // namespace korvane::widgets
