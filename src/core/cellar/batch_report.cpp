#include "core/cellar/batch_report.h"

#include "core/cellar/text_encoding.h"

namespace korvane {
namespace {

std::string Quoted(std::string_view text) {
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on `"\"" + std::string`.
    std::string quoted(1, '"');
    quoted += EscapedText(text);
    quoted += '"';
    return quoted;
}

// The file's headers, and how it was read: what a person needs to see why a
// column was not found.
std::string HeaderInfo(const CellarBatch& batch) {
    std::string cells;
    for (const std::string& cell : batch.HeaderCells()) {
        cells += cells.empty() ? "" : ", ";
        cells += Quoted(cell);
    }
    return " Its header, read as " + std::string(SeparatorName(batch.Separator())) + "-separated " +
           EncodingName(batch.Encoding()) + ", has " + cells + ".";
}

std::string Plural(std::uint64_t count, const char* word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

// The rows and what came of them.
std::string BatchCountsText(const BatchCounts& counts) {
    std::string text = Plural(counts.rows, "row") + ": " + std::to_string(counts.ok) + " ok, " +
                       std::to_string(counts.noAddition) + " no addition, " +
                       Plural(counts.questions, "question") + ", " +
                       Plural(counts.errors, "error") + ", " + std::to_string(counts.blank) +
                       " blank.";
    const std::size_t shown = counts.firstUncalculated.size();
    if (shown == 0) {
        return text;
    }
    text += " Not calculated:";
    for (std::size_t i = 0; i < shown; ++i) {
        text += (i > 0        ? ", "
                 : shown == 1 ? " line "
                              : " lines ") +
                std::to_string(counts.firstUncalculated[i]);
    }
    const std::uint64_t all = counts.errors + counts.questions;
    return text + (all > shown ? " and " + std::to_string(all - shown) + " more." : ".");
}

}  // namespace

const char* SeparatorName(char separator) {
    switch (separator) {
        case ';':
            return "semicolon";
        case '\t':
            return "tab";
        default:
            return "comma";
    }
}

namespace {

std::string ColumnNameOf(const std::optional<DoseColumn>& column) {
    return column ? kDoseColumnNames[Index(*column)] : "";
}

// The problems a header's brackets or its target's kind make.
std::string BracketMessage(const HeaderProblem& problem, const CellarBatch& batch,
                           const BatchWording& wording) {
    const std::string header =
        wording.input + "'s header " + Quoted(batch.HeaderCells()[problem.cell]);
    const std::string column = ColumnNameOf(problem.column);
    using Kind = HeaderProblem::Kind;
    if (problem.kind == Kind::UnitUnknown) {
        return header + ": " + UnknownUnitText(problem.word);
    }
    if (problem.kind == Kind::NotMgPerLitre) {
        return header + " gives " + column + " in " + EscapedText(problem.word) +
               ": SO2 is read in mg/L.";
    }
    if (problem.kind == Kind::TargetKindTwice) {
        return header + " says its targets are " + problem.word + ", and so does its column " +
               Quoted(batch.HeaderCells()[problem.otherCell]) + ": use one or the other.";
    }
    if (problem.kind == Kind::TargetKindDisagrees) {
        return header + " says its targets are " + problem.word + ", and " +
               wording.givenBy(DoseColumn::TargetKind) + " says " + EscapedText(problem.otherWord) +
               ": use one or the other.";
    }
    const bool so2 = problem.column == DoseColumn::FreeSO2 || problem.column == DoseColumn::Target;
    return header + ": " + Quoted(problem.word) + " is no unit or word read for " + column +
           (so2 ? "; SO2 is read in mg/L." : ".");
}

}  // namespace

std::string HeaderProblemMessage(const HeaderProblem& problem, const CellarBatch& batch,
                                 const BatchWording& wording) {
    const std::string& input = wording.input;
    const std::string column = ColumnNameOf(problem.column);
    const auto cell = [&batch](std::size_t at) { return Quoted(batch.HeaderCells()[at]); };
    switch (problem.kind) {
        case HeaderProblem::Kind::NoHeader:
            return input + " has no header row.";
        case HeaderProblem::Kind::HeaderTooLong:
            return "The header row of " + input + " is longer than " + RecordLimitText() + ".";
        case HeaderProblem::Kind::TooManyColumns:
            return "The header row of " + input + " has more than " + std::to_string(kMaxColumns) +
                   " columns.";
        case HeaderProblem::Kind::ColumnTwice:
            return input + " has the column " + column + " twice: " + cell(problem.cell) + " and " +
                   cell(problem.otherCell) + ".";
        case HeaderProblem::Kind::TwoColumnsInCell:
            return input + " has a column " + cell(problem.cell) + " that names both " + column +
                   " and " + ColumnNameOf(problem.other) + ".";
        case HeaderProblem::Kind::ResultColumn:
            return input + " has the result column " + cell(problem.cell) +
                   " without all the others after it, as they are written: it is no input, so "
                   "rename it or take it out.";
        case HeaderProblem::Kind::MissingColumn:
            return input + " has no column " + column + ", and " +
                   wording.notGiven(*problem.column) + "." + HeaderInfo(batch);
        case HeaderProblem::Kind::UnreadInput:
            return input + " has a column " + cell(problem.cell) + " that seems to hold " + column +
                   " but is not read: " +
                   wording.readOrPassOver(*problem.column, batch.HeaderCells()[problem.cell]) + ".";
        case HeaderProblem::Kind::TargetWithoutKind:
            return input + " has a target column but no target_kind column: add one, or " +
                   wording.targetKindHint + ".";
        case HeaderProblem::Kind::TargetTwice:
            return input + " has a " + column + " column, and " + wording.targetSource +
                   " gives the target too: use one or the other.";
        case HeaderProblem::Kind::GivenTwice:
            return input + " has a " + column + " column " + cell(problem.cell) + ", and " +
                   wording.givenBy(*problem.column) + " gives it too: use one or the other (" +
                   wording.readNoColumn(*problem.column) + " reads no column for it).";
        case HeaderProblem::Kind::UnitTwice:
            return input + "'s header " + cell(problem.cell) + " names another unit than " +
                   wording.unitSource + ".";
        case HeaderProblem::Kind::UnitInHeaderAndColumn:
            return input + "'s header " + cell(problem.cell) + " names a unit, and so does its " +
                   "column " + cell(problem.otherCell) + ": use one or the other.";
        case HeaderProblem::Kind::UnitUnknown:
        case HeaderProblem::Kind::NotMgPerLitre:
        case HeaderProblem::Kind::TargetKindTwice:
        case HeaderProblem::Kind::TargetKindDisagrees:
        case HeaderProblem::Kind::BracketWord:
            return BracketMessage(problem, batch, wording);
        case HeaderProblem::Kind::Unreadable:
            break;
    }
    return "Cannot read " + input + ": " + wording.failure;
}

std::string BatchSummaryText(const BatchCounts& counts, TextEncoding encoding) {
    std::string text = BatchCountsText(counts);
    if (encoding == TextEncoding::Windows1252) {
        text += " The file is not UTF-8: it was read as Windows-1252.";
    }
    return text;
}

ShownRow ShowRow(const BatchRow& row, DecimalMark mark) {
    ShownRow shown;
    shown.line = row.line;
    shown.tank = row.tank.empty() ? std::string() : EscapedText(row.tank);
    const DoseResult& result = row.result;
    const std::string_view amount = result.figures[static_cast<std::size_t>(Figure::Amount)];
    if (!amount.empty()) {
        shown.amount = std::string(amount);
        PutMark(shown.amount, mark);
        shown.unit = result.figures[static_cast<std::size_t>(Figure::AmountUnit)];
    }
    for (std::size_t i = 0; i < shown.wine.size(); ++i) {
        shown.wine[i] = std::string(result.wineFigures[i]);
        PutMark(shown.wine[i], mark);
    }
    shown.status = StatusWord(result.status);
    shown.message = result.message;
    return shown;
}

}  // namespace korvane
