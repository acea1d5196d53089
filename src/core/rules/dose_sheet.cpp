#include "core/rules/dose_sheet.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace korvane {
namespace {

// A number as the sheet reads it where a value is all it needs: unreadable
// ones count as 0.
float ValueOrZero(std::string_view text) {
    float value = 0.0F;
    TextToSingle(text, value);
    return value;
}

// When a check or a question is looked at.
enum class Applies {
    Always,
    Solution,
    Tablet,
    FreeTarget,
    MolecularTarget,
    // Whenever a figure depends on the pH: in the window only for a molecular
    // target; under strict rules always, since the molecular figures are
    // always shown.
    PhNeeded,
};

// Which rules a check or a question belongs to.
enum class Under { Both, Window, Strict };

// The situation a sheet is in, as far as which checks and questions apply:
// the method, the target kind (or none) and the rules.
struct Situation {
    AdditionMethod method;
    std::optional<TargetKind> target;
    SheetRules rules;
};

// Situations are numbered so that each has its own place in a table.
constexpr std::size_t kTargetChoices = kTargetKinds.size() + 1;  // a kind, or none
constexpr std::size_t kRuleSets = 2;
constexpr std::size_t kSituations = kAdditionMethods.size() * kTargetChoices * kRuleSets;

constexpr std::size_t IndexOf(const Situation& situation) {
    const std::size_t target =
        situation.target ? 1 + static_cast<std::size_t>(*situation.target) : 0;
    return (static_cast<std::size_t>(situation.method) * kTargetChoices + target) * kRuleSets +
           static_cast<std::size_t>(situation.rules);
}

constexpr Situation SituationAt(std::size_t index) {
    const std::size_t target = index / kRuleSets % kTargetChoices;
    return {static_cast<AdditionMethod>(index / kRuleSets / kTargetChoices),
            target == 0 ? std::nullopt : std::optional(static_cast<TargetKind>(target - 1)),
            static_cast<SheetRules>(index % kRuleSets)};
}

constexpr bool EverySituationNumberedOnce() {
    for (std::size_t index = 0; index < kSituations; ++index) {
        if (IndexOf(SituationAt(index)) != index) {
            return false;
        }
    }
    return static_cast<std::size_t>(SheetRules::Strict) + 1 == kRuleSets;
}
static_assert(EverySituationNumberedOnce());

constexpr bool AppliesIn(Applies applies, Under under, const Situation& situation) {
    const bool strict = situation.rules == SheetRules::Strict;
    if (under != Under::Both && (under == Under::Strict) != strict) {
        return false;
    }
    switch (applies) {
        case Applies::Always:
            return true;
        case Applies::Solution:
            return situation.method == AdditionMethod::Solution;
        case Applies::Tablet:
            return situation.method == AdditionMethod::Tablet;
        case Applies::FreeTarget:
            return situation.target == TargetKind::FreeSO2;
        case Applies::MolecularTarget:
            return situation.target == TargetKind::MolecularSO2;
        case Applies::PhNeeded:
            return situation.target == TargetKind::MolecularSO2 || strict;
    }
    return false;
}

// For each situation, one bit for each row of `rows` that applies in it:
// worked out once, so that a row a calculation passes by costs nothing.
template <typename Row, std::size_t N>
constexpr std::array<std::uint32_t, kSituations> MasksOf(const Row (&rows)[N]) {
    static_assert(N <= 32);
    std::array<std::uint32_t, kSituations> masks{};
    for (std::size_t situation = 0; situation < kSituations; ++situation) {
        for (std::size_t i = 0; i < N; ++i) {
            if (AppliesIn(rows[i].applies, rows[i].under, SituationAt(situation))) {
                masks[situation] |= std::uint32_t{1} << i;
            }
        }
    }
    return masks;
}

std::size_t SituationOf(const SheetView& input) {
    return IndexOf({input.method, input.target, input.rules});
}

// Each field read once, when first looked at: whether it is numeric, and
// its value, where unreadable numbers count as 0. Most calculations never
// look at the fields of the other methods and target kind.
class Readings {
  public:
    explicit Readings(const SheetView& input) : input_(input) {}

    float Value(SheetField field) const { return Read(field).value; }
    bool IsNumeric(SheetField field) const { return Read(field).numeric; }
    float ShownExistingMolecular() const { return ValueOrZero(input_.shownExistingMolecular); }
    // Whether every field of `fields`, one bit each, is numeric.
    bool AllNumeric(unsigned fields) const {
        bool numeric = true;
        for (; fields != 0; fields &= fields - 1) {
            numeric = Read(static_cast<SheetField>(std::countr_zero(fields))).numeric && numeric;
        }
        return numeric;
    }

