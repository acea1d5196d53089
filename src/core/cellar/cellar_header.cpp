#include "core/cellar/cellar_header.h"

#include <algorithm>

#include "core/cellar/choice_words.h"
#include "core/rules/blanks.h"

namespace korvane {
namespace {

std::string KeyOf(std::string_view text) {
    std::string key;
    for (const char c : text) {
        if (!IsBlank(c) && c != '_' && c != '-') {
            key += LowerAscii(c);
        }
    }
    return key;
}

// The columns a cell names: by the user's header for a column, else by the
// column's own name or another of its names.
std::vector<DoseColumn> ColumnsNamed(const HeaderName& name,
                                     const std::vector<NamedHeader>& named) {
    std::vector<DoseColumn> columns;
    const auto namedByUser = [&named](DoseColumn column) {
        for (const NamedHeader& header : named) {
            if (header.column == column) {
                return true;
            }
        }
        return false;
    };
    // A header named as nothing takes the column's own names away, and
    // matches no cell: the column is then not read.
    for (const NamedHeader& header : named) {
        if (!header.header.empty() && ReadHeaderName(header.header).key == name.key) {
            columns.push_back(header.column);
        }
    }
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        const auto column = static_cast<DoseColumn>(c);
        if (!namedByUser(column) && name.key == KeyOf(kDoseColumnNames[c])) {
            columns.push_back(column);
        }
    }
    for (const ColumnAlias& alias : kColumnAliases) {
        if (!namedByUser(alias.column) && name.key == alias.key) {
            columns.push_back(alias.column);
        }
    }
    // In their own order, so that a message names them the same way always.
    std::sort(columns.begin(), columns.end());
    return columns;
}

}  // namespace

HeaderName ReadHeaderName(std::string_view cell) {
    cell = TrimBlanks(cell);
    HeaderName name;
    const std::size_t open = cell.rfind('(');
    if (open != std::string_view::npos && cell.back() == ')') {
        name.unit = TrimBlanks(cell.substr(open + 1, cell.size() - open - 2));
        cell = cell.substr(0, open);
    }
    name.key = KeyOf(cell);
    return name;
}

std::optional<HeaderClash> FindHeaderColumns(const std::vector<std::string>& cells,
                                             const std::vector<NamedHeader>& named,
                                             HeaderColumns& found) {
    found = HeaderColumns{};
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        const std::vector<DoseColumn> columns = ColumnsNamed(ReadHeaderName(cells[cell]), named);
        if (columns.empty()) {
            found.firstOtherCell = found.firstOtherCell.value_or(cell);
            continue;
        }
        if (columns.size() > 1 && columns[0] != columns[1]) {
            return HeaderClash{HeaderClash::Kind::TwoColumnsInOneCell, columns[0], columns[1], cell,
                               cell};
        }
        std::optional<std::size_t>& at = found.cellOf[Index(columns[0])];
        if (at) {
            return HeaderClash{HeaderClash::Kind::ColumnTwice, columns[0], columns[0], *at, cell};
        }
        at = cell;
    }
    return std::nullopt;
}

}  // namespace korvane
