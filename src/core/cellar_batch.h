// A dose from texts and words, as the command line gives it, and a whole
// cellar from a CSV file, one row per tank. Each row is put into the main
// window's sheet exactly as the window would hold it, so the figures are the
// window's to the last digit. Rows stream through: memory stays the same
// whatever the size of the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/choice_words.h"
#include "core/csv.h"
#include "core/dose_sheet.h"

namespace korvane {

// The inputs of a dose, as a cellar file's columns and the command line's
// options name them.
enum class DoseColumn {
    Ph,
    FreeSO2,
    BatchSize,
    Unit,
    Form,
    Method,
    SolutionPct,
    TabletG,
    TargetKind,
    Target,
};
inline constexpr std::size_t kDoseColumnCount = 10;

inline constexpr std::array<const char*, kDoseColumnCount> kDoseColumnNames{
    "ph",     "free_so2",     "batch_size", "unit",        "form",
    "method", "solution_pct", "tablet_g",   "target_kind", "target",
};

// The figures of a dose, as the window shows them, in the order of their
// columns.
enum class Figure {
    ExistingMolecular,
    TargetFree,
    TargetMolecular,
    FreeRequirement,
    MolecularRequirement,
    Amount,
    AmountUnit,
    Teaspoons,
};
inline constexpr std::size_t kFigureCount = 8;

// The columns a batch appends to every row: the figures, then the status.
inline constexpr std::array<const char*, kFigureCount + 2> kResultColumnNames{
    "molecular_so2",
    "target_free_so2",
    "target_molecular_so2",
    "so2_requirement",
    "molecular_so2_requirement",
    "amount",
    "amount_unit",
    "teaspoons",
    "status",
    "message",
};

// Numbers as typed, choices as words (core/choice_words.h).
using DoseTexts = std::array<std::string, kDoseColumnCount>;
using DoseTextViews = std::array<std::string_view, kDoseColumnCount>;

// What the main window holds after a start with the system defaults: the
// texts a calculation starts from.
const DoseTexts& StartTexts();

// The system defaults give these columns a value. A wine's own measurements
// and the target it should reach have none: a cellar file must give them.
bool HasSystemDefault(DoseColumn column);

enum class DoseStatus { Ok, Error, Question };

// "ok", "error" or "question".
const char* StatusWord(DoseStatus status);

// What a dose comes to, as the window shows it. The texts are views into
// the DoseCalculation that answered (or into the caller's message) and last
// until it calculates again.
struct DoseResult {
    DoseStatus status = DoseStatus::Ok;
    std::string_view message;                            // English; empty when ok
    std::array<std::string_view, kFigureCount> figures;  // all empty unless ok
};

// Calls `use(table, what)` with a word column's table (unit, form, method or
// target kind) and what its words name, e.g. "unit".
template <typename Use>
auto WithWordTable(DoseColumn column, Use&& use) {
    switch (column) {
        case DoseColumn::Unit:
            return use(kUnitWords, "unit");
        case DoseColumn::Form:
            return use(kFormWords, "form");
        case DoseColumn::Method:
            return use(kMethodWords, "method");
        default:
            return use(kTargetKindWords, "target kind");
    }
}

// Why a word column's text names no choice, e.g. `Unknown unit "gal": use
// us-gal, imp-gal or litres.`
std::string UnknownWordMessage(DoseColumn column, std::string_view word);

// One dose put into the main window's sheet and calculated there. Kept from
// row to row, it allocates nothing for a dose whose words name choices.
class DoseCalculation {
  public:
    DoseCalculation() = default;
    // The sheet points into the calculation's own room.
    DoseCalculation(const DoseCalculation&) = delete;
    DoseCalculation& operator=(const DoseCalculation&) = delete;

    // Puts the texts into the sheet as the main window holds them: the
    // target not given reads "0.00", and with a molecular target the
    // existing molecular SO2 on show is refreshed first. The texts must
    // stay until the dose is evaluated. The message when a word names no
    // choice.
    std::optional<std::string> Fill(const DoseTextViews& texts, double pka);

    // The Calculate command on the sheet. With `answerYes` every
    // plausibility question is answered Yes; otherwise the first one stops
    // the dose.
    const DoseResult& Evaluate(bool answerYes);

    const SheetView& Input() const { return input_; }

  private:
    void ShowFigures();

    SheetView input_;
    ResultText shownExistingMolecular_;
    SheetVerdict verdict_;
    DoseResult result_;
};

// The most bytes WriteResultFields writes for `result`.
std::size_t MaxResultFieldsBytes(const DoseResult& result);

// Writes the result columns of `result` at `out`, each after a comma;
// where they end.
char* WriteResultFields(char* out, const DoseResult& result);

// Appends the same to `out`.
void AppendResultFields(std::string& out, const DoseResult& result);

// Appends the names of the result columns to `out`, each after a comma: the
// header's end that goes with AppendResultFields.
void AppendResultColumnNames(std::string& out);

struct BatchSettings {
    // Values for the columns a file does not have; a column wins over them.
    std::array<std::optional<std::string>, kDoseColumnCount> given;
    double pka = SO2Pka;
    bool answerYes = false;
};

struct HeaderProblem {
    enum class Kind {
        NoHeader,        // nothing but empty lines
        HeaderTooLong,   // over kMaxRecordBytes
        RepeatedColumn,  // `column` stands twice
        MissingColumn,   // `column` is absent and has no value
        Unreadable,      // the source failed
    };
    Kind kind;
    DoseColumn column = DoseColumn::Ph;
};

enum class BatchEnd { Done, ReadFailed, WriteFailed };

struct BatchCounts {
    std::uint64_t rows = 0;
    std::uint64_t ok = 0;
};

class CellarBatch {
  public:
    // Told now and then how many bytes have been read.
    using Progress = std::function<void(std::uint64_t bytesRead)>;

    CellarBatch(ByteSource& source, BatchSettings settings);

    // Reads the header and finds the columns. Nothing is written yet, so a
    // file with a bad header leaves no half-written output behind.
    std::optional<HeaderProblem> ReadHeader();

    // Writes the header and every row with its results appended, in order.
    // A bad row becomes an error row; only the streams themselves can stop
    // the batch.
    BatchEnd Run(ByteSink& sink, const Progress& progress = {});

    const BatchCounts& Counts() const { return counts_; }

  private:
    std::optional<HeaderProblem> FindColumns();
    void ProcessRecord(CsvReader::Result read);
    std::optional<std::string> RecordProblem() const;
    const DoseResult& Calculate();
    const DoseResult& Problem(std::string message);
    // Writes the row's fields as read, a comma for each one it lacks, and
    // the results.
    // `closing` ends a field the file left open (a lone quote), if any.
    void WriteRow(std::string_view fields, std::size_t missing, const DoseResult& result,
                  std::string_view closing = {});

    CsvReader reader_;
    CsvRecord record_;
    BatchSettings settings_;
    std::array<std::optional<std::size_t>, kDoseColumnCount> columnIndex_;
    DoseTexts fallback_;
    // The columns the file has, and where: only these change from row to
    // row in `texts_`, the others keep their fallback.
    struct FileColumn {
        std::size_t column;
        std::size_t field;
    };
    std::array<FileColumn, kDoseColumnCount> fileColumns_{};
    std::size_t fileColumnCount_ = 0;
    DoseTextViews texts_;
    std::size_t headerWidth_ = 0;
    std::string_view lineEnd_ = "\n";
    SinkBuffer out_;
    DoseTexts scratch_;
    DoseCalculation dose_;
    std::string problem_;
    DoseResult problemResult_;
    BatchCounts counts_;
};

}  // namespace korvane
