// Blanks around a text a person typed or a file holds: the spaces and tabs
// every reader of the program's texts passes over.
#pragma once

#include <string_view>

namespace korvane {

inline constexpr std::string_view kBlanks = " \t";

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// `text` without the blanks at either end. Readers of a million rows call
// it for every field, so it looks at each character once.
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace korvane
