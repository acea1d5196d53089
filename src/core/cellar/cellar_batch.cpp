#include "core/cellar/cellar_batch.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/rules/number_text.h"

namespace korvane {
namespace {

// Output is handed on in pieces of about this size.
constexpr std::size_t kFlushBytes = std::size_t{64} << 10;
// Room beyond that for the row that crosses it; a longer one makes more.
constexpr std::size_t kRowRoom = std::size_t{4} << 10;
// How many rows pass between two reports of progress.
constexpr std::uint64_t kProgressRows = 8192;

// The separators a spreadsheet writes, in the order a tie is settled.
constexpr std::array<char, 3> kSeparators{',', ';', '\t'};

// How often each separator stands outside quotes in `line`.
std::array<std::size_t, kSeparators.size()> SeparatorCounts(std::string_view line) {
    std::array<std::size_t, kSeparators.size()> counts{};
    bool quoted = false;
    for (const char c : line) {
        quoted = c == '"' ? !quoted : quoted;
        for (std::size_t i = 0; i < kSeparators.size(); ++i) {
            counts[i] += !quoted && c == kSeparators[i] ? 1 : 0;
        }
    }
    return counts;
}

// A spreadsheet that separates with semicolons or tabs does so because its
// decimal mark is the comma: the figures of a file whose numbers never show
// their mark are written with it. (Numbers are never read by it.)
DecimalMark MarkOfSeparator(char separator) {
    return separator == ',' ? DecimalMark::Point : DecimalMark::Comma;
}

// Built up piece by piece: GCC 12 at -O3 warns of an overlap that cannot
// happen in `"\"" + text + "\""` once it is inlined here.
std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted += EscapedText(text);
    quoted += '"';
    return quoted;
}

std::string LinesText(std::uint64_t count) {
    return std::to_string(count) + (count == 1 ? " line" : " lines");
}

bool IsBlankText(std::string_view text) {
    return TrimBlanks(text).empty();
}

}  // namespace

CellarBatch::CellarBatch(ByteSource& source, BatchSettings settings)
    : decoded_(source),
      reader_(decoded_),
      settings_(std::move(settings)),
      out_(kFlushBytes + kRowRoom) {}

std::optional<HeaderProblem> CellarBatch::ReadHeader() {
    for (;;) {
        // A header is never skipped to its end: the end may never come.
        switch (reader_.Next(record_, CsvReader::Overlong::Stop)) {
            case CsvReader::Result::ReadFailed:
                return HeaderProblem{HeaderProblem::Kind::Unreadable};
            case CsvReader::Result::End:
                return HeaderProblem{HeaderProblem::Kind::NoHeader};
            case CsvReader::Result::TooLong:
                return HeaderProblem{HeaderProblem::Kind::HeaderTooLong};
            case CsvReader::Result::Record:
                if (!record_.Raw().empty()) {
                    ChooseSeparator();
                    return FindColumns();
                }
                break;  // empty lines before the header
        }
    }
}

// The separator the user gave, else the one the header uses most; the
// header is read again with it.
void CellarBatch::ChooseSeparator() {
    char separator = settings_.separator.value_or(',');
    if (!settings_.separator) {
        const auto counts = SeparatorCounts(record_.Raw());
        const auto most = std::max_element(counts.begin(), counts.end());
        separator = *most > 0 ? kSeparators[static_cast<std::size_t>(most - counts.begin())] : ',';
    }
    if (separator != reader_.Separator()) {
        reader_.Reread(record_, separator);
    }
    fileMark_ = settings_.decimalMark;
    outputMark_ = settings_.decimalMark;
}

