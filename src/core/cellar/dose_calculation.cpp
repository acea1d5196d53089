#include "core/cellar/dose_calculation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace korvane {
namespace {

// What the main window's target field holds while the user has not touched it.
const char* const kUntouchedTarget = OpeningText(SheetField::TargetFree);

constexpr std::size_t Index(Figure figure) {
    return static_cast<std::size_t>(figure);
}

// Calls `use(table, what)` with the table of a word column other than the
// unit's, and what its words name, e.g. "method".
template <typename Use>
auto WithWordTable(DoseColumn column, Use&& use) {
    switch (column) {
        case DoseColumn::Form:
            return use(kSulphiteForms, "form");
        case DoseColumn::Method:
            return use(kAdditionMethods, "method");
        case DoseColumn::TargetKind:
            return use(kTargetKinds, "target kind");
        // Numbers, and the unit, which has words of its own; never asked.
        case DoseColumn::Ph:
        case DoseColumn::FreeSO2:
        case DoseColumn::BatchSize:
        case DoseColumn::Unit:
        case DoseColumn::SolutionPct:
        case DoseColumn::TabletG:
        case DoseColumn::Target:
            break;
    }
    return use(kTargetKinds, "target kind");
}

template <typename Choice, std::size_t N>
bool ReadWord(const ChoiceRows<Choice, N>& table, const DoseTextViews& texts, DoseColumn column,
              Choice& choice, std::optional<std::string>& problem) {
    const ChoiceRow<Choice>* row = RowOfWord(table, texts[Index(column)]);
    if (row == nullptr) {
        problem = UnknownWordMessage(column, texts[Index(column)]);
        return false;
    }
    choice = row->choice;
    return true;
}

bool ReadUnit(const DoseTextViews& texts, VolumeUnit& unit, std::optional<std::string>& problem) {
    const std::string_view word = texts[Index(DoseColumn::Unit)];
    const std::optional<VolumeUnit> read = UnitOfWord(word);
    if (!read) {
        problem = UnknownUnitText(word);
        return false;
    }
    unit = *read;
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

// A figure with the file's decimal mark. A figure holds digits, a sign, a
// point, an exponent and perhaps blanks typed around a target: with decimal
// commas a comma-separated file needs quotes around it.
char* WriteFigure(char* out, std::string_view figure, char separator, DecimalMark mark) {
    char* const start = out;
    out = WriteCsvField(out, figure, separator);
    if (mark == DecimalMark::Point) {
        return out;
    }
    std::replace(start, out, '.', ',');
    if (separator == ',' && *start != '"' && std::find(start, out, ',') != out) {
        std::copy_backward(start, out, out + 1);
        *start = '"';
        ++out;
        *out++ = '"';
    }
    return out;
}

}  // namespace

const char* BuiltInWord(DoseColumn column) {
    switch (column) {
        case DoseColumn::Form:
            return RowOf(kSulphiteForms, SulphiteForm::Potassium).word;
        case DoseColumn::Method:
            return RowOf(kAdditionMethods, AdditionMethod::Powder).word;
        case DoseColumn::Ph:
        case DoseColumn::FreeSO2:
        case DoseColumn::BatchSize:
        case DoseColumn::Unit:
        case DoseColumn::SolutionPct:
        case DoseColumn::TabletG:
        case DoseColumn::TargetKind:
        case DoseColumn::Target:
            return nullptr;
    }
    return nullptr;
}

const char* StatusWord(DoseStatus status) {
    switch (status) {
        case DoseStatus::Ok:
            return "ok";
        case DoseStatus::NoAddition:
            return "no_addition";
        case DoseStatus::Error:
            return "error";
        case DoseStatus::Question:
            return "question";
        case DoseStatus::Blank:
            break;
    }
    return "blank";
}

std::string ShortAmountText(float amount) {
    const std::string text = SingleToText(amount);
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    const std::size_t whole = std::min(text.find('.'), text.size()) - sign;
    if (!std::isfinite(amount) || whole < 10) {
        return text;
    }
    // Three digits rounded half up on the fourth; 9995 carries into 1.00.
    int leading = 0;
    for (std::size_t i = sign; i < sign + 4; ++i) {
        leading = leading * 10 + (text[i] - '0');
    }
    leading = (leading + 5) / 10;
    std::size_t exponent = whole - 1;
    if (leading >= 1000) {
        leading /= 10;
        ++exponent;
    }
    std::string shown(sign, '-');
    shown += static_cast<char>('0' + leading / 100);
    if (const int decimals = leading % 100; decimals != 0) {
        shown += '.';
        shown += static_cast<char>('0' + decimals / 10);
        if (decimals % 10 != 0) {
            shown += static_cast<char>('0' + decimals % 10);
        }
    }
    shown += "e+";
    shown += std::to_string(exponent);
    return shown;
}

std::string WithValue(std::string_view text, std::string_view value) {
    std::string filled(text);
    if (const std::size_t at = filled.find("%1"); at != std::string::npos) {
        filled.replace(at, 2, value);
    }
    return filled;
}

std::string UnknownWordMessage(DoseColumn column, std::string_view word) {
    if (column == DoseColumn::Unit) {
        return UnknownUnitText(word);
    }
    return WithWordTable(column, [word](const auto& table, const char* what) {
        return UnknownWordText(what, word, table);
    });
}

std::optional<std::string> CanonicalWord(DoseColumn column, std::string_view text) {
    if (column == DoseColumn::Unit) {
        const std::optional<VolumeUnit> unit = UnitOfWord(text);
        return unit ? std::optional<std::string>(RowOf(kUnitWords, *unit).word) : std::nullopt;
    }
    return WithWordTable(column, [text](const auto& table, const char*) {
        const auto* row = RowOfWord(table, text);
        return row != nullptr ? std::optional<std::string>(row->word) : std::nullopt;
    });
}

std::string_view Hundredfold(std::string_view size, std::string& scratch) {
    if (size.empty()) {
        return size;
    }
    const std::size_t e = size.find_first_of("eE");
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = size.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (error != std::errc{} || end != digits.data() + digits.size() || digits.empty()) {
            return size;  // not a number either way: the sheet says so
        }
        exponent = negative ? -exponent : exponent;
    }
    scratch.assign(size.substr(0, e));
    scratch += 'e';
    scratch += std::to_string(exponent + 2);
    return scratch;
}

