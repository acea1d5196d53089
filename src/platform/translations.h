// The texts a person reads come from the core in English; the windows show
// them in the user's language through here.
#pragma once

#include <QString>

#include "core/key_filter.h"

namespace korvane::platform {

// The translation of one of the core's texts (a list entry, a unit word, a
// warning or a question), or the English text itself where there is none.
QString CoreText(const char* english);

// Whether a comma typed into a numeric field is the decimal point: only
// where the window speaks a language that writes a decimal comma.
DecimalKey UiDecimalKey();

}  // namespace korvane::platform
