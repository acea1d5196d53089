// Any text read as a number, and any single written back: the numeric test
// and both readers agree, a text that is not numeric comes back unchanged,
// and what is written reads back as the same value at the precision written.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/rules/number_text.h"

namespace {

using namespace korvane;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

constexpr DisplayPattern kPatterns[] = {DisplayPattern::TwoDecimals, DisplayPattern::OneDecimal,
                                        DisplayPattern::WholeNumber};

int Decimals(DisplayPattern pattern) {
    return pattern == DisplayPattern::TwoDecimals  ? 2
           : pattern == DisplayPattern::OneDecimal ? 1
                                                   : 0;
}

void CheckText(std::string_view text) {
    float single = 0;
    const bool numeric = TextToSingle(text, single);
    const auto number = TextToDouble(text);
    Require(IsNumericText(text) == numeric);
    Require(numeric == number.has_value());
    const std::string fixed = FormatFixed2(text);
    if (!numeric) {
        Require(fixed == text);
        return;
    }
    // Two decimals of a numeric text are numeric again, and stay as they are.
    Require(IsNumericText(fixed) || !std::isfinite(*number));
    if (IsNumericText(fixed)) {
        Require(FormatFixed2(fixed) == fixed);
    }
}

// A pattern's text reads back within half of its last digit of the value,
// and writing that again gives the same text.
void CheckPattern(double value) {
    for (const DisplayPattern pattern : kPatterns) {
        const std::string text = FormatPattern(value, pattern);
        if (!std::isfinite(value)) {
            Require(!IsNumericText(text));
            continue;
        }
        if (text.empty()) {
            Require(pattern == DisplayPattern::WholeNumber && std::fabs(value) < 0.5 + 1e-9);
            continue;
        }
        const auto back = TextToDouble(text);
        if (!back) {
            continue;  // beyond the single range: not a field's number
        }
        const double half = 0.5 * std::pow(10.0, -Decimals(pattern));
        Require(std::fabs(*back - value) <= half * (1 + 1e-9) + std::fabs(value) * 1e-14);
        Require(FormatPattern(*back, pattern) == text);
    }
}

void CheckSingle(float value) {
    const std::string text = SingleToText(value);
    std::array<char, kSingleFixed2Room> fixed;
    Require(std::string_view(fixed.data(), WriteFixed2OfSingle(value, fixed.data())) ==
            FormatFixed2(text));
    if (!std::isfinite(value)) {
        Require(!IsNumericText(text));
        return;
    }
    Require(text.find_first_of("eE") == std::string::npos);  // plain decimal only
    float back = 0;
    Require(TextToSingle(text, back));
    // Seven significant digits: the text read back writes the same text.
    Require(SingleToText(back) == text);
    Require(std::fabs(back - value) <= std::fabs(value) * 1e-6F);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckText(text);
    if (const auto number = TextToDouble(text)) {
        CheckPattern(*number);
    }
    if (size >= sizeof(float)) {
        float single = 0;
        std::memcpy(&single, data, sizeof single);
        CheckSingle(single);
        CheckPattern(single);
    }
    if (size >= sizeof(double)) {
        double number = 0;
        std::memcpy(&number, data, sizeof number);
        if (std::fabs(number) < 1e30 || !std::isfinite(number)) {
            CheckPattern(number);
        }
    }
    return 0;
}
