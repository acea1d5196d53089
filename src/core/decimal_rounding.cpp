#include "core/decimal_rounding.h"

#include <array>
#include <bit>
#include <cmath>

#include "core/number_digits.h"

namespace korvane {
namespace {

// GCC and Clang both have it; -Wpedantic only asks that its use be marked.
__extension__ typedef unsigned __int128 Wide;

// The arithmetic keeps every number below 2^126, so twice a remainder still
// fits.
constexpr int kMaxBits = 126;

constexpr auto kPowersOfTen = number_detail::PowersOfTen<Wide, 39>();

int BitWidth(Wide value) {
    const auto high = static_cast<std::uint64_t>(value >> 64);
    return high != 0 ? 64 + std::bit_width(high)
                     : std::bit_width(static_cast<std::uint64_t>(value));
}

// value x 2^shift, if it stays within the bound.
std::optional<Wide> ShiftedLeft(Wide value, int shift) {
    if (BitWidth(value) + shift > kMaxBits) {
        return std::nullopt;
    }
    return value << shift;
}

// value x 10^power, if it stays within the bound.
std::optional<Wide> TimesPowerOfTen(Wide value, int power) {
    // 10^power has at most 3.33 x power + 1 bits.
    if (power >= static_cast<int>(kPowersOfTen.size()) ||
        BitWidth(value) + (power * 10 + 2) / 3 + 1 > kMaxBits) {
        return std::nullopt;
    }
    return value * kPowersOfTen[static_cast<std::size_t>(power)];
}

// The value as mantissa x 2^exponent, the mantissa odd.
struct Binary {
    std::uint64_t mantissa;
    int exponent;
};

Binary Decompose(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;  // subnormal
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    const int zeros = std::countr_zero(mantissa);
    return {mantissa >> zeros, exponent + zeros};
}

// Every power of ten that is exact in a double.
constexpr auto kDoublePowersOfTen = number_detail::PowersOfTen<double, 23>();
static_assert(kDoublePowersOfTen[22] == 1e22);

// floor(log10(value)), judged from the binary exponent and set right by a
// comparison with the power of ten where that is exact; elsewhere it may
// still be one less, which the quotient then shows.
int DecadeEstimate(double magnitude, const Binary& value) {
    const int binaryExponent = value.exponent + std::bit_width(value.mantissa) - 1;
    const int decade = static_cast<int>(std::floor(binaryExponent * 0.30102999566398120));
    const int next = decade + 1;
    if (next >= 0 && next < static_cast<int>(kDoublePowersOfTen.size()) &&
        magnitude >= kDoublePowersOfTen[static_cast<std::size_t>(next)]) {
        return next;
    }
    return decade;
}

// A single's magnitude times 10^scale is exact in a double for a scale of 0
// to 12: 24 bits of the single and at most 28 of the odd part of 10^12. The
// rounding then needs no wide integers at all.
std::optional<ScaledDecimal> RoundSingleQuickly(double magnitude, int digits, int decade,
                                                Halves halves) {
    const int scale = digits - 1 - decade;
    if (scale < 0 || scale > 12 ||
        static_cast<double>(static_cast<float>(magnitude)) != magnitude) {
        return std::nullopt;
    }
    const double scaled = magnitude * kDoublePowersOfTen[static_cast<std::size_t>(scale)];
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    auto units = static_cast<std::uint64_t>(whole);
    const bool up =
        fraction > 0.5 || (fraction == 0.5 && (halves == Halves::AwayFromZero || (units & 1) != 0));
    units += up ? 1 : 0;
    return ScaledDecimal{units, -scale};
}

// value x 10^scale as numerator / denominator, both within the bound.
bool Scale(const Binary& value, int scale, Wide& numerator, Wide& denominator) {
    std::optional<Wide> n = value.mantissa;
    std::optional<Wide> d = 1;
    n = value.exponent > 0 ? ShiftedLeft(*n, value.exponent) : n;
    d = value.exponent < 0 ? ShiftedLeft(*d, -value.exponent) : d;
    if (n && d) {
        n = scale > 0 ? TimesPowerOfTen(*n, scale) : n;
        d = scale < 0 ? TimesPowerOfTen(*d, -scale) : d;
    }
    if (!n || !d) {
        return false;
    }
    numerator = *n;
    denominator = *d;
    return true;
}

}  // namespace

std::optional<ScaledDecimal> RoundToSignificantDigits(double magnitude, int digits, Halves halves) {
    const Binary value = Decompose(magnitude);
    const Wide lowest = kPowersOfTen[static_cast<std::size_t>(digits - 1)];
    const Wide limit = kPowersOfTen[static_cast<std::size_t>(digits)];
    int decade = DecadeEstimate(magnitude, value);
    if (digits <= 7) {
        if (auto quick = RoundSingleQuickly(magnitude, digits, decade, halves)) {
            if (quick->units >= lowest && quick->units < limit) {
                return quick;
            }
            if (quick->units == limit) {
                return ScaledDecimal{static_cast<std::uint64_t>(lowest), quick->exponent + 1};
            }
        }
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        Wide numerator = 0;
        Wide denominator = 1;
        if (!Scale(value, digits - 1 - decade, numerator, denominator)) {
            return std::nullopt;
        }
        Wide units = 0;
        Wide rest = 0;
        if ((denominator & (denominator - 1)) == 0) {
            // A value with a fraction, scaled up: the division is a shift.
            const int shift = BitWidth(denominator) - 1;
            units = numerator >> shift;
            rest = numerator & (denominator - 1);
        } else if ((numerator >> 64) == 0 && (denominator >> 64) == 0) {
            // The usual case, and a division the processor does at once.
            const auto n = static_cast<std::uint64_t>(numerator);
            const auto d = static_cast<std::uint64_t>(denominator);
            units = n / d;
            rest = n % d;
        } else {
            units = numerator / denominator;
            rest = numerator % denominator;
        }
        if (units >= limit) {
            ++decade;
            continue;
        }
        if (units < lowest) {
            --decade;
            continue;
        }
        const Wide twiceRest = 2 * rest;
        const bool up =
            twiceRest > denominator ||
            (twiceRest == denominator && (halves == Halves::AwayFromZero || (units & 1) != 0));
        units += up ? 1 : 0;
        if (units == limit) {
            units = lowest;
            ++decade;
        }
        return ScaledDecimal{static_cast<std::uint64_t>(units), decade - (digits - 1)};
    }
    return std::nullopt;
}

}  // namespace korvane
