// The choices a dose depends on, each in one row with the texts that name
// it. Every list of the program is filled from these tables and carries the
// choice itself, so no code ever compares a shown text.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/rules/core_text.h"

namespace korvane {

enum class SulphiteForm { Potassium, Sodium };

// Top to bottom as the option buttons stand.
enum class AdditionMethod { Powder, Solution, Tablet };

enum class BatchUnit { UsGallon, ImperialGallon, Litre };

enum class TargetKind { FreeSO2, MolecularSO2 };

// A choice and what names it: in the window's lists, in settings.cfg, and
// on the command line and in a cellar file.
template <typename Choice>
struct ChoiceRow {
    Choice choice;
    const char* text;  // a list's entry; nullptr where option buttons offer the choice
    const char* code;  // settings.cfg's
    // Plain lower-case ASCII, so that a script or a spreadsheet can write it
    // without quoting; the same in every language.
    const char* word;
    const char* dialogText = nullptr;  // the Default Settings dialog's entry, where it differs
};

template <typename Choice, std::size_t N>
using ChoiceRows = std::array<ChoiceRow<Choice>, N>;

// A table with a row for every enumerator in the enumerator's own order, so
// that a row is found by its index; the build fails for a table that is not.
template <typename Row, std::size_t N, typename Choice>
constexpr bool OneRowEachInOrder(const std::array<Row, N>& table, Choice Row::*choice) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].*choice != static_cast<Choice>(i)) {
            return false;
        }
    }
    return true;
}

// The row of `choice` in a table that has one row each in order.
template <typename Row, std::size_t N>
constexpr const Row& RowOf(const std::array<Row, N>& table, decltype(Row::choice) choice) {
    return table[static_cast<std::size_t>(choice)];
}

// Every table lists its choices in the order the lists show them.
inline constexpr ChoiceRows<SulphiteForm, 2> kSulphiteForms{{
    {SulphiteForm::Potassium, KORVANE_TEXT("Potassium Metabisulphite"), "1", "potassium"},
    {SulphiteForm::Sodium, KORVANE_TEXT("Sodium Metabisulphite"), "2", "sodium"},
}};

inline constexpr ChoiceRows<AdditionMethod, 3> kAdditionMethods{{
    {AdditionMethod::Powder, nullptr, "1", "powder"},
    {AdditionMethod::Solution, nullptr, "2", "solution"},
    {AdditionMethod::Tablet, nullptr, "3", "tablet"},
}};

// settings.cfg has litres first. The Default Settings dialog writes the
// imperial gallon with a small g.
inline constexpr ChoiceRows<BatchUnit, 3> kBatchUnits{{
    {BatchUnit::UsGallon, KORVANE_TEXT("U.S. Gal."), "2", "us-gal"},
    {BatchUnit::ImperialGallon, KORVANE_TEXT("Imp. Gal."), "3", "imp-gal",
     KORVANE_TEXT("Imp. gal.")},
    {BatchUnit::Litre, KORVANE_TEXT("Litres"), "1", "litres"},
}};

// settings.cfg keeps the target kind as its English text, whatever language
// the window speaks.
inline constexpr ChoiceRows<TargetKind, 2> kTargetKinds{{
    {TargetKind::FreeSO2, KORVANE_TEXT("Total Free SO2"), "Total Free SO2", "free"},
    {TargetKind::MolecularSO2, KORVANE_TEXT("Molecular SO2"), "Molecular SO2", "molecular"},
}};

static_assert(OneRowEachInOrder(kSulphiteForms, &ChoiceRow<SulphiteForm>::choice) &&
              OneRowEachInOrder(kAdditionMethods, &ChoiceRow<AdditionMethod>::choice) &&
              OneRowEachInOrder(kBatchUnits, &ChoiceRow<BatchUnit>::choice) &&
              OneRowEachInOrder(kTargetKinds, &ChoiceRow<TargetKind>::choice));

// The choice whose code is exactly `code` (same characters, same case, no
// blanks trimmed), if any.
template <typename Choice, std::size_t N>
constexpr std::optional<Choice> ChoiceOfCode(const ChoiceRows<Choice, N>& table,
                                             std::string_view code) {
    for (const auto& row : table) {
        if (std::string_view(row.code) == code) {
            return row.choice;
        }
    }
    return std::nullopt;
}

// What choosing an addition method changes in an editing window: which of
// the solution and tablet fields can be edited, whether the teaspoons are
// shown, and the unit words beside the amounts.
struct MethodState {
    AdditionMethod method;
    bool solutionEnabled;
    bool tabletEnabled;
    bool teaspoonsShown;
    const char* amountUnit;
    const char* teaspoonUnit;  // nullptr: the caption is left as it is
};

inline constexpr std::array<MethodState, 3> kMethodStates{{
    {AdditionMethod::Powder, false, false, true, KORVANE_TEXT("g"), KORVANE_TEXT("tsp")},
    {AdditionMethod::Solution, true, false, true, KORVANE_TEXT("ml"), KORVANE_TEXT("tsp")},
    {AdditionMethod::Tablet, false, true, false, KORVANE_TEXT("tablets"), nullptr},
}};

static_assert(OneRowEachInOrder(kMethodStates, &MethodState::method) && kMethodStates.size() == 3);

constexpr const MethodState& MethodStateOf(AdditionMethod method) {
    return kMethodStates[static_cast<std::size_t>(method)];
}

// What choosing a target kind changes: one target field is the input, the
// other shows the computed counterpart, greyed.
struct TargetState {
    TargetKind kind;
    bool freeTargetIsInput;
    bool molecularTargetIsInput;
};

inline constexpr std::array<TargetState, 2> kTargetStates{{
    {TargetKind::FreeSO2, true, false},
    {TargetKind::MolecularSO2, false, true},
}};

static_assert(OneRowEachInOrder(kTargetStates, &TargetState::kind) && kTargetStates.size() == 2);

constexpr const TargetState& TargetStateOf(TargetKind kind) {
    return kTargetStates[static_cast<std::size_t>(kind)];
}

}  // namespace korvane