  private:
    struct Reading {
        float value;
        bool numeric;
    };

    const Reading& Read(SheetField field) const {
        const auto index = static_cast<std::size_t>(field);
        const unsigned bit = 1U << index;
        if ((read_ & bit) == 0) {
            Reading& reading = readings_[index];
            reading.value = 0.0F;
            reading.numeric = TextToSingle(FieldText(input_, field), reading.value);
            read_ |= bit;
        }
        return readings_[index];
    }

    const SheetView& input_;
    // Filled as they are asked for: looking is no change.
    mutable std::array<Reading, kSheetFields.size()> readings_;
    mutable unsigned read_ = 0;
};

enum class Fails {
    NoForm,
    Empty,
    // Numeric in form, but beyond what a single holds: under strict rules
    // it says so rather than that the text is no number.
    TooLarge,
    NotNumeric,
    OutsideZeroTo100,
    BelowZero,
    ZeroOrBelow,
    BelowOne,
    AboveFourteen,
    BelowExistingFree,
    BelowExistingMolecular,
};

constexpr char kBatchTooLarge[] = KORVANE_TEXT("Batch size is too large to calculate.");
constexpr char kTargetTooLarge[] = KORVANE_TEXT("Target SO2 is too large to calculate.");

struct Check {
    Applies applies;
    Under under;
    SheetField field;  // unused for NoForm, whose focus is the form list
    Fails fails;
    const char* message;
};

// A plain array: the translation tools read the messages' context from it.
constexpr Check kChecks[] = {
    // Without a form no amount can be worked out.
    Check{Applies::Always, Under::Both, SheetField::SolutionStrength, Fails::NoForm,
          KORVANE_TEXT("Please select a sulphite form.")},
    Check{Applies::Solution, Under::Both, SheetField::SolutionStrength, Fails::Empty,
          KORVANE_TEXT("Please enter solution percentage.")},
    Check{Applies::Solution, Under::Both, SheetField::SolutionStrength, Fails::NotNumeric,
          KORVANE_TEXT("Solution percentage must be numeric.")},
    Check{Applies::Solution, Under::Both, SheetField::SolutionStrength, Fails::OutsideZeroTo100,
          KORVANE_TEXT("Solution % must be between 0 and 100.")},
    // A strength or a weight of 0 would make the amount infinite.
    Check{Applies::Solution, Under::Both, SheetField::SolutionStrength, Fails::ZeroOrBelow,
          KORVANE_TEXT("Solution percentage must be greater than 0.")},
    Check{Applies::Tablet, Under::Both, SheetField::TabletWeight, Fails::Empty,
          KORVANE_TEXT("Please enter tablet weight.")},
    Check{Applies::Tablet, Under::Both, SheetField::TabletWeight, Fails::NotNumeric,
          KORVANE_TEXT("Tablet weight must be numeric.")},
    Check{Applies::Tablet, Under::Both, SheetField::TabletWeight, Fails::BelowZero,
          KORVANE_TEXT("Tablet weight cannot be less than 0.")},
    Check{Applies::Tablet, Under::Both, SheetField::TabletWeight, Fails::ZeroOrBelow,
          KORVANE_TEXT("Tablet weight must be greater than 0.")},
    Check{Applies::Always, Under::Both, SheetField::BatchSize, Fails::Empty,
          KORVANE_TEXT("Please enter batch size.")},
    Check{Applies::Always, Under::Strict, SheetField::BatchSize, Fails::TooLarge, kBatchTooLarge},
    Check{Applies::Always, Under::Both, SheetField::BatchSize, Fails::NotNumeric,
          KORVANE_TEXT("Batch size must be numeric.")},
    Check{Applies::Always, Under::Both, SheetField::BatchSize, Fails::ZeroOrBelow,
          KORVANE_TEXT("Batch size must be greater than 0.")},
    Check{Applies::PhNeeded, Under::Both, SheetField::Ph, Fails::Empty,
          KORVANE_TEXT("Please enter pH.")},
    Check{Applies::PhNeeded, Under::Both, SheetField::Ph, Fails::NotNumeric,
          KORVANE_TEXT("pH must be numeric.")},
    Check{Applies::PhNeeded, Under::Both, SheetField::Ph, Fails::BelowOne,
          KORVANE_TEXT("pH must be between 1 and 14.")},
    Check{Applies::PhNeeded, Under::Both, SheetField::Ph, Fails::AboveFourteen,
          KORVANE_TEXT("pH must be between 1 and 14.")},
    Check{Applies::Always, Under::Both, SheetField::ExistingSO2, Fails::Empty,
          KORVANE_TEXT("Please enter existing SO2.")},
    Check{Applies::Always, Under::Both, SheetField::ExistingSO2, Fails::NotNumeric,
          KORVANE_TEXT("Existing SO2 must be numeric.")},
    Check{Applies::Always, Under::Strict, SheetField::ExistingSO2, Fails::BelowZero,
          KORVANE_TEXT("Existing SO2 cannot be less than 0.")},
    Check{Applies::FreeTarget, Under::Both, SheetField::TargetFree, Fails::Empty,
          KORVANE_TEXT("Please enter target SO2.")},
    Check{Applies::FreeTarget, Under::Strict, SheetField::TargetFree, Fails::TooLarge,
          kTargetTooLarge},
    Check{Applies::FreeTarget, Under::Both, SheetField::TargetFree, Fails::NotNumeric,
          KORVANE_TEXT("Target SO2 must be numeric.")},
    Check{Applies::MolecularTarget, Under::Both, SheetField::TargetMolecular, Fails::Empty,
          KORVANE_TEXT("Please enter target SO2.")},
    Check{Applies::MolecularTarget, Under::Strict, SheetField::TargetMolecular, Fails::TooLarge,
          kTargetTooLarge},
    Check{Applies::MolecularTarget, Under::Both, SheetField::TargetMolecular, Fails::NotNumeric,
          KORVANE_TEXT("Target SO2 must be numeric.")},
    Check{Applies::FreeTarget, Under::Strict, SheetField::TargetFree, Fails::BelowZero,
          KORVANE_TEXT("Target SO2 cannot be less than 0.")},
    Check{Applies::MolecularTarget, Under::Strict, SheetField::TargetMolecular, Fails::BelowZero,
          KORVANE_TEXT("Target SO2 cannot be less than 0.")},
    // Strict rules tell a wine at its target that it needs nothing instead.
    Check{Applies::FreeTarget, Under::Window, SheetField::TargetFree, Fails::BelowExistingFree,
          KORVANE_TEXT("Existing SO2 cannot be greater than target SO2.")},
    Check{Applies::MolecularTarget, Under::Window, SheetField::TargetMolecular,
          Fails::BelowExistingMolecular,
          KORVANE_TEXT("Existing SO2 cannot be greater than target SO2.")},
};

constexpr auto kCheckMasks = MasksOf(kChecks);

// The checks only a text that is no number fails: an empty one is none, and
// one too large for a single neither.
constexpr bool FailsOnlyNotNumeric(Fails fails) {
    return fails == Fails::Empty || fails == Fails::TooLarge || fails == Fails::NotNumeric;
}

constexpr std::uint32_t kNotNumericChecks = [] {
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < std::size(kChecks); ++i) {
        mask |= FailsOnlyNotNumeric(kChecks[i].fails) ? std::uint32_t{1} << i : 0;
    }
    return mask;
}();

