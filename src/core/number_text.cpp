// Numbers as text. Reading uses std::from_chars and writing std::to_chars, both
// independent of the user's locale. All rounding to a number of decimals or
// of significant digits is done on decimal digit strings, never on binary
// values, so that a half is really a half: "2.675" rounds to 2.68, while the
// binary value nearest to 2.675 (slightly below it) rounds to 2.67.
#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <system_error>

namespace korvane {

namespace {

// Exponents beyond this only ever mean zero or overflow; saturating keeps
// the arithmetic on them free of integer overflow.
constexpr long ExponentLimit = 100000;

// A decimal number as sign, significant digits and point position:
// the value is 0.digits x 10^pointPosition. Zero has no digits.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // no leading or trailing zeros
    long pointPosition = 0;
};

// A text that has the form of a number, split for both readers: the digits
// for exact decimal rounding and the text that std::from_chars accepts
// (which takes no leading '+').
struct NumberForm {
    DecimalDigits decimal;
    std::string_view parseText;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The one place that decides which texts have the form of a number:
// [blanks][+|-]digits[.digits][(e|E)[+|-]digits][blanks], with at least one
// digit in the mantissa; either side of the period may be empty.
std::optional<NumberForm> ScanNumberForm(std::string_view text) {
    text = TrimBlanks(text);
    NumberForm form;
    form.parseText = text;
    std::size_t pos = 0;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        form.decimal.negative = text.front() == '-';
        if (!form.decimal.negative) {
            form.parseText.remove_prefix(1);
        }
        ++pos;
    }

    std::string mantissa;
    long integerDigits = 0;
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            mantissa.push_back(c);
            if (!seenPoint) {
                ++integerDigits;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (mantissa.empty()) {
        return std::nullopt;
    }

    long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponentNegative = text[pos] == '-';
            ++pos;
        }
        const std::size_t exponentStart = pos;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            exponent = std::min(ExponentLimit, exponent * 10 + (text[pos] - '0'));
        }
        if (pos == exponentStart) {
            return std::nullopt;
        }
        if (exponentNegative) {
            exponent = -exponent;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }

    const std::size_t firstSignificant = mantissa.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        return form;  // zero: no digits
    }
    const std::size_t lastSignificant = mantissa.find_last_not_of('0');
    form.decimal.digits = mantissa.substr(firstSignificant, lastSignificant - firstSignificant + 1);
    form.decimal.pointPosition = integerDigits - static_cast<long>(firstSignificant) + exponent;
    return form;
}

