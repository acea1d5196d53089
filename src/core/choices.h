// The choices a dose depends on, with the texts under which the lists offer
// them and the codes under which settings.cfg keeps them. Every list of the
// program is filled from these tables and carries the choice itself, so no
// code ever compares a shown text.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/core_text.h"

namespace korvane {

enum class SulphiteForm { Potassium, Sodium };

enum class AdditionMethod { Tablet, Powder, Solution };

enum class BatchUnit { UsGallon, ImperialGallon, Litre };

enum class TargetKind { FreeSO2, MolecularSO2 };

template <typename Choice>
struct ChoiceText {
    Choice choice;
    const char* text;
};

template <typename Choice, std::size_t N>
using ChoiceTable = std::array<ChoiceText<Choice>, N>;

// List entries, in the order the lists show them.
inline constexpr ChoiceTable<SulphiteForm, 2> kSulphiteFormTexts{{
    {SulphiteForm::Potassium, KORVANE_TEXT("Potassium Metabisulphite")},
    {SulphiteForm::Sodium, KORVANE_TEXT("Sodium Metabisulphite")},
}};

inline constexpr char kUsGallonText[] = KORVANE_TEXT("U.S. Gal.");
inline constexpr char kLitreText[] = KORVANE_TEXT("Litres");

inline constexpr ChoiceTable<BatchUnit, 3> kBatchUnitTexts{{
    {BatchUnit::UsGallon, kUsGallonText},
    {BatchUnit::ImperialGallon, KORVANE_TEXT("Imp. Gal.")},
    {BatchUnit::Litre, kLitreText},
}};

// The Default Settings dialog's unit list writes the imperial gallon with a
// small g.
inline constexpr ChoiceTable<BatchUnit, 3> kSettingsBatchUnitTexts{{
    {BatchUnit::UsGallon, kUsGallonText},
    {BatchUnit::ImperialGallon, KORVANE_TEXT("Imp. gal.")},
    {BatchUnit::Litre, kLitreText},
}};

// Also the stored form of the target kind: settings.cfg keeps these English
// texts, not codes, whatever language the window speaks.
inline constexpr ChoiceTable<TargetKind, 2> kTargetKindTexts{{
    {TargetKind::FreeSO2, KORVANE_TEXT("Total Free SO2")},
    {TargetKind::MolecularSO2, KORVANE_TEXT("Molecular SO2")},
}};

// The codes of settings.cfg's first three records.
inline constexpr ChoiceTable<SulphiteForm, 2> kFormCodes{{
    {SulphiteForm::Potassium, "1"},
    {SulphiteForm::Sodium, "2"},
}};

// Top to bottom as the option buttons stand.
inline constexpr ChoiceTable<AdditionMethod, 3> kMethodCodes{{
    {AdditionMethod::Powder, "1"},
    {AdditionMethod::Solution, "2"},
    {AdditionMethod::Tablet, "3"},
}};

// Not the order of the unit lists: litres come first in the file.
inline constexpr ChoiceTable<BatchUnit, 3> kUnitCodes{{
    {BatchUnit::Litre, "1"},
    {BatchUnit::UsGallon, "2"},
    {BatchUnit::ImperialGallon, "3"},
}};

// The choice written exactly as `text` (same characters, same case, no
// blanks trimmed), if any.
template <typename Choice, std::size_t N>
constexpr std::optional<Choice> ChoiceOf(const ChoiceTable<Choice, N>& table,
                                         std::string_view text) {
    for (const auto& row : table) {
        if (std::string_view(row.text) == text) {
            return row.choice;
        }
    }
    return std::nullopt;
}

template <typename Choice, std::size_t N>
constexpr const char* TextOf(const ChoiceTable<Choice, N>& table, Choice choice) {
    for (const auto& row : table) {
        if (row.choice == choice) {
            return row.text;
        }
    }
    return "";
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
    {AdditionMethod::Tablet, false, true, false, KORVANE_TEXT("tablets"), nullptr},
    {AdditionMethod::Powder, false, false, true, KORVANE_TEXT("g"), KORVANE_TEXT("tsp")},
    {AdditionMethod::Solution, true, false, true, KORVANE_TEXT("ml"), KORVANE_TEXT("tsp")},
}};

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
