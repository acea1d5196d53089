#include "core/cellar_batch.h"

#include <algorithm>
#include <utility>
#include <variant>

#include "core/choice_words.h"
#include "core/user_defaults.h"

namespace korvane {
namespace {

// The main window's fields at start-up that no settings record fills: the
// wine's pH and free SO2, and the target field the user has not touched.
constexpr char kStartPh[] = "3.5";
constexpr char kStartFreeSO2[] = "0.00";
constexpr char kUntouchedTarget[] = "0.00";

// Output is handed on in pieces of about this size.
constexpr std::size_t kFlushBytes = std::size_t{64} << 10;
// How many rows pass between two reports of progress.
constexpr std::uint64_t kProgressRows = 8192;

constexpr char kTooLongMessage[] = "Row is longer than 64 KiB.";
constexpr char kOpenQuoteMessage[] = "A quoted field is not closed.";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::size_t Index(DoseColumn column) {
    return static_cast<std::size_t>(column);
}

std::size_t Index(Figure figure) {
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
    texts[Index(DoseColumn::Ph)] = kStartPh;
    texts[Index(DoseColumn::FreeSO2)] = kStartFreeSO2;
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
    const std::optional<Choice> read = ChoiceOfWord(table, texts[Index(column)]);
    if (!read) {
        problem = UnknownWordMessage(column, texts[Index(column)]);
        return false;
    }
    choice = *read;
    return true;
}

std::optional<Figure> FigureOf(SheetOutput output) {
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
            return Figure::MolecularRequirement;
    }
    return std::nullopt;
}

// What the window shows once the writes are done: the target typed in as
// typed, every other figure as last written.
void ShowFigures(const SheetInput& input, ResultWrites& writes, DoseResult& result) {
    auto& figures = result.figures;
    figures[Index(Figure::TargetFree)] = input.targetFree;
    figures[Index(Figure::TargetMolecular)] = input.targetMolecular;
    for (ResultWrite& write : writes) {
        if (const std::optional<Figure> figure = FigureOf(write.output)) {
            figures[Index(*figure)].swap(write.text);
        }
    }
    const MethodState& method = MethodStateOf(input.method);
    figures[Index(Figure::AmountUnit)] = method.amountUnit;
    if (!method.teaspoonsShown) {
        figures[Index(Figure::Teaspoons)].clear();
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A header names a column in any case of letters, blanks around it aside.
bool NamesColumn(std::string_view text, std::string_view name) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.size() != name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != name[i]) {
            return false;
        }
    }
    return true;
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
    std::string message = "Unknown ";
    switch (column) {
        case DoseColumn::Unit:
            message += "unit \"" + std::string(word) + "\": use " + WordList(kUnitWords);
            break;
        case DoseColumn::Form:
            message += "form \"" + std::string(word) + "\": use " + WordList(kFormWords);
            break;
        case DoseColumn::Method:
            message += "method \"" + std::string(word) + "\": use " + WordList(kMethodWords);
            break;
        default:
            message +=
                "target kind \"" + std::string(word) + "\": use " + WordList(kTargetKindWords);
            break;
    }
    return message + ".";
}

std::optional<std::string> FillSheetInput(const DoseTextViews& texts, double pka,
                                          SheetInput& input) {
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
    input.ph.assign(texts[Index(DoseColumn::Ph)]);
    input.existingSO2.assign(texts[Index(DoseColumn::FreeSO2)]);
    input.batchSize.assign(texts[Index(DoseColumn::BatchSize)]);
    input.solutionStrength.assign(texts[Index(DoseColumn::SolutionPct)]);
    input.tabletWeight.assign(texts[Index(DoseColumn::TabletG)]);
    const bool freeTarget = target == TargetKind::FreeSO2;
    input.targetFree.assign(freeTarget ? texts[Index(DoseColumn::Target)] : kUntouchedTarget);
    input.targetMolecular.assign(freeTarget ? kUntouchedTarget : texts[Index(DoseColumn::Target)]);
    input.unit = unit;
    input.form = form;
    input.method = method;
    input.target = target;
    input.pka = pka;
    // Choosing a molecular target refreshes the figure a molecular target
    // is checked against.
    input.shownExistingMolecular = freeTarget ? kUntouchedTarget : ExistingMolecularText(input);
    return std::nullopt;
}

