// The page's Calculate: the form's texts and choice words through the dose
// sheet under the strict rules of outside data, answered as JSON.
#pragma once

#include <string>
#include <string_view>

#include "core/rules/total_so2_limits.h"

namespace korvane::web {

class JsonText;
struct JsonValue;

// The page's language for the core's texts, from the request's "texts":
// {"English": "translation", ...}; a text it lacks stays English. The
// request must outlive it.
Translate PageTranslate(const JsonValue& request);

// `sent`: a JSON object with the texts of a dose under the names of its
// columns (kDoseColumnNames in core/cellar/dose_calculation.h), numbers with
// a point and choices as words: {"ph":"3.5", ..., "target":"40"}. The wine's
// own ("total_so2", "colour", "sugar", "style", "binding_factor") may be
// left out or empty, "regime" ("eu", "eu-organic", "us", "au", "oiv")
// names the limit to check and "limit" (mg/L, as typed) is the user's own,
// which wins over it; once any of them is given, the answer has the
// wine's figures. "texts": {"English": "translation", ...} tells the limit
// (the over-limit question, the limit's basis) in the page's language. With
// `answered` every question was answered Yes. The answer:
//   {"status":"ok"|"no_addition"|"error"|"question", "message":"...",
//    "message_text":"... %1 ...", "message_value":"6.44e+29",
//                                             (a message about a value: the
//                                              text to translate, and its %1)
//    "field":"ph",                            (error: where the focus goes;
//                                              "limit" for a limit that is
//                                              no number of mg/L above 0)
//    "questions":[{"field":"ph","text":"..."}],  (question: all, in order,
//                 the wine's last: {"field":"total_so2", "text":"Total SO2
//                 would reach ...", "over_limit":true})
//    "figures":{"molecular_so2":"0.20", ...},    (ok and no_addition)
//    "wine":{"so2_added":"25.00", "projected_total_so2":"172.00",
//            "total_so2_limit":"150", "limit_basis":"EU limit for a dry red",
//            "limit_given":false,  (true: the user's own, with no basis)
//            "over_limit":true}}   (ok and no_addition, where the wine's
//                                   figures are given; a figure not
//                                   calculated and a limit not checked "")
std::string CalculationJson(std::string_view sent, bool answered);

// The message_text and message_value of a message about a value; nothing
// for any other.
void AddMessageValue(JsonText& json, std::string_view text, std::string_view value);

// The molecular SO2 the existing free SO2 holds at the wine's pH, as the
// window shows it when the existing SO2 field is left.
std::string ExistingMolecular(std::string_view ph, std::string_view existingSO2);

// What choosing `method` and `targetKind` (as words) changes on the page,
// as in the window: {"solution":false, "tablet":false, "teaspoons":true,
// "amount_unit":"g", "teaspoon_unit":"tsp", "target_free":true,
// "target_molecular":false}, the last two telling which target is typed in.
std::string ChoiceStateJson(std::string_view method, std::string_view targetKind);

}  // namespace korvane::web
