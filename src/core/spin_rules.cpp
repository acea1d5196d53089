#include "core/spin_rules.h"

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

}  // namespace

std::optional<std::string> SteppedText(const SpinRule& rule, std::string_view text, int barValue) {
    // The step is taken in double precision; the limits compare singles.
    const std::optional<double> value = TextToDouble(text);
    if (!value) {
        return std::nullopt;
    }
    return FormatPattern(*value - barValue / rule.divisor, rule.pattern);
}

std::optional<std::string> LimitedText(const SpinLimit& limit, std::string_view text) {
    float value = 0.0F;
    if (TextToSingle(text, value) && !FailsLimit(limit, value)) {
        return std::nullopt;
    }
    return std::string(limit.replacement);
}

}  // namespace korvane