void EvaluateDose(const SheetInput& input, bool answerYes, DoseResult& result) {
    result.status = DoseStatus::Ok;
    result.message.clear();
    for (std::string& figure : result.figures) {
        figure.clear();
    }
    SheetAnswer answer = EvaluateSheet(input);
    if (const auto* failed = std::get_if<FailedCheck>(&answer)) {
        result.status = DoseStatus::Error;
        result.message = failed->message;
        return;
    }
    if (const auto* questions = std::get_if<Questions>(&answer)) {
        if (!answerYes) {
            result.status = DoseStatus::Question;
            result.message = questions->front().text;
            return;
        }
        ResultWrites writes = RecalculateSheet(input);
        ShowFigures(input, writes, result);
        return;
    }
    ShowFigures(input, std::get<ResultWrites>(answer), result);
}

// Written through a pointer into room made once: a million rows make this
// the batch's busiest writer.
void AppendResultFields(std::string& out, const DoseResult& result) {
    const std::string_view status = StatusWord(result.status);
    std::size_t room = 2 + status.size() + MaxCsvFieldBytes(result.message);
    for (const std::string& figure : result.figures) {
        room += 1 + MaxCsvFieldBytes(figure);
    }
    const std::size_t start = out.size();
    out.resize(start + room);
    char* at = out.data() + start;
    for (const std::string& figure : result.figures) {
        *at++ = ',';
        at = WriteCsvField(at, figure);
    }
    *at++ = ',';
    at = std::copy(status.begin(), status.end(), at);
    *at++ = ',';
    at = WriteCsvField(at, result.message);
    out.resize(static_cast<std::size_t>(at - out.data()));
}

CellarBatch::CellarBatch(ByteSource& source, BatchSettings settings)
    : reader_(source), settings_(std::move(settings)) {
    out_.reserve(kFlushBytes + kMaxRecordBytes + 4096);
}

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
            continue;
        }
        if (settings_.given[c]) {
            fallback_[c] = *settings_.given[c];
        } else if (HasSystemDefault(column)) {
            fallback_[c] = StartTexts()[c];
        } else {
            return HeaderProblem{HeaderProblem::Kind::MissingColumn, column};
        }
    }
    // The output keeps the input's byte order mark and line ends.
    lineEnd_ = record_.End() == LineEnd::CrLf ? "\r\n" : "\n";
    out_.clear();
    if (reader_.HadByteOrderMark()) {
        out_ += kByteOrderMark;
    }
    out_ += record_.Raw();
    for (const char* name : kResultColumnNames) {
        out_ += ',';
        out_ += name;
    }
    out_ += lineEnd_;
    return std::nullopt;
}

BatchEnd CellarBatch::Run(ByteSink& sink, const Progress& progress) {
    for (;;) {
        const CsvReader::Result read = reader_.Next(record_);
        if (read == CsvReader::Result::End || read == CsvReader::Result::ReadFailed) {
            if (!sink.Write(out_)) {
                return BatchEnd::WriteFailed;
            }
            out_.clear();
            return read == CsvReader::Result::End ? BatchEnd::Done : BatchEnd::ReadFailed;
        }
        if (read == CsvReader::Result::Record && record_.Raw().empty()) {
            continue;  // an empty line is no row
        }
        ProcessRecord(read);
        if (out_.size() >= kFlushBytes) {
            if (!sink.Write(out_)) {
                return BatchEnd::WriteFailed;
            }
            out_.clear();
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
        out_.append(headerWidth_ - 1, ',');
        EndRow(kTooLongMessage);
        return;
    }
    out_ += record_.RawFields(headerWidth_);
    if (record_.FieldCount() < headerWidth_) {
        out_.append(headerWidth_ - record_.FieldCount(), ',');
    }
    if (std::optional<std::string> problem = RecordProblem()) {
        EndRow(*problem);
    } else {
        Calculate();
    }
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

void CellarBatch::Calculate() {
    DoseTextViews texts;
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        texts[c] = columnIndex_[c] ? record_.Field(*columnIndex_[c], scratch_[c])
                                   : std::string_view(fallback_[c]);
    }
    if (std::optional<std::string> problem = FillSheetInput(texts, settings_.pka, input_)) {
        EndRow(*problem);
        return;
    }
    EvaluateDose(input_, settings_.answerYes, result_);
    EndRow();
}

void CellarBatch::EndRow(std::string_view problem) {
    if (!problem.empty()) {
        result_.status = DoseStatus::Error;
        result_.message = problem;
        for (std::string& figure : result_.figures) {
            figure.clear();
        }
    }
    if (result_.status == DoseStatus::Ok) {
        ++counts_.ok;
    }
    AppendResultFields(out_, result_);
    out_ += lineEnd_;
}

}  // namespace korvane
