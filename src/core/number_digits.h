// The insides of numbers as text, shared by their reading and their
// writing: a number's decimal digits, and the parts of a text that has the
// form of a number, and powers of ten. Not for use outside
// number_reading.cpp, number_text.cpp and decimal_rounding.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::number_detail {

// 10^0 to 10^(N-1) as `Number`, each exact as long as it fits: for a double
// up to 10^22, for a single up to 10^10.
template <typename Number, std::size_t N>
constexpr std::array<Number, N> PowersOfTen() {
    std::array<Number, N> powers{};
    Number power = 1;
    for (Number& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}

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

// The parts of `text` when it has the form of a number, else none.
std::optional<NumberForm> ScanNumberForm(std::string_view text);

// A numeric text: the form of a number and within single precision's range.
std::optional<NumberForm> ReadNumericText(std::string_view text);

// The significant digits of a text with the form of a number.
DecimalDigits DigitsOf(const NumberForm& form);

bool IsDigit(char c);

}  // namespace korvane::number_detail
