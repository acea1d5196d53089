// Spin-edit fields: a numeric text box with a spin bar beside it. Shared by
// the main window and the Default Settings dialog.
#pragma once

#include <QObject>
#include <optional>

#include "dose/number_text.h"

class QAbstractSlider;
class QKeyEvent;
class QLineEdit;

namespace korvane {

// A limit that a stepped value must respect. The value is compared in single
// precision; a value failing the test (or no number at all) is replaced.
struct SpinLimit {
    enum class Test { Below, AtOrBelow, Above, AtOrAbove };
    Test replacedWhen;
    float bound;
    const char* replacement;
};

// One pair: the bar's value divided by `divisor` is the step.
struct SpinRule {
    const char* field;
    const char* bar;
    double divisor;
    DisplayPattern pattern;
    SpinLimit lower;
    std::optional<SpinLimit> upper;
};

// The pairs both editing windows have: a quantity steps and is limited the
// same way in the main window and in the Default Settings dialog.
inline constexpr SpinRule kSolutionSpin{"txtSolution",
                                        "vsbPercent",
                                        1,
                                        DisplayPattern::WholeNumber,
                                        {SpinLimit::Test::AtOrBelow, 1, "1"},
                                        SpinLimit{SpinLimit::Test::AtOrAbove, 100, "100"}};
inline constexpr SpinRule kTabletWeightSpin{"txtTabWeight",
                                            "vsbCampden",
                                            100,
                                            DisplayPattern::TwoDecimals,
                                            {SpinLimit::Test::AtOrBelow, 0, "0.00"},
                                            std::nullopt};
inline constexpr SpinRule kBatchSizeSpin{"txtBatchSize",
                                         "vsbBatchSize",
                                         1,
                                         DisplayPattern::WholeNumber,
                                         {SpinLimit::Test::Below, 0, "0"},
                                         std::nullopt};

// Moves the focus into the field, steps its number by the bar's value,
// puts the bar back to rest (which runs a nested step with value 0) and
// applies the limits. A step that cannot be carried out is skipped.
void SpinStep(const SpinRule& rule, QLineEdit* field, QAbstractSlider* bar);

// Keeps control codes (26 and below) and the characters "0123456789.";
// sets any other code to 0, which discards the key.
void FilterNumericKey(int& code);

// The character code a keyboard sends for this key press (Ctrl+letter gives
// 1 to 26), or none for keys that send no character (arrows, Delete).
std::optional<int> KeyCharacterCode(const QKeyEvent& event);

// Filters the character keys typed into the text boxes it is installed on.
class NumericKeyFilter : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Connects every pair of `rules` found among the children of `window`: each
// bar's change runs SpinStep, and each field gets the key filter.
void ConnectSpinEdits(QWidget* window, const SpinRule* rules, std::size_t count,
                      NumericKeyFilter* filter);

}  // namespace korvane
