// The dose sheet: everything the Calculate command decides, from the texts a
// window holds to what it must show. The main window and the command line
// both ask it, so their checks, questions and digits cannot differ.
//
// Its input is what the window holds: the texts of the seven numeric fields,
// the chosen method, the chosen list entries (or none), and the molecular
// figure on screen, with which one check compares. Its answer is one of three
// things: the first failed check, the plausibility questions to ask in
// order, or every result text in the order the window writes them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/rules/choices.h"
#include "core/rules/dose_arithmetic.h"
#include "core/rules/messages.h"
#include "core/rules/number_text.h"

namespace korvane {

// Which checks a sheet makes. The window keeps its own. A program that reads
// outside data (a cellar file, the command line, the web page) makes the
// stricter ones as well: every value a figure reads is numeric, finite and in
// range whatever the target kind; extreme targets and the slips people make
// typing a figure in are questioned; a wine already at its target needs no
// addition rather than failing a check; and no figure that is not finite, nor
// an amount no cellar could add, is ever shown.
enum class SheetRules { Window, Strict };

// The numeric fields, one for each text box of the main window.
enum class SheetField {
    Ph,
    ExistingSO2,
    BatchSize,
    TabletWeight,
    SolutionStrength,
    TargetFree,
    TargetMolecular,
};

// Every field, in the order above.
inline constexpr std::array kSheetFields{SheetField::Ph,
                                         SheetField::ExistingSO2,
                                         SheetField::BatchSize,
                                         SheetField::TabletWeight,
                                         SheetField::SolutionStrength,
                                         SheetField::TargetFree,
                                         SheetField::TargetMolecular};

// The places results are written to. The two targets are also fields: the
// one that is not the input shows the computed counterpart.
enum class SheetOutput {
    ExistingMolecular,
    TargetFree,
    TargetMolecular,
    Teaspoons,
    Amount,
    FreeRequirement,
    MolecularRequirement,
};

// What a sheet is asked about: the texts of the fields, kept by the caller
// (a batch points into the row it reads rather than copying a million rows'
// texts), and the choices.
struct SheetView {
    std::string_view ph;
    std::string_view existingSO2;
    std::string_view batchSize;
    std::string_view tabletWeight;
    std::string_view solutionStrength;
    std::string_view targetFree;
    std::string_view targetMolecular;
    AdditionMethod method = AdditionMethod::Powder;
    std::optional<SulphiteForm> form;  // none: no amount can be computed
    std::optional<BatchUnit> unit;     // none counts as litres
    std::optional<TargetKind> target;  // none: neither target is read
    // The existing molecular SO2 as shown; a molecular target may not lie
    // below the figure the user sees.
    std::string_view shownExistingMolecular;
    double pka = SO2Pka;
    // What the amount is multiplied by for the SO2 the wine binds at once;
    // the window's is always 1.
    double bindingFactor = 1.0;
    SheetRules rules = SheetRules::Window;
};

// Each field's text, in the order of SheetField.
inline constexpr std::array<std::string_view SheetView::*, kSheetFields.size()> kFieldTexts{
    &SheetView::ph,
    &SheetView::existingSO2,
    &SheetView::batchSize,
    &SheetView::tabletWeight,
    &SheetView::solutionStrength,
    &SheetView::targetFree,
    &SheetView::targetMolecular};

inline std::string_view& FieldText(SheetView& input, SheetField field) {
    return input.*kFieldTexts[static_cast<std::size_t>(field)];
}

inline std::string_view FieldText(const SheetView& input, SheetField field) {
    return input.*kFieldTexts[static_cast<std::size_t>(field)];
}

struct FailedCheck {
    std::optional<SheetField> field;  // where the focus goes; none: the sulphite form list
    const char* message;              // English; shown as a warning
    // What the message's %1 stands for, when it has one: the amount that
    // no cellar could add.
    std::optional<float> value = std::nullopt;
    // The field's text is no number: a message for outside data shows it.
    bool notNumeric = false;
    bool operator==(const FailedCheck& other) const {
        return field == other.field && std::string_view(message) == other.message &&
               value == other.value;
    }
};

// Under strict rules, more than this of any method's amount (grams, ml or
// tablets) is no dose anyone could add: a figure typed in the wrong unit or
// with a slipped exponent, even when every question was answered Yes.
inline constexpr float kLargestAmount = 1.0e9F;

// The message of such an amount for `method`, with %1 for the amount.
const char* AmountTooLargeMessage(AdditionMethod method);

// Under strict rules an amount under this, which shows as 0.00, is refused
// when the wine needs SO2 at all.
inline constexpr float kSmallestAmountShown = 0.005F;

// Why the amount is too little to add, for the method's unit.
const char* AmountTooSmallMessage(AdditionMethod method);

// A No to a question puts the focus into `field`, clears the amounts and
// ends the command; a Yes goes on to the next question.
struct Question {
    SheetField field;
    const char* text;
    bool operator==(const Question& other) const {
        return field == other.field && std::string_view(text) == other.text;
    }
};

// What the amounts read after every change of an input.
inline constexpr char kClearedAmount[] = "0.00";

// What each field holds when the main window opens, before stored defaults
// fill some of them; a target field the user has not touched keeps its
// text. A calculation from the command line starts from the same.
const char* OpeningText(SheetField field);

// One result text in room of its own: every result is a single's value
// with two decimals, or the amounts put back.
class ResultText {
  public:
    std::string_view View() const { return {chars_.data(), size_}; }
    // Lets `write` put the text at the start of the room (kSingleFixed2Room
    // bytes); it returns where the text ends.
    template <typename Write>
    void Fill(Write write) {
        size_ = static_cast<std::size_t>(write(chars_.data()) - chars_.data());
    }