// For each situation, one bit for each field those checks look at in it:
// when all of them are numbers, as in nearly every calculation, none of
// those checks can fail and they are passed by.
constexpr auto kNumberFieldMasks = [] {
    std::array<unsigned, kSituations> fields{};
    for (std::size_t situation = 0; situation < kSituations; ++situation) {
        for (std::uint32_t rows = kCheckMasks[situation] & kNotNumericChecks; rows != 0;
             rows &= rows - 1) {
            fields[situation] |= 1U << static_cast<unsigned>(kChecks[std::countr_zero(rows)].field);
        }
    }
    return fields;
}();

// The checks the Default Settings dialog has fields for. It has a form list
// too, but a record may keep no form.
constexpr std::uint32_t kSettingsChecks = [] {
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < std::size(kChecks); ++i) {
        const Check& check = kChecks[i];
        const bool dialogs = check.field == SheetField::SolutionStrength ||
                             check.field == SheetField::TabletWeight ||
                             check.field == SheetField::BatchSize;
        mask |= check.fails != Fails::NoForm && dialogs ? std::uint32_t{1} << i : 0;
    }
    return mask;
}();

// Asked for most checks of every calculation: inline, so that the loop over
// them keeps it rather than calling it.
inline bool CheckFails(const Check& check, const SheetView& input, const Readings& readings) {
    if (check.fails == Fails::NoForm) {
        return !input.form;
    }
    const float value = readings.Value(check.field);
    switch (check.fails) {
        case Fails::NoForm:
            break;
        case Fails::Empty:
            return IsEmptyText(FieldText(input, check.field));
        case Fails::TooLarge:
            return !readings.IsNumeric(check.field) &&
                   IsBeyondSingleRange(FieldText(input, check.field));
        case Fails::NotNumeric:
            return !readings.IsNumeric(check.field);
        case Fails::OutsideZeroTo100:
            return value < 0.0F || value > 100.0F;
        case Fails::BelowZero:
            return value < 0.0F;
        case Fails::ZeroOrBelow:
            return value <= 0.0F;
        case Fails::BelowOne:
            return value < 1.0F;
        case Fails::AboveFourteen:
            return value > 14.0F;
        case Fails::BelowExistingFree:
            return value < readings.Value(SheetField::ExistingSO2);
        case Fails::BelowExistingMolecular:
            // The figure the user sees, not the unrounded one.
            return value < readings.ShownExistingMolecular();
    }
    return false;
}

