// Writing numbers as text, independent of the user's locale. Every figure
// is rounded on decimal digits, exactly, never on binary values, so that a
// half is really a half: "2.675" rounds to 2.68, while the binary value
// nearest to 2.675 (slightly below it) rounds to 2.67.
#include "core/rules/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "core/rules/number_digits.h"

namespace korvane {

using namespace number_detail;

namespace {

enum class Halves { AwayFromZero, ToEven };

// Fifteen significant digits first: a value that came out of a binary sum
// such as 0.44 + 0.01 is written as the decimal the user expects before
// its halves are rounded. An exact half of the fifteenth digit goes to the
// even one, as it did when these digits were printed.
constexpr long kNumberDigits = 15;
// What SingleToText keeps, and WriteFixed2OfSingle therefore rounds.
constexpr long kSingleDigits = 7;
// For WriteRounded: as many decimals as the rounded digits have.
constexpr long kAllDecimals = -1;

// Rounds `value` in place to its first `keep` significant digits; none or
// fewer keep nothing but what rounding up brings.
void RoundTo(DecimalDigits& value, long keep, Halves halves) {
    const auto size = static_cast<long>(value.digits.size());
    if (keep >= size) {
        return;
    }
    std::span<char> kept = value.digits.first(static_cast<std::size_t>(std::max(keep, 0L)));
    const char next = keep < 0 ? '0' : value.digits[static_cast<std::size_t>(keep)];
    const bool odd = !kept.empty() && (kept.back() - '0') % 2 == 1;
    // The digits have no trailing zeros: a 5 that ends them is exactly half.
    const bool up =
        next > '5' || (next == '5' && (keep + 1 < size || halves == Halves::AwayFromZero || odd));
    // Trailing zeros drop, and so do the nines that rounding up makes
    // zeros; all nines become a 1 in the next place up.
    while (!kept.empty() && kept.back() == (up ? '9' : '0')) {
        kept = kept.first(kept.size() - 1);
    }
    if (up && kept.empty()) {
        kept = value.digits.first(1);
        kept[0] = '0';
        ++value.pointPosition;
    }
    if (up) {
        ++kept.back();
    }
    value.digits = kept;
    value.pointPosition = kept.empty() ? 0 : value.pointPosition;
}

// Writes `value` in plain decimal at `out`: at least one digit before the
// point and exactly `decimals` after it (none, and no point, for 0), and a
// minus only before a value that is not zero. Where the text ends.
char* WritePlain(const DecimalDigits& value, long decimals, char* out) {
    const auto size = static_cast<long>(value.digits.size());
    const auto digitAt = [&value, size](long index) {
        return index >= 0 && index < size ? value.digits[static_cast<std::size_t>(index)] : '0';
    };
    if (value.negative && size > 0) {
        *out++ = '-';
    }
    if (value.pointPosition <= 0) {
        *out++ = '0';
    }
    for (long index = 0; index < value.pointPosition; ++index) {
        *out++ = digitAt(index);
    }
    if (decimals > 0) {
        *out++ = '.';
    }
    for (long index = 0; index < decimals; ++index) {
        *out++ = digitAt(value.pointPosition + index);
    }
    return out;
}

// `value` rounded first to `significant` digits, halves as `halves` says,
// then to `decimals`, halves away from zero, and written at `out`; a value
// that is not finite as its word. A whole number of zero is written as
// nothing at all when `blankZero` says so.
char* WriteRounded(double value, long significant, Halves halves, long decimals, char* out,
                   bool blankZero = false) {
    if (!std::isfinite(value)) {
        const std::string_view word = std::isnan(value) ? "NaN"
                                      : value < 0       ? "-Infinity"
                                                        : "Infinity";
        return std::copy(word.begin(), word.end(), out);
    }
    ExactRoom room;
    DecimalDigits digits = ExactDigits(value, room);
    RoundTo(digits, significant, halves);
    const auto size = static_cast<long>(digits.digits.size());
    decimals = decimals == kAllDecimals ? std::max(size - digits.pointPosition, 0L) : decimals;
    RoundTo(digits, digits.pointPosition + decimals, Halves::AwayFromZero);
    return digits.digits.empty() && blankZero ? out : WritePlain(digits, decimals, out);
}

// The batch writes millions of figures of singles, so they have a quick
// way to two decimals, exact as well: a single times 10^scale, for a scale
// of 0 to 12, is exact in a double (24 bits of the single, 28 of 5^12), so
// comparing and rounding that product is exact too.
constexpr std::array<double, 13> kPowersOfTen{1,   1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                              1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

// round(magnitude x 10^scale), halves away from zero.
std::uint64_t RoundScaled(float magnitude, int scale) {
    const double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(scale)];
    const auto units = static_cast<std::uint64_t>(scaled);
    return units + (scaled - static_cast<double>(units) >= 0.5 ? 1 : 0);
}

// The figure in hundredths the quick way, for the magnitudes it reaches:
// below 10^15 for fifteen digits, and from 10^-6 to below 10^7 for seven.
std::optional<std::uint64_t> QuickHundredths(float magnitude, long significant) {
    if (significant == kNumberDigits) {
        // Below 10^15 a single is either a whole number of at most fifteen
        // digits, which fifteen significant digits hold as it is, or a
        // multiple of some 2^e below 2^24 x 2^e: then it lies on a half of a
        // hundredth (with at most ten digits) or at least 2^e / 200 away
        // from one, far more than rounding to fifteen digits moves it. So
        // rounding its exact hundredfold rounds the fifteen digits.
        return magnitude < 1e15F ? std::optional(RoundScaled(magnitude, 2)) : std::nullopt;
    }
    // Seven digits: rounded where seven lie before the point (a carry to
    // 10^7 is the same number), then rounded again to hundredths. The
    // products are exact, so these bounds are too; they also turn away zero
    // and what is not finite.
    const double wide = magnitude;
    if (!(wide * kPowersOfTen[12] >= 1e6 && wide < 1e7)) {
        return std::nullopt;
    }
    // The scale puts the first digit at 10^6. The binary exponent gives the
    // decimal one or one less (1233 / 4096 is just below log10 2).
    std::uint32_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int binary = static_cast<int>(bits >> 23) - 127;
    int scale = std::min(6 - ((binary * 1233) >> 12), 12);
    scale -= scale > 0 && wide * kPowersOfTen[static_cast<std::size_t>(scale)] >= 1e7 ? 1 : 0;
    const auto power = static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(scale)]);
    return (RoundScaled(magnitude, scale) * 100 + power / 2) / power;
}

