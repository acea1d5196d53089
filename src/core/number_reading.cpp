// Reading numbers from text, independent of the user's locale: the one
// place that decides which texts are numbers, and the readers of their
// values.
#include <charconv>
#include <cstdint>
#include <system_error>

#include "core/blanks.h"
#include "core/number_digits.h"
#include "core/number_text.h"

namespace korvane {
namespace number_detail {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

namespace {

std::size_t DigitsFrom(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

}  // namespace

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

namespace {

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
constexpr auto kSinglePowersOfTen = PowersOfTen<float, 11>();
static_assert(kSinglePowersOfTen[10] == 1e10F);

// The most common texts of all, such as "3.5" or "-12.25", in one pass,
// into `value`: false for anything else, which the full reader then takes.
bool ReadPlainShortDecimal(std::string_view text, float& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && IsBlank(*first)) {
        ++first;
    }
    while (first != last && IsBlank(last[-1])) {
        --last;
    }
    bool negative = false;
    if (first != last && (*first == '-' || *first == '+')) {
        negative = *first == '-';
        ++first;
    }
    if (first == last || last - first > 10) {
        return false;
    }
    // Ten digits at most: the sum cannot overflow before the test.
    std::uint64_t whole = 0;
    const char* point = nullptr;
    for (const char* at = first; at != last; ++at) {
        const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*at) - '0');
        if (digit < 10) {
            whole = whole * 10 + digit;
        } else if (*at == '.' && point == nullptr) {
            point = at;
        } else {
            return false;
        }
    }
    const long digits = (last - first) - (point != nullptr ? 1 : 0);
    if (digits == 0 || digits > 9 || whole > (std::uint64_t{1} << 24)) {
        return false;
    }
    const std::size_t decimals = point == nullptr ? 0 : static_cast<std::size_t>(last - point - 1);
    const float magnitude = static_cast<float>(whole) / kSinglePowersOfTen[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

std::optional<float> ReadSingle(const NumberForm& form) {
    return ReadValue<float>(form);
}

}  // namespace

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

// A numeric text: the form of a number and within single precision's range.
std::optional<NumberForm> ReadNumericText(std::string_view text) {
    auto form = ScanNumberForm(text);
    if (!form || !ReadSingle(*form)) {
        return std::nullopt;
    }
    return form;
}

}  // namespace number_detail

using namespace number_detail;

bool IsEmptyText(std::string_view text) {
    return text.empty();
}

bool IsNumericText(std::string_view text) {
    return ReadNumericText(text).has_value();
}

std::optional<float> TextToSingle(std::string_view text) {
    float value = 0.0F;
    if (!TextToSingle(text, value)) {
        return std::nullopt;
    }
    return value;
}

bool TextToSingle(std::string_view text, float& value) {
    if (ReadPlainShortDecimal(text, value)) {
        return true;
    }
    const auto form = ScanNumberForm(text);
    // Reading the single is also the range test that makes a text numeric.
    const std::optional<float> read = form ? ReadSingle(*form) : std::nullopt;
    if (!read) {
        return false;
    }
    value = *read;
    return true;
}

std::optional<double> TextToDouble(std::string_view text) {
    const auto form = ReadNumericText(text);
    if (!form) {
        return std::nullopt;
    }
    return ReadValue<double>(*form);
}

}  // namespace korvane
