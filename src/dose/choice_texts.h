// The texts under which the main window's lists offer each choice. The lists
// are read by their shown text, so these are the one place those texts live
// in code.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "dose/dose_types.h"

namespace korvane {

template <typename Choice, std::size_t N>
using ChoiceTexts = std::array<std::pair<Choice, std::string_view>, N>;

inline constexpr ChoiceTexts<SulphiteForm, 2> kSulphiteFormTexts{{
    {SulphiteForm::Potassium, "Potassium Metabisulphite"},
    {SulphiteForm::Sodium, "Sodium Metabisulphite"},
}};

inline constexpr ChoiceTexts<BatchUnit, 3> kBatchUnitTexts{{
    {BatchUnit::UsGallon, "U.S. Gal."},
    {BatchUnit::ImperialGallon, "Imp. Gal."},
    {BatchUnit::Litre, "Litres"},
}};

inline constexpr ChoiceTexts<TargetKind, 2> kTargetKindTexts{{
    {TargetKind::FreeSO2, "Total Free SO2"},
    {TargetKind::MolecularSO2, "Molecular SO2"},
}};

// The choice shown exactly as `text` (same characters, same case), if any.
template <typename Choice, std::size_t N>
constexpr std::optional<Choice> ChoiceFromText(const ChoiceTexts<Choice, N>& table,
                                               std::string_view text) {
    for (const auto& [choice, shown] : table) {
        if (shown == text) {
            return choice;
        }
    }
    return std::nullopt;
}

template <typename Choice, std::size_t N>
constexpr std::string_view TextOfChoice(const ChoiceTexts<Choice, N>& table, Choice choice) {
    for (const auto& [candidate, shown] : table) {
        if (candidate == choice) {
            return shown;
        }
    }
    return {};
}

}  // namespace korvane
