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
#include <cstdint>
#include <string>
#include <system_error>

#include "core/decimal_rounding.h"

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

// A text that has the form of a number: where its parts lie, for both
// readers. The decimal digits for exact rounding are taken from it only when
// they are needed; std::from_chars reads `parseText` (it takes no leading
// '+').
struct NumberForm {
    bool negative = false;
    std::string_view integerPart;   // digits before the point
    std::string_view fractionPart;  // digits after it
    long exponent = 0;              // saturated at ExponentLimit
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

std::size_t DigitsFrom(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
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
        form.negative = text.front() == '-';
        if (!form.negative) {
            form.parseText.remove_prefix(1);
        }
        ++pos;
    }
    std::size_t end = DigitsFrom(text, pos);
    form.integerPart = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size() && text[pos] == '.') {
        end = DigitsFrom(text, pos + 1);
        form.fractionPart = text.substr(pos + 1, end - pos - 1);
        pos = end;
    }
    if (form.integerPart.empty() && form.fractionPart.empty()) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponentNegative = text[pos] == '-';
            ++pos;
        }
        end = DigitsFrom(text, pos);
        if (end == pos) {
            return std::nullopt;
        }
        for (; pos < end; ++pos) {
            form.exponent = std::min(ExponentLimit, form.exponent * 10 + (text[pos] - '0'));
        }
        if (exponentNegative) {
            form.exponent = -form.exponent;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return form;
}

// Where the point lies before the first significant digit (see
// DecimalDigits); 0 for zero.
long PointPosition(const NumberForm& form) {
    const std::size_t integerZeros = form.integerPart.find_first_not_of('0');
    if (integerZeros != std::string_view::npos) {
        return static_cast<long>(form.integerPart.size() - integerZeros) + form.exponent;
    }
    const std::size_t fractionZeros = form.fractionPart.find_first_not_of('0');
    if (fractionZeros == std::string_view::npos) {
        return 0;
    }
    return -static_cast<long>(fractionZeros) + form.exponent;
}

DecimalDigits DigitsOf(const NumberForm& form) {
    DecimalDigits decimal;
    decimal.negative = form.negative;
    decimal.digits.reserve(form.integerPart.size() + form.fractionPart.size());
    decimal.digits.append(form.integerPart).append(form.fractionPart);
    const std::size_t first = decimal.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        decimal.digits.clear();  // zero: no digits
        return decimal;
    }
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    decimal.digits.erase(0, first);
    decimal.pointPosition = PointPosition(form);
    return decimal;
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
        if (PointPosition(form) > 0) {
            return std::nullopt;
        }
        return form.negative ? -Number{} : Number{};
    }
    if (error != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

// Powers of ten that are exact singles.
constexpr float kSinglePowersOfTen[] = {1e0F, 1e1F, 1e2F, 1e3F, 1e4F, 1e5F,
                                        1e6F, 1e7F, 1e8F, 1e9F, 1e10F};

// A plain decimal of at most the digits a single holds exactly, read the
// quick way: both the digits as a whole number and the power of ten are
// exact singles, so one division rounds as correctly as std::from_chars.
std::optional<float> ReadShortDecimal(const NumberForm& form) {
    constexpr std::uint32_t kExactLimit = std::uint32_t{1} << 24;
    if (form.exponent != 0 || form.fractionPart.size() >= std::size(kSinglePowersOfTen) ||
        form.integerPart.size() + form.fractionPart.size() > 9) {
        return std::nullopt;
    }
    std::uint32_t whole = 0;
    for (const std::string_view part : {form.integerPart, form.fractionPart}) {
        for (const char digit : part) {
            whole = whole * 10 + static_cast<std::uint32_t>(digit - '0');
        }
    }
    if (whole > kExactLimit) {
        return std::nullopt;
    }
    const float value = static_cast<float>(whole) / kSinglePowersOfTen[form.fractionPart.size()];
    return form.negative ? -value : value;
}

// The most common texts of all, such as "3.5" or "-12.25", in one pass:
// none for anything else, which the full reader then takes.
std::optional<float> ReadPlainShortDecimal(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::uint32_t whole = 0;
    std::size_t digits = 0;
    std::size_t point = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            // Nine digits at most, so the sum cannot overflow before the test.
            whole = digits < 9 ? whole * 10 + static_cast<std::uint32_t>(c - '0') : whole;
            ++digits;
        } else if (c == '.' && point == text.size()) {
            point = i;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > 9 || whole > (std::uint32_t{1} << 24)) {
        return std::nullopt;
    }
    const std::size_t decimals = point == text.size() ? 0 : text.size() - point - 1;
    const float value = static_cast<float>(whole) / kSinglePowersOfTen[decimals];
    return negative ? -value : value;
}

