// How one calculation is written: a short table for a person, one JSON
// object or one CSV row for a program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/cellar/dose_calculation.h"

namespace korvane {

// Whether the wine's figures are shown, and what was left unchecked, said
// once.
struct WineReport {
    bool shown = false;
    std::optional<std::string> note;
};

// The inputs calculated with, `builtIns` marked as such, then the figures,
// one aligned line each, when the dose was calculated.
std::string TextReport(const DoseTextViews& texts, const std::vector<DoseColumn>& builtIns,
                       double pka, const DoseResult& result, const WineReport& wine = {});

// One object whose keys are the result columns of a batch, every value a
// string exactly as displayed.
// With the wine's figures, their columns too, what the limit is
// ("total_so2_limit_basis") and the note of what was left unchecked.
std::string JsonReport(const DoseResult& result, const WineReport& wine = {});

// A header and one row as a batch writes them: the input columns with the
// texts used, then the result columns.
// With `wine`, the wine's input and result columns too.
std::string CsvReport(const DoseTextViews& texts, const DoseResult& result, bool wine = false);

}  // namespace korvane
