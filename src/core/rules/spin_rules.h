// How each numeric quantity steps when its spin arrows are clicked: the size
// of one step, the pattern the stepped number is written with, and the limits
// that replace a number out of range. Both editing windows use these rows,
// so a quantity steps the same wherever it is edited.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/number_text.h"

namespace korvane {

// A limit that a stepped value must respect. The value is compared in single
// precision; a value failing the test (or no number at all) is replaced.
struct SpinLimit {
    enum class Test { Below, AtOrBelow, Above, AtOrAbove };
    Test replacedWhen;
    float bound;
    const char* replacement;
};

// The bar's value (-1 for the upper arrow, +1 for the lower) divided by
// `divisor` is subtracted from the field's number.
struct SpinRule {
    double divisor;
    DisplayPattern pattern;
    SpinLimit lower;
    std::optional<SpinLimit> upper;
};

inline constexpr SpinRule kExistingSO2Spin{
    1, DisplayPattern::TwoDecimals, {SpinLimit::Test::Below, 0, "0.00"}, std::nullopt};
inline constexpr SpinRule kTargetFreeSpin{
    1, DisplayPattern::TwoDecimals, {SpinLimit::Test::Below, 0, "0.00"}, std::nullopt};
inline constexpr SpinRule kTargetMolecularSpin{
    100, DisplayPattern::TwoDecimals, {SpinLimit::Test::Below, 0, "0.00"}, std::nullopt};
inline constexpr SpinRule kBatchSizeSpin{
    1, DisplayPattern::WholeNumber, {SpinLimit::Test::Below, 0, "0"}, std::nullopt};
inline constexpr SpinRule kPhSpin{10,
                                  DisplayPattern::OneDecimal,
                                  {SpinLimit::Test::Below, 1, "1.0"},
                                  SpinLimit{SpinLimit::Test::Above, 14, "14.0"}};
inline constexpr SpinRule kSolutionSpin{1,
                                        DisplayPattern::WholeNumber,
                                        {SpinLimit::Test::AtOrBelow, 1, "1"},
                                        SpinLimit{SpinLimit::Test::AtOrAbove, 100, "100"}};
inline constexpr SpinRule kTabletWeightSpin{
    100, DisplayPattern::TwoDecimals, {SpinLimit::Test::AtOrBelow, 0, "0.00"}, std::nullopt};

// What a click on an arrow makes of the field's text, as every editing
// window and the web page do it: the step, then the bar put back to rest,
// which steps once more by 0 and applies the limits, then the limits again.
// With `barValue` 0 (the bar already at rest) only the step by 0 and the
// limits. Applied to its own result with 0, it changes nothing.
std::string SpinStep(const SpinRule& rule, std::string_view text, int barValue);

}  // namespace korvane