// Reads the value of a text that has the form of a number. A magnitude too
// small for the type reads as zero; one too large for it is not a value.
template <typename Number>
std::optional<Number> ReadValue(const NumberForm& form) {
    Number value{};
    const char* first = form.parseText.data();
    const char* last = first + form.parseText.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        // Below 1 in magnitude, out of range can only mean underflow.
        if (form.decimal.pointPosition > 0) {
            return std::nullopt;
        }
        return form.decimal.negative ? -Number{} : Number{};
    }
    if (error != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

// A numeric text: the form of a number and within single precision's range.
std::optional<NumberForm> ReadNumericText(std::string_view text) {
    auto form = ScanNumberForm(text);
    if (!form || !ReadValue<float>(*form)) {
        return std::nullopt;
    }
    return form;
}

// The digits of round(|value| x 10^decimals), halves away from zero, where
// value is given by its decimal digits; empty when that is zero. A negative
// count of decimals rounds to tens, hundreds and so on.
std::string RoundToUnits(const DecimalDigits& value, long decimals) {
    const long keep = value.pointPosition + decimals;
    const auto size = static_cast<long>(value.digits.size());
    std::string units;
    bool roundUp = false;
    if (keep < 0 || value.digits.empty()) {
        roundUp = false;
    } else if (keep == 0) {
        roundUp = value.digits.front() >= '5';
    } else {
        units = value.digits.substr(0, static_cast<std::size_t>(std::min(keep, size)));
        units.append(static_cast<std::size_t>(std::max(0L, keep - size)), '0');
        roundUp = keep < size && value.digits[static_cast<std::size_t>(keep)] >= '5';
    }
    if (roundUp) {
        auto digit = units.rbegin();
        for (; digit != units.rend() && *digit == '9'; ++digit) {
            *digit = '0';
        }
        if (digit == units.rend()) {
            units.insert(units.begin(), '1');
        } else {
            ++*digit;
        }
    }
    return units;
}

// Writes units x 10^-decimals in plain decimal: at least one digit before the
// point and exactly `decimals` after it (none, and no point, for zero).
std::string PlaceDecimalPoint(std::string units, long decimals) {
    if (units.empty()) {
        units = "0";
    }
    if (decimals <= 0) {
        if (units != "0") {
            units.append(static_cast<std::size_t>(-decimals), '0');
        }
        return units;
    }
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (units.size() < width) {
        units.insert(0, width - units.size(), '0');
    }
    units.insert(units.size() - static_cast<std::size_t>(decimals), 1, '.');
    return units;
}

std::optional<std::string> NonFiniteText(double value) {
    if (std::isnan(value)) {
        return std::string("NaN");
    }
    if (std::isinf(value)) {
        return std::string(value < 0 ? "-Infinity" : "Infinity");
    }
    return std::nullopt;
}

long PatternDecimals(DisplayPattern pattern) {
    switch (pattern) {
        case DisplayPattern::TwoDecimals:
            return 2;
        case DisplayPattern::OneDecimal:
            return 1;
        case DisplayPattern::WholeNumber:
            break;
    }
    return 0;
}

// A value rounded to a fixed number of decimals. A result of zero carries no
// sign, and the whole-number pattern writes it as nothing at all.
std::string WritePattern(const DecimalDigits& value, DisplayPattern pattern) {
    const long decimals = PatternDecimals(pattern);
    std::string units = RoundToUnits(value, decimals);
    if (units.empty() && pattern == DisplayPattern::WholeNumber) {
        return {};
    }
    const bool negative = value.negative && !units.empty();
    std::string text = PlaceDecimalPoint(std::move(units), decimals);
    return negative ? "-" + text : text;
}

// The decimal digits of a finite double, taken from its text with the given
// number of significant digits (correctly rounded by std::to_chars).
DecimalDigits DoubleDigits(double value, int significantDigits) {
    // Room for a sign, the digits, the point and an exponent like "e-324".
    std::array<char, 160> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    // to_chars writes a form that the scanner accepts.
    return ScanNumberForm(text).value_or(NumberForm{}).decimal;
}

}  // namespace

bool IsEmptyText(std::string_view text) {
    return text.empty();
}

bool IsNumericText(std::string_view text) {
    return ReadNumericText(text).has_value();
}

std::optional<float> TextToSingle(std::string_view text) {
    const auto form = ScanNumberForm(text);
    if (!form) {
        return std::nullopt;
    }
    // Reading the single is also the range test that makes a text numeric.
    return ReadValue<float>(*form);
}

std::optional<double> TextToDouble(std::string_view text) {
    const auto form = ReadNumericText(text);
    if (!form) {
        return std::nullopt;
    }
    return ReadValue<double>(*form);
}

std::string FormatPattern(double value, DisplayPattern pattern) {
    if (auto word = NonFiniteText(value)) {
        return *word;
    }
    // Fifteen significant digits first: a value that came out of a binary
    // sum such as 0.44 + 0.01 is written as the decimal the user expects
    // before its halves are rounded.
    return WritePattern(DoubleDigits(value, 15), pattern);
}

// Seven significant digits, rounded half away from zero on the exact decimal
// expansion of the single value. Every single has a finite decimal expansion
// of at most 112 significant digits; std::to_chars gives it in full with 120,
// so a value that lies exactly halfway (12345665, for one) goes up to
// 12345670 rather than to the even neighbour that to_chars's own rounding
// would choose.
std::string SingleToText(float value) {
    if (auto word = NonFiniteText(value)) {
        return *word;
    }
    const DecimalDigits exact = DoubleDigits(value, 121);
    if (exact.digits.empty()) {
        return "0";
    }
    const long decimals = 7 - exact.pointPosition;
    std::string text = PlaceDecimalPoint(RoundToUnits(exact, decimals), decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return exact.negative ? "-" + text : text;
}

std::string FormatFixed2(double value) {
    return FormatPattern(value, DisplayPattern::TwoDecimals);
}

std::string FormatFixed2(std::string_view text) {
    const auto form = ReadNumericText(text);
    if (!form) {
        return std::string(text);
    }
    return WritePattern(form->decimal, DisplayPattern::TwoDecimals);
}

}  // namespace korvane
