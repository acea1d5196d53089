// A number's decimal digits, shared by the reading and the writing of
// numbers as text; for the number_*.cpp and exact_decimal.cpp files only.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvane::number_detail {

// A decimal number as sign, significant digits and point position: the
// value is 0.digits x 10^pointPosition. Zero has no digits and its point at
// 0. The digits lie in room the caller gave, where rounding may change them.
struct DecimalDigits {
    bool negative = false;
    std::span<char> digits;  // no leading or trailing zeros
    long pointPosition = 0;
};

// The digits of a numeric text, in `room`; none for a text that is not.
std::optional<DecimalDigits> NumericDigits(std::string_view text, std::string& room);

// Room for the exact digits of any double: the most, of the largest
// subnormal, are 767, and they are written nine at a time.
using ExactRoom = std::array<char, 774>;

// The exact decimal expansion of a finite double, in `room`.
DecimalDigits ExactDigits(double value, ExactRoom& room);

}  // namespace korvane::number_detail