namespace {

HeaderProblem ProblemOfClash(const HeaderClash& clash) {
    using Kind = HeaderProblem::Kind;
    switch (clash.kind) {
        case HeaderClash::Kind::ColumnTwice:
            return {.kind = Kind::ColumnTwice,
                    .column = clash.column,
                    .other = clash.other,
                    .cell = clash.cell,
                    .otherCell = clash.otherCell};
        case HeaderClash::Kind::TwoColumnsInOneCell:
            return {.kind = Kind::TwoColumnsInCell,
                    .column = clash.column,
                    .other = clash.other,
                    .cell = clash.cell};
        case HeaderClash::Kind::ResultColumn:
            return {.kind = Kind::ResultColumn, .cell = clash.cell};
        case HeaderClash::Kind::BracketWord:
            break;
    }
    return {.kind = Kind::BracketWord,
            .column = clash.column,
            .cell = clash.cell,
            .word = std::string(clash.word)};
}

// Whether a header's unit is plainly an amount per volume other than mg/L:
// "g/L", "g/hL", "mg/hL", "g/100 mL", told apart from other words the
// program does not read, so that the message can say SO2 is read in mg/L.
bool IsOtherConcentration(std::string_view unit) {
    std::string key;
    for (const char c : unit) {
        if (c != ' ') {
            key += LowerAscii(c);
        }
    }
    const std::size_t slash = key.find('/');
    if (slash == std::string::npos) {
        return false;
    }
    const std::string_view mass = std::string_view(key).substr(0, slash);
    const std::string_view volume = std::string_view(key).substr(slash + 1);
    const bool isMass = mass == "g" || mass == "mg" || mass == "kg" || mass == "ug" || mass == "µg";
    const bool isLitre = volume == "l" || volume == "litre" || volume == "liter" || volume == "dm3";
    return isMass && !(mass == "mg" && isLitre);
}

}  // namespace

std::optional<HeaderProblem> CellarBatch::FindColumns() {
    headerWidth_ = record_.FieldCount();
    if (headerWidth_ > kMaxColumns) {
        return HeaderProblem{HeaderProblem::Kind::TooManyColumns};
    }
    std::string scratch;
    headerCells_.reserve(headerWidth_);
    for (std::size_t i = 0; i < headerWidth_; ++i) {
        headerCells_.emplace_back(record_.Field(i, scratch));
    }
    HeaderColumns columns;
    if (const auto clash = FindHeaderColumns(headerCells_, settings_.namedHeaders, columns)) {
        return ProblemOfClash(*clash);
    }
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        if (columns.cellOf[c]) {
            fileColumns_[fileColumnCount_++] = {c, *columns.cellOf[c],
                                                IsNumberColumn(static_cast<DoseColumn>(c))};
        }
    }
    tankField_ = columns.tankCell;
    keptWidth_ = columns.resultsFrom.value_or(headerWidth_);
    if (auto problem = CheckBrackets(columns)) {
        return problem;
    }
    if (auto problem = CheckTarget(columns)) {
        return problem;
    }
    if (columns.unreadCell) {
        return HeaderProblem{.kind = HeaderProblem::Kind::UnreadInput,
                             .column = columns.unreadColumn,
                             .cell = *columns.unreadCell};
    }
    if (auto problem = CheckGiven(columns)) {
        return problem;
    }
    if (auto problem = TakeHeaderUnit(columns)) {
        return problem;
    }
    if (auto problem = TakeFallbacks(columns)) {
        return problem;
    }
    bool wineColumn = false;
    for (std::size_t c = kDoseColumnsOfEveryDose; c < kDoseColumnCount; ++c) {
        wineColumn = wineColumn || columns.cellOf[c] || settings_.given[c];
    }
    const std::size_t total = Index(DoseColumn::TotalSO2);
    totalGiven_ = columns.cellOf[total] || settings_.given[total];
    wine_ = {wineColumn || settings_.regime || settings_.limit, settings_.regime, settings_.limit};
    dose_.SetWine(wine_);
    WriteHeader();
    return std::nullopt;
}