FailedCheck FailureOf(const Check& check) {
    if (check.fails == Fails::NoForm) {
        return FailedCheck{std::nullopt, check.message};
    }
    return FailedCheck{.field = check.field,
                       .message = check.message,
                       .notNumeric = check.fails == Fails::NotNumeric};
}

// What a question looks at: a field's value, the target in one kind, given
// or worked out from the other at the wine's pH, the batch in litres, or the
// pKa the figures are worked out with.
enum class Measure { FieldValue, FreeTargetLevel, MolecularTargetLevel, BatchLitres, Pka };
constexpr std::size_t kMeasures = static_cast<std::size_t>(Measure::Pka) + 1;

// Where the value must lie for the question to be asked. A reading of 0 is a
// wine with no SO2 at all, not a slip: only a value between 0 and the bound
// is low.
enum class Asked { Above, Below, AboveZeroBelow };

struct QuestionRow {
    Applies applies;
    Under under;
    SheetField field;  // its value, or where the focus goes for any other measure
    Measure measure;
    Asked asked;
    float bound;
    const char* text;
};

constexpr char kFreeTargetHigh[] =
    KORVANE_TEXT("Free SO2 target appears high. Are you sure it is correct?");
constexpr char kMolecularTargetHigh[] =
    KORVANE_TEXT("Molecular SO2 target appears high. Are you sure it is correct?");

