// Blanks around a text a person typed or a file holds: the spaces and tabs
// every reader of the program's texts passes over.
#pragma once

#include <string_view>

namespace korvane {

inline constexpr std::string_view kBlanks = " \t";

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// `text` without the blanks at either end.
constexpr std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace korvane
