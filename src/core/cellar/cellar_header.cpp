#include "core/cellar/cellar_header.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/cellar/choice_words.h"
#include "core/rules/blanks.h"

namespace korvane {
namespace {

// The letters of U+00C0 to U+00FF (UTF-8 0xC3 0x80 to 0xC3 0xBF) without
// their accents, in lower case; empty for the two that are no letters.
constexpr std::array<const char*, 64> kLatinLetters{
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",
};

// ASCII as keys fold it: letters in lower case, digits as they are, and
// '\0' for everything else. A header of hundreds of cells is folded byte by
// byte, so by a look-up rather than a chain of tests.
constexpr std::array<char, 0x80> kFoldedAscii = [] {
    std::array<char, 0x80> folded{};
    for (std::size_t byte = 0; byte < folded.size(); ++byte) {
        const char lower = LowerAscii(static_cast<char>(byte));
        if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9')) {
            folded[byte] = lower;
        }
    }
    return folded;
}();

// The bytes beyond ASCII that may begin a character keys fold: every other
// byte is kept as it is.
constexpr std::array<bool, 0x80> kFoldingLead = [] {
    std::array<bool, 0x80> lead{};
    for (const unsigned byte : {0xC2U, 0xC3U, 0xC5U, 0xCCU, 0xCDU, 0xE2U}) {
        lead[byte - 0x80U] = true;
    }
    return lead;
}();

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// Appends `text` as keys compare it; where `text` has a character that is
// left out, a blank when `words` is set, so that its words stay apart.
void AppendFolded(std::string_view text, std::string& out, bool words) {
    const auto gap = [&out, words] {
        if (words && !out.empty() && out.back() != ' ') {
            out += ' ';
        }
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80U) {
            const char folded = kFoldedAscii[byte];
            folded != '\0' ? void(out += folded) : gap();
            continue;
        }
        if (!kFoldingLead[byte - 0x80U]) {
            out += c;
            continue;
        }
        const bool pair = i + 1 < text.size() && IsContinuation(text[i + 1]);
        const auto next = pair ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if (pair && byte == 0xC3U) {
            out += kLatinLetters[next - 0x80U];
            ++i;
        } else if (pair && byte == 0xC2U) {
            // µ, and the raised digits of "mg L⁻¹" and "m³"; the rest of
            // the page (no-break space, °, ·) is punctuation.
            const char* letter = next == 0xB5U   ? "u"
                                 : next == 0xB9U ? "1"
                                 : next == 0xB2U ? "2"
                                 : next == 0xB3U ? "3"
                                                 : nullptr;
            letter != nullptr ? void(out += letter) : gap();
            ++i;
        } else if (pair && byte == 0xC5U && (next == 0x92U || next == 0x93U)) {
            out += "oe";
            ++i;
        } else if (pair && (byte == 0xCCU || (byte == 0xCDU && next < 0xB0U))) {
            ++i;  // a combining accent, as a decomposed "é" carries it
        } else if (byte == 0xE2U && i + 2 < text.size() && text[i + 1] == '\x82' &&
                   static_cast<unsigned char>(text[i + 2]) >= 0x80U &&
                   static_cast<unsigned char>(text[i + 2]) <= 0x89U) {
            // The lowered digits of "SO₂".
            out += static_cast<char>('0' + (static_cast<unsigned char>(text[i + 2]) - 0x80U));
            i += 2;
        } else {
            out += c;
        }
    }
}

std::string BracketKey(std::string_view text) {
    std::string key = HeaderKey(text);
    return key.empty() ? std::string(TrimBlanks(text)) : key;
}

std::optional<BracketMeaning> MeaningOf(std::string_view word) {
    const std::string key = BracketKey(word);
    for (const BracketWord& row : kBracketWords) {
        if (key == BracketKey(row.word)) {
            return row.meaning;
        }
    }
    return std::nullopt;
}

