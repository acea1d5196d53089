// Reading numbers from text, independent of the user's locale: the one
// place that decides which texts are numbers, and the readers of their
// values. Natively fast_float reads values exactly as std::from_chars
// would, wherever the standard library has no floating from_chars. In the
// web page the C library reads them: it rounds as exactly, its locale is
// always "C", and it is a third the size of fast_float's tables and code,
// which every phone would download on its first visit.
#ifdef __EMSCRIPTEN__
#include <cstdlib>
#include <string>
#include <type_traits>
#else
#include <fast_float/fast_float.h>
#endif

#include <algorithm>
#include <cmath>

#include "core/blanks.h"
#include "core/number_digits.h"
#include "core/number_text.h"

namespace korvane {
namespace {

// Exponents beyond this only ever mean zero: saturating keeps the
// arithmetic on them free of integer overflow.
constexpr long kExponentLimit = 100000;

// The one place that decides which texts are numbers: surrounding blanks
// aside, [+|-]digits[.digits][(e|E)[+|-]digits] with at least one digit
// before the exponent, either side of the period may be empty, and its
// value finite in `Number`, which it is read into. That is fast_float's
// form, without its words for infinity and NaN, which read as no finite
// value, and with a plus it does not take. A magnitude too small for
// `Number` reads as zero.
#ifdef __EMSCRIPTEN__
// The number of decimal digits at the start of `text`, and `text` past them.
std::size_t SkipDigits(std::string_view& text) {
    const std::size_t count = std::min(text.find_first_not_of("0123456789"), text.size());
    text.remove_prefix(count);
    return count;
}

// Whether `text` has the form above, without the plus.
bool HasNumberForm(std::string_view text) {
    text.remove_prefix(text.starts_with('-') ? 1 : 0);
    std::size_t digits = SkipDigits(text);
    if (text.starts_with('.')) {
        text.remove_prefix(1);
        digits += SkipDigits(text);
    }
    if (digits == 0) {
        return false;
    }
    if (text.starts_with('e') || text.starts_with('E')) {
        text.remove_prefix(text.size() > 1 && (text[1] == '+' || text[1] == '-') ? 2 : 1);
        if (SkipDigits(text) == 0) {
            return false;
        }
    }
    return text.empty();
}

// strtof and strtod read from a terminated copy of a text HasNumberForm
// accepted, whole.
template <typename Number>
Number ReadValue(std::string_view text) {
    const std::string terminated(text);
    if constexpr (std::is_same_v<Number, float>) {
        return std::strtof(terminated.c_str(), nullptr);
    } else {
        return std::strtod(terminated.c_str(), nullptr);
    }
}
#endif

template <typename Number>
bool ReadNumber(std::string_view text, Number& value) {
    text = TrimBlanks(text);
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
#ifdef __EMSCRIPTEN__
    if (!HasNumberForm(text)) {
        return false;
    }
    const Number read = ReadValue<Number>(text);
#else
    Number read{};
    const char* last = text.data() + text.size();
    const auto [end, error] = fast_float::from_chars(text.data(), last, read);
    if (end != last || error != std::errc{}) {
        return false;
    }
#endif
    if (!std::isfinite(read)) {
        return false;
    }
    value = read;
    return true;
}

}  // namespace

std::optional<number_detail::DecimalDigits> number_detail::NumericDigits(std::string_view text,
                                                                         std::string& room) {
    float value = 0;
    if (!ReadNumber(text, value)) {
        return std::nullopt;
    }
    // A sign, digits with a point, and an exponent.
    text = TrimBlanks(text);
    const std::size_t exponentAt = std::min(text.find_first_of("eE"), text.size());
    room.clear();
    long point = -1;
    for (const char c : text.substr(0, exponentAt)) {
        if (c == '.') {
            point = static_cast<long>(room.size());
        } else if (c != '+' && c != '-') {
            room += c;
        }
    }
    const std::string_view exponentText = text.substr(std::min(exponentAt + 1, text.size()));
    long exponent = 0;
    for (const char c : exponentText) {
        exponent = c == '+' || c == '-' ? 0 : std::min(kExponentLimit, exponent * 10 + (c - '0'));
    }
    exponent = exponentText.starts_with('-') ? -exponent : exponent;
    DecimalDigits decimal{text.front() == '-', {}, 0};
    const std::size_t first = room.find_first_not_of('0');
    if (first != std::string::npos) {
        decimal.digits =
            std::span<char>(room).subspan(first, room.find_last_not_of('0') + 1 - first);
        // The point lies after the digits before it, moved by the exponent.
        decimal.pointPosition = (point < 0 ? static_cast<long>(room.size()) : point) -
                                static_cast<long>(first) + exponent;
    }
    return decimal;
}

bool IsEmptyText(std::string_view text) {
    return text.empty();
}

bool IsNumericText(std::string_view text) {
    float value = 0;
    return ReadNumber(text, value);
}

bool TextToSingle(std::string_view text, float& value) {
    return ReadNumber(text, value);
}

std::optional<double> TextToDouble(std::string_view text) {
    // Numeric means within the single range first.
    float single = 0;
    double value = 0;
    return ReadNumber(text, single) && ReadNumber(text, value) ? std::optional(value)
                                                               : std::nullopt;
}

}  // namespace korvane
