// How numbers are read from and written to text. Fields hold numbers as text;
// every reading and writing of one goes through here, independent of the
// user's locale (the period is the only decimal point).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Empty means no characters at all; "  " is not empty (and not numeric).
bool IsEmptyText(std::string_view text);

// Numeric: surrounding blanks aside, an optional sign, digits with at most one
// period (at least one digit), and an optional exponent. Infinity, NaN, hex
// forms, commas and thousands separators are not numeric, and neither is a
// value beyond the single-precision range.
bool IsNumericText(std::string_view text);

// The value of a numeric text in single or double precision; none when the
// text is not numeric.
std::optional<float> TextToSingle(std::string_view text);
std::optional<double> TextToDouble(std::string_view text);

// The display patterns of the editable fields.
enum class DisplayPattern {
    TwoDecimals,  // "0.00"
    OneDecimal,   // "0.0"
    WholeNumber,  // "##": no decimals, and the empty text for zero
};

// Rounds halves away from zero on the value's 15-significant-digit decimal
// form, so a stepped 0.45 is written 0.45 and not 0.44.
std::string FormatPattern(double value, DisplayPattern pattern);

// Seven significant digits, plain decimal (never an exponent), no trailing
// zeros or point. Non-finite values become "Infinity", "-Infinity" or "NaN",
// which are not numeric.
std::string SingleToText(float value);

// Two decimals, halves away from zero. A number is rounded as with
// FormatPattern; a text is read as decimal digits and those are rounded, so
// "2.675" gives "2.68". A text that is not numeric comes back unchanged.
// A negative value that rounds to zero is written "0.00".
std::string FormatFixed2(double value);
std::string FormatFixed2(std::string_view text);

// The same as FormatFixed2(SingleToText(value)), without the text between.
std::string FormatFixed2OfSingle(float value);

}  // namespace korvane