// Every word in a header's brackets must be a unit of its column or a word
// that fits it: SO2 in g/L read as mg/L would be a thousand times off, and a
// word the program does not know may say as much.
std::optional<HeaderProblem> CellarBatch::CheckBrackets(const HeaderColumns& columns) const {
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        const auto column = static_cast<DoseColumn>(c);
        if (!columns.cellOf[c] || column == DoseColumn::BatchSize) {
            continue;  // the batch size's unit is taken with the unit
        }
        const std::size_t cell = *columns.cellOf[c];
        const std::string_view word = ReadBrackets(column, columns.bracketOf[c]).unknown;
        if (word.empty()) {
            continue;
        }
        const bool so2 = column == DoseColumn::FreeSO2 || column == DoseColumn::Target ||
                         column == DoseColumn::TotalSO2;
        return HeaderProblem{.kind = so2 && IsOtherConcentration(word)
                                         ? HeaderProblem::Kind::NotMgPerLitre
                                         : HeaderProblem::Kind::BracketWord,
                             .column = column,
                             .cell = cell,
                             .word = std::string(word)};
    }
    return std::nullopt;
}

// A target and its kind travel together: a target column needs a kind from
// its header, a target_kind column or the user, only one of them says it,
// and a target given with its kind leaves the file no say in either.
std::optional<HeaderProblem> CellarBatch::CheckTarget(const HeaderColumns& columns) {
    using Kind = HeaderProblem::Kind;
    const auto targetCell = columns.cellOf[Index(DoseColumn::Target)];
    const auto kindCell = columns.cellOf[Index(DoseColumn::TargetKind)];
    for (const DoseColumn column : {DoseColumn::Target, DoseColumn::TargetKind}) {
        if (columns.cellOf[Index(column)] && settings_.targetGivenWithKind) {
            return HeaderProblem{.kind = Kind::TargetTwice, .column = column};
        }
    }
    std::optional<std::string>& given = settings_.given[Index(DoseColumn::TargetKind)];
    if (targetCell && columns.targetKind) {
        const std::string word = RowOf(kTargetKinds, *columns.targetKind).word;
        if (kindCell) {
            return HeaderProblem{.kind = Kind::TargetKindTwice,
                                 .column = DoseColumn::TargetKind,
                                 .cell = *targetCell,
                                 .otherCell = *kindCell,
                                 .word = word};
        }
        if (given && !settings_.columnsWinOverGiven &&
            CanonicalWord(DoseColumn::TargetKind, *given) != word) {
            return HeaderProblem{.kind = Kind::TargetKindDisagrees,
                                 .column = DoseColumn::TargetKind,
                                 .cell = *targetCell,
                                 .word = word,
                                 .otherWord = *given};
        }
        given = word;
    }
    if (targetCell && !kindCell && !given) {
        return HeaderProblem{.kind = Kind::TargetWithoutKind, .column = DoseColumn::TargetKind};
    }
    return std::nullopt;
}

std::optional<HeaderProblem> CellarBatch::CheckGiven(const HeaderColumns& columns) const {
    for (std::size_t c = 0; c < kDoseColumnCount && !settings_.columnsWinOverGiven; ++c) {
        if (columns.cellOf[c] && settings_.given[c]) {
            const auto column = static_cast<DoseColumn>(c);
            return HeaderProblem{.kind = HeaderProblem::Kind::GivenTwice,
                                 .column = column,
                                 .cell = *columns.cellOf[c]};
        }
    }
    return std::nullopt;
}

