// How a cellar file's header names the columns of a dose: by their names,
// written as people write them ("pH", "Free SO2 (mg/L)", "free-so2",
// "FREE_SO2"), by a few other common names ("volume" for the batch size,
// "fso2" for free SO2), or by a header the user names on the command line.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cellar/dose_calculation.h"

namespace korvane {

// A header cell as it is compared: letters in lower case, without blanks,
// '_' and '-', and without a unit in parentheses at its end, which is kept
// apart.
struct HeaderName {
    std::string key;
    std::string_view unit;  // "hL" of "Volume (hL)"; empty when none
};

HeaderName ReadHeaderName(std::string_view cell);

// The other names of each column, as ReadHeaderName keys them.
struct ColumnAlias {
    DoseColumn column;
    const char* key;
};

inline constexpr std::array kColumnAliases{
    ColumnAlias{DoseColumn::FreeSO2, "fso2"},
    ColumnAlias{DoseColumn::FreeSO2, "existingso2"},
    ColumnAlias{DoseColumn::BatchSize, "volume"},
    ColumnAlias{DoseColumn::BatchSize, "size"},
    ColumnAlias{DoseColumn::BatchSize, "batch"},
    ColumnAlias{DoseColumn::Unit, "units"},
    ColumnAlias{DoseColumn::Form, "sulphite"},
    ColumnAlias{DoseColumn::Form, "sulfite"},
    ColumnAlias{DoseColumn::SolutionPct, "solution"},
    ColumnAlias{DoseColumn::SolutionPct, "solutionstrength"},
    ColumnAlias{DoseColumn::TabletG, "tablet"},
    ColumnAlias{DoseColumn::TabletG, "tabletweight"},
    ColumnAlias{DoseColumn::Target, "targetso2"},
};

// A header the user names for a column (`--column NAME=HEADER`). It takes
// the place of the column's own names.
struct NamedHeader {
    DoseColumn column;
    std::string header;
};

// The header cells that name the dose's columns.
struct HeaderColumns {
    std::array<std::optional<std::size_t>, kDoseColumnCount> cellOf;
    // The first cell that names no column, where a tank's name usually stands.
    std::optional<std::size_t> firstOtherCell;
};

struct HeaderClash {
    enum class Kind { ColumnTwice, TwoColumnsInOneCell };
    Kind kind;
    DoseColumn column;
    DoseColumn other;  // the second column a cell names
    std::size_t cell;  // where the column stands first, or the cell naming two
    std::size_t otherCell;
};

// Finds the columns among `cells`; a clash when a column is named twice or a
// cell names two columns.
std::optional<HeaderClash> FindHeaderColumns(const std::vector<std::string>& cells,
                                             const std::vector<NamedHeader>& named,
                                             HeaderColumns& found);

}  // namespace korvane
