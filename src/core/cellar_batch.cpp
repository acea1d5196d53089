#include "core/cellar_batch.h"

#include <algorithm>
#include <utility>

#include "core/choice_words.h"
#include "core/user_defaults.h"

namespace korvane {
namespace {

// What the main window's target field holds while the user has not touched it.
const char* const kUntouchedTarget = OpeningText(SheetField::TargetFree);

// Output is handed on in pieces of about this size.
constexpr std::size_t kFlushBytes = std::size_t{64} << 10;
// Room beyond that for the row that crosses it; a longer one makes more.
constexpr std::size_t kRowRoom = std::size_t{4} << 10;
// How many rows pass between two reports of progress.
constexpr std::uint64_t kProgressRows = 8192;

constexpr char kOpenQuoteMessage[] = "A quoted field is not closed.";

constexpr std::size_t Index(DoseColumn column) {
    return static_cast<std::size_t>(column);
}

constexpr std::size_t Index(Figure figure) {
    return static_cast<std::size_t>(figure);
}

template <typename Choice, std::size_t N, std::size_t M>
std::string WordOfCode(const ChoiceTable<Choice, N>& words, const ChoiceTable<Choice, M>& codes,
                       std::string_view code) {
    const std::optional<Choice> choice = ChoiceOf(codes, code);
    return choice ? TextOf(words, *choice) : "";
}

DoseTexts MakeStartTexts() {
    const UserDefaults& defaults = SystemDefaults();
    DoseTexts texts;
    texts[Index(DoseColumn::Ph)] = OpeningText(SheetField::Ph);
    texts[Index(DoseColumn::FreeSO2)] = OpeningText(SheetField::ExistingSO2);
    texts[Index(DoseColumn::BatchSize)] = defaults.batchSize;
    texts[Index(DoseColumn::Unit)] = WordOfCode(kUnitWords, kUnitCodes, defaults.unitCode);
    texts[Index(DoseColumn::Form)] = WordOfCode(kFormWords, kFormCodes, defaults.formCode);
    texts[Index(DoseColumn::Method)] = WordOfCode(kMethodWords, kMethodCodes, defaults.methodCode);
    texts[Index(DoseColumn::SolutionPct)] = defaults.solutionPercent;
    texts[Index(DoseColumn::TabletG)] = defaults.tabletWeight;
    texts[Index(DoseColumn::TargetKind)] =
        WordOfCode(kTargetKindWords, kTargetKindTexts, defaults.targetText);
    texts[Index(DoseColumn::Target)] = kUntouchedTarget;
    return texts;
}

template <typename Choice, std::size_t N>
bool ReadWord(const ChoiceTable<Choice, N>& table, const DoseTextViews& texts, DoseColumn column,
              Choice& choice, std::optional<std::string>& problem) {
    const ChoiceText<Choice>* row = RowOfWord(table, texts[Index(column)]);
    if (row == nullptr) {
        problem = UnknownWordMessage(column, texts[Index(column)]);
        return false;
    }
    choice = row->choice;
    return true;
}

// The figure that shows each of the sheet's outputs.
constexpr Figure FigureOf(SheetOutput output) {
    switch (output) {
        case SheetOutput::ExistingMolecular:
            return Figure::ExistingMolecular;
        case SheetOutput::TargetFree:
            return Figure::TargetFree;
        case SheetOutput::TargetMolecular:
            return Figure::TargetMolecular;
        case SheetOutput::Teaspoons:
            return Figure::Teaspoons;
        case SheetOutput::Amount:
            return Figure::Amount;
        case SheetOutput::FreeRequirement:
            return Figure::FreeRequirement;
        case SheetOutput::MolecularRequirement:
            break;
    }
    return Figure::MolecularRequirement;
}

// The same as a table, looked up for every write of every row.
constexpr auto kFigureOfOutput = [] {
    std::array<std::size_t, static_cast<std::size_t>(SheetOutput::MolecularRequirement) + 1>
        table{};
    for (std::size_t output = 0; output < table.size(); ++output) {
        table[output] = Index(FigureOf(static_cast<SheetOutput>(output)));
    }
    return table;
}();

// A header names a column in any case of letters, blanks around it aside,
// as a word names a choice.
bool NamesColumn(std::string_view text, const char* name) {
    return IsWord(TrimBlanks(text), name, LowerAscii);
}

std::optional<DoseColumn> ColumnNamed(std::string_view text) {
    for (std::size_t i = 0; i < kDoseColumnCount; ++i) {
        if (NamesColumn(text, kDoseColumnNames[i])) {
            return static_cast<DoseColumn>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

const DoseTexts& StartTexts() {
    static const DoseTexts texts = MakeStartTexts();
    return texts;
}

bool HasSystemDefault(DoseColumn column) {
    return column != DoseColumn::Ph && column != DoseColumn::FreeSO2 &&
           column != DoseColumn::Target;
}

const char* StatusWord(DoseStatus status) {
    switch (status) {
        case DoseStatus::Ok:
            return "ok";
        case DoseStatus::Error:
            return "error";
        case DoseStatus::Question:
            break;
    }
    return "question";
}

std::string UnknownWordMessage(DoseColumn column, std::string_view word) {
    return WithWordTable(column, [word](const auto& table, const char* what) {
        return UnknownWordText(what, word, table);
    });
}

std::optional<std::string> DoseCalculation::Fill(const DoseTextViews& texts, double pka) {
    BatchUnit unit{};
    SulphiteForm form{};
    AdditionMethod method{};
    TargetKind target{};
    std::optional<std::string> problem;
    if (!ReadWord(kUnitWords, texts, DoseColumn::Unit, unit, problem) ||
        !ReadWord(kFormWords, texts, DoseColumn::Form, form, problem) ||
        !ReadWord(kMethodWords, texts, DoseColumn::Method, method, problem) ||
        !ReadWord(kTargetKindWords, texts, DoseColumn::TargetKind, target, problem)) {
        return problem;
    }
    input_.ph = texts[Index(DoseColumn::Ph)];
    input_.existingSO2 = texts[Index(DoseColumn::FreeSO2)];
    input_.batchSize = texts[Index(DoseColumn::BatchSize)];
    input_.solutionStrength = texts[Index(DoseColumn::SolutionPct)];
    input_.tabletWeight = texts[Index(DoseColumn::TabletG)];
    const bool freeTarget = target == TargetKind::FreeSO2;
    input_.targetFree = freeTarget ? texts[Index(DoseColumn::Target)] : kUntouchedTarget;
    input_.targetMolecular = freeTarget ? kUntouchedTarget : texts[Index(DoseColumn::Target)];
    input_.unit = unit;
    input_.form = form;
    input_.method = method;
    input_.target = target;
    input_.pka = pka;
    // Choosing a molecular target refreshes the figure a molecular target
    // is checked against.
    input_.shownExistingMolecular =
        freeTarget ? kUntouchedTarget : ExistingMolecularText(input_, shownExistingMolecular_);
    return std::nullopt;
}

const DoseResult& DoseCalculation::Evaluate(bool answerYes) {
    result_.status = DoseStatus::Ok;
    result_.message = {};
    result_.figures.fill({});
    EvaluateSheet(input_, verdict_);
    switch (verdict_.kind) {
        case SheetVerdict::Kind::FailedCheck:
            result_.status = DoseStatus::Error;
            result_.message = verdict_.failed.message;
            return result_;
        case SheetVerdict::Kind::Questions:
            if (!answerYes) {
                result_.status = DoseStatus::Question;
                result_.message = verdict_.questions.front().text;
                return result_;
            }
            RecalculateSheet(input_, verdict_.results);
            break;
        case SheetVerdict::Kind::Results:
            break;
    }
    ShowFigures();
    return result_;
}

// What the window shows once the writes are done: the target typed in as
// typed, every other figure as last written.
void DoseCalculation::ShowFigures() {
    auto& figures = result_.figures;
    figures[Index(Figure::TargetFree)] = input_.targetFree;
    figures[Index(Figure::TargetMolecular)] = input_.targetMolecular;
    const SheetResults& writes = verdict_.results;
    for (std::size_t i = 0; i < writes.Size(); ++i) {
        figures[kFigureOfOutput[static_cast<std::size_t>(writes.Output(i))]] = writes.Text(i);
    }
    const MethodState& method = MethodStateOf(input_.method);
    figures[Index(Figure::AmountUnit)] = method.amountUnit;
    if (!method.teaspoonsShown) {
        figures[Index(Figure::Teaspoons)] = {};
    }
}

std::size_t MaxResultFieldsBytes(const DoseResult& result) {
    std::size_t room =
        2 + std::string_view(StatusWord(result.status)).size() + MaxCsvFieldBytes(result.message);
    for (const std::string_view figure : result.figures) {
        room += 1 + MaxCsvFieldBytes(figure);
    }
    return room;
}

char* WriteResultFields(char* out, const DoseResult& result) {
    for (const std::string_view figure : result.figures) {
        *out++ = ',';
        out = WriteCsvField(out, figure);
    }
    *out++ = ',';
    const std::string_view status = StatusWord(result.status);
    out = std::copy(status.begin(), status.end(), out);
    *out++ = ',';
    return WriteCsvField(out, result.message);
}

void AppendResultFields(std::string& out, const DoseResult& result) {
    const std::size_t start = out.size();
    out.resize(start + MaxResultFieldsBytes(result));
    const char* end = WriteResultFields(out.data() + start, result);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

void AppendResultColumnNames(std::string& out) {
    for (const char* name : kResultColumnNames) {
        out += ',';
        out += name;
    }
}

CellarBatch::CellarBatch(ByteSource& source, BatchSettings settings)
    : reader_(source), settings_(std::move(settings)), out_(kFlushBytes + kRowRoom) {}

std::optional<HeaderProblem> CellarBatch::ReadHeader() {
    for (;;) {
        switch (reader_.Next(record_)) {
            case CsvReader::Result::ReadFailed:
                return HeaderProblem{HeaderProblem::Kind::Unreadable};
            case CsvReader::Result::End:
                return HeaderProblem{HeaderProblem::Kind::NoHeader};
            case CsvReader::Result::TooLong:
                return HeaderProblem{HeaderProblem::Kind::HeaderTooLong};
            case CsvReader::Result::Record:
                if (!record_.Raw().empty()) {
                    return FindColumns();
                }
                break;  // empty lines before the header
        }
    }
}

std::optional<HeaderProblem> CellarBatch::FindColumns() {
    std::string scratch;
    headerWidth_ = record_.FieldCount();
    for (std::size_t i = 0; i < headerWidth_; ++i) {
        const std::optional<DoseColumn> column = ColumnNamed(record_.Field(i, scratch));
        if (!column) {
            continue;  // the file's own column: it passes through
        }
        if (columnIndex_[Index(*column)]) {
            return HeaderProblem{HeaderProblem::Kind::RepeatedColumn, *column};
        }
        columnIndex_[Index(*column)] = i;
    }
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        const auto column = static_cast<DoseColumn>(c);
        if (columnIndex_[c]) {
            fileColumns_[fileColumnCount_++] = {c, *columnIndex_[c]};
            continue;
        }
        if (settings_.given[c]) {
            fallback_[c] = *settings_.given[c];
        } else if (HasSystemDefault(column)) {
            fallback_[c] = StartTexts()[c];
        } else {
            return HeaderProblem{HeaderProblem::Kind::MissingColumn, column};
        }
        texts_[c] = fallback_[c];
    }
    // The output keeps the input's byte order mark and line ends.
    lineEnd_ = record_.End() == LineEnd::CrLf ? "\r\n" : "\n";
    out_.Clear();
    if (reader_.HadByteOrderMark()) {
        out_.Append(kByteOrderMark);
    }
    out_.Append(record_.Raw());
    std::string resultNames;
    AppendResultColumnNames(resultNames);
    out_.Append(resultNames);
    out_.Append(lineEnd_);
    return std::nullopt;
}

BatchEnd CellarBatch::Run(ByteSink& sink, const Progress& progress) {
    for (;;) {
        const CsvReader::Result read = reader_.Next(record_);
        if (read == CsvReader::Result::End || read == CsvReader::Result::ReadFailed) {
            if (!sink.Write(out_.Bytes())) {
                return BatchEnd::WriteFailed;
            }
            out_.Clear();
            return read == CsvReader::Result::End ? BatchEnd::Done : BatchEnd::ReadFailed;
        }
        if (read == CsvReader::Result::Record && record_.Raw().empty()) {
            continue;  // an empty line is no row
        }
        ProcessRecord(read);
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
        WriteRow({}, headerWidth_ - 1, Problem("Row is longer than " + RecordLimitText() + "."));
        return;
    }
    const std::size_t fields = record_.FieldCount();
    const std::size_t missing = fields < headerWidth_ ? headerWidth_ - fields : 0;
    std::optional<std::string> problem = RecordProblem();
    const DoseResult& result = problem ? Problem(std::move(*problem)) : Calculate();
    // A quote the file left open is closed, so that the results stay
    // columns of their own instead of running on inside the field.
    WriteRow(record_.RawFields(headerWidth_), missing, result, record_.QuoteLeftOpen() ? "\"" : "");
}

std::optional<std::string> CellarBatch::RecordProblem() const {
    if (record_.QuoteLeftOpen()) {
        return kOpenQuoteMessage;
    }
    if (record_.FieldCount() != headerWidth_) {
        return "Row has " + std::to_string(record_.FieldCount()) + " fields; the header has " +
               std::to_string(headerWidth_) + ".";
    }
    return std::nullopt;
}

const DoseResult& CellarBatch::Calculate() {
    for (std::size_t i = 0; i < fileColumnCount_; ++i) {
        const FileColumn& from = fileColumns_[i];
        texts_[from.column] = record_.Field(from.field, scratch_[from.column]);
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

void CellarBatch::WriteRow(std::string_view fields, std::size_t missing, const DoseResult& result,
                           std::string_view closing) {
    if (result.status == DoseStatus::Ok) {
        ++counts_.ok;
    }
    char* out = out_.Room(fields.size() + closing.size() + missing + MaxResultFieldsBytes(result) +
                          lineEnd_.size());
    out = std::copy(fields.begin(), fields.end(), out);
    out = std::copy(closing.begin(), closing.end(), out);
    out = std::fill_n(out, missing, ',');
    out = WriteResultFields(out, result);
    out_.Commit(std::copy(lineEnd_.begin(), lineEnd_.end(), out));
}

}  // namespace korvane