// Whether a word of `meaning` may stand in `column`'s brackets, and what it
// tells of the column.
bool Fits(DoseColumn column, BracketMeaning meaning, BracketReading& reading) {
    const bool so2 = column == DoseColumn::FreeSO2 || column == DoseColumn::Target ||
                     column == DoseColumn::TotalSO2;
    switch (meaning) {
        case BracketMeaning::MgPerLitre:
            return so2;
        case BracketMeaning::GPerLitre:
            return column == DoseColumn::Sugar;
        case BracketMeaning::Percent:
            return column == DoseColumn::SolutionPct;
        case BracketMeaning::Gram:
            return column == DoseColumn::TabletG;
        case BracketMeaning::Measured:
            return column == DoseColumn::Ph || column == DoseColumn::FreeSO2 ||
                   column == DoseColumn::BatchSize || column == DoseColumn::TotalSO2 ||
                   column == DoseColumn::Sugar;
        case BracketMeaning::Target:
            reading.target = column == DoseColumn::FreeSO2 || reading.target;
            return column == DoseColumn::FreeSO2 || column == DoseColumn::Target;
        case BracketMeaning::Free:
        case BracketMeaning::Molecular:
            break;
    }
    const TargetKind kind =
        meaning == BracketMeaning::Free ? TargetKind::FreeSO2 : TargetKind::MolecularSO2;
    if (column == DoseColumn::FreeSO2) {
        return kind == TargetKind::FreeSO2;
    }
    if (column != DoseColumn::Target || (reading.kind && *reading.kind != kind)) {
        return false;
    }
    reading.kind = kind;
    return true;
}

bool ItemFits(DoseColumn column, std::string_view item, BracketReading& reading) {
    if (column == DoseColumn::BatchSize) {
        if (const std::optional<VolumeUnit> unit = UnitOfWord(item)) {
            const bool same = !reading.unit || *reading.unit == *unit;
            reading.unit = unit;
            return same;
        }
    }
    if (const auto meaning = MeaningOf(item)) {
        return Fits(column, *meaning, reading);
    }
    // Several words, each of the table: "visé libre", "target free".
    std::string words;
    AppendFolded(item, words, true);
    std::size_t start = 0;
    bool any = false;
    while (start < words.size()) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        const auto meaning = MeaningOf(std::string_view(words).substr(start, end - start));
        if (!meaning || !Fits(column, *meaning, reading)) {
            return false;
        }
        any = true;
        start = end + 1;
    }
    return any;
}

// The rows of kColumnNames by their folded keys, in table order, folded
// once: every cell of a header is looked up.
const std::vector<std::size_t>& RowsOfKey(const std::string& key) {
    static const std::unordered_map<std::string, std::vector<std::size_t>> rows = [] {
        std::unordered_map<std::string, std::vector<std::size_t>> byKey;
        for (std::size_t row = 0; row < kColumnNames.size(); ++row) {
            byKey[HeaderKey(kColumnNames[row].name)].push_back(row);
        }
        return byKey;
    }();
    static const std::vector<std::size_t> none;
    const auto found = rows.find(key);
    return found == rows.end() ? none : found->second;
}

// The columns a cell names, in their own order, so that a message names
// them the same way always; a set, since every cell of a header asks.
struct NamedColumns {
    std::array<bool, kDoseColumnCount> named{};
    std::size_t count = 0;
    std::array<DoseColumn, 2> first{};  // the first two of them
    bool any = false;                   // most cells name none

    void Add(DoseColumn column) {
        named[Index(column)] = true;
        any = true;
    }
    void Order() {
        for (std::size_t c = 0; c < kDoseColumnCount && any; ++c) {
            if (!named[c]) {
                continue;
            }
            if (count < first.size()) {
                first[count] = static_cast<DoseColumn>(c);
            }
            ++count;
        }
    }
};