// A pH below 2 and one above 5 exclude each other, so at most one pH
// question is ever asked. Strict rules also ask about the slips people make
// in what they type:
// - targets beyond what a wine is ever dosed to: above 100 mg/L free, or
//   above 2 mg/L molecular, where the SO2 can be smelt and tasted; and below
//   10 mg/L free or 0.2 mg/L molecular, which protect nothing and are what a
//   target typed in g/L looks like;
// - a stock solution weaker than 1 % or a tablet lighter than 0.1 g, which no
//   one makes, and whose amounts would come out a hundred times too large for
//   a slip of the point;
// - a free SO2 reading above 0 but below 1 mg/L (typed in g/L, the dose
//   comes out as if the wine had none) or above 100 (a slipped point);
// - a batch above a million litres, more than any tank holds;
// - a pKa outside 1.5 to 2.5, where no lab's figure for wine lies (8.1 is
//   1.8 typed the wrong way round). The pKa has no field: the focus goes to
//   the pH, which it goes with.
constexpr QuestionRow kQuestions[] = {
    {.applies = Applies::Tablet,
     .under = Under::Both,
     .field = SheetField::TabletWeight,
     .measure = Measure::FieldValue,
     .asked = Asked::Above,
     .bound = 1.0F,
     .text = KORVANE_TEXT("Tablet weight appears high. Are you sure it is correct?")},
    {.applies = Applies::Tablet,
     .under = Under::Strict,
     .field = SheetField::TabletWeight,
     .measure = Measure::FieldValue,
     .asked = Asked::Below,
     .bound = 0.1F,
     .text = KORVANE_TEXT("Tablet weight appears low. Are you sure it is correct?")},
    {.applies = Applies::Solution,
     .under = Under::Both,
     .field = SheetField::SolutionStrength,
     .measure = Measure::FieldValue,
     .asked = Asked::Above,
     .bound = 50.0F,
     .text = KORVANE_TEXT("Solution percentage appears high. Are you sure it is correct?")},
    {.applies = Applies::Solution,
     .under = Under::Strict,
     .field = SheetField::SolutionStrength,
     .measure = Measure::FieldValue,
     .asked = Asked::Below,
     .bound = 1.0F,
     .text = KORVANE_TEXT("Solution percentage appears low. Are you sure it is correct?")},
    {.applies = Applies::PhNeeded,
     .under = Under::Both,
     .field = SheetField::Ph,
     .measure = Measure::FieldValue,
     .asked = Asked::Below,
     .bound = 2.0F,
     .text = KORVANE_TEXT("pH appears low. Are you sure it is correct?")},
    {.applies = Applies::PhNeeded,
     .under = Under::Both,
     .field = SheetField::Ph,
     .measure = Measure::FieldValue,
     .asked = Asked::Above,
     .bound = 5.0F,
     .text = KORVANE_TEXT("pH appears high. Are you sure it is correct?")},
    {.applies = Applies::Always,
     .under = Under::Strict,
     .field = SheetField::Ph,
     .measure = Measure::Pka,
     .asked = Asked::Below,
     .bound = 1.5F,
     .text = KORVANE_TEXT("pKa appears low. Are you sure it is correct?")},
    {.applies = Applies::Always,
     .under = Under::Strict,
     .field = SheetField::Ph,
     .measure = Measure::Pka,
     .asked = Asked::Above,
     .bound = 2.5F,
     .text = KORVANE_TEXT("pKa appears high. Are you sure it is correct?")},
    {.applies = Applies::Always,
     .under = Under::Strict,
     .field = SheetField::ExistingSO2,
     .measure = Measure::FieldValue,
     .asked = Asked::AboveZeroBelow,
     .bound = 1.0F,
     .text = KORVANE_TEXT("Existing SO2 appears low. Are you sure it is correct?")},
    {.applies = Applies::Always,
     .under = Under::Strict,
     .field = SheetField::ExistingSO2,
     .measure = Measure::FieldValue,
     .asked = Asked::Above,
     .bound = 100.0F,
     .text = KORVANE_TEXT("Existing SO2 appears high. Are you sure it is correct?")},
    {.applies = Applies::Always,
     .under = Under::Strict,
     .field = SheetField::BatchSize,
     .measure = Measure::BatchLitres,
     .asked = Asked::Above,
     .bound = 1.0e6F,
     .text = KORVANE_TEXT("Batch size appears large. Are you sure it is correct?")},
    {.applies = Applies::FreeTarget,
     .under = Under::Strict,
     .field = SheetField::TargetFree,
     .measure = Measure::FreeTargetLevel,
     .asked = Asked::Above,
     .bound = 100.0F,
     .text = kFreeTargetHigh},
    {.applies = Applies::FreeTarget,
     .under = Under::Strict,
     .field = SheetField::TargetFree,
     .measure = Measure::FieldValue,
     .asked = Asked::Below,
     .bound = 10.0F,
     .text = KORVANE_TEXT("Free SO2 target appears low. Are you sure it is correct?")},
    {.applies = Applies::FreeTarget,
     .under = Under::Strict,
     .field = SheetField::TargetFree,
     .measure = Measure::MolecularTargetLevel,
     .asked = Asked::Above,
     .bound = 2.0F,
     .text = kMolecularTargetHigh},
    {.applies = Applies::MolecularTarget,
     .under = Under::Strict,
     .field = SheetField::TargetMolecular,
     .measure = Measure::MolecularTargetLevel,
     .asked = Asked::Above,
     .bound = 2.0F,
     .text = kMolecularTargetHigh},
    {.applies = Applies::MolecularTarget,
     .under = Under::Strict,
     .field = SheetField::TargetMolecular,
     .measure = Measure::FieldValue,
     .asked = Asked::Below,
     .bound = 0.2F,
     .text = KORVANE_TEXT("Molecular SO2 target appears low. Are you sure it is correct?")},
    {.applies = Applies::MolecularTarget,
     .under = Under::Strict,
     .field = SheetField::TargetMolecular,
     .measure = Measure::FreeTargetLevel,
     .asked = Asked::Above,
     .bound = 100.0F,
     .text = kFreeTargetHigh},
};

constexpr auto kQuestionMasks = MasksOf(kQuestions);

// Whether the value `question` looks at, as the calculation has it, lies
// where the question is asked.
// `measured` holds the value of every measure but a field's, in the order
// of Measure.
bool IsAsked(const QuestionRow& question, const Readings& readings,
             const std::array<double, kMeasures>& measured) {
    const double value = question.measure == Measure::FieldValue
                             ? readings.Value(question.field)
                             : measured[static_cast<std::size_t>(question.measure)];
    switch (question.asked) {
        case Asked::Above:
            return value > question.bound;
        case Asked::Below:
            return value < question.bound;
        case Asked::AboveZeroBelow:
            return value > 0.0 && value < question.bound;
    }
    return false;
}

