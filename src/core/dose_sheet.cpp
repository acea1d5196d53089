#include "core/dose_sheet.h"

#include <algorithm>
#include <array>
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
enum class Applies { Always, Solution, Tablet, FreeTarget, MolecularTarget };

bool AppliesTo(Applies applies, const SheetView& input) {
    switch (applies) {
        case Applies::Always:
            return true;
        case Applies::Solution:
            return input.method == AdditionMethod::Solution;
        case Applies::Tablet:
            return input.method == AdditionMethod::Tablet;
        case Applies::FreeTarget:
            return input.target == TargetKind::FreeSO2;
        case Applies::MolecularTarget:
            return input.target == TargetKind::MolecularSO2;
    }
    return false;
}

// The kinds of check and question that apply to one input, decided once for
// all of them.
class Applying {
  public:
    explicit Applying(const SheetView& input) {
        for (const Applies applies : {Applies::Always, Applies::Solution, Applies::Tablet,
                                      Applies::FreeTarget, Applies::MolecularTarget}) {
            bits_ |= AppliesTo(applies, input) ? Bit(applies) : 0;
        }
    }
    bool operator()(Applies applies) const { return (bits_ & Bit(applies)) != 0; }

  private:
    static constexpr unsigned Bit(Applies applies) { return 1U << static_cast<unsigned>(applies); }

    unsigned bits_ = 0;
};

// Each field read once, when first looked at: whether it is numeric, and
// its value, where unreadable numbers count as 0. Most calculations never
// look at the fields of the other methods and target kind.
class Readings {
  public:
    explicit Readings(const SheetView& input) : input_(input) {}

    float Value(SheetField field) const { return Read(field).value; }
    bool IsNumeric(SheetField field) const { return Read(field).numeric; }
    float ShownExistingMolecular() const { return ValueOrZero(input_.shownExistingMolecular); }

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
    Empty,
    NotNumeric,
    OutsideZeroTo100,
    BelowZero,
    ZeroOrBelow,
    BelowOne,
    AboveFourteen,
    BelowExistingFree,
    BelowExistingMolecular,
};

struct Check {
    Applies applies;
    SheetField field;
    Fails fails;
    const char* message;
};

// A plain array: the translation tools read the messages' context from it.
constexpr Check kChecks[] = {
    Check{Applies::Solution, SheetField::SolutionStrength, Fails::Empty,
          KORVANE_TEXT("Please enter solution percentage.")},
    Check{Applies::Solution, SheetField::SolutionStrength, Fails::NotNumeric,
          KORVANE_TEXT("Solution percentage must be numeric.")},
    Check{Applies::Solution, SheetField::SolutionStrength, Fails::OutsideZeroTo100,
          KORVANE_TEXT("Solution % must be between 0 and 100.")},
    Check{Applies::Tablet, SheetField::TabletWeight, Fails::Empty,
          KORVANE_TEXT("Please enter tablet weight.")},
    Check{Applies::Tablet, SheetField::TabletWeight, Fails::NotNumeric,
          KORVANE_TEXT("Tablet weight must be numeric.")},
    Check{Applies::Tablet, SheetField::TabletWeight, Fails::BelowZero,
          KORVANE_TEXT("Tablet weight cannot be less than 0.")},
    Check{Applies::Always, SheetField::BatchSize, Fails::Empty,
          KORVANE_TEXT("Please enter batch size.")},
    Check{Applies::Always, SheetField::BatchSize, Fails::NotNumeric,
          KORVANE_TEXT("Batch size must be numeric.")},
    Check{Applies::Always, SheetField::BatchSize, Fails::ZeroOrBelow,
          KORVANE_TEXT("Batch size must be greater than 0.")},
    Check{Applies::MolecularTarget, SheetField::Ph, Fails::Empty, KORVANE_TEXT("Please enter pH.")},
    Check{Applies::MolecularTarget, SheetField::Ph, Fails::NotNumeric,
          KORVANE_TEXT("pH must be numeric.")},
    Check{Applies::MolecularTarget, SheetField::Ph, Fails::BelowOne,
          KORVANE_TEXT("pH must be between 1 and 14.")},
    Check{Applies::MolecularTarget, SheetField::Ph, Fails::AboveFourteen,
          KORVANE_TEXT("pH must be between 1 and 14.")},
    Check{Applies::Always, SheetField::ExistingSO2, Fails::Empty,
          KORVANE_TEXT("Please enter existing SO2.")},
    Check{Applies::Always, SheetField::ExistingSO2, Fails::NotNumeric,
          KORVANE_TEXT("Existing SO2 must be numeric.")},
    Check{Applies::FreeTarget, SheetField::TargetFree, Fails::Empty,
          KORVANE_TEXT("Please enter target SO2.")},
    Check{Applies::FreeTarget, SheetField::TargetFree, Fails::NotNumeric,
          KORVANE_TEXT("Target SO2 must be numeric.")},
    Check{Applies::MolecularTarget, SheetField::TargetMolecular, Fails::Empty,
          KORVANE_TEXT("Please enter target SO2.")},
    Check{Applies::MolecularTarget, SheetField::TargetMolecular, Fails::NotNumeric,
          KORVANE_TEXT("Target SO2 must be numeric.")},
    Check{Applies::FreeTarget, SheetField::TargetFree, Fails::BelowExistingFree,
          KORVANE_TEXT("Existing SO2 cannot be greater than target SO2.")},
    Check{Applies::MolecularTarget, SheetField::TargetMolecular, Fails::BelowExistingMolecular,
          KORVANE_TEXT("Existing SO2 cannot be greater than target SO2.")},
};