// "Volume (hL)": the unit of the batch size, where there is no unit column.
// A unit in the header that the program does not know ("(kL)", "(ml)") is
// refused rather than passed over, and so is one beside a unit column: either
// would put another unit on every tank than the file means.
std::optional<HeaderProblem> CellarBatch::TakeHeaderUnit(const HeaderColumns& columns) {
    using Kind = HeaderProblem::Kind;
    const auto sizeCell = columns.cellOf[Index(DoseColumn::BatchSize)];
    if (!sizeCell) {
        return std::nullopt;
    }
    const BracketReading brackets =
        ReadBrackets(DoseColumn::BatchSize, columns.bracketOf[Index(DoseColumn::BatchSize)]);
    if (!brackets.unknown.empty()) {
        return HeaderProblem{.kind = Kind::UnitUnknown,
                             .column = DoseColumn::Unit,
                             .cell = *sizeCell,
                             .word = std::string(brackets.unknown)};
    }
    if (!brackets.unit) {
        return std::nullopt;
    }
    if (const auto unitCell = columns.cellOf[Index(DoseColumn::Unit)]) {
        return HeaderProblem{.kind = Kind::UnitInHeaderAndColumn,
                             .column = DoseColumn::Unit,
                             .other = DoseColumn::BatchSize,
                             .cell = *sizeCell,
                             .otherCell = *unitCell};
    }
    std::optional<std::string>& given = settings_.given[Index(DoseColumn::Unit)];
    const char* word = RowOf(kUnitWords, *brackets.unit).word;
    if (given && CanonicalWord(DoseColumn::Unit, *given) != word) {
        return HeaderProblem{
            .kind = Kind::UnitTwice, .column = DoseColumn::Unit, .cell = *sizeCell};
    }
    given = word;
    return std::nullopt;
}

// What the columns the file does not have stand at for every row.
std::optional<HeaderProblem> CellarBatch::TakeFallbacks(const HeaderColumns& columns) {
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        const auto column = static_cast<DoseColumn>(c);
        if (columns.cellOf[c]) {
            continue;
        }
        if (settings_.given[c]) {
            fallback_[c] = *settings_.given[c];
        } else if (const char* word = BuiltInWord(column)) {
            fallback_[c] = word;
            if (builtInsUsed_.empty()) {
                builtInsUsed_.reserve(kDoseColumnCount);  // one allocation, not one a column
            }
            builtInsUsed_.push_back(column);
        } else if (column != DoseColumn::SolutionPct && column != DoseColumn::TabletG &&
                   !IsWineColumn(c)) {
            // The method's own figure is asked for by the rows that need it;
            // the wine's figures are never needed for a dose.
            return HeaderProblem{.kind = HeaderProblem::Kind::MissingColumn, .column = column};
        }
        texts_[c] = fallback_[c];
    }
    return std::nullopt;
}

// The output keeps the input's byte order mark, separator and line ends.
void CellarBatch::WriteHeader() {
    lineEnd_ = record_.End() == LineEnd::CrLf ? "\r\n" : "\n";
    out_.Clear();
    if (reader_.HadByteOrderMark()) {
        out_.Append(kByteOrderMark);
    }
    out_.Append(keptWidth_ == headerWidth_ ? record_.Raw() : record_.RawFields(keptWidth_));
    std::string resultNames;
    AppendResultColumnNames(resultNames, reader_.Separator(), wine_.shown);
    out_.Append(resultNames);
    out_.Append(lineEnd_);
}

BatchEnd CellarBatch::Run(ByteSink& sink, const Progress& progress, const RowDone& rowDone) {
    rowDone_ = rowDone ? &rowDone : nullptr;
    for (;;) {
        const CsvReader::Result read = reader_.Next(record_);
        if (read == CsvReader::Result::End || read == CsvReader::Result::ReadFailed) {
            if (read == CsvReader::Result::ReadFailed && StopAtBadText()) {
                return BatchEnd::Stopped;
            }
            if (!sink.Write(out_.Bytes())) {
                return BatchEnd::WriteFailed;
            }
            out_.Clear();
            return read == CsvReader::Result::End ? BatchEnd::Done : BatchEnd::ReadFailed;
        }
        if (read == CsvReader::Result::Record && record_.Raw().empty()) {
            continue;  // an empty line is no row
        }
        if (record_.QuoteLeftOpen()) {
            StopAtOpenQuote();
        } else {
            ProcessRecord(read);
        }
        if (stop_) {
            return BatchEnd::Stopped;
        }
        if (out_.Size() >= kFlushBytes) {
            if (!sink.Write(out_.Bytes())) {
                return BatchEnd::WriteFailed;
            }
            out_.Clear();
        }
        if (progress && counts_.rows % kProgressRows == 0) {
            progress(reader_.BytesRead());
        }
    }
}

