// How numbers are read from and written to text. Fields hold numbers as text;
// every reading and writing of one goes through here, independent of the
// user's locale (the period is the only decimal point).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Empty means no characters at all; "  " is not empty (and not numeric).
bool IsEmptyText(std::string_view text);

// Numeric: surrounding blanks aside, an optional sign, digits with at most one
// period (at least one digit), and an optional exponent; not infinity, NaN,
// hex, commas, thousands separators, nor a value beyond a single's range.
bool IsNumericText(std::string_view text);

// Whether `text` is numeric, and then its value in single precision in
// `value`, which is left alone otherwise: a batch reads every field so.
bool TextToSingle(std::string_view text, float& value);

// The value of a numeric text in double precision; none when it is not.
std::optional<double> TextToDouble(std::string_view text);

// Whether `text` has a number's form with no minus sign and is not numeric
// only because a single cannot hold its value ("3.5e38" is, "1e39" is not):
// a figure to call too large rather than not a number.
bool IsBeyondSingleRange(std::string_view text);

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

// Room for two decimals of any single: 39 digits before the point, a sign,
// the point and the decimals.
inline constexpr std::size_t kSingleFixed2Room = 48;

// FormatFixed2(static_cast<double>(value)), and FormatFixed2(SingleToText(
// value)), written at `out`, which has room for kSingleFixed2Room bytes;
// where the text ends. For a caller that writes figures by the million.
char* WriteFixed2(float value, char* out);
char* WriteFixed2OfSingle(float value, char* out);

}  // namespace korvane
