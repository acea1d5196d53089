// A whole cellar from a file, one row per tank, read as spreadsheets write
// them: separated by commas, semicolons or tabs, with decimal points or
// decimal commas, in UTF-8 or UTF-16. Each row goes through the dose sheet
// (core/dose_calculation.h) and comes out with its results appended, in the
// file's own separator, decimal mark, line ends and byte order mark. Rows
// stream through: memory stays the same whatever the size of the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cellar/cellar_header.h"
#include "core/cellar/csv.h"
#include "core/cellar/decimal_marks.h"
#include "core/cellar/dose_calculation.h"
#include "core/cellar/text_encoding.h"

namespace korvane {

// A header with more cells than this is refused: no cellar file has them, and
// each row of such a file would be written out with every one.
inline constexpr std::size_t kMaxColumns = 1000;

struct BatchSettings {
    // Values for the columns a file does not have: numbers in the sheet's
    // form, words as the tables write them.
    std::array<std::optional<std::string>, kDoseColumnCount> given;
    // Whether a column of the file wins over a value given for it, as it
    // does over a form that always holds one. Otherwise a value given for a
    // column the file has stops the batch: one of the two is a mistake (a
    // lot number under "Batch", a bottle under "Size"), and which one only
    // the user can say.
    bool columnsWinOverGiven = false;
    // The target and its kind came together from outside (the command
    // line's --target-free or --target-molecular), so a file must not give
    // either.
    bool targetGivenWithKind = false;
    std::vector<NamedHeader> namedHeaders;
    std::optional<char> separator;           // none: found from the header
    std::optional<DecimalMark> decimalMark;  // none: found from the separator
    double pka = SO2Pka;
    bool answerYes = false;
    // What a wine's projected total SO2 is checked against: a regime's
    // table, or a limit of the user's own, which wins over it.
    std::optional<LimitRegime> regime;
    std::optional<float> limit;
};

struct HeaderProblem {
    enum class Kind {
        NoHeader,           // nothing but empty lines
        HeaderTooLong,      // over kMaxRecordBytes
        TooManyColumns,     // over kMaxColumns
        ColumnTwice,        // `column` stands in cells `cell` and `otherCell`
        TwoColumnsInCell,   // cell `cell` names `column` and `other`
        ResultColumn,       // cell `cell` is a result column, apart from the others
        MissingColumn,      // `column` is absent and has no value
        UnreadInput,        // cell `cell` seems to hold `column`, and is not read
        TargetWithoutKind,  // a target column, and nothing says its kind
        TargetTwice,        // a target or target kind column, and the target given too
        TargetKindTwice,  // the target's header (`cell`) says its kind, and a column (`otherCell`)
        TargetKindDisagrees,    // the target's header (`cell`) says `word`, the given kind
                                // `otherWord`
        GivenTwice,             // `column` stands in cell `cell`, and is given too
        UnitTwice,              // the batch size's header names a unit, and another is given
        UnitUnknown,            // the batch size's header names no unit the program knows
        UnitInHeaderAndColumn,  // the batch size's header (`cell`) and a unit column (`otherCell`)
        NotMgPerLitre,          // `column`'s header (`cell`) gives SO2 in another unit
        BracketWord,            // `column`'s header (`cell`) has `word` in brackets, which fits not
        Unreadable,             // the source failed
    };
    Kind kind;
    std::optional<DoseColumn> column = std::nullopt;
    std::optional<DoseColumn> other = std::nullopt;
    std::size_t cell = 0;
    std::size_t otherCell = 0;
    std::string word = {};
    std::string otherWord = {};
};

// One row as it was decided: where it starts in the file, the tank's name
// (the first column that is no input; empty when there is none) and what
// came of it.
struct BatchRow {
    std::uint64_t line;
    std::string_view tank;
    const DoseResult& result;
};

struct BatchCounts {
    std::uint64_t rows = 0;
    std::uint64_t ok = 0;
    std::uint64_t noAddition = 0;
    std::uint64_t questions = 0;
    std::uint64_t errors = 0;
    std::uint64_t blank = 0;
    // The lines of the first rows that were not calculated.
    std::vector<std::uint64_t> firstUncalculated;
};

// How many rows' lines BatchCounts keeps.
inline constexpr std::size_t kUncalculatedLinesKept = 5;

// How a run ended. Stopped: the file cannot be read right (a quote that
// never closes, decimal marks mixed, text that stops being UTF-8), and
// nothing further is written; StopMessage() says why.
enum class BatchEnd { Done, ReadFailed, WriteFailed, Stopped };

class CellarBatch {
  public:
    // Told now and then how many bytes have been read.
    using Progress = std::function<void(std::uint64_t bytesRead)>;
    // Told of every row once it is decided.
    using RowDone = std::function<void(const BatchRow& row)>;

