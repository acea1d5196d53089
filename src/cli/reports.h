// How one calculation is written: a short table for a person, one JSON
// object or one CSV row for a program.
#pragma once

#include <string>

#include "core/cellar_batch.h"

namespace korvane {

// The figures, one aligned line each; nothing when the dose did not succeed.
std::string TextReport(const DoseResult& result);

// One object whose keys are the result columns of a batch, every value a
// string exactly as displayed.
std::string JsonReport(const DoseResult& result);

// A header and one row as a batch writes them: the input columns with the
// texts used, then the result columns.
std::string CsvReport(const DoseTextViews& texts, const DoseResult& result);

}  // namespace korvane