// The columns a cell names: by the user's header for a column, else by the
// column's own names. A free SO2 header that says it is a target is one.
NamedColumns ColumnsNamed(const HeaderName& name, const std::vector<NamedHeader>& named,
                          std::optional<TargetKind>& kind) {
    NamedColumns columns;
    const auto namedByUser = [&named](DoseColumn column) {
        return std::any_of(named.begin(), named.end(),
                           [column](const NamedHeader& header) { return header.column == column; });
    };
    // A header named as nothing takes the column's own names away, and
    // matches no cell: the column is then not read.
    for (const NamedHeader& header : named) {
        if (!header.header.empty() && ReadHeaderName(header.header).key == name.key) {
            columns.Add(header.column);
        }
    }
    // A target the user names says its kind by its name as much as one
    // found by it: "SO2 libre visé" is free SO2 either way.
    const bool namedTarget = columns.named[Index(DoseColumn::Target)];
    const std::vector<std::size_t>& rows = RowsOfKey(name.key);
    if (rows.empty()) {
        columns.Order();
        return columns;  // most cells: their brackets need no reading
    }
    for (const std::size_t i : rows) {
        const ColumnName& row = kColumnNames[i];
        if (namedTarget && row.column == DoseColumn::Target && row.kind) {
            kind = row.kind;
        }
    }
    // "SO2 libre (visé)" is a target by its brackets; a header the user
    // named is what the user said.
    const bool target = ReadBrackets(DoseColumn::FreeSO2, name.bracket).target;
    for (const std::size_t i : rows) {
        const ColumnName& row = kColumnNames[i];
        if (!namedByUser(row.column)) {
            const bool freeTarget = row.column == DoseColumn::FreeSO2 && target;
            columns.Add(freeTarget ? DoseColumn::Target : row.column);
            kind = freeTarget ? kFree : row.kind ? row.kind : kind;
        }
    }
    columns.Order();
    return columns;
}

// The words that show a cell holds an input, whatever its name: SO2, pH, a
// volume or a target, in the six languages (as HeaderKey folds them).
struct InputWord {
    DoseColumn column;
    std::string_view word;
};

constexpr std::array kInputWords{
    InputWord{DoseColumn::Target, "target"},      InputWord{DoseColumn::Target, "cible"},
    InputWord{DoseColumn::Target, "vise"},        InputWord{DoseColumn::Target, "objectif"},
    InputWord{DoseColumn::Target, "obiettivo"},   InputWord{DoseColumn::Target, "objetivo"},
    InputWord{DoseColumn::Target, "ziel"},        InputWord{DoseColumn::Target, "zielwert"},
    InputWord{DoseColumn::Target, "alvo"},        InputWord{DoseColumn::Ph, "ph"},
    InputWord{DoseColumn::FreeSO2, "so2"},        InputWord{DoseColumn::FreeSO2, "sulfureux"},
    InputWord{DoseColumn::FreeSO2, "solforosa"},  InputWord{DoseColumn::FreeSO2, "sulfuroso"},
    InputWord{DoseColumn::FreeSO2, "schweflige"}, InputWord{DoseColumn::FreeSO2, "schwefeldioxid"},
    InputWord{DoseColumn::FreeSO2, "enxofre"},    InputWord{DoseColumn::FreeSO2, "sulfur"},
    InputWord{DoseColumn::FreeSO2, "sulphur"},    InputWord{DoseColumn::BatchSize, "volume"},
    InputWord{DoseColumn::BatchSize, "volumen"},  InputWord{DoseColumn::BatchSize, "vol"},
    InputWord{DoseColumn::BatchSize, "litres"},   InputWord{DoseColumn::BatchSize, "liters"},
    InputWord{DoseColumn::BatchSize, "litri"},    InputWord{DoseColumn::BatchSize, "litros"},
    InputWord{DoseColumn::BatchSize, "liter"},    InputWord{DoseColumn::BatchSize, "hl"},
};

// Words of total SO2, which is an input of the wine's limit: "SO2 total
// labo" is read by no name, and plainly holds it.
constexpr auto kTotalSO2Words =
    std::to_array<std::string_view>({"total", "totale", "totaal", "gesamt", "gesamte"});

// Words of SO2 that is no input: bound SO2, and molecular SO2 as it is
// measured (a molecular target says it is a target).
constexpr auto kOtherSO2Words = std::to_array<std::string_view>(
    {"bound", "combined", "combine", "combinato", "combinata", "combinado", "gebunden", "gebundene",
     "ligado", "molecular", "moleculaire", "molecolare", "molekular", "molekulare"});