    CellarBatch(ByteSource& source, BatchSettings settings);

    // Reads the header and finds the columns. Nothing is written yet, so a
    // file with a bad header leaves no half-written output behind.
    std::optional<HeaderProblem> ReadHeader();

    // What the header held and how the file was read, for messages.
    const std::vector<std::string>& HeaderCells() const { return headerCells_; }
    char Separator() const { return reader_.Separator(); }
    // The decimal mark the figures are written with: the one given, else
    // the one the file's numbers showed first, else the one its separator
    // suggests.
    DecimalMark Mark() const { return outputMark_.value_or(fileMark_.value_or(SeparatorsMark())); }
    TextEncoding Encoding() const { return decoded_.Encoding(); }
    // The columns that every row took the built-in word for.
    const std::vector<DoseColumn>& BuiltInsUsed() const { return builtInsUsed_; }
    // Whether the rows come out with the wine's three columns.
    bool WineShown() const { return wine_.shown; }
    // Said once for the whole batch: a total SO2 with nothing to check it
    // against, or a limit with no total SO2 to check.
    std::optional<std::string> WineNote() const;

    // Writes the header and every row with its results appended, in order.
    // A bad row becomes an error row; only the streams themselves can stop
    // the batch.
    BatchEnd Run(ByteSink& sink, const Progress& progress = {}, const RowDone& rowDone = {});

    const BatchCounts& Counts() const { return counts_; }
    // Why the run stopped, when it did.
    const std::string& StopMessage() const { return *stop_; }

  private:
    void ChooseSeparator();
    std::optional<HeaderProblem> FindColumns();
    std::optional<HeaderProblem> TakeFallbacks(const HeaderColumns& columns);
    std::optional<HeaderProblem> CheckBrackets(const HeaderColumns& columns) const;
    std::optional<HeaderProblem> CheckTarget(const HeaderColumns& columns);
    std::optional<HeaderProblem> CheckGiven(const HeaderColumns& columns) const;
    std::optional<HeaderProblem> TakeHeaderUnit(const HeaderColumns& columns);
    void WriteHeader();
    void ProcessRecord(CsvReader::Result read);
    void StopAtOpenQuote();
    bool StopAtBadText();
    // Puts a number that is not plainly one with a point (in a file that
    // uses the point) in the sheet's form; false, with the problem in
    // problem_, when it cannot be read.
    bool ReadNumber(std::size_t column, std::string_view& text);
    bool ReadMarkedOnes(std::size_t column, std::string_view& text, const MarkedNumber& number);
    DecimalMark SeparatorsMark() const;
    std::optional<std::string> RecordProblem() const;
    bool IsBlank() const;
    const DoseResult& Calculate();
    const DoseResult& Problem(std::string message);
    void Count(const DoseResult& result);
    // Writes the row's fields as read, a separator for each one it lacks,
    // and the results.
    void WriteRow(std::string_view fields, std::size_t missing, const DoseResult& result);

    Utf8Source decoded_;
    CsvReader reader_;
    CsvRecord record_;
    BatchSettings settings_;
    // What the numbers are read with: the mark given, or the first one a
    // number showed, and where.
    std::optional<DecimalMark> fileMark_;
    struct MarkShown {
        std::uint64_t line = 0;
        std::string field;  // its column and text, for a message
    } markShownAt_;
    std::optional<DecimalMark> outputMark_;
    std::optional<std::string> stop_;
    std::vector<std::string> headerCells_;
    std::vector<DoseColumn> builtInsUsed_;
    DoseTexts fallback_;
    // The columns the file has, and where: only these change from row to
    // row in `texts_`, the others keep their fallback.
    struct FileColumn {
        std::size_t column;
        std::size_t field;
        bool number;
    };
    std::array<FileColumn, kDoseColumnCount> fileColumns_{};
    std::size_t fileColumnCount_ = 0;
    std::optional<std::size_t> tankField_;
    DoseTextViews texts_;
    std::size_t headerWidth_ = 0;
    // The cells before the program's own results, when the file has them:
    // only these are written out again, with new results.
    std::size_t keptWidth_ = 0;
    std::string_view lineEnd_ = "\n";
    SinkBuffer out_;
    DoseTexts scratch_;
    DoseTexts marked_;
    DoseCalculation dose_;
    WineSettings wine_;
    bool totalGiven_ = false;
    std::string problem_;
    DoseResult problemResult_;
    DoseResult blankResult_;
    BatchCounts counts_;
    const RowDone* rowDone_ = nullptr;
};

}  // namespace korvane