std::optional<std::string> DoseCalculation::Fill(const DoseTextViews& texts, double pka) {
    given_ = texts;
    VolumeUnit unit{};
    SulphiteForm form{};
    AdditionMethod method{};
    TargetKind target{};
    std::optional<std::string> problem;
    if (!ReadUnit(texts, unit, problem) ||
        !ReadWord(kSulphiteForms, texts, DoseColumn::Form, form, problem) ||
        !ReadWord(kAdditionMethods, texts, DoseColumn::Method, method, problem) ||
        !ReadWord(kTargetKinds, texts, DoseColumn::TargetKind, target, problem)) {
        return problem;
    }
    const SheetUnit sheetUnit = SheetUnitOf(unit);
    const std::string_view size = texts[Index(DoseColumn::BatchSize)];
    input_.batchSize = sheetUnit.hundredfold ? Hundredfold(size, litres_) : size;
    input_.ph = texts[Index(DoseColumn::Ph)];
    input_.existingSO2 = texts[Index(DoseColumn::FreeSO2)];
    input_.solutionStrength = texts[Index(DoseColumn::SolutionPct)];
    input_.tabletWeight = texts[Index(DoseColumn::TabletG)];
    const bool freeTarget = target == TargetKind::FreeSO2;
    input_.targetFree = freeTarget ? texts[Index(DoseColumn::Target)] : kUntouchedTarget;
    input_.targetMolecular = freeTarget ? kUntouchedTarget : texts[Index(DoseColumn::Target)];
    input_.unit = sheetUnit.unit;
    input_.form = form;
    input_.method = method;
    input_.target = target;
    input_.pka = pka;
    input_.rules = SheetRules::Strict;
    return std::nullopt;
}

const DoseResult& DoseCalculation::Evaluate(bool answerYes) {
    result_.message = {};
    result_.messageText = {};
    result_.messageValue = {};
    result_.figures.fill({});
    EvaluateSheet(input_, verdict_, answerYes);
    switch (verdict_.kind) {
        case SheetVerdict::Kind::FailedCheck:
            result_.status = DoseStatus::Error;
            result_.message = verdict_.failed.message;
            if (verdict_.failed.value) {
                // Rare enough that a row or two of a batch may allocate.
                value_ = ShortAmountText(*verdict_.failed.value);
                message_ = WithValue(verdict_.failed.message, value_);
                result_.message = message_;
                result_.messageText = verdict_.failed.message;
                result_.messageValue = value_;
            } else {
                ShowFailedText();
            }
            return result_;
        case SheetVerdict::Kind::Questions:
            result_.status = DoseStatus::Question;
            result_.message = verdict_.questions.front().text;
            return result_;
        case SheetVerdict::Kind::NoAddition:
            result_.status = DoseStatus::NoAddition;
            result_.message = kNoAdditionMessage;
            break;
        case SheetVerdict::Kind::Results:
            result_.status = DoseStatus::Ok;
            break;
    }
    ShowFigures();
    return result_;
}

// The column each field of the sheet is given in.
constexpr DoseColumn ColumnOfField(SheetField field) {
    switch (field) {
        case SheetField::Ph:
            return DoseColumn::Ph;
        case SheetField::ExistingSO2:
            return DoseColumn::FreeSO2;
        case SheetField::BatchSize:
            return DoseColumn::BatchSize;
        case SheetField::TabletWeight:
            return DoseColumn::TabletG;
        case SheetField::SolutionStrength:
            return DoseColumn::SolutionPct;
        case SheetField::TargetFree:
        case SheetField::TargetMolecular:
            break;
    }
    return DoseColumn::Target;
}

// A text that is no number is shown as it was given (a batch in hectolitres
// as hectolitres), so that "2 250" or "l5" can be found in a file of a
// thousand rows: `Batch size must be numeric: "2x".`
void DoseCalculation::ShowFailedText() {
    if (!verdict_.failed.field || !verdict_.failed.notNumeric) {
        return;
    }
    const std::string_view given = given_[Index(ColumnOfField(*verdict_.failed.field))];
    if (TrimBlanks(given).empty()) {
        return;
    }
    value_ = EscapedText(given);
    message_ = verdict_.failed.message;
    if (!message_.empty() && message_.back() == '.') {
        message_.pop_back();
    }
    message_ += ": \"" + value_ + "\".";
    result_.message = message_;
    result_.messageText = verdict_.failed.message;
    result_.messageValue = value_;
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

char* WriteResultFields(char* out, const DoseResult& result, char separator, DecimalMark mark) {
    for (std::size_t i = 0; i < kFigureCount; ++i) {
        *out++ = separator;
        out = WriteFigure(out, result.figures[i], separator, mark);
    }
    *out++ = separator;
    const std::string_view status = StatusWord(result.status);
    out = std::copy(status.begin(), status.end(), out);
    *out++ = separator;
    return WriteCsvField(out, result.message, separator);
}

void AppendResultColumnNames(std::string& out, char separator) {
    for (const char* name : kResultColumnNames) {
        out += separator;
        out += name;
    }
}

}  // namespace korvane