// The first of the checks in `considered` that apply and fail.
std::optional<FailedCheck> FirstFailure(const SheetView& input, const Readings& readings,
                                        std::uint32_t considered) {
    const std::size_t situation = SituationOf(input);
    std::uint32_t rows = kCheckMasks[situation] & considered;
    if (readings.AllNumeric(kNumberFieldMasks[situation])) {
        rows &= ~kNotNumericChecks;
    }
    for (; rows != 0; rows &= rows - 1) {
        const Check& check = kChecks[std::countr_zero(rows)];
        if (CheckFails(check, input, readings)) {
            return FailureOf(check);
        }
    }
    return std::nullopt;
}

DoseInputs ReadInputs(const SheetView& input, const Readings& readings) {
    DoseInputs inputs;
    inputs.batchVolume = readings.Value(SheetField::BatchSize);
    inputs.freeSO2 = readings.Value(SheetField::ExistingSO2);
    inputs.ph = readings.Value(SheetField::Ph);
    inputs.sulphiteForm = input.form;
    inputs.batchUnit = input.unit.value_or(BatchUnit::Litre);
    inputs.targetKind = input.target;
    if (input.target == TargetKind::FreeSO2) {
        inputs.targetValue = readings.Value(SheetField::TargetFree);
    } else if (input.target == TargetKind::MolecularSO2) {
        inputs.targetValue = readings.Value(SheetField::TargetMolecular);
    }
    inputs.method = input.method;
    if (input.method == AdditionMethod::Solution) {
        inputs.solutionStrength = readings.Value(SheetField::SolutionStrength);
    } else if (input.method == AdditionMethod::Tablet) {
        inputs.tabletGrams = readings.Value(SheetField::TabletWeight);
    }
    inputs.pka = input.pka;
    inputs.bindingFactor = input.bindingFactor;
    return inputs;
}

// Rounded on the fifteen significant digits of the single value as a
// double.
void Fixed2(SheetResults& results, SheetOutput output, float value) {
    results.Add(output).Fill([value](char* out) { return WriteFixed2(value, out); });
}

// Rounded on the single value's seven significant digits, as its text
// shows them, not on its binary expansion.
void ShownRounded(SheetResults& results, SheetOutput output, float value) {
    results.Add(output).Fill([value](char* out) { return WriteFixed2OfSingle(value, out); });
}

void Cleared(SheetResults& results, SheetOutput output) {
    results.Add(output).Fill([](char* out) {
        const std::string_view text = kClearedAmount;
        return std::copy(text.begin(), text.end(), out);
    });
}

constexpr std::uint32_t kAllChecks = ~std::uint32_t{0};

// Of the six target questions only the three for the given kind apply, and
// the given target is not both high and low; of the four about the tablet
// and the solution at most one is asked, and of each pair about the pH, the
// pKa and the free SO2 one: a figure is not both high and low.
static_assert(std::size(kQuestions) - (3 + 1) - 3 - 1 - 1 - 1 <= kMaxQuestions);

// The questions to ask, in order, into `questions`; how many. Under strict
// rules the questions about the target read the dose worked out for it.
std::size_t QuestionsFor(const SheetView& input, const Readings& readings, const DoseResults* dose,
                         std::array<Question, kMaxQuestions>& questions) {
    std::size_t count = 0;
    // Looked up once rather than chosen again for every question.
    const std::array<double, kMeasures> measured{0.0, dose->targetFree, dose->targetMolecular,
                                                 dose->batchLitres, input.pka};
    for (std::uint32_t rows = kQuestionMasks[SituationOf(input)]; rows != 0; rows &= rows - 1) {
        const QuestionRow& question = kQuestions[std::countr_zero(rows)];
        if (IsAsked(question, readings, measured)) {
            questions[count++] = {question.field, question.text};
        }
    }
    return count;
}

// The longest text of an amount that begins with a digit and surely lies
// within a single's range: under 10^20.
constexpr std::size_t kPlainAmountSize = 20;

// Every figure in the order the window writes them, ending with the
// amounts put back to "0.00" when they are negative or not finite.
void WriteFigures(const DoseInputs& inputs, const DoseResults& r, SheetResults& results) {
    Fixed2(results, SheetOutput::ExistingMolecular, r.existingMolecular);
    // The computed target goes before the amounts: in the window its change
    // clears them, and they are written after it.
    if (inputs.targetKind == TargetKind::FreeSO2) {
        Fixed2(results, SheetOutput::TargetMolecular, r.targetMolecular);
    } else if (inputs.targetKind == TargetKind::MolecularSO2) {
        ShownRounded(results, SheetOutput::TargetFree, r.targetFree);
    }
    if (r.teaspoons) {
        Fixed2(results, SheetOutput::Teaspoons, *r.teaspoons);
    } else {
        results.Add(SheetOutput::Teaspoons).Fill([](char* out) { return out; });
    }
    ShownRounded(results, SheetOutput::Amount, r.amount);
    // A negative or non-finite amount is nothing anyone can add.
    // The text is read back only when it may be either: one of a few
    // digits first is a number of at least 0.
    const std::string_view amount = results.Text(results.Size() - 1);
    const bool plain = !amount.empty() && amount.front() >= '0' && amount.front() <= '9' &&
                       amount.size() <= kPlainAmountSize;
    float amountValue = 0.0F;
    const bool cleared = !plain && (!TextToSingle(amount, amountValue) || amountValue < 0.0F);
    ShownRounded(results, SheetOutput::FreeRequirement, r.freeRequirement);
    ShownRounded(results, SheetOutput::MolecularRequirement, r.molecularRequirement);
    if (cleared) {
        Cleared(results, SheetOutput::Amount);
        Cleared(results, SheetOutput::Teaspoons);
    }
}