// Asked for most checks of every calculation: inline, so that the loop over
// them keeps it rather than calling it.
inline bool CheckFails(const Check& check, const SheetView& input, const Readings& readings) {
    const float value = readings.Value(check.field);
    switch (check.fails) {
        case Fails::Empty:
            return IsEmptyText(FieldText(input, check.field));
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

// Asked when the field's value lies beyond the bound.
struct QuestionRow {
    Applies applies;
    SheetField field;
    bool whenAbove;  // otherwise when below
    float bound;
    const char* text;
};

// A pH below 2 and one above 5 exclude each other, so at most one pH
// question is ever asked.
constexpr QuestionRow kQuestions[] = {
    QuestionRow{Applies::Tablet, SheetField::TabletWeight, true, 1.0F,
                KORVANE_TEXT("Tablet weight appears high. Are you sure it is correct?")},
    QuestionRow{Applies::Solution, SheetField::SolutionStrength, true, 50.0F,
                KORVANE_TEXT("Solution percentage appears high. Are you sure it is correct?")},
    QuestionRow{Applies::MolecularTarget, SheetField::Ph, false, 2.0F,
                KORVANE_TEXT("pH appears low. Are you sure it is correct?")},
    QuestionRow{Applies::MolecularTarget, SheetField::Ph, true, 5.0F,
                KORVANE_TEXT("pH appears high. Are you sure it is correct?")},
};

bool IsAsked(const QuestionRow& question, const Readings& readings) {
    const float value = readings.Value(question.field);
    return question.whenAbove ? value > question.bound : value < question.bound;
}

template <typename Predicate>
std::optional<FailedCheck> FirstFailure(const SheetView& input, const Readings& readings,
                                        Predicate considered) {
    const Applying applying(input);
    for (const Check& check : kChecks) {
        if (applying(check.applies) && considered(check) && CheckFails(check, input, readings)) {
            return FailedCheck{check.field, check.message};
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

bool AllChecks(const Check& /*check*/) {
    return true;
}

// The checks the Default Settings dialog has fields for.
bool SettingsChecks(const Check& check) {
    return check.field == SheetField::SolutionStrength || check.field == SheetField::TabletWeight ||
           check.field == SheetField::BatchSize;
}

static_assert(std::size(kQuestions) <= kMaxQuestions);

// The questions to ask, in order, into `questions`; how many.
std::size_t QuestionsFor(const SheetView& input, const Readings& readings,
                         std::array<Question, kMaxQuestions>& questions) {
    const Applying applying(input);
    std::size_t count = 0;
    for (const QuestionRow& question : kQuestions) {
        if (applying(question.applies) && IsAsked(question, readings)) {
            questions[count++] = {question.field, question.text};
        }
    }
    return count;
}

void Recalculate(const SheetView& input, const Readings& readings, SheetResults& results) {
    results.Clear();
    // The free target is tested for both kinds: with a molecular target it
    // holds the last computed free target.
    if (input.targetFree.empty() || input.batchSize.empty()) {
        return;
    }
    const DoseInputs inputs = ReadInputs(input, readings);
    const DoseResults r = ComputeDose(inputs);

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
    float amountValue = 0.0F;
    const bool cleared =
        !TextToSingle(results.Text(results.Size() - 1), amountValue) || amountValue < 0.0F;
    ShownRounded(results, SheetOutput::FreeRequirement, r.freeRequirement);
    ShownRounded(results, SheetOutput::MolecularRequirement, r.molecularRequirement);
    if (cleared) {
        Cleared(results, SheetOutput::Amount);
        Cleared(results, SheetOutput::Teaspoons);
    }
}

ResultWrites WritesOf(const SheetResults& results) {
    ResultWrites writes;
    writes.reserve(results.Size());
    for (std::size_t i = 0; i < results.Size(); ++i) {
        writes.push_back({results.Output(i), std::string(results.Text(i))});
    }
    return writes;
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

SheetView ViewOf(const SheetInput& input) {
    SheetView view;
    view.ph = input.ph;
    view.existingSO2 = input.existingSO2;
    view.batchSize = input.batchSize;
    view.tabletWeight = input.tabletWeight;
    view.solutionStrength = input.solutionStrength;
    view.targetFree = input.targetFree;
    view.targetMolecular = input.targetMolecular;
    view.method = input.method;
    view.form = input.form;
    view.unit = input.unit;
    view.target = input.target;
    view.shownExistingMolecular = input.shownExistingMolecular;
    view.pka = input.pka;
    return view;
}

std::optional<FailedCheck> FirstFailedCheck(const SheetInput& input) {
    const SheetView view = ViewOf(input);
    return FirstFailure(view, Readings(view), AllChecks);
}

std::optional<FailedCheck> FirstFailedSettingsCheck(const SheetInput& input) {
    const SheetView view = ViewOf(input);
    return FirstFailure(view, Readings(view), SettingsChecks);
}

Questions QuestionsToAsk(const SheetInput& input) {
    const SheetView view = ViewOf(input);
    std::array<Question, kMaxQuestions> questions;
    const std::size_t count = QuestionsFor(view, Readings(view), questions);
    return Questions(questions.begin(), questions.begin() + static_cast<std::ptrdiff_t>(count));
}

ResultWrites RecalculateSheet(const SheetInput& input) {
    SheetResults results;
    RecalculateSheet(ViewOf(input), results);
    return WritesOf(results);
}

SheetAnswer EvaluateSheet(const SheetInput& input) {
    SheetVerdict verdict;
    EvaluateSheet(ViewOf(input), verdict);
    return AnswerOf(verdict);
}

SheetAnswer AnswerOf(const SheetVerdict& verdict) {
    switch (verdict.kind) {
        case SheetVerdict::Kind::FailedCheck:
            return verdict.failed;
        case SheetVerdict::Kind::Questions:
            return Questions(
                verdict.questions.begin(),
                verdict.questions.begin() + static_cast<std::ptrdiff_t>(verdict.questionCount));
        case SheetVerdict::Kind::Results:
            break;
    }
    return WritesOf(verdict.results);
}

std::string ExistingMolecularText(const SheetInput& input) {
    ResultText text;
    return std::string(ExistingMolecularText(ViewOf(input), text));
}

void EvaluateSheet(const SheetView& input, SheetVerdict& verdict) {
    const Readings readings(input);
    if (std::optional<FailedCheck> failed = FirstFailure(input, readings, AllChecks)) {
        verdict.kind = SheetVerdict::Kind::FailedCheck;
        verdict.failed = *failed;
        return;
    }
    verdict.questionCount = QuestionsFor(input, readings, verdict.questions);
    if (verdict.questionCount > 0) {
        verdict.kind = SheetVerdict::Kind::Questions;
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
