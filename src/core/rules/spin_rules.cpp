#include "core/rules/spin_rules.h"

#include <utility>

namespace korvane {
namespace {

using Test = SpinLimit::Test;

bool FailsLimit(const SpinLimit& limit, float value) {
    switch (limit.replacedWhen) {
        case Test::Below:
            return value < limit.bound;
        case Test::AtOrBelow:
            return value <= limit.bound;
        case Test::Above:
            return value > limit.bound;
        case Test::AtOrAbove:
            return value >= limit.bound;
    }
    return false;
}

// The field's text moved by one step of `barValue` and written with the
// rule's pattern; none when the text holds no number (it is then left as
// it is).
std::optional<std::string> SteppedText(const SpinRule& rule, std::string_view text, int barValue) {
    // The step is taken in double precision; the limits compare singles.
    const std::optional<double> value = TextToDouble(text);
    if (!value) {
        return std::nullopt;
    }
    return FormatPattern(*value - barValue / rule.divisor, rule.pattern);
}

// The replacement text when `text` fails `limit` or holds no number; none
// when the text may stay.
std::optional<std::string> LimitedText(const SpinLimit& limit, std::string_view text) {
    float value = 0.0F;
    if (TextToSingle(text, value) && !FailsLimit(limit, value)) {
        return std::nullopt;
    }
    return std::string(limit.replacement);
}

void Step(const SpinRule& rule, std::string& text, int barValue) {
    if (std::optional<std::string> stepped = SteppedText(rule, text, barValue)) {
        text = std::move(*stepped);
    }
}

void Limit(const SpinRule& rule, std::string& text) {
    if (std::optional<std::string> lower = LimitedText(rule.lower, text)) {
        text = std::move(*lower);
    }
    if (!rule.upper) {
        return;
    }
    if (std::optional<std::string> upper = LimitedText(*rule.upper, text)) {
        text = std::move(*upper);
    }
}

}  // namespace

std::string SpinStep(const SpinRule& rule, std::string_view text, int barValue) {
    std::string field(text);
    Step(rule, field, barValue);
    if (barValue != 0) {
        Step(rule, field, 0);  // the bar back at rest runs the step again
        Limit(rule, field);
    }
    Limit(rule, field);
    return field;
}

}  // namespace korvane
