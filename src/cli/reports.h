// How one calculation is written: a short table for a person, one JSON
// object or one CSV row for a program.
#pragma once

#include <string>
#include <vector>

#include "core/cellar/dose_calculation.h"

namespace korvane {

// The inputs calculated with, `builtIns` marked as such, then the figures,
// one aligned line each, when the dose was calculated.
std::string TextReport(const DoseTextViews& texts, const std::vector<DoseColumn>& builtIns,
                       double pka, const DoseResult& result);

// One object whose keys are the result columns of a batch, every value a
// string exactly as displayed.
std::string JsonReport(const DoseResult& result);

// A header and one row as a batch writes them: the input columns with the
// texts used, then the result columns.
std::string CsvReport(const DoseTextViews& texts, const DoseResult& result);

}  // namespace korvane