// "00" to "99", two digits written at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// A single rounded first to `significant` digits, with two decimals.
char* WriteSingleFixed2(float value, long significant, Halves halves, char* out) {
    const std::optional<std::uint64_t> quick = QuickHundredths(std::fabs(value), significant);
    if (!quick) {
        return WriteRounded(value, significant, halves, 2, out);
    }
    // Written backwards into room of its own, then copied whole: the quick
    // figures have at most twenty characters, and the caller's room holds
    // kSingleFixed2Room, so a copy of fixed size does.
    constexpr std::size_t kMost = 20;
    static_assert(kMost + 4 <= kSingleFixed2Room);
    std::array<char, kMost + 4 + kMost> text{};
    char* const end = text.data() + kMost + 4;
    char* at = end - 2;
    std::uint64_t whole = *quick / 100;
    std::memcpy(at, &kDigitPairs[2 * (*quick % 100)], 2);
    *--at = '.';
    for (; whole >= 100; whole /= 100) {
        at -= 2;
        std::memcpy(at, &kDigitPairs[2 * (whole % 100)], 2);
    }
    if (whole >= 10) {
        at -= 2;
        std::memcpy(at, &kDigitPairs[2 * whole], 2);
    } else {
        *--at = static_cast<char>('0' + whole);
    }
    if (value < 0.0F && *quick != 0) {
        *--at = '-';
    }
    std::memcpy(out, at, kMost + 4);
    return out + (end - at);
}

}  // namespace

std::string FormatPattern(double value, DisplayPattern pattern) {
    // A double has at most 309 digits before the point.
    std::array<char, 320> text;
    const long decimals = pattern == DisplayPattern::TwoDecimals  ? 2
                          : pattern == DisplayPattern::OneDecimal ? 1
                                                                  : 0;
    return {text.data(), WriteRounded(value, kNumberDigits, Halves::ToEven, decimals, text.data(),
                                      pattern == DisplayPattern::WholeNumber)};
}

std::string SingleToText(float value) {
    // Plain decimal: exactly the rounded digits, with zeros only where the
    // point lies outside them; the tiniest single has 52 decimals.
    std::array<char, 64> text;
    return {text.data(),
            WriteRounded(value, kSingleDigits, Halves::AwayFromZero, kAllDecimals, text.data())};
}

std::string FormatFixed2(double value) {
    return FormatPattern(value, DisplayPattern::TwoDecimals);
}

std::string FormatFixed2(std::string_view text) {
    std::string room;
    std::optional<DecimalDigits> digits = NumericDigits(text, room);
    if (!digits) {
        return std::string(text);
    }
    RoundTo(*digits, digits->pointPosition + 2, Halves::AwayFromZero);
    // A numeric text lies within the range of a single.
    std::array<char, kSingleFixed2Room> fixed;
    return {fixed.data(), WritePlain(*digits, 2, fixed.data())};
}

char* WriteFixed2(float value, char* out) {
    return WriteSingleFixed2(value, kNumberDigits, Halves::ToEven, out);
}

char* WriteFixed2OfSingle(float value, char* out) {
    return WriteSingleFixed2(value, kSingleDigits, Halves::AwayFromZero, out);
}

}  // namespace korvane