// What a word of the tables above says, looked up at once: a header can
// have hundreds of cells, each of a few words.
struct WordMeaning {
    std::array<bool, kDoseColumnCount> named{};
    bool other = false;
    bool total = false;
};

const WordMeaning* MeaningOfWord(std::string_view word) {
    static const std::unordered_map<std::string_view, WordMeaning> meanings = [] {
        std::unordered_map<std::string_view, WordMeaning> byWord;
        for (const InputWord& row : kInputWords) {
            byWord[row.word].named[Index(row.column)] = true;
        }
        for (const std::string_view other : kOtherSO2Words) {
            byWord[other].other = true;
        }
        for (const std::string_view total : kTotalSO2Words) {
            byWord[total].total = true;
        }
        return byWord;
    }();
    const auto found = meanings.find(word);
    return found == meanings.end() ? nullptr : &found->second;
}

// The column a cell no name reads seems to hold, if it plainly holds one: a
// target before the rest, since a target names SO2 too. `words` is room to
// fold the cell in, kept from cell to cell.
std::optional<DoseColumn> SeemingInput(std::string_view cell, std::string& words) {
    words.clear();
    AppendFolded(cell.substr(0, std::min(cell.find('('), cell.find('['))), words, true);
    std::array<bool, kDoseColumnCount> named{};
    bool other = false;
    bool total = false;
    std::size_t start = 0;
    while (start < words.size()) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        const std::string_view word = std::string_view(words).substr(start, end - start);
        // "SO2" within a word too: "FSO2", "SO2L", "TSO2".
        if (word.find("so2") != std::string_view::npos) {
            named[Index(DoseColumn::FreeSO2)] = true;
        }
        if (const WordMeaning* meaning = MeaningOfWord(word)) {
            for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
                named[c] = named[c] || meaning->named[c];
            }
            other = other || meaning->other;
            total = total || meaning->total;
        }
        start = end + 1;
    }
    if (named[Index(DoseColumn::Target)]) {
        return DoseColumn::Target;
    }
    if (other) {
        return std::nullopt;
    }
    if (total) {
        return named[Index(DoseColumn::FreeSO2)] ? std::optional(DoseColumn::TotalSO2)
                                                 : std::nullopt;
    }
    for (const DoseColumn column : {DoseColumn::Ph, DoseColumn::FreeSO2, DoseColumn::BatchSize}) {
        if (named[Index(column)]) {
            return column;
        }
    }
    return std::nullopt;
}

// Whether `cell` is, byte for byte, the name of one of the program's
// result columns that speak of SO2.
bool IsSO2ResultName(std::string_view cell) {
    cell = TrimBlanks(cell);
    const auto is = [cell](const char* name) {
        return cell == name && cell.find("so2") != std::string_view::npos;
    };
    return std::any_of(kResultColumnNames.begin(), kResultColumnNames.end(), is) ||
           std::any_of(kWineResultColumnNames.begin(), kWineResultColumnNames.end(), is);
}