void CellarBatch::ProcessRecord(CsvReader::Result read) {
    ++counts_.rows;
    if (read == CsvReader::Result::TooLong) {
        // Its fields are gone; the columns stay in line.
        WriteRow({}, keptWidth_ - 1, Problem("Row is longer than " + RecordLimitText() + "."));
        return;
    }
    const std::size_t fields = record_.FieldCount();
    const std::size_t missing = fields < keptWidth_ ? keptWidth_ - fields : 0;
    if (IsBlank()) {
        blankResult_.status = DoseStatus::Blank;
        WriteRow(record_.RawFields(keptWidth_), missing, blankResult_);
        return;
    }
    std::optional<std::string> problem = RecordProblem();
    const DoseResult& result = problem ? Problem(std::move(*problem)) : Calculate();
    if (!stop_) {
        WriteRow(record_.RawFields(keptWidth_), missing, result);
    }
}

// A quote that never closes takes every line after it into one field: the
// tanks there would vanish without a word, so nothing is calculated.
void CellarBatch::StopAtOpenQuote() {
    const std::uint64_t line = record_.Line();
    const std::uint64_t after = record_.LastLine() - line;
    stop_ = "Line " + std::to_string(line) + " opens a quote that never closes" +
            (after == 0 ? std::string(".")
                        : ": the " + LinesText(after) + " after it would be read as one field.") +
            " Close the quote, then run the batch again.";
}

// The file began as UTF-8 and then holds bytes that are not: read any further,
// its names and words would come out garbled.
bool CellarBatch::StopAtBadText() {
    if (!decoded_.Invalid()) {
        return false;
    }
    stop_ = "Line " + std::to_string(record_.Line()) +
            " holds a byte that is not UTF-8, though the file begins as UTF-8: save it as "
            "UTF-8 (or as Unicode text), then run the batch again.";
    return true;
}

// The first number to show its decimal mark fixes it for the file; one that
// shows the other mark later means the file mixes the two, and which of its
// figures are right only its author can say.
bool CellarBatch::ReadNumber(std::size_t column, std::string_view& text) {
    const MarkedNumber number = ReadMarkedNumberQuickly(
        text, fileMark_, settings_.decimalMark.has_value(), marked_[column]);
    if (number.kind == MarkedNumber::Kind::AsIs && !number.shows) [[likely]] {
        return true;
    }
    return ReadMarkedOnes(column, text, number);
}

// A number whose marks had to be read: its mark may be the file's first, or
// clash with it.
bool CellarBatch::ReadMarkedOnes(std::size_t column, std::string_view& text,
                                 const MarkedNumber& number) {
    // Its column and text, for a message: made only when one is needed.
    const auto field = [&] { return std::string(kDoseColumnNames[column]) + " " + Quoted(text); };
    switch (number.kind) {
        case MarkedNumber::Kind::AsIs:
        case MarkedNumber::Kind::Converted:
            break;
        case MarkedNumber::Kind::Ambiguous:
            problem_ = field() + " could be " + TwoReadings(text) +
                       ": say which decimal mark the file uses.";
            return false;
        case MarkedNumber::Kind::BadGrouping:
            problem_ = field() + " sets its thousands apart in groups that are not whole.";
            return false;
        case MarkedNumber::Kind::OtherMark:
            stop_ = "Line " + std::to_string(record_.Line()) + " writes " + field() + " with " +
                    MarkName(*number.shows) + " as its decimal mark, but line " +
                    std::to_string(markShownAt_.line) + " writes " + markShownAt_.field + " with " +
                    MarkName(*fileMark_) +
                    ": the file mixes decimal marks. Correct it, then run the batch again.";
            problem_ = *stop_;
            return false;
    }
    if (number.shows && !fileMark_) {
        fileMark_ = number.shows;
        markShownAt_ = {record_.Line(), field()};
        outputMark_ = outputMark_.value_or(*fileMark_);
    }
    text = number.text;
    return true;
}

std::optional<std::string> CellarBatch::WineNote() const {
    return WineNoteText(wine_, totalGiven_);
}

