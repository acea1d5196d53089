// The options of korvane-calc, read into what a calculation or a batch needs.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/cellar_batch.h"

namespace korvane {

enum class OutputFormat { Text, Json, Csv };

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
    OutputFormat format = OutputFormat::Text;
    BatchSettings settings;  // the options' values; the rest stand empty
};

// What was wrong, as one English sentence.
struct UsageError {
    std::string message;
};

std::variant<CommandLine, UsageError> ParseCommandLine(int argc, const char* const* argv);

// That no option gives a value for `column` either, e.g. "--free-so2 is not
// given", or "neither --target-free nor --target-molecular is given".
std::string MissingOptionText(DoseColumn column);

}  // namespace korvane
