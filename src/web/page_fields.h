// The page's fields by name, and the texts it hands over: the names are the
// ids of its inputs, so a message or a question lands beside its field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/cellar/dose_calculation.h"
#include "core/rules/dose_sheet.h"
#include "core/rules/spin_rules.h"
#include "web/json_reader.h"

namespace korvane::web {

// The page's name of the field a check or a question is about; "form" for
// the sulphite form list, which none names.
const char* FieldName(std::optional<SheetField> field);

// The spin rule of the page's field `name`; nullptr for a field without
// arrows.
const SpinRule* SpinRuleOf(std::string_view name);

// The texts of a dose from the page's object that names each of its columns
// (kDoseColumnNames) with a string; nullopt when one is missing or not a
// string, but for the wine's own (total_so2 and after), which are empty when
// left out. The views are into `sent`.
std::optional<DoseTextViews> DoseTextsOf(const JsonValue& sent);

// A cellar file's word for one of a tank's choices (unit, form, method,
// target_kind, colour, style) as the page's lists name it: "Bianco" or
// "White" is "white". Empty when the column has no words or the text names
// none of its choices.
std::string ChoiceWordOf(std::string_view column, std::string_view text);

}  // namespace korvane::web