// Where the program's result columns, all of them and in order, end the
// header, with or without the wine's three after them.
std::optional<std::size_t> ResultsFrom(const std::vector<std::string>& cells) {
    constexpr std::size_t kResults = kResultColumnNames.size();
    for (const bool wine : {false, true}) {
        const std::size_t count = kResults + (wine ? kWineResultColumnNames.size() : 0);
        if (cells.size() < count) {
            return std::nullopt;
        }
        const std::size_t from = cells.size() - count;
        bool all = true;
        for (std::size_t i = 0; i < count && all; ++i) {
            all = TrimBlanks(cells[from + i]) ==
                  (i < kResults ? kResultColumnNames[i] : kWineResultColumnNames[i - kResults]);
        }
        if (all) {
            return from;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string HeaderKey(std::string_view text) {
    std::string key;
    AppendFolded(text, key, false);
    return key;
}

HeaderName ReadHeaderName(std::string_view cell) {
    cell = TrimBlanks(cell);
    HeaderName name;
    const char close = cell.empty() ? '\0' : cell.back();
    const std::size_t open = close == ')'   ? cell.rfind('(')
                             : close == ']' ? cell.rfind('[')
                                            : std::string_view::npos;
    if (open != std::string_view::npos) {
        name.bracket = TrimBlanks(cell.substr(open + 1, cell.size() - open - 2));
        cell = cell.substr(0, open);
    }
    name.key = HeaderKey(cell);
    return name;
}

BracketReading ReadBrackets(DoseColumn column, std::string_view bracket) {
    BracketReading reading;
    while (!TrimBlanks(bracket).empty() && reading.unknown.empty()) {
        const std::size_t end = std::min(bracket.find(','), bracket.find(';'));
        const std::string_view item = TrimBlanks(bracket.substr(0, end));
        if (!item.empty() && !ItemFits(column, item, reading)) {
            reading.unknown = item;
        }
        bracket = end == std::string_view::npos ? std::string_view() : bracket.substr(end + 1);
    }
    return reading;
}

std::optional<HeaderClash> FindHeaderColumns(const std::vector<std::string>& cells,
                                             const std::vector<NamedHeader>& named,
                                             HeaderColumns& found) {
    found = HeaderColumns{};
    found.resultsFrom = ResultsFrom(cells);
    const std::size_t inputs = found.resultsFrom.value_or(cells.size());
    static const std::array<std::string, kTankNames.size()> tankKeys = [] {
        std::array<std::string, kTankNames.size()> keys;
        std::transform(kTankNames.begin(), kTankNames.end(), keys.begin(), HeaderKey);
        return keys;
    }();
    std::vector<std::size_t> others;
    std::optional<std::size_t> tankCell;  // the first cell a tank's name heads
    for (std::size_t cell = 0; cell < inputs; ++cell) {
        if (IsSO2ResultName(cells[cell])) {
            return HeaderClash{.kind = HeaderClash::Kind::ResultColumn, .cell = cell};
        }
        const HeaderName name = ReadHeaderName(cells[cell]);
        std::optional<TargetKind> kind;
        const NamedColumns columns = ColumnsNamed(name, named, kind);
        if (columns.count == 0) {
            if (!tankCell &&
                std::find(tankKeys.begin(), tankKeys.end(), name.key) != tankKeys.end()) {
                tankCell = cell;
            }
            if (others.empty()) {
                others.reserve(inputs - cell);
            }
            others.push_back(cell);
            continue;
        }
        const DoseColumn column = columns.first[0];
        if (columns.count > 1) {
            return HeaderClash{HeaderClash::Kind::TwoColumnsInOneCell, column, columns.first[1],
                               cell, cell};
        }
        std::optional<std::size_t>& at = found.cellOf[Index(column)];
        if (at) {
            return HeaderClash{HeaderClash::Kind::ColumnTwice, column, column, *at, cell};
        }
        at = cell;
        found.bracketOf[Index(column)] = name.bracket;
        if (column == DoseColumn::Target) {
            const BracketReading brackets = ReadBrackets(column, name.bracket);
            if (kind && brackets.kind && *kind != *brackets.kind) {
                return HeaderClash{.kind = HeaderClash::Kind::BracketWord,
                                   .column = column,
                                   .cell = cell,
                                   .word = name.bracket};
            }
            found.targetKind = kind ? kind : brackets.kind;
        }
    }
    const auto accountedFor = [&](DoseColumn column) {
        return found.cellOf[Index(column)] ||
               std::any_of(named.begin(), named.end(),
                           [column](const NamedHeader& header) { return header.column == column; });
    };
    if (!others.empty()) {
        found.tankCell = tankCell ? tankCell : others.front();
    }
    std::string words;  // room to fold each cell in
    for (const std::size_t cell : others) {
        const std::optional<DoseColumn> seems = SeemingInput(cells[cell], words);
        if (seems && !accountedFor(*seems)) {
            found.unreadCell = cell;
            found.unreadColumn = seems;
            break;
        }
    }
    return std::nullopt;
}

}  // namespace korvane
