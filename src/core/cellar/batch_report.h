// What a person is told about a cellar batch, by korvane-calc and by the
// web page alike: why a header stopped it, each row as a line of a table,
// and the summary of the rows. English, as scripts read it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/cellar/cellar_batch.h"

namespace korvane {

// How the program running the batch speaks of its file and of the values it
// gives for the columns a file lacks: the command line names its options,
// the page its form.
struct BatchWording {
    std::string input;  // the file, e.g. "tanks.csv" or "standard input"
    // Why nothing stands in for a missing column, after ", and ", e.g.
    // "--ph is not given".
    std::function<std::string(DoseColumn)> notGiven;
    std::string
        targetKindHint;        // "add one, or " and this, e.g. "give --target-kind free|molecular"
    std::string targetSource;  // what gives the target, e.g. "--target-free or --target-molecular"
    std::string unitSource;    // what gives the unit, e.g. "--unit"
    // What gives a column's value besides the file, e.g. "--batch-size",
    // and how to read no column for it, e.g. "--column batch_size=".
    std::function<std::string(DoseColumn)> givenBy;
    std::function<std::string(DoseColumn)> readNoColumn;
    // How to read a column the file has and no name reads, or to pass it
    // over, after ": ", e.g. `read it with --column free_so2="SO2 lab", or
    // pass it over with --column free_so2=`.
    std::function<std::string(DoseColumn, std::string_view header)> readOrPassOver;
    std::string failure;  // why the file could not be read
};

// Why the header stopped the batch: the columns, cells and the file's
// headers as they were read (separator and encoding) where that helps.
std::string HeaderProblemMessage(const HeaderProblem& problem, const CellarBatch& batch,
                                 const BatchWording& wording);

// "comma", "semicolon" or "tab".
const char* SeparatorName(char separator);

// "5 rows: 3 ok, 1 no addition, 1 question, 0 errors, 0 blank. Not
// calculated: line 5.", and how the file was read where it was not UTF-8.
std::string BatchSummaryText(const BatchCounts& counts, TextEncoding encoding = TextEncoding::Utf8);

// One row as a table shows it: the tank's name, safe to show (empty when
// the file names none), the amount with the file's decimal mark and its unit
// (both empty when nothing was calculated), the status and the message; the
// wine's three figures with the file's mark (empty where not given or not
// calculated).
struct ShownRow {
    std::uint64_t line = 0;
    std::string tank;
    std::string amount;
    std::array<std::string, kWineResultColumnNames.size()> wine;
    std::string_view unit;
    std::string_view status;
    std::string_view message;
};

ShownRow ShowRow(const BatchRow& row, DecimalMark mark);

}  // namespace korvane
