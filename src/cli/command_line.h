// The options of korvane-calc, read into what a calculation or a batch needs.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/cellar/cellar_batch.h"

namespace korvane {

// Text and json are for one calculation, table for a batch; csv for both.
enum class OutputFormat { Text, Json, Csv, Table };

// The pKa a lab may give; the window always uses SO2Pka.
inline constexpr double kLowestPka = 0;
inline constexpr double kHighestPka = 14;
// "from 0 to 14".
std::string PkaRangeText();

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<std::string> batchPath;   // "-" is standard input
    std::optional<std::string> outputPath;  // "-" is standard output
    // None: text for one calculation; for a batch a table on a terminal,
    // else CSV.
    std::optional<OutputFormat> format;
    bool quiet = false;
    BatchSettings settings;  // the options' values; the rest stand empty
};

// What was wrong, as one English sentence.
struct UsageError {
    std::string message;
};

std::variant<CommandLine, UsageError> ParseCommandLine(int argc, const char* const* argv);

// The option that gives `column`, e.g. "--free-so2", or "--target-free or
// --target-molecular" for the target.
std::string OptionFor(DoseColumn column);

// That no option gives a value for `column` either, e.g. "--free-so2 is not
// given", or "neither --target-free nor --target-molecular is given".
std::string MissingOptionText(DoseColumn column);

}  // namespace korvane
