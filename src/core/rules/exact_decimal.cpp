// The exact decimal digits of a double, with a small big integer: a double
// is mantissa x 2^exponent, that is mantissa x 5^-exponent x 10^exponent
// for a negative exponent, so its digits are those of a whole number.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/rules/number_digits.h"

namespace korvane::number_detail {
namespace {

constexpr std::uint64_t kLimbBase = 1000000000;  // nine decimal digits a limb
constexpr std::size_t kLimbDigits = 9;

// A whole number in base 10^9, lowest limb first.
using Limbs = std::array<std::uint32_t, std::tuple_size_v<ExactRoom> / kLimbDigits>;

// Multiplies the first `size` limbs by base^power, `most` factors of the
// base at a time (their product stays below 2^32); the new size.
std::size_t MultiplyByPower(Limbs& limbs, std::size_t size, std::uint64_t base, int power,
                            int most) {
    for (; power > 0; power -= most) {
        std::uint64_t factor = 1;
        for (int i = 0; i < std::min(power, most); ++i) {
            factor *= base;
        }
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < size || carry != 0; ++i) {
            carry += i < size ? limbs[i] * factor : 0;
            limbs[i] = static_cast<std::uint32_t>(carry % kLimbBase);
            carry /= kLimbBase;
            size = std::max(size, i + 1);
        }
    }
    return size;
}

}  // namespace

DecimalDigits ExactDigits(double value, ExactRoom& room) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    // A subnormal, or a normal number with the leading bit its bits omit.
    int exponent = biased == 0 ? -1074 : biased - 1075;
    mantissa |= biased == 0 ? 0 : std::uint64_t{1} << 52;
    DecimalDigits digits{std::signbit(value), {}, 0};
    if (mantissa == 0) {
        return digits;
    }
    for (; (mantissa & 1) == 0; mantissa >>= 1) {
        ++exponent;  // fewer factors of five to come
    }
    Limbs limbs{static_cast<std::uint32_t>(mantissa % kLimbBase),
                static_cast<std::uint32_t>(mantissa / kLimbBase % kLimbBase),
                static_cast<std::uint32_t>(mantissa / kLimbBase / kLimbBase)};
    const std::size_t size = exponent > 0 ? MultiplyByPower(limbs, 3, 2, exponent, 31)
                                          : MultiplyByPower(limbs, 3, 5, -exponent, 13);
    // Nine digits a limb, highest limb first, then without the zeros at
    // either end.
    char* at = room.data() + size * kLimbDigits;
    for (std::size_t i = 0; i < size; ++i) {
        for (std::uint32_t limb = limbs[i], d = 0; d < kLimbDigits; ++d, limb /= 10) {
            *--at = static_cast<char>('0' + limb % 10);
        }
    }
    const std::string_view all(room.data(), size * kLimbDigits);
    const std::size_t first = all.find_first_not_of('0');
    digits.digits = std::span(room).subspan(first, all.find_last_not_of('0') + 1 - first);
    digits.pointPosition = static_cast<long>(all.size() - first) + std::min(exponent, 0);
    return digits;
}

}  // namespace korvane::number_detail
