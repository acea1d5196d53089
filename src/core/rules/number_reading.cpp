// Reading numbers from text, independent of the user's locale: natively
// with fast_float, exact as std::from_chars, which has no floating types
// here; in the web page with the browser's reader, as exact.
#ifdef __EMSCRIPTEN__
#include <type_traits>
#else
#include <fast_float/fast_float.h>
#endif

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/rules/blanks.h"
#include "core/rules/number_digits.h"
#include "core/rules/number_text.h"

#ifdef __EMSCRIPTEN__
// The page's own reader (web/core.js), exact as fast_float: `single` asks
// for the nearest float, written as a double. The C library's strtod would
// bring software 128-bit floats, a tenth of the core's bytes, which a first
// visit over a phone's network waits for.
extern "C" __attribute__((import_module("env"), import_name("korvane_read_decimal"))) double
korvane_read_decimal(const char* text, std::size_t size, int single);
#endif

namespace korvane {
namespace {

// Exponents beyond this only ever mean zero: saturating keeps the
// arithmetic on them free of integer overflow.
constexpr long kExponentLimit = 100000;

// Almost every figure of a sheet or a cellar file is a short plain decimal
// ("3.62", "2250", "-0.5"). With at most seven digits its digits make an
// integer a float holds exactly, and its point a power of ten a float holds
// exactly, so one correctly rounded division gives the very bits the full
// reading gives (fast_float's own fast path, which it reaches only after
// its general parsing). Anything else, or nothing, goes the full way.
template <typename Number>
std::optional<Number> ReadShortDecimal(std::string_view text) {
    constexpr std::size_t kMostDigits = 7;
    static constexpr std::array<Number, kMostDigits + 1> kPowersOfTen{1e0, 1e1, 1e2, 1e3,
                                                                      1e4, 1e5, 1e6, 1e7};
    const bool negative = text.starts_with('-');
    text.remove_prefix(negative ? 1 : 0);
    if (text.empty() || text.size() > kMostDigits + 1) {
        return std::nullopt;
    }
    std::uint32_t digits = 0;
    std::size_t count = 0;
    std::size_t pointAt = text.size();
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<std::uint32_t>(c - '0');
            ++count;
        } else if (c == '.' && pointAt == text.size()) {
            pointAt = at;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || count > kMostDigits) {
        return std::nullopt;
    }
    const std::size_t fraction = pointAt == text.size() ? 0 : text.size() - pointAt - 1;
    const Number value = static_cast<Number>(digits) / kPowersOfTen[fraction];
    return negative ? -value : value;
}

// Whether `text` has the form ReadNumber reads, whatever its value, with no
// minus sign: [+]digits[.digits][(e|E)[+|-]digits], with a digit somewhere
// before the exponent.
bool HasPositiveNumberForm(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t at = text.starts_with('+') ? 1 : 0;
    const auto digitsFrom = [&text](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            ++end;
        }
        return end - from;
    };
    std::size_t mantissa = digitsFrom(at);
    at += mantissa;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = digitsFrom(at + 1);
        mantissa += fraction;
        at += 1 + fraction;
    }
    if (mantissa == 0) {
        return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        at += at < text.size() && (text[at] == '+' || text[at] == '-') ? 1 : 0;
        const std::size_t exponent = digitsFrom(at);
        if (exponent == 0) {
            return false;
        }
        at += exponent;
    }
    return at == text.size();
}

// The one place that decides which texts are numbers: surrounding blanks
// aside, [+|-]digits[.digits][(e|E)[+|-]digits] with a digit before the
// exponent, and a value finite in `Number`: fast_float's form, without its
// words for infinity and NaN, and with a plus. Too small reads as zero.
template <typename Number>
std::optional<Number> ReadNumber(std::string_view text) {
    // Nearly every text begins and ends with a digit: no blank to trim, no
    // plus to pass over.
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.empty() || !digit(text.front()) || !digit(text.back())) {
        text = TrimBlanks(text);
        text.remove_prefix(text.size() > 1 && text[0] == '+' && text[1] != '-' ? 1 : 0);
    }
    if (const std::optional<Number> shortOne = ReadShortDecimal<Number>(text)) {
        return shortOne;
    }
    Number read{};
#ifdef __EMSCRIPTEN__
    // The browser's reader also takes blanks, a plus, hexadecimal and words.
    const std::string_view magnitude = text.substr(text.starts_with('-') ? 1 : 0);
    if (magnitude.find_first_of(".0123456789") != 0 || !HasPositiveNumberForm(magnitude)) {
        return std::nullopt;
    }
    read = static_cast<Number>(
        korvane_read_decimal(text.data(), text.size(), std::is_same_v<Number, float> ? 1 : 0));
    const bool whole = true;
#else
    const char* last = text.data() + text.size();
    const auto [end, error] = fast_float::from_chars(text.data(), last, read);
    const bool whole = end == last && error == std::errc{};
#endif
    return whole && std::isfinite(read) ? std::optional(read) : std::nullopt;
}

}  // namespace

std::optional<number_detail::DecimalDigits> number_detail::NumericDigits(std::string_view text,
                                                                         std::string& room) {
    if (!ReadNumber<float>(text)) {
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
    return ReadNumber<float>(text).has_value();
}

bool TextToSingle(std::string_view text, float& value) {
    const std::optional<float> read = ReadNumber<float>(text);
    value = read.value_or(value);
    return read.has_value();
}

bool IsBeyondSingleRange(std::string_view text) {
    // Too small a value reads as zero, so what has the form and is not
    // numeric is too large.
    return HasPositiveNumberForm(text) && !ReadNumber<float>(text);
}

std::optional<double> TextToDouble(std::string_view text) {
    // Numeric means within the single range first.
    return ReadNumber<float>(text) ? ReadNumber<double>(text) : std::nullopt;
}

}  // namespace korvane