DecimalMark CellarBatch::SeparatorsMark() const {
    return MarkOfSeparator(reader_.Separator());
}

// Every field empty or blank, as a spreadsheet writes an empty row.
bool CellarBatch::IsBlank() const {
    // Nearly every row has something other than separators, blanks and
    // quotes at its very start.
    const char separator = reader_.Separator();
    // Of a file read back, only the cells before its results count.
    const bool all = keptWidth_ == headerWidth_;
    const std::string_view raw = all ? record_.Raw() : record_.RawFields(keptWidth_);
    if (std::any_of(raw.begin(), raw.end(), [separator](char c) {
            return c != separator && !korvane::IsBlank(c) && c != '"';
        })) {
        return false;
    }
    std::string scratch;
    for (std::size_t i = 0;
         i < (all ? record_.FieldCount() : std::min(record_.FieldCount(), keptWidth_)); ++i) {
        if (!IsBlankText(record_.Field(i, scratch))) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> CellarBatch::RecordProblem() const {
    if (record_.FieldCount() != headerWidth_) {
        return "Row has " + std::to_string(record_.FieldCount()) + " fields; the header has " +
               std::to_string(headerWidth_) + ".";
    }
    return std::nullopt;
}

const DoseResult& CellarBatch::Calculate() {
    for (std::size_t i = 0; i < fileColumnCount_; ++i) {
        const FileColumn& from = fileColumns_[i];
        std::string_view text = record_.Field(from.field, scratch_[from.column]);
        // Most numbers of most files need no reading of their marks: told
        // here, that costs no call.
        if (from.number && !(fileMark_ == DecimalMark::Point && IsPlainPointNumber(text)) &&
            !ReadNumber(from.column, text)) {
            return Problem(std::move(problem_));
        }
        texts_[from.column] = text;
    }
    if (std::optional<std::string> problem = dose_.Fill(texts_, settings_.pka)) {
        return Problem(std::move(*problem));
    }
    return dose_.Evaluate(settings_.answerYes);
}

// An error row: the message, and no figures.
const DoseResult& CellarBatch::Problem(std::string message) {
    problem_ = std::move(message);
    problemResult_.status = DoseStatus::Error;
    problemResult_.message = problem_;
    return problemResult_;
}

void CellarBatch::Count(const DoseResult& result) {
    switch (result.status) {
        case DoseStatus::Ok:
            ++counts_.ok;
            return;
        case DoseStatus::NoAddition:
            ++counts_.noAddition;
            return;
        case DoseStatus::Blank:
            ++counts_.blank;
            return;
        case DoseStatus::Error:
            ++counts_.errors;
            break;
        case DoseStatus::Question:
            ++counts_.questions;
            break;
    }
    if (counts_.firstUncalculated.size() < kUncalculatedLinesKept) {
        counts_.firstUncalculated.push_back(record_.Line());
    }
}

void CellarBatch::WriteRow(std::string_view fields, std::size_t missing, const DoseResult& result) {
    Count(result);
    const char separator = reader_.Separator();
    char* out = out_.Room(fields.size() + missing + MaxResultFieldsBytes(result, wine_.shown) +
                          lineEnd_.size());
    out = std::copy(fields.begin(), fields.end(), out);
    out = std::fill_n(out, missing, separator);
    // The first figures written fix the mark for the rest of the file, so
    // that no column of the output mixes the two.
    if (!outputMark_ &&
        (result.status == DoseStatus::Ok || result.status == DoseStatus::NoAddition)) {
        outputMark_ = Mark();
    }
    out = WriteResultFields(out, result, separator, Mark(), wine_.shown);
    out_.Commit(std::copy(lineEnd_.begin(), lineEnd_.end(), out));
    if (rowDone_ != nullptr) {
        std::string scratch;
        const bool named = tankField_ && *tankField_ < record_.FieldCount();
        (*rowDone_)(
            BatchRow{record_.Line(), named ? record_.Field(*tankField_, scratch) : "", result});
    }
}

}  // namespace korvane
