// The core's lists as the page shows them, asked once when the site is
// built: the page's lists and the names of a dose's columns are written
// from this answer, never typed into the page.
#pragma once

#include <string>

// A text of the page's own (translators' context "Web") that is written
// here, in the bindings: tools/web_texts.py finds it for the translators.
#define KORVANE_WEB_TEXT(text) text

namespace korvane::web {

// {"dose_columns":["ph", ...],
//  "choices":{"form":[{"word":"potassium","text":"Potassium Metabisulphite",
//                      "context":"korvane"}, ...],
//             "method":[{"word":"powder"}, ...], "unit":[...], "target_kind":[...],
//             "regime":[{"word":"eu","text":"EU","context":"Web"}, ...], "colour":[...],
//             "style":[...]}}
// Each list in the order it is shown. A text comes with the translators'
// context it is found under; the methods are option buttons with captions
// of their own, so they come without one.
std::string PageTablesJson();

}  // namespace korvane::web