std::optional<float> ReadSingle(const NumberForm& form) {
    if (const std::optional<float> value = ReadShortDecimal(form)) {
        return value;
    }
    return ReadValue<float>(form);
}

// A numeric text: the form of a number and within single precision's range.
std::optional<NumberForm> ReadNumericText(std::string_view text) {
    auto form = ScanNumberForm(text);
    if (!form || !ReadSingle(*form)) {
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
        units.push_back('0');
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

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

constexpr std::uint64_t PowerOfTen(long power) {
    return kPowersOfTen[static_cast<std::size_t>(power)];
}

// The same as WritePattern, straight from the integer digits: none where the
// figure would not fit 64 bits, and the caller then writes it the long way.
std::optional<std::string> WriteScaledPattern(bool negative, const ScaledDecimal& value,
                                              DisplayPattern pattern) {
    const long decimals = PatternDecimals(pattern);
    // Digits below the last one shown.
    const long dropped = -static_cast<long>(value.exponent) - decimals;
    std::uint64_t units = value.units;
    if (dropped > 19) {
        units = 0;  // less than half of the last digit shown
    } else if (dropped > 0) {
        const std::uint64_t power = PowerOfTen(dropped);
        const bool up = units % power >= power / 2;
        units = units / power + (up ? 1 : 0);
    } else if (dropped < 0) {
        if (dropped < -19 || units >= PowerOfTen(19 + dropped)) {
            return std::nullopt;
        }
        units *= PowerOfTen(-dropped);
    }
    if (units == 0 && pattern == DisplayPattern::WholeNumber) {
        return std::string();
    }
    // A result of zero carries no sign.
    const bool withSign = negative && units != 0;
    // Written backwards from the last digit: the decimals, the point, and at
    // least one digit before it.
    std::array<char, 48> buffer;
    char* first = buffer.data() + buffer.size();
    for (long i = 0; i < decimals; ++i) {
        *--first = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    if (decimals > 0) {
        *--first = '.';
    }
    do {
        *--first = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0);
    if (withSign) {
        *--first = '-';
    }
    return std::string(first, buffer.data() + buffer.size());
}

// The decimal digits of a finite double, taken from its text with the given
// number of significant digits (correctly rounded by std::to_chars).
DecimalDigits DoubleDigits(double value, int significantDigits) {
    // Room for a sign, the digits, the point and an exponent like "e-324".
    std::array<char, 160> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    // to_chars writes a form that the scanner accepts.
    return DigitsOf(ScanNumberForm(text).value_or(NumberForm{}));
}

DecimalDigits FromScaled(bool negative, const ScaledDecimal& scaled) {
    DecimalDigits decimal;
    decimal.negative = negative;
    decimal.digits = std::to_string(scaled.units);
    decimal.pointPosition = scaled.exponent + static_cast<long>(decimal.digits.size());
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

// `value` (finite) with the given significant digits: by integer arithmetic
// where it reaches, else from std::to_chars, which rounds halves to even.
DecimalDigits SignificantDigits(double value, int digits) {
    if (value == 0.0) {
        return {};
    }
    if (const auto scaled = RoundToSignificantDigits(std::fabs(value), digits, Halves::ToEven)) {
        return FromScaled(value < 0.0, *scaled);
    }
    return DoubleDigits(value, digits);
}

// The single's value rounded to seven significant digits, half away from
// zero on its exact decimal expansion. Every single has a finite expansion of
// at most 112 significant digits, but seventeen (correctly rounded by
// std::to_chars) already decide the rounding unless they end in exactly a
// half: only then is the full expansion needed, so that a value lying
// exactly halfway (12345665, for one) goes up to 12345670 rather than to the
// even neighbour that to_chars's own rounding would choose.
DecimalDigits SevenSignificantDigits(float value) {
    if (value == 0.0F) {
        return {};
    }
    if (const auto scaled = RoundToSignificantDigits(std::fabs(static_cast<double>(value)), 7,
                                                     Halves::AwayFromZero)) {
        return FromScaled(value < 0.0F, *scaled);
    }
    DecimalDigits digits = DoubleDigits(value, 17);
    const bool maybeHalf = digits.digits.size() == 8 && digits.digits.back() == '5';
    if (maybeHalf) {
        digits = DoubleDigits(value, 121);
    }
    if (digits.digits.empty()) {
        return digits;
    }
    DecimalDigits rounded;
    rounded.negative = digits.negative;
    rounded.digits = RoundToUnits(digits, 7 - digits.pointPosition);
    // A carry (9999999.5 to 10000000) moves the point one place.
    rounded.pointPosition = digits.pointPosition + (rounded.digits.size() > 7 ? 1 : 0);
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    return rounded;
}

}  // namespace

bool IsEmptyText(std::string_view text) {
    return text.empty();
}

bool IsNumericText(std::string_view text) {
    return ReadNumericText(text).has_value();
}

std::optional<float> TextToSingle(std::string_view text) {
    if (const std::optional<float> value = ReadPlainShortDecimal(text)) {
        return value;
    }
    const auto form = ScanNumberForm(text);
    if (!form) {
        return std::nullopt;
    }
    // Reading the single is also the range test that makes a text numeric.
    return ReadSingle(*form);
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
    if (value != 0.0) {
        const auto scaled = RoundToSignificantDigits(std::fabs(value), 15, Halves::ToEven);
        if (auto text = scaled ? WriteScaledPattern(value < 0.0, *scaled, pattern) : std::nullopt) {
            return *text;
        }
    }
    return WritePattern(SignificantDigits(value, 15), pattern);
}

std::string SingleToText(float value) {
    if (auto word = NonFiniteText(value)) {
        return *word;
    }
    const DecimalDigits rounded = SevenSignificantDigits(value);
    if (rounded.digits.empty()) {
        return "0";
    }
    // Plain decimal: exactly the rounded digits, with zeros only where the
    // point lies outside them.
    const long decimals = static_cast<long>(rounded.digits.size()) - rounded.pointPosition;
    std::string text = PlaceDecimalPoint(rounded.digits, decimals);
    return rounded.negative ? "-" + text : text;
}

std::string FormatFixed2OfSingle(float value) {
    if (auto word = NonFiniteText(value)) {
        return *word;
    }
    if (value != 0.0F) {
        const auto scaled = RoundToSignificantDigits(std::fabs(static_cast<double>(value)), 7,
                                                     Halves::AwayFromZero);
        if (auto text = scaled
                            ? WriteScaledPattern(value < 0.0F, *scaled, DisplayPattern::TwoDecimals)
                            : std::nullopt) {
            return *text;
        }
    }
    return WritePattern(SevenSignificantDigits(value), DisplayPattern::TwoDecimals);
}

std::string FormatFixed2(double value) {
    return FormatPattern(value, DisplayPattern::TwoDecimals);
}

std::string FormatFixed2(std::string_view text) {
    const auto form = ReadNumericText(text);
    if (!form) {
        return std::string(text);
    }
    return WritePattern(DigitsOf(*form), DisplayPattern::TwoDecimals);
}

}  // namespace korvane
