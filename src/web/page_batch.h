// A cellar file dropped onto the page: the same batch as `korvane-calc
// --batch`, run over the file's bytes in the page's memory. Nothing leaves
// the device.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane::web {

// What the page sends with a file, as a JSON object: the form's texts under
// "sheet" (as CalculationJson takes them), "decimal_mark" ("", "point" or
// "comma"), "answer_yes" (true to answer every question Yes), "headers",
// an object naming for a column (by its name) the header it is read from,
// and "regime" ("eu", ...) and "limit" (mg/L) to check the tanks' total SO2
// against.
//
// The form stands in for the columns a file lacks as a winemaker expects:
// its sulphite form, method, solution strength, tablet weight and target
// kind always (but for a target whose header says its kind), and its binding factor when
// it has one; its unit when the file says none (no
// unit column, no unit in the size's header); its target when the file has no target column. The
// wine's pH and free SO2 and the tank's size never come from the form: they
// belong to each tank. These are exactly the options korvane-calc would be
// given, and the output is byte for byte its output.
//
// The answer, as JSON: {"problem":"..."} when the header stopped the batch,
// else {"summary":"...", "counts":{...}, "rows":[the first `rowsShown`],
// "wine":true|false}, each row with the three wine figures ("so2_added",
// "projected_total_so2", "total_so2_limit") and "over_limit" when "wine",
// and "message_shown", its message in the page's language (the options'
// "texts", as CalculationJson takes them) where the wine's limit made it; and
// always how the file was read: its "headers", the header each "column" was
// read from (null when none), the columns taken "fromForm", and the unit's
// word ("hl") as "size_unit" when the size's header names it ("Volume (hL)").
// `output` receives the CSV the batch writes.
std::string BatchJson(std::string_view bytes, std::string_view fileName, std::string_view sent,
                      std::size_t rowsShown, std::string& output);

}  // namespace korvane::web
