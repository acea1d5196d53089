// Which keys a numeric field takes. The filter looks at the key's character
// code only, never at the field's text: a second decimal point gets through,
// and pasted text is not filtered.
#pragma once

namespace korvane {

// Where the user's language writes a decimal comma, a typed comma is taken
// as the decimal point; elsewhere a comma may be a thousands separator, and
// turning "1,000" into 1.000 would be a wrong dose, so it is refused.
enum class DecimalKey { PeriodOnly, CommaToo };

// Keeps control codes (26 and below, among them Backspace, Enter and
// Ctrl+A to Ctrl+Z) and the characters "0123456789."; sets any other code
// to 0, which discards the key without a sound. With DecimalKey::CommaToo a
// comma becomes a period.
void FilterNumericKey(int& code, DecimalKey decimalKey = DecimalKey::PeriodOnly);

}  // namespace korvane