void Recalculate(const SheetView& input, const Readings& readings, SheetResults& results) {
    results.Clear();
    // The free target is tested for both kinds: with a molecular target it
    // holds the last computed free target.
    if (input.targetFree.empty() || input.batchSize.empty()) {
        return;
    }
    const DoseInputs inputs = ReadInputs(input, readings);
    WriteFigures(inputs, ComputeDose(inputs), results);
}

constexpr char kSolutionTooSmall[] = KORVANE_TEXT("Solution percentage is too small to calculate.");
constexpr char kTabletTooSmall[] = KORVANE_TEXT("Tablet weight is too small to calculate.");

SheetField TargetField(const SheetView& input) {
    return input.target == TargetKind::MolecularSO2 ? SheetField::TargetMolecular
                                                    : SheetField::TargetFree;
}

bool AllFinite(const DoseResults& r) {
    return std::isfinite(r.existingMolecular) && std::isfinite(r.freeRequirement) &&
           std::isfinite(r.molecularRequirement) && std::isfinite(r.amount) &&
           std::isfinite(r.teaspoons.value_or(0.0F));
}

// The input that puts a figure beyond what a single can hold, if any. A wine
// that needs nothing has nothing to be out of reach.
std::optional<FailedCheck> OutOfReach(const SheetView& input, const DoseInputs& inputs,
                                      const DoseResults& r) {
    if (!std::isfinite(r.batchLitres)) {
        return FailedCheck{SheetField::BatchSize, kBatchTooLarge};
    }
    if (!std::isfinite(r.targetFree) || !std::isfinite(r.targetMolecular)) {
        return FailedCheck{TargetField(input), kTargetTooLarge};
    }
    if (r.freeRequirement <= 0.0F || AllFinite(r)) {
        return std::nullopt;
    }
    // What one litre takes tells whether the batch is too large or the
    // method's own figure too small.
    DoseInputs oneLitre = inputs;
    oneLitre.batchVolume = 1.0F;
    oneLitre.batchUnit = BatchUnit::Litre;
    if (std::isfinite(ComputeDose(oneLitre).amount)) {
        return FailedCheck{SheetField::BatchSize, kBatchTooLarge};
    }
    switch (inputs.method) {
        case AdditionMethod::Solution:
            return FailedCheck{SheetField::SolutionStrength, kSolutionTooSmall};
        case AdditionMethod::Tablet:
            return FailedCheck{SheetField::TabletWeight, kTabletTooSmall};
        case AdditionMethod::Powder:
            break;
    }
    return FailedCheck{TargetField(input), kTargetTooLarge};
}

// An amount beyond what any cellar could add, whatever was answered: every
// input it grows with is named for the user to check.
std::optional<FailedCheck> BeyondAnyCellar(const DoseInputs& inputs, const DoseResults& r) {
    if (r.freeRequirement <= 0.0F || !(r.amount > kLargestAmount)) {
        return std::nullopt;
    }
    return FailedCheck{SheetField::BatchSize, AmountTooLargeMessage(inputs.method), r.amount};
}

// An amount that shows as 0.00 though the wine needs SO2 would read as "add
// nothing": a bench trial of a few millilitres, or a slip in the batch size.
std::optional<FailedCheck> BelowWhatShows(const DoseInputs& inputs, const DoseResults& r) {
    if (r.freeRequirement <= 0.0F || !(r.amount < kSmallestAmountShown)) {
        return std::nullopt;
    }
    return FailedCheck{SheetField::BatchSize, AmountTooSmallMessage(inputs.method)};
}

