// The page's fields by name, and the texts it hands over: the names are the
// ids of its inputs, so a message or a question lands beside its field.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/rules/dose_sheet.h"
#include "core/rules/spin_rules.h"

namespace korvane::web {

// What separates the texts the page hands over in one string: a character
// no field can hold, since the key filter keeps only digits and the point.
inline constexpr char kTextSeparator = '\x1f';

// The page's name of the field a check or a question is about; "form" for
// the sulphite form list, which none names.
const char* FieldName(std::optional<SheetField> field);

// The spin rule of the page's field `name`; nullptr for a field without
// arrows.
const SpinRule* SpinRuleOf(std::string_view name);

// `joined` cut at each kTextSeparator into `parts`; false when it holds
// another number of texts.
template <std::size_t N>
bool SplitTexts(std::string_view joined, std::array<std::string_view, N>& parts) {
    std::size_t count = 0;
    for (;;) {
        const std::size_t end = joined.find(kTextSeparator);
        if (count == N) {
            return false;
        }
        parts[count++] = joined.substr(0, end);
        if (end == std::string_view::npos) {
            return count == N;
        }
        joined.remove_prefix(end + 1);
    }
}

}  // namespace korvane::web