  private:
    std::array<char, kSingleFixed2Room> chars_{};
    std::size_t size_ = 0;
};

// The most texts one calculation writes: the figures, and the amounts twice.
inline constexpr std::size_t kMaxResultWrites = 8;

// Every result text of one calculation in the order the window writes
// them, held in fixed room: a batch asks for them once a row and allocates
// nothing.
class SheetResults {
  public:
    std::size_t Size() const { return size_; }
    SheetOutput Output(std::size_t index) const { return writes_[index].output; }
    std::string_view Text(std::size_t index) const { return writes_[index].text.View(); }
    // What `output` shows once every write is done; none when nothing
    // writes to it.
    std::optional<std::string_view> Shown(SheetOutput output) const;

    void Clear() { size_ = 0; }
    // A write added at the end, for its text to be filled.
    ResultText& Add(SheetOutput output);

  private:
    struct Write {
        SheetOutput output;
        ResultText text;
    };
    std::array<Write, kMaxResultWrites> writes_;
    std::size_t size_ = 0;
};

// The most plausibility questions one calculation asks.
inline constexpr std::size_t kMaxQuestions = 7;

// The Calculate command's answer held in fixed room, for a caller that asks
// once a row and keeps one from row to row.
struct SheetVerdict {
    // NoAddition only under strict rules: the results are written, with the
    // amounts put back to "0.00".
    enum class Kind { FailedCheck, Questions, Results, NoAddition };
    Kind kind = Kind::Results;
    FailedCheck failed{};                             // when a check failed
    std::array<Question, kMaxQuestions> questions{};  // when there are questions
    std::size_t questionCount = 0;
    SheetResults results;  // when none of those
};

// The Calculate command, into room the caller keeps: the first failed
// check, else the questions to ask (with `questionsAnswered` they count as
// answered Yes, and under strict rules the figures are then still checked
// before they are shown), else every result text in the order the window
// writes them.
void EvaluateSheet(const SheetView& input, SheetVerdict& verdict, bool questionsAnswered = false);

// Every result text in the order the window writes them, ending with the
// amounts put back to "0.00" when they are negative or not finite. Nothing at
// all while the free target or the batch size is empty. Unreadable numbers
// count as 0: this never stops on an input.
void RecalculateSheet(const SheetView& input, SheetResults& results);

// The molecular SO2 of the existing free SO2 at the wine's pH, as shown.
// Unreadable entries count as 0; a huge pH only drives the figure to 0.
std::string_view ExistingMolecularText(const SheetView& input, ResultText& text);

// The checks the Default Settings dialog makes before saving: those of the
// solution strength, the tablet weight and the batch size, in the same order
// and with the same messages as Calculate's.
std::optional<FailedCheck> FirstFailedSettingsCheck(const SheetView& input);

}  // namespace korvane
