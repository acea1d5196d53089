// The user's defaults kept by the page: checked as the Default Settings
// dialog checks them, and kept in the browser's storage as the very bytes
// of settings.cfg.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane::web {

// The seven defaults for the form, as JSON: {"form":"potassium",
// "method":"powder", "unit":"litres", "solution_pct":"10", "tablet_g":"0.44",
// "batch_size":"5", "target_kind":"free", "broken":false, "opening":{...}},
// the last the texts every numeric field holds before the defaults apply. A code that names
// no choice gives null, which leaves its control as it is. `stored` is the
// record kept, if any; a record that cannot be read gives the built-in
// defaults with "broken":true and the message to show.
std::string DefaultsJson(std::optional<std::string_view> stored);

// `sent`: a JSON object with the same names as DefaultsJson's answer: form,
// method, unit and target kind as words, the solution strength, tablet
// weight and batch size as typed. The first failed check as {"field":..., "message":...},
// else {"record":"..."}: the settings.cfg bytes to keep.
std::string SavedDefaultsJson(std::string_view sent);

}  // namespace korvane::web
