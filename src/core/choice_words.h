// The words under which the command line and a cellar file name the choices.
// They are plain lower-case ASCII so that a script or a spreadsheet can write
// them without quoting, and they never change with the user's language.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "core/choices.h"

namespace korvane {

inline constexpr ChoiceTable<BatchUnit, 3> kUnitWords{{
    {BatchUnit::UsGallon, "us-gal"},
    {BatchUnit::ImperialGallon, "imp-gal"},
    {BatchUnit::Litre, "litres"},
}};

inline constexpr ChoiceTable<SulphiteForm, 2> kFormWords{{
    {SulphiteForm::Potassium, "potassium"},
    {SulphiteForm::Sodium, "sodium"},
}};

inline constexpr ChoiceTable<AdditionMethod, 3> kMethodWords{{
    {AdditionMethod::Powder, "powder"},
    {AdditionMethod::Solution, "solution"},
    {AdditionMethod::Tablet, "tablet"},
}};

inline constexpr ChoiceTable<TargetKind, 2> kTargetKindWords{{
    {TargetKind::FreeSO2, "free"},
    {TargetKind::MolecularSO2, "molecular"},
}};

// The choice named by `text`, blanks around it aside and in any case of
// letters, so that a spreadsheet's "Litres " still means litres.
template <typename Choice, std::size_t N>
std::optional<Choice> ChoiceOfWord(const ChoiceTable<Choice, N>& table, std::string_view text) {
    if (const std::optional<Choice> exact = ChoiceOf(table, text)) {
        return exact;  // as the program itself writes them, and most files
    }
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (const auto& row : table) {
        const std::string_view word(row.text);
        if (word.size() == text.size() &&
            std::equal(word.begin(), word.end(), text.begin(),
                       [&](char a, char b) { return a == lower(b); })) {
            return row.choice;
        }
    }
    return std::nullopt;
}

// The words joined for a message, e.g. "us-gal, imp-gal or litres".
template <typename Choice, std::size_t N>
std::string WordList(const ChoiceTable<Choice, N>& table) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            list += i + 1 == N ? " or " : ", ";
        }
        list += table[i].text;
    }
    return list;
}

}  // namespace korvane
