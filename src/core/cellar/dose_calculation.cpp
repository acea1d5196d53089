#include "core/cellar/dose_calculation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/rules/blanks.h"

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
        // The wine's words have tables of their own, asked apart.
        case DoseColumn::TotalSO2:
        case DoseColumn::Colour:
        case DoseColumn::Sugar:
        case DoseColumn::Style:
        case DoseColumn::BindingFactor:
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

// The choice the column's word names, as `read` finds it, unless one it
// found lately was for the same word.
template <typename Choice, typename Read>
bool ReadRemembered(RememberedWords<Choice>& last, std::string_view word, Choice& choice,
                    Read read) {
    if (const Choice* remembered = last.Find(word)) {
        choice = *remembered;
        return true;
    }
    if (!read()) {
        return false;
    }
    last.Keep(word, choice);
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
        // The wine's figures left out are taken as the limit's rules say,
        // and said so with the limit.
        case DoseColumn::TotalSO2:
        case DoseColumn::Colour:
        case DoseColumn::Sugar:
        case DoseColumn::Style:
        case DoseColumn::BindingFactor:
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

std::optional<std::string> WineNoteText(const WineSettings& wine, bool totalGiven) {
    const bool limit = wine.regime || wine.limit;
    if (totalGiven && !limit) {
        return "Total SO2 given with no --regime or --limit: the projected total is shown and "
               "checked against no limit.";
    }
    if (!totalGiven && limit) {
        return std::string(wine.limit ? "--limit" : "--regime") +
               " given with no total SO2: no limit is checked.";
    }
    return std::nullopt;
}

std::string ShortAmountText(float amount) {
    std::string text = SingleToText(amount);
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
    if (column == DoseColumn::Colour) {
        return "Unknown colour \"" + EscapedText(word) + "\": use red, white or rosé.";
    }
    if (column == DoseColumn::Style) {
        return "Unknown style \"" + EscapedText(word) +
               "\": use still, quality-sparkling, sparkling or liqueur.";
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
    // An empty colour or style is one not given.
    if (column == DoseColumn::Colour) {
        const std::optional<WineColour> colour = ColourOfWord(text);
        return colour                     ? std::optional<std::string>(WordOf(*colour))
               : TrimBlanks(text).empty() ? std::optional<std::string>("")
                                          : std::nullopt;
    }
    if (column == DoseColumn::Style) {
        const std::optional<WineStyle> style = StyleOfWord(text);
        return style                      ? std::optional<std::string>(WordOf(*style))
               : TrimBlanks(text).empty() ? std::optional<std::string>("")
                                          : std::nullopt;
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
    if (e == std::string_view::npos) {
        // Nearly every size: the exponent is 2, with no number to write.
        scratch.assign(size);
        scratch += "e2";
        return scratch;
    }
    std::string_view digits = size.substr(e + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    long exponent = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (error != std::errc{} || end != digits.data() + digits.size() || digits.empty()) {
        return size;  // not a number either way: the sheet says so
    }
    exponent = negative ? -exponent : exponent;
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
    const auto word = [&texts](DoseColumn column) { return texts[Index(column)]; };
    if (!ReadRemembered(unit_, word(DoseColumn::Unit), unit,
                        [&] { return ReadUnit(texts, unit, problem); }) ||
        !ReadRemembered(
            form_, word(DoseColumn::Form), form,
            [&] { return ReadWord(kSulphiteForms, texts, DoseColumn::Form, form, problem); }) ||
        !ReadRemembered(method_, word(DoseColumn::Method), method,
                        [&] {
                            return ReadWord(kAdditionMethods, texts, DoseColumn::Method, method,
                                            problem);
                        }) ||
        !ReadRemembered(target_, word(DoseColumn::TargetKind), target, [&] {
            return ReadWord(kTargetKinds, texts, DoseColumn::TargetKind, target, problem);
        })) {
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
    input_.bindingFactor = 1.0;
    return wine_.shown ? FillWine(texts) : std::nullopt;
}

const DoseResult& DoseCalculation::EvaluateDose(bool answerYes) {
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

const DoseResult& DoseCalculation::Evaluate(bool answerYes) {
    return Evaluate(answerYes, answerYes);
}

const DoseResult& DoseCalculation::Evaluate(bool answerSheet, bool answerWine) {
    if (!wine_.shown) {
        return EvaluateDose(answerSheet);
    }
    EvaluateWine(answerSheet, answerWine);
    return result_;
}

std::optional<std::string> DoseCalculation::FillWine(const DoseTextViews& texts) {
    WineTexts& wine = wineTexts_;
    wine.total = TrimBlanks(texts[Index(DoseColumn::TotalSO2)]);
    wine.sugar = TrimBlanks(texts[Index(DoseColumn::Sugar)]);
    wine.factor = TrimBlanks(texts[Index(DoseColumn::BindingFactor)]);
    const std::string_view colour = texts[Index(DoseColumn::Colour)];
    const std::string_view style = texts[Index(DoseColumn::Style)];
    wine.colour = ColourOfWord(colour);
    wine.style = StyleOfWord(style);
    if (!wine.colour && !TrimBlanks(colour).empty()) {
        return UnknownWordMessage(DoseColumn::Colour, colour);
    }
    if (!wine.style && !TrimBlanks(style).empty()) {
        return UnknownWordMessage(DoseColumn::Style, style);
    }
    return std::nullopt;
}

namespace {

constexpr char kFactorNotNumeric[] = KORVANE_TEXT("Binding factor must be numeric.");
constexpr char kFactorBelowOne[] = KORVANE_TEXT("Binding factor cannot be less than 1.");
constexpr char kTotalNotNumeric[] = KORVANE_TEXT("Total SO2 must be numeric.");
constexpr char kTotalBelowFree[] = KORVANE_TEXT("Total SO2 cannot be less than free SO2.");
constexpr char kSugarNotNumeric[] = KORVANE_TEXT("Sugar must be numeric.");
constexpr char kSugarBelowZero[] = KORVANE_TEXT("Sugar cannot be less than 0.");
constexpr char kFactorHigh[] =
    KORVANE_TEXT("Binding factor appears high. Are you sure it is correct?");
// What a row says of the limit when it took something it was not given.
constexpr char kLimitTaken[] = KORVANE_TEXT("Limit %1 mg/L: %2");
// Total SO2 typed in g/L: 0.15 for 150 mg/L.
constexpr char kTotalLow[] = KORVANE_TEXT("Total SO2 appears low. Are you sure it is correct?");

// A figure the user may leave out: none when empty, and whether it reads.
struct WineNumber {
    std::optional<float> value;
    bool readable = true;
};

// What a row says of its limit when it took something it was not given:
// "Limit 150 mg/L: EU limit for a dry red; sugar not given: ...", from the
// limit's figure and its basis (LimitBasis). None when it took nothing.
std::optional<std::string> LimitTakenNote(std::string_view limit, std::string_view basis,
                                          const Translate& translate) {
    if (basis.find(';') == std::string_view::npos) {
        return std::nullopt;
    }
    return WithValues(translate(kLimitTaken), {limit, basis});
}

std::string English(const char* text) {
    return text;
}

WineNumber ReadWineNumber(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    float value = 0.0F;
    if (!TextToSingle(text, value) || !std::isfinite(value)) {
        return {std::nullopt, false};
    }
    return {value, true};
}

}  // namespace

const DoseResult& DoseCalculation::WineError(const char* message) {
    result_.status = DoseStatus::Error;
    result_.message = message;
    result_.messageText = {};
    result_.messageValue = {};
    result_.figures.fill({});
    result_.wineFigures.fill({});
    result_.limitBasis = {};
    result_.overLimit = false;
    result_.limitCheck.reset();
    return result_;
}

// The wine's own checks come after the sheet's and before any question:
// the same order as the sheet keeps, a failed check before every question.
void DoseCalculation::EvaluateWine(bool answerSheet, bool answerWine) {
    result_.wineFigures.fill({});
    result_.limitBasis = {};
    result_.overLimit = false;
    result_.limitCheck.reset();
    wineQuestionCount_ = 0;
    wineErrorColumn_.reset();
    const WineNumber factor = ReadWineNumber(wineTexts_.factor);
    const WineNumber total = ReadWineNumber(wineTexts_.total);
    const WineNumber sugar = ReadWineNumber(wineTexts_.sugar);
    const bool factorFits = factor.readable && factor.value.value_or(1.0F) >= 1.0F;
    input_.bindingFactor = factorFits ? factor.value.value_or(1.0F) : 1.0;
    EvaluateDose(answerSheet);
    if (result_.status == DoseStatus::Error) {
        return;
    }
    float free = 0.0F;
    TextToSingle(input_.existingSO2, free);
    const char* failed = !factor.readable                     ? kFactorNotNumeric
                         : !factorFits                        ? kFactorBelowOne
                         : !total.readable                    ? kTotalNotNumeric
                         : total.value && *total.value < free ? kTotalBelowFree
                         : !sugar.readable                    ? kSugarNotNumeric
                         : sugar.value.value_or(0.0F) < 0.0F  ? kSugarBelowZero
                                                              : nullptr;
    if (failed != nullptr) {
        const bool factorFailed = failed == kFactorNotNumeric || failed == kFactorBelowOne;
        const bool sugarFailed = failed == kSugarNotNumeric || failed == kSugarBelowZero;
        wineErrorColumn_ = factorFailed  ? DoseColumn::BindingFactor
                           : sugarFailed ? DoseColumn::Sugar
                                         : DoseColumn::TotalSO2;
        WineError(failed);
        return;
    }
    if (result_.status == DoseStatus::Question) {
        return;
    }
    const bool factorHigh = factor.value.value_or(1.0F) > 2.0F;
    const bool totalLow = total.value && *total.value > 0.0F && *total.value < 5.0F;
    // What the sheet showed as the requirement, as the user sees it; a wine
    // that needs nothing is given nothing.
    float requirement = 0.0F;
    TextToSingle(result_.figures[Index(Figure::FreeRequirement)], requirement);
    const float added =
        result_.status == DoseStatus::NoAddition
            ? 0.0F
            : static_cast<float>(static_cast<double>(requirement) * input_.bindingFactor);
    std::optional<LimitCheck> check;
    if (total.value && wine_.limit) {
        check = LimitCheck{*wine_.limit, std::nullopt};
    } else if (total.value && wine_.regime) {
        const FoundLimit found =
            FindLimit(*wine_.regime, {wineTexts_.colour, wineTexts_.style, sugar.value});
        check = LimitCheck{found.row->limit, found};
    }
    const float projected =
        total.value ? static_cast<float>(static_cast<double>(*total.value) + added) : 0.0F;
    result_.overLimit = check && projected > check->limit;
    result_.limitCheck = check;
    result_.projectedTotal = projected;
    if (!answerWine) {
        const auto ask = [this](DoseColumn column, std::string_view text, bool overLimit) {
            wineQuestions_[wineQuestionCount_++] = {column, text, overLimit};
        };
        if (factorHigh) {
            ask(DoseColumn::BindingFactor, kFactorHigh, false);
        }
        if (totalLow) {
            ask(DoseColumn::TotalSO2, kTotalLow, false);
        }
        if (result_.overLimit) {
            wineMessage_ = OverLimitQuestion(projected, *check, translate_);
            ask(DoseColumn::TotalSO2, wineMessage_, true);
        }
        if (wineQuestionCount_ != 0) {
            result_.status = DoseStatus::Question;
            result_.message = wineQuestions_[0].text;
            result_.figures.fill({});
            return;
        }
    }
    wineFigures_[0].Fill([added](char* out) { return WriteFixed2OfSingle(added, out); });
    result_.wineFigures[0] = wineFigures_[0].View();
    if (total.value) {
        wineFigures_[1].Fill(
            [projected](char* out) { return WriteFixed2OfSingle(projected, out); });
        result_.wineFigures[1] = wineFigures_[1].View();
    }
    if (check) {
        limitText_ = ShortFigure(check->limit);
        result_.wineFigures[2] = limitText_;
        limitBasis_ = LimitBasis(*check, translate_);
        result_.limitBasis = limitBasis_;
        // A batch row says what was taken for what it did not give.
        if (result_.message.empty()) {
            if (std::optional<std::string> note =
                    LimitTakenNote(limitText_, limitBasis_, translate_)) {
                wineMessage_ = std::move(*note);
                result_.message = wineMessage_;
            }
        }
    }
}

std::optional<std::string> LimitMessageText(const DoseResult& result, const Translate& translate) {
    if (!result.limitCheck || result.message.empty()) {
        return std::nullopt;
    }
    const LimitCheck& check = *result.limitCheck;
    if (result.status == DoseStatus::Question) {
        if (result.overLimit &&
            result.message == OverLimitQuestion(result.projectedTotal, check, English)) {
            return OverLimitQuestion(result.projectedTotal, check, translate);
        }
        return std::nullopt;
    }
    const std::string limit = ShortFigure(check.limit);
    if (const std::optional<std::string> note =
            LimitTakenNote(limit, LimitBasis(check, English), English);
        note && result.message == *note) {
        return LimitTakenNote(limit, LimitBasis(check, translate), translate);
    }
    return std::nullopt;
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

std::size_t MaxResultFieldsBytes(const DoseResult& result, bool wine) {
    std::size_t room =
        2 + std::string_view(StatusWord(result.status)).size() + MaxCsvFieldBytes(result.message);
    for (const std::string_view figure : result.figures) {
        room += 1 + MaxCsvFieldBytes(figure);
    }
    if (wine) {
        for (const std::string_view figure : result.wineFigures) {
            room += 1 + MaxCsvFieldBytes(figure);
        }
    }
    return room;
}

char* WriteResultFields(char* out, const DoseResult& result, char separator, DecimalMark mark,
                        bool wine) {
    for (std::size_t i = 0; i < kFigureCount; ++i) {
        *out++ = separator;
        out = WriteFigure(out, result.figures[i], separator, mark);
    }
    *out++ = separator;
    const std::string_view status = StatusWord(result.status);
    out = std::copy(status.begin(), status.end(), out);
    *out++ = separator;
    out = WriteCsvField(out, result.message, separator);
    if (wine) {
        for (const std::string_view figure : result.wineFigures) {
            *out++ = separator;
            out = WriteFigure(out, figure, separator, mark);
        }
    }
    return out;
}

void AppendResultColumnNames(std::string& out, char separator, bool wine) {
    for (const char* name : kResultColumnNames) {
        out += separator;
        out += name;
    }
    if (wine) {
        for (const char* name : kWineResultColumnNames) {
            out += separator;
            out += name;
        }
    }
}

}  // namespace korvane