// Under strict rules every figure is checked before it is shown, and a wine
// at or above its target is told it needs nothing.
void EvaluateStrictly(const SheetView& input, const DoseInputs& inputs, const DoseResults& r,
                      SheetVerdict& verdict) {
    std::optional<FailedCheck> failed = OutOfReach(input, inputs, r);
    if (!failed) {
        failed = BeyondAnyCellar(inputs, r);
    }
    if (!failed) {
        failed = BelowWhatShows(inputs, r);
    }
    if (failed) {
        verdict.kind = SheetVerdict::Kind::FailedCheck;
        verdict.failed = *failed;
        return;
    }
    verdict.results.Clear();
    WriteFigures(inputs, r, verdict.results);
    verdict.kind =
        r.freeRequirement <= 0.0F ? SheetVerdict::Kind::NoAddition : SheetVerdict::Kind::Results;
}

}  // namespace

std::optional<std::string_view> SheetResults::Shown(SheetOutput output) const {
    for (std::size_t i = size_; i > 0; --i) {
        if (writes_[i - 1].output == output) {
            return writes_[i - 1].text.View();
        }
    }
    return std::nullopt;
}

ResultText& SheetResults::Add(SheetOutput output) {
    Write& write = writes_[size_++];
    write.output = output;
    return write.text;
}

const char* AmountTooSmallMessage(AdditionMethod method) {
    switch (method) {
        case AdditionMethod::Solution:
            return KORVANE_TEXT(
                "The amount is less than 0.01 ml, too little to measure: check the batch size, "
                "or use a weaker solution.");
        case AdditionMethod::Tablet:
            return KORVANE_TEXT(
                "The amount is less than 0.01 tablets, too little to add: check the batch size and "
                "the tablet weight.");
        case AdditionMethod::Powder:
            break;
    }
    return KORVANE_TEXT(
        "The amount is less than 0.01 g, too little to weigh: check the batch size, or use a "
        "stock solution.");
}

const char* AmountTooLargeMessage(AdditionMethod method) {
    switch (method) {
        case AdditionMethod::Solution:
            return KORVANE_TEXT(
                "The amount, %1 ml, is more than any cellar could add: check the batch size, "
                "the target and the solution percentage.");
        case AdditionMethod::Tablet:
            return KORVANE_TEXT(
                "The amount, %1 tablets, is more than any cellar could add: check the batch "
                "size, the target and the tablet weight.");
        case AdditionMethod::Powder:
            break;
    }
    return KORVANE_TEXT(
        "The amount, %1 g, is more than any cellar could add: check the batch size and the "
        "target.");
}

const char* OpeningText(SheetField field) {
    switch (field) {
        case SheetField::Ph:
            return "3.5";
        case SheetField::BatchSize:
            return "23";
        case SheetField::TabletWeight:
            return "0.44";
        case SheetField::SolutionStrength:
            return "10";
        case SheetField::ExistingSO2:
        case SheetField::TargetFree:
        case SheetField::TargetMolecular:
            break;
    }
    return "0.00";
}

std::optional<FailedCheck> FirstFailedSettingsCheck(const SheetView& input) {
    return FirstFailure(input, Readings(input), kSettingsChecks);
}

void EvaluateSheet(const SheetView& input, SheetVerdict& verdict, bool questionsAnswered) {
    const Readings readings(input);
    if (std::optional<FailedCheck> failed = FirstFailure(input, readings, kAllChecks)) {
        verdict.kind = SheetVerdict::Kind::FailedCheck;
        verdict.failed = *failed;
        return;
    }
    // Under strict rules the dose is worked out first: the questions about
    // the target read it.
    const bool strict = input.rules == SheetRules::Strict;
    const DoseInputs inputs = strict ? ReadInputs(input, readings) : DoseInputs{};
    const DoseResults dose = strict ? ComputeDose(inputs) : DoseResults{};
    verdict.questionCount = QuestionsFor(input, readings, &dose, verdict.questions);
    if (verdict.questionCount > 0 && !questionsAnswered) {
        verdict.kind = SheetVerdict::Kind::Questions;
        return;
    }
    if (strict) {
        EvaluateStrictly(input, inputs, dose, verdict);
        return;
    }
    verdict.kind = SheetVerdict::Kind::Results;
    Recalculate(input, readings, verdict.results);
}

void RecalculateSheet(const SheetView& input, SheetResults& results) {
    Recalculate(input, Readings(input), results);
}

std::string_view ExistingMolecularText(const SheetView& input, ResultText& text) {
    const float existing = ValueOrZero(input.existingSO2);
    const float ph = ValueOrZero(input.ph);
    const float molecular = MolecularFromFree(existing, ph, input.pka);
    text.Fill([molecular](char* out) { return WriteFixed2(molecular, out); });
    return text.View();
}

}  // namespace korvane
