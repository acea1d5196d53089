// Writing numbers as text, independent of the user's locale. All rounding to
// a number of decimals or of significant digits is done on decimal digits,
// never on binary values, so that a half is really a half: "2.675" rounds to
// 2.68, while the binary value nearest to 2.675 (slightly below it) rounds to
// 2.67.
#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/decimal_rounding.h"
#include "core/number_digits.h"

namespace korvane {

using namespace number_detail;

namespace {

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

// The word for a value that is not finite; empty for every finite one.
std::string_view NonFiniteWord(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    return {};
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

constexpr auto kPowersOfTen = PowersOfTen<std::uint64_t, 20>();

constexpr std::uint64_t PowerOfTen(long power) {
    return kPowersOfTen[static_cast<std::size_t>(power)];
}

// Room for every text written the quick way: a sign, twenty digits, the
// point and the decimals, or a word for a value that is not finite.
constexpr std::size_t kQuickRoom = 32;

// How many digits `units` has; one for zero.
long DigitCount(std::uint64_t units) {
    // 1233 / 4096 lies just below log10(2): a first guess from the bits
    // that is right or one too many.
    const long guess = (static_cast<long>(std::bit_width(units)) * 1233 >> 12) + 1;
    return guess - (guess > 1 && units < PowerOfTen(guess - 1) ? 1 : 0);
}

// "00" to "99": two digits a division.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// units x 10^-decimals in plain decimal at `out`: at least one digit before
// the point and exactly `decimals` after it (none, and no point, for 0),
// after a minus sign when asked for. Where the text ends.
char* WriteUnits(bool minus, std::uint64_t units, long decimals, char* out) {
    if (minus) {
        *out++ = '-';
    }
    const long digits = std::max(DigitCount(units), decimals + 1);
    char* const end = out + digits + (decimals > 0 ? 1 : 0);
    // Written backwards straight into place: the decimals, the point, and
    // the whole units two digits at a time.
    char* at = end;
    const auto writePair = [&at, &units] {
        const std::size_t pair = 2 * static_cast<std::size_t>(units % 100);
        units /= 100;
        at -= 2;
        at[0] = kDigitPairs[pair];
        at[1] = kDigitPairs[pair + 1];
    };
    long decimal = 0;
    for (; decimal + 2 <= decimals; decimal += 2) {
        writePair();
    }
    if (decimal < decimals) {
        *--at = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    if (decimals > 0) {
        *--at = '.';
    }
    while (units >= 100) {
        writePair();
    }
    if (units >= 10) {
        at[-2] = kDigitPairs[2 * units];
        at[-1] = kDigitPairs[2 * units + 1];
    } else {
        at[-1] = static_cast<char>('0' + units);
    }
    return end;
}

// The same as WritePattern, straight from the integer digits, at `out`:
// nullptr where the figure would not fit 64 bits, and the caller then writes
// it the long way.
char* WriteScaledPattern(bool negative, const ScaledDecimal& value, DisplayPattern pattern,
                         char* out) {
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
            return nullptr;
        }
        units *= PowerOfTen(-dropped);
    }
    if (units == 0 && pattern == DisplayPattern::WholeNumber) {
        return out;
    }
    // A result of zero carries no sign.
    return WriteUnits(negative && units != 0, units, decimals, out);
}

char* WriteWord(std::string_view word, char* out) {
    return std::copy(word.begin(), word.end(), out);
}

// FormatPattern's quick ways, at `out` (kQuickRoom bytes): a word, zero, and
// every figure that fits 64 bits. nullptr for the rest.
char* WriteQuickPattern(double value, DisplayPattern pattern, char* out) {
    if (const std::string_view word = NonFiniteWord(value); !word.empty()) {
        return WriteWord(word, out);
    }
    if (value == 0.0) {
        return WriteScaledPattern(false, ScaledDecimal{0, 0}, pattern, out);
    }
    // Fifteen significant digits first: a value that came out of a binary
    // sum such as 0.44 + 0.01 is written as the decimal the user expects
    // before its halves are rounded.
    const auto scaled = RoundToSignificantDigits(std::fabs(value), 15, Halves::ToEven);
    return scaled ? WriteScaledPattern(value < 0.0, *scaled, pattern, out) : nullptr;
}

// Powers of ten that are exact doubles, for scaling a single.
constexpr auto kDoublePowersOfTen = PowersOfTen<double, 13>();
static_assert(kDoublePowersOfTen[12] == 1e12);

// FormatFixed2OfSingle's figure in hundredths, the quicker way still, for a
// magnitude from about 10^-6 to below 10^7: times 10^(6 - decade) it is
// exact in a double (24 bits of the single and at most 28 of 5^12), so
// rounding that product gives the seven significant digits, which are then
// rounded to hundredths; halves go away from zero both times. None for the
// rest.
std::optional<std::uint64_t> SevenDigitHundredths(float magnitude) {
    const int exponent = static_cast<int>(std::bit_cast<std::uint32_t>(magnitude) >> 23) - 127;
    // floor(log10(magnitude)) from the binary exponent, right or one less:
    // 78913 / 2^18 is log10(2) closely enough for every exponent there is.
    int scale = 6 - ((exponent * 78913) >> 18);
    if (scale < 0 || scale >= static_cast<int>(kDoublePowersOfTen.size())) {
        return std::nullopt;  // also zero, the tiniest, and what is not finite
    }
    double scaled = static_cast<double>(magnitude) * kDoublePowersOfTen[scale];
    if (scaled >= 1e7) {
        if (scale == 0) {
            return std::nullopt;
        }
        --scale;  // the decade is the one above
        scaled = static_cast<double>(magnitude) * kDoublePowersOfTen[scale];
    }
    // Below 10^7, so the conversion cuts off exactly the fraction.
    auto units = static_cast<std::uint64_t>(scaled);
    units += scaled - static_cast<double>(units) >= 0.5 ? 1 : 0;
    if (scale <= 2) {
        return units * PowerOfTen(2 - scale);
    }
    if (scale - 2 > 7) {
        return 0;  // 10^7 at most, less than half of the power dropped
    }
    // Both fit 32 bits, whose division is the quicker.
    const auto power = static_cast<std::uint32_t>(PowerOfTen(scale - 2));
    const auto seven = static_cast<std::uint32_t>(units);
    return seven / power + (seven % power >= power / 2 ? 1 : 0);
}

// The same for FormatFixed2OfSingle.
char* WriteQuickFixed2OfSingle(float value, char* out) {
    if (const std::optional<std::uint64_t> hundredths = SevenDigitHundredths(std::fabs(value))) {
        return WriteUnits(value < 0.0F && *hundredths != 0, *hundredths, 2, out);
    }
    if (const std::string_view word = NonFiniteWord(value); !word.empty()) {
        return WriteWord(word, out);
    }
    if (value == 0.0F) {
        return WriteScaledPattern(false, ScaledDecimal{0, 0}, DisplayPattern::TwoDecimals, out);
    }
    const auto scaled =
        RoundToSignificantDigits(std::fabs(static_cast<double>(value)), 7, Halves::AwayFromZero);
    return scaled ? WriteScaledPattern(value < 0.0F, *scaled, DisplayPattern::TwoDecimals, out)
                  : nullptr;
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

std::string FormatPattern(double value, DisplayPattern pattern) {
    std::array<char, kQuickRoom> quick;
    if (const char* end = WriteQuickPattern(value, pattern, quick.data())) {
        return std::string(static_cast<const char*>(quick.data()), end);
    }
    return WritePattern(SignificantDigits(value, 15), pattern);
}

std::string SingleToText(float value) {
    if (const std::string_view word = NonFiniteWord(value); !word.empty()) {
        return std::string(word);
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
    std::array<char, kSingleFixed2Room> text;
    return std::string(text.data(), WriteFixed2OfSingle(value, text.data()));
}

char* WriteFixed2(float value, char* out) {
    // A single's value times 100 is exact in a double (24 bits times 7).
    // Below 10^15 a single is either a whole number of at most fifteen
    // digits, which fifteen significant digits hold as it is, or a multiple
    // of some 2^e below 2^24 x 2^e: then it lies exactly on a half of a
    // hundredth or at least 2^e / 200 away from one, far more than rounding
    // to fifteen digits moves it (less than 2^e x 10^-7). So rounding the
    // exact product half away from zero rounds the fifteen digits.
    const double hundredths = std::fabs(static_cast<double>(value) * 100.0);
    if (hundredths < 1e17) {
        auto units = static_cast<std::uint64_t>(hundredths);
        units += hundredths - static_cast<double>(units) >= 0.5 ? 1 : 0;
        return WriteUnits(value < 0.0F && units != 0, units, 2, out);
    }
    if (char* end = WriteQuickPattern(value, DisplayPattern::TwoDecimals, out)) {
        return end;
    }
    return WriteWord(WritePattern(SignificantDigits(value, 15), DisplayPattern::TwoDecimals), out);
}

char* WriteFixed2OfSingle(float value, char* out) {
    if (char* end = WriteQuickFixed2OfSingle(value, out)) {
        return end;
    }
    return WriteWord(WritePattern(SevenSignificantDigits(value), DisplayPattern::TwoDecimals), out);
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
