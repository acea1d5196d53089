// Rounding a binary value to a number of significant decimal digits exactly,
// with integer arithmetic instead of printing all its digits. The number
// texts use it for the values of everyday size and print in full only what
// lies beyond its range.
#pragma once

#include <cstdint>
#include <optional>

namespace korvane {

// units x 10^exponent, with exactly the asked number of digits in units.
struct ScaledDecimal {
    std::uint64_t units;
    int exponent;
};

enum class Halves { AwayFromZero, ToEven };

// `magnitude` (finite and greater than zero) rounded to `digits` significant
// digits (1 to 17), a half going as `halves` says. None when the value lies
// too far from 1 for 128-bit arithmetic; the caller then takes the long way.
std::optional<ScaledDecimal> RoundToSignificantDigits(double magnitude, int digits, Halves halves);

}  // namespace korvane
